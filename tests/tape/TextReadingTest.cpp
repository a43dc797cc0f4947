// How the characters around the dictionary's words are read: Latin letters, numerals and
// abbreviations of a stop's name.
#include "FakeKnowledge.h"
#include "sound/Abbreviations.h"
#include "sound/IterationMarks.h"
#include "sound/KanaText.h"
#include "sound/NumeralWords.h"
#include "sound/Pronouncer.h"
#include "sound/Romaji.h"

#include <gtest/gtest.h>

namespace {

Pronouncer& pronouncer() {
    static std::unique_ptr<Pronouncer> p = Pronouncer::open(Pronouncer::defaultDictionaryDirs());
    return *p;
}

struct Case {
    const char* text;
    const char* kana;
};

void expectReadings(std::initializer_list<Case> cases) {
    for (const Case& c : cases)
        EXPECT_EQ(pronouncer().toKana(QString::fromUtf8(c.text)).toStdString(), c.kana) << c.text;
}

} // namespace

TEST(Romaji, ReadsBothRomanisationsAndRefusesOtherWords) {
    const Case cases[] = {
        {"sakura", "サクラ"},        {"Shimbashi", "シンバシ"}, // m before b is the syllabic n
        {"Sannomiya", "サンノミヤ"},                            // n before n too
        {"Shin'ya", "シンヤ"},       {"tuzi", "ツジ"},          // Kunrei
        {"Syuzenzi", "シュゼンジ"},                             // Kunrei contracted sound
        {"Hakkaku", "ハッカク"},     {"Matcha", "マッチャ"},    {"Ohno", "オーノ"},
        {"Ōtō", "オートー"},         {"WAKABA", "ワカバ"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Romaji::toKana(QString::fromUtf8(c.text)), QString::fromUtf8(c.kana)) << c.text;
    for (const char* word : {"Park", "Plaza", "NHK", "Museum", "x", "ky", "n-a", "Rose's"})
        EXPECT_EQ(Romaji::toKana(QString::fromUtf8(word)), QString()) << word;
}

// A word in romaji is read as the Japanese it spells; initials and English words are spelled
// out as before.
TEST(KanaText, LatinWordsAreReadAsRomajiOrSpelled) {
    const Case cases[] = {
        {"Wakaba", "ワカバ"},
        {"sagisawa", "サギサワ"},
        {"Tōkyō", "トーキョー"},
        {"SAGISAWA", "サギサワ"},
        {"KUMO", "クモ"}, // capitals as a name's syllables spell them
        {"DEN", "デン"},
        {"KOI", "ケイオーアイ"},
        {"JA", "ジェイエー"},
        {"ANA", "エーエヌエー"},
        {"AEON", "エーイーオーエヌ"},
        {"IKEA", "アイケイイーエー"},
        {"NHK", "エヌエイチケイ"},
        {"JAsagi", "ジェイエーエスエージーアイ"},
        {"Park", "ピーエーアールケイ"},
        {"a", "エー"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(KanaText::speakable(QString::fromUtf8(c.text)), QString::fromUtf8(c.kana))
            << c.text;
}

TEST(Pronouncer, ReadsLatinWordsInNames) {
    ASSERT_TRUE(Pronouncer::open(Pronouncer::defaultDictionaryDirs())) << "mecab-ipadic-utf8";
    expectReadings({
        {"Wakaba公園前", "ワカバコーエンマエ"},
        {"ＷａｋａｂａＮＨＫ前", "ワカバエヌエイチケイマエ"},
        {"Sagi Wakaba", "サギワカバ"},
    });
}

TEST(NumeralWords, ValueOfANumberInKanji) {
    const struct {
        const char16_t* text;
        long long value;
    } cases[] = {
        {u"三", 3},          {u"十九", 19},        {u"二十九", 29}, {u"三百五", 305},
        {u"千百十一", 1111}, {u"一万二千", 12000}, {u"一二三", -1}, {u"二〇二", -1},
        {u"十百", -1},       {u"百百", -1},        {u"万", -1},     {u"十鷺", -1},
        {u"", -1},           {u"三十〇", -1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(NumeralWords::value(QStringView(c.text)), c.value)
            << QString::fromUtf16(c.text).toStdString();
}

// Numbers in kanji that the dictionary splits, or takes for a place's name.
TEST(Pronouncer, ReadsNumeralsInKanji) {
    ASSERT_TRUE(Pronouncer::open(Pronouncer::defaultDictionaryDirs())) << "mecab-ipadic-utf8";
    expectReadings({
        // A numeral with ツ in a name is the native count, also written with a small ッ; the
        // word after it is no suffix.
        {"六ツ池前", "ムツイケマエ"},
        {"三ッ鷺", "ミツサギ"},
        {"五ツ鳩", "イツツハト"},
        {"七ツ鷺橋", "ナナツサギバシ"},
        {"鳩二十三ツ", "ハトニジューサンツ"},
        // Hundreds and thousands keep their sound changes where the dictionary splits them.
        {"六百円", "ロッピャクエン"},
        {"八百鷺", "ハッピャクサギ"},
        {"三千鳩", "サンゼンハト"},
        {"六千鳩", "ロクセンハト"},
        {"八千鳩", "ハッセンハト"},
        {"鷺三百", "サギサンビャク"},
        {"十一丁目", "ジューイッチョーメ"},
        {"6丁目", "ロクチョーメ"},
        // Counters in h take p after a glottal stop, p or b after n, in either writing.
        {"あと10分で発車します", "アトジュップンデハッシャシマス"},
        {"1分", "イップン"},
        {"4分", "ヨンプン"},
        {"5分", "ゴフン"},
        {"3本", "サンボン"},
        {"4本", "ヨンホン"},
        {"六本", "ロッポン"},
        {"100本", "ヒャッポン"},
        // So do months, places and times in k.
        {"6ヶ月", "ロッカゲツ"},
        {"1回", "イッカイ"},
        // Hours, months, days, people and years have readings of their own.
        {"4月1日から9時に", "シガツツイタチカラクジニ"},
        {"4時30分", "ヨジサンジュップン"},
        {"7月14日", "シチガツジュウヨッカ"},
        {"10日", "トオカ"},
        {"20日", "ハツカ"},
        {"19日", "ジュウクニチ"},
        {"1日", "イチニチ"},
        {"1人", "ヒトリ"},
        {"2人", "フタリ"},
        {"4人", "ヨニン"},
        {"4年", "ヨネン"},
    });
}

namespace {

ReadWord numberWord(const char* surface, const char* pos1, const char* pos2, const char* kana) {
    ReadWord w;
    w.surface = QString::fromUtf8(surface);
    w.pos = QStringLiteral("名詞");
    w.pos1 = QString::fromUtf8(pos1);
    w.pos2 = QString::fromUtf8(pos2);
    w.pronunciation = QString::fromUtf8(kana);
    return w;
}

std::string readNumbers(ReadWords words) {
    FakeKnowledge none;
    NumeralWords::apply(words, none);
    return readings(words).toStdString();
}

} // namespace

// Two, three and eight opening a name before a native noun are the native count's short forms
// (三島 ミシマ), also after the name's side (上三島); before a noun in Chinese readings, the
// particle 之, a verb, after another word and for other numerals they stay numbers.
TEST(NumeralWords, ANumeralOpeningANameBeforeANativeWordIsNative) {
    FakeKnowledge knows;
    knows.chinese = FakeKnowledge::table("鷺=ロ 段=ダン 之=シ");
    knows.native = FakeKnowledge::table("鷺=サギ 段=ダ 之=ノ/コレ");
    const auto read = [&](ReadWords words) {
        NumeralWords::apply(words, knows);
        return readings(words, u"|");
    };
    const ReadWord three = word("三", "サン", "名詞", "数");
    EXPECT_EQ(read({three, word("鷺", "サギ")}), QStringLiteral("ミ|サギ|"));
    EXPECT_EQ(read({word("二", "ニ", "名詞", "数"), word("鷺", "サギ")}),
              QStringLiteral("フタ|サギ|"));
    EXPECT_EQ(read({word("八", "ハチ", "名詞", "数"), word("鷺沢", "サギサワ")}),
              QStringLiteral("ヤ|サギサワ|"));
    EXPECT_EQ(read({three, word("段", "ダン")}), QStringLiteral("サン|ダン|"));
    EXPECT_EQ(read({three, word("之", "ノ")}), QStringLiteral("サン|ノ|"));
    EXPECT_EQ(read({three, word("鷺", "サギ", "動詞", "自立")}), QStringLiteral("サン|サギ|"));
    EXPECT_EQ(read({word("上", "カミ"), three, word("鷺", "サギ")}),
              QStringLiteral("カミ|ミ|サギ|"));
    EXPECT_EQ(read({word("鳩", "ハト"), three, word("鷺", "サギ")}),
              QStringLiteral("ハト|サン|サギ|"));
    EXPECT_EQ(read({word("一", "イチ", "名詞", "数"), word("鷺", "サギ")}),
              QStringLiteral("イチ|サギ|"));
}

// Before a counter, the characters of a number that the place list knows as a place's name
// (a made-up 十九 ジュック) are the number; a user's reading and a name before another word
// stay. After a number 石 is counted as rice is (コク), 里 is the measure of road (リ), 目
// the weight of old money (メ) and 尾 a ridge (オ); layers of one digit are counted natively
// (八重 ヤエ).
TEST(NumeralWords, ANumberBeforeACounterIsANumber) {
    const auto word = numberWord;
    const auto read = readNumbers;
    const ReadWord name = word("十九", "固有名詞", "一般", "ジュック");
    EXPECT_EQ(read({name, word("番", "接尾", "助数詞", "バン")}), "ジュウキュウバン");
    EXPECT_EQ(read({word("二", "数", "*", "ニ"), name, word("号", "接尾", "一般", "ゴー")}),
              "ニジュウキュウゴー");
    EXPECT_EQ(read({name, word("島", "接尾", "地域", "ジマ")}), "ジュックジマ");
    ReadWords fixed = {name, word("番", "接尾", "助数詞", "バン")};
    fixed[0].fixed = true;
    EXPECT_EQ(read(fixed), "ジュックバン");

    const ReadWord koku = word("石", "接尾", "助数詞", "セキ");
    EXPECT_EQ(read({word("三", "数", "*", "サン"), word("千", "数", "*", "セン"), koku}),
              "サンゼンゴク");
    EXPECT_EQ(read({word("六", "数", "*", "ロク"), koku}), "ロッコク");
    EXPECT_EQ(read({word("五", "数", "*", "ゴ"), word("十", "数", "*", "ジュウ"),
                    word("石", "一般", "*", "イシ")}),
              "ゴジュッコク");
    EXPECT_EQ(read({word("七", "数", "*", "ナナ"), word("里", "一般", "*", "サト")}), "シチリ");
    EXPECT_EQ(read({word("八", "数", "*", "ハチ"), word("目", "接尾", "助数詞", "モク")}),
              "ハチメ");
    EXPECT_EQ(read({word("七", "数", "*", "ナナ"), word("尾", "接尾", "助数詞", "ビ")}), "ナナオ");
    EXPECT_EQ(read({word("十", "数", "*", "ジュー"), word("本", "接尾", "助数詞", "ホン")}),
              "ジュッポン");
    const ReadWord layers = word("重", "接尾", "助数詞", "ジュウ");
    EXPECT_EQ(read({word("八", "数", "*", "ハチ"), layers}), "ヤエ");
    EXPECT_EQ(read({word("一", "数", "*", "イチ"), layers}), "ヒトエ");
    EXPECT_EQ(read({word("二", "数", "*", "ニ"), layers}), "ニジュウ");
    EXPECT_EQ(read({word("十", "数", "*", "ジュウ"), word("八", "数", "*", "ハチ"), layers}),
              "ジュウハチジュウ");
    EXPECT_EQ(read({word("鷺", "一般", "*", "サギ"), word("石", "一般", "*", "イシ"),
                    word("里", "一般", "*", "サト")}),
              "サギイシサト");
}

// A number in kanji that the dictionary cut before a place opening with a numeral unit (七|千鳩)
// takes the unit back; a number before a word that does not carry it on, or before another
// number, is no such cut.
TEST(NumeralWords, AUnitOpeningTheNextWordIsTheNumbers) {
    const auto word = numberWord;
    const ReadWord seven = word("七", "数", "*", "ナナ");
    const ReadWord place = word("千鳩", "固有名詞", "地域", "チハト");
    const auto cut = [](const ReadWords& words, const char* text) {
        return NumeralWords::unitBoundary(words, QString::fromUtf8(text)).value_or(-1);
    };
    EXPECT_EQ(cut({seven, place}, "七千鳩"), 2);
    EXPECT_EQ(cut({word("鷺", "一般", "*", "サギ"), seven, place}, "鷺 七千鳩"), 4);
    EXPECT_EQ(cut({word("十", "数", "*", "ジュウ"), word("百鳩", "固有名詞", "地域", "モモハト")},
                  "十百鳩"),
              -1);
    EXPECT_EQ(cut({seven, word("千", "数", "*", "セン")}, "七千"), -1);
    EXPECT_EQ(cut({seven, word("鳩千", "固有名詞", "地域", "ハトセン")}, "七鳩千"), -1);
}

// A road sign's abbreviation after a name in Japanese is said in full; elsewhere it is spelled.
// A number's sign, parts and decimal point are said as words.
TEST(Abbreviations, AreSaidInFullAfterANameOnly) {
    const struct {
        const char* text;
        const char* expanded;
    } cases[] = {
        {"鷺沢IC", "鷺沢インターチェンジ"},
        {"鷺沢 JCT", "鷺沢 ジャンクション"},
        {"鳩ヶ丘BT前", "鳩ヶ丘バスターミナル前"},
        {"すずめSA", "すずめサービスエリア"},
        {"高速鷺沢BS", "高速鷺沢バスストップ"},
        {"スマートIC", "スマートインターチェンジ"},
        {"鷺沢IC・JCT", "鷺沢インターチェンジ・ジャンクション"},
        {"IC前", "IC前"},
        {"Sagi IC", "Sagi IC"},
        {"鷺沢ICU", "鷺沢ICU"},
        {"鷺沢IC2", "鷺沢IC2"},
        {"鷺沢ICカード", "鷺沢ICカード"},
        {"交通系IC", "交通系IC"},
        {"お持ちのIC乗車券", "お持ちのIC乗車券"},
        {"お持ちのICで", "お持ちのICで"},
        // The number sign and the hyphen between a number's parts.
        {"鷺沢No.3", "鷺沢ナンバー3"},
        {"No 12", "ナンバー12"},
        {"Nono5", "Nono5"},
        {"鷺沢3-1", "鷺沢3の1"},
        {"A-1", "A-1"},
        {"1.5倍", "1点5倍"},
        {"2024.4.1", "2024.4.1"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Abbreviations::expand(QString::fromUtf8(c.text)).toStdString(), c.expanded);
    ASSERT_TRUE(Pronouncer::open(Pronouncer::defaultDictionaryDirs())) << "mecab-ipadic-utf8";
    expectReadings({{"鷺沢ＰＡ前", "サギサワパーキングエリアマエ"}});
}

// In front of a landmark named with の, 前 is the stop's front, not part of a place the
// dictionary knows with a ノ of its own (湯前 ユノマエ).
TEST(Pronouncer, TheFrontOfALandmarkHasNoExtraNo) {
    ASSERT_TRUE(Pronouncer::open(Pronouncer::defaultDictionaryDirs())) << "mecab-ipadic-utf8";
    expectReadings({
        {"鷺の湯前", "サギノユマエ"},
        {"次は鷺の湯前です", "ツギワサギノユマエデス"},
        {"湯前", "ユノマエ"},
    });
}

// An iteration mark repeats the character before it, so no syllable of a name is lost.
TEST(IterationMarks, RepeatTheCharacterBefore) {
    const struct {
        const char* text;
        const char* expanded;
    } cases[] = {
        {"すゞめ", "すずめ"}, {"こゝろ", "こころ"}, {"スヾメ", "スズメ"}, {"ぶゝ", "ぶふ"},
        {"ーゝ", "ーゝ"},     {"ゝ", "ゝ"},         {"鷺ゝ", "鷺ゝ"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IterationMarks::expandKana(QString::fromUtf8(c.text)).toStdString(), c.expanded);
    ASSERT_TRUE(Pronouncer::open(Pronouncer::defaultDictionaryDirs())) << "mecab-ipadic-utf8";
    expectReadings({
        {"すゞめ台", "スズメダイ"},
        {"鷺々", "サギサギ"},
        {"須々花", "ススハナ"},
        {"佐々木", "ササキ"},
    });
}

// The small ケ in its rare hiragana form is no character the voice may be given either.
TEST(KanaText, SmallKeInEitherScriptIsGaOrKa) {
    EXPECT_EQ(KanaText::speakable(u"うめゖおか").toStdString(), "ウメガオカ");
    EXPECT_EQ(KanaText::speakable(u"3ゕ所").toStdString(), "サンカ");
}

TEST(KanaText, ACompoundsPartsTakeTheirSoundChanges) {
    // Voiced throughout the rows; half-voiced in the ハ row only.
    EXPECT_EQ(
        KanaText::secondPartForms(QStringLiteral("ハシ")),
        (QStringList{QStringLiteral("ハシ"), QStringLiteral("バシ"), QStringLiteral("パシ")}));
    EXPECT_EQ(KanaText::secondPartForms(QStringLiteral("トウ")),
              (QStringList{QStringLiteral("トウ"), QStringLiteral("ドウ")}));
    EXPECT_EQ(KanaText::secondPartForms(QStringLiteral("ホ")).last(), QStringLiteral("ポ"));
    EXPECT_EQ(KanaText::secondPartForms(QStringLiteral("アサ")),
              QStringList{QStringLiteral("アサ")});
    EXPECT_EQ(KanaText::firstPartForms(QStringLiteral("ブツ")),
              (QStringList{QStringLiteral("ブツ"), QStringLiteral("ブッ")}));
    EXPECT_EQ(KanaText::firstPartForms(QStringLiteral("ツ")), QStringList{QStringLiteral("ツ")});
    EXPECT_EQ(KanaText::withLongVowelMark(QStringLiteral("セイ")), QStringLiteral("セー"));
    EXPECT_EQ(KanaText::withLongVowelMark(QStringLiteral("カン")), QStringLiteral("カン"));
}

// A word read in Chinese style: each kanji by one of its readings, with the sound changes of a
// compound and long vowels as the dictionary writes them, and nothing more or less.
TEST(KanaText, AWordComposedOfItsKanjisReadings) {
    const QStringList treasure = {QStringLiteral("ホウ")}, light = {QStringLiteral("コウ")};
    const QStringList buddha = {QStringLiteral("ブツ")}, sound = {QStringLiteral("オン")};
    const QStringList ten = {QStringLiteral("ジュウ"), QStringLiteral("ジッ")};
    EXPECT_TRUE(KanaText::composes(u"ホウコウ", {treasure, light}));
    EXPECT_TRUE(KanaText::composes(u"ホーゴー", {treasure, light}));
    EXPECT_TRUE(KanaText::composes(u"ブッコウ", {buddha, light}));
    EXPECT_TRUE(KanaText::composes(u"コウボウ", {light, treasure}));
    EXPECT_TRUE(KanaText::composes(u"ジッポウブッコウ", {ten, treasure, buddha, light}));
    // The liaison after ン only in old Buddhist words, and only after ン.
    const QStringList look = {QStringLiteral("カン")};
    EXPECT_TRUE(KanaText::composes(u"カンノン", {look, sound}, KanaText::Liaison::Buddhist));
    EXPECT_FALSE(KanaText::composes(u"カンノン", {look, sound}));
    EXPECT_TRUE(KanaText::composes(u"カンオン", {look, sound}));
    EXPECT_FALSE(KanaText::composes(u"コウノン", {light, sound}, KanaText::Liaison::Buddhist));
    EXPECT_FALSE(KanaText::composes(u"ブッ", {buddha}));
    EXPECT_FALSE(KanaText::composes(u"タカラコウ", {treasure, light}));
    EXPECT_FALSE(KanaText::composes(u"ホウ", {treasure, light}));
    EXPECT_FALSE(KanaText::composes(u"ホウコウジ", {treasure, light}));
    EXPECT_FALSE(KanaText::composes(u"ホウ", {}));
    // One reading of a list, also voiced as a compound's second part.
    EXPECT_TRUE(KanaText::saysOneOf(u"バシ", {QStringLiteral("ハシ")}));
    EXPECT_TRUE(KanaText::saysOneOf(u"セー", {QStringLiteral("セイ")}));
    EXPECT_FALSE(KanaText::saysOneOf(u"ハシラ", {QStringLiteral("ハシ")}));
}

// A word's kana are said as written, whatever the dictionary made of them; long vowels, the
// particle fused into a word and a large ケ between a name's words are as it said.
TEST(KanaText, KanaAreSaidAsWritten) {
    using KanaText::asWritten;
    EXPECT_EQ(asWritten(u"いわ", QStringLiteral("ユワ")), QStringLiteral("イワ"));
    EXPECT_EQ(asWritten(u"ナウ", QStringLiteral("ナー")), QStringLiteral("ナウ"));
    EXPECT_EQ(asWritten(u"チヂ鳩", QStringLiteral("チジハト")), QStringLiteral("チヂハト"));
    EXPECT_EQ(asWritten(u"鷺フイルム", QStringLiteral("サギフィルム")),
              QStringLiteral("サギフイルム"));
    EXPECT_EQ(asWritten(u"ヘ", QStringLiteral("エ")), QStringLiteral("ヘ"));
    EXPECT_EQ(asWritten(u"とうきょう", QStringLiteral("トーキョー")), QStringLiteral("トーキョー"));
    EXPECT_EQ(asWritten(u"おおさぎ", QStringLiteral("オーサギ")), QStringLiteral("オーサギ"));
    EXPECT_EQ(asWritten(u"は", QStringLiteral("ワ")), QStringLiteral("ワ"));
    EXPECT_EQ(asWritten(u"こんばんは", QStringLiteral("コンバンワ")), QStringLiteral("コンバンワ"));
    // Spellings of old are said as the dictionary says them.
    EXPECT_EQ(asWritten(u"ケ鳩", QStringLiteral("ガハト")), QStringLiteral("ガハト"));
    EXPECT_EQ(asWritten(u"鷺ケ", QStringLiteral("サギゲ")), QStringLiteral("サギゲ"));
    EXPECT_EQ(asWritten(u"ヲ鷺", QStringLiteral("オサギ")), QStringLiteral("オサギ"));
    EXPECT_EQ(asWritten(u"鷺部ヱ", QStringLiteral("サギベー")), QStringLiteral("サギベー"));
    EXPECT_EQ(asWritten(u"を", QStringLiteral("ヲ")), QStringLiteral("ヲ"));
    EXPECT_EQ(asWritten(u"鳩ヒ", QStringLiteral("ハトイ")), QStringLiteral("ハトイ"));
    EXPECT_EQ(asWritten(u"チヤ", QStringLiteral("チャ")), QStringLiteral("チャ"));
    EXPECT_EQ(asWritten(u"ハッタ", QStringLiteral("ハツタ")), QStringLiteral("ハッタ"));
    EXPECT_EQ(asWritten(u"サギニウム", QStringLiteral("サギニューム")),
              QStringLiteral("サギニウム"));
    // A word without a reading is left without.
    EXPECT_EQ(asWritten(u"鳩", QStringLiteral("ハト")), QStringLiteral("ハト"));
    EXPECT_EQ(asWritten(u"いわ", QString()), QString());
}
