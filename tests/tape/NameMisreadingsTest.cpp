// Words of names read as names say them, not as the words the dictionary knows alone: single
// kanji cut out of a name it does not know, a clinic's coined name, a firm's before letters.
#include "FakeKnowledge.h"
#include "sound/CutCompounds.h"
#include "sound/FirmNames.h"
#include "sound/InstitutionNames.h"
#include "sound/KanjiNo.h"
#include "sound/KanjiReadings.h"
#include "sound/LoneKanjiWords.h"
#include "sound/Pronouncer.h"

#include <gtest/gtest.h>

namespace {

Pronouncer& pronouncer() {
    static std::unique_ptr<Pronouncer> p = Pronouncer::open(Pronouncer::defaultDictionaryDirs());
    return *p;
}

// A made-up dictionary: of words of two kanji it knows only 鳩華, the family name 今鳩 and the
// bird 大鷺.
QString read(ReadWords words) {
    FakeKnowledge knows;
    knows.words = FakeKnowledge::table("鳩華=キュウカ 今鳩=コンバト 大鷺=ダイサギ");
    knows.chinese = FakeKnowledge::table("文=ブン 那=ナ 田=デン 華=カ 鳩=キュウ 睦=ボク");
    knows.inNames = FakeKnowledge::table("華=ハナ 鳩=ハト 田=タ");
    LoneKanjiWords::apply(words, knows);
    return readings(words, u"|");
}

} // namespace

