#include "internet/aktulizovaniznetu.h"

#include "core/textfile.h"
#include "internet/Unit20.h"
#include "platform/platform.h"
#include "ui/controls.h"
#include "ui/forms.h"
#include "ui/mainwindow.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {

const QString kDash = QStringLiteral("-");
const QString kFailed = QStringLiteral("Aktualizace se nepovedla.");

QString orDash(const QString &text) {
    return text.isEmpty() ? kDash : text;
}

} // namespace

TForm18::TForm18(Forms &forms, Platform &platform)
    : VokabForm(forms, platform, QStringLiteral("Form18")) {
    setWindowTitle(QStringLiteral("Aktualizace z Internetu"));
    setFrame(Frame::CloseBoxOnly);
    auto *central = new QWidget(this);
    setCentralWidget(central);
    auto *column = new QVBoxLayout(central);
    auto *panel = named<QFrame>(central, "Panel1");
    panel->setFrameShape(QFrame::StyledPanel);
    auto *grid = new QGridLayout(panel);
    versionLabel = captionAndValue(grid, 0, QStringLiteral("Verze programu:"), "versionLabel",
                                   kDash, "Label1");
    sizeLabel = captionAndValue(grid, 1, QStringLiteral("Velikost:"), "sizeLabel", kDash, "Label2");
    dateLabel = captionAndValue(grid, 2, QStringLiteral("Datum aktualizace:"), "dateLabel", kDash,
                                "Label3");
    grid->setColumnStretch(1, 1);
    column->addWidget(panel);
    runningVersionLabel = named<QLabel>(central, "runningVersionLabel");
    runningVersionLabel->setText(versionfile::kRunningVersion);
    runningVersionLabel->hide();
    auto *newsLabel = named<QLabel>(central, "Label4");
    newsLabel->setText(QStringLiteral("Novinky:"));
    column->addWidget(newsLabel);
    Memo1 = named<QPlainTextEdit>(central, "Memo1");
    Memo1->setReadOnly(true);
    Memo1->setFrameShape(QFrame::NoFrame);
    column->addWidget(Memo1, 1);
    auto *buttons = new QHBoxLayout;
    BitBtn1 = named<QPushButton>(central, "BitBtn1");
    BitBtn1->setText(QStringLiteral("Stáhnout"));
    BitBtn2 = named<QPushButton>(central, "BitBtn2");
    BitBtn2->setText(QStringLiteral("Zpět"));
    buttons->addWidget(BitBtn1);
    buttons->addWidget(BitBtn2);
    column->addLayout(buttons);
    connect(BitBtn1, &QPushButton::clicked, this, &TForm18::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &TForm18::BitBtn2Click);
    setFixedClientSize(360, 253);
    centreOnDesktop();
    closeOnEscape();
}

TForm18::~TForm18() = default;

void TForm18::clearFields() {
    for (QLabel *value : {versionLabel, sizeLabel, dateLabel})
        value->setText(kDash);
    Memo1->clear();
}

void TForm18::readVersion(const QString &versionFile) {
    const Result<QByteArray> read = textfile::readBytes(versionFile, versionfile::kMaxFileSize);
    const std::optional<versionfile::VersionFile> file =
        read ? versionfile::parse(*read) : std::nullopt;
    if (!file) {
        // Unreadable, or too large to be a version file.
        clearFields();
        BitBtn1->setEnabled(false);
        reportFailure();
        close();
        return;
    }
    m_file = *file;
    versionLabel->setText(orDash(m_file.version));
    sizeLabel->setText(orDash(m_file.size));
    dateLabel->setText(orDash(m_file.date));
    Memo1->setPlainText(m_file.news.join(u'\n'));
    if (versionfile::isNew(m_file, runningVersionLabel->text())) {
        BitBtn1->setEnabled(true);
        return;
    }
    BitBtn1->setEnabled(false);
    platform.dialogs->info(QStringLiteral("Žádná nová verze programu nebyla nalezena."));
    clearFields();
}

void TForm18::reportFailure(const QString &reason) {
    platform.dialogs->info(reason.isEmpty() ? kFailed : kFailed + u'\n' + reason);
}

void TForm18::BitBtn1Click() {
    // What the web site says is not trusted: the installer must be one plain file name
    // in Aktualizace and come from a web address.
    // Its size must be given, so that the download stops where the installer ends.
    const std::optional<qint64> announced = versionfile::announcedSize(m_file);
    if (!versionfile::isPlainFileName(m_file.fileName) ||
        !versionfile::isWebAddress(m_file.address) || !announced || *announced <= 0) {
        reportFailure();
        return;
    }
    if (const auto made = platform.folder.prepareFolder(platform.folder.updates()); !made) {
        reportFailure(made.error());
        return;
    }
    TForm20 *progress = forms.Form20;
    progress->showDownload(m_file.fileName, *announced);
    progress->Timer1->start();
    hide();
    m_target = platform.folder.updates() + m_file.fileName;
    HTTPGet1 = platform.network->createDownload();
    connect(HTTPGet1.get(), &Download::done, this,
            [this](const QString &fileName, qint64 size) { HTTPGet1DoneFile(fileName, size); });
    connect(HTTPGet1.get(), &Download::failed, this,
            [this](const QString &error) { HTTPGet1Error(error); });
    HTTPGet1->start(QUrl(m_file.address), m_target, *announced);
    progress->show();
}

void TForm18::HTTPGet1DoneFile(const QString &fileName, qint64 size) {
    forms.Form20->Timer1->stop();
    forms.Form20->Timer1Timer();
    // The installer is offered only when it arrived whole; a shorter one is removed.
    const std::optional<qint64> announced = versionfile::announcedSize(m_file);
    if (!announced || size != *announced || QFileInfo(fileName).size() != *announced) {
        QFile::remove(fileName);
        reportFailure();
        forms.main->showUnlessModeOpen();
        forms.Form20->close();
        close();
        return;
    }
    if (platform.dialogs->question(MessageKind::Information,
                                   QStringLiteral("Aktualizace byla provedena úspěšně. Přejete "
                                                  "si nyní nainstalovat novou verzi?"))) {
        // The desktop opens the installer with its handler for the file's type (a
        // downloaded file has no right to be run by itself); the program ends only when
        // the installer is open, as by "Konec", statistics saved.
        forms.Form20->close();
        if (platform.shell->openUrl(QUrl::fromLocalFile(fileName))) {
            forms.main->closeMainWindow();
            return;
        }
        platform.dialogs->error(QStringLiteral("Instalaci se nepodařilo spustit. Stažený "
                                               "soubor můžete otevřít sami, najdete ho zde:\n%1")
                                    .arg(QDir::toNativeSeparators(fileName)));
        forms.main->showUnlessModeOpen();
        close();
        return;
    }
    forms.main->showUnlessModeOpen();
    close();
    forms.Form20->close();
}

void TForm18::HTTPGet1Error(const QString &error) {
    forms.Form20->Timer1->stop();
    reportFailure(error);
    forms.main->showUnlessModeOpen();
    forms.Form20->close();
}

void TForm18::cancelDownload() {
    if (HTTPGet1)
        HTTPGet1->abort();
}

void TForm18::BitBtn2Click() {
    close();
}

void TForm18::FormClose() {
    forms.main->showUnlessModeOpen();
}
