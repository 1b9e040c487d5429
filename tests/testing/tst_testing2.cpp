#include "app/Unit1.h"
#include "app/Unit8.h"
#include "core/win1250.h"
#include "statistics/Unit23.h"
#include "support/testplatform.h"
#include "testing/Unit10.h"
#include "testing/Unit12.h"
#include "testing/Unit13.h"
#include "testing/Unit4.h"
#include "testing/Unit9.h"
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
#include <QTest>

namespace {

// Writes a dictionary file (Windows-1250, CR LF) into the program folder.
QString writeDictionary(TestPlatform &platform, const QString &name, const QStringList &lines) {
    QByteArray bytes;
    for (const QString &line : lines) {
        QByteArray encoded;
        win1250::encode(line, encoded);
        bytes += encoded + "\r\n";
    }
    return platform.writeFile(name, bytes);
}

} // namespace

class TestTesting2 : public QObject {
    Q_OBJECT

private slots:
    void init() { m_windows = std::make_unique<TestWindows>(); }
    void cleanup() { m_windows.reset(); }

    void firstStartWritesTheEightDefaultsInOrder() {
        QStringList written;
        for (const auto &v :
             m_windows->platform().memory().values(QStringLiteral("Jednoduchy zkousec")))
            written.append(v.name + u'=' + v.value.toString());
        QCOMPARE(written, (QStringList{"Angcz=0", "Czang=1", "Napoveduzobrazitprooba=0",
                                       "Postupne=0", "Nahodne=1", "Napoveduzobrazit=0",
                                       "Napovedunezobrazit=1", "Pouzitzvuk=1"}));
    }

    void storedSettingsAreLoaded() {
        auto platform = std::make_unique<TestPlatform>();
        MemoryRegistry &r = platform->memory();
        const QString key = QStringLiteral("Jednoduchy zkousec");
        r.createKey(key);
        const QList<std::pair<const char *, int>> values{{"Angcz", 1},
                                                         {"Czang", 0},
                                                         {"Napoveduzobrazitprooba", 1},
                                                         {"Postupne", 1},
                                                         {"Nahodne", 0},
                                                         {"Napoveduzobrazit", 0},
                                                         {"Napovedunezobrazit", 0},
                                                         {"Pouzitzvuk", 0}};
        for (const auto &[name, value] : values)
            r.writeInteger(key, QString::fromLatin1(name), value);
        TestWindows windows(std::move(platform));
        TForm13 *s = windows.forms().Form13;
        QVERIFY(s->rbangcj->isChecked());
        QVERIFY(s->rbpostupne->isChecked());
        QVERIFY(s->rbobe->isChecked());
        QVERIFY(!s->CheckBox1->isChecked());
        QVERIFY(windows.dialogs().shown.isEmpty());
        // "Potvrdit" writes the same values back and sets the heading.
        s->BitBtn2Click();
        QCOMPARE(windows.forms().Form12->Label1->text(), QStringLiteral("Cizí výraz"));
        QCOMPARE(windows.platform().memory().readInteger(key, "Napoveduzobrazitprooba"), 1);
    }

    void oneLineDictionaryEndsOnTheFirstAnswer_data() {
        QTest::addColumn<bool>("knew");
        QTest::addColumn<QString>("percent");
        QTest::addColumn<QString>("grade");
        QTest::newRow("Vím") << true << "100"
                             << "1";
        QTest::newRow("Nevím") << false << "0"
                               << "5";
    }
    void oneLineDictionaryEndsOnTheFirstAnswer() {
        QFETCH(bool, knew);
        sequential();
        open({"pes;dog;[];NENÍ"});
        QCOMPARE(test()->lbpocet->text(), QStringLiteral("1"));
        knew ? test()->btjoClick() : test()->btneClick();
        QVERIFY(test()->dokonceno);
        QVERIFY(!test()->isVisible());
        QVERIFY(eval()->isVisible());
        QVERIFY(eval()->rbznova->isChecked());
        QTEST(eval()->lbuspesnost->text(), "percent");
        QTEST(eval()->lbznamka->text(), "grade");
        QCOMPARE(eval()->CheckListBox1->count(), knew ? 0 : 1);
        // Nothing more is counted after the end.
        test()->btjoClick();
        QCOMPARE(test()->spravne() + test()->spatne(), 1);
    }

