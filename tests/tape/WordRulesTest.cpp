// The word rules that mend the dictionary's reading of a name's parts, each tried on words of
// its own or on a made-up dictionary: a coined name, a market-day town, compounds.
#include "sound/WordRules.h"
#include "FakeKnowledge.h"
#include "sound/ClosingCuts.h"
#include "sound/CompoundWordRules.h"
#include "sound/InstitutionNames.h"
#include "sound/KanjiReadings.h"
#include "sound/OpeningWord.h"
#include "sound/PlaceWordRules.h"

#include <gtest/gtest.h>

// Which reading a coined name takes where the dictionary knows the two kanji: its reading in
// Chinese style where it has one (voiced or with a long vowel as the dictionary writes it),
// none where it has only a native one (a place), the characters' own where it has neither.
TEST(InstitutionNames, PrefersTheDictionarysChineseStyleOverAPlacesNativeOne) {
    FakeKnowledge knows;
    knows.words = FakeKnowledge::table("鳩南=ハトミナミ/キューナン 鷺東=サギヒガシ 鴨東=オードー "
                                       "雁北=ガンキ 鶴清=ツルキヨ 公園=コーエン "
                                       "清鶴団地=キヨツルダンチ 鳩南台=ハトミナミダイ");
    knows.chinese = FakeKnowledge::table(
        "鳩=キュウ 雁=ガン 鷺=ロ 南=ナン 東=トウ 北=ホク 清=セイ 鶴=カク 森=シン 公=コウ");
    const auto read = [&](const char* text) {
        const auto span = InstitutionNames::find(QString::fromUtf8(text), knows);
        return span ? QString::number(span->at) + u':' + span->reading : QString();
    };
    EXPECT_EQ(read("鳩南小学校"), QStringLiteral("0:キューナン"));
    EXPECT_EQ(read("鴨東病院"), QStringLiteral("0:オードー"));
    EXPECT_EQ(read("鷺東小学校"), QString());
    EXPECT_EQ(read("市立・雁北高校"), QStringLiteral("3:ガンホク"));
    // Inside a longer name, or before what is no school, it is the place's.
    EXPECT_EQ(read("大雁北高校"), QString());
    EXPECT_EQ(read("雁北公民館"), QString());
    // Two kanji of good meaning: only where the dictionary has no word for them, nor for
    // them with what follows, and both have a Chinese reading.
    EXPECT_EQ(read("清鶴荘前"), QStringLiteral("0:セイカク"));
    EXPECT_EQ(read("鶴清荘"), QString());
    EXPECT_EQ(read("の森公園"), QString());
    EXPECT_EQ(read("清畑荘"), QString());
    // A name the dictionary knows whole with what it names (a listed estate) is its own.
    EXPECT_EQ(read("清鶴団地前"), QString());
    EXPECT_EQ(read("鳩南台団地"), QString());
    EXPECT_EQ(read("鳩南団地"), QStringLiteral("0:キューナン"));
    // Nothing to find in what is too short or not kanji, nor in a kanji outside the BMP.
    for (const char* text : {"", "南", "なん小学校", "𠮷南小学校"})
        EXPECT_EQ(read(text), QString()) << text;
}

// A coined name is read only by on'yomi: a kanji made in Japan, which has none, is not read by
// its native reading instead.
TEST(KanjiReadings, AChineseReadingIsAnOnyomiOrNothing) {
    if (KanjiReadings::defaultPath().isEmpty()) GTEST_SKIP() << "no KANJIDIC";
    EXPECT_EQ(KanjiReadings::chineseReading(u"雁"), QStringLiteral("ガン"));
    EXPECT_EQ(KanjiReadings::chineseReading(u"峠"), QString());
    EXPECT_EQ(KanjiReadings::chineseReading(u"a"), QString());
}

namespace {

// The words' readings once each place-word rule has run at each word in turn.
QString placeReadings(ReadWords words, QStringView separator = {}) {
    for (size_t i = 0; i < words.size(); ++i)
        PlaceWordRules::apply(words, i);
    return readings(words, separator);
}

} // namespace

