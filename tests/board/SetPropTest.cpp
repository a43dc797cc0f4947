// Applying the settings to the board: what the ticket numbers and digits show afterwards.
#include "app/SetProp.h"
#include "app/Form1.h"
#include "app/mdlK41_000.h"
#include "controls/digit/M_Degit.h"
#include "controls/stopname/ChimeiCtl_DX.h"
#include "platform/Fonts.h"
#include "settings/Settings.h"
#include "tests/common/ModalUtil.h"
#include "tests/common/TestUtil.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QMessageBox>

namespace {

QColor textColour(const QLabel* l) {
    return l->palette().color(QPalette::WindowText);
}

} // namespace

TEST(SetProp, HiddenTicketNumbersAreStillRenumberedAndRecoloured) {
    Settings s;
    Form1 board(s);
    s.UseSeiriNumAuto = 0;
    s.SeiriNumStyle = 5;
    s.SeiriNumZeroFill = 1;
    s.SeiriNumColorOff = Colour::rgb(10, 20, 30);
    SetProp(s, board, 0);
    for (int i = 1; i <= 24; ++i) {
        EXPECT_TRUE(board.lblSeiriNum[i]->isHidden()) << i;
        EXPECT_EQ(textColour(board.lblSeiriNum[i]), QColor(10, 20, 30)) << i;
    }
    EXPECT_EQ(board.lblSeiriNum[1]->text(), QStringLiteral("無 券"));
    EXPECT_EQ(Fonts::faceName(board.lblSeiriNum[1]->font()), Fonts::PGothic);
    EXPECT_EQ(board.lblSeiriNum[2]->text(), QStringLiteral("０２"));
    EXPECT_FALSE(board.lblSeiriNum[0]->isHidden()); // the spare label is not part of the column

    s.UseSeiriNumAuto = 1;
    s.SeiriNumStyle = 0;
    s.SeiriNumZeroFill = 0;
    SetProp(s, board, 0);
    EXPECT_FALSE(board.lblSeiriNum[1]->isHidden());
    EXPECT_EQ(board.lblSeiriNum[1]->text(), QStringLiteral("１"));
    EXPECT_EQ(Fonts::faceName(board.lblSeiriNum[1]->font()), Fonts::NumC2);
    EXPECT_EQ(board.lblSeiriNum[1]->font().pointSizeF(), 12.0);
}

TEST(SetProp, StyleAboveElevenEmptiesLabelOneAndKeepsTheOthers) {
    Settings s;
    Form1 board(s);
    SetProp(s, board, 0);
    s.SeiriNumStyle = 12;
    SetProp(s, board, 0);
    EXPECT_EQ(board.lblSeiriNum[1]->text(), QString());
    EXPECT_EQ(Fonts::faceName(board.lblSeiriNum[1]->font()), Fonts::PGothic);
    EXPECT_EQ(board.lblSeiriNum[2]->text(), QStringLiteral("２"));
    EXPECT_EQ(board.lblSeiriNum[24]->text(), QStringLiteral("２４"));
}

TEST(SetProp, TicketNumbersTakeTheColourOfTheSelectedBacklightState) {
    Settings s;
    Form1 board(s);
    s.SeiriNumColorOff = Colour::rgb(1, 1, 1);
    s.SeiriNumColorOn1 = Colour::rgb(2, 2, 2);
    s.SeiriNumColorOn2 = Colour::rgb(3, 3, 3);
    const std::pair<int, QColor> cases[] = {{0, QColor(1, 1, 1)},
                                            {1, QColor(2, 2, 2)},
                                            {2, QColor(3, 3, 3)},
                                            {-1, QColor(3, 3, 3)},
                                            {7, QColor(3, 3, 3)}};
    for (const auto& [index, colour] : cases) {
        SetProp(s, board, index);
        EXPECT_EQ(textColour(board.lblSeiriNum[17]), colour) << index;
    }
}

TEST(SetProp, FareAndClockDigitsTakeTheThreeDigitColours) {
    Settings s;
    Form1 board(s);
    s.DegitBackColor = Colour::rgb(0, 0, 64);
    s.DegitUnlitColor = Colour::rgb(0, 0, 90);
    s.DegitLitColor = Colour::rgb(255, 128, 0);
    SetProp(s, board, 0);
    for (M_Degit* d : {board.Degit[1], board.Degit[24], board.TimeDegit[0], board.TimeDegit[1]}) {
        EXPECT_EQ(d->BackColor(), s.DegitBackColor) << d->objectName().toStdString();
        EXPECT_EQ(d->BaseForeColor(), s.DegitUnlitColor);
        EXPECT_EQ(d->DegitForeColor(), s.DegitLitColor);
    }
    EXPECT_NE(board.Degit[0]->BackColor(), s.DegitBackColor); // the spare digit is left alone
}

TEST(SetProp, EndsWithTheStopNameAndBacklightStepsAndRepeatsToTheSameBoard) {
    Settings s;
    s.ChimeiBackColor = Colour::rgb(10, 20, 30);
    s.ChimeiForeColor = Colour::rgb(200, 100, 0);
    s.ChimeiFontMode = 2;
    s.ChimeiFontBold = 1;
    s.TsugiwaMode = 0;
    s.TsugiwaColor = Colour::rgb(0, 255, 0);
    s.TsugiwaFontMode = 1;
    s.TsugiwaBold = 1;
    Form1 board(s);
    QStringList steps;
    board.onApplyBacklight = [&](int state) {
        // The stop-name line is done by now.
        EXPECT_EQ(board.ChimeiCtl->TsugiwaColor(), s.TsugiwaColor);
        steps << QStringLiteral("backlight %1").arg(state);
    };
    SetProp(s, board, 1);
    const ChimeiCtl_DX& line = *board.ChimeiCtl;
    EXPECT_EQ(line.BackColor(), s.ChimeiBackColor);
    EXPECT_EQ(line.ForeColor(), s.ChimeiForeColor);
    EXPECT_EQ(line.FontMode(), 2);
    EXPECT_TRUE(line.FontBold());
    EXPECT_EQ(line.TsugiwaMode(), 0);
    EXPECT_EQ(line.TsugiwaFontMode(), 1);
    EXPECT_TRUE(line.TsugiwaBold());
    const QString firstCaption = board.lblSeiriNum[9]->text();
    const QImage firstDigit = board.Degit[9]->backBuffer();
    SetProp(s, board, 5);
    EXPECT_EQ(steps, (QStringList{"backlight 1", "backlight 2"}));
    EXPECT_EQ(board.lblSeiriNum[9]->text(), firstCaption);
    EXPECT_EQ(board.Degit[9]->backBuffer(), firstDigit);
}

TEST(SeirikenNumSet, ALabelThatCannotBeWrittenStopsTheNumberingWithTheModuleErrorBox) {
    Settings s;
    Form1 board(s);
    SetProp(s, board, 0);
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
    EXPECT_THROW(SetProp(s, board, 0), K41Error);
    std::swap(board.lblSeiriNum, shortColumn);

    EXPECT_EQ(title, QStringLiteral("エラー！"));
    EXPECT_EQ(icon, QMessageBox::Critical);
    EXPECT_TRUE(text.startsWith(QStringLiteral("エラーです！\r\n\r\nコード：9\r\n\r\n内容：")));
    EXPECT_TRUE(text.endsWith(QStringLiteral("モジュール：IniIO-SeirikenNumSet( )")));
    EXPECT_EQ(board.lblSeiriNum[10]->text(), QStringLiteral("９"));
    EXPECT_EQ(board.lblSeiriNum[11]->text(), label11Before);
}
