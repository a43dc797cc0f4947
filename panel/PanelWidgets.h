#pragma once
// Small builders shared by the pieces of the operation panel.
#include <QRect>
#include <QString>

class QPushButton;
class QWidget;

namespace PanelWidgets {

// The frames' look on the black panel: white captions, a grey rule.
QString groupStyle();

// A push button with `name` as object name and `text` as caption and accessible name, placed
// at `twips` on `parent`.
QPushButton* makeButton(QWidget* parent, const QString& name, const QString& text,
                        const QRect& twips);

} // namespace PanelWidgets
