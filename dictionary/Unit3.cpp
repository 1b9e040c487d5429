#include "dictionary/Unit3.h"

#include "core/wav.h"
#include "dictionary/Unit5.h"
#include "dictionary/dictionarydocument.h"
#include "dictionary/dictionarymodel.h"
#include "dictionary/editorlogic.h"
#include "dictionary/fieldvalidator.h"
#include "platform/platform.h"
#include "ui/forms.h"
#include "ui/generalsettings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

TForm3::TForm3(Forms &forms, Platform &platform)
    : VokabForm(forms, platform, QStringLiteral("Form3")) {
    setWindowTitle(QStringLiteral("Upravit výraz"));
    setFrame(Frame::NoCloseBox);
    m_sound = new ExpressionSound(this, platform);
    auto *central = new QWidget(this);
    setCentralWidget(central);
    auto *grid = new QGridLayout(central);
    const auto field = [&](const char *name, const QString &label, int row) {
        auto *l = named<QLabel>(central, QByteArray("Label").append(char('1' + row)).constData());
        l->setText(label);
        grid->addWidget(l, row, 0);
        auto *edit = named<QLineEdit>(central, name);
        grid->addWidget(edit, row, 1);
        return edit;
    };
    Edit1 = field("Edit1", QStringLiteral("Cizí výraz:"), 0);
    Edit2 = field("Edit2", QStringLiteral("Český výraz:"), 1);
    Edit3 = field("Edit3", QStringLiteral("Cizojazyčná výslov.:"), 2);
    Edit4 = field("Edit4", QStringLiteral("Mluvená výslovnost:"), 3);
    QFont phonetic(QStringLiteral("VokabFont"));
    phonetic.setPixelSize(13);
    Edit3->setFont(phonetic);
    // A ";" would cut the dictionary line when it is read back: no field keeps one.
    Edit1->setValidator(new FieldValidator({false, false}, Edit1));
    Edit2->setValidator(new FieldValidator({false, false}, Edit2));
    Edit3->setValidator(new FieldValidator({false, false}, Edit3));
    Edit4->setValidator(new FieldValidator({false, false}, Edit4));

    BitBtn1 = named<QPushButton>(central, "BitBtn1");
    BitBtn1->setText(QStringLiteral("Upravit"));
    BitBtn1->setToolTip(QStringLiteral("Upravit a vrátit se do Editoru výrazu"));
    BitBtn2 = named<QPushButton>(central, "BitBtn2");
    BitBtn2->setText(QStringLiteral("Zrušit"));
    BitBtn2->setToolTip(QStringLiteral("Návart do Editoru výrazu bez uložení změn"));
    BitBtn2->setFocusPolicy(Qt::NoFocus);
    const auto soundButton = [&](const char *name, const QString &text, const QString &hint) {
        auto *b = named<QPushButton>(central, name);
        b->setText(text);
        b->setToolTip(hint);
        b->setFocusPolicy(Qt::NoFocus);
        return b;
    };
    BitBtn4 = soundButton("BitBtn4", QStringLiteral("Otevřít"),
                          QStringLiteral("Otevřít soubor se zvukem"));
    BitBtn3 = soundButton("BitBtn3", QStringLiteral("Přehrát"),
                          QStringLiteral("Přehrát načtený souboru"));
    button1 = soundButton("button1", QStringLiteral("Start"), QStringLiteral("Začít nahrávat"));
    button2 = soundButton("button2", QStringLiteral("Stop"), QStringLiteral("Ukončit nahrávání"));
    BitBtn5 =
        soundButton("BitBtn5", QStringLiteral("Znova"), QStringLiteral("Začit znova nahrávat"));
    ProgressBar1 = named<QProgressBar>(central, "ProgressBar1");
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setValue(0);
    ProgressBar1->setTextVisible(false);
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(200);
    grid->addWidget(BitBtn4, 3, 2);
    grid->addWidget(BitBtn3, 3, 3);
    grid->addWidget(button1, 0, 2);
    grid->addWidget(button2, 1, 2);
    grid->addWidget(BitBtn5, 2, 2);
    grid->addWidget(ProgressBar1, 0, 3, 3, 1);
    grid->addWidget(BitBtn1, 4, 2);
    grid->addWidget(BitBtn2, 4, 3);

    setTabOrder(Edit1, Edit2);
    setTabOrder(Edit2, Edit3);
    setTabOrder(Edit3, Edit4);
    setTabOrder(Edit4, BitBtn1);
    for (QLineEdit *edit : {Edit1, Edit2, Edit3})
        edit->installEventFilter(this);

    connect(BitBtn1, &QPushButton::clicked, this, &TForm3::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &TForm3::BitBtn2Click);
    connect(BitBtn3, &QPushButton::clicked, this, &TForm3::BitBtn3Click);
    connect(BitBtn4, &QPushButton::clicked, this, &TForm3::BitBtn4Click);
    connect(button1, &QPushButton::clicked, this, &TForm3::button1Click);
    connect(button2, &QPushButton::clicked, this, &TForm3::button2Click);
    connect(BitBtn5, &QPushButton::clicked, this, &TForm3::BitBtn5Click);
    connect(Timer1, &QTimer::timeout, this, &TForm3::Timer1Timer);
    setFixedClientSize(523, 149);
    centreOnDesktop();
    // No close box: Escape leaves as "Zrušit" does (not while a recording runs).
    pressOnEscape({BitBtn2});
    // A recording made here is not in the expression until "Upravit", and is kept all the
    // same.
    forms.document->addSoundHolder([this] { return QStringList{Edit4->text()}; });
}

