#include "translator/Unit24.h"

#include "core/textfile.h"
#include "platform/platform.h"
#include "ui/celldelegate.h"
#include "ui/controls.h"
#include "ui/forms.h"
#include "ui/mainwindow.h"

#include <QAbstractTableModel>
#include <QAction>
#include <QActionGroup>
#include <QClipboard>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

#include <utility>

namespace {

const QString kKey = QStringLiteral("Translator");
const QString kCzToEn = QStringLiteral("ZCZDOANJ");
const QString kEnToCz = QStringLiteral("ZANJDOCZ");
const QString kInstant = QStringLiteral("Okamzite");

} // namespace

// The grid's rows: the entries of the current list, or one empty row when there are none.
class TranslatorModel : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;

    void setList(const translatorfile::EntryList *list, QString left, QString right) {
        beginResetModel();
        m_list = list;
        m_headers = {std::move(left), std::move(right)};
        endResetModel();
    }
    int rowCount(const QModelIndex &parent = {}) const override {
        if (parent.isValid())
            return 0;
        return m_list && m_list->size() > 0 ? int(m_list->size()) : 1;
    }
    int columnCount(const QModelIndex &parent = {}) const override {
        return parent.isValid() ? 0 : 2;
    }
    QString text(int column, int row) const {
        if (!m_list || row < 0 || row >= m_list->size())
            return {};
        return (column == 0 ? m_list->expression(row) : m_list->translation(row)).toString();
    }
    QVariant data(const QModelIndex &index, int role) const override {
        if (role == Qt::DisplayRole || role == Qt::ToolTipRole)
            return text(index.column(), index.row());
        return {};
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (orientation == Qt::Horizontal && (role == Qt::DisplayRole || role == Qt::ToolTipRole) &&
            section >= 0 && section < m_headers.size())
            return m_headers.at(section);
        return QAbstractTableModel::headerData(section, orientation, role);
    }

private:
    const translatorfile::EntryList *m_list = nullptr;
    QStringList m_headers{QStringLiteral("Cizí výraz"), QStringLiteral("Český výraz")};
};

