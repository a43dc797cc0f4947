#pragma once
// Ticket plug-in documents for the tests: the checked-in samples, and the barcode sample
// changed by a function, so that each case states only what it changes.
#include <QByteArray>
#include <QJsonObject>
#include <QString>
#include <functional>

namespace PluginFiles {

QString samplePath(const QString& name); // "yamabato.4SP", "minimal.4SP"
QByteArray sample(const QString& name);
QJsonObject sampleObject(const QString& name);

// The barcode sample with `change` applied, as file bytes.
QByteArray changed(const std::function<void(QJsonObject&)>& change);

// Sets `key` of item `index` of a document's items.
void setItem(QJsonObject& doc, int index, const QString& key, const QJsonValue& value);
void setCapability(QJsonObject& doc, const QString& key, const QJsonValue& value);

} // namespace PluginFiles
