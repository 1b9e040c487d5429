#include "app/Unit1.h"
#include "app/Unit8.h"
#include "dictionary/Unit17.h"
#include "dictionary/Unit2.h"
#include "dictionary/Unit3.h"
#include "dictionary/dictionarymodel.h"
#include "dictionary/expressionfilter.h"
#include "dictionary/slovnik.h"
#include "support/press.h"
#include "support/testfiles.h"
#include "support/testplatform.h"
#include "ui/forms.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCollator>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QScrollBar>
#include <QTableView>
#include <QTest>
#include <QToolButton>

namespace {

QString statusOf(TForm2 *editor) {
    return editor->StatusBar1->text();
}

void add(TForm2 *editor, const QString &ang, const QString &cz,
         const QString &pronunciation = QStringLiteral("[]"),
         const QString &sound = QStringLiteral("NENÍ")) {
    editor->edtang->setText(ang);
    editor->edtcz->setText(cz);
    editor->edtvyslovnost->setText(pronunciation);
    editor->edtzvuk->setText(sound);
    press(editor, "btpridej");
}

// Types a text key by key, letters with diacritics too.
void type(QWidget *field, const QString &text) {
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(field, &press);
        QApplication::sendEvent(field, &release);
    }
}

void click(QAbstractButton *button) {
    QTest::mouseClick(button, Qt::LeftButton);
}

// The sound fields of a dictionary file as it lies on the disk.
QStringList soundsInFile(const QString &path) {
    QStringList sounds;
    const Result<dictionaryfile::Loaded> read =
        dictionaryfile::readDictionaryFile(path, dictionaryfile::Contents::Records);
    for (const Tslovniky &record : read->dictionary)
        sounds.append(record.zvuk);
    return sounds;
}

QStringList soundsOf(const Tpole &dictionary) {
    QStringList sounds;
    for (const Tslovniky &record : dictionary)
        sounds.append(record.zvuk);
    return sounds;
}

const QString kSaveChanges = QStringLiteral("Slovník byl změněn. Uložit změny?");

} // namespace

class TestEditor : public QObject {
    Q_OBJECT

private slots:
    void init() { m_windows = std::make_unique<TestWindows>(); }
    void cleanup() { m_windows.reset(); }

    void addingAndDeletingShowTheirStatusTexts() {
        TForm2 *e = editor();
        QCOMPARE(statusOf(e), QStringLiteral("Počet výrazů ve slovníku: -"));
        add(e, QStringLiteral("cat"), QStringLiteral("kočka"));
        QCOMPARE(statusOf(e), QStringLiteral("Počet výrazů ve slovníku: 1"));
        add(e, QStringLiteral("dog"), QStringLiteral("pes"));
        QCOMPARE(statusOf(e), QStringLiteral("Počet výrazů ve slovníku: 2"));
        e->selectRow(0);
        press(e, "btodeber");
        QCOMPARE(statusOf(e), QStringLiteral("Počet výrazů ve slovníku:1"));
        QCOMPARE(e->dictionary().size(), 1);
        QCOMPARE(e->dictionary()[0].ang, QStringLiteral("dog"));
        // Add clears the fields for the next expression.
        QCOMPARE(e->edtang->text(), QString());
        QCOMPARE(e->edtvyslovnost->text(), QStringLiteral("[]"));
        QCOMPARE(e->edtzvuk->text(), QStringLiteral("NENÍ"));
    }

    // After a deletion anywhere in a list longer than the view, and after its undo, the list
    // scrolls exactly as far as its rows reach and its last row shows the last expression.
    void theListReachesItsLastRowAfterADeletion_data() {
        QTest::addColumn<int>("deleted");
        QTest::addColumn<bool>("undone");
        QTest::newRow("first") << 0 << false;
        QTest::newRow("middle") << 15 << false;
        QTest::newRow("last") << 29 << false;
        QTest::newRow("first, undone") << 0 << true;
        QTest::newRow("middle, undone") << 15 << true;
        QTest::newRow("last, undone") << 29 << true;
    }
    void theListReachesItsLastRowAfterADeletion() {
        QFETCH(int, deleted);
        QFETCH(bool, undone);
        TForm2 *e = editor();
        e->show();
        for (int i = 0; i < 30; ++i)
            add(e, QStringLiteral("w%1").arg(i), QStringLiteral("s%1").arg(i));
        e->selectRow(deleted);
        click(e->btodeber);
        if (undone)
            press(e, "undoAction");
        QCoreApplication::processEvents();
        const int rowCount = undone ? 30 : 29;
        QCOMPARE(e->document().model()->rowCount(), rowCount);
        QCOMPARE(e->stg->verticalHeader()->count(), rowCount);
        QScrollBar *bar = e->stg->verticalScrollBar();
        bar->setValue(bar->maximum());
        QCoreApplication::processEvents();
        const QRect rows = e->stg->viewport()->rect();
        const QModelIndex bottom = e->stg->indexAt(QPoint(2, rows.bottom() - 2));
        QCOMPARE(bottom.row(), rowCount - 1);
        QCOMPARE(e->stg->indexAt(QPoint(2, rows.bottom() + 4)).row(), -1);
        QCOMPARE(e->document().model()->cell(bottom.row(), 0),
                 QString(deleted == 29 && !undone ? "w28" : "w29"));
        if (undone) // back in its place
            QCOMPARE(e->document().model()->cell(deleted, 0), QStringLiteral("w%1").arg(deleted));
        QCOMPARE(e->selectedRow(), std::min(deleted, rowCount - 1));
    }

    void addWithAMissingEntryIsRefused() {
        TForm2 *e = editor();
        add(e, QStringLiteral("cat"), QString());
        QCOMPARE(dialogs().texts(),
                 QStringList{
                     QStringLiteral("Nejsou vyplněny všechny údaje, záznam nemůže být přidán!!")});
        QCOMPARE(dialogs().shown.last().kind, MessageKind::Warning);
        QVERIFY(e->dictionary().isEmpty());
        QCOMPARE(statusOf(e), QStringLiteral("Počet výrazů ve slovníku: -"));
    }

    void firstExpressionFillsTheEmptyRowAndTheNextOnesAddRows() {
        TForm2 *e = editor();
        QCOMPARE(e->document().model()->rowCount(), 1);
        add(e, QStringLiteral("cat"), QStringLiteral("kočka"), QStringLiteral("[k4t]"));
        QCOMPARE(e->document().model()->rowCount(), 1);
        QCOMPARE(e->document().model()->cell(0, 0), QStringLiteral("cat"));
        QCOMPARE(e->document().model()->cell(0, 2), QStringLiteral("[k4t]"));
        add(e, QStringLiteral("dog"), QStringLiteral("pes"));
        QCOMPARE(e->document().model()->rowCount(), 2);
        QCOMPARE(e->document().model()->cell(1, 1), QStringLiteral("pes"));
        // Deleting every expression leaves no row; the next addition makes row 1 again.
        e->selectRow(1);
        press(e, "btodeber");
        e->selectRow(0);
        press(e, "btodeber");
        QCOMPARE(e->document().model()->rowCount(), 0);
        press(e, "btodeber"); // nothing left to delete
        QCOMPARE(statusOf(e), QStringLiteral("Počet výrazů ve slovníku:0"));
        add(e, QStringLiteral("bird"), QStringLiteral("pták"));
        QCOMPARE(e->document().model()->rowCount(), 1);
        QCOMPARE(e->document().model()->cell(0, 0), QStringLiteral("bird"));
        QCOMPARE(e->document()
                     .model()
                     ->data(e->document().model()->index(0, 1), Qt::ToolTipRole)
                     .toString(),
                 QStringLiteral("pták"));
        QCOMPARE(e->document().model()->headerData(2, Qt::Horizontal, Qt::DisplayRole).toString(),
                 QStringLiteral("Cizojazyčná výslovnost"));
    }

