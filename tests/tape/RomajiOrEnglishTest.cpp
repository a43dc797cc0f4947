// Telling a word that spells romaji by chance (an English word) from Japanese written in
// romaji: the English word list, the dictionary's Japanese nouns and how KanaText uses them.
#include "sound/EnglishWordList.h"
#include "sound/EnglishWords.h"
#include "sound/EspeakVoice.h"
#include "sound/KanaText.h"
#include "sound/MecabNouns.h"
#include "sound/Pronouncer.h"
#include "sound/Romaji.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <mecab.h>

namespace {

QString writeList(const QTemporaryDir& dir, const QString& name, const QByteArray& text) {
    const QString path = dir.filePath(name);
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(text) != text.size()) return QString();
    return path;
}

// Takes for English the words it is told, reading each as エイゴ.
struct Reader : KanaText::EnglishReader {
    QSet<QString> english;
    QStringList asked;
    QString read(const QString& word) override {
        return word == QLatin1String("Mobe") ? QString() : QStringLiteral("エイゴ");
    }
    bool isEnglish(const QString& word, const QString& romaji) override {
        asked.append(word + u'=' + romaji);
        return english.contains(word);
    }
    // Says コベ as コウベ, as the dictionaries would.
    QString japanese(const QString& romaji) override {
        return romaji == QStringLiteral("コベ") ? QStringLiteral("コウベ") : romaji;
    }
};

struct Japanese : EnglishWords::JapaneseWords {
    bool knows(const QString& kana) override { return kana == QStringLiteral("サブ"); }
};

struct NoPhonemes : EnglishWords::Phonemiser {
    QString phonemes(const QString&) override { return QString(); }
};

} // namespace

TEST(EnglishWordList, KnowsTheWordsInSmallLettersOfTheFirstReadableList) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    // Proper nouns are capitalised, possessives carry an apostrophe; Windows line ends and a
    // last line without one still count.
    const QString list = writeList(dir, "words", "Tarobe\nglome\r\nglome's\n\nsnurf-ish\nblick");
    EnglishWordList words({dir.filePath("missing"), dir.path(), list});
    EXPECT_TRUE(words.contains(u"Glome"));
    EXPECT_TRUE(words.contains(u"GLOME"));
    EXPECT_TRUE(words.contains(u"blick"));
    EXPECT_FALSE(words.contains(u"Tarobe"));
    EXPECT_FALSE(words.contains(u"tarobe"));
    EXPECT_FALSE(words.contains(u"glome's"));
    EXPECT_FALSE(words.contains(u"snurf"));
    EXPECT_FALSE(words.contains(u"glomé"));
    EXPECT_FALSE(words.contains(u""));

    EnglishWordList none({dir.filePath("missing")});
    EXPECT_FALSE(none.contains(u"glome"));

    // A file far larger than any word list is read only so far; its cut last line is no word.
    QByteArray huge;
    while (huge.size() < (9 << 20))
        huge += "abcdefghijklmnopqrstuvwxy\n";
    huge += "zorple\n";
    EnglishWordList big({writeList(dir, "huge", huge)});
    EXPECT_TRUE(big.contains(u"abcdefghijklmnopqrstuvwxy"));
    EXPECT_FALSE(big.contains(u"zorple"));
    EXPECT_FALSE(big.contains(u"abcdefghijklm"));
}

TEST(EnglishWords, IsEnglishOnlyWhenTheListHasItAndJapaneseHasNoSuchWord) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString list = writeList(dir, "words", "glome\nsabu\n");
    EnglishWords english(std::make_unique<NoPhonemes>());
    english.setWordList(std::make_unique<EnglishWordList>(QStringList{list}));
    // Without the Japanese words to ask, no word is taken from romaji.
    EXPECT_FALSE(english.isEnglish("Glome", "グロメ"));
    english.setJapaneseWords(std::make_unique<Japanese>());
    EXPECT_TRUE(english.isEnglish("Glome", "グロメ"));
    EXPECT_FALSE(english.isEnglish("Sabu", "サブ"));
    EXPECT_FALSE(english.isEnglish("Tarobe", "タロベ"));
    english.setWordList(nullptr);
    EXPECT_FALSE(english.isEnglish("Glome", "グロメ"));
}

