#include "dictionary/searchindex.h"

#include <QChar>

#include <cstring>
#include <memory>
#include <thread>

namespace {

// What each UTF-16 unit becomes, once for all: case folded, and for the plain table
// without its diacritics (the first character of its canonical decomposition; a combining
// mark alone becomes nothing, 0). Surrogates stay as they are.
struct FoldTables {
    std::unique_ptr<char16_t[]> folded{new char16_t[0x10000]};
    std::unique_ptr<char16_t[]> plain{new char16_t[0x10000]};

    FoldTables() {
        for (char32_t unit = 0; unit < 0x10000; ++unit) {
            const QChar c{char16_t(unit)};
            if (c.isSurrogate()) {
                folded[unit] = plain[unit] = char16_t(unit);
                continue;
            }
            folded[unit] = c.toCaseFolded().unicode();
            QChar base = c;
            while (base.decompositionTag() == QChar::Canonical)
                base = base.decomposition().at(0);
            plain[unit] = base.category() == QChar::Mark_NonSpacing ? char16_t(0)
                                                                    : base.toCaseFolded().unicode();
        }
    }
};

const FoldTables &tables() {
    static const FoldTables instance;
    return instance;
}

// Appends `text` folded by `table` as UTF-8.
void appendFolded(std::string &to, QStringView text, const char16_t *table) {
    const qsizetype n = text.size();
    const char16_t *units = text.utf16();
    for (qsizetype i = 0; i < n; ++i) {
        char32_t c = units[i];
        if (QChar::isHighSurrogate(c) && i + 1 < n && QChar::isLowSurrogate(units[i + 1])) {
            c = QChar::surrogateToUcs4(char16_t(c), units[++i]);
        } else {
            c = table[c];
            if (c == 0)
                continue;
        }
        if (c < 0x80) {
            to.push_back(char(c));
        } else if (c < 0x800) {
            to.push_back(char(0xC0 | (c >> 6)));
            to.push_back(char(0x80 | (c & 0x3F)));
        } else if (c < 0x10000) {
            to.push_back(char(0xE0 | (c >> 12)));
            to.push_back(char(0x80 | ((c >> 6) & 0x3F)));
            to.push_back(char(0x80 | (c & 0x3F)));
        } else {
            to.push_back(char(0xF0 | (c >> 18)));
            to.push_back(char(0x80 | ((c >> 12) & 0x3F)));
            to.push_back(char(0x80 | ((c >> 6) & 0x3F)));
            to.push_back(char(0x80 | (c & 0x3F)));
        }
    }
}

// The letters, digits and the letters with diacritics of Czech and its neighbours have a
// bit of their own (one of them searched alone is found by the mask); other characters
// share the last five.
int letterBit(char32_t c) {
    if (c >= 'a' && c <= 'z')
        return int(c - 'a');
    if (c >= '0' && c <= '9')
        return 26 + int(c - '0');
    static constexpr char16_t kOwn[] = u"áčďéěíňóřšťúůýžäöüßľĺŕô";
    for (int i = 0; kOwn[i]; ++i)
        if (kOwn[i] == c)
            return 36 + i;
    return 59 + int(c % 5);
}

int pairBit(char32_t a, char32_t b) {
    return int((a * 131u + b) * 2654435761u >> 24); // 0..255
}

// The character that starts at `text[i]` (UTF-8) and how many bytes it takes.
char32_t decode(const char *text, size_t length, size_t i, size_t &bytes) {
    const auto b = static_cast<unsigned char>(text[i]);
    bytes = b < 0x80 ? 1 : b < 0xE0 ? 2 : b < 0xF0 ? 3 : 4;
    if (i + bytes > length)
        bytes = 1;
    char32_t c = bytes == 1 ? b : b & (0x7F >> bytes);
    for (size_t k = 1; k < bytes; ++k)
        c = (c << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
    return c;
}

// A byte of a word: an ASCII letter or digit, or any part of a character beyond ASCII.
bool wordByte(unsigned char b) {
    return b >= 0x80 || (b >= 'a' && b <= 'z') || (b >= 'A' && b <= 'Z') || (b >= '0' && b <= '9');
}

// Separates the fields in a key: a match never spans two of them.
constexpr char kFieldEnd = '\n';

} // namespace

QString SearchIndex::fold(QStringView text, bool plain) {
    std::string utf8;
    appendFolded(utf8, text, plain ? tables().plain.get() : tables().folded.get());
    return QString::fromUtf8(utf8.data(), qsizetype(utf8.size()));
}

void SearchIndex::appendKey(std::string &to, const Tslovniky &record, bool plain) {
    const char16_t *table = plain ? tables().plain.get() : tables().folded.get();
    for (const QString *field : {&record.ang, &record.cz, &record.vyslovnost}) {
        appendFolded(to, *field, table);
        to.push_back(kFieldEnd);
    }
}

void SearchIndex::mask(const char *text, size_t length, quint64 &letters,
                       std::array<quint64, 4> &pairs) {
    letters = 0;
    pairs = {};
    char32_t before = kFieldEnd;
    for (size_t i = 0, bytes = 1; i < length; i += bytes) {
        const char32_t c = decode(text, length, i, bytes);
        if (c != char32_t(kFieldEnd)) {
            letters |= quint64(1) << letterBit(c);
            if (before != char32_t(kFieldEnd)) {
                const int bit = pairBit(before, c);
                pairs[size_t(bit >> 6)] |= quint64(1) << (bit & 63);
            }
        }
        before = c;
    }
}

SearchIndex::Entry SearchIndex::entryFor(const Tslovniky &record, quint64 &letters,
                                         std::array<quint64, 4> &pairs) {
    Entry entry;
    entry.offset = quint32(m_text.size());
    appendKey(m_text, record, m_plain);
    entry.length = quint32(m_text.size() - entry.offset);
    mask(m_text.data() + entry.offset, entry.length, letters, pairs);
    return entry;
}

void SearchIndex::build(const RecordList &records, bool plain) {
    clear();
    m_plain = plain;
    m_entries.reserve(size_t(records.size()));
    m_letters.reserve(size_t(records.size()));
    m_pairs.reserve(size_t(records.size()));
    m_text.reserve(size_t(records.size()) * 40);
    for (const Tslovniky &record : records) {
        quint64 letters = 0;
        std::array<quint64, 4> pairs{};
        m_entries.push_back(entryFor(record, letters, pairs));
        m_letters.push_back(letters);
        m_pairs.push_back(pairs);
    }
    m_built = true;
}

void SearchIndex::clear() {
    m_entries = {};
    m_letters = {};
    m_pairs = {};
    m_text = {};
    m_wasted = 0;
    m_built = false;
}

void SearchIndex::insert(qsizetype row, const Tslovniky &record) {
    if (!m_built || row < 0 || row > size())
        return;
    quint64 letters = 0;
    std::array<quint64, 4> pairs{};
    m_entries.insert(m_entries.begin() + row, entryFor(record, letters, pairs));
    m_letters.insert(m_letters.begin() + row, letters);
    m_pairs.insert(m_pairs.begin() + row, pairs);
}

void SearchIndex::remove(qsizetype row, qsizetype count) {
    if (!m_built || row < 0 || count <= 0 || row + count > size())
        return;
    for (qsizetype i = row; i < row + count; ++i)
        m_wasted += m_entries[size_t(i)].length;
    m_entries.erase(m_entries.begin() + row, m_entries.begin() + row + count);
    m_letters.erase(m_letters.begin() + row, m_letters.begin() + row + count);
    m_pairs.erase(m_pairs.begin() + row, m_pairs.begin() + row + count);
    compactIfWasteful();
}

void SearchIndex::update(qsizetype row, const Tslovniky &record) {
    if (!m_built || row < 0 || row >= size())
        return;
    m_wasted += m_entries[size_t(row)].length;
    m_entries[size_t(row)] = entryFor(record, m_letters[size_t(row)], m_pairs[size_t(row)]);
    compactIfWasteful();
}

void SearchIndex::compactIfWasteful() {
    if (m_wasted < 4096 || m_wasted * 2 < m_text.size())
        return;
    std::string text;
    text.reserve(m_text.size() - m_wasted);
    for (Entry &entry : m_entries) {
        const quint32 offset = quint32(text.size());
        text.append(m_text, entry.offset, entry.length);
        entry.offset = offset;
    }
    m_text = std::move(text);
    m_wasted = 0;
}

SearchIndex::Query SearchIndex::query(const QString &text, bool wholeWords) const {
    Query q;
    appendFolded(q.needle, text, m_plain ? tables().plain.get() : tables().folded.get());
    // A line of the list holds no line break, nor can a searched text.
    std::erase(q.needle, kFieldEnd);
    q.wholeWords = wholeWords;
    mask(q.needle.data(), q.needle.size(), q.letters, q.pairs);
    size_t bytes = 0;
    const char32_t first =
        q.needle.empty() ? 0 : decode(q.needle.data(), q.needle.size(), 0, bytes);
    q.exactByMask = !wholeWords && bytes == q.needle.size() && first != 0 && letterBit(first) < 59;
    return q;
}

bool SearchIndex::found(const char *text, size_t length, const Query &query) {
    const std::string &needle = query.needle;
    const size_t m = needle.size();
    if (m == 0)
        return true;
    if (m > length)
        return false;
    const char first = needle[0];
    const char *rest = needle.data() + 1;
    const size_t last = length - m; // the last place a match can start
    for (size_t at = 0; at <= last; ++at) {
        if (text[at] != first)
            continue;
        size_t k = 0;
        while (k + 1 < m && text[at + 1 + k] == rest[k])
            ++k;
        if (k + 1 < m)
            continue;
        if (!query.wholeWords)
            return true;
        const char *p = text + at;
        const bool startsWord = at == 0 || !wordByte(static_cast<unsigned char>(p[-1])) ||
                                !wordByte(static_cast<unsigned char>(needle.front()));
        const bool endsWord = at == last || !wordByte(static_cast<unsigned char>(p[m])) ||
                              !wordByte(static_cast<unsigned char>(needle.back()));
        if (startsWord && endsWord)
            return true;
    }
    return false;
}

bool SearchIndex::matches(qsizetype row, const Query &query) const {
    if ((m_letters[size_t(row)] & query.letters) != query.letters)
        return false;
    if (query.exactByMask)
        return true;
    const std::array<quint64, 4> &pairs = m_pairs[size_t(row)];
    for (size_t i = 0; i < pairs.size(); ++i)
        if ((pairs[i] & query.pairs[i]) != query.pairs[i])
            return false;
    const Entry &entry = m_entries[size_t(row)];
    return found(m_text.data() + entry.offset, entry.length, query);
}

size_t SearchIndex::collectPart(const Query &query, const int *rows, size_t first, size_t last,
                                int *out) const {
    // In stages, each without a branch that guesses: the letters, the pairs, then the text
    // of the few left.
    size_t kept = 0;
    const quint64 letters = query.letters;
    for (size_t i = first; i < last; ++i) {
        const size_t row = rows ? size_t(rows[i]) : i;
        out[kept] = int(row);
        kept += (m_letters[row] & letters) == letters;
    }
    if (query.exactByMask)
        return kept;
    // The masks and texts lie anywhere in memory: each is asked for well before it is read.
    constexpr size_t kEntriesAhead = 16, kTextAhead = 8;
    size_t paired = 0;
    for (size_t i = 0; i < kept; ++i) {
        if (i + kEntriesAhead < kept)
            __builtin_prefetch(&m_pairs[size_t(out[i + kEntriesAhead])]);
        const std::array<quint64, 4> &pairs = m_pairs[size_t(out[i])];
        out[paired] = out[i];
        paired += ((pairs[0] & query.pairs[0]) == query.pairs[0]) &
                  ((pairs[1] & query.pairs[1]) == query.pairs[1]) &
                  ((pairs[2] & query.pairs[2]) == query.pairs[2]) &
                  ((pairs[3] & query.pairs[3]) == query.pairs[3]);
    }
    kept = 0;
    for (size_t i = 0; i < paired; ++i) {
        if (i + kEntriesAhead < paired)
            __builtin_prefetch(&m_entries[size_t(out[i + kEntriesAhead])]);
        if (i + kTextAhead < paired)
            __builtin_prefetch(m_text.data() + m_entries[size_t(out[i + kTextAhead])].offset);
        const Entry &entry = m_entries[size_t(out[i])];
        if (found(m_text.data() + entry.offset, entry.length, query))
            out[kept++] = out[i];
    }
    return kept;
}

void SearchIndex::collect(const Query &query, const std::vector<int> *rows,
                          std::vector<int> &found) const {
    const size_t count = rows ? rows->size() : m_letters.size();
    const size_t start = found.size();
    found.resize(start + count);
    int *out = found.data() + start;
    const int *from = rows ? rows->data() : nullptr;
    size_t kept = 0;
    if (count < kParallelFrom) {
        kept = collectPart(query, from, 0, count, out);
    } else {
        // Two halves at once, the second then joined to the first.
        const size_t half = count / 2;
        size_t second = 0;
        std::thread other([&] { second = collectPart(query, from, half, count, out + half); });
        kept = collectPart(query, from, 0, half, out);
        other.join();
        std::memmove(out + kept, out + half, second * sizeof(int));
        kept += second;
    }
    found.resize(start + kept);
}

bool SearchIndex::recordMatches(const Tslovniky &record, const Query &query, bool plain) {
    std::string key;
    appendKey(key, record, plain);
    return found(key.data(), key.size(), query);
}
