#include "platform/ticket/StrictJson.h"

#include <cmath>

namespace StrictJson {

void refuse(const QString& place, const QString& what) {
    throw Refusal{place.isEmpty() ? what : place + QStringLiteral(": ") + what};
}

namespace {

QString checkedString(const QJsonValue& value, const QString& place, int maxLength) {
    if (!value.isString()) refuse(place, QStringLiteral("文字列が必要です"));
    const QString text = value.toString();
    if (text.size() > maxLength)
        refuse(place, QStringLiteral("文字列が長すぎます（%1 文字まで）").arg(maxLength));
    return text;
}

} // namespace

Object::Object(const QJsonValue& value, QString place) : m_place(std::move(place)) {
    if (!value.isObject()) refuse(m_place, QStringLiteral("オブジェクト {...} が必要です"));
    m_object = value.toObject();
}

QString Object::place(const QString& key) const {
    return m_place.isEmpty() ? key : m_place + u'.' + key;
}

QJsonValue Object::take(const QString& key, bool required) {
    m_read.insert(key);
    const auto it = m_object.constFind(key);
    if (it == m_object.constEnd()) {
        if (required) refuse(place(key), QStringLiteral("ありません"));
        return QJsonValue(QJsonValue::Undefined);
    }
    return it.value();
}

qint64 Object::integer(const QString& key, qint64 min, qint64 max) {
    const QJsonValue v = take(key, true);
    // JSON numbers arrive as doubles: a huge or fractional number is refused here, before
    // any conversion to an integer can overflow.
    const double d = v.toDouble(std::nan(""));
    if (!v.isDouble() || !std::isfinite(d) || d != std::floor(d) || d < double(min) ||
        d > double(max))
        refuse(place(key), QStringLiteral("%1～%2 の整数が必要です").arg(min).arg(max));
    return static_cast<qint64>(d);
}

qint64 Object::integer(const QString& key, qint64 min, qint64 max, qint64 fallback) {
    if (!has(key)) {
        m_read.insert(key);
        return fallback;
    }
    return integer(key, min, max);
}

double Object::number(const QString& key, double min, double max, double fallback) {
    const QJsonValue v = take(key, false);
    if (v.isUndefined()) return fallback;
    const double d = v.toDouble(std::nan(""));
    if (!v.isDouble() || !std::isfinite(d) || d < min || d > max)
        refuse(place(key), QStringLiteral("%1～%2 の数値が必要です").arg(min).arg(max));
    return d;
}

bool Object::boolean(const QString& key, bool fallback) {
    const QJsonValue v = take(key, false);
    if (v.isUndefined()) return fallback;
    if (!v.isBool()) refuse(place(key), QStringLiteral("true か false が必要です"));
    return v.toBool();
}

QString Object::string(const QString& key, int maxLength) {
    return checkedString(take(key, true), place(key), maxLength);
}

QString Object::string(const QString& key, int maxLength, const QString& fallback) {
    const QJsonValue v = take(key, false);
    if (v.isUndefined()) return fallback;
    return checkedString(v, place(key), maxLength);
}

int Object::choice(const QString& key, const QStringList& choices, int fallback) {
    const QJsonValue v = take(key, false);
    if (v.isUndefined()) return fallback;
    const int index = v.isString() ? int(choices.indexOf(v.toString())) : -1;
    if (index < 0)
        refuse(place(key),
               QStringLiteral("次のどれかが必要です: %1").arg(choices.join(QStringLiteral(", "))));
    return index;
}

QJsonArray Object::array(const QString& key, int maxCount, bool required) {
    const QJsonValue v = take(key, required);
    if (v.isUndefined()) return {};
    if (!v.isArray()) refuse(place(key), QStringLiteral("配列 [...] が必要です"));
    const QJsonArray a = v.toArray();
    if (a.size() > maxCount)
        refuse(place(key), QStringLiteral("要素が多すぎます（%1 個まで）").arg(maxCount));
    return a;
}

QJsonValue Object::object(const QString& key) {
    return take(key, true);
}

void Object::finish() const {
    for (auto it = m_object.constBegin(); it != m_object.constEnd(); ++it)
        if (!m_read.contains(it.key()))
            refuse(place(it.key()), QStringLiteral("このキーは使えません"));
}

QString stringAt(const QJsonArray& array, qsizetype index, const QString& place, int maxLength) {
    return checkedString(array.at(index), QStringLiteral("%1[%2]").arg(place).arg(index),
                         maxLength);
}

} // namespace StrictJson
