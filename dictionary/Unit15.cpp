#include "dictionary/Unit15.h"

#include "dictionary/Unit2.h"
#include "dictionary/prevadec.h"
#include "platform/platform.h"
#include "ui/controls.h"
#include "ui/forms.h"

#include <QGridLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QTextEdit>
#include <QVBoxLayout>

TForm15::TForm15(Forms &forms, Platform &platform)
    : VokabForm(forms, platform, QStringLiteral("Form15")) {
    setWindowTitle(QStringLiteral("Převaděč slovníků"));
    OpenDialog1.filter = QStringLiteral("Český slovník|*.cz");
    OpenDialog1.defaultSuffix = QStringLiteral("cz");
    OpenDialog2.filter = QStringLiteral(
        "Anglický slovník|*.ang|Německý slovník|*.nem|Francouzský slovník|*.fra|Ruský "
        "slovník|*.rus|Španělský slovník|*.spa|Maďarský slovník|*.mad|Latinský slovník|*.lat");
    OpenDialog2.defaultSuffix = QStringLiteral("ang");
    SaveDialog1 = dictionaryFileDialog({});
    buildControls();
    buildMenu();
    setFrame(Frame::Sizeable);
    setMinimumClientSize(523, 367);
    centreOnDesktop();
}

void TForm15::buildControls() {
    auto *central = new QWidget(this);
    setCentralWidget(central);
    auto *grid = new QGridLayout(central);

    const auto label = [&](const char *name, const QString &text) {
        auto *l = named<QLabel>(central, name);
        l->setText(text);
        makeBold(l);
        return l;
    };
    const auto button = [&](const char *name, const QString &text) {
        auto *b = named<QPushButton>(central, name);
        b->setText(text);
        makeBold(b);
        return b;
    };
    const auto richPane = [&](const char *name) {
        auto *pane = named<QTextEdit>(central, name);
        pane->setReadOnly(true);
        pane->setAcceptRichText(false);
        pane->setLineWrapMode(QTextEdit::NoWrap);
        pane->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        pane->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        return pane;
    };

    Label1 = label("Label1", QStringLiteral("České výrazy:"));
    Label2 = label("Label2", QStringLiteral("Cizí výrazy:"));
    Label3 = label("Label3", QStringLiteral("Nový slovník:"));
    RichEdit1 = richPane("RichEdit1");
    RichEdit2 = richPane("RichEdit2");
    Memo1 = named<QPlainTextEdit>(central, "Memo1");
    Memo1->setReadOnly(true);
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    BitBtn1 = named<QPushButton>(central, "BitBtn1");
    BitBtn1->setIcon(standardIcon(this, QStyle::SP_DialogCloseButton));
    BitBtn2 = button("BitBtn2", QStringLiteral("Otevřít"));
    BitBtn3 = button("BitBtn3", QStringLiteral("Otevřít"));
    BitBtn4 = button("BitBtn4", QStringLiteral("Převeď"));
    BitBtn5 = button("BitBtn5", QStringLiteral("Ulož"));

    grid->addWidget(Label1, 0, 0);
    grid->addWidget(BitBtn1, 0, 1, Qt::AlignRight);
    grid->addWidget(RichEdit1, 1, 0);
    grid->addWidget(BitBtn2, 1, 1, Qt::AlignTop);
    grid->addWidget(Label2, 2, 0);
    grid->addWidget(RichEdit2, 3, 0);
    grid->addWidget(BitBtn3, 3, 1, Qt::AlignTop);
    grid->addWidget(Label3, 4, 0);
    grid->addWidget(Memo1, 5, 0);
    auto *saveColumn = new QVBoxLayout;
    saveColumn->addWidget(BitBtn4);
    saveColumn->addWidget(BitBtn5);
    saveColumn->addStretch();
    grid->addLayout(saveColumn, 5, 1);
    // An enlarged window gives its room to the three texts.
    for (const int row : {1, 3, 5})
        grid->setRowStretch(row, 1);
    grid->setColumnStretch(0, 1);

    connect(BitBtn1, &QPushButton::clicked, this, &TForm15::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &TForm15::BitBtn2Click);
    connect(BitBtn3, &QPushButton::clicked, this, &TForm15::BitBtn3Click);
    connect(BitBtn4, &QPushButton::clicked, this, &TForm15::BitBtn4Click);
    connect(BitBtn5, &QPushButton::clicked, this, &TForm15::BitBtn5Click);
}

