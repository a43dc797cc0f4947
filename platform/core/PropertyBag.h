#pragma once
// The host form's property store: controls save and load their properties here under keys
// equal to the property names. A value equal to its default need not be stored.
#include <QStringList>
#include <QVariant>
#include <QVariantMap>

class PropertyBag {
  public:
    QVariant ReadProperty(const QString& key, const QVariant& defaultValue) const {
        return m_values.contains(key) ? m_values.value(key) : defaultValue;
    }
    void WriteProperty(const QString& key, const QVariant& value, const QVariant& defaultValue) {
        m_order.removeAll(key);
        if (value == defaultValue) {
            m_values.remove(key);
            return;
        }
        m_values.insert(key, value);
        m_order.append(key);
    }
    bool contains(const QString& key) const { return m_values.contains(key); }
    // Keys in the order they were last written (defaults left out).
    QStringList keys() const { return m_order; }

  private:
    QVariantMap m_values;
    QStringList m_order;
};
