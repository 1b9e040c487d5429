#include "app/Unit8.h"

#include "app/Unit1.h"
#include "core/colourtext.h"
#include "platform/platform.h"
#include "statistics/Unit23.h"
#include "testing/thresholds.h"
#include "ui/colours.h"
#include "ui/controls.h"
#include "ui/forms.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>

namespace {

// A grade threshold's field, in its range.
QSpinBox *thresholdField(QWidget *parent, const char *name, int index) {
    const thresholds::Range range = thresholds::kRanges[std::size_t(index)];
    return arrowsOnlySpinBox(parent, name, range.minimum, range.maximum,
                             thresholds::kDefaults[std::size_t(index)]);
}

const char kDefaultColour[] = "clBlue";

// The characters of a voice's name the voice box shows without cutting.
constexpr int kVoiceNameLength = 24;

// A voice as the list shows it: the language's own name and its code. A code without a
// territory ("en") gets the plainest name its language has ("English", not the
// "American English" of en_US); a code Qt does not know keeps the voice's name.
QString voiceText(const Voice &voice) {
    const QLocale locale(QString(voice.language).replace(u'-', u'_'));
    if (locale.language() == QLocale::C)
        return QStringLiteral("%1 (%2)").arg(voice.name, voice.language);
    QString name = locale.nativeLanguageName();
    if (!voice.language.contains(u'-')) {
        for (const QLocale &other : QLocale::matchingLocales(locale.language(), QLocale::AnyScript,
                                                             QLocale::AnyTerritory)) {
            const QString plain = other.nativeLanguageName();
            if (!plain.isEmpty() && plain.size() < name.size())
                name = plain;
        }
    }
    return QStringLiteral("%1 (%2)").arg(name.isEmpty() ? voice.name : name, voice.language);
}

} // namespace

QString TForm8::registryKey() {
    return QStringLiteral("Nastaveni");
}

QString TForm8::speechKey() {
    return QStringLiteral("Vyslovnost");
}

