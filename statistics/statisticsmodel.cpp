#include "statistics/statisticsmodel.h"

int StatisticsModel::rowCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : m_table.rowCount();
}

int StatisticsModel::columnCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : statisticsfile::kColumns;
}

QVariant StatisticsModel::data(const QModelIndex &index, int role) const {
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::ToolTipRole))
        return {};
    return m_table.cell(index.row(), index.column());
}

QVariant StatisticsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || (role != Qt::DisplayRole && role != Qt::ToolTipRole))
        return {};
    return statisticsfile::headings().value(section);
}

void StatisticsModel::refresh() {
    beginResetModel();
    endResetModel();
}
