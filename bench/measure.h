#pragma once

#include <QElapsedTimer>
#include <QString>

#include <vector>

// Timing helpers of the benchmark.
namespace bench {

constexpr int kRuns = 5;

// Milliseconds one call of `work` takes.
template <typename Work> double milliseconds(Work &&work) {
    QElapsedTimer timer;
    timer.start();
    work();
    return double(timer.nsecsElapsed()) / 1e6;
}

double median(std::vector<double> values);

// Prints one figure: "<figure>: median <ms> ms of <n> runs (target ...)".
void report(const QString &figure, const std::vector<double> &runs, const QString &target = {});
// Prints a figure that is not a time.
void reportValue(const QString &figure, const QString &value, const QString &target = {});

// The peak resident memory of this process so far, in kB (VmHWM), or -1.
long peakResidentKb();

// The folder of the inputs.
void setInputs(const QString &folder);
QString inputs(const QString &name);

// A figure missing its target makes the benchmark end with a non-zero status.
void missed(const QString &figure);
int missedCount();

} // namespace bench

// The figures, one group each.
void benchEditor(const QString &programDir);
void benchTesting();
void benchMillion();
void benchTranslator();
void benchStatistics();
void benchReview();
void benchBackups();
void benchSearch();
void benchPictures();
// The child run of the pictures' memory figure.
int picturesMemoryChild(const QString &dictionary);
void benchStartUp(const QString &program, const QString &programDir);
// The child run of the memory figure: opens `dictionary` ("-" for none) in the editor
// with the shipped data of `programDir`.
int editorMemoryChild(const QString &dictionary, const QString &programDir);
