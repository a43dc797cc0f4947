// The place-name list of the speech: what is taken from an SKK dictionary, which reading a
// name read several ways keeps, and MeCab reading with (and without) the list.
#include "sound/PlaceNames.h"
#include "sound/Pronouncer.h"
#include "tests/common/TestUtil.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QStringList surfaces(const QList<PlaceNames::Entry>& entries) {
    QStringList out;
    for (const PlaceNames::Entry& e : entries)
        out += e.surface + u'=' + e.reading;
    return out;
}

} // namespace

TEST(PlaceNames, TakesKanjiNamesUnderKanaHeadwords) {
    const QString text = QStringLiteral(";; okuri-ari entries.\n"
                                        "はとのs /鳩野/\n"
                                        ";; okuri-nasi entries.\n"
                                        "はとのだい /鳩野台/鳩ノ台;古い書き方/\r\n"
                                        "さぎぬま /鷺沼/サギヌマ/AB沼/\n"
                                        "がっこう /学校/\n"
                                        "はとがおか /鳩ケ丘/ケ鳩丘/\n"
                                        "broken line without slashes\n"
                                        "つるが /\n");
    EXPECT_EQ(
        surfaces(PlaceNames::fromSkk(text)),
        (QStringList{"鳩野台=ハトノダイ", "鳩ノ台=ハトノダイ", "鷺沼=サギヌマ", "学校=ガッコウ",
                     "鳩ヶ丘=ハトガオカ", "ケ鳩丘=ハトガオカ"})); // a ケ between kanji is small
}

TEST(PlaceNames, KeepsTheReadingThatLongerNamesShare) {
    const QList<PlaceNames::Entry> entries = {
        {"鳩野", "ハトノ"},       {"鳩野", "ハトヤ"},       {"鳩野台", "ハトヤダイ"},
        {"鳩野川", "ハトヤガワ"}, {"上鳩野", "カミハトノ"}, {"鷺沢", "サギサワ"},
        {"鷺沢", "サギザワ"},     {"鳩", "ハト"},
    };
    // 鳩野 starts two longer names read ハトヤ and ends one read ハトノ; 鷺沢 has no votes
    // and keeps the first reading in kana order; one character alone is no name.
    EXPECT_EQ(surfaces(PlaceNames::choose(entries)),
              (QStringList{"上鳩野=カミハトノ", "鳩野=ハトヤ", "鳩野台=ハトヤダイ",
                           "鳩野川=ハトヤガワ", "鷺沢=サギサワ"}));
}

TEST(PlaceNames, ANameAndOneMoreCharacterIsNoVoteForWhatItEndsWith) {
    const QList<PlaceNames::Entry> entries = {
        {"沼東", "ショウヒガシ"},       {"沼東", "ヌマトウ"},   {"鷺沼", "サギショウ"},
        {"鷺沼東", "サギショウヒガシ"}, {"鳩沼", "ハトショウ"}, {"鳩沼東", "ハトショウヒガシ"},
        {"上沼東", "カミヌマトウ"},
    };
    // 鷺沼東 and 鳩沼東 are 鷺沼 and 鳩沼 with 東 after them; only 上沼東 speaks for 沼東.
    const QStringList chosen = surfaces(PlaceNames::choose(entries));
    EXPECT_TRUE(chosen.contains(QStringLiteral("沼東=ヌマトウ")))
        << chosen.join(u' ').toStdString();
}

