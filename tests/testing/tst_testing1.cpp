#include "app/Unit1.h"
#include "app/Unit8.h"
#include "support/testfiles.h"
#include "support/testplatform.h"
#include "testing/Unit10.h"
#include "testing/Unit4.h"
#include "testing/Unit9.h"
#include "ui/form.h"
#include "ui/forms.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSet>
#include <QSpinBox>
#include <QTest>

namespace {} // namespace

class TestTesting1 : public QObject {
    Q_OBJECT

    std::unique_ptr<TestWindows> m_windows;
    TForm4 *t() { return m_windows->forms().Form4; }
    TForm10 *settings() { return m_windows->forms().Form10; }
    TForm9 *evaluation() { return m_windows->forms().Form9; }
    ScriptedDialogs &dialogs() { return m_windows->dialogs(); }

    void open(const QStringList &lines, bool random) {
        (random ? settings()->rbnahodne : settings()->rbpostupne)->setChecked(true);
        const QString path =
            m_windows->platform().writeFile(QStringLiteral("Test.slv"), cp1250Lines(lines));
        dialogs().files.push_back(path);
        t()->show();
        t()->btnovyClick();
    }
    void answer(const QString &text) {
        t()->edtodpoved->setText(text);
        QTest::keyClick(t()->edtodpoved, Qt::Key_Return);
    }
    QString shown() const { return m_windows->forms().Form4->mevyraz->toPlainText(); }

private slots:
    void init() { m_windows = std::make_unique<TestWindows>(); }
    void cleanup() { m_windows.reset(); }

