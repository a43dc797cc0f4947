// What the speech synthesiser is given for a bus's sentences: katakana with kanji read,
// particles as spoken, numbers as numbers and the override table applied.
#include "sound/Pronouncer.h"
#include "sound/KanjiReadings.h"
#include "sound/NumberKana.h"
#include "sound/SpeechText.h"
#include "tape/ReadingTable.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

Pronouncer& pronouncer() {
    static std::unique_ptr<Pronouncer> p = Pronouncer::open(Pronouncer::defaultDictionaryDirs());
    return *p;
}

} // namespace

TEST(Pronouncer, BusSentencesAreReadAsSpoken) {
    ASSERT_TRUE(Pronouncer::open(Pronouncer::defaultDictionaryDirs())) << "mecab-ipadic-utf8";
    const struct {
        const char* text;
        const char* kana;
    } cases[] = {
        {"次は、山鳩市役所前です。お降りの方はお知らせください。",
         "ツギワ、ヤマバトシヤクショマエデス。オオリノカタワオシラセクダサイ。"},
        {"このバスは若葉団地行きです。", "コノバスワワカバダンチユキデス。"},
        {"山鳩湖畔へ参ります。", "ヤマバトコハンエマイリマス。"},
        {"次は、市民病院前です。", "ツギワ、シミンビョーインマエデス。"},
        {"病院へおいでの方はこちらでお降りください。",
         "ビョーインエオイデノカタワコチラデオオリクダサイ。"},
        {"整理券をお取りください。", "セイリケンヲオトリクダサイ。"},
        {"ﾊﾞｽが止まります！", "バスガトマリマス！"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(pronouncer().toKana(QString::fromUtf8(c.text)), QString::fromUtf8(c.kana))
            << c.text;
}

TEST(Pronouncer, NumbersInEitherWidthAreReadAsNumbers) {
    const struct {
        const char* text;
        const char* kana;
    } cases[] = {
        {"運賃は230円です。", "ウンチンワニヒャクサンジュウエンデス。"},
        {"運賃は２３０円です。", "ウンチンワニヒャクサンジュウエンデス。"},
        {"12系統", "ジュウニケイトー"},
        {"1丁目", "イッチョーメ"},
        {"１，０００円", "センエン"},
        {"0120", "ゼロイチニゼロ"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(pronouncer().toKana(QString::fromUtf8(c.text)), QString::fromUtf8(c.kana))
            << c.text;
}

TEST(Pronouncer, CharactersWithoutAReadingAreDropped) {
    EXPECT_EQ(pronouncer().toKana(QString::fromUtf16(u"\uFFFD次\u0001は\u3013。")),
              QStringLiteral("ツギワ。"));
    EXPECT_EQ(pronouncer().toKana(QStringLiteral("★☆◆")), QString());
}

// Whatever the text holds, the synthesiser gets only what its Japanese voice reads: a small ヶ,
// a Latin letter or a kanji would make it switch to English and spell the character out.
TEST(Pronouncer, GivesTheVoiceOnlyKatakanaAndPauses) {
    const QString mixed = QStringLiteral(
        "梅ヶ丘・ヵ所 ＡＢＣ abc（注）【臨】鵆沢☆須花㈱ ｶﾞｰﾄﾞ下 ゔ ヷ 3ヶ月、終点。");
    const QString kana = pronouncer().toKana(mixed);
    for (QChar c : kana)
        EXPECT_TRUE((c >= u'ァ' && c <= u'ヴ') || QStringLiteral("ー、。？！").contains(c))
            << qPrintable(kana);
    EXPECT_FALSE(kana.isEmpty());
}

// Faults of a stop name's reading that the dictionary alone would make.
TEST(Pronouncer, ReadsStopNamesWhole) {
    const struct {
        const char* text;
        const char* kana;
    } cases[] = {
        // A bracket is no word: the 前 before it stays マエ.
        {"図書館前（山鳩町）", "トショカンマエヤマバトマチ"},
        {"図書館前(山鳩町)", "トショカンマエヤマバトマチ"},
        // ヶ between the words of a name is ガ, after a number カ.
        {"梅ヶ丘", "ウメガオカ"},
        {"3ヶ所", "サンカショ"},
        {"鷺ケ沢", "サギガサワ"}, // written large between kanji
        // Letters are read as Japanese reads them, in either width.
        {"ＪＲ山鳩駅", "ジェイアールヤマバトエキ"},
        {"Ｂ棟前", "ビートーマエ"},
        {"E&S前", "イーアンドエスマエ"},
        // A word the dictionary does not know is read by its characters, none left out.
        {"須花", "スハナ"},
        {"鵆沢", "チドリサワ"},
        // Sound changes of numbers before counters, however the number is written.
        {"２１丁目", "ニジュウイッチョーメ"},
        {"十一丁目", "ジューイッチョーメ"},
        {"48区", "ヨンジュウハック"},
        {"10線", "ジュッセン"},
        {"3線", "サンセン"},
        {"21世紀の森", "ニジュウイッセイキノモリ"},
        // は inside a name in kana is ハ; after a noun it stays the particle ワ.
        {"くれは苑", "クレハエン"},
        {"あさは苑", "アサハエン"},
        {"ゆきはま", "ユキハマ"},
        {"次はくれは苑です", "ツギワクレハエンデス"},
        {"ここは山鳩です", "ココワヤマバトデス"},
        // Nor after a noun in hiragana the name goes on from, before a た or a lone kana; so
        // へ is ヘ. A sentence keeps its particles.
        {"くずは鷺", "クズハサギ"},
        {"たかはた鳩", "タカハタハト"},
        {"鳩はた山", "ハトハタヤマ"},
        {"次はくずは台です", "ツギワクズハダイデス"},
        {"鷺へら山", "サギヘラヤマ"},
        {"みなさまは、お忘れ物", "ミナサマワ、オワスレモノ"},
        {"病院へおいでの方は", "ビョーインエオイデノカタワ"},
        // Kana the dictionary takes for a verb or an adjective are said as written.
        {"いわて鳩台", "イワテハトダイ"},
        {"なうら鳩", "ナウラハト"},
        // Place names: a bridge after a name is バシ, a leading position word native.
        {"若葉橋", "ワカババシ"},
        {"ゆずり橋", "ユズリバシ"}, // after a verb's stem too
        {"次は東若葉です", "ツギワヒガシワカバデス"},
        {"上若葉", "カミワカバ"},
        {"中若葉", "ナカワカバ"},
        {"ヴィラ若葉", "ビラワカバ"},
        {"小鷺沢", "コサギサワ"},
        {"高鳩田", "タカハトダ"},
        // A closing 上, 下, 中 after a place is its upper, lower, middle part; after another
        // noun 上 and 下 are above and below.
        {"鷺沢上", "サギサワカミ"},
        {"鷺沢下", "サギサワシモ"},
        {"若葉台中", "ワカバダイナカ"},
        {"次は若葉台上です", "ツギワワカバダイカミデス"},
        {"若葉神社下", "ワカバジンジャシタ"},
        // A name opening with 下の is the lower part; below something 下 stays シタ.
        {"下の鳩", "シモノハト"},
        {"下ノ鷺沢", "シモノサギサワ"},
        {"机の下の鳩", "ツクエノシタノハト"},
        // So is a 中 between a place and more of a name; a school keeps its チュウ.
        {"京都中鷺沢", "キョートナカサギサワ"},
        {"奈良市中区役所", "ナラシナカクヤクショ"},
        {"京都中学校", "キョートチューガッコー"},
        // A temple of a two-kanji name is read in Chinese style, also where the dictionary
        // joins its 寺 to the next word; after one kanji 寺 stays テラ.
        {"宝鳩寺", "ホウキュウジ"},
        {"鳩福寺前", "キュウフクジマエ"},
        {"梅寺", "ウメテラ"},
        // So is a shrine's 宮 after a name of two kanji: グウ, and after one kanji ミヤ.
        {"鳩峰宮", "ハトミネグウ"},
        {"鷺山宮前", "サギヤマグウマエ"},
        {"山鳩宮北", "ヤマバトグウキタ"},
        {"鳩宮前", "ハトミヤマエ"},
        // A bridge's side, entrance and end after its name (the dictionary's 橋西, 橋口 and 橋詰
        // are words of their own); ヅ spelt as the reading has it.
        {"鳩川橋西詰", "ハトガワバシニシヅメ"},
        {"鳩川橋口", "ハトガワバシグチ"},
        {"鳩川大橋西詰", "ハトガワオオハシニシヅメ"}, // a great bridge as a whole
        {"鳩川橋詰", "ハトガワハシヅメ"},
        {"鷺橋北詰", "サギバシキタヅメ"},
        {"橋口", "ハシグチ"},
        // 館 after a word is a hall, also where the dictionary joins it to 前 or reads it
        // by its characters; alone it is the manor タテ.
        {"ふわっと館前", "フワットカンマエ"},
        {"鷺遊館前", "サギユウカンマエ"},
        {"館", "タテ"},
        // A pond after a name or a thing is イケ; a reservoir and a works named for what it
        // does to water keep their チ.
        {"京都池前", "キョートイケマエ"},
        {"鷺見池", "サギミイケ"},
        {"鳩ヶ池", "ハトガイケ"},
        {"貯水池", "チョスイチ"},
        {"調整池", "チョーセイチ"},
        // The native word that closes a place after a noun in kanji is voiced; after ノ it is
        // not, and 沢 never.
        {"若葉谷前", "ワカバダニマエ"},
        {"山鳩崎", "ヤマバトザキ"},
        {"若葉平", "ワカバダイラ"},
        {"鷺谷", "サギダニ"},
        {"鷺ノ谷", "サギノタニ"},
        {"若葉沢", "ワカバサワ"},
        // A closing 越 is the way over, and 石 after a noun a stone; after a number the koku.
        {"若葉越", "ワカバゴエ"},
        {"若葉石", "ワカバイシ"},
        {"三石", "サンゴク"},
        // A peak, a valley, a harbour, a field, a street and a reef that close a place say their
        // native words.
        {"若葉峰", "ワカバミネ"},
        {"鷺沼迫", "サギヌマサコ"},
        {"若葉泊", "ワカバドマリ"},
        {"若葉畑", "ワカバハタ"},
        {"鷺洲通", "サギスドーリ"},
        {"鷺碆", "サギバエ"},
        // A village opened on new rice fields, not the family name ニッタ.
        {"若葉新田", "ワカバシンデン"},
        // A peak and a hut close a place voiced too; after ノ the hut stays plain.
        {"若葉岳", "ワカバダケ"},
        {"鳩山小屋", "ハトヤマゴヤ"},
        {"鷺ノ小屋", "サギノコヤ"},
        // The stream of a 沢, the south side of a place, an old manor's name-field, the head of
        // a valley and a place's market square, not the words the dictionary knows alone; the
        // family name 沢川 that opens a name, a count of people and a wholesale market stay.
        {"ハト沢川", "ハトサワガワ"},
        {"若葉の沢川", "ワカバノサワガワ"},
        {"沢川さん", "サワカワサン"},
        {"若葉南方", "ワカバミナミカタ"},
        {"若葉名", "ワカバミョー"},
        {"三名", "サンメイ"},
        {"鳩山頭", "ハトヤマガシラ"},
        {"若葉市場", "ワカバイチバ"},
        {"青果市場", "セイカシジョー"},
        // The tunnel, a word the dictionary lacks, not read by its characters.
        {"若葉隧道", "ワカバズイドー"},
        // A post town after a place's name; after a common noun the inn.
        {"若葉宿", "ワカバシュク"},
        {"鳩宿", "ハトヤド"},
        // A prefix before a native word or one in kana is the part of a place (the great pan).
        {"大鍋", "オオナベ"},
        {"中ハトクラ", "ナカハトクラ"},
        {"小はと", "コハト"},
        // Islands and mountains abroad keep the Chinese-style suffix, also one in plain kana;
        // a katakana part after kanji is a native one.
        {"ピエルネー島", "ピエルネートー"},
        {"グレンダモ島", "グレンダモトー"},
        {"ピエルネー山", "ピエルネーサン"},
        {"ハトクラ山", "ハトクラサン"},
        {"中ハトクラ山", "ナカハトクラヤマ"},
        // After a name, a closing 高 is the high school and 角 the street corner; inside a
        // longer name and after a number they keep the dictionary's reading.
        {"山鳩高前", "ヤマバトコウマエ"},
        {"山鳩高北", "ヤマバトコウキタ"},
        {"鷺高公民館", "サギダカコーミンカン"},
        {"山鳩角", "ヤマバトカド"},
        {"五角", "ゴカク"},
        // 団地 before its 口 or 中, which the dictionary would take for the pun 地口 or for 地中.
        {"山鳩団地口", "ヤマバトダンチグチ"},
        {"山鳩団地中", "ヤマバトダンチナカ"},
        // A name is no person's: 開 is the common noun ヒラキ, not the given name ヒラク.
        {"鷺沢開", "サギサワヒラキ"},
        // A school's or a home's coined name is read in Chinese style; a word that goes on past
        // the two kanji (公園) keeps the dictionary's reading.
        {"雁北中学校前", "ガンホクチューガッコーマエ"},
        {"次は雁北中学校前です", "ツギワガンホクチューガッコーマエデス"},
        {"雁南台団地", "ガンナンダイダンチ"},
        {"清鶴荘前", "セイカクソーマエ"},
        {"鶴陽団地", "カクヨウダンチ"},
        {"鷺の森公園", "サギノモリコーエン"},
        // A town of a market day has its market イチ; a place's island and hill are native.
        {"鷺九日市", "サギココノカイチ"},
        {"鷺九日", "サギココノカ"},
        {"京都島", "キョートジマ"},
        {"京都山", "キョートヤマ"},
        // The prefix 前 beside a place's name is its front; a wave dash between kana is a
        // long vowel, between other characters nothing.
        {"前京都", "マエキョート"},
        {"前若葉", "マエワカバ"},
        {"京都前広場", "キョートマエヒロバ"},
        {"もく～の", "モクーノ"},
        {"鳩～鷺", "ハトサギ"},
        // A stop in front of something ends in マエ; a word of time keeps its ゼン.
        {"次は山鳩東門前です", "ツギワヤマバトヒガシモンマエデス"},
        {"午前", "ゴゼン"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(pronouncer().toKana(QString::fromUtf8(c.text)), QString::fromUtf8(c.kana))
            << c.text;
}

// Words of a name read as names use them, not in the dictionary's reading of another kind: a
// coined word the dictionary knows only as a given name, the inn's 亭, the lord's 殿, the former
// 旧, a shop's 店, the road station's 道, the upper part 上 that opens a name and the direction
// of a firm's short name, a shrine's 神社 and 社, acupuncture, a word the dictionary lacks, and
// the upper or lower part that closes a name where the dictionary made a word of it (屋上), and
// a closing direction it joined into a place (入|江東 of 入江 + 東) while a place so named stays,
// a family's house 家 (ケ), not a trade's (カ), the tram stop's 停, and the elementary school's
// short name (北小 キタショウ, not the small コ), and a fork of roads of any count (六叉路).
TEST(Pronouncer, ReadsTheWordsOfANameAsNamesUseThem) {
    const struct {
        const char* text;
        const char* kana;
    } cases[] = {
        {"ぽんぽん亭前", "ポンポンテイマエ"},
        {"殿橋", "トノバシ"},
        {"旧さぎの湯", "キュウサギノユ"},
        {"鷺たまご店前", "サギタマゴテンマエ"},
        {"鷺沢の店", "サギサワノミセ"},
        {"鷺広場道の駅", "サギヒロバミチノエキ"},
        {"幸美", "ユキミ"},
        {"上電鷺前", "カミデンサギマエ"},
        {"南電鷺前", "ナンデンサギマエ"},
        {"中銀鳩前", "チュウギンハトマエ"},
        {"鳩明神社", "ハトミョージンジャ"},
        {"鷺八幡社口", "サギヤハタシャグチ"},
        {"鳩鍼灸院", "ハトシンキュウイン"},
        {"鷺針灸前", "サギシンキュウマエ"},
        {"鷺屋上", "サギヤカミ"},
        {"次は鷺部下です", "ツギワサギブシモデス"},
        {"売屋上", "ウリヤカミ"},
        {"鷺沢家前", "サギサワケマエ"},
        {"音楽家", "オンガクカ"},
        {"鷺電停前", "サギデンテイマエ"},
        {"鷺北小前", "サギキタショウマエ"},
        {"鷺六叉路", "サギロクサロ"},
        {"次は鳩西小入口です", "ツギワハトニシショウイリグチデス"},
        {"ビルの屋上", "ビルノオクジョー"},
        {"次は鳩入江東です", "ツギワハトイリエヒガシデス"},
        {"鷺江東", "サギコートー"},
        {"鷺沢江東", "サギサワコートー"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(pronouncer().toKana(QString::fromUtf8(c.text)), QString::fromUtf8(c.kana))
            << c.text;
    // A school's short name only after more of a name and before the stop's side of it.
    for (const char* place : {"西小前", "鷺北小前田", "鷺北小"})
        EXPECT_FALSE(pronouncer().toKana(QString::fromUtf8(place)).contains(u"ショ")) << place;
    if (KanjiReadings::chineseReading(u"幸").isEmpty()) GTEST_SKIP() << "no KANJIDIC";
    EXPECT_EQ(pronouncer().toKana(QStringLiteral("幸美ホール")), QStringLiteral("コウビホール"));
    EXPECT_EQ(pronouncer().toKana(QStringLiteral("幸美さん")), QStringLiteral("ユキミサン"));
    EXPECT_EQ(pronouncer().toKana(QStringLiteral("幸美ふれあい館")),
              QStringLiteral("コウビフレアイカン"));
    // Before a word in kanji they are a place's own name.
    EXPECT_EQ(pronouncer().toKana(QStringLiteral("鷺義経沢")), QStringLiteral("サギヨシツネサワ"));
}

// A kanji written in a variant form that only the extended code page has is read as its standard
// form, never left out of the name.
TEST(Pronouncer, ReadsVariantKanjiAsTheirStandardForms) {
    const struct {
        const char* variant;
        const char* standard;
    } cases[] = {{"鷺﨑", "鷺崎"},
                 {"髙鳩前", "高鳩前"},
                 {"德鷺", "徳鷺"},
                 {"栁沢", "柳沢"},
                 // Old forms of words the dictionary knows only in today's.
                 {"鳩川溪谷", "鳩川渓谷"},
                 {"鷺寶", "鷺宝"}};
    for (const auto& c : cases)
        EXPECT_EQ(pronouncer().toKana(QString::fromUtf8(c.variant)),
                  pronouncer().toKana(QString::fromUtf8(c.standard)))
            << c.variant;
}

TEST(Pronouncer, UsersReadingsWinOverTheDictionary) {
    ReadingTable hon;
    hon.insert(QStringLiteral("本町"), QStringLiteral("ホンチョウ"));
    ReadingTable moto;
    moto.insert(QStringLiteral("本町"), QStringLiteral("モトマチ"));
    moto.insert(QStringLiteral("上条"), QStringLiteral("ジョウジョウ"));
    moto.insert(QStringLiteral("上条中"), QStringLiteral("カミジョウナカ"));
    const QString text = QStringLiteral("次は、本町一丁目です。");
    EXPECT_EQ(pronouncer().toKana(text, &hon),
              QStringLiteral("ツギワ、ホンチョウイッチョーメデス。"));
    EXPECT_EQ(pronouncer().toKana(text, &moto),
              QStringLiteral("ツギワ、モトマチイッチョーメデス。"));
    EXPECT_NE(pronouncer().toKana(text).left(7), QStringLiteral("ツギワ、ホンチョ"));
    // The longest name wins; a name is found wherever it stands.
    EXPECT_EQ(pronouncer().toKana(QStringLiteral("上条中学校"), &moto),
              QStringLiteral("カミジョウナカガッコー"));
    EXPECT_EQ(pronouncer().toKana(QStringLiteral("上条"), &moto), QStringLiteral("ジョウジョウ"));

    // A reading in braces after the name, for the kanji just before it or from a bar on.
    EXPECT_EQ(pronouncer().toKana(QStringLiteral("次は上条{じょうじょう}です。")),
              QStringLiteral("ツギワジョウジョウデス。"));
    EXPECT_EQ(pronouncer().toKana(QStringLiteral("｜ひばりが丘｛ﾋﾊﾞﾘｶﾞｵｶ｝前")),
              QStringLiteral("ヒバリガオカマエ"));
    // Braces that hold no kana are text as before.
    EXPECT_EQ(pronouncer().toKana(QStringLiteral("山鳩{1}駅")), QStringLiteral("ヤマバトイチエキ"));
    EXPECT_EQ(pronouncer().toKana(QStringLiteral("{やま}")), QStringLiteral("ヤマ"));
}

TEST(Pronouncer, NoDictionaryNoPronouncer) {
    QTemporaryDir empty;
    EXPECT_EQ(Pronouncer::open({empty.path(), "/nonexistent/ipadic"}), nullptr);
    EXPECT_EQ(Pronouncer::open({}), nullptr);
}

TEST(NumberKana, ReadsWithTheSoundChangesOfHundredsAndThousands) {
    const struct {
        const char* digits;
        const char* kana;
    } cases[] = {
        {"0", "ゼロ"},
        {"7", "ナナ"},
        {"10", "ジュウ"},
        {"19", "ジュウキュウ"},
        {"300", "サンビャク"},
        {"680", "ロッピャクハチジュウ"},
        {"800", "ハッピャク"},
        {"1000", "セン"},
        {"3000", "サンゼン"},
        {"8400", "ハッセンヨンヒャク"},
        {"10000", "イチマン"},
        {"10000000", "イッセンマン"},
        {"100000001", "イチオクイチ"},
        {"007", "ゼロゼロナナ"},
        {"12345678901234567", "イチニサンヨンゴロクナナハチキュウゼロイチニサンヨンゴロクナナ"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(NumberKana::read(QString::fromUtf8(c.digits)), QString::fromUtf8(c.kana))
            << c.digits;
}

TEST(SpeechText, SplitsIntoSentencesAndBoundsLongOnes) {
    EXPECT_EQ(SpeechText::pieces(u"次は、市役所前です。お降りの方は？ はい！"),
              QStringList({"次は、市役所前です。", "お降りの方は？", "はい！"}));
    EXPECT_EQ(SpeechText::pieces(u"あいう、えおかき、くけ", 6),
              QStringList({"あいう、", "えおかき、", "くけ"}));
    EXPECT_EQ(SpeechText::pieces(u"あいうえおかきく", 3),
              QStringList({"あいう", "えおか", "きく"}));
    // A surrogate pair is never cut in two, even with room for one character only.
    const QString pairs = QString::fromUtf16(u"\U0002000B\U0002000B");
    EXPECT_EQ(SpeechText::pieces(pairs, 1).join(QString()), pairs);
    EXPECT_TRUE(SpeechText::pieces(u"  \n\n  ").isEmpty());
}
