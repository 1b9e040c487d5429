#pragma once

#include "ui/form.h"
#include "ui/mainwindow.h"

#include <memory>

class QAction;
class QGroupBox;
class QMenu;
class QPushButton;
class Download;

// The main window: the mode buttons and the menu bar.
class TForm1 : public VokabForm, public MainWindow {
    Q_OBJECT
public:
    TForm1(Forms &forms, Platform &platform);
    ~TForm1() override;

    // Set when the window is created; cleared once the tip of the day has been shown,
    // and by confirming or closing the general settings.
    bool firstActivation = true;

    QGroupBox *GroupBox1 = nullptr;
    QPushButton *bteditor = nullptr;
    QPushButton *btvyuka = nullptr;
    QPushButton *btzkouseni = nullptr;
    QPushButton *btzkouseni1 = nullptr;
    QPushButton *BitBtn1 = nullptr;
    QPushButton *btkonec = nullptr;

    // The menu bar: "&Program", "Statistiky", "&Nastavení", "&Info".
    QMenu *Program1 = nullptr;
    QMenu *startMenu = nullptr;
    QAction *editorAction = nullptr;
    QAction *learningAction = nullptr;
    QAction *testing1Action = nullptr;
    QAction *testing2Action = nullptr;
    QAction *Translator1 = nullptr;
    // Ours: the review plan, on a key the other items do not use.
    QAction *reviewAction = nullptr;
    QAction *restoreAction = nullptr; // "Obnovit ze zálohy…"
    QAction *Aktualizace1 = nullptr;
    QAction *quitAction = nullptr;
    QAction *statisticsAction = nullptr;
    QAction *settingsAction = nullptr;
    QMenu *Info1 = nullptr;
    QAction *helpAction = nullptr;
    QAction *tipAction = nullptr;
    QMenu *Internet1 = nullptr;
    QAction *writeToAuthorAction = nullptr;
    QAction *webPagesAction = nullptr;
    QAction *aboutAction = nullptr;

    void bteditorClick();
    void btvyukaClick();
    void btzkouseniClick();
    void btzkouseni1Click();
    void BitBtn1Click();
    void showReview();
    // The restore window, the file saved last chosen.
    void showBackups();
    void btkonecClick();
    void statisticsClick();
    void settingsClick();
    void helpClick();
    void tipClick();
    void writeToAuthorClick();
    void webPagesClick();
    void aboutClick();

    // Update from the internet: the check of the version file (internet/versioncheck.h).
    void Aktualizace1Click();
    bool aktivnianone() const;
    void HTTPGet1DoneFile(const QString &fileName, qint64 size) override;
    void HTTPGet1Error(const QString &error) override;
    std::unique_ptr<Download> HTTPGet1;
    std::unique_ptr<Download> &versionDownload() override { return HTTPGet1; }
    void showMainWindow() override { show(); }
    void closeMainWindow() override { close(); }

    // Writes the statistics table to the statistics file (TForm23::saveAtExit).
    void ulozenistatistik();

    // Shown again by a window opened beside it (settings, tips, about box, update,
    // message), unless a mode holds the screen: one mode at a time.
    void showUnlessModeOpen() override;
    void openInEditor(const QString &path) override;
    bool modeOpen() const;
    // A dictionary from outside (the command line, a double click on a .slv file, a second
    // start): it opens in the editor in place of the main window, as "Otevřít" opens it
    // (asking first about unsaved changes); before the splash has gone, once it has gone;
    // while another mode window is open, once the main window comes back.
    void openDictionary(const QString &path);
    // The splash has gone: the main window, or the editor with the dictionary to open.
    void afterSplash();

    // Activation (the tip of the day at the first one) and the end of the program:
    // a changed dictionary offered for saving (which may keep the program running),
    // Temp emptied of the files no dictionary uses when the settings ask for it, the
    // statistics saved, the end.
    void FormActivate() override;
    bool FormCloseQuery() override;
    void FormClose() override;

private:
    void buildMenu();
    // Shows a mode window in place of this one under the title "Vokab - <mode>".
    void startMode(QWidget *window, const QString &mode);

    void FormShow() override;

    QString m_dictionaryToOpen;
    bool m_splashGone = false;
};
