#include "dictionary/recordtablemodel.h"

RecordTableModel::RecordTableModel(Tpole &records, QObject *parent)
    : QAbstractTableModel(parent), m_records(records) {}

int RecordTableModel::rowCount(const QModelIndex &parent) const {
    if (parent.isValid())
        return 0;
    return m_records.isEmpty() ? 1 : int(m_records.size());
}

int RecordTableModel::columnCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : 4;
}

QString RecordTableModel::cell(int row, int column) const {
    if (row < 0 || row >= m_records.size())
        return {};
    const Tslovniky &record = m_records[row];
    switch (column) {
    case 0:
        return record.cz;
    case 1:
        return record.ang;
    case 2:
        return record.vyslovnost;
    case 3:
        return record.zvuk;
    default:
        return {};
    }
}

QVariant RecordTableModel::data(const QModelIndex &index, int role) const {
    if (!index.isValid() || role != Qt::DisplayRole)
        return {};
    return cell(index.row(), index.column());
}

QVariant RecordTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= 4)
        return {};
    static const char16_t *const titles[] = {u"Český výraz", u"Cizí výraz",
                                             u"Cizojazyčná výslovnost", u"Mluvená výslovnost"};
    return QString::fromUtf16(titles[section]);
}

void RecordTableModel::replace(Tpole records) {
    beginResetModel();
    m_records = std::move(records);
    endResetModel();
}

void RecordTableModel::append(const Tslovniky &record) {
    appendAll(Tpole{record});
}

void RecordTableModel::appendAll(const Tpole &records) {
    if (records.isEmpty())
        return;
    // The empty row of an empty list becomes the first record.
    beginResetModel();
    m_records.append(records);
    endResetModel();
}

void RecordTableModel::remove(int row) {
    if (row < 0 || row >= m_records.size())
        return;
    beginResetModel();
    m_records = UberZPole(m_records, row);
    endResetModel();
}
