#include "ui/uniformrows.h"

UniformRowsHeader::UniformRowsHeader(QWidget *parent) : QHeaderView(Qt::Vertical, parent) {}

void UniformRowsHeader::setModel(QAbstractItemModel *model) {
    if (QAbstractItemModel *old = this->model())
        disconnect(old, &QAbstractItemModel::rowsRemoved, this, nullptr);
    QHeaderView::setModel(model);
    if (!model)
        return;
    // Qt's own handling looks at every row for hidden ones; these rows are never hidden.
    const bool taken =
        QHeaderView::staticMetaObject.indexOfSlot("_q_sectionsRemoved(QModelIndex,int,int)") >= 0 &&
        disconnect(model, SIGNAL(rowsRemoved(QModelIndex, int, int)), this,
                   SLOT(_q_sectionsRemoved(QModelIndex, int, int)));
    if (taken)
        connect(model, &QAbstractItemModel::rowsRemoved, this,
                [this](const QModelIndex &parent, int, int) { rowsRemoved(parent); });
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