TEST(KanaText, ReadsAsEnglishAWordThatSpellsRomajiOnlyByChance) {
    Reader reader;
    reader.english = {"Parine", "PARINE", "Mobe", "SEN"};
    EXPECT_EQ(KanaText::speakable(u"Parine前", &reader).toStdString(), "エイゴ");
    EXPECT_EQ(KanaText::speakable(u"PARINE", &reader).toStdString(), "エイゴ");
    // Romaji the reader does not take for English, and one it cannot read, stay romaji.
    EXPECT_EQ(KanaText::speakable(u"Tarobe", &reader).toStdString(), "タロベ");
    EXPECT_EQ(KanaText::speakable(u"Mobe", &reader).toStdString(), "モベ");
    // Three capitals are initials more often than words: not asked.
    EXPECT_EQ(KanaText::speakable(u"SEN", &reader).toStdString(), "セン");
    EXPECT_EQ(reader.asked,
              QStringList({"Parine=パリネ", "PARINE=パリネ", "Tarobe=タロベ", "Mobe=モベ"}));
    EXPECT_EQ(KanaText::speakable(u"Parine").toStdString(), "パリネ");
}

TEST(KanaText, RomajiIsSaidAsTheReaderSaysItsJapanese) {
    Reader reader;
    reader.english = {"Kobe"};
    // Only romaji read as Japanese is asked: not a word read as English, nor initials.
    EXPECT_EQ(KanaText::speakable(u"Kobe", &reader).toStdString(), "エイゴ");
    reader.english.clear();
    EXPECT_EQ(KanaText::speakable(u"Kobe駅 KB", &reader).toStdString(), "コウベケイビー");
    EXPECT_EQ(KanaText::speakable(u"Kobe").toStdString(), "コベ");
}

TEST(Romaji, TwoSyllabicNInARowAreNoJapanese) {
    EXPECT_TRUE(Romaji::toKana(u"Tarinn").isEmpty());
    EXPECT_TRUE(Romaji::toKana(u"Kannba").isEmpty());
    EXPECT_EQ(Romaji::toKana(u"Sannoka").toStdString(), "サンノカ");
    EXPECT_EQ(Romaji::toKana(u"Shin'nami").toStdString(), "シンナミ");
}

TEST(Romaji, LongVowelReadingsLengthenOnlyUnmarkedOAndU) {
    const QStringList tokyo = Romaji::longVowelReadings("トキョ");
    EXPECT_EQ(tokyo, QStringList({"トウキョ", "トキョウ", "トウキョウ"}));
    // The bare オ may also be オオ (大); syllables of a small glide are long only at their end.
    EXPECT_TRUE(Romaji::longVowelReadings("オサカ").contains("オオサカ"));
    EXPECT_TRUE(Romaji::longVowelReadings("キュシュ").contains("キュウシュウ"));
    // A word that marks any long vowel is read as written.
    for (const char* marked : {"トーキョー", "トウキョウ", "オオサカ", "ユウキ", "オーノ"})
        EXPECT_TRUE(Romaji::longVowelReadings(marked).isEmpty()) << marked;
    EXPECT_TRUE(Romaji::longVowelReadings("サカナ").isEmpty());
    // Only the first four such syllables vary: 2^4 - 1 readings, the fifth always short.
    const QStringList many = Romaji::longVowelReadings("コソトノホ");
    EXPECT_EQ(many.size(), 15);
    for (const QString& r : many)
        EXPECT_TRUE(r.endsWith(u"ノホ") || r.endsWith(u"ノウホ")) << r.toStdString();
    // A loanword's long vowels: ー after any vowel, a small kana's syllable long at its end.
    EXPECT_EQ(Romaji::barLongVowelReadings("ラメン"),
              QStringList({"ラーメン", "ラメーン", "ラーメーン"}));
    EXPECT_EQ(Romaji::barLongVowelReadings("キャ"), QStringList({"キャー"}));
    EXPECT_TRUE(Romaji::barLongVowelReadings("スーパ").isEmpty());
}