    void fourExpressionsInOrderShowOneToFourAndTheFourthEnds() {
        open({"a;A;[];NENÍ", "b;B;[];NENÍ", "c;C;[];NENÍ", "d;D;[];NENÍ"}, false);
        QCOMPARE(t()->lbpocetvyrazu->text(), QStringLiteral("4"));
        const QStringList questions{"a", "b", "c", "d"};
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(t()->lbaktvyraz->text(), QString::number(i + 1));
            QCOMPARE(shown(), questions[i]);
            QVERIFY(!t()->dokonceno);
            answer(questions[i].toUpper());
        }
        QVERIFY(t()->dokonceno);
        QVERIFY(t()->isHidden());
        QVERIFY(evaluation()->isVisible());
        QVERIFY(evaluation()->rbznova->isChecked());
        QCOMPARE(evaluation()->lbspravne->text(), QStringLiteral("4"));
        QCOMPARE(evaluation()->lbspatne->text(), QStringLiteral("0"));
        QCOMPARE(evaluation()->lbuspesnost->text(), QStringLiteral("100"));
        QCOMPARE(evaluation()->lbznamka->text(), QStringLiteral("1"));
        // Enter after the end changes nothing.
        answer(QStringLiteral("x"));
        QCOMPARE(evaluation()->lbspatne->text(), QStringLiteral("0"));
    }

    void randomOrderNeverRepeatsAndCountsAnswers() {
        QStringList lines;
        for (int i = 0; i < 8; ++i)
            lines << QStringLiteral("q%1;a%1;[];NENÍ").arg(i);
        open(lines, true);
        QSet<QString> asked;
        for (int k = 0; k < 8; ++k) {
            QCOMPARE(t()->lbaktvyraz->text(), QString::number(k + 1));
            QCOMPARE(t()->test().remaining(), 8 - k);
            QVERIFY2(!asked.contains(shown()), qPrintable(shown()));
            asked.insert(shown());
            answer(k % 2 ? QStringLiteral("wrong") : QString(shown()).replace(u'q', u'a'));
        }
        QCOMPARE(asked.size(), 8);
        QVERIFY(t()->dokonceno);
        QCOMPARE(evaluation()->lbspravne->text(), QStringLiteral("4"));
        QCOMPARE(evaluation()->CheckListBox1->count(), 4);
        QCOMPARE(evaluation()->vysledky.size(), 4);
        for (int i = 0; i < 4; ++i)
            QCOMPARE(evaluation()->CheckListBox1->item(i)->text(),
                     evaluation()->vysledky[i].zobrazeny);
    }

    void eitherOfTwoMeaningsIsRightButNotBothTogether() {
        open({"x1;a+b", "x2;a+b", "x3;a+b", "x4;a+b"}, false);
        QCOMPARE(shown(), QStringLiteral("x1"));
        answer(QStringLiteral("a"));
        answer(QStringLiteral("b"));
        answer(QStringLiteral("a+b"));
        QCOMPARE(t()->lbspatne->text(), QStringLiteral("1"));
        answer(QStringLiteral("a ; b"));
        QCOMPARE(evaluation()->lbspravne->text(), QStringLiteral("2"));
        QCOMPARE(evaluation()->lbspatne->text(), QStringLiteral("2"));
        QCOMPARE(evaluation()->CheckListBox1->item(0)->text(), QStringLiteral("x3"));
        QCOMPARE(evaluation()->vysledky[1].zobrazeny, QStringLiteral("x4"));
        QCOMPARE(evaluation()->vysledky[1].odpoved, QStringLiteral("a+b"));
    }

    void caseAndATrailingBlankMakeAnAnswerWrong() {
        open({"x1;Dog", "x2;dog", "x3;DOG"}, false);
        answer(QStringLiteral("dog"));
        answer(QStringLiteral("dog "));
        QCOMPARE(t()->lbspatne->text(), QStringLiteral("2"));
        QCOMPARE(t()->lbspravne->text(), QStringLiteral("-"));
        // Upper-case mode: what is typed becomes capitals, so only "DOG" matches.
        m_windows->forms().Form8->chbvelke->setChecked(true);
        for (const QChar ch : QStringLiteral("dog"))
            QTest::sendKeyEvent(QTest::Click, t()->edtodpoved, Qt::Key_unknown, QString(ch), {});
        QCOMPARE(t()->edtodpoved->text(), QStringLiteral("DOG"));
        QTest::keyClick(t()->edtodpoved, Qt::Key_Return);
        QCOMPARE(evaluation()->lbspravne->text(), QStringLiteral("1"));
        QCOMPARE(t()->lbspravne->palette().color(QPalette::WindowText), QColor(0, 128, 0));
        QCOMPARE(t()->lbspatne->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    }

    // Upper-case mode changes the typed letter where it is typed: the caret, a selection
    // and undo work as in any edit box, and a letter without a Windows-1250 capital stays.
    void upperCaseAnswersAreTypedInPlace_data() {
        QTest::addColumn<QString>("before");   // typed first
        QTest::addColumn<QKeySequence>("key"); // then this key
        QTest::addColumn<QString>("after");    // then typed
        QTest::addColumn<QString>("answer");
        QTest::newRow("over a selection") << "dog" << QKeySequence(QKeySequence::SelectAll) << "c"
                                          << "C";
        QTest::newRow("in the middle") << "dg" << QKeySequence(Qt::Key_Left) << "o"
                                       << "DOG";
        QTest::newRow("undo") << "dog" << QKeySequence(QKeySequence::Undo) << ""
                              << "";
        QTest::newRow("micro sign") << "µa" << QKeySequence() << "ß"
                                    << "µASS";
    }
    void upperCaseAnswersAreTypedInPlace() {
        QFETCH(QString, before);
        QFETCH(QKeySequence, key);
        QFETCH(QString, after);
        QFETCH(QString, answer);
        open({"x;y;[];NENÍ"}, false);
        m_windows->forms().Form8->chbvelke->setChecked(true);
        const auto type = [&](const QString &text) {
            for (const QChar ch : text)
                QTest::sendKeyEvent(QTest::Click, t()->edtodpoved, Qt::Key_unknown, QString(ch),
                                    {});
        };
        type(before);
        if (!key.isEmpty())
            QTest::keySequence(t()->edtodpoved, key);
        type(after);
        QCOMPARE(t()->edtodpoved->text(), answer);
    }

    void theRightAnswerIsShownOnlyWithZobrazovat() {
        open({"pes;dog+hound", "kočka;cat", "kůň;horse"}, false);
        settings()->rbzobrazit->setChecked(true);
        answer(QStringLiteral("wolf"));
        QCOMPARE(t()->mespravneprvni->toPlainText(), QStringLiteral("pes"));
        QCOMPARE(t()->mespravne->toPlainText(), QStringLiteral("dog ; hound"));
        answer(QStringLiteral("cat"));
        QCOMPARE(t()->mespravneprvni->toPlainText(), QStringLiteral("-"));
        QCOMPARE(t()->mespravne->toPlainText(), QStringLiteral("-"));
        settings()->rbnezobrazit->setChecked(true);
        QVERIFY(dialogs().shown.isEmpty()); // no guard on this pair
        answer(QStringLiteral("pony"));
        QCOMPARE(t()->mespravneprvni->toPlainText(), QStringLiteral("-"));
        QCOMPARE(t()->mespravne->toPlainText(), QStringLiteral("-"));
    }

    void twoOfThreeGivesTheFullPercentageTextAndGradeTwo() {
        open({"a;A", "b;B", "c;C"}, false);
        answer(QStringLiteral("A"));
        answer(QStringLiteral("x"));
        answer(QStringLiteral("C"));
        QCOMPARE(evaluation()->lbuspesnost->text(), QStringLiteral("66,6666666666667"));
        QCOMPARE(evaluation()->lbuspesnost->width(), 36);
        QCOMPARE(evaluation()->lbznamka->text(), QStringLiteral("2"));
        QCOMPARE(evaluation()->CheckListBox1->count(), 1);
        QCOMPARE(evaluation()->CheckListBox1->item(0)->text(), QStringLiteral("b"));
    }

    void procentaFollowsTheThresholdsAndColours_data() {
        QTest::addColumn<QString>("percent");
        QTest::addColumn<QString>("grade");
        QTest::addColumn<QColor>("colour");
        const QColor normal = QLabel().palette().color(QPalette::WindowText);
        QTest::newRow("80") << "80"
                            << "1" << QColor(0, 128, 0);
        QTest::newRow("79,9") << "79,9"
                              << "2" << normal;
        QTest::newRow("50") << "50"
                            << "3" << normal;
        QTest::newRow("30") << "30"
                            << "4" << normal;
        QTest::newRow("29,99") << "29,99"
                               << "5" << QColor(255, 0, 0);
        QTest::newRow("not a number") << "-"
                                      << "5" << QColor(255, 0, 0);
    }
    void procentaFollowsTheThresholdsAndColours() {
        QFETCH(QString, percent);
        QFETCH(QColor, colour);
        QLabel *label = evaluation()->lbznamka;
        // Start from a green "1" so that a colour left over would show.
        evaluation()->lbuspesnost->setText(QStringLiteral("100"));
        t()->procenta();
        QCOMPARE(label->palette().color(QPalette::WindowText), QColor(0, 128, 0));
        evaluation()->lbuspesnost->setText(percent);
        t()->procenta();
        QTEST(label->text(), "grade");
        QCOMPARE(label->palette().color(QPalette::WindowText), colour);
    }

    void procentaReadsTheLiveThresholds() {
        m_windows->forms().Form8->sp1->setValue(90);
        evaluation()->lbuspesnost->setText(QStringLiteral("85"));
        t()->procenta();
        QCOMPARE(evaluation()->lbznamka->text(), QStringLiteral("2"));
    }

    void directionAndOrderAreRefusedWhileATestIsLoaded() {
        settings()->rbangcj->setChecked(true);
        settings()->rbcjang->setChecked(true);
        settings()->rbpostupne->setChecked(true);
        QVERIFY(dialogs().shown.isEmpty());
        open({"a;A", "b;B"}, false);
        QVERIFY(t()->nacteno());
        QTest::mouseClick(settings()->rbangcj, Qt::LeftButton);
        QCOMPARE(dialogs().texts(),
                 QStringList{"Během zkoušení není povoleno měnit tuto vlastnost!"});
        QCOMPARE(dialogs().shown.first().kind, MessageKind::Warning);
        QVERIFY(settings()->rbcjang->isChecked());
        settings()->rbnahodne->setChecked(true);
        QCOMPARE(dialogs().shown.size(), 2);
        QVERIFY(settings()->rbpostupne->isChecked());
        // The sound and display choices change freely.
        settings()->CheckBox1->setChecked(false);
        settings()->rbzobrazit->setChecked(true);
        QCOMPARE(dialogs().shown.size(), 2);
        // Still refused after the end, until the test is reset.
        answer(QStringLiteral("A"));
        answer(QStringLiteral("B"));
        settings()->rbangcj->setChecked(true);
        QCOMPARE(dialogs().shown.size(), 3);
        evaluation()->BitBtn1Click();
        QVERIFY(!t()->nacteno());
        QVERIFY(t()->isVisible());
        settings()->rbangcj->setChecked(true);
        QCOMPARE(dialogs().shown.size(), 3);
        QVERIFY(settings()->rbangcj->isChecked());
    }

    void foreignToCzechShowsTheForeignText() {
        settings()->rbangcj->setChecked(true);
        open({"pes;dog", "kočka;cat"}, false);
        QCOMPARE(shown(), QStringLiteral("dog"));
        answer(QStringLiteral("pes"));
        QCOMPARE(t()->lbspravne->text(), QStringLiteral("1"));
        settings()->BitBtn2Click();
        QCOMPARE(t()->Label2->text(), QStringLiteral("Cizí výraz"));
    }

    void settingsAreCreatedWithDefaultsAndStoredOnConfirm() {
        const QString key = QStringLiteral("Normalni zkousec");
        auto values = m_windows->platform().memory().values(key);
        QStringList written;
        for (const auto &v : values)
            written << QStringLiteral("%1=%2").arg(v.name).arg(v.value.toInt());
        QCOMPARE(written,
                 (QStringList{"Angcz=0", "Czang=1", "Postupne=0", "Nahodne=1", "Napoveduzobrazit=0",
                              "Napovedunezobrazit=1", "Pouzitzvuk=1"}));
        settings()->rbangcj->setChecked(true);
        settings()->CheckBox1->setChecked(false);
        settings()->BitBtn1Click(); // "Zpět" writes nothing
        QCOMPARE(m_windows->platform().memory().readInteger(key, "Angcz"), 0);
        QVERIFY(settings()->rbangcj->isChecked());
        settings()->BitBtn2Click();
        QCOMPARE(m_windows->platform().memory().readInteger(key, "Angcz"), 1);
        QCOMPARE(m_windows->platform().memory().readInteger(key, "Czang"), 0);
        QCOMPARE(m_windows->platform().memory().readInteger(key, "Pouzitzvuk"), 0);
        QVERIFY(settings()->isHidden());
    }

    void storedSettingsAreLoadedAtStart() {
        auto platform = std::make_unique<TestPlatform>();
        MemoryRegistry &r = platform->memory();
        const QString key = QStringLiteral("Normalni zkousec");
        r.createKey(key);
        for (const auto &[name, value] : QList<QPair<QString, int>>{{"Angcz", 1},
                                                                    {"Czang", 0},
                                                                    {"Postupne", 1},
                                                                    {"Nahodne", 0},
                                                                    {"Napoveduzobrazit", 1},
                                                                    {"Napovedunezobrazit", 0},
                                                                    {"Pouzitzvuk", 0}})
            r.writeInteger(key, name, value);
        m_windows = std::make_unique<TestWindows>(std::move(platform));
        QVERIFY(settings()->rbangcj->isChecked());
        QVERIFY(settings()->rbpostupne->isChecked());
        QVERIFY(settings()->rbzobrazit->isChecked());
        QVERIFY(!settings()->CheckBox1->isChecked());
    }

    void aMissingValueIsReportedAndTheRestKeepDefaults() {
        auto platform = std::make_unique<TestPlatform>();
        MemoryRegistry &r = platform->memory();
        const QString key = QStringLiteral("Normalni zkousec");
        r.createKey(key);
        r.writeInteger(key, "Angcz", 1);
        r.writeInteger(key, "Czang", 0);
        m_windows = std::make_unique<TestWindows>(std::move(platform));
        QVERIFY(settings()->rbangcj->isChecked());
        QVERIFY(settings()->rbnahodne->isChecked());
        QCOMPARE(dialogs().shown.size(), 1);
        QCOMPARE(dialogs().shown.first().kind, MessageKind::Error);
    }

    void interruptionAsksAndYesResetsEverything() {
        open({"a;A", "b;B", "c;C"}, false);
        answer(QStringLiteral("x"));
        QCOMPARE(evaluation()->CheckListBox1->count(), 1);
        dialogs().answers.push_back(false);
        t()->btnovyClick();
        QCOMPARE(dialogs().lastText(),
                 QStringLiteral("Právě probíhá zkoušení, přejete si ho přerušit?"));
        QVERIFY(t()->nacteno());
        QCOMPARE(t()->lbaktvyraz->text(), QStringLiteral("2"));
        dialogs().answers.push_back(true);
        t()->btnovyClick();
        QVERIFY(!t()->nacteno());
        QCOMPARE(evaluation()->CheckListBox1->count(), 0);
        QCOMPARE(evaluation()->vysledky.size(), 0);
        for (QLabel *l : {t()->lbpocetvyrazu, t()->lbaktvyraz, t()->lbspravne, t()->lbspatne})
            QCOMPARE(l->text(), QStringLiteral("-"));
        QCOMPARE(shown(), QStringLiteral("-"));
        // The next press opens a dictionary again.
        t()->btnovyClick();
        QCOMPARE(dialogs().fileDialogs.size(), 2);
        QCOMPARE(dialogs().fileDialogs.last().filter, QStringLiteral("Slovníky|*.slv"));
    }

    void anEmptyFileLoadsNothing() {
        const QString path = m_windows->platform().writeFile(QStringLiteral("Empty.slv"), {});
        dialogs().files.push_back(path);
        t()->btnovyClick();
        QCOMPARE(dialogs().texts(), QStringList{"Nejde načíst prázdný slovník!"});
        QVERIFY(!t()->nacteno());
        // Enter with nothing loaded does nothing.
        answer(QStringLiteral("x"));
        QCOMPARE(t()->lbspatne->text(), QStringLiteral("-"));
    }

    void theSoundPlaysOnlyWhenChosenAndPresent() {
        const QString wav = m_windows->platform().writeFile(QStringLiteral("a.wav"), "RIFF");
        open({"a;A;[];" + wav, "b;B;[];NENÍ", "c;C;[];" + wav + "x", "d;D;[];" + wav}, false);
        QCOMPARE(m_windows->platform().sound().played, QStringList{wav});
        answer(QStringLiteral("A"));
        answer(QStringLiteral("B"));
        settings()->CheckBox1->setChecked(false);
        answer(QStringLiteral("C"));
        QCOMPARE(m_windows->platform().sound().played, QStringList{wav});
    }

    void closingShowsTheMainWindowAndResets() {
        open({"a;A", "b;B"}, false);
        setApplicationTitle(QStringLiteral("Vokab - Zkoušení výrazů I"));
        answer(QStringLiteral("x"));
        t()->btkonecClick();
        QVERIFY(t()->isHidden());
        QVERIFY(!t()->nacteno());
        QVERIFY(m_windows->forms().Form1->isVisible());
        QCOMPARE(applicationTitle(), QStringLiteral("Vokab"));
        QCOMPARE(evaluation()->CheckListBox1->count(), 0);
    }
};

QTEST_MAIN(TestTesting1)
#include "tst_testing1.moc"
