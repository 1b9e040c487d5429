#include "savesites.h"

#include "app/Unit1.h"
#include "backups/backupwindow.h"
#include "core/textfile.h"
#include "dictionary/Unit14.h"
#include "dictionary/Unit15.h"
#include "dictionary/Unit2.h"
#include "dictionary/dictionarymodel.h"
#include "dictionary/slovnik.h"
#include "internet/Unit19.h"
#include "review/reviewfile.h"
#include "review/reviewwindow.h"
#include "statistics/Unit23.h"
#include "support/testfiles.h"
#include "support/testplatform.h"
#include "testing/Unit10.h"
#include "testing/Unit4.h"
#include "testing/Unit9.h"
#include "tips/tipy.h"
#include "ui/forms.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>

namespace {

QStringList dictionaryLines(int size, int variant) {
    QStringList lines;
    lines.reserve(size);
    for (int i = 0; i < size; ++i)
        lines.append(QStringLiteral("slovíčko %1-%2;word %1;[wörd];NENÍ").arg(i).arg(variant));
    return lines;
}

Tpole records(int size, int variant) {
    return dictionaryfile::parseDictionary(
        dictionaryLines(size, variant).join(QStringLiteral("\r\n")));
}

QString scratch(TestWindows &w, const QString &name, const QByteArray &bytes) {
    return w.platform().writeFile(QStringLiteral("zdroje/") + name, bytes);
}

void nothing(TestWindows &, const QString &, int) {}

// The editor: an opened dictionary saved back to its own file.
void editorOpen(TestWindows &w, const QString &target, int size) {
    if (!QFile::exists(target))
        QVERIFY(textfile::saveFile(target, dictionaryBytes(size, 0)).ok());
    w.dialogs().files.push_back(target);
    w.forms().Form2->BitBtn2Click();
}
void editorSave(TestWindows &w, const QString &, int variant) {
    TForm2 *editor = w.forms().Form2;
    editor->document().model()->replace(records(std::max(1, editor->recordCount()), variant), true);
    editor->BitBtn3Click();
}

// The editor's "Save as".
void editorFill(TestWindows &w, const QString &, int size) {
    w.forms().Form2->document().model()->replace(records(size, 0), true);
}
void editorSaveAs(TestWindows &w, const QString &target, int variant) {
    TForm2 *editor = w.forms().Form2;
    editor->document().model()->replace(records(editor->recordCount(), variant), true);
    w.dialogs().files.push_back(target);
    editor->saveAsClick();
}

// The editor's "Uložit" a quarter of an hour after the last one: each save first keeps the
// file's earlier version among the backups (which rotate once a day has passed).
void editorSaveWithBackup(TestWindows &w, const QString &target, int variant) {
    FixedClock &clock = w.platform().fixedClock();
    clock.time = clock.time.addSecs(15 * 60);
    editorSave(w, target, variant);
}

// "Obnovit přes současný soubor…" of the restore window: a backup of each content, the
// newest of the one asked for restored over the file (whose content is kept first).
void restoreBackups(TestWindows &w, const QString &target, int size) {
    const bool existed = QFile::exists(target);
    const QByteArray present = bytesOf(target);
    for (int variant : {1, 0}) {
        QVERIFY(textfile::saveFile(target, dictionaryBytes(size, variant)).ok());
        QVERIFY(w.platform().backups->keepNow(target).ok());
    }
    if (existed)
        QVERIFY(textfile::saveFile(target, present).ok());
}
void restoreOver(TestWindows &w, const QString &target, int variant) {
    BackupWindow *window = w.forms().backupWindow;
    window->showFor(target);
    // Each content's first line is its own.
    const QByteArray wanted = dictionaryBytes(1, variant);
    const QList<BackupStore::Backup> kept = w.platform().backups->backupsOf(target);
    int row = 0;
    while (row < kept.size() && !bytesOf(kept[row].path).startsWith(wanted))
        ++row;
    window->backupTable->selectRow(row);
    w.dialogs().answers.push_back(true);
    window->restoreButton->click();
}

// The editor's "Exportovat…".
void editorExport(TestWindows &w, const QString &target, int variant) {
    TForm2 *editor = w.forms().Form2;
    editor->document().model()->replace(records(std::max(1, editor->recordCount()), variant), true);
    w.dialogs().files.push_back(target);
    editor->exportAction->trigger();
}

// The merger: every expression of a source dictionary moved into the new one.
void mergerSources(TestWindows &w, const QString &, int size) {
    for (int variant : {0, 1})
        scratch(w, QStringLiteral("zdroj%1.slv").arg(variant), dictionaryBytes(size, variant));
}
void mergerSave(TestWindows &w, const QString &target, int variant) {
    TForm14 *merger = w.forms().Form14;
    w.dialogs().files.push_back(
        w.platform().folder.userFile(QStringLiteral("zdroje/zdroj%1.slv").arg(variant)));
    merger->btnactiClick();
    merger->BitBtn2Click();
    merger->BitBtn1Click();
    w.dialogs().files.push_back(target);
    merger->btulozClick();
}

// The converter: two word lists paired into a dictionary.
void converterLists(TestWindows &w, const QString &, int size) {
    for (int variant : {0, 1}) {
        QStringList words;
        for (int i = 0; i < size; ++i)
            words.append(QStringLiteral("slovo %1-%2").arg(i).arg(variant));
        scratch(w, QStringLiteral("cesky%1.txt").arg(variant), cp1250Lines(words));
    }
    scratch(w, QStringLiteral("cizi.txt"), "word\r\nanother\r\n");
}
void converterSave(TestWindows &w, const QString &target, int variant) {
    TForm15 *converter = w.forms().Form15;
    w.dialogs().files.push_back(
        w.platform().folder.userFile(QStringLiteral("zdroje/cesky%1.txt").arg(variant)));
    converter->BitBtn2Click();
    w.dialogs().files.push_back(w.platform().folder.userFile(QStringLiteral("zdroje/cizi.txt")));
    converter->BitBtn3Click();
    converter->BitBtn4Click();
    w.dialogs().files.push_back(target);
    converter->BitBtn5Click();
}

// The evaluation of a test with every answer wrong: the checked expressions saved as
// a new dictionary.
void evaluationTest(TestWindows &w, const QString &, int size) {
    w.forms().Form10->rbpostupne->setChecked(true);
    w.dialogs().files.push_back(scratch(w, QStringLiteral("test.slv"), dictionaryBytes(size, 0)));
    TForm4 *test = w.forms().Form4;
    test->show();
    test->btnovyClick();
    for (int i = 0; i < size; ++i) {
        test->edtodpoved->setText(QStringLiteral("?"));
        QTest::keyClick(test->edtodpoved, Qt::Key_Return);
    }
    QVERIFY(test->finished);
}
void evaluationSave(TestWindows &w, const QString &target, int variant) {
    TForm9 *evaluation = w.forms().Form9;
    for (int row = 0; row < evaluation->CheckListBox1->count(); ++row)
        evaluation->CheckListBox1->item(row)->setCheckState(
            variant == 0 || row % 2 == 0 ? Qt::Checked : Qt::Unchecked);
    evaluation->rbulozit->setChecked(true);
    w.dialogs().files.push_back(target);
    evaluation->BitBtn4Click();
}

// The statistics: tests recorded during the run, written at exit; the chart saved as
// a bitmap.
void statisticsRows(TestWindows &w, const QString &, int size) {
    // Rows loaded from an earlier run are written back as they are.
    if (!w.forms().Form23->table().fileLines().isEmpty())
        return;
    for (int i = 0; i < size; ++i)
        w.forms().Form23->zapisdostatistik(QStringLiteral("/slovniky/zvirata.slv"), i + 1, 1,
                                           QStringLiteral("Ano"), QStringLiteral("Zkoušení I"));
}
void statisticsAtExit(TestWindows &w, const QString &, int) {
    w.forms().Form1->ulozenistatistik();
}
void chartShown(TestWindows &w, const QString &target, int size) {
    statisticsRows(w, target, std::min(size, 30));
    TForm23 *statistics = w.forms().Form23;
    statistics->naplnslovniky();
    statistics->ComboBox1->setCurrentIndex(1);
    statistics->BitBtn2Click();
}
void chartSave(TestWindows &w, const QString &target, int) {
    w.dialogs().files.push_back(target);
    w.forms().Form23->BitBtn3Click();
}

// The tips, renumbered and saved by their editing mode.
void tipsSave(TestWindows &w, const QString &, int) {
    w.forms().Form16->Button2Click();
}

// The message to the author, written to a file before it is mailed.
void messageSend(TestWindows &w, const QString &, int variant) {
    QStringList lines;
    for (int i = 0; i < 2000; ++i)
        lines.append(
            QStringLiteral("Řádek %1 zprávy %2: příliš žluťoučký kůň").arg(i).arg(variant));
    w.forms().Form19->Memo1->setPlainText(lines.join(u'\n'));
    w.forms().Form19->BitBtn1Click();
}

// The review plan beside a dictionary, written after every answer in the review
// window: every expression is new at first and asked on the day, each answer adds to the
// plan (its contents grow, they are not two fixed ones).
void planOpen(TestWindows &w, const QString &target, int size) {
    const QString dictionary = QFileInfo(target).path() + QStringLiteral("/slovnik.slv");
    if (!QFile::exists(dictionary))
        QVERIFY(textfile::saveFile(dictionary, dictionaryBytes(size, 0)).ok());
    ReviewWindow *window = w.forms().review;
    window->newPerDayBox->setValue(window->newPerDayBox->maximum());
    QVERIFY(window->openDictionary(dictionary));
    if (!window->planIsOn())
        window->turnOnButton->click();
}
void planAnswer(TestWindows &w, const QString &, int variant) {
    ReviewWindow *window = w.forms().review;
    window->showButton->click();
    window->answerButtons[variant == 0 ? 0 : 2]->click();
}

} // namespace

