// Dictionary files: any bytes read as a dictionary; what is written back reads again
// as the same records. The reader's limits are fuzzed too: small limits taken from the
// input's first bytes make every refusal reachable.
#include "check.h"
#include "harnesses.h"

#include "core/textfile.h"
#include "core/win1250.h"
#include "dictionary/slovnik.h"

#include <QStringDecoder>

#include <algorithm>

namespace {

// The file's lines that hold something, and the length in bytes of the longest.
struct LineFacts {
    QStringList lines;
    qsizetype longest = 0;
};

LineFacts factsOf(QByteArrayView bytes) {
    LineFacts facts;
    textfile::forEachLine(bytes, [&](QByteArrayView line) {
        if (line.isEmpty())
            return;
        facts.lines.append(win1250::decode(line));
        facts.longest = std::max(facts.longest, line.size());
    });
    return facts;
}

// The reader under `limits`: refused exactly when a limit is passed, else it finds
// every line that holds something.
void checkLimits(QByteArrayView bytes, const dictionaryfile::Limits &limits) {
    const LineFacts facts = factsOf(bytes);
    const Result<dictionaryfile::Loaded> read =
        dictionaryfile::parseDictionaryFile(bytes, dictionaryfile::Contents::Both, limits);
    const bool beyond = facts.longest > limits.lineBytes || facts.lines.size() > limits.lines ||
                        bytes.contains('\0'); // a zero byte: not a text
    FUZZ_CHECK(!read == beyond);
    if (beyond) {
        FUZZ_CHECK(!read.error().isEmpty());
        return;
    }
    FUZZ_CHECK(read->empty == facts.lines.isEmpty());
    FUZZ_CHECK(read->lines == facts.lines);
    FUZZ_CHECK(read->dictionary.size() == facts.lines.size());
}

} // namespace

int fuzzSlv(const std::uint8_t *data, std::size_t size) {
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    if (size >= 2) {
        dictionaryfile::Limits small;
        small.lineBytes = 1 + data[0] % 64;
        small.lines = 1 + data[1] % 16;
        checkLimits(bytes.sliced(2), small);
    }
    checkLimits(bytes, {});

    const QString text = win1250::decode(bytes);
    const Tpole dictionary = dictionaryfile::parseDictionary(text);
    const Result<dictionaryfile::Loaded> file = dictionaryfile::parseDictionaryFile(
        bytes, dictionaryfile::Contents::Both, {1 << 20, 1 << 20, 1 << 20});
    FUZZ_CHECK(bytes.contains('\0') ? !file : file->dictionary == dictionary);

    // UTF-8 is recognised exactly when a decoder finds no error and a character beyond
    // ASCII; read as UTF-8, every text can be written back in Windows-1250.
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString decoded = utf8.decode(bytes);
    const bool beyondAscii =
        std::any_of(bytes.begin(), bytes.end(), [](char c) { return uchar(c) >= 0x80; });
    FUZZ_CHECK(dictionaryfile::looksLikeUtf8(bytes) == (!utf8.hasError() && beyondAscii));
    const Result<dictionaryfile::Loaded> asUtf8 = dictionaryfile::parseDictionaryFile(
        bytes, dictionaryfile::Contents::Lines, {1 << 20, 1 << 20, 1 << 20},
        dictionaryfile::Encoding::Utf8);
    FUZZ_CHECK(!asUtf8 || textfile::encodeLines(asUtf8->lines).ok());

    const Result<QByteArray> written =
        textfile::encodeLines(dictionaryfile::dictionaryLines(dictionary));
    FUZZ_CHECK(written.ok()); // every decoded character can be written back
    const Tpole again = dictionaryfile::parseDictionary(win1250::decode(*written));
    // A record whose fields are all empty is written as ";;;", which reads back.
    FUZZ_CHECK(again.size() == dictionary.size());
    for (qsizetype i = 0; i < dictionary.size(); ++i) {
        const Tslovniky &a = dictionary[i];
        const Tslovniky &b = again[i];
        FUZZ_CHECK(a.cz == b.cz && a.ang == b.ang && a.vyslovnost == b.vyslovnost);
        // The sound field is the last one: a fifth field was dropped on reading.
        FUZZ_CHECK(a.zvuk == b.zvuk);
    }
    return 0;
}
