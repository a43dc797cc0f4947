#include "tests/app/AppFixture.h"

#include "app/Form1.h"
#include "panel/BacklightFrame.h"
#include "panel/KeypadFace.h"
#include "panel/TapeGroup.h"
#include "panel/frmCtl.h"
#include "tape/NullSpeechEngine.h"
#include "tests/common/TestUtil.h"
#include "tests/digit/DigitProbe.h"

#include <QPushButton>
#include <QTest>
#include <QWindow>
#include <qpa/qwindowsysteminterface.h>

In4File AppFixture::sampleSettings() {
    In4File file;
    file.options.FareDataDir = QStringLiteral(K41_SAMPLES_DIR "/fare");
    file.options.TapeDataDir = QStringLiteral(K41_SAMPLES_DIR "/tape");
    file.options.TsugiwaMode = 1;
    file.ctrl.PanelLeft = 9000;
    file.ctrl.PanelTop = 900;
    return file;
}

void AppFixture::startWith(const In4File& file) {
    TestUtil::writeFile(settingsPath(), In4Format::write(file));
    start();
}

void AppFixture::start() {
    k41 = std::make_unique<Startup>(settingsPath(), speechFactory ? this : nullptr);
    k41->panel->showMessageBox = [this](const QString& text) { messages << text; };
    k41->panel->backlightFrame->showErrorBox = [this](const QString& text) { errors << text; };
    k41->panel->endProgram = [this] { ended = true; };
    k41->panel->setLampTestLength(lampTestMs);
    if (beforeRun) beforeRun(*k41);
    k41->run();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(k41->board.get()));
}

void AppFixture::useSilentSpeech() {
    speechFactory = [this] {
        auto engine = std::make_unique<NullSpeechEngine>();
        speech = engine.get();
        return engine;
    };
}

void AppFixture::stop() {
    k41.reset();
}

Form1& AppFixture::board() const {
    return *k41->board;
}
frmCtl& AppFixture::panel() const {
    return *k41->panel;
}

void AppFixture::click(QWidget* widget) {
    ASSERT_TRUE(widget->isEnabled()) << widget->objectName().toStdString();
    QTest::mouseClick(widget, Qt::LeftButton);
}

void AppFixture::postClick(QWidget* widget) {
    QWindow* window = widget->window()->windowHandle();
    const QPointF local = widget->mapTo(widget->window(), widget->rect().center());
    const QPointF global = widget->mapToGlobal(widget->rect().center());
    QWindowSystemInterface::handleMouseEvent(window, local, global, Qt::LeftButton, Qt::LeftButton,
                                             QEvent::MouseButtonPress);
    QWindowSystemInterface::handleMouseEvent(window, local, global, Qt::NoButton, Qt::LeftButton,
                                             QEvent::MouseButtonRelease);
}

int AppFixture::faceInFront() const {
    const QWidgetList kids = panel().findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
    return kids.indexOf(panel().Frame1[0]) > kids.indexOf(panel().Frame1[1]) ? 0 : 1;
}

void AppFixture::key(int index) {
    click(panel().keypadFace->CommandButton1[size_t(index)]);
}

void AppFixture::loadFromKeypad(const QString& route, const QString& section) {
    key(10);
    for (QChar c : route)
        key(c.digitValue());
    key(11);
    for (QChar c : section)
        key(c.digitValue());
    click(panel().keypadFace->Command1);
}

QString AppFixture::fareShown(int i) const {
    return DigitProbe::read(*board().Degit[i]);
}

QString AppFixture::fareText(int fare) {
    return fare == 0 ? QStringLiteral("    ") : QString::number(fare).rightJustified(4, u' ');
}
