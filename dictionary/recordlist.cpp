#include "dictionary/recordlist.h"

#include "core/textfile.h"

#include <algorithm>
#include <numeric>
#include <utility>

RecordList::RecordList(Tpole records) : m_read(std::move(records)), m_size(m_read.size()) {
    for (qsizetype first = 0; first < m_size; first += kBlock) {
        Block numbers(size_t(std::min(kBlock, m_size - first)));
        std::iota(numbers.begin(), numbers.end(), quint32(first));
        m_blocks.push_back(std::move(numbers));
        m_starts.push_back(first);
    }
}

Tslovniky &RecordList::operator[](qsizetype row) {
    const size_t b = block(row);
    return slot(m_blocks[b][size_t(row - m_starts[b])]);
}

const Tslovniky &RecordList::operator[](qsizetype row) const {
    const size_t b = block(row);
    return slot(m_blocks[b][size_t(row - m_starts[b])]);
}

size_t RecordList::block(qsizetype row) const {
    // The last block whose start is at or before the row.
    const auto after = std::upper_bound(m_starts.cbegin(), m_starts.cend(), row);
    return after == m_starts.cbegin() ? 0 : size_t(after - m_starts.cbegin() - 1);
}

void RecordList::recount(size_t from) {
    if (!m_starts.empty())
        m_starts[0] = 0;
    for (size_t b = std::max<size_t>(from, 1); b < m_blocks.size(); ++b)
        m_starts[b] = m_starts[b - 1] + qsizetype(m_blocks[b - 1].size());
}

void RecordList::append(const RecordList &records) {
    for (const Tslovniky &record : records)
        append(record);
}

void RecordList::insert(qsizetype row, Tslovniky record) {
    quint32 id = 0;
    if (!m_free.empty()) {
        id = m_free.back();
        m_free.pop_back();
        slot(id) = std::move(record);
    } else {
        id = quint32(m_read.size() + qsizetype(m_added.size()));
        m_added.push_back(std::move(record));
    }
    if (m_blocks.empty()) {
        m_blocks.push_back({id});
        m_starts.push_back(0);
        ++m_size;
        return;
    }
    const size_t b = block(row);
    Block &numbers = m_blocks[b];
    numbers.insert(numbers.begin() + (row - m_starts[b]), id);
    ++m_size;
    if (qsizetype(numbers.size()) > 2 * kBlock) {
        Block second(numbers.begin() + kBlock, numbers.end());
        numbers.resize(size_t(kBlock));
        m_blocks.insert(m_blocks.begin() + qsizetype(b) + 1, std::move(second));
        m_starts.insert(m_starts.begin() + qsizetype(b) + 1, 0);
    }
    recount(b + 1);
}

Tslovniky RecordList::take(qsizetype row) {
    const size_t b = block(row);
    Block &numbers = m_blocks[b];
    const auto at = numbers.begin() + (row - m_starts[b]);
    const quint32 id = *at;
    numbers.erase(at);
    --m_size;
    if (numbers.empty()) {
        m_blocks.erase(m_blocks.begin() + qsizetype(b));
        m_starts.erase(m_starts.begin() + qsizetype(b));
    }
    recount(b);
    m_free.push_back(id);
    return std::exchange(slot(id), Tslovniky{});
}

Tpole RecordList::toList() const {
    Tpole list;
    list.reserve(m_size);
    for (const Tslovniky &record : *this)
        list.append(record);
    return list;
}

namespace dictionaryfile {
Result<void> writeDictionaryFile(const QString &path, const RecordList &dictionary) {
    QStringList lines;
    lines.reserve(dictionary.size());
    for (const Tslovniky &record : dictionary)
        lines.append(lineOfRecord(record));
    return textfile::saveLines(path, lines);
}
} // namespace dictionaryfile