    void newDictionaryAsksAndStartsAgain() {
        TForm2 *e = editor();
        add(e, QStringLiteral("cat"), QStringLiteral("kočka"));
        dialogs().answers = {false};
        press(e, "BitBtn5");
        QCOMPARE(e->recordCount(), 1);
        dialogs().answers = {true};
        dialogs().choices = {1};
        press(e, "BitBtn5");
        QCOMPARE(dialogs().texts().last(), kSaveChanges);
        QCOMPARE(dialogs().texts().at(dialogs().texts().size() - 2),
                 QStringLiteral("Chcete vytvořit nový slovník?"));
        QCOMPARE(e->recordCount(), 0);
        QCOMPARE(e->document().model()->rowCount(), 1);
        QCOMPARE(statusOf(e), QStringLiteral("Počet výrazů ve slovníku: - "));
        QCOMPARE(e->windowTitle(), QStringLiteral("Editor výrazů - novyslovnik.slv"));
    }

    void openedDictionaryShowsItsNameInLowerCase() {
        TForm2 *e = editor();
        const QString path = platform().writeFile(
            QStringLiteral("Slovniky/Zvirata.slv"),
            cp1250(QStringLiteral("kočka;cat;[k4t];NENÍ\r\npes;dog;[];NENÍ\r\n")));
        dialogs().files = {path};
        press(e, "BitBtn2");
        QCOMPARE(e->windowTitle(), QStringLiteral("Editor výrazů - zvirata.slv"));
        QCOMPARE(e->recordCount(), 2);
        QCOMPARE(e->document().model()->rowCount(), 2);
        QCOMPARE(e->document().model()->cell(0, 0), QStringLiteral("cat"));
        QCOMPARE(e->document().model()->cell(0, 1), QStringLiteral("kočka"));
        QCOMPARE(statusOf(e), QStringLiteral("Počet výrazů ve slovníku: 2"));
        QCOMPARE(dialogs().fileDialogs.last().title, QStringLiteral("Načíst slovník z:"));
        QCOMPARE(e->openDialog().fileName, path.toLower());
    }

    void emptyFileIsRefusedAndTheDictionaryKept() {
        TForm2 *e = editor();
        add(e, QStringLiteral("cat"), QStringLiteral("kočka"));
        dialogs().files = {platform().writeFile(QStringLiteral("prazdny.slv"), {})};
        dialogs().choices = {1};
        press(e, "BitBtn2");
        QCOMPARE(dialogs().texts(),
                 (QStringList{kSaveChanges, QStringLiteral("Nejde načíst prázdný slovník!")}));
        QCOMPARE(dialogs().shown.last().kind, MessageKind::Information);
        QCOMPARE(e->recordCount(), 1);
        QCOMPARE(e->windowTitle(), QStringLiteral("Editor výrazů - novyslovnik.slv"));
    }

    void savingAnEmptyDictionaryIsRefused() {
        TForm2 *e = editor();
        press(e, "BitBtn3");
        QCOMPARE(dialogs().texts(), QStringList{QStringLiteral("Nelze uložit prázdný slovník.")});
        QVERIFY(dialogs().fileDialogs.isEmpty());
    }

    void newDictionaryIsAlwaysSavedThroughTheDialog() {
        TForm2 *e = editor();
        const QString opened = platform().writeFile(QStringLiteral("novyslovnik.slv"),
                                                    cp1250(QStringLiteral("a;b;[];NENÍ\r\n")));
        dialogs().files = {opened, std::nullopt};
        press(e, "BitBtn2");
        press(e, "BitBtn3");
        QCOMPARE(dialogs().fileDialogs.size(), 2);
        QCOMPARE(dialogs().fileDialogs.last().title, QStringLiteral("Uložit slovník jako:"));
        QCOMPARE(dialogs().texts().last(), QStringLiteral("Slovník se nepodařilo uložit."));

        const QString chosen = platform().folder.userFile(QStringLiteral("Moje.slv"));
        dialogs().files = {chosen};
        press(e, "BitBtn3");
        QCOMPARE(bytesOf(chosen), cp1250(QStringLiteral("a;b;[];NENÍ\r\n")));
        QCOMPARE(e->windowTitle(), QStringLiteral("Editor výrazů - Moje.slv"));
        QCOMPARE(e->saveDialog().history, QStringList{chosen.toLower()});
        // The next Save writes to the same file without asking.
        add(e, QStringLiteral("c"), QStringLiteral("d"));
        press(e, "BitBtn3");
        QCOMPARE(dialogs().fileDialogs.size(), 3);
        QCOMPARE(bytesOf(chosen), cp1250(QStringLiteral("a;b;[];NENÍ\r\nd;c;[];NENÍ\r\n")));
    }

    // A line of two fields has an empty sound: saving it makes no sound folder and
    // warns of nothing, and the line keeps its empty fields.
    void shortLinesSaveWithoutASoundFolder() {
        TForm2 *e = editor();
        const QString path = platform().writeFile(QStringLiteral("Slovniky/Kratky.slv"),
                                                  cp1250(QStringLiteral("kočka;cat\r\n")));
        dialogs().files = {path};
        QTest::mouseClick(e->BitBtn2, Qt::LeftButton);
        QTest::mouseClick(e->BitBtn3, Qt::LeftButton);
        QCOMPARE(dialogs().texts(), QStringList());
        QCOMPARE(QDir(QFileInfo(path).absolutePath()).entryList(QDir::Dirs | QDir::NoDotAndDotDot),
                 QStringList());
        QCOMPARE(bytesOf(path), cp1250(QStringLiteral("kočka;cat;;\r\n")));
    }

    void saveMovesSoundsIntoTheDictionaryFolder() {
        TForm2 *e = editor();
        const QString sound = platform().writeFile(QStringLiteral("Temp/cat.wav"), "RIFF");
        add(e, QStringLiteral("cat"), QStringLiteral("kočka"), QStringLiteral("[k4t]"), sound);
        // The edit dialog, open on the expression, follows its sound too.
        e->selectRow(0);
        press(e, "btuprav");
        const QString chosen = platform().folder.userFile(QStringLiteral("Zvirata.slv"));
        dialogs().files = {chosen};
        press(e, "BitBtn3");
        const QString moved =
            QDir::toNativeSeparators(platform().folder.userFile(QStringLiteral("ZVIRATA/cat.wav")));
        QCOMPARE(e->dictionary()[0].zvuk, moved);
        QCOMPARE(e->document().model()->cell(0, 3), moved);
        QVERIFY(!QFile::exists(sound));
        QCOMPARE(bytesOf(moved), QByteArray("RIFF"));
        QCOMPARE(bytesOf(chosen), cp1250(QStringLiteral("kočka;cat;[k4t];") + moved + "\r\n"));
        QCOMPARE(forms().Form3->Edit4->text(), moved);
        QTest::mouseClick(forms().Form3->BitBtn1, Qt::LeftButton);
        QCOMPARE(e->dictionary()[0].zvuk, moved);
        // The addition undone and redone brings the recording back from its new place.
        press(e, "undoAction");
        QCOMPARE(e->recordCount(), 0);
        QVERIFY(e->document().isModified());
        press(e, "redoAction");
        QCOMPARE(e->dictionary()[0].zvuk, moved);
        QVERIFY(!e->document().isModified());
    }

    void saveAsAcceptsAnEmptyDictionaryAndLeavesTheHistory() {
        TForm2 *e = editor();
        const QString empty = platform().folder.userFile(QStringLiteral("prazdny.slv"));
        dialogs().files = {empty};
        press(e, "saveAsAction");
        QVERIFY(QFile::exists(empty));
        QCOMPARE(bytesOf(empty), QByteArray());
        QCOMPARE(e->windowTitle(), QStringLiteral("Editor výrazů - prazdny.slv"));

        add(e, QStringLiteral("dog"), QStringLiteral("pes"));
        const QString other = platform().folder.userFile(QStringLiteral("jiny.slv"));
        dialogs().files = {other, std::nullopt};
        press(e, "saveAsAction");
        QCOMPARE(bytesOf(other), cp1250(QStringLiteral("pes;dog;[];NENÍ\r\n")));
        QVERIFY(e->saveDialog().history.isEmpty());
        press(e, "saveAsAction");
        QCOMPARE(dialogs().texts().last(), QStringLiteral("Slovník se nepodařilo uložit."));
    }