TEST(PlaceNames, TakesPlacesOfAProperNameDictionaryWhereTheListIsSilent) {
    const QString text = QStringLiteral("\u3000？？？ /ENAMDICT header/\n"
                                        "鷺尾 [さぎお] /(p,s) Sagio/\n"
                                        "鷺尾 [ろび] /(s) Robi/(p) Robi (hill)/\r\n"
                                        "鷺尾 [さぎのお] /(s) Saginoo/\n"
                                        "鳩ケ丘 [はとがおか] /(p) Hatogaoka/\n"
                                        "雉子ノ原 [キギスのはら] /(st) Kigisunohara/\n"
                                        "さぎまち [さぎまち] /(p) Sagimachi/\n"
                                        "鴨田 [kamoda] /(p) Kamoda/\n"
                                        "鴨田 [かもだ] (p) no slash\n"
                                        "鴨田 [かもだ] /(u) Kamoda/\n");
    EXPECT_EQ(surfaces(PlaceNames::fromEnamdict(text, {"p"})),
              (QStringList{"鷺尾=サギオ", "鷺尾=ロビ", "鳩ヶ丘=ハトガオカ"}));
    EXPECT_EQ(surfaces(PlaceNames::fromEnamdict(text, {"p", "s"})),
              (QStringList{"鷺尾=サギオ", "鷺尾=ロビ"}));
    EXPECT_EQ(surfaces(PlaceNames::fromEnamdict(text, {"st"})),
              (QStringList{"雉子ノ原=キギスノハラ"}));

    // Only names the list lacks are added, each with all its readings.
    const QList<PlaceNames::Entry> list = {{"鷺尾", "サギノオ"}};
    EXPECT_EQ(surfaces(PlaceNames::newNames(list, PlaceNames::fromEnamdict(text, {"p"}))),
              (QStringList{"鳩ヶ丘=ハトガオカ"}));
}

TEST(PlaceNames, TakesFacilitiesWhose所ReadsOneWay) {
    const QList<PlaceNames::Entry> nouns = {
        {"鳩会所", "ハトカイジョ"}, {"鳩会所", "ハトカイジョ"}, {"鷺番所", "サギバンショ"},
        {"鷺番所", "サギバンジョ"}, {"鳩所", "ハトショ"},       {"鳩会所前", "ハトカイジョマエ"}};
    EXPECT_EQ(surfaces(PlaceNames::facilities(nouns)), (QStringList{"鳩会所=ハトカイジョ"}));
}

// A reading that is a surname's too outweighs the others unless more than SurnameVotes longer
// names share another.
TEST(PlaceNames, APlacesReadingThatIsASurnameTooWinsUnlessOutvoted) {
    QList<PlaceNames::Entry> entries = {
        {"鷺尾", "サギオ"}, {"鷺尾", "ロビ"}, {"鳩尾", "キュウビ"}, {"鳩尾", "ハトオ"}};
    for (const char* more : {"一", "二", "三", "四", "五", "六"})
        entries.append({"鳩尾" + QString::fromUtf8(more), "キュウビ" + QString::fromUtf8(more)});
    const auto surname = [](const QString& name, const QString& reading) {
        return (name == "鷺尾" && reading == "ロビ") || (name == "鳩尾" && reading == "ハトオ");
    };
    const QStringList chosen = surfaces(PlaceNames::choose(entries, {}, {}, surname));
    EXPECT_TRUE(chosen.contains("鷺尾=ロビ")) << chosen.join(u' ').toStdString();
    EXPECT_TRUE(chosen.contains("鳩尾=キュウビ")) << chosen.join(u' ').toStdString();
}

