#include "sound/KanjiReadings.h"

#include "platform/core/FileReader.h"
#include "platform/core/K41Error.h"
#include "platform/core/Kana.h"

#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <QStringDecoder>

namespace KanjiReadings {

namespace {

// The Debian file is about 1.2 MB; a file far larger is not KANJIDIC.
constexpr qint64 MaxBytes = 16 * 1024 * 1024;

bool isKatakanaWord(QStringView s) {
    if (s.isEmpty()) return false;
    for (QChar c : s)
        if (!((c >= u'\u30A1' && c <= u'\u30FA') || c == u'ー')) return false;
    return true;
}

bool isHiraganaWord(QStringView s) {
    if (s.isEmpty()) return false;
    for (QChar c : s)
        if (!(c >= u'\u3041' && c <= u'\u3096')) return false;
    return true;
}

// A reading field without the marks ("-") that make it a prefix or a suffix.
QStringView withoutAffixMarks(QStringView f) {
    while (f.startsWith(u'-'))
        f = f.mid(1);
    while (f.endsWith(u'-'))
        f.chop(1);
    return f;
}

// A kun reading field in katakana, without prefix and suffix marks and okurigana (after
// "."); empty when the field is not a kun reading.
QString kunInKatakana(QStringView f) {
    f = withoutAffixMarks(f);
    const qsizetype dot = f.indexOf(u'.');
    if (dot >= 0) f = f.left(dot);
    if (!isHiraganaWord(f)) return QString();
    return Kana::toKatakana(f);
}

// The reading of one KANJIDIC line's fields after the kanji: the first katakana field (on),
// else the first kun reading; name readings after the marker "T1" are not used.
QString pick(const QList<QStringView>& fields) {
    QString kun;
    for (qsizetype i = 1; i < fields.size(); ++i) {
        const QStringView f = fields[i];
        if (f.startsWith(u'{') || f == u"T1" || f == u"T2") break;
        if (isKatakanaWord(f)) return f.toString();
        if (kun.isEmpty()) kun = kunInKatakana(f);
    }
    return kun;
}

// What `make` takes from the file, read on first use; empty when there is no file or it cannot
// be read, so that unknown kanji stay unread, as without the package.
template <typename Make> QHash<QString, QString> fromFile(Make make) {
    const QString path = defaultPath();
    if (path.isEmpty()) return {};
    try {
        return make(FileReader::read(path, MaxBytes));
    } catch (const K41Error&) {
        return {};
    }
}

const QHash<QString, QString>& table() {
    static const QHash<QString, QString> readings = fromFile(parse);
    return readings;
}

// Hands each entry of a KANJIDIC text (EUC-JP, one kanji a line, fields split by spaces) to
// `take` as its fields, the kanji first; comments and lines without a reading are skipped.
template <typename Take> void forEachEntry(const QByteArray& bytes, Take take) {
    QStringDecoder decode("EUC-JP", QStringDecoder::Flag::Stateless);
    if (!decode.isValid()) return;
    const QString text = decode(bytes);
    for (QStringView line : QStringView(text).split(u'\n')) {
        if (line.isEmpty() || line.startsWith(u'#')) continue;
        const QList<QStringView> fields = line.split(u' ', Qt::SkipEmptyParts);
        if (fields.size() >= 2) take(fields);
    }
}

// The forms of a kun reading field as a word (see Kinds::words), in katakana; none when the
// field is not a kun reading.
QStringList kunWords(QStringView f) {
    f = withoutAffixMarks(f);
    const qsizetype dot = f.indexOf(u'.');
    const QString stem = kunInKatakana(f);
    if (stem.isEmpty()) return {};
    if (dot < 0) return {stem};
    const QStringView okurigana = f.mid(dot + 1);
    if (!isHiraganaWord(okurigana)) return {stem};
    QString whole = stem + Kana::toKatakana(okurigana);
    QStringList out{stem, whole};
    // A verb's closing u-row kana becomes the i-row one of its noun (ネル → ネリ).
    static const QString uRow = QStringLiteral("ウクグスツヌブムル");
    static const QString iRow = QStringLiteral("イキギシチニビミリ");
    const qsizetype row = uRow.indexOf(whole.back());
    if (row >= 0) {
        whole.back() = iRow[row];
        out.append(whole);
    }
    return out;
}

} // namespace

QString defaultPath() {
    const QString path = QStringLiteral("/usr/share/edict/kanjidic");
    return QFileInfo(path).isFile() ? path : QString();
}

QHash<QString, QString> parse(const QByteArray& bytes) {
    QHash<QString, QString> readings;
    forEachEntry(bytes, [&](const QList<QStringView>& fields) {
        const QStringView kanji = fields[0];
        if (kanji.size() > 2 || (kanji.size() == 2 && !kanji[0].isHighSurrogate())) return;
        const QString reading = pick(fields);
        if (!reading.isEmpty()) readings.insert(kanji.toString(), reading);
    });
    return readings;
}

QHash<QString, Kinds> parseKinds(const QByteArray& bytes) {
    QHash<QString, Kinds> out;
    forEachEntry(bytes, [&](const QList<QStringView>& fields) {
        Kinds kinds;
        bool names = false;
        for (qsizetype i = 1; i < fields.size(); ++i) {
            const QStringView f = fields[i];
            if (f.startsWith(u'{') || f == u"T2") break;
            // The readings after T1 are those of people's and places' names.
            if (f == u"T1") names = true;
            if (isKatakanaWord(f)) {
                kinds.on.append(f.toString());
                continue;
            }
            const QString kun = kunInKatakana(f);
            if (!kun.isEmpty() && !kinds.kun.contains(kun)) kinds.kun.append(kun);
            if (!names)
                for (const QString& word : kunWords(f))
                    if (!kinds.words.contains(word)) kinds.words.append(word);
        }
        if (!kinds.on.isEmpty() || !kinds.kun.isEmpty()) out.insert(fields[0].toString(), kinds);
    });
    return out;
}

namespace {

const QHash<QString, Kinds>& kindsTable() {
    static const QHash<QString, Kinds> table = [] {
        const QString path = defaultPath();
        if (path.isEmpty()) return QHash<QString, Kinds>();
        try {
            return parseKinds(FileReader::read(path, MaxBytes));
        } catch (const K41Error&) {
            return QHash<QString, Kinds>();
        }
    }();
    return table;
}

} // namespace

Kinds kinds(QStringView kanji) {
    return kindsTable().value(kanji.toString());
}

bool isJapaneseReading(QStringView katakana) {
    static const QSet<QString> readings = [] {
        QSet<QString> all;
        for (const Kinds& k : kindsTable())
            for (const QString& kun : k.kun)
                all.insert(kun);
        return all;
    }();
    return readings.contains(katakana.toString());
}

QString chineseReading(QStringView kanji) {
    return kinds(kanji).on.value(0);
}

QString reading(QStringView kanji) {
    return table().value(kanji.toString());
}

} // namespace KanjiReadings
