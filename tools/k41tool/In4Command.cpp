// k41tool in4: shows a settings file as JSON and builds one from JSON.
#include "tools/k41tool/Commands.h"

#include "platform/core/FileReader.h"
#include "platform/core/FileReplace.h"
#include "platform/core/K41Error.h"
#include "settings/In4File.h"
#include "settings/In4Json.h"

#include <QFile>
#include <cstdio>

namespace {

int fail(const QString& message) {
    std::fputs(qPrintable(QStringLiteral("k41tool in4: %1\n").arg(message)), stderr);
    return 1;
}

QByteArray readAll(const QString& path, qsizetype limit) {
    return FileReader::read(path, limit);
}

int dump(const QString& path) {
    const QByteArray bytes = readAll(path, In4Format::MaxFileSize + 1);
    // K41 never reads past this, so what lies beyond could not be given back.
    if (bytes.size() > In4Format::MaxFileSize)
        return fail(QStringLiteral("%1: longer than any settings file (%2 bytes); the rest "
                                   "could not be shown")
                        .arg(path)
                        .arg(In4Format::MaxFileSize));
    const In4File file = In4Format::read(bytes);
    const QByteArray json = In4Json::dump(file);
    std::fwrite(json.constData(), 1, size_t(json.size()), stdout);
    return std::fflush(stdout) == 0 ? 0 : fail(QStringLiteral("cannot write to standard output"));
}

// The settings file at `path` as read, for the fields a JSON description leaves out.
In4File readBase(const QString& path) {
    const QByteArray bytes = readAll(path, In4Format::MaxFileSize + 1);
    if (bytes.size() > In4Format::MaxFileSize)
        throw K41Error(K41Error::Overflow,
                       QStringLiteral("%1: longer than any settings file").arg(path));
    return In4Format::read(bytes);
}

int build(const QString& jsonPath, const QString& outPath, const In4File& base = In4File()) {
    // A JSON description of a settings file stays far below this; the limit only keeps a
    // wrong argument (a disk image, say) from being read whole.
    constexpr qsizetype MaxJson = 64 * 1024 * 1024;
    const QByteArray json = readAll(jsonPath, MaxJson + 1);
    if (json.size() > MaxJson)
        return fail(QStringLiteral("%1: too large for a settings description").arg(jsonPath));
    In4File file;
    try {
        file = In4Json::build(json, base);
    } catch (const K41Error& e) {
        return fail(QStringLiteral("%1: %2").arg(jsonPath, e.description()));
    }
    FileReplace::write(outPath, In4Format::writeExact(file));
    return 0;
}

} // namespace

int in4Command(const QStringList& args) {
    try {
        if (args.size() == 2 && args[0] == QLatin1String("dump")) return dump(args[1]);
        if (args.size() == 3 && args[0] == QLatin1String("build")) return build(args[1], args[2]);
        if (args.size() == 5 && args[0] == QLatin1String("build") &&
            args[1] == QLatin1String("--base"))
            return build(args[3], args[4], readBase(args[2]));
    } catch (const K41Error& e) {
        return fail(QStringLiteral("%1 (error %2)").arg(e.description()).arg(e.number()));
    }
    std::fputs("usage: k41tool in4 dump FILE | k41tool in4 build [--base FILE] JSON OUT\n", stderr);
    return 2;
}
