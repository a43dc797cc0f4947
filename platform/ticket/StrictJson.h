#pragma once
// Strict reading of one JSON object: every key must be read by the caller (finish() refuses
// the rest), every value must have the kind and range asked for. A refusal throws
// StrictJson::Refusal with a reason that starts with the value's place, as in
// "items[2].size: ...". Used by the ticket plug-in reader.
#include <QJsonArray>
#include <QJsonObject>
#include <QSet>
#include <QString>
#include <QStringList>
#include <optional>

namespace StrictJson {

struct Refusal {
    QString reason;
};

[[noreturn]] void refuse(const QString& place, const QString& what);

class Object {
  public:
    // `place` names the object in reasons ("" for the document itself).
    Object(const QJsonValue& value, QString place);

    bool has(const QString& key) const { return m_object.contains(key); }
    QString place(const QString& key) const;

    // Required values (a missing key is refused); the optional forms return the fallback.
    qint64 integer(const QString& key, qint64 min, qint64 max);
    qint64 integer(const QString& key, qint64 min, qint64 max, qint64 fallback);
    double number(const QString& key, double min, double max, double fallback);
    bool boolean(const QString& key, bool fallback);
    QString string(const QString& key, int maxLength);
    QString string(const QString& key, int maxLength, const QString& fallback);
    // One of `choices`, returned as its index.
    int choice(const QString& key, const QStringList& choices, int fallback);
    // An array of at most `maxCount` values (required when `required`).
    QJsonArray array(const QString& key, int maxCount, bool required);
    // A nested object; read it with a new Object.
    QJsonValue object(const QString& key);

    // Refuses any key that was not read.
    void finish() const;

  private:
    QJsonValue take(const QString& key, bool required);

    QJsonObject m_object;
    QString m_place;
    QSet<QString> m_read;
};

// A string array element as text of at most `maxLength` characters.
QString stringAt(const QJsonArray& array, qsizetype index, const QString& place, int maxLength);

} // namespace StrictJson
