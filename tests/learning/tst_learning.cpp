#include "app/Unit1.h"
#include "app/Unit8.h"
#include "core/wav.h"
#include "learning/Unit6.h"
#include "learning/Unit7.h"
#include "learning/vyuka.h"
#include "support/press.h"
#include "support/testfiles.h"
#include "support/testplatform.h"
#include "ui/form.h"
#include "ui/forms.h"

#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

namespace {

// A PCM WAV of the given length: 8000 Hz, 16-bit mono.
QByteArray wavOfSeconds(double seconds) {
    return wav::pcmFile(QByteArray(int(seconds * 8000) * 2, '\0'), 8000, 1, 16);
}

} // namespace

class TestLearning : public QObject {
    Q_OBJECT

    std::unique_ptr<TestWindows> m_windows;
    TForm6 *learning() { return m_windows->forms().Form6; }
    TForm7 *settings() { return m_windows->forms().Form7; }
    ScriptedDialogs &dialogs() { return m_windows->dialogs(); }

    // Opens a dictionary file through the learning window's file dialog.
    void open(const QByteArray &bytes) {
        const QString path = m_windows->platform().writeFile("slovnik.slv", bytes);
        dialogs().files.push_back(path);
        press(learning(), "Otevt1");
    }
    void openThree() {
        open(cp1250("kočka;cat;[k4t];NENÍ\r\npes+čokl;dog;[];NENÍ\r\nmyš;mouse;[ma2s];NENÍ\r\n"));
    }

private slots:
    void init() {
        m_windows = std::make_unique<TestWindows>();
        learning()->show();
    }
    void cleanup() { m_windows.reset(); }

    void firstStartWritesTheThreeDefaultsInOrder() {
        const QList<MemoryRegistry::Value> values = m_windows->platform().memory().values("Vyuka");
        QCOMPARE(values.size(), 3);
        QCOMPARE(values[0].name, QStringLiteral("Interval"));
        QCOMPARE(values[0].value, QVariant(1));
        QCOMPARE(values[1].name, QStringLiteral("Pocsekund"));
        QCOMPARE(values[1].value, QVariant(2));
        QCOMPARE(values[2].name, QStringLiteral("VyskaPisma"));
        QCOMPARE(values[2].value, QVariant(10));
        QVERIFY(settings()->chbautposuv->isChecked());
        QCOMPARE(settings()->SpinEdit1->value(), 2);
    }

    void storedValuesAreClampedToTheFieldRanges() {
        auto platform = std::make_unique<TestPlatform>();
        platform->memory().writeInteger("Vyuka", "Interval", 0);
        platform->memory().writeInteger("Vyuka", "Pocsekund", 1);
        platform->memory().writeInteger("Vyuka", "VyskaPisma", 25);
        TestWindows windows(std::move(platform));
        TForm7 *form = windows.forms().Form7;
        QVERIFY(!form->chbautposuv->isChecked());
        QVERIFY(!form->SpinEdit1->isEnabled());
        QCOMPARE(form->SpinEdit1->value(), 2);
        QCOMPARE(form->spedtvyskapisma->value(), 20);

        auto high = std::make_unique<TestPlatform>();
        high->memory().writeInteger("Vyuka", "Interval", 1);
        high->memory().writeInteger("Vyuka", "Pocsekund", 25);
        high->memory().writeInteger("Vyuka", "VyskaPisma", 1);
        TestWindows again(std::move(high));
        QCOMPARE(again.forms().Form7->SpinEdit1->value(), 20);
        QCOMPARE(again.forms().Form7->spedtvyskapisma->value(), 10);
    }

    void confirmingAppliesToTheLearningWindowAndStores() {
        settings()->chbautposuv->setChecked(false);
        QVERIFY(!settings()->SpinEdit1->isEnabled());
        settings()->spedtvyskapisma->setValue(16);
        press(settings(), "BitBtn1");
        QVERIFY(!learning()->BitBtn3->isEnabled());
        QCOMPARE(learning()->lbinterval->text(), QStringLiteral("-"));
        QCOMPARE(learning()->mec->font().pointSize(), 16);
        QCOMPARE(*m_windows->platform().memory().readInteger("Vyuka", "Interval"), 0);
        QCOMPARE(*m_windows->platform().memory().readInteger("Vyuka", "VyskaPisma"), 16);

        settings()->chbautposuv->setChecked(true);
        settings()->SpinEdit1->setValue(7);
        press(settings(), "BitBtn1");
        QVERIFY(learning()->BitBtn3->isEnabled());
        QCOMPARE(learning()->lbinterval->text(), QStringLiteral("7"));
    }

    void backKeepsChangesForTheRunWithoutStoringThem() {
        settings()->SpinEdit1->setValue(9);
        press(settings(), "BitBtn2");
        QCOMPARE(*m_windows->platform().memory().readInteger("Vyuka", "Pocsekund"), 2);
        openThree();
        press(learning(), "btstart");
        QCOMPARE(learning()->Timer1->interval(), 9000);
    }

