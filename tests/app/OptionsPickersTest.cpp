// The options dialog's pickers: what each asks for, where the answer goes, and that a cancel
// changes nothing.
#include "tests/app/OptionsFixture.h"

#include "app/options/ColourButton.h"
#include "controls/digit/M_Degit.h"
#include "tests/common/ModalUtil.h"
#include "tests/common/TestUtil.h"

#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

namespace {

QString nulJoined(std::initializer_list<const char*> parts) {
    QString out;
    for (const char* p : parts)
        out += QString::fromUtf8(p) + QChar(u'\0');
    return out + QChar(u'\0');
}

} // namespace

class OptionsPickersTest : public OptionsFixture {
  protected:
    void SetUp() override {
        start();
        useFakePickers();
        showOptions();
    }
};

TEST_F(OptionsPickersTest, APickedPathGoesIntoItsBoxWithTheTitleAndFilterOfItsKind) {
    page(0);
    pathAnswers = {"/data/運賃"};
    clickOn("Command3(0)");
    page(4);
    pathAnswers = {"/snd/move2.wav"};
    clickOn("Option5(1)");
    clickOn("cmdSelectSound(9)");
    page(1);
    clickOn("Option3(1)");
    pathAnswers = {"/pic/on2.jpg"};
    clickOn("Command6(2)");

    EXPECT_EQ(find<QLineEdit>("Text2(0)")->text(), "/data/運賃");
    EXPECT_EQ(k41->settings.FareDataDir, "/data/運賃");
    EXPECT_EQ(k41->settings.SoundMove2, "/snd/move2.wav");
    EXPECT_EQ(k41->settings.PanelOn2File, "/pic/on2.jpg");
    ASSERT_EQ(pickerCalls.size(), 3);
    EXPECT_EQ(pickerCalls[0], "folder|フォルダーを選択してください");
    EXPECT_EQ(pickerCalls[1], "file|サウンドの選択|" + nulJoined({"Waveサウンド(*.wav)", "*.wav",
                                                                  "MIDIサウンド(*.mid)", "*.mid"}));
    EXPECT_EQ(pickerCalls[2], "file|パネル画像の選択|" +
                                  nulJoined({"ビットマップ(*.bmp)", "*.bmp", "GIF画像(*.gif)",
                                             "*.gif", "JPEG画像(*.jpg)", "*.jpg"}));
}

TEST_F(OptionsPickersTest, CancellingAnyPickerLeavesItsBoxAsItWas) {
    const Settings before = k41->settings;
    struct Case {
        int page;
        const char* button;
        const char* box;
    };
    const Case cases[] = {
        {0, "Command3(0)", "Text2(0)"},
        {0, "Command3(1)", "Text2(1)"},
        {1, "Command6(0)", "txtSelectPanel(0)"},
        {1, "Command6(1)", "txtSelectPanel(1)"},
        {1, "Command6(2)", "txtSelectPanel(2)"},
        {4, "cmdSelectSound(0)", "txtSelectSound(0)"},
        {4, "cmdSelectSound(1)", "txtSelectSound(1)"},
    };
    page(1);
    clickOn("Option3(1)");
    for (const Case& c : cases) {
        page(c.page);
        typeInto(c.box, "kept");
        clickOn(c.button);
        EXPECT_EQ(find<QLineEdit>(c.box)->text(), "kept") << c.button;
    }
    page(4);
    for (int sub : {1, 0}) {
        clickOn(QStringLiteral("Option5(%1)").arg(sub));
        for (int k : sub == 1 ? std::vector{7, 8, 9, 10} : std::vector{3, 4, 5, 6}) {
            typeInto(QStringLiteral("txtSelectSound(%1)").arg(k), "kept");
            clickOn(QStringLiteral("cmdSelectSound(%1)").arg(k));
            EXPECT_EQ(find<QLineEdit>(QStringLiteral("txtSelectSound(%1)").arg(k))->text(), "kept");
        }
    }
    page(5);
    clickOn("chkUseSeiriPrev");
    clickOn("Command7");
    EXPECT_EQ(find<QLabel>("Label10")->text(), before.SeiriDateValue);
    for (const char* colour :
         {"Command5(0)", "Command5(1)", "Command5(2)", "Command8(0)", "Command8(1)", "Command8(2)",
          "Command9(0)", "Command9(1)", "Command9(2)"}) {
        page(QString::fromLatin1(colour).startsWith("Command5")   ? 1
             : QString::fromLatin1(colour).startsWith("Command8") ? 2
                                                                  : 3);
        const OleColor was = find<ColourButton>(colour)->colour();
        clickOn(colour);
        EXPECT_EQ(find<ColourButton>(colour)->colour(), was) << colour;
    }
    EXPECT_EQ(pickerCalls.count("colour"), 9);
    EXPECT_EQ(pickerCalls.count("date"), 1);
    EXPECT_EQ(k41->settings.DegitLitColor, before.DegitLitColor);
    EXPECT_EQ(k41->settings.TsugiwaColor, before.TsugiwaColor);
    EXPECT_EQ(k41->settings.SeiriDateValue, before.SeiriDateValue);
}

