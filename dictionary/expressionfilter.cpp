#include "dictionary/expressionfilter.h"

#include <algorithm>
#include <numeric>

ExpressionFilter::ExpressionFilter(DictionaryModel &source, const RecordList &records,
                                   QObject *parent)
    : QAbstractTableModel(parent), m_source(source), m_records(records) {
    connect(&source, &QAbstractItemModel::modelAboutToBeReset, this, [this] { beginResetModel(); });
    connect(&source, &QAbstractItemModel::modelReset, this, &ExpressionFilter::sourceReset);
    connect(&source, &QAbstractItemModel::rowsAboutToBeInserted, this,
            [this](const QModelIndex &, int first, int last) {
                sourceRowsAboutToBeInserted(first, last);
            });
    connect(&source, &QAbstractItemModel::rowsInserted, this,
            [this](const QModelIndex &, int first, int last) { sourceRowsInserted(first, last); });
    connect(&source, &QAbstractItemModel::rowsAboutToBeRemoved, this,
            [this](const QModelIndex &, int first, int last) {
                sourceRowsAboutToBeRemoved(first, last);
            });
    connect(&source, &QAbstractItemModel::rowsRemoved, this,
            [this](const QModelIndex &, int first, int last) { sourceRowsRemoved(first, last); });
    connect(&source, &QAbstractItemModel::dataChanged, this, &ExpressionFilter::sourceDataChanged);
    connect(&source, &QAbstractItemModel::layoutAboutToBeChanged, this,
            &ExpressionFilter::sourceLayoutAboutToBeChanged);
    connect(&source, &QAbstractItemModel::layoutChanged, this,
            &ExpressionFilter::sourceLayoutChanged);
    // The column of pictures comes and goes with them; the rows stay as they are.
    connect(
        &source, &QAbstractItemModel::columnsAboutToBeInserted, this,
        [this](const QModelIndex &, int first, int last) { beginInsertColumns({}, first, last); });
    connect(&source, &QAbstractItemModel::columnsInserted, this, [this] { endInsertColumns(); });
    connect(&source, &QAbstractItemModel::columnsAboutToBeRemoved, this,
            [this](const QModelIndex &, int first, int last) {
                if (m_sortColumn >= first)
                    m_sortColumn = -1;
                beginRemoveColumns({}, first, last);
            });
    connect(&source, &QAbstractItemModel::columnsRemoved, this, [this] { endRemoveColumns(); });
}

int ExpressionFilter::rowCount(const QModelIndex &parent) const {
    if (parent.isValid())
        return 0;
    return mapped() ? int(m_rows.size()) : m_source.rowCount();
}

int ExpressionFilter::columnCount(const QModelIndex &parent) const {
    return m_source.columnCount(parent);
}

QVariant ExpressionFilter::data(const QModelIndex &index, int role) const {
    if (!index.isValid())
        return {};
    const int row = mapped() ? record(index.row()) : index.row();
    if (row < 0)
        return {};
    return m_source.data(m_source.index(row, index.column()), role);
}

QVariant ExpressionFilter::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role == Qt::InitialSortOrderRole)
        return Qt::AscendingOrder; // a column's first click sorts from A
    return m_source.headerData(section, orientation, role);
}

int ExpressionFilter::record(int row) const {
    if (row < 0 || row >= rowCount())
        return -1;
    const int shown = mapped() ? m_rows[size_t(row)] : row;
    return shown < m_records.size() ? shown : -1;
}

int ExpressionFilter::rowOf(int record) const {
    if (!mapped())
        return record >= 0 && record < rowCount() ? record : -1;
    if (record < 0 || record >= m_records.size())
        return -1;
    if (m_sortColumn < 0) {
        const auto at = std::lower_bound(m_rows.begin(), m_rows.end(), record);
        return at != m_rows.end() && *at == record ? int(at - m_rows.begin()) : -1;
    }
    const auto at = std::find(m_rows.begin(), m_rows.end(), record);
    return at != m_rows.end() ? int(at - m_rows.begin()) : -1;
}

int ExpressionFilter::foundCount() const {
    return mapped() ? int(m_rows.size()) : int(m_records.size());
}

