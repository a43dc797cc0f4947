// The readings of kanji that KANJIDIC lacks, taken from Unicode's Unihan database, and the
// speech's use of them: no kanji of a name is left unsaid because KANJIDIC does not hold it.
#include "platform/core/Codec932.h"
#include "sound/KanaText.h"
#include "sound/KanjiReadings.h"
#include "sound/Pronouncer.h"
#include "sound/UnihanReadings.h"

#include <QStringEncoder>
#include <gtest/gtest.h>

namespace {

// Made-up database lines in the layout of Unihan_Readings.txt.
const QByteArray Readings = "# Unihan_Readings.txt\n"
                            "U+54A9\tkJapaneseOn\tNUMO MI\n"
                            "U+54A9\tkJapaneseKun\tNAKU\n"
                            "U+6631\tkJapaneseKun\tAKIRAKA HIKARI\n"
                            "U+7099\tkJapaneseOn\tKOU SHOU\r\n"
                            "U+7099\tkMandarin\tzhi\n"
                            "U+9999\tkJapaneseOn\tQX9\n"
                            "U+4E00\tkJapaneseOn\n"
                            "not a line of the file\n";

} // namespace

TEST(KanjiTable, RomajiReadingsBecomeKatakanaPickedAsKanjidicsAre) {
    UnihanReadings::Table table;
    table.readings = UnihanReadings::parseReadings(Readings);
    // The first on'yomi alone and in a compound; long vowels as the database spells them.
    EXPECT_EQ(UnihanReadings::reading(table, u"咩"), QStringLiteral("ヌモ"));
    EXPECT_EQ(table.readings.value("咩").kun, QStringList{"ナク"});
    EXPECT_EQ(table.readings.value("炙").on, (QStringList{"コウ", "ショウ"}));
    // A kanji with Japanese readings only reads its first one alone, none in a compound.
    EXPECT_EQ(UnihanReadings::reading(table, u"昱"), QStringLiteral("アキラカ"));
    EXPECT_TRUE(table.readings.value("昱").on.isEmpty());
    // What is not romaji, and other fields, give nothing.
    EXPECT_FALSE(table.readings.contains("香"));
    EXPECT_EQ(table.readings.size(), 3);

    // The table the build writes reads back as it was; lines of another layout or with
    // anything but katakana in them are passed over.
    table.variants.insert(u'閒', u'間');
    QByteArray file = UnihanReadings::formatTable(table);
    const UnihanReadings::Table back = UnihanReadings::parseTable(file);
    EXPECT_EQ(back.readings.value("炙").on, table.readings.value("炙").on);
    EXPECT_EQ(back.readings.value("昱").kun, table.readings.value("昱").kun);
    EXPECT_EQ(back.variants, table.variants);
    file += "鍈\tエイ yo<br>\t\t\n鐵\t\t\t鉄鋼\n碵\tセキ\n\t\t\t\n";
    const UnihanReadings::Table junk = UnihanReadings::parseTable(file);
    EXPECT_EQ(junk.readings.value("鍈").on, QStringList{"エイ"});
    EXPECT_FALSE(junk.variants.contains(u'鐵'));
    EXPECT_FALSE(junk.readings.contains("碵"));
    EXPECT_EQ(UnihanReadings::load("/nonexistent/kanji.tsv").readings.size(), 0);
}