QByteArray dictionaryBytes(int size, int variant) {
    return cp1250Lines(dictionaryLines(size, variant));
}

const QList<SaveSite> &saveSites() {
    static const QList<SaveSite> sites{
        {"editor-save", "slovnik.slv", nullptr, editorOpen, editorSave},
        {"editor-save-as", "jiny.slv", nullptr, editorFill, editorSaveAs},
        {"editor-save-backup", "zalohovany.slv", nullptr, editorOpen, editorSaveWithBackup},
        {"restore", "obnoveny.slv", nullptr, restoreBackups, restoreOver},
        {"editor-export", "vyvoz.csv", nullptr, editorFill, editorExport},
        {"merger", "sloucene.slv", nullptr, mergerSources, mergerSave},
        {"converter", "prevedene.slv", nullptr, converterLists, converterSave},
        {"evaluation", "chyby.slv", nullptr, evaluationTest, evaluationSave},
        {"statistics", "statistiky.dat", "", statisticsRows, statisticsAtExit},
        {"chart", "graf.bmp", nullptr, chartShown, chartSave},
        {"tips", "Tips.vkb", "", nothing, tipsSave},
        {"message", "Zprava.txt", "WorkDir", nothing, messageSend},
    };
    return sites;
}

const SaveSite &planSaveSite() {
    static const SaveSite site{"review-plan", "slovnik.vkp", nullptr, planOpen, planAnswer};
    return site;
}

const SaveSite *findSaveSite(const QString &name) {
    for (const SaveSite &site : saveSites())
        if (name == QLatin1String(site.name))
            return &site;
    return name == QLatin1String(planSaveSite().name) ? &planSaveSite() : nullptr;
}

QString saveTarget(const SaveSite &site, const QString &programFolder,
                   const QString &chosenFolder) {
    const QString folder =
        site.ownFolder ? QDir(programFolder).filePath(QLatin1String(site.ownFolder)) : chosenFolder;
    return QDir::cleanPath(QDir(folder).filePath(QLatin1String(site.fileName)));
}

QString saveTarget(const SaveSite &site, TestWindows &windows, const QString &chosenFolder) {
    return saveTarget(site, windows.platform().folder.path(), chosenFolder);
}