// The market-day 市 after a day the place list read as a whole (二日 フツカ), after a day
// the dictionary split into a number and a date, and after a day read with its market already;
// a reading the user gave stays.
TEST(PlaceWordRules, AMarketDaysTownHasItsMarket) {
    const auto read = [](ReadWords words) { return placeReadings(std::move(words)); };
    EXPECT_EQ(read({word("鷺二日", "サギフツカ", "名詞", "固有名詞"), word("市", "シ")}),
              QStringLiteral("サギフツカイチ"));
    // The market day's square is the market's, not the trade's.
    EXPECT_EQ(read({word("鷺二日", "サギフツカ", "名詞", "固有名詞"), word("市場", "シジョー")}),
              QStringLiteral("サギフツカイチバ"));
    EXPECT_EQ(read({word("六", "ロク", "名詞", "数"), word("日", "ニチ", "名詞", "接尾"),
                    word("市", "シ")}),
              QStringLiteral("ムイカイチ"));
    EXPECT_EQ(read({word("百", "ヒャク", "名詞", "数"), word("日", "ニチ", "名詞", "接尾"),
                    word("市", "シ")}),
              QStringLiteral("ヒャクニチシ"));
    // A day read with its market (一日 ヒトイチ) says the market once, before 市 and 市場 alike;
    // a date's 一日 keeps the city after it.
    EXPECT_EQ(read({word("一日", "ヒトイチ", "名詞", "固有名詞"), word("市", "シ")}),
              QStringLiteral("ヒトイチ"));
    EXPECT_EQ(read({word("鷺一日", "サギヒトイチ", "名詞", "固有名詞"),
                    word("市場", "イチバ", "名詞", "固有名詞")}),
              QStringLiteral("サギヒトイチバ"));
    EXPECT_EQ(read({word("一日", "イチニチ", "名詞", "副詞可能"), word("市", "シ")}),
              QStringLiteral("イチニチシ"));
    ReadWords fixed = {word("鷺二日", "サギフツカ", "名詞", "固有名詞"), word("市", "シ")};
    fixed[1].fixed = true;
    EXPECT_EQ(read(fixed), QStringLiteral("サギフツカシ"));
}

// 沢川 after a word is a 沢's stream, whether the dictionary read it as a family name or as the
// place list's one village of that name; a name it opens keeps the list's reading.
TEST(PlaceWordRules, AStreamOfAValleyAfterAWord) {
    const auto read = [](ReadWords words) { return placeReadings(std::move(words), u"|"); };
    const ReadWord village = word("沢川", "ソウゴウ", "名詞", "固有名詞");
    EXPECT_EQ(read({word("鷺", "サギ"), village}), QStringLiteral("サギ|サワガワ|"));
    EXPECT_EQ(read({word("鷺", "サギ"), word("の", "ノ", "助詞", "連体化"), village}),
              QStringLiteral("サギ|ノ|サワガワ|"));
    EXPECT_EQ(read({village, word("鷺", "サギ")}), QStringLiteral("ソウゴウ|サギ|"));
}

// After the particle の in any spelling, 内 is the inside (ウチ), 本 the foot (モト) and 道 the
// road (ミチ, also where the dictionary wrote its long vowel ー) of what the name before it names,
// and a word keeps its plain sound (組 クミ, 平 タイラ); without the particle, or read as another
// word, they stay as read.
TEST(PlaceWordRules, TheInsideAndTheFootAfterTheParticle) {
    const auto read = [](ReadWords words) { return placeReadings(std::move(words), u"|"); };
    const ReadWord inside = word("内", "ナイ", "名詞", "接尾");
    const ReadWord foot = word("本", "ホン");
    EXPECT_EQ(read({word("鷺", "サギ"), word("ノ", "ノ", "記号"), inside}),
              QStringLiteral("サギ|ノ|ウチ|"));
    EXPECT_EQ(read({word("鷺", "サギ"), word("之", "ノ"), foot}), QStringLiteral("サギ|ノ|モト|"));
    EXPECT_EQ(read({word("鷺", "サギ"), word("の", "ノ", "助詞", "連体化"), foot}),
              QStringLiteral("サギ|ノ|モト|"));
    EXPECT_EQ(read({word("鷺", "サギ"), word("ノ", "ノ", "記号"), word("道", "ドー")}),
              QStringLiteral("サギ|ノ|ミチ|"));
    EXPECT_EQ(read({word("鷺", "サギ"), word("之", "ノ"), word("組", "グミ", "名詞", "接尾")}),
              QStringLiteral("サギ|ノ|クミ|"));
    // A closing part after the particle written in kanji stays plain, also where the dictionary
    // joined the particle to the noun before it; after a noun it is voiced.
    const ReadWord flat = word("平", "タイラ");
    EXPECT_EQ(read({word("鷺", "サギ"), word("之", "ノ"), flat}),
              QStringLiteral("サギ|ノ|タイラ|"));
    EXPECT_EQ(read({word("鷺之", "サギノ"), flat}), QStringLiteral("サギノ|タイラ|"));
    EXPECT_EQ(read({word("鷺", "サギ"), flat}), QStringLiteral("サギ|ダイラ|"));
    EXPECT_EQ(read({word("鷺", "サギ"), inside}), QStringLiteral("サギ|ナイ|"));
    EXPECT_EQ(read({word("鷺", "サギ"), word("之", "コレ"), foot}),
              QStringLiteral("サギ|コレ|ホン|"));
    EXPECT_EQ(read({word("鷺", "サギ"), word("の", "ノ"), word("本", "ボン")}),
              QStringLiteral("サギ|ノ|ボン|"));
    ReadWords fixed = {word("鷺", "サギ"), word("ノ", "ノ", "記号"), foot};
    fixed[2].fixed = true;
    EXPECT_EQ(read(fixed), QStringLiteral("サギ|ノ|ホン|"));
}

