#include "app/Unit1.h"
#include "core/textfile.h"
#include "core/win1250.h"
#include "dictionary/Unit2.h"
#include "review/difficultwindow.h"
#include "review/reviewfile.h"
#include "review/reviewwindow.h"
#include "statistics/Unit23.h"
#include "support/testplatform.h"
#include "testing/Unit10.h"
#include "testing/Unit12.h"
#include "testing/Unit13.h"
#include "testing/Unit4.h"
#include "testing/Unit9.h"
#include "ui/barchart.h"
#include "ui/forms.h"

#include <QAbstractItemModel>
#include <QAction>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

namespace {

// A dictionary of two expressions without recordings, in Windows-1250.
const QByteArray kTwoWords("pes;dog;[];NEN\xcd\r\nkocka;cat;[];NEN\xcd\r\n");

QByteArray fileBytes(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestReviewWindow : public QObject {
    Q_OBJECT

private slots:
    // A learner turns the plan on, answers on two days, closes the program and opens it
    // again: the plan asks what the answers made due, and the dictionary file is never
    // written.
    void thePlanAsksWhatTheAnswersMadeDueAcrossDaysAndRestarts() {
        QTemporaryDir folder;
        const QString dictionary = folder.filePath(QStringLiteral("zvirata.slv"));
        QByteArray bytes;
        for (const char *line :
             {"kočka;cat;[k4t];NENÍ", "pes;dog;[dog];NENÍ", "kůň;horse;[h!:s];NENÍ",
              "myš;mouse;[maus];NENÍ", "pták;bird;[b@:d];NENÍ"}) {
            QByteArray encoded;
            win1250::encode(QString::fromUtf8(line), encoded);
            bytes += encoded + "\r\n";
        }
        QFile file(dictionary);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        file.close();
        const QString plan = review::planPath(dictionary);
        QDate day(2026, 12, 8);

        {
            TestWindows windows;
            windows.platform().fixedClock().time.setDate(day);
            ReviewWindow *review = openReview(windows, dictionary);
            // Nothing is asked and no file appears until the learner turns the plan on.
            QVERIFY(review->turnOnButton->isVisible());
            QCOMPARE(review->newLabel->text(), QStringLiteral("5"));
            QVERIFY(review->queue().isEmpty());
            QVERIFY(!QFile::exists(plan));
            review->newPerDayBox->setValue(3);
            QTest::mouseClick(review->turnOnButton, Qt::LeftButton);
            QVERIFY(QFile::exists(plan));
            QCOMPARE(review->queue(), (QList<qsizetype>{0, 1, 2}));
            // cat: Dobře, dog: Znovu, horse: Snadno — by keys, as a learner does.
            for (const Qt::Key key : {Qt::Key_3, Qt::Key_1, Qt::Key_4}) {
                QTest::keyClick(review, Qt::Key_Space);
                QTest::keyClick(review, key);
            }
            QVERIFY2(windows.dialogs().lastText().startsWith(
                         QStringLiteral("Opakování pro dnešek je hotovo.")),
                     qPrintable(windows.dialogs().lastText()));
            QVERIFY2(
                windows.dialogs().lastText().endsWith(QStringLiteral("Vybaveno: 2\nZapomenuto: 1")),
                qPrintable(windows.dialogs().lastText()));
            QCOMPARE(review->learningLabel->text(), QStringLiteral("1"));
            QCOMPARE(review->knownLabel->text(), QStringLiteral("2"));
            // The forecast: thirty days from today, the three answered expressions among
            // them, on an axis of whole steps above the busiest day.
            const BarSeries *forecast = review->forecastView->series();
            QCOMPARE(forecast->labels().size(), 30);
            QCOMPARE(forecast->labels().first(), QStringLiteral("0"));
            double due = 0;
            for (const double day : forecast->values())
                due += day;
            QCOMPARE(due, 3.0);
            QVERIFY(review->forecastView->axisMax() >=
                    *std::max_element(forecast->values().cbegin(), forecast->values().cend()));
            // One statistics row: two recalled, one forgotten, finished.
            const QAbstractItemModel *rows = windows.forms().Form23->stg1->model();
            const int last = rows->rowCount() - 1;
            QCOMPARE(rows->index(last, 3).data().toString(), QStringLiteral("2"));
            QCOMPARE(rows->index(last, 4).data().toString(), QStringLiteral("1"));
            QCOMPARE(rows->index(last, 7).data().toString(), QStringLiteral("Opakování"));

            // The next day: the forgotten dog comes back, then the two new ones.
            windows.platform().fixedClock().time.setDate(day.addDays(1));
            review->close();
            openReview(windows, dictionary);
            QCOMPARE(review->queue(), (QList<qsizetype>{1, 3, 4}));
            review->close();
        }
        // After a restart, days later: cat (Dobře, about four days) is due, horse
        // (Snadno) is not yet.
        TestWindows again;
        again.platform().fixedClock().time.setDate(day.addDays(5));
        ReviewWindow *review = openReview(again, dictionary);
        QVERIFY(!review->turnOnButton->isVisible());
        QVERIFY(review->queue().contains(0));
        QVERIFY(!review->queue().contains(2));
        QCOMPARE(fileBytes(dictionary), bytes);
        QVERIFY(again.dialogs().shown.isEmpty());
    }

    // Answers of both tests count in the plan of a dictionary that has one (a right or
    // known answer as "Dobře"), and make no file appear beside one that has none.
    void testsCountInThePlanOnlyWhenTheDictionaryHasOne_data() {
        QTest::addColumn<bool>("typed"); // Testing I, else Testing II
        QTest::addColumn<bool>("withPlan");
        QTest::newRow("Testing I, plan") << true << true;
        QTest::newRow("Testing I, no plan") << true << false;
        QTest::newRow("Testing II, plan") << false << true;
        QTest::newRow("Testing II, no plan") << false << false;
    }
    void testsCountInThePlanOnlyWhenTheDictionaryHasOne() {
        QFETCH(bool, typed);
        QFETCH(bool, withPlan);
        QTemporaryDir folder;
        const QString dictionary = folder.filePath(QStringLiteral("slova.slv"));
        QVERIFY(textfile::saveFile(dictionary, kTwoWords).ok());
        const QString plan = review::planPath(dictionary);
        if (withPlan)
            QVERIFY(review::writePlanFile(plan, {}).ok());
        TestWindows windows;
        windows.dialogs().files.push_back(dictionary);
        if (typed) {
            TForm4 *test = windows.forms().Form4;
            windows.forms().Form10->rbpostupne->setChecked(true);
            test->show();
            QTest::mouseClick(test->btnovy, Qt::LeftButton);
            test->edtodpoved->setText(QStringLiteral("dog"));
            QTest::keyClick(test->edtodpoved, Qt::Key_Return);
        } else {
            TForm12 *test = windows.forms().Form12;
            windows.forms().Form13->rbpostupne->setChecked(true);
            test->show();
            QTest::mouseClick(test->BitBtn2, Qt::LeftButton);
            QTest::mouseClick(test->btjo, Qt::LeftButton);
        }
        QVERIFY(windows.dialogs().shown.isEmpty());
        QCOMPARE(QFile::exists(plan), withPlan);
        if (!withPlan)
            return;
        const Result<review::Plan> read = review::readPlanFile(plan);
        QVERIFY(read);
        QCOMPARE(read->entries().size(), 1);
        QCOMPARE(read->entries().first().key, (review::Key{"dog", "pes"}));
        QCOMPARE(read->entries().first().memory.state, review::State::Known);
    }

    // "Vrátit odpověď" (Ctrl+Z) takes back the last answer: the plan file is byte for byte as
    // before it, the counts, the evaluation's list and the statistics go back, and the same answer
    // given again makes the same plan as the first time.
    void anAnswerTakenBackLeavesEverythingAsBefore_data() {
        QTest::addColumn<bool>("reviewWindow"); // else Testing II
        QTest::addColumn<int>("answersBefore"); // answers given before the one taken back
        QTest::addColumn<bool>("known");        // Dobře / Vím, else Znovu / Nevím
        QTest::addColumn<bool>("randomOrder");
        QTest::newRow("review, first answer") << true << 0 << true << false;
        QTest::newRow("review, the answer that ends the session") << true << 1 << false << false;
        QTest::newRow("Testing II, known, in order") << false << 0 << true << false;
        QTest::newRow("Testing II, not known, drawn") << false << 0 << false << true;
    }
    void anAnswerTakenBackLeavesEverythingAsBefore() {
        QFETCH(bool, reviewWindow);
        QFETCH(int, answersBefore);
        QFETCH(bool, known);
        QFETCH(bool, randomOrder);
        QTemporaryDir folder;
        const QString dictionary = folder.filePath(QStringLiteral("slova.slv"));
        QVERIFY(textfile::saveFile(dictionary, kTwoWords).ok());
        const QString plan = review::planPath(dictionary);
        QVERIFY(review::writePlanFile(plan, {}).ok());
        TestWindows windows;
        const QAbstractItemModel *statistics = windows.forms().Form23->stg1->model();
        // The rows of the statistics, cell by cell (a table without rows shows an empty one).
        const auto statisticsRows = [statistics] {
            QStringList cells;
            for (int row = 0; row < statistics->rowCount(); ++row) {
                for (int column = 0; column < statistics->columnCount(); ++column)
                    cells.append(statistics->index(row, column).data().toString());
            }
            return cells;
        };
        QWidget *window = nullptr;
        QPushButton *undo = nullptr;
        std::function<QStringList()> shown;
        std::function<void()> answer;
        if (reviewWindow) {
            ReviewWindow *review = openReview(windows, dictionary);
            window = review;
            undo = review->undoButton;
            shown = [review] {
                return QStringList{
                    review->dueLabel->text(),         review->newLabel->text(),
                    review->learningLabel->text(),    review->knownLabel->text(),
                    review->progressLabel->text(),    review->questionText->toPlainText(),
                    review->answerText->toPlainText()};
            };
            answer = [review, known] {
                QTest::keyClick(review, Qt::Key_Space);
                QTest::keyClick(review, known ? Qt::Key_3 : Qt::Key_1);
            };
        } else {
            TForm12 *test = windows.forms().Form12;
            window = test;
            undo = test->undoButton;
            windows.forms().Form13->rbpostupne->setChecked(!randomOrder);
            windows.dialogs().files.push_back(dictionary);
            test->show();
            QTest::mouseClick(test->BitBtn2, Qt::LeftButton);
            const QListWidget *wrong = windows.forms().Form9->CheckListBox1;
            shown = [test, wrong] {
                return QStringList{test->mecz->toPlainText(), test->mespravne->toPlainText(),
                                   test->lbaktvyraz->text(),  test->lbspravne->text(),
                                   test->lbspatne->text(),    QString::number(wrong->count())};
            };
            answer = [test, known] { QTest::keyClick(test, known ? Qt::Key_V : Qt::Key_N); };
        }
        for (int i = 0; i < answersBefore; ++i)
            answer();
        // The answer taken back waits revealed in the review window, as it did then.
        if (reviewWindow)
            QTest::keyClick(window, Qt::Key_Space);
        const QByteArray planBefore = fileBytes(plan);
        const QStringList shownBefore = shown();
        const QStringList rowsBefore = statisticsRows();
        QCOMPARE(undo->isEnabled(), answersBefore > 0);
        QCOMPARE(undo->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Z));
        if (reviewWindow)
            QTest::keyClick(window, known ? Qt::Key_3 : Qt::Key_1);
        else
            answer();
        const QByteArray planAnswered = fileBytes(plan);
        QVERIFY(planAnswered != planBefore);
        QCOMPARE(statisticsRows() != rowsBefore, reviewWindow && answersBefore == 1);
        QVERIFY(undo->isEnabled());
        QTest::mouseClick(undo, Qt::LeftButton);
        QCOMPARE(fileBytes(plan), planBefore);
        QCOMPARE(shown(), shownBefore);
        QCOMPARE(statisticsRows(), rowsBefore);
        QVERIFY(!undo->isEnabled());
        // A second time takes nothing more back.
        QTest::mouseClick(undo, Qt::LeftButton);
        QCOMPARE(fileBytes(plan), planBefore);
        if (reviewWindow)
            QTest::keyClick(window, known ? Qt::Key_3 : Qt::Key_1);
        else
            answer();
        QCOMPARE(fileBytes(plan), planAnswered);
        for (const ScriptedDialogs::Shown &message : windows.dialogs().shown)
            QVERIFY2(message.kind != MessageKind::Error, qPrintable(message.text));
    }

    // A plan file that is not ours is reported and left alone; the window keeps what it
    // had and writes nothing.
    void aDamagedPlanIsReportedAndKeptAsItIs() {
        QTemporaryDir folder;
        const QString dictionary = folder.filePath(QStringLiteral("slova.slv"));
        QFile file(dictionary);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("pes;dog;[];NEN\xcd\r\n") > 0);
        file.close();
        QFile damaged(review::planPath(dictionary));
        QVERIFY(damaged.open(QIODevice::WriteOnly) && damaged.write("\x89PNG\r\n\x1a\n") > 0);
        damaged.close();
        TestWindows windows;
        openReview(windows, dictionary);
        QCOMPARE(windows.dialogs().shown.size(), 1);
        QCOMPARE(windows.dialogs().shown.first().kind, MessageKind::Error);
        QCOMPARE(fileBytes(review::planPath(dictionary)), QByteArray("\x89PNG\r\n\x1a\n"));
    }

