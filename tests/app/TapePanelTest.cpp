// The announcement group on the real panel, driven through its buttons: which announcement is
// spoken, when the fares step with it, which sound plays before it, and when the group can be
// used. A silent speech component records what it is asked to say.
#include "tests/app/AppFixture.h"

#include "app/Form1.h"
#include "panel/DataButtons.h"
#include "panel/TapeGroup.h"
#include "panel/frmCtl.h"
#include "platform/core/AppInfo.h"
#include "platform/core/Codec932.h"
#include "sound/MciInterpreter.h"
#include "sound/mdlSndAPI.h"
#include "tape/NullSpeechEngine.h"
#include "tests/common/ModalUtil.h"
#include "tests/common/TestUtil.h"
#include "tests/sound/SoundFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <sys/stat.h>

namespace {

bool playing(const char* channel) {
    return MciInterpreter::instance().isPlaying(AppInfo::exeName() + QLatin1String(channel));
}

} // namespace

class TapePanel : public AppFixture {
  protected:
    QString tapeDir;

    void SetUp() override {
        tapeDir = dir.filePath("tape");
        QDir().mkpath(tapeDir);
        useSilentSpeech();
    }

    // Sample fare data, broadcast files from `folder` (the test's own by default).
    void startOn(In4File file = sampleSettings(), const QString& folder = {}) {
        file.options.TapeDataDir = folder.isEmpty() ? tapeDir : folder;
        startWith(file);
    }
    void writeTape(const QString& route, const QString& lines) {
        TestUtil::writeFile(tapeDir + "/" + route + "tp.csv", Codec932::encode(lines));
    }
    QPushButton* button(int i) const { return panel().tapeGroup->tapeButtons[size_t(i)]; }
    void forward() { click(button(1)); }
    void back() { click(button(0)); }
    QStringList spoken() const { return speech ? speech->spoken : QStringList(); }
    int stop() const { return panel().routeState().CurStop; }
};

