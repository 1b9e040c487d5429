#pragma once

#include "core/result.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <vector>

// The translator's word list: two sections of "expression;translation" lines split by
// the separator line, and the searches over them.
namespace translatorfile {

inline const QString kSeparator = QStringLiteral("Začátek český výrazů");
inline const QString kMissingFile = QStringLiteral("Nenalezen slovník!");
inline const QString kNoSeparator =
    QStringLiteral("Soubor prekladac.dat není platný slovník překladače: chybí v něm řádek "
                   "\"Začátek český výrazů\". Překladač bude prázdný.");
inline const QString kSeparatorFirst =
    QStringLiteral("Soubor prekladac.dat není platný slovník překladače: řádek \"Začátek "
                   "český výrazů\" nesmí být prvním řádkem. Překladač bude prázdný.");

struct Entry {
    QString expression;
    QString translation;
};

struct WordList;
struct LineSpan;

// Entries in file order with an index for the searches. The entries are pieces of one
// text (the whole word list), so a list of hundreds of thousands of entries is a
// handful of allocations rather than two strings per entry.
class EntryList {
public:
    EntryList() = default;
    explicit EntryList(const QList<Entry> &entries);

    qsizetype size() const { return qsizetype(m_spans.size()); }
    Entry at(qsizetype i) const { return {expression(i).toString(), translation(i).toString()}; }
    QStringView expression(qsizetype i) const { return piece(m_spans[size_t(i)].expression); }
    QStringView translation(qsizetype i) const { return piece(m_spans[size_t(i)].translation); }

    // The first entry in file order whose expression equals `text`, or -1.
    qsizetype findExact(QStringView text) const;
    // The first entry in file order whose expression begins with `prefix` (case and
    // every character counting), or -1. An empty prefix finds nothing.
    qsizetype findPrefix(QStringView prefix) const;

private:
    struct Piece {
        qsizetype start = 0;
        qsizetype length = 0;
    };
    struct Span {
        Piece expression, translation;
    };
    friend Result<WordList> parseText(QString text, const std::vector<LineSpan> &lines);

    EntryList(QString text, std::vector<Span> spans);
    QStringView piece(Piece p) const { return QStringView(m_text).mid(p.start, p.length); }

    QString m_text;
    std::vector<Span> m_spans;
    // Positions of the entries sorted by expression (code units), ties in file order.
    std::vector<qsizetype> m_sorted;
};

struct WordList {
    EntryList english; // English expression -> Czech translation
    EntryList czech;   // Czech expression -> English translation
};

// A line of a text: where it starts and how long it is, without its line break.
struct LineSpan {
    qsizetype start = 0;
    qsizetype length = 0;
};

// Builds both lists from the lines of `text`.
Result<WordList> parseText(QString text, const std::vector<LineSpan> &lines);

// Builds both lists from the file's lines. Lines 0 … S-2 (S the separator's line)
// form the English list, the line just above the separator is skipped, the lines
// after it form the Czech list. Without a separator, or with the separator on the
// first line, it fails with the Czech reason (kNoSeparator, kSeparatorFirst).
Result<WordList> parse(const QStringList &lines);
// Builds both lists from a file's whole text, its lines ending as textfile::splitLines()
// ends them, without copying the lines out.
Result<WordList> parseFile(QString text);
// Reads the file (Windows-1250) and parses it; a missing file fails with kMissingFile.
Result<WordList> load(const QString &path);

// What parsing the file's bytes (Windows-1250) would report of its separator line
// (kNoSeparator, kSeparatorFirst), found without decoding the text.
Result<void> checkSeparator(QByteArrayView bytes);

} // namespace translatorfile
