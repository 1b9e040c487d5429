#include "app/Unit1.h"
#include "app/Unit8.h"
#include "statistics/Unit23.h"
#include "support/testfiles.h"
#include "support/testplatform.h"
#include "testing/Unit10.h"
#include "testing/Unit12.h"
#include "testing/Unit13.h"
#include "testing/Unit4.h"
#include "testing/Unit9.h"
#include "ui/form.h"
#include "ui/forms.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QSpinBox>
#include <QTest>

namespace {

const QString kRefused = QStringLiteral("Během zkoušení není povoleno měnit tuto vlastnost!");

void click(QAbstractButton *button) {
    QTest::mouseClick(button, Qt::LeftButton);
}

// Testing I (typed answers) or Testing II ("Vím" / "Nevím"), driven through its controls.
struct Exam {
    Forms &f;
    TestWindows &w;
    bool two;

    VokabForm *window() const { return two ? static_cast<VokabForm *>(f.Form12) : f.Form4; }
    TestSettingsForm *settings() const {
        return two ? static_cast<TestSettingsForm *>(f.Form13) : f.Form10;
    }
    QPushButton *openButton() const { return two ? f.Form12->BitBtn2 : f.Form4->btnovy; }
    QPushButton *closeButton() const { return two ? f.Form12->BitBtn1 : f.Form4->btkonec; }
    QLabel *count() const { return two ? f.Form12->lbpocet : f.Form4->lbpocetvyrazu; }
    QLabel *current() const { return two ? f.Form12->lbaktvyraz : f.Form4->lbaktvyraz; }
    QLabel *right() const { return two ? f.Form12->lbspravne : f.Form4->lbspravne; }
    QLabel *wrong() const { return two ? f.Form12->lbspatne : f.Form4->lbspatne; }
    QLabel *heading() const { return two ? f.Form12->Label1 : f.Form4->Label2; }
    QString asked() const { return (two ? f.Form12->mecz : f.Form4->mevyraz)->toPlainText(); }
    bool loaded() const { return two ? f.Form12->loaded() : f.Form4->loaded(); }
    bool finished() const { return two ? f.Form12->finished : f.Form4->finished; }
    int remaining() const {
        return two ? f.Form12->test().remaining() : f.Form4->test().remaining();
    }
    QString key() const {
        return two ? QStringLiteral("Jednoduchy zkousec") : QStringLiteral("Normalni zkousec");
    }

    void open(const QStringList &lines) {
        w.dialogs().files.push_back(
            w.platform().writeFile(QStringLiteral("Test.slv"), cp1250Lines(lines)));
        window()->show();
        click(openButton());
    }
    // Dictionaries of these tests pair a text with its other case ("a;A"): the right
    // answer to Testing I is the asked text in the other case.
    void answer(bool knows) {
        if (two) {
            click(knows ? f.Form12->btjo : f.Form12->btne);
            return;
        }
        const QString q = asked();
        f.Form4->edtodpoved->setText(!knows             ? QStringLiteral("?")
                                     : q == q.toUpper() ? q.toLower()
                                                        : q.toUpper());
        QTest::keyClick(f.Form4->edtodpoved, Qt::Key_Return);
    }
};

// The rows of a test that both windows pass alike.
void bothWindows() {
    QTest::addColumn<bool>("two");
    QTest::newRow("Testing I") << false;
    QTest::newRow("Testing II") << true;
}

} // namespace

class TestTesting : public QObject {
    Q_OBJECT

    std::unique_ptr<TestWindows> m_windows;
    Forms &forms() { return m_windows->forms(); }
    TForm4 *t1() { return forms().Form4; }
    TForm12 *t2() { return forms().Form12; }
    TForm9 *evaluation() { return forms().Form9; }
    ScriptedDialogs &dialogs() { return m_windows->dialogs(); }
    Exam exam(bool two) { return Exam{forms(), *m_windows, two}; }
    Exam exam() {
        QFETCH(bool, two);
        return exam(two);
    }
    void answer1(const QString &text) {
        t1()->edtodpoved->setText(text);
        QTest::keyClick(t1()->edtodpoved, Qt::Key_Return);
    }

private slots:
    void init() { m_windows = std::make_unique<TestWindows>(); }
    void cleanup() { m_windows.reset(); }

