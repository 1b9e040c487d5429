#include "translator/prekladac.h"

#include "core/textfile.h"
#include "dictionary/slovnik.h"

#include <QFileInfo>
#include <algorithm>
#include <numeric>

namespace prekladac {

namespace {

Entry entryOf(const QString &line) {
    const auto fields = rozreteznac(line, u';');
    Entry entry;
    entry.expression = fields.size() > 0 ? fields.at(0) : QString();
    entry.translation = fields.size() > 1 ? fields.at(1) : QString();
    return entry;
}

} // namespace

EntryList::EntryList(QList<Entry> entries) : m_entries(std::move(entries)) {
    m_sorted.resize(size_t(m_entries.size()));
    std::iota(m_sorted.begin(), m_sorted.end(), qsizetype(0));
    std::stable_sort(m_sorted.begin(), m_sorted.end(), [this](qsizetype a, qsizetype b) {
        return QStringView(m_entries.at(a).expression) < QStringView(m_entries.at(b).expression);
    });
}

qsizetype EntryList::findExact(QStringView text) const {
    const auto it = std::lower_bound(m_sorted.begin(), m_sorted.end(), text,
                                     [this](qsizetype i, QStringView key) {
                                         return QStringView(m_entries.at(i).expression) < key;
                                     });
    // Equal expressions are sorted in file order, so the first one is the answer.
    if (it != m_sorted.end() && QStringView(m_entries.at(*it).expression) == text)
        return *it;
    return -1;
}

qsizetype EntryList::findPrefix(QStringView prefix) const {
    if (prefix.isEmpty())
        return -1;
    auto it = std::lower_bound(m_sorted.begin(), m_sorted.end(), prefix,
                               [this](qsizetype i, QStringView key) {
                                   return QStringView(m_entries.at(i).expression) < key;
                               });
    // Every expression beginning with the prefix sorts into one run starting here;
    // the earliest in file order is the smallest position within the run.
    qsizetype best = -1;
    for (; it != m_sorted.end(); ++it) {
        const QStringView expression(m_entries.at(*it).expression);
        if (!expression.startsWith(prefix))
            break;
        if (best < 0 || *it < best)
            best = *it;
    }
    return best;
}

WordList parse(const QStringList &lines) {
    WordList list;
    const qsizetype separator = lines.indexOf(kSeparator);
    if (separator < 0) {
        list.error = kNoSeparator;
        return list;
    }
    if (separator == 0) {
        list.error = kSeparatorFirst;
        return list;
    }
    QList<Entry> english;
    english.reserve(separator - 1);
    for (qsizetype i = 0; i + 1 < separator; ++i)
        english.append(entryOf(lines.at(i)));
    QList<Entry> czech;
    czech.reserve(lines.size() - separator - 1);
    for (qsizetype i = separator + 1; i < lines.size(); ++i)
        czech.append(entryOf(lines.at(i)));
    list.english = EntryList(std::move(english));
    list.czech = EntryList(std::move(czech));
    return list;
}

WordList load(const QString &path) {
    if (!QFileInfo(path).isFile()) {
        WordList list;
        list.error = kMissingFile;
        return list;
    }
    const auto text = textfile::readText(path);
    if (!text.text) {
        WordList list;
        list.error = text.error;
        return list;
    }
    return parse(textfile::splitLines(*text.text));
}

} // namespace prekladac
