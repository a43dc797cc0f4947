// The options dialog on its own: which control holds each setting, its captions and lists,
// its initial states and its enabling rules, and the exchange with a settings record.
#include "tests/app/OptionsFixture.h"

#include "app/Form1.h"
#include "app/options/ColourButton.h"
#include "app/options/PanelPage.h"
#include "app/options/SoundPage.h"
#include "controls/digit/M_Degit.h"
#include "panel/BacklightFrame.h"
#include "panel/frmCtl.h"
#include "platform/core/K41Error.h"
#include "tests/common/TestUtil.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QStackedWidget>
#include <set>

namespace {

// Each setting and the control that holds it, as the dialog's layout names them.
const std::pair<const char*, const char*> ControlOf[] = {
    {"FareDataDir", "Text2(0)"},
    {"TapeDataDir", "Text2(1)"},
    {"UseSeiriNumAuto", "Check1"},
    {"SeiriNumColorOff", "Command5(0)"},
    {"SeiriNumColorOn1", "Command5(1)"},
    {"SeiriNumColorOn2", "Command5(2)"},
    {"SeiriNumStyle", "Combo2"},
    {"SeiriNumZeroFill", "Check2"},
    {"PanelAssignAuto", "Option3(0)"},
    {"PanelAssignEach", "Option3(1)"},
    {"PanelOffBuiltin", "Option3(7)"},
    {"PanelOffUser", "Option3(6)"},
    {"PanelOn1Builtin", "Option3(3)"},
    {"PanelOn1User", "Option3(2)"},
    {"PanelOn2Builtin", "Option3(4)"},
    {"PanelOn2User", "Option3(5)"},
    {"PanelOffFile", "txtSelectPanel(0)"},
    {"PanelOn1File", "txtSelectPanel(1)"},
    {"PanelOn2File", "txtSelectPanel(2)"},
    {"DegitBackColor", "Command8(0)"},
    {"DegitUnlitColor", "Command8(1)"},
    {"DegitLitColor", "Command8(2)"},
    {"InfoOrderUse", "Check3(0)"},
    {"InfoOrderPos", "Combo4(0)"},
    {"InfoOrderFromZero", "Check3(4)"},
    {"InfoSeiriNumUse", "Check3(1)"},
    {"InfoSeiriNumPos", "Combo4(1)"},
    {"InfoKeitouUse", "Check3(2)"},
    {"InfoKeitouPos", "Combo4(2)"},
    {"InfoColumnUse", "Check3(3)"},
    {"InfoColumnNo", "Combo4(4)"},
    {"InfoColumnPos", "Combo4(3)"},
    {"ChimeiBackColor", "Command9(0)"},
    {"ChimeiForeColor", "Command9(1)"},
    {"ChimeiFontMode", "Combo3"},
    {"ChimeiFontBold", "Check4"},
    {"TsugiwaMode", "Combo6"},
    {"TsugiwaColor", "Command9(2)"},
    {"TsugiwaFontMode", "Combo5"},
    {"TsugiwaBold", "Check5"},
    {"SoundKeitouSet", "txtSelectSound(0)"},
    {"SoundReset", "txtSelectSound(1)"},
    {"SoundMoveAlways", "Option2(0)"},
    {"SoundMoveByColumn", "Option2(1)"},
    {"SoundMoveSync", "Option6(0)"},
    {"SoundMoveAsync", "Option6(1)"},
    {"SoundMoveFile", "txtSelectSound(7)"},
    {"SoundMoveColumn", "Combo1"},
    {"SoundMove1", "txtSelectSound(8)"},
    {"SoundMove2", "txtSelectSound(9)"},
    {"SoundMove3", "txtSelectSound(10)"},
    {"SoundPreAlways", "Option2(2)"},
    {"SoundPreByFlag", "Option2(3)"},
    {"SoundPreSync", "Option7(0)"},
    {"SoundPreAsync", "Option7(1)"},
    {"SoundPreFile", "txtSelectSound(3)"},
    {"SoundPre1", "txtSelectSound(4)"},
    {"SoundPre2", "txtSelectSound(5)"},
    {"SoundPre3", "txtSelectSound(6)"},
    {"UseSeiriPrev", "chkUseSeiriPrev"},
    {"SeiriPlgFile", "txtSeiriPlgDir"},
    {"SeiriDateAuto", "Option4(0)"},
    {"SeiriDateHold", "Option4(1)"},
    {"SeiriDateFixed", "Option4(2)"},
    {"SeiriDateValue", "Label10"},
};

QStringList items(const QComboBox* list) {
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out << list->itemText(i);
    return out;
}

} // namespace

