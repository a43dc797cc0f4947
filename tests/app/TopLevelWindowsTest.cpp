// How the board and the panel present themselves: Qt's own texts in Japanese, the quit
// question and what assistive technology is told about both windows. The panel's frame is
// checked under a real window manager by panel_frame_x11.sh.
#include "tests/app/AppFixture.h"

#include "app/Form1.h"
#include "panel/frmCtl.h"
#include "tests/common/ModalUtil.h"

#include <QAccessible>
#include <QDialogButtonBox>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

class TopLevelWindowsTest : public AppFixture {};

TEST_F(TopLevelWindowsTest, QtsOwnButtonsSpeakJapaneseWhateverTheSystemLanguage) {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    start();
    QDialogButtonBox buttons(QDialogButtonBox::Ok | QDialogButtonBox::Cancel |
                             QDialogButtonBox::Yes | QDialogButtonBox::No);
    EXPECT_EQ(buttons.button(QDialogButtonBox::Ok)->text(), "OK");
    EXPECT_EQ(buttons.button(QDialogButtonBox::Cancel)->text(), "キャンセル");
    // With the access key, as Japanese Windows shows it: はい(Y).
    EXPECT_EQ(buttons.button(QDialogButtonBox::Yes)->text(), "はい(&Y)");
    EXPECT_EQ(buttons.button(QDialogButtonBox::No)->text(), "いいえ(&N)");
    QLocale::setDefault(QLocale::system());
}

TEST_F(TopLevelWindowsTest, TheQuitQuestionOffersYesFirstAndNoKeepsK41Running) {
    start();
    QString title, text, yes, no;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    bool yesIsDefault = false;
    TestUtil::onNextModal([&](QWidget* dialog) {
        auto* box = qobject_cast<QMessageBox*>(dialog);
        ASSERT_NE(box, nullptr);
        title = box->windowTitle();
        text = box->text();
        icon = box->icon();
        yes = box->button(QMessageBox::Yes)->text();
        no = box->button(QMessageBox::No)->text();
        yesIsDefault = box->defaultButton() == box->button(QMessageBox::Yes);
        box->button(QMessageBox::No)->click();
    });
    panel().close();
    EXPECT_EQ(title, "料金案内盤アプリの終了確認");
    EXPECT_EQ(text, "料金案内盤アプリを終了しますか？");
    EXPECT_EQ(icon, QMessageBox::Question);
    EXPECT_TRUE(yes.startsWith("はい")) << yes.toStdString();
    EXPECT_TRUE(no.startsWith("いいえ")) << no.toStdString();
    EXPECT_TRUE(yesIsDefault);
    EXPECT_FALSE(ended);
    EXPECT_TRUE(panel().isVisible());
}

TEST_F(TopLevelWindowsTest, BothWindowsPresentThemselvesAsWindowsNamedByTheirCaptions) {
    start();
    QAccessibleInterface* boardWindow = QAccessible::queryAccessibleInterface(&board());
    ASSERT_NE(boardWindow, nullptr);
    EXPECT_EQ(boardWindow->role(), QAccessible::Window);
    EXPECT_EQ(boardWindow->text(QAccessible::Name), "料金案内盤アプリケーション - 型番:test_app");

    QAccessibleInterface* panelWindow = QAccessible::queryAccessibleInterface(&panel());
    ASSERT_NE(panelWindow, nullptr);
    EXPECT_EQ(panelWindow->role(), QAccessible::Window);
    EXPECT_EQ(panelWindow->text(QAccessible::Name), "集中操作盤");
    EXPECT_GT(panelWindow->childCount(), 0) << "its controls are still reachable";
}
