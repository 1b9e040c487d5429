// Start-up: from starting the program's process until its main window has been shown,
// with every window created and the shipped data loaded. The program's
// "--benchmark-start" lets the splash give way at once (it otherwise stays its two
// seconds) and ends the program once the main window is up, telling the memory it
// holds. Later starts (settings in the registry) and first starts of an installation
// (settings written) are measured in turns.
#include "measure.h"

#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>

namespace {

struct Start {
    double ms = -1;  // from starting the process until the main window was shown
    long idleKb = 0; // the memory it then held
};

// One start of the program with the registry file `registry`; ms < 0 when it did not
// start.
Start startOnce(const QString &program, const QString &programDir, const QString &registry) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("VOKAB_REGISTRY"), registry);
    // A data folder of its own: a Vokab the user has open would take over the start.
    environment.insert(QStringLiteral("XDG_DATA_HOME"), QFileInfo(registry).absolutePath());
    environment.insert(QStringLiteral("VOKAB_PROGRAM_DIR"), programDir);
    QProcess child;
    child.setProcessEnvironment(environment);
    QByteArray output;
    Start start;
    start.ms = bench::milliseconds([&] {
        child.start(program, {QStringLiteral("--benchmark-start")});
        while (!output.contains('\n') && child.waitForReadyRead(30000))
            output += child.readAllStandardOutput();
    });
    child.waitForFinished(30000);
    if (!output.startsWith("started visible")) {
        std::printf("the program did not start: %s\n", output.constData());
        start.ms = -1;
    }
    start.idleKb = output.trimmed().split(' ').value(2).toLong();
    return start;
}

} // namespace

void benchStartUp(const QString &program, const QString &programDir) {
    // The first start of an installation writes the settings to the registry; every
    // later start reads them. Each first start gets a registry of its own.
    std::vector<double> firsts, laters, idle;
    QTemporaryDir home;
    const QString registry = home.filePath(QStringLiteral("reg.ini"));
    for (int run = 0; run < bench::kRuns; ++run) {
        QTemporaryDir fresh;
        const Start first = startOnce(program, programDir, fresh.filePath("reg.ini"));
        const Start later = startOnce(program, programDir, registry);
        if (first.ms < 0 || later.ms < 0)
            return bench::missed(QStringLiteral("start-up"));
        firsts.push_back(first.ms);
        laters.push_back(later.ms);
        idle.push_back(double(later.idleKb) / 1024);
    }
    // The later starts: the first of them wrote the shared registry, run 0 is a first
    // start too and is left out.
    laters.erase(laters.begin());
    bench::report(QStringLiteral("start-up: process start to main window shown"), laters,
                  QStringLiteral("< 300 ms"));
    if (bench::median(laters) >= 300)
        bench::missed(QStringLiteral("start-up"));
    bench::report(QStringLiteral("start-up, first start of an installation (settings written)"),
                  firsts, QStringLiteral("no slower than a later start (10 % for noise)"));
    if (bench::median(firsts) > bench::median(laters) * 1.1)
        bench::missed(QStringLiteral("first start"));
    const double idleMb = bench::median(idle);
    bench::reportValue(QStringLiteral("memory after start (idle, median)"),
                       QStringLiteral("%1 MB").arg(idleMb, 0, 'f', 1), QStringLiteral("< 40 MB"));
    if (idleMb <= 0 || idleMb >= 40)
        bench::missed(QStringLiteral("idle memory"));
}
