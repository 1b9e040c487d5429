// Dictionary files: any bytes read as a dictionary; what is written back reads again
// as the same records.
#include "check.h"
#include "harnesses.h"

#include "core/textfile.h"
#include "core/win1250.h"
#include "dictionary/slovnik.h"

int fuzzSlv(const std::uint8_t *data, std::size_t size) {
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString text = win1250::decode(bytes);
    const Tpole dictionary = slovnik::parseDictionary(text);
    FUZZ_CHECK(dictionary.size() == textfile::splitLines(text).size());

    // The file reader splits the bytes before decoding them, and finds the same.
    const slovnik::ReadResult file = slovnik::parseDictionaryFile(bytes);
    FUZZ_CHECK(file.dictionary == dictionary);
    FUZZ_CHECK(file.lines == textfile::splitLines(text));
    FUZZ_CHECK((file.status == slovnik::ReadResult::Status::Empty) == bytes.isEmpty());

    std::optional<QByteArray> written = textfile::encodeLines(slovnik::dictionaryLines(dictionary));
    FUZZ_CHECK(written.has_value()); // every decoded character can be written back
    const Tpole again = slovnik::parseDictionary(win1250::decode(*written));
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