namespace {

// The words' readings once each compound-word rule has run at each word in turn.
QString compoundReadings(ReadWords words, FakeKnowledge& knows, QStringView separator = {}) {
    for (size_t i = 0; i < words.size(); ++i)
        CompoundWordRules::apply(words, i, knows);
    return readings(words, separator);
}

} // namespace

// Where the compound-word rules must leave a name alone: a place's direction before 大 or a
// firm's trade, 店 after お, a 道 that is no road station's, 女子 before no school, the verb 停,
// words the user fixed, and 場 after a name that is not read in native style (with the girls'
// school and the shrine they must mend as the counterparts).
TEST(CompoundWordRules, LeaveWhatIsNoCompoundOfTheirsAlone) {
    // A made-up dictionary of the kanji's native readings.
    FakeKnowledge knows;
    knows.native = FakeKnowledge::table("鷺=サギ 沢=サワ 相=アイ");
    const auto read = [&](ReadWords words) { return compoundReadings(std::move(words), knows); };
    EXPECT_EQ(read({word("鷺", "サギ"), word("大南", "オオミナミ"), word("門", "モン")}),
              QStringLiteral("サギダイミナミモン"));
    EXPECT_EQ(read({word("東", "ヒガシ"), word("大南", "オオミナミ")}),
              QStringLiteral("ヒガシオオミナミ"));
    EXPECT_EQ(read({word("鷺", "サギ"), word("北", "キタ"), word("電", "デン")}),
              QStringLiteral("サギキタデン"));
    EXPECT_EQ(read({word("お", "オ", "接頭詞"), word("店", "ミセ")}), QStringLiteral("オミセ"));
    EXPECT_EQ(read({word("道", "ドウ"), word("の", "ノ", "助詞"), word("森", "モリ")}),
              QStringLiteral("ドウノモリ"));
    // 女子 that a place list reads as a place is a girls' school only before a school; a 停 with
    // its kana after it is the verb.
    EXPECT_EQ(read({word("女子", "メゴ"), word("高校", "コウコウ")}),
              QStringLiteral("ジョシコウコウ"));
    EXPECT_EQ(read({word("女子", "メゴ"), word("前", "マエ")}), QStringLiteral("メゴマエ"));
    EXPECT_EQ(read({word("停", "トマ", "動詞"), word("る", "ル", "動詞")}),
              QStringLiteral("トマル"));
    ReadWords fixed = {word("鳩野神", "ハトノガミ"), word("社", "シャ")};
    fixed[0].fixed = true;
    EXPECT_EQ(read(fixed), QStringLiteral("ハトノガミシャ"));
    fixed[0].fixed = false;
    EXPECT_EQ(read(fixed), QStringLiteral("ハトノジンジャ"));
    // 場 is バ after a place read in native style only, not after 相撲 (スモウジョウ).
    ReadWords sumo = {word("相撲", "スモウ"), word("場", "ジョウ")};
    sumo[0].pos1 = QStringLiteral("固有名詞");
    EXPECT_EQ(read(sumo), QStringLiteral("スモウジョウ"));
    ReadWords ground = {word("鷺沢", "サギサワ"), word("場", "ジョウ")};
    ground[0].pos1 = QStringLiteral("固有名詞");
    EXPECT_EQ(read(ground), QStringLiteral("サギサワバ"));
}

