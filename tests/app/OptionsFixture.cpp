#include "tests/app/OptionsFixture.h"

#include "panel/frmCtl.h"
#include "tests/common/ModalUtil.h"
#include "tests/common/TestUtil.h"

#include <QCheckBox>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

void OptionsFixture::useFakePickers() {
    OptionDialogs& d = options().dialogs();
    auto nextPath = [this] {
        if (pathAnswers.empty()) return QString();
        QString p = pathAnswers.front();
        pathAnswers.pop_front();
        return p;
    };
    d.folder = [this, nextPath](QWidget*, const QString& prompt) {
        pickerCalls << "folder|" + prompt;
        return nextPath();
    };
    d.file = [this, nextPath](QWidget*, const QString& filter, const QString& title) {
        pickerCalls << "file|" + title + "|" + filter;
        return nextPath();
    };
    d.colour = [this](QWidget*, OleColor& colour, ZKP4Res::CustomColors&) {
        pickerCalls << "colour";
        if (colourAnswers.empty()) return 0;
        colour = colourAnswers.front();
        colourAnswers.pop_front();
        return 1;
    };
    d.date = [this](QWidget*, ZKP4Res::SystemTime& date) {
        pickerCalls << "date";
        if (!dateAnswer) return 0;
        date.wYear = quint16(dateAnswer->year());
        date.wMonth = quint16(dateAnswer->month());
        date.wDay = quint16(dateAnswer->day());
        return 1;
    };
    d.openFolder = [this](const QString& folder) { openedFolders << folder; };
    d.message = [this](QWidget*, const QString& text) { shownMessages << text; };
}

void OptionsFixture::withOptionsOpen(const std::function<void(frmOption&)>& inside) {
    bool ran = false;
    TestUtil::onNextModal([&](QWidget* modal) {
        ran = true;
        EXPECT_EQ(modal, &options());
        // A window system maps the dialog a little after exec() starts; clicks before that
        // would be lost.
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&options()));
        inside(options());
        if (options().isVisible()) QTest::mouseClick(options().Command4, Qt::LeftButton);
    });
    click(panel().Command4);
    EXPECT_TRUE(ran) << "the dialog did not open modally";
    EXPECT_FALSE(options().isVisible());
}

void OptionsFixture::showOptions() {
    options().show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&options()));
}

void OptionsFixture::page(int index) {
    clickOn(QStringLiteral("Option1(%1)").arg(index));
}

void OptionsFixture::clickOn(const QString& name) {
    QWidget* w = find(name);
    if (!w) return;
    ASSERT_TRUE(w->isVisible() && w->isEnabled()) << name.toStdString() << " cannot be clicked";
    // A check box or radio button takes clicks on its indicator and caption only, which a
    // wide button's centre may miss.
    const bool indicator = qobject_cast<QCheckBox*>(w) || qobject_cast<QRadioButton*>(w);
    QTest::mouseClick(w, Qt::LeftButton, {},
                      indicator ? QPoint(6, w->height() / 2) : w->rect().center());
}

void OptionsFixture::typeInto(const QString& name, const QString& text) {
    auto* box = find<QLineEdit>(name);
    if (!box) return;
    ASSERT_TRUE(box->isVisible() && box->isEnabled()) << name.toStdString();
    box->setFocus();
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_Delete);
    QInputMethodEvent commit;
    commit.setCommitString(text);
    QCoreApplication::sendEvent(box, &commit);
}

void OptionsFixture::choose(const QString& name, int position) {
    auto* list = find<QComboBox>(name);
    if (!list) return;
    ASSERT_TRUE(list->isVisible() && list->isEnabled()) << name.toStdString();
    for (int guard = 0; list->currentIndex() != position && guard < 300; ++guard)
        QTest::keyClick(list, list->currentIndex() < position ? Qt::Key_Down : Qt::Key_Up);
    ASSERT_EQ(list->currentIndex(), position) << name.toStdString();
}