void ExpressionFilter::ensureIndex(bool plain) {
    if (!m_index.isBuilt() || m_index.plain() != plain || m_index.size() != m_records.size())
        m_index.build(m_records, plain);
}

void ExpressionFilter::prepare(bool plain) {
    ensureIndex(plain);
}

bool ExpressionFilter::shows(int record) const {
    if (!isFiltering())
        return true;
    if (m_index.isBuilt() && record < m_index.size())
        return m_index.matches(record, m_query);
    return SearchIndex::recordMatches(m_records[record], m_query, m_plain);
}

void ExpressionFilter::refill(const std::vector<int> *candidates) {
    const std::vector<int> *order = candidates          ? candidates
                                    : m_sortColumn >= 0 ? &m_sorted
                                                        : nullptr;
    std::vector<int> rows;
    if (!isFiltering()) {
        if (order) {
            rows = *order;
        } else {
            rows.resize(size_t(m_records.size()));
            std::iota(rows.begin(), rows.end(), 0);
        }
    } else {
        rows.reserve(order ? order->size() : size_t(m_records.size()));
        m_index.collect(m_query, order, rows);
    }
    m_rows = std::move(rows);
}

void ExpressionFilter::setFilter(const QString &text, bool plain, bool wholeWords) {
    // Another letter typed: only the records found so far can hold the longer text.
    const bool narrowing = isFiltering() && m_narrowable && !wholeWords && !m_wholeWords &&
                           plain == m_plain && text.startsWith(m_text);
    if (text == m_text && plain == m_plain && wholeWords == m_wholeWords)
        return;
    m_text = text;
    m_plain = plain;
    m_wholeWords = wholeWords;
    if (!text.isEmpty())
        ensureIndex(plain);
    m_query = m_index.query(text, wholeWords);
    if (text.isEmpty())
        m_query = {};
    beginResetModel();
    if (mapped()) {
        if (narrowing) {
            const std::vector<int> found = std::move(m_rows);
            refill(&found);
        } else {
            refill(nullptr);
        }
    } else {
        m_rows = {};
    }
    m_narrowable = true;
    endResetModel();
}

void ExpressionFilter::sort(int column, Qt::SortOrder order) {
    if (column == m_sortColumn && (column < 0 || order == m_order))
        return;
    beginResetModel();
    // The pictures are not put in an order.
    m_sortColumn =
        column < std::min(columnCount(), int(DictionaryModel::kPictureColumn)) ? column : -1;
    m_order = order;
    m_sorted = m_sortColumn >= 0
                   ? m_collated.sorted(m_records, m_sortColumn, order == Qt::DescendingOrder)
                   : std::vector<int>();
    if (mapped())
        refill(nullptr);
    else
        m_rows = {};
    endResetModel();
}

size_t ExpressionFilter::placeFor(const std::vector<int> &rows, int record) const {
    if (m_sortColumn < 0)
        return size_t(std::lower_bound(rows.begin(), rows.end(), record) - rows.begin());
    const QString &text = CollatedOrder::field(m_records[record], m_sortColumn);
    const bool descending = m_order == Qt::DescendingOrder;
    const auto at = std::partition_point(rows.begin(), rows.end(), [&](int row) {
        return m_collated.before(CollatedOrder::field(m_records[row], m_sortColumn), row, text,
                                 record, descending);
    });
    return size_t(at - rows.begin());
}

void ExpressionFilter::sourceReset() {
    m_index.clear();
    if (isFiltering())
        ensureIndex(m_plain);
    if (m_sortColumn >= 0)
        m_sorted = m_collated.sorted(m_records, m_sortColumn, m_order == Qt::DescendingOrder);
    if (mapped())
        refill(nullptr);
    endResetModel();
}

void ExpressionFilter::sourceRowsAboutToBeInserted(int first, int last) {
    if (!mapped())
        beginInsertRows({}, first, last);
}

