// Sound costs, measured in one run on SDL's dummy output (run a release build):
//  (a) time from a click handler's SndPlay call to its return, for a 3-minute MIDI tune, a
//      3-minute Wave and a 0.4 s Wave, once the SoundFont is loaded (target: all under 5 ms),
//      against decoding the same tune whole, as sounds were played before they streamed;
//  (b) peak memory above idle while the 3-minute tune plays (target: under 10 MB), against
//      the size of that tune decoded whole;
//  (c) a data step on the real panel while the tune plays, against the same step in
//      silence (target: under 50 ms).
#include "app/Startup.h"
#include "panel/KeypadFace.h"
#include "panel/frmCtl.h"
#include "platform/core/AppInfo.h"
#include "platform/core/HeldWait.h"
#include "settings/In4File.h"
#include "sound/MciInterpreter.h"
#include "sound/MidiFile.h"
#include "sound/MidiSynth.h"
#include "sound/mdlSndAPI.h"
#include "tests/sound/SoundFiles.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>
#include <atomic>
#include <cstdio>
#include <thread>
#include <vector>

namespace {

// Resident memory of this process, in bytes.
long long residentBytes() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLongLong() * 1024;
    return 0;
}

struct Stats {
    std::vector<double> ms;
    double median() {
        std::sort(ms.begin(), ms.end());
        return ms.empty() ? 0 : ms[ms.size() / 2];
    }
    double max() const { return ms.empty() ? 0 : *std::max_element(ms.begin(), ms.end()); }
};

double msOf(const std::function<void()>& f) {
    QElapsedTimer t;
    t.start();
    f();
    return double(t.nsecsElapsed()) / 1e6;
}