    // A plan that cannot be written (the user made it read-only) is reported in Czech,
    // stays as it was, and the answer is not counted.
    void aPlanThatCannotBeWrittenIsReportedAndKept() {
        QTemporaryDir folder;
        const QString dictionary = folder.filePath(QStringLiteral("slova.slv"));
        QVERIFY(textfile::saveFile(dictionary, kTwoWords).ok());
        const QString plan = review::planPath(dictionary);
        TestWindows windows;
        ReviewWindow *review = openReview(windows, dictionary);
        QTest::mouseClick(review->turnOnButton, Qt::LeftButton);
        QTest::keyClick(review, Qt::Key_Space);
        QTest::keyClick(review, Qt::Key_3);
        const QByteArray before = fileBytes(plan);
        QVERIFY(before.contains("\tdog\tpes\t"));
        QVERIFY(QFile::setPermissions(plan, QFile::ReadOwner | QFile::ReadGroup));
        QTest::keyClick(review, Qt::Key_Space);
        QTest::keyClick(review, Qt::Key_3);
        QCOMPARE(fileBytes(plan), before);
        QCOMPARE(windows.dialogs().shown.size(), 1);
        QCOMPARE(windows.dialogs().shown.first().kind, MessageKind::Error);
        QVERIFY2(windows.dialogs().lastText().contains(QStringLiteral("nelze uložit")),
                 qPrintable(windows.dialogs().lastText()));
        QVERIFY(!review->planIsOn());
        // Turned on again, the plan there is taken, not written over by an empty one.
        QVERIFY(QFile::setPermissions(plan, QFile::ReadOwner | QFile::WriteOwner));
        QTest::mouseClick(review->turnOnButton, Qt::LeftButton);
        QCOMPARE(fileBytes(plan), before);
        QVERIFY(review->planIsOn());
        QCOMPARE(review->knownLabel->text(), QStringLiteral("1"));
    }

