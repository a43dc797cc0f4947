// The announcement link's rules through its button handlers, with a recording panel and a
// silent speech component: which record is spoken, which sound plays where, when the fare data
// steps with it, and when the group can be used.
#include "tape/mdlM_Tape.h"

#include "tape/NullSpeechEngine.h"
#include "tests/common/TestUtil.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <stdexcept>

namespace {

// A speech component whose every text fails to be synthesised, until it is stopped.
class FailingSpeech : public NullSpeechEngine {
  public:
    void speak(const QString& text) override {
        NullSpeechEngine::speak(text);
        m_failed = true;
    }
    void stop() override {
        NullSpeechEngine::stop();
        m_failed = false;
    }
    int status() const override { return m_failed ? Failed : NullSpeechEngine::status(); }

  private:
    bool m_failed = false;
};

class FakePanel : public TapeHost {
  public:
    QString os = QStringLiteral("Debian GNU/Linux 12 (bookworm)");
    bool speechInstalled = true;
    bool speechThrows = false;
    bool speechFails = false;
    NullSpeechEngine* speech = nullptr; // owned by the module once created
    QString caption = QStringLiteral("音合使用不可");
    bool groupEnabled = false;
    bool buttonsEnabled = false;
    TapePreSound pre;
    QStringList log; // sounds played and fare data steps, in order

    QString osInfo() const override { return os; }
    std::unique_ptr<SpeechEngine> createSpeech() override {
        if (speechThrows) throw std::runtime_error("no component");
        if (!speechInstalled) return nullptr;
        auto engine =
            speechFails ? std::make_unique<FailingSpeech>() : std::make_unique<NullSpeechEngine>();
        speech = engine.get();
        return engine;
    }
    void setGroupCaption(const QString& c) override { caption = c; }
    void setGroupEnabled(bool e) override { groupEnabled = e; }
    void setButtonsEnabled(bool e) override { buttonsEnabled = e; }
    QWidget* ownerWindow() override { return nullptr; }
    TapePreSound preSound() const override { return pre; }
    void playSound(const QString& path, const QString& channel, qint16 sync) override {
        log << QStringLiteral("%1 on %2%3").arg(path, channel, sync ? " sync" : "");
    }
    void dataForward() override { log << QStringLiteral("data forward"); }
    void dataBack() override { log << QStringLiteral("data back"); }

    QStringList spoken() const { return speech ? speech->spoken : QStringList(); }
};

class TapeRules : public ::testing::Test {
  protected:
    QTemporaryDir dir;
    FakePanel panel;
    mdlM_Tape tape{panel};

    QString folder() const { return dir.path() + QStringLiteral("/"); }
    void writeRoute(const QString& route, const QByteArray& lines) {
        TestUtil::writeFile(dir.filePath(route + QStringLiteral("tp.csv")), lines);
    }
    void start() { tape.TapeInit(); }
};

} // namespace

TEST_F(TapeRules, ForwardSpeaksEachRecordOnceAndStopsAtTheLastWhileItsMoveFlagStillSteps) {
    writeRoute("1", "one,0,0\ntwo,1,0\nthree,1,0\n");
    start();
    tape.TapeLoad(folder(), "1");
    EXPECT_EQ(tape.TapeIndex(), 0);
    for (int i = 0; i < 4; ++i)
        tape.cmdTapeNext_Click();
    EXPECT_EQ(panel.spoken(), QStringList({"one", "two", "three"}));
    EXPECT_EQ(tape.TapeIndex(), 3);
    // Records 2 and 3 carry the move flag, and the refused fourth press still sees record 3's.
    EXPECT_EQ(panel.log.count("data forward"), 3);
}

TEST_F(TapeRules, BackAtTheStartSpeaksNothingButStepsByRecordOnesFlagAndSkipsIt) {
    writeRoute("1", "one,1,0\ntwo,0,0\nthree,0,0\n");
    start();
    tape.TapeLoad(folder(), "1");
    tape.cmdTapeBack_Click();
    EXPECT_EQ(tape.TapeIndex(), 1);
    EXPECT_TRUE(panel.spoken().isEmpty());
    EXPECT_EQ(panel.log, QStringList({"data back"}));
    tape.cmdTapeNext_Click();
    EXPECT_EQ(panel.spoken(), QStringList({"two"}));
    tape.cmdTapeBack_Click();
    EXPECT_EQ(panel.spoken(), QStringList({"two", "one"}));
    EXPECT_EQ(panel.log.count("data back"), 2);
    EXPECT_EQ(panel.log.count("data forward"), 0);
}

