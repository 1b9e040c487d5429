// The rules of the application shell: colour as text, the grade, the threshold
// repairs, the emptying of Temp and the command line.
#include "app/commandline.h"
#include "core/colourtext.h"
#include "core/tempfolder.h"
#include "testing/grade.h"
#include "testing/thresholds.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <limits>

using Values = std::array<int, 4>;
Q_DECLARE_METATYPE(Values)

class TestShellRules : public QObject {
    Q_OBJECT

    static void touch(const QString &path) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("RIFF");
    }

private slots:
    void everyNamedColourIsWrittenByNameAndReadBack_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<quint32>("value");
        const QList<QPair<QString, quint32>> expected = {
            {"clBlack", 0x000000}, {"clMaroon", 0x000080},     {"clGreen", 0x008000},
            {"clOlive", 0x008080}, {"clNavy", 0x800000},       {"clPurple", 0x800080},
            {"clTeal", 0x808000},  {"clGray", 0x808080},       {"clSilver", 0xC0C0C0},
            {"clRed", 0x0000FF},   {"clLime", 0x00FF00},       {"clYellow", 0x00FFFF},
            {"clBlue", 0xFF0000},  {"clFuchsia", 0xFF00FF},    {"clAqua", 0xFFFF00},
            {"clWhite", 0xFFFFFF}, {"clMoneyGreen", 0xC0DCC0}, {"clSkyBlue", 0xF0CAA6},
            {"clCream", 0xF0FBFF}, {"clMedGray", 0xA4A0A0}};
        for (const auto &[name, value] : expected)
            QTest::newRow(qPrintable(name)) << name << value;
    }

    void everyNamedColourIsWrittenByNameAndReadBack() {
        QFETCH(QString, name);
        QFETCH(quint32, value);
        QCOMPARE(colourtext::toText(value), name);
        QCOMPARE(colourtext::fromText(name), std::optional<quint32>(value));
        QCOMPARE(colourtext::fromText(name.toUpper()), std::optional<quint32>(value));
        QCOMPARE(colourtext::fromText(name.toLower()), std::optional<quint32>(value));
    }

    void otherColoursAreWrittenAsEightHexDigits_data() {
        QTest::addColumn<quint32>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("mixed") << quint32(0xA1B2C3) << QStringLiteral("$00A1B2C3");
        QTest::newRow("one off blue") << quint32(0xFF0001) << QStringLiteral("$00FF0001");
        QTest::newRow("small") << quint32(0x00000F) << QStringLiteral("$0000000F");
        QTest::newRow("one off white") << quint32(0xFFFFFE) << QStringLiteral("$00FFFFFE");
    }

    void otherColoursAreWrittenAsEightHexDigits() {
        QFETCH(quint32, value);
        QFETCH(QString, text);
        QCOMPARE(colourtext::toText(value), text);
        QCOMPARE(colourtext::fromText(text), std::optional<quint32>(value));
        QCOMPARE(colourtext::fromText(text.toLower()), std::optional<quint32>(value));
    }

    void shortHexIsReadAndNonsenseIsRefused() {
        QCOMPARE(colourtext::fromText(QStringLiteral("$FF")), std::optional<quint32>(0xFF));
        QCOMPARE(colourtext::fromText(QStringLiteral("$FF0000")), std::optional<quint32>(0xFF0000));
        for (const char *bad :
             {"", "$", "clBlu", "clBlue ", " clBlue", "$00GG0000", "$-1", "$100000000", "$01000000",
              "$FFFFFFFF", "16711680", "#FF0000", "0xFF0000", "$ 0FF00"})
            QVERIFY2(!colourtext::fromText(QString::fromLatin1(bad)), bad);
    }

    void gradeFollowsTheThresholdsAndEqualEarnsTheGrade_data() {
        QTest::addColumn<double>("percent");
        QTest::addColumn<int>("one");
        QTest::addColumn<int>("two");
        QTest::addColumn<int>("three");
        QTest::addColumn<int>("four");
        QTest::addColumn<QString>("text");
        QTest::addColumn<qint64>("colour"); // -1: the label's normal colour
        QTest::newRow("100") << 100.0 << 80 << 60 << 50 << 30 << "1" << qint64(0x008000);
        QTest::newRow("on first") << 80.0 << 80 << 60 << 50 << 30 << "1" << qint64(0x008000);
        QTest::newRow("just below first") << 79.99999 << 80 << 60 << 50 << 30 << "2" << qint64(-1);
        QTest::newRow("on second") << 60.0 << 80 << 60 << 50 << 30 << "2" << qint64(-1);
        QTest::newRow("two thirds")
            << 66.6666666666667 << 80 << 60 << 50 << 30 << "2" << qint64(-1);
        QTest::newRow("on third") << 50.0 << 80 << 60 << 50 << 30 << "3" << qint64(-1);
        QTest::newRow("on fourth") << 30.0 << 80 << 60 << 50 << 30 << "4" << qint64(-1);
        QTest::newRow("below fourth") << 29.9 << 80 << 60 << 50 << 30 << "5" << qint64(0x0000FF);
        QTest::newRow("zero") << 0.0 << 80 << 60 << 50 << 30 << "5" << qint64(0x0000FF);
        QTest::newRow("other thresholds") << 45.0 << 90 << 70 << 45 << 10 << "3" << qint64(-1);
        QTest::newRow("lowest thresholds") << 1.0 << 4 << 3 << 2 << 1 << "4" << qint64(-1);
        QTest::newRow("highest first") << 99.5 << 100 << 99 << 98 << 97 << "2" << qint64(-1);
        QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN() << 80 << 60 << 50
                                      << 30 << "5" << qint64(0x0000FF);
    }

    void gradeFollowsTheThresholdsAndEqualEarnsTheGrade() {
        QFETCH(double, percent);
        QFETCH(int, one);
        QFETCH(int, two);
        QFETCH(int, three);
        QFETCH(int, four);
        QFETCH(QString, text);
        QFETCH(qint64, colour);
        const grade::Grade g = grade::fromPercent(percent, {one, two, three, four});
        QCOMPARE(g.text, text);
        QCOMPARE(g.value, text.toInt());
        if (colour < 0)
            QVERIFY(!g.colour);
        else
            QCOMPARE(g.colour, std::optional<quint32>(quint32(colour)));
    }

    void firstFailingCheckIsRepairedFirst() {
        // The second field is checked before the third, whatever else is wrong.
        auto repair = thresholds::nextRepair({50, 60, 70, 80});
        QVERIFY(repair);
        QCOMPARE(repair->index, 1);
        QCOMPARE(repair->value, 49);
        repair = thresholds::nextRepair({80, 60, 70, 80});
        QVERIFY(repair);
        QCOMPARE(repair->index, 2);
        QCOMPARE(repair->value, 59);
        repair = thresholds::nextRepair({80, 60, 50, 50});
        QVERIFY(repair);
        QCOMPARE(repair->index, 3);
        QCOMPARE(repair->value, 49);
        QVERIFY(!thresholds::nextRepair({80, 60, 50, 30}));
    }

    void aRepairIsClampedToTheFieldsRange() {
        // Outside the ranges (a field that was never clamped), the repair still lands
        // inside the repaired field's range.
        auto repair = thresholds::nextRepair({2, 3, 2, 1});
        QVERIFY(repair);
        QCOMPARE(repair->index, 1);
        QCOMPARE(repair->value, 3);
        repair = thresholds::nextRepair({200, 150, 160, 1});
        QVERIFY(repair);
        QCOMPARE(repair->index, 2);
        QCOMPARE(repair->value, 98);
    }

    void storedThresholdTextReadsAsNumberOrMinimum_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("value");
        QTest::newRow("plain") << "80" << 0 << 80;
        QTest::newRow("blanks around") << " 45 " << 1 << 45;
        QTest::newRow("empty") << "" << 0 << 4;
        QTest::newRow("letters") << "abc" << 1 << 3;
        QTest::newRow("fraction") << "50.5" << 2 << 2;
        QTest::newRow("hex") << "$50" << 3 << 1;
        QTest::newRow("too high") << "150" << 0 << 100;
        QTest::newRow("too high for the fourth") << "98" << 3 << 97;
        QTest::newRow("negative") << "-5" << 2 << 2;
        QTest::newRow("zero") << "0" << 3 << 1;
        QTest::newRow("huge") << "99999999999999999999" << 0 << 4;
    }

    void storedThresholdTextReadsAsNumberOrMinimum() {
        QFETCH(QString, text);
        QFETCH(int, index);
        QFETCH(int, value);
        QCOMPARE(thresholds::fromText(text, index), value);
    }

    void commandLineAnswersHelpAndVersionAndNamesOneDictionary_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("beforeQt");
        QTest::addColumn<int>("action");
        QTest::addColumn<QString>("dictionary");
        QTest::addColumn<QString>("error");
        using A = commandline::Options::Action;
        QTest::newRow("nothing") << QStringList{} << false << int(A::Run) << ""
                                 << "";
        QTest::newRow("a dictionary")
            << QStringList{"Zvířata.slv"} << false << int(A::Run) << "Zvířata.slv"
            << "";
        QTest::newRow("help") << QStringList{"--help"} << true << int(A::Help) << ""
                              << "";
        QTest::newRow("-h after a file") << QStringList{"a.slv", "-h"} << true << int(A::Help) << ""
                                         << "";
        QTest::newRow("version") << QStringList{"-v"} << true << int(A::Version) << ""
                                 << "";
        QTest::newRow("Qt's own options before Qt")
            << QStringList{"-platform", "offscreen", "a.slv"} << true << int(A::Run) << ""
            << "";
        QTest::newRow("program folder and the benchmark")
            << QStringList{"--program-dir", "/opt/v", "--benchmark-start", "--program-dir=/x",
                           "a.slv"}
            << false << int(A::Run) << "a.slv"
            << "";
        QTest::newRow("a file after --")
            << QStringList{"--", "--help"} << false << int(A::Run) << "--help"
            << "";
        QTest::newRow("unknown option")
            << QStringList{"--napoveda"} << false << -1 << ""
            << "Neznámá volba „--napoveda“.\nNápovědu vypíše „vokab --help“.";
        QTest::newRow("two dictionaries")
            << QStringList{"a.slv", "b.slv"} << false << -1 << ""
            << "Lze otevřít jen jeden slovník.\nNápovědu vypíše „vokab --help“.";
        QTest::newRow("program folder missing")
            << QStringList{"--program-dir"} << false << -1 << ""
            << "Volbě --program-dir chybí složka.\nNápovědu vypíše „vokab --help“.";
    }
    void commandLineAnswersHelpAndVersionAndNamesOneDictionary() {
        QFETCH(QStringList, arguments);
        QFETCH(bool, beforeQt);
        QFETCH(int, action);
        QFETCH(QString, dictionary);
        QFETCH(QString, error);
        const Result<commandline::Options> options =
            commandline::parse(QStringList{"vokab"} + arguments, beforeQt);
        QCOMPARE(options.error(), error);
        if (action < 0) {
            QVERIFY(!options);
            return;
        }
        QVERIFY(options);
        QCOMPARE(int(options->action), action);
        QCOMPARE(options->dictionary, dictionary);
        QCOMPARE(options->benchmarkStart, arguments.contains("--benchmark-start"));
    }

    void tempLosesItsFilesButKeepsItsFolders() {
        QTemporaryDir dir;
        const QString temp = dir.filePath(QStringLiteral("Temp"));
        QVERIFY(QDir().mkpath(temp + QStringLiteral("/podslozka")));
        touch(temp + QStringLiteral("/nahravka1.wav"));
        touch(temp + QStringLiteral("/nahrávka 2.wav"));
        touch(temp + QStringLiteral("/.skryty"));
        touch(temp + QStringLiteral("/podslozka/uvnitr.wav"));
        touch(dir.filePath(QStringLiteral("vedle.slv")));

        QCOMPARE(deleteFilesIn(temp), 0);
        QCOMPARE(QDir(temp).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList{QStringLiteral("podslozka")});
        QVERIFY(QFile::exists(temp + QStringLiteral("/podslozka/uvnitr.wav")));
        QVERIFY(QFile::exists(dir.filePath(QStringLiteral("vedle.slv"))));
    }

    void missingTempHasNothingToDelete() {
        QTemporaryDir dir;
        QCOMPARE(deleteFilesIn(dir.filePath(QStringLiteral("Temp"))), 0);
        QVERIFY(!QFileInfo::exists(dir.filePath(QStringLiteral("Temp"))));
    }
};

QTEST_GUILESS_MAIN(TestShellRules)
#include "tst_shellrules.moc"
