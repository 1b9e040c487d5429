#include "app/Unit1.h"
#include "app/Unit8.h"
#include "core/colourtext.h"
#include "core/textfile.h"
#include "dictionary/Unit2.h"
#include "statistics/Unit23.h"
#include "statistics/practicecalendar.h"
#include "support/contrast.h"
#include "support/press.h"
#include "support/testfiles.h"
#include "support/testplatform.h"
#include "testing/Unit10.h"
#include "testing/Unit12.h"
#include "testing/Unit13.h"
#include "testing/Unit4.h"
#include "testing/Unit9.h"
#include "ui/barchart.h"
#include "ui/colours.h"
#include "ui/forms.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QHash>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableView>
#include <QToolButton>
#include <QtTest>

#include <cmath>

#include <sys/stat.h>

namespace {} // namespace

class TestStatistics : public QObject {
    Q_OBJECT
private slots:
    void loadsTheFileIntoTheTable() {
        auto platform = std::make_unique<TestPlatform>();
        platform->writeFile("statistiky.dat",
                            cp1250Lines({"zvirata.slv;7.3.2026;9:05:03;3;0;100;Ano;Zkoušení I",
                                         "kratky.slv;8.3.2026"}));
        TestWindows windows(std::move(platform));
        TForm23 *s = windows.forms().Form23;
        QCOMPARE(s->stg1->model()->rowCount(), 2);
        QCOMPARE(s->stg1->model()->headerData(5, Qt::Horizontal).toString(),
                 QStringLiteral("Úspěšnost[%]"));
        QCOMPARE(s->stg1->model()->index(0, 0).data().toString(), QStringLiteral("zvirata"));
        QCOMPARE(s->stg1->model()->index(0, 7).data().toString(), QStringLiteral("Zkoušení I"));
        QCOMPARE(s->stg1->model()->index(1, 3).data().toString(), QString());
        QVERIFY(windows.dialogs().texts().isEmpty());
    }

    void recordingShowsAtOnceAndExitWritesTheFile() {
        TestWindows windows;
        TForm23 *s = windows.forms().Form23;
        const QString file = windows.platform().folder.userFile("statistiky.dat");
        windows.platform().fixedClock().time = QDateTime(QDate(2026, 1, 5), QTime(8, 7, 6));
        s->zapisdostatistik("c:\\slovniky\\zvirata.slv", 3, 0, "Ano", "Zkoušení I");
        QCOMPARE(s->stg1->model()->rowCount(), 1);
        QCOMPARE(s->stg1->model()->index(0, 1).data().toString(), QStringLiteral("5.1.2026"));
        s->zapisdostatistik("c:\\slovniky\\zvirata.slv", 1, 2, "Ne", "Zkoušení II");
        QCOMPARE(s->stg1->model()->rowCount(), 2);
        QCOMPARE(s->stg1->model()->index(1, 5).data().toString(), QStringLiteral("33"));
        windows.forms().Form1->ulozenistatistik();
        QCOMPARE(bytesOf(file),
                 cp1250Lines({"zvirata.slv;5.1.2026;8:07:06;3;0;100;Ano;Zkoušení I",
                              "zvirata.slv;5.1.2026;8:07:06;1;2;33;Ne;Zkoušení II"}));
    }