TForm8::TForm8(Forms &forms, Platform &platform)
    : VokabForm(forms, platform, QStringLiteral("Form8")),
      m_chartColour(colourFromBgr(*colourtext::fromText(QLatin1String(kDefaultColour)))),
      m_settings(registryKey()), m_speech(speechKey()) {
    setWindowTitle(QStringLiteral("Obecné nastavení"));
    setCentralWidget(new QWidget(this));
    auto *outer = new QVBoxLayout(centralWidget());

    PageControl1 = named<QTabWidget>(centralWidget(), "PageControl1");
    // Every tab shows its whole caption: the window is as wide as the three need, with no
    // scroll arrows hiding one of them.
    PageControl1->setUsesScrollButtons(false);
    PageControl1->setElideMode(Qt::ElideNone);
    outer->addWidget(PageControl1);

    TabSheet1 = named<QWidget>(PageControl1, "TabSheet1");
    PageControl1->addTab(TabSheet1, QStringLiteral("Obecné nastavení"));
    auto *general = new QVBoxLayout(TabSheet1);
    chbvelke = named<QCheckBox>(TabSheet1, "chbvelke");
    chbvelke->setText(QStringLiteral("Psát vše velkými písmeny"));
    chbtip = named<QCheckBox>(TabSheet1, "chbtip");
    chbtip->setText(QStringLiteral("Zobrazovat Tip dne"));
    chbtip->setChecked(true);
    chbtemp = named<QCheckBox>(TabSheet1, "chbtemp");
    chbtemp->setText(QStringLiteral("Při ukončení vymazat TEMP programu"));
    chbtemp->setChecked(true);
    general->addWidget(chbvelke);
    general->addWidget(chbtip);
    general->addWidget(chbtemp);
    general->addStretch();

    TabSheet2 = named<QWidget>(PageControl1, "TabSheet2");
    PageControl1->addTab(TabSheet2, QStringLiteral("Nastavení hodnocení   "));
    auto *grading = new QGridLayout(TabSheet2);
    const char *fieldNames[] = {"sp1", "sp2", "sp3", "sp4"};
    const char *labelNames[] = {"Label1", "Label2", "Label3", "Label4"};
    const char *unitNames[] = {"Label5", "Label6", "Label7", "Label8"};
    const QString captions[] = {
        QStringLiteral("Na 1 je třeba uhádnout:"), QStringLiteral("Na 2 je třeba uhádnout: "),
        QStringLiteral("Na 3 je třeba uhádnout:"), QStringLiteral("Na 4 je třeba uhádnout:")};
    QSpinBox **fields[] = {&sp1, &sp2, &sp3, &sp4};
    for (int i = 0; i < 4; ++i) {
        auto *label = named<QLabel>(TabSheet2, labelNames[i]);
        label->setText(captions[i]);
        *fields[i] = thresholdField(TabSheet2, fieldNames[i], i);
        auto *unit = named<QLabel>(TabSheet2, unitNames[i]);
        unit->setText(QStringLiteral("%"));
        grading->addWidget(label, i, 0);
        grading->addWidget(*fields[i], i, 1);
        grading->addWidget(unit, i, 2);
    }
    grading->setRowStretch(4, 1);

    TabSheet3 = named<QWidget>(PageControl1, "TabSheet3");
    PageControl1->addTab(TabSheet3, QStringLiteral("Statistiky a Grafy"));
    auto *statistics = new QVBoxLayout(TabSheet3);
    GroupBox1 = named<QGroupBox>(TabSheet3, "GroupBox1");
    GroupBox1->setTitle(QStringLiteral("Hodnoty ukládat do statistik po:"));
    auto *saving = new QVBoxLayout(GroupBox1);
    chbkompletnidokonceni = named<QCheckBox>(GroupBox1, "chbkompletnidokonceni");
    chbkompletnidokonceni->setText(QStringLiteral("Kompletním dokončení zkoušení"));
    chbkompletnidokonceni->setChecked(true);
    chbprerusenizkouseni = named<QCheckBox>(GroupBox1, "chbprerusenizkouseni");
    chbprerusenizkouseni->setText(QStringLiteral("Úmyslném přerušení zkoušení"));
    chbprerusenizkouseni->setChecked(true);
    saving->addWidget(chbkompletnidokonceni);
    saving->addWidget(chbprerusenizkouseni);
    GroupBox2 = named<QGroupBox>(TabSheet3, "GroupBox2");
    GroupBox2->setTitle(QStringLiteral("Nastavit barvu grafu:"));
    auto *colourRow = new QHBoxLayout(GroupBox2);
    Label9 = named<QLabel>(GroupBox2, "Label9");
    Label9->setText(QStringLiteral("Barva grafu je:"));
    Panel1 = named<QFrame>(GroupBox2, "Panel1");
    Panel1->setFrameShape(QFrame::Panel);
    Panel1->setFrameShadow(QFrame::Sunken);
    Panel1->setFixedSize(24, 24);
    Panel1->setAutoFillBackground(true);
    SpeedButton1 = named<QToolButton>(GroupBox2, "SpeedButton1");
    SpeedButton1->setText(QStringLiteral("změnit.."));
    SpeedButton1->setAutoRaise(true);
    colourRow->addWidget(Label9);
    colourRow->addWidget(Panel1);
    colourRow->addWidget(SpeedButton1);
    colourRow->addStretch();
    statistics->addWidget(GroupBox1);
    statistics->addWidget(GroupBox2);
    statistics->addStretch();

    buildSpeechTab();

    auto *buttons = new QHBoxLayout;
    BitBtn1 = named<QPushButton>(centralWidget(), "BitBtn1");
    BitBtn1->setText(QStringLiteral("Potvrdit"));
    BitBtn2 = named<QPushButton>(centralWidget(), "BitBtn2");
    BitBtn2->setText(QStringLiteral("Zpět"));
    buttons->addStretch();
    buttons->addWidget(BitBtn1);
    buttons->addWidget(BitBtn2);
    outer->addLayout(buttons);

    centralWidget()->setMinimumSize(278, 257);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    showChartColour(m_chartColour);

    connect(BitBtn1, &QPushButton::clicked, this, &TForm8::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &TForm8::BitBtn2Click);
    connect(SpeedButton1, &QToolButton::clicked, this, &TForm8::SpeedButton1Click);
    for (QSpinBox *spin : {sp1, sp2, sp3, sp4})
        connect(spin, &QSpinBox::valueChanged, this, &TForm8::sp2Change);

    declareSettings();
    FormCreate();
    m_speech.loadOrStore(*platform.registry, *platform.dialogs);
    centreOnDesktop();
    closeOnEscape();
}

