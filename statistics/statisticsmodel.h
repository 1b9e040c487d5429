#pragma once

#include "statistics/statistiky.h"

#include <QAbstractTableModel>

// The statistics table as the window's list shows it: the eight headings and one row
// per data row of the table. Cell texts are also their hints.
class StatisticsModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit StatisticsModel(const statisticsfile::Table &table, QObject *parent = nullptr)
        : QAbstractTableModel(parent), m_table(table) {}

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // The table changed (rows added or loaded).
    void refresh();

private:
    const statisticsfile::Table &m_table;
};