TEST(LoneKanjiWords, ThePartsOfAPlaceNameAreNative) {
    EXPECT_EQ(read({word("日", "ニチ", "名詞", "固有名詞"), word("ノ", "ノ"), word("鷺", "サギ")}),
              QStringLiteral("ヒ|ノ|サギ|"));
    EXPECT_EQ(read({word("日", "ジツ", "名詞", "固有名詞"), word("の", "ノ")}),
              QStringLiteral("ヒ|ノ|"));
    // A day after a number, a 日 before anything else, and a reading the user gave stay.
    EXPECT_EQ(read({word("三", "サン", "名詞", "数"), word("日", "ニチ"), word("ノ", "ノ")}),
              QStringLiteral("サン|ニチ|ノ|"));
    EXPECT_EQ(read({word("三", "サン", "名詞", "数"), word("日", "ニチ"), word("華", "ハナ")}),
              QStringLiteral("サン|ニチ|ハナ|"));
    // Before a kanji in native style the sun too, before one in Chinese style Japan.
    EXPECT_EQ(read({word("日", "ニチ", "名詞", "固有名詞"), word("華", "ハナ")}),
              QStringLiteral("ヒ|ハナ|"));
    EXPECT_EQ(read({word("日", "ニチ", "名詞", "固有名詞"), word("文", "ブン")}),
              QStringLiteral("ニチ|ブン|"));
    ReadWords fixed = {word("日", "ニチ"), word("ノ", "ノ")};
    fixed[0].fixed = true;
    EXPECT_EQ(read(fixed), QStringLiteral("ニチ|ノ|"));

    EXPECT_EQ(read({word("鷺", "サギ"), word("江", "コー", "名詞", "固有名詞")}),
              QStringLiteral("サギ|エ|"));
    EXPECT_EQ(read({word("江", "コウ", "名詞", "固有名詞"), word("鷺", "サギ")}),
              QStringLiteral("エ|サギ|"));
    // The family name with a title after it.
    ReadWord title = word("様", "サマ", "名詞", "接尾");
    title.pos2 = QStringLiteral("人名");
    EXPECT_EQ(read({word("江", "コウ", "名詞", "固有名詞"), title}), QStringLiteral("コウ|サマ|"));

    // 金 as the Korean family name: キン before a kanji in Chinese style, else カナ.
    EXPECT_EQ(
        read({word("金", "キム", "名詞", "固有名詞"), word("文", "ブン"), word("鳩", "ハト")}),
        QStringLiteral("キン|ブン|ハト|"));
    EXPECT_EQ(read({word("金", "キム", "名詞", "固有名詞"), word("華", "ハナ")}),
              QStringLiteral("カナ|ハナ|"));
    EXPECT_EQ(read({word("金", "キム", "名詞", "固有名詞"), title}), QStringLiteral("キム|サマ|"));

    // The prefix 向 before a place; before another word it stays.
    ReadWord facing = word("向", "コウ", "名詞", "名詞接続");
    facing.pos = QStringLiteral("接頭詞");
    ReadWord place = word("鷺沢", "サギサワ", "名詞", "固有名詞");
    place.pos2 = QStringLiteral("地域");
    EXPECT_EQ(read({facing, place}), QStringLiteral("ムカイ|サギサワ|"));
    EXPECT_EQ(read({facing, word("鷺", "サギ")}), QStringLiteral("コウ|サギ|"));

    // A prefix that opens a name before a place of two kanji, a kanji read in native style or
    // a word in kana is the part of that place, in native style; before a word it makes with
    // the place's first kanji, a common noun or a kanji in Chinese style, and inside a name, it
    // stays.
    ReadWord great = word("大", "ダイ", "名詞", "名詞接続");
    great.pos = QStringLiteral("接頭詞");
    ReadWord inner = word("入", "ニュー", "名詞", "名詞接続");
    inner.pos = QStringLiteral("接頭詞");
    ReadWord river = word("鳩川", "ハトカワ", "名詞", "固有名詞");
    EXPECT_EQ(read({great, river}), QStringLiteral("オオ|ハトカワ|"));
    EXPECT_EQ(read({inner, river}), QStringLiteral("イリ|ハトカワ|"));
    EXPECT_EQ(read({great, place}), QStringLiteral("ダイ|サギサワ|"));
    EXPECT_EQ(read({great, word("鳩華", "キュウカ")}), QStringLiteral("ダイ|キュウカ|"));
    EXPECT_EQ(read({great, word("鳩", "ハト", "名詞", "固有名詞")}), QStringLiteral("オオ|ハト|"));
    EXPECT_EQ(read({inner, word("はと", "ハト")}), QStringLiteral("イリ|ハト|"));
    EXPECT_EQ(read({great, word("文", "ブン")}), QStringLiteral("ダイ|ブン|"));
    EXPECT_EQ(read({great, word("三", "サン", "名詞", "数")}), QStringLiteral("ダイ|サン|"));
    EXPECT_EQ(read({word("鷺", "サギ"), great, river}), QStringLiteral("サギ|ダイ|ハトカワ|"));

    // 内 after ヶ is the inside, ウチ, and so it is closing a name after a word in native
    // readings; after a word in Chinese readings, or before more of the name, it stays the suffix.
    EXPECT_EQ(read({word("鷺", "サギ"), word("ヶ", "ガ"), word("内", "ナイ", "名詞", "接尾")}),
              QStringLiteral("サギ|ガ|ウチ|"));
    const ReadWord inside = word("内", "ナイ", "名詞", "接尾");
    EXPECT_EQ(read({word("鳩田", "ハトダ"), inside}), QStringLiteral("ハトダ|ウチ|"));
    EXPECT_EQ(read({word("鳩華", "キュウカ"), inside}), QStringLiteral("キュウカ|ナイ|"));
    EXPECT_EQ(read({word("鳩田", "ハトダ"), inside, word("鳩", "ハト")}),
              QStringLiteral("ハトダ|ナイ|ハト|"));

    // The prefix 今 that opens a name before a kanji noun; before an occasion, or inside a
    // sentence, it stays.
    ReadWord now = word("今", "コン", "名詞", "名詞接続");
    now.pos = QStringLiteral("接頭詞");
    EXPECT_EQ(read({now, word("鷺", "サギ")}), QStringLiteral("イマ|サギ|"));
    EXPECT_EQ(read({now, word("ヶ", "ガ"), word("鳩", "ハト")}), QStringLiteral("イマ|ガ|ハト|"));
    EXPECT_EQ(read({now, word("ケ", "ガ"), word("鳩", "ハト")}), QStringLiteral("イマ|ガ|ハト|"));
    // After a bracket the name opens anew.
    ReadWord bracket = word("（", "（", "名詞", "括弧開");
    bracket.pos = QStringLiteral("記号");
    EXPECT_EQ(read({bracket, now, word("鷺", "サギ")}), QStringLiteral("（|イマ|サギ|"));
    EXPECT_EQ(read({now, word("大会", "タイカイ")}), QStringLiteral("コン|タイカイ|"));
    // A family name the dictionary cut apart (今|鳩川 for the 川 of the 今鳩 family).
    EXPECT_EQ(read({now, word("鳩川", "ハトカワ")}), QStringLiteral("コン|ハトカワ|"));
    EXPECT_EQ(read({word("は", "ワ", "名詞", "係助詞"), now, word("鷺", "サギ")}),
              QStringLiteral("ワ|コン|サギ|"));

    // A thing's hill after a common noun of two kanji; after one kanji or a name it stays.
    EXPECT_EQ(read({word("鷺草", "サギソウ"), word("丘", "オカ")}),
              QStringLiteral("サギソウ|ガオカ|"));
    EXPECT_EQ(read({word("鷺", "サギ"), word("丘", "オカ")}), QStringLiteral("サギ|オカ|"));
    // Nor after a longer noun or one that ends in kana, nor where 丘 is read otherwise.
    EXPECT_EQ(read({word("鷺草原", "サギソウゲン"), word("丘", "オカ")}),
              QStringLiteral("サギソウゲン|オカ|"));
    EXPECT_EQ(read({word("鷺ん", "サギン"), word("丘", "オカ")}), QStringLiteral("サギン|オカ|"));
    EXPECT_EQ(read({word("鷺草", "サギソウ"), word("丘", "キュウ")}),
              QStringLiteral("サギソウ|キュウ|"));
    EXPECT_EQ(read({place, word("丘", "オカ")}), QStringLiteral("サギサワ|オカ|"));

    // A closing field; the prefix that opens a name, or after a number, stays.
    EXPECT_EQ(read({word("鷺", "サギ"), word("ヶ", "ガ"), word("原", "ゲン", "名詞", "名詞接続")}),
              QStringLiteral("サギ|ガ|ハラ|"));
    EXPECT_EQ(read({place, word("原", "ゲン")}), QStringLiteral("サギサワ|ハラ|"));
    EXPECT_EQ(read({word("鷺", "サギ"), word("の", "ノ"), word("原", "ゲン")}),
              QStringLiteral("サギ|ノ|ハラ|"));
    EXPECT_EQ(read({word("原", "ゲン", "名詞", "名詞接続"), place}),
              QStringLiteral("ゲン|サギサワ|"));
    EXPECT_EQ(read({word("三", "サン", "名詞", "数"), word("原", "ゲン")}),
              QStringLiteral("サン|ゲン|"));

    // The space of a place or a thing that opens the name; the span between two places and a
    // count of time after a number stay.
    const ReadWord span = word("間", "カン", "名詞", "接尾");
    EXPECT_EQ(read({place, span, word("前", "マエ", "名詞", "副詞可能")}),
              QStringLiteral("サギサワ|マ|マエ|"));
    EXPECT_EQ(read({word("鷺", "サギ"), span}), QStringLiteral("サギ|マ|"));
    EXPECT_EQ(read({word("三", "サン", "名詞", "数"), span}), QStringLiteral("サン|カン|"));
    EXPECT_EQ(read({place, place, span}), QStringLiteral("サギサワ|サギサワ|カン|"));
    EXPECT_EQ(read({word("鷺", "サギ"), word("・", "・", "名詞", "一般"), place, span}),
              QStringLiteral("サギ|・|サギサワ|カン|"));
    EXPECT_EQ(read({word("鷺", "サギ"), word("と", "ト", "名詞", "並立助詞"), place, span}),
              QStringLiteral("サギ|ト|サギサワ|カン|"));
}