    // A dictionary names its sounds by any path. Saving it (Uložit or Uložit jako) moves
    // only the recordings waiting in the program's Temp into the dictionary's sound
    // folder, under a free name, and never moves, replaces or deletes anything else.
    // In the texts, {P} is the program folder and {T} its Temp folder; after the save,
    // "path=text" is a file with that text, "path->target" a link, "path" alone is gone.
    void saveMovesOnlyRecordingsFromTempAndReplacesNothing_data() {
        QTest::addColumn<QString>("dictionary");
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<bool>("saveAs");
        QTest::addColumn<QStringList>("sounds");
        QTest::addColumn<QStringList>("after");
        QTest::newRow("files elsewhere stay where they are")
            << "kočka;cat;[];{P}Dokumenty/diplomka.odt\r\npes;dog;[];{P}Stazene/diplomka.odt"
            << QStringList{"Dokumenty/diplomka.odt=práce", "Stazene/diplomka.odt=jiná"} << false
            << QStringList{"{P}Dokumenty/diplomka.odt", "{P}Stazene/diplomka.odt"}
            << QStringList{"Dokumenty/diplomka.odt=práce", "Stazene/diplomka.odt=jiná",
                           "slovniky/ZVIRATA"};
        QTest::newRow("a link in Temp to a file elsewhere stays")
            << "kočka;cat;[];{T}odkaz.wav"
            << QStringList{"Dokumenty/tajne.txt=tajné", "Temp/odkaz.wav->Dokumenty/tajne.txt"}
            << false << QStringList{"{T}odkaz.wav"}
            << QStringList{"Dokumenty/tajne.txt=tajné", "Temp/odkaz.wav->Dokumenty/tajne.txt",
                           "slovniky/ZVIRATA"};
        QTest::newRow("a recording takes a free name beside a sound of the same name")
            << "kočka;cat;[];{P}slovniky/ZVIRATA/cat.wav\r\nkocour;cat;[];{T}cat.wav"
            << QStringList{"slovniky/ZVIRATA/cat.wav=kočka", "Temp/cat.wav=kocour"} << false
            << QStringList{"{P}slovniky/ZVIRATA/cat.wav", "{P}slovniky/ZVIRATA/cat_2.wav"}
            << QStringList{"slovniky/ZVIRATA/cat.wav=kočka", "slovniky/ZVIRATA/cat_2.wav=kocour",
                           "Temp/cat.wav"};
        QTest::newRow("homonyms' recordings keep their own files")
            << "mlýn;mill;[];{T}mill.wav\r\nmlýnek;mill;[];{T}mill_2.wav"
            << QStringList{"Temp/mill.wav=mlýn", "Temp/mill_2.wav=mlýnek",
                           "slovniky/ZVIRATA/mill.wav=starý"}
            << false
            << QStringList{"{P}slovniky/ZVIRATA/mill_2.wav", "{P}slovniky/ZVIRATA/mill_2_2.wav"}
            << QStringList{"slovniky/ZVIRATA/mill.wav=starý", "slovniky/ZVIRATA/mill_2.wav=mlýn",
                           "slovniky/ZVIRATA/mill_2_2.wav=mlýnek", "Temp/mill.wav",
                           "Temp/mill_2.wav"};
        QTest::newRow("Uložit jako moves the recordings too")
            << "pes;dog;[];{T}dog.wav\r\nčokl;dog;[];{T}dog.wav" << QStringList{"Temp/dog.wav=haf"}
            << true << QStringList{"{P}slovniky/ZVIRATA/dog.wav", "{P}slovniky/ZVIRATA/dog.wav"}
            << QStringList{"slovniky/ZVIRATA/dog.wav=haf", "Temp/dog.wav"};
    }
    void saveMovesOnlyRecordingsFromTempAndReplacesNothing() {
        QFETCH(QString, dictionary);
        QFETCH(QStringList, files);
        QFETCH(bool, saveAs);
        QFETCH(QStringList, sounds);
        QFETCH(QStringList, after);
        const QString folder = platform().folder.path();
        const auto place = [&](QString text) {
            return text.replace(QStringLiteral("{T}"), platform().folder.temp())
                .replace(QStringLiteral("{P}"), folder);
        };
        for (const QString &file : files) {
            if (file.contains(QStringLiteral("->"))) {
#ifdef Q_OS_WIN
                QSKIP("a link of QFile::link is a shortcut on Windows, which file names do not "
                      "follow");
#endif
                const QStringList link = file.split(QStringLiteral("->"));
                QDir().mkpath(QFileInfo(folder + link[0]).absolutePath());
                QVERIFY(QFile::link(folder + link[1], folder + link[0]));
            } else {
                const QStringList parts = file.split(u'=');
                platform().writeFile(parts[0], parts[1].toUtf8());
            }
        }
        const QString path = platform().writeFile(QStringLiteral("slovniky/zvirata.slv"),
                                                  cp1250(place(dictionary) + "\r\n"));
        TForm2 *e = editor();
        e->show();
        dialogs().files = {path};
        click(e->BitBtn2);
        if (saveAs) {
            dialogs().files = {path};
            e->saveAsAction->trigger();
        } else {
            click(e->BitBtn3);
        }
        QVERIFY2(dialogs().shown.isEmpty(), qPrintable(dialogs().texts().join(u'|')));
        // A moved recording is named with the system's separators; a sound left where it
        // is keeps the name the file gave it.
        QStringList expected;
        for (const QString &sound : sounds)
            expected.append(dictionary.contains(sound) ? place(sound)
                                                       : QDir::toNativeSeparators(place(sound)));
        QCOMPARE(soundsOf(e->dictionary()), expected);
        QCOMPARE(soundsInFile(path), expected);
        for (const QString &entry : after) {
            if (entry.contains(QStringLiteral("->"))) {
                const QStringList link = entry.split(QStringLiteral("->"));
                QCOMPARE(QFileInfo(folder + link[0]).symLinkTarget(), folder + link[1]);
            } else if (entry.contains(u'=')) {
                const QStringList parts = entry.split(u'=');
                QCOMPARE(bytesOf(folder + parts[0]), parts[1].toUtf8());
            } else if (entry.endsWith(QStringLiteral("ZVIRATA"))) {
                // No sound of the dictionary went into its sound folder.
                QVERIFY(QDir(folder + entry).isEmpty());
            } else {
                QVERIFY2(!QFileInfo::exists(folder + entry), qPrintable(entry));
            }
        }
    }

    // When the dictionary cannot be written, the recordings moved for it go back, so
    // that the file on the disk, the records and the sounds agree.
    void failedSaveLeavesTheRecordingsWhereTheFileSaysTheyAre_data() {
        QTest::addColumn<bool>("saveAs");
        QTest::newRow("Uložit") << false;
        QTest::newRow("Uložit jako") << true;
    }
    void failedSaveLeavesTheRecordingsWhereTheFileSaysTheyAre() {
        QFETCH(bool, saveAs);
        const QString recording = platform().writeFile(QStringLiteral("Temp/dog.wav"), "haf");
        const QByteArray old = cp1250(QStringLiteral("pes;dog;[];") + recording + "\r\n");
        const QString path = platform().writeFile(QStringLiteral("slovniky/zvirata.slv"), old);
        TForm2 *e = editor();
        e->show();
        dialogs().files = {path};
        click(e->BitBtn2);
        // A letter that Windows-1250 cannot hold makes the file impossible to write.
        e->edtang->setText(QStringLiteral("ёж"));
        e->edtcz->setText(QStringLiteral("ježek"));
        click(e->btpridej);
        QCOMPARE(e->recordCount(), 2);
        if (saveAs) {
            dialogs().files = {path};
            e->saveAsAction->trigger();
        } else {
            click(e->BitBtn3);
        }
        QCOMPARE(dialogs().shown.size(), 1);
        QCOMPARE(dialogs().shown.last().kind, MessageKind::Error);
        QCOMPARE(bytesOf(path), old);
        QCOMPARE(bytesOf(recording), QByteArray("haf"));
        QCOMPARE(e->dictionary()[0].zvuk, recording);
        QCOMPARE(e->document().model()->cell(0, 3), recording);
        QVERIFY(!QFileInfo::exists(
            platform().folder.userFile(QStringLiteral("slovniky/ZVIRATA/dog.wav"))));
        QVERIFY(e->document().isModified());
    }

