#include "platform/Fonts.h"

#include <QFontDatabase>

namespace Fonts {

QString substitute(const QString& faceName) {
    if (faceName == Gothic) return QStringLiteral("IPAGothic");
    if (faceName == Mincho) return QStringLiteral("IPAMincho");
    if (faceName == PGothic) return QStringLiteral("IPAPGothic");
    // The digit faces of the board are not shipped; use them when the user installed them.
    if (faceName == NumC2 || faceName == LunaNumber) {
        if (QFontDatabase::hasFamily(faceName)) return faceName;
        return QStringLiteral("IPAPGothic");
    }
    return faceName;
}

QFont font(const QString& face, qreal pointSize, bool bold) {
    QFont f(substitute(face));
    f.setFamilies({substitute(face), face});
    f.setPointSizeF(pointSize);
    f.setBold(bold);
    return f;
}

QString faceName(const QFont& font) {
    const QStringList families = font.families();
    return families.size() >= 2 ? families.at(1) : font.family();
}

} // namespace Fonts