    // ---- Both windows ----

    void testRandomOrderAsksEachExpressionOnce_data() { bothWindows(); }
    void testRandomOrderAsksEachExpressionOnce() {
        Exam e = exam();
        QStringList lines;
        for (int i = 0; i < 8; ++i)
            lines << QStringLiteral("q%1;Q%1;[];NENÍ").arg(i);
        click(e.settings()->rbnahodne);
        e.open(lines);
        QCOMPARE(e.count()->text(), QStringLiteral("8"));
        QSet<QString> asked;
        for (int k = 0; k < 8; ++k) {
            QCOMPARE(e.current()->text(), QString::number(k + 1));
            QCOMPARE(e.remaining(), 8 - k);
            QVERIFY2(!asked.contains(e.asked()), qPrintable(e.asked()));
            asked.insert(e.asked());
            e.answer(k % 2 == 0);
        }
        QVERIFY(e.finished());
        QVERIFY(e.window()->isHidden());
        QVERIFY(evaluation()->isVisible());
        QCOMPARE(evaluation()->lbspravne->text(), QStringLiteral("4"));
        QCOMPARE(evaluation()->lbspatne->text(), QStringLiteral("4"));
        QCOMPARE(evaluation()->CheckListBox1->count(), 4);
        for (int i = 0; i < 4; ++i)
            QCOMPARE(evaluation()->CheckListBox1->item(i)->text(), evaluation()->results[i].shown);
        // Nothing more is counted after the end.
        e.answer(false);
        QCOMPARE(evaluation()->lbspatne->text(), QStringLiteral("4"));
    }

    void testDirectionAndOrderAreRefusedWhileATestIsLoaded_data() { bothWindows(); }
    void testDirectionAndOrderAreRefusedWhileATestIsLoaded() {
        Exam e = exam();
        click(e.settings()->rbpostupne);
        QVERIFY(dialogs().shown.isEmpty());
        e.open({"a;A", "b;B"});
        click(e.settings()->rbnahodne);
        click(e.settings()->rbangcj);
        QCOMPARE(dialogs().texts(), (QStringList{kRefused, kRefused}));
        QCOMPARE(dialogs().shown.first().kind, MessageKind::Warning);
        QVERIFY(e.settings()->rbpostupne->isChecked());
        QVERIFY(e.settings()->rbcjang->isChecked());
        // The sound and display choices change freely.
        click(e.settings()->CheckBox1);
        click(e.settings()->rbzobrazit);
        QCOMPARE(dialogs().shown.size(), 2);
        // Still refused after the end, until the evaluation's "Zpět" resets the test.
        e.answer(true);
        e.answer(true);
        click(e.settings()->rbangcj);
        QCOMPARE(dialogs().shown.size(), 3);
        click(evaluation()->BitBtn1);
        QVERIFY(!e.loaded());
        QVERIFY(!e.finished());
        QVERIFY(e.window()->isVisible());
        click(e.settings()->rbangcj);
        QCOMPARE(dialogs().shown.size(), 3);
        QVERIFY(e.settings()->rbangcj->isChecked());
    }

