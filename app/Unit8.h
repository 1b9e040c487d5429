#pragma once

#include "dictionary/expressionsound.h"
#include "ui/form.h"
#include "ui/generalsettings.h"
#include "ui/settingstable.h"

class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;
class QSpinBox;
class QTabWidget;
class QToolButton;

// General settings. Its controls are the live settings that the other windows read at
// the moment they need them.
class TForm8 : public VokabForm, public GeneralSettings {
    Q_OBJECT
public:
    TForm8(Forms &forms, Platform &platform);

    // The registry key of the general settings.
    static QString registryKey();
    // The registry key of the tab "Výslovnost".
    static QString speechKey();

    QTabWidget *PageControl1 = nullptr;
    QWidget *TabSheet1 = nullptr;
    QWidget *TabSheet2 = nullptr;
    QWidget *TabSheet3 = nullptr;
    QWidget *speechTab = nullptr; // "Výslovnost"
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
    QCheckBox *speakMissingBox = nullptr; // speak an expression without a recording
    QComboBox *voiceBox = nullptr;        // the voice of the foreign side, by language
    QSpinBox *rateBox = nullptr;          // words per minute
    QPushButton *BitBtn1 = nullptr;
    QPushButton *BitBtn2 = nullptr;

    QColor chartColour() const override;
    SpeechSettings speech() const override;
    bool upperCase() const override;
    bool recordCompleted() const override;
    bool recordInterrupted() const override;
    std::array<int, 4> gradeThresholds() const override;
    void confirmTipAtStart(bool shown) override;

    void FormCreate();
    void zapisdoregistru();
    void BitBtn1Click();
    void BitBtn2Click();
    void sp2Change();
    void SpeedButton1Click();

protected:
    void FormShow() override;
    void FormClose() override;

private:
    // Panel1 and, once it exists, the statistics chart take the colour.
    void showChartColour(const QColor &colour);
    void readRegistry();
    void createRegistry();
    // The key "Nastaveni": each value, its control and its default.
    void declareSettings();
    // The tab "Výslovnost" and its key.
    void buildSpeechTab();
    // Chooses the voice of the language in voiceBox; a language without an installed
    // voice is kept as an item of its own, so that the setting is not lost. Until the
    // voices are listed the box holds the chosen language alone.
    void chooseVoice(const QString &language);
    // Fills voiceBox with the installed voices (when the window is first shown: listing
    // and sorting them loads the synthesizer's voice files and the collation of the
    // system's language, which most runs never need).
    void listVoices();

    QColor m_chartColour;
    bool m_voicesListed = false;
    SettingsTable m_settings;
    SettingsTable m_speech;
};
