#include "sound/NumberKana.h"

namespace NumberKana {

namespace {

const char16_t* const Digit[10] = {u"ゼロ", u"イチ", u"ニ",   u"サン", u"ヨン",
                                   u"ゴ",   u"ロク", u"ナナ", u"ハチ", u"キュウ"};
// Hundreds and thousands change their sound after some digits (サンビャク, ハッセン).
const char16_t* const Hundreds[10] = {u"",           u"ヒャク",      u"ニヒャク",   u"サンビャク",
                                      u"ヨンヒャク", u"ゴヒャク",    u"ロッピャク", u"ナナヒャク",
                                      u"ハッピャク", u"キュウヒャク"};
const char16_t* const Thousands[10] = {u"",         u"セン",      u"ニセン",   u"サンゼン",
                                       u"ヨンセン", u"ゴセン",    u"ロクセン", u"ナナセン",
                                       u"ハッセン", u"キュウセン"};
// Units of each group of four digits, lowest first.
const char16_t* const GroupUnit[4] = {u"", u"マン", u"オク", u"チョウ"};

QString str(const char16_t* s) {
    return QString::fromUtf16(s);
}

// 1 to 9999; `higher` when a unit (万, 億, 兆) follows, where a lone thousand is "イッセン".
QString group(int n, bool higher) {
    QString out;
    const int thousands = n / 1000, hundreds = n / 100 % 10, tens = n / 10 % 10, ones = n % 10;
    if (thousands == 1 && higher)
        out += str(u"イッセン");
    else
        out += str(Thousands[thousands]);
    out += str(Hundreds[hundreds]);
    if (tens > 1) out += str(Digit[tens]);
    if (tens > 0) out += str(u"ジュウ");
    if (ones > 0) out += str(Digit[ones]);
    return out;
}

QString digitByDigit(QStringView digits) {
    QString out;
    for (QChar c : digits)
        out += str(Digit[c.unicode() - u'0']);
    return out;
}

} // namespace

QString read(QStringView digits) {
    for (QChar c : digits)
        if (c < u'0' || c > u'9') return digits.toString();
    if (digits.isEmpty()) return QString();
    if (digits.size() > 16 || (digits.size() > 1 && digits[0] == u'0')) return digitByDigit(digits);
    const qulonglong value = digits.toULongLong();
    if (value == 0) return str(Digit[0]);

    QString out;
    for (int g = 3; g >= 0; --g) {
        qulonglong scale = 1;
        for (int i = 0; i < g; ++i)
            scale *= 10000;
        const int n = int(value / scale % 10000);
        if (n == 0) continue;
        out += group(n, g > 0);
        out += str(GroupUnit[g]);
    }
    return out;
}

} // namespace NumberKana
