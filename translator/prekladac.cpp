#include "translator/prekladac.h"

#include "core/textfile.h"
#include "core/win1250.h"

#include <QFileInfo>
#include <algorithm>
#include <numeric>

namespace translatorfile {

namespace {

// The expression is the text before the first ";", the translation the text between
// the first and the second ";" (empty without a ";").
template <typename Span, typename Piece> Span entryOf(QStringView text, const LineSpan &line) {
    const QStringView view = text.mid(line.start, line.length);
    const qsizetype first = view.indexOf(u';');
    if (first < 0)
        return Span{Piece{line.start, line.length}, Piece{line.start + line.length, 0}};
    const qsizetype second = view.indexOf(u';', first + 1);
    const qsizetype end = second < 0 ? line.length : second;
    return Span{Piece{line.start, first}, Piece{line.start + first + 1, end - first - 1}};
}

} // namespace

EntryList::EntryList(const QList<Entry> &entries) {
    QString text;
    std::vector<Span> spans;
    spans.reserve(size_t(entries.size()));
    for (const Entry &entry : entries) {
        Span span{{text.size(), entry.expression.size()}, {}};
        text += entry.expression;
        span.translation = {text.size(), entry.translation.size()};
        text += entry.translation;
        spans.push_back(span);
    }
    *this = EntryList(std::move(text), std::move(spans));
}

EntryList::EntryList(QString text, std::vector<Span> spans)
    : m_text(std::move(text)), m_spans(std::move(spans)) {
    m_sorted.resize(m_spans.size());
    std::iota(m_sorted.begin(), m_sorted.end(), qsizetype(0));
    const auto less = [this](qsizetype a, qsizetype b) { return expression(a) < expression(b); };
    // A word list usually comes sorted, and then its own order is the index.
    if (!std::is_sorted(m_sorted.begin(), m_sorted.end(), less))
        std::stable_sort(m_sorted.begin(), m_sorted.end(), less);
}

qsizetype EntryList::findExact(QStringView text) const {
    const auto it =
        std::lower_bound(m_sorted.begin(), m_sorted.end(), text,
                         [this](qsizetype i, QStringView key) { return expression(i) < key; });
    // Equal expressions are sorted in file order, so the first one is the answer.
    if (it != m_sorted.end() && expression(*it) == text)
        return *it;
    return -1;
}

qsizetype EntryList::findPrefix(QStringView prefix) const {
    if (prefix.isEmpty())
        return -1;
    auto it =
        std::lower_bound(m_sorted.begin(), m_sorted.end(), prefix,
                         [this](qsizetype i, QStringView key) { return expression(i) < key; });
    // Every expression beginning with the prefix sorts into one run starting here;
    // the earliest in file order is the smallest position within the run.
    qsizetype best = -1;
    for (; it != m_sorted.end(); ++it) {
        if (!expression(*it).startsWith(prefix))
            break;
        if (best < 0 || *it < best)
            best = *it;
    }
    return best;
}

Result<WordList> parseText(QString text, const std::vector<LineSpan> &lines) {
    const QStringView view(text);
    qsizetype separator = -1;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (view.mid(lines[i].start, lines[i].length) == kSeparator) {
            separator = qsizetype(i);
            break;
        }
    }
    if (separator < 0)
        return Failure{kNoSeparator};
    if (separator == 0)
        return Failure{kSeparatorFirst};
    using Span = EntryList::Span;
    using Piece = EntryList::Piece;
    std::vector<Span> english;
    english.reserve(size_t(separator - 1));
    for (qsizetype i = 0; i + 1 < separator; ++i)
        english.push_back(entryOf<Span, Piece>(view, lines[size_t(i)]));
    std::vector<Span> czech;
    czech.reserve(lines.size() - size_t(separator) - 1);
    for (size_t i = size_t(separator) + 1; i < lines.size(); ++i)
        czech.push_back(entryOf<Span, Piece>(view, lines[i]));
    // Both lists share the one text.
    WordList list;
    list.english = EntryList(text, std::move(english));
    list.czech = EntryList(std::move(text), std::move(czech));
    return list;
}

Result<WordList> parse(const QStringList &lines) {
    QString text;
    std::vector<LineSpan> spans;
    spans.reserve(size_t(lines.size()));
    for (const QString &line : lines) {
        spans.push_back({text.size(), line.size()});
        text += line;
    }
    return parseText(std::move(text), spans);
}

Result<WordList> parseFile(QString text) {
    std::vector<LineSpan> lines;
    const QStringView view(text);
    textfile::forEachLine(view, [&](QStringView line) {
        lines.push_back({line.data() - view.data(), line.size()});
    });
    return parseText(std::move(text), lines);
}

Result<void> checkSeparator(QByteArrayView bytes) {
    QByteArray separator;
    win1250::encode(kSeparator, separator);
    qsizetype line = 0;
    qsizetype found = -1;
    textfile::forEachLine(bytes, [&](QByteArrayView text) {
        if (found < 0 && text == separator)
            found = line;
        ++line;
    });
    if (found < 0)
        return Failure{kNoSeparator};
    if (found == 0)
        return Failure{kSeparatorFirst};
    return {};
}

Result<WordList> load(const QString &path) {
    if (!QFileInfo(path).isFile())
        return Failure{kMissingFile};
    Result<QString> text = textfile::readText(path);
    if (!text)
        return Failure{text.error()};
    return parseFile(std::move(text).value());
}

} // namespace translatorfile
