#include "dictionary/collatedorder.h"

#include <QLocale>

#include <algorithm>
#include <bit>
#include <memory>

// The fast order of letter ranks (Windows lets its collator order every text).
#ifndef Q_OS_WIN
namespace {

// A record's place in the sort: the ranks of its first letters as digits of one number
// (the digits after the text's end 0), how many of them are known, and whether the text
// ends there.
struct Key {
    quint64 digits = 0;
    quint32 row = 0;
    quint8 known = 0;
    bool ended = false;
};

// "ch", which Czech sorts as one letter after "h".
constexpr char32_t kCh = 0x10000;

// The rank of each character that the collator orders by itself (0: not known, such as
// one the collator ignores or weighs as several letters). Characters of equal rank
// differ only in diacritics or case, which decide only between texts whose letters are
// all alike.
struct Ranks {
    std::unique_ptr<quint16[]> rank{new quint16[0x10001]()};
    int digits = 8; // letters in a key
    int bits = 8;   // bits of each (at most 16)
};

bool isCh(const QString &text, qsizetype i) {
    const char16_t c = text.at(i).unicode();
    if ((c != u'c' && c != u'C') || i + 1 >= text.size())
        return false;
    const char16_t next = text.at(i + 1).unicode();
    return next == u'h' || next == u'H';
}

QString unitText(char32_t unit) {
    return unit == kCh ? QStringLiteral("ch") : QString(QChar(char16_t(unit)));
}

Ranks ranksFor(const std::vector<const QString *> &texts, const QCollator &collator) {
    std::vector<bool> seen(0x10000);
    std::vector<char32_t> units{kCh};
    for (const QString *text : texts) {
        const qsizetype n = std::min<qsizetype>(text->size(), 16);
        const QChar *chars = text->constData();
        for (qsizetype i = 0; i < n; ++i) {
            const char16_t c = chars[i].unicode();
            if (!seen[c]) {
                seen[c] = true;
                units.push_back(c);
            }
        }
    }
    // Only characters that the collator weighs one by one: ASCII letters, digits,
    // punctuation and spaces, and letters made of one of them with diacritics. Others (such
    // as "ß", which it weighs as "ss") are left to the collator itself.
    const QString a = QStringLiteral("a"), z = QStringLiteral("z");
    std::erase_if(units, [&](char32_t c) {
        if (c == kCh)
            return false;
        QChar base{char16_t(c)};
        while (base.decompositionTag() == QChar::Canonical)
            base = base.decomposition().at(0);
        if (base.unicode() >= 0x80 || base.unicode() < 0x20 || base.unicode() == 0x7F)
            return true;
        return collator.compare(unitText(c) + a, a) == 0;
    });
    // x before y whatever follows them: "xz" before "ya".
    const auto primaryLess = [&](char32_t x, char32_t y) {
        return collator.compare(unitText(x) + z, unitText(y) + a) < 0;
    };
    std::sort(units.begin(), units.end(), primaryLess);
    Ranks ranks;
    quint16 rank = 0;
    for (size_t i = 0; i < units.size(); ++i) {
        if (i == 0 || primaryLess(units[i - 1], units[i]))
            ++rank;
        ranks.rank[units[i]] = rank;
    }
    // As many letters as their ranks leave room for in 64 bits.
    ranks.bits = std::max(1, int(std::bit_width(unsigned(rank))));
    ranks.digits = std::min(16, 64 / ranks.bits);
    return ranks;
}

Key keyOf(const QString &text, quint32 row, const Ranks &ranks) {
    Key key;
    key.row = row;
    qsizetype i = 0;
    int known = 0;
    while (known < ranks.digits && i < text.size()) {
        const bool ch = isCh(text, i);
        const quint16 rank = ranks.rank[ch ? kCh : text.at(i).unicode()];
        if (rank == 0)
            break;
        key.digits |= quint64(rank) << (64 - ranks.bits * (known + 1));
        ++known;
        i += ch ? 2 : 1;
    }
    key.known = quint8(known);
    key.ended = i == text.size();
    return key;
}

// Sorts by the digits (of `digits`, which may turn them round), 16 bits at a time.
template <typename Digits> void radixSort(std::vector<Key> &keys, Digits digits) {
    constexpr int kBits = 16;
    constexpr quint64 kMask = (1u << kBits) - 1;
    std::vector<Key> other(keys.size());
    std::vector<size_t> counts(kMask + 2);
    for (int shift = 0; shift < 64; shift += kBits) {
        std::fill(counts.begin(), counts.end(), 0);
        for (const Key &key : keys)
            ++counts[((digits(key) >> shift) & kMask) + 1];
        if (std::any_of(counts.begin(), counts.end(),
                        [&](size_t count) { return count == keys.size(); }))
            continue; // every key has the same bits here
        for (size_t i = 1; i < counts.size(); ++i)
            counts[i] += counts[i - 1];
        for (const Key &key : keys)
            other[counts[(digits(key) >> shift) & kMask]++] = key;
        keys.swap(other);
    }
}

} // namespace
#endif

