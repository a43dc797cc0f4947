// The reader's answers to what the reading rules ask: words from MeCab's lattice, single kanji
// from KANJIDIC and, for the kanji it leaves out, the Unihan table.
#include "sound/KanjiReadings.h"
#include "sound/Pronouncer.h"

#include <mecab.h>

// A kanji's Chinese-style readings: KANJIDIC's, else, for the kanji it leaves out, the Unihan
// table's.
QStringList Pronouncer::chineseReadings(QStringView kanji) {
    const QStringList on = KanjiReadings::kinds(kanji).on;
    return on.isEmpty() ? m_kanji.readings.value(kanji.toString()).on : on;
}

QStringList Pronouncer::nativeWords(QStringView kanji) {
    return KanjiReadings::kinds(kanji).words;
}

QStringList Pronouncer::nativeReadings(QStringView kanji) {
    const KanjiReadings::Kinds kinds = KanjiReadings::kinds(kanji);
    return kinds.kun + kinds.words;
}

QString Pronouncer::readAlone(const QString& surface) {
    QString read;
    for (const ReadWord& w : analyse(surface))
        read += w.pronunciation;
    return read;
}

QStringList Pronouncer::dictionaryReadings(const QString& surface) {
    return wordReadings(surface);
}

QStringList Pronouncer::firmReadings(const QString& surface) {
    return wordReadings(surface, "名詞,固有名詞,組織,");
}

QStringList Pronouncer::commonNounReadings(const QString& surface) {
    return wordReadings(surface, "名詞,一般,") + wordReadings(surface, "名詞,サ変接続,");
}

QStringList Pronouncer::prefixReadings(const QString& surface) {
    return wordReadings(surface, "接頭詞,名詞接続,");
}

QStringList Pronouncer::wordReadings(const QString& surface, const char* kind) {
    QStringList out;
    const QByteArray utf8 = surface.toUtf8();
    mecab_lattice_set_sentence2(m_lattice, utf8.constData(), size_t(utf8.size()));
    if (!mecab_parse_lattice(m_tagger, m_lattice)) return out;
    for (const mecab_node_t* n = mecab_lattice_get_begin_nodes(m_lattice, 0); n; n = n->bnext) {
        if (n->stat != MECAB_NOR_NODE || n->length != size_t(utf8.size())) continue;
        const QByteArray feature(n->feature);
        if (feature.startsWith("名詞,固有名詞,人名,名,") || (kind && !feature.startsWith(kind)))
            continue;
        const QString reading = QString::fromUtf8(feature).split(u',').value(8);
        if (!reading.isEmpty() && reading != QLatin1String("*") && !out.contains(reading))
            out.append(reading);
    }
    return out;
}