void TForm3::openAt(int row, QWidget *focusAfter) {
    m_focusAfter = focusAfter;
    DictionaryModel *records = forms.document->model();
    m_record = QPersistentModelIndex(records->index(row, 0));
    m_recorded.clear();
    Edit3->clear();
    show();
    Edit1->setText(records->cell(row, 0));
    Edit2->setText(records->cell(row, 1));
    Edit3->setText(records->cell(row, 2));
    Edit4->setText(records->cell(row, 3));
    m_openedSound = Edit4->text();
    Edit1->setFocus();
}

int TForm3::currentRow() const {
    return m_record.isValid() ? m_record.row() : -1;
}

void TForm3::soundMoved(const QString &from, const QString &to) {
    if (Edit4->text() == from)
        Edit4->setText(to);
    if (m_openedSound == from)
        m_openedSound = to;
}

void TForm3::leave() {
    platform.player->stop();
    if (m_focusAfter)
        m_focusAfter->setFocus();
    close();
}

void TForm3::BitBtn1Click() {
    const int row = currentRow();
    DictionaryDocument &document = *forms.document;
    if (row < 0 || row >= document.count()) {
        // The expression was deleted, or another dictionary replaced it, while the
        // dialog was open: its changes belong nowhere.
        platform.dialogs->warning(
            QStringLiteral("Upravovaný výraz už ve slovníku není. Změny nebyly uloženy."));
        leave();
        return;
    }
    document.setRecord(row, {Edit1->text(), Edit2->text(), Edit3->text(), Edit4->text()});
    leave();
}

void TForm3::BitBtn2Click() {
    Edit1->clear();
    Edit2->clear();
    Edit3->clear();
    Edit4->clear();
    leave();
}

void TForm3::BitBtn4Click() {
    FileDialogState &dialog = forms.Form5->OpenDialog1;
    const std::optional<QString> chosen = platform.dialogs->openFile(dialog);
    if (!chosen)
        return;
    Edit4->setText(QDir::toNativeSeparators(*chosen));
    dialog.remember(*chosen);
}

void TForm3::BitBtn3Click() {
    // The recording, or the foreign expression spoken when it has none.
    m_sound->play(wav::substituteName(Edit4->text()), Edit1->text(), forms.settings->speech());
}

void TForm3::recordingState(bool recording) {
    // While a recording runs the dialog stays open until "Stop".
    BitBtn1->setEnabled(!recording);
    BitBtn2->setEnabled(!recording);
    if (recording)
        Timer1->start();
    else
        Timer1->stop();
}

bool TForm3::startRecording() {
    const QString path =
        QDir::toNativeSeparators(editor::newRecordingPath(platform.folder.temp(), Edit1->text()));
    if (!forms.Form5->startRecording(path))
        return false;
    m_recorded = path;
    button2->setFocus();
    recordingState(true);
    return true;
}

void TForm3::button1Click() {
    if (TForm5::prepareTemp(platform))
        startRecording();
}

void TForm3::button2Click() {
    if (!forms.Form5->recording)
        return;
    forms.Form5->stopRecording(true);
    ProgressBar1->setValue(100);
    recordingState(false);
    Edit4->setText(forms.Form5->recordingPath);
    BitBtn1->setFocus();
}

void TForm3::BitBtn5Click() {
    if (!platform.dialogs->question(MessageKind::Confirmation,
                                    QStringLiteral("Opravdu si přejete znova nahrát zvuk?")))
        return;
    if (forms.Form5->recording) {
        forms.Form5->stopRecording(false);
        recordingState(false);
    }
    // Only a recording made since the dialog was opened goes, and not when an expression
    // has taken it meanwhile; a sound of the dictionary stays.
    if (!m_recorded.isEmpty() && !forms.document->usesSound(m_recorded) &&
        editor::livesIn(m_recorded, platform.folder.temp())) {
        QFile::remove(m_recorded);
        if (Edit4->text() == m_recorded)
            Edit4->setText(m_openedSound);
    }
    m_recorded.clear();
    startRecording();
}

void TForm3::Timer1Timer() {
    ProgressBar1->setValue(ProgressBar1->value() + 5 >= 100 ? 0 : ProgressBar1->value() + 5);
}

bool TForm3::eventFilter(QObject *watched, QEvent *event) {
    auto *edit = qobject_cast<QLineEdit *>(watched);
    if (edit && event->type() == QEvent::KeyPress && (edit == Edit1 || edit == Edit2) &&
        !static_cast<QKeyEvent *>(event)->text().isEmpty())
        setUpperCaseInput({Edit1, Edit2}, forms.settings->upperCase());
    if (edit == Edit3 && event->type() == QEvent::FocusIn) {
        static_cast<QObject *>(edit)->event(event);
        edit->deselect();
        edit->setCursorPosition(edit->text().startsWith(u'[') ? 1 : 0);
        return true;
    }
    return VokabForm::eventFilter(watched, event);
}
