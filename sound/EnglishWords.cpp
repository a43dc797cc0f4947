#include "sound/EnglishWords.h"

#include "sound/EnglishKana.h"
#include "sound/EspeakVoice.h"
#include "sound/LoanwordKana.h"
#include "sound/Romaji.h"

namespace {

// espeak-ng's English (British pronunciation, closest to the one Japanese loanwords follow:
// Hospital ホスピタル, not ハスピタル).
class EspeakEnglish : public EnglishWords::Phonemiser {
  public:
    QString phonemes(const QString& text) override {
        // Asked once: a missing voice is not looked for on every word.
        if (m_missing) return QString();
        const QString out = EspeakVoice::phonemes(text, "en");
        if (out.isEmpty()) m_missing = !EspeakVoice::installed("en");
        return out;
    }

  private:
    bool m_missing = false;
};

constexpr qsizetype MaxWords = 4096;
constexpr qsizetype MaxLetters = 32;

// Whether a word in capitals begins as an English word can (PLANT, STREET), not with a run
// of consonants no English word has (YMCA): initials the English voice would say as a word.
bool beginsLikeAWord(const QString& word) {
    // Y after a consonant is a vowel (SKYLINE, SYSTEM), at the start a consonant (YMCA).
    qsizetype consonants = 0;
    while (consonants < word.size() && !QStringView(u"AEIOU").contains(word[consonants]) &&
           !(word[consonants] == u'Y' && consonants > 0))
        ++consonants;
    if (consonants <= 1) return true;
    const QString onset = word.left(consonants);
    static const QStringList onsets = {
        "BL", "BR", "CH", "CL",  "CR",  "DR",  "DW",  "FL",  "FR",  "GL",  "GN",  "GR", "KN", "PH",
        "PL", "PR", "SC", "SH",  "SK",  "SQ",  "SL",  "SM",  "SN",  "SP",  "ST",  "SW", "TH", "TR",
        "TW", "WH", "WR", "SCH", "SCR", "SHR", "SPL", "SPR", "STR", "THR", "CHR", "PHR"};
    return onsets.contains(onset);
}

qsizetype stresses(const QString& phonemes) {
    return phonemes.count(u'ˈ') + phonemes.count(u'ˌ');
}

} // namespace

EnglishWords::EnglishWords()
    : m_phonemiser(std::make_unique<EspeakEnglish>()), m_list(std::make_unique<EnglishWordList>()) {
}

EnglishWords::EnglishWords(std::unique_ptr<Phonemiser> phonemiser)
    : m_phonemiser(std::move(phonemiser)) {}

EnglishWords::~EnglishWords() = default;

QString EnglishWords::read(const QString& word) {
    const auto found = m_read.constFind(word);
    if (found != m_read.cend()) return *found;
    if (m_read.size() >= MaxWords) m_read.clear();
    const QString kana = readUncached(word);
    m_read.insert(word, kana);
    return kana;
}

bool EnglishWords::isEnglish(const QString& word, const QString& romaji) {
    return m_list && m_japanese && m_list->contains(word) && !m_japanese->knows(romaji);
}

QString EnglishWords::japanese(const QString& romaji) {
    // A word with no long vowel to add needs no table, so the tables are not read for it.
    if (m_nounTables.isEmpty() || (Romaji::longVowelReadings(romaji).isEmpty() &&
                                   Romaji::barLongVowelReadings(romaji).isEmpty()))
        return romaji;
    if (!m_nouns) m_nouns = std::make_unique<NounReadings>(NounReadings::load(m_nounTables));
    return m_nouns->spoken(romaji);
}

void EnglishWords::setNounTables(QStringList paths) {
    m_nounTables = std::move(paths);
    m_nouns.reset();
}

void EnglishWords::setLoanwordTable(QString path) {
    m_loanwordTable = std::move(path);
    m_loanwords.reset();
    m_read.clear(); // read without the table, or with another
}

void EnglishWords::setWordList(std::unique_ptr<EnglishWordList> list) {
    m_list = std::move(list);
}

void EnglishWords::setJapaneseWords(std::unique_ptr<JapaneseWords> japanese) {
    m_japanese = std::move(japanese);
}

QString EnglishWords::readUncached(const QString& word) {
    if (!m_phonemiser || word.isEmpty() || word.size() > MaxLetters) return QString();
    qsizetype letters = 0;
    bool small = false;
    for (QChar c : word) {
        const bool latin = (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
        if (!latin && c != u'\'') return QString();
        letters += latin ? 1 : 0;
        small = small || c.isLower();
    }
    bool vowel = false;
    for (QChar c : word)
        vowel = vowel || QStringView(small ? u"aeiouyAEIOUY" : u"AEIOU").contains(c);
    // Initials in capitals often make a word by chance (YKK, YMCA), never without a vowel
    // letter nor with a start no English word has.
    if (!vowel || (!small && !beginsLikeAWord(word))) return QString();
    const QString phonemes = m_phonemiser->phonemes(word);
    // A word the voice spells out stresses every letter (JFE dʒˌeɪˌɛfˈiː): initials.
    if (phonemes.isEmpty() || stresses(phonemes) >= letters) return QString();
    if (!m_loanwords && !m_loanwordTable.isEmpty())
        m_loanwords = std::make_unique<NounReadings>(NounReadings::load({m_loanwordTable}));
    if (!m_loanwords || m_loanwords->isEmpty()) return EnglishKana::fromPhonemes(phonemes, word);
    return LoanwordKana::choose(phonemes, word,
                                [this](const QString& kana) { return m_loanwords->cost(kana); });
}