// A name of two kanji read in one style, both on'yomi or both kun'yomi, outweighs a mixed
// reading unless more than OneStyleVotes longer names share the mixed one.
TEST(PlaceNames, NamesReadInOneStyleWinUnlessOutvoted) {
    QStringEncoder euc("EUC-JP");
    const QByteArray kanjidic = euc(QStringLiteral("# KANJIDIC\n"
                                                   "鷺 3C6D U9dfa ロ さぎ {heron}\n"
                                                   "沢 4274 U6ca2 タク さわ T1 ざわ {swamp}\n"
                                                   "鉄 4553 U9244 テツ くろがね {iron}\n"
                                                   "橋 364B U6a4b キョウ はし {bridge}\n"
                                                   "鳩 4B29 U9ce9 キュウ はと {dove}\n"));
    const auto kanji = KanjiReadings::parseKinds(kanjidic);
    ASSERT_EQ(kanji.value("沢").kun, (QStringList{"サワ", "ザワ"}));
    const auto oneStyle = [&](const QString& name, const QString& reading) {
        return PlaceNames::readsInOneStyle(name, reading, kanji);
    };
    EXPECT_TRUE(oneStyle("鷺沢", "サギサワ"));
    EXPECT_TRUE(oneStyle("鷺沢", "ロタク"));
    EXPECT_TRUE(oneStyle("鉄橋", "テッキョウ"));  // the small ッ before the second kanji
    EXPECT_TRUE(oneStyle("鉄橋", "テッキョー"));  // a long vowel as the dictionary marks it
    EXPECT_TRUE(oneStyle("鳩橋", "ハトバシ"));    // and its voiced sound
    EXPECT_FALSE(oneStyle("鷺沢", "サギタク"));   // mixed
    EXPECT_FALSE(oneStyle("鷺沢", "サギサワダ")); // more than the kanji say
    EXPECT_FALSE(oneStyle("鷺沢台", "サギサワダイ"));

    const QList<PlaceNames::Entry> entries = {
        {"鷺沢", "サギタク"},         {"鷺沢", "ロタク"},           {"鳩橋", "キュウハシ"},
        {"鳩橋", "ハトハシ"},         {"鳩橋一", "キュウハシイチ"}, {"鳩橋二", "キュウハシニ"},
        {"鳩橋三", "キュウハシサン"}, {"鳩橋四", "キュウハシヨン"},
    };
    const QStringList chosen = surfaces(PlaceNames::choose(entries, {}, oneStyle));
    EXPECT_TRUE(chosen.contains("鷺沢=ロタク")) << chosen.join(u' ').toStdString();
    EXPECT_TRUE(chosen.contains("鳩橋=キュウハシ")) << chosen.join(u' ').toStdString();
}

// A name's の between kanji is respelt ノ and 之 (and back), one at a time, with the name's
// reading; a spelling either list has keeps its own, and の beside kana or at an end stays.
TEST(PlaceNames, SpellsANamesParticleAsSignsDo) {
    const auto twins = [](const QList<PlaceNames::Entry>& entries,
                          const QList<PlaceNames::Entry>& others = {}) {
        QStringList out;
        for (const PlaceNames::Entry& e : PlaceNames::particleTwins(entries, others))
            out.append(e.surface + u'=' + e.reading);
        out.sort();
        return out.join(u' ').toStdString();
    };
    EXPECT_EQ(twins({{"鷺の沢", "サギノサワ"}}), "鷺ノ沢=サギノサワ 鷺之沢=サギノサワ");
    EXPECT_EQ(twins({{"鷺之沢", "サギノサワ"}, {"鷺ノ沢", "サギノソウ"}}),
              "鷺の沢=サギノサワ 鷺の沢=サギノソウ");
    EXPECT_EQ(twins({{"鳩の木の下", "ハトノキノシタ"}}),
              "鳩の木ノ下=ハトノキノシタ 鳩の木之下=ハトノキノシタ 鳩ノ木の下=ハトノキノシタ "
              "鳩之木の下=ハトノキノシタ");
    EXPECT_EQ(twins({{"鷺の沢", "サギノサワ"}}, {{"鷺ノ沢", "サギノタク"}}), "鷺之沢=サギノサワ");
    EXPECT_EQ(twins({{"の沢", "ノサワ"},
                     {"鷺の", "サギノ"},
                     {"さぎの沢", "サギノサワ"},
                     {"鳩ヶ丘", "ハトガオカ"},
                     {"鳩が丘", "ハトガオカ"}}),
              "");
}

