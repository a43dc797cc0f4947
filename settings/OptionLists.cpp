#include "settings/OptionLists.h"

namespace OptionLists {

QStringList numbers(int count) {
    QStringList out;
    for (int n = 1; n <= count; ++n)
        out << QString::number(n);
    return out;
}

QStringList numberingStyles() {
    // Each item ends with the last number shown: 23 where the first place shows a word or a
    // blank or counting starts at 0, 24 otherwise.
    const QStringList out = {
        QStringLiteral("1,2,3...24 （既定の表示）"), QStringLiteral("0,1,2...23"),
        QStringLiteral("「なし」、1,2...23"),        QStringLiteral("「なし」、2,3...24"),
        QStringLiteral("「無券」、1,2...23"),        QStringLiteral("「無券」、2,3...24"),
        QStringLiteral("「券なし」、1,2...23"),      QStringLiteral("「券なし」、2,3...24"),
        QStringLiteral("「券無し」、1,2...23"),      QStringLiteral("「券無し」、2,3...24"),
        QStringLiteral("(無地)、1,2...23"),          QStringLiteral("(無地)、2,3...24"),
    };
    Q_ASSERT(out.size() == NumberingStyleCount);
    return out;
}

QStringList chimeiFontModes() {
    return {QStringLiteral("ゴシック体"), QStringLiteral("明朝体"),
            QStringLiteral("漢字はゴシック、それ以外は明朝"),
            QStringLiteral("漢字は明朝、それ以外はゴシック"),
            QStringLiteral("英数字はゴシック、それ以外は明朝")};
}

QStringList tsugiwaFontModes() {
    return {QStringLiteral("すべてゴシック体"), QStringLiteral("「は」だけ明朝体"),
            QStringLiteral("すべて明朝体"), QStringLiteral("「は」だけゴシック体")};
}

QStringList tsugiwaModes() {
    return {QStringLiteral("「次は」表示なし"), QStringLiteral("「次は」を表示（「は」が小さい）"),
            QStringLiteral("「次は」を表示（同じ大きさ）")};
}

} // namespace OptionLists
