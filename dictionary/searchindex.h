#pragma once

#include "dictionary/recordlist.h"

#include <QString>

#include <array>
#include <string>
#include <vector>

// What the editor's search compares: the foreign, Czech and pronunciation text of every
// record, in lower case (and without diacritics when asked), kept as UTF-8 in one block,
// with two masks per record (the letters, 64 bits, and the pairs of letters, 256 bits, it
// holds) that rule most records out before their text is read. Filtering a million records as the
// user types reads the masks of all of them and the text of few.
class SearchIndex {
public:
    // The text as the index compares it: case folded, and without diacritics
    // ("Kočka" -> "kocka") when `plain`.
    static QString fold(QStringView text, bool plain);

    // A searched text made ready for matching.
    struct Query {
        std::string needle; // folded, UTF-8
        quint64 letters = 0;
        std::array<quint64, 4> pairs{};
        bool wholeWords = false;
        bool exactByMask = false; // one ASCII letter or digit: the mask alone decides
    };

    void build(const RecordList &records, bool plain);
    void clear();
    bool isBuilt() const { return m_built; }
    bool plain() const { return m_plain; }
    qsizetype size() const { return qsizetype(m_entries.size()); }

    // The records changed at `row` (inserted, removed, replaced).
    void insert(qsizetype row, const Tslovniky &record);
    void remove(qsizetype row, qsizetype count);
    void update(qsizetype row, const Tslovniky &record);

    Query query(const QString &text, bool wholeWords) const;
    bool matches(qsizetype row, const Query &query) const;
    // Appends to `found` the rows that match: of `rows` (in their order), or of all
    // records when `rows` is null.
    void collect(const Query &query, const std::vector<int> *rows, std::vector<int> &found) const;
    // Whether a record matches, read from its texts (no index needed).
    static bool recordMatches(const Tslovniky &record, const Query &query, bool plain);

private:
    struct Entry {
        quint32 offset = 0;
        quint32 length = 0;
    };
    // Records read on two threads at once from this many on.
    static constexpr size_t kParallelFrom = 100000;
    size_t collectPart(const Query &query, const int *rows, size_t first, size_t last,
                       int *out) const;
    static void appendKey(std::string &to, const Tslovniky &record, bool plain);
    static void mask(const char *text, size_t length, quint64 &letters,
                     std::array<quint64, 4> &pairs);
    static bool found(const char *text, size_t length, const Query &query);
    Entry entryFor(const Tslovniky &record, quint64 &letters, std::array<quint64, 4> &pairs);
    void compactIfWasteful();

    std::vector<quint64> m_letters; // apart: the first key typed reads only these
    std::vector<std::array<quint64, 4>> m_pairs;
    std::vector<Entry> m_entries;
    std::string m_text; // the keys; a replaced or removed record's key stays until compacted
    size_t m_wasted = 0;
    bool m_built = false;
    bool m_plain = false;
};
