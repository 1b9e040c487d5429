#pragma once

#include "app/form.h"

#include <memory>

class QAction;
class QGroupBox;
class QPushButton;
class Download;

// The main window: the mode buttons and the menu bar.
class TForm1 : public VokabForm {
    Q_OBJECT
public:
    TForm1(Forms &forms, Platform &platform);
    ~TForm1() override;

    // Set when the window is created; cleared once the tip of the day has been shown,
    // and by confirming or closing the general settings.
    bool prvniaktivace = true;

    QGroupBox *GroupBox1 = nullptr;
    QPushButton *bteditor = nullptr;
    QPushButton *btvyuka = nullptr;
    QPushButton *btzkouseni = nullptr;
    QPushButton *btzkouseni1 = nullptr;
    QPushButton *BitBtn1 = nullptr;
    QPushButton *btkonec = nullptr;

    void bteditorClick();
    void btvyukaClick();
    void btzkouseniClick();
    void btzkouseni1Click();
    void BitBtn1Click();
    void btkonecClick();
    void StatistikyClick();
    void NastaveniClick();
    void NapovedaClick();
    void TipdneClick();
    void NapsatautoroviClick();
    void StrankyprogramuClick();
    void OProgramuClick();

    // Update from the internet: the check of the version file (internet/).
    void Aktualizace1Click();
    bool aktivnianone() const;
    void HTTPGet1DoneFile(const QString &fileName, qint64 size);
    void HTTPGet1Error(const QString &error);
    std::unique_ptr<Download> HTTPGet1;

    // Writes the statistics table to the statistics file (statistics/).
    void ulozenistatistik();

protected:
    void FormActivate() override;
    void FormClose() override;
};
