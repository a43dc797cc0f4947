#include "sound/KanaText.h"

#include "sound/NumberKana.h"

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

} // namespace

bool isKanji(QChar c) {
    return (c >= u'\u4E00' && c <= u'\u9FFF') || (c >= u'\u3400' && c <= u'\u4DBF') ||
           (c >= u'\uF900' && c <= u'\uFAFF') || c == u'々' || c == u'〆' || c.isSurrogate();
}

bool isHiragana(QChar c) {
    return c >= u'\u3041' && c <= u'\u3096';
}

bool isKatakana(QChar c) {
    return (c >= u'\u30A1' && c <= u'\u30F4') || c == u'ー';
}

QString letterName(QChar c) {
    if (c >= u'A' && c <= u'Z') return QString::fromUtf16(Letters[c.unicode() - u'A']);
    if (c >= u'a' && c <= u'z') return QString::fromUtf16(Letters[c.unicode() - u'a']);
    return QString();
}

QString speakable(QStringView text) {
    QString out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (isDigit(c)) {
            qsizetype end = i;
            while (end < text.size() && isDigit(text[end]))
                ++end;
            out += NumberKana::read(text.mid(i, end - i));
            i = end - 1;
        } else if (isHiragana(c)) {
            out += QChar(c.unicode() + 0x60);
        } else if (c == u'ヴ') {
            // Spoken Japanese has no v: ヴィ is said ビ, ヴ ブ, as the voice would not.
            const qsizetype small =
                QStringView(u"ァィゥェォ").indexOf(i + 1 < text.size() ? text[i + 1] : QChar());
            if (small >= 0) ++i;
            out += QStringView(u"バビブベボ")[small >= 0 ? small : 2];
        } else if (isKatakana(c)) {
            out += c;
        } else if (c == u'ヶ' || c == u'ヵ') {
            // A small ケ between the words of a name is the particle ガ (萩ヶ岡); after a number
            // it is the counter カ (3ヶ所).
            out += i > 0 && isDigit(text[i - 1]) ? u'カ' : u'ガ';
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
        } else {
            out += letterName(c);
        }
    }
    return out;
}

} // namespace KanaText
