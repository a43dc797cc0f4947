#include "sound/mdlSndAPI.h"

#include "platform/core/AppInfo.h"
#include "platform/core/HeldWait.h"
#include "platform/core/PathResolver.h"
#include "sound/MciInterpreter.h"

#include <QFileInfo>
#include <new>

namespace mdlSndAPI {

namespace {

// The channel's device alias: the executable's name followed by the channel, "K41S1". A
// blank or quote in a renamed executable would split the alias inside the command strings
// and leave every channel silent, so those become "_".
QString aliasOf(const QString& channel) {
    QString alias = AppInfo::exeName() + channel;
    for (QChar& c : alias)
        if (c.isSpace() || c == QLatin1Char('"')) c = QLatin1Char('_');
    return alias;
}

QChar quote() {
    return QLatin1Char('"');
}

void play(const QString& path, const QString& channel, qint16 sync, qint16 pauseMs) {
    // A missing or empty file setting means silence and leaves the channel's sound alone.
    if (path.isEmpty() || !QFileInfo(PathResolver::resolve(path)).isFile()) return;

    const QString alias = aliasOf(channel);
    mciSendString(QStringLiteral("close ") + alias);

    QString type;
    if (path.right(3).toUpper().trimmed() == QLatin1String("WAV"))
        type = QStringLiteral("waveaudio");
    else if (mdlSndAPI::IsMidiFile(path))
        type = QStringLiteral("sequencer");
    else
        return;

    mciSendString(QStringLiteral("open ") + quote() + path + quote() + QStringLiteral(" type ") +
                  type + QStringLiteral(" alias ") + alias + QStringLiteral(" wait"));
    if (sync != 0) {
        mciSendString(QStringLiteral("play ") + alias + QStringLiteral(" from 0 wait"));
        // A negative count would be a wait of weeks once taken as unsigned; it means none.
        if (pauseMs > 0) HeldWait::forMs(pauseMs);
    } else {
        mciSendString(QStringLiteral("stop ") + alias);
        mciSendString(QStringLiteral("play ") + alias + QStringLiteral(" from 0"));
    }
}

} // namespace

void SndPlay(const QString& path, const QString& channel, qint16 sync, qint16 pauseMs) {
    try {
        play(path, channel, sync, pauseMs);
    } catch (const std::bad_alloc&) {
        // Out of memory while the commands were built: this sound fails, nothing more.
    }
}

void SndCloseAll() {
    try {
        for (const char* channel : {"S1", "S2", "S3", "S4"})
            mciSendString(QStringLiteral("close ") + aliasOf(QLatin1String(channel)));
    } catch (const std::bad_alloc&) {
        // The channels left open are closed with the process.
    }
}

bool IsMidiFile(const QString& path) {
    return path.right(3).toUpper().trimmed() == QLatin1String("MID");
}

} // namespace mdlSndAPI