    // What each test window records: "Ano" after a completed test, "Ne" after an
    // interruption (a new test, always) or a close (when the setting asks for it), and
    // nothing for a test in which nothing was answered.
    void testWindowsRecordTheirRows_data() {
        QTest::addColumn<bool>("second");
        QTest::addColumn<QString>("way");
        QTest::addColumn<QString>("row"); // the recorded row from its 4th field, or none
        for (const bool second : {false, true}) {
            const QString kind = second ? "Zkoušení II" : "Zkoušení I";
            const char *name = second ? "II" : "I";
            QTest::addRow("%s completed", name) << second << "complete"
                                                << "1;1;50;Ano;" + kind;
            QTest::addRow("%s interrupted by a new test", name) << second << "new test"
                                                                << "0;1;0;Ne;" + kind;
            QTest::addRow("%s closed after an answer", name) << second << "close"
                                                             << "0;1;0;Ne;" + kind;
            QTest::addRow("%s closed unanswered", name) << second << "close unanswered"
                                                        << "";
        }
    }
    void testWindowsRecordTheirRows() {
        QFETCH(bool, second);
        QFETCH(QString, way);
        QFETCH(QString, row);
        TestWindows windows;
        const Forms &forms = windows.forms();
        forms.Form8->chbprerusenizkouseni->setChecked(true);
        const QString path =
            windows.platform().writeFile("zvirata.slv", cp1250Lines({"pes;dog", "kočka;cat"}));
        QWidget *window = second ? static_cast<QWidget *>(forms.Form12) : forms.Form4;
        QAbstractButton *newTest = second ? forms.Form12->BitBtn2 : forms.Form4->btnovy;
        // Sequential order: "pes" is asked first, then "kočka".
        (second ? forms.Form13->rbpostupne : forms.Form10->rbpostupne)->setChecked(true);
        const auto answer = [&](bool right, const QString &text) {
            if (second) {
                QTest::mouseClick(right ? forms.Form12->btjo : forms.Form12->btne, Qt::LeftButton);
                return;
            }
            forms.Form4->edtodpoved->setText(right ? text : "x");
            QTest::keyClick(forms.Form4->edtodpoved, Qt::Key_Return);
        };
        window->show();
        windows.dialogs().files.push_back(path);
        QTest::mouseClick(newTest, Qt::LeftButton);
        if (way != "close unanswered")
            answer(false, "dog");
        if (way == "complete")
            answer(true, "cat");
        if (way == "new test") {
            windows.dialogs().answers.push_back(true);
            QTest::mouseClick(newTest, Qt::LeftButton);
        }
        if (way.startsWith("close"))
            window->close();
        const QStringList lines = forms.Form23->table().fileLines();
        if (row.isEmpty()) {
            QCOMPARE(lines, QStringList());
            return;
        }
        QCOMPARE(lines.size(), 1);
        QVERIFY2(lines[0].startsWith("zvirata.slv;") && lines[0].endsWith(";" + row),
                 qPrintable(lines[0]));
    }