QColor TForm8::chartColour() const {
    return m_chartColour;
}

bool TForm8::upperCase() const {
    return chbvelke->isChecked();
}

bool TForm8::recordCompleted() const {
    return chbkompletnidokonceni->isChecked();
}

bool TForm8::recordInterrupted() const {
    return chbprerusenizkouseni->isChecked();
}

std::array<int, 4> TForm8::gradeThresholds() const {
    return {sp1->value(), sp2->value(), sp3->value(), sp4->value()};
}

void TForm8::confirmTipAtStart(bool shown) {
    chbtip->setChecked(shown);
    BitBtn1Click();
}

void TForm8::showChartColour(const QColor &colour) {
    m_chartColour = colour;
    QPalette palette = Panel1->palette();
    palette.setColor(QPalette::Window, colour);
    Panel1->setPalette(palette);
    if (forms.Form23)
        forms.Form23->setChartColour(colour);
}

void TForm8::declareSettings() {
    m_settings.flag(QStringLiteral("Velkapismena"), chbvelke, false)
        .flag(QStringLiteral("Tipy"), chbtip, true)
        .flag(QStringLiteral("Temp"), chbtemp, true);
    QSpinBox *fields[] = {sp1, sp2, sp3, sp4};
    for (int i = 0; i < 4; ++i) {
        QSpinBox *field = fields[i];
        m_settings.text(
            QStringLiteral("Proc%1").arg(i + 1),
            [field] { return QString::number(field->value()); },
            [field, i](const QString &text) { field->setValue(thresholds::fromText(text, i)); },
            QString::number(thresholds::kDefaults[std::size_t(i)]));
    }
    // A key written by an earlier version of the program has no chart colour and no
    // statistics options; those keep their defaults until the next "Potvrdit".
    m_settings.readOnlyWith(QStringLiteral("BarvaGrafu"))
        .text(
            QStringLiteral("BarvaGrafu"),
            [this] { return colourtext::toText(bgrFromColour(m_chartColour)); },
            [this](const QString &colourText) {
                if (const std::optional<quint32> colour = colourtext::fromText(colourText))
                    showChartColour(colourFromBgr(*colour));
                else
                    platform.dialogs->warning(
                        QStringLiteral(
                            "Barva grafu „%1“ uložená v nastavení není platná, graf bude modrý.")
                            .arg(colourText));
            },
            QLatin1String(kDefaultColour))
        .flag(QStringLiteral("DokonceniZkouseni"), chbkompletnidokonceni, true)
        .flag(QStringLiteral("PreruseniZkouseni"), chbprerusenizkouseni, true);
}

void TForm8::buildSpeechTab() {
    speechTab = named<QWidget>(PageControl1, "speechTab");
    PageControl1->addTab(speechTab, QStringLiteral("Výslovnost"));
    auto *column = new QVBoxLayout(speechTab);
    speakMissingBox = named<QCheckBox>(speechTab, "speakMissingBox");
    speakMissingBox->setText(QStringLiteral("Vyslovit výraz, který nemá nahrávku"));
    speakMissingBox->setChecked(true);
    column->addWidget(speakMissingBox);
    auto *grid = new QGridLayout;
    voiceBox = named<QComboBox>(speechTab, "voiceBox");
    // As wide as a language's name usually is, not as its longest: measuring every voice's
    // name in its own script looks through the system's fonts for each script (0.1 s).
    voiceBox->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    voiceBox->setMinimumContentsLength(kVoiceNameLength);
    rateBox = arrowsOnlySpinBox(speechTab, "rateBox", SpeechSynthesizer::kSlowestRate,
                                SpeechSynthesizer::kFastestRate, SpeechSynthesizer::kNormalRate);
    rateBox->setSingleStep(5);
    auto *voiceLabel = named<QLabel>(speechTab, "voiceLabel");
    voiceLabel->setText(QStringLiteral("Hlas cizího jazyka:"));
    voiceLabel->setBuddy(voiceBox);
    auto *rateLabel = named<QLabel>(speechTab, "rateLabel");
    rateLabel->setText(QStringLiteral("Rychlost řeči (slov za minutu):"));
    rateLabel->setBuddy(rateBox);
    grid->addWidget(voiceLabel, 0, 0);
    grid->addWidget(voiceBox, 0, 1);
    grid->addWidget(rateLabel, 1, 0);
    grid->addWidget(rateBox, 1, 1);
    column->addLayout(grid);
    column->addStretch();

    const SpeechSettings defaults;
    chooseVoice(defaults.language);
    m_speech.flag(QStringLiteral("Vyslovit bez nahravky"), speakMissingBox, true)
        .text(
            QStringLiteral("Jazyk"), [this] { return voiceBox->currentData().toString(); },
            [this](const QString &language) { chooseVoice(language); }, defaults.language)
        .number(QStringLiteral("Rychlost"), rateBox, defaults.rate);
}