TEST(PlaceNames, WritesEachNameWithTheContextAndCostOfItsAnalysis) {
    const auto analyse = [](const QString& surface, PlaceNames::Analysis& a) {
        if (surface == "鷺沢") return false;
        a = {12, 34, surface == "鳩野" ? 7000 : -32000};
        return true;
    };
    EXPECT_EQ(PlaceNames::userDictionaryCsv(
                  {{"鳩野", "ハトノ"}, {"鷺沢", "サギサワ"}, {"雉岡", "キジオカ"}}, analyse),
              QStringLiteral(
                  "鳩野,12,34,6000,名詞,固有名詞,地域,一般,*,*,鳩野,ハトノ,ハトノ,地名表\n"
                  "雉岡,12,34,-32768,名詞,固有名詞,地域,一般,*,*,雉岡,キジオカ,キジオカ,地名表\n"));
}

// A name the dictionary reads as several words, or as one proper noun of no kind, joins its
// neighbours as a place: a person's name in front, or a given name at the end, keeps the left
// id alone, and what follows joins the name as a place whatever its last word. Any other word
// keeps its ids, and so does every name when the place noun's ids are not known.
TEST(PlaceNames, ANameOfSeveralWordsTakesThePlaceNounsContextIds) {
    // Several words, a person at neither end, in front, a given name at the end; one proper
    // noun of no kind; one word of another kind.
    const QHash<QString, PlaceNames::Analysis> analyses = {
        {"鷺沢口", {12, 34, 5000, true, false, false, false}},
        {"雉岡", {12, 34, 5000, true, true, false, false}},
        {"鳩巣", {12, 34, 5000, true, false, true, false}},
        {"鷺野", {12, 34, 5000, false, false, false, true}},
        {"鳩野", {12, 34, 5000, false, false, false, false}}};
    const auto analyse = [&](const QString& surface, PlaceNames::Analysis& a) {
        a = analyses.value(surface);
        return true;
    };
    const QList<PlaceNames::Entry> entries = {{"鷺沢口", "サギサワグチ"},
                                              {"雉岡", "キジオカ"},
                                              {"鳩巣", "ハトス"},
                                              {"鷺野", "サギノ"},
                                              {"鳩野", "ハトノ"}};
    const auto ids = [&](std::optional<PlaceNames::ContextIds> placeNoun) {
        QStringList out;
        for (const PlaceNames::Word& w : PlaceNames::dictionaryWords(entries, analyse, placeNoun))
            out += QStringLiteral("%1 %2").arg(w.leftId).arg(w.rightId);
        return out;
    };
    EXPECT_EQ(ids(PlaceNames::ContextIds{1293, 1294}),
              (QStringList{"1293 1294", "12 1294", "12 1294", "1293 1294", "12 34"}));
    EXPECT_EQ(ids(std::nullopt), (QStringList{"12 34", "12 34", "12 34", "12 34", "12 34"}));

    const QString table = QStringLiteral("0 BOS/EOS,*,*,*,*,*,BOS/EOS\n"
                                         "x 名詞,固有名詞,地域,一般,*,*,*\n"
                                         "1292 名詞,固有名詞,地域,一般,*,*,*,余分\n"
                                         "1293 名詞,固有名詞,地域,一般,*,*,*\r\n");
    EXPECT_EQ(PlaceNames::contextId(table, PlaceNames::PlaceNounFeatures), 1293);
    EXPECT_EQ(PlaceNames::contextId(table, u"名詞,固有名詞,地域,一般"), std::nullopt);
}