    // The calendar: the answers of the tests of today and the days of the statistics before
    // the day file begins, the streak, the day's tooltip; the exit adds this run's days to
    // the day file, and a damaged day file is told and left as it is.
    void theCalendarCountsEveryAnswerAndKeepsItsDays() {
        for (const bool damaged : {false, true}) {
            auto platform = std::make_unique<TestPlatform>();
            platform->writeFile(
                "statistiky.dat",
                cp1250Lines({"zvirata.slv;6.1.2026;9:05:03;3;1;75;Ano;Zkoušení I"}));
            const QByteArray days = damaged ? QByteArray("VOKAB-DNY 1\r\nvčera\r\n")
                                            : QByteArray("VOKAB-DNY 1\r\n2026-01-07\t0\t4\t0\r\n");
            const QString file = platform->writeFile("cviceni.dat", days);
            const QString path =
                platform->writeFile("zvirata.slv", cp1250Lines({"pes;dog", "kočka;cat"}));
            TestWindows windows(std::move(platform));
            QCOMPARE(windows.dialogs().shown.size(), damaged ? 1 : 0);
            windows.platform().fixedClock().time = QDateTime(QDate(2026, 1, 8), QTime(8, 0));
            const Forms &forms = windows.forms();
            forms.Form12->show();
            windows.dialogs().files.push_back(path);
            QTest::mouseClick(forms.Form12->BitBtn2, Qt::LeftButton);
            QTest::mouseClick(forms.Form12->btjo, Qt::LeftButton);
            QTest::mouseClick(forms.Form12->btne, Qt::LeftButton);
            TForm23 *s = forms.Form23;
            s->show();
            s->PageControl1->setCurrentIndex(s->PageControl1->count() - 1);
            QCOMPARE(s->PageControl1->tabText(s->PageControl1->currentIndex()),
                     QStringLiteral("Kalendář"));
            QCOMPARE(s->currentStreakLabel->text(),
                     damaged ? QStringLiteral("1 den") : QStringLiteral("3 dny"));
            QCOMPARE(s->lastWeekLabel->text(),
                     QStringLiteral("%1 odpovědí a výrazů").arg(damaged ? 2 + 4 : 2 + 4 + 4));
            const QString tip = s->calendarView->toolTipOf(QDate(2026, 1, 8));
            QVERIFY2(tip.startsWith(QStringLiteral("čtvrtek 8. ledna 2026")), qPrintable(tip));
            QVERIFY2(tip.contains(QStringLiteral("zkoušení: 2 odpovědí")), qPrintable(tip));
            QCOMPARE(s->calendarView->levelOf(QDate(2026, 1, 8)), 2);
            s->close();
            windows.dialogs().shown.clear();
            forms.Form1->ulozenistatistik();
            QCOMPARE(bytesOf(file), damaged ? days
                                            : QByteArray("VOKAB-DNY 1\r\n2026-01-07\t0\t4\t0\r\n"
                                                         "2026-01-08\t2\t0\t0\r\n"));
            QCOMPARE(windows.dialogs().shown.size(), damaged ? 1 : 0);
        }
    }

    // The day of a practice is the clock's own day: one just before midnight and one just
    // after are two days in a row, whatever the clock's offset from UTC.
    void practiceDaysFollowTheClockAcrossMidnight_data() {
        QTest::addColumn<int>("offset"); // seconds ahead of UTC
        QTest::newRow("Prague, winter") << 3600;
        QTest::newRow("UTC") << 0;
        QTest::newRow("Tokyo") << 9 * 3600;
        QTest::newRow("Honolulu") << -10 * 3600;
    }
    void practiceDaysFollowTheClockAcrossMidnight() {
        QFETCH(int, offset);
        TestWindows windows;
        TForm23 *s = windows.forms().Form23;
        QDateTime &now = windows.platform().fixedClock().time;
        now = QDateTime(QDate(2026, 3, 28), QTime(23, 59, 59), Qt::OffsetFromUTC, offset);
        s->recordPractice(practice::Kind::Review);
        now = now.addSecs(2);
        s->recordPractice(practice::Kind::Test);
        const practice::Days days = s->practiceDays();
        QCOMPARE(days.value(QDate(2026, 3, 28)).reviews, 1);
        QCOMPARE(days.value(QDate(2026, 3, 29)).tests, 1);
        QCOMPARE(practice::streaks(days, QDate(2026, 3, 29)).current, 2);
    }

    // A statistics file that could not be read at start (here a pipe in its place; Windows
    // has no pipes among files, a folder stands there) is never written over at exit, and
    // the user is told why.
    void unreadableFileIsNotOverwrittenAtExit() {
        auto platform = std::make_unique<TestPlatform>();
        const QString file = platform->folder.userFile("statistiky.dat");
#ifdef Q_OS_WIN
        QVERIFY(QDir().mkpath(file));
#else
        QCOMPARE(::mkfifo(QFile::encodeName(file).constData(), 0600), 0);
#endif
        TestWindows windows(std::move(platform));
        windows.forms().Form23->zapisdostatistik("/d/zvirata.slv", 1, 0, "Ano", "Zkoušení I");
        windows.dialogs().clear();
        QTest::mouseClick(windows.forms().Form1->btkonec, Qt::LeftButton);
        QVERIFY(QFileInfo(file).exists() && !QFileInfo(file).isFile());
        QVERIFY2(windows.dialogs().lastText().contains("statistiky.dat") &&
                     windows.dialogs().lastText().contains("nepodařilo načíst"),
                 qPrintable(windows.dialogs().lastText()));
    }