    // A finished test was recorded with "Ano"; shown again while its evaluation is
    // open and closed, it records no interruption.
    void aFinishedTestShownAgainAndClosedRecordsNothingMore() {
        m_windows->forms().Form8->chbprerusenizkouseni->setChecked(true);
        sequential();
        test()->show();
        open({"pes;dog;[];NENÍ", "kočka;cat;[];NENÍ"});
        QTest::mouseClick(test()->btjo, Qt::LeftButton);
        QTest::mouseClick(test()->btne, Qt::LeftButton);
        QVERIFY(eval()->isVisible());
        const statistiky::Table &table = m_windows->forms().Form23->tabulka();
        const qsizetype rows = table.fileLines().size();
        QVERIFY(table.fileLines().last().contains(QStringLiteral(";Ano;")));
        test()->show();
        test()->close();
        QCOMPARE(table.fileLines().size(), rows);
    }

    void randomOrderNeverRepeats() {
        QStringList lines;
        for (int i = 0; i < 10; ++i)
            lines.append(QStringLiteral("cz%1;en%1;[];NENÍ").arg(i));
        open(lines);
        QSet<QString> asked;
        for (int k = 0; k < 10; ++k) {
            QCOMPARE(test()->lbaktvyraz->text(), QString::number(k + 1));
            QCOMPARE(test()->test().remaining(), 10 - k);
            const QString question = test()->mecz->toPlainText();
            QVERIFY2(!asked.contains(question), qPrintable(question));
            asked.insert(question);
            k % 3 ? test()->btjoClick() : test()->btneClick();
        }
        QCOMPARE(asked.size(), 10);
        QVERIFY(test()->dokonceno);
        QCOMPARE(eval()->lbspravne->text(), QStringLiteral("6"));
        QCOMPARE(eval()->lbspatne->text(), QStringLiteral("4"));
        QCOMPARE(eval()->CheckListBox1->count(), 4);
    }

    void answerDisplayFollowsTheSetting_data() {
        QTest::addColumn<QString>("setting");
        QTest::addColumn<bool>("afterVim");
        QTest::addColumn<bool>("afterNevim");
        QTest::newRow("Nezobrazovat") << "rbnezobrazit" << false << false;
        QTest::newRow("Zobrazovat") << "rbzobrazit" << false << true;
        QTest::newRow("pokaždé") << "rbobe" << true << true;
    }
    void answerDisplayFollowsTheSetting() {
        QFETCH(QString, setting);
        QFETCH(bool, afterVim);
        QFETCH(bool, afterNevim);
        sequential();
        settings()->findChild<QRadioButton *>(setting)->click();
        open({"pes+čokl;dog+hound;[];NENÍ", "kočka;cat;[];NENÍ", "myš;mouse;[];NENÍ"});
        test()->btjoClick();
        QCOMPARE(test()->mespravneprvni->toPlainText(),
                 afterVim ? QStringLiteral("pes ; čokl") : QStringLiteral("-"));
        QCOMPARE(test()->mespravne->toPlainText(),
                 afterVim ? QStringLiteral("dog ; hound") : QStringLiteral("-"));
        test()->btneClick();
        QCOMPARE(test()->mespravneprvni->toPlainText(),
                 afterNevim ? QStringLiteral("kočka") : QStringLiteral("-"));
        QCOMPARE(test()->mespravne->toPlainText(),
                 afterNevim ? QStringLiteral("cat") : QStringLiteral("-"));
    }

    void threeMeaningsAreShownJoinedAfterEitherAnswerInRandomOrder() {
        open({"a+b+c;x;[];NENÍ", "a+b+c;y;[];NENÍ", "a+b+c;z;[];NENÍ"});
        QCOMPARE(test()->mecz->toPlainText(), QStringLiteral("a ; b ; c"));
        QTest::mouseClick(test()->btjo, Qt::LeftButton);
        QCOMPARE(test()->mecz->toPlainText(), QStringLiteral("a ; b ; c"));
        QTest::mouseClick(test()->btne, Qt::LeftButton);
        QCOMPARE(test()->mecz->toPlainText(), QStringLiteral("a ; b ; c"));
    }