// A word costs PartsMargin less than the cheapest other reading of its characters where that
// reading is not already dearer by more; a word never gets dearer.
TEST(PlaceNames, MakesEachWordCheaperThanTheOtherReadingsOfItsCharacters) {
    const QHash<QString, int> others = {
        {"鳩野町", 5000},  // cheaper than the word itself
        {"鷺沢町", 6000},  // as dear: a tie MeCab may break either way
        {"雉岡町", 6300},  // dearer, by less than the margin
        {"鳩巣町", 6600},  // dearer by the margin
        {"鷺野町", -32700} // at the cost's lower end
    };
    QList<PlaceNames::Word> words;
    for (const QString& s : {"鳩野町", "鷺沢町", "雉岡町", "鳩巣町", "鷺野町", "雉野町"})
        words.append({{s, "ハトノ"}, 1, 2, 6000});
    const int changed = PlaceNames::undercutParts(words, [&](const PlaceNames::Word& w) {
        return others.contains(w.entry.surface) ? std::optional(others.value(w.entry.surface))
                                                : std::nullopt;
    });
    QStringList costs;
    for (const PlaceNames::Word& w : words)
        costs += w.entry.surface + u'=' + QString::number(w.cost);
    EXPECT_EQ(costs, (QStringList{"鳩野町=4400", "鷺沢町=5400", "雉岡町=5700", "鳩巣町=6000",
                                  "鷺野町=-32768", "雉野町=6000"}));
    EXPECT_EQ(changed, 4);
}

namespace {

// Compiles `entries` into the user dictionary `dic` with MeCab's compiler; false when it fails.
bool compile(const QString& compiler, const QString& sources, const QString& dic,
             const QList<PlaceNames::Entry>& entries) {
    const QString csv = dic + QStringLiteral(".csv");
    QFile out(csv);
    if (!out.open(QIODevice::WriteOnly)) return false;
    const auto placeNoun = [](const QString&, PlaceNames::Analysis& a) {
        a = {1293, 1293, 6000}; // the IPA dictionary's place noun
        return true;
    };
    out.write(PlaceNames::userDictionaryCsv(entries, placeNoun).toUtf8());
    out.close();
    QProcess index;
    index.start(compiler, {"-d", sources, "-u", dic, "-f", "utf-8", "-t", "utf-8", csv});
    return index.waitForFinished(60000) && index.exitCode() == 0;
}

} // namespace

