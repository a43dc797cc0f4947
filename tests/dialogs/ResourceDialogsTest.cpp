// The resource library's general dialogs, driven as a user would: each test answers the
// modal dialog from the event loop and checks what the caller gets back.
#include "platform/ZKP4Res.h"
#include "tests/common/ModalUtil.h"
#include "tests/common/TestUtil.h"

#include <gtest/gtest.h>

#include <QCalendarWidget>
#include <QColorDialog>
#include <QFileDialog>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace ZKP4Res;

TEST(ResourceDialogs, TextBoxShowsCrLfLinesAndClosesOnOk) {
    QString shown;
    bool closed = false;
    TestUtil::onNextModal([&](QWidget* w) {
        EXPECT_EQ(w->objectName(), "dlg110");
        shown = w->findChild<QPlainTextEdit*>("dlg110Text")->toPlainText();
        auto* ok = w->findChild<QPushButton*>("dlg110Ok");
        ASSERT_NE(ok, nullptr);
        QTest::mouseClick(ok, Qt::LeftButton);
        closed = true;
    });
    Call_dlg110(nullptr, 1, QStringLiteral("K41 Ver 4.0\r\n運賃表示器\r\n"));
    EXPECT_TRUE(closed);
    EXPECT_EQ(shown, QStringLiteral("K41 Ver 4.0\n運賃表示器\n"));
}

TEST(ResourceDialogs, DatePickerSetsTheChosenDayAndLeavesTheRecordOnCancel) {
    SystemTime date; // zero on entry, as callers pass it
    TestUtil::onNextModal([](QWidget* w) {
        auto* calendar = w->findChild<QCalendarWidget*>("dlg111Calendar");
        ASSERT_NE(calendar, nullptr);
        EXPECT_EQ(calendar->selectedDate(), QDate::currentDate());
        calendar->setSelectedDate(QDate(2024, 2, 29));
        QTest::mouseClick(w->findChild<QPushButton*>("dlg111Ok"), Qt::LeftButton);
    });
    EXPECT_NE(Call_dlg111(nullptr, date), 0);
    EXPECT_EQ(date.wYear, 2024);
    EXPECT_EQ(date.wMonth, 2);
    EXPECT_EQ(date.wDay, 29);
    EXPECT_EQ(date.wDayOfWeek, 4); // a Thursday

    SystemTime untouched;
    TestUtil::onNextModal([](QWidget* w) {
        w->findChild<QCalendarWidget*>("dlg111Calendar")->setSelectedDate(QDate(2001, 1, 1));
        QTest::mouseClick(w->findChild<QPushButton*>("dlg111Cancel"), Qt::LeftButton);
    });
    EXPECT_EQ(Call_dlg111(nullptr, untouched), 0);
    EXPECT_EQ(untouched.wYear, 0);
    EXPECT_EQ(untouched.wDay, 0);

    // Only years 1 to 9999 are offered: a year before 1 would wrap in the record's field.
    SystemTime early;
    TestUtil::onNextModal([](QWidget* w) {
        auto* calendar = w->findChild<QCalendarWidget*>("dlg111Calendar");
        EXPECT_EQ(calendar->minimumDate(), QDate(1, 1, 1));
        EXPECT_EQ(calendar->maximumDate(), QDate(9999, 12, 31));
        calendar->setSelectedDate(QDate(-1, 12, 15));
        QTest::mouseClick(w->findChild<QPushButton*>("dlg111Ok"), Qt::LeftButton);
    });
    EXPECT_NE(Call_dlg111(nullptr, early), 0);
    EXPECT_EQ(early.wYear, 1);
}