    // A statistics file that can no longer be read at exit (here it grew beyond what the
    // program reads, a hole of 3 GB after its rows) is not replaced by the run's rows: the
    // user is told, may give the run's results up, and the file keeps every row.
    void fileUnreadableAtExitKeepsItsRows() {
        auto platform = std::make_unique<TestPlatform>();
        const QByteArray rows =
            cp1250Lines({"zvirata.slv;7.3.2026;9:05:03;3;0;100;Ano;Zkoušení I"});
        const QString file = platform->writeFile("statistiky.dat", rows);
        TestWindows windows(std::move(platform));
        windows.forms().Form23->zapisdostatistik("/d/ptaci.slv", 1, 0, "Ano", "Zkoušení I");
        constexpr qint64 kGrown = qint64(3) << 30;
        QVERIFY(QFile::resize(file, kGrown));
        windows.dialogs().clear();
        windows.dialogs().choices.push_back(1); // "Ukončit bez uložení"
        windows.forms().Form1->ulozenistatistik();
        QVERIFY2(windows.dialogs().lastText().contains("statistiky.dat") &&
                     windows.dialogs().lastText().contains(QStringLiteral("příliš velký")),
                 qPrintable(windows.dialogs().lastText()));
        QCOMPARE(QFileInfo(file).size(), kGrown);
        QFile grown(file);
        QVERIFY(grown.open(QIODevice::ReadOnly));
        QCOMPARE(grown.read(rows.size()), rows);
    }