TForm24::TForm24(Forms &forms, Platform &platform)
    : VokabForm(forms, platform, QStringLiteral("Form24")), m_settings(kKey) {
    setWindowTitle(QStringLiteral("Překladač výrazů (CZ -> ANJ)"));
    auto *client = new QWidget(this);
    setCentralWidget(client);

    auto *dictionaryMenu = menuBar()->addMenu(QStringLiteral("Slovník"));
    englishAction = menuItem(dictionaryMenu, "englishAction", QStringLiteral("Anglický"));
    englishAction->setCheckable(true);
    englishAction->setChecked(true);
    // The only word list: an exclusive group of one keeps its check mark when clicked.
    auto *wordLists = new QActionGroup(this);
    wordLists->addAction(englishAction);
    dictionaryMenu->addSeparator();
    ZCZdoANj1 = menuItem(dictionaryMenu, "ZCZdoANj1", QStringLiteral("Z CZ do ANJ"), Qt::Key_F3);
    ZCZdoANj1->setCheckable(true);
    ZANJdoCZ1 = menuItem(dictionaryMenu, "ZANJdoCZ1", QStringLiteral("Z ANJ do CZ"), Qt::Key_F4);
    ZANJdoCZ1->setCheckable(true);
    ZANJdoCZ1->setChecked(true);
    dictionaryMenu->addSeparator();
    Konec1 = menuItem(dictionaryMenu, "Konec1", QStringLiteral("Zavřít"));

    auto *optionsMenu = menuBar()->addMenu(QStringLiteral("Možnosti"));
    Auto1 = menuItem(optionsMenu, "Auto1", QStringLiteral("Hledej okamžitě"), Qt::Key_F5);
    Auto1->setCheckable(true);
    Auto1->setChecked(true);
    optionsMenu->addSeparator();
    Hledej1 = menuItem(optionsMenu, "Hledej1", QStringLiteral("Hledej"), Qt::Key_F1);
    Koprujdoschrnky1 = menuItem(optionsMenu, "Koprujdoschrnky1",
                                QStringLiteral("Nalezené zkopíruj do schránky"), Qt::Key_F2);
    Info1 = menuItem(menuBar(), "Info1", QStringLiteral("Info"));

    Label1 = named<QLabel>(client, "Label1");
    Label1->setText(QStringLiteral("Název hledaného výrazu:"));
    QFont bold = Label1->font();
    bold.setBold(true);
    Label1->setFont(bold);
    edthledej = named<QLineEdit>(client, "edthledej");
    edthledej->setMinimumWidth(236);
    edthledej->installEventFilter(this);
    SpeedButton1 = named<QToolButton>(client, "SpeedButton1");
    SpeedButton1->setToolTip(QStringLiteral("Vyhledat výraz"));
    SpeedButton1->setIcon(standardIcon(this, QStyle::SP_FileDialogContentsView));
    SpeedButton1->setAutoRaise(true);
    SpeedButton1->setFixedSize(26, 24);
    SpeedButton3 = named<QToolButton>(client, "SpeedButton3");
    SpeedButton3->setToolTip(QStringLiteral("Výraz kopírovat do schránky"));
    SpeedButton3->setIcon(standardIcon(this, QStyle::SP_DialogSaveButton));
    SpeedButton3->setAutoRaise(true);
    SpeedButton3->setFixedSize(26, 24);
    SpeedButton2 = named<QToolButton>(client, "SpeedButton2");
    SpeedButton2->setToolTip(QStringLiteral("Převrátit vyhledávaní (CZ->ANJ, ANJ->CZ)"));
    SpeedButton2->setIcon(standardIcon(this, QStyle::SP_BrowserReload));
    SpeedButton2->setAutoRaise(true);
    SpeedButton2->setFixedSize(26, 24);
    BitBtn1 = named<QPushButton>(client, "BitBtn1");
    BitBtn1->setIcon(standardIcon(this, QStyle::SP_DialogCloseButton));
    BitBtn1->setFixedSize(20, 20);

    StringGrid1 = named<QTableView>(client, "StringGrid1");
    m_model = new TranslatorModel(StringGrid1);
    StringGrid1->setModel(m_model);
    StringGrid1->setItemDelegate(new PlainCellDelegate(StringGrid1));
    StringGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    StringGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    StringGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    StringGrid1->verticalHeader()->hide();
    setRowHeightFittingText(StringGrid1, 16);
    setColumnWidthsFittingHeaders(StringGrid1, {164, 164});
    letUserSizeColumns(StringGrid1);
    StringGrid1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    StringGrid1->setMinimumSize(344, 318);

    // The label and the close button above the search box and its buttons, the list below;
    // each as large as its text needs at the system's font.
    auto *column = new QVBoxLayout(client);
    column->setContentsMargins(4, 2, 4, 4);
    column->setSpacing(2);
    auto *top = new QHBoxLayout;
    top->setContentsMargins(4, 0, 0, 0);
    top->addWidget(Label1);
    top->addStretch();
    top->addWidget(BitBtn1, 0, Qt::AlignTop);
    column->addLayout(top);
    auto *search = new QHBoxLayout;
    search->setContentsMargins(4, 0, 0, 0);
    search->setSpacing(4);
    search->addWidget(edthledej, 1);
    for (QToolButton *button : {SpeedButton1, SpeedButton3, SpeedButton2})
        search->addWidget(button);
    search->addSpacing(8);
    column->addLayout(search);
    column->addSpacing(4);
    column->addWidget(StringGrid1, 1);

    connect(edthledej, &QLineEdit::textEdited, this, [this](const QString &text) {
        const QString upper = text.toUpper();
        if (upper != text) {
            const int cursor = edthledej->cursorPosition();
            edthledej->setText(upper);
            edthledej->setCursorPosition(cursor);
        }
    });
    connect(SpeedButton1, &QToolButton::clicked, this, &TForm24::SpeedButton1Click);
    connect(SpeedButton2, &QToolButton::clicked, this, &TForm24::SpeedButton2Click);
    connect(SpeedButton3, &QToolButton::clicked, this, &TForm24::SpeedButton3Click);
    connect(BitBtn1, &QPushButton::clicked, this, &TForm24::BitBtn1Click);
    // A checkable item marks itself when chosen; the swap sets both marks itself.
    for (QAction *item : {ZCZdoANj1, ZANJdoCZ1})
        connect(item, &QAction::triggered, this, [this, item] {
            {
                const QSignalBlocker blocker(item);
                item->setChecked(!item->isChecked());
            }
            SpeedButton2Click();
        });
    connect(Konec1, &QAction::triggered, this, &TForm24::Konec1Click);
    connect(Auto1, &QAction::triggered, this, [this] {
        // The action has already toggled its own mark; the handler toggles it, so undo.
        Auto1->setChecked(!Auto1->isChecked());
        Auto1Click();
    });
    connect(Hledej1, &QAction::triggered, this, &TForm24::Hledej1Click);
    connect(Koprujdoschrnky1, &QAction::triggered, this, &TForm24::Koprujdoschrnky1Click);
    connect(Info1, &QAction::triggered, this, &TForm24::Info1Click);

    // A missing value takes its default; one that is not a number does too, and is
    // reported. The two directions are read as stored and made one afterwards.
    m_settings.mayBeMissing()
        .flag(
            kCzToEn, [this] { return ZCZdoANj1->isChecked(); },
            [this](bool on) { m_storedCzToEn = on; }, false)
        .flag(
            kEnToCz, [this] { return ZANJdoCZ1->isChecked(); },
            [this](bool on) { m_storedEnToCz = on; }, true)
        .flag(kInstant, Auto1, true);

    setMinimumClientSize(352, 376);
    centreOnDesktop();
    FormCreate();
}

