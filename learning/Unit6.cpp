#include "learning/Unit6.h"

#include "statistics/Unit23.h"

#include "dictionary/opendictionary.h"
#include "learning/Unit7.h"
#include "learning/vyuka.h"
#include "platform/platform.h"
#include "ui/controls.h"
#include "ui/forms.h"
#include "ui/generalsettings.h"
#include "ui/mainwindow.h"

#include <QAction>
#include <QCheckBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

namespace {

const QString kDash = QStringLiteral("-");

QPushButton *glyphButton(QWidget *parent, const char *name, QStyle::StandardPixmap icon,
                         const QString &hint) {
    auto *button = named<QPushButton>(parent, name);
    button->setIcon(standardIcon(parent, icon));
    button->setToolTip(hint);
    button->setFixedSize(34, 30);
    return button;
}

QPlainTextEdit *expressionField(QWidget *parent, const char *name) {
    auto *field = named<QPlainTextEdit>(parent, name);
    field->setReadOnly(true);
    field->setFrameShape(QFrame::NoFrame);
    field->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    field->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    field->setFocusPolicy(Qt::NoFocus);
    QFont font(QStringLiteral("VokabFont"), 10, QFont::Bold);
    field->setFont(font);
    return field;
}

} // namespace

TForm6::TForm6(Forms &forms, Platform &platform)
    : VokabForm(forms, platform, QStringLiteral("Form6")) {
    setWindowTitle(QStringLiteral("Výuka výrazů"));
    setFrame(Frame::Fixed);
    m_sound = new ExpressionSound(this, platform);
    OpenDialog1 = dictionaryFileDialog(QStringLiteral("Otevřete soubor s výrazy"));
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    connect(Timer1, &QTimer::timeout, this, &TForm6::Timer1Timer);
    buildMenu();
    buildControls();
    setFixedClientSize(475, 352);
    m_picture = std::make_unique<ModePicture>(*this, "pictureView");
    centreOnDesktop();
    vychozistav();
}

void TForm6::buildMenu() {
    QMenu *learning = menuBar()->addMenu(QStringLiteral("Výuka"));
    Vuka1 = learning->menuAction();
    Vuka1->setObjectName(QStringLiteral("Vuka1"));
    Otevt1 = menuItem(learning, "Otevt1", QStringLiteral("Nová"));
    learning->addSeparator();
    Konec1 = menuItem(learning, "Konec1", QStringLiteral("Zavřít"));
    Nastaven1 = menuItem(menuBar(), "Nastaven1", QStringLiteral("Nastavení"));
    connect(Otevt1, &QAction::triggered, this, &TForm6::Otevt1Click);
    connect(Konec1, &QAction::triggered, this, &TForm6::Konec1Click);
    connect(Nastaven1, &QAction::triggered, this, &TForm6::Nastaven1Click);
}

