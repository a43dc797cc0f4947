// The voice settings file: what a damaged file reads as, and writes that fail keep the old file.
#include "sound/VoiceSettings.h"
#include "sound/VoiceSettingsDialog.h"

#include "platform/core/K41Error.h"
#include "tests/common/FaultyFileOps.h"
#include "tests/common/TestUtil.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>

namespace {

bool writeFails(const VoiceSettings& s, const QString& path) {
    try {
        s.write(path);
    } catch (const K41Error&) {
        return true;
    }
    return false;
}

} // namespace

TEST(VoiceSettings, WrittenSettingsReadBackBesideTheSettingsFile) {
    QTemporaryDir dir;
    const QString path = VoiceSettings::pathBeside(dir.filePath("K41.in4"));
    EXPECT_EQ(path, dir.filePath("K41.voice"));
    EXPECT_EQ(VoiceSettings::read(path), VoiceSettings()) << "no file: the defaults";
    VoiceSettings s;
    s.rate = 300;
    s.pitch = 10;
    s.volume = 150;
    s.write(path);
    EXPECT_EQ(VoiceSettings::read(path), s);
    s.voice = "mb-jp2";
    s.write(path);
    EXPECT_EQ(VoiceSettings::read(path), s);
}

TEST(VoiceSettings, DamagedLinesKeepTheirDefaultsAndValuesAreClamped) {
    QTemporaryDir dir;
    const QString path = dir.filePath("K41.voice");
    TestUtil::writeFile(path, "garbage\nRate=fast\n pitch = 999 \nVOLUME=-5\nother=1\n\xff\xfe=\n");
    const VoiceSettings s = VoiceSettings::read(path);
    EXPECT_EQ(s.rate, VoiceSettings::DefaultRate);
    EXPECT_EQ(s.pitch, VoiceSettings::MaxPitch);
    EXPECT_EQ(s.volume, VoiceSettings::MinVolume);
    // A voice name espeak-ng could take for a file or an option is no voice.
    TestUtil::writeFile(path, "Voice=../../etc/x\n");
    EXPECT_TRUE(VoiceSettings::read(path).voice.isEmpty());
    QDir(dir.path()).mkdir("folder.voice");
    EXPECT_EQ(VoiceSettings::read(dir.filePath("folder.voice")), VoiceSettings());
}

TEST(VoiceSettings, AFailedWriteKeepsTheOldFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath("K41.voice");
    VoiceSettings old;
    old.rate = 200;
    old.write(path);
    VoiceSettings changed;
    changed.rate = 400;

    // A file size limit makes every write past it fail, as a full disk does.
    struct rlimit saved {};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previous = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit tiny = saved;
    tiny.rlim_cur = 8;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &tiny), 0);
    const bool failed = writeFails(changed, path);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previous);
    EXPECT_TRUE(failed);
    EXPECT_EQ(VoiceSettings::read(path), old);

    EXPECT_TRUE(writeFails(changed, dir.filePath("missing/K41.voice")));
    QDir(dir.path()).mkdir("folder.voice");
    EXPECT_TRUE(writeFails(changed, dir.filePath("folder.voice")));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList({"K41.voice"}))
        << "no temporary file is left behind";
}

TEST(VoiceSettings, AWriteFailingAtAnyCallKeepsTheOldFile) {
    QTemporaryDir dir(TestUtil::scratchFolder() + QStringLiteral("/k41-XXXXXX"));
    const QString path = dir.filePath("K41.voice");
    VoiceSettings changed;
    changed.rate = 400;
    changed.write(path);
    const QByteArray fresh = TestUtil::readFile(path);
    FaultInjection::everyFault(path, "Rate=200\n", fresh,
                               [&] { return !writeFails(changed, path); });
}

// "読みの確認": the name's current reading is filled in and heard, a corrected one kept.
TEST(VoiceSettingsDialog, HearsANameAndKeepsItsCorrectedReading) {
    struct Check : ReadingCheck {
        QString path = QStringLiteral("/tables/readings.csv");
        QStringList heard, kept;
        bool failKeep = false;
        QString readingOf(const QString& name) override {
            return name == QStringLiteral("上条") ? QStringLiteral("カミジョウ") : QString();
        }
        void hear(const QString& kana, const VoiceSettings&) override { heard << kana; }
        QString tablePath() const override { return path; }
        void keep(const QString& name, const QString& reading) override {
            if (failKeep) throw K41Error(75, QStringLiteral("書き込めません"));
            kept << name + u'=' + reading;
        }
    } check;
    VoiceSettingsDialog dialog(nullptr, QStringLiteral("音声の調節"), VoiceSettings(), &check);
    ASSERT_TRUE(dialog.cmdKeep->isEnabled());
    dialog.txtName->setText(QStringLiteral("上条"));
    dialog.cmdHear->click();
    EXPECT_EQ(dialog.txtReading->text(), QStringLiteral("カミジョウ"));
    dialog.txtReading->setText(QStringLiteral("じょうじょう"));
    dialog.cmdHear->click();
    dialog.cmdKeep->click();
    EXPECT_EQ(check.heard, QStringList({"カミジョウ", "ジョウジョウ"}));
    EXPECT_EQ(check.kept, QStringList({"上条=ジョウジョウ"}));

    // A reading that is not kana is neither heard nor kept; a failed keep says why.
    dialog.txtReading->setText(QStringLiteral("joujou"));
    dialog.cmdHear->click();
    dialog.cmdKeep->click();
    EXPECT_EQ(check.heard.size(), 2);
    EXPECT_EQ(check.kept.size(), 1);
    dialog.txtReading->setText(QStringLiteral("ジョウジョウ"));
    check.failKeep = true;
    dialog.cmdKeep->click();
    EXPECT_TRUE(dialog.lblReadingStatus->text().contains(QStringLiteral("書き込めません")));

    // The voices offered: the built-in one is kept as no name, another by its name.
    EXPECT_FALSE(dialog.cboVoice->isEnabled()) << "only the built-in voice";
    VoiceSettings mbrola;
    mbrola.voice = "mb-jp1";
    VoiceSettingsDialog choose(nullptr, QStringLiteral("音声の調節"), mbrola, &check,
                               {"ja", "mb-jp1", "mb-jp3"});
    EXPECT_EQ(choose.cboVoice->currentText(), QStringLiteral("MBROLA jp1"));
    EXPECT_EQ(choose.settings().voice, "mb-jp1");
    choose.cboVoice->setCurrentIndex(0);
    EXPECT_TRUE(choose.settings().voice.isEmpty());

    // Before a route is set there is no table to keep a reading in.
    check.path.clear();
    VoiceSettingsDialog early(nullptr, QStringLiteral("音声の調節"), VoiceSettings(), &check);
    EXPECT_FALSE(early.cmdKeep->isEnabled());
}