    void exitWithoutRowsLeavesTheFileAlone() {
        {
            TestWindows windows;
            windows.forms().Form1->ulozenistatistik();
            QVERIFY(!QFile::exists(windows.platform().folder.userFile("statistiky.dat")));
        }
        auto platform = std::make_unique<TestPlatform>();
        const QString file = platform->writeFile("statistiky.dat", "");
        QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner);
        const QDateTime before = QFileInfo(file).lastModified();
        TestWindows windows(std::move(platform));
        QCOMPARE(windows.forms().Form23->stg1->model()->rowCount(), 1);
        windows.forms().Form1->ulozenistatistik();
        QCOMPARE(bytesOf(file), QByteArray());
        QCOMPARE(QFileInfo(file).lastModified(), before);
        QVERIFY(windows.dialogs().texts().isEmpty());
    }

    void oddLinesSurviveTheRewrite() {
        const QStringList lines{"ab;1.1.2026", "kratky.slv;8.3.2026",
                                "x.slv;1.1.2026;a;b;c;d;e;f;g"};
        auto platform = std::make_unique<TestPlatform>();
        const QString file = platform->writeFile("statistiky.dat", cp1250Lines(lines));
        TestWindows windows(std::move(platform));
        windows.forms().Form23->zapisdostatistik("/n.slv", 1, 0, "Ano", "Zkoušení I");
        windows.forms().Form1->ulozenistatistik();
        QCOMPARE(
            bytesOf(file),
            cp1250Lines(lines + QStringList{"n.slv;8.12.2026;10:15:30;1;0;100;Ano;Zkoušení I"}));
    }

    void chartListsADayOnceAndDrawsEveryTest() {
        TestWindows windows;
        TForm23 *s = windows.forms().Form23;
        for (int correct : {5, 9, 7})
            s->zapisdostatistik("/d/zvirata.slv", correct, 1, "Ano", "Zkoušení I");
        s->zapisdostatistik("/d/jine.slv", 1, 1, "Ano", "Zkoušení I");
        s->naplnslovniky();
        QCOMPARE(s->ComboBox1->count(), 3);
        QCOMPARE(s->ComboBox1->itemText(0), QStringLiteral("vyberte.."));
        QCOMPARE(s->ComboBox3->currentText(), QStringLiteral("-"));
        press(s, "BitBtn2");
        QCOMPARE(windows.dialogs().lastText(), QStringLiteral("Není vybrány žadný slovník"));
        QVERIFY(s->Chart1->isHidden());
        press(s, "BitBtn3");
        QCOMPARE(windows.dialogs().lastText(), QStringLiteral("Nezobrazený graf nelze uložit!"));

        s->ComboBox1->setCurrentIndex(1);
        QCOMPARE(s->ComboBox3->count(), 1);
        QCOMPARE(s->ComboBox4->count(), 1);
        QCOMPARE(s->ComboBox3->currentText(), QStringLiteral("8.12.2026"));
        s->ComboBox2->setCurrentIndex(1);
        press(s, "BitBtn2");
        QVERIFY(!s->Chart1->isHidden());
        QCOMPARE(s->barLabels(), (QStringList{"8.12.2026", "8.12.2026", "8.12.2026"}));
        QCOMPARE(s->barValues(), (QList<int>{5, 9, 7}));
        QCOMPARE(s->axisMax(), 11);
        QCOMPARE(s->axisStep(), 2);
        QCOMPARE(s->chartTitle(),
                 QStringLiteral("Vokab slovník: zvirata\nPorovnání počtu správných výrazů"));
        QVERIFY(s->Series1->isLabelsVisible());
        s->CheckBox1->click();
        QVERIFY(!s->Series1->isLabelsVisible());
        QCOMPARE(s->barValues(), (QList<int>{5, 9, 7})); // not redrawn
    }

    // The user drags the chart up and down and turns the wheel; the next drawing sets
    // the axis anew.
    void chartPansVerticallyUntilItIsDrawnAgain() {
        TestWindows windows;
        TForm23 *s = windows.forms().Form23;
        for (int correct : {5, 9, 7})
            s->zapisdostatistik("/d/zvirata.slv", correct, 1, "Ano", "Zkoušení I");
        s->show();
        s->naplnslovniky();
        s->PageControl1->setCurrentIndex(1); // "Grafy"
        s->ComboBox1->setCurrentIndex(1);
        s->ComboBox2->setCurrentIndex(1);
        QTest::mouseClick(s->BitBtn2, Qt::LeftButton);
        QCOMPARE(s->axisMin(), 0.0);
        QCOMPARE(s->axisMax(), 11);
        BarChart *view = s->Chart1;
        QTRY_VERIFY(view->plotArea().height() > 20);
        const double stepHeight = 2 * view->plotArea().height() / 11.0;

        // Dragged down by two and a half steps: two steps higher, the same width.
        const QPoint from = view->plotArea().center();
        const QPoint to = from + QPoint(0, int(2.5 * stepHeight));
        QTest::mousePress(view, Qt::LeftButton, {}, from);
        QTest::mouseMove(view, to);
        QTest::mouseRelease(view, Qt::LeftButton, {}, to);
        QCOMPARE(s->axisMin(), 4.0);
        QCOMPARE(s->axisMax(), 15);

        QWheelEvent wheel(from, view->mapToGlobal(from), {}, QPoint(0, -120), Qt::NoButton, {},
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(view, &wheel);
        QCOMPARE(s->axisMin(), 2.0); // one step of the axis down

        QTest::mouseClick(s->BitBtn2, Qt::LeftButton);
        QCOMPARE(s->axisMin(), 0.0);
        QCOMPARE(s->axisMax(), 11);
    }

    void barsOfOneDayShowEveryNthDate() {
        TestWindows windows;
        TForm23 *s = windows.forms().Form23;
        for (int i = 0; i < 70; ++i)
            s->zapisdostatistik("/d/den.slv", i, 1, "Ano", "Zkoušení I");
        s->naplnslovniky();
        s->ComboBox1->setCurrentIndex(1);
        press(s, "BitBtn2");
        QCOMPARE(s->barValues().size(), 70);
        // Each bar keeps its day; the dates drawn are every n-th, none running into another.
        QCOMPARE(s->barLabels(), QStringList(70, QStringLiteral("8.12.2026")));
        s->show();
        s->PageControl1->setCurrentIndex(1);
        QVERIFY(QTest::qWaitForWindowExposed(s));
        const QList<QRect> dates = s->Chart1->categoryLabelRects();
        QVERIFY(dates.size() > 1 && dates.size() < 70);
        for (qsizetype i = 1; i < dates.size(); ++i)
            QVERIFY(dates[i].left() > dates[i - 1].right());
    }

    void periodEndsStayInOrder() {
        TestWindows windows;
        TForm23 *s = windows.forms().Form23;
        FixedClock &clock = windows.platform().fixedClock();
        for (const QDate day : {QDate(2026, 3, 9), QDate(2026, 3, 10), QDate(2026, 4, 2)}) {
            clock.time = QDateTime(day, QTime(12, 0));
            s->zapisdostatistik("/z.slv", 2, 1, "Ano", "Zkoušení I");
        }
        s->naplnslovniky();
        s->ComboBox1->setCurrentIndex(1);
        QCOMPARE(s->ComboBox3->currentText(), QStringLiteral("9.3.2026"));
        QCOMPARE(s->ComboBox4->currentText(), QStringLiteral("2.4.2026"));
        s->ComboBox4->setCurrentIndex(0);
        s->ComboBox3->setCurrentIndex(1); // 10.3. after 9.3.: back to the first date
        QCOMPARE(s->ComboBox3->currentText(), QStringLiteral("9.3.2026"));
        s->ComboBox4->setCurrentIndex(2);
        s->ComboBox3->setCurrentIndex(1);
        QCOMPARE(s->ComboBox3->currentText(), QStringLiteral("10.3.2026"));
        s->ComboBox4->setCurrentIndex(0); // 9.3. before 10.3.: back to the last date
        QCOMPARE(s->ComboBox4->currentText(), QStringLiteral("2.4.2026"));
        press(s, "BitBtn2");
        QCOMPARE(s->barValues(), (QList<int>{66, 66}));
        QCOMPARE(s->axisMax(), 102);
        QCOMPARE(s->axisStep(), 10);
    }

    void chartColourFollowsTheGeneralSettings() {
        auto platform = std::make_unique<TestPlatform>();
        platform->memory().createKey("Nastaveni");
        TestWindows windows(std::move(platform));
        TForm23 *s = windows.forms().Form23;
        QCOMPARE(s->chartColour(), windows.forms().Form8->chartColour());
        windows.dialogs().colours.push_back(QColor(0x80, 0x00, 0x80));
        press(windows.forms().Form8, "SpeedButton1");
        QCOMPARE(s->chartColour(), QColor(0x80, 0x00, 0x80));
    }

    void savingTheChartWritesABitmap() {
        TestWindows windows;
        TForm23 *s = windows.forms().Form23;
        s->zapisdostatistik("/z.slv", 2, 1, "Ano", "Zkoušení I");
        s->show();
        s->PageControl1->setCurrentIndex(1);
        QVERIFY(QTest::qWaitForWindowExposed(s));
        s->naplnslovniky();
        s->ComboBox1->setCurrentIndex(1);
        press(s, "BitBtn2");
        const QString path = windows.platform().folder.userFile("graf.bmp");
        windows.dialogs().files.push_back(path);
        press(s, "BitBtn3");
        const QByteArray bytes = bytesOf(path);
        QVERIFY(bytes.startsWith("BM"));
        QCOMPARE(int(quint8(bytes[28])) | int(quint8(bytes[29])) << 8, 24); // bits a pixel
        QImage image;
        QVERIFY(image.loadFromData(bytes, "BMP"));
        QVERIFY(image.width() > 100 && image.height() > 100);
        // Exactly what the chart shows.
        QCOMPARE(image.convertToFormat(QImage::Format_RGB888),
                 s->Chart1->grab().toImage().convertToFormat(QImage::Format_RGB888));
        QCOMPARE(windows.dialogs().fileDialogs.last().filter,
                 QStringLiteral("Bitmapový soubor|*.bmp"));
        // Saving into a folder that does not exist reports and claims nothing.
        windows.dialogs().files.push_back(windows.platform().folder.userFile("chybi/graf.bmp"));
        press(s, "BitBtn3");
        QCOMPARE(windows.dialogs().shown.last().kind, MessageKind::Error);
    }

    void closingShowsTheMainWindowAndHidesTheChart() {
        TestWindows windows;
        TForm23 *s = windows.forms().Form23;
        s->zapisdostatistik("/z.slv", 2, 1, "Ano", "Zkoušení I");
        press(windows.forms().Form1, "statisticsAction");
        QVERIFY(s->isVisible());
        QCOMPARE(applicationTitle(), QStringLiteral("Vokab - Statistiky"));
        s->ComboBox1->setCurrentIndex(1);
        press(s, "BitBtn2");
        press(s, "BitBtn1");
        QVERIFY(s->Chart1->isHidden());
        QVERIFY(windows.forms().Form1->isVisible());
        QCOMPARE(applicationTitle(), QStringLiteral("Vokab"));
    }

    // The typical road: a dictionary made in the editor, tested in Testing I, seen in the
    // evaluation and the statistics, and found in the statistics file after the exit.
    void typicalRoadEndsInTheStatisticsFile() {
        TestWindows windows;
        Forms &f = windows.forms();
        f.Form1->show();
        press(f.Form1, "bteditor");
        TForm2 *editor = f.Form2;
        for (const auto &[foreign, czech] : {std::pair{"dog", "pes"}, std::pair{"cat", "kočka"}}) {
            editor->edtang->setText(QString::fromUtf8(foreign));
            editor->edtcz->setText(QString::fromUtf8(czech));
            press(editor, "btpridej");
        }
        QCOMPARE(editor->recordCount(), 2);
        const QString dictionary = windows.platform().folder.userFile("Zvirata.slv");
        windows.dialogs().files.push_back(dictionary);
        press(editor, "saveAsAction");
        QVERIFY(QFile::exists(dictionary));
        editor->close();

        press(f.Form1, "btzkouseni");
        f.Form10->rbpostupne->setChecked(true);
        windows.dialogs().files.push_back(dictionary);
        TForm4 *test = f.Form4;
        press(test, "btnovy");
        // Czech is shown and the foreign expression is the answer: one right, one wrong.
        for (const QString &answer : {QStringLiteral("dog"), QStringLiteral("špatně")}) {
            test->edtodpoved->setText(answer);
            QTest::keyClick(test->edtodpoved, Qt::Key_Return);
        }
        QVERIFY(f.Form9->isVisible());
        QCOMPARE(f.Form9->lbspravne->text(), QStringLiteral("1"));
        QCOMPARE(f.Form9->lbspatne->text(), QStringLiteral("1"));

        TForm23 *s = f.Form23;
        QCOMPARE(s->stg1->model()->rowCount(), 1);
        QCOMPARE(s->table().cell(0, 0), QStringLiteral("zvirata"));
        f.Form9->close();
        f.Form1->show();
        press(f.Form1, "statisticsAction");
        QCOMPARE(s->ComboBox1->itemText(1), QStringLiteral("zvirata"));
        s->close();

        f.Form1->close();
        QCOMPARE(bytesOf(windows.platform().folder.userFile("statistiky.dat")),
                 cp1250Lines({"zvirata.slv;8.12.2026;10:15:30;1;1;50;Ano;Zkoušení I"}));
    }

    // The chart shows its bars in the settings' colour, every value mark, date and number of
    // its axis, and each mark reads against what lies behind it, on the darkest, the
    // lightest, the default and two saturated bar colours the general settings can give.
    void chartMarksAndAxisLabelsReadOnEveryBarColour_data() {
        QTest::addColumn<quint32>("colour");
        for (const char *name : {"clBlack", "clWhite", "clBlue", "clYellow", "clRed"})
            QTest::newRow(name) << *colourtext::fromText(QString::fromLatin1(name));
    }

    void chartMarksAndAxisLabelsReadOnEveryBarColour() {
        QFETCH(quint32, colour);
        auto platform = std::make_unique<TestPlatform>();
        platform->writeFile("statistiky.dat",
                            cp1250Lines({"slova.slv;1.12.2026;9:05:33;9;11;45;Ano;Zkoušení I",
                                         "slova.slv;2.12.2026;10:15:03;22;8;73;Ano;Zkoušení II",
                                         "slova.slv;12.12.2026;14:25:13;20;0;100;Ano;Zkoušení I",
                                         "slova.slv;22.12.2026;18:45:53;2;9;18;Ne;Zkoušení II",
                                         "slova.slv;28.12.2026;23:59:59;24;1;96;Ano;Zkoušení I"}));
        TestWindows windows(std::move(platform));
        TForm8 *settings = windows.forms().Form8;
        windows.dialogs().colours.push_back(colourFromBgr(colour));
        QTest::mouseClick(settings->SpeedButton1, Qt::LeftButton);
        TForm23 *s = windows.forms().Form23;
        windows.forms().Form1->statisticsAction->trigger();
        QVERIFY(QTest::qWaitForWindowExposed(s));
        s->PageControl1->setCurrentIndex(1);
        s->ComboBox1->setCurrentIndex(1);
        QTest::mouseClick(s->BitBtn2, Qt::LeftButton);
        QCOMPARE(s->chartColour(), colourFromBgr(colour));
        QCoreApplication::processEvents();
        const QImage image = s->Chart1->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const qreal ratio = image.devicePixelRatio();
        const auto onImage = [ratio](const QRect &rect) {
            return QRectF(QPointF(rect.topLeft()) * ratio, QSizeF(rect.size()) * ratio)
                .toAlignedRect();
        };
        // The bars in the chosen colour.
        const QRect plot = onImage(s->Chart1->plotArea());
        int barPixels = 0;
        for (int y = plot.top(); y <= plot.bottom(); ++y)
            for (int x = plot.left(); x <= plot.right(); ++x)
                barPixels += image.pixel(x, y) == colourFromBgr(colour).rgb();
        QVERIFY(barPixels > plot.width() * plot.height() / 10);
        // Every value mark, its letters against the colour most of its box shows.
        const QList<QRect> marks = s->Chart1->valueMarkRects();
        QCOMPARE(marks.size(), 5);
        for (const QRect &mark : marks) {
            const QRect box = onImage(mark) & image.rect();
            QHash<QRgb, int> counts;
            for (int y = box.top(); y <= box.bottom(); ++y)
                for (int x = box.left(); x <= box.right(); ++x)
                    ++counts[image.pixel(x, y)];
            QRgb background = 0;
            QRgb darkest = qRgb(255, 255, 255);
            for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
                if (it.value() > counts.value(background))
                    background = it.key();
                if (qGray(it.key()) < qGray(darkest))
                    darkest = it.key();
            }
            QVERIFY2(contrast(QColor(darkest), QColor(background)) >= 4.5,
                     "a value mark does not read");
        }
        // Every date and every number of the percentage axis.
        QCOMPARE(s->Chart1->categoryLabelRects().size(), 5);
        QCOMPARE(s->Chart1->numberStep(), 10);
    }
};

QTEST_MAIN(TestStatistics)
#include "tst_statistics.moc"
