// The statistics file: any bytes loaded as the table; every line that has text is
// written back unchanged, and the chart of every dictionary is drawn over the whole
// period without overflowing its axis.
#include "check.h"
#include "harnesses.h"

#include "core/textfile.h"
#include "core/win1250.h"
#include "statistics/statistiky.h"

#include <algorithm>

int fuzzStatistics(const std::uint8_t *data, std::size_t size) {
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QStringList lines = textfile::splitLines(win1250::decode(bytes));
    statisticsfile::Table table;
    table.load(lines);
    FUZZ_CHECK(table.rowCount() == std::max<qsizetype>(lines.size(), 1));

    QStringList kept = lines;
    kept.removeAll(QString());
    FUZZ_CHECK(table.fileLines() == kept);

    const QStringList names = statisticsfile::dictionaryNames(table);
    for (qsizetype n = 0; n < std::min<qsizetype>(names.size(), 8); ++n) {
        const QStringList dates = statisticsfile::datesOf(table, names[n]);
        FUZZ_CHECK(!dates.isEmpty());
        for (const auto quantity :
             {statisticsfile::Quantity::SuccessRate, statisticsfile::Quantity::Correct,
              statisticsfile::Quantity::Wrong}) {
            const statisticsfile::Chart chart =
                statisticsfile::chart(table, names[n], quantity, dates.first(), dates.last());
            FUZZ_CHECK(chart.hasAxis);
            FUZZ_CHECK(chart.bars.size() <= table.rowCount());
            if (quantity != statisticsfile::Quantity::SuccessRate) {
                // The axis reaches every bar it draws.
                for (const statisticsfile::Bar &bar : chart.bars)
                    FUZZ_CHECK(bar.value <= chart.axisMax);
            }
        }
    }
    return 0;
}