void TForm6::buildControls() {
    auto *central = new QWidget(this);
    setCentralWidget(central);
    auto *column = new QVBoxLayout(central);

    auto *row = new QHBoxLayout;
    row->setSpacing(2);
    BitBtn2 = glyphButton(central, "BitBtn2", QStyle::SP_FileDialogNewFolder,
                          QStringLiteral("Začit novou výuku"));
    BitBtn1 = named<QPushButton>(central, "BitBtn1");
    BitBtn1->hide();
    Button1 = named<QPushButton>(central, "Button1");
    Button1->setEnabled(false);
    Button1->setFixedSize(4, 30);
    btstart =
        glyphButton(central, "btstart", QStyle::SP_MediaPlay, QStringLiteral("Spustit výuku "));
    btdalsi =
        glyphButton(central, "btdalsi", QStyle::SP_MediaSkipForward, QStringLiteral("Dálši výraz"));
    BitBtn3 =
        glyphButton(central, "BitBtn3", QStyle::SP_MediaPause, QStringLiteral("Pozastavit výuku"));
    btpokracovat = glyphButton(central, "btpokracovat", QStyle::SP_MediaSeekForward,
                               QStringLiteral("Pokračovat ve výuce"));
    btpokracovat->hide();
    BitBtn5 = glyphButton(central, "BitBtn5", QStyle::SP_FileDialogDetailedView,
                          QStringLiteral("Nastavení výuky"));
    BitBtn4 = glyphButton(central, "BitBtn4", QStyle::SP_ArrowBack,
                          QStringLiteral("Návrat do Hlavní nabídky"));
    for (QPushButton *b : {BitBtn2, Button1, btstart, btdalsi, BitBtn3, btpokracovat, BitBtn5})
        row->addWidget(b);
    row->addStretch();
    row->addWidget(BitBtn4);
    column->addLayout(row);

    const auto field = [&](const char *labelName, const QString &caption, const char *name) {
        auto *label = named<QLabel>(central, labelName);
        label->setText(caption);
        column->addWidget(label);
        QPlainTextEdit *edit = expressionField(central, name);
        column->addWidget(edit, 1);
        return edit;
    };
    mec = field("Label1", QStringLiteral("Český výraz:"), "mec");
    meang = field("Label2", QStringLiteral("Cizí překlad výrazu:"), "meang");
    meangvysl = field("Label3", QStringLiteral("Cizojazyčná výslovnost:"), "meangvysl");

    auto *info = named<QGroupBox>(central, "GroupBox1");
    info->setTitle(QStringLiteral("Informace o průběhu výuky"));
    auto *grid = new QGridLayout(info);
    lbcelkvyrazu = captionAndValue(grid, 0, QStringLiteral("Celkově výrazu:"), "lbcelkvyrazu",
                                   kDash, "Label4");
    lbaktvyraz =
        captionAndValue(grid, 1, QStringLiteral("Aktuální výraz:"), "lbaktvyraz", kDash, "Label5");
    lbinterval = captionAndValue(grid, 2, QStringLiteral("Nastavený internval posuvu(sek.):"),
                                 "lbinterval", kDash, "Label6");
    grid->setColumnStretch(1, 1);
    column->addWidget(info);

    connect(BitBtn2, &QPushButton::clicked, this, &TForm6::BitBtn2Click);
    connect(BitBtn1, &QPushButton::clicked, this, &TForm6::Otevt1Click);
    connect(btstart, &QPushButton::clicked, this, &TForm6::btstartClick);
    connect(btdalsi, &QPushButton::clicked, this, &TForm6::btstartClick);
    connect(BitBtn3, &QPushButton::clicked, this, &TForm6::BitBtn3Click);
    connect(btpokracovat, &QPushButton::clicked, this, &TForm6::btpokracovatClick);
    connect(BitBtn5, &QPushButton::clicked, this, &TForm6::Nastaven1Click);
    connect(BitBtn4, &QPushButton::clicked, this, &TForm6::Konec1Click);
}

bool TForm6::automaticSteps() const {
    return forms.Form7->chbautposuv->isChecked();
}

int TForm6::stepSeconds() const {
    return forms.Form7->SpinEdit1->value();
}

void TForm6::Otevt1Click() {
    if (!m_dictionary.isEmpty()) {
        // A question only: the user chooses "Nová" again for the file dialog.
        if (platform.dialogs->question(
                MessageKind::Information,
                QStringLiteral(
                    "Právě probíhá výuka, přejete si ji ukončit a začít novou výuku?"))) {
            vychozistav();
            m_position = -1;
        }
        return;
    }
    const std::optional<QString> path = platform.dialogs->openFile(OpenDialog1);
    if (!path)
        return;
    std::optional<dictionaryfile::Loaded> read = dictionaryfile::openChosenDictionary(
        *path, dictionaryfile::Contents::Lines, dictionaryfile::EmptyFile::Refused,
        *platform.dialogs, OpenDialog1);
    if (!read)
        return;
    m_lines = std::move(read->lines);
    if (const QString problem = m_picture->open(*path); !problem.isEmpty())
        platform.dialogs->warning(problem);
    nactivyrazy();
    obnovinfo();
    setFontSize(forms.Form7->spedtvyskapisma->value());
}

void TForm6::BitBtn2Click() {
    Otevt1Click();
}

void TForm6::nactivyrazy() {
    m_dictionary.clear();
    m_dictionary.reserve(m_lines.size());
    for (const QString &line : std::as_const(m_lines))
        m_dictionary.append(dictionaryfile::recordFromLine(line));
}

void TForm6::obnovinfo() {
    lbcelkvyrazu->setText(QString::number(m_dictionary.size()));
    lbinterval->setText(automaticSteps() ? QString::number(stepSeconds()) : kDash);
    lbaktvyraz->setText(QStringLiteral("0"));
}