CollatedOrder::CollatedOrder() : m_collator(QLocale(QLocale::Czech, QLocale::CzechRepublic)) {}

const QString &CollatedOrder::field(const Tslovniky &record, int field) {
    switch (field) {
    case 0:
        return record.ang;
    case 1:
        return record.cz;
    case 2:
        return record.vyslovnost;
    default:
        return record.zvuk;
    }
}

bool CollatedOrder::before(const QString &a, int rowA, const QString &b, int rowB,
                           bool descending) const {
    if (a != b) {
        const int order = m_collator.compare(a, b);
        if (order != 0)
            return descending ? order > 0 : order < 0;
    }
    return rowA < rowB;
}

std::vector<int> CollatedOrder::sorted(const RecordList &records, int field,
                                       bool descending) const {
    std::vector<const QString *> texts;
    texts.reserve(size_t(records.size()));
    for (const Tslovniky &record : records)
        texts.push_back(&CollatedOrder::field(record, field));
#ifdef Q_OS_WIN
    // Windows' collation passes over hyphens and apostrophes and weighs a letter by what
    // surrounds it, so the ranks of single letters do not foretell it: the collator orders
    // every text there (slower, and in the system's own order).
    std::vector<int> rows(texts.size());
    for (size_t row = 0; row < rows.size(); ++row)
        rows[row] = int(row);
    std::sort(rows.begin(), rows.end(), [&](int x, int y) {
        return before(*texts[size_t(x)], x, *texts[size_t(y)], y, descending);
    });
    return rows;
#else
    const Ranks ranks = ranksFor(texts, m_collator);
    std::vector<Key> keys(texts.size());
    for (size_t row = 0; row < texts.size(); ++row)
        keys[row] = keyOf(*texts[row], quint32(row), ranks);
    // The first letters decide most; descending, the digits turned round.
    const auto digits = [&](const Key &key) { return descending ? ~key.digits : key.digits; };
    radixSort(keys, digits);
    const auto textsBefore = [&](const Key &x, const Key &y) {
        return before(*texts[x.row], int(x.row), *texts[y.row], int(y.row), descending);
    };
    // Texts with the same first letters: the collator orders them.
    for (size_t first = 0; first < keys.size();) {
        size_t last = first + 1;
        while (last < keys.size() && keys[last].digits == keys[first].digits)
            ++last;
        if (last - first > 1)
            std::sort(keys.begin() + qsizetype(first), keys.begin() + qsizetype(last), textsBefore);
        first = last;
    }
    // A text with a letter the ranks do not know goes among all those that begin as it
    // does: the collator orders that range whole.
    const auto less = [&](const Key &x, const Key &y) {
        if (x.digits != y.digits) {
            const int differ = std::countl_zero(x.digits ^ y.digits) / ranks.bits;
            const Key &shorter = x.known < y.known ? x : y;
            if (differ < std::min(x.known, y.known) || shorter.ended)
                return digits(x) < digits(y);
        }
        return textsBefore(x, y);
    };
    for (size_t i = 0; i < keys.size(); ++i) {
        if (keys[i].ended || keys[i].known >= ranks.digits)
            continue;
        int known = keys[i].known;
        size_t first = i, last = i + 1;
        for (bool grown = true; grown;) {
            const int bits = ranks.bits * known;
            const auto prefix = [&](const Key &key) {
                return bits == 0 ? quint64(0) : key.digits >> (64 - bits);
            };
            while (first > 0 && prefix(keys[first - 1]) == prefix(keys[i]))
                --first;
            while (last < keys.size() && prefix(keys[last]) == prefix(keys[i]))
                ++last;
            // One that knows fewer letters in the range widens it.
            grown = false;
            for (size_t k = first; k < last; ++k)
                if (!keys[k].ended && keys[k].known < known) {
                    known = keys[k].known;
                    grown = true;
                }
        }
        std::sort(keys.begin() + qsizetype(first), keys.begin() + qsizetype(last), less);
        i = last - 1;
    }
    std::vector<int> order(keys.size());
    for (size_t i = 0; i < keys.size(); ++i)
        order[i] = int(keys[i].row);
    return order;
#endif
}