bool TForm24::czechToEnglish() const {
    return ZCZdoANj1->isChecked();
}

const translatorfile::EntryList &TForm24::currentList() const {
    return czechToEnglish() ? dictionary().czech : dictionary().english;
}

void TForm24::FormCreate() {
    const QString path = platform.folder.shipped(QStringLiteral("prekladac.dat"));
    if (!QFileInfo(path).isFile()) {
        platform.dialogs->error(translatorfile::kMissingFile);
        return;
    }
    Result<void> usable;
    {
        const Result<QByteArray> raw = textfile::readBytes(path);
        usable = raw ? translatorfile::checkSeparator(*raw) : Failure{raw.error()};
    }
    if (platform.registry->keyExists(kKey)) {
        m_settings.load(*platform.registry, *platform.dialogs);
        // Exactly one direction: a registry with both or neither means English to Czech.
        const bool czechToEnglish = m_storedCzToEn && !m_storedEnToCz;
        ZCZdoANj1->setChecked(czechToEnglish);
        ZANJdoCZ1->setChecked(!czechToEnglish);
    } else {
        writeSettings();
    }
    if (!usable)
        platform.dialogs->error(usable.error());
    else
        m_listPending = true;
    showDirection();
}

const translatorfile::WordList &TForm24::dictionary() const {
    if (std::exchange(m_listPending, false)) {
        Result<translatorfile::WordList> loaded =
            translatorfile::load(platform.folder.shipped(QStringLiteral("prekladac.dat")));
        // Changed or gone since the start: told once, the translator has no entries.
        if (loaded)
            m_words = std::move(loaded).value();
        else
            platform.dialogs->error(loaded.error());
    }
    return m_words;
}

void TForm24::FormShow() {
    ensureGrid();
}

void TForm24::ensureGrid() {
    if (!m_gridFilled)
        fillGrid();
}

void TForm24::showDirection() {
    const bool cz = czechToEnglish();
    setWindowTitle(cz ? QStringLiteral("Translator (CZ -> ANJ)")
                      : QStringLiteral("Translator (ANJ -> CZ)"));
}

void TForm24::fillGrid() {
    m_gridFilled = true;
    const bool cz = czechToEnglish();
    m_model->setList(&currentList(),
                     cz ? QStringLiteral("Český výraz") : QStringLiteral("Cizí výraz"),
                     cz ? QStringLiteral("Cizí výraz") : QStringLiteral("Český výraz"));
    StringGrid1->setCurrentIndex(m_model->index(0, 0));
}

