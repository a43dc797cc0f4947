#include "sound/KanjiVariants.h"

namespace KanjiVariants {

namespace {

// Variant, standard form. Only variants that are kanji of their own: those Unicode decomposes
// (塚 U+FA10 to 塚) are folded by the text's normalisation already.
const char16_t Variants[][2] = {
    {u'﨑', u'崎'}, {u'髙', u'高'}, {u'德', u'徳'}, {u'栁', u'柳'}, {u'增', u'増'}, {u'寬', u'寛'},
    {u'淸', u'清'}, {u'黑', u'黒'}, {u'濵', u'浜'}, {u'瀨', u'瀬'}, {u'綠', u'緑'}, {u'緖', u'緒'},
    {u'靑', u'青'}, {u'郞', u'郎'}, {u'鄕', u'郷'}, {u'賴', u'頼'}, {u'橫', u'横'}, {u'敎', u'教'},
    {u'悅', u'悦'}, {u'薰', u'薫'}, {u'桒', u'桑'}, {u'杦', u'杉'}, {u'冝', u'宜'}, {u'隝', u'島'},
    {u'甁', u'瓶'}, {u'羡', u'羨'}, {u'凬', u'風'}, {u'靍', u'鶴'}, {u'靏', u'鶴'}, {u'曻', u'昇'},
    {u'昻', u'昂'}};

} // namespace

QString standardForms(const QString& text) {
    QString out = text;
    for (QChar& c : out)
        for (const auto& v : Variants)
            if (c == QChar(v[0])) {
                c = QChar(v[1]);
                break;
            }
    return out;
}

QString standardForms(const QString& text, const QHash<QChar, QChar>& more) {
    QString out = standardForms(text);
    if (more.isEmpty()) return out;
    for (QChar& c : out)
        c = more.value(c, c);
    return out;
}

} // namespace KanjiVariants
