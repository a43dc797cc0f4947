#include "tape/ReadingTable.h"

#include "platform/core/FileReader.h"
#include "platform/core/FileReplace.h"
#include "platform/core/K41Error.h"
#include "platform/core/Kana.h"
#include "platform/core/PathResolver.h"

#include <QFileInfo>
#include <QStringList>

namespace {

// The records of RFC 4180 text: fields separated by commas, records by CR LF, LF or CR; a
// field in double quotes may hold commas and line ends ("" is one quote). A quote left open
// runs to the end of the text.
std::vector<QStringList> records(QStringView text) {
    std::vector<QStringList> out;
    QStringList fields;
    QString field;
    bool quoted = false, wasQuoted = false;
    const auto endField = [&] {
        fields.append(wasQuoted ? field : field.trimmed());
        field.clear();
        wasQuoted = false;
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c != u'"') {
                field += c;
            } else if (i + 1 < text.size() && text[i + 1] == u'"') {
                field += c;
                ++i;
            } else {
                quoted = false;
            }
        } else if (c == u'"' && field.trimmed().isEmpty() && !wasQuoted) {
            field.clear();
            quoted = wasQuoted = true;
        } else if (c == u',') {
            endField();
        } else if (c == u'\r' || c == u'\n') {
            if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ++i;
            endField();
            out.push_back(std::move(fields));
            fields.clear();
        } else if (!wasQuoted) {
            field += c; // text after a closing quote is dropped
        }
    }
    if (!field.isEmpty() || wasQuoted || !fields.isEmpty()) {
        endField();
        out.push_back(std::move(fields));
    }
    return out;
}

bool isKatakana(QChar c) {
    return (c >= u'\u30A1' && c <= u'\u30FA') || c == u'ー';
}

} // namespace

QString ReadingTable::commonFileName() {
    return QStringLiteral("readings.csv");
}

QString ReadingTable::routeFileName(const QString& route) {
    return route + QStringLiteral("readings.csv");
}

QString ReadingTable::key(QStringView name) {
    return name.toString().normalized(QString::NormalizationForm_KC).trimmed();
}

QString ReadingTable::katakana(QStringView reading) {
    // NFKC makes half-width katakana full width and joins their voicing marks.
    const QString text = reading.toString().normalized(QString::NormalizationForm_KC);
    QString out;
    for (QChar c : text) {
        c = Kana::toKatakana(c);
        if (c == u' ' || c == u'\u3000' || c == u'・')
            continue; // spacing between the words of a name
        if (!isKatakana(c)) return QString();
        out += c;
    }
    return out;
}

ReadingTable ReadingTable::parse(const QByteArray& bytes) {
    ReadingTable table;
    QString text = QString::fromUtf8(bytes);
    if (text.startsWith(QChar(0xFEFF))) text.remove(0, 1);
    const std::vector<QStringList> lines = records(text);
    for (size_t i = 0; i < lines.size(); ++i) {
        const QStringList& fields = lines[i];
        if (fields.size() < 2 || fields[0].startsWith(u'#')) continue;
        if (i == 0 && fields[0] == QLatin1String("name") && fields[1] == QLatin1String("reading"))
            continue;
        const QString name = key(fields[0]);
        const QString reading = katakana(fields[1]);
        if (name.isEmpty() || reading.isEmpty()) continue;
        table.insert(name, reading);
    }
    return table;
}

ReadingTable ReadingTable::load(const QString& folder, const QString& route) {
    ReadingTable table;
    QStringList names{commonFileName()};
    if (!route.isEmpty()) names.append(routeFileName(route));
    for (const QString& name : names) {
        const QString path = PathResolver::resolve(folder + name);
        if (!QFileInfo::exists(path)) continue;
        const QByteArray bytes = FileReader::read(path, MaxBytes + 1);
        if (bytes.size() > MaxBytes)
            throw K41Error(7, QStringLiteral("読みの表が大きすぎます: ") + path);
        table.overlay(parse(bytes));
    }
    return table;
}

void ReadingTable::append(const QString& path, const QString& name, const QString& reading) {
    QByteArray bytes;
    if (QFileInfo::exists(path)) {
        bytes = FileReader::read(path, MaxBytes + 1);
        if (bytes.size() > MaxBytes)
            throw K41Error(7, QStringLiteral("読みの表が大きすぎます: ") + path);
        if (!bytes.isEmpty() && !bytes.endsWith('\n') && !bytes.endsWith('\r')) bytes += '\n';
    }
    const auto field = [](const QString& s) {
        if (!s.contains(u',') && !s.contains(u'"') && !s.contains(u'\n') && !s.contains(u'\r') &&
            !s.startsWith(u'#') && s.trimmed() == s)
            return s;
        return u'"' + QString(s).replace(u'"', QStringLiteral("\"\"")) + u'"';
    };
    bytes += (field(name) + u',' + field(reading) + u'\n').toUtf8();
    FileReplace::write(path, bytes);
}

QString ReadingTable::reading(QStringView name) const {
    const auto it = m_entries.constFind(name.toString());
    if (it != m_entries.constEnd()) return *it;
    return m_entries.value(key(name));
}

void ReadingTable::insert(const QString& name, const QString& reading) {
    m_entries.insert(name, reading);
    m_longest = std::max(m_longest, name.size());
}

void ReadingTable::overlay(const ReadingTable& other) {
    for (auto it = other.m_entries.cbegin(); it != other.m_entries.cend(); ++it)
        insert(it.key(), it.value());
}
