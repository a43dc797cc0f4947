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

// Old form, today's: the forms that Japan's list of common kanji replaced in 1946, as names
// still write them.
const char16_t OldForms[][2] = {
    {u'溪', u'渓'}, {u'澤', u'沢'}, {u'濱', u'浜'}, {u'廣', u'広'}, {u'國', u'国'}, {u'圓', u'円'},
    {u'瀧', u'滝'}, {u'藏', u'蔵'}, {u'壽', u'寿'}, {u'與', u'与'}, {u'萬', u'万'}, {u'寶', u'宝'},
    {u'穗', u'穂'}, {u'處', u'処'}, {u'齋', u'斎'}, {u'眞', u'真'}, {u'鐵', u'鉄'}, {u'實', u'実'},
    {u'邊', u'辺'}, {u'邉', u'辺'}, {u'櫻', u'桜'}, {u'學', u'学'}, {u'驛', u'駅'}, {u'榮', u'栄'},
    {u'關', u'関'}, {u'會', u'会'}, {u'團', u'団'}, {u'體', u'体'}, {u'靜', u'静'}, {u'聲', u'声'},
    {u'龜', u'亀'}, {u'嶽', u'岳'}, {u'豐', u'豊'}, {u'舊', u'旧'}, {u'淺', u'浅'}, {u'曉', u'暁'},
    {u'繩', u'縄'}, {u'鹽', u'塩'}, {u'當', u'当'}, {u'權', u'権'}, {u'狹', u'狭'}, {u'藥', u'薬'},
    {u'錢', u'銭'}, {u'餠', u'餅'}, {u'拂', u'払'}, {u'劔', u'剣'}, {u'劍', u'剣'}, {u'餘', u'余'},
    {u'棧', u'桟'}, {u'來', u'来'}, {u'兒', u'児'}, {u'惠', u'恵'}, {u'縣', u'県'}, {u'燈', u'灯'},
    {u'發', u'発'}, {u'變', u'変'}, {u'轉', u'転'}, {u'傳', u'伝'}, {u'醫', u'医'}, {u'營', u'営'},
    {u'稻', u'稲'}, {u'乘', u'乗'}, {u'歸', u'帰'}, {u'區', u'区'}, {u'淨', u'浄'}, {u'澁', u'渋'},
    {u'絲', u'糸'}, {u'觀', u'観'}, {u'戰', u'戦'}, {u'莊', u'荘'}, {u'條', u'条'}, {u'假', u'仮'},
    {u'礦', u'鉱'}, {u'齒', u'歯'}, {u'峽', u'峡'}, {u'巢', u'巣'}, {u'疊', u'畳'}, {u'靈', u'霊'},
    {u'藝', u'芸'}, {u'廳', u'庁'}, {u'縱', u'縦'}, {u'檢', u'検'}, {u'辨', u'弁'}, {u'瓣', u'弁'},
    {u'辯', u'弁'}, {u'鑛', u'鉱'}, {u'勞', u'労'}, {u'樂', u'楽'}, {u'溫', u'温'}, {u'濟', u'済'},
    {u'佛', u'仏'}, {u'彌', u'弥'}, {u'惡', u'悪'}, {u'燒', u'焼'}, {u'獨', u'独'}, {u'碎', u'砕'},
    {u'禪', u'禅'}, {u'穩', u'穏'}, {u'聯', u'連'}, {u'螢', u'蛍'}, {u'蠶', u'蚕'}, {u'讀', u'読'},
    {u'賣', u'売'}, {u'輕', u'軽'}, {u'遲', u'遅'}, {u'醉', u'酔'}, {u'釀', u'醸'}, {u'險', u'険'},
    {u'隱', u'隠'}, {u'雙', u'双'}, {u'顯', u'顕'}, {u'驗', u'験'}, {u'髮', u'髪'}, {u'黃', u'黄'},
    {u'點', u'点'}, {u'齡', u'齢'}, {u'壹', u'壱'}, {u'貳', u'弐'}, {u'參', u'参'}, {u'拜', u'拝'}};

} // namespace

QChar todaysForm(QChar kanji) {
    for (const auto& f : OldForms)
        if (kanji == QChar(f[0])) return QChar(f[1]);
    return kanji;
}

bool todaysFormsInUnknownWords(QString& text, const ReadWords& words) {
    bool changed = false;
    const std::vector<qsizetype> ends = wordEnds(words, text);
    for (size_t k = 0; k < ends.size(); ++k) {
        if (words[k].known) continue;
        for (qsizetype at = ends[k] - words[k].surface.size(); at < ends[k]; ++at)
            if (const QChar today = todaysForm(text[at]); today != text[at]) {
                text[at] = today;
                changed = true;
            }
    }
    return changed;
}

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
