#include "sound/UnihanReadings.h"

#include "platform/core/FileReader.h"
#include "platform/core/K41Error.h"
#include "sound/Romaji.h"

#include <QFileInfo>
#include <QList>

namespace UnihanReadings {

namespace {

// The table holds some ten thousand kanji in well under 1 MB; a far larger file is not it.
constexpr qint64 MaxTableBytes = 8 * 1024 * 1024;

// The character of a "U+54A9" field, or an empty string when it is not one.
QString fromCodePoint(QStringView field) {
    if (!field.startsWith(u"U+")) return {};
    bool ok = false;
    const uint code = field.mid(2).toUInt(&ok, 16);
    if (!ok || code < 0x3400 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return {};
    const char32_t c = char32_t(code);
    return QString::fromUcs4(&c, 1);
}

// Hands each data line of a Unihan text (code point, field name, value, split by tabs) to `take`.
template <typename Take> void forEachField(const QByteArray& text, Take take) {
    const QString s = QString::fromUtf8(text);
    for (QStringView line : QStringView(s).split(u'\n')) {
        if (line.endsWith(u'\r')) line.chop(1);
        if (line.isEmpty() || line.startsWith(u'#')) continue;
        const QList<QStringView> fields = line.split(u'\t');
        if (fields.size() < 3) continue;
        const QString kanji = fromCodePoint(fields[0]);
        if (!kanji.isEmpty()) take(kanji, fields[1], fields[2]);
    }
}

QStringList katakanaOf(QStringView values) {
    QStringList out;
    for (QStringView romaji : values.split(u' ', Qt::SkipEmptyParts)) {
        const QString kana = Romaji::toKana(romaji);
        if (!kana.isEmpty() && !out.contains(kana)) out.append(kana);
    }
    return out;
}

bool hasReading(const QHash<QString, KanjiReadings::Kinds>& table, const QString& kanji) {
    const auto it = table.constFind(kanji);
    return it != table.cend() && (!it->on.isEmpty() || !it->kun.isEmpty());
}

bool isKatakana(QStringView s) {
    for (QChar c : s)
        if (!((c >= u'\u30A1' && c <= u'\u30FA') || c == u'ー')) return false;
    return !s.isEmpty();
}

// The readings of a table field; a file edited by hand may hold anything, and only katakana is
// handed to the speech.
QStringList readingsField(QStringView field) {
    QStringList out;
    for (QStringView r : field.split(u' ', Qt::SkipEmptyParts))
        if (isKatakana(r)) out.append(r.toString());
    return out;
}

} // namespace

QHash<QString, KanjiReadings::Kinds> parseReadings(const QByteArray& text) {
    QHash<QString, KanjiReadings::Kinds> out;
    forEachField(text, [&](const QString& kanji, QStringView name, QStringView values) {
        const bool on = name == u"kJapaneseOn";
        if (!on && name != u"kJapaneseKun") return;
        const QStringList kana = katakanaOf(values);
        if (kana.isEmpty()) return;
        KanjiReadings::Kinds& kinds = out[kanji];
        (on ? kinds.on : kinds.kun) += kana;
    });
    return out;
}

QHash<QChar, QChar> readableVariants(const QByteArray& text,
                                     const QHash<QString, KanjiReadings::Kinds>& readings,
                                     const QHash<QString, KanjiReadings::Kinds>& kanjidic) {
    // Every variant of each unread kanji, in the order the file gives them; those that stand
    // for it only in some senses (閒 for 間) come after all others.
    QHash<QString, QStringList> candidates, specialized;
    QStringList order;
    forEachField(text, [&](const QString& kanji, QStringView name, QStringView values) {
        const bool special = name == u"kSpecializedSemanticVariant";
        if (!special && name != u"kZVariant" && name != u"kSemanticVariant" &&
            name != u"kTraditionalVariant" && name != u"kSimplifiedVariant")
            return;
        // Only characters of one UTF-16 unit: the text is folded in place, a kanji for a kanji.
        if (kanji.size() != 1 || hasReading(readings, kanji) || hasReading(kanjidic, kanji)) return;
        for (QStringView value : values.split(u' ', Qt::SkipEmptyParts)) {
            const qsizetype source = value.indexOf(u'<');
            const QString variant = fromCodePoint(source < 0 ? value : value.left(source));
            if (variant.size() != 1 || variant == kanji) continue;
            if (!candidates.contains(kanji) && !specialized.contains(kanji)) order.append(kanji);
            (special ? specialized : candidates)[kanji].append(variant);
        }
    });
    // The first form KANJIDIC reads, else the first the database reads, of the closer variants
    // before the others.
    const auto choose = [&](const QStringList& forms) {
        for (const auto* source : {&kanjidic, &readings})
            for (const QString& form : forms)
                if (hasReading(*source, form)) return form;
        return QString();
    };
    QHash<QChar, QChar> out;
    for (const QString& kanji : order) {
        QString chosen = choose(candidates.value(kanji));
        if (chosen.isEmpty()) chosen = choose(specialized.value(kanji));
        if (!chosen.isEmpty()) out.insert(kanji[0], chosen[0]);
    }
    return out;
}

QByteArray formatTable(const Table& table) {
    // Sorted, so that the same database always gives the same file.
    QStringList kanji = table.readings.keys();
    for (auto it = table.variants.cbegin(); it != table.variants.cend(); ++it)
        if (!table.readings.contains(QString(it.key()))) kanji.append(QString(it.key()));
    kanji.sort();
    // The licence of the database asks that data changed from it say so.
    QString out = QStringLiteral(
        "# Japanese readings of kanji and the variant forms read instead, taken and changed\n"
        "# from Unicode's Unihan database; Copyright 1991-2022 Unicode, Inc.\n"
        "# kanji\ton\tkun\tread as\n");
    for (const QString& k : kanji) {
        const KanjiReadings::Kinds kinds = table.readings.value(k);
        const QChar variant = k.size() == 1 ? table.variants.value(k[0]) : QChar();
        out += k + u'\t' + kinds.on.join(u' ') + u'\t' + kinds.kun.join(u' ') + u'\t' +
               (variant.isNull() ? QString() : QString(variant)) + u'\n';
    }
    return out.toUtf8();
}

Table parseTable(const QByteArray& bytes) {
    Table table;
    const QString s = QString::fromUtf8(bytes);
    for (QStringView line : QStringView(s).split(u'\n')) {
        if (line.isEmpty() || line.startsWith(u'#')) continue;
        const QList<QStringView> fields = line.split(u'\t');
        if (fields.size() != 4) continue;
        const QStringView kanji = fields[0];
        if (kanji.isEmpty() || kanji.size() > 2 ||
            (kanji.size() == 2 && !(kanji[0].isHighSurrogate() && kanji[1].isLowSurrogate())))
            continue;
        KanjiReadings::Kinds kinds{readingsField(fields[1]), readingsField(fields[2])};
        if (!kinds.on.isEmpty() || !kinds.kun.isEmpty())
            table.readings.insert(kanji.toString(), kinds);
        // A variant is a single character read in place of a single character.
        if (kanji.size() == 1 && fields[3].size() == 1 && !fields[3][0].isSurrogate())
            table.variants.insert(kanji[0], fields[3][0]);
    }
    return table;
}

Table load(const QString& path) {
    if (path.isEmpty() || !QFileInfo(path).isFile()) return {};
    try {
        return parseTable(FileReader::read(path, MaxTableBytes));
    } catch (const K41Error&) {
        return {};
    }
}

QString reading(const Table& table, QStringView kanji) {
    const auto it = table.readings.constFind(kanji.toString());
    if (it == table.readings.cend()) return {};
    return !it->on.isEmpty() ? it->on.front() : it->kun.value(0);
}

} // namespace UnihanReadings
