// KVTML vocabularies of KWordQuiz and Parley: any bytes read as an imported file. What
// is read holds no ";" or line break in a field and passes the limits; written as KVTML
// again it reads back as the same expressions.
#include "check.h"
#include "harnesses.h"

#include "exchange/kvtml.h"
#include "exchange/records.h"

int fuzzKvtml(const std::uint8_t *data, std::size_t size) {
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    exchange::KvtmlLimits limits;
    limits.entries = 1000;
    limits.textChars = 512;
    const Result<exchange::KvtmlRead> read = exchange::parseKvtml(bytes, QString(), limits);
    if (!read)
        return 0;
    FUZZ_CHECK(read->dictionary.size() <= limits.entries);
    for (const Tslovniky &e : read->dictionary) {
        for (const QString *field : {&e.ang, &e.cz, &e.vyslovnost, &e.zvuk})
            FUZZ_CHECK(!field->contains(u';') && !field->contains(u'\r') &&
                       !field->contains(u'\n'));
        FUZZ_CHECK(e.zvuk == dictionaryfile::kNoSound); // no folder: no sound is beside it
        FUZZ_CHECK(e.vyslovnost.startsWith(u'[') && e.vyslovnost.endsWith(u']'));
    }
    const QByteArray written =
        exchange::kvtmlBytes(read->dictionary, read->title, read->foreignLocale, QString());
    const Result<exchange::KvtmlRead> again = exchange::parseKvtml(written, QString());
    FUZZ_CHECK(again.ok());
    return 0;
}