TEST_F(TapeRules, EachSpeechStopsTheOneBefore) {
    writeRoute("1", "one,0,0\ntwo,0,0\n");
    start();
    tape.TapeLoad(folder(), "1");
    tape.cmdTapeNext_Click();
    tape.cmdTapeNext_Click();
    EXPECT_EQ(panel.speech->stops, 2);
    tape.cmdTapeStop_Click();
    EXPECT_EQ(panel.speech->stops, 3);
    EXPECT_EQ(panel.speech->status(), SpeechEngine::Idle);
    tape.cmdTapeSet_Click();
    EXPECT_EQ(panel.speech->dialogTitles, QStringList({"音声の調節"}));
}

TEST_F(TapeRules, ASpeechThatFailsIsStoppedAndTheNextRecordIsStillSpoken) {
    panel.speechFails = true;
    writeRoute("1", "one,0,0\ntwo,1,0\n");
    start();
    tape.TapeLoad(folder(), "1");
    tape.cmdTapeNext_Click();
    // One stop before speaking, one for the failure: the component is left idle, not failed.
    EXPECT_EQ(panel.speech->stops, 2);
    EXPECT_EQ(panel.speech->status(), SpeechEngine::Idle);
    tape.cmdTapeNext_Click();
    EXPECT_EQ(panel.spoken(), QStringList({"one", "two"}));
    EXPECT_EQ(panel.log, QStringList({"data forward"}));
    EXPECT_TRUE(tape.usable());
}

TEST_F(TapeRules, ARouteWithFewerRecordsReplacesTheLongerOne) {
    writeRoute("8", "1,0,0\n2,0,0\n3,0,0\n4,0,0\n5,0,0\n6,0,0\n7,0,0\n8,0,0\n");
    writeRoute("5", "a,0,0\nb,0,0\nc,0,0\nd,0,0\ne,0,0\n");
    start();
    tape.TapeLoad(folder(), "8");
    for (int i = 0; i < 6; ++i)
        tape.cmdTapeNext_Click();
    tape.TapeLoad(folder(), "5");
    EXPECT_EQ(tape.TapeCount(), 5);
    EXPECT_EQ(tape.TapeIndex(), 0);
    for (int i = 0; i < 7; ++i)
        tape.cmdTapeNext_Click();
    EXPECT_EQ(panel.spoken().mid(6), QStringList({"a", "b", "c", "d", "e"}));
    EXPECT_EQ(tape.TapeIndex(), 5);
}

TEST_F(TapeRules, ARouteWithoutAUsableFileDisablesTheGroupUntilOneWithAFile) {
    writeRoute("1", "one,0,0\n");
    writeRoute("2", "");
    writeRoute("3", "\r\n\r\n");
    QDir(dir.path()).mkdir("4tp.csv");
    start();
    EXPECT_EQ(panel.caption, "音合使用可");
    EXPECT_TRUE(panel.groupEnabled);
    EXPECT_FALSE(panel.buttonsEnabled) << "no buttons before a route is set";
    tape.TapeLoad(folder(), "1");
    EXPECT_TRUE(panel.buttonsEnabled);
    for (const char* route : {"9", "2", "3", "4"}) {
        tape.TapeLoad(folder(), route);
        EXPECT_FALSE(panel.groupEnabled) << route;
        EXPECT_FALSE(tape.usable()) << route;
        tape.TapeLoad(folder(), "1");
        EXPECT_TRUE(panel.groupEnabled) << "after " << route;
    }
    EXPECT_EQ(panel.caption, "音合使用可") << "the caption tells only whether speech exists";
}