TEST(MecabNouns, KnowsTheDictionarysNounsInEitherKana) {
    QString dic;
    for (const QString& d : Pronouncer::defaultDictionaryDirs())
        if (QFileInfo(d + "/sys.dic").isFile()) dic = d;
    if (dic.isEmpty()) GTEST_SKIP() << "mecab-ipadic-utf8";
    const QByteArray dicArg = dic.toUtf8();
    const char* argv[] = {"mecab", "-d", dicArg.constData()};
    mecab_model_t* model = mecab_model_new(3, const_cast<char**>(argv));
    ASSERT_TRUE(model);
    mecab_t* tagger = mecab_model_new_tagger(model);
    mecab_lattice_t* lattice = mecab_model_new_lattice(model);
    {
        MecabNouns nouns(tagger, lattice);
        EXPECT_TRUE(nouns.knows("サケ"));   // listed in hiragana
        EXPECT_TRUE(nouns.knows("カラテ")); // listed in katakana
        EXPECT_TRUE(nouns.knows("スモ"));   // スモウ with its long vowel unmarked
        EXPECT_FALSE(nouns.knows("ホメ"));  // a verb's stem only
        EXPECT_FALSE(nouns.knows("ドメ"));
        EXPECT_FALSE(nouns.knows(""));
    }
    mecab_lattice_destroy(lattice);
    mecab_destroy(tagger);
    mecab_model_destroy(model);
}

TEST(Pronouncer, ReadsAnEnglishWordThatSpellsRomajiAsEnglish) {
    if (!EspeakVoice::installed("en") || !QFileInfo::exists(EnglishWordList::defaultPaths()[0]))
        GTEST_SKIP() << "espeak-ng's English voice or wbritish";
    const std::unique_ptr<Pronouncer> p = Pronouncer::open(Pronouncer::defaultDictionaryDirs());
    ASSERT_TRUE(p) << "mecab-ipadic-utf8";
    // Both spell romaji (スンリセ, ロセ); both are English.
    EXPECT_EQ(p->toKana(QStringLiteral("Sunrise前")).toStdString(), "サンライズマエ");
    EXPECT_EQ(p->toKana(QStringLiteral("Rose")).toStdString(), "ローズ");
    EXPECT_EQ(p->toKana(QStringLiteral("Sake")).toStdString(), "サケ");
}

TEST(Pronouncer, SaysUnmarkedLongVowelsOfRomajiLongOnlyWhereNotMarked) {
    const QStringList places = Pronouncer::defaultPlaceDictionaries();
    if (places.isEmpty() ||
        !QFileInfo::exists(QFileInfo(places.front()).dir().filePath("nouns.tsv")))
        GTEST_SKIP() << "the build's table of nouns' readings (mecab-ipadic)";
    const std::unique_ptr<Pronouncer> p =
        Pronouncer::open(Pronouncer::defaultDictionaryDirs(), places);
    ASSERT_TRUE(p) << "mecab-ipadic-utf8";
    // On the tables the build wrote: cities over rare places read short, a common word read
    // short as it is.
    EXPECT_EQ(p->toKana(QStringLiteral("Kobe駅")).toStdString(), "コウベエキ");
    EXPECT_EQ(p->toKana(QStringLiteral("Osaka")).toStdString(), "オオサカ");
    EXPECT_EQ(p->toKana(QStringLiteral("Chuo")).toStdString(), "チュウオウ");
    EXPECT_EQ(p->toKana(QStringLiteral("Ryokan")).toStdString(), "リョカン");
    EXPECT_EQ(p->toKana(QStringLiteral("Tōkyō")).toStdString(), "トーキョー");
    EXPECT_EQ(p->toKana(QStringLiteral("Toukyou")).toStdString(), "トウキョウ");
}
