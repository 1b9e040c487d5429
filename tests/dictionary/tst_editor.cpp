#include "app/Unit8.h"
#include "app/forms.h"
#include "dictionary/Unit17.h"
#include "dictionary/Unit2.h"
#include "dictionary/Unit3.h"
#include "dictionary/dictionarymodel.h"
#include "support/testfiles.h"
#include "support/testplatform.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
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
    editor->btpridejClick();
}

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
        e->vyberRadek(0);
        e->btodeberClick();
        QCOMPARE(statusOf(e), QStringLiteral("Počet výrazů ve slovníku:1"));
        QCOMPARE(e->slovnik().size(), 1);
        QCOMPARE(e->slovnik()[0].ang, QStringLiteral("dog"));
        // Add clears the fields for the next expression.
        QCOMPARE(e->edtang->text(), QString());
        QCOMPARE(e->edtvyslovnost->text(), QStringLiteral("[]"));
        QCOMPARE(e->edtzvuk->text(), QStringLiteral("NENÍ"));
    }

    void addWithAMissingEntryIsRefused() {
        TForm2 *e = editor();
        add(e, QStringLiteral("cat"), QString());
        QCOMPARE(dialogs().texts(),
                 QStringList{
                     QStringLiteral("Nejsou vyplněny všechny údaje, záznam nemůže být přidán!!")});
        QCOMPARE(dialogs().shown.last().kind, MessageKind::Warning);
        QVERIFY(e->slovnik().isEmpty());
        QCOMPARE(statusOf(e), QStringLiteral("Počet výrazů ve slovníku: -"));
    }

    void firstExpressionFillsTheEmptyRowAndTheNextOnesAddRows() {
        TForm2 *e = editor();
        QCOMPARE(e->model()->rowCount(), 1);
        add(e, QStringLiteral("cat"), QStringLiteral("kočka"), QStringLiteral("[k4t]"));
        QCOMPARE(e->model()->rowCount(), 1);
        QCOMPARE(e->model()->cell(0, 0), QStringLiteral("cat"));
        QCOMPARE(e->model()->cell(0, 2), QStringLiteral("[k4t]"));
        add(e, QStringLiteral("dog"), QStringLiteral("pes"));
        QCOMPARE(e->model()->rowCount(), 2);
        QCOMPARE(e->model()->cell(1, 1), QStringLiteral("pes"));
        // Deleting every expression leaves no row; the next addition makes row 1 again.
        e->vyberRadek(1);
        e->btodeberClick();
        e->vyberRadek(0);
        e->btodeberClick();
        QCOMPARE(e->model()->rowCount(), 0);
        e->btodeberClick(); // nothing left to delete
        QCOMPARE(statusOf(e), QStringLiteral("Počet výrazů ve slovníku:0"));
        add(e, QStringLiteral("bird"), QStringLiteral("pták"));
        QCOMPARE(e->model()->rowCount(), 1);
        QCOMPARE(e->model()->cell(0, 0), QStringLiteral("bird"));
        QCOMPARE(e->model()->data(e->model()->index(0, 1), Qt::ToolTipRole).toString(),
                 QStringLiteral("pták"));
        QCOMPARE(e->model()->headerData(2, Qt::Horizontal, Qt::DisplayRole).toString(),
                 QStringLiteral("Cizojazyčná výslovnost"));
    }

    void newDictionaryAsksAndStartsAgain() {
        TForm2 *e = editor();
        add(e, QStringLiteral("cat"), QStringLiteral("kočka"));
        dialogs().answers = {false};
        e->BitBtn5Click();
        QCOMPARE(e->pocet(), 1);
        dialogs().answers = {true};
        e->BitBtn5Click();
        QCOMPARE(dialogs().texts().last(), QStringLiteral("Chcete vytvořit nový slovník?"));
        QCOMPARE(e->pocet(), 0);
        QCOMPARE(e->model()->rowCount(), 1);
        QCOMPARE(statusOf(e), QStringLiteral("Počet výrazů ve slovníku: - "));
        QCOMPARE(e->windowTitle(), QStringLiteral("Editor výrazů - novyslovnik.slv"));
    }

    void openedDictionaryShowsItsNameInLowerCase() {
        TForm2 *e = editor();
        const QString path = platform().writeFile(
            QStringLiteral("Slovniky/Zvirata.slv"),
            cp1250(QStringLiteral("kočka;cat;[k4t];NENÍ\r\npes;dog;[];NENÍ\r\n")));
        dialogs().files = {path};
        e->BitBtn2Click();
        QCOMPARE(e->windowTitle(), QStringLiteral("Editor výrazů - zvirata.slv"));
        QCOMPARE(e->pocet(), 2);
        QCOMPARE(e->model()->rowCount(), 2);
        QCOMPARE(e->model()->cell(0, 0), QStringLiteral("cat"));
        QCOMPARE(e->model()->cell(0, 1), QStringLiteral("kočka"));
        QCOMPARE(statusOf(e), QStringLiteral("Počet výrazů ve slovníku: 2"));
        QCOMPARE(dialogs().fileDialogs.last().title, QStringLiteral("Načíst slovník z:"));
        QCOMPARE(e->openDialog().fileName, path.toLower());
    }

    void emptyFileIsRefusedAndTheDictionaryKept() {
        TForm2 *e = editor();
        add(e, QStringLiteral("cat"), QStringLiteral("kočka"));
        dialogs().files = {platform().writeFile(QStringLiteral("prazdny.slv"), {})};
        e->BitBtn2Click();
        QCOMPARE(dialogs().texts(), QStringList{QStringLiteral("Nejde načíst prázdný slovník!")});
        QCOMPARE(dialogs().shown.last().kind, MessageKind::Information);
        QCOMPARE(e->pocet(), 1);
        QCOMPARE(e->windowTitle(), QStringLiteral("Editor výrazů - novyslovnik.slv"));
    }

    void savingAnEmptyDictionaryIsRefused() {
        TForm2 *e = editor();
        e->BitBtn3Click();
        QCOMPARE(dialogs().texts(), QStringList{QStringLiteral("Nelze uložit prázdný slovník.")});
        QVERIFY(dialogs().fileDialogs.isEmpty());
    }

    void newDictionaryIsAlwaysSavedThroughTheDialog() {
        TForm2 *e = editor();
        const QString opened = platform().writeFile(QStringLiteral("novyslovnik.slv"),
                                                    cp1250(QStringLiteral("a;b;[];NENÍ\r\n")));
        dialogs().files = {opened, std::nullopt};
        e->BitBtn2Click();
        e->BitBtn3Click();
        QCOMPARE(dialogs().fileDialogs.size(), 2);
        QCOMPARE(dialogs().fileDialogs.last().title, QStringLiteral("Uložit slovník jako:"));
        QCOMPARE(dialogs().texts().last(), QStringLiteral("Slovník se nepodařilo uložit."));

        const QString chosen = platform().folder.file(QStringLiteral("Moje.slv"));
        dialogs().files = {chosen};
        e->BitBtn3Click();
        QCOMPARE(bytesOf(chosen), cp1250(QStringLiteral("a;b;[];NENÍ\r\n")));
        QCOMPARE(e->windowTitle(), QStringLiteral("Editor výrazů - Moje.slv"));
        QCOMPARE(e->saveDialog().history, QStringList{chosen.toLower()});
        // The next Save writes to the same file without asking.
        add(e, QStringLiteral("c"), QStringLiteral("d"));
        e->BitBtn3Click();
        QCOMPARE(dialogs().fileDialogs.size(), 3);
        QCOMPARE(bytesOf(chosen), cp1250(QStringLiteral("a;b;[];NENÍ\r\nd;c;[];NENÍ\r\n")));
    }

    void saveMovesSoundsIntoTheDictionaryFolder() {
        TForm2 *e = editor();
        const QString sound = platform().writeFile(QStringLiteral("Temp/cat.wav"), "RIFF");
        add(e, QStringLiteral("cat"), QStringLiteral("kočka"), QStringLiteral("[k4t]"), sound);
        const QString chosen = platform().folder.file(QStringLiteral("Zvirata.slv"));
        dialogs().files = {chosen};
        e->BitBtn3Click();
        const QString moved =
            QDir::toNativeSeparators(platform().folder.file(QStringLiteral("ZVIRATA/cat.wav")));
        QCOMPARE(e->slovnik()[0].zvuk, moved);
        QCOMPARE(e->model()->cell(0, 3), moved);
        QVERIFY(!QFile::exists(sound));
        QCOMPARE(bytesOf(moved), QByteArray("RIFF"));
        QCOMPARE(bytesOf(chosen), cp1250(QStringLiteral("kočka;cat;[k4t];") + moved + "\r\n"));
    }

    void saveAsWritesWithoutMovingSoundsAndAcceptsAnEmptyDictionary() {
        TForm2 *e = editor();
        const QString empty = platform().folder.file(QStringLiteral("prazdny.slv"));
        dialogs().files = {empty};
        e->UlozitjakoClick();
        QVERIFY(QFile::exists(empty));
        QCOMPARE(bytesOf(empty), QByteArray());
        QCOMPARE(e->windowTitle(), QStringLiteral("Editor výrazů - prazdny.slv"));

        const QString sound = platform().writeFile(QStringLiteral("Temp/dog.wav"), "RIFF");
        add(e, QStringLiteral("dog"), QStringLiteral("pes"), QStringLiteral("[]"), sound);
        const QString other = platform().folder.file(QStringLiteral("jiny.slv"));
        dialogs().files = {other, std::nullopt};
        e->UlozitjakoClick();
        QVERIFY(QFile::exists(sound));
        QCOMPARE(bytesOf(other), cp1250(QStringLiteral("pes;dog;[];") + sound + "\r\n"));
        QVERIFY(e->saveDialog().history.isEmpty());
        e->UlozitjakoClick();
        QCOMPARE(dialogs().texts().last(), QStringLiteral("Slovník se nepodařilo uložit."));
    }

    void dictionaryMadeInTheEditorOpensAgainByteIdentical() {
        TForm2 *e = editor();
        add(e, QStringLiteral("house+home"), QStringLiteral("dům+domov"), QStringLiteral("[ha2s]"));
        add(e, QStringLiteral("thin"), QStringLiteral("tenký"), QStringLiteral("[01n]"));
        const QString first = platform().folder.file(QStringLiteral("prvni.slv"));
        dialogs().files = {first};
        e->BitBtn3Click();
        const QByteArray written = bytesOf(first);
        QCOMPARE(written, cp1250(QStringLiteral(
                              "dům+domov;house+home;[ha2s];NENÍ\r\ntenký;thin;[01n];NENÍ\r\n")));
        dialogs().answers = {true};
        e->BitBtn5Click();
        dialogs().files = {first};
        e->BitBtn2Click();
        const QString second = platform().folder.file(QStringLiteral("druhy.slv"));
        dialogs().files = {second};
        e->UlozitjakoClick();
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

        e->CheckBox1->click();
        e->CheckBox2->click();
        QVERIFY(!e->edtvyslovnost->isEnabled());
        QVERIFY(!e->btpridejzvuk->isEnabled());
        e->edtang->setText(QStringLiteral("cat"));
        e->edtcz->setText(QStringLiteral("kočka"));
        QTest::keyClick(e->edtcz, Qt::Key_Return);
        QCOMPARE(e->pocet(), 1);
        QCOMPARE(e->slovnik()[0], (Tslovniky{QStringLiteral("cat"), QStringLiteral("kočka"),
                                             QStringLiteral("[]"), QStringLiteral("NENÍ")}));
    }

    void newestTwelveRowsStayInView() {
        TForm2 *e = editor();
        e->show();
        QVERIFY(QTest::qWaitForWindowExposed(e));
        for (int i = 0; i < 13; ++i)
            add(e, QStringLiteral("w%1").arg(i), QStringLiteral("s%1").arg(i));
        QCoreApplication::processEvents();
        QCOMPARE(e->stg->rowAt(0), 1);
        for (int i = 13; i < 30; ++i)
            add(e, QStringLiteral("w%1").arg(i), QStringLiteral("s%1").arg(i));
        QCoreApplication::processEvents();
        QCOMPARE(e->stg->rowAt(0), 30 - 12);
    }

    void editDialogChangesOnlyItsRowAndZrusitChangesNothing() {
        TForm2 *e = editor();
        for (int i = 1; i <= 4; ++i)
            add(e, QStringLiteral("w%1").arg(i), QStringLiteral("s%1").arg(i));
        const Tpole before = e->slovnik();
        e->vyberRadek(2);
        e->btupravClick();
        TForm3 *d = forms().Form3;
        QVERIFY(d->isVisible());
        QCOMPARE(d->Edit1->text(), QStringLiteral("w3"));
        QCOMPARE(d->Edit4->text(), QStringLiteral("NENÍ"));
        d->Edit2->setText(QStringLiteral("změněno"));
        d->BitBtn1Click();
        QVERIFY(!d->isVisible());
        Tpole expected = before;
        expected[2].cz = QStringLiteral("změněno");
        QCOMPARE(e->slovnik(), expected);
        QCOMPARE(e->model()->cell(2, 1), QStringLiteral("změněno"));

        e->vyberRadek(1);
        e->btupravClick();
        d->Edit1->setText(QStringLiteral("jiné"));
        d->BitBtn2Click();
        QCOMPARE(e->slovnik(), expected);
        e->btupravClick();
        QCOMPARE(d->Edit1->text(), QStringLiteral("w2"));
    }

    void explanationsListTheTwelvePhoneticKeys() {
        editor()->btnapovedaClick();
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
        editor()->btnapovedaClick();
        QVERIFY(!f->isVisible());
    }

    void closingReturnsToTheMainWindowAndBitBtn4StartsAnew() {
        TForm2 *e = editor();
        e->show();
        setApplicationTitle(QStringLiteral("Vokab - Editor výrazů"));
        add(e, QStringLiteral("cat"), QStringLiteral("kočka"));
        e->close();
        QCOMPARE(applicationTitle(), QStringLiteral("Vokab"));
        QCOMPARE(e->pocet(), 1); // the dictionary waits for the next visit
        e->show();
        e->BitBtn4Click();
        QVERIFY(!e->isVisible());
        QCOMPARE(e->pocet(), 0);
        QVERIFY(dialogs().shown.isEmpty());
    }

    void minimisingTheEditorMinimisesTheOtherWindows() {
        TForm2 *e = editor();
        e->show();
        forms().Form17->show();
        QVERIFY(QTest::qWaitForWindowExposed(forms().Form17));
        e->setWindowState(Qt::WindowMinimized);
        QTRY_VERIFY(forms().Form17->isMinimized());
    }

private:
    TForm2 *editor() { return m_windows->forms().Form2; }
    Forms &forms() { return m_windows->forms(); }
    ScriptedDialogs &dialogs() { return m_windows->dialogs(); }
    TestPlatform &platform() { return m_windows->platform(); }
    std::unique_ptr<TestWindows> m_windows;
};

QTEST_MAIN(TestEditor)
#include "tst_editor.moc"
