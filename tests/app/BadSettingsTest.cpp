// A settings file holding a value K41 cannot take, or cut short: the rest of the file still
// reaches the windows, a confirmed quit writes it back unchanged, and the old file is kept
// beside the new one.
#include "tests/app/AppFixture.h"

#include "app/Form1.h"
#include "app/WindowsIniHost.h"
#include "panel/frmCtl.h"
#include "settings/SettingField.h"
#include "tests/common/TestUtil.h"
#include "tests/settings/EveryFieldChanged.h"

#include <QFile>

class BadSettingsTest : public AppFixture {
  protected:
    // Starts on `bytes` as the settings file, answers the error box, then quits with "はい".
    // Returns the texts of the settings boxes shown.
    QStringList startAndQuit(const QByteArray& bytes) {
        TestUtil::writeFile(settingsPath(), bytes);
        QStringList shown;
        beforeRun = [&](Startup& k41) {
            k41.iniHost->showBox = [&](const QString& text) { shown << text; };
        };
        start();
        panel().askQuit = [] { return true; };
        panel().close();
        stop();
        beforeRun = nullptr;
        return shown;
    }
    QString badPath() const { return settingsPath() + QStringLiteral(".bad"); }

    // Every field away from its default, with the files the settings name left empty so that
    // no other box shows.
    static In4File unusual() {
        In4File f = EveryFieldChanged::file();
        f.options.PanelOffFile.clear();
        f.options.PanelOn1File.clear();
        f.options.PanelOn2File.clear();
        f.options.SeiriPlgFile.clear();
        f.ctrl.PanelLeft = 1500;
        f.ctrl.PanelTop = 3000;
        f.form.BoardLeft = 450;
        f.form.BoardTop = 600;
        return f;
    }
};

TEST_F(BadSettingsTest, EachRefusedValueCostsOnlyItselfAcrossAStartAndAQuit) {
    const In4File good = unusual();
    for (const SettingField& f : SettingFields::all()) {
        if (f.kind != SettingKind::Check && f.kind != SettingKind::Index) continue;
        In4File bad = good;
        bad.options.*f.number = f.kind == SettingKind::Check ? 2 : qint16(f.listCount);
        const QByteArray badBytes = In4Format::write(bad);
        const QStringList boxes = startAndQuit(badBytes);

        ASSERT_EQ(boxes.size(), 1) << f.name;
        EXPECT_TRUE(boxes[0].startsWith(QStringLiteral("エラー Code:380\r\n内容:")));
        EXPECT_TRUE(boxes[0].section(QStringLiteral("\r\n"), 1, 1).contains(f.qName() + " = "))
            << boxes[0].toStdString();
        In4File expected = good;
        expected.options.*f.number = Settings().*f.number;
        EXPECT_EQ(In4Format::read(TestUtil::readFile(settingsPath())).options.*f.number,
                  Settings().*f.number);
        EXPECT_EQ(TestUtil::readFile(settingsPath()), In4Format::write(expected))
            << f.name << ": every other field comes back byte for byte";
        EXPECT_EQ(TestUtil::readFile(badPath()), badBytes) << f.name;
    }
}

TEST_F(BadSettingsTest, ACutFileKeepsWhatItHeldAndIsKeptBesideTheNewOne) {
    const In4File good = unusual();
    const QByteArray whole = In4Format::write(good);
    // Cut inside the last setting's text: everything before it is whole.
    const QByteArray cut = whole.left(whole.indexOf("2025/03/07") + 4);
    const QStringList boxes = startAndQuit(cut);
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_TRUE(boxes[0].startsWith(QStringLiteral("エラー Code:62\r\n内容:")))
        << boxes[0].toStdString();
    EXPECT_TRUE(boxes[0].contains(QStringLiteral("SeiriDateValue")));
    EXPECT_TRUE(boxes[0].contains(QStringLiteral("K41.in4.bad")));
    EXPECT_EQ(TestUtil::readFile(badPath()), cut);
    const In4File saved = In4Format::read(TestUtil::readFile(settingsPath()));
    EXPECT_EQ(saved.options.FareDataDir, good.options.FareDataDir);
    EXPECT_EQ(saved.options.TapeDataDir, good.options.TapeDataDir);
    EXPECT_EQ(saved.options.SoundPre3, good.options.SoundPre3) << "read before the cut";
    EXPECT_EQ(saved.options.SeiriDateFixed, good.options.SeiriDateFixed);
    EXPECT_EQ(saved.options.SeiriDateValue, Settings().SeiriDateValue) << "cut: the default";
}
