// The built program's import and export on the command line, run as a child process
// without a display.
#include "core/textfile.h"
#include "dictionary/slovnik.h"
#include "exchange/kvtml.h"
#include "support/testfiles.h"
#include "support/testplatform.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

QString recordsText(const Tpole &dictionary) {
    QStringList rows;
    for (const Tslovniky &e : dictionary)
        rows << QStringList{e.ang, e.cz, e.vyslovnost, e.zvuk}.join(u'|');
    return rows.join(u'/');
}

} // namespace

class TestCommandLine : public QObject {
    Q_OBJECT

    QTemporaryDir m_work;

private slots:
    // "--import" and "--export" convert without a window or a display; what they refuse
    // (an existing output, characters Windows-1250 cannot hold, a wrong command line) is
    // told in Czech on the standard error with a non-zero exit status, and nothing is
    // written.
    void commandLineConvertsAndRefusesInCzech_data() {
        QTest::addColumn<QStringList>("arguments"); // {peers}/ and {work}/ are folders
        QTest::addColumn<QByteArray>("existing");   // the output's content before, if any
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("said"); // a line of the standard output or error
        QTest::addColumn<QString>("records");
        const QString out = QStringLiteral("{work}/vystup");
        QTest::newRow("import of Parley's vocabulary")
            << QStringList{"--import", "{peers}/parley.kvtml", "--output", out + ".slv"}
            << QByteArray() << 0 << "Slovník „{work}/vystup.slv“ uložen, výrazů: 4."
            << "cat|kočka|[k4t]|NENÍ/dog|pes+čokl|[d9g]|NENÍ/horse|kůň|[]|NENÍ/"
               "tortoise|želva|[]|NENÍ";
        QTest::newRow("export to KVTML")
            << QStringList{"--export", "{work}/cizi.slv", "--output=" + out + ".kvtml"}
            << QByteArray() << 0 << "Slovník exportován do „{work}/vystup.kvtml“, výrazů: 2."
            << "cat|kočka|[k4t]|NENÍ/dog|pes+čokl|[d9g]|NENÍ";
        QTest::newRow("characters refused without --replace")
            << QStringList{"--import", "{work}/cizi.csv", "--output", out + ".slv"} << QByteArray()
            << 1 << "  ï → i (1×)"
            << "";
        QTest::newRow("characters replaced")
            << QStringList{"--import", "{work}/cizi.csv", "--output", out + ".slv", "--replace"}
            << QByteArray() << 0 << "  à → a (1×)"
            << "naive|naivní|[]|NENÍ/a la carte|podle lístku|[]|NENÍ";
        QTest::newRow("an existing output refused")
            << QStringList{"--export", "{work}/cizi.slv", "--output", out + ".csv"}
            << QByteArray("moje tabulka\r\n") << 1
            << "Soubor „{work}/vystup.csv“ už existuje. Přepsat ho lze volbou --force."
            << "";
        QTest::newRow("an existing output replaced with --force")
            << QStringList{"--export", "{work}/cizi.slv", "--output", out + ".tsv", "--force"}
            << QByteArray("moje tabulka\r\n") << 0
            << "Slovník exportován do „{work}/vystup.tsv“, výrazů: 2."
            << "";
        QTest::newRow("no output named")
            << QStringList{"--import", "{peers}/parley.kvtml"} << QByteArray() << 2
            << "K volbě --import patří --output SLOVNÍK.slv."
            << "";
        QTest::newRow("a dictionary to open as well")
            << QStringList{"--import", "{peers}/parley.kvtml", "--output", out + ".slv", "jiny.slv"}
            << QByteArray() << 2 << "Při importu a exportu se slovník „jiny.slv“ neotevírá."
            << "";
        QTest::newRow("help") << QStringList{"--help"} << QByteArray() << 0
                              << "  --export SLOVNÍK.slv --output SOUBOR"
                              << "";
    }
    void commandLineConvertsAndRefusesInCzech() {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, existing);
        QFETCH(QString, said);
        QFETCH(QString, records);
        QTemporaryDir work;
        const QString peers = TestPlatform::sourceDir() + QStringLiteral("/tests/data/peers");
        const auto place = [&](QString text) {
            return text.replace(QStringLiteral("{peers}"), peers)
                .replace(QStringLiteral("{work}"), work.path());
        };
        for (QString &argument : arguments)
            argument = place(argument);
        QVERIFY(textfile::saveFile(
            work.filePath(QStringLiteral("cizi.csv")),
            QStringLiteral("naïve,naivní\r\nà la carte,podle lístku\r\n").toUtf8()));
        QVERIFY(textfile::saveFile(work.filePath(QStringLiteral("cizi.slv")),
                                   cp1250Lines({QStringLiteral("kočka;cat;[k4t];NENÍ"),
                                                QStringLiteral("pes+čokl;dog;[d9g];NENÍ")})));
        QString output;
        for (const QString &argument : arguments) {
            if (argument.contains(QStringLiteral("vystup")))
                output = argument.mid(argument.indexOf(u'=') + 1);
        }
        if (!existing.isEmpty())
            QVERIFY(textfile::saveFile(output, existing));

        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            environment.remove(QString::fromLatin1(name));
        environment.insert(QStringLiteral("LANG"), QStringLiteral("C.UTF-8"));
        program.setProcessEnvironment(environment);
        program.start(qEnvironmentVariable("VOKAB_EXECUTABLE"), arguments);
        QVERIFY2(program.waitForStarted(), qPrintable(program.errorString()));
        QVERIFY(program.waitForFinished(60000));
        // Line ends as the system has them: CR LF on Windows.
        const QString printed =
            QString::fromUtf8(program.readAllStandardOutput() + program.readAllStandardError())
                .remove(u'\r');
        // Files named as the system names them.
        QVERIFY2(printed.split(u'\n').contains(QDir::toNativeSeparators(place(said))),
                 qPrintable(printed));
        QTEST(program.exitCode(), "status");
        if (!existing.isEmpty() && program.exitCode() != 0) {
            QFile kept(output);
            QVERIFY(kept.open(QIODevice::ReadOnly));
            QCOMPARE(kept.readAll(), existing);
        } else if (program.exitCode() != 0 || output.isEmpty()) {
            QVERIFY(output.isEmpty() || !QFile::exists(output));
        } else if (output.endsWith(QStringLiteral(".slv"))) {
            const Result<dictionaryfile::Loaded> read = dictionaryfile::readDictionaryFile(output);
            QVERIFY2(read, qPrintable(read.error()));
            QCOMPARE(recordsText(read->dictionary), records);
        } else if (output.endsWith(QStringLiteral(".kvtml"))) {
            const Result<exchange::KvtmlRead> read = exchange::readKvtmlFile(output);
            QVERIFY2(read, qPrintable(read.error()));
            QCOMPARE(recordsText(read->dictionary), records);
            QCOMPARE(read->title, QStringLiteral("cizi"));
        } else {
            QFile written(output);
            QVERIFY(written.open(QIODevice::ReadOnly));
            QCOMPARE(QString::fromUtf8(written.readAll()),
                     QStringLiteral("Cizí výraz\tČeský výraz\tVýslovnost\tZvuk\r\n"
                                    "cat\tkočka\t[kæt]\tNENÍ\r\ndog\tpes+čokl\t[dɒg]\tNENÍ\r\n"));
        }
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
