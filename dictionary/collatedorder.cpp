#include "dictionary/collatedorder.h"

#include <QLocale>

#include <algorithm>
#include <bit>
#include <memory>

namespace {

// A record's place in the sort: the ranks of its first characters as digits of one
// number, how many of them are known, and whether the text ends there.
struct Key {
    quint64 digits = 0;
    const QString *text = nullptr;
    qint32 row = 0;
    quint8 known = 0;
    bool ended = false;
};

// The rank of each character that the collator orders by itself (0: not known, such
// as a character that joins the next one or one the collator ignores). Characters of
// equal rank differ only in diacritics or case, which decide only between texts whose
// letters are all alike.
struct Ranks {
    std::unique_ptr<quint16[]> rank{new quint16[0x10000]()};
    int digits = 8; // characters in a key
    int bits = 8;   // bits of each
};

// The characters that stand for more than themselves ("ch" after "h").
bool joinsNext(const QString &text, qsizetype i) {
    const char16_t c = text.at(i).unicode();
    if ((c != u'c' && c != u'C') || i + 1 >= text.size())
        return false;
    const char16_t next = text.at(i + 1).unicode();
    return next == u'h' || next == u'H';
}

Ranks ranksFor(const std::vector<Key> &keys, const QCollator &collator) {
    std::vector<bool> seen(0x10000);
    std::vector<char16_t> units;
    for (const Key &key : keys) {
        const qsizetype n = std::min<qsizetype>(key.text->size(), 8);
        for (qsizetype i = 0; i < n; ++i) {
            const char16_t c = key.text->at(i).unicode();
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
    std::erase_if(units, [&](char16_t c) {
        QChar base(c);
        while (base.decompositionTag() == QChar::Canonical)
            base = base.decomposition().at(0);
        if (base.unicode() >= 0x80 || base.unicode() < 0x20 || base.unicode() == 0x7F)
            return true;
        return collator.compare(QString(QChar(c)) + a, a) == 0;
    });
    // x before y whatever follows them: "xz" before "ya".
    const auto primaryLess = [&](char16_t x, char16_t y) {
        return collator.compare(QString(QChar(x)) + z, QString(QChar(y)) + a) < 0;
    };
    std::sort(units.begin(), units.end(), primaryLess);
    Ranks ranks;
    quint16 rank = 0;
    for (size_t i = 0; i < units.size(); ++i) {
        if (i == 0 || primaryLess(units[i - 1], units[i]))
            ++rank;
        ranks.rank[units[i]] = rank;
    }
    if (rank > 255) {
        ranks.digits = 4;
        ranks.bits = 16;
    }
    return ranks;
}

void fill(Key &key, const Ranks &ranks) {
    const QString &text = *key.text;
    const qsizetype n = std::min<qsizetype>(text.size(), ranks.digits);
    int known = 0;
    for (; known < n; ++known) {
        const quint16 rank = ranks.rank[text.at(known).unicode()];
        if (rank == 0 || joinsNext(text, known))
            break;
        key.digits |= quint64(rank) << (64 - ranks.bits * (known + 1));
    }
    key.known = quint8(known);
    key.ended = known == text.size();
}

} // namespace

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
    std::vector<Key> keys(size_t(records.size()));
    qint32 row = 0;
    for (const Tslovniky &record : records) {
        keys[size_t(row)].text = &CollatedOrder::field(record, field);
        keys[size_t(row)].row = row;
        ++row;
    }
    const Ranks ranks = ranksFor(keys, m_collator);
    for (Key &key : keys)
        fill(key, ranks);
    const auto less = [&](const Key &x, const Key &y) {
        if (x.digits != y.digits) {
            const int differ = std::countl_zero(x.digits ^ y.digits) / ranks.bits;
            const Key &shorter = x.known < y.known ? x : y;
            // Decided by a known character, or by the end of the shorter text.
            if (differ < std::min(x.known, y.known) || shorter.ended)
                return descending ? x.digits > y.digits : x.digits < y.digits;
        }
        return before(*x.text, x.row, *y.text, y.row, descending);
    };
    std::sort(keys.begin(), keys.end(), less);
    std::vector<int> order(keys.size());
    for (size_t i = 0; i < keys.size(); ++i)
        order[i] = keys[i].row;
    return order;
}