TEST(LoneKanjiWords, TwoKanjiOfACoinedNameAreReadInOneStyle) {
    EXPECT_EQ(read({word("文", "ブン"), word("華", "ハナ"), word("館", "カン", "名詞", "接尾")}),
              QStringLiteral("ブン|カ|カン|"));
    // A native reading voiced as a compound's second part is still native.
    EXPECT_EQ(read({word("文", "ブン"), word("華", "バナ")}), QStringLiteral("ブン|カ|"));

    // A given name's reading is a native one (the dictionary's ムツミ for 睦).
    ReadWord given = word("睦", "ムツミ", "名詞", "固有名詞");
    given.givenName = true;
    EXPECT_EQ(read({word("文", "ブン"), given}), QStringLiteral("ブン|ボク|"));
    // A given name before a suffix: the dictionary made a person of the coined name's first
    // kanji and a suffix of its second.
    EXPECT_EQ(read({given, word("文", "ブン", "名詞", "接尾")}), QStringLiteral("ボク|ブン|"));
    // Left alone: a word the dictionary knows, a kanji said as one syllable, a place's native
    // part, a suffix, a number, both read natively, and a reading the user gave.
    EXPECT_EQ(read({word("鳩", "キュウ"), word("華", "ハナ")}), QStringLiteral("キュウ|ハナ|"));
    EXPECT_EQ(read({word("那", "ナ"), word("華", "ハナ")}), QStringLiteral("ナ|ハナ|"));
    EXPECT_EQ(read({word("文", "ブン"), word("田", "タ")}), QStringLiteral("ブン|タ|"));
    EXPECT_EQ(read({word("鳩", "ハト"), word("文", "ブン", "名詞", "接尾")}),
              QStringLiteral("ハト|ブン|"));
    EXPECT_EQ(read({word("文", "ブン", "名詞", "数"), word("華", "ハナ")}),
              QStringLiteral("ブン|ハナ|"));
    EXPECT_EQ(read({word("鳩", "ハト"), word("華", "ハナ")}), QStringLiteral("ハト|ハナ|"));
    // Nor a native kanji before a Chinese one, or a pair beside a third single kanji.
    EXPECT_EQ(read({word("鳩", "ハト"), word("文", "ブン")}), QStringLiteral("ハト|ブン|"));
    EXPECT_EQ(read({word("鳩", "ハト"), word("文", "ブン"), word("華", "ハナ")}),
              QStringLiteral("ハト|ブン|ハナ|"));
    EXPECT_EQ(read({word("文", "ブン"), word("華", "ハナ"), word("鳩", "ハト")}),
              QStringLiteral("ブン|ハナ|ハト|"));
    ReadWords fixed = {word("文", "ブン"), word("華", "ハナ")};
    fixed[1].fixed = true;
    EXPECT_EQ(read(fixed), QStringLiteral("ブン|ハナ|"));
}

