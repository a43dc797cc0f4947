#include "platform/core/AppInfo.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace AppInfo {

QString exeBaseName() {
    return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
}

QString programDir() {
    return QCoreApplication::applicationDirPath();
}

QString settingsFilePath() {
    return QDir(programDir()).filePath(exeBaseName() + QStringLiteral(".in4"));
}

} // namespace AppInfo
