// Every setting changed through the dialog's controls, the program quit with "はい" and
// started again: the dialog shows every value again, the board looks the same, and the
// settings file holds the new values.
#include "tests/app/OptionsFixture.h"

#include "app/Form1.h"
#include "app/WindowsIniHost.h"
#include "app/options/ColourButton.h"
#include "panel/frmCtl.h"
#include "settings/mdlIniIoEx.h"
#include "tests/common/ModalUtil.h"
#include "tests/common/TestUtil.h"

#include <QCheckBox>
#include <QComboBox>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <map>

namespace {

// What the user sees in the control of every setting, and the enabled and shown states of
// the controls the rules govern.
std::map<QString, QString> dialogState(const frmOption& dialog) {
    std::map<QString, QString> out;
    for (const SettingField& f : SettingFields::all()) {
        QWidget* w = dialog.control(f);
        QString v;
        if (auto* box = qobject_cast<QLineEdit*>(w))
            v = box->text();
        else if (auto* label = qobject_cast<QLabel*>(w))
            v = label->text();
        else if (auto* check = qobject_cast<QAbstractButton*>(w); check && check->isCheckable())
            v = check->isChecked() ? "on" : "off";
        else if (auto* list = qobject_cast<QComboBox*>(w))
            v = QString::number(list->currentIndex());
        else if (auto* colour = qobject_cast<ColourButton*>(w))
            v = QString::number(colour->colour());
        out[w->objectName()] = v;
    }
    for (const char* name :
         {"Frame3", "Frame6(0)", "Frame6(1)", "Frame6(2)", "Frame10", "Frame7", "Combo4(0)",
          "Check3(4)", "Combo4(1)", "Combo4(2)", "Combo4(3)", "Combo4(4)"}) {
        const QWidget* w = dialog.findChild<QWidget*>(QString::fromLatin1(name));
        out[QString::fromLatin1(name) + " state"] =
            QStringLiteral("%1 %2").arg(w->isEnabled()).arg(w->isHidden());
    }
    return out;
}

} // namespace

class OptionsRoundTripTest : public OptionsFixture {
  protected:
    // Changes every setting the dialog can change, through its controls.
    void changeEverySetting() {
        page(0);
        typeInto("Text2(0)", "C:\\バス\\運賃データ\\");
        pathAnswers = {"/srv/k41/放送"};
        clickOn("Command3(1)");

        page(1);
        choose("Combo2", 7);
        clickOn("Check2");
        colourAnswers = {Colour::rgb(1, 0, 0), Colour::rgb(2, 0, 0), Colour::rgb(3, 0, 0)};
        clickOn("Command5(0)");
        clickOn("Command5(1)");
        clickOn("Command5(2)");
        clickOn("Option3(1)");
        clickOn("Option3(6)");
        clickOn("Option3(2)");
        clickOn("Option3(5)");
        typeInto("txtSelectPanel(0)", "C:\\パネル\\off.bmp");
        pathAnswers = {"/home/k41/on1.gif"};
        clickOn("Command6(1)");
        typeInto("txtSelectPanel(2)", "on2.jpg");
        clickOn("Check1");

        page(2);
        colourAnswers = {Colour::rgb(0, 4, 0), Colour::rgb(0, 5, 0), Colour::rgb(0, 6, 0)};
        clickOn("Command8(0)");
        clickOn("Command8(1)");
        clickOn("Command8(2)");
        clickOn("Check3(0)");
        choose("Combo4(0)", 5);
        clickOn("Check3(4)");
        clickOn("Check3(1)");
        choose("Combo4(1)", 23);
        clickOn("Check3(2)");
        choose("Combo4(2)", 11);
        clickOn("Check3(3)");
        choose("Combo4(4)", 149);
        choose("Combo4(3)", 2);

        page(3);
        colourAnswers = {Colour::rgb(0, 0, 7), Colour::rgb(0, 0, 8), Colour::rgb(0, 0, 9)};
        clickOn("Command9(0)");
        clickOn("Command9(1)");
        clickOn("Command9(2)");
        choose("Combo3", 4);
        clickOn("Check4");
        choose("Combo6", 2);
        choose("Combo5", 3);
        clickOn("Check5");

        page(4);
        pathAnswers = {"/snd/keitou.wav"};
        clickOn("cmdSelectSound(0)");
        typeInto("txtSelectSound(1)", "reset.mid");
        clickOn("Option5(1)");
        clickOn("Option2(1)");
        typeInto("txtSelectSound(7)", "move.wav");
        choose("Combo1", 99);
        typeInto("txtSelectSound(8)", "move1.wav");
        typeInto("txtSelectSound(9)", "move2.wav");
        pathAnswers = {"/snd/move3.wav"};
        clickOn("cmdSelectSound(10)");
        clickOn("Option6(0)");
        clickOn("Option5(0)");
        clickOn("Option2(3)");
        typeInto("txtSelectSound(3)", "pre.wav");
        typeInto("txtSelectSound(4)", "pre1.wav");
        typeInto("txtSelectSound(5)", "pre2.wav");
        typeInto("txtSelectSound(6)", "pre3.wav");
        clickOn("Option7(1)");

        page(5);
        clickOn("chkUseSeiriPrev");
        clickOn("Option4(2)");
        dateAnswer = QDate(2025, 3, 7);
        clickOn("Command7");
    }
};

