#pragma once

#include "dictionary/collatedorder.h"
#include "dictionary/dictionarymodel.h"
#include "dictionary/searchindex.h"

#include <QAbstractTableModel>
#include <QPersistentModelIndex>

#include <vector>

// The editor's list as the user sees it: the dictionary's records, only those a searched
// text finds and in the order of a clicked column when asked, without changing the
// dictionary's own order. A row of the list is not a record's row: record() and rowOf()
// translate. Without a search or a sort the list is the dictionary itself, row for row;
// otherwise it keeps the records it shows as a list of their rows, which follows every
// change of the dictionary. A changed record stays where it is shown until the search or
// the order changes again.
class ExpressionFilter final : public QAbstractTableModel {
    Q_OBJECT
public:
    ExpressionFilter(DictionaryModel &source, const RecordList &records, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    // By a column (-1: the dictionary's own order).
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

    // Shows only the records whose foreign, Czech or pronunciation text holds `text` (in
    // any case; `plain`: diacritics aside; `wholeWords`: as whole words); an empty text
    // shows all of them.
    void setFilter(const QString &text, bool plain, bool wholeWords);
    bool isFiltering() const { return !m_query.needle.empty(); }
    // The records the search found.
    int foundCount() const;
    // Makes the search's index now (opening the search), so that the first key typed
    // does not wait for it.
    void prepare(bool plain);

    // The record shown in a row of the list (-1: none, such as a new dictionary's empty row).
    int record(int row) const;
    // The row of the list that shows a record (-1: not shown).
    int rowOf(int record) const;

private:
    bool mapped() const { return isFiltering() || m_sortColumn >= 0; }
    bool shows(int record) const;
    // The rows shown, made anew from the order and the search.
    void refill(const std::vector<int> *candidates);
    void ensureIndex(bool plain);
    // Where a record goes among `rows` (sorted or in file order).
    size_t placeFor(const std::vector<int> &rows, int record) const;

    void sourceReset();
    void sourceRowsAboutToBeInserted(int first, int last);
    void sourceRowsInserted(int first, int last);
    void sourceRowsAboutToBeRemoved(int first, int last);
    void sourceRowsRemoved(int first, int last);
    void sourceDataChanged(const QModelIndex &topLeft, const QModelIndex &bottomRight);
    void sourceLayoutAboutToBeChanged();
    void sourceLayoutChanged();

    DictionaryModel &m_source;
    const RecordList &m_records;
    SearchIndex m_index;
    SearchIndex::Query m_query;
    QString m_text;
    bool m_plain = false;
    bool m_wholeWords = false;
    bool m_narrowable = true; // the rows shown hold every record the search finds
    int m_sortColumn = -1;
    Qt::SortOrder m_order = Qt::AscendingOrder;
    CollatedOrder m_collated;
    std::vector<int> m_sorted; // every record, in the clicked column's order
    std::vector<int> m_rows;   // the records shown, when mapped()
    // While the dictionary's rows change order: the records of the list's kept indexes.
    QList<QPersistentModelIndex> m_keptRecords;
    QModelIndexList m_kept;
};
