#include "dictionary/Unit5.h"

#include "core/textfile.h"
#include "core/wav.h"
#include "dictionary/Unit2.h"
#include "dictionary/editorlogic.h"
#include "dictionary/expressionsound.h"
#include "platform/platform.h"
#include "ui/colours.h"
#include "ui/forms.h"
#include "ui/generalsettings.h"

#include <QDir>
#include <QFile>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

namespace {

const QString kStartWarning =
    QStringLiteral("Nahrávání nelze spustit, vyplňte prosím Český výraz a Anglický výraz v "
                   "Editoru Výrazů");
const QString kOpenWarning = QStringLiteral(
    "Nelze načítat zvuk ze souboru, vyplňte prosím Český a Anglický výraz v Editoru Výrazů");
const QString kSpeechWarning =
    QStringLiteral("Řeč nelze vytvořit, vyplňte prosím Český výraz a Anglický výraz v Editoru "
                   "Výrazů");

QPushButton *button(QWidget *parent, const char *name, const QString &text, const QString &hint) {
    auto *b = named<QPushButton>(parent, name);
    b->setText(text);
    b->setToolTip(hint);
    return b;
}

} // namespace

TForm5::TForm5(Forms &forms, Platform &platform)
    : VokabForm(forms, platform, QStringLiteral("Form5")) {
    setWindowTitle(QStringLiteral("Práce se zvukem"));
    setFrame(Frame::CloseBoxOnly);
    auto *central = new QWidget(this);
    setCentralWidget(central);
    auto *grid = new QGridLayout(central);

    Label1 = named<QLabel>(central, "Label1");
    Label1->setText(QStringLiteral("Stav:"));
    Label4 = named<QLabel>(central, "Label4");
    Label3 = named<QLabel>(central, "Label3");
    Label3->setText(QStringLiteral("Délka záznamu:"));
    Label2 = named<QLabel>(central, "Label2");
    Label2->setText(QStringLiteral("0 s"));
    grid->addWidget(Label1, 0, 0);
    grid->addWidget(Label4, 0, 1, 1, 3);
    grid->addWidget(Label3, 1, 0);
    grid->addWidget(Label2, 1, 1, 1, 3);

    BitBtn2 = button(central, "BitBtn2", QStringLiteral("Otevřít"),
                     QStringLiteral("Otevřít zvuk ze souboru"));
    button1 = button(central, "button1", QStringLiteral("Start"), QStringLiteral("Začít nahrávat"));
    button2 =
        button(central, "button2", QStringLiteral("Stop"), QStringLiteral("Ukončit nahraváni"));
    BitBtn3 =
        button(central, "BitBtn3", QStringLiteral("Znova"), QStringLiteral("Začít znova nahrávat"));
    grid->addWidget(BitBtn2, 2, 0);
    grid->addWidget(button1, 2, 1);
    grid->addWidget(button2, 2, 2);
    grid->addWidget(BitBtn3, 2, 3);

    ProgressBar1 = named<QProgressBar>(central, "ProgressBar1");
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setValue(0);
    ProgressBar1->setTextVisible(false);
    grid->addWidget(ProgressBar1, 3, 0, 1, 4);

    BitBtn4 = button(central, "BitBtn4", QStringLiteral("OK"),
                     QStringLiteral("Potvrdit a vrátit se do Editoru Výrazu"));
    BitBtn1 = button(central, "BitBtn1", QStringLiteral("Zpět"),
                     QStringLiteral("Neprovádět žádne změny a vrátit se do Editoru výrazu"));
    speechButton = button(central, "speechButton", QStringLiteral("Vytvořit řečí"),
                          QStringLiteral("Vytvořit nahrávku výrazu syntézou řeči"));
    grid->addWidget(speechButton, 4, 0, 1, 2);
    grid->addWidget(BitBtn4, 4, 2);
    grid->addWidget(BitBtn1, 4, 3);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(200);

    OpenDialog1.filter = QStringLiteral("Zvukový soubor|*.wav");
    OpenDialog1.defaultSuffix = QStringLiteral("wav");

    connect(button1, &QPushButton::clicked, this, &TForm5::button1Click);
    connect(button2, &QPushButton::clicked, this, &TForm5::button2Click);
    connect(BitBtn3, &QPushButton::clicked, this, &TForm5::BitBtn3Click);
    connect(BitBtn2, &QPushButton::clicked, this, &TForm5::BitBtn2Click);
    connect(speechButton, &QPushButton::clicked, this, &TForm5::speechButtonClick);
    connect(BitBtn4, &QPushButton::clicked, this, &TForm5::BitBtn4Click);
    connect(BitBtn1, &QPushButton::clicked, this, &TForm5::BitBtn1Click);
    connect(Timer1, &QTimer::timeout, this, &TForm5::Timer1Timer);
    centreOnDesktop();
    closeOnEscape();
}

void TForm5::setStatus(const QString &text, const QColor &colour) {
    Label4->setText(text);
    QPalette palette = Label4->palette();
    palette.setColor(QPalette::WindowText, colour);
    Label4->setPalette(palette);
}

std::optional<QString> TForm5::recordingLength(const QString &path) {
    const std::optional<wav::HeaderFacts> facts = wav::readHeaderOfFile(path);
    if (!facts)
        return std::nullopt;
    const QString decimal = QLocale().decimalPoint();
    // Label3 beside it says what the value is.
    return wav::lengthText(wav::lengthSeconds(*facts), decimal.isEmpty() ? u',' : decimal[0]) +
           QStringLiteral(" s");
}

