// The main window (mode buttons, menu, shortcut keys, tip of the day, exit), the
// splash and about window, and the start-up.
#include "app/Unit1.h"
#include "app/Unit22.h"
#include "app/Unit8.h"
#include "core/product.h"
#include "dictionary/Unit2.h"
#include "dictionary/Unit3.h"
#include "internet/Unit19.h"
#include "learning/Unit6.h"
#include "statistics/Unit23.h"
#include "support/testfiles.h"
#include "support/testplatform.h"
#include "testing/Unit12.h"
#include "testing/Unit4.h"
#include "tips/tipy.h"
#include "translator/Unit24.h"
#include "ui/forms.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

namespace {

QWidget *modeWindow(Forms &forms, const QString &which) {
    if (which == "editor")
        return forms.Form2;
    if (which == "learning")
        return forms.Form6;
    if (which == "testing1")
        return forms.Form4;
    if (which == "testing2")
        return forms.Form12;
    if (which == "translator")
        return forms.Form24;
    return nullptr;
}

void showActive(QWidget *window) {
    window->show();
    window->activateWindow();
    QApplication::setActiveWindow(window);
    QVERIFY(QTest::qWaitForWindowActive(window));
}

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

private slots:
    void init() { setApplicationTitle(QStringLiteral("Vokab")); }

    void mainWindowHasItsCaptionButtonsAndHints() {
        TestWindows windows;
        TForm1 &main = *windows.forms().Form1;
        QCOMPARE(main.windowTitle(), QStringLiteral("Vokab 2.20"));
        QCOMPARE(main.GroupBox1->title(), QStringLiteral("Co spustit:"));
        const QList<QPair<QPushButton *, QString>> buttons = {
            {main.bteditor, "Editor výrazů"},
            {main.btvyuka, "Výuka výrazů"},
            {main.btzkouseni, "Zkoušení výrazů I"},
            {main.btzkouseni1, "Zkoušení výrazů II"}};
        for (const auto &[button, caption] : buttons) {
            QCOMPARE(button->text(), caption);
            QCOMPARE(button->toolTip(), caption);
            QCOMPARE(button->parentWidget(), main.GroupBox1);
        }
        QCOMPARE(main.BitBtn1->text(), QStringLiteral("Translator"));
        QCOMPARE(main.btkonec->text(), QStringLiteral("Konec"));
        QCOMPARE(main.btkonec->toolTip(), QStringLiteral("Konec programu"));
        QVERIFY(main.firstActivation);
    }

