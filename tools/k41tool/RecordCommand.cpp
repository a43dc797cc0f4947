// k41tool record: an automatic ride of one route rendered offline into a video file or a
// folder of pictures and sound, with K41's own windows on no screen and its sound on no
// device.
#include "tools/k41tool/RecordCommand.h"
#include "app/Form1.h"
#include "app/RideRecorder.h"
#include "app/Startup.h"
#include "panel/BacklightFrame.h"
#include "panel/frmCtl.h"
#include "platform/core/K41Error.h"
#include "sound/MciInterpreter.h"
#include "sound/OfflineAudioEngine.h"

#include <QFile>
#include <QFileInfo>
#include <cstdio>

namespace {

const char Usage[] =
    "usage: k41tool record --settings FILE --route N [--section S] [--seconds-per-stop D]\n"
    "                      [--timetable-speed 1|2|10] [--scale X] [--fps F]\n"
    "                      [--key-colour RRGGBB] [--lossless] [--progress] OUT\n";

int usage(const QString& why = {}) {
    if (!why.isEmpty()) std::fprintf(stderr, "k41tool record: %s\n", qPrintable(why));
    std::fputs(Usage, stderr);
    return 2;
}

} // namespace

int recordCommand(const QStringList& arguments) {
    QStringList args = arguments;
    QString settingsPath;
    RideRecorder::Options options;
    bool progress = false;
    while (!args.isEmpty() && args.first().startsWith(QLatin1String("--"))) {
        const QString flag = args.takeFirst();
        if (flag == QLatin1String("--lossless")) {
            options.lossless = true;
            continue;
        }
        if (flag == QLatin1String("--progress")) {
            progress = true;
            continue;
        }
        if (args.isEmpty()) return usage(flag + QStringLiteral(" needs a value"));
        const QString value = args.takeFirst();
        bool ok = true;
        if (flag == QLatin1String("--settings")) {
            settingsPath = value;
        } else if (flag == QLatin1String("--route")) {
            value.toUInt(&ok);
            options.route = value;
        } else if (flag == QLatin1String("--section")) {
            value.toUInt(&ok);
            options.section = value;
        } else if (flag == QLatin1String("--seconds-per-stop")) {
            options.secondsPerStop = value.toInt(&ok);
            ok = ok && options.secondsPerStop >= 1 && options.secondsPerStop <= 3600;
        } else if (flag == QLatin1String("--timetable-speed")) {
            options.timetableFactor = value.toInt(&ok);
            ok = ok && (options.timetableFactor == 1 || options.timetableFactor == 2 ||
                        options.timetableFactor == 10);
        } else if (flag == QLatin1String("--scale")) {
            options.scale = value.toDouble(&ok);
            ok = ok && options.scale >= 0.25 && options.scale <= 8;
        } else if (flag == QLatin1String("--fps")) {
            options.fps = value.toInt(&ok);
            ok = ok && options.fps >= 1 && options.fps <= 120;
        } else if (flag == QLatin1String("--key-colour") || flag == QLatin1String("--key-color")) {
            const uint rgb = value.toUInt(&ok, 16);
            ok = ok && value.size() == 6;
            options.key = QColor::fromRgb(QRgb(rgb));
        } else {
            return usage(QStringLiteral("unknown option ") + flag);
        }
        if (!ok) return usage(QStringLiteral("bad value for %1: %2").arg(flag, value));
    }
    if (args.size() != 1 || settingsPath.isEmpty() || options.route.isEmpty()) return usage();
    options.out = args.first();
    const bool existed = QFileInfo::exists(options.out);

    // Sound goes to the recording, never to a device; set before anything can play.
    AudioEngine::setFactory([] { return std::make_unique<OfflineAudioEngine>(); });
    try {
        Startup k41(settingsPath);
        // Nobody is there to close a message box: say it and go on.
        k41.panel->showMessageBox = [](const QString& text) {
            std::fprintf(stderr, "k41tool record: %s\n", qPrintable(text));
        };
        k41.panel->backlightFrame->showErrorBox = k41.panel->showMessageBox;
        k41.run();
        // The program's one sound output, opened through the factory above.
        auto* audio = dynamic_cast<OfflineAudioEngine*>(&MciInterpreter::instance().engine());
        if (!audio)
            throw K41Error(K41Error::InternalError,
                           QStringLiteral("音の出力が録画用ではありません"));
        RideRecorder recorder(k41, *audio, options);
        // "--progress": one line "DONE_MS TOTAL_MS" on standard output every second of the
        // recording, for a window that shows a progress bar.
        qint64 said = -1000;
        recorder.run([progress, &said](qint64 done, qint64 total) {
            if (progress && done - said >= 1000) {
                said = done;
                std::printf("%lld %lld\n", static_cast<long long>(done),
                            static_cast<long long>(total));
                std::fflush(stdout);
            }
            return true;
        });
    } catch (const std::exception& failure) {
        const K41Error e = K41Error::from(failure);
        std::fprintf(stderr, "k41tool record: %s (error %d)\n", qPrintable(e.description()),
                     e.number());
        AudioEngine::setFactory({});
        // A video file cut short by the failure is no recording: it goes, unless it was
        // there before.
        if (!existed && QFileInfo(options.out).isFile()) QFile::remove(options.out);
        return 1;
    }
    AudioEngine::setFactory({});
    return 0;
}
