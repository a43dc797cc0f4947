// Announcement speech, measured in one run through SDL's disk driver (raw output written at a
// device's pace):
//  (a) the time from a click on "送り" to the first audio frame of the speech, against the time
//      from playing a short Wave on a sound channel to its first frame (the same output path),
//      as a ratio;
//  (b) how long the pronunciation and synthesis of a 40-character announcement take, as a
//      ratio of the length of the speech (real time = 1).
#include "app/Startup.h"
#include "panel/frmCtl.h"
#include "platform/core/Codec932.h"
#include "settings/In4File.h"
#include "sound/EspeakVoice.h"
#include "sound/Pronouncer.h"
#include "sound/mdlSndAPI.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {

const QString Announcement = QStringLiteral(
    "次は、山鳩市役所前です。お降りのお客様は、お近くの停車ボタンでお知らせください。");
constexpr int Rounds = 10;

// Reads what the disk driver has written since a mark.
class Output {
  public:
    explicit Output(const QString& path) : m_file(path) {}

    qint64 size() const { return QFileInfo(m_file.fileName()).size() / 8 * 8; }
    // Milliseconds from now until a frame above silence is written after `mark`, or -1.
    double msToFirstSound(qint64 mark, const QElapsedTimer& since, int timeoutMs) {
        if (!m_file.isOpen() && !m_file.open(QIODevice::ReadOnly)) return -1;
        qint64 offset = mark;
        while (since.elapsed() < timeoutMs) {
            QCoreApplication::processEvents();
            const qint64 end = size();
            if (end > offset) {
                m_file.seek(offset);
                const QByteArray bytes = m_file.read(end - offset);
                const auto* samples = reinterpret_cast<const float*>(bytes.constData());
                for (qsizetype i = 0; i < bytes.size() / qsizetype(sizeof(float)); ++i)
                    if (std::abs(samples[i]) > 1e-4f) return double(since.nsecsElapsed()) / 1e6;
                offset = end;
            }
            QThread::usleep(200);
        }
        return -1;
    }

  private:
    QFile m_file;
};

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

void settle(int ms) {
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

QByteArray shortWave() {
    // 0.2 s of a 440 Hz tone, 16-bit mono at 22050 Hz.
    const int frames = 4410;
    QByteArray data;
    for (int i = 0; i < frames; ++i) {
        const qint16 s = qint16(8000 * std::sin(2 * M_PI * 440 * i / 22050.0));
        data.append(reinterpret_cast<const char*>(&s), 2);
    }
    QByteArray out("RIFF");
    const auto u32 = [&](quint32 v) { out.append(reinterpret_cast<const char*>(&v), 4); };
    const auto u16 = [&](quint16 v) { out.append(reinterpret_cast<const char*>(&v), 2); };
    u32(36 + quint32(data.size()));
    out += "WAVEfmt ";
    u32(16), u16(1), u16(1), u32(22050), u32(44100), u16(2), u16(16);
    out += "data";
    u32(quint32(data.size()));
    return out + data;
}

} // namespace

int main(int argc, char** argv) {
    QTemporaryDir dir;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("SDL_AUDIODRIVER", "disk");
    qputenv("SDL_DISKAUDIOFILE", QFile::encodeName(dir.filePath("out.raw")));
    QApplication app(argc, argv);

    // A route whose announcements are the same 40 characters, without any sound before them.
    QByteArray tape;
    for (int i = 0; i < Rounds; ++i)
        tape += Codec932::encode(Announcement) + ",0,0\r\n";
    QFile tapeFile(dir.filePath("1tp.csv"));
    if (!tapeFile.open(QIODevice::WriteOnly) || tapeFile.write(tape) != tape.size()) return 1;
    tapeFile.close();
    const QString wave = dir.filePath("short.wav");
    QFile waveFile(wave);
    const QByteArray waveBytes = shortWave();
    if (!waveFile.open(QIODevice::WriteOnly) || waveFile.write(waveBytes) != waveBytes.size())
        return 1;
    waveFile.close();

    In4File settings;
    settings.options.FareDataDir = QStringLiteral(K41_SAMPLES_DIR "/fare");
    settings.options.TapeDataDir = dir.path();
    QFile settingsFile(dir.filePath("K41.in4"));
    const QByteArray settingsBytes = In4Format::write(settings);
    if (!settingsFile.open(QIODevice::WriteOnly) ||
        settingsFile.write(settingsBytes) != settingsBytes.size())
        return 1;
    settingsFile.close();

    Startup k41(settingsFile.fileName());
    k41.run();
    frmCtl& panel = *k41.panel;
    auto* next = panel.findChild<QPushButton*>(QStringLiteral("cmdTapeNext"));
    auto* stop = panel.findChild<QPushButton*>(QStringLiteral("cmdTapeStop"));
    for (const char* key : {"CommandButton1(10)", "CommandButton1(1)", "Command1(1)"})
        QTest::mouseClick(panel.findChild<QPushButton*>(QLatin1String(key)), Qt::LeftButton);
    if (!next || !next->isEnabled()) {
        std::fprintf(stderr, "the announcement group is not usable: no Japanese speech?\n");
        return 1;
    }

    Output output(dir.filePath("out.raw"));
    std::vector<double> waveMs, speechMs;
    for (int i = 0; i < Rounds; ++i) {
        settle(100);
        QElapsedTimer clock;
        qint64 mark = output.size();
        clock.start();
        mdlSndAPI::SndPlay(wave, QStringLiteral("S1"), 0, 0);
        waveMs.push_back(output.msToFirstSound(mark, clock, 3000));
        settle(300);

        mark = output.size();
        clock.restart();
        QTest::mouseClick(next, Qt::LeftButton);
        speechMs.push_back(output.msToFirstSound(mark, clock, 3000));
        QTest::mouseClick(stop, Qt::LeftButton);
    }
    mdlSndAPI::SndCloseAll();

    // Synthesis alone, on this thread.
    auto pronouncer = Pronouncer::open(Pronouncer::defaultDictionaryDirs());
    std::vector<double> ratios;
    double audioSeconds = 0, synthMs = 0;
    for (int i = 0; i < Rounds && pronouncer; ++i) {
        QElapsedTimer clock;
        clock.start();
        std::size_t samples = 0;
        const QString kana = pronouncer->toKana(Announcement);
        EspeakVoice::synthesize(kana, "ja", VoiceSettings(), [&](const short*, int n) {
            samples += std::size_t(n);
            return true;
        });
        synthMs = double(clock.nsecsElapsed()) / 1e6;
        audioSeconds = double(samples) / EspeakVoice::sampleRate("ja");
        ratios.push_back(synthMs / 1000.0 / audioSeconds);
    }

    const double w = median(waveMs), s = median(speechMs), r = median(ratios);
    std::printf("送り to the first frame of speech:   %7.1f ms (median of %d)\n", s, Rounds);
    std::printf("a short Wave to its first frame:     %7.1f ms (baseline)\n", w);
    std::printf("ratio speech / baseline:             %7.2f\n", w > 0 ? s / w : 0.0);
    std::printf("synthesis of 40 characters (%.1f s of speech): %.1f ms, %.4f of real time "
                "(%.0f times faster)\n",
                audioSeconds, synthMs, r, r > 0 ? 1 / r : 0.0);
    return std::count(speechMs.begin(), speechMs.end(), -1.0) == 0 ? 0 : 1;
}