void TForm5::showLength(const QString &path) {
    if (const std::optional<QString> length = recordingLength(path))
        Label2->setText(*length);
}

bool TForm5::requireExpression(const QString &warning) {
    if (!forms.Form2->edtang->text().isEmpty())
        return true;
    platform.dialogs->warning(warning);
    return false;
}

void TForm5::FormShow() {
    // Each opening starts without a recording of its own.
    m_recorded.clear();
}

void TForm5::showReady() {
    show();
    button1->setFocus();
    setStatus(QStringLiteral("Připraven"), Qt::black);
    Label2->setText(QStringLiteral("0 s"));
}

bool TForm5::startRecording(const QString &path) {
    if (const Result<void> started = platform.recorder->start(path); !started) {
        platform.dialogs->error(started.error());
        return false;
    }
    recordingPath = path;
    recording = true;
    return true;
}

void TForm5::stopRecording(bool save) {
    if (const Result<void> stopped = platform.recorder->stop(save); !stopped)
        platform.dialogs->error(stopped.error());
    recording = false;
    Timer1->stop();
}

bool TForm5::startRecording() {
    // A fresh file: an earlier recording of the same expression is never replaced.
    const QString path = QDir::toNativeSeparators(
        editor::newRecordingPath(platform.folder.temp(), forms.Form2->edtang->text()));
    if (!startRecording(path))
        return false;
    m_recorded = path;
    button2->setFocus();
    Timer1->start();
    return true;
}

bool TForm5::prepareTemp(Platform &platform) {
    if (const auto made = platform.folder.prepareFolder(platform.folder.temp()); !made) {
        platform.dialogs->error(made.error());
        return false;
    }
    return true;
}

void TForm5::button1Click() {
    if (!requireExpression(kStartWarning))
        return;
    if (prepareTemp(platform))
        startRecording();
}

void TForm5::Timer1Timer() {
    ProgressBar1->setValue(ProgressBar1->value() + 5 >= 100 ? 0 : ProgressBar1->value() + 5);
    setStatus(QStringLiteral("Nahrávám..."), kGreen);
    Label2->setText(QStringLiteral("0 s"));
}

void TForm5::button2Click() {
    if (!recording)
        return;
    stopRecording(true);
    ProgressBar1->setValue(100);
    forms.Form2->edtzvuk->setText(recordingPath);
    BitBtn4->setFocus();
    setStatus(QStringLiteral("Konec nahrávání"), kRed);
    showLength(recordingPath);
}

void TForm5::BitBtn3Click() {
    if (!platform.dialogs->question(MessageKind::Confirmation,
                                    QStringLiteral("Opravdu si přejete znova nahrát zvuk?")))
        return;
    if (recording)
        stopRecording(false);
    // Only a recording made since the window was shown goes, and not when an expression
    // has taken it meanwhile; a sound of the dictionary stays.
    if (!m_recorded.isEmpty() && !forms.Form2->document().usesSound(m_recorded) &&
        editor::livesIn(m_recorded, platform.folder.temp())) {
        QFile::remove(m_recorded);
        if (forms.Form2->edtzvuk->text() == m_recorded)
            forms.Form2->edtzvuk->setText(dictionaryfile::kNoSound);
    }
    m_recorded.clear();
    if (!requireExpression(kStartWarning))
        return;
    startRecording();
}

void TForm5::speechButtonClick() {
    if (!requireExpression(kSpeechWarning))
        return;
    if (recording)
        stopRecording(false);
    if (const auto made = platform.folder.prepareFolder(platform.folder.temp()); !made) {
        platform.dialogs->error(made.error());
        return;
    }
    const QString expression = forms.Form2->edtang->text();
    const SpeechSettings settings = forms.settings->speech();
    const Result<QByteArray> speech = platform.speech->synthesize(
        ExpressionSound::spokenText(expression), settings.language, settings.rate);
    if (!speech) {
        platform.dialogs->error(speech.error());
        return;
    }
    // A fresh file, as a recording gets: an earlier one is never replaced.
    const QString path =
        QDir::toNativeSeparators(editor::newRecordingPath(platform.folder.temp(), expression));
    if (const Result<void> saved = textfile::saveFile(path, *speech); !saved) {
        platform.dialogs->error(saved.error());
        return;
    }
    m_recorded = path;
    forms.Form2->edtzvuk->setText(path);
    ProgressBar1->setValue(100);
    setStatus(QStringLiteral("Nahrávka vytvořena řečí"), kRed);
    showLength(path);
    BitBtn4->setFocus();
    platform.player->play(path);
    if (const QString failure = platform.player->lastError(); !failure.isEmpty())
        platform.dialogs->error(failure);
}

void TForm5::BitBtn2Click() {
    if (!requireExpression(kOpenWarning))
        return;
    const std::optional<QString> chosen = platform.dialogs->openFile(OpenDialog1);
    if (!chosen)
        return;
    OpenDialog1.remember(*chosen);
    forms.Form2->edtzvuk->setText(QDir::toNativeSeparators(*chosen));
    setStatus(QStringLiteral("Zvuk byl načten ze souboru"),
              Label4->palette().color(QPalette::WindowText));
    showLength(*chosen);
    BitBtn4->setFocus();
}

void TForm5::BitBtn4Click() {
    if (recording)
        stopRecording(false);
    close();
    forms.Form2->btpridejClick();
}

void TForm5::BitBtn1Click() {
    close();
}

void TForm5::FormClose() {
    // Closing in any way ends a recording that is still running, without keeping it.
    if (recording)
        stopRecording(false);
}
