#include "support/press.h"
#include "support/testfiles.h"
#include "support/testplatform.h"
#include "translator/Unit24.h"
#include "ui/forms.h"

#include <QAction>
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QLineEdit>
#include <QTableView>
#include <QTest>

namespace {

// 5 English lines, the skipped line, the separator and 3 Czech lines.
const QStringList kSmall{"ABACUS;POČITADLO",     "ZEBRA;ZEBRA",
                         "ABC;ABECEDA",          "CAT;KOČKA",
                         "abbey;opatství",       "NEVIDITELNY;SKRYTY",
                         "Začátek český výrazů", "KOČKA;CAT",
                         "POČITADLO;ABACUS",     "PES;DOG"};

std::unique_ptr<TestWindows> windowsWith(const QByteArray &file,
                                         std::unique_ptr<TestPlatform> platform = nullptr) {
    if (!platform)
        platform = std::make_unique<TestPlatform>();
    platform->writeFile("prekladac.dat", file);
    return std::make_unique<TestWindows>(std::move(platform));
}

} // namespace

class TestTranslator : public QObject {
    Q_OBJECT

private slots:
    void listsFillTheGridAndInfoCountsBoth() {
        auto windows = windowsWith(cp1250Lines(kSmall));
        TForm24 *t = windows->forms().Form24;
        // The word list fills the grid when the translator is first shown.
        t->show();
        QCOMPARE(t->rowCount(), 1 + 5);
        QCOMPARE(t->cell(0, 0), QStringLiteral("Cizí výraz"));
        QCOMPARE(t->cell(1, 0), QStringLiteral("Český výraz"));
        QCOMPARE(t->cell(0, 1), QStringLiteral("ABACUS"));
        QCOMPARE(t->cell(1, 4), QStringLiteral("KOČKA"));
        QCOMPARE(t->windowTitle(), QStringLiteral("Translator (ANJ -> CZ)"));
        for (int row = 1; row < t->rowCount(); ++row)
            QVERIFY(t->cell(0, row) != QStringLiteral("NEVIDITELNY"));
        press(t, "Info1");
        QCOMPARE(windows->dialogs().lastText(), QStringLiteral("Ve slovníku je: 8 výrazů."));
        QCOMPARE(windows->dialogs().shown.last().kind, MessageKind::Information);
    }

    void typingMovesToTheFirstEntryWithThePrefix() {
        auto windows = windowsWith(cp1250Lines(kSmall));
        TForm24 *t = windows->forms().Form24;
        t->show();
        typeText(t->edthledej, "z");
        QCOMPARE(t->edthledej->text(), QStringLiteral("Z")); // forced to upper case
        QCOMPARE(t->currentRow(), 2);
        t->edthledej->clear();
        typeText(t->edthledej, "A");
        QCOMPARE(t->currentRow(), 1); // the very first entry
        QCOMPARE(t->topRow(), 1);
        typeText(t->edthledej, "B");
        QCOMPARE(t->currentRow(), 1);
        typeText(t->edthledej, "C");
        QCOMPARE(t->currentRow(), 3);
        QTest::keyClick(t->edthledej, Qt::Key_Backspace);
        QTest::keyClick(t->edthledej, Qt::Key_Backspace);
        QTest::keyClick(t->edthledej, Qt::Key_Backspace);
        QCOMPARE(t->edthledej->text(), QString());
        t->StringGrid1->setCurrentIndex(t->StringGrid1->model()->index(3, 0));
        QTest::keyClick(t->edthledej, Qt::Key_Backspace); // empty box: row 1
        QCOMPARE(t->currentRow(), 1);
    }

    void lowerCaseAndLongerTextsAreNotFound() {
        auto windows = windowsWith(cp1250Lines(kSmall));
        TForm24 *t = windows->forms().Form24;
        t->show();
        typeText(t->edthledej, "CATS");
        QCOMPARE(t->currentRow(), 4); // CAT chose row 4, CATS moved nothing
        t->edthledej->clear();
        typeText(t->edthledej, "ABBEY"); // only "abbey" exists
        QCOMPARE(t->currentRow(), 1);    // AB chose ABACUS; "abbey" in row 5 is never reached
    }

    void eighthCharacterMovesNothingAndEnterSearchesExactly() {
        QStringList lines{"ABCDEFGHXX;1", "ABCDEFGH;2", "ABCDEFGZ;3",
                          "X;4",          "",           "Začátek český výrazů"};
        auto windows = windowsWith(cp1250Lines(lines));
        TForm24 *t = windows->forms().Form24;
        t->show();
        typeText(t->edthledej, "ABCDEFGZ");
        QCOMPARE(t->currentRow(), 1); // seven characters chose row 1; the eighth waits
        QTest::keyClick(t->edthledej, Qt::Key_Return);
        QCOMPARE(t->currentRow(), 3);
        QCOMPARE(t->edthledej->selectedText(), QStringLiteral("ABCDEFGZ"));
        t->edthledej->setText(QStringLiteral("ABCDEFGH"));
        press(t, "Hledej1");
        QCOMPARE(t->currentRow(), 2);
    }

    void switchOffTypingMovesNothing() {
        auto windows = windowsWith(cp1250Lines(kSmall));
        TForm24 *t = windows->forms().Form24;
        t->show();
        t->Auto1->trigger();
        QVERIFY(!t->Auto1->isChecked());
        typeText(t->edthledej, "PES");
        QCOMPARE(t->currentRow(), 1);
        t->ZCZdoANj1->trigger();
        QTest::keyClick(t->edthledej, Qt::Key_Return);
        QCOMPARE(t->currentRow(), 3);
    }