    void threeExpressionsStepThenAskWithTheLastNumber() {
        settings()->chbautposuv->setChecked(false);
        openThree();
        QCOMPARE(learning()->lbcelkvyrazu->text(), QStringLiteral("3"));
        QCOMPARE(learning()->lbaktvyraz->text(), QStringLiteral("0"));
        QCOMPARE(learning()->lbinterval->text(), QStringLiteral("-"));
        const QStringList czech{"kočka", "pes ; čokl", "myš"};
        for (int i = 0; i < 3; ++i) {
            press(learning(), "btstart");
            QCOMPARE(learning()->lbaktvyraz->text(), QString::number(i + 1));
            QCOMPARE(learning()->mec->toPlainText(), czech[i]);
        }
        QCOMPARE(learning()->meangvysl->toPlainText(), QStringLiteral("[ma2s]"));
        dialogs().answers.push_back(false);
        press(learning(), "btstart");
        QCOMPARE(dialogs().lastText(), QStringLiteral("Výuka skončila, přejete si ji zopakovat?"));
        QCOMPARE(dialogs().shown.last().kind, MessageKind::Information);
        // No: everything back to "-" and the dictionary dropped.
        QVERIFY(learning()->dictionary().isEmpty());
        for (QLabel *label :
             {learning()->lbcelkvyrazu, learning()->lbaktvyraz, learning()->lbinterval})
            QCOMPARE(label->text(), QStringLiteral("-"));
        QCOMPARE(learning()->mec->toPlainText(), QStringLiteral("-"));
    }

    void endOfAnAutomaticRunCountsTheLastAndRestartsAfterYes() {
        openThree();
        for (int i = 0; i < 3; ++i)
            learning()->Timer1Timer();
        dialogs().answers.push_back(true);
        learning()->Timer1Timer();
        QCOMPARE(dialogs().lastText(), QStringLiteral("Výuka zkončila, přejete si ji zopakovat?"));
        QCOMPARE(learning()->dictionary().size(), 3);
        QCOMPARE(learning()->position(), -1);
        QCOMPARE(learning()->lbaktvyraz->text(), QStringLiteral("0"));
        QCOMPARE(learning()->mec->toPlainText(), QStringLiteral("-"));
        QCOMPARE(learning()->meangvysl->toPlainText(), QStringLiteral("[ma2s]"));
        QVERIFY(learning()->Timer1->isActive()); // restarts by itself
        learning()->Timer1Timer();
        QCOMPARE(learning()->lbaktvyraz->text(), QStringLiteral("1"));
        QCOMPARE(learning()->mec->toPlainText(), QStringLiteral("kočka"));
    }

    void yesInManualModeWaitsAtZero() {
        settings()->chbautposuv->setChecked(false);
        openThree();
        for (int i = 0; i < 3; ++i)
            press(learning(), "btstart");
        dialogs().answers.push_back(true);
        press(learning(), "btstart");
        QCOMPARE(learning()->dictionary().size(), 3);
        QCOMPARE(learning()->lbaktvyraz->text(), QStringLiteral("0"));
        QVERIFY(!learning()->btstart->isHidden());
        QVERIFY(learning()->btdalsi->isHidden());
        QVERIFY(!learning()->Timer1->isActive());
        QVERIFY(!learning()->running());
    }

    void intervalAddsTheSoundsWholeSeconds() {
        const QString sound = m_windows->platform().writeFile("Temp/cat.wav", wavOfSeconds(2.6));
        open(cp1250("kočka;cat;[];" + sound + "\r\npes;dog;[];NENÍ\r\n"));
        settings()->SpinEdit1->setValue(5);
        press(learning(), "btstart");
        QCOMPARE(learning()->Timer1->interval(), 7000);
        QVERIFY(learning()->Timer1->isActive());
        QCOMPARE(m_windows->platform().sound().played, QStringList{sound});
        m_windows->forms().Form8->speakMissingBox->setChecked(false);
        press(learning(), "btstart");
        QCOMPARE(learning()->Timer1->interval(), 5000);
        QCOMPARE(m_windows->platform().sound().stops, 1); // nothing to play: the last one stops
    }

    void manualModePlaysWithoutTimer() {
        settings()->chbautposuv->setChecked(false);
        const QString sound = m_windows->platform().writeFile("Temp/cat.wav", wavOfSeconds(1));
        open(cp1250("kočka;cat;[];" + sound + "\r\npes;dog;[];C:\\chybi.wav\r\n"));
        press(learning(), "btstart");
        QVERIFY(!learning()->Timer1->isActive());
        press(learning(), "btstart"); // a missing file plays nothing
        QCOMPARE(m_windows->platform().sound().played, QStringList{sound});
    }

    void onlyLowerCaseDSteps() {
        settings()->chbautposuv->setChecked(false);
        openThree();
        typeText(learning(), "D");
        QCOMPARE(learning()->lbaktvyraz->text(), QStringLiteral("0"));
        typeText(learning(), "d");
        QCOMPARE(learning()->lbaktvyraz->text(), QStringLiteral("1"));
        typeText(learning(), "d");
        QCOMPARE(learning()->lbaktvyraz->text(), QStringLiteral("2"));
    }