    // Asked with a choice of four (off by default): the answer is shown once an option is
    // chosen, by its key or a click, and the choice decides between forgotten and recalled.
    void aChoiceDecidesBetweenForgottenAndRecalled_data() {
        QTest::addColumn<bool>("right");
        QTest::addColumn<bool>("byKey");
        QTest::newRow("the right one, by its key") << true << true;
        QTest::newRow("a wrong one, by a click") << false << false;
    }
    void aChoiceDecidesBetweenForgottenAndRecalled() {
        QFETCH(bool, right);
        QFETCH(bool, byKey);
        QTemporaryDir folder;
        const QString dictionary = folder.filePath(QStringLiteral("zvirata.slv"));
        QVERIFY(textfile::saveFile(dictionary, kTwoWords + "kun;horse;[];NEN\xcd\r\n"
                                                           "mys;mouse;[];NEN\xcd\r\n")
                    .ok());
        TestWindows windows;
        ReviewWindow *review = openReview(windows, dictionary);
        QVERIFY(!review->choiceAction->isChecked());
        review->choiceAction->trigger();
        review->newPerDayBox->setValue(1);
        QTest::mouseClick(review->turnOnButton, Qt::LeftButton);
        QCOMPARE(review->questionText->toPlainText(), QStringLiteral("dog"));
        QVERIFY(review->showButton->isHidden());
        QStringList options;
        for (QPushButton *button : review->choiceButtons)
            options.append(button->text().section(u' ', -1));
        QCOMPARE(options.size(), 4);
        const int rightOne = int(options.indexOf(QStringLiteral("pes")));
        QVERIFY(rightOne >= 0);
        const int chosen = right ? rightOne : (rightOne + 1) % 4;
        if (byKey)
            QTest::keyClick(review, char('1' + chosen));
        else
            QTest::mouseClick(review->choiceButtons[size_t(chosen)], Qt::LeftButton);
        QCOMPARE(review->answerText->toPlainText(), QStringLiteral("pes"));
        QCOMPARE(review->answerButtons[0]->isEnabled(), !right);
        QCOMPARE(review->answerButtons[2]->isEnabled(), right);
        // Keys 1 to 4 rate once the answer is shown; a rating the choice rules out does
        // nothing.
        QTest::keyClick(review, right ? Qt::Key_1 : Qt::Key_3);
        QCOMPARE(review->answerText->toPlainText(), QStringLiteral("pes"));
        QTest::keyClick(review, right ? Qt::Key_3 : Qt::Key_1);
        QVERIFY2(windows.dialogs().lastText().endsWith(
                     right ? QStringLiteral("Vybaveno: 1\nZapomenuto: 0")
                           : QStringLiteral("Vybaveno: 0\nZapomenuto: 1")),
                 qPrintable(windows.dialogs().lastText()));
    }