void TForm15::buildMenu() {
    QMenu *dictionaries = menuBar()->addMenu(QStringLiteral("Slovníky"));
    dictionaries->setObjectName(QStringLiteral("Slovnky1"));
    Nastslovnksanglickouslovnzsobou1 = menuItem(
        dictionaries, "Nastslovnksanglickouslovnzsobou1",
        QStringLiteral("Načíst slovník s Českou slovní zásobou"), this, &TForm15::BitBtn2Click);
    NastslovnksAnglickouslovnzsobou2 = menuItem(
        dictionaries, "NastslovnksAnglickouslovnzsobou2",
        QStringLiteral("Načíst slovník s Anglickou slovní zásobou"), this, &TForm15::BitBtn3Click);
    dictionaries->addSeparator();
    Pevstvrazydonovhoslovnku1 =
        menuItem(dictionaries, "Pevstvrazydonovhoslovnku1",
                 QStringLiteral("Převést výrazy do nového slovníku"), this, &TForm15::BitBtn4Click);
    dictionaries->addSeparator();
    Uloitnovslovnk1 = menuItem(dictionaries, "Uloitnovslovnk1",
                               QStringLiteral("Uložit nový slovník"), this, &TForm15::BitBtn5Click);
    Zavt1 = menuItem(menuBar(), "Zavt1", QStringLiteral("Zavřít"), this, &TForm15::BitBtn1Click);
}

void TForm15::setConverted(QStringList lines) {
    m_converted = std::move(lines);
    Memo1->setPlainText(m_converted.join(u'\n'));
}

void TForm15::openList(FileDialogState &dialog, QStringList &lines, QTextEdit *pane) {
    const std::optional<QString> chosen = platform.dialogs->openFile(dialog);
    if (!chosen)
        return;
    dialog.remember(*chosen);
    setConverted({});
    lines.clear();
    pane->clear();
    const Result<QStringList> read = conversion::readWordListFile(*chosen);
    if (!read) {
        platform.dialogs->error(read.error());
        return;
    }
    lines = *read;
    pane->setPlainText(lines.join(u'\n'));
}

void TForm15::BitBtn1Click() {
    forms.Form2->show();
    close();
}

void TForm15::BitBtn2Click() {
    openList(OpenDialog1, m_czech, RichEdit1);
}

void TForm15::BitBtn3Click() {
    openList(OpenDialog2, m_foreign, RichEdit2);
}

void TForm15::BitBtn4Click() {
    if (m_czech.isEmpty()) {
        platform.dialogs->info(
            QStringLiteral("Nelze převést slovníky, není načtený slovník s Českými výrazy"));
        return;
    }
    if (m_foreign.isEmpty()) {
        platform.dialogs->info(
            QStringLiteral("Nelze převést slovníky, není načtený slovník s Cizími výrazy"));
        return;
    }
    setConverted(m_converted + conversion::pairWordLists(m_czech, m_foreign));
}

void TForm15::BitBtn5Click() {
    if (m_converted.isEmpty()) {
        platform.dialogs->info(QStringLiteral("Nelze úkladat prázdný slovník!!!"));
        return;
    }
    const std::optional<QString> chosen = platform.dialogs->saveFile(SaveDialog1);
    if (!chosen)
        return;
    if (platform.backups)
        platform.backups->keep(*chosen);
    const Result<void> saved = conversion::writePairedFile(*chosen, m_converted);
    if (!saved) {
        platform.dialogs->error(saved.error());
        return;
    }
    SaveDialog1.remember(*chosen);
    m_czech.clear();
    m_foreign.clear();
    RichEdit1->clear();
    RichEdit2->clear();
    setConverted({});
}

void TForm15::FormClose() {
    forms.Form2->show();
}
