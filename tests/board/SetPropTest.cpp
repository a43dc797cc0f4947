// Applying the settings to the board: what the ticket numbers and digits show afterwards.
#include "app/SetProp.h"
#include "app/Form1.h"
#include "app/mdlK41_000.h"
#include "controls/digit/M_Degit.h"
#include "controls/stopname/ChimeiCtl_DX.h"
#include "panel/BacklightFrame.h"
#include "platform/Fonts.h"
#include "settings/Settings.h"
#include "tests/common/ModalUtil.h"
#include "tests/common/TestUtil.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

namespace {

QColor textColour(const QLabel* l) {
    return l->palette().color(QPalette::WindowText);
}

// A board with the panel's backlight buttons beside it, OFF selected.
struct Board {
    Settings s;
    Form1 board{s};
    BacklightFrame backlight{nullptr, s, board};
    void apply() { SetProp(s, board, &backlight); }
};

} // namespace

TEST(SetProp, HiddenTicketNumbersAreStillRenumberedAndRecoloured) {
    Board b;
    Settings& s = b.s;
    Form1& board = b.board;
    s.UseSeiriNumAuto = 0;
    s.SeiriNumStyle = 5;
    s.SeiriNumZeroFill = 1;
    s.SeiriNumColorOff = Colour::rgb(10, 20, 30);
    b.apply();
    for (int i = 1; i <= 24; ++i) {
        EXPECT_TRUE(board.lblSeiriNum[i]->isHidden()) << i;
        EXPECT_EQ(textColour(board.lblSeiriNum[i]), QColor(10, 20, 30)) << i;
    }
    EXPECT_EQ(board.lblSeiriNum[1]->text(), QStringLiteral("無 券"));
    EXPECT_EQ(Fonts::faceName(*board.lblSeiriNum[1]), Fonts::PGothic);
    EXPECT_EQ(board.lblSeiriNum[2]->text(), QStringLiteral("０２"));
    EXPECT_FALSE(board.lblSeiriNum[0]->isHidden()); // the spare label is not part of the column

    s.UseSeiriNumAuto = 1;
    s.SeiriNumStyle = 0;
    s.SeiriNumZeroFill = 0;
    b.apply();
    EXPECT_FALSE(board.lblSeiriNum[1]->isHidden());
    EXPECT_EQ(board.lblSeiriNum[1]->text(), QStringLiteral("１"));
    EXPECT_EQ(Fonts::faceName(*board.lblSeiriNum[1]), Fonts::NumC2);
    EXPECT_EQ(board.lblSeiriNum[1]->font().pointSizeF(), 12.0);
}

TEST(SetProp, StyleAboveElevenEmptiesLabelOneAndKeepsTheOthers) {
    Board b;
    Settings& s = b.s;
    Form1& board = b.board;
    b.apply();
    s.SeiriNumStyle = 12;
    b.apply();
    EXPECT_EQ(board.lblSeiriNum[1]->text(), QString());
    EXPECT_EQ(Fonts::faceName(*board.lblSeiriNum[1]), Fonts::PGothic);
    EXPECT_EQ(board.lblSeiriNum[2]->text(), QStringLiteral("２"));
    EXPECT_EQ(board.lblSeiriNum[24]->text(), QStringLiteral("２４"));
}

TEST(SetProp, EndsWithTheSelectedBacklightStatesPictureAndTicketNumberColour) {
    Board b;
    b.s.SeiriNumColorOff = Colour::rgb(1, 1, 1);
    b.s.SeiriNumColorOn1 = Colour::rgb(2, 2, 2);
    b.s.SeiriNumColorOn2 = Colour::rgb(3, 3, 3);
    const QColor colours[3] = {QColor(1, 1, 1), QColor(2, 2, 2), QColor(3, 3, 3)};
    for (int state : {1, 2, 0}) {
        b.backlight.Option4[size_t(state)]->setChecked(true);
        b.apply();
        EXPECT_EQ(textColour(b.board.lblSeiriNum[17]), colours[state]) << state;
        EXPECT_EQ(b.board.Picture(), b.board.builtinPicture(state)) << state;
    }
    // A board without a panel keeps its picture and number colour.
    b.board.setPicture(QImage());
    SetProp(b.s, b.board, nullptr);
    EXPECT_TRUE(b.board.Picture().isNull());
    EXPECT_EQ(textColour(b.board.lblSeiriNum[17]), colours[0]);
}

