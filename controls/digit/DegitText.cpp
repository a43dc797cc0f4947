#include "controls/digit/DegitText.h"

#include <QMetaType>
#include <cmath>

namespace DegitText {

bool isNumber(const QVariant& value) {
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Double:
    case QMetaType::Float:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::SChar:
    case QMetaType::UChar:
        return true;
    default:
        return false;
    }
}

static bool readsAsNumber(const QString& text, double* out) {
    const QString t = text.trimmed();
    if (t.isEmpty()) return false;
    bool ok = false;
    const double v = t.toDouble(&ok);
    // toDouble also accepts "inf" and "nan"; those are words, not numbers on a display.
    if (!ok || !std::isfinite(v)) return false;
    *out = v;
    return true;
}

bool numericValue(const QVariant& value, double* out) {
    if (!value.isValid()) {
        *out = 0;
        return true;
    }
    if (isNumber(value)) {
        const double v = value.toDouble();
        if (!std::isfinite(v)) return false;
        *out = v;
        return true;
    }
    return readsAsNumber(value.toString(), out);
}

static QString textOfNumber(const QVariant& value) {
    switch (value.typeId()) {
    case QMetaType::Double:
    case QMetaType::Float: {
        const double v = value.toDouble();
        if (std::isfinite(v) && v == std::floor(v) && std::fabs(v) < 1e15)
            return QString::number(qint64(v));
        return QString::number(v, 'g', 15).toUpper();
    }
    case QMetaType::UInt:
    case QMetaType::ULongLong:
    case QMetaType::ULong:
    case QMetaType::UChar:
    case QMetaType::UShort:
        return QString::number(value.toULongLong());
    default:
        return QString::number(value.toLongLong());
    }
}

QString textOf(const QVariant& value) {
    if (!value.isValid()) return QString();
    if (isNumber(value)) return textOfNumber(value);
    return value.toString();
}

static bool isEmptyText(const QVariant& value) {
    return !value.isValid() || (!isNumber(value) && value.toString().isEmpty());
}

QVariant substituteZero(const QVariant& value, qint16 zeroMode) {
    double n = 0;
    const bool numeric = numericValue(value, &n);
    const bool zero = numeric && n == 0;
    const bool minusOne = numeric && n == -1;
    const bool empty = isEmptyText(value);
    switch (zeroMode) {
    case 0:
        return zero || empty ? QVariant(QString()) : value;
    case 1:
        return zero || empty ? QVariant(0) : value;
    case 2:
        if (minusOne) return QVariant(0);
        return zero ? QVariant(QString()) : value;
    case 3:
        return zero || minusOne || empty ? QVariant(0) : value;
    default:
        return value;
    }
}

QVariant fillZero(const QVariant& value, qint16 count) {
    // Nothing stays nothing: there is no number to pad.
    if (count <= 0 || !value.isValid()) return value;
    double n = 0;
    if (!numericValue(value, &n)) return value;
    const double whole = std::round(n);
    QString digits = QString::number(std::fabs(whole), 'f', 0);
    if (digits.size() < count) digits.prepend(QString(count - digits.size(), QLatin1Char('0')));
    if (whole < 0) digits.prepend(QLatin1Char('-'));
    return digits;
}

QString displayText(const QVariant& value, const Rules& rules) {
    if (rules.keta <= 0) return QString();
    QString text = textOf(fillZero(substituteZero(value, rules.zeroMode), rules.fillZero));
    // Blanks beyond the cell count would be cut again at once, so no more are added.
    if (rules.shift >= 1) text.append(QString(qMin(rules.shift, rules.keta), QLatin1Char(' ')));
    return text.size() > rules.keta ? text.right(rules.keta) : text;
}

} // namespace DegitText
