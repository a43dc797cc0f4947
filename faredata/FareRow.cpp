#include "faredata/FareRow.h"

#include "platform/core/K41Error.h"

qint16 FareRow::Fare(int k) const {
    if (k < 1 || k > FareCount)
        throw K41Error::subscript(QStringLiteral("運賃の列 %1 (1～%2)").arg(k).arg(FareCount));
    return Fares[static_cast<size_t>(k - 1)];
}