void TForm8::FormShow() {
    listVoices();
}

void TForm8::listVoices() {
    if (std::exchange(m_voicesListed, true))
        return;
    const QString chosen = voiceBox->currentData().toString();
    voiceBox->clear();
    QList<Voice> voices = platform.speech ? platform.speech->voices() : QList<Voice>{};
    std::sort(voices.begin(), voices.end(), [](const Voice &a, const Voice &b) {
        return QString::localeAwareCompare(voiceText(a), voiceText(b)) < 0;
    });
    for (const Voice &voice : std::as_const(voices)) {
        if (voiceBox->findData(voice.language) < 0)
            voiceBox->addItem(voiceText(voice), voice.language);
    }
    chooseVoice(chosen);
}

void TForm8::chooseVoice(const QString &language) {
    const QString wanted = language.trimmed().toLower();
    if (!m_voicesListed) {
        voiceBox->clear();
        if (!wanted.isEmpty())
            voiceBox->addItem(wanted, wanted);
        return;
    }
    int index = voiceBox->findData(wanted);
    // "en" finds "en-gb" when there is no voice of "en" alone.
    for (int i = 0; index < 0 && i < voiceBox->count(); ++i) {
        if (voiceBox->itemData(i).toString().startsWith(wanted + u'-'))
            index = i;
    }
    if (index < 0 && !wanted.isEmpty()) {
        voiceBox->addItem(QStringLiteral("%1 (hlas není nainstalován)").arg(wanted), wanted);
        index = voiceBox->count() - 1;
    }
    voiceBox->setCurrentIndex(index);
}

SpeechSettings TForm8::speech() const {
    return {speakMissingBox->isChecked(), voiceBox->currentData().toString(), rateBox->value()};
}

void TForm8::FormCreate() {
    if (platform.registry->keyExists(registryKey()))
        readRegistry();
    else
        createRegistry();
}

// A value that cannot be read leaves its control at the default; the others are still
// loaded, and one message names what could not be read.
void TForm8::readRegistry() {
    m_settings.load(*platform.registry, *platform.dialogs);
}

void TForm8::createRegistry() {
    m_settings.storeDefaults(*platform.registry, *platform.dialogs);
}

void TForm8::zapisdoregistru() {
    m_settings.store(*platform.registry, *platform.dialogs);
    m_speech.store(*platform.registry, *platform.dialogs);
}

void TForm8::BitBtn1Click() {
    forms.Form1->firstActivation = false;
    zapisdoregistru();
    forms.Form1->showUnlessModeOpen();
    hide();
}

void TForm8::BitBtn2Click() {
    forms.Form1->showUnlessModeOpen();
    hide();
}

void TForm8::FormClose() {
    forms.Form1->showUnlessModeOpen();
    forms.Form1->firstActivation = false;
}

void TForm8::sp2Change() {
    const std::optional<thresholds::Repair> repair =
        thresholds::nextRepair({sp1->value(), sp2->value(), sp3->value(), sp4->value()});
    if (!repair)
        return;
    // The repair changes a field, whose change runs this check again: the repairs
    // cascade downwards until the four are in order.
    QSpinBox *fields[] = {sp1, sp2, sp3, sp4};
    fields[repair->index]->setValue(repair->value);
}

void TForm8::SpeedButton1Click() {
    if (const std::optional<QColor> colour = platform.dialogs->chooseColor(m_chartColour))
        showChartColour(colourFromBgr(bgrFromColour(*colour)));
}