    // An expression forgotten as often as the setting says is difficult: marked when asked
    // and listed, where the learner sets it aside (the plan file says so and the session
    // drops it), lets the plan forget it, or opens it in the editor.
    void difficultExpressionsAreSetAsideForgottenOrEdited() {
        QTemporaryDir folder;
        const QString dictionary = folder.filePath(QStringLiteral("zvirata.slv"));
        QVERIFY(textfile::saveFile(dictionary, kTwoWords + "kun;horse;[];NEN\xcd\r\n").ok());
        const QString plan = review::planPath(dictionary);
        QVERIFY(textfile::saveFile(plan, "VOKAB-PLAN 1\r\n"
                                         "E\tdog\tpes\tlearning\t2026-12-07\t2026-12-06\t"
                                         "2026-10-01\t1.5\t8\t20\t8\r\n"
                                         "E\tcat\tkocka\tknown\t2026-12-07\t2026-12-01\t"
                                         "2026-10-01\t6\t5\t9\t2\r\n")
                    .ok());
        TestWindows windows;
        windows.platform().fixedClock().time.setDate(QDate(2026, 12, 8));
        ReviewWindow *review = openReview(windows, dictionary);
        QCOMPARE(review->questionText->toPlainText(), QStringLiteral("dog"));
        QVERIFY2(review->progressLabel->text().endsWith(QStringLiteral("obtížný výraz")),
                 qPrintable(review->progressLabel->text()));
        QTest::mouseClick(review->difficultButton, Qt::LeftButton);
        DifficultWindow *difficult = review->difficultWindow;
        QVERIFY(difficult && difficult->isVisible());
        QCOMPARE(difficult->difficultList->rowCount(), 1);
        QCOMPARE(difficult->difficultList->item(0, 2)->text(), QStringLiteral("8"));

        QTest::mouseClick(difficult->suspendButton, Qt::LeftButton);
        QVERIFY(fileBytes(plan).contains("\r\nS\tdog\tpes\r\n"));
        QCOMPARE(review->questionText->toPlainText(), QStringLiteral("cat"));
        QCOMPARE(difficult->difficultList->item(0, 3)->text(), QStringLiteral("odložený"));
        // Set aside, it stays out of later sessions until resumed.
        review->close();
        openReview(windows, dictionary);
        QCOMPARE(review->queue(), (QList<qsizetype>{1, 2}));

        review->difficultBox->setValue(2);
        QCOMPARE(difficult->difficultList->rowCount(), 2);
        difficult->difficultList->selectRow(1);
        windows.dialogs().answers.push_back(true);
        QTest::mouseClick(difficult->resetButton, Qt::LeftButton);
        QVERIFY(!review->plan().contains({QStringLiteral("cat"), QStringLiteral("kocka")}));
        QCOMPARE(review->questionText->toPlainText(), QStringLiteral("horse"));
        QCOMPARE(difficult->difficultList->rowCount(), 1);

        difficult->difficultList->selectRow(0);
        QTest::mouseClick(difficult->editButton, Qt::LeftButton);
        QVERIFY(!review->isVisible());
        QVERIFY(windows.forms().Form2->isVisible());
        QCOMPARE(windows.forms().Form2->selectedRow(), 0);
    }

