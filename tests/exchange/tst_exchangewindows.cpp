// Import and export through the editor's "Slovník" menu and the import window.
#include "dictionary/Unit2.h"
#include "dictionary/dictionarymodel.h"
#include "exchange/importwindow.h"
#include "support/testplatform.h"
#include "ui/forms.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QTest>

namespace {

QString peerFile(const QString &name) {
    return TestPlatform::sourceDir() + QStringLiteral("/tests/data/peers/") + name;
}

// The rows of the editor's list as it shows them: "foreign|Czech|pronunciation|sound",
// cut at "/".
QString listText(const TForm2 *editor) {
    const QAbstractItemModel *model = editor->document().model();
    QStringList rows;
    for (int row = 0; row < model->rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < model->columnCount(); ++column)
            cells << model->index(row, column).data().toString();
        rows << cells.join(u'|');
    }
    return rows.join(u'/');
}

// Chooses a file in the editor's "Importovat…"; a delimited file then waits in the
// import window.
void importThroughMenu(TestWindows &windows, const QString &path) {
    windows.dialogs().files.push_back(path);
    windows.forms().Form2->findChild<QAction *>(QStringLiteral("importAction"))->trigger();
}

} // namespace

class TestExchangeWindows : public QObject {
    Q_OBJECT

private slots:
    // A peer's file chosen in "Importovat…" fills the editor's list as a new, unsaved
    // dictionary: KVTML at once, delimited text after the import window's choices.
    void importThroughTheEditorMenuFillsTheList_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("encoding"); // shown by the import window; "" for none
        QTest::addColumn<bool>("tickHeader");
        QTest::addColumn<bool>("swapColumns");
        QTest::addColumn<QString>("list");
        QTest::newRow("LibreOffice, UTF-8, the header row ticked")
            << "libreoffice-utf8.csv"
            << "UTF-8" << true << false
            << "cat|kočka|[]|NENÍ/horse|kůň, oř|[]|NENÍ/fish+ small|rybička|[]|NENÍ/"
               "turtle|želva|[]|NENÍ";
        QTest::newRow("LibreOffice, Windows-1250, the columns swapped")
            << "libreoffice-windows1250.csv"
            << "Windows-1250" << true << true
            << "kočka|cat|[]|NENÍ/kůň, oř|horse|[]|NENÍ/rybička|fish+ small|[]|NENÍ/"
               "želva|turtle|[]|NENÍ";
        QTest::newRow("LibreOffice, the header row taken as an expression")
            << "libreoffice-utf8.csv"
            << "UTF-8" << false << false
            << "Anglicky|Česky|[]|NENÍ/cat|kočka|[]|NENÍ/horse|kůň, oř|[]|NENÍ/"
               "fish+ small|rybička|[]|NENÍ/turtle|želva|[]|NENÍ";
        QTest::newRow("Anki's notes") << "anki-notes.txt"
                                      << "UTF-8" << false << false
                                      << "cat|kočka|[k4t]|NENÍ/dog|pes čokl|[]|NENÍ/"
                                         "horse+ stallion|kůň & hřebec|[]|NENÍ";
        QTest::newRow("Parley, no window") << "parley.kvtml"
                                           << "" << false << false
                                           << "cat|kočka|[k4t]|NENÍ/dog|pes+čokl|[d9g]|NENÍ/"
                                              "horse|kůň|[]|NENÍ/tortoise|želva|[]|NENÍ";
    }
    void importThroughTheEditorMenuFillsTheList() {
        QFETCH(QString, file);
        QFETCH(QString, encoding);
        QFETCH(bool, tickHeader);
        QFETCH(bool, swapColumns);
        TestWindows windows;
        TForm2 *editor = windows.forms().Form2;
        ImportWindow *window = windows.forms().importWindow;
        editor->show();
        importThroughMenu(windows, peerFile(file));
        QCOMPARE(window->isVisible(), !encoding.isEmpty());
        if (window->isVisible()) {
            QCOMPARE(window->encodingBox->currentText(), encoding);
            if (tickHeader)
                QTest::mouseClick(window->headerCheck, Qt::LeftButton, {},
                                  QPoint(4, window->headerCheck->height() / 2));
            if (swapColumns) {
                window->foreignBox->setCurrentIndex(1);
                window->czechBox->setCurrentIndex(0);
            }
            QVERIFY(!editor->isEnabled());
            QTest::mouseClick(window->importButton, Qt::LeftButton);
            QVERIFY(!window->isVisible());
        }
        QVERIFY(editor->isEnabled());
        QTEST(listText(editor), "list");
        QVERIFY(editor->document().isModified());
        QCOMPARE(editor->document().fileName(), dictionaryfile::kNewDictionaryName);
        QCOMPARE(windows.dialogs().unexpected, 0);
    }

    // Characters that Windows-1250 cannot hold are listed before they reach the editor:
    // replaced by the nearest letter, or the import is cancelled and nothing changes.
    void charactersWindows1250CannotHoldAreReplacedOrTheImportCancelled_data() {
        QTest::addColumn<int>("choice");
        QTest::addColumn<QString>("list");
        QTest::addColumn<bool>("windowStays");
        QTest::newRow("replaced") << 0 << "a la carte|podle lístku|[]|NENÍ/naive|naivní|[]|NENÍ"
                                  << false;
        QTest::newRow("cancelled") << 1 << "|||" << true; // the empty list's one row
    }
    void charactersWindows1250CannotHoldAreReplacedOrTheImportCancelled() {
        QFETCH(int, choice);
        TestWindows windows;
        TForm2 *editor = windows.forms().Form2;
        ImportWindow *window = windows.forms().importWindow;
        editor->show();
        const QString path = windows.platform().writeFile(
            QStringLiteral("jine/cizi.csv"),
            QStringLiteral("à la carte,podle lístku\r\nnaïve,naivní\r\n").toUtf8());
        importThroughMenu(windows, path);
        QVERIFY(window->isVisible());
        windows.dialogs().choices.push_back(choice);
        QTest::mouseClick(window->importButton, Qt::LeftButton);
        QVERIFY(windows.dialogs().lastText().contains(QStringLiteral("à → a (1×)\nï → i (1×)")));
        QTEST(listText(editor), "list");
        QTEST(window->isVisible(), "windowStays");
        QCOMPARE(editor->isEnabled(), !window->isVisible());
        QCOMPARE(editor->document().isModified(), choice == 0);
    }

    // The editor's dictionary exported as CSV, TSV or KVTML comes back through
    // "Importovat…" as it was; an export the program cannot write is refused in Czech.
    void exportedDictionaryComesBackThroughTheWindows_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("empty");
        QTest::addColumn<QString>("refusal");
        QTest::newRow("CSV") << "zvirata.csv" << false << "";
        QTest::newRow("TSV") << "zvirata.tsv" << false << "";
        QTest::newRow("KVTML") << "zvirata.kvtml" << false << "";
        QTest::newRow("no known extension")
            << "zvirata.txt" << false << "nemá příponu .csv, .tsv ani .kvtml";
        QTest::newRow("empty dictionary")
            << "prazdny.csv" << true << "Nelze exportovat prázdný slovník.";
    }
    void exportedDictionaryComesBackThroughTheWindows() {
        QFETCH(QString, file);
        QFETCH(bool, empty);
        QFETCH(QString, refusal);
        TestWindows windows;
        TForm2 *editor = windows.forms().Form2;
        editor->show();
        if (!empty) {
            windows.dialogs().files.push_back(TestPlatform::sourceDir() +
                                              QStringLiteral("/data/Slovniky/zvirata.slv"));
            editor->openAction->trigger();
            QCOMPARE(editor->recordCount(), 30);
        }
        const Tpole original = editor->dictionary();
        const QString folder =
            QFileInfo(windows.platform().writeFile(QStringLiteral("vyvoz/.keep"), {}))
                .absolutePath();
        const QString path = folder + u'/' + file;
        windows.dialogs().files.push_back(path);
        editor->exportAction->trigger();
        if (!refusal.isEmpty()) {
            QVERIFY2(windows.dialogs().lastText().contains(refusal),
                     qPrintable(windows.dialogs().lastText()));
            QVERIFY(!QFile::exists(path));
            return;
        }
        QCOMPARE(windows.dialogs().lastText(),
                 QStringLiteral("Slovník byl exportován do souboru „%1“.")
                     .arg(QDir::toNativeSeparators(path)));
        editor->newDictionary();
        importThroughMenu(windows, path);
        ImportWindow *window = windows.forms().importWindow;
        if (window->isVisible()) {
            QVERIFY(window->headerCheck->isChecked());
            QTest::mouseClick(window->importButton, Qt::LeftButton);
        }
        QCOMPARE(editor->dictionary(), original);
    }
};

QTEST_MAIN(TestExchangeWindows)
#include "tst_exchangewindows.moc"
