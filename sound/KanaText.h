#pragma once
// Character rules of the katakana that the speech synthesiser is given. The synthesiser's
// Japanese voice reads katakana, the long vowel mark and pause punctuation well; anything else
// (a kanji, a Latin letter, a small ヶ) makes it switch languages and spell the character out
// in English, so nothing else may reach it.
#include <QString>
#include <QStringList>

namespace KanaText {

bool isKanji(QChar c);
// Whether `text` holds a kanji; whether it is all kanji (and not empty).
bool hasKanji(QStringView text);
bool allKanji(QStringView text);
bool isHiragana(QChar c);
// Full-width katakana that the voice reads (ァ to ヴ) and the long vowel mark.
bool isKatakana(QChar c);
// The vowel アイウエオ that a katakana closes with (キャ ア at its ャ); null for ン, ッ, ー and
// what is no katakana.
QChar vowelOf(QChar c);

// The sound changes of a kana that opens the second part of a compound: its voiced form (カ
// ガ, ハ バ) and the half-voiced form of the ハ row (ハ パ, after ン or ッ); a null QChar where
// it has none.
QChar voiced(QChar c);
QChar halfVoiced(QChar c);
// The forms `reading` takes as the first part of a compound: as it is, and with its closing ツ,
// チ, ク or キ doubling the next sound (ブツ: ブツ, ブッ).
QStringList firstPartForms(const QString& reading);
// The forms `reading` takes as the second part of a compound: as it is, voiced, and for the ハ
// row half-voiced (ハシ: ハシ, バシ, パシ).
QStringList secondPartForms(const QString& reading);
// A closing ウ or イ written as the long vowel mark, as the dictionary writes pronunciations
// (コウ コー, セイ セー); other readings as they are.
QString withLongVowelMark(const QString& reading);
// The long vowel marks of a Chinese-style reading spelt out as the kanji's readings write them:
// ウ after the O and U rows, イ after the E row (ミョー ミョウ, セー セイ).
QString spelledOut(QString reading);
// Which words a reading is checked against: today's, or the old Buddhist words that keep the
// liaison of ン with a vowel after it (観音 カン+オン カンノン), which words coined since do not
// make (金曜 キンヨウ, 半円 ハンエン).
enum class Liaison { None, Buddhist };
// Whether `reading` (long vowels written out or as ー) says a word of as many characters as
// `parts` has lists, each by one of the readings of its list (as KANJIDIC spells them), with the
// sound changes of a compound: a closing ツ, チ, ク or キ doubling the next sound (ブツ ブッ), and
// a later part voiced or half-voiced (ハシ バシ, パシ). A kanji's Chinese readings as its list
// make this the test of a word read in Chinese style.
bool composes(QStringView reading, const QList<QStringList>& parts,
              Liaison liaison = Liaison::None);
// Whether `reading` (a closing long vowel written out or as ー) is one of `readings`, also in
// the forms the second part of a compound takes (ハシ, バシ, パシ).
bool saysOneOf(QStringView reading, const QStringList& readings);

// The reading `pronunciation` of a word written `surface` with its kana said as written: the
// dictionary gives a kana word it takes for a verb or an adjective its spoken form (いわ ユワ,
// なう ナー) and mends some kana of the names it knows (チヂ チジ), but a name in kana is said
// as it is spelt. A word all in kana is read as written; a word of kanji and kana has the
// kana that open and close it so read. Only long vowels may differ (トーキョー for とうきょう),
// and a closing は or へ read ワ or エ stays: the particle the dictionary fused into its word
// (こんにちは).
QString asWritten(QStringView surface, const QString& pronunciation);

// `text` with each wave dash between two kana made the long vowel it playfully stands for
// (ぽ～ろ ポーロ); a wave dash anywhere else (a range, 10～12) is kept.
QString wavesAsLongVowels(QString text);

// How a Latin letter is read in Japanese ("N" → "エヌ"); empty for other characters.
QString letterName(QChar c);

// Reads a word of Latin letters as the English word Japanese says it in katakana (Park
// パーク); empty when it is no English word it can read.
class EnglishReader {
  public:
    virtual ~EnglishReader() = default;
    virtual QString read(const QString& word) = 0;
    // Whether `word`, which also spells romanised Japanese read `romaji`, is rather an English
    // word to read.
    virtual bool isEnglish(const QString& word, const QString& romaji) {
        (void)word;
        (void)romaji;
        return false;
    }
    // How Japanese written in romaji and read `romaji` is said, when the words Japanese has
    // tell (Tokyo トウキョウ, its long vowels left unmarked); else as it is spelled.
    virtual QString japanese(const QString& romaji) { return romaji; }
};

// What of `text` the synthesiser is given: katakana (hiragana made katakana, ヶ and ヵ as the
// ガ/カ they stand for, ヴ as the b it is said with), the long vowel mark, pause punctuation
// (、。？！), a word of Latin letters that spells romanised Japanese as that Japanese
// ("Wakaba" ワカバ) and other Latin letters by their Japanese names (NHK エヌエイチケイ), & as
// アンド, and runs of digits read as numbers. Other characters are dropped. With `english`,
// a word of Latin letters that is neither romaji nor initials is read by it (Museum
// ミュージアム) when it can, as is one that spells romaji but that it takes for English (House).
QString speakable(QStringView text, EnglishReader* english = nullptr);

} // namespace KanaText