TEST(Pronouncer, ReadsTheNativeWordsOfAName) {
    ASSERT_TRUE(Pronouncer::open(Pronouncer::defaultDictionaryDirs())) << "mecab-ipadic-utf8";
    Pronouncer& p = pronouncer();
    EXPECT_EQ(p.toKana(QStringLiteral("日ノ鷺前")), QStringLiteral("ヒノサギマエ"));
    EXPECT_EQ(p.toKana(QStringLiteral("三日ノ鷺")), QStringLiteral("ミッカノサギ"));
    EXPECT_EQ(p.toKana(QStringLiteral("江鳩前")), QStringLiteral("エハトマエ"));
    EXPECT_EQ(p.toKana(QStringLiteral("江さん")), QStringLiteral("コーサン"));
    EXPECT_EQ(p.toKana(QStringLiteral("向京都前")), QStringLiteral("ムカイキョートマエ"));
    EXPECT_EQ(p.toKana(QStringLiteral("鷺沢原")), QStringLiteral("サギサワハラ"));
    EXPECT_EQ(p.toKana(QStringLiteral("京都間")), QStringLiteral("キョートマ"));
    EXPECT_EQ(p.toKana(QStringLiteral("金鷺沢")), QStringLiteral("カナサギサワ"));
    EXPECT_EQ(p.toKana(QStringLiteral("日鷺前")), QStringLiteral("ヒサギマエ"));
    EXPECT_EQ(p.toKana(QStringLiteral("鷺彦")), QStringLiteral("サギヒコ"));
    EXPECT_EQ(p.toKana(QStringLiteral("京都大阪間")), QStringLiteral("キョートオーサカカン"));
    EXPECT_EQ(p.toKana(QStringLiteral("今鷺沢")), QStringLiteral("イマサギサワ"));
    EXPECT_EQ(p.toKana(QStringLiteral("朝顔丘")), QStringLiteral("アサガオガオカ"));
    EXPECT_EQ(p.toKana(QStringLiteral("大奈良")), QStringLiteral("オオナラ"));
    EXPECT_EQ(p.toKana(QStringLiteral("入京都")), QStringLiteral("ニューキョート"));
    EXPECT_EQ(p.toKana(QStringLiteral("鳩ヶ内")), QStringLiteral("ハトガウチ"));
}

