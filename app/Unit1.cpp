#include "app/Unit1.h"

#include "app/Unit22.h"
#include "app/Unit8.h"
#include "backups/backupwindow.h"
#include "core/product.h"
#include "core/tempfolder.h"
#include "dictionary/Unit11.h"
#include "dictionary/Unit14.h"
#include "dictionary/Unit15.h"
#include "dictionary/Unit2.h"
#include "dictionary/Unit3.h"
#include "dictionary/Unit5.h"
#include "internet/Unit19.h"
#include "internet/versioncheck.h"
#include "learning/Unit6.h"
#include "platform/platform.h"
#include "review/reviewwindow.h"
#include "statistics/Unit23.h"
#include "testing/Unit12.h"
#include "testing/Unit4.h"
#include "testing/Unit9.h"
#include "tips/tipy.h"
#include "translator/Unit24.h"
#include "ui/controls.h"
#include "ui/forms.h"

#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>

namespace {

QPushButton *modeButton(QWidget *parent, const char *name, const QString &caption,
                        const QString &hint) {
    auto *button = named<QPushButton>(parent, name);
    button->setText(caption);
    button->setToolTip(hint);
    return button;
}

QMenu *submenu(QWidget *parent, const char *name, const QString &caption) {
    auto *menu = new QMenu(caption, parent);
    menu->setObjectName(QString::fromLatin1(name));
    return menu;
}

} // namespace

TForm1::TForm1(Forms &forms, Platform &platform)
    : VokabForm(forms, platform, QStringLiteral("Form1")) {
    setWindowTitle(QStringLiteral("Vokab 2.20"));
    // A fixed frame with the system menu, the minimize button and the close box.
    setFrame(Frame::Fixed);
    setCentralWidget(new QWidget(this));
    auto *outer = new QVBoxLayout(centralWidget());

    GroupBox1 = named<QGroupBox>(centralWidget(), "GroupBox1");
    GroupBox1->setTitle(QStringLiteral("Co spustit:"));
    auto *modes = new QVBoxLayout(GroupBox1);
    bteditor = modeButton(GroupBox1, "bteditor", QStringLiteral("Editor výrazů"),
                          QStringLiteral("Editor výrazů"));
    btvyuka = modeButton(GroupBox1, "btvyuka", QStringLiteral("Výuka výrazů"),
                         QStringLiteral("Výuka výrazů"));
    btzkouseni = modeButton(GroupBox1, "btzkouseni", QStringLiteral("Zkoušení výrazů I"),
                            QStringLiteral("Zkoušení výrazů I"));
    btzkouseni1 = modeButton(GroupBox1, "btzkouseni1", QStringLiteral("Zkoušení výrazů II"),
                             QStringLiteral("Zkoušení výrazů II"));
    BitBtn1 = modeButton(GroupBox1, "BitBtn1", QStringLiteral("Translator"), QString());
    for (QPushButton *button : {bteditor, btvyuka, btzkouseni, btzkouseni1, BitBtn1}) {
        button->setMinimumWidth(180);
        modes->addWidget(button);
    }
    outer->addWidget(GroupBox1);
    btkonec = modeButton(centralWidget(), "btkonec", QStringLiteral("Konec"),
                         QStringLiteral("Konec programu"));
    outer->addWidget(btkonec);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    connect(bteditor, &QPushButton::clicked, this, &TForm1::bteditorClick);
    connect(btvyuka, &QPushButton::clicked, this, &TForm1::btvyukaClick);
    connect(btzkouseni, &QPushButton::clicked, this, &TForm1::btzkouseniClick);
    connect(btzkouseni1, &QPushButton::clicked, this, &TForm1::btzkouseni1Click);
    connect(BitBtn1, &QPushButton::clicked, this, &TForm1::BitBtn1Click);
    connect(btkonec, &QPushButton::clicked, this, &TForm1::btkonecClick);

    buildMenu();
    // The whole menu bar fits, so that no item hides behind an overflow button.
    centralWidget()->setMinimumWidth(menuBar()->sizeHint().width());
    centreOnDesktop();
}

TForm1::~TForm1() = default;