TEST_F(OptionsRoundTripTest, EverySettingSurvivesQuitAndRestart) {
    In4File file = sampleSettings();
    file.options.SeiriPlgFile = "C:\\PLG\\ticket.4SP"; // chosen through the plug-in host
    startWith(file);
    useFakePickers();
    const auto initial = dialogState(options());
    withOptionsOpen([&](frmOption&) { changeEverySetting(); });
    const auto changed = dialogState(options());
    // The plug-in is chosen through the plug-in host; of the three date buttons, the one
    // between the old and the new choice stays off.
    const QStringList unchanged = {"txtSeiriPlgDir", "Option4(1)"};
    for (const auto& [name, value] : changed)
        if (!unchanged.contains(name) && !name.endsWith(" state"))
            EXPECT_NE(initial.at(name), value) << name.toStdString() << " was not changed";
    const QImage boardBefore = board().grab().toImage();

    QString question;
    TestUtil::onNextModal([&](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        ASSERT_NE(box, nullptr);
        question = box->text();
        QTest::mouseClick(box->button(QMessageBox::Yes), Qt::LeftButton);
    });
    panel().close();
    EXPECT_EQ(question, "料金案内盤アプリを終了しますか？");
    ASSERT_TRUE(ended);
    stop();

    start();
    EXPECT_EQ(dialogState(options()), changed);
    EXPECT_EQ(board().grab().toImage(), boardBefore);

    const TestUtil::ProgramRun dump =
        TestUtil::runProgram(QStringLiteral(K41TOOL_PATH), {"in4", "dump", settingsPath()});
    ASSERT_EQ(dump.exitCode, 0) << dump.err.toStdString();
    const QJsonObject saved = QJsonDocument::fromJson(dump.out.toUtf8()).object();
    const std::pair<const char*, QJsonValue> expected[] = {
        {"FareDataDir", "C:\\バス\\運賃データ\\"},
        {"TapeDataDir", "/srv/k41/放送"},
        {"UseSeiriNumAuto", 0},
        {"SeiriNumColorOff", 1},
        {"SeiriNumColorOn1", 2},
        {"SeiriNumColorOn2", 3},
        {"SeiriNumStyle", 7},
        {"SeiriNumZeroFill", 1},
        {"PanelAssignAuto", 0},
        {"PanelAssignEach", -1},
        {"PanelOffBuiltin", 0},
        {"PanelOffUser", -1},
        {"PanelOn1Builtin", 0},
        {"PanelOn1User", -1},
        {"PanelOn2Builtin", 0},
        {"PanelOn2User", -1},
        {"PanelOffFile", "C:\\パネル\\off.bmp"},
        {"PanelOn1File", "/home/k41/on1.gif"},
        {"PanelOn2File", "on2.jpg"},
        {"DegitBackColor", 4 << 8},
        {"DegitUnlitColor", 5 << 8},
        {"DegitLitColor", 6 << 8},
        {"InfoOrderUse", 1},
        {"InfoOrderPos", 5},
        {"InfoOrderFromZero", 1},
        {"InfoSeiriNumUse", 1},
        {"InfoSeiriNumPos", 23},
        {"InfoKeitouUse", 1},
        {"InfoKeitouPos", 11},
        {"InfoColumnUse", 1},
        {"InfoColumnNo", 149},
        {"InfoColumnPos", 2},
        {"ChimeiBackColor", 7 << 16},
        {"ChimeiForeColor", 8 << 16},
        {"ChimeiFontMode", 4},
        {"ChimeiFontBold", 1},
        {"TsugiwaMode", 2},
        {"TsugiwaColor", 9 << 16},
        {"TsugiwaFontMode", 3},
        {"TsugiwaBold", 1},
        {"SoundKeitouSet", "/snd/keitou.wav"},
        {"SoundReset", "reset.mid"},
        {"SoundMoveAlways", 0},
        {"SoundMoveByColumn", -1},
        {"SoundMoveSync", -1},
        {"SoundMoveAsync", 0},
        {"SoundMoveFile", "move.wav"},
        {"SoundMoveColumn", 99},
        {"SoundMove1", "move1.wav"},
        {"SoundMove2", "move2.wav"},
        {"SoundMove3", "/snd/move3.wav"},
        {"SoundPreAlways", 0},
        {"SoundPreByFlag", -1},
        {"SoundPreSync", 0},
        {"SoundPreAsync", -1},
        {"SoundPreFile", "pre.wav"},
        {"SoundPre1", "pre1.wav"},
        {"SoundPre2", "pre2.wav"},
        {"SoundPre3", "pre3.wav"},
        {"UseSeiriPrev", 1},
        {"SeiriPlgFile", "C:\\PLG\\ticket.4SP"},
        {"SeiriDateAuto", 0},
        {"SeiriDateHold", 0},
        {"SeiriDateFixed", -1},
        {"SeiriDateValue", "2025/03/07"},
    };
    EXPECT_EQ(std::size(expected), SettingFields::all().size());
    for (const auto& [name, value] : expected)
        EXPECT_EQ(saved.value(QLatin1String(name)), value) << name;
}