    // A save that fails changes neither the caption nor the file that the next "Uložit"
    // writes: an opened dictionary keeps its own, a new one is asked for again.
    void failedSaveKeepsTheCaptionAndTheFile_data() {
        QTest::addColumn<bool>("opened"); // else a new dictionary
        QTest::newRow("Uložit jako of an opened dictionary") << true;
        QTest::newRow("Uložit of a new dictionary") << false;
    }
    void failedSaveKeepsTheCaptionAndTheFile() {
        QFETCH(bool, opened);
        TForm2 *e = editor();
        e->show();
        const QString old = QStringLiteral("pes;dog;[];NENÍ\r\n");
        const QString path =
            platform().writeFile(QStringLiteral("Slovniky/zvirata.slv"), cp1250(old));
        if (opened) {
            dialogs().files = {path};
            click(e->BitBtn2);
        }
        e->edtang->setText(QStringLiteral("cat"));
        e->edtcz->setText(QStringLiteral("kočka"));
        click(e->btpridej);
        dialogs().files = {platform().folder.userFile(QStringLiteral("chybi/jinam.slv"))};
        if (opened)
            e->saveAsAction->trigger();
        else
            click(e->BitBtn3);
        QCOMPARE(dialogs().shown.last().kind, MessageKind::Error);
        const QString name =
            opened ? QStringLiteral("zvirata.slv") : dictionaryfile::kNewDictionaryName;
        QCOMPARE(e->windowTitle(), QStringLiteral("Editor výrazů - ") + name);
        QCOMPARE(e->document().fileName(), name);
        QVERIFY(e->saveDialog().history.isEmpty());

        const qsizetype asked = dialogs().fileDialogs.size();
        dialogs().files = {path};
        click(e->BitBtn3);
        QCOMPARE(dialogs().fileDialogs.size(), asked + (opened ? 0 : 1));
        QCOMPARE(bytesOf(path),
                 cp1250((opened ? old : QString()) + QStringLiteral("kočka;cat;[];NENÍ\r\n")));
        QCOMPARE(e->windowTitle(), QStringLiteral("Editor výrazů - zvirata.slv"));
    }

    void dictionaryMadeInTheEditorOpensAgainByteIdentical() {
        TForm2 *e = editor();
        add(e, QStringLiteral("house+home"), QStringLiteral("dům+domov"), QStringLiteral("[ha2s]"));
        add(e, QStringLiteral("thin"), QStringLiteral("tenký"), QStringLiteral("[01n]"));
        const QString first = platform().folder.userFile(QStringLiteral("prvni.slv"));
        dialogs().files = {first};
        press(e, "BitBtn3");
        const QByteArray written = bytesOf(first);
        QCOMPARE(written, cp1250(QStringLiteral(
                              "dům+domov;house+home;[ha2s];NENÍ\r\ntenký;thin;[01n];NENÍ\r\n")));
        dialogs().answers = {true};
        press(e, "BitBtn5");
        dialogs().files = {first};
        press(e, "BitBtn2");
        const QString second = platform().folder.userFile(QStringLiteral("druhy.slv"));
        dialogs().files = {second};
        press(e, "saveAsAction");
        QCOMPARE(bytesOf(second), written);
    }

    void typedSemicolonJoinsMeaningsButNeverEntersThePronunciation() {
        TForm2 *e = editor();
        e->show();
        e->edtang->setFocus();
        typeText(e->edtang, QStringLiteral("dog;hound"));
        QCOMPARE(e->edtang->text(), QStringLiteral("dog+hound"));
        typeText(e->edtcz, QStringLiteral("pes;čokl"));
        QCOMPARE(e->edtcz->text(), QStringLiteral("pes+čokl"));
        e->edtvyslovnost->setFocus();
        typeText(e->edtvyslovnost, QStringLiteral("d!g;"));
        QCOMPARE(e->edtvyslovnost->text(), QStringLiteral("[d!g]"));
    }

    void upperCaseSettingTurnsTheEntryFieldsUpperCase() {
        TForm2 *e = editor();
        e->show();
        e->edtcz->setText(QStringLiteral("kůň"));
        forms().Form8->chbvelke->setChecked(true);
        typeText(e->edtang, QStringLiteral("horse"));
        QCOMPARE(e->edtang->text(), QStringLiteral("HORSE"));
        QCOMPARE(e->edtcz->text(), QStringLiteral("KŮŇ"));
        QCOMPARE(e->edtvyslovnost->text(), QStringLiteral("[]"));
        typeText(e->edtvyslovnost, QStringLiteral("h"));
        QCOMPARE(e->edtvyslovnost->text(), QStringLiteral("[H]"));
        forms().Form8->chbvelke->setChecked(false);
        typeText(e->edtang, QStringLiteral("s"));
        QCOMPARE(e->edtang->text(), QStringLiteral("HORSEs"));
    }

    void keysInTheForeignFieldPutTheCaretAfterTheBracket() {
        TForm2 *e = editor();
        e->show();
        e->edtvyslovnost->setText(QStringLiteral("[]"));
        e->edtvyslovnost->setCursorPosition(2);
        typeText(e->edtang, QStringLiteral("a"));
        QCOMPARE(e->edtvyslovnost->cursorPosition(), 1);
        QVERIFY(!e->edtvyslovnost->hasSelectedText());
        // Typing into the pronunciation then writes inside the brackets.
        typeText(e->edtvyslovnost, QStringLiteral("4"));
        QCOMPARE(e->edtvyslovnost->text(), QStringLiteral("[4]"));
    }