// Samples resident memory every 10 ms on a thread of its own while `during` runs.
long long peakResidentDuring(const std::function<void()>& during) {
    std::atomic<bool> done{false};
    std::atomic<long long> peak{residentBytes()};
    std::thread sampler([&] {
        while (!done) {
            peak = std::max(peak.load(), residentBytes());
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
    });
    during();
    done = true;
    sampler.join();
    return peak;
}

constexpr double MB = 1024.0 * 1024.0;

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("SDL_AUDIODRIVER")) qputenv("SDL_AUDIODRIVER", "dummy");
    // The MIDI module as the build made it.
    if (qEnvironmentVariableIsEmpty("K41_MODULE_DIR")) qputenv("K41_MODULE_DIR", K41_MODULE_DIR);
    QApplication app(argc, argv);
    const int playSeconds = argc > 1 ? std::max(1, atoi(argv[1])) : 10;
    const int rounds = 20;

    QTemporaryDir dir;
    const QString tune = dir.filePath("route.mid");
    const QString longWave = dir.filePath("long.wav");
    const QString shortWave = dir.filePath("short.wav");
    SoundFiles::write(tune, SoundFiles::longTune(180));
    SoundFiles::write(longWave, SoundFiles::wave(44100, 1, 44100 * 180, [](int f) {
                          return 0.3 * ((f / 50) % 2 ? 1 : -1);
                      }));
    SoundFiles::write(shortWave, SoundFiles::levelWave(0.3, 400));

    const long long startResident = residentBytes();
    QElapsedTimer fontClock;
    fontClock.start();
    MidiSynth* synth = MidiSynth::instance();
    if (!synth) return 1;
    synth->preload();
    while (!synth->loaded())
        QThread::msleep(1);
    const double fontMs = double(fontClock.nsecsElapsed()) / 1e6;
    if (!synth->ready()) {
        std::fprintf(stderr, "no General MIDI SoundFont: nothing to measure\n");
        return 1;
    }
    const double firstCallMs = msOf([&] { mdlSndAPI::SndPlay(shortWave, "S1", 0, 0); });
    HeldWait::forMs(500);
    mdlSndAPI::SndCloseAll();
    HeldWait::forMs(200);
    const long long idle = residentBytes();

    // (b)
    double firstMidiMs = 0;
    const long long peak = peakResidentDuring([&] {
        firstMidiMs = msOf([&] { mdlSndAPI::SndPlay(tune, "S1", 0, 0); });
        HeldWait::forMs(playSeconds * 1000);
    });
    const bool stillPlaying = MciInterpreter::instance().isPlaying(AppInfo::exeName() + "S1");
    mdlSndAPI::SndCloseAll();

    // (a)
    Stats midi, wave, shortSound;
    for (int i = 0; i < rounds; ++i) {
        midi.ms.push_back(msOf([&] { mdlSndAPI::SndPlay(tune, "S1", 0, 0); }));
        HeldWait::forMs(30);
        wave.ms.push_back(msOf([&] { mdlSndAPI::SndPlay(longWave, "S1", 0, 0); }));
        HeldWait::forMs(30);
        shortSound.ms.push_back(msOf([&] { mdlSndAPI::SndPlay(shortWave, "S1", 0, 0); }));
        HeldWait::forMs(30);
    }
    mdlSndAPI::SndCloseAll();
    std::size_t wholeFrames = 0;
    const double wholeMs = msOf([&] {
        auto source = synth->open(MidiFile::read(tune), 44100, 0, nullptr);
        std::vector<float> block(2 * 1024);
        while (source && source->read(block.data(), 1024) == 1024)
            wholeFrames += 1024;
    });
    const double wholeMB = double(wholeFrames) * 2 * sizeof(float) / MB;

    // (c)
    In4File settingsFile;
    settingsFile.options.FareDataDir = QStringLiteral(K41_SAMPLES_DIR "/fare");
    settingsFile.options.SoundMoveFile = shortWave;
    SoundFiles::write(dir.filePath("K41.in4"), In4Format::write(settingsFile));
    Startup k41(dir.filePath("K41.in4"));
    k41.panel->showMessageBox = [](const QString& text) {
        std::fprintf(stderr, "panel message: %s\n", qPrintable(text));
    };
    k41.panel->endProgram = [] {};
    k41.run();
    auto load = [&] {
        for (int key : {10, 1, 11, 1})
            k41.panel->keypadFace->CommandButton1[std::size_t(key)]->click();
        k41.panel->keypadFace->Command1->click(); // the route sound, then the lamp test
    };
    auto steps = [&](Stats& stats) {
        for (int i = 0; i < rounds; ++i) {
            stats.ms.push_back(msOf([&] { k41.panel->Command2[std::size_t(1 - i % 2)]->click(); }));
            HeldWait::forMs(30);
        }
    };
    Stats quietSteps, tuneSteps;
    load();
    steps(quietSteps);
    k41.settings.SoundKeitouSet = tune;
    load();
    steps(tuneSteps);
    const bool tunePlayedOn = MciInterpreter::instance().isPlaying(AppInfo::exeName() + "S1");

    std::printf("SoundFont loaded in the background in %.1f ms; first SndPlay (opens the output) "
                "%.2f ms\n",
                fontMs, firstCallMs);
    std::printf("(a) SndPlay to return, asynchronous on S1: the first MIDI tune %.3f ms; then "
                "median / max of %d:\n",
                firstMidiMs, rounds);
    std::printf("    3-minute MIDI tune  %7.3f / %7.3f ms\n", midi.median(), midi.max());
    std::printf("    3-minute Wave       %7.3f / %7.3f ms\n", wave.median(), wave.max());
    std::printf("    0.4 s Wave          %7.3f / %7.3f ms\n", shortSound.median(),
                shortSound.max());
    std::printf("    baseline, the tune decoded whole: %.1f ms; ratio SndPlay(tune) / whole "
                "decode: %.5f\n",
                wholeMs, midi.median() / wholeMs);
    std::printf("(b) resident memory: at start %.1f MB, idle with the SoundFont %.1f MB, peak "
                "while the tune played %d s %.1f MB above idle%s\n",
                startResident / MB, idle / MB, playSeconds, (peak - idle) / MB,
                stillPlaying ? "" : " (it had stopped!)");
    std::printf("    baseline, the tune decoded whole would hold %.1f MB; ratio %.3f\n", wholeMB,
                (peak - idle) / MB / wholeMB);
    std::printf("(c) data step on the panel, median / max of %d: in silence %.2f / %.2f ms, "
                "while the tune plays %.2f / %.2f ms (ratio %.2f)%s\n",
                rounds, quietSteps.median(), quietSteps.max(), tuneSteps.median(), tuneSteps.max(),
                tuneSteps.median() / quietSteps.median(),
                tunePlayedOn ? "" : " (the tune was not playing!)");
    return 0;
}
