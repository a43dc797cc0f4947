#include "sound/EnglishKana.h"

#include "sound/EnglishSpelling.h"

#include <QList>

namespace EnglishKana {

namespace {

// A phoneme: a consonant (`consonant` its symbol) or a vowel, said as the Japanese vowel
// `vowel` (a i u e o), optionally gliding to `glide` (aɪ: a then i) or long.
struct Phoneme {
    QString consonant;
    char vowel = 0;
    char glide = 0;
    bool longVowel = false;
    bool reduced = false; // ə, ɪ: written with any vowel letter, said with the letter's sound
    bool shortVowel = false;
    bool front = false; // æ: after k and g said as キャ, ギャ (Campus キャンパス)
    bool stressed = false;
    bool loose = false; // əʊ: long when stressed, else short
};

struct VowelSymbol {
    const char16_t* symbol;
    char vowel, glide;
    bool longVowel, reduced, shortVowel, front;
};

// Two-letter symbols first.
const VowelSymbol Vowels[] = {
    {u"aɪ", 'a', 'i', false, false, false, false}, {u"aʊ", 'a', 'u', false, false, false, false},
    {u"eɪ", 'e', 'i', false, false, false, false}, {u"ɔɪ", 'o', 'i', false, false, false, false},
    {u"əʊ", 'o', 0, true, false, false, false},    {u"oʊ", 'o', 0, true, false, false, false},
    {u"eə", 'e', 'a', false, false, false, false}, {u"ɛə", 'e', 'a', false, false, false, false},
    {u"ɪə", 'i', 'a', false, false, false, false}, {u"iə", 'i', 'a', false, false, false, false},
    {u"ʊə", 'u', 'a', false, false, false, false}, {u"i", 'i', 0, false, false, false, false},
    {u"ɪ", 'i', 0, false, true, true, false},      {u"ᵻ", 'i', 0, false, true, true, false},
    {u"ɨ", 'i', 0, false, true, true, false},      {u"e", 'e', 0, false, false, true, false},
    {u"ɛ", 'e', 0, false, false, true, false},     {u"a", 'a', 0, false, false, true, true},
    {u"æ", 'a', 0, false, false, true, true},      {u"ɑ", 'a', 0, false, false, false, false},
    {u"ɒ", 'o', 0, false, false, true, false},     {u"ɔ", 'o', 0, false, false, false, false},
    {u"ʌ", 'a', 0, false, false, true, false},     {u"ə", 'a', 0, false, true, false, false},
    {u"ɐ", 'a', 0, false, true, false, false},     {u"u", 'u', 0, false, false, false, false},
    {u"ʊ", 'u', 0, false, false, true, false},     {u"o", 'o', 0, false, false, false, false},
    {u"ɜ", 'a', 0, false, false, false, false},    {u"ɚ", 'a', 0, true, false, false, false},
    {u"ɝ", 'a', 0, true, false, false, false},     {u"y", 'u', 0, false, false, false, false},
    {u"ɯ", 'u', 0, false, false, false, false},    {u"ɵ", 'o', 0, false, false, false, false},
    {u"ø", 'o', 0, false, false, false, false},    {u"œ", 'o', 0, false, false, false, false},
};

// Each consonant's syllables with a i u e o, then the consonant said alone.
struct Row {
    const char16_t* symbols; // the phonemes said with this row, separated by spaces
    const char16_t* kana[6];
};

const Row Rows[] = {
    {u"k c q", {u"カ", u"キ", u"ク", u"ケ", u"コ", u"ク"}},
    {u"ɡ g", {u"ガ", u"ギ", u"グ", u"ゲ", u"ゴ", u"グ"}},
    {u"s θ", {u"サ", u"シ", u"ス", u"セ", u"ソ", u"ス"}},
    {u"z ð dz", {u"ザ", u"ジ", u"ズ", u"ゼ", u"ゾ", u"ズ"}},
    {u"ʃ", {u"シャ", u"シ", u"シュ", u"シェ", u"ショ", u"シュ"}},
    {u"ʒ", {u"ジャ", u"ジ", u"ジュ", u"ジェ", u"ジョ", u"ジュ"}},
    {u"dʒ", {u"ジャ", u"ジ", u"ジュ", u"ジェ", u"ジョ", u"ジ"}},
    {u"tʃ", {u"チャ", u"チ", u"チュ", u"チェ", u"チョ", u"チ"}},
    {u"ts", {u"ツァ", u"ツィ", u"ツ", u"ツェ", u"ツォ", u"ツ"}},
    {u"t", {u"タ", u"ティ", u"トゥ", u"テ", u"ト", u"ト"}},
    {u"d", {u"ダ", u"ディ", u"ドゥ", u"デ", u"ド", u"ド"}},
    {u"n ɲ", {u"ナ", u"ニ", u"ヌ", u"ネ", u"ノ", u"ン"}},
    {u"h x", {u"ハ", u"ヒ", u"フ", u"ヘ", u"ホ", u"フ"}},
    {u"ç", {u"ヒャ", u"ヒ", u"ヒュ", u"ヒェ", u"ヒョ", u"ヒ"}},
    {u"f", {u"ファ", u"フィ", u"フ", u"フェ", u"フォ", u"フ"}},
    {u"b v β", {u"バ", u"ビ", u"ブ", u"ベ", u"ボ", u"ブ"}},
    {u"p", {u"パ", u"ピ", u"プ", u"ペ", u"ポ", u"プ"}},
    {u"m", {u"マ", u"ミ", u"ム", u"メ", u"モ", u"ム"}},
    {u"j", {u"ヤ", u"イ", u"ユ", u"イェ", u"ヨ", u"イ"}},
    {u"l ɫ ɬ ɹ r ɾ ɻ", {u"ラ", u"リ", u"ル", u"レ", u"ロ", u"ル"}},
    {u"w ʍ", {u"ワ", u"ウィ", u"ウ", u"ウェ", u"ウォ", u"ウ"}},
    {u"ŋ", {u"ンガ", u"ンギ", u"ング", u"ンゲ", u"ンゴ", u"ング"}},
    {u"", {u"ア", u"イ", u"ウ", u"エ", u"オ", u""}},
};

const Row& rowOf(QStringView consonant) {
    for (const Row& row : Rows)
        for (QStringView symbol : QStringView(row.symbols).split(u' '))
            if (!symbol.isEmpty() && symbol == consonant) return row;
    return Rows[std::size(Rows) - 1];
}

int vowelIndex(char v) {
    switch (v) {
    case 'a':
        return 0;
    case 'i':
        return 1;
    case 'u':
        return 2;
    case 'e':
        return 3;
    default:
        return 4;
    }
}

QString syllable(QStringView consonant, char vowel) {
    return QString::fromUtf16(rowOf(consonant).kana[vowelIndex(vowel)]);
}

QString alone(QStringView consonant) {
    return QString::fromUtf16(rowOf(consonant).kana[5]);
}

bool isConsonantSymbol(QStringView s) {
    return &rowOf(s) != &Rows[std::size(Rows) - 1];
}

// The phonemes of `text`, one word of them (between spaces) a list.
QList<QList<Phoneme>> parse(QStringView phonemes) {
    // Tie bars and other combining marks (syllabic, unreleased) change no kana.
    QString text;
    for (QChar c : phonemes)
        if (c < u'\u0300' || c > u'\u036F') text += c;
    QList<QList<Phoneme>> words(1);
    bool stress = false; // the mark before a stressed vowel was seen
    for (qsizetype i = 0; i < text.size();) {
        const QChar c = text[i];
        if (c == u'ˈ' || c == u'ˌ') {
            stress = true;
            ++i;
            continue;
        }
        if (c == u' ' || c == u'_' || c == u'-') {
            if (!words.last().isEmpty()) words.emplaceBack();
            ++i;
            continue;
        }
        if (c == u'ː') {
            if (!words.last().isEmpty() && words.last().last().vowel)
                words.last().last().longVowel = true;
            ++i;
            continue;
        }
        bool found = false;
        // Affricates and diphthongs are two symbols.
        for (int length : {2, 1}) {
            if (i + length > text.size()) continue;
            const QStringView symbol = QStringView(text).mid(i, length);
            for (const VowelSymbol& v : Vowels)
                if (symbol == QStringView(v.symbol)) {
                    words.last().append({QString(), v.vowel, v.glide, v.longVowel, v.reduced,
                                         v.shortVowel, v.front, stress});
                    words.last().last().loose = symbol == u"əʊ" || symbol == u"oʊ";
                    stress = false;
                    found = true;
                    break;
                }
            if (!found && isConsonantSymbol(symbol)) {
                Phoneme p;
                p.consonant = symbol.toString();
                words.last().append(p);
                found = true;
            }
            if (found) {
                i += length;
                break;
            }
        }
        if (!found) ++i; // syllable marks and anything unknown
    }
    if (words.last().isEmpty()) words.removeLast();
    return words;
}

// Consonants held before (ッ) after a short vowel.
bool holdable(QStringView symbol) {
    return QStringView(u"p t k ɡ g d tʃ dʒ ʃ ts dz").split(u' ').contains(symbol);
}

bool atEnd(const QList<Phoneme>& word, qsizetype k) {
    return k == word.size() - 1 || (k == word.size() - 2 && (word[k + 1].consonant == u"s" ||
                                                             word[k + 1].consonant == u"z"));
}

bool isGlide(const Phoneme& p) {
    return p.consonant == u"j" || p.consonant == u"w";
}

// The consonants word[from, to) that are no syllable's opening, after the vowel `previous`.
void sayAlone(const QList<Phoneme>& word, qsizetype from, qsizetype to, const Phoneme* previous,
              QString& out) {
    for (qsizetype k = from; k < to; ++k) {
        const QString& c = word[k].consonant;
        const bool afterVowel = k == from && previous;
        if (afterVowel && c == u"ɹ") {
            // An r after a vowel lengthens it (car カー).
            if (!previous->longVowel && !previous->glide && !out.endsWith(u'ー')) out += u'ー';
            continue;
        }
        // A stop after a short vowel at the end is held (Clinic クリニック, Box ボックス).
        if (afterVowel && previous->shortVowel && !previous->glide && holdable(c) && atEnd(word, k))
            out += u'ッ';
        const QString next = k + 1 < word.size() ? word[k + 1].consonant : QString();
        if ((c == u"m" && (next == u"p" || next == u"b")) ||
            (c == u"ŋ" && (next == u"k" || next == u"ɡ")))
            out += u'ン';
        else
            out += alone(c);
    }
}

QString readWord(QList<Phoneme> word, const QString& spelling, bool spelledVowels) {
    // A final -le is said with l alone (Table テーブル, Circle サークル).
    const qsizetype n = word.size();
    if (spelling.size() > 3 && spelling.endsWith(QLatin1String("le")) &&
        !EnglishSpelling::isVowelLetter(spelling, spelling.size() - 3) && n >= 3 &&
        word[n - 1].consonant == u"l" && word[n - 2].reduced && !word[n - 3].vowel)
        word.removeAt(n - 2);
    // With as many written vowels as said ones, each reduced vowel takes its letter's sound;
    // else only a reduced vowel in the last syllable does, which takes the last letter's.
    const QList<EnglishSpelling::Vowel> letters = EnglishSpelling::vowels(spelling);
    qsizetype vowels = 0;
    qsizetype lastVowelAt = -1;
    for (qsizetype k = 0; k < word.size(); ++k)
        if (word[k].vowel) {
            ++vowels;
            lastVowelAt = k;
        }
    // -all is said オール, as the British a of Mall is not (Mall モール).
    if (spelling.endsWith(QLatin1String("all")) && lastVowelAt >= 0 &&
        word[lastVowelAt].vowel == 'a' && !word[lastVowelAt].glide) {
        Phoneme& v = word[lastVowelAt];
        v.vowel = 'o';
        v.longVowel = true;
        v.shortVowel = v.front = false;
    }
    const bool aligned = vowels == letters.size();
    bool anyStress = false;
    for (const Phoneme& p : word)
        anyStress = anyStress || p.stressed;
    const bool rEnding = spelling.endsWith(u'r') || spelling.endsWith(QLatin1String("re")) ||
                         spelling.endsWith(QLatin1String("rs")) ||
                         spelling.endsWith(QLatin1String("res"));

    QString out;
    qsizetype vowelNumber = -1;
    qsizetype onset = 0; // the first consonant since the last vowel
    for (qsizetype i = 0; i < word.size(); ++i) {
        if (!word[i].vowel) continue;
        const Phoneme* previous = onset > 0 ? &word[onset - 1] : nullptr;
        // The consonants before this vowel: the last one (with a j or w after it) opens the
        // vowel's syllable, those before it are said alone.
        qsizetype opener = i - 1;
        bool glide = false;
        if (opener - 1 >= onset && isGlide(word[opener]) && !isGlide(word[opener - 1])) {
            --opener;
            glide = true;
        }
        if (opener < onset) opener = i;
        sayAlone(word, onset, opener, previous, out);

        Phoneme v = word[i];
        ++vowelNumber;
        const bool lastVowel = i == lastVowelAt;
        const bool closed = i + 1 < word.size(); // only consonants may follow the last vowel
        if (v.reduced && lastVowel && !closed && rEnding) {
            // Center センター, but Arena アリーナ.
            v.vowel = 'a';
            v.longVowel = true;
        } else if (v.reduced && aligned && letters[vowelNumber].beforeR && closed &&
                   word[i + 1].consonant != u"ɹ") {
            // Written with an r that is not said: Supermarket スーパーマーケット, Afternoon
            // アフターヌーン, Oxford ...フォード, but Modern モダン.
            v.vowel = letters[vowelNumber].letter == u'o' ? 'o' : 'a';
            v.longVowel = !(lastVowel && spelling.endsWith(QLatin1String("ern")));
        } else if (v.reduced && aligned && letters[vowelNumber].beforeR &&
                   letters[vowelNumber].letter == u'e' && closed && word[i + 1].consonant == u"ɹ") {
            v.vowel = 'a'; // -ery アリー (Bakery ベーカリー, Gallery ギャラリー)
        } else if (v.reduced && lastVowel && opener < i && word[opener].consonant == u"v" &&
                   closed && word[i + 1].consonant == u"n") {
            v.vowel = 'u'; // -ven ブン (Seven セブン, Heaven ヘブン)
        } else if (v.reduced && spelledVowels && aligned && (v.vowel == 'a' || lastVowel)) {
            // Schwa anywhere (Factory ファクトリー), ɪ in the last syllable (Market マーケット)
            // but Resort リゾート.
            v.vowel = letters[vowelNumber].sound();
        } else if (v.reduced && spelledVowels && lastVowel && closed && !letters.isEmpty()) {
            v.vowel = letters.back().sound();
        }
        // A long o without stress is said short (Hotel ホテル, Radio ...オ), stressed long
        // (Road ロード).
        if (v.loose && ((!v.stressed && anyStress && !lastVowel) ||
                        (lastVowel && !closed && vowels > 1 && spelling.endsWith(u'o'))))
            v.longVowel = false;
        // uː before n and a vowel is said short (Union ユニオン, Community コミュニティー),
        // elsewhere long (Moon ムーン, Music ミュージック).
        if (v.vowel == 'u' && v.longVowel && !v.glide && i + 2 < word.size() &&
            word[i + 1].consonant == u"n" && word[i + 2].vowel)
            v.longVowel = false;
        // A long a not written with r is said short (Plaza プラザ, but Park パーク).
        if (v.vowel == 'a' && v.longVowel && !v.glide && aligned && !v.reduced &&
            !letters[vowelNumber].beforeR)
            v.longVowel = false;

        QString consonant = opener < i ? word[opener].consonant : QString();
        const QString glideConsonant = glide ? word[opener + 1].consonant : QString();
        // A vowel after a glide to u opens with w (Tower タワー).
        if (opener == i && i > 0 && word[i - 1].vowel && word[i - 1].glide == 'u')
            consonant = QStringLiteral("w");
        // And ɔɪ, eɪ before a with j (Royal ロイヤル, Player プレーヤー).
        if (opener == i && i > 0 && word[i - 1].vowel != 'a' && word[i - 1].glide == 'i' &&
            v.vowel == 'a')
            consonant = QStringLiteral("j");
        if (opener == onset && opener < i && previous && previous->shortVowel && !previous->glide &&
            holdable(consonant) && EnglishSpelling::doubles(consonant, spelling))
            out += u'ッ'; // Shopping ショッピング
        if (glideConsonant == u"j") {
            // ミュ, ニュ, ビュ; テュ from ティ.
            QString base = syllable(consonant, 'i');
            if (base.endsWith(u'ィ')) base.chop(1);
            out += base;
            if (v.vowel != 'i') out += QStringView(u"ャィュェョ")[vowelIndex(v.vowel)];
        } else if (glideConsonant == u"w") {
            // qu, gu: the w is said as the vowel alone (Queen クイーン, Square スクエア).
            const bool velar =
                (consonant == u"k" || consonant == u"ɡ" || consonant == u"g") &&
                (spelling.contains(QLatin1String("qu")) || spelling.contains(QLatin1String("gu")));
            out += alone(consonant) + syllable(velar ? u"" : u"w", v.vowel);
        } else if (consonant == u"w" && opener == 0 && spelling.startsWith(QLatin1String("wh"))) {
            // wh is said ホワ, ホイ, ホエ (White ホワイト, Wheel ホイール).
            out += u'ホ' + syllable(v.vowel == 'a' ? u"w" : u"", v.vowel);
        } else if (v.front && (consonant == u"k" || consonant == u"ɡ" || consonant == u"g")) {
            out += syllable(consonant, 'i') + u'ャ';
        } else {
            out += syllable(consonant, v.vowel);
        }
        const auto next = [&](qsizetype k) {
            return i + k < word.size() ? word[i + k].consonant : QString();
        };
        if (v.glide == 'i' && v.vowel == 'e') {
            // Bay ベイ, Rainbow レインボー, Gate ゲート, Change チェンジ
            if (next(1) == u"n" && next(2) == u"dʒ") {
            } else {
                out += (lastVowel && !closed) || (aligned && letters[vowelNumber].endsInI) ? u'イ'
                                                                                           : u'ー';
            }
        } else if (v.vowel == 'o' && v.longVowel && !v.glide && lastVowel && !closed &&
                   spelling.endsWith(QLatin1String("ore"))) {
            out += u'ア'; // Store ストア
        } else if (v.glide == 'u' && i + 1 < word.size() && word[i + 1].vowel) {
            // Said as the w of the next vowel (Tower タワー).
        } else if (v.glide) {
            out += syllable(u"", v.glide);
        } else if (v.longVowel) {
            out += u'ー';
        } else if (v.vowel == 'i' && lastVowel && !closed && vowels > 1 && !v.reduced) {
            out += u'ー'; // City シティー, Factory ファクトリー
        }
        onset = i + 1;
    }
    sayAlone(word, onset, word.size(), onset > 0 ? &word[onset - 1] : nullptr, out);
    return out;
}

} // namespace

QString fromPhonemes(QStringView phonemes, QStringView spelling, bool spelledVowels) {
    QString word;
    for (QChar c : spelling)
        if (c.isLetter()) word += c.toLower();
    const QList<QList<Phoneme>> words = parse(phonemes);
    QString out;
    // The spelling tells about the vowels of one word only.
    for (const QList<Phoneme>& w : words)
        out += readWord(w, words.size() == 1 ? word : QString(), spelledVowels);
    return out;
}

} // namespace EnglishKana