    void pauseWaitsUntilContinued() {
        openThree();
        press(learning(), "BitBtn3"); // before the first step: nothing
        QVERIFY(!learning()->paused());
        QVERIFY(learning()->btpokracovat->isHidden());
        press(learning(), "btstart");
        press(learning(), "BitBtn3");
        QVERIFY(!learning()->Timer1->isActive());
        QVERIFY(!learning()->btdalsi->isEnabled());
        QVERIFY(!learning()->btpokracovat->isHidden());
        // Neither the key d nor an activation moves a paused run.
        typeText(learning(), "d");
        QCOMPARE(learning()->lbaktvyraz->text(), QStringLiteral("1"));
        QEvent activate(QEvent::WindowActivate);
        QCoreApplication::sendEvent(learning(), &activate);
        QVERIFY(!learning()->Timer1->isActive());
        press(learning(), "btpokracovat");
        QVERIFY(learning()->Timer1->isActive());
        QVERIFY(learning()->btdalsi->isEnabled());
        QVERIFY(!learning()->BitBtn3->isHidden());
    }

    void continuingAfterSwitchingToManualDoesNotStartTheTimer() {
        openThree();
        press(learning(), "btstart");
        press(learning(), "BitBtn3");
        settings()->chbautposuv->setChecked(false);
        press(settings(), "BitBtn1");
        press(learning(), "btpokracovat");
        QVERIFY(!learning()->paused());
        QVERIFY(!learning()->Timer1->isActive());
        QVERIFY(learning()->btdalsi->isEnabled());
        press(learning(), "btstart"); // the user steps by hand
        QCOMPARE(learning()->lbaktvyraz->text(), QStringLiteral("2"));
        QVERIFY(!learning()->Timer1->isActive());
    }

    void newLearningAsksAndEmptiesWithoutTheFileDialog() {
        openThree();
        const int dialogsBefore = int(dialogs().fileDialogs.size());
        dialogs().answers.push_back(true);
        press(learning(), "BitBtn2");
        QCOMPARE(dialogs().lastText(),
                 QStringLiteral("Právě probíhá výuka, přejete si ji ukončit a začít novou výuku?"));
        QVERIFY(learning()->dictionary().isEmpty());
        QCOMPARE(int(dialogs().fileDialogs.size()), dialogsBefore);
        QCOMPARE(learning()->lbcelkvyrazu->text(), QStringLiteral("-"));
    }

    void emptyFileAndMissingDictionaryAreReported() {
        open(QByteArray());
        QCOMPARE(dialogs().lastText(), QStringLiteral("Nejde načíst prázdný slovník!"));
        QVERIFY(learning()->dictionary().isEmpty());
        press(learning(), "btstart");
        QCOMPARE(dialogs().lastText(), QStringLiteral("Není načtený slovník"));
        QCOMPARE(dialogs().shown.last().kind, MessageKind::Warning);
        QCOMPARE(dialogs().fileDialogs.last().title, QStringLiteral("Otevřete soubor s výrazy"));
    }

    void meaningsAndShortLines() {
        settings()->chbautposuv->setChecked(false);
        open(cp1250("a+b+c+d+e;1+2;;NENÍ\r\njen\r\n"));
        press(learning(), "btstart");
        QCOMPARE(learning()->mec->toPlainText(), QStringLiteral("a ; b ; c ; d ; e"));
        QCOMPARE(learning()->meang->toPlainText(), QStringLiteral("1 ; 2"));
        QCOMPARE(learning()->meangvysl->toPlainText(), QString());
        press(learning(), "btstart");
        QCOMPARE(learning()->mec->toPlainText(), QStringLiteral("jen"));
        QCOMPARE(learning()->meang->toPlainText(), QString());
    }

    void closingResetsAndReturnsToTheMainWindow() {
        openThree();
        press(learning(), "btstart");
        setApplicationTitle("Vokab - Výuka výrazů");
        press(learning(), "Konec1");
        QVERIFY(learning()->dictionary().isEmpty());
        QVERIFY(!learning()->Timer1->isActive());
        QVERIFY(learning()->isHidden());
        QVERIFY(m_windows->forms().Form1->isVisible());
        QCOMPARE(applicationTitle(), QStringLiteral("Vokab"));
    }

    void intervalRuleIgnoresFractionsAndAbsurdLengths() {
        QCOMPARE(lesson::stepInterval(5, 2.6), 7000);
        QCOMPARE(lesson::stepInterval(5, 0.99), 5000);
        QCOMPARE(lesson::stepInterval(2, 0), 2000);
        QCOMPARE(lesson::stepInterval(2, 1e12), (86400 + 2) * 1000);
        QCOMPARE(lesson::meaningsText(u""), QString());
        QCOMPARE(lesson::meaningsText(u"a+"), QStringLiteral("a ; "));
    }
};

QTEST_MAIN(TestLearning)
#include "tst_learning.moc"