// The dialog is built when first wanted. A settings file read before then is written back
// byte for byte when the dialog was never opened, and the dialog built afterwards shows it.
TEST_F(OptionsRoundTripTest, SettingsReadBeforeTheDialogExistsAreKeptAndShown) {
    In4File file = sampleSettings();
    file.options.SoundPre2 = QStringLiteral("C:\\音\\駅前.wav");
    file.options.SeiriNumStyle = 5;
    file.options.PanelAssignAuto = 0;
    file.options.PanelAssignEach = -1;
    file.options.ChimeiForeColor = Colour::rgb(10, 20, 30);
    file.options.SeiriDateAuto = 0;
    file.options.SeiriDateFixed = -1;
    file.options.SeiriDateValue = QStringLiteral("2024/02/29");
    startWith(file);
    const QByteArray read = TestUtil::readFile(settingsPath());
    ASSERT_FALSE(k41->options->isBuilt());
    mdlIniIoEx::SaveIniFile(settingsPath(), *k41->iniHost);
    EXPECT_EQ(TestUtil::readFile(settingsPath()), read);
    ASSERT_FALSE(k41->options->isBuilt());

    const auto shown = dialogState(options());
    EXPECT_EQ(shown.at("txtSelectSound(5)"), QStringLiteral("C:\\音\\駅前.wav"));
    EXPECT_EQ(shown.at("Combo2"), "5");
    EXPECT_EQ(shown.at("Option3(1)"), "on");
    EXPECT_EQ(shown.at("Frame6(0) state"), "1 0") << "the rule of the loaded choice ran";
    EXPECT_EQ(shown.at("Command9(1)"), QString::number(Colour::rgb(10, 20, 30)));
    EXPECT_EQ(shown.at("Option4(2)"), "on");
    EXPECT_EQ(shown.at("Label10"), "2024/02/29");
    // Building the dialog changes nothing either.
    mdlIniIoEx::SaveIniFile(settingsPath(), *k41->iniHost);
    EXPECT_EQ(TestUtil::readFile(settingsPath()), read);
}