// Two kanji known only as a given name, inside a longer name, are a coined word read in Chinese
// style, but not after a family name: then they are the person the place is named for.
TEST(CompoundWordRules, AGivenNameAfterAFamilyNameIsAPersons) {
    FakeKnowledge knows;
    knows.chinese = FakeKnowledge::table("幸=コウ 美=ビ");
    const auto read = [&](ReadWords words) {
        return compoundReadings(std::move(words), knows, u"|");
    };
    ReadWord given = word("幸美", "ユキミ", "名詞", "固有名詞");
    given.givenName = true;
    given.pos2 = QStringLiteral("人名");
    const ReadWord hall = word("ホール", "ホール");
    const ReadWord monument = word("碑", "ヒ");
    EXPECT_EQ(read({given, hall}), QStringLiteral("コウビ|ホール|"));
    EXPECT_EQ(read({word("鷺山", "サギヤマ", "名詞", "固有名詞"), given, monument}),
              QStringLiteral("サギヤマ|ユキミ|ヒ|"));
    // A single kanji or a common noun before it is no family name.
    EXPECT_EQ(read({word("鷺", "サギ", "名詞", "固有名詞"), given, hall}),
              QStringLiteral("サギ|コウビ|ホール|"));
    EXPECT_EQ(read({word("市民", "シミン"), given, hall}), QStringLiteral("シミン|コウビ|ホール|"));
}

// The cut before a closing 上 or direction falls inside the word the dictionary joined it into,
// counted in the text as given: a space the dictionary skipped moves it on.
TEST(ClosingCuts, ACutNearTheEndCountsTheTextsSpaces) {
    const ReadWords roof = {word("鷺", "サギ"), word("屋上", "オクジョウ")};
    EXPECT_EQ(ClosingCuts::closingPart(roof, u"鷺 屋上").value_or(-1), 3);
    EXPECT_EQ(ClosingCuts::closingPart(roof, u"鷺屋上").value_or(-1), 2);
    FakeKnowledge knows;
    knows.words = FakeKnowledge::table("入江=イリエ");
    const ReadWords ward = {word("鳩", "ハト"), word("入", "イリ"), word("江東", "コウトウ")};
    EXPECT_EQ(ClosingCuts::closingDirection(ward, u"鳩 入 江東", knows).value_or(-1), 5);
}

// A name's first word read with the voiced sound of a compound takes the dictionary's reading of
// it that opens unvoiced, where the voiced kana comes from a native reading of its first kanji.
TEST(OpeningWord, ANameDoesNotOpenWithACompoundsVoicedSound) {
    FakeKnowledge knows;
    knows.words = FakeKnowledge::table(
        "鳩町=バトチョウ/ハトマチ 鳩野=バトノ 鴨沢=ガモサワ/カモサワ 坂鳩=バンキュウ/ハンキュウ");
    knows.chinese = FakeKnowledge::table("鳩=キュウ 鴨=オウ 坂=ハン");
    knows.native = FakeKnowledge::table("鳩=ハト 鴨=カモ 坂=サカ");
    knows.inNames = FakeKnowledge::table("鴨=ガモ");
    const auto read = [&](ReadWords words) {
        OpeningWord::apply(words, knows);
        return readings(words, u"|");
    };
    EXPECT_EQ(read({word("鳩町", "バトチョウ"), word("前", "マエ")}),
              QStringLiteral("ハトマチ|マエ|"));
    // Inside a name the voiced sound is the compound's.
    EXPECT_EQ(read({word("鷺", "サギ"), word("鳩町", "バトチョウ")}),
              QStringLiteral("サギ|バトチョウ|"));
    // Kept: a kanji that names read voiced alone, a voiced Chinese-style reading, a word the
    // dictionary reads no other way, and the user's reading.
    EXPECT_EQ(read({word("鴨沢", "ガモサワ")}), QStringLiteral("ガモサワ|"));
    EXPECT_EQ(read({word("坂鳩", "バンキュウ")}), QStringLiteral("バンキュウ|"));
    EXPECT_EQ(read({word("鳩野", "バトノ")}), QStringLiteral("バトノ|"));
    ReadWord fixed = word("鳩町", "バトチョウ");
    fixed.fixed = true;
    EXPECT_EQ(read({fixed}), QStringLiteral("バトチョウ|"));
}

