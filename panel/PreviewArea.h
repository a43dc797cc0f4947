#pragma once
// The ticket preview beside the panel, seen when the panel is widened with ">>": the caption
// "整理券プレビュー" (`Label4`), the preview box (`picSeirikenPrev`) and the company list
// (`Combo1`).
#include <QObject>

class QComboBox;
class QLabel;
class QWidget;

class PreviewArea : public QObject {
    Q_OBJECT
  public:
    explicit PreviewArea(QWidget* panel);

    QLabel* Label4 = nullptr;
    QLabel* picSeirikenPrev = nullptr;
    QComboBox* Combo1 = nullptr;

    void clear();
};