class OptionsDialogTest : public OptionsFixture {};

TEST_F(OptionsDialogTest, EverySettingHasItsOwnNamedControlWithAnAccessibleName) {
    start();
    std::set<QWidget*> seen;
    for (const auto& [setting, name] : ControlOf) {
        const SettingField* f = SettingFields::find(QString::fromLatin1(setting));
        ASSERT_NE(f, nullptr) << setting;
        QWidget* w = options().control(*f);
        ASSERT_NE(w, nullptr) << setting;
        EXPECT_EQ(w->objectName(), QString::fromLatin1(name)) << setting;
        EXPECT_FALSE(w->accessibleName().isEmpty()) << name;
        EXPECT_TRUE(seen.insert(w).second) << name << " holds two settings";
    }
    EXPECT_EQ(seen.size(), SettingFields::all().size());
    EXPECT_EQ(find<QLineEdit>("Text2(1)")->accessibleName(),
              "放送用データ(*****Tp.csv)のあるフォルダー：");
    EXPECT_EQ(find("Command8(1)")->accessibleName(), "未発光時の文字色：");
    EXPECT_EQ(find("Option1(5)")->accessibleName(), "整理券プレビュー");
}

TEST_F(OptionsDialogTest, CaptionsAndListsAreThoseOfTheLayout) {
    start();
    EXPECT_EQ(options().windowTitle(), "オプション");
    const char* pages[6][2] = {
        {"運賃データと　放送用データ", "運賃データと放送用データ"},
        {"パネルと整理券番号表示", "パネルと整理券番号表示"},
        {"デジタル部品と情報用数字", "デジタル部品と情報用数字"},
        {"停名の設定", "停名の設定"},
        {"サウンド", "サウンド（鳴らさなくてもいい項目にはファイル名を入れないで下さい）"},
        {"　　整理券　　　プレビュー", "整理券プレビュー"}};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(find<QRadioButton>(QStringLiteral("Option1(%1)").arg(i))->text(),
                  QString::fromUtf8(pages[i][0]));
        EXPECT_EQ(find<QGroupBox>(QStringLiteral("Frame1(%1)").arg(i))->title(),
                  QString::fromUtf8(pages[i][1]));
    }
    EXPECT_EQ(options().Command4->text(), "OK");
    EXPECT_EQ(
        find<QRadioButton>("Option2(1)")->text(),
        "運賃データ(*.hy3)の特定の列のデータから判断して、以下の指定したサウンドを鳴らす（指定"
        "した列のデータの内容が1～3以外の場合はサウンドは鳴りません）");
    EXPECT_EQ(find<QRadioButton>("Option4(0)")->text(),
              "システムの日付を使用（整理券印字と同時に日付を更新、デフォルト）");
    EXPECT_EQ(find<QCheckBox>("Check5")->text(), "太字（表示の不具合はサポート対象外）");

    const QStringList styles = items(find<QComboBox>("Combo2"));
    ASSERT_EQ(styles.size(), 12);
    EXPECT_EQ(styles[0], "1,2,3...24 （既定の表示）");
    EXPECT_EQ(styles[1], "0,1,2...23");
    EXPECT_EQ(styles[6], "「券なし」、1,2...23");
    EXPECT_EQ(styles[11], "(無地)、2,3...24");
    EXPECT_EQ(items(find<QComboBox>("Combo3")),
              QStringList({"ゴシック体", "明朝体", "漢字はゴシック、それ以外は明朝",
                           "漢字は明朝、それ以外はゴシック", "英数字はゴシック、それ以外は明朝"}));
    EXPECT_EQ(items(find<QComboBox>("Combo6")),
              QStringList({"「次は」表示なし", "「次は」を表示（「は」が小さい）",
                           "「次は」を表示（同じ大きさ）"}));
    EXPECT_EQ(items(find<QComboBox>("Combo5")),
              QStringList({"すべてゴシック体", "「は」だけ明朝体", "すべて明朝体",
                           "「は」だけゴシック体"}));
    for (int i = 0; i < 4; ++i) {
        const QStringList digits = items(find<QComboBox>(QStringLiteral("Combo4(%1)").arg(i)));
        ASSERT_EQ(digits.size(), 24);
        EXPECT_EQ(digits.last(), "24");
    }
    EXPECT_EQ(items(find<QComboBox>("Combo4(4)")).size(), 150);
    EXPECT_EQ(items(find<QComboBox>("Combo1")).value(149), "150");
}