    void enterMovesOnOrAddsWhenTheOtherFieldsAreOff() {
        TForm2 *e = editor();
        e->show();
        e->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(e));
        e->edtang->setFocus();
        QTest::keyClick(e->edtang, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), e->edtcz);
        QTest::keyClick(e->edtcz, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), e->edtvyslovnost);
        QCOMPARE(e->edtvyslovnost->cursorPosition(), 1);
        // The sound field (reached by a click) passes on to its button.
        e->edtang->setText(QStringLiteral("dog"));
        QTest::mouseClick(e->edtzvuk, Qt::LeftButton);
        QTest::keyClick(e->edtzvuk, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), e->btpridejzvuk);
        QCOMPARE(e->edtang->text(), QStringLiteral("dog"));
        e->edtang->clear();

        e->CheckBox1->click();
        e->CheckBox2->click();
        QVERIFY(!e->edtvyslovnost->isEnabled());
        QVERIFY(!e->btpridejzvuk->isEnabled());
        e->edtang->setText(QStringLiteral("cat"));
        e->edtcz->setText(QStringLiteral("kočka"));
        QTest::keyClick(e->edtcz, Qt::Key_Return);
        QCOMPARE(e->recordCount(), 1);
        QCOMPARE(e->dictionary()[0], (Tslovniky{QStringLiteral("cat"), QStringLiteral("kočka"),
                                                QStringLiteral("[]"), QStringLiteral("NENÍ")}));
    }

    // After every "Přidej" the list shows the newest expression whole, at the system's font
    // and at a larger desktop font than the one its 16-pixel rows were made for; from the
    // 13th on it scrolls so that the newest twelve are in view.
    void theNewestRowIsShownWholeAfterEachAddition_data() {
        QTest::addColumn<int>("pointSize");
        QTest::newRow("system font") << 0;
        QTest::newRow("larger desktop font") << 14;
    }

    void theNewestRowIsShownWholeAfterEachAddition() {
        QFETCH(int, pointSize);
        const DesktopFont font(pointSize);
        if (pointSize > 0)
            m_windows = std::make_unique<TestWindows>();
        TForm2 *e = editor();
        e->show();
        QVERIFY(QTest::qWaitForWindowExposed(e));
        for (int i = 0; i < 30; ++i) {
            e->edtang->setText(QStringLiteral("w%1").arg(i));
            e->edtcz->setText(QStringLiteral("š%1").arg(i));
            e->edtvyslovnost->setText(QStringLiteral("[h!:s]"));
            QTest::mouseClick(e->btpridej, Qt::LeftButton);
            QCOMPARE(e->recordCount(), i + 1);
            for (int column = 0; column < 4; ++column) {
                const QModelIndex newest = e->stg->model()->index(i, column);
                const QRect cell = e->stg->visualRect(newest);
                const QFont font = newest.data(Qt::FontRole).isValid()
                                       ? newest.data(Qt::FontRole).value<QFont>()
                                       : e->stg->font();
                QVERIFY2(e->stg->viewport()->rect().contains(cell),
                         qPrintable(QStringLiteral("row %1 at %2,%3 of %4")
                                        .arg(i)
                                        .arg(cell.top())
                                        .arg(cell.bottom())
                                        .arg(e->stg->viewport()->height())));
                QVERIFY2(cell.height() >= QFontMetrics(font).height(),
                         qPrintable(QStringLiteral("row %1 is %2 pixels high for text of %3")
                                        .arg(i)
                                        .arg(cell.height())
                                        .arg(QFontMetrics(font).height())));
            }
            if (i == 12)
                QCOMPARE(e->stg->rowAt(0), 1);
        }
        QCOMPARE(e->stg->rowAt(0), 30 - 12);
    }

    void editDialogChangesOnlyItsRowAndZrusitChangesNothing() {
        TForm2 *e = editor();
        for (int i = 1; i <= 4; ++i)
            add(e, QStringLiteral("w%1").arg(i), QStringLiteral("s%1").arg(i));
        const Tpole before = e->dictionary();
        e->selectRow(2);
        press(e, "btuprav");
        TForm3 *d = forms().Form3;
        QVERIFY(d->isVisible());
        QCOMPARE(d->Edit1->text(), QStringLiteral("w3"));
        QCOMPARE(d->Edit4->text(), QStringLiteral("NENÍ"));
        d->Edit2->setText(QStringLiteral("změněno"));
        press(d, "BitBtn1");
        QVERIFY(!d->isVisible());
        Tpole expected = before;
        expected[2].cz = QStringLiteral("změněno");
        QCOMPARE(e->dictionary(), expected);
        QCOMPARE(e->document().model()->cell(2, 1), QStringLiteral("změněno"));

        e->selectRow(1);
        press(e, "btuprav");
        d->Edit1->setText(QStringLiteral("jiné"));
        press(d, "BitBtn2");
        QCOMPARE(e->dictionary(), expected);
        press(e, "btuprav");
        QCOMPARE(d->Edit1->text(), QStringLiteral("w2"));
    }

    // The edit dialog does not block the editor: while it is open, the list may lose
    // rows or get another dictionary. "Upravit" changes the expression the dialog was
    // opened for, wherever it is now, or refuses when it is gone.
    void editDialogEditsTheExpressionItWasOpenedFor_data() {
        QTest::addColumn<int>("opened");
        QTest::addColumn<QString>("meanwhile");
        QTest::addColumn<QStringList>("foreign");
        QTest::addColumn<QStringList>("czech");
        QTest::addColumn<bool>("refused");
        QTest::newRow("an expression above deleted")
            << 2 << "delete row 0" << QStringList{"w2", "w3"} << QStringList{"s2", "změněno"}
            << false;
        QTest::newRow("its expression deleted")
            << 1 << "delete row 1" << QStringList{"w1", "w3"} << QStringList{"s1", "s3"} << true;
        QTest::newRow("another dictionary opened")
            << 0 << "open" << QStringList{"cat"} << QStringList{"kočka"} << true;
        QTest::newRow("a new dictionary started")
            << 0 << "new" << QStringList{} << QStringList{} << true;
        QTest::newRow("nothing happened") << 1 << "" << QStringList{"w1", "w2", "w3"}
                                          << QStringList{"s1", "změněno", "s3"} << false;
    }
    void editDialogEditsTheExpressionItWasOpenedFor() {
        QFETCH(int, opened);
        QFETCH(QString, meanwhile);
        QFETCH(QStringList, foreign);
        QFETCH(QStringList, czech);
        QFETCH(bool, refused);
        TForm2 *e = editor();
        e->show();
        for (int i = 1; i <= 3; ++i)
            add(e, QStringLiteral("w%1").arg(i), QStringLiteral("s%1").arg(i));
        e->selectRow(opened);
        click(e->btuprav);
        TForm3 *d = forms().Form3;
        QVERIFY(d->isVisible());
        d->Edit2->setText(QStringLiteral("změněno"));

        dialogs().choices = {1}; // the changed dictionary is dropped without saving
        if (meanwhile.startsWith(QStringLiteral("delete row "))) {
            e->selectRow(meanwhile.back().digitValue());
            click(e->btodeber);
        } else if (meanwhile == QStringLiteral("open")) {
            dialogs().files = {platform().writeFile(
                QStringLiteral("jiny.slv"), cp1250(QStringLiteral("kočka;cat;[];NENÍ\r\n")))};
            click(e->BitBtn2);
        } else if (meanwhile == QStringLiteral("new")) {
            dialogs().answers = {true};
            click(e->BitBtn5);
        }
        dialogs().shown.clear();
        click(d->BitBtn1);

        QVERIFY(!d->isVisible());
        QStringList foreignNow, czechNow;
        for (const Tslovniky &record : e->dictionary()) {
            foreignNow.append(record.ang);
            czechNow.append(record.cz);
        }
        QCOMPARE(foreignNow, foreign);
        QCOMPARE(czechNow, czech);
        if (refused) {
            QCOMPARE(dialogs().texts(),
                     QStringList{QStringLiteral(
                         "Upravovaný výraz už ve slovníku není. Změny nebyly uloženy.")});
            QCOMPARE(dialogs().shown.last().kind, MessageKind::Warning);
        } else {
            QVERIFY(dialogs().shown.isEmpty());
        }
    }

    // A dictionary changed since it was opened, started or saved is offered for saving
    // before "Návrat do Hlavní nabídky", Open, New or the end of the program drops it;
    // nothing is asked about an unchanged one. "Ano" saves (a save that does not happen
    // keeps the dictionary), "Ne" drops the changes, "Zrušit" keeps everything as it is.
    void changedDictionaryIsOfferedForSaving_data() {
        QTest::addColumn<QString>("change");
        QTest::addColumn<QString>("action");
        QTest::addColumn<int>("choice"); // -1: nothing may be asked
        QTest::addColumn<bool>("saved");
        QTest::addColumn<bool>("done");
        QTest::newRow("unchanged, back") << ""
                                         << "back" << -1 << false << true;
        QTest::newRow("added, back, Ne") << "add"
                                         << "back" << 1 << false << true;
        QTest::newRow("added, back, Zrušit") << "add"
                                             << "back" << 2 << false << false;
        QTest::newRow("added, back, Ano") << "add"
                                          << "back" << 0 << true << true;
        QTest::newRow("deleted, open, Ne") << "delete"
                                           << "open" << 1 << false << true;
        QTest::newRow("edited, open from the menu, Ano") << "edit"
                                                         << "menu open" << 0 << true << true;
        QTest::newRow("deleted, open, Zrušit") << "delete"
                                               << "open" << 2 << false << false;
        QTest::newRow("added, new, Ano") << "add"
                                         << "new" << 0 << true << true;
        QTest::newRow("added, new, Zrušit") << "add"
                                            << "new" << 2 << false << false;
        QTest::newRow("saved after adding, exit") << "add, save"
                                                  << "exit" << -1 << false << true;
        QTest::newRow("added, exit, Zrušit") << "add"
                                             << "exit" << 2 << false << false;
        QTest::newRow("added, exit, Ano") << "add"
                                          << "exit" << 0 << true << true;
        QTest::newRow("added, exit, Ne") << "add"
                                         << "exit" << 1 << false << true;
        QTest::newRow("never saved, back, Ano, save dialog cancelled")
            << "new, add"
            << "back" << 0 << false << false;
    }
    void changedDictionaryIsOfferedForSaving() {
        QFETCH(QString, change);
        QFETCH(QString, action);
        QFETCH(int, choice);
        QFETCH(bool, saved);
        QFETCH(bool, done);
        TForm1 *main = forms().Form1;
        TForm2 *e = editor();
        main->show();
        click(main->bteditor);
        QVERIFY(e->isVisible());
        const QString path = platform().writeFile(
            QStringLiteral("slovniky/zvirata.slv"),
            cp1250(QStringLiteral("kočka;cat;[];NENÍ\r\npes;dog;[];NENÍ\r\n")));
        if (!change.startsWith(QStringLiteral("new"))) {
            dialogs().files = {path};
            click(e->BitBtn2);
        }
        if (change.contains(QStringLiteral("add")))
            add(e, QStringLiteral("bird"), QStringLiteral("pták"));
        if (change == QStringLiteral("delete")) {
            e->selectRow(0);
            click(e->btodeber);
        }
        if (change == QStringLiteral("edit")) {
            e->selectRow(0);
            click(e->btuprav);
            forms().Form3->Edit2->setText(QStringLiteral("kocour"));
            click(forms().Form3->BitBtn1);
        }
        if (change.contains(QStringLiteral("save")))
            click(e->BitBtn3);
        const Tpole changed = e->dictionary();
        const QByteArray before = bytesOf(path);
        dialogs().clear();
        if (choice >= 0)
            dialogs().choices = {choice};

        const QString other = platform().writeFile(QStringLiteral("slovniky/jiny.slv"),
                                                   cp1250(QStringLiteral("dům;house;[];NENÍ\r\n")));
        if (action == QStringLiteral("back")) {
            click(e->BitBtn4);
        } else if (action == QStringLiteral("open")) {
            dialogs().files = {other};
            click(e->BitBtn2);
        } else if (action == QStringLiteral("menu open")) {
            dialogs().files = {other};
            e->openAction->trigger();
        } else if (action == QStringLiteral("new")) {
            dialogs().answers = {true};
            click(e->BitBtn5);
        } else if (action == QStringLiteral("exit")) {
            e->close(); // the close box keeps the dictionary for the next visit
            QVERIFY(dialogs().shown.isEmpty());
            QVERIFY(main->isVisible());
            click(main->btkonec);
        }

        const bool asked = dialogs().texts().contains(kSaveChanges);
        QCOMPARE(asked, choice >= 0);
        if (asked) {
            const ScriptedDialogs::Shown &question =
                dialogs().shown[dialogs().texts().indexOf(kSaveChanges)];
            QCOMPARE(question.kind, MessageKind::Confirmation);
            QCOMPARE(question.buttons, (QStringList{"Ano", "Ne", "Zrušit"}));
        }
        QCOMPARE(dialogs().unexpected, change.startsWith(QStringLiteral("new")) ? 1 : 0);
        QCOMPARE(bytesOf(path) != before, saved);
        if (saved)
            QCOMPARE(dictionaryfile::readDictionaryFile(path, dictionaryfile::Contents::Records)
                         ->dictionary,
                     changed);
        if (action == QStringLiteral("exit")) {
            QCOMPARE(main->isVisible(), !done);
        } else if (action == QStringLiteral("back")) {
            QCOMPARE(e->isVisible(), !done);
            QCOMPARE(e->recordCount(), done ? 0 : int(changed.size()));
        } else {
            QCOMPARE(e->dictionary() == changed, !done);
        }
        if (done && action != QStringLiteral("exit"))
            QVERIFY(!e->document().isModified());
    }

    // "Zpět" (Ctrl+Z) and "Znovu" (Ctrl+Shift+Z, Ctrl+Y) in an empty entry field walk the
    // history of the dictionary's changes: an addition, a deletion, an edit through the
    // dialog, an import. Undone to where it was opened, the dictionary saves byte for byte
    // as it was read; redone, as it was saved after the changes. Undoing past a save marks
    // it modified, coming back to the save unmodified.
    void undoAndRedoWalkTheDictionaryBackAndForth_data() {
        QTest::addColumn<QString>("changes"); // made through the controls, then saved
        QTest::addColumn<QString>("keys");    // z: Ctrl+Z, Z: Ctrl+Shift+Z, y: Ctrl+Y
        QTest::addColumn<bool>("asOpened");   // else as saved after the changes
        QTest::addColumn<bool>("modified");
        QTest::addColumn<int>("selected");
        QTest::addColumn<QString>("caption");
        QTest::newRow("an addition undone") << "add"
                                            << "z" << true << true << 2 << "po.slv";
        QTest::newRow("an addition undone and redone") << "add"
                                                       << "zy" << false << false << 3 << "po.slv";
        QTest::newRow("a deletion in the middle undone") << "delete 1"
                                                         << "z" << true << true << 1 << "po.slv";
        QTest::newRow("an edit through the dialog undone and redone")
            << "edit 2"
            << "zZ" << false << false << 2 << "po.slv";
        QTest::newRow("three changes undone") << "add,delete 0,edit 1"
                                              << "zzz" << true << true << 2 << "po.slv";
        QTest::newRow("more undos than changes, then all redone")
            << "add,delete 0,edit 1"
            << "zzzzzyZy" << false << false << 1 << "po.slv";
        QTest::newRow("every expression deleted and put back")
            << "delete 0,delete 0,delete 0"
            << "zzz" << true << true << 0 << "po.slv";
        QTest::newRow("an import undone") << "import"
                                          << "z" << true << true << 0 << "zvirata.slv";
        QTest::newRow("an import undone and redone") << "import"
                                                     << "zZ" << false << false << 0 << "po.slv";
        QTest::newRow("nothing to undo") << ""
                                         << "zz" << true << false << 0 << "po.slv";
    }
    void undoAndRedoWalkTheDictionaryBackAndForth() {
        QFETCH(QString, changes);
        QFETCH(QString, keys);
        QFETCH(bool, asOpened);
        QFETCH(QString, caption);
        TForm2 *e = editor();
        e->show();
        e->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(e));
        const QString opened = platform().writeFile(
            QStringLiteral("slovniky/zvirata.slv"),
            cp1250(QStringLiteral(
                "kočka;cat;[k4t];NENÍ\r\npes;dog;[];NENÍ\r\nryba;fish;[];NENÍ\r\n")));
        const QByteArray asRead = bytesOf(opened);
        dialogs().files = {opened};
        click(e->BitBtn2);
        for (const QString &change : changes.split(u',', Qt::SkipEmptyParts)) {
            if (change == QStringLiteral("add")) {
                add(e, QStringLiteral("bird"), QStringLiteral("pták"));
            } else if (change.startsWith(QStringLiteral("delete "))) {
                e->selectRow(change.back().digitValue());
                click(e->btodeber);
            } else if (change.startsWith(QStringLiteral("edit "))) {
                e->selectRow(change.back().digitValue());
                click(e->btuprav);
                forms().Form3->Edit2->setText(QStringLiteral("změněno"));
                click(forms().Form3->BitBtn1);
            } else if (change == QStringLiteral("import")) {
                dialogs().files = {platform().writeFile(
                    QStringLiteral("jine/zvirata.kvtml"),
                    QByteArray("<kvtml version=\"2.0\"><identifiers><identifier id=\"0\">"
                               "<locale>en</locale></identifier><identifier id=\"1\">"
                               "<locale>cs</locale></identifier></identifiers>"
                               "<entries><entry id=\"0\">"
                               "<translation id=\"0\"><text>horse</text></translation>"
                               "<translation id=\"1\"><text>kůň</text></translation>"
                               "</entry></entries></kvtml>"))};
                press(e, "importAction");
                QCOMPARE(e->recordCount(), 1);
            }
        }
        const QString saved = platform().folder.userFile(QStringLiteral("slovniky/po.slv"));
        dialogs().files = {saved};
        press(e, "saveAsAction");
        const QByteArray afterChanges = bytesOf(saved);
        QVERIFY(!e->document().isModified());

        e->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(e));
        e->edtang->setFocus();
        for (const QChar key : keys) {
            const Qt::KeyboardModifiers shift = key.isUpper() ? Qt::ShiftModifier : Qt::NoModifier;
            QTest::keyClick(e->edtang, key.toLower() == u'z' ? Qt::Key_Z : Qt::Key_Y,
                            Qt::ControlModifier | shift);
        }
        QTEST(e->document().isModified(), "modified");
        QCOMPARE(e->windowTitle(), QStringLiteral("Editor výrazů - ") + caption);
        QTEST(e->selectedRow(), "selected");
        QCOMPARE(e->document().model()->rowCount(), e->recordCount());
        QCOMPARE(statusOf(e), QStringLiteral("Počet výrazů ve slovníku: %1").arg(e->recordCount()));
        QVERIFY(dialogs().shown.isEmpty());

        const QString again = platform().folder.userFile(QStringLiteral("slovniky/znovu.slv"));
        dialogs().files = {again};
        press(e, "saveAsAction");
        QCOMPARE(bytesOf(again), asOpened ? asRead : afterChanges);
    }

    // Ctrl+Z in an entry field undoes its own typing while it has any, then the last change
    // of the dictionary; Ctrl+Shift+Z redoes likewise. The menu names the step.
    void ctrlZUndoesTheFieldsTypingBeforeTheDictionary() {
        TForm2 *e = editor();
        e->show();
        e->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(e));
        QVERIFY(!e->undoAction->isEnabled());
        QCOMPARE(e->undoAction->text(), QStringLiteral("&Zpět"));
        add(e, QStringLiteral("cat"), QStringLiteral("kočka"));
        QCOMPARE(e->undoAction->text(), QStringLiteral("&Zpět: Přidání výrazu"));
        QVERIFY(!e->redoAction->isEnabled());
        QCOMPARE(QApplication::focusWidget(), e->edtang);
        QTest::keyClicks(e->edtang, QStringLiteral("dog"));
        const auto ctrl = [&](Qt::Key key, Qt::KeyboardModifiers more = Qt::NoModifier) {
            QTest::keyClick(e->edtang, key, Qt::ControlModifier | more);
        };
        ctrl(Qt::Key_Z);
        QCOMPARE(e->edtang->text(), QString());
        QCOMPARE(e->recordCount(), 1);
        ctrl(Qt::Key_Z);
        QCOMPARE(e->recordCount(), 0);
        QCOMPARE(e->document().model()->rowCount(), 1); // the new dictionary's empty row
        QVERIFY(!e->undoAction->isEnabled());
        QCOMPARE(e->redoAction->text(), QStringLiteral("&Znovu: Přidání výrazu"));
        ctrl(Qt::Key_Z, Qt::ShiftModifier);
        QCOMPARE(e->edtang->text(), QStringLiteral("dog"));
        QCOMPARE(e->recordCount(), 0);
        ctrl(Qt::Key_Z, Qt::ShiftModifier);
        QCOMPARE(e->recordCount(), 1);
        QCOMPARE(e->edtang->text(), QStringLiteral("dog"));

        e->selectRow(0);
        press(e, "btodeber");
        QCOMPARE(e->undoAction->text(), QStringLiteral("&Zpět: Odebrání výrazu"));
        press(e, "undoAction");
        QCOMPARE(e->dictionary()[0].ang, QStringLiteral("cat"));
        QCOMPARE(e->redoAction->text(), QStringLiteral("&Znovu: Odebrání výrazu"));
        // Opening, New and importing start the history anew.
        dialogs().answers = {true};
        dialogs().choices = {1};
        press(e, "BitBtn5");
        QVERIFY(!e->undoAction->isEnabled());
        QVERIFY(!e->redoAction->isEnabled());
    }

    void explanationsListTheTwelvePhoneticKeys() {
        press(editor(), "btnapoveda");
        TForm17 *f = forms().Form17;
        QVERIFY(f->isVisible());
        QStringList keys;
        for (int i = 1; i <= 24; i += 2)
            keys.append(f->findChild<QLabel *>(QStringLiteral("Label%1").arg(i))->text());
        QCOMPARE(keys.first(), QStringLiteral("0 - "));
        QCOMPARE(keys.last(), QStringLiteral("@ - "));
        QCOMPARE(keys.size(), 12);
        auto *symbol = f->findChild<QLabel *>(QStringLiteral("Label24"));
        QCOMPARE(symbol->text(), QStringLiteral("@"));
        QCOMPARE(symbol->font().pixelSize(), 24);
        QCOMPARE(symbol->font().family(), QStringLiteral("VokabFont"));
        press(editor(), "btnapoveda");
        QVERIFY(!f->isVisible());
    }

    void closingReturnsToTheMainWindowAndBitBtn4StartsAnew() {
        TForm2 *e = editor();
        e->show();
        setApplicationTitle(QStringLiteral("Vokab - Editor výrazů"));
        add(e, QStringLiteral("cat"), QStringLiteral("kočka"));
        e->close();
        QCOMPARE(applicationTitle(), QStringLiteral("Vokab"));
        QCOMPARE(e->recordCount(), 1); // the dictionary waits for the next visit
        QVERIFY(dialogs().shown.isEmpty());
        e->show();
        dialogs().choices = {1};
        press(e, "BitBtn4");
        QVERIFY(!e->isVisible());
        QCOMPARE(e->recordCount(), 0);
        QCOMPARE(dialogs().texts(), QStringList{kSaveChanges});
    }

    void minimisingTheEditorMinimisesTheOtherWindows() {
        TForm2 *e = editor();
        e->show();
        forms().Form17->show();
        QVERIFY(QTest::qWaitForWindowExposed(forms().Form17));
        e->setWindowState(Qt::WindowMinimized);
        QTRY_VERIFY(forms().Form17->isMinimized());
    }

    // Every command works on the expression the user sees selected, whatever row of the
    // dictionary it is when the list is searched or sorted: deleting, the edit dialog (by
    // its button or a double click) with its sound, and they change that expression alone.
    void commandsWorkOnTheExpressionSelectedInASearchedOrSortedList_data() {
        QTest::addColumn<QString>("searched");
        QTest::addColumn<int>("sortedBy"); // the column whose header is clicked, -1 none
        QTest::addColumn<int>("clicks");   // 2: descending
        QTest::addColumn<int>("shownRow");
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("expression");
        QTest::newRow("searched, deleted") << "cat" << -1 << 0 << 1 << "delete"
                                           << "catfish";
        QTest::newRow("searched, the last deleted") << "cat" << -1 << 0 << 2 << "delete"
                                                    << "scatter";
        QTest::newRow("sorted by Czech, deleted") << "" << 1 << 1 << 2 << "delete"
                                                  << "bird";
        QTest::newRow("sorted descending, edited") << "" << 0 << 2 << 0 << "edit"
                                                   << "scatter";
        QTest::newRow("searched and sorted, double click") << "a" << 1 << 1 << 1 << "double click"
                                                           << "scatter";
        QTest::newRow("searched by pronunciation, edited") << "b3:" << -1 << 0 << 0 << "edit"
                                                           << "bird";
        QTest::newRow("sorted by sound descending, edited") << "" << 3 << 2 << 2 << "edit"
                                                            << "cat";
    }
    void commandsWorkOnTheExpressionSelectedInASearchedOrSortedList() {
        QFETCH(QString, searched);
        QFETCH(int, sortedBy);
        QFETCH(int, clicks);
        QFETCH(int, shownRow);
        QFETCH(QString, command);
        QFETCH(QString, expression);
        TForm2 *e = editor();
        e->show();
        QVERIFY(QTest::qWaitForWindowExposed(e));
        const QStringList foreign{"cat", "dog", "catfish", "bird", "scatter"};
        const QStringList czech{"kočka", "pes", "sumec", "pták", "rozházet"};
        const QStringList sounds{"c.wav", "e.wav", "a.wav", "b.wav", "d.wav"};
        for (int i = 0; i < 5; ++i)
            add(e, foreign[i], czech[i], QStringLiteral("[%1]").arg(i == 3 ? "b3:d" : "x"),
                sounds[i]);
        const Tpole before = e->dictionary();
        type(e->searchField, searched);
        QHeaderView *header = e->stg->horizontalHeader();
        for (int i = 0; i < clicks; ++i)
            QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                              QPoint(header->sectionViewportPosition(sortedBy) + 4, 4));
        QCOMPARE(e->dictionary(), before); // the file's order is the dictionary's own still
        const QRect cell = e->stg->visualRect(e->stg->model()->index(shownRow, 1));
        QVERIFY(cell.isValid());
        QTest::mouseClick(e->stg->viewport(), Qt::LeftButton, {}, cell.center());
        QCOMPARE(e->selectedRow(), foreign.indexOf(expression));

        Tpole expected = before;
        const qsizetype at = foreign.indexOf(expression);
        if (command == QStringLiteral("delete")) {
            click(e->btodeber);
            expected.removeAt(at);
        } else {
            if (command == QStringLiteral("edit"))
                click(e->btuprav);
            else
                QTest::mouseDClick(e->stg->viewport(), Qt::LeftButton, {}, cell.center());
            TForm3 *d = forms().Form3;
            QVERIFY(d->isVisible());
            QCOMPARE(d->Edit1->text(), expression);
            QCOMPARE(d->Edit4->text(), sounds[at]); // the dialog plays and records this one
            d->Edit2->setText(QStringLiteral("upraveno"));
            click(d->BitBtn1);
            expected[at].cz = QStringLiteral("upraveno");
        }
        QCOMPARE(e->dictionary(), expected);
        // The list shows no deleted expression and the change where it was.
        for (int row = 0; row < e->stg->model()->rowCount(); ++row)
            QVERIFY(expected.contains(Tslovniky{e->stg->model()->index(row, 0).data().toString(),
                                                e->stg->model()->index(row, 1).data().toString(),
                                                e->stg->model()->index(row, 2).data().toString(),
                                                e->stg->model()->index(row, 3).data().toString()}));
        if (command != QStringLiteral("delete"))
            QCOMPARE(e->stg->model()->index(shownRow, 1).data().toString(),
                     QStringLiteral("upraveno"));
    }

    // The search finds the foreign, Czech or pronunciation text in any case, diacritics
    // aside or whole words when asked, tells what it found, and Escape shows all again.
    void searchFindsByEachTextWithItsOptions_data() {
        QTest::addColumn<QString>("searched");
        QTest::addColumn<bool>("plain");
        QTest::addColumn<bool>("whole");
        QTest::addColumn<QStringList>("found");
        QTest::newRow("diacritics count") << "koc" << false << false << QStringList{};
        QTest::newRow("diacritics aside") << "koc" << true << false << QStringList{"cat", "coach"};
        QTest::newRow("in any case") << "KOČ" << false << false << QStringList{"cat", "coach"};
        QTest::newRow("diacritics of the searched text aside")
            << "kóč" << true << false << QStringList{"cat", "coach"};
        QTest::newRow("within words")
            << "cat" << false << false << QStringList{"cat", "catfish", "scatter"};
        QTest::newRow("whole words") << "cat" << false << true << QStringList{"cat"};
        QTest::newRow("a meaning after +") << "mačka" << false << true << QStringList{"cat"};
        QTest::newRow("pronunciation")
            << "k4t" << false << false << QStringList{"cat", "catfish", "scatter"};
        QTest::newRow("pronunciation, whole") << "k4t" << false << true << QStringList{"cat"};
        QTest::newRow("not the sound") << "wav" << false << false << QStringList{};
    }
    void searchFindsByEachTextWithItsOptions() {
        QFETCH(QString, searched);
        QFETCH(bool, plain);
        QFETCH(bool, whole);
        QFETCH(QStringList, found);
        TForm2 *e = editor();
        e->show();
        QVERIFY(QTest::qWaitForWindowExposed(e));
        add(e, "cat", "kočka+mačka", "[k4t]", "c.wav");
        add(e, "catfish", "sumec", "[k4tfiS]", "f.wav");
        add(e, "coach", "Kočár", "[k@utS]", "o.wav");
        add(e, "dog", "pes", "[dog]", "d.wav");
        add(e, "scatter", "rozházet", "[sk4t@]", "s.wav");
        QCOMPARE(e->searchLabel->text(), QStringLiteral("Hledat:"));
        QTest::keyClick(e, Qt::Key_F, Qt::ControlModifier);
        QTRY_VERIFY(e->searchField->hasFocus());
        if (plain)
            click(e->plainSearch);
        if (whole)
            click(e->wholeWordSearch);
        type(e->searchField, searched);
        QStringList shown;
        for (int row = 0; row < e->stg->model()->rowCount(); ++row)
            shown.append(e->stg->model()->index(row, 0).data().toString());
        QCOMPARE(shown, found);
        QVERIFY(e->foundLabel->isVisible());
        QCOMPARE(e->foundLabel->text(), QStringLiteral("Nalezeno %1 z 5").arg(found.size()));
        add(e, "cat", "kočka+mačka", "[k4t]", "n.wav"); // found too, the count follows
        QCOMPARE(
            e->foundLabel->text(),
            QStringLiteral("Nalezeno %1 z 6").arg(found.size() + (found.contains("cat") ? 1 : 0)));

        QTest::keyClick(e->searchField, Qt::Key_Escape);
        QCOMPARE(e->searchField->text(), QString());
        QCOMPARE(e->stg->model()->rowCount(), 6);
        QVERIFY(!e->foundLabel->isVisible());
        QVERIFY(e->isVisible()); // Escape cleared the search, it did not leave the editor
    }

    // "Seřadit slovník podle…" puts the dictionary itself in the Czech order of the chosen
    // column ("č" after "c", "ch" after "h", case and diacritics only between equal letters),
    // as one step that "Zpět" takes back; the selected expression stays selected.
    void sortingTheDictionaryIsCzechAndUndoable_data() {
        QTest::addColumn<int>("column");
        QTest::newRow("foreign") << 0;
        QTest::newRow("Czech") << 1;
        QTest::newRow("pronunciation") << 2;
    }
    void sortingTheDictionaryIsCzechAndUndoable() {
        QFETCH(int, column);
        TForm2 *e = editor();
        // Texts from letters whose order Czech has its own rules for, and random ones.
        const QStringList letters{"a", "á", "A", "c", "č", "Č", "ch", "Ch", "h", "H",
                                  "i", "r", "ř", "s", "š", "z", "ž",  "e",  "ě", "u",
                                  "ů", " ", "+", "[", "0", "9", "w",  "v",  "ß", "ä"};
        quint32 seed = 7;
        const auto pick = [&](int n) {
            seed = seed * 1103515245u + 12345u;
            return int((seed >> 16) % quint32(n));
        };
        Tpole records;
        for (int i = 0; i < 3000; ++i) {
            QStringList fields;
            for (int f = 0; f < 3; ++f) {
                QString text;
                for (int n = 1 + pick(12); n > 0; --n)
                    text += letters[pick(int(letters.size()))];
                fields.append(text);
            }
            records.append({fields[0], fields[1], fields[2], QStringLiteral("NENÍ")});
        }
        e->document().takeOpened(records, platform().folder.userFile("s.slv"));
        e->selectRow(1234);
        const Tslovniky selected = records[1234];

        QCollator czech(QLocale(QLocale::Czech, QLocale::CzechRepublic));
        Tpole expected = records;
        std::stable_sort(expected.begin(), expected.end(),
                         [&](const Tslovniky &a, const Tslovniky &b) {
                             const auto text = [&](const Tslovniky &r) {
                                 return column == 0 ? r.ang : column == 1 ? r.cz : r.vyslovnost;
                             };
                             return czech.compare(text(a), text(b)) < 0;
                         });
        dialogs().choices = {column};
        e->sortAction->trigger();
        QCOMPARE(dialogs().shown.size(), 1);
        QCOMPARE(dialogs().shown[0].buttons,
                 (QStringList{"Cizí výraz", "Český výraz", "Cizojazyčná výslovnost",
                              "Mluvená výslovnost", "Zrušit"}));
        QCOMPARE(e->dictionary(), expected);
        QCOMPARE(e->document().records()[e->selectedRow()], selected);
        QVERIFY(e->document().isModified());
        QCOMPARE(e->undoAction->text(), QStringLiteral("&Zpět: Seřazení slovníku"));
        e->undoAction->trigger();
        QCOMPARE(e->dictionary(), records);
        QCOMPARE(e->selectedRow(), 1234);
        QVERIFY(!e->document().isModified());
        dialogs().choices = {4}; // "Zrušit"
        e->sortAction->trigger();
        QCOMPARE(e->dictionary(), records);
        QCOMPARE(e->document().history().index(), 0); // no step
    }

private:
    TForm2 *editor() {
        return m_windows->forms().Form2;
    }
    Forms &forms() {
        return m_windows->forms();
    }
    ScriptedDialogs &dialogs() {
        return m_windows->dialogs();
    }
    TestPlatform &platform() {
        return m_windows->platform();
    }
    std::unique_ptr<TestWindows> m_windows;
};

QTEST_MAIN(TestEditor)
#include "tst_editor.moc"
