#include "sound/KanaText.h"

#include "platform/core/Kana.h"
#include "sound/NumberKana.h"
#include "sound/Romaji.h"

#include <algorithm>

namespace KanaText {

namespace {

bool isDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

const char16_t* const Letters[26] = {
    u"エー",   u"ビー",       u"シー",     u"ディー", u"イー",  u"エフ",   u"ジー",
    u"エイチ", u"アイ",       u"ジェイ",   u"ケイ",   u"エル",  u"エム",   u"エヌ",
    u"オー",   u"ピー",       u"キュー",   u"アール", u"エス",  u"ティー", u"ユー",
    u"ブイ",   u"ダブリュー", u"エックス", u"ワイ",   u"ゼット"};

bool isLatin(QChar c) {
    return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') ||
           QStringView(u"āīūēōâîûêôĀĪŪĒŌÂÎÛÊÔ").contains(c);
}

// Whether a word of Latin letters is Japanese written in romaji rather than initials or
// letters to be spelled out. A word with small letters ("Midori", "aozora") is a word, read
// as romaji when it spells nothing but Japanese syllables. A word in capitals is usually
// initials, and initials often spell a syllable or two by chance (JA ジャ, IC, ANA, ION), the
// more so where they start with a vowel or run vowels together. So capitals are read as
// romaji from five letters on (TOYOTA), and at three or four letters only where they start
// with a consonant and never put two vowels together, as a name's syllables do (KAN, KOBE);
// brands in capitals with a reading of their own (AEON) stay spelled, as no rule tells it.
bool readAsRomaji(QStringView word) {
    if (word.size() < 2) return false;
    bool small = false;
    for (QChar c : word)
        small = small || !c.isUpper();
    if (small) {
        // A capital inside a word with small letters marks initials joined to a word
        // (JAbank, iPhone), not a word in romaji.
        for (qsizetype i = 1; i < word.size(); ++i)
            if (word[i].isUpper()) return false;
        return true;
    }
    if (word.size() >= 5) return true;
    if (word.size() < 3) return false;
    const auto vowel = [](QChar c) { return QStringView(u"AIUEOĀĪŪĒŌÂÎÛÊÔ").contains(c); };
    if (vowel(word[0])) return false;
    for (qsizetype i = 1; i < word.size(); ++i)
        if (vowel(word[i]) && vowel(word[i - 1])) return false;
    return true;
}

QString latinWord(QStringView word, EnglishReader* english) {
    if (readAsRomaji(word)) {
        const QString kana = Romaji::toKana(word);
        // A word that is no romaji may be English, and so may one that spells romaji by
        // chance (House ホウセ). Capitals of three letters are far more often initials than
        // words (NEC), so only longer ones are tried (PARK).
        bool small = false;
        for (QChar c : word)
            small = small || c.isLower();
        if (english && (small || word.size() >= 4) &&
            (kana.isEmpty() || english->isEnglish(word.toString(), kana))) {
            const QString read = english->read(word.toString());
            if (!read.isEmpty()) return read;
        }
        if (!kana.isEmpty()) return english ? english->japanese(kana) : kana;
    }
    QString out;
    for (QChar c : word)
        out += letterName(c);
    return out;
}

} // namespace

bool isKanji(QChar c) {
    return (c >= u'\u4E00' && c <= u'\u9FFF') || (c >= u'\u3400' && c <= u'\u4DBF') ||
           (c >= u'\uF900' && c <= u'\uFAFF') || c == u'々' || c == u'〆' || c.isSurrogate();
}

bool hasKanji(QStringView text) {
    return std::any_of(text.begin(), text.end(), isKanji);
}

bool allKanji(QStringView text) {
    return !text.isEmpty() && std::all_of(text.begin(), text.end(), isKanji);
}

bool isHiragana(QChar c) {
    return c >= u'\u3041' && c <= u'\u3096';
}

bool isKatakana(QChar c) {
    return (c >= u'\u30A1' && c <= u'\u30F4') || c == u'ー';
}

namespace {
const QStringView Plain = u"カキクケコサシスセソタチツテトハヒフヘホ";
const QStringView Voiced = u"ガギグゲゴザジズゼゾダヂヅデドバビブベボ";
const QStringView HalfVoiced = u"パピプペポ";
constexpr qsizetype HaRow = 15;
} // namespace

QChar voiced(QChar c) {
    const qsizetype k = Plain.indexOf(c);
    return k < 0 ? QChar() : Voiced[k];
}

QChar halfVoiced(QChar c) {
    const qsizetype k = Plain.indexOf(c);
    return k < HaRow ? QChar() : HalfVoiced[k - HaRow];
}

QStringList firstPartForms(const QString& reading) {
    QStringList out{reading};
    if (reading.size() >= 2 && QStringView(u"ツチクキ").contains(reading.back()))
        out.append(reading.chopped(1) + u'ッ');
    return out;
}

QStringList secondPartForms(const QString& reading) {
    QStringList out{reading};
    if (reading.isEmpty()) return out;
    for (QChar c : {voiced(reading.front()), halfVoiced(reading.front())})
        if (!c.isNull()) out.append(c + reading.mid(1));
    return out;
}

QString withLongVowelMark(const QString& reading) {
    return reading.endsWith(u'ウ') || reading.endsWith(u'イ') ? reading.chopped(1) + u'ー'
                                                              : reading;
}

QString spelledOut(QString reading) {
    static const QString eRow = QStringLiteral("エケセテネヘメレゲゼデベペ");
    for (qsizetype i = 1; i < reading.size(); ++i)
        if (reading[i] == u'ー') reading[i] = eRow.contains(reading[i - 1]) ? u'イ' : u'ウ';
    return reading;
}

namespace {

bool composesFrom(QStringView reading, const QList<QStringList>& parts, qsizetype k, QChar before,
                  Liaison liaison) {
    if (k == parts.size()) return reading.isEmpty();
    for (const QString& r : parts[k]) {
        if (r.isEmpty()) continue;
        QStringList forms = k > 0 ? secondPartForms(r) : QStringList{r};
        const qsizetype vowel = QStringView(u"アイウエオ").indexOf(r.front());
        if (liaison == Liaison::Buddhist && before == u'ン' && vowel >= 0)
            forms.append(QStringView(u"ナニヌネノ")[vowel] + r.mid(1));
        if (k + 1 < parts.size())
            for (qsizetype i = 0, n = forms.size(); i < n; ++i)
                forms.append(firstPartForms(forms[i]).mid(1));
        for (const QString& form : forms)
            if (reading.startsWith(form) &&
                composesFrom(reading.mid(form.size()), parts, k + 1, form.back(), liaison))
                return true;
    }
    return false;
}

} // namespace

bool composes(QStringView reading, const QList<QStringList>& parts, Liaison liaison) {
    return !parts.isEmpty() &&
           composesFrom(spelledOut(reading.toString()), parts, 0, QChar(), liaison);
}

bool saysOneOf(QStringView reading, const QStringList& readings) {
    // Only a closing long vowel is marked: a native reading's イ after the イ row (タマシイ
    // タマシー) is no long vowel spelledOut() could write back.
    for (const QString& r : readings)
        for (const QString& form : secondPartForms(r))
            if (reading == form || reading == withLongVowelMark(form)) return true;
    return false;
}

QChar vowelOf(QChar c) {
    static const QStringView Rows[] = {
        u"アカサタナハマヤラワガザダバパァャヮ", u"イキシチニヒミリギジヂビピィ",
        u"ウクスツヌフムユルグズヅブプゥュヴ", u"エケセテネヘメレゲゼデベペェ",
        u"オコソトノホモヨロヲゴゾドボポォョ"};
    for (qsizetype v = 0; v < 5; ++v)
        if (Rows[v].contains(c)) return u"アイウエオ"[v];
    return QChar();
}

namespace {

bool isWrittenKana(QChar c) {
    return (isHiragana(c) && c != u'ゕ' && c != u'ゖ') || isKatakana(c);
}

// `kana` with its long vowels written as the vowel itself: ー, and the ウ after an O sound and
// the イ after an E sound that spell one.
QString longVowelsAsVowels(QStringView kana) {
    QString out;
    for (QChar c : kana) {
        const QChar before = out.isEmpty() ? QChar() : vowelOf(out.back());
        if (c == u'ー' && !before.isNull()) c = before;
        if ((before == u'オ' && c == u'ウ') || (before == u'エ' && c == u'イ')) c = before;
        out += c;
    }
    return out;
}

// Whether the kana `written` is said `said` in a spelling of old: a large ケ between the words
// of a name for the ガ, カ or ゲ it stands for, a ヒ, フ or ホ inside a word for the vowel it came
// to be said as (向ヒ ムカイ), and a large kana for the small one (チヤ チャ).
bool oldSpelling(QChar written, QChar said) {
    static const QStringView Pairs[][2] = {
        {u"ケケケ", u"ガカゲ"}, {u"ヒフホ", u"イウオ"}, {u"ヤユヨツ", u"ャュョッ"}};
    for (const auto& pair : Pairs)
        for (qsizetype k = 0; k < pair[0].size(); ++k)
            if (written == pair[0][k] && said == pair[1][k]) return true;
    return false;
}

// The kana `written`, each as `said` says it where that is only their spelling of old.
QString withOldSpellingsAsSaid(QString written, const QString& said) {
    if (written.size() != said.size()) return written;
    for (qsizetype i = 0; i < written.size(); ++i) {
        if (oldSpelling(written[i], said[i])) written[i] = said[i];
        // The kana ヲ, ヱ, ヰ of old are today's vowels, also where the dictionary made one long
        // (兵ヱ ベー).
        const qsizetype old = QStringView(u"ヲヱヰ").indexOf(written[i]);
        if (old >= 0 && said[i] != written[i]) written[i] = u"オエイ"[old];
    }
    return written;
}

// The kana `closing` of a word in katakana, its last one as `said` closes where that is the
// particle's ワ or エ of a closing は or へ.
QString closingKana(QStringView closing, const QString& said) {
    QString out = Kana::toKatakana(closing);
    if (!out.isEmpty() && ((closing.back() == u'は' && said.back() == u'ワ') ||
                           (closing.back() == u'へ' && said.back() == u'エ')))
        out.back() = said.back();
    return out;
}

} // namespace

QString asWritten(QStringView surface, const QString& pronunciation) {
    qsizetype open = 0;
    while (open < surface.size() && isWrittenKana(surface[open]))
        ++open;
    qsizetype close = 0;
    while (close < surface.size() - open && isWrittenKana(surface[surface.size() - 1 - close]))
        ++close;
    // A word all in kana is as written even where the dictionary says it in more or fewer
    // kana (アルミニウム アルミニューム).
    if (open == surface.size() && !pronunciation.isEmpty() && pronunciation.size() != open)
        return closingKana(surface, pronunciation);
    // Otherwise each kana is one of the pronunciation's characters, so the ones that open and
    // close the word stand for as many there.
    if (pronunciation.size() < open + close) return pronunciation;
    const QString opening = open == surface.size() ? closingKana(surface, pronunciation)
                                                   : Kana::toKatakana(surface.left(open));
    const QString written =
        withOldSpellingsAsSaid(opening, pronunciation.left(open)) +
        pronunciation.mid(open, pronunciation.size() - open - close) +
        withOldSpellingsAsSaid(closingKana(surface.right(close), pronunciation.right(close)),
                               pronunciation.right(close));
    return longVowelsAsVowels(written) == longVowelsAsVowels(pronunciation) ? pronunciation
                                                                            : written;
}

QString wavesAsLongVowels(QString text) {
    const auto isKana = [](QChar c) { return isHiragana(c) || isKatakana(c); };
    for (qsizetype i = 1; i + 1 < text.size(); ++i)
        if ((text[i] == u'～' || text[i] == u'〜' || text[i] == u'~') && isKana(text[i - 1]) &&
            isKana(text[i + 1]))
            text[i] = u'ー';
    return text;
}

QString letterName(QChar c) {
    if (c >= u'A' && c <= u'Z') return QString::fromUtf16(Letters[c.unicode() - u'A']);
    if (c >= u'a' && c <= u'z') return QString::fromUtf16(Letters[c.unicode() - u'a']);
    return QString();
}

QString speakable(QStringView text, EnglishReader* english) {
    QString out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (isDigit(c)) {
            qsizetype end = i;
            while (end < text.size() && isDigit(text[end]))
                ++end;
            out += NumberKana::read(text.mid(i, end - i));
            i = end - 1;
        } else if (c == u'ヶ' || c == u'ヵ' || c == u'ゖ' || c == u'ゕ') {
            // A small ケ (or its rare hiragana form) between the words of a name is the particle
            // ガ (萩ヶ岡); after a number it is the counter カ (3ヶ所).
            out += i > 0 && isDigit(text[i - 1]) ? u'カ' : u'ガ';
        } else if (isHiragana(c)) {
            out += Kana::toKatakana(c);
        } else if (c == u'ヴ') {
            // Spoken Japanese has no v: ヴィ is said ビ, ヴ ブ, as the voice would not.
            const qsizetype small =
                QStringView(u"ァィゥェォ").indexOf(i + 1 < text.size() ? text[i + 1] : QChar());
            if (small >= 0) ++i;
            out += QStringView(u"バビブベボ")[small >= 0 ? small : 2];
        } else if (isKatakana(c)) {
            out += c;
        } else if (c == u'ヷ') {
            out += u'バ';
        } else if (c == u'&' || c == u'＆') {
            out += QStringLiteral("アンド");
        } else if (c == u'、' || c == u',' || c == u'，') {
            out += u'、';
        } else if (c == u'。' || c == u'.' || c == u'．' || c == u'\n') {
            out += u'。';
        } else if (c == u'？' || c == u'?') {
            out += u'？';
        } else if (c == u'！' || c == u'!') {
            out += u'！';
        } else if (isLatin(c)) {
            // A whole word of letters, apostrophes inside it included (Shin'ya); a capital
            // after a small letter starts another word (WakabaNHK).
            qsizetype end = i + 1;
            while (end < text.size() &&
                   (isLatin(text[end]) ||
                    (text[end] == u'\'' && end + 1 < text.size() && isLatin(text[end + 1]))) &&
                   !(text[end].isUpper() && text[end - 1].isLower()))
                ++end;
            out += latinWord(text.mid(i, end - i), english);
            i = end - 1;
        }
    }
    return out;
}

} // namespace KanaText
