#include "panel/PanelWidgets.h"

#include "platform/core/Twips.h"

#include <QPushButton>

namespace PanelWidgets {

QString groupStyle() {
    return QStringLiteral(
        "QGroupBox { color: white; border: 1px solid #808080; margin-top: 6px; }"
        "QGroupBox::title { subcontrol-origin: margin; left: 4px; padding: 0 2px; }");
}

QPushButton* makeButton(QWidget* parent, const QString& name, const QString& text,
                        const QRect& twips) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setAccessibleName(text);
    b->setGeometry(Twips::toPixels(twips.x(), twips.y(), twips.width(), twips.height()));
    return b;
}

} // namespace PanelWidgets