TEST_F(TapeRules, TheDisplayClearRestoresTheGroupOnlyForARouteWithAnnouncements) {
    writeRoute("1", "one,0,0\n");
    start();
    tape.TapeLoad(folder(), "1");
    tape.displayCleared(true);
    EXPECT_FALSE(panel.groupEnabled);
    tape.displayCleared(false);
    EXPECT_TRUE(panel.groupEnabled);
    // A route without a file keeps the old route's records in memory; they must not come back.
    tape.TapeLoad(folder(), "2");
    tape.displayCleared(true);
    tape.displayCleared(false);
    EXPECT_FALSE(panel.groupEnabled);
}

TEST_F(TapeRules, WithoutSpeechTheGroupStaysUnusableAndFilesAreStillRead) {
    writeRoute("1", "one,1,0\n");
    for (int mode = 0; mode < 2; ++mode) {
        FakePanel p;
        p.speechInstalled = mode != 0;
        p.speechThrows = mode == 1;
        mdlM_Tape t(p);
        t.TapeInit();
        EXPECT_EQ(p.caption, "音合使用不可");
        EXPECT_FALSE(p.groupEnabled);
        EXPECT_FALSE(t.TapeEnabled());
        t.TapeLoad(folder(), "1");
        EXPECT_FALSE(p.groupEnabled);
        EXPECT_FALSE(p.buttonsEnabled);
        t.displayCleared(false);
        EXPECT_FALSE(p.groupEnabled);
    }
}

TEST_F(TapeRules, OnTheUnsupportedSystemNothingIsCreatedOrRead) {
    writeRoute("1", "one,1,0\n");
    panel.os = mdlM_Tape::UnsupportedOs;
    start();
    EXPECT_EQ(panel.speech, nullptr);
    EXPECT_EQ(panel.caption, "音合使用不可");
    EXPECT_FALSE(panel.groupEnabled);
    tape.TapeLoad(folder(), "1");
    EXPECT_EQ(tape.TapeCount(), 0);
}

TEST_F(TapeRules, ForwardPlaysTheFixedOrFlaggedSoundOnS3BackAlwaysTheFlaggedOnS2) {
    writeRoute("1", "one,0,2\ntwo,0,7\nthree,0,3\n");
    panel.pre.file = "pre.wav";
    panel.pre.byFlag = {"f1.wav", "f2.wav", "f3.wav"};
    panel.pre.always = true;
    panel.pre.sync = true;
    start();
    tape.TapeLoad(folder(), "1");
    tape.cmdTapeNext_Click();
    tape.cmdTapeNext_Click();
    tape.cmdTapeBack_Click();
    EXPECT_EQ(panel.log,
              QStringList({"pre.wav on S3 sync", "pre.wav on S3 sync", "f2.wav on S2 sync"}));

    panel.log.clear();
    panel.pre.always = false;
    panel.pre.sync = false;
    tape.cmdTapeNext_Click(); // record 2: flag 7 chooses nothing
    tape.cmdTapeNext_Click(); // record 3
    tape.cmdTapeBack_Click(); // record 2 again
    EXPECT_EQ(panel.log, QStringList({"f3.wav on S3"}));
    EXPECT_EQ(panel.spoken().size(), 6);
}

TEST_F(TapeRules, FlagsOutsideTheRecordsAreZero) {
    writeRoute("1", "one,1,3\n");
    start();
    tape.TapeLoad(folder(), "1");
    EXPECT_EQ(tape.TapeMoveFlag(1), 1);
    EXPECT_EQ(tape.TapeSoundFlag(1), 3);
    for (int i : {0, 2, -1})
        EXPECT_EQ(tape.TapeMoveFlag(i) + tape.TapeSoundFlag(i), 0) << i;
}

TEST_F(TapeRules, AfterTheReleaseThePressesSpeakNothing) {
    writeRoute("1", "one,0,0\n");
    start();
    tape.TapeLoad(folder(), "1");
    tape.TapeRelease();
    EXPECT_EQ(tape.TapeVoice(), nullptr);
    tape.cmdTapeNext_Click();
    tape.cmdTapeStop_Click();
    tape.cmdTapeSet_Click();
    EXPECT_EQ(tape.TapeIndex(), 1);
}