// A kanji without a reading anywhere is read as a variant of it that has one: one KANJIDIC
// knows first, then one the database reads, and a variant for some senses only as a last
// resort; a kanji with a reading of its own is never folded.
TEST(KanjiTable, UnreadKanjiAreReadAsTheirVariants) {
    QStringEncoder euc("EUC-JP");
    const auto kanjidic = KanjiReadings::parseKinds(euc(QStringLiteral(
        "# KANJIDIC\n間 3456 U9593 カン ま {interval}\n山 3B33 U5c71 サン やま {mountain}\n")));
    const auto readings = UnihanReadings::parseReadings(Readings);
    const QByteArray variants = "U+9592\tkSimplifiedVariant\tU+95F2\n"
                                "U+9592\tkSpecializedSemanticVariant\tU+9593<kMeyerWempe\n"
                                "U+70BB\tkSemanticVariant\tU+54A9<kLau U+5C71<kMatthews\n"
                                "U+6665\tkZVariant\tU+6666\n"
                                "U+54A9\tkZVariant\tU+5C71\n"
                                "U+50F4\tkSimplifiedVariant\tU+3008B\n"
                                "U+5CF6\tkSemanticVariant\tU+5C71\n";
    const QHash<QChar, QChar> folded =
        UnihanReadings::readableVariants(variants, readings, kanjidic);
    EXPECT_EQ(folded.value(u'閒'), u'間');
    EXPECT_EQ(folded.value(u'炻'), u'山');
    EXPECT_FALSE(folded.contains(u'晥')); // its variant has no reading either
    EXPECT_FALSE(folded.contains(u'咩')); // read by its own readings
    EXPECT_FALSE(folded.contains(u'僴')); // its variant lies beyond one UTF-16 unit
    EXPECT_EQ(folded.size(), 3);          // and 島, which the made-up KANJIDIC leaves unread
    // Without KANJIDIC, a variant the database reads is taken.
    EXPECT_EQ(UnihanReadings::readableVariants(variants, readings, {}).value(u'炻'), u'咩');
}

// A kanji that neither the dictionary nor KANJIDIC knows is read by the table, alone and in
// a name, and so is a variant the table folds into it.
TEST(KanjiTable, PronouncerReadsKanjiOnlyTheTableKnows) {
    const std::unique_ptr<Pronouncer> p = Pronouncer::open(Pronouncer::defaultDictionaryDirs());
    ASSERT_TRUE(p) << "mecab-ipadic-utf8";
    UnihanReadings::Table table;
    table.readings = UnihanReadings::parseReadings(Readings);
    table.variants.insert(u'炻', u'咩');
    p->setKanjiTable(table);
    EXPECT_EQ(p->toKana("咩"), QStringLiteral("ヌモ"));
    EXPECT_EQ(p->toKana("炻"), QStringLiteral("ヌモ"));
    const QString name = p->toKana("東咩川");
    EXPECT_TRUE(name.startsWith(QStringLiteral("ヒガシ")) &&
                name.contains(QStringLiteral("ヌモ")) && name.endsWith(QStringLiteral("カワ")))
        << name.toStdString();
    // Without the table the kanji has no reading at all.
    p->setKanjiTable({});
    EXPECT_EQ(p->toKana("咩"), QString());
}

// Every kanji that code page 932 encodes, its extensions included, is read by the installed
// data, but for the few that no source reads.
TEST(KanjiTable, EveryKanjiOfCodePage932HasAReading) {
    if (KanjiReadings::defaultPath().isEmpty() || Pronouncer::defaultKanjiTable().isEmpty())
        GTEST_SKIP() << "needs kanjidic and unicode-data";
    const std::unique_ptr<Pronouncer> p = Pronouncer::open(Pronouncer::defaultDictionaryDirs());
    ASSERT_TRUE(p) << "mecab-ipadic-utf8";
    // 仝 is the ditto mark, which the dictionary takes for a symbol with no sound; the others
    // have neither a Japanese reading in any source nor a variant form that has one.
    const QString unread = QStringLiteral("仝炻僴匇﨎﨏晥﨓﨔櫢淲礰竧荢﨟﨡蠇譿﨣﨤﨧﨨﨩霻馞");
    QString silent;
    int kanji = 0;
    for (int lead = 0x81; lead <= 0xFC; ++lead)
        for (int trail = 0x40; trail <= 0xFC; ++trail) {
            QByteArray bytes;
            bytes.append(char(lead)).append(char(trail));
            const QString c = Codec932::decode(bytes);
            if (c.size() != 1 || !KanaText::isKanji(c[0]) || c == u"々" || c == u"〆") continue;
            ++kanji;
            if (p->toKana(c).isEmpty() && !unread.contains(c) && !silent.contains(c)) silent += c;
        }
    EXPECT_GT(kanji, 6000);
    EXPECT_EQ(silent, QString()) << silent.toStdString();
}