TEST(ResourceDialogs, ColourPickerReturnsTheChoiceAndKeepsTheSeventeenthCustomColour) {
    CustomColors custom;
    custom.fill(Colour::rgb(255, 255, 255));
    custom[2] = Colour::rgb(1, 2, 3);
    custom[16] = Colour::rgb(10, 20, 30);
    OleColor colour = Colour::rgb(128, 128, 128);

    QColor offered;
    TestUtil::onNextModal([&](QWidget* w) {
        auto* dlg = qobject_cast<QColorDialog*>(w);
        ASSERT_NE(dlg, nullptr);
        offered = dlg->currentColor();
        EXPECT_EQ(QColorDialog::customColor(2), QColor(1, 2, 3));
        QColorDialog::setCustomColor(5, QColor(9, 8, 7)); // the user edits a custom colour
        dlg->setCurrentColor(QColor(248, 210, 114));
        static_cast<QDialog*>(dlg)->accept();
    });
    EXPECT_NE(Zk3ChooseColor(nullptr, colour, custom), 0);
    EXPECT_EQ(offered, QColor(128, 128, 128));
    EXPECT_EQ(colour, OleColor(7525112));
    EXPECT_EQ(custom[5], Colour::rgb(9, 8, 7));
    EXPECT_EQ(custom[2], Colour::rgb(1, 2, 3));
    EXPECT_EQ(custom[16], Colour::rgb(10, 20, 30));

    // Cancel: the colour stays, custom colours edited meanwhile are still kept.
    TestUtil::onNextModal([](QWidget* w) {
        QColorDialog::setCustomColor(0, QColor(4, 5, 6));
        qobject_cast<QColorDialog*>(w)->setCurrentColor(Qt::red);
        qobject_cast<QColorDialog*>(w)->reject();
    });
    EXPECT_EQ(Zk3ChooseColor(nullptr, colour, custom), 0);
    EXPECT_EQ(colour, OleColor(7525112));
    EXPECT_EQ(custom[0], Colour::rgb(4, 5, 6));
    EXPECT_EQ(custom[16], Colour::rgb(10, 20, 30));
}

TEST(ResourceDialogs, FilePickerTurnsNulSeparatedPairsIntoFiltersAndReturnsThePath) {
    QTemporaryDir dir;
    const QString wav = dir.filePath("chime.wav");
    TestUtil::writeFile(wav, "RIFF");
    const QString filter = QStringLiteral("Wave ファイル\0*.wav\0画像\0*.bmp;*.gif;*.jpg\0\0");

    QStringList filters;
    QString title;
    TestUtil::onNextModal([&](QWidget* w) {
        auto* dlg = qobject_cast<QFileDialog*>(w);
        ASSERT_NE(dlg, nullptr);
        filters = dlg->nameFilters();
        title = dlg->windowTitle();
        dlg->selectFile(wav);
        static_cast<QDialog*>(dlg)->accept();
    });
    const QString chosen =
        Zk3FileDlg(nullptr, 0, filter, QString(), QStringLiteral("サウンドの選択"));
    EXPECT_EQ(filters, (QStringList{QStringLiteral("Wave ファイル (*.wav)"),
                                    QStringLiteral("画像 (*.bmp *.gif *.jpg)")}));
    EXPECT_EQ(title, QStringLiteral("サウンドの選択"));
    EXPECT_EQ(chosen, wav);

    TestUtil::onNextModal([](QWidget* w) { static_cast<QDialog*>(w)->reject(); });
    EXPECT_TRUE(Zk3FileDlg(nullptr, 0, filter, wav, QString()).isEmpty());

    // Descriptions with parentheses of their own: the patterns always come from the masks,
    // never from a description that lists them with semicolons or names no pattern at all.
    const QString described =
        QStringLiteral("画像ファイル (*.bmp;*.gif)\0*.bmp;*.gif\0ビットマップ (BMP)\0*.bmp\0Wave "
                       "(*.wav)\0*.wav\0\0");
    TestUtil::onNextModal([&](QWidget* w) {
        filters = static_cast<QFileDialog*>(w)->nameFilters();
        static_cast<QDialog*>(w)->reject();
    });
    Zk3FileDlg(nullptr, 0, described, QString(), QString());
    EXPECT_EQ(filters, (QStringList{QStringLiteral("画像ファイル (*.bmp *.gif)"),
                                    QStringLiteral("ビットマップ (BMP) (*.bmp)"),
                                    QStringLiteral("Wave (*.wav)")}));
}

TEST(ResourceDialogs, FolderPickerReturnsTheFolderOrEmptyOnCancel) {
    QTemporaryDir dir;
    TestUtil::onNextModal([&](QWidget* w) {
        auto* dlg = qobject_cast<QFileDialog*>(w);
        ASSERT_NE(dlg, nullptr);
        EXPECT_EQ(dlg->fileMode(), QFileDialog::Directory);
        dlg->setDirectory(dir.path());
        static_cast<QDialog*>(dlg)->accept();
    });
    EXPECT_EQ(Zk3FolderDlg(nullptr, QStringLiteral("フォルダーを選択")), dir.path());

    TestUtil::onNextModal([](QWidget* w) { static_cast<QDialog*>(w)->reject(); });
    EXPECT_TRUE(Zk3FolderDlg(nullptr, QString()).isEmpty());
}
