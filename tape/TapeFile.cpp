#include "tape/TapeFile.h"

#include "platform/core/Codec932.h"
#include "platform/core/FileReader.h"
#include "platform/core/K41Error.h"
#include "platform/core/PathResolver.h"

#include <QStringDecoder>
#include <algorithm>
#include <cmath>

namespace TapeFile {

namespace {

bool isJapanese(QChar c) {
    const char16_t u = c.unicode();
    return (u >= 0x3000 && u <= 0x30FF) || (u >= 0x4E00 && u <= 0x9FFF) ||
           (u >= 0xFF00 && u <= 0xFFEF);
}

// The broadcast file's text. Code page 932 is the rule, but editors on Linux save UTF-8:
// a file that starts with UTF-8's byte-order mark, or that is valid UTF-8 holding Japanese
// while it is no valid code page 932, is read as UTF-8.
QString decodeText(const QByteArray& bytes) {
    const bool marked = bytes.startsWith("\xEF\xBB\xBF");
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString asUtf8 = utf8.decode(marked ? bytes.mid(3) : bytes);
    if (marked && !utf8.hasError()) return asUtf8;
    const QString as932 = Codec932::decode(bytes);
    if (utf8.hasError() || !as932.contains(QChar::ReplacementCharacter)) return as932;
    return std::any_of(asUtf8.begin(), asUtf8.end(), isJapanese) ? asUtf8 : as932;
}

bool isBlank(QChar c) {
    return c == u' ' || c == u'\t';
}

// Reads the fields of one line from left to right.
class FieldReader {
  public:
    explicit FieldReader(QStringView line) : m_line(line) {}

    // False once the line's last field has been read.
    bool hasMore() const { return m_more; }

    QString next() {
        while (m_pos < m_line.size() && isBlank(m_line[m_pos]))
            ++m_pos;
        QString field = m_pos < m_line.size() && m_line[m_pos] == u'"' ? quoted() : unquoted();
        m_more = m_pos < m_line.size(); // stopped on a comma
        if (m_more) ++m_pos;
        return field;
    }

  private:
    QString quoted() {
        QString field;
        ++m_pos;
        for (;;) {
            const qsizetype close = m_line.indexOf(u'"', m_pos);
            if (close < 0) {
                field += m_line.mid(m_pos); // a quote left open runs to the line end
                m_pos = m_line.size();
                return field;
            }
            field += m_line.mid(m_pos, close - m_pos);
            m_pos = close + 1;
            if (m_pos < m_line.size() && m_line[m_pos] == u'"') {
                field += u'"'; // a doubled quote stands for one
                ++m_pos;
                continue;
            }
            // Whatever follows the closing quote up to the comma is not part of the field.
            while (m_pos < m_line.size() && m_line[m_pos] != u',')
                ++m_pos;
            return field;
        }
    }

    QString unquoted() {
        const qsizetype start = m_pos;
        while (m_pos < m_line.size() && m_line[m_pos] != u',')
            ++m_pos;
        qsizetype end = m_pos;
        while (end > start && isBlank(m_line[end - 1]))
            --end;
        return m_line.mid(start, end - start).toString();
    }

    QStringView m_line;
    qsizetype m_pos = 0;
    bool m_more = true;
};

qint16 flag(const QString& field) {
    bool ok = false;
    const double value = field.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value)) return 0;
    const double rounded = std::nearbyint(value);
    if (rounded < -32768.0 || rounded > 32767.0) return 0;
    return qint16(rounded);
}

TapeRec record(QStringView line) {
    FieldReader fields(line);
    TapeRec rec;
    rec.Text = fields.next();
    if (fields.hasMore()) rec.MoveFlag = flag(fields.next());
    if (fields.hasMore()) rec.SoundFlag = flag(fields.next());
    return rec;
}

bool blankLine(QStringView line) {
    for (QChar c : line)
        if (!isBlank(c)) return false;
    return true;
}

} // namespace

QString pathFor(const QString& folder, const QString& route) {
    return PathResolver::resolve(folder + route + QStringLiteral("tp.csv"));
}

QByteArray readFile(const QString& path) {
    QByteArray bytes = FileReader::read(path, MaxBytes + 1);
    if (bytes.size() > MaxBytes)
        throw K41Error(K41Error::OutOfMemory,
                       QStringLiteral("放送用データが大きすぎます（最大%1バイト）: %2")
                           .arg(MaxBytes)
                           .arg(path));
    return bytes;
}

std::vector<TapeRec> parse(const QByteArray& bytes) {
    const QString text = decodeText(bytes);
    std::vector<TapeRec> records;
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = start;
        while (end < text.size() && text[end] != u'\r' && text[end] != u'\n')
            ++end;
        const QStringView line = QStringView(text).mid(start, end - start);
        if (!blankLine(line)) records.push_back(record(line));
        if (end == text.size()) break;
        // Past the line end: CR LF, LF or CR.
        start = end + 1;
        if (text[end] == u'\r' && start < text.size() && text[start] == u'\n') ++start;
    }
    return records;
}

} // namespace TapeFile

namespace TapeFile {

QByteArray format(const std::vector<TapeRec>& records) {
    QByteArray out;
    for (const TapeRec& rec : records) {
        // A line break would split the record in two; the reader cannot carry one.
        QString text = rec.Text;
        for (QChar& c : text)
            if (c == u'\r' || c == u'\n') c = u' ';
        const bool quote = text.contains(u',') || text.contains(u'"') ||
                           (!text.isEmpty() && (isBlank(text.front()) || isBlank(text.back())));
        if (quote) text = u'"' + QString(text).replace(u'"', QStringLiteral("\"\"")) + u'"';
        out += Codec932::encode(text);
        out += ',' + QByteArray::number(rec.MoveFlag) + ',' + QByteArray::number(rec.SoundFlag);
        out += "\r\n";
    }
    return out;
}

} // namespace TapeFile