TEST_F(OptionsPickersTest, APickedDateShowsAsYearMonthDayWithTwoDigitMonthAndDay) {
    page(5);
    clickOn("chkUseSeiriPrev");
    dateAnswer = QDate(2025, 3, 7);
    clickOn("Command7");
    EXPECT_EQ(find<QLabel>("Label10")->text(), "2025/03/07");
    EXPECT_EQ(k41->settings.SeiriDateValue, "2025/03/07");
    dateAnswer = QDate(2031, 12, 25);
    clickOn("Command7");
    EXPECT_EQ(find<QLabel>("Label10")->text(), "2031/12/25");
    dateAnswer = QDate(99, 12, 15); // four digits, never read back as another century
    clickOn("Command7");
    EXPECT_EQ(k41->settings.SeiriDateValue, "0099/12/15");
}

TEST_F(OptionsPickersTest, AChosenColourBecomesTheSettingAndTheCustomColoursAreTheStoresOwn) {
    OleColor startedAt = 0;
    ZKP4Res::CustomColors* table = nullptr;
    options().dialogs().colour = [&](QWidget*, OleColor& colour, ZKP4Res::CustomColors& custom) {
        startedAt = colour;
        table = &custom;
        custom[16] = Colour::rgb(9, 9, 9);
        colour = Colour::rgb(200, 0, 0);
        return 1;
    };
    page(1);
    clickOn("Command5(1)");
    EXPECT_EQ(startedAt, 12648384u) << "the picker starts at the button's colour";
    EXPECT_EQ(table, &k41->settings.CustomColors);
    EXPECT_EQ(k41->settings.CustomColors[16], Colour::rgb(9, 9, 9));
    EXPECT_EQ(k41->settings.SeiriNumColorOn1, Colour::rgb(200, 0, 0));
    EXPECT_EQ(find("Command5(1)")->accessibleDescription(), "#C80000");
}

TEST_F(OptionsPickersTest, APathTheSettingsFileCannotHoldIsRefused) {
    page(0);
    typeInto("Text2(0)", "C:\\バス〜データ");
    EXPECT_EQ(k41->settings.FareDataDir, "C:\\バス〜データ") << "a look-alike has a stored form";
    typeInto("Text2(1)", "/data/버스");
    EXPECT_EQ(find<QLineEdit>("Text2(1)")->text(), "") << "typing Hangul is refused";
    pathAnswers = {"/data/버스"};
    clickOn("Command3(0)");
    EXPECT_EQ(k41->settings.FareDataDir, "C:\\バス〜データ");
    ASSERT_EQ(shownMessages.size(), 1);
    EXPECT_TRUE(shownMessages[0].contains("「버」")) << shownMessages[0].toStdString();

    // A box that already holds such a character (set from elsewhere) still takes edits.
    Settings record = options().GetOptionInfo();
    record.TapeDataDir = "/data/버스";
    options().SetOptionInfo(record);
    auto* box = find<QLineEdit>("Text2(1)");
    box->setFocus();
    QTest::keyClick(box, Qt::Key_End);
    QTest::keyClicks(box, "/1");
    EXPECT_EQ(k41->settings.TapeDataDir, "/data/버스/1");
}

TEST_F(OptionsPickersTest, TheOpenButtonsShowTheFolderAsFoundOnThisSystem) {
    QTemporaryDir root;
    ASSERT_TRUE(QDir(root.path()).mkpath("Fare/Route"));
    page(0);
    clickOn("Command10(0)");
    EXPECT_TRUE(openedFolders.isEmpty()) << "no folder named, nothing opened";
    typeInto("Text2(0)", QDir::toNativeSeparators(root.path()) + "\\FARE\\route");
    clickOn("Command10(0)");
    EXPECT_EQ(openedFolders, QStringList({root.path() + "/Fare/Route"}));
}

TEST_F(OptionsPickersTest, TheResourceLibrarysSoundPickerOpensOverTheDialogAndCancelsCleanly) {
    options().dialogs() = OptionDialogs::standard();
    page(4);
    typeInto("txtSelectSound(7)", "kept.wav");
    QString title;
    QStringList filters;
    QWidget* owner = nullptr;
    TestUtil::onNextModal([&](QWidget* w) {
        if (auto* picker = qobject_cast<QFileDialog*>(w)) {
            title = picker->windowTitle();
            filters = picker->nameFilters();
            owner = picker->parentWidget();
        }
        QTest::keyClick(w, Qt::Key_Escape);
    });
    clickOn("cmdSelectSound(7)");
    EXPECT_EQ(title, "サウンドの選択");
    EXPECT_EQ(filters, QStringList({"Waveサウンド (*.wav)", "MIDIサウンド (*.mid)"}));
    EXPECT_EQ(owner, &options());
    EXPECT_EQ(find<QLineEdit>("txtSelectSound(7)")->text(), "kept.wav");
}
