#include "panel/DialFace.h"

#include "panel/DialList.h"
#include "platform/Fonts.h"
#include "platform/core/Twips.h"

#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>

namespace {

QListWidget* makeDigitList(QWidget* parent, const QString& name, const QRect& place) {
    auto* list = new DialList(parent);
    list->setObjectName(name);
    list->setAccessibleName(name);
    list->setGeometry(place);
    list->setFont(Fonts::font(Fonts::Gothic, 9));
    // A dial is about as wide as two digits: scroll bars would cover them. The wheel and the
    // arrow keys still scroll, and the chosen digit is scrolled into sight.
    list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return list;
}

QLabel* makeCaption(QWidget* parent, const QString& name, const QString& text, const QRect& place) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setGeometry(place);
    label->setStyleSheet(QStringLiteral("color: white;"));
    return label;
}

QString joinSelected(const QListWidget* const* lists, int count) {
    QString text;
    for (int i = 0; i < count; ++i) {
        const QList<QListWidgetItem*> selected = lists[i]->selectedItems();
        if (!selected.isEmpty()) text += selected.first()->text();
    }
    return text;
}

} // namespace

DialFace::DialFace(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("Frame1(0)"));
    setAccessibleName(objectName());
    setFrameShape(QFrame::Box);
    setAutoFillBackground(true);
    // The dials' colours are rules of the face's one sheet: a sheet of each list's own would be
    // parsed, and would lay the list's items out again, once per list.
    setStyleSheet(
        QStringLiteral("DialFace { background: black; border: 1px solid #606060; }"
                       "QListWidget { background: white; color: black; }"
                       "QListWidget::item:selected { background: rgb(0,70,200); color: white; }"));
}

bool DialFace::build() {
    if (built()) return false;
    makeCaption(this, QStringLiteral("Label5"), QStringLiteral("系統設定"),
                Twips::toPixels(150, 60, 1800, 240));
    makeCaption(this, QStringLiteral("Label6"), QStringLiteral("系　統"),
                Twips::toPixels(150, 330, 1800, 240));
    for (int i = 0; i < 5; ++i)
        List2[size_t(i)] = makeDigitList(this, QStringLiteral("List2(%1)").arg(i),
                                         Twips::toPixels(150 + 375 * i, 570, 345, 990));
    makeCaption(this, QStringLiteral("Label7"), QStringLiteral("区間"),
                Twips::toPixels(150, 1620, 1800, 240));
    for (int i = 0; i < 3; ++i)
        List3[size_t(i)] = makeDigitList(this, QStringLiteral("List3(%1)").arg(i),
                                         Twips::toPixels(150 + 375 * i, 1860, 345, 660));
    Command1 = new QPushButton(QStringLiteral("リセット"), this);
    Command1->setObjectName(QStringLiteral("Command1(0)"));
    Command1->setAccessibleName(Command1->text());
    Command1->setGeometry(Twips::toPixels(1290, 1860, 705, 660));
    return true;
}

QString DialFace::routeText() const {
    return joinSelected(List2.data(), 5);
}
QString DialFace::sectionText() const {
    return joinSelected(List3.data(), 3);
}

void DialFace::mouseDoubleClickEvent(QMouseEvent* event) {
    // Only the frame itself flips the faces; its captions and displays keep their own
    // double-clicks, which Qt would otherwise pass on to the frame.
    if (event->button() == Qt::LeftButton && !childAt(event->position().toPoint()))
        emit doubleClicked();
    QFrame::mouseDoubleClickEvent(event);
}
