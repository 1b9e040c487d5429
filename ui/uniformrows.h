#pragma once

#include <QHeaderView>

// The hidden row header of a list whose rows are all alike (one height, none hidden or
// moved). A removed row shortens the header by one at its end, and an inserted one
// lengthens it there, instead of Qt's header visiting every row of a million-row list for
// hidden ones or moving the rows after it; where the Qt version offers no way to take its
// own handling off, the header stays Qt's own.
class UniformRowsHeader final : public QHeaderView {
public:
    explicit UniformRowsHeader(QWidget *parent = nullptr);

    void setModel(QAbstractItemModel *model) override;

private:
    void rowsRemoved(const QModelIndex &parent);
    void rowsInserted(const QModelIndex &parent);
};