// A 館 after a name is a hall (カン), but a listed name read as a whole keeps the list's タテ, and
// so does a place that opens with it after a name (鷺館山); a listed word inside a longer name
// keeps neither its タテ nor its ゼン (a whole listed 門前 is read end to end in PlaceNamesTest).
TEST(WordRules, AWholeListedNameKeepsItsOwnFrontAndManor) {
    FakeKnowledge knows;
    const auto read = [&](ReadWords words) {
        WordRules::apply(words, knows);
        return readings(words, u"|");
    };
    const auto listed = [](const char* surface, const char* kana) {
        ReadWord w = word(surface, kana, "名詞", "固有名詞");
        w.listed = true;
        return w;
    };
    EXPECT_EQ(read({listed("鳩館", "ハトタテ")}), QStringLiteral("ハトタテ|"));
    EXPECT_EQ(read({word("鳩館", "ハトタテ", "名詞", "固有名詞")}), QStringLiteral("ハトカン|"));
    EXPECT_EQ(read({word("鷺", "サギ"), listed("北門前", "キタモンゼン")}),
              QStringLiteral("サギ|キタモンマエ|"));
    EXPECT_EQ(read({word("鷺", "サギ"), listed("雉館", "キジタテ")}),
              QStringLiteral("サギ|キジカン|"));
    // A word that opens with the manor after another word: the hall's front or side joined to
    // it is the hall's, a place that opens with it (館山) stays that place.
    EXPECT_EQ(read({word("鷺", "サギ"), word("館前", "タテマエ")}),
              QStringLiteral("サギ|カンマエ|"));
    EXPECT_EQ(read({word("鷺", "サギ"), word("館南", "タテミナミ")}),
              QStringLiteral("サギ|カンミナミ|"));
    EXPECT_EQ(read({word("鷺", "サギ"), word("館山", "タテヤマ", "名詞", "固有名詞")}),
              QStringLiteral("サギ|タテヤマ|"));
}

// A family name ending in 橋 after more of a name is the end of a bridge's name, voiced as a
// compound's; after a side, a new part or a town, and as a great bridge, it keeps its ハシ.
TEST(WordRules, AFamilyNameEndingInABridgeAfterANameIsTheBridge) {
    FakeKnowledge knows;
    const auto read = [&](ReadWords words) {
        WordRules::apply(words, knows);
        return readings(words);
    };
    const ReadWord dove = word("鳩", "ハト");
    const ReadWord bridge = word("沢橋", "サワハシ", "名詞", "固有名詞");
    EXPECT_EQ(read({dove, bridge}), QStringLiteral("ハトサワバシ"));
    EXPECT_EQ(read({dove, word("の", "ノ", "助詞", "連体化"), bridge}),
              QStringLiteral("ハトノサワバシ"));
    EXPECT_EQ(read({bridge}), QStringLiteral("サワハシ"));
    EXPECT_EQ(read({dove, word("町", "マチ", "名詞", "接尾"), bridge}),
              QStringLiteral("ハトマチサワハシ"));
    EXPECT_EQ(read({dove, word("北", "キタ"), bridge}), QStringLiteral("ハトキタサワハシ"));
    EXPECT_EQ(read({word("三", "サン", "名詞", "数"), bridge}), QStringLiteral("サンサワハシ"));
    EXPECT_EQ(read({dove, word("大橋", "オオハシ", "名詞", "固有名詞")}),
              QStringLiteral("ハトオオハシ"));
    // A common noun is no family name: a 掛橋-type word keeps the dictionary's reading.
    EXPECT_EQ(read({dove, word("掛橋", "カケハシ")}), QStringLiteral("ハトカケハシ"));
}

