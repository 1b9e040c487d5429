#pragma once

#include "ui/form.h"
#include "ui/settingstable.h"

class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;
class QSpinBox;
class QTabWidget;
class QToolButton;

// General settings. Its controls are the live settings that the other windows read at
// the moment they need them.
class TForm8 : public VokabForm {
    Q_OBJECT
public:
    TForm8(Forms &forms, Platform &platform);

    // The registry key of the general settings.
    static QString klic();

    QTabWidget *PageControl1 = nullptr;
    QWidget *TabSheet1 = nullptr;
    QWidget *TabSheet2 = nullptr;
    QWidget *TabSheet3 = nullptr;
    QCheckBox *chbvelke = nullptr;
    QCheckBox *chbtip = nullptr;
    QCheckBox *chbtemp = nullptr;
    QSpinBox *sp1 = nullptr;
    QSpinBox *sp2 = nullptr;
    QSpinBox *sp3 = nullptr;
    QSpinBox *sp4 = nullptr;
    QGroupBox *GroupBox1 = nullptr;
    QCheckBox *chbkompletnidokonceni = nullptr;
    QCheckBox *chbprerusenizkouseni = nullptr;
    QGroupBox *GroupBox2 = nullptr;
    QLabel *Label9 = nullptr;
    QFrame *Panel1 = nullptr;
    QToolButton *SpeedButton1 = nullptr;
    QPushButton *BitBtn1 = nullptr;
    QPushButton *BitBtn2 = nullptr;

    // The colour of the statistics chart, as Panel1 shows it.
    QColor chartColour() const;

    void FormCreate();
    void zapisdoregistru();
    void BitBtn1Click();
    void BitBtn2Click();
    void sp2Change();
    void SpeedButton1Click();

protected:
    void FormClose() override;

private:
    // Panel1 and, once it exists, the statistics chart take the colour.
    void nastavbarvu(const QColor &colour);
    void nactiregistr();
    void vytvorregistr();
    // The key "Nastaveni": each value, its control and its default.
    void declareSettings();

    QColor m_chartColour;
    SettingsTable m_settings;
};
