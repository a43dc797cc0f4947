#include "panel/TapeGroup.h"

#include "panel/PanelWidgets.h"
#include "platform/core/Twips.h"

#include <QPushButton>

TapeGroup::TapeGroup(QWidget* panel) : QGroupBox(QStringLiteral("音合使用不可"), panel) {
    setObjectName(QStringLiteral("grpM_Tape"));
    setStyleSheet(QStringLiteral(
        "QGroupBox { background: rgb(150,150,150); color: yellow; border: 1px solid #808080; "
        "margin-top: 6px; } QGroupBox::title { subcontrol-origin: margin; left: 4px; }"));
    setGeometry(Twips::toPixels(2085, 1260, 1290, 1275));
    const struct {
        const char* name;
        const char* text;
        QRect place;
        bool green;
    } buttons[4] = {{"cmdTapeBack", "戻し", QRect(75, 225, 585, 690), true},
                    {"cmdTapeNext", "送り", QRect(660, 225, 570, 690), true},
                    {"cmdTapeStop", "■", QRect(75, 930, 585, 300), false},
                    {"cmdTapeSet", "調整", QRect(660, 930, 570, 300), false}};
    for (int i = 0; i < 4; ++i) {
        auto* b = PanelWidgets::makeButton(this, QString::fromLatin1(buttons[i].name),
                                           QString::fromUtf8(buttons[i].text), buttons[i].place);
        if (buttons[i].green)
            b->setStyleSheet(QStringLiteral("QPushButton { background: rgb(0,192,0); }"));
        b->setEnabled(false);
        connect(b, &QPushButton::clicked, this, [this, i] { emit clicked(i); });
        tapeButtons[size_t(i)] = b;
    }
    setEnabled(false);
}
