// The backups as the user meets them: a save keeps the file's earlier version, the restore
// window brings it back as a copy or over the file (the editor then shows it), and a
// backup that cannot be written never stops the save and is told once.
#include "app/Unit1.h"
#include "backups/backupwindow.h"
#include "core/textfile.h"
#include "dictionary/Unit2.h"
#include "support/testfiles.h"
#include "support/testplatform.h"
#include "ui/forms.h"

#include <QAbstractItemModel>
#include <QAction>
#include <QComboBox>
#include <QListView>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

namespace {

QByteArray dictionary(int count) {
    QStringList lines;
    for (int i = 0; i < count; ++i)
        lines.append(QStringLiteral("výraz %1;word %1;[];NENÍ").arg(i));
    return cp1250Lines(lines);
}

// Opens the file in the editor, deletes half of its expressions and saves it.
void deleteHalfAndSave(TestWindows &w, const QString &path) {
    TForm2 *editor = w.forms().Form2;
    w.dialogs().files.push_back(path);
    editor->openAction->trigger();
    const int half = editor->recordCount() / 2;
    for (int i = 0; i < half; ++i)
        editor->document().remove(0);
    editor->saveAction->trigger();
}

int warningsAbout(const ScriptedDialogs &dialogs, const QString &text) {
    int count = 0;
    for (const ScriptedDialogs::Shown &shown : dialogs.shown)
        count += shown.kind == MessageKind::Warning && shown.text.contains(text);
    return count;
}

} // namespace

class TestBackupWindow : public QObject {
    Q_OBJECT

private slots:
    void restore_data() {
        QTest::addColumn<bool>("over");
        QTest::addColumn<bool>("closeEditor");
        QTest::newRow("over the file open in the editor") << true << false;
        QTest::newRow("over the file after a restart") << true << true;
        QTest::newRow("as a copy") << false << false;
    }

    void restore() {
        QFETCH(bool, over);
        QFETCH(bool, closeEditor);
        TestWindows w;
        const QByteArray full = dictionary(8);
        const QString path = w.platform().writeFile(QStringLiteral("Slovniky/zvirata.slv"), full);
        deleteHalfAndSave(w, path);
        const QByteArray half = bytesOf(path);
        QCOMPARE(half, dictionary(8).right(half.size()));
        TForm2 *editor = w.forms().Form2;
        if (closeEditor)
            editor->newDictionary();

        // Program › "Obnovit ze zálohy…": the file saved last, its newest backup.
        w.forms().Form1->restoreAction->trigger();
        BackupWindow *window = w.forms().backupWindow;
        QVERIFY(window->isVisible());
        QCOMPARE(window->fileBox->currentText(), QStringLiteral("zvirata.slv"));
        QCOMPARE(window->backupTable->rowCount(), 1);
        QCOMPARE(window->backupTable->item(0, 1)->text(), QStringLiteral("8"));
        QAbstractItemModel *shown = window->expressionList->model();
        QCOMPARE(shown->rowCount(), 8);
        QCOMPARE(shown->index(7, 0).data().toString(), QStringLiteral("word 7 – výraz 7"));

        const QString copy = w.platform().folder.userFile(QStringLiteral("Slovniky/kopie.slv"));
        if (over)
            w.dialogs().answers.push_back(true);
        else
            w.dialogs().files.push_back(copy);
        QTest::mouseClick(over ? window->restoreButton : window->copyButton, Qt::LeftButton);

        QCOMPARE(w.dialogs().unexpected, 0);
        QCOMPARE(bytesOf(over ? path : copy), full);
        if (over) {
            // The replaced content is a backup of its own: the restore can be undone.
            const QList<BackupStore::Backup> kept = w.platform().backups->backupsOf(path);
            QCOMPARE(kept.size(), 2);
            QCOMPARE(bytesOf(kept.first().path), half);
            QCOMPARE(window->backupTable->rowCount(), 2);
            QCOMPARE(editor->recordCount(), closeEditor ? 0 : 8);
            QCOMPARE(editor->document().isModified(), false);
        } else {
            QCOMPARE(bytesOf(path), half);
        }
    }

    // "Zalohy" is a file, not a folder: every save is written, and the user is told once.
    void failedBackupDoesNotStopTheSave() {
        TestWindows w;
        QVERIFY(
            textfile::saveFile(w.platform().folder.userFile(QStringLiteral("Zalohy")), "x").ok());
        const QString path =
            w.platform().writeFile(QStringLiteral("Slovniky/zvirata.slv"), dictionary(8));
        deleteHalfAndSave(w, path);
        QCOMPARE(bytesOf(path), dictionary(8).right(bytesOf(path).size()));
        w.platform().fixedClock().time = w.platform().fixedClock().time.addSecs(3600);
        deleteHalfAndSave(w, path);
        QCOMPARE(w.forms().Form2->recordCount(), 2);
        QCOMPARE(bytesOf(path), dictionary(8).right(bytesOf(path).size()));
        QCOMPARE(warningsAbout(w.dialogs(), QStringLiteral("Zálohu souboru")), 1);
        QCOMPARE(warningsAbout(w.dialogs(), QStringLiteral("Soubor se přesto uloží.")), 1);
        QCOMPARE(bytesOf(w.platform().folder.userFile(QStringLiteral("Zalohy"))), QByteArray("x"));
    }
};

QTEST_MAIN(TestBackupWindow)
#include "tst_backupwindow.moc"
