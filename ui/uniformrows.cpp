#include "ui/uniformrows.h"

UniformRowsHeader::UniformRowsHeader(QWidget *parent) : QHeaderView(Qt::Vertical, parent) {}

void UniformRowsHeader::setModel(QAbstractItemModel *model) {
    if (QAbstractItemModel *old = this->model()) {
        disconnect(old, &QAbstractItemModel::rowsRemoved, this, nullptr);
        disconnect(old, &QAbstractItemModel::rowsInserted, this, nullptr);
    }
    QHeaderView::setModel(model);
    if (!model)
        return;
    // Qt's own handling looks at every row for hidden ones; these rows are never hidden.
    const bool removalTaken =
        QHeaderView::staticMetaObject.indexOfSlot("_q_sectionsRemoved(QModelIndex,int,int)") >= 0 &&
        disconnect(model, SIGNAL(rowsRemoved(QModelIndex, int, int)), this,
                   SLOT(_q_sectionsRemoved(QModelIndex, int, int)));
    if (removalTaken)
        connect(model, &QAbstractItemModel::rowsRemoved, this,
                [this](const QModelIndex &parent, int, int) { rowsRemoved(parent); });
    // Qt's own insertion moves the header's data of every row after the inserted one.
    const bool insertionTaken =
        QHeaderView::staticMetaObject.indexOfSlot("sectionsInserted(QModelIndex,int,int)") >= 0 &&
        disconnect(model, SIGNAL(rowsInserted(QModelIndex, int, int)), this,
                   SLOT(sectionsInserted(QModelIndex, int, int)));
    if (insertionTaken)
        connect(model, &QAbstractItemModel::rowsInserted, this,
                [this](const QModelIndex &parent, int, int) { rowsInserted(parent); });
}

void UniformRowsHeader::rowsRemoved(const QModelIndex &parent) {
    if (parent.isValid())
        return;
    const int rows = model()->rowCount();
    // All rows are alike: which one went makes no difference, the header loses its last.
    if (rows > 0 && rows < count())
        initializeSections(rows - 1, rows - 1);
    else
        initializeSections();
}

void UniformRowsHeader::rowsInserted(const QModelIndex &parent) {
    if (parent.isValid())
        return;
    const int rows = model()->rowCount();
    // Likewise, the header gains rows at its end, wherever the list's new rows are.
    if (rows > count() && count() > 0)
        initializeSections(count(), rows - 1);
    else
        initializeSections();
}