    void testInterruptionAsksAndYesResetsEverything_data() { bothWindows(); }
    void testInterruptionAsksAndYesResetsEverything() {
        Exam e = exam();
        click(e.settings()->rbpostupne);
        e.open({"a;A", "b;B", "c;C"});
        e.answer(false);
        QCOMPARE(evaluation()->CheckListBox1->count(), 1);
        dialogs().answers.push_back(false);
        click(e.openButton());
        QCOMPARE(dialogs().lastText(),
                 QStringLiteral("Právě probíhá zkoušení, přejete si ho přerušit?"));
        QVERIFY(e.loaded());
        QCOMPARE(e.current()->text(), QStringLiteral("2"));
        dialogs().answers.push_back(true);
        click(e.openButton());
        QVERIFY(!e.loaded());
        QCOMPARE(evaluation()->CheckListBox1->count(), 0);
        QCOMPARE(evaluation()->results.size(), 0);
        for (QLabel *l : {e.count(), e.current(), e.right(), e.wrong()})
            QCOMPARE(l->text(), QStringLiteral("-"));
        QCOMPARE(e.asked(), QStringLiteral("-"));
        // The next press opens a dictionary again.
        click(e.openButton());
        QCOMPARE(dialogs().fileDialogs.size(), 2);
        QCOMPARE(dialogs().fileDialogs.last().filter, QStringLiteral("Slovníky|*.slv"));
    }

    void testSoundPlaysOnlyWhenChosenAndPresent_data() { bothWindows(); }
    void testSoundPlaysOnlyWhenChosenAndPresent() {
        Exam e = exam();
        const QString wav = m_windows->platform().writeFile(QStringLiteral("a.wav"), "RIFF");
        click(e.settings()->rbpostupne);
        e.open({"a;A;[];" + wav, "b;B;[];NENÍ", "c;C;[];" + wav + "x", "d;D;[];" + wav});
        QCOMPARE(m_windows->platform().sound().played, QStringList{wav});
        e.answer(true);
        e.answer(true);
        click(e.settings()->CheckBox1);
        e.answer(true);
        QCOMPARE(m_windows->platform().sound().played, QStringList{wav});
    }

    void testClosingShowsTheMainWindowAndResets_data() { bothWindows(); }
    void testClosingShowsTheMainWindowAndResets() {
        Exam e = exam();
        e.open({"a;A", "b;B"});
        setApplicationTitle(QStringLiteral("Vokab - Zkoušení výrazů"));
        e.answer(false);
        click(e.closeButton());
        QVERIFY(e.window()->isHidden());
        QVERIFY(!e.loaded());
        QVERIFY(forms().Form1->isVisible());
        QCOMPARE(applicationTitle(), QStringLiteral("Vokab"));
        QCOMPARE(evaluation()->CheckListBox1->count(), 0);
    }

    void testForeignToCzechAsksTheForeignText_data() { bothWindows(); }
    void testForeignToCzechAsksTheForeignText() {
        Exam e = exam();
        click(e.settings()->rbpostupne);
        click(e.settings()->rbangcj);
        e.open({"a;A", "b;B"});
        QCOMPARE(e.asked(), QStringLiteral("A"));
        e.answer(true);
        QCOMPARE(e.right()->text(), QStringLiteral("1"));
        click(e.settings()->BitBtn2);
        QCOMPARE(e.heading()->text(), QStringLiteral("Cizí výraz"));
    }

    void testFirstStartWritesTheDefaultsInOrder_data() { bothWindows(); }
    void testFirstStartWritesTheDefaultsInOrder() {
        Exam e = exam();
        QStringList written;
        for (const auto &v : m_windows->platform().memory().values(e.key()))
            written << QStringLiteral("%1=%2").arg(v.name).arg(v.value.toInt());
        QStringList expected{"Angcz=0",
                             "Czang=1",
                             "Postupne=0",
                             "Nahodne=1",
                             "Napoveduzobrazit=0",
                             "Napovedunezobrazit=1",
                             "Pouzitzvuk=1"};
        if (e.two)
            expected.insert(2, QStringLiteral("Napoveduzobrazitprooba=0"));
        QCOMPARE(written, expected);
    }