void TForm6::btstartClick() {
    if (m_dictionary.isEmpty()) {
        platform.dialogs->warning(QStringLiteral("Není načtený slovník"));
        return;
    }
    // A paused run waits for "Pokračovat ve výuce", also for the key d.
    if (m_paused)
        return;
    m_running = true;
    ++m_position;
    lbaktvyraz->setText(QString::number(m_position + 1));
    btdalsi->show();
    btdalsi->setFocusPolicy(Qt::StrongFocus);
    btstart->hide();
    if (m_position >= m_dictionary.size()) {
        endLesson();
        return;
    }
    const Tslovniky &record = m_dictionary[m_position];
    // The recording, or the foreign expression spoken when it has none.
    const std::optional<double> seconds =
        m_sound->play(record.zvuk, record.ang, forms.settings->speech());
    if (automaticSteps()) {
        if (!seconds)
            platform.player->stop();
        Timer1->setInterval(lesson::stepInterval(stepSeconds(), seconds.value_or(0)));
        Timer1->start(); // every step starts a whole new countdown
    }
    zobrazvyznamy();
    meangvysl->setPlainText(record.vyslovnost);
    if (!automaticSteps())
        Timer1->stop();
}

void TForm6::endLesson() {
    lbaktvyraz->setText(QString::number(m_dictionary.size()));
    const bool automatic = automaticSteps();
    if (automatic)
        Timer1->stop();
    const bool again = platform.dialogs->question(
        MessageKind::Information, automatic
                                      ? QStringLiteral("Výuka zkončila, přejete si ji zopakovat?")
                                      : QStringLiteral("Výuka skončila, přejete si ji zopakovat?"));
    if (again) {
        m_position = -1;
        mec->setPlainText(kDash);
        m_picture->clear();
        meang->setPlainText(kDash);
        btdalsi->hide();
        btstart->show();
        obnovinfo();
        if (automatic) {
            // The run goes on by itself after the interval.
            Timer1->setInterval(lesson::stepInterval(stepSeconds(), 0));
            Timer1->start();
        } else {
            m_running = false;
        }
        return;
    }
    vychozistav();
    if (automatic)
        BitBtn2->setFocus();
}

void TForm6::BitBtn3Click() {
    if (m_position == -1)
        return;
    Timer1->stop();
    m_paused = true;
    btdalsi->setEnabled(false);
    btpokracovat->show();
    BitBtn3->hide();
}

void TForm6::btpokracovatClick() {
    m_paused = false;
    // Automatic advance may have been switched off during the pause: a manual run
    // waits for the user.
    if (automaticSteps())
        Timer1->start();
    btdalsi->setEnabled(true);
    btpokracovat->hide();
    BitBtn3->show();
}

void TForm6::Timer1Timer() {
    Timer1->stop();
    btstartClick();
}

void TForm6::Nastaven1Click() {
    forms.Form7->show();
    forms.Form7->raise();
}

void TForm6::Konec1Click() {
    vychozistav();
    close();
}

void TForm6::zobrazvyznamy() {
    const Tslovniky &record = m_dictionary[m_position];
    meang->setPlainText(lesson::meaningsText(record.ang));
    mec->setPlainText(lesson::meaningsText(record.cz));
    m_picture->show(record);
    if (forms.Form23)
        forms.Form23->recordPractice(practice::Kind::Learning);
}

void TForm6::setFontSize(int size) {
    for (QPlainTextEdit *field : {mec, meang, meangvysl}) {
        QFont font = field->font();
        font.setPointSize(size);
        field->setFont(font);
    }
}

void TForm6::vychozistav() {
    Timer1->setInterval(stepSeconds() * 1000);
    btdalsi->setFocusPolicy(Qt::NoFocus);
    m_position = -1;
    for (QPlainTextEdit *field : {mec, meang, meangvysl})
        field->setPlainText(kDash);
    for (QLabel *label : {lbcelkvyrazu, lbaktvyraz, lbinterval})
        label->setText(kDash);
    Timer1->stop();
    btstart->show();
    btdalsi->hide();
    // A pause ends with the run.
    m_paused = false;
    btdalsi->setEnabled(true);
    btpokracovat->hide();
    BitBtn3->show();
    m_dictionary.clear();
    m_lines.clear();
    m_running = false;
    if (m_picture)
        m_picture->clear();
    if (!automaticSteps())
        BitBtn3->setEnabled(false);
}

void TForm6::FormShow() {
    vychozistav();
}

void TForm6::FormActivate() {
    if (automaticSteps() && m_running && !m_paused && !Timer1->isActive())
        Timer1->start();
}

void TForm6::FormClose() {
    vychozistav();
    forms.main->showMainWindow();
    setApplicationTitle(QStringLiteral("Vokab"));
}

void TForm6::keyPressEvent(QKeyEvent *event) {
    // Only the lower-case d, typed to the window itself, steps.
    if (event->text() == QStringLiteral("d")) {
        btstartClick();
        return;
    }
    VokabForm::keyPressEvent(event);
}
