// The panel's sounds: which channel each control plays on, and the synchronous fare-change
// sound that holds the fares (and the user's clicks) until it has played.
#include "tests/app/AppFixture.h"

#include "app/Form1.h"
#include "panel/DialFace.h"
#include "panel/KeypadFace.h"
#include "panel/frmCtl.h"
#include "platform/core/AppInfo.h"
#include "sound/MciInterpreter.h"
#include "sound/MidiSynth.h"
#include "tests/common/TestUtil.h"
#include "tests/faredata/Hy3Bytes.h"
#include "tests/sound/SoundFiles.h"

#include <QElapsedTimer>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <qpa/qwindowsysteminterface.h>

namespace {

bool playing(const char* channel) {
    return MciInterpreter::instance().isPlaying(AppInfo::exeName() + QLatin1String(channel));
}

} // namespace

class SoundWiringTest : public AppFixture {};

TEST_F(SoundWiringTest, SampleSoundsPlayOnTheirChannelsWhenKeyingAndStepping) {
    In4File file = sampleSettings();
    file.options.SoundReset = QStringLiteral(K41_SAMPLES_DIR "/sounds/chime.wav");
    file.options.SoundKeitouSet = QStringLiteral(K41_SAMPLES_DIR "/sounds/tune.mid");
    file.options.SoundMoveFile = QStringLiteral(K41_SAMPLES_DIR "/sounds/chime.wav");
    startWith(file);
    key(10);
    EXPECT_TRUE(playing("S1")) << "a keypad key plays the reset sound";
    loadFromKeypad("1", "1");
    EXPECT_FALSE(playing("S2"));
    click(panel().Command2[1]);
    EXPECT_TRUE(playing("S2")) << "data forward plays the fare-change sound";
}

// The dial face is made when first shown; its dials are wired as it is made.
TEST_F(SoundWiringTest, ADialPlaysTheResetSoundOnceTheDialFaceIsMade) {
    In4File file = sampleSettings();
    file.options.SoundReset = QStringLiteral(K41_SAMPLES_DIR "/sounds/chime.wav");
    startWith(file);
    panel().Frame1_DblClick(1);
    EXPECT_FALSE(playing("S1"));
    panel().dialFace->List2[0]->setCurrentRow(3);
    EXPECT_TRUE(playing("S1"));
}

TEST_F(SoundWiringTest, ByColumnTheStopArrivedAtChoosesTheFareChangeSound) {
    // Column 4 of the route says 0, 1, 2 for its three stops; only sound 2 exists, so the
    // fare-change channel sounds exactly when sound 2 is chosen.
    TestUtil::writeFile(
        dir.filePath("fare/5.hy3"),
        Hy3Bytes::file(3, {Hy3Bytes::row("a", 1, {0, 0, 0, 0}), Hy3Bytes::row("b", 2, {0, 0, 0, 1}),
                           Hy3Bytes::row("c", 3, {0, 0, 0, 2})}));
    const QString two = dir.filePath("two.wav");
    SoundFiles::write(two, SoundFiles::levelWave(0.3, 3000));
    In4File file = sampleSettings();
    file.options.FareDataDir = dir.filePath("fare");
    file.options.SoundMoveAlways = false;
    file.options.SoundMoveByColumn = true;
    file.options.SoundMoveColumn = 3; // the list's fourth entry: column 4
    file.options.SoundMove1 = dir.filePath("one.wav");
    file.options.SoundMove2 = two;
    file.options.SoundMove3 = dir.filePath("three.wav");
    startWith(file);
    loadFromKeypad("5", "1");
    ASSERT_TRUE(messages.isEmpty()) << messages.join('|').toStdString();
    click(panel().Command2[1]);
    EXPECT_FALSE(playing("S2")) << "stop b says 1";
    click(panel().Command2[1]);
    EXPECT_TRUE(playing("S2")) << "stop c says 2";
}

TEST_F(SoundWiringTest, ASynchronousSoundHoldsTheFareChangeAndTheClicksMadeMeanwhile) {
    const QString wave = dir.filePath("long.wav");
    SoundFiles::write(wave, SoundFiles::levelWave(0.3, 900));
    In4File file = sampleSettings();
    file.options.SoundMoveFile = wave;
    file.options.SoundMoveSync = true;
    file.options.SoundMoveAsync = false;
    startWith(file);
    loadFromKeypad("1", "1");
    const QString before = fareShown(2);

    QTimer::singleShot(300, [this, before] {
        EXPECT_EQ(fareShown(2), before) << "the fares wait for the sound";
        QWidget* button = panel().Command2[1];
        QWindow* window = panel().windowHandle();
        const QPointF local = button->mapTo(&panel(), button->rect().center());
        const QPointF global = button->mapToGlobal(button->rect().center());
        QWindowSystemInterface::handleMouseEvent(window, local, global, Qt::LeftButton,
                                                 Qt::LeftButton, QEvent::MouseButtonPress);
        QWindowSystemInterface::handleMouseEvent(window, local, global, Qt::NoButton,
                                                 Qt::LeftButton, QEvent::MouseButtonRelease);
    });
    QElapsedTimer clock;
    clock.start();
    click(panel().Command2[1]);
    EXPECT_GE(clock.elapsed(), 900);
    EXPECT_EQ(panel().routeState().CurStop, 1);
    // The held click is a complete second step, with its own synchronous sound.
    EXPECT_TRUE(QTest::qWaitFor([this] { return panel().routeState().CurStop == 2; }, 5000));
}

TEST_F(SoundWiringTest, ALongRouteTuneNeitherHoldsTheResetNorTheStepsAndPlaysOn) {
    // The font K41 plays with, loaded first, as a MIDI route tune in the settings has it.
    MidiSynth* synth = MidiSynth::instance();
    if (!synth || !synth->ready()) GTEST_SKIP() << "no General MIDI SoundFont";
    const QString tune = dir.filePath("route.mid");
    SoundFiles::write(tune, SoundFiles::longTune(180));
    const QString step = dir.filePath("step.wav");
    SoundFiles::write(step, SoundFiles::levelWave(0.3, 200));
    In4File file = sampleSettings();
    file.options.SoundKeitouSet = tune;
    file.options.SoundMoveFile = step;
    startWith(file);
    key(10);
    key(1);
    key(11);
    key(1);

    // The first event the reset lets run must already find the lamp test on: the route's
    // tune started without any wait before it.
    QString firstSeen;
    QTimer::singleShot(0, [&] { firstSeen = fareShown(7); });
    click(panel().keypadFace->Command1);
    EXPECT_EQ(firstSeen, "8888");
    EXPECT_TRUE(playing("S1"));

    for (int stop = 1; stop <= 5; ++stop) {
        // A step runs straight through: nothing inside it lets a queued event run.
        bool waited = false;
        QTimer::singleShot(0, [&] { waited = true; });
        click(panel().Command2[1]);
        EXPECT_FALSE(waited) << "step to " << stop;
        EXPECT_EQ(panel().routeState().CurStop, stop);
        EXPECT_TRUE(playing("S2"));
        QTest::qWait(60);
    }
    EXPECT_TRUE(playing("S1")) << "the route's tune plays on while the fares step";
}