// After another name, a word the place list holds as one village's name is the kind of place it
// writes, and a hut written as the old house and an island take a compound's voiced sound;
// alone, after the town it lies in, after a number or after a foreign word they keep the
// dictionary's reading.
TEST(PlaceWordRules, AKindOfPlaceAfterANameIsThatKind) {
    const auto read = [](ReadWords words) { return placeReadings(std::move(words)); };
    const ReadWord dove = word("鳩", "ハト", "名詞", "固有名詞");
    const ReadWord plateau = word("高原", "タカハラ", "名詞", "固有名詞");
    EXPECT_EQ(read({dove, plateau}), QStringLiteral("ハトコーゲン"));
    EXPECT_EQ(read({plateau}), QStringLiteral("タカハラ"));
    EXPECT_EQ(read({word("鳩町", "ハトマチ", "名詞", "固有名詞"), plateau}),
              QStringLiteral("ハトマチタカハラ"));
    EXPECT_EQ(read({word("（", "（", "記号"), plateau}), QStringLiteral("（タカハラ"));
    const ReadWord oldHouse = word("古屋", "フルヤ", "名詞", "固有名詞");
    EXPECT_EQ(read({dove, oldHouse}), QStringLiteral("ハトゴヤ"));
    EXPECT_EQ(read({word("三", "サン", "名詞", "数"), oldHouse}), QStringLiteral("サンフルヤ"));
    EXPECT_EQ(read({dove, word("一色", "イッショク")}), QStringLiteral("ハトイッシキ"));
    ReadWord island = word("島", "トー", "名詞", "接尾");
    island.pos2 = QStringLiteral("地域");
    EXPECT_EQ(read({word("舟", "フネ"), island}), QStringLiteral("フネジマ"));
    EXPECT_EQ(read({word("ゲル", "ゲル"), island}), QStringLiteral("ゲルトー"));
    ReadWord fixed = plateau;
    fixed.fixed = true;
    EXPECT_EQ(read({dove, fixed}), QStringLiteral("ハトタカハラ"));
}

// A name opens with its upper or lower part also before a number (上三坂 カミミサカ), where other
// words keep the dictionary's reading. 又 inside a name is a fork that the next part joins with
// a compound's voiced sound; opening the text it is left as the dictionary has it. A university
// named for what it teaches (福祉大) has its 大 ダイ before its front and its station, not a
// listed place's オオ.
TEST(WordRules, PartsThatOpenOrJoinAName) {
    FakeKnowledge knows;
    const auto read = [&](ReadWords words) {
        WordRules::apply(words, knows);
        return readings(words);
    };
    EXPECT_EQ(read({word("上", "ウエ"), word("三", "サン", "名詞", "数"), word("鷺", "サギ")}),
              QStringLiteral("カミサンサギ"));
    EXPECT_EQ(read({word("下", "シタ"), word("六", "ロク", "名詞", "数")}),
              QStringLiteral("シモロク"));
    EXPECT_EQ(read({word("中", "チュウ"), word("三", "サン", "名詞", "数")}),
              QStringLiteral("チュウサン"));
    const ReadWord dove = word("鳩", "ハト", "名詞", "固有名詞");
    const ReadWord fork = word("又", "マタ", "接続詞", "*");
    EXPECT_EQ(read({dove, fork, word("谷", "タニ")}), QStringLiteral("ハトマタダニ"));
    EXPECT_EQ(read({dove, fork, word("川", "カワ")}), QStringLiteral("ハトマタガワ"));
    EXPECT_EQ(read({fork, word("谷", "タニ")}), QStringLiteral("マタタニ"));
    EXPECT_EQ(read({dove, word("川", "カワ")}), QStringLiteral("ハトカワ"));
    const ReadWord front = word("大前", "オオマエ", "名詞", "固有名詞");
    EXPECT_EQ(read({word("福祉", "フクシ"), front}), QStringLiteral("フクシダイマエ"));
    EXPECT_EQ(read({word("鷺", "サギ"), word("大前駅", "オオマエエキ", "名詞", "固有名詞")}),
              QStringLiteral("サギダイマエエキ"));
    EXPECT_EQ(read({word("鷺沢", "サギサワ", "名詞", "固有名詞"), front}),
              QStringLiteral("サギサワオオマエ"));
    EXPECT_EQ(read({word("ハト", "ハト"), front}), QStringLiteral("ハトオオマエ"));
}
