#include "settings/In4File.h"
#include "settings/SettingField.h"
#include "tests/common/TestUtil.h"
#include "tests/settings/HandBuiltIn4.h"

#include <gtest/gtest.h>

#include <QDate>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <sys/stat.h>

namespace {

using ToolRun = TestUtil::ProgramRun;

ToolRun k41tool(const QStringList& args) {
    return TestUtil::runProgram(QStringLiteral(K41TOOL_PATH), args);
}

class K41ToolIn4 : public ::testing::Test {
  protected:
    QString path(const char* name) const { return dir.filePath(QLatin1String(name)); }
    // Builds from `json` into out.in4 and expects a refusal mentioning `mention`.
    void expectRefused(const QByteArray& json, const char* mention) {
        TestUtil::writeFile(path("in.json"), json);
        const ToolRun r = k41tool({"in4", "build", path("in.json"), path("out.in4")});
        EXPECT_NE(r.exitCode, 0) << json.toStdString();
        EXPECT_TRUE(r.err.contains(mention)) << r.err.toStdString();
        EXPECT_EQ(r.err.count('\n'), 1) << r.err.toStdString();
        EXPECT_FALSE(QFile::exists(path("out.in4"))) << json.toStdString();
    }
    QTemporaryDir dir;
};

} // namespace

TEST_F(K41ToolIn4, DumpShowsEveryFieldUnderItsName) {
    TestUtil::writeFile(path("K41.in4"), HandBuiltIn4::file());
    const ToolRun r = k41tool({"in4", "dump", path("K41.in4")});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    // The whole text, checked field by field against the bytes above when it was stored.
    EXPECT_EQ(r.out, QString::fromUtf8(TestUtil::readFile(QStringLiteral(
                         K41_SOURCE_DIR "/tests/settings/data/HandBuiltIn4.dump.json"))));
    const QJsonObject o = QJsonDocument::fromJson(r.out.toUtf8()).object();
    EXPECT_EQ(o.size(), 65 + 4);
    EXPECT_TRUE(r.out.startsWith("{\n  \"FareDataDir\": "));
    EXPECT_EQ(o["FareDataDir"].toString(), QStringLiteral("C:\\運賃"));
    EXPECT_EQ(o["SeiriPlgFile"].toString(), QStringLiteral("駅前.4SP"));
    EXPECT_EQ(o["SeiriNumColorOn2"].toInt(), 0x070809);
    EXPECT_EQ(o["PanelAssignEach"].toInt(), -1);
    EXPECT_EQ(o["PanelAssignAuto"].toInt(), 0);
    EXPECT_EQ(o["InfoKeitouPos"].toInt(), -1);
    EXPECT_EQ(o["SoundMoveColumn"].toInt(), 42);
    const QJsonObject ctrl = o["CtrlDataInfo"].toObject();
    EXPECT_EQ(ctrl["ScrollInterval"].toInt(), 2500);
    EXPECT_EQ(ctrl["PanelLeft"].toInt(), -300);
    EXPECT_EQ(o["FormInfo"].toObject()["BoardLeft"].toInt(), 70000);
    EXPECT_EQ(o["CustomColors"].toArray().size(), 17);
    EXPECT_EQ(o["CustomColors"].toArray()[16].toInt(), 0x0A0010);
    const QJsonArray digits = o["DegitUserInfo"].toArray();
    ASSERT_EQ(digits.size(), 24);
    EXPECT_EQ(digits[5].toObject()["Shift"].toInt(), 1);
    EXPECT_EQ(digits[5].toObject()["ZeroMode"].toInt(), 2);
    EXPECT_EQ(digits[5].toObject()["FillZero"].toInt(), 2);
}

TEST_F(K41ToolIn4, DumpRefusesANamedPipeAtOnce) {
    ASSERT_EQ(::mkfifo(QFile::encodeName(path("K41.in4")).constData(), 0600), 0);
    const ToolRun r = k41tool({"in4", "dump", path("K41.in4")}); // a hang ends as exit -1
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.contains("error 75")) << r.err.toStdString();
}

TEST_F(K41ToolIn4, DumpThenBuildGivesTheSameFile) {
    TestUtil::writeFile(path("K41.in4"), HandBuiltIn4::file());
    const ToolRun dump = k41tool({"in4", "dump", path("K41.in4")});
    TestUtil::writeFile(path("in.json"), dump.out.toUtf8());
    const ToolRun build = k41tool({"in4", "build", path("in.json"), path("out.in4")});
    ASSERT_EQ(build.exitCode, 0) << build.err.toStdString();
    EXPECT_EQ(TestUtil::readFile(path("out.in4")), HandBuiltIn4::file());
}

