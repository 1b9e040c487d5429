// The translator's word list: any bytes read as the list; both searches agree with a
// plain walk through the entries in file order.
#include "check.h"
#include "harnesses.h"

#include "core/textfile.h"
#include "core/win1250.h"
#include "translator/prekladac.h"

#include <algorithm>

namespace {

qsizetype walkExact(const translatorfile::EntryList &list, QStringView text) {
    for (qsizetype i = 0; i < list.size(); ++i)
        if (list.expression(i) == text)
            return i;
    return -1;
}

qsizetype walkPrefix(const translatorfile::EntryList &list, QStringView prefix) {
    if (prefix.isEmpty())
        return -1;
    for (qsizetype i = 0; i < list.size(); ++i)
        if (list.expression(i).startsWith(prefix))
            return i;
    return -1;
}

void checkSearches(const translatorfile::EntryList &list) {
    // The walk is quadratic; a few hundred entries are plenty to find a fault.
    const qsizetype probes = std::min<qsizetype>(list.size(), 64);
    for (qsizetype i = 0; i < probes; ++i) {
        const QString expression = list.expression(i).toString();
        FUZZ_CHECK(list.findExact(expression) == walkExact(list, expression));
        for (qsizetype length = 1; length <= std::min<qsizetype>(expression.size(), 7); ++length) {
            const QStringView prefix = QStringView(expression).left(length);
            FUZZ_CHECK(list.findPrefix(prefix) == walkPrefix(list, prefix));
        }
        // A text that sorts just after an expression.
        const QString after = expression + QChar(0xFFFF);
        FUZZ_CHECK(list.findExact(after) == walkExact(list, after));
        FUZZ_CHECK(list.findPrefix(after) == walkPrefix(list, after));
    }
}

void checkSame(const translatorfile::EntryList &a, const translatorfile::EntryList &b) {
    FUZZ_CHECK(a.size() == b.size());
    for (qsizetype i = 0; i < a.size(); ++i) {
        FUZZ_CHECK(a.expression(i) == b.expression(i));
        FUZZ_CHECK(a.translation(i) == b.translation(i));
    }
}

} // namespace

int fuzzTranslator(const std::uint8_t *data, std::size_t size) {
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString text = win1250::decode(bytes);
    const QStringList lines = textfile::splitLines(text);
    const Result<translatorfile::WordList> parsed = translatorfile::parse(lines);
    // The file's own reader finds the same lines without copying them out.
    const Result<translatorfile::WordList> fromFile = translatorfile::parseFile(text);
    FUZZ_CHECK(fromFile.error() == parsed.error());
    // The bytes' check of the separator says what reading them says.
    FUZZ_CHECK(translatorfile::checkSeparator(bytes).error() == parsed.error());
    const qsizetype separator = lines.indexOf(translatorfile::kSeparator);
    if (separator <= 0) {
        FUZZ_CHECK(!parsed && !fromFile);
        return 0;
    }
    FUZZ_CHECK(parsed && fromFile);
    const translatorfile::WordList &list = *parsed;
    checkSame(fromFile->english, list.english);
    checkSame(fromFile->czech, list.czech);
    FUZZ_CHECK(list.english.size() == separator - 1);
    FUZZ_CHECK(list.czech.size() == lines.size() - separator - 1);
    if (list.english.size() <= 400 && list.czech.size() <= 400) {
        checkSearches(list.english);
        checkSearches(list.czech);
    }
    return 0;
}