TEST(SetProp, FareAndClockDigitsTakeTheThreeDigitColours) {
    Board b;
    Settings& s = b.s;
    Form1& board = b.board;
    s.DegitBackColor = Colour::rgb(0, 0, 64);
    s.DegitUnlitColor = Colour::rgb(0, 0, 90);
    s.DegitLitColor = Colour::rgb(255, 128, 0);
    b.apply();
    for (M_Degit* d : {board.Degit[1], board.Degit[24], board.TimeDegit[0], board.TimeDegit[1]}) {
        EXPECT_EQ(d->BackColor(), s.DegitBackColor) << d->objectName().toStdString();
        EXPECT_EQ(d->BaseForeColor(), s.DegitUnlitColor);
        EXPECT_EQ(d->DegitForeColor(), s.DegitLitColor);
    }
    EXPECT_NE(board.Degit[0]->BackColor(), s.DegitBackColor); // the spare digit is left alone
}

TEST(SetProp, SetsTheStopNameLineAndRepeatsToTheSameBoard) {
    Board b;
    Settings& s = b.s;
    s.ChimeiBackColor = Colour::rgb(10, 20, 30);
    s.ChimeiForeColor = Colour::rgb(200, 100, 0);
    s.ChimeiFontMode = 2;
    s.ChimeiFontBold = 1;
    s.TsugiwaMode = 0;
    s.TsugiwaColor = Colour::rgb(0, 255, 0);
    s.TsugiwaFontMode = 1;
    s.TsugiwaBold = 1;
    b.apply();
    const ChimeiCtl_DX& line = *b.board.ChimeiCtl;
    EXPECT_EQ(line.BackColor(), s.ChimeiBackColor);
    EXPECT_EQ(line.ForeColor(), s.ChimeiForeColor);
    EXPECT_EQ(line.FontMode(), 2);
    EXPECT_TRUE(line.FontBold());
    EXPECT_EQ(line.TsugiwaMode(), 0);
    EXPECT_EQ(line.TsugiwaColor(), s.TsugiwaColor);
    EXPECT_EQ(line.TsugiwaFontMode(), 1);
    EXPECT_TRUE(line.TsugiwaBold());
    const QString firstCaption = b.board.lblSeiriNum[9]->text();
    const QImage firstDigit = b.board.Degit[9]->backBuffer();
    b.apply();
    EXPECT_EQ(b.board.lblSeiriNum[9]->text(), firstCaption);
    EXPECT_EQ(b.board.Degit[9]->backBuffer(), firstDigit);
}

TEST(SeirikenNumSet, ALabelThatCannotBeWrittenStopsTheNumberingWithTheModuleErrorBox) {
    Board b;
    Settings& s = b.s;
    Form1& board = b.board;
    b.apply();
    // A column cut short after label 10: labels 1 to 10 are renumbered, then the error.
    ControlArray<QLabel> shortColumn{0};
    for (int i = 0; i <= 10; ++i)
        shortColumn.append(board.lblSeiriNum[i]);
    const QString label11Before = board.lblSeiriNum[11]->text();
    std::swap(board.lblSeiriNum, shortColumn);

    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    TestUtil::onNextModal([&](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        ASSERT_NE(box, nullptr);
        title = box->windowTitle();
        text = box->text();
        icon = box->icon();
        box->accept();
    });
    mdlK41_000::SeirikenNumSet(board, 1, 0); // reports and returns normally
    // Applying settings has no handling of its own: the short column fails it at step 1.
    EXPECT_THROW(b.apply(), K41Error);
    std::swap(board.lblSeiriNum, shortColumn);

    EXPECT_EQ(title, QStringLiteral("エラー！"));
    EXPECT_EQ(icon, QMessageBox::Critical);
    EXPECT_TRUE(text.startsWith(QStringLiteral("エラーです！\r\n\r\nコード：9\r\n\r\n内容：")));
    EXPECT_TRUE(text.endsWith(QStringLiteral("モジュール：IniIO-SeirikenNumSet( )")));
    EXPECT_EQ(board.lblSeiriNum[10]->text(), QStringLiteral("９"));
    EXPECT_EQ(board.lblSeiriNum[11]->text(), label11Before);
}
