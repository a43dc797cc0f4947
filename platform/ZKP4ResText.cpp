// The text helpers and the system name of the resource library.
#include "platform/ZKP4Res.h"
#include "platform/core/Codec932.h"

#include <QSysInfo>

namespace ZKP4Res {

QString GetOsInfo() {
    return QSysInfo::prettyProductName();
}

int LenB_ASCII(const QString& text) {
    return int(Codec932::encode(text).size());
}

QByteArray MidB_Bytes(const QString& text, int start, int count) {
    const QByteArray bytes = Codec932::encode(text);
    if (start < 1 || count <= 0 || start > bytes.size()) return {};
    return bytes.mid(start - 1, count);
}

QString MidB_ASCII(const QString& text, int start, int count) {
    return Codec932::decode(MidB_Bytes(text, start, count));
}

} // namespace ZKP4Res
