#include "platform/core/BackendModule.h"

#include "platform/core/AppInfo.h"
#include "platform/core/K41Error.h"

#include <QDir>
#include <QFileInfo>
#include <QLibrary>
#include <map>
#include <mutex>
#include <string>

#ifndef K41_MODULES_FROM_BIN
#error                                                                                             \
    "K41_MODULES_FROM_BIN (the installed module folder relative to the executable) is set by the build"
#endif

namespace BackendModule {

namespace {

// The runtime error for a module that is there but cannot be loaded ("error in loading DLL").
constexpr int LoadFailed = 48;

struct Loaded {
    void* entry = nullptr;
    QString error; // when entry is null
    int number = 0;
};

std::mutex& lock() {
    static std::mutex m;
    return m;
}

// Every entry point found, by module and name. Modules are never unloaded: objects they made
// may live until the process ends. A failure is not kept: a module installed meanwhile is
// found on the next use.
std::map<std::string, void*>& loaded() {
    static std::map<std::string, void*> m;
    return m;
}

Loaded load(const char* name, const char* symbol, const QString& feature) {
    const QString file = fileName(name);
    QString found;
    for (const QString& dir : searchDirs()) {
        const QString path = QDir(dir).filePath(file);
        if (QFileInfo(path).isFile()) {
            found = path;
            break;
        }
    }
    if (found.isEmpty())
        return {nullptr,
                QStringLiteral("%1を使えません。%2 が見つかりません (探した場所: %3)")
                    .arg(feature, file, searchDirs().join(QStringLiteral(", "))),
                K41Error::FileNotFound};
    // Never unloaded: what the module made may live until the process ends.
    QLibrary library(found);
    library.setLoadHints(QLibrary::PreventUnloadHint);
    if (!library.load())
        return {nullptr,
                QStringLiteral("%1を使えません。%2 を読み込めません: %3")
                    .arg(feature, found, library.errorString()),
                LoadFailed};
    void* entry = reinterpret_cast<void*>(library.resolve(symbol));
    if (!entry)
        return {nullptr,
                QStringLiteral("%1を使えません。%2 に %3 がありません")
                    .arg(feature, found, QString::fromLatin1(symbol)),
                LoadFailed};
    return {entry, {}, 0};
}

} // namespace

QString fileName(const char* name) {
    return QStringLiteral("lib%1.so").arg(QString::fromLatin1(name));
}

QStringList searchDirs() {
    QStringList dirs;
    const QString chosen = qEnvironmentVariable("K41_MODULE_DIR");
    if (!chosen.isEmpty()) dirs << chosen;
    const QDir program(AppInfo::programDir());
    dirs << program.path()
         << QDir::cleanPath(program.filePath(QStringLiteral(K41_MODULES_FROM_BIN)))
         << QDir::cleanPath(program.filePath(QStringLiteral("../lib/k41")));
    dirs.removeDuplicates();
    return dirs;
}

void* entry(const char* name, const char* symbol, const QString& feature) {
    const std::lock_guard<std::mutex> guard(lock());
    const std::string key = std::string(name) + '/' + symbol;
    if (const auto it = loaded().find(key); it != loaded().end()) return it->second;
    const Loaded result = load(name, symbol, feature);
    if (!result.entry) throw K41Error(result.number, result.error);
    loaded().emplace(key, result.entry);
    return result.entry;
}

} // namespace BackendModule
