#include "controls/digit/M_Degit.h"
#include "platform/ZKP4Res.h"
#include "tests/common/ModalUtil.h"
#include "tests/common/TestUtil.h"
#include "tests/digit/DigitProbe.h"

#include <gtest/gtest.h>

#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>

namespace {

// Edits the open dialog like a user: picks a zero mode, types the two counts, presses a
// button. Anything missing fails the test instead of leaving the dialog open.
void answer(QWidget* dialog, int zeroMode, int shift, int fillZero, const char* button) {
    auto* mode = dialog->findChild<QRadioButton*>(QStringLiteral("zeroMode%1").arg(zeroMode));
    auto* shiftBox = dialog->findChild<QSpinBox*>("shift");
    auto* fillBox = dialog->findChild<QSpinBox*>("fillZero");
    auto* press = dialog->findChild<QPushButton*>(button);
    if (!mode || !shiftBox || !fillBox || !press) {
        ADD_FAILURE() << "dialog widgets missing";
        dialog->close();
        return;
    }
    QTest::mouseClick(mode, Qt::LeftButton);
    shiftBox->setValue(shift);
    fillBox->setValue(fillZero);
    QTest::mouseClick(press, Qt::LeftButton);
}

struct Digit {
    M_Degit d;
    Digit() {
        d.InitProperties();
        d.setDegitSize(2);
        d.setValue(5);
    }
};

} // namespace

TEST(ZeroDisplayDialog, OkStoresTheEditedValuesAndRedraws) {
    Digit g;
    EXPECT_EQ(DigitProbe::read(g.d), "   5");
    TestUtil::onNextModal([](QWidget* dlg) {
        EXPECT_EQ(dlg->windowTitle(), QStringLiteral("ゼロ表示の設定"));
        answer(dlg, 1, 1, 2, "okButton");
    });
    EXPECT_EQ(g.d.ShowSetDlg(), 1);
    EXPECT_EQ(g.d.ZeroMode(), 1);
    EXPECT_EQ(g.d.Shift(), 1);
    EXPECT_EQ(g.d.FillZero(), 2);
    EXPECT_EQ(DigitProbe::read(g.d), " 05 ");
}

TEST(ZeroDisplayDialog, CancelLeavesTheValuesAsTheyCame) {
    Digit g;
    g.d.setZeroMode(2);
    g.d.setFillZero(3);
    TestUtil::onNextModal([](QWidget* dlg) { answer(dlg, 3, 2, 1, "cancelButton"); });
    EXPECT_EQ(g.d.ShowSetDlg(), 0);
    EXPECT_EQ(g.d.ZeroMode(), 2);
    EXPECT_EQ(g.d.Shift(), 0);
    EXPECT_EQ(g.d.FillZero(), 3);
    EXPECT_EQ(DigitProbe::read(g.d), " 005"); // the digit redraws with what it has
}

TEST(ZeroDisplayDialog, CountsAreBoundedByTheCells) {
    qint16 zeroMode = 0, shift = 0, fillZero = 0;
    TestUtil::onNextModal([](QWidget* dlg) { answer(dlg, 2, 9, 9, "okButton"); });
    EXPECT_EQ(ZKP4Res::Call_dlg100(nullptr, 3, zeroMode, shift, fillZero), 1);
    EXPECT_EQ(zeroMode, 2);
    EXPECT_EQ(shift, 2);
    EXPECT_EQ(fillZero, 3);
}
