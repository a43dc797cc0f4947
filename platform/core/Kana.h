#pragma once
// Hiragana and katakana stand in the same order, 0x60 code points apart (ぁ U+3041 … ゖ U+3096,
// ァ U+30A1 … ヶ U+30F6, and the iteration marks ゝゞ ヽヾ). Readings move between the two scripts:
// dictionaries write native words in hiragana, the synthesiser is given katakana.
#include <QString>
#include <QStringView>

namespace Kana {

constexpr char16_t ScriptDistance = 0x60;

// The katakana of a hiragana; any other character as it is.
inline QChar toKatakana(QChar c) {
    const bool hiragana = (c >= u'\u3041' && c <= u'\u3096') || c == u'ゝ' || c == u'ゞ';
    return hiragana ? QChar(char16_t(c.unicode() + ScriptDistance)) : c;
}

// The hiragana of a katakana that has one (ァ to ヶ, ヽ, ヾ); any other character as it is.
inline QChar toHiragana(QChar c) {
    const bool katakana = (c >= u'\u30A1' && c <= u'\u30F6') || c == u'ヽ' || c == u'ヾ';
    return katakana ? QChar(char16_t(c.unicode() - ScriptDistance)) : c;
}

inline QString toKatakana(QStringView text) {
    QString out(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i)
        out[i] = toKatakana(text[i]);
    return out;
}

inline QString toHiragana(QStringView text) {
    QString out(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i)
        out[i] = toHiragana(text[i]);
    return out;
}

} // namespace Kana