    // More due than the daily maximum: the rest waits and the window says so; after a break
    // it offers to catch up, spreading what is due over the days chosen.
    void aBacklogWaitsAndIsCaughtUpAfterABreak() {
        QTemporaryDir folder;
        const QString dictionary = folder.filePath(QStringLiteral("zvirata.slv"));
        QByteArray words, plan = "VOKAB-PLAN 1\r\n";
        for (int i = 0; i < 10; ++i) {
            const QByteArray n = QByteArray::number(i);
            words += "slovo" + n + ";word" + n + ";[];NEN\xcd\r\n";
            plan += "E\tword" + n + "\tslovo" + n +
                    "\tknown\t2026-11-20\t2026-11-18\t2026-10-01\t2\t5\t3\t0\r\n";
        }
        QVERIFY(textfile::saveFile(dictionary, words).ok());
        QVERIFY(textfile::saveFile(review::planPath(dictionary), plan).ok());
        TestWindows windows;
        windows.platform().fixedClock().time.setDate(QDate(2026, 12, 8));
        ReviewWindow *review = openReview(windows, dictionary);
        QCOMPARE(review->queue().size(), 10);
        QVERIFY(review->backlogLabel->isHidden());
        review->maxReviewsBox->setValue(4);
        QCOMPARE(review->queue().size(), 4);
        QCOMPARE(review->backlogLabel->text(),
                 QStringLiteral("Odloženo na další dny: 6 opakování (nejvýše 4 denně)."));
        QVERIFY(!review->catchUpButton->isHidden());
        review->catchUpDaysBox->setValue(5);
        QTest::mouseClick(review->catchUpButton, Qt::LeftButton);
        QCOMPARE(review->queue().size(), 2);
        QVERIFY(review->catchUpButton->isHidden());
        QVERIFY2(review->backlogLabel->text().startsWith(QStringLiteral("Dohánění do ")),
                 qPrintable(review->backlogLabel->text()));
        // The next day: what is left, over the four days left.
        windows.platform().fixedClock().time.setDate(QDate(2026, 12, 9));
        review->close();
        openReview(windows, dictionary);
        QCOMPARE(review->queue().size(), 3);
    }

