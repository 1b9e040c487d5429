#include "measure.h"

#include "core/processmemory.h"

#include <QStringList>

#include <algorithm>
#include <cstdio>

namespace bench {

namespace {
QString g_inputs;
int g_missed = 0;
} // namespace

void setInputs(const QString &folder) {
    g_inputs = folder;
}

QString inputs(const QString &name) {
    return g_inputs + u'/' + name;
}

double median(std::vector<double> values) {
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

void report(const QString &figure, const std::vector<double> &runs, const QString &target) {
    const auto [low, high] = std::minmax_element(runs.begin(), runs.end());
    QString line = QStringLiteral("%1: median %2 ms of %3 runs (%4 to %5)")
                       .arg(figure)
                       .arg(median(runs), 0, 'f', 3)
                       .arg(runs.size())
                       .arg(*low, 0, 'f', 3)
                       .arg(*high, 0, 'f', 3);
    if (!target.isEmpty())
        line += QStringLiteral("; target %1").arg(target);
    std::printf("%s\n", qPrintable(line));
    std::fflush(stdout);
}

void reportValue(const QString &figure, const QString &value, const QString &target) {
    QString line = figure + QStringLiteral(": ") + value;
    if (!target.isEmpty())
        line += QStringLiteral("; target %1").arg(target);
    std::printf("%s\n", qPrintable(line));
    std::fflush(stdout);
}

long peakResidentKb() {
    return processMemoryKb("VmHWM");
}

void missed(const QString &figure) {
    std::printf("MISSED TARGET: %s\n", qPrintable(figure));
    ++g_missed;
}

int missedCount() {
    return g_missed;
}

} // namespace bench