    void testStoredSettingsAreLoadedAndOnlyConfirmStoresThem_data() { bothWindows(); }
    void testStoredSettingsAreLoadedAndOnlyConfirmStoresThem() {
        QFETCH(bool, two);
        auto platform = std::make_unique<TestPlatform>();
        MemoryRegistry &r = platform->memory();
        const QString key = exam(two).key();
        r.createKey(key);
        for (const auto &[name, value] : QList<QPair<QString, int>>{{"Angcz", 1},
                                                                    {"Czang", 0},
                                                                    {"Napoveduzobrazitprooba", 0},
                                                                    {"Postupne", 1},
                                                                    {"Nahodne", 0},
                                                                    {"Napoveduzobrazit", 1},
                                                                    {"Napovedunezobrazit", 0},
                                                                    {"Pouzitzvuk", 0}})
            r.writeInteger(key, name, value);
        m_windows = std::make_unique<TestWindows>(std::move(platform));
        Exam e = exam(two);
        QVERIFY(e.settings()->rbangcj->isChecked());
        QVERIFY(e.settings()->rbpostupne->isChecked());
        QVERIFY(e.settings()->rbzobrazit->isChecked());
        QVERIFY(!e.settings()->CheckBox1->isChecked());
        QVERIFY(dialogs().shown.isEmpty());
        click(e.settings()->rbcjang);
        click(e.settings()->BitBtn1); // "Zpět" writes nothing
        QCOMPARE(*m_windows->platform().memory().readInteger(key, "Angcz"), 1);
        QVERIFY(e.settings()->rbcjang->isChecked());
        e.settings()->show();
        click(e.settings()->BitBtn2);
        QCOMPARE(*m_windows->platform().memory().readInteger(key, "Angcz"), 0);
        QCOMPARE(*m_windows->platform().memory().readInteger(key, "Czang"), 1);
        QCOMPARE(*m_windows->platform().memory().readInteger(key, "Napoveduzobrazit"), 1);
        QVERIFY(e.settings()->isHidden());
    }

    // ---- Testing I: typed answers ----

    void testOneToFourInOrderAndTheFourthEnds() {
        click(forms().Form10->rbpostupne);
        exam(false).open({"a;A;[];NENÍ", "b;B;[];NENÍ", "c;C;[];NENÍ", "d;D;[];NENÍ"});
        for (const QString q : {"a", "b", "c", "d"}) {
            QCOMPARE(t1()->mevyraz->toPlainText(), q);
            QVERIFY(!t1()->finished);
            answer1(q.toUpper());
        }
        QVERIFY(evaluation()->rbznova->isChecked());
        QCOMPARE(evaluation()->lbuspesnost->text(), QStringLiteral("100"));
        QCOMPARE(evaluation()->lbznamka->text(), QStringLiteral("1"));
    }

    // Ours, off by default: four options instead of the answer box. Keys 1 to 4 and clicks
    // choose; a choice counts and goes to the evaluation as a typed answer would.
    void testAChoiceOfFourIsJudgedAsATypedAnswer() {
        QVERIFY(!forms().Form10->choiceBox->isChecked());
        click(forms().Form10->rbpostupne);
        click(forms().Form10->choiceBox);
        exam(false).open({"pes;dog", "kočka;cat", "kůň;horse", "myš;mouse", "ryba;fish"});
        QVERIFY(t1()->edtodpoved->isHidden());
        const auto options = [&] {
            QStringList texts;
            for (QPushButton *button : t1()->choiceButtons) {
                if (!button->isHidden())
                    texts.append(button->text().section(u' ', -1));
            }
            return texts;
        };
        const QStringList first = options();
        QCOMPARE(QSet<QString>(first.begin(), first.end()).size(), 4);
        QTest::keyClick(t1()->choiceButtons.first(), char('1' + options().indexOf("dog")));
        QCOMPARE(t1()->lbspravne->text(), QStringLiteral("1"));
        QCOMPARE(t1()->mevyraz->toPlainText(), QStringLiteral("kočka"));
        QStringList wrong = options();
        wrong.removeOne(QStringLiteral("cat"));
        click(t1()->choiceButtons[options().indexOf(wrong.first())]);
        QCOMPARE(t1()->lbspatne->text(), QStringLiteral("1"));
        QCOMPARE(evaluation()->results.size(), 1);
        QCOMPARE(evaluation()->results[0].answer, QStringLiteral("cat"));
        // Turned off during the test: the next question is typed.
        click(forms().Form10->choiceBox);
        answer1(QStringLiteral("horse"));
        QVERIFY(!t1()->edtodpoved->isHidden());
        QVERIFY(t1()->choicesPanel->isHidden());
        QCOMPARE(t1()->lbspravne->text(), QStringLiteral("2"));
    }