    void modeButtonsOpenTheirWindowHideMainAndSetTheTitle_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("title");
        QTest::newRow("editor") << "bteditor"
                                << "editor"
                                << "Vokab - Editor výrazů";
        QTest::newRow("learning") << "btvyuka"
                                  << "learning"
                                  << "Vokab - Výuka výrazů";
        QTest::newRow("testing I") << "btzkouseni"
                                   << "testing1"
                                   << "Vokab - Zkoušení výrazů I";
        QTest::newRow("testing II") << "btzkouseni1"
                                    << "testing2"
                                    << "Vokab - Zkoušení výrazů II";
        QTest::newRow("translator") << "BitBtn1"
                                    << "translator"
                                    << "Vokab - Translator";
    }

    void modeButtonsOpenTheirWindowHideMainAndSetTheTitle() {
        QFETCH(QString, button);
        QFETCH(QString, window);
        QFETCH(QString, title);
        TestWindows windows;
        TForm1 &main = *windows.forms().Form1;
        windows.forms().Form8->chbtip->setChecked(false);
        main.show();
        auto *pushButton = main.findChild<QPushButton *>(button);
        QVERIFY(pushButton);
        QTest::mouseClick(pushButton, Qt::LeftButton);
        QWidget *mode = modeWindow(windows.forms(), window);
        QVERIFY(mode->isVisible());
        QVERIFY(!main.isVisible());
        QCOMPARE(applicationTitle(), title);
    }

    void functionKeysOpenTheModes_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("title");
        QTest::newRow("F1") << int(Qt::Key_F1) << "editor"
                            << "Vokab - Editor výrazů";
        QTest::newRow("F2") << int(Qt::Key_F2) << "learning"
                            << "Vokab - Výuka výrazů";
        QTest::newRow("F3") << int(Qt::Key_F3) << "testing1"
                            << "Vokab - Zkoušení výrazů I";
        QTest::newRow("F4") << int(Qt::Key_F4) << "testing2"
                            << "Vokab - Zkoušení výrazů II";
        QTest::newRow("F6") << int(Qt::Key_F6) << "translator"
                            << "Vokab - Translator";
    }

    void functionKeysOpenTheModes() {
        QFETCH(int, key);
        QFETCH(QString, window);
        QFETCH(QString, title);
        TestWindows windows;
        TForm1 &main = *windows.forms().Form1;
        windows.forms().Form8->chbtip->setChecked(false);
        showActive(&main);
        QTest::keyClick(&main, Qt::Key(key));
        QVERIFY(modeWindow(windows.forms(), window)->isVisible());
        QVERIFY(!main.isVisible());
        QCOMPARE(applicationTitle(), title);
        // F1 belongs to the editor, not to the help.
        QVERIFY(windows.platform().helpViewer().shown.isEmpty());
    }

    void menuCarriesEveryItemWithItsKey() {
        TestWindows windows;
        TForm1 &main = *windows.forms().Form1;
        const QList<std::tuple<QString, QString, QKeySequence>> items = {
            {"editorAction", "Editor výrazů", QKeySequence(Qt::Key_F1)},
            {"learningAction", "Výuka výrazů", QKeySequence(Qt::Key_F2)},
            {"testing1Action", "Zkoušení výrazů I", QKeySequence(Qt::Key_F3)},
            {"testing2Action", "Zkoušení výrazů II", QKeySequence(Qt::Key_F4)},
            {"Translator1", "Translator", QKeySequence(Qt::Key_F6)},
            {"Aktualizace1", "&Aktualizace", QKeySequence(Qt::Key_F5)},
            {"quitAction", "&Ukončit program", QKeySequence(Qt::Key_F10)},
            {"statisticsAction", "Statistiky", QKeySequence()},
            {"settingsAction", "&Nastavení", QKeySequence()},
            {"helpAction", "Náp&ověda\tF1", QKeySequence()},
            {"tipAction", "&Tip dne", QKeySequence()},
            {"writeToAuthorAction", "Napsat &autorovi", QKeySequence()},
            {"webPagesAction", "Stránky &programu", QKeySequence()},
            {"aboutAction", "&O Programu", QKeySequence()}};
        for (const auto &[name, text, key] : items) {
            auto *action = main.findChild<QAction *>(name);
            QVERIFY2(action, qPrintable(name));
            QCOMPARE(action->text(), text);
            QCOMPARE(action->shortcut(), key);
        }
        QStringList top;
        for (QAction *action : main.menuBar()->actions())
            top.append(action->text());
        QCOMPARE(top, (QStringList{"&Program", "Statistiky", "&Nastavení", "&Info"}));
        QCOMPARE(main.startMenu->menuAction()->text(), QStringLiteral("&Spustit"));
        QCOMPARE(main.Internet1->menuAction()->text(), QStringLiteral("&Internet"));
        // A separator before "Ukončit program" and before "O Programu".
        const QList<QAction *> program = main.Program1->actions();
        QVERIFY(program.size() == 5 && program[2] == main.restoreAction &&
                program[3]->isSeparator());
        const QList<QAction *> info = main.Info1->actions();
        QVERIFY(info.size() == 5 && info[3]->isSeparator() && info[4] == main.aboutAction);
    }

    void menuBarFitsWithoutItsOverflowButton() {
        TestWindows windows;
        TForm1 &main = *windows.forms().Form1;
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        auto *overflow = main.menuBar()->findChild<QToolButton *>("qt_menubar_ext_button");
        QVERIFY(overflow);
        QVERIFY(!overflow->isVisible());
        QVERIFY(main.menuBar()->actionGeometry(main.Info1->menuAction()).right() <
                main.menuBar()->width());
    }

    void f10AndKonecCloseTheProgram() {
        for (const bool byKey : {false, true}) {
            TestWindows windows;
            TForm1 &main = *windows.forms().Form1;
            windows.forms().Form8->chbtip->setChecked(false);
            windows.platform().writeFile("Temp/nahravka.wav", "RIFF");
            showActive(&main);
            if (byKey)
                QTest::keyClick(&main, Qt::Key_F10);
            else
                QTest::mouseClick(main.btkonec, Qt::LeftButton);
            QVERIFY(!main.isVisible());
            // The exit ran: Temp is empty (the setting is on by default).
            QVERIFY(QDir(windows.platform().folder.temp()).isEmpty());
        }
    }

    void statisticsItemShowsTheStatisticsInPlaceOfMain() {
        TestWindows windows;
        TForm1 &main = *windows.forms().Form1;
        main.show();
        main.statisticsAction->trigger();
        QVERIFY(windows.forms().Form23->isVisible());
        QVERIFY(!main.isVisible());
        QCOMPARE(applicationTitle(), QStringLiteral("Vokab - Statistiky"));
    }

    void settingsItemShowsTheSettingsBesideMain() {
        TestWindows windows;
        TForm1 &main = *windows.forms().Form1;
        main.show();
        main.settingsAction->trigger();
        QVERIFY(windows.forms().Form8->isVisible());
        QVERIFY(main.isVisible());
        QCOMPARE(applicationTitle(), QStringLiteral("Vokab"));
    }

    void helpOpensTheHelpFileAtItsTopic() {
        TestWindows windows;
        TForm1 &main = *windows.forms().Form1;
        windows.platform().writeFile("Vokab.hlp", "<html><a name=\"Topic1\"></a>Nápověda</html>");
        main.helpAction->trigger();
        QCOMPARE(windows.platform().helpViewer().shown,
                 QStringList{windows.platform().folder.shipped("Vokab.hlp") + "#Topic1"});
        QVERIFY(windows.dialogs().shown.isEmpty());
    }

    void missingHelpFileIsReported() {
        TestWindows windows;
        windows.forms().Form1->helpAction->trigger();
        QVERIFY(windows.platform().helpViewer().shown.isEmpty());
        QCOMPARE(windows.dialogs().shown.size(), 1);
        QCOMPARE(windows.dialogs().shown[0].kind, MessageKind::Error);
        QCOMPARE(windows.dialogs().shown[0].text, QStringLiteral("Soubor nápovědy nebyl nalezen."));
    }

    void webPageItemOpensOurAddress() {
        TestWindows windows;
        windows.forms().Form1->webPagesAction->trigger();
        QCOMPARE(windows.platform().desktop().urls, QList<QUrl>{QUrl(product::webAddress())});
        QVERIFY(QUrl(product::webAddress()).isValid());
        QCOMPARE(QUrl(product::webAddress()).scheme(), QStringLiteral("https"));
    }

    // A window opened beside the main window and closed while a mode runs leaves the
    // main window hidden: one mode at a time.
    void sideWindowsLeaveTheMainWindowHiddenDuringAMode_data() {
        QTest::addColumn<QString>("side");
        QTest::newRow("tip of the day, OK") << "tip";
        QTest::newRow("settings, Potvrdit") << "settings confirmed";
        QTest::newRow("settings, Zpět") << "settings back";
        QTest::newRow("about box") << "about";
    }
    void sideWindowsLeaveTheMainWindowHiddenDuringAMode() {
        QFETCH(QString, side);
        TestWindows windows;
        const Forms &forms = windows.forms();
        TForm1 &main = *forms.Form1;
        forms.Form8->chbtip->setChecked(false);
        main.show();
        QAbstractButton *close = nullptr;
        if (side == "tip") {
            main.tipAction->trigger();
            close = forms.Form16->BitBtn1;
        } else if (side == "about") {
            main.aboutAction->trigger();
            close = forms.Form22->SpeedButton1;
        } else {
            main.settingsAction->trigger();
            close = side == "settings back" ? forms.Form8->BitBtn2 : forms.Form8->BitBtn1;
        }
        QVERIFY(close->isVisible());
        QTest::mouseClick(main.findChild<QPushButton *>("bteditor"), Qt::LeftButton);
        QVERIFY(!main.isVisible());
        QTest::mouseClick(close, Qt::LeftButton);
        QVERIFY(forms.Form2->isVisible());
        QVERIFY(!main.isVisible());
        forms.Form2->close();
        QVERIFY(main.isVisible());
    }

    void tipAndAuthorItemsShowTheirWindows() {
        TestWindows windows;
        TForm1 &main = *windows.forms().Form1;
        main.show();
        main.tipAction->trigger();
        QVERIFY(windows.forms().Form16->isVisible());
        main.writeToAuthorAction->trigger();
        QVERIFY(windows.forms().Form19->isVisible());
        QVERIFY(main.isVisible());
    }

    void aboutShowsTheSplashWithCloseButtonAndAddresses() {
        TestWindows windows;
        TForm1 &main = *windows.forms().Form1;
        TForm22 &about = *windows.forms().Form22;
        main.show();
        main.aboutAction->trigger();
        QVERIFY(about.isVisible());
        QVERIFY(main.isVisible());
        QVERIFY(about.SpeedButton1->isVisible());
        QCOMPARE(about.Label1->text(), "e-mail: " + product::authorEmail());
        QCOMPARE(about.Label2->text(), "www: " + product::webAddress());
        QVERIFY(about.Label1->isVisible());
        QVERIFY(about.Label2->isVisible());
        QVERIFY(!about.Timer1->isActive());
        // The about box waits for its close button.
        QVERIFY(!about.close());
        QVERIFY(about.isVisible());
        QTest::mouseClick(about.SpeedButton1, Qt::LeftButton);
        QVERIFY(!about.isVisible());
        QVERIFY(main.isVisible());
    }

    void tipIsShownOnceAtFirstActivationEightyPixelsLower() {
        TestWindows windows;
        TForm1 &main = *windows.forms().Form1;
        TForm16 &tip = *windows.forms().Form16;
        const int designedTop = tip.y();
        main.show();
        main.FormActivate();
        QVERIFY(tip.isVisible());
        QCOMPARE(tip.y(), designedTop + 80);
        QVERIFY(!main.firstActivation);
        // Back from the editor: no second tip.
        tip.hide();
        main.bteditorClick();
        windows.forms().Form2->hide();
        main.show();
        main.FormActivate();
        QVERIFY(!tip.isVisible());
        QCOMPARE(tip.y(), designedTop + 80);
    }

    void tipSettingOffKeepsTheFlagUntilSwitchedOnWithBack() {
        TestWindows windows;
        TForm1 &main = *windows.forms().Form1;
        TForm8 &settings = *windows.forms().Form8;
        TForm16 &tip = *windows.forms().Form16;
        settings.chbtip->setChecked(false);
        main.show();
        main.FormActivate();
        QVERIFY(!tip.isVisible());
        QVERIFY(main.firstActivation);
        // Switched on and left with "Zpět": the next activation shows the tip, once.
        main.settingsClick();
        settings.chbtip->setChecked(true);
        settings.BitBtn2Click();
        main.FormActivate();
        QVERIFY(tip.isVisible());
        QVERIFY(!main.firstActivation);
        tip.hide();
        main.FormActivate();
        QVERIFY(!tip.isVisible());
    }

    void tipSettingSwitchedOnWithConfirmDoesNotShowTheTip() {
        TestWindows windows;
        TForm1 &main = *windows.forms().Form1;
        TForm8 &settings = *windows.forms().Form8;
        settings.chbtip->setChecked(false);
        main.show();
        main.FormActivate();
        main.settingsClick();
        settings.chbtip->setChecked(true);
        settings.BitBtn1Click();
        main.FormActivate();
        QVERIFY(!windows.forms().Form16->isVisible());
    }

    void exitEmptiesTempOfFilesOnlyWhenAsked_data() {
        QTest::addColumn<bool>("clean");
        QTest::newRow("setting on") << true;
        QTest::newRow("setting off") << false;
    }

    void exitEmptiesTempOfFilesOnlyWhenAsked() {
        QFETCH(bool, clean);
        TestWindows windows;
        TestPlatform &platform = windows.platform();
        platform.writeFile("Temp/nahravka1.wav", "RIFF1");
        platform.writeFile("Temp/nahrávka2.wav", "RIFF2");
        platform.writeFile("Temp/slozka/uvnitr.wav", "RIFF3");
        platform.writeFile("WorkDir/sound.wav", "RIFF4");
        windows.forms().Form8->chbtemp->setChecked(clean);
        windows.forms().Form1->show();
        QVERIFY(windows.forms().Form1->close());
        const QStringList left =
            QDir(platform.folder.temp())
                .entryList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Name);
        if (clean)
            QCOMPARE(left, QStringList{"slozka"});
        else
            QCOMPARE(left, (QStringList{"nahravka1.wav", "nahrávka2.wav", "slozka"}));
        QVERIFY(QFile::exists(platform.folder.userFile("Temp/slozka/uvnitr.wav")));
        QVERIFY(QFile::exists(platform.folder.userFile("WorkDir/sound.wav")));
        QVERIFY(windows.dialogs().shown.isEmpty());
    }

    // Emptying Temp at the end never takes a recording that the editor still refers
    // to: a record's sound, the sound field, the edit dialog's sound field, an expression
    // that "Zpět" or "Znovu" can bring back.
    void exitKeepsTheRecordingsTheEditorStillUses_data() {
        QTest::addColumn<QString>("user");
        QTest::newRow("an expression of the dictionary") << "record";
        QTest::newRow("the sound field") << "sound field";
        QTest::newRow("the edit dialog") << "edit dialog";
        QTest::newRow("an undone addition") << "undone";
        QTest::newRow("an undone edit") << "undone edit";
    }
    void exitKeepsTheRecordingsTheEditorStillUses() {
        QFETCH(QString, user);
        TestWindows windows;
        TestPlatform &platform = windows.platform();
        const QString used = platform.writeFile("Temp/pouzita.wav", "RIFF1");
        const QString unused = platform.writeFile("Temp/nepouzita.wav", "RIFF2");
        TForm1 &main = *windows.forms().Form1;
        TForm2 &editor = *windows.forms().Form2;
        main.show();
        QTest::mouseClick(main.bteditor, Qt::LeftButton);
        editor.edtang->setText(QStringLiteral("cat"));
        editor.edtcz->setText(QStringLiteral("kočka"));
        editor.edtzvuk->setText(QDir::toNativeSeparators(user == "edit dialog" ? unused : used));
        if (user != "sound field")
            QTest::mouseClick(editor.btpridej, Qt::LeftButton);
        if (user == "edit dialog") {
            editor.selectRow(0);
            QTest::mouseClick(editor.btuprav, Qt::LeftButton);
            windows.forms().Form3->Edit4->setText(QDir::toNativeSeparators(used));
        }
        if (user == "undone edit") {
            // The edit gives the expression the other recording; undone, the recording it
            // took is held for "Znovu".
            editor.selectRow(0);
            QTest::mouseClick(editor.btuprav, Qt::LeftButton);
            windows.forms().Form3->Edit4->setText(QDir::toNativeSeparators(unused));
            QTest::mouseClick(windows.forms().Form3->BitBtn1, Qt::LeftButton);
        }
        if (user.startsWith("undone")) {
            editor.undoAction->trigger();
            QCOMPARE(editor.recordCount(), user == "undone" ? 0 : 1);
        }
        if (user == "undone edit") {
            // The edit dialog names it no more.
            QTest::mouseClick(editor.btuprav, Qt::LeftButton);
            QTest::mouseClick(windows.forms().Form3->BitBtn2, Qt::LeftButton);
        }
        editor.close();
        windows.dialogs().choices = {1}; // the dictionary is not saved
        QTest::mouseClick(main.btkonec, Qt::LeftButton);
        QVERIFY(!main.isVisible());
        QCOMPARE(bytesOf(used), QByteArray("RIFF1"));
        QCOMPARE(QFile::exists(unused), user == "edit dialog" || user == "undone edit");
    }

    void exitWithoutTempFolderStillEnds() {
        TestWindows windows;
        QVERIFY(QDir(windows.platform().folder.temp()).removeRecursively());
        windows.forms().Form1->show();
        QVERIFY(windows.forms().Form1->close());
        QVERIFY(!windows.forms().Form1->isVisible());
        QVERIFY(windows.dialogs().shown.isEmpty());
    }

    void splashRefusesToCloseAndGivesWayAfterTwoTicks() {
        TestWindows windows;
        TForm22 &splash = *windows.forms().Form22;
        TForm1 &main = *windows.forms().Form1;
        windows.forms().Form8->chbtip->setChecked(false);
        QCOMPARE(splash.ticksLeft, 2);
        QCOMPARE(splash.Timer1->interval(), 1000);
        QVERIFY(!splash.Timer1->isActive());
        QVERIFY(splash.SpeedButton1->isHidden());
        QVERIFY(splash.Label1->isHidden());
        QVERIFY(splash.Label2->isHidden());

        startProgram(windows.forms());
        QVERIFY(splash.isVisible());
        QVERIFY(!main.isVisible());
        QVERIFY(splash.Timer1->isActive());
        QVERIFY(splash.windowFlags() & Qt::FramelessWindowHint);

        QVERIFY(!splash.close());
        QTest::keyClick(&splash, Qt::Key_F4, Qt::AltModifier);
        QVERIFY(splash.isVisible());

        splash.Timer1Timer();
        QVERIFY(splash.isVisible());
        QVERIFY(!main.isVisible());
        splash.Timer1Timer();
        QVERIFY(!splash.isVisible());
        QVERIFY(main.isVisible());
        QVERIFY(!splash.Timer1->isActive());
    }

    // A dictionary from outside (command line, second start) opens in the editor in place
    // of the main window: after the splash, at once from the main window, once the main
    // window is back from another mode, and not over unsaved changes the user keeps.
    void aDictionaryFromOutsideOpensInTheEditor_data() {
        QTest::addColumn<QString>("when");
        QTest::newRow("during the splash") << "splash";
        QTest::newRow("from the main window") << "main";
        QTest::newRow("during Testing I") << "testing1";
        QTest::newRow("over unsaved changes, Zrušit") << "unsaved";
    }
    void aDictionaryFromOutsideOpensInTheEditor() {
        QFETCH(QString, when);
        TestWindows windows;
        Forms &forms = windows.forms();
        forms.Form8->chbtip->setChecked(false);
        const QString path =
            windows.platform().writeFile("Slovniky/Zvirata.slv", cp1250Lines({"pes;dog;[];NENÍ"}));
        startProgram(forms);
        if (when == "splash") {
            forms.Form1->openDictionary(path);
            QVERIFY(!forms.Form2->isVisible());
        }
        forms.Form22->Timer1Timer();
        forms.Form22->Timer1Timer();
        if (when == "testing1") {
            QTest::mouseClick(forms.Form1->btzkouseni, Qt::LeftButton);
            forms.Form1->openDictionary(path);
            QVERIFY(!forms.Form2->isVisible());
            QVERIFY(forms.Form4->isVisible());
            QVERIFY(windows.dialogs().lastText().contains("po návratu do hlavní nabídky"));
            forms.Form4->close();
        } else if (when == "main") {
            QVERIFY(forms.Form1->isVisible());
            forms.Form1->openDictionary(path);
        } else if (when == "unsaved") {
            QTest::mouseClick(forms.Form1->bteditor, Qt::LeftButton);
            forms.Form2->edtang->setText("cat");
            forms.Form2->edtcz->setText("kočka");
            QTest::mouseClick(forms.Form2->btpridej, Qt::LeftButton);
            windows.dialogs().choices.push_back(2); // "Zrušit"
            forms.Form1->openDictionary(path);
            QCOMPARE(forms.Form2->dictionary()[0].ang, QStringLiteral("cat"));
            QCOMPARE(windows.dialogs().lastText(),
                     QStringLiteral("Slovník byl změněn. Uložit změny?"));
            return;
        }
        QTRY_VERIFY(forms.Form2->isVisible());
        QVERIFY(!forms.Form1->isVisible());
        QCOMPARE(forms.Form2->windowTitle(), QStringLiteral("Editor výrazů - zvirata.slv"));
        QCOMPARE(forms.Form2->dictionary()[0].ang, QStringLiteral("dog"));
        QCOMPARE(applicationTitle(), QStringLiteral("Vokab - Editor výrazů"));
    }

    void splashGivesWayByItsOwnTimer() {
        TestWindows windows;
        windows.forms().Form8->chbtip->setChecked(false);
        startProgram(windows.forms());
        QTRY_VERIFY_WITH_TIMEOUT(windows.forms().Form1->isVisible(), 10000);
        QVERIFY(!windows.forms().Form22->isVisible());
        QCOMPARE(windows.forms().Form22->ticksLeft, 0);
    }

    // A bad setting's message at start-up waits for the user while the splash's ticks go
    // on; the main window (whose activation reads the general settings) comes only once
    // every window is made.
    void messageWhileTheWindowsAreMadeKeepsTheMainWindowBack() {
        auto platform = std::make_unique<TestPlatform>();
        platform->memory().writeString(QStringLiteral("Nastaveni"), QStringLiteral("Velkapismena"),
                                       QStringLiteral("0"));
        bool mainShownWhileAsked = false;
        platform->scripted().whileShowing = [&mainShownWhileAsked](const QString &) {
            QTest::qWait(2600); // the user reads the box past the splash's two ticks
            for (const QWidget *window : QApplication::topLevelWidgets())
                mainShownWhileAsked |= window->objectName() == u"Form1" && window->isVisible();
        };
        Windows windows(*platform, showSplash);
        QVERIFY(platform->scripted().lastText().contains(u"„Velkapismena“"));
        QVERIFY(!mainShownWhileAsked);
        QVERIFY(!windows.forms().Form1->isVisible());
        startProgram(windows.forms());
        QVERIFY(windows.forms().Form1->isVisible());
        QVERIFY(!windows.forms().Form22->isVisible());
    }

    void splashShowsThePictureFromTheProgramFolder() {
        auto platform = std::make_unique<TestPlatform>();
        QImage image(285, 145, QImage::Format_RGB32);
        image.fill(QColor(10, 200, 30));
        QVERIFY(image.save(platform->folder.shipped("splash.png")));
        TestWindows windows(std::move(platform));
        const QPixmap shown = windows.forms().Form22->Image1->pixmap();
        QCOMPARE(shown.size(), QSize(285, 145));
        QCOMPARE(shown.toImage().pixelColor(140, 70), QColor(10, 200, 30));
    }

    void missingPictureGivesAPlainSplashOfTheSameSize() {
        TestWindows windows;
        const QPixmap shown = windows.forms().Form22->Image1->pixmap();
        QCOMPARE(shown.size(), QSize(285, 145));
        QVERIFY(!shown.isNull());
        const QImage image = shown.toImage();
        // A plain background with the title drawn in white.
        QCOMPARE(image.pixelColor(2, 2), QColor(0x1E, 0x3A, 0x8A));
        bool hasText = false;
        for (int x = 0; x < image.width() && !hasText; ++x)
            hasText = image.pixelColor(x, 72) != image.pixelColor(2, 2);
        QVERIFY(hasText);
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
