#include "panel/DialList.h"

DialList::DialList(QWidget* parent) : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    for (int d = 0; d <= 9; ++d) {
        addItem(QString::number(d));
        item(d)->setTextAlignment(Qt::AlignCenter);
    }
}

QItemSelectionModel::SelectionFlags DialList::selectionCommand(const QModelIndex& index,
                                                               const QEvent* event) const {
    const QItemSelectionModel::SelectionFlags command = QListWidget::selectionCommand(index, event);
    // Single selection deselects the chosen item on Ctrl+click and Ctrl+Space.
    if (command & QItemSelectionModel::Deselect) return QItemSelectionModel::NoUpdate;
    return command;
}