TEST_F(K41ToolIn4, DigitOptionsAFareDigitKeepsBuildAgain) {
    // A fare digit keeps a negative zero mode or fill as loaded (a negative fill is no fill),
    // so K41 saves such files; what the tool dumps from them it must build again.
    In4File f;
    f.digits[0] = {0, -1, -1};
    f.digits[1] = {0, -32768, -32768};
    f.digits[23] = {3, 3, 4};
    TestUtil::writeFile(path("K41.in4"), In4Format::write(f));
    const ToolRun dump = k41tool({"in4", "dump", path("K41.in4")});
    ASSERT_EQ(dump.exitCode, 0) << dump.err.toStdString();
    TestUtil::writeFile(path("in.json"), dump.out.toUtf8());
    const ToolRun build = k41tool({"in4", "build", path("in.json"), path("out.in4")});
    ASSERT_EQ(build.exitCode, 0) << build.err.toStdString();
    EXPECT_EQ(TestUtil::readFile(path("out.in4")), TestUtil::readFile(path("K41.in4")));

    // What no fare digit can hold stays refused: blanks past the last cell, mode 4, fill 5.
    QFile::remove(path("out.in4"));
    for (const char* bad : {R"("Shift": 4)", R"("ZeroMode": 4)", R"("FillZero": 5)"}) {
        QByteArrayList entries(24, "{}");
        entries[7] = QByteArray("{") + bad + "}";
        expectRefused("{\"DegitUserInfo\": [" + entries.join(", ") + "]}", "DegitUserInfo[7]");
    }
}

// A file as K41 might find it, written field by field from the settings table: values
// outside what build accepts by hand, a radio button stored as 5, texts that are not code
// page 932 as K41 writes it (or hold control bytes), a digit count of 3, bytes at the end.
QByteArray oddFile() {
    HandBuiltIn4::Bytes b;
    for (const SettingField& f : SettingFields::all()) {
        const QByteArray name = f.name;
        switch (f.kind) {
        case SettingKind::Text:
            b.text(name == "FareDataDir"  ? QByteArray("C:\\\xED\x40\x80", 6)
                   : name == "SoundReset" ? QByteArray("a\0b\x1A\x7F", 5)
                                          : name);
            break;
        case SettingKind::Check:
        case SettingKind::Index:
            b.i16(name == "InfoColumnUse" ? 301 : name == "SeiriNumStyle" ? 30 : -7);
            break;
        case SettingKind::Colour:
            b.u32(0xFF000000u);
            break;
        case SettingKind::Choice:
            b.i16(name == "PanelAssignAuto" ? 5 : -1);
            break;
        }
    }
    b.i16(9).i32(5000).i32(-1).i16(2).i16(-2).i32(1).i32(2).i32(3).i32(4);
    for (int i = 0; i < 17; ++i)
        b.u32(0xFFFFFFFFu - i);
    b.i16(3);
    for (int i = 0; i < 24; ++i)
        b.i16(7).i16(9).i16(qint16(-1 - i));
    return b.bytes() + "after the end";
}

TEST_F(K41ToolIn4, WhateverDumpPrintsBuildsBackToTheSameBytes) {
    TestUtil::writeFile(path("K41.in4"), oddFile());
    const ToolRun dump = k41tool({"in4", "dump", path("K41.in4")});
    ASSERT_EQ(dump.exitCode, 0) << dump.err.toStdString();
    TestUtil::writeFile(path("in.json"), dump.out.toUtf8());
    const ToolRun build = k41tool({"in4", "build", path("in.json"), path("out.in4")});
    ASSERT_EQ(build.exitCode, 0) << build.err.toStdString();
    EXPECT_EQ(TestUtil::readFile(path("out.in4")), oddFile());
    // What a hand-written file may say stays checked: only the dump's marked form passes.
    QFile::remove(path("out.in4"));
    expectRefused(R"({"InfoColumnUse": 301})", "InfoColumnUse");
}