TEST_F(OptionsDialogTest, WithoutSettingsFileTheDialogStartsInItsInitialStates) {
    start();
    showOptions();
    EXPECT_TRUE(options().Option1[0]->isChecked());
    EXPECT_EQ(options().currentPage(), OptionPage::Folders);
    for (int i = 0; i < 5; ++i)
        EXPECT_FALSE(find(QStringLiteral("Combo4(%1)").arg(i))->isEnabled()) << i;
    EXPECT_FALSE(find("Check3(4)")->isEnabled());
    for (const char* name : {"Frame6(0)", "Frame6(1)", "Frame6(2)", "Frame10", "Frame7"}) {
        EXPECT_FALSE(find(name)->isEnabled()) << name;
        EXPECT_TRUE(find(name)->isHidden()) << name;
    }
    EXPECT_TRUE(find("Frame3")->isEnabled());
    EXPECT_TRUE(find<QCheckBox>("Check1")->isChecked());
    EXPECT_TRUE(find<QRadioButton>("Option5(1)")->isChecked());
    EXPECT_EQ(options().findChild<QStackedWidget*>("subPages")->currentWidget(), find("Frame2(1)"));
    for (const char* name : {"Combo3", "Combo5", "Combo6"})
        EXPECT_EQ(find<QComboBox>(name)->currentIndex(), -1) << name;
    EXPECT_EQ(find<QLabel>("Label10")->text(), QDate::currentDate().toString("yyyy/MM/dd"));
    EXPECT_EQ(find<M_Degit>("M_Degit1")->DegitSize(), 2);
    EXPECT_EQ(find<ColourButton>("Command5(0)")->colour(), 16777215u);
    EXPECT_EQ(find<ColourButton>("Command5(2)")->colour(), 12648384u);
    EXPECT_EQ(find<ColourButton>("Command8(2)")->colour(), 7525112u);
}