    void foreignToCzechAsksTheForeignText() {
        sequential();
        settings()->rbangcj->click();
        open({"kočka;cat;[];NENÍ"});
        QCOMPARE(test()->mecz->toPlainText(), QStringLiteral("cat"));
        test()->btneClick();
        // The evaluation still saves and prints Czech first.
        QCOMPARE(eval()->CheckListBox1->item(0)->text(), QStringLiteral("cat"));
        eval()->CheckListBox1->item(0)->setCheckState(Qt::Checked);
        const Tpole chosen = eval()->vybraneZaznamy();
        QCOMPARE(chosen.size(), 1);
        QCOMPARE(chosen[0].cz, QStringLiteral("kočka"));
        QCOMPARE(chosen[0].ang, QStringLiteral("cat"));
        // Saved as a dictionary: Czech first.
        eval()->rbulozit->setChecked(true);
        const QString target = m_windows->platform().folder.userFile(QStringLiteral("znovu.slv"));
        dialogs().files.push_back(target);
        eval()->BitBtn4Click();
        QFile saved(target);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll(), QByteArray("ko\xe8ka;cat;[];NEN\xcd\r\n"));
    }

    void keysVAndNAnswerLikeTheButtons() {
        sequential();
        open({"a;x;[];NENÍ", "b;y;[];NENÍ", "c;z;[];NENÍ", "d;w;[];NENÍ"});
        QTest::keyClick(test(), Qt::Key_V);
        QTest::keyClick(test(), Qt::Key_N);
        QTest::keyClick(test(), Qt::Key_N, Qt::ShiftModifier);
        QCOMPARE(test()->spravne(), 1);
        QCOMPARE(test()->spatne(), 2);
        QCOMPARE(test()->btjo->text(), QStringLiteral("&Vím"));
        QCOMPARE(test()->btne->text(), QStringLiteral("&Nevím"));
    }

    void answerWithoutADictionaryIsRefused() {
        test()->btjoClick();
        test()->btneClick();
        const QString none = QStringLiteral("Není načtený slovník!");
        QCOMPARE(dialogs().texts(), (QStringList{none, none}));
    }

    void interruptingAsksAndResetsOnYes() {
        sequential();
        open({"a;x;[];NENÍ", "b;y;[];NENÍ"});
        dialogs().answers = {false};
        test()->BitBtn2Click();
        QVERIFY(test()->nacteno());
        dialogs().answers = {true};
        test()->BitBtn2Click();
        QCOMPARE(dialogs().lastText(),
                 QStringLiteral("Právě probíhá zkoušení, přejete si ho přerušit?"));
        QVERIFY(!test()->nacteno());
        QCOMPARE(test()->lbpocet->text(), QStringLiteral("-"));
        QCOMPARE(test()->mecz->toPlainText(), QStringLiteral("-"));
    }

    void directionAndOrderAreRefusedDuringATest() {
        open({"a;x;[];NENÍ", "b;y;[];NENÍ"});
        settings()->rbpostupne->click();
        QVERIFY(settings()->rbnahodne->isChecked());
        settings()->rbangcj->click();
        QVERIFY(settings()->rbcjang->isChecked());
        const QString refused =
            QStringLiteral("Během zkoušení není povoleno měnit tuto vlastnost!");
        QCOMPARE(dialogs().texts(), (QStringList{refused, refused}));
        settings()->rbobe->click();
        QCOMPARE(dialogs().shown.size(), 2);
        test()->close();
        settings()->rbpostupne->click();
        QVERIFY(settings()->rbpostupne->isChecked());
        QCOMPARE(dialogs().shown.size(), 2);
    }

    void retestFromTheEvaluationAsksTheCheckedOnesAgain() {
        sequential();
        open({"a;x;[];NENÍ", "b;y;[];NENÍ", "c;z;[];NENÍ"});
        test()->btneClick();
        test()->btjoClick();
        test()->btneClick();
        QCOMPARE(eval()->CheckListBox1->count(), 2);
        eval()->CheckListBox1->item(1)->setCheckState(Qt::Checked);
        eval()->BitBtn4Click();
        QVERIFY(test()->isVisible());
        QVERIFY(!eval()->isVisible());
        QCOMPARE(test()->lbpocet->text(), QStringLiteral("1"));
        QCOMPARE(test()->mecz->toPlainText(), QStringLiteral("c"));
        QCOMPARE(eval()->CheckListBox1->count(), 0);
        test()->btjoClick();
        QCOMPARE(eval()->lbuspesnost->text(), QStringLiteral("100"));
        // "Zpět" returns to Testing II, reset.
        eval()->BitBtn1Click();
        QVERIFY(test()->isVisible());
        QVERIFY(!test()->nacteno());
        QVERIFY(!test()->dokonceno);
    }

    void theEvaluationServesTheTestThatEndedLast() {
        // Testing I ends and its evaluation is left open; then Testing II ends too.
        m_windows->forms().Form10->rbpostupne->click();
        dialogs().files.push_back(
            writeDictionary(m_windows->platform(), "jedna.slv", {"a;x;[];NENÍ"}));
        m_windows->forms().Form4->btnovyClick();
        QVERIFY(m_windows->forms().Form4->nacteno());
        m_windows->forms().Form4->edtodpoved->setText(QStringLiteral("?"));
        QTest::keyClick(m_windows->forms().Form4->edtodpoved, Qt::Key_Return);
        QVERIFY(m_windows->forms().Form4->dokonceno);
        sequential();
        open({"b;y;[];NENÍ"});
        test()->btneClick();
        QVERIFY(test()->dokonceno);
        QVERIFY(!m_windows->forms().Form4->dokonceno);
        eval()->BitBtn1Click();
        QVERIFY(test()->isVisible());
        QVERIFY(!m_windows->forms().Form4->isVisible());
    }

    void soundPlaysWhenWantedAndPresent() {
        sequential();
        const QString wav = m_windows->platform().writeFile("zvuky/a.wav", "RIFF");
        open({"a;x;[];" + wav, "b;y;[];NENÍ", "c;z;[];" + wav});
        QCOMPARE(m_windows->platform().sound().played, QStringList{wav});
        test()->btjoClick();
        settings()->CheckBox1->click();
        test()->btjoClick();
        QCOMPARE(m_windows->platform().sound().played.size(), 1);
    }

    void closingReturnsToTheMainWindow() {
        open({"a;x;[];NENÍ"});
        test()->show();
        test()->BitBtn1Click();
        QVERIFY(!test()->isVisible());
        QVERIFY(!test()->nacteno());
        QVERIFY(m_windows->forms().Form1->isVisible());
        QCOMPARE(applicationTitle(), QStringLiteral("Vokab"));
    }

    void moreThanFourMeaningsAndShortLines() {
        sequential();
        settings()->rbobe->click();
        open({"a+b+c+d+e;v+w+x+y+z", "jen"});
        QCOMPARE(test()->mecz->toPlainText(), QStringLiteral("a ; b ; c ; d ; e"));
        test()->btjoClick();
        QCOMPARE(test()->mespravne->toPlainText(), QStringLiteral("v ; w ; x ; y ; z"));
        QCOMPARE(test()->mecz->toPlainText(), QStringLiteral("jen"));
        test()->btneClick();
        QCOMPARE(test()->mespravne->toPlainText(), QString());
        QCOMPARE(eval()->vysledky[0].zvuk, QString());
    }

private:
    TForm12 *test() { return m_windows->forms().Form12; }
    TForm13 *settings() { return m_windows->forms().Form13; }
    TForm9 *eval() { return m_windows->forms().Form9; }
    ScriptedDialogs &dialogs() { return m_windows->dialogs(); }

    void sequential() { settings()->rbpostupne->click(); }
    void open(const QStringList &lines) {
        dialogs().files.push_back(writeDictionary(m_windows->platform(), "dva.slv", lines));
        test()->BitBtn2Click();
    }

    std::unique_ptr<TestWindows> m_windows;
};

QTEST_MAIN(TestTesting2)
#include "tst_testing2.moc"