void TForm24::selectRow(int entry, bool toTop) {
    const QModelIndex index = m_model->index(entry, 0);
    if (toTop)
        StringGrid1->scrollTo(index, QAbstractItemView::PositionAtTop);
    StringGrid1->setCurrentIndex(index);
    if (!toTop)
        StringGrid1->scrollTo(index);
}

int TForm24::currentRow() const {
    const QModelIndex index = StringGrid1->currentIndex();
    return index.isValid() ? index.row() + 1 : 0;
}

QString TForm24::cell(int column, int row) const {
    if (row == 0)
        return m_model->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
    return m_model->text(column, row - 1);
}

int TForm24::topRow() const {
    return StringGrid1->rowAt(0) + 1;
}

int TForm24::rowCount() const {
    return m_model->rowCount() + 1;
}

void TForm24::FormActivate() {
    edthledej->setFocus();
}

void TForm24::SpeedButton1Click() {
    ensureGrid();
    const QString text = edthledej->text();
    if (text.isEmpty())
        return;
    const qsizetype found = currentList().findExact(text);
    if (found < 0)
        return;
    selectRow(int(found), false);
    edthledej->selectAll();
}

void TForm24::edthledejKeyPress(QChar key) {
    ensureGrid();
    if (key == u'\r' || key == u'\n') {
        edthledej->selectAll();
        SpeedButton1Click();
    }
}

void TForm24::edthledejKeyUp() {
    if (Auto1->isChecked())
        postupnehledej();
}

void TForm24::postupnehledej() {
    ensureGrid();
    const QString text = edthledej->text();
    if (text.isEmpty()) {
        selectRow(0, false);
        return;
    }
    if (text.size() > 7)
        return;
    const qsizetype found = currentList().findPrefix(text);
    if (found >= 0)
        selectRow(int(found), true);
}

void TForm24::SpeedButton2Click() {
    edthledej->selectAll();
    const int row = currentRow();
    m_remembered = row > 0 ? cell(1, row) : QString();
    const bool toCzech = !czechToEnglish();
    {
        const QSignalBlocker a(ZCZdoANj1), b(ZANJdoCZ1);
        ZCZdoANj1->setChecked(toCzech);
        ZANJdoCZ1->setChecked(!toCzech);
    }
    showDirection();
    fillGrid();
    pootoceni(m_remembered);
}

void TForm24::pootoceni(const QString &translation) {
    const translatorfile::EntryList &list = currentList();
    for (qsizetype i = 0; i < list.size(); ++i) {
        if (list.expression(i) == translation) {
            selectRow(int(i), false);
            edthledej->selectAll();
            return;
        }
    }
}

void TForm24::SpeedButton3Click() {
    ensureGrid();
    const int row = currentRow();
    QGuiApplication::clipboard()->setText(row > 0 ? cell(1, row) : QString());
    edthledej->selectAll();
}

void TForm24::Auto1Click() {
    Auto1->setChecked(!Auto1->isChecked());
}

void TForm24::Info1Click() {
    const qsizetype count = dictionary().english.size() + dictionary().czech.size();
    platform.dialogs->info(QStringLiteral("Ve slovníku je: ") + QString::number(count) +
                           QStringLiteral(" výrazů."));
}

void TForm24::BitBtn1Click() {
    close();
}

void TForm24::writeSettings() {
    m_settings.store(*platform.registry, *platform.dialogs);
}

void TForm24::FormClose() {
    if (forms.main)
        forms.main->showMainWindow();
    setApplicationTitle(QStringLiteral("Vokab"));
    writeSettings();
}

bool TForm24::eventFilter(QObject *watched, QEvent *event) {
    if (watched == edthledej) {
        if (event->type() == QEvent::KeyPress) {
            const auto *key = static_cast<QKeyEvent *>(event);
            if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)
                edthledejKeyPress(u'\r');
        } else if (event->type() == QEvent::KeyRelease) {
            edthledejKeyUp();
        }
    }
    return VokabForm::eventFilter(watched, event);
}