// MeCab reads a listed name by the lists, and a list it cannot use costs neither the speech
// nor the other list.
TEST(PlaceNames, PronouncerReadsByTheListsAndWithoutABrokenOne) {
    const QString compiler = QStringLiteral("/usr/lib/mecab/mecab-dict-index");
    const QString sources = QStringLiteral("/usr/share/mecab/dic/ipadic");
    if (!QFileInfo(compiler).isExecutable() || !QFileInfo(sources + "/left-id.def").isFile())
        GTEST_SKIP() << "needs mecab-utils and mecab-ipadic";
    QTemporaryDir dir;
    const QString dic = dir.filePath("places.dic"), names = dir.filePath("names.dic");
    ASSERT_TRUE(compile(compiler, sources, dic,
                        {{"雉子岡", "キギスオカ"},
                         {"鷺沢南中", "サギサワミナミナカ"},
                         {"鷺東入", "サギヒガシイル"},
                         {"大前", "オオマエ"},
                         {"大南", "オオミナミ"},
                         {"千鷺沢", "チサギサワ"},
                         {"雉門前", "キジモンゼン"}}));
    ASSERT_TRUE(compile(compiler, sources, names, {{"鳩巣原", "ハトスバラ"}}));

    const auto plain = Pronouncer::open(Pronouncer::defaultDictionaryDirs());
    const auto listed = Pronouncer::open(Pronouncer::defaultDictionaryDirs(), {dic, names});
    ASSERT_TRUE(plain && listed);
    EXPECT_NE(plain->toKana("雉子岡前"), "キギスオカマエ");
    EXPECT_NE(plain->toKana("鳩巣原前"), "ハトスバラマエ");
    EXPECT_EQ(listed->toKana("雉子岡前、鳩巣原前"), "キギスオカマエ、ハトスバラマエ");
    // A listed name that ends in the 中 of 中学校 gives it back to the school.
    EXPECT_EQ(listed->toKana("鷺沢南中学校前"), "サギサワミナミチュウガッコーマエ");
    EXPECT_EQ(listed->toKana("鷺沢南中"), "サギサワミナミナカ");
    // A listed name ending in 入 said イル gives its 入 back to the entrance, 入口.
    EXPECT_EQ(listed->toKana("鷺東入口"), "サギヒガシイリグチ");
    // One kanji and 大 are a university, not a listed place that starts with 大.
    EXPECT_EQ(listed->toKana("鷺大前、鳩大南門"), "サギダイマエ、ハトダイミナミモン");
    // A number in kanji takes back the unit that opens a listed name after it.
    EXPECT_EQ(listed->toKana("三千鷺沢、千鷺沢前"), "サンゼンサギサワ、チサギサワマエ");
    // A listed name read whole keeps its own 前; the same characters unlisted are a front.
    EXPECT_EQ(listed->toKana("雉門前"), "キジモンゼン");
    EXPECT_TRUE(plain->toKana("雉門前").endsWith(u"モンマエ"));
    // The town table beside the list reads a town's 町.
    EXPECT_EQ(listed->toKana("鷺沢町"), "サギサワマチ");
    TestUtil::writeFile(dir.filePath("towns.tsv"), "沢\tチョウ\n");
    EXPECT_EQ(Pronouncer::open(Pronouncer::defaultDictionaryDirs(), {dic})->toKana("鷺沢町"),
              "サギサワチョウ");
    // The kanji table beside the list reads a kanji the dictionary does not know as names
    // read it at that place.
    EXPECT_NE(plain->toKana("鷺沢岫"), "サギサワクキ");
    TestUtil::writeFile(dir.filePath("kanji-in-names.tsv"), "岫\tL\tクキ\t9\n");
    EXPECT_EQ(Pronouncer::open(Pronouncer::defaultDictionaryDirs(), {dic})->toKana("鷺沢岫"),
              "サギサワクキ");
    // The table of parts beside the list reads a listed name opening a longer one as longer
    // names read it there.
    TestUtil::writeFile(dir.filePath("part-readings.tsv"), "雉子岡\tF\tキジオカ\n");
    EXPECT_EQ(Pronouncer::open(Pronouncer::defaultDictionaryDirs(), {dic})->toKana("雉子岡前"),
              "キジオカマエ");
    QFile::remove(dir.filePath("part-readings.tsv"));

    // Either list missing, not a dictionary or cut short: the other is still read by.
    QFile broken(dir.filePath("broken.dic"));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("not a dictionary");
    broken.close();
    QFile whole(dic), cut(dir.filePath("cut.dic"));
    ASSERT_TRUE(whole.open(QIODevice::ReadOnly) && cut.open(QIODevice::WriteOnly));
    cut.write(whole.read(whole.size() / 2));
    cut.close();
    const QString missing = dir.filePath("missing.dic");
    for (const QString& bad : {broken.fileName(), cut.fileName(), missing}) {
        SCOPED_TRACE(bad.toStdString());
        const auto withNames = Pronouncer::open(Pronouncer::defaultDictionaryDirs(), {bad, names});
        ASSERT_TRUE(withNames);
        EXPECT_EQ(withNames->toKana("雉子岡前、鳩巣原前"),
                  plain->toKana("雉子岡前") + "、ハトスバラマエ");
        const auto withPlaces = Pronouncer::open(Pronouncer::defaultDictionaryDirs(), {dic, bad});
        ASSERT_TRUE(withPlaces);
        EXPECT_EQ(withPlaces->toKana("雉子岡前、鳩巣原前"),
                  "キギスオカマエ、" + plain->toKana("鳩巣原前"));
        const auto fallback = Pronouncer::open(Pronouncer::defaultDictionaryDirs(), {bad});
        ASSERT_TRUE(fallback);
        EXPECT_EQ(fallback->toKana("雉子岡前"), plain->toKana("雉子岡前"));
    }
}
