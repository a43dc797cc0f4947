#pragma once
// One digit dial of the dial face: a list of the items "0" to "9" in which one digit, once
// chosen, stays chosen. Clicking another digit moves the choice; nothing (Ctrl+click,
// Ctrl+Space) takes it away, so a route or section never silently loses a digit.
#include <QListWidget>

class DialList : public QListWidget {
    Q_OBJECT
  public:
    explicit DialList(QWidget* parent = nullptr);

  protected:
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                         const QEvent* event) const override;
};