void TForm1::buildMenu() {
    QMenuBar *bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));

    Program1 = submenu(this, "Program1", QStringLiteral("&Program"));
    startMenu = submenu(Program1, "startMenu", QStringLiteral("&Spustit"));
    editorAction = menuItem(startMenu, "editorAction", QStringLiteral("Editor výrazů"),
                            QKeySequence(Qt::Key_F1));
    learningAction = menuItem(startMenu, "learningAction", QStringLiteral("Výuka výrazů"),
                              QKeySequence(Qt::Key_F2));
    testing1Action = menuItem(startMenu, "testing1Action", QStringLiteral("Zkoušení výrazů I"),
                              QKeySequence(Qt::Key_F3));
    testing2Action = menuItem(startMenu, "testing2Action", QStringLiteral("Zkoušení výrazů II"),
                              QKeySequence(Qt::Key_F4));
    Translator1 =
        menuItem(startMenu, "Translator1", QStringLiteral("Translator"), QKeySequence(Qt::Key_F6));
    reviewAction = menuItem(startMenu, "reviewAction", QStringLiteral("Opakování podle plánu"),
                            this, &TForm1::showReview, QKeySequence(Qt::Key_F7));
    Program1->addMenu(startMenu);
    Aktualizace1 = menuItem(Program1, "Aktualizace1", QStringLiteral("&Aktualizace"),
                            QKeySequence(Qt::Key_F5));
    restoreAction = menuItem(Program1, "restoreAction", QStringLiteral("&Obnovit ze zálohy…"), this,
                             &TForm1::showBackups);
    Program1->addSeparator();
    quitAction = menuItem(Program1, "quitAction", QStringLiteral("&Ukončit program"),
                          QKeySequence(Qt::Key_F10));
    bar->addMenu(Program1);

    statisticsAction = menuItem(bar, "statisticsAction", QStringLiteral("Statistiky"));
    settingsAction = menuItem(bar, "settingsAction", QStringLiteral("&Nastavení"));

    Info1 = submenu(this, "Info1", QStringLiteral("&Info"));
    // The help item shows F1 beside its caption, but F1 belongs to the editor item
    // that comes first in the menu.
    helpAction = menuItem(Info1, "helpAction", QStringLiteral("Náp&ověda\tF1"));
    tipAction = menuItem(Info1, "tipAction", QStringLiteral("&Tip dne"));
    Internet1 = submenu(Info1, "Internet1", QStringLiteral("&Internet"));
    writeToAuthorAction =
        menuItem(Internet1, "writeToAuthorAction", QStringLiteral("Napsat &autorovi"));
    webPagesAction = menuItem(Internet1, "webPagesAction", QStringLiteral("Stránky &programu"));
    Info1->addMenu(Internet1);
    Info1->addSeparator();
    aboutAction = menuItem(Info1, "aboutAction", QStringLiteral("&O Programu"));
    bar->addMenu(Info1);

    // The shortcut keys work while the main window is active, also with the menu closed.
    for (QAction *action : {editorAction, learningAction, testing1Action, testing2Action,
                            Translator1, reviewAction, Aktualizace1, quitAction})
        addAction(action);

    connect(editorAction, &QAction::triggered, this, &TForm1::bteditorClick);
    connect(learningAction, &QAction::triggered, this, &TForm1::btvyukaClick);
    connect(testing1Action, &QAction::triggered, this, &TForm1::btzkouseniClick);
    connect(testing2Action, &QAction::triggered, this, &TForm1::btzkouseni1Click);
    connect(Translator1, &QAction::triggered, this, &TForm1::BitBtn1Click);
    connect(Aktualizace1, &QAction::triggered, this, &TForm1::Aktualizace1Click);
    connect(quitAction, &QAction::triggered, this, &TForm1::btkonecClick);
    connect(statisticsAction, &QAction::triggered, this, &TForm1::statisticsClick);
    connect(settingsAction, &QAction::triggered, this, &TForm1::settingsClick);
    connect(helpAction, &QAction::triggered, this, &TForm1::helpClick);
    connect(tipAction, &QAction::triggered, this, &TForm1::tipClick);
    connect(writeToAuthorAction, &QAction::triggered, this, &TForm1::writeToAuthorClick);
    connect(webPagesAction, &QAction::triggered, this, &TForm1::webPagesClick);
    connect(aboutAction, &QAction::triggered, this, &TForm1::aboutClick);
}

void TForm1::startMode(QWidget *window, const QString &mode) {
    window->show();
    window->raise();
    window->activateWindow();
    hide();
    setApplicationTitle(QStringLiteral("Vokab - ") + mode);
}

bool TForm1::modeOpen() const {
    const QWidget *modes[] = {forms.Form2,  forms.Form3,  forms.Form5,  forms.Form6,
                              forms.Form4,  forms.Form9,  forms.Form11, forms.Form12,
                              forms.Form14, forms.Form15, forms.Form23, forms.Form24};
    return std::any_of(std::begin(modes), std::end(modes),
                       [](const QWidget *w) { return w && w->isVisible(); });
}

void TForm1::showUnlessModeOpen() {
    if (!modeOpen())
        show();
}

void TForm1::bteditorClick() {
    forms.Form2->show();
    if (auto *edtang = forms.Form2->findChild<QLineEdit *>(QStringLiteral("edtang")))
        edtang->setFocus();
    startMode(forms.Form2, QStringLiteral("Editor výrazů"));
}