void ExpressionFilter::sourceRowsInserted(int first, int last) {
    if (!mapped()) {
        // The index is made again when a search needs it.
        m_index.clear();
        endInsertRows();
        return;
    }
    if (last >= m_records.size())
        return; // the empty row of a new dictionary, not shown while searching or sorted
    const int count = last - first + 1;
    for (int row = first; row <= last; ++row)
        m_index.insert(row, m_records[row]);
    for (std::vector<int> *rows : {&m_rows, &m_sorted})
        for (int &row : *rows)
            if (row >= first)
                row += count;
    for (int row = first; row <= last; ++row) {
        if (m_sortColumn >= 0)
            m_sorted.insert(m_sorted.begin() + qsizetype(placeFor(m_sorted, row)), row);
        if (!shows(row))
            continue;
        const int at = int(placeFor(m_rows, row));
        beginInsertRows({}, at, at);
        m_rows.insert(m_rows.begin() + at, row);
        endInsertRows();
    }
}

void ExpressionFilter::sourceRowsAboutToBeRemoved(int first, int last) {
    if (!mapped())
        beginRemoveRows({}, first, last);
}

void ExpressionFilter::sourceRowsRemoved(int first, int last) {
    if (!mapped()) {
        m_index.clear();
        endRemoveRows();
        return;
    }
    const int count = last - first + 1;
    m_index.remove(first, count);
    std::erase_if(m_sorted, [&](int row) { return row >= first && row <= last; });
    for (int &row : m_sorted)
        if (row > last)
            row -= count;
    std::vector<int> gone;
    for (size_t at = 0; at < m_rows.size(); ++at) {
        int &row = m_rows[at];
        if (row >= first && row <= last)
            gone.push_back(int(at));
        else if (row > last)
            row -= count;
    }
    for (auto at = gone.rbegin(); at != gone.rend(); ++at) {
        beginRemoveRows({}, *at, *at);
        m_rows.erase(m_rows.begin() + *at);
        endRemoveRows();
    }
}

void ExpressionFilter::sourceDataChanged(const QModelIndex &topLeft,
                                         const QModelIndex &bottomRight) {
    const int first = topLeft.row(), last = bottomRight.row();
    if (!mapped()) {
        m_index.clear();
        emit dataChanged(index(first, topLeft.column()), index(last, bottomRight.column()));
        return;
    }
    if (first == 0 && last == 0 && m_records.size() == 1 &&
        (m_index.isBuilt() ? m_index.size() == 0 : m_sorted.empty())) {
        // A new dictionary's empty row became its first record.
        sourceRowsInserted(0, 0);
        return;
    }
    if (last - first < 64) {
        for (int row = first; row <= last; ++row)
            if (row < m_records.size())
                m_index.update(row, m_records[row]);
    } else if (m_index.isBuilt()) {
        m_index.build(m_records, m_plain);
    }
    // A changed record may now be found where it was not: the next search reads all.
    m_narrowable = false;
    if (!m_rows.empty())
        emit dataChanged(index(0, 0), index(int(m_rows.size()) - 1, columnCount() - 1));
}

void ExpressionFilter::sourceLayoutAboutToBeChanged() {
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    m_kept = persistentIndexList();
    m_keptRecords.clear();
    for (const QModelIndex &kept : std::as_const(m_kept)) {
        const int row = record(kept.row());
        m_keptRecords.append(row >= 0 ? QPersistentModelIndex(m_source.index(row, kept.column()))
                                      : QPersistentModelIndex());
    }
}

void ExpressionFilter::sourceLayoutChanged() {
    // The records are the same, at other rows.
    const bool hadIndex = m_index.isBuilt();
    m_index.clear();
    if (hadIndex || isFiltering())
        ensureIndex(m_plain);
    if (m_sortColumn >= 0)
        m_sorted = m_collated.sorted(m_records, m_sortColumn, m_order == Qt::DescendingOrder);
    if (mapped())
        refill(nullptr);
    QModelIndexList now;
    now.reserve(m_kept.size());
    for (qsizetype i = 0; i < m_kept.size(); ++i) {
        const QPersistentModelIndex &source = m_keptRecords[i];
        const int row = source.isValid() ? rowOf(source.row()) : -1;
        now.append(row >= 0 ? index(row, m_kept[i].column()) : QModelIndex());
    }
    changePersistentIndexList(m_kept, now);
    m_kept.clear();
    m_keptRecords.clear();
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}
