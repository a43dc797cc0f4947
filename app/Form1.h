#pragma once
// placeholder, replaced by the real board window
#include <QWidget>

class Form1 : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;
};