    void swappingSelectsTheTranslationAndTwiceReturns() {
        auto windows = windowsWith(cp1250Lines(kSmall));
        TForm24 *t = windows->forms().Form24;
        t->show();
        typeText(t->edthledej, "CAT");
        QCOMPARE(t->currentRow(), 4);
        press(t, "SpeedButton2");
        QCOMPARE(t->windowTitle(), QStringLiteral("Translator (CZ -> ANJ)"));
        QCOMPARE(t->cell(0, 0), QStringLiteral("Český výraz"));
        QCOMPARE(t->rowCount(), 4);
        QVERIFY(t->ZCZdoANj1->isChecked() && !t->ZANJdoCZ1->isChecked());
        QCOMPARE(t->cell(0, t->currentRow()), QStringLiteral("KOČKA"));
        QCOMPARE(t->edthledej->text(), QStringLiteral("CAT"));
        t->ZCZdoANj1->trigger(); // the checked item swaps too
        QVERIFY(!t->ZCZdoANj1->isChecked() && t->ZANJdoCZ1->isChecked());
        QCOMPARE(t->currentRow(), 4);
        QCOMPARE(t->rowCount(), 6);
    }

    void copyPutsTheTranslationOnTheClipboard() {
        auto windows = windowsWith(cp1250Lines(kSmall));
        TForm24 *t = windows->forms().Form24;
        t->show();
        typeText(t->edthledej, "ZE");
        t->Koprujdoschrnky1->trigger();
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("ZEBRA"));
        typeText(t->edthledej, "");
        t->edthledej->setText(QStringLiteral("ABACUS"));
        press(t, "SpeedButton1");
        press(t, "SpeedButton3");
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("POČITADLO"));
    }

    void cellsCarryTheirTextAsHint() {
        auto windows = windowsWith(cp1250Lines(kSmall));
        windows->forms().Form24->show();
        auto *model = windows->forms().Form24->StringGrid1->model();
        QCOMPARE(model->index(1, 1).data(Qt::ToolTipRole).toString(), QStringLiteral("ZEBRA"));
        QCOMPARE(model->headerData(1, Qt::Horizontal, Qt::ToolTipRole).toString(),
                 QStringLiteral("Český výraz"));
    }

    void theOnlyWordListStaysChecked() {
        auto windows = windowsWith(cp1250Lines(kSmall));
        TForm24 *t = windows->forms().Form24;
        t->englishAction->trigger();
        QVERIFY(t->englishAction->isChecked());
        t->englishAction->trigger();
        QVERIFY(t->englishAction->isChecked());
    }

    void directionAndSwitchSurviveARestart() {
        auto first = windowsWith(cp1250Lines(kSmall));
        TForm24 *t = first->forms().Form24;
        QCOMPARE(*first->platform().memory().readInteger("Translator", "ZANJDOCZ"), 1);
        QCOMPARE(*first->platform().memory().readInteger("Translator", "Okamzite"), 1);
        t->show();
        press(t, "SpeedButton2");
        press(t, "Auto1");
        press(t, "BitBtn1");
        QCOMPARE(applicationTitle(), QStringLiteral("Vokab"));
        auto reg = first->platform().memory().values("Translator");
        auto platform = std::make_unique<TestPlatform>();
        for (const auto &v : reg) {
            platform->memory().createKey("Translator");
            platform->memory().writeInteger("Translator", v.name, v.value.toInt());
        }
        auto second = windowsWith(cp1250Lines(kSmall), std::move(platform));
        TForm24 *again = second->forms().Form24;
        QVERIFY(again->ZCZdoANj1->isChecked());
        QVERIFY(!again->ZANJdoCZ1->isChecked());
        QVERIFY(!again->Auto1->isChecked());
        again->show();
        QCOMPARE(again->cell(0, 1), QStringLiteral("KOČKA"));
    }

    void badFilesLeaveEmptyListsWithAMessage_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("message");
        QTest::newRow("no separator")
            << cp1250Lines({"A;B", "C;D"}) << QString("chybí v něm řádek");
        QTest::newRow("separator first")
            << cp1250Lines({"Začátek český výrazů", "A;B"}) << QString("nesmí být prvním řádkem");
    }
    void badFilesLeaveEmptyListsWithAMessage() {
        QFETCH(QByteArray, file);
        QFETCH(QString, message);
        auto windows = windowsWith(file);
        TForm24 *t = windows->forms().Form24;
        QVERIFY2(windows->dialogs().texts().join('|').contains(message),
                 qPrintable(windows->dialogs().texts().join('|')));
        QCOMPARE(t->rowCount(), 2); // header and one empty row
        t->show();
        typeText(t->edthledej, "A");
        t->edthledej->setText("A");
        press(t, "SpeedButton1");
        press(t, "SpeedButton2");
        QCOMPARE(t->rowCount(), 2);
    }

    void missingFileSaysSo() {
        auto platform = std::make_unique<TestPlatform>();
        QVERIFY(QFile::remove(platform->folder.shipped("prekladac.dat")));
        TestWindows windows(std::move(platform));
        QVERIFY(windows.dialogs().texts().contains(QStringLiteral("Nenalezen slovník!")));
        QCOMPARE(windows.forms().Form24->rowCount(), 2);
        QVERIFY(!windows.platform().memory().keyExists("Translator"));
    }
};

QTEST_MAIN(TestTranslator)
#include "tst_translator.moc"
