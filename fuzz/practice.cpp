// The practice day file beside the statistics: any bytes read; what is read is written
// back and reads again as the same days, byte for byte the second time; the streaks never
// exceed the days read.
#include "check.h"
#include "harnesses.h"

#include "statistics/practicelog.h"

int fuzzPractice(const std::uint8_t *data, std::size_t size) {
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const Result<practice::Days> read = practice::parse(bytes);
    if (!read) {
        FUZZ_CHECK(!read.error().isEmpty());
        return 0;
    }
    const QByteArray written = practice::bytes(*read);
    const Result<practice::Days> again = practice::parse(written);
    FUZZ_CHECK(again && *again == *read);
    FUZZ_CHECK(practice::bytes(*again) == written);
    const QDate today = read->isEmpty() ? QDate(2026, 12, 11) : read->lastKey();
    const practice::Streaks streaks = practice::streaks(*read, today);
    FUZZ_CHECK(streaks.current <= streaks.longest && streaks.longest <= read->size());
    FUZZ_CHECK(practice::totalOfLastDays(*read, today, 7) >= 0);
    return 0;
}
