#include "tests/ticket/PluginFiles.h"

#include "tests/common/TestUtil.h"

#include <QJsonArray>
#include <QJsonDocument>

namespace PluginFiles {

QString samplePath(const QString& name) {
    return TestUtil::samplesDir() + QStringLiteral("/plugins/") + name;
}

QByteArray sample(const QString& name) {
    return TestUtil::readFile(samplePath(name));
}

QJsonObject sampleObject(const QString& name) {
    return QJsonDocument::fromJson(sample(name)).object();
}

QByteArray changed(const std::function<void(QJsonObject&)>& change) {
    QJsonObject doc = sampleObject(QStringLiteral("yamabato.4SP"));
    change(doc);
    return QJsonDocument(doc).toJson();
}

void setItem(QJsonObject& doc, int index, const QString& key, const QJsonValue& value) {
    QJsonArray items = doc.value(QStringLiteral("items")).toArray();
    QJsonObject item = items.at(index).toObject();
    if (value.isUndefined())
        item.remove(key);
    else
        item.insert(key, value);
    items.replace(index, item);
    doc.insert(QStringLiteral("items"), items);
}

void setCapability(QJsonObject& doc, const QString& key, const QJsonValue& value) {
    QJsonObject caps = doc.value(QStringLiteral("capabilities")).toObject();
    if (value.isUndefined())
        caps.remove(key);
    else
        caps.insert(key, value);
    doc.insert(QStringLiteral("capabilities"), caps);
}

} // namespace PluginFiles
