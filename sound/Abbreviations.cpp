#include "sound/Abbreviations.h"

#include "sound/KanaText.h"

#include <QRegularExpression>

namespace Abbreviations {

namespace {

struct Abbreviation {
    const char* letters;
    const char16_t* reading;
};
const Abbreviation Abbreviations[] = {{"IC", u"インターチェンジ"}, {"JCT", u"ジャンクション"},
                                      {"BC", u"バスセンター"},     {"BT", u"バスターミナル"},
                                      {"SA", u"サービスエリア"},   {"PA", u"パーキングエリア"},
                                      {"BS", u"バスストップ"}};

bool isLetterOrDigit(QChar c) {
    return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9');
}

// A name written in Japanese ends here: a kanji or kana, but no particle of a sentence (お手持ち
// のIC).
bool endsName(QChar c) {
    return KanaText::isKanji(c) || KanaText::isKatakana(c) || c == u'ヶ' || c == u'ヵ' ||
           (KanaText::isHiragana(c) && !QStringView(u"のはをでにがともへやか").contains(c));
}

// An IC that is a chip card's (交通系IC, IC乗車券, ICカード), not an interchange.
bool isCardIc(QStringView text, qsizetype at, qsizetype end) {
    if (at > 0 && text[at - 1] == u'系') return true;
    const QStringView after = text.mid(end);
    for (QStringView card : {u"カード", u"乗車券", u"定期", u"専用", u"タッチ", u"チップ"})
        if (after.startsWith(card)) return true;
    return false;
}

} // namespace

QString expand(const QString& text) {
    QString out;
    qsizetype done = 0; // the text up to here is in `out`; after an abbreviation, its end
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (!(text[i] >= u'A' && text[i] <= u'Z') || (i > 0 && isLetterOrDigit(text[i - 1])))
            continue;
        qsizetype end = i;
        while (end < text.size() && isLetterOrDigit(text[end]))
            ++end;
        // What precedes, past spaces and dots between (鷺沢 IC, 鷺沢IC・JCT), must be a name
        // in Japanese.
        qsizetype before = i;
        while (before > 0 && (text[before - 1] == u' ' || text[before - 1] == u'・'))
            --before;
        if (before == 0 || (!endsName(text[before - 1]) && before != done)) continue;
        const QStringView word = QStringView(text).mid(i, end - i);
        if (word == u"IC" && isCardIc(text, i, end)) continue;
        for (const Abbreviation& a : Abbreviations) {
            if (word != QLatin1String(a.letters)) continue;
            out += QStringView(text).mid(done, i - done);
            out += QStringView(a.reading);
            done = end;
        }
        i = end - 1;
    }
    out += QStringView(text).mid(done);
    // Said as a word rather than spelled (エヌオー) or read as romaji (ノ), and without the
    // pause the dot would make.
    static const QRegularExpression number(QStringLiteral("(?<![A-Za-z])N[Oo]\\.? ?(?=\\d)"));
    out.replace(number, QStringLiteral("ナンバー"));
    // The parts of an address or a stop's number (3-1) are joined by の, not dropped.
    static const QRegularExpression parts(QStringLiteral("(?<=\\d)[-‐−](?=\\d)"));
    out.replace(parts, QStringLiteral("の"));
    // A decimal point is 点 (2.5 ニテンゴ), not the pause of a full stop; digits with more than
    // one dot (a date, a version) are left as they are.
    static const QRegularExpression point(QStringLiteral("(?<![\\d.])(\\d+)\\.(\\d+)(?![.\\d])"));
    out.replace(point, QStringLiteral("\\1点\\2"));
    return out;
}

} // namespace Abbreviations