    void testEitherOfTwoMeaningsIsRightButNotBothTogether() {
        click(forms().Form10->rbpostupne);
        exam(false).open({"x1;a+b", "x2;a+b", "x3;a+b", "x4;a+b"});
        answer1(QStringLiteral("a"));
        answer1(QStringLiteral("b"));
        answer1(QStringLiteral("a+b"));
        QCOMPARE(t1()->lbspatne->text(), QStringLiteral("1"));
        answer1(QStringLiteral("a ; b"));
        QCOMPARE(evaluation()->lbspravne->text(), QStringLiteral("2"));
        QCOMPARE(evaluation()->CheckListBox1->item(0)->text(), QStringLiteral("x3"));
        QCOMPARE(evaluation()->results[1].answer, QStringLiteral("a+b"));
    }

    void testCaseAndATrailingBlankMakeAnAnswerWrong() {
        click(forms().Form10->rbpostupne);
        exam(false).open({"x1;Dog", "x2;dog", "x3;DOG"});
        answer1(QStringLiteral("dog"));
        answer1(QStringLiteral("dog "));
        QCOMPARE(t1()->lbspatne->text(), QStringLiteral("2"));
        QCOMPARE(t1()->lbspravne->text(), QStringLiteral("-"));
        // Upper-case mode: what is typed becomes capitals, so only "DOG" matches.
        click(forms().Form8->chbvelke);
        for (const QChar ch : QStringLiteral("dog"))
            QTest::sendKeyEvent(QTest::Click, t1()->edtodpoved, Qt::Key_unknown, QString(ch), {});
        QTest::keyClick(t1()->edtodpoved, Qt::Key_Return);
        QCOMPARE(evaluation()->lbspravne->text(), QStringLiteral("1"));
        QCOMPARE(t1()->lbspravne->palette().color(QPalette::WindowText), QColor(0, 128, 0));
        QCOMPARE(t1()->lbspatne->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    }

    // The leniencies of the settings, each on its own: the answer counts as the learner
    // asked and the right meaning is shown with its note; with all of them off the same
    // answers are wrong (the test above).
    void testLenientAnswersCountAsTheSettingsAsk_data() {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("expected"); // the field of the dictionary
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("isRight");
        QTest::addColumn<QString>("note");
        QTest::newRow("case") << "ignoreCaseBox"
                              << "Dog"
                              << "dOG" << true << "Dog";
        QTest::newRow("diacritics") << "ignoreDiacriticsBox"
                                    << "žluťoučký"
                                    << "zlutoucky" << true << "žluťoučký (bez diakritiky)";
        QTest::newRow("punctuation") << "ignorePunctuationBox"
                                     << "hello, world"
                                     << "hello  world" << true << "hello, world";
        QTest::newRow("article") << "ignoreLeadingWordBox"
                                 << "the dog+pes"
                                 << "dog" << true << "the dog";
        QTest::newRow("typo counted wrong") << "acceptTypoBox"
                                            << "elephant"
                                            << "elepant" << false << "Téměř správně: elephant";
        QTest::newRow("typo too short") << "acceptTypoBox"
                                        << "horse"
                                        << "hörse" << false << "";
        QTest::newRow("typo counted right") << "acceptTypoBox typoCountsRightBox"
                                            << "elephant"
                                            << "elehpant" << true << "Téměř správně: elephant";
    }
    void testLenientAnswersCountAsTheSettingsAsk() {
        QFETCH(QString, option);
        QFETCH(QString, expected);
        QFETCH(QString, typed);
        QFETCH(bool, isRight);
        QFETCH(QString, note);
        for (const QString &name : option.split(u' '))
            click(forms().Form10->findChild<QCheckBox *>(name));
        click(forms().Form10->rbpostupne);
        exam(false).open({"x1;" + expected, "x2;b"});
        answer1(typed);
        QCOMPARE(t1()->lbspravne->text(), isRight ? QStringLiteral("1") : QStringLiteral("-"));
        QCOMPARE(t1()->lbspatne->text(), isRight ? QStringLiteral("-") : QStringLiteral("1"));
        QCOMPARE(t1()->mespravne->toPlainText(), note.isEmpty() ? QStringLiteral("-") : note);
    }

    // Upper-case mode changes the typed letter where it is typed: the caret, a selection
    // and undo work as in any edit box, and a letter without a Windows-1250 capital stays.
    void testUpperCaseAnswersAreTypedInPlace_data() {
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
    void testUpperCaseAnswersAreTypedInPlace() {
        QFETCH(QString, before);
        QFETCH(QKeySequence, key);
        QFETCH(QString, after);
        QFETCH(QString, answer);
        exam(false).open({"x;y;[];NENÍ"});
        click(forms().Form8->chbvelke);
        const auto type = [&](const QString &text) {
            for (const QChar ch : text)
                QTest::sendKeyEvent(QTest::Click, t1()->edtodpoved, Qt::Key_unknown, QString(ch),
                                    {});
        };
        type(before);
        if (!key.isEmpty())
            QTest::keySequence(t1()->edtodpoved, key);
        type(after);
        QCOMPARE(t1()->edtodpoved->text(), answer);
    }

    void testTheRightAnswerIsShownOnlyWithZobrazovat() {
        click(forms().Form10->rbpostupne);
        exam(false).open({"pes;dog+hound", "kočka;cat", "kůň;horse"});
        click(forms().Form10->rbzobrazit);
        answer1(QStringLiteral("wolf"));
        QCOMPARE(t1()->mespravneprvni->toPlainText(), QStringLiteral("pes"));
        QCOMPARE(t1()->mespravne->toPlainText(), QStringLiteral("dog ; hound"));
        answer1(QStringLiteral("cat"));
        QCOMPARE(t1()->mespravne->toPlainText(), QStringLiteral("-"));
        click(forms().Form10->rbnezobrazit);
        answer1(QStringLiteral("pony"));
        QCOMPARE(t1()->mespravneprvni->toPlainText(), QStringLiteral("-"));
        QCOMPARE(t1()->mespravne->toPlainText(), QStringLiteral("-"));
    }

    void testTwoOfThreeGivesTheFullPercentageTextAndGradeTwo() {
        click(forms().Form10->rbpostupne);
        exam(false).open({"a;A", "b;B", "c;C"});
        answer1(QStringLiteral("A"));
        answer1(QStringLiteral("x"));
        answer1(QStringLiteral("C"));
        QCOMPARE(evaluation()->lbuspesnost->text(), QStringLiteral("66,6666666666667"));
        QCOMPARE(evaluation()->lbuspesnost->width(), 36);
        QCOMPARE(evaluation()->lbznamka->text(), QStringLiteral("2"));
    }

    // `procenta` is a routine of Testing I: the grade of the evaluation's percentage by
    // the general settings' live thresholds.
    void testProcentaFollowsTheLiveThresholdsAndColours_data() {
        QTest::addColumn<int>("first"); // the threshold of grade 1
        QTest::addColumn<QString>("percent");
        QTest::addColumn<QString>("grade");
        QTest::addColumn<QColor>("colour");
        const QColor normal = QLabel().palette().color(QPalette::WindowText);
        QTest::newRow("80") << 80 << "80"
                            << "1" << QColor(0, 128, 0);
        QTest::newRow("79,9") << 80 << "79,9"
                              << "2" << normal;
        QTest::newRow("85 below a threshold of 90") << 90 << "85"
                                                    << "2" << normal;
        QTest::newRow("50") << 80 << "50"
                            << "3" << normal;
        QTest::newRow("30") << 80 << "30"
                            << "4" << normal;
        QTest::newRow("29,99") << 80 << "29,99"
                               << "5" << QColor(255, 0, 0);
        QTest::newRow("not a number") << 80 << "-"
                                      << "5" << QColor(255, 0, 0);
    }
    void testProcentaFollowsTheLiveThresholdsAndColours() {
        QFETCH(int, first);
        QFETCH(QString, percent);
        QFETCH(QColor, colour);
        QLabel *label = evaluation()->lbznamka;
        // Start from a green "1" so that a colour left over would show.
        evaluation()->lbuspesnost->setText(QStringLiteral("100"));
        t1()->procenta();
        QCOMPARE(label->palette().color(QPalette::WindowText), QColor(0, 128, 0));
        forms().Form8->sp1->setValue(first);
        evaluation()->lbuspesnost->setText(percent);
        t1()->procenta();
        QTEST(label->text(), "grade");
        QCOMPARE(label->palette().color(QPalette::WindowText), colour);
    }

    void testAnEmptyFileLoadsNothing() {
        exam(false).open({});
        QCOMPARE(dialogs().texts(), QStringList{"Nejde načíst prázdný slovník!"});
        QVERIFY(!t1()->loaded());
        // Enter with nothing loaded does nothing.
        answer1(QStringLiteral("x"));
        QCOMPARE(t1()->lbspatne->text(), QStringLiteral("-"));
    }

    // ---- Testing II: "Vím" and "Nevím" ----

    void testAnswerDisplayFollowsTheSetting_data() {
        QTest::addColumn<QString>("setting");
        QTest::addColumn<bool>("afterVim");
        QTest::addColumn<bool>("afterNevim");
        QTest::newRow("Nezobrazovat") << "rbnezobrazit" << false << false;
        QTest::newRow("Zobrazovat") << "rbzobrazit" << false << true;
        QTest::newRow("pokaždé") << "rbobe" << true << true;
    }
    void testAnswerDisplayFollowsTheSetting() {
        QFETCH(QString, setting);
        QFETCH(bool, afterVim);
        QFETCH(bool, afterNevim);
        click(forms().Form13->rbpostupne);
        click(forms().Form13->findChild<QRadioButton *>(setting));
        exam(true).open({"pes+čokl;dog+hound;[];NENÍ", "kočka;cat;[];NENÍ", "myš;mouse;[];NENÍ"});
        click(t2()->btjo);
        QCOMPARE(t2()->mespravneprvni->toPlainText(),
                 afterVim ? QStringLiteral("pes ; čokl") : QStringLiteral("-"));
        QCOMPARE(t2()->mespravne->toPlainText(),
                 afterVim ? QStringLiteral("dog ; hound") : QStringLiteral("-"));
        click(t2()->btne);
        QCOMPARE(t2()->mespravneprvni->toPlainText(),
                 afterNevim ? QStringLiteral("kočka") : QStringLiteral("-"));
        QCOMPARE(t2()->mespravne->toPlainText(),
                 afterNevim ? QStringLiteral("cat") : QStringLiteral("-"));
    }

    // A finished test was recorded with "Ano"; shown again while its evaluation is
    // open and closed, it records no interruption.
    void testAFinishedTestShownAgainAndClosedRecordsNothingMore() {
        click(forms().Form8->chbprerusenizkouseni);
        click(forms().Form13->rbpostupne);
        exam(true).open({"pes;dog;[];NENÍ", "kočka;cat;[];NENÍ"});
        click(t2()->btjo);
        click(t2()->btne);
        const statisticsfile::Table &table = forms().Form23->table();
        const qsizetype rows = table.fileLines().size();
        QVERIFY(table.fileLines().last().contains(QStringLiteral(";Ano;")));
        t2()->show();
        t2()->close();
        QCOMPARE(table.fileLines().size(), rows);
    }

    void testMeaningsAreShownJoined() {
        click(forms().Form13->rbpostupne);
        click(forms().Form13->rbobe);
        exam(true).open({"a+b+c+d+e;v+w+x+y+z", "jen"});
        QCOMPARE(t2()->mecz->toPlainText(), QStringLiteral("a ; b ; c ; d ; e"));
        click(t2()->btjo);
        QCOMPARE(t2()->mespravne->toPlainText(), QStringLiteral("v ; w ; x ; y ; z"));
        QCOMPARE(t2()->mecz->toPlainText(), QStringLiteral("jen"));
        click(t2()->btne);
        QCOMPARE(t2()->mespravne->toPlainText(), QString());
        QCOMPARE(evaluation()->results[0].zvuk, QString());
    }

    void testKeysVAndNAnswerLikeTheButtons() {
        exam(true).open({"a;x;[];NENÍ", "b;y;[];NENÍ", "c;z;[];NENÍ", "d;w;[];NENÍ"});
        QTest::keyClick(t2(), Qt::Key_V);
        QTest::keyClick(t2(), Qt::Key_N);
        QTest::keyClick(t2(), Qt::Key_N, Qt::ShiftModifier);
        QCOMPARE(t2()->rightCount(), 1);
        QCOMPARE(t2()->wrongCount(), 2);
    }

    void testAnswerWithoutADictionaryIsRefused() {
        t2()->show();
        click(t2()->btjo);
        click(t2()->btne);
        const QString none = QStringLiteral("Není načtený slovník!");
        QCOMPARE(dialogs().texts(), (QStringList{none, none}));
    }

    void testRetestFromTheEvaluationAsksTheCheckedOnesAgain() {
        click(forms().Form13->rbpostupne);
        exam(true).open({"a;x;[];NENÍ", "b;y;[];NENÍ", "c;z;[];NENÍ"});
        click(t2()->btne);
        click(t2()->btjo);
        click(t2()->btne);
        QCOMPARE(evaluation()->CheckListBox1->count(), 2);
        evaluation()->CheckListBox1->item(1)->setCheckState(Qt::Checked);
        click(evaluation()->BitBtn4);
        QVERIFY(t2()->isVisible());
        QVERIFY(!evaluation()->isVisible());
        QCOMPARE(t2()->lbpocet->text(), QStringLiteral("1"));
        QCOMPARE(t2()->mecz->toPlainText(), QStringLiteral("c"));
        click(t2()->btjo);
        QCOMPARE(evaluation()->lbuspesnost->text(), QStringLiteral("100"));
    }

    void testTheEvaluationServesTheTestThatEndedLast() {
        // Testing I ends and its evaluation is left open; then Testing II ends too.
        exam(false).open({"a;x;[];NENÍ"});
        answer1(QStringLiteral("?"));
        QVERIFY(t1()->finished);
        exam(true).open({"b;y;[];NENÍ"});
        click(t2()->btne);
        QVERIFY(t2()->finished);
        QVERIFY(!t1()->finished);
        click(evaluation()->BitBtn1);
        QVERIFY(t2()->isVisible());
        QVERIFY(!t1()->isVisible());
    }

    void testTheEvaluationSavesCzechFirstAfterForeignToCzech() {
        click(forms().Form13->rbangcj);
        exam(true).open({"kočka;cat;[];NENÍ"});
        click(t2()->btne);
        QCOMPARE(evaluation()->CheckListBox1->item(0)->text(), QStringLiteral("cat"));
        evaluation()->CheckListBox1->item(0)->setCheckState(Qt::Checked);
        click(evaluation()->rbulozit);
        const QString target = m_windows->platform().folder.userFile(QStringLiteral("znovu.slv"));
        dialogs().files.push_back(target);
        click(evaluation()->BitBtn4);
        QCOMPARE(bytesOf(target), QByteArray("ko\xe8ka;cat;[];NEN\xcd\r\n"));
    }
};

QTEST_MAIN(TestTesting)
#include "tst_testing.moc"
