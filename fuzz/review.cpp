// Review plans: any bytes read as the plan file beside a dictionary. What is read is
// written back and reads again as the same plan, byte for byte the second time; every
// answer to a memory read from the file gives a memory the file can hold. The reader's
// limits are fuzzed too: small limits taken from the input's first bytes make every
// refusal reachable.
#include "check.h"
#include "harnesses.h"

#include "core/textfile.h"
#include "review/reviewfile.h"

#include <algorithm>

namespace {

void checkRead(QByteArrayView bytes, const review::PlanLimits &limits) {
    qsizetype lines = 0;
    qsizetype longest = 0;
    textfile::forEachLine(bytes.startsWith("\xEF\xBB\xBF") ? bytes.sliced(3) : bytes,
                          [&](QByteArrayView line) {
                              if (line.isEmpty())
                                  return;
                              ++lines;
                              longest = std::max(longest, line.size());
                          });
    const Result<review::Plan> read = review::parsePlan(bytes, limits);
    if (longest > limits.lineBytes || lines > limits.lines || bytes.contains('\0'))
        FUZZ_CHECK(!read);
    if (!read)
        return;

    const QByteArray written = review::planBytes(*read);
    const Result<review::Plan> again = review::parsePlan(written);
    FUZZ_CHECK(again && *again == *read);
    FUZZ_CHECK(review::planBytes(*again) == written);

    review::Plan answered = *read;
    const QList<review::Entry> entries = read->entries();
    for (qsizetype i = 0; i < std::min<qsizetype>(entries.size(), 4); ++i) {
        const review::Memory &memory = entries[i].memory;
        for (const review::Rating rating : review::kRatings) {
            // A day on or after the last review, within the days a review file holds.
            const QDate day = std::min(memory.lastReview.addDays(qint64(i) * 37 + int(rating)),
                                       QDate(8999, 12, 31));
            answered.set(entries[i].key, review::answered(memory, rating, day));
            const Result<review::Plan> reread = review::parsePlan(review::planBytes(answered));
            FUZZ_CHECK(reread && *reread == answered);
        }
    }
}

} // namespace

int fuzzReview(const std::uint8_t *data, std::size_t size) {
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    if (size >= 2) {
        review::PlanLimits small;
        small.lineBytes = 1 + data[0] % 128;
        small.lines = 1 + data[1] % 16;
        checkRead(bytes.sliced(2), small);
    }
    checkRead(bytes, {});
    return 0;
}