void TForm1::btvyukaClick() {
    startMode(forms.Form6, QStringLiteral("Výuka výrazů"));
}

void TForm1::btzkouseniClick() {
    startMode(forms.Form4, QStringLiteral("Zkoušení výrazů I"));
}

void TForm1::btzkouseni1Click() {
    startMode(forms.Form12, QStringLiteral("Zkoušení výrazů II"));
}

void TForm1::BitBtn1Click() {
    startMode(forms.Form24, QStringLiteral("Translator"));
}

void TForm1::showReview() {
    startMode(forms.review, QStringLiteral("Opakování podle plánu"));
}

void TForm1::showBackups() {
    forms.backupWindow->showFor();
}

void TForm1::btkonecClick() {
    close();
}

void TForm1::statisticsClick() {
    startMode(forms.Form23, QStringLiteral("Statistiky"));
    forms.Form23->naplnslovniky();
}

void TForm1::settingsClick() {
    forms.Form8->show();
    forms.Form8->raise();
    forms.Form8->activateWindow();
}

void TForm1::helpClick() {
    const Result<void> shown = platform.help->show(
        platform.folder.shipped(QStringLiteral("Vokab.hlp")), QStringLiteral("Topic1"));
    if (!shown)
        platform.dialogs->error(shown.error());
}

void TForm1::tipClick() {
    forms.Form16->show();
    forms.Form16->raise();
}

void TForm1::writeToAuthorClick() {
    forms.Form19->show();
    forms.Form19->raise();
}

void TForm1::webPagesClick() {
    platform.shell->openUrl(QUrl(product::webAddress()));
}

void TForm1::aboutClick() {
    forms.Form22->showAbout();
}

void TForm1::afterSplash() {
    m_splashGone = true;
    if (m_dictionaryToOpen.isEmpty()) {
        show();
        return;
    }
    openInEditor(std::exchange(m_dictionaryToOpen, QString()));
}

void TForm1::openDictionary(const QString &path) {
    if (!m_splashGone) {
        m_dictionaryToOpen = path;
        return;
    }
    // The editor takes it at once; another mode keeps the screen until it is closed.
    const bool inEditor =
        forms.Form2->isVisible() && !forms.Form3->isVisible() && !forms.Form5->isVisible();
    if (!inEditor && modeOpen()) {
        m_dictionaryToOpen = path;
        platform.dialogs->info(
            QStringLiteral("Slovník „%1“ se otevře v Editoru výrazů po návratu do hlavní nabídky.")
                .arg(QDir::toNativeSeparators(path)));
        return;
    }
    openInEditor(path);
}

void TForm1::openInEditor(const QString &path) {
    if (!forms.Form2->isVisible())
        bteditorClick();
    if (forms.Form2->offerToSave())
        forms.Form2->openDictionary(path);
}

void TForm1::FormShow() {
    // Back from a mode window: the dictionary handed over meanwhile opens now.
    if (!m_splashGone || m_dictionaryToOpen.isEmpty())
        return;
    QTimer::singleShot(0, this, [this] {
        if (isVisible() && !m_dictionaryToOpen.isEmpty())
            openDictionary(std::exchange(m_dictionaryToOpen, QString()));
    });
}

void TForm1::FormActivate() {
    if (!firstActivation || !forms.Form8->chbtip->isChecked())
        return;
    firstActivation = false;
    forms.Form16->show();
    forms.Form16->move(forms.Form16->x(), forms.Form16->y() + 80);
}

void TForm1::Aktualizace1Click() {
    if (!aktivnianone()) {
        platform.dialogs->info(QStringLiteral(
            "Momentálně nejste připojeni k Internetu, aktualizace nemůže být provedena"));
        return;
    }
    versioncheck::start(*this, forms, platform);
}

bool TForm1::aktivnianone() const {
    return platform.network->connected();
}

void TForm1::HTTPGet1DoneFile(const QString &fileName, qint64) {
    versioncheck::received(forms, fileName);
}

void TForm1::HTTPGet1Error(const QString &error) {
    versioncheck::failed(*this, forms, platform, error);
}

void TForm1::ulozenistatistik() {
    if (forms.Form23)
        forms.Form23->saveAtExit();
}

bool TForm1::FormCloseQuery() {
    // A dictionary changed in the editor is offered for saving; "Zrušit" keeps the
    // program running.
    return forms.Form2->offerToSave();
}

void TForm1::FormClose() {
    // Recordings the editor still refers to are not the program's to throw away.
    if (forms.Form8->chbtemp->isChecked())
        deleteFilesIn(platform.folder.temp(), forms.Form2->document().soundsInUse());
    ulozenistatistik();
    QCoreApplication::quit();
}