TEST(Pronouncer, ReadsACoinedNameInOneStyle) {
    ASSERT_TRUE(Pronouncer::open(Pronouncer::defaultDictionaryDirs())) << "mecab-ipadic-utf8";
    if (KanjiReadings::defaultPath().isEmpty()) GTEST_SKIP() << "no KANJIDIC";
    Pronouncer& p = pronouncer();
    EXPECT_EQ(p.toKana(QStringLiteral("慶華館")), QStringLiteral("ケイカカン"));
    EXPECT_EQ(p.toKana(QStringLiteral("次は泰華です")), QStringLiteral("ツギワタイカデス"));
    EXPECT_EQ(p.toKana(QStringLiteral("慶睦")), QStringLiteral("ケイボク"));
}

// A kanji taken for a person's name or a native word is cut back into the Chinese word it
// makes with the next kanji before a name (温|泉鷺 → 温泉|鷺), and read as its Chinese prefix
// before a common word (重|機械); a kanji read in Chinese style, a common word after it, a
// family name or a next word read natively stay as they are.
TEST(CutCompounds, AKanjiTakenForANameJoinsItsChineseWord) {
    // A made-up dictionary of common nouns, prefixes and Chinese readings.
    FakeKnowledge knows;
    knows.commonNouns = FakeKnowledge::table("温泉=オンセン 牡丹=ボタン 北東=ホクトー");
    knows.prefixes = FakeKnowledge::table("重=ジュー 原=モト");
    knows.chinese = FakeKnowledge::table(
        "温=オン 泉=セン 重=ジュウ 原=ゲン 機=キ 牡=ボ 丹=タン 北=ホク 東=トウ");
    ReadWord atsushi = word("温", "アツシ", "名詞", "固有名詞");
    atsushi.givenName = true;
    const ReadWord place = word("泉鷺", "センロ", "名詞", "固有名詞");
    const auto cut = [&](const ReadWords& words, const char* text) {
        return CutCompounds::boundary(words, QString::fromUtf8(text), knows).value_or(-1);
    };
    EXPECT_EQ(cut({atsushi, place}, "温泉鷺"), 2);
    EXPECT_EQ(cut({word("鷺", "サギ"), atsushi, place}, "鷺 温泉鷺"), 4);
    EXPECT_EQ(cut({atsushi, word("泉鷺", "センロ")}, "温泉鷺"), -1);
    EXPECT_EQ(cut({word("温", "オン", "名詞", "固有名詞"), place}, "温泉鷺"), -1);
    ReadWord warm = word("温", "ヌク", "名詞", "自立"); // an adjective's stem, no word of a name
    warm.pos = QStringLiteral("形容詞");
    EXPECT_EQ(cut({warm, place}, "温泉鷺"), -1);
    EXPECT_EQ(cut({atsushi, word("泉鷺", "イズミサギ", "名詞", "固有名詞")}, "温泉鷺"), -1);
    // A common word read natively, but not a direction, which opens names of its own.
    EXPECT_EQ(cut({word("牡", "オス"), word("丹鷺", "タンロ", "名詞", "固有名詞")}, "牡丹鷺"), 2);
    EXPECT_EQ(cut({word("北", "キタ"), word("東鷺", "トウロ", "名詞", "固有名詞")}, "北東鷺"), -1);

    ReadWord shigeru = word("重", "オモ", "名詞", "固有名詞");
    shigeru.givenName = true;
    const ReadWord machine = word("機鷺", "キロ");
    const auto read = [&](ReadWords words) {
        CutCompounds::readPrefixes(words, knows);
        return readings(words, u"|");
    };
    EXPECT_EQ(read({shigeru, machine}), QStringLiteral("ジュー|キロ|"));
    EXPECT_EQ(read({shigeru, word("機鷺", "キロ", "名詞", "固有名詞")}),
              QStringLiteral("オモ|キロ|"));
    EXPECT_EQ(read({word("重", "オモ", "名詞", "固有名詞"), machine}),
              QStringLiteral("オモ|キロ|"));
    ReadWord moto = word("原", "ハラ", "名詞", "固有名詞");
    moto.givenName = true;
    EXPECT_EQ(read({moto, word("機鷺", "キロ")}), QStringLiteral("ハラ|キロ|"));
    ReadWord fixed = shigeru;
    fixed.fixed = true;
    EXPECT_EQ(read({fixed, machine}), QStringLiteral("オモ|キロ|"));
}

