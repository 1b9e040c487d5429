#include "internet/Unit19.h"

#include "core/product.h"
#include "core/textfile.h"
#include "platform/platform.h"
#include "ui/forms.h"
#include "ui/mainwindow.h"

#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

TForm19::TForm19(Forms &forms, Platform &platform)
    : VokabForm(forms, platform, QStringLiteral("Form19")) {
    setWindowTitle(QStringLiteral("Zpráva autorovi programu:"));
    setFrame(Frame::Fixed);
    auto *central = new QWidget(this);
    setCentralWidget(central);
    auto *column = new QVBoxLayout(central);
    Label1 = named<QLabel>(central, "Label1");
    Label1->setText(QStringLiteral("Vzkaz Autorovi programu ( přpomínky, chyby v programu, tipy "
                                   "na vylepšení programu, atd...)"));
    Label1->setWordWrap(true);
    Memo1 = named<QPlainTextEdit>(central, "Memo1");
    auto *buttons = new QHBoxLayout;
    BitBtn1 = named<QPushButton>(central, "BitBtn1");
    BitBtn1->setText(QStringLiteral("Odeslat"));
    BitBtn2 = named<QPushButton>(central, "BitBtn2");
    BitBtn2->setText(QStringLiteral("Zpět"));
    buttons->addWidget(BitBtn1);
    buttons->addWidget(BitBtn2);
    column->addWidget(Label1);
    column->addWidget(Memo1, 1);
    column->addLayout(buttons);
    connect(BitBtn1, &QPushButton::clicked, this, &TForm19::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &TForm19::BitBtn2Click);
    setFixedClientSize(238, 232);
    centreOnDesktop();
}

void TForm19::BitBtn1Click() {
    const QString text = Memo1->toPlainText();
    const QStringList lines = text.isEmpty() ? QStringList() : text.split(u'\n');
    if (const auto made = platform.folder.prepareFolder(platform.folder.workDir()); !made) {
        platform.dialogs->error(made.error()); // the text stays in the pane
        return;
    }
    const QString path = platform.folder.workDir() + QStringLiteral("Zprava.txt");
    const Result<void> saved = textfile::saveLines(path, lines);
    if (!saved) {
        // The text stays in the pane: nothing the user wrote is lost.
        platform.dialogs->error(saved.error());
        return;
    }
    odeslanipostou(QDir::toNativeSeparators(path), product::authorEmail(),
                   QStringLiteral("Zprava pro Velor"));
    Memo1->clear();
    forms.main->showUnlessModeOpen();
    close();
}

bool TForm19::odeslanipostou(const QString &filePath, const QString &recipient, QString subject) {
    if (subject.isEmpty())
        subject = QStringLiteral("Export souboru");
    if (platform.mail->send(recipient, subject, filePath))
        return true;
    platform.dialogs->message(MessageKind::Error,
                              QStringLiteral("Nepodařilo se poslat zprávu elektronickou poštou.") +
                                  QStringLiteral("\n\n") + platform.mail->adviceOnFailure(),
                              QStringLiteral("Chyba"));
    platform.mail->afterFailure(recipient, subject);
    return false;
}

void TForm19::BitBtn2Click() {
    forms.main->showUnlessModeOpen();
    close();
}

void TForm19::FormClose() {
    Memo1->clear();
}
