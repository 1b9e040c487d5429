#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <vector>

// The translator's word list: two sections of "expression;translation" lines split by
// the separator line, and the searches over them.
namespace prekladac {

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

// Entries in file order with an index for the searches.
class EntryList {
public:
    EntryList() = default;
    explicit EntryList(QList<Entry> entries);

    const QList<Entry> &entries() const { return m_entries; }
    qsizetype size() const { return m_entries.size(); }
    const Entry &at(qsizetype i) const { return m_entries.at(i); }

    // The first entry in file order whose expression equals `text`, or -1.
    qsizetype findExact(QStringView text) const;
    // The first entry in file order whose expression begins with `prefix` (case and
    // every character counting), or -1. An empty prefix finds nothing.
    qsizetype findPrefix(QStringView prefix) const;

private:
    // Positions of the entries sorted by expression (code units), ties in file order.
    std::vector<qsizetype> m_sorted;
    QList<Entry> m_entries;
};

struct WordList {
    EntryList english; // English expression -> Czech translation
    EntryList czech;   // Czech expression -> English translation
    QString error;     // Czech message when the list could not be used (lists empty)
};

// Builds both lists from the file's lines. Lines 0 … S-2 (S the separator's line)
// form the English list, the line just above the separator is skipped, the lines
// after it form the Czech list. Without a separator, or with the separator on the
// first line, both lists stay empty and `error` says why.
WordList parse(const QStringList &lines);
// Reads the file (Windows-1250) and parses it; a missing file gives kMissingFile.
WordList load(const QString &path);

} // namespace prekladac
