#pragma once
// The ticket preview beside the panel, seen when the panel is widened with ">>": the caption
// "整理券プレビュー" (`Label4`), the preview box (`picSeirikenPrev`) and the company list
// (`Combo1`, filled from the ticket plug-in; its selected index is the company printed).
#include "faredata/DispDataHost.h"

#include <QObject>

class PreviewPicture;
class QComboBox;
class QLabel;
class QWidget;

class PreviewArea : public QObject {
    Q_OBJECT
  public:
    explicit PreviewArea(QWidget* panel);

    QLabel* Label4 = nullptr;
    PreviewPicture* picSeirikenPrev = nullptr;
    QComboBox* Combo1 = nullptr;

    // Shows or hides the area with the panel's width: closed, its controls are out of sight
    // and take no focus. The box keeps its drawing either way.
    void setOpen(bool open);
    // Blanks the preview box.
    void clear();
    // Draws the ticket through the plug-in at `plugin` for the company chosen in Combo1
    // (-1 when none is).
    void draw(const QString& plugin, const SeirikenTicket& ticket);
};
