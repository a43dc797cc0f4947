// What the announcements really send to the output, read back from SDL's disk driver (raw
// stereo float frames written at a device's pace), with the real speech component.
#include "tests/app/AppFixture.h"

#include "panel/TapeGroup.h"
#include "panel/frmCtl.h"
#include "platform/core/Codec932.h"
#include "sound/MciInterpreter.h"
#include "sound/SdlAudioEngine.h"
#include "tests/common/TestUtil.h"

#include <QElapsedTimer>
#include <QFile>
#include <QPushButton>
#include <QTest>
#include <cmath>
#include <cstring>

namespace {

QTemporaryDir* outputDir = nullptr;

QString outputPath() {
    return outputDir->filePath("out.raw");
}

qint64 outputSize() {
    const qint64 size = QFile(outputPath()).size();
    return size - size % qint64(2 * sizeof(float));
}

// Left-channel samples written between two byte offsets of the output.
std::vector<float> left(qint64 from, qint64 to) {
    QFile f(outputPath());
    if (!f.open(QIODevice::ReadOnly) || !f.seek(from)) return {};
    const QByteArray bytes = f.read(std::max<qint64>(0, to - from));
    std::vector<float> out(std::size_t(bytes.size()) / (2 * sizeof(float)));
    for (std::size_t i = 0; i < out.size(); ++i)
        std::memcpy(&out[i], bytes.constData() + i * 2 * sizeof(float), sizeof(float));
    return out;
}

} // namespace

class SpeechHeard : public AppFixture {
  protected:
    int rate = 0;

    static void SetUpTestSuite() {
        outputDir = new QTemporaryDir;
        qputenv("SDL_AUDIODRIVER", "disk");
        qputenv("SDL_DISKAUDIOFILE", QFile::encodeName(outputPath()));
    }
    static void TearDownTestSuite() {
        delete outputDir;
        outputDir = nullptr;
    }

    void startOnRoute(const QByteArray& tape) {
        TestUtil::writeFile(dir.filePath("tape/1tp.csv"), tape);
        In4File file = sampleSettings();
        file.options.TapeDataDir = dir.filePath("tape");
        startWith(file);
        ASSERT_EQ(panel().grpM_Tape->title(), "音合使用可") << "needs Japanese speech installed";
        auto* sdl = dynamic_cast<SdlAudioEngine*>(&MciInterpreter::instance().engine());
        ASSERT_TRUE(sdl);
        ASSERT_EQ(sdl->driverName(), "disk");
        rate = sdl->sampleRate();
        loadFromKeypad("1", "1");
    }
    QPushButton* button(int i) const { return panel().tapeGroup->tapeButtons[size_t(i)]; }

    // Milliseconds of the samples that are louder than a whisper.
    double soundingMs(const std::vector<float>& s) const {
        return 1000.0 *
               double(
                   std::count_if(s.begin(), s.end(), [](float v) { return std::abs(v) > 0.01f; })) /
               rate;
    }
};

TEST_F(SpeechHeard, ForwardIsHeardAsSpeechAndTheStopSilencesItWithin50ms) {
    startOnRoute(Codec932::encode(QStringLiteral(
        "次は、山鳩市役所前です。お降りの方は、お知らせください。市役所、市民ホールへおいでの方は、"
        "こちらでお降りください。次は、終点です。,0,0\r\n")));
    const qint64 before = outputSize();
    click(button(1));
    // The speech's dictionary may still be loading in the background on a cold machine, so
    // wait for the voice to be heard rather than for a fixed time.
    QElapsedTimer clock;
    clock.start();
    while (soundingMs(left(before, outputSize())) <= 300.0 && clock.elapsed() < 15000)
        QTest::qWait(50);
    std::vector<float> spoken = left(before, outputSize());
    const auto firstSound =
        std::find_if(spoken.begin(), spoken.end(), [](float v) { return std::abs(v) > 0.01f; });
    spoken.erase(spoken.begin(), firstSound);
    double energy = 0;
    float peak = 0;
    for (float s : spoken) {
        energy += double(s) * s;
        peak = std::max(peak, std::abs(s));
    }
    EXPECT_GT(peak, 0.1f);
    EXPECT_GT(std::sqrt(energy / double(std::max<std::size_t>(spoken.size(), 1))), 0.01);
    EXPECT_GT(soundingMs(spoken), 300.0);

    const qint64 atStop = outputSize();
    click(button(2));
    QTest::qWait(500);
    const std::vector<float> after = left(atStop, outputSize());
    // Whatever was mixed before the click may still be written; nothing 50 ms later.
    const std::size_t grace = std::size_t(rate) * 50 / 1000;
    ASSERT_GT(after.size(), grace);
    EXPECT_TRUE(std::all_of(after.begin() + std::ptrdiff_t(grace), after.end(),
                            [](float s) { return s == 0.0f; }));
}

TEST_F(SpeechHeard, DamagedBytesAndATenMegabyteLineAreSpokenWithoutHoldingThePanel) {
    QByteArray tape("\x82\xff\xfe\x81,0,0\r\n"); // invalid code page 932
    tape += "\"open quote, never closed\r\n";    // unbalanced quote
    tape +=
        Codec932::encode(QStringLiteral("次は")) + QByteArray(10 * 1024 * 1024, 'a') + ",0,0\r\n";
    startOnRoute(tape);
    qint64 beforeLast = 0;
    for (int i = 0; i < 3; ++i) {
        beforeLast = outputSize();
        QElapsedTimer clock;
        clock.start();
        click(button(1));
        // Speaking ten megabytes in the press would take minutes; the bound is loose so that
        // a loaded machine running the sanitizers never trips it.
        EXPECT_LT(clock.elapsed(), 2000) << "press " << i + 1;
        QTest::qWait(300);
    }
    EXPECT_EQ(panel().tapeGroup->tape().TapeIndex(), 3);
    QElapsedTimer clock;
    clock.start();
    while (soundingMs(left(beforeLast, outputSize())) < 200.0 && clock.elapsed() < 10000)
        QTest::qWait(50);
    EXPECT_GE(soundingMs(left(beforeLast, outputSize())), 200.0) << "the long line is heard";
    const qint64 atStop = outputSize();
    click(button(2));
    QTest::qWait(400);
    const std::vector<float> after = left(atStop, outputSize());
    const std::size_t grace = std::size_t(rate) * 50 / 1000;
    ASSERT_GT(after.size(), grace);
    EXPECT_TRUE(std::all_of(after.begin() + std::ptrdiff_t(grace), after.end(),
                            [](float s) { return s == 0.0f; }));
}
