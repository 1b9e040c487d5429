#include "dictionary/dictionarymodel.h"

#include <algorithm>
#include <utility>

DictionaryModel::DictionaryModel(RecordList &dictionary, Style style, QObject *parent)
    : QAbstractTableModel(parent), m_dictionary(dictionary), m_style(style) {}

// The field shown in a column: 0 foreign, 1 Czech, 2 pronunciation, 3 sound.
int DictionaryModel::column(int section) const {
    if (m_style == Style::FileOrder && (section == 0 || section == 1))
        return 1 - section;
    return section;
}

int DictionaryModel::rowCount(const QModelIndex &parent) const {
    if (parent.isValid())
        return 0;
    if (m_dictionary.isEmpty())
        return m_blankRow ? 1 : 0;
    return int(m_dictionary.size());
}

int DictionaryModel::columnCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : (m_pictureColumn ? 5 : 4);
}

void DictionaryModel::setPictureColumn(bool shown) {
    if (shown == m_pictureColumn || m_style != Style::Editor)
        return;
    if (shown)
        beginInsertColumns({}, kPictureColumn, kPictureColumn);
    else
        beginRemoveColumns({}, kPictureColumn, kPictureColumn);
    m_pictureColumn = shown;
    if (shown)
        endInsertColumns();
    else
        endRemoveColumns();
}

void DictionaryModel::recordChanged(int row) {
    if (row >= 0 && row < m_dictionary.size())
        emit dataChanged(index(row, 0), index(row, columnCount() - 1));
}

QString DictionaryModel::cell(int row, int column) const {
    if (row < 0 || row >= m_dictionary.size())
        return {};
    const Tslovniky &record = m_dictionary[row];
    switch (this->column(column)) {
    case 0:
        return record.ang;
    case 1:
        return record.cz;
    case 2:
        return record.vyslovnost;
    case 3:
        return record.zvuk;
    default:
        return {};
    }
}

QVariant DictionaryModel::data(const QModelIndex &index, int role) const {
    if (!index.isValid())
        return {};
    switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole: {
        const QString text = cell(index.row(), index.column());
        if (role == Qt::ToolTipRole && text.isEmpty())
            return {};
        return text;
    }
    case Qt::FontRole:
        if (index.column() == 2 && m_font)
            return *m_font;
        return {};
    case Qt::DecorationRole:
        if (index.column() == kPictureColumn && m_pictureColumn && m_thumbnail &&
            index.row() < m_dictionary.size())
            return m_thumbnail(index.row());
        return {};
    default:
        return {};
    }
}

QVariant DictionaryModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    static const char16_t *const titles[] = {u"Cizí výraz", u"Český výraz",
                                             u"Cizojazyčná výslovnost", u"Mluvená výslovnost",
                                             u"Obrázek"};
    if (section < 0 || section >= columnCount())
        return {};
    return QString::fromUtf16(titles[column(section)]);
}

void DictionaryModel::replace(Tpole dictionary, bool blankRow) {
    beginResetModel();
    m_dictionary = RecordList(std::move(dictionary));
    m_blankRow = blankRow;
    endResetModel();
}

void DictionaryModel::insert(int row, const Tslovniky &record) {
    row = std::clamp(row, 0, int(m_dictionary.size()));
    if (m_dictionary.isEmpty() && m_blankRow) {
        // The empty row of a new dictionary becomes the first expression.
        m_dictionary.append(record);
        emit dataChanged(index(0, 0), index(0, 3));
        return;
    }
    beginInsertRows({}, row, row);
    // As a deletion, an insertion anywhere moves no records (RecordList).
    m_dictionary.insert(row, record);
    endInsertRows();
}

Tslovniky DictionaryModel::take(int row) {
    if (row < 0 || row >= m_dictionary.size())
        return {};
    if (m_style == Style::FileOrder && m_dictionary.size() == 1) {
        // The last record gives way to the empty row.
        beginResetModel();
        Tslovniky record = m_dictionary.take(0);
        m_blankRow = true;
        endResetModel();
        return record;
    }
    beginRemoveRows({}, row, row);
    // The records after it are not moved (RecordList): a deletion from a million costs
    // what one from ten does.
    Tslovniky record = m_dictionary.take(row);
    // The editor's list shows no row once its last expression is deleted.
    if (m_style == Style::Editor)
        m_blankRow = false;
    endRemoveRows();
    return record;
}

void DictionaryModel::exchange(RecordList &records, bool &blankRow) {
    beginResetModel();
    std::swap(m_dictionary, records);
    std::swap(m_blankRow, blankRow);
    endResetModel();
}

void DictionaryModel::setBlankRow(bool blankRow) {
    if (blankRow == m_blankRow)
        return;
    if (!m_dictionary.isEmpty()) {
        m_blankRow = blankRow;
        return;
    }
    if (blankRow)
        beginInsertRows({}, 0, 0);
    else
        beginRemoveRows({}, 0, 0);
    m_blankRow = blankRow;
    if (blankRow)
        endInsertRows();
    else
        endRemoveRows();
}

void DictionaryModel::appendAll(const RecordList &records) {
    if (records.isEmpty())
        return;
    if (m_dictionary.isEmpty() && m_blankRow) {
        // The empty row becomes the first record.
        beginResetModel();
        m_dictionary.append(records);
        endResetModel();
        return;
    }
    const int first = int(m_dictionary.size());
    beginInsertRows({}, first, first + int(records.size()) - 1);
    m_dictionary.append(records);
    endInsertRows();
}

void DictionaryModel::setRecord(int row, const Tslovniky &record) {
    if (row < 0 || row >= m_dictionary.size())
        return;
    m_dictionary[row] = record;
    emit dataChanged(index(row, 0), index(row, 3));
}

void DictionaryModel::recordsChanged() {
    if (!m_dictionary.isEmpty())
        emit dataChanged(index(0, 0), index(int(m_dictionary.size()) - 1, 3));
}

void DictionaryModel::reorder(const std::vector<int> &order) {
    if (qsizetype(order.size()) != m_dictionary.size())
        return;
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    Tpole records;
    records.reserve(m_dictionary.size());
    for (const int row : order)
        records.append(std::move(m_dictionary[row]));
    m_dictionary = RecordList(std::move(records));
    std::vector<int> now(order.size());
    for (size_t i = 0; i < order.size(); ++i)
        now[size_t(order[i])] = int(i);
    const QModelIndexList kept = persistentIndexList();
    QModelIndexList moved;
    moved.reserve(kept.size());
    for (const QModelIndex &index : kept)
        moved.append(index.row() < int(now.size())
                         ? this->index(now[size_t(index.row())], index.column())
                         : index);
    changePersistentIndexList(kept, moved);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}
