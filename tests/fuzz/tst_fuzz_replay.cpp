// Runs every saved fuzz input (the seed corpus and every crash found and fixed) through
// its reader, so that a fixed crash stays fixed.
#include "harnesses.h"
#include "support/testfiles.h"

#include <QDir>
#include <QFile>
#include <QTest>

class TestFuzzReplay : public QObject {
    Q_OBJECT

private slots:
    void savedInputsPassTheirReader_data() {
        QTest::addColumn<int>("target");
        QTest::addColumn<QString>("file");
        const auto &targets = fuzzTargets();
        for (int t = 0; t < int(targets.size()); ++t) {
            const QDir corpus(sourceDir() + "/fuzz/corpus/" + targets[t].name);
            const QStringList files = corpus.entryList(QDir::Files, QDir::Name);
            QVERIFY2(!files.isEmpty(), targets[t].name); // every reader has a seed corpus
            for (const QString &name : files) {
                const QByteArray row = QByteArray(targets[t].name) + '/' + name.toUtf8();
                QTest::newRow(row.constData()) << t << corpus.filePath(name);
            }
        }
    }
    void savedInputsPassTheirReader() {
        QFETCH(int, target);
        QFETCH(QString, file);
        QFile input(file);
        QVERIFY(input.open(QIODevice::ReadOnly));
        const QByteArray bytes = input.readAll();
        std::vector<std::uint8_t> exact(bytes.begin(), bytes.end());
        QCOMPARE(fuzzTargets()[target].run(exact.data(), exact.size()), 0);
    }
};

QTEST_GUILESS_MAIN(TestFuzzReplay)
#include "tst_fuzz_replay.moc"