TEST_F(OptionsDialogTest, EnablingRulesFollowTheClicks) {
    start();
    showOptions();
    page(2);
    clickOn("Check3(0)");
    EXPECT_TRUE(find("Combo4(0)")->isEnabled());
    EXPECT_TRUE(find("Check3(4)")->isEnabled());
    EXPECT_FALSE(find("Combo4(1)")->isEnabled()) << "each box governs its own list only";
    choose("Combo4(0)", 6);
    clickOn("Check3(0)");
    EXPECT_FALSE(find("Combo4(0)")->isEnabled());
    EXPECT_FALSE(find("Check3(4)")->isEnabled());
    clickOn("Check3(0)");
    EXPECT_TRUE(find("Check3(4)")->isEnabled());
    EXPECT_EQ(find<QComboBox>("Combo4(0)")->currentIndex(), 6) << "the chosen digit is kept";
    clickOn("Check3(3)");
    EXPECT_TRUE(find("Combo4(3)")->isEnabled());
    EXPECT_TRUE(find("Combo4(4)")->isEnabled());
    EXPECT_FALSE(find("Combo4(2)")->isEnabled());

    page(1);
    clickOn("Option3(1)");
    for (int i = 0; i < 3; ++i) {
        QWidget* f = find(QStringLiteral("Frame6(%1)").arg(i));
        EXPECT_TRUE(f->isVisible() && f->isEnabled()) << i;
    }
    typeInto("txtSelectPanel(1)", "on1.gif");
    clickOn("Option3(2)");
    clickOn("Option3(0)");
    EXPECT_TRUE(find("Frame6(1)")->isHidden());
    clickOn("Option3(1)");
    EXPECT_EQ(find<QLineEdit>("txtSelectPanel(1)")->text(), "on1.gif");
    EXPECT_TRUE(find<QRadioButton>("Option3(2)")->isChecked()) << "the frames keep their contents";
    clickOn("Check1");
    EXPECT_FALSE(find("Frame3")->isEnabled());
    EXPECT_FALSE(find("Combo2")->isEnabled());
    clickOn("Check1");
    EXPECT_TRUE(find("Combo2")->isEnabled());

    page(5);
    clickOn("chkUseSeiriPrev");
    EXPECT_TRUE(find("Frame10")->isVisible() && find("Frame7")->isVisible());
    clickOn("chkUseSeiriPrev");
    EXPECT_TRUE(find("Frame10")->isHidden() && find("Frame7")->isHidden());

    const Settings& s = k41->settings;
    EXPECT_EQ(s.InfoOrderUse, 1);
    EXPECT_EQ(s.InfoOrderPos, 6);
    EXPECT_TRUE(s.PanelAssignEach && !s.PanelAssignAuto);
    EXPECT_TRUE(s.PanelOn1User && !s.PanelOn1Builtin);
    EXPECT_EQ(s.PanelOn1File, "on1.gif");
    EXPECT_EQ(s.UseSeiriPrev, 0);
}

TEST_F(OptionsDialogTest, EnablingRulesFollowTheValuesOfASettingsFile) {
    In4File file = sampleSettings();
    file.options.UseSeiriNumAuto = 0;
    file.options.PanelAssignAuto = false;
    file.options.PanelAssignEach = true;
    file.options.InfoOrderUse = 1;
    file.options.InfoKeitouUse = 1;
    file.options.UseSeiriPrev = 1;
    startWith(file);
    showOptions();
    EXPECT_FALSE(find("Frame3")->isEnabled());
    EXPECT_FALSE(find("Frame6(0)")->isHidden());
    EXPECT_TRUE(find("Combo4(0)")->isEnabled());
    EXPECT_TRUE(find("Check3(4)")->isEnabled());
    EXPECT_FALSE(find("Combo4(1)")->isEnabled());
    EXPECT_TRUE(find("Combo4(2)")->isEnabled());
    EXPECT_TRUE(find("Frame10")->isEnabled());
    EXPECT_FALSE(find("Frame7")->isHidden());
}

TEST_F(OptionsDialogTest, ARecordShowsInTheControlsRadioGroupsAsStored) {
    start();
    Settings record = options().GetOptionInfo();
    options().SetOptionInfo(record);
    EXPECT_EQ(find<QComboBox>("Combo3")->currentIndex(), -1) << "an empty list stays empty";

    record.SoundMoveAlways = false; // a pair stored with neither selected
    record.SoundMoveByColumn = false;
    record.SeiriDateAuto = true; // one stored with all three selected
    record.SeiriDateHold = true;
    record.SeiriDateFixed = true;
    record.TsugiwaMode = 2;
    record.DegitLitColor = Colour::rgb(0, 0, 255);
    options().SetOptionInfo(record);
    EXPECT_FALSE(find<QRadioButton>("Option2(0)")->isChecked());
    EXPECT_FALSE(find<QRadioButton>("Option2(1)")->isChecked());
    EXPECT_FALSE(find<QRadioButton>("Option4(0)")->isChecked());
    EXPECT_FALSE(find<QRadioButton>("Option4(1)")->isChecked());
    EXPECT_TRUE(find<QRadioButton>("Option4(2)")->isChecked()) << "the last of the copy wins";
    EXPECT_EQ(find<QComboBox>("Combo6")->currentIndex(), 2);
    EXPECT_EQ(find<M_Degit>("M_Degit1")->DegitForeColor(), Colour::rgb(0, 0, 255))
        << "the preview takes the loaded digit colours";

    // A user's click on the empty pair selects one again.
    showOptions();
    page(4);
    clickOn("Option2(1)");
    EXPECT_TRUE(k41->settings.SoundMoveByColumn);
    EXPECT_FALSE(k41->settings.SoundMoveAlways);
}

