// The tips file: any bytes read as tips; the lines saved from them read again as the
// same tips, numbered 1, 2, 3 ...
#include "check.h"
#include "harnesses.h"

#include "core/win1250.h"
#include "tips/tipysoubor.h"

int fuzzTips(const std::uint8_t *data, std::size_t size) {
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const Ttip tips = tipsfile::parseTips(win1250::decode(bytes));
    const QStringList lines = tipsfile::tipLines(tips);
    FUZZ_CHECK(lines.size() == tips.size());
    const Ttip again = tipsfile::parseTips(lines.join(QStringLiteral("\r\n")));
    FUZZ_CHECK(again.size() == tips.size());
    for (qsizetype i = 0; i < tips.size(); ++i) {
        FUZZ_CHECK(again[i].firstText == tips[i].firstText);
        FUZZ_CHECK(again[i].secondText == tips[i].secondText);
        FUZZ_CHECK(again[i].number == int(i) + 1);
    }
    return 0;
}
