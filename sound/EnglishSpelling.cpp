#include "sound/EnglishSpelling.h"

namespace EnglishSpelling {

char Vowel::sound() const {
    switch (letter.unicode()) {
    case u'e':
        return 'e';
    case u'i':
    case u'y':
        return 'i';
    case u'o':
        return 'o';
    default:
        return 'a';
    }
}

bool isVowelLetter(QStringView word, qsizetype i) {
    const QChar c = word[i];
    if (QStringView(u"aeiou").contains(c)) return true;
    return c == u'y' && i > 0;
}

QList<Vowel> vowels(const QString& word) {
    QString w = word;
    if (w.endsWith(u's') && w.size() > 3) w.chop(1);
    if (w.endsWith(QLatin1String("le")) && w.size() > 3)
        w.chop(2);
    else if (w.endsWith(u'e') && w.size() > 2 && !isVowelLetter(w, w.size() - 2))
        w.chop(1);
    QList<Vowel> out;
    for (qsizetype i = 0; i < w.size(); ++i) {
        if (!isVowelLetter(w, i)) continue;
        if (i + 1 < w.size() && isVowelLetter(w, i + 1)) continue;
        Vowel v;
        v.letter = w[i];
        v.beforeR = i + 1 < word.size() && word[i + 1] == u'r';
        v.endsInI =
            i > 0 && (w[i] == u'i' || w[i] == u'y') && (w[i - 1] == u'a' || w[i - 1] == u'e');
        // A reduced vowel written ai is said e (Mountain マウンテン).
        if (i > 0 && w[i - 1] == u'a' && (w[i] == u'i' || w[i] == u'y')) v.letter = u'e';
        out.append(v);
    }
    if (word.endsWith(QLatin1String("age")) && !out.isEmpty()) out.back().letter = u'e';
    return out;
}

bool doubles(QStringView symbol, const QString& word) {
    const auto has = [&](const char* s) { return word.contains(QLatin1String(s)); };
    if (symbol == u"p") return has("pp");
    if (symbol == u"t") return has("tt");
    if (symbol == u"k") return has("ck") || has("cc") || has("kk");
    if (symbol == u"d") return has("dd");
    if (symbol == u"ɡ" || symbol == u"g") return has("gg");
    if (symbol == u"tʃ") return has("tch");
    return false;
}

} // namespace EnglishSpelling