TEST_F(TapePanel, SampleRouteOneIsRiddenByPressingForwardAlone) {
    startOn(sampleSettings(), QStringLiteral(K41_SAMPLES_DIR "/tape"));
    EXPECT_EQ(panel().grpM_Tape->title(), "音合使用可");
    EXPECT_FALSE(button(1)->isEnabled()) << "no announcements before a route is set";
    loadFromKeypad("1", "1");
    ASSERT_TRUE(panel().grpM_Tape->isEnabled());
    const int stops = panel().routeState().StopCount;
    for (int press = 1; press <= stops + 1; ++press) {
        forward();
        ASSERT_EQ(spoken().size(), press);
        // The welcome leaves the first stop on the board; every stop's announcement brings
        // that stop; the thanks at the end leave the terminal.
        EXPECT_EQ(stop(), std::min(press - 1, stops - 1)) << press;
        if (press > 1 && press <= stops)
            EXPECT_TRUE(spoken().last().contains(panel().fareTable().row(stop() + 1).StopName))
                << spoken().last().toStdString();
    }
    EXPECT_TRUE(spoken().first().startsWith("ご乗車ありがとうございます。"));
    EXPECT_EQ(spoken().at(1), "次は、本町一丁目です。お降りの方は、お知らせください。");
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(TapePanel, ThreeRecordsFourPressesThenBackAtTheStart) {
    writeTape("1", "一,0,0\r\n二,1,0\r\n三,1,0\r\n");
    startOn();
    loadFromKeypad("1", "1");
    for (int i = 0; i < 4; ++i)
        forward();
    EXPECT_EQ(spoken(), QStringList({"一", "二", "三"}));
    EXPECT_EQ(panel().tapeGroup->tape().TapeIndex(), 3);
    EXPECT_EQ(stop(), 3) << "record 3's move flag steps the fares on the refused fourth press too";

    // Back right after loading: nothing spoken, but record 1's move flag steps the fares back,
    // and the next forward speaks record 2.
    writeTape("1", "一,1,0\r\n二,0,0\r\n三,0,0\r\n");
    loadFromKeypad("1", "5");
    speech->spoken.clear();
    back();
    EXPECT_TRUE(spoken().isEmpty());
    EXPECT_EQ(stop(), 3);
    forward();
    EXPECT_EQ(spoken(), QStringList({"二"}));
    EXPECT_EQ(stop(), 3);
}

TEST_F(TapePanel, FiveAfterEightAndARouteWithoutAFile) {
    writeTape("1", "1,0,0\n2,0,0\n3,0,0\n4,0,0\n5,0,0\n6,0,0\n7,0,0\n8,0,0\n");
    writeTape("7", "a,0,0\nb,0,0\nc,0,0\nd,0,0\ne,0,0\n");
    startOn();
    loadFromKeypad("1", "1");
    for (int i = 0; i < 3; ++i)
        forward();
    loadFromKeypad("7", "1");
    speech->spoken.clear();
    for (int i = 0; i < 6; ++i)
        forward();
    EXPECT_EQ(spoken(), QStringList({"a", "b", "c", "d", "e"}));

    loadFromKeypad("12", "1"); // fare data, no broadcast file
    EXPECT_FALSE(panel().grpM_Tape->isEnabled());
    EXPECT_EQ(panel().grpM_Tape->title(), "音合使用可");
    EXPECT_TRUE(messages.isEmpty()) << "a missing broadcast file is not reported";
    loadFromKeypad("7", "1");
    EXPECT_TRUE(panel().grpM_Tape->isEnabled());
    EXPECT_TRUE(button(1)->isEnabled());
}

TEST_F(TapePanel, EmptyOrUnreadableFilesDisableTheGroupSilently) {
    startOn();
    const QString file = tapeDir + "/1tp.csv";
    const std::function<void()> damage[] = {
        [&] { TestUtil::writeFile(file, QByteArray()); },
        [&] { TestUtil::writeFile(file, "\r\n  \r\n"); },
        [&] { ASSERT_EQ(mkfifo(QFile::encodeName(file).constData(), 0600), 0); },
    };
    for (const auto& make : damage) {
        writeTape("1", "good,0,0\n");
        loadFromKeypad("1", "1");
        ASSERT_TRUE(panel().grpM_Tape->isEnabled());
        QFile::remove(file);
        make();
        loadFromKeypad("1", "1");
        EXPECT_FALSE(panel().grpM_Tape->isEnabled());
    }
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(TapePanel, TheFixedSoundIsForForwardOnlyAndBackUsesTheFareSoundsChannel) {
    const QString fixed = dir.filePath("fixed.wav"), flagged = dir.filePath("flagged.wav");
    SoundFiles::write(fixed, SoundFiles::levelWave(0.3, 2000));
    SoundFiles::write(flagged, SoundFiles::levelWave(0.3, 2000));
    writeTape("1", "one,0,2\r\ntwo,0,0\r\n");
    In4File file = sampleSettings();
    file.options.SoundPreAlways = true;
    file.options.SoundPreByFlag = false;
    file.options.SoundPreSync = false;
    file.options.SoundPreAsync = true;
    file.options.SoundPreFile = fixed;
    file.options.SoundPre2 = flagged;
    startOn(file);
    loadFromKeypad("1", "1");
    forward();
    forward(); // record 2's flag 0 chooses nothing, yet the fixed sound plays
    EXPECT_TRUE(playing("S3"));
    EXPECT_FALSE(playing("S2"));
    back(); // record 1, flag 2
    EXPECT_TRUE(playing("S2"));
    EXPECT_EQ(spoken(), QStringList({"one", "two", "one"}));
    mdlSndAPI::SndCloseAll();
}

TEST_F(TapePanel, TheDisplayClearHidesTheGroupAndGivesItBackOnlyWithAnnouncements) {
    writeTape("1", "one,0,0\r\n");
    startOn();
    loadFromKeypad("1", "1");
    click(panel().Check1);
    EXPECT_FALSE(panel().grpM_Tape->isEnabled());
    click(panel().Check1);
    EXPECT_TRUE(panel().grpM_Tape->isEnabled());
    forward();
    EXPECT_EQ(spoken(), QStringList({"one"}));

    loadFromKeypad("7", "1"); // no broadcast file: route 1's records must not come back
    click(panel().Check1);
    click(panel().Check1);
    EXPECT_FALSE(panel().grpM_Tape->isEnabled());
}

TEST_F(TapePanel, StopAndAdjustReachTheSpeechAndQuittingReleasesIt) {
    writeTape("1", "one,0,0\r\n");
    startOn();
    loadFromKeypad("1", "1");
    forward();
    click(button(2));
    EXPECT_EQ(speech->status(), SpeechEngine::Idle);
    click(button(3));
    EXPECT_EQ(speech->dialogTitles, QStringList({"音声の調節"}));
    panel().askQuit = [] { return true; };
    panel().close();
    EXPECT_TRUE(ended);
    EXPECT_EQ(panel().tapeGroup->tape().TapeVoice(), nullptr);
}

TEST_F(TapePanel, SpaceBackspaceAndEscapeWorkTheAnnouncementsFromTheKeyboard) {
    writeTape("1", "one,0,0\r\ntwo,0,0\r\nthree,0,0\r\n");
    startOn();
    QTest::keyClick(&panel(), Qt::Key_Space);
    EXPECT_TRUE(spoken().isEmpty()) << "greyed before a route is set";
    loadFromKeypad("1", "1");
    QTest::keyClick(&panel(), Qt::Key_Space);
    QTest::keyClick(&panel(), Qt::Key_Space);
    EXPECT_EQ(spoken(), QStringList({"one", "two"}));
    EXPECT_EQ(speech->status(), SpeechEngine::Speaking);
    QTest::keyClick(&panel(), Qt::Key_Escape);
    EXPECT_EQ(speech->status(), SpeechEngine::Idle);
    QTest::keyClick(&panel(), Qt::Key_Backspace);
    EXPECT_LT(panel().tapeGroup->tape().TapeIndex(), 2);
}

// With the real speech component: the voice dialog belongs to the panel and keeps its values
// in a file beside the settings file; a write that fails is reported and keeps the old file.
TEST_F(TapePanel, TheVoiceDialogKeepsItsSettingsBesideTheSettingsFile) {
    speechFactory = nullptr;
    writeTape("1", "one,0,0\r\n");
    startOn();
    ASSERT_EQ(panel().grpM_Tape->title(), "音合使用可")
        << "needs mecab-ipadic-utf8, espeak-ng-data";
    loadFromKeypad("1", "1");
    const QString voiceFile = dir.filePath("K41.voice");

    TestUtil::onNextModal([&](QWidget* dialog) {
        EXPECT_EQ(dialog->windowTitle(), "音声の調節");
        EXPECT_EQ(dialog->parentWidget(), &panel());
        dialog->findChild<QSlider*>("sldRate")->setValue(300);
        click(dialog->findChild<QPushButton*>("cmdTest"));
        // The dictionary and voice may still be loading in the background on a busy machine.
        EXPECT_TRUE(QTest::qWaitFor(
            [&] {
                return panel().tapeGroup->tape().TapeVoice()->status() == SpeechEngine::Speaking;
            },
            10000));
        click(dialog->findChild<QPushButton*>("cmdOK"));
    });
    click(button(3));
    EXPECT_TRUE(TestUtil::readFile(voiceFile).contains("Rate=300"));

    QFile::remove(voiceFile);
    QDir(dir.path()).mkdir("K41.voice");
    bool warned = false;
    TestUtil::onNextModal([&](QWidget* dialog) {
        TestUtil::onNextModal([&](QWidget* box) {
            auto* message = qobject_cast<QMessageBox*>(box);
            warned = message != nullptr;
            box->close();
        });
        click(dialog->findChild<QPushButton*>("cmdOK"));
    });
    click(button(3));
    EXPECT_TRUE(warned);
    EXPECT_TRUE(QFileInfo(voiceFile).isDir());
}

// The speech's dictionary and voice load only once both windows are shown and a route has
// announcements, so the start never waits for them; an announcement pressed meanwhile still
// goes to the speech, which speaks it when loaded. Should the load fail, the group turns
// unusable for the rest of the run.
TEST_F(TapePanel, SpeechLoadsAfterTheWindowsShowAndAFailedLoadDisablesTheGroup) {
    struct Loading : NullSpeechEngine {
        std::function<bool()> windowsShown;
        int loads = 0;
        bool shownAtLoad = true; // at every load asked for
        SpeechReady* ready = nullptr;
        void load(SpeechReady& r) override {
            ++loads;
            shownAtLoad = shownAtLoad && windowsShown();
            ready = &r;
        }
    };
    Loading* loading = nullptr;
    speechFactory = [this, &loading] {
        auto engine = std::make_unique<Loading>();
        engine->windowsShown = [this] {
            return k41 && k41->board->isVisible() && k41->panel->isVisible();
        };
        loading = engine.get();
        speech = engine.get();
        return engine;
    };
    startOn(sampleSettings(), QStringLiteral(K41_SAMPLES_DIR "/tape"));
    QCoreApplication::processEvents();
    ASSERT_TRUE(loading);
    EXPECT_EQ(loading->loads, 0) << "no route yet";
    EXPECT_EQ(panel().grpM_Tape->title(), "音合使用可");
    loadFromKeypad("1", "1");
    loadFromKeypad("1", "1");
    EXPECT_EQ(loading->loads, 1);
    EXPECT_TRUE(loading->shownAtLoad);
    forward();
    EXPECT_EQ(spoken().size(), 1) << "pressed before the load finished";
    ASSERT_TRUE(loading->ready);

    loading->ready->speechReady(false);
    EXPECT_EQ(panel().grpM_Tape->title(), "音合使用不可");
    EXPECT_FALSE(panel().grpM_Tape->isEnabled());
    loadFromKeypad("1", "1");
    EXPECT_FALSE(panel().grpM_Tape->isEnabled()) << "a route does not bring it back";
    panel().tapeGroup->tape().TapeSpeak(1);
    EXPECT_EQ(spoken().size(), 1);
}
