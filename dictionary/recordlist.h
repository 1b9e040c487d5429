#pragma once

#include "core/result.h"
#include "dictionary/slovnik.h"

#include <deque>
#include <iterator>
#include <vector>

// The records of a dictionary that a window changes one at a time (the editor, the
// merger), in file order. An addition, an insertion or a deletion at any place costs the
// same: the records themselves never move. Those read from a file stay in the list they
// were read into, later ones go into storage that never moves either (a deleted record's
// place is taken by the next one added), and the order is kept apart, as blocks of at
// most 2 × kBlock record numbers: a change moves the numbers of one block and recounts
// where each block starts. A record put back where it was deleted from (an undo) costs
// no more than a deletion.
class RecordList {
public:
    static constexpr qsizetype kBlock = 2048;

    RecordList() = default;
    // Takes the records of a list, in its order, without copying them.
    explicit RecordList(Tpole records);

    qsizetype size() const { return m_size; }
    bool isEmpty() const { return m_size == 0; }
    const Tslovniky &operator[](qsizetype row) const;
    Tslovniky &operator[](qsizetype row);
    const Tslovniky &first() const { return (*this)[0]; }
    const Tslovniky &last() const { return (*this)[m_size - 1]; }

    void append(Tslovniky record) { insert(m_size, std::move(record)); }
    void append(const RecordList &records);
    // Puts a record before `row` (at the end for `row` == size()).
    void insert(qsizetype row, Tslovniky record);
    // Takes the record at `row` out; the records after it come one place forward.
    Tslovniky take(qsizetype row);
    void clear() { *this = RecordList(); }

    // The records as one list, in order (a copy that shares their texts).
    Tpole toList() const;

    class const_iterator {
    public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = Tslovniky;
        using difference_type = std::ptrdiff_t;
        using pointer = const Tslovniky *;
        using reference = const Tslovniky &;

        const_iterator() = default;
        const_iterator(const RecordList *list, size_t block) : m_list(list), m_block(block) {}
        reference operator*() const { return m_list->slot(m_list->m_blocks[m_block][m_offset]); }
        pointer operator->() const { return &**this; }
        const_iterator &operator++() {
            if (++m_offset == m_list->m_blocks[m_block].size()) {
                ++m_block;
                m_offset = 0;
            }
            return *this;
        }
        const_iterator operator++(int) {
            const_iterator before = *this;
            ++*this;
            return before;
        }
        friend bool operator==(const const_iterator &a, const const_iterator &b) {
            return a.m_block == b.m_block && a.m_offset == b.m_offset;
        }

    private:
        const RecordList *m_list = nullptr;
        size_t m_block = 0;
        size_t m_offset = 0;
    };
    const_iterator begin() const { return {this, 0}; }
    const_iterator end() const { return {this, m_blocks.size()}; }
    const_iterator cbegin() const { return begin(); }
    const_iterator cend() const { return end(); }

private:
    // Every block holds at least one number; a block that grows past 2 × kBlock is split.
    using Block = std::vector<quint32>;

    const Tslovniky &slot(quint32 id) const {
        return id < quint32(m_read.size()) ? m_read.at(id) : m_added[id - m_read.size()];
    }
    Tslovniky &slot(quint32 id) {
        return id < quint32(m_read.size()) ? m_read[id] : m_added[id - m_read.size()];
    }
    // The block that holds `row` (a row at the end belongs to the last block).
    size_t block(qsizetype row) const;
    // Where each block starts, from `from` on.
    void recount(size_t from);

    Tpole m_read;                    // the records a list was taken with; never grows or shrinks
    std::deque<Tslovniky> m_added;   // records added since; a deque never moves its elements
    std::vector<quint32> m_free;     // places of deleted records, for the next ones added
    std::vector<Block> m_blocks;     // the order: record numbers, m_read's first, then m_added's
    std::vector<qsizetype> m_starts; // the row each block starts at
    qsizetype m_size = 0;
};

namespace dictionaryfile {
// Writes every record as one line followed by CR LF, as for a list of records.
Result<void> writeDictionaryFile(const QString &path, const RecordList &dictionary);
} // namespace dictionaryfile