TEST_F(OptionsDialogTest, ARefusedValueIsPassedOverAndTheControlsStillMatchTheStore) {
    start();
    Settings record = options().GetOptionInfo();
    record.InfoColumnUse = 1;
    record.InfoColumnNo = 150; // the list holds 0 to 149
    record.SoundReset = "reset.wav";
    const auto refused = options().SetOptionInfo(record);
    ASSERT_EQ(refused.size(), 1u);
    EXPECT_TRUE(refused[0].description().contains("InfoColumnNo"));
    EXPECT_TRUE(find<QCheckBox>("Check3(3)")->isChecked()) << "copied before the refused value";
    EXPECT_TRUE(find("Combo4(4)")->isEnabled());
    EXPECT_EQ(find<QComboBox>("Combo4(4)")->currentIndex(), k41->settings.InfoColumnNo);
    EXPECT_EQ(find<QLineEdit>("txtSelectSound(1)")->text(), "reset.wav") << "after it: copied";
    EXPECT_EQ(k41->settings.SoundReset, "reset.wav");
}

TEST_F(OptionsDialogTest, TheSelectedBacklightIsAppliedAgainAfterThePanelSettingsOfARecord) {
    start();
    click(panel().Option4[1]); // ON1
    // ON1's own file is no picture: applying the state shows the error box, in which the
    // store tells how far the copy has come.
    const QString notAPicture = dir.filePath("on1.bmp");
    TestUtil::writeFile(notAPicture, "text");
    QStringList steps;
    panel().backlightFrame->showErrorBox = [&](const QString&) {
        steps << QStringLiteral("backlight %1 %2")
                     .arg(k41->settings.PanelOn1File)
                     .arg(k41->settings.DegitBackColor);
    };
    Settings record = options().GetOptionInfo();
    record.PanelAssignEach = true;
    record.PanelOn1User = true;
    record.PanelOn1File = notAPicture;
    record.DegitBackColor = Colour::rgb(1, 2, 3);
    options().SetOptionInfo(record);
    EXPECT_EQ(steps, QStringList({"backlight " + notAPicture + " 8421504"}))
        << "once, after the panel settings and before the digit colours";
}

TEST_F(OptionsDialogTest, ALongStoredPathIsShownAndKeptWhole) {
    // The settings file holds up to 65535 bytes a text; a box must not cut it.
    In4File file = sampleSettings();
    file.options.SoundPre3 = QString(40000, QLatin1Char('p'));
    file.options.TapeDataDir = QStringLiteral("/") + QString(65534, QLatin1Char('t'));
    startWith(file);
    withOptionsOpen([&](frmOption& dialog) {
        for (const char* name : {"SoundPre3", "TapeDataDir"}) {
            const auto* box = qobject_cast<QLineEdit*>(dialog.control(*SettingFields::find(name)));
            ASSERT_NE(box, nullptr) << name;
            EXPECT_EQ(box->text().size(), name[0] == 'S' ? 40000 : 65535) << name;
        }
    });
    EXPECT_EQ(k41->settings.SoundPre3.size(), 40000);
    EXPECT_EQ(k41->settings.TapeDataDir.size(), 65535);
}

TEST(SoundChoice, TheSoundFontIsWantedOnlyWhenASoundBoxNamesAMidiTune) {
    Settings s;
    s.SoundKeitouSet = QStringLiteral("C:\\SOUND\\KEITOU.WAV");
    s.SoundPre1 = QStringLiteral("chime.wav");
    EXPECT_FALSE(SoundPage::choosesMidi(s));
    // Any of the boxes, in any case.
    s.SoundMove3 = QStringLiteral("C:\\SOUND\\TUNE.mid");
    EXPECT_TRUE(SoundPage::choosesMidi(s));
    s.SoundMove3.clear();
    s.SoundReset = QStringLiteral("reset.MID");
    EXPECT_TRUE(SoundPage::choosesMidi(s));
}