TEST(Pronouncer, ReadsAKanjiWithTheChineseWordItWasCutFrom) {
    ASSERT_TRUE(Pronouncer::open(Pronouncer::defaultDictionaryDirs())) << "mecab-ipadic-utf8";
    if (KanjiReadings::defaultPath().isEmpty()) GTEST_SKIP() << "no KANJIDIC";
    Pronouncer& p = pronouncer();
    EXPECT_EQ(p.toKana(QStringLiteral("神明山鷺")), QStringLiteral("シンメイヤマサギ"));
    EXPECT_EQ(p.toKana(QStringLiteral("牡丹野鷺")), QStringLiteral("ボタンノサギ"));
    EXPECT_EQ(p.toKana(QStringLiteral("鳩ヶ丘重機械")), QStringLiteral("ハトガオカジューキカイ"));
}

TEST(InstitutionNames, AClinicsCoinedNameAfterItsTownIsItsOwn) {
    // A made-up dictionary: it knows the towns 鷺沢 and 鳩 and the word 鷺沢慶鶴.
    FakeKnowledge knows;
    knows.words = FakeKnowledge::table("鷺沢=ミチ 鳩=ミチ 鷺沢慶鶴=ミチ");
    knows.chinese = FakeKnowledge::table("慶=ケイ 仁=ジン 鶴=カク 西=セイ");
    const auto read = [&](const char* text) {
        const auto span = InstitutionNames::find(QString::fromUtf8(text), knows);
        return span ? QString::number(span->at) + u':' + span->reading : QString();
    };
    EXPECT_EQ(read("鷺沢慶仁クリニック前"), QStringLiteral("2:ケイジン"));
    EXPECT_EQ(read("鷺沢慶仁病院"), QStringLiteral("2:ケイジン"));
    EXPECT_EQ(read("慶仁医院"), QStringLiteral("0:ケイジン"));
    // Not after a single kanji, a town the dictionary does not know, or a word it knows with
    // the pair; not before what is no doctor's; not a direction.
    EXPECT_EQ(read("鳩慶仁病院"), QString());
    EXPECT_EQ(read("鷺川慶仁病院"), QString());
    EXPECT_EQ(read("鷺沢慶鶴病院"), QString());
    EXPECT_EQ(read("鷺沢慶仁荘"), QString());
    EXPECT_EQ(read("鷺沢慶西病院"), QString());
}

TEST(FirmNames, AFirmsNameBeforeLatinLettersIsTheFirms) {
    FakeKnowledge knows;
    knows.firms = FakeKnowledge::table("鷺井=サギツイ");
    const auto place = [](const char* surface, const char* kana) {
        ReadWord w = word(surface, kana, "名詞", "固有名詞");
        w.pos2 = QStringLiteral("地域");
        return w;
    };
    const auto read = [&](ReadWords words) {
        FirmNames::apply(words, knows);
        return readings(words, u"|");
    };
    EXPECT_EQ(read({place("鷺井", "サギイ"), word("E", "イー"), word("前", "マエ")}),
              QStringLiteral("サギツイ|イー|マエ|"));
    EXPECT_EQ(read({place("鷺井", "サギイ"), word("Ｋ", "ケー")}),
              QStringLiteral("サギツイ|ケー|"));
    // The place before anything else, a place the dictionary knows no firm of, a word that is
    // no place, and a reading the user gave stay.
    EXPECT_EQ(read({place("鷺井", "サギイ"), word("前", "マエ")}), QStringLiteral("サギイ|マエ|"));
    EXPECT_EQ(read({place("鳩井", "ハトイ"), word("E", "イー")}), QStringLiteral("ハトイ|イー|"));
    EXPECT_EQ(read({word("鷺井", "サギイ"), word("E", "イー")}), QStringLiteral("サギイ|イー|"));
    ReadWords fixed = {place("鷺井", "サギイ"), word("E", "イー")};
    fixed[0].fixed = true;
    EXPECT_EQ(read(fixed), QStringLiteral("サギイ|イー|"));
}

