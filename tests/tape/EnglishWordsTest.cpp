// English words in names read as Japanese says them, from their phonemes. The words are made
// up, so that the rules, not a dictionary, are what is checked.
#include "sound/EnglishWords.h"
#include "sound/EnglishKana.h"
#include "sound/EspeakVoice.h"
#include "sound/KanaText.h"
#include "sound/Pronouncer.h"

#include <QHash>
#include <gtest/gtest.h>

namespace {

struct Phonemes : EnglishWords::Phonemiser {
    QHash<QString, QString> said;
    QStringList asked;
    QString phonemes(const QString& text) override {
        asked.append(text);
        return said.value(text);
    }
};

struct Reader : KanaText::EnglishReader {
    QStringList asked;
    QString read(const QString& word) override {
        asked.append(word);
        return word == QLatin1String("Qwzzle") ? QString() : QStringLiteral("エイゴ");
    }
};

std::vector<short> speak(const QString& kana) {
    std::vector<short> samples;
    EspeakVoice::synthesize(kana, "ja", VoiceSettings(), [&](const short* s, int n) {
        samples.insert(samples.end(), s, s + n);
        return true;
    });
    return samples;
}

} // namespace

TEST(EnglishKana, PhonemesBecomeTheKanaOfALoanword) {
    struct Case {
        const char* spelling;
        const char* phonemes;
        const char* kana;
    };
    const Case cases[] = {
        {"Gleemster", "ɡlˈiːmstə", "グリームスター"}, // clusters with ウ, r-coloured schwa ー
        {"Brenton", "bɹˈɛntən", "ブレントン"},        // a schwa takes its written vowel
        {"Zonda", "zˈɒndə", "ゾンダ"},                // final -a stays short
        {"Fratch", "fɹˈatʃ", "フラッチ"},             // held before a final affricate
        {"Snopping", "snˈɒpɪŋ", "スノッピング"},      // doubled in spelling, held; ŋ ング
        {"Campley", "kˈampli", "キャンプリー"},       // æ after k, m before p, final i long
        {"Myoozer", "mjˈuːzə", "ミューザー"},         // palatal glide
        {"Quorn", "kwˈɔːn", "クオーン"},
        {"Glower", "ɡlˈaʊə", "グラワー"},
        {"Plaint", "plˈeɪnt", "プレイント"}, // eɪ written ai
        {"Blate", "blˈeɪt", "ブレート"},     // written a
        {"Drotel", "dɹəʊtˈɛl", "ドロテル"},  // unstressed əʊ short
        {"Frable", "fɹˈeɪbəl", "フレーブル"},
        {"Plava", "plˈɑːvə", "プラバ"}, // long a without r short, with r long:
        {"Scarn", "skˈɑːn", "スカーン"},
        {"Blorket", "blˈɔːkɪt", "ブローケット"},
        {"Cheep", "t͡ʃˈiːp", "チープ"},
        {"", "bˈɪɡ tˈɒp", "ビッグトップ"},
        {"x", "123!?", ""},
        // What the spelling tells of the vowels: which one a reduced vowel is written with, an r
        // that is written but not said, long and short o, ai as エイ.
        {"Slopermart", "slˈəʊpəmˌɑːt", "スローパーマート"}, // written r, not said: ー
        {"Blodern", "blˈɒdən", "ブロダン"},                 // but -ern short
        {"Glaxford", "ɡlˈaksfəd", "グラクスフォード"},      // or: オー
        {"Fandain", "fˈandɪn", "ファンデン"},               // -ain エン
        {"Brindage", "bɹˈɪndɪdʒ", "ブリンデッジ"},          // -age エッジ
        {"Kleppo", "klˈɛpəʊ", "クレッポ"},                  // final -o short
        {"Fellow", "fˈɛləʊ", "フェロー"},                   // final -ow long
        {"Twangwell", "twˈaŋwɛl", "トワングウェル"},
        {"Squarn", "skwˈɔːn", "スクオーン"},
        {"Darple", "dˈɑːpəl", "ダープル"},
        {"Plindery", "plˈɪndəɹi", "プリンダリー"}, // -ery: a said r opens a syllable
        {"Farl", "fˈɑɹl", "ファール"},             // an r after a vowel lengthens it
        {"Smyde", "smˈaɪd", "スマイド"},
        {"Zeebo", "zˈiːbˌəʊ", "ジーボ"},
        {"Glore", "ɡlˈɔː", "グロア"},
        {"Froyal", "fɹˈɔɪəl", "フロイヤル"},
        {"Blange", "blˈeɪndʒ", "ブレンジ"},
        {"Kredds", "kɹˈɛdz", "クレッズ"},
        {"Kleven", "klˈɛvən", "クレブン"},
        {"Frall", "fɹˈal", "フロール"},
        {"Whind", "wˈaɪnd", "ホワインド"},
        {"Wheeb", "wˈiːb", "ホイーブ"},
        {"Plunity", "pljˈuːnɪti", "プリュニティー"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(
            EnglishKana::fromPhonemes(QString::fromUtf8(c.phonemes), QString::fromUtf8(c.spelling))
                .toStdString(),
            c.kana)
            << c.spelling;
}

TEST(EspeakVoice, GivesTheEnglishPhonemesOfAWord) {
    if (!EspeakVoice::installed("en")) GTEST_SKIP() << "espeak-ng's English voice";
    const QString phonemes = EspeakVoice::phonemes(QStringLiteral("Blentown, Hall"), "en");
    EXPECT_TRUE(phonemes.startsWith(QStringLiteral("bl"))) << phonemes.toStdString();
    EXPECT_TRUE(phonemes.contains(QStringLiteral("hˈɔːl"))) << phonemes.toStdString();
    // A voice that is not there gives nothing, and the Japanese voice still speaks.
    const size_t before = speak(QStringLiteral("サギノミヤ")).size();
    EXPECT_EQ(EspeakVoice::phonemes(QStringLiteral("Hall"), "no-such-voice"), QString());
    EXPECT_NEAR(double(speak(QStringLiteral("サギノミヤ")).size()), double(before), before * 0.1);
}

// Initials, other characters and a phonemiser that fails give no reading, so the word is
// spelled as before; a word is asked for once.
TEST(EnglishWords, ReadsWordsAndLeavesInitials) {
    auto phonemes = std::make_unique<Phonemes>();
    Phonemes& p = *phonemes;
    p.said = {{"Blentown", "blˈɛntaʊn"},
              {"JFO", "dʒˌeɪˌɛfˈəʊ"},
              {"YMCO", "ˈɪmkəʊ"},
              {"PLARN", "plˈɑːn"},
              {"SQUORN", "skwˈɔːn"}};
    EnglishWords words(std::move(phonemes));
    EXPECT_EQ(words.read("Blentown").toStdString(), "ブレンタウン");
    EXPECT_EQ(words.read("Blentown").toStdString(), "ブレンタウン");
    EXPECT_EQ(p.asked, QStringList{"Blentown"});
    EXPECT_EQ(words.read("JFO"), QString());   // said letter by letter
    EXPECT_EQ(words.read("ZKQY"), QString());  // capitals without a vowel letter
    EXPECT_EQ(words.read("Flarp"), QString()); // no phonemes
    EXPECT_EQ(words.read(QString::fromUtf8("Flärp")), QString());
    EXPECT_EQ(words.read("YMCO"), QString()); // no English word starts so
    EXPECT_EQ(words.read("PLARN").toStdString(), "プラーン");
    EXPECT_EQ(words.read("SQUORN").toStdString(), "スクオーン");
    EXPECT_FALSE(p.asked.contains("ZKQY"));
    EXPECT_FALSE(p.asked.contains("YMCO"));
}

// Only words that are neither romaji nor initials by the character rules are English.
TEST(KanaText, AsksForEnglishOnlyWhatIsNeitherRomajiNorInitials) {
    Reader reader;
    EXPECT_EQ(KanaText::speakable(u"Blentown NHK Wakaba FLARPS FLA Qwzzle", &reader).toStdString(),
              "エイゴエヌエイチケイワカバエイゴエフエルエーキューダブリューゼットゼットエルイー");
    EXPECT_EQ(reader.asked, (QStringList{"Blentown", "FLARPS", "Qwzzle"}));
    EXPECT_EQ(KanaText::speakable(u"Blentown").toStdString(),
              "ビーエルイーエヌティーオーダブリューエヌ");
}

TEST(Pronouncer, ReadsEnglishWordsInNames) {
    if (!EspeakVoice::installed("en") || !EspeakVoice::installed("ja"))
        GTEST_SKIP() << "espeak-ng's English or Japanese voice is not installed";
    const std::unique_ptr<Pronouncer> p = Pronouncer::open(Pronouncer::defaultDictionaryDirs());
    ASSERT_TRUE(p) << "mecab-ipadic-utf8";
    const size_t before = speak(QStringLiteral("サギノミヤ")).size();
    EXPECT_EQ(p->toKana(QStringLiteral("Blentown Hall前")).toStdString(), "ブレンタウンホールマエ");
    EXPECT_EQ(p->toKana(QStringLiteral("ＮＨＫ Flarp Garden")).toStdString(),
              "エヌエイチケイフラープガーデン");
    // Asking for English phonemes leaves the Japanese voice as it was (English would spell
    // the kana out at length); the synthesiser varies by a few samples from call to call.
    const size_t after = speak(QStringLiteral("サギノミヤ")).size();
    EXPECT_GT(before, 0u);
    EXPECT_NEAR(double(after), double(before), before * 0.1);
}
