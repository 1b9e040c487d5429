// The converter's word lists: any bytes read as a list of Czech expressions and, the
// same lines backwards, as the foreign list; every pair becomes one dictionary
// record that reads back with both expressions in place.
#include "check.h"
#include "harnesses.h"

#include "core/textfile.h"
#include "core/win1250.h"
#include "dictionary/prevadec.h"
#include "dictionary/slovnik.h"

#include <algorithm>

namespace {
QString asExpression(QString text) {
    return text.replace(u';', u'+');
}
} // namespace

int fuzzWordlist(const std::uint8_t *data, std::size_t size) {
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QStringList czech = textfile::splitLines(win1250::decode(bytes));
    QStringList foreign = czech;
    std::reverse(foreign.begin(), foreign.end());
    foreign.resize(foreign.size() / 2); // fewer foreign lines than Czech ones

    const QStringList lines = conversion::pairWordLists(czech, foreign);
    FUZZ_CHECK(lines.size() == czech.size());
    const Result<QByteArray> written = textfile::encodeLines(lines);
    FUZZ_CHECK(written.ok());
    const Tpole dictionary = dictionaryfile::parseDictionary(win1250::decode(*written));
    FUZZ_CHECK(dictionary.size() == lines.size());
    for (qsizetype i = 0; i < dictionary.size(); ++i) {
        // A line break inside an expression cannot come from a list split into lines.
        FUZZ_CHECK(dictionary[i].cz == asExpression(czech[i]));
        FUZZ_CHECK(dictionary[i].ang ==
                   (i < foreign.size() ? asExpression(foreign[i]) : QString()));
        FUZZ_CHECK(dictionary[i].vyslovnost == dictionaryfile::kNoPronunciation);
        FUZZ_CHECK(dictionary[i].zvuk == dictionaryfile::kNoSound);
    }
    return 0;
}
