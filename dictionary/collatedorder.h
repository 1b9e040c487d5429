#pragma once

#include "dictionary/recordlist.h"

#include <QCollator>
#include <QString>

#include <vector>

// The order of records by the text of one of their fields (0 foreign, 1 Czech,
// 2 pronunciation, 3 sound), as Czech sorts it (QCollator): "č" after "c", "ch" after "h";
// records with the same text keep the order of the file. Most comparisons of a large
// dictionary are decided by the first characters, whose order the collator gives once for
// each character; the collator compares whole texts only where those agree.
class CollatedOrder {
public:
    CollatedOrder();

    static const QString &field(const Tslovniky &record, int field);

    // Every record's row, in this order (descending: the texts from the end, equal texts
    // still in file order).
    std::vector<int> sorted(const RecordList &records, int field, bool descending = false) const;
    // Whether the record at `rowA` with text `a` goes before the one at `rowB`.
    bool before(const QString &a, int rowA, const QString &b, int rowB,
                bool descending = false) const;

private:
    QCollator m_collator;
};