TEST_F(K41ToolIn4, BuildFillsLeftOutKeysWithStartUpDefaults) {
    TestUtil::writeFile(path("in.json"),
                        R"({"FareDataDir": "D:\\運賃", "CtrlDataInfo": {"PanelTop": 15}})");
    const ToolRun r = k41tool({"in4", "build", path("in.json"), path("out.in4")});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const In4File f = In4Format::read(TestUtil::readFile(path("out.in4")));
    EXPECT_EQ(f.options.FareDataDir, QStringLiteral("D:\\運賃"));
    EXPECT_EQ(f.options.UseSeiriNumAuto, 1);
    EXPECT_EQ(f.options.ChimeiFontMode, -1);
    EXPECT_TRUE(f.options.SoundMoveAsync);
    EXPECT_EQ(f.options.SeiriDateValue,
              QDate::currentDate().toString(QStringLiteral("yyyy/MM/dd")));
    EXPECT_EQ(f.options.CustomColors[0], 16777215u);
    EXPECT_EQ(f.ctrl, (CtrlDataInfo{0, 1, 0, 0, 0, 0, 15}));
    EXPECT_EQ(f.form, (FormInfo{0, 0}));
}

TEST_F(K41ToolIn4, BuildWithABaseTakesLeftOutKeysFromIt) {
    In4File base;
    base.options.TapeDataDir = QStringLiteral("/bus/tape");
    base.options.ChimeiFontMode = 3;
    base.ctrl = {1, 250, 1200, 1, 1, 9000, 4500};
    base.form = {300, 600};
    base.digits[4] = {1, 2, 3};
    TestUtil::writeFile(path("base.in4"), In4Format::write(base));
    TestUtil::writeFile(path("in.json"),
                        R"({"FareDataDir": "/bus/fare", "CtrlDataInfo": {"PanelTop": 15}})");
    const ToolRun r =
        k41tool({"in4", "build", "--base", path("base.in4"), path("in.json"), path("out.in4")});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    In4File expected = base;
    expected.options.FareDataDir = QStringLiteral("/bus/fare");
    expected.ctrl.PanelTop = 15;
    EXPECT_EQ(TestUtil::readFile(path("out.in4")), In4Format::write(expected));

    // A base that is no settings file is refused and nothing is written.
    TestUtil::writeFile(path("cut.in4"), In4Format::write(base).left(100));
    const ToolRun cut =
        k41tool({"in4", "build", "--base", path("cut.in4"), path("in.json"), path("out2.in4")});
    EXPECT_EQ(cut.exitCode, 1);
    EXPECT_FALSE(QFile::exists(path("out2.in4")));
}

TEST_F(K41ToolIn4, BuildRefusesWhatTheFileCannotHold) {
    expectRefused(R"({"FareDataDri": ""})", "FareDataDri");
    expectRefused(R"({"SeiriNumStyle": 12})", "SeiriNumStyle");
    expectRefused(R"({"InfoColumnNo": -2})", "InfoColumnNo");
    expectRefused(R"({"UseSeiriNumAuto": 2})", "UseSeiriNumAuto");
    expectRefused(R"({"PanelAssignAuto": 1})", "PanelAssignAuto");
    expectRefused(R"({"DegitLitColor": 4294967296})", "DegitLitColor");
    expectRefused(R"({"DegitLitColor": 1.5})", "DegitLitColor");
    expectRefused(R"({"SoundReset": 5})", "SoundReset");
    expectRefused(R"({"SoundReset": "caf\u00e9.wav"})", "SoundReset");
    expectRefused(R"({"CtrlDataInfo": {"ScrollSpeed": 2001}})", "CtrlDataInfo.ScrollSpeed");
    expectRefused(R"({"CtrlDataInfo": {"Speed": 1}})", "CtrlDataInfo.Speed");
    expectRefused(R"({"FormInfo": {"BoardTop": 2147483648}})", "FormInfo.BoardTop");
    expectRefused(R"({"CustomColors": [1, 2, 3]})", "CustomColors");
    expectRefused(R"({"DegitUserInfo": [{"ZeroMode": 4}]})", "DegitUserInfo");
    expectRefused(R"([1, 2])", "object");
    expectRefused(R"({"FareDataDir": )", "JSON");
}

TEST_F(K41ToolIn4, DumpOfADamagedFileFailsWithOneLine) {
    TestUtil::writeFile(path("K41.in4"), HandBuiltIn4::file().left(100));
    const ToolRun r = k41tool({"in4", "dump", path("K41.in4")});
    EXPECT_NE(r.exitCode, 0);
    EXPECT_TRUE(r.out.isEmpty());
    EXPECT_TRUE(r.err.contains("62")) << r.err.toStdString();
    EXPECT_EQ(r.err.count('\n'), 1);
    EXPECT_NE(k41tool({"in4", "dump", path("missing.in4")}).exitCode, 0);
}
