#pragma once

#include "dictionary/slovnik.h"

#include <QAbstractTableModel>

// A list of records shown with its fields in file order: "Český výraz", "Cizí výraz",
// "Cizojazyčná výslovnost", "Mluvená výslovnost". The model reads the list in place;
// the window changes the list through the model. An empty list shows one empty row.
class RecordTableModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit RecordTableModel(Tpole &records, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // The text of a cell as the grid shows it (empty beyond the list).
    QString cell(int row, int column) const;

    void replace(Tpole records);
    void append(const Tslovniky &record);
    void appendAll(const Tpole &records);
    // Removes the record at `row`; a row beyond the list removes nothing.
    void remove(int row);

private:
    Tpole &m_records;
};