TEST(KanjiNo, CutsAroundTheParticleOnlyInAWordThatReadsItOtherwise) {
    const auto given = [](const char* surface, const char* kana) {
        ReadWord w = word(surface, kana, "名詞", "固有名詞");
        w.givenName = true;
        return w;
    };
    const auto cuts = [](const ReadWords& words, const char* text) {
        return KanjiNo::boundaries(words, QString::fromUtf8(text));
    };
    using Cuts = QList<qsizetype>;
    EXPECT_EQ(cuts({word("鳩", "ハト"), given("吉之", "ヨシユキ"), word("沢", "サワ")}, "鳩吉之沢"),
              (Cuts{2, 3}));
    EXPECT_EQ(cuts({word("鷺", "サギ"), given("之子", "ユキコ")}, "鷺之子"), (Cuts{1, 2}));
    // A word that reads it as the particle, a listed name, a reading the user gave and a 之 that
    // is not between kanji stay whole; a given name's ノ of another kanji is no particle.
    EXPECT_TRUE(cuts({given("金之助", "キンノスケ"), word("沢", "サワ")}, "金之助沢").isEmpty());
    EXPECT_EQ(cuts({given("紀之", "ノリユキ"), word("沢", "サワ")}, "紀之沢"), (Cuts{1, 2}));
    ReadWord listed = word("鳩之沢", "ハトユキサワ", "名詞", "固有名詞");
    listed.listed = true;
    EXPECT_TRUE(cuts({listed}, "鳩之沢").isEmpty());
    ReadWord fixed = given("吉之", "ヨシユキ");
    fixed.fixed = true;
    EXPECT_TRUE(cuts({fixed, word("沢", "サワ")}, "吉之沢").isEmpty());
    EXPECT_TRUE(cuts({given("吉之", "ヨシユキ"), word("さん", "サン")}, "吉之さん").isEmpty());
}

// Four alone in a name counts nothing and is シ; before a counter, after a number and in a
// native count it keeps its reading.
TEST(Pronouncer, ReadsFourInANameAsNamesSayIt) {
    const struct {
        const char* text;
        const char* kana;
    } cases[] = {
        {"四ノ鷺", "シノサギ"},       {"四の鷺沢", "シノサギサワ"},     {"四鷺", "シサギ"},
        {"四ヶ鷺", "シガサギ"},       {"鷺四丁目", "サギヨンチョーメ"}, {"四番鷺", "ヨンバンサギ"},
        {"鷺四条", "サギヨンジョー"}, {"十四鷺", "ジューヨンサギ"},     {"四ツ鷺", "ヨツサギ"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(pronouncer().toKana(QString::fromUtf8(c.text)), QString::fromUtf8(c.kana))
            << c.text;
}

// 之 between kanji is the particle の written in kanji, even where the dictionary takes it and
// a kanji beside it for a given name (吉之 ヨシユキ, 之子 ユキコ); a name that the dictionary
// already reads with the particle keeps its reading.
TEST(Pronouncer, ReadsTheKanjiNoBetweenKanjiAsTheParticle) {
    const struct {
        const char* text;
        const char* kana;
    } cases[] = {
        {"鷺之子", "サギノコ"},         {"吉之鴫", "ヨシノシギ"},
        {"鳩吉之沢", "ハトヨシノサワ"}, {"光之鷺沢", "ヒカリノサギサワ"},
        {"金之助鷺", "キンノスケサギ"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(pronouncer().toKana(QString::fromUtf8(c.text)), QString::fromUtf8(c.kana))
            << c.text;
}