    // A key of an earlier version holds only the first two values: it is read without a
    // message, the later ones keep their defaults.
    void theSettingsOfAnEarlierVersionAreReadWithoutAMessage() {
        auto platform = std::make_unique<TestPlatform>();
        platform->memory().createKey(QStringLiteral("Opakovani"));
        QVERIFY(platform->memory().writeInteger(QStringLiteral("Opakovani"),
                                                QStringLiteral("Novych denne"), 7));
        QVERIFY(platform->memory().writeInteger(QStringLiteral("Opakovani"),
                                                QStringLiteral("Pozadovana uspesnost"), 85));
        TestWindows windows(std::move(platform));
        QVERIFY2(windows.dialogs().shown.isEmpty(), qPrintable(windows.dialogs().lastText()));
        QCOMPARE(windows.forms().review->newPerDayBox->value(), 7);
        QCOMPARE(windows.forms().review->maxReviewsBox->value(), 200);
        QVERIFY(!windows.forms().review->choiceAction->isChecked());
    }

private:
    // Opens the review window from the main window's menu and the dictionary through
    // the window's open button.
    static ReviewWindow *openReview(TestWindows &windows, const QString &dictionary) {
        TForm1 *main = windows.forms().Form1;
        main->show();
        main->findChild<QAction *>(QStringLiteral("reviewAction"))->trigger();
        ReviewWindow *review = windows.forms().review;
        if (!review->isVisible() || main->isVisible())
            return review;
        windows.dialogs().files.push_back(dictionary);
        QTest::mouseClick(review->openButton, Qt::LeftButton);
        return review;
    }
};

QTEST_MAIN(TestReviewWindow)
#include "tst_reviewwindow.moc"
