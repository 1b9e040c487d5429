#include "dictionary/Unit2.h"
#include "backups/backupwindow.h"
#include "core/paths.h"

#include "core/textfile.h"
#include "dictionary/Unit14.h"
#include "dictionary/Unit15.h"
#include "dictionary/Unit17.h"
#include "dictionary/Unit3.h"
#include "dictionary/Unit5.h"
#include "dictionary/dictionarymodel.h"
#include "dictionary/editorlogic.h"
#include "dictionary/editorpictures.h"
#include "dictionary/expressionfilter.h"
#include "dictionary/fieldvalidator.h"
#include "dictionary/opendictionary.h"
#include "exchange/editorexchange.h"
#include "exchange/importexport.h"
#include "exchange/importwindow.h"
#include "platform/platform.h"
#include "ui/celldelegate.h"
#include "ui/controls.h"
#include "ui/forms.h"
#include "ui/generalsettings.h"
#include "ui/mainwindow.h"
#include "ui/uniformrows.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QStyle>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>

namespace {

const QString kCaption = QStringLiteral("Editor výrazů - ");
const QString kCount = QStringLiteral("Počet výrazů ve slovníku:");
const QString kFound = QStringLiteral("Nalezeno %1 z %2");
// Rows of the list that stay in view after an addition.
constexpr int kRowsInView = 12;
constexpr int kRowHeight = 16;

bool isEnter(const QKeyEvent *event) {
    return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
}

} // namespace

TForm2::TForm2(Forms &forms, Platform &platform)
    : VokabForm(forms, platform, QStringLiteral("Form2")),
      m_shownName(dictionaryfile::kNewDictionaryName) {
    m_document.setBackups(platform.backups.get());
    m_openDialog = dictionaryFileDialog(QStringLiteral("Načíst slovník z:"));
    m_saveDialog = dictionaryFileDialog(QStringLiteral("Uložit slovník jako:"),
                                        QStringLiteral("Slovník|*.slv"));
    m_importDialog = {QStringLiteral("Importovat slovník z:"),
                      QStringLiteral("Tabulky a slovníky jiných programů|*.csv;*.tsv;*.txt;*.kvtml|"
                                     "CSV|*.csv|TSV|*.tsv|Text|*.txt|KVTML (KWordQuiz, Parley)|"
                                     "*.kvtml|Vše|*"),
                      QString(),
                      QString(),
                      {}};
    m_exportDialog = {QStringLiteral("Exportovat slovník do:"),
                      QStringLiteral("CSV (UTF-8)|*.csv|TSV (UTF-8, tabulátory)|*.tsv|"
                                     "KVTML (KWordQuiz, Parley)|*.kvtml"),
                      QStringLiteral("csv"),
                      QString(),
                      {}};

    buildControls();
    buildMenu();
    m_pictures = new EditorPictures(*this, platform, m_fields);
    setCaption(m_document.fileName());
    setStatus(kCount + QStringLiteral(" -"));
    setFrame(Frame::Sizeable);
    // The designed height leaves room below the list's twelve rows: it stays below them,
    // and what an enlarged window adds goes to the list.
    const int room = 489 - centralWidget()->minimumSizeHint().height();
    if (room > 0)
        static_cast<QBoxLayout *>(centralWidget()->layout())->addSpacing(room);
    setMinimumClientSize(481, 489);
    centreOnDesktop();
}

TForm2::~TForm2() = default;

void TForm2::buildControls() {
    auto *central = new QWidget(this);
    setCentralWidget(central);
    auto *column = new QVBoxLayout(central);
    column->setContentsMargins(6, 4, 6, 0);

    auto *tools = new QHBoxLayout;
    tools->setSpacing(2);
    BitBtn5 = toolButton(central, "BitBtn5", QStyle::SP_FileIcon, QStringLiteral("Nový slovník"));
    BitBtn2 = toolButton(central, "BitBtn2", QStyle::SP_DialogOpenButton,
                         QStringLiteral("Otevřít slovníky"));
    BitBtn3 = toolButton(central, "BitBtn3", QStyle::SP_DialogSaveButton,
                         QStringLiteral("Uložit slovníky"));
    BitBtn1 = named<QPushButton>(central, "BitBtn1");
    BitBtn1->setEnabled(false);
    BitBtn1->setFocusPolicy(Qt::NoFocus);
    BitBtn1->setFixedSize(4, 28);
    btpridej = toolButton(central, "btpridej", QStyle::SP_FileDialogNewFolder,
                          QStringLiteral("Přidat záznam do slovníku"));
    btpridej->setFocusPolicy(Qt::TabFocus);
    btodeber = toolButton(central, "btodeber", QStyle::SP_TrashIcon,
                          QStringLiteral("Ubrat záznam ze slovníku"));
    btuprav = toolButton(central, "btuprav", QStyle::SP_FileDialogDetailedView,
                         QStringLiteral("Upravit vybraný záznam"));
    btnapoveda = toolButton(central, "btnapoveda", QStyle::SP_MessageBoxQuestion,
                            QStringLiteral("Informace o Anglické výslovnosti"));
    BitBtn4 = toolButton(central, "BitBtn4", QStyle::SP_ArrowBack,
                         QStringLiteral("Návrat do Hlavní nabídky"));
    for (QPushButton *b :
         {BitBtn5, BitBtn2, BitBtn3, BitBtn1, btpridej, btodeber, btuprav, btnapoveda})
        tools->addWidget(b);
    tools->addStretch();
    tools->addWidget(BitBtn4);
    column->addLayout(tools);

    auto *fields = new QGridLayout;
    m_fields = fields;
    fields->setVerticalSpacing(3);
    const auto label = [&](const QString &text, int row, const char *name) {
        auto *l = named<QLabel>(central, name);
        l->setText(text);
        fields->addWidget(l, row, 0);
    };
    label(QStringLiteral("Cizí výraz:"), 0, "Label1");
    label(QStringLiteral("Český výraz:"), 1, "Label2");
    edtang = named<QLineEdit>(central, "edtang");
    edtang->setToolTip(QStringLiteral(
        "Zde vkládejte anglický výraz  - Má-li výraz více významů oddělujte je známenkem + "
        "(mezi výrazy nedělejte mezeru)"));
    edtcz = named<QLineEdit>(central, "edtcz");
    edtcz->setToolTip(QStringLiteral("Zde vkládejte český překlad anglického výrazu oddělujte je "
                                     "známenkem + (mezi výrazy nedělejte mezeru)"));
    CheckBox1 = named<QCheckBox>(central, "CheckBox1");
    CheckBox1->setText(QStringLiteral("Cizojazyčná výslovnost:"));
    CheckBox1->setChecked(true);
    CheckBox1->setFocusPolicy(Qt::NoFocus);
    edtvyslovnost = named<QLineEdit>(central, "edtvyslovnost");
    edtvyslovnost->setToolTip(QStringLiteral("Zde vkládejte anglickou výslovnost "));
    QFont phonetic(QStringLiteral("VokabFont"));
    edtvyslovnost->setFont(phonetic);
    edtvyslovnost->setText(dictionaryfile::kNoPronunciation);
    CheckBox2 = named<QCheckBox>(central, "CheckBox2");
    CheckBox2->setText(QStringLiteral("Mluvená výslovnost:"));
    CheckBox2->setChecked(true);
    CheckBox2->setFocusPolicy(Qt::NoFocus);
    edtzvuk = named<QLineEdit>(central, "edtzvuk");
    edtzvuk->setToolTip(QStringLiteral("Adresa k souboru, kde je uložena mluvená výslovnost"));
    edtzvuk->setReadOnly(true);
    edtzvuk->setFocusPolicy(Qt::ClickFocus);
    edtzvuk->setText(dictionaryfile::kNoSound);
    btpridejzvuk = named<QToolButton>(central, "btpridejzvuk");
    btpridejzvuk->setText(QStringLiteral("..."));
    btpridejzvuk->setToolTip(QStringLiteral("Načíst zvuk ze souboru, nebo nahrát přes mikrofon"));
    btpridejzvuk->setFocusPolicy(Qt::TabFocus);

    edtang->setValidator(new FieldValidator({false, true}, edtang));
    edtcz->setValidator(new FieldValidator({false, true}, edtcz));
    edtvyslovnost->setValidator(new FieldValidator({false, false}, edtvyslovnost));

    fields->addWidget(edtang, 0, 1, 1, 2);
    fields->addWidget(edtcz, 1, 1, 1, 2);
    fields->addWidget(CheckBox1, 2, 0);
    fields->addWidget(edtvyslovnost, 2, 1, 1, 2);
    fields->addWidget(CheckBox2, 3, 0);
    fields->addWidget(edtzvuk, 3, 1);
    fields->addWidget(btpridejzvuk, 3, 2);
    column->addLayout(fields);

    auto *listLabel = named<QLabel>(central, "Label5");
    listLabel->setText(QStringLiteral("Seznam výrazů vložených ve slovníku:"));
    column->addWidget(listLabel);

    buildSearch(central, column);

    stg = named<QTableView>(central, "stg");
    m_document.model()->setPronunciationFont(phonetic);
    // A recording in the sound field is not yet in an expression, and is kept all the same.
    m_document.addSoundHolder([this] { return QStringList{edtzvuk->text()}; });
    stg->setVerticalHeader(new UniformRowsHeader(stg));
    m_shown = new ExpressionFilter(*m_document.model(), m_document.records(), this);
    stg->setModel(m_shown);
    // A click on a column's header sorts the list (not the dictionary) by it; the third
    // click gives the dictionary's own order back.
    stg->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    stg->horizontalHeader()->setSortIndicatorClearable(true);
    stg->setSortingEnabled(true);
    // A new search or order keeps the selected expression selected when it is shown.
    connect(m_shown, &QAbstractItemModel::modelAboutToBeReset, this,
            [this] { m_selectedBeforeReset = selectedRow(); });
    connect(m_shown, &QAbstractItemModel::modelReset, this, [this] {
        const int shown = m_shown->rowOf(m_selectedBeforeReset);
        if (shown >= 0)
            stg->setCurrentIndex(m_shown->index(shown, 0));
        else if (m_shown->isFiltering() && m_shown->rowCount() > 0)
            stg->setCurrentIndex(m_shown->index(0, 0));
        showFound();
    });
    connect(m_shown, &QAbstractItemModel::rowsInserted, this, &TForm2::showFound);
    connect(m_shown, &QAbstractItemModel::rowsRemoved, this, &TForm2::showFound);
    stg->setItemDelegate(new PlainCellDelegate(stg));
    stg->setSelectionBehavior(QAbstractItemView::SelectRows);
    stg->setSelectionMode(QAbstractItemView::SingleSelection);
    stg->setEditTriggers(QAbstractItemView::NoEditTriggers);
    stg->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    stg->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    stg->setWordWrap(false);
    stg->setMouseTracking(true);
    stg->verticalHeader()->hide();
    stg->horizontalHeader()->setHighlightSections(false);
    stg->horizontalHeader()->setStyleSheet(
        QStringLiteral("QHeaderView::section { background-color: #A6CAF0; }"));
    setColumnWidthsFittingHeaders(stg, {111, 127, 114, 100});
    letUserSizeColumns(stg);
    // Rows of 16 pixels, or as high as the system's font and the phonetic font need; the
    // list shows at least the newest rows that an addition keeps in view, and grows with
    // the window.
    const int rowHeight = setRowHeightFittingText(stg, kRowHeight, {phonetic});
    stg->setMinimumHeight(stg->horizontalHeader()->sizeHint().height() + kRowsInView * rowHeight +
                          2 * stg->frameWidth());
    column->addWidget(stg, 1);
    connect(stg, &QTableView::doubleClicked, this, &TForm2::btupravClick);

    auto *bar = new QStatusBar(this);
    bar->setObjectName(QStringLiteral("StatusBar"));
    bar->setSizeGripEnabled(false);
    StatusBar1 = named<QLabel>(bar, "StatusBar1");
    // 180 pixels, or what the count of a large dictionary needs at the system's font.
    StatusBar1->setFixedWidth(std::max(
        180, StatusBar1->fontMetrics().horizontalAdvance(kCount + QStringLiteral(" 1000000")) +
                 2 * StatusBar1->margin() + 8));
    bar->addWidget(StatusBar1);
    foundLabel = named<QLabel>(bar, "foundLabel");
    foundLabel->setAccessibleName(QStringLiteral("Nalezené výrazy"));
    foundLabel->setMinimumWidth(
        foundLabel->fontMetrics().horizontalAdvance(kFound.arg(1000000).arg(1000000)) + 8);
    foundLabel->hide();
    bar->addWidget(foundLabel);
    connect(&m_document, &DictionaryDocument::changed, this, &TForm2::showFound);
    setStatusBar(bar);

    setTabOrder(edtang, edtcz);
    setTabOrder(edtcz, edtvyslovnost);
    setTabOrder(edtvyslovnost, btpridejzvuk);
    setTabOrder(btpridejzvuk, btpridej);

    for (QLineEdit *edit : {edtang, edtcz, edtvyslovnost, edtzvuk})
        edit->installEventFilter(this);

    connect(btpridej, &QPushButton::clicked, this, &TForm2::btpridejClick);
    connect(btodeber, &QPushButton::clicked, this, &TForm2::btodeberClick);
    connect(btuprav, &QPushButton::clicked, this, &TForm2::btupravClick);
    connect(BitBtn5, &QPushButton::clicked, this, &TForm2::BitBtn5Click);
    connect(BitBtn2, &QPushButton::clicked, this, &TForm2::BitBtn2Click);
    connect(BitBtn3, &QPushButton::clicked, this, &TForm2::BitBtn3Click);
    connect(BitBtn4, &QPushButton::clicked, this, &TForm2::BitBtn4Click);
    connect(btnapoveda, &QPushButton::clicked, this, &TForm2::btnapovedaClick);
    connect(btpridejzvuk, &QToolButton::clicked, this, &TForm2::btpridejzvukClick);
    connect(CheckBox1, &QCheckBox::clicked, this, &TForm2::CheckBox1Click);
    connect(CheckBox2, &QCheckBox::clicked, this, &TForm2::CheckBox2Click);
}

void TForm2::buildMenu() {
    QMenu *dictionary = menuBar()->addMenu(QStringLiteral("Slovník"));
    dictionary->setObjectName(QStringLiteral("Slovnik"));
    newAction =
        menuItem(dictionary, "newAction", QStringLiteral("Nový"), this, &TForm2::BitBtn5Click);
    openAction =
        menuItem(dictionary, "openAction", QStringLiteral("Otevřít"), this, &TForm2::BitBtn2Click);
    saveAction =
        menuItem(dictionary, "saveAction", QStringLiteral("Uložit"), this, &TForm2::BitBtn3Click);
    saveAsAction = menuItem(dictionary, "saveAsAction", QStringLiteral("Uložit jako"), this,
                            &TForm2::saveAsClick);
    dictionary->addSeparator();
    convertAction = menuItem(dictionary, "convertAction", QStringLiteral("Převést"), this,
                             &TForm2::convertClick, QKeySequence(Qt::Key_F9));
    mergeAction = menuItem(dictionary, "mergeAction", QStringLiteral("Sloučit"), this,
                           &TForm2::mergeClick, QKeySequence(Qt::Key_F8));
    dictionary->addSeparator();
    importAction = menuItem(dictionary, "importAction", QStringLiteral("Importovat…"), this,
                            &TForm2::importClick);
    exportAction = menuItem(dictionary, "exportAction", QStringLiteral("Exportovat…"), this,
                            &TForm2::exportClick);
    restoreAction = menuItem(dictionary, "restoreAction", QStringLiteral("Obnovit ze zálohy…"),
                             this, &TForm2::restoreClick);
    sortAction = menuItem(dictionary, "sortAction", QStringLiteral("Seřadit slovník podle…"), this,
                          &TForm2::sortClick);
    dictionary->addSeparator();
    closeAction = dictionary->addAction(QStringLiteral("Zavřít"));
    closeAction->setObjectName(QStringLiteral("closeAction"));
    connect(closeAction, &QAction::triggered, this, &QWidget::close);

    QMenu *expression = menuBar()->addMenu(QStringLiteral("Výraz"));
    expression->setObjectName(QStringLiteral("Vyraz"));
    addAction =
        menuItem(expression, "addAction", QStringLiteral("Přidej"), this, &TForm2::btpridejClick);
    removeAction =
        menuItem(expression, "removeAction", QStringLiteral("Uber"), this, &TForm2::btodeberClick);
    editAction =
        menuItem(expression, "editAction", QStringLiteral("Uprav"), this, &TForm2::btupravClick);
    expression->addSeparator();
    undoAction = menuItem(expression, "undoAction", QStringLiteral("&Zpět"), this,
                          &TForm2::undoClick, QKeySequence(Qt::CTRL | Qt::Key_Z));
    redoAction =
        menuItem(expression, "redoAction", QStringLiteral("&Znovu"), this, &TForm2::redoClick);
    redoAction->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    const QUndoStack *history = &m_document.history();
    connect(history, &QUndoStack::indexChanged, this, &TForm2::showHistory);
    connect(history, &QUndoStack::cleanChanged, this, &TForm2::showHistory);
    connect(&m_document, &DictionaryDocument::stepped, this, &TForm2::showStep);
    showHistory();
}

void TForm2::buildSearch(QWidget *parent, QBoxLayout *column) {
    auto *row = new QHBoxLayout;
    searchLabel = named<QLabel>(parent, "searchLabel");
    searchLabel->setText(QStringLiteral("Hledat:"));
    searchField = named<QLineEdit>(parent, "searchField");
    searchField->setAccessibleName(QStringLiteral("Hledat"));
    searchField->setToolTip(
        QStringLiteral("Seznam ukáže výrazy, jejichž cizí či český výraz nebo výslovnost "
                       "obsahuje hledaný text (Ctrl+F, Esc hledání zruší)"));
    searchField->setClearButtonEnabled(true);
    searchLabel->setBuddy(searchField);
    plainSearch = named<QCheckBox>(parent, "plainSearch");
    plainSearch->setText(QStringLiteral("bez diakritiky"));
    plainSearch->setAccessibleName(QStringLiteral("Hledat bez diakritiky"));
    wholeWordSearch = named<QCheckBox>(parent, "wholeWordSearch");
    wholeWordSearch->setText(QStringLiteral("celá slova"));
    wholeWordSearch->setAccessibleName(QStringLiteral("Hledat celá slova"));
    row->addWidget(searchLabel);
    row->addWidget(searchField, 1);
    row->addWidget(plainSearch);
    row->addWidget(wholeWordSearch);
    column->addLayout(row);
    searchField->installEventFilter(this);
    connect(searchField, &QLineEdit::textChanged, this, &TForm2::search);
    connect(plainSearch, &QCheckBox::toggled, this, &TForm2::search);
    connect(wholeWordSearch, &QCheckBox::toggled, this, &TForm2::search);
    findAction =
        menuItem(this, "findAction", QStringLiteral("Hledat"), QKeySequence(Qt::CTRL | Qt::Key_F));
    connect(findAction, &QAction::triggered, this, [this] {
        searchField->setFocus(Qt::ShortcutFocusReason);
        searchField->selectAll();
    });
}

void TForm2::search() {
    m_shown->setFilter(searchField->text(), plainSearch->isChecked(), wholeWordSearch->isChecked());
    showFound();
}

void TForm2::showFound() {
    if (!foundLabel)
        return;
    foundLabel->setVisible(m_shown->isFiltering());
    if (m_shown->isFiltering())
        foundLabel->setText(kFound.arg(m_shown->foundCount()).arg(recordCount()));
}

bool TForm2::searchKey(QEvent *event) {
    const auto *key = static_cast<QKeyEvent *>(event);
    if (key->key() != Qt::Key_Escape || key->modifiers() != Qt::NoModifier)
        return false;
    if (event->type() == QEvent::ShortcutOverride) {
        // Escape belongs to the field while it holds a search.
        if (!searchField->text().isEmpty())
            event->accept();
        return false;
    }
    if (searchField->text().isEmpty())
        return false;
    searchField->clear();
    return true;
}

void TForm2::sortClick() {
    QStringList columns;
    for (int column = 0; column < 4; ++column)
        columns.append(
            m_document.model()->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString());
    columns.append(QStringLiteral("Zrušit"));
    const int chosen = platform.dialogs->choose(
        MessageKind::Confirmation,
        QStringLiteral("Podle kterého sloupce seřadit výrazy ve slovníku? Uložený slovník pak "
                       "bude v tomto pořadí."),
        columns, 4);
    if (chosen < 0 || chosen >= 4 || m_document.isEmpty())
        return;
    m_document.sortBy(chosen);
    if (const int row = selectedRow(); row >= 0)
        stg->scrollTo(m_shown->index(m_shown->rowOf(row), 0));
}

void TForm2::showHistory() {
    const QUndoStack &history = m_document.history();
    const auto show = [](QAction *action, const QString &caption, bool can, const QString &step) {
        action->setEnabled(can);
        action->setText(can ? caption + QStringLiteral(": ") + step : caption);
    };
    show(undoAction, QStringLiteral("&Zpět"), history.canUndo(), history.undoText());
    show(redoAction, QStringLiteral("&Znovu"), history.canRedo(), history.redoText());
}

void TForm2::undoClick() {
    m_document.undo();
}

void TForm2::redoClick() {
    m_document.redo();
}

void TForm2::showStep(int row) {
    setStatus(kCount + u' ' + QString::number(recordCount()));
    if (row == DictionaryDocument::kReordered)
        return; // the selected expression stays selected
    if (row < 0) {
        // An import undone or redone: the other dictionary with its caption.
        std::swap(m_shownName, m_shownNameBeforeImport);
        setCaption(m_shownName);
        selectRow(0);
        stg->scrollToTop();
        return;
    }
    // The changed expression, or the one that took the place of a removed one, alone
    // selected (nothing when none is left).
    const int shown = std::min(row, recordCount() - 1);
    if (shown < 0) {
        stg->clearSelection();
        return;
    }
    selectRow(shown);
    if (const int at = m_shown->rowOf(shown); at >= 0)
        stg->scrollTo(m_shown->index(at, 0));
}

void TForm2::setStatus(const QString &text) {
    StatusBar1->setText(text);
}

void TForm2::setCaption(const QString &shownName) {
    m_shownName = shownName;
    setWindowTitle(kCaption + shownName);
}

int TForm2::selectedRow() const {
    const QModelIndex current = stg->currentIndex();
    if (!current.isValid())
        return -1;
    return m_shown->record(current.row());
}

void TForm2::selectRow(int row) {
    if (const int shown = m_shown->rowOf(row); shown >= 0)
        stg->setCurrentIndex(m_shown->index(shown, 0));
}

void TForm2::scrollToNewest() {
    // Grid rows count the header row; the newest twelve stay in view (all the newest
    // that fit, in an enlarged window, above a scroll bar of widened columns). The list
    // first learns of the rows just added (it would otherwise do so later, and scroll no
    // further than the rows it knew of).
    const int newest = m_shown->rowOf(recordCount() - 1);
    if (newest >= 0 && m_shown->rowCount() + 1 > kRowsInView) {
        stg->doItemsLayout();
        stg->scrollTo(m_shown->index(newest, 0), QAbstractItemView::PositionAtBottom);
    }
}

void TForm2::btpridejClick() {
    if (edtcz->text().isEmpty() || edtang->text().isEmpty() || edtzvuk->text().isEmpty()) {
        platform.dialogs->warning(
            QStringLiteral("Nejsou vyplněny všechny údaje, záznam nemůže být přidán!!"));
        edtang->setFocus();
        return;
    }
    m_document.append({edtang->text(), edtcz->text(), edtvyslovnost->text(), edtzvuk->text()});
    if (selectedRow() < 0)
        selectRow(0);
    // The typing is in the dictionary now: "Zpět" in an empty field undoes the addition.
    clearFields();
    setStatus(kCount + u' ' + QString::number(recordCount()));
    edtang->setFocus();
    scrollToNewest();
}

void TForm2::btodeberClick() {
    const int row = selectedRow();
    if (row < 0 || m_document.isEmpty())
        return;
    // The row of the list below takes the place of the deleted one.
    const int shownRow = stg->currentIndex().row();
    m_document.remove(row);
    if (const int rows = m_shown->rowCount(); rows > 0 && recordCount() > 0)
        stg->setCurrentIndex(m_shown->index(std::min(shownRow, rows - 1), 0));
    setStatus(kCount + QString::number(recordCount()));
}

void TForm2::btupravClick() {
    const int row = selectedRow();
    if (m_document.isEmpty() || row < 0)
        return;
    forms.Form3->openAt(row, edtang);
}

void TForm2::clearFields() {
    // setText, unlike clear, leaves nothing for the field's own undo.
    edtang->setText(QString());
    edtcz->setText(QString());
    edtvyslovnost->setText(dictionaryfile::kNoPronunciation);
    edtzvuk->setText(dictionaryfile::kNoSound);
}

void TForm2::newDictionary() {
    m_document.startNew();
    clearFields();
    setStatus(kCount + QStringLiteral(" - "));
    setCaption(m_document.fileName());
}

void TForm2::BitBtn5Click() {
    if (!platform.dialogs->question(MessageKind::Confirmation,
                                    QStringLiteral("Chcete vytvořit nový slovník?")))
        return;
    if (!offerToSave())
        return;
    newDictionary();
    edtang->setFocus();
}

void TForm2::BitBtn2Click() {
    if (!offerToSave())
        return;
    const std::optional<QString> chosen = platform.dialogs->openFile(m_openDialog);
    if (chosen)
        openDictionary(*chosen);
}

void TForm2::openDictionary(const QString &path) {
    std::optional<dictionaryfile::Loaded> read = dictionaryfile::openChosenDictionary(
        path, dictionaryfile::Contents::Records, dictionaryfile::EmptyFile::Refused,
        *platform.dialogs, m_openDialog);
    if (!read)
        return;
    // The caption shows the name as the dialog remembers it, in lower case; the file
    // keeps its own spelling for saving, since the file system may tell letter case apart.
    const QString pictureProblem = m_document.takeOpened(std::move(read->dictionary), path);
    setCaption(paths::asciiLower(m_document.fileName()));
    selectRow(0);
    setStatus(kCount + u' ' + QString::number(recordCount()));
    edtang->setFocus();
    scrollToNewest();
    if (!pictureProblem.isEmpty())
        platform.dialogs->warning(pictureProblem);
}

bool TForm2::saveTo(const QString &path) {
    DictionaryDocument::SoundReport sounds;
    const Result<void> saved = m_document.saveTo(path, platform.folder.temp(), sounds);
    if (!sounds.notMoved.isEmpty())
        platform.dialogs->warning(
            QStringLiteral("Tyto zvuky se nepodařilo přesunout do složky slovníku, "
                           "výrazy je dál najdou na jejich původním místě:\n") +
            sounds.notMoved.join(u'\n'));
    if (!sounds.pictures.isEmpty())
        platform.dialogs->warning(sounds.pictures);
    if (!saved) {
        platform.dialogs->error(saved.error());
        if (!sounds.notMovedBack.isEmpty())
            platform.dialogs->warning(
                QStringLiteral("Tyto zvuky se nepodařilo vrátit na jejich původní místo, "
                               "výrazy je najdou ve složce slovníku:\n") +
                QDir::toNativeSeparators(sounds.notMovedBack.join(u'\n')));
        return false;
    }
    // A field that shows a moved recording shows it in its new place.
    for (const editor::SoundMoveResult::RecordChange &change : sounds.moved) {
        const QString &now = m_document.records()[change.record].zvuk;
        if (edtzvuk->text() == change.zvuk)
            edtzvuk->setText(now);
        forms.Form3->soundMoved(change.zvuk, now);
    }
    return true;
}

bool TForm2::saveDictionary() {
    if (m_document.isEmpty()) {
        platform.dialogs->info(QStringLiteral("Nelze uložit prázdný slovník."));
        return false;
    }
    m_saveDialog.fileName = m_document.fileName();
    if (!m_document.isNew()) {
        setCaption(m_shownName);
        return saveTo(m_document.path());
    }
    const std::optional<QString> chosen = chooseSaveName();
    if (!chosen || !saveTo(*chosen))
        return false;
    setCaption(m_document.fileName());
    m_saveDialog.remember(*chosen);
    return true;
}

void TForm2::BitBtn3Click() {
    saveDictionary();
}

void TForm2::saveAsClick() {
    m_saveDialog.fileName = m_document.fileName();
    if (const std::optional<QString> chosen = chooseSaveName(); chosen && saveTo(*chosen))
        setCaption(m_document.fileName());
}

bool TForm2::offerToSave() {
    if (!m_document.isModified())
        return true;
    const int answer = platform.dialogs->choose(
        MessageKind::Confirmation, QStringLiteral("Slovník byl změněn. Uložit změny?"),
        {QStringLiteral("Ano"), QStringLiteral("Ne"), QStringLiteral("Zrušit")}, 2);
    if (answer == 0)
        return saveDictionary();
    return answer == 1;
}

std::optional<QString> TForm2::chooseSaveName() {
    const std::optional<QString> chosen = platform.dialogs->saveFile(m_saveDialog);
    if (!chosen) {
        platform.dialogs->info(QStringLiteral("Slovník se nepodařilo uložit."));
        return std::nullopt;
    }
    return chosen;
}

void TForm2::convertClick() {
    forms.Form15->show();
    hide();
}

void TForm2::mergeClick() {
    forms.Form14->show();
    hide();
}

void TForm2::importClick() {
    if (!offerToSave())
        return;
    const std::optional<QString> chosen = platform.dialogs->openFile(m_importDialog);
    if (!chosen)
        return;
    m_importDialog.remember(*chosen);
    if (exchange::importFormatOf(*chosen) != exchange::FileFormat::Kvtml) {
        forms.importWindow->showFile(*chosen);
        return;
    }
    if (const std::optional<exchange::KvtmlRead> read =
            exchange::readKvtmlImport(*chosen, *platform.dialogs))
        takeImported(read->dictionary, read->skippedEntries, read->droppedSounds, read->pictures);
}

bool TForm2::takeImported(const Tpole &dictionary, qsizetype skippedRows,
                          const QStringList &droppedSounds, const QStringList &pictures) {
    std::optional<Tpole> records = exchange::encodableRecords(dictionary, *platform.dialogs);
    if (!records)
        return false;
    const QHash<picturefile::Key, DictionaryDocument::Picture> taken =
        EditorPictures::takeImported(*records, pictures, *platform.dialogs);
    // One step of the history: its undo gives back the dictionary that was open.
    clearFields();
    m_shownNameBeforeImport = m_shownName;
    m_document.takeImported(std::move(*records), taken);
    setCaption(m_document.fileName());
    selectRow(0);
    setStatus(kCount + u' ' + QString::number(recordCount()));
    exchange::tellLeftOut(skippedRows, droppedSounds, *platform.dialogs);
    edtang->setFocus();
    scrollToNewest();
    return true;
}

void TForm2::exportClick() {
    exchange::exportDocument(m_document, *platform.dialogs, m_exportDialog);
}

void TForm2::restoreClick() {
    forms.backupWindow->showFor(m_document.isNew() ? QString() : m_document.path());
}

void TForm2::FormClose() {
    forms.main->showMainWindow();
    setApplicationTitle(QStringLiteral("Vokab"));
}

void TForm2::BitBtn4Click() {
    if (!offerToSave())
        return;
    close();
    newDictionary();
}

void TForm2::btnapovedaClick() {
    TForm17 *explanations = forms.Form17;
    if (explanations->isVisible()) {
        explanations->hide();
        return;
    }
    // Beside the editor, where it covers none of the fields the user types into.
    QRect fields;
    for (const QWidget *field : std::initializer_list<const QWidget *>{edtang, edtcz, edtvyslovnost,
                                                                       edtzvuk, btpridejzvuk})
        fields |= QRect(field->mapToGlobal(QPoint(0, 0)), field->size());
    explanations->placeBeside(this, fields);
    explanations->show();
}

void TForm2::btpridejzvukClick() {
    if (edtzvuk->text() != dictionaryfile::kNoSound || edtang->text().isEmpty() ||
        edtcz->text().isEmpty())
        return;
    forms.Form5->showReady();
}

void TForm2::CheckBox1Click() {
    const bool on = CheckBox1->isChecked();
    edtvyslovnost->setEnabled(on);
    edtvyslovnost->setFocusPolicy(on ? Qt::StrongFocus : Qt::NoFocus);
    edtang->setFocus();
}

void TForm2::CheckBox2Click() {
    const bool on = CheckBox2->isChecked();
    btpridejzvuk->setEnabled(on);
    btpridejzvuk->setFocusPolicy(on ? Qt::TabFocus : Qt::NoFocus);
    edtzvuk->setEnabled(on);
    edtang->setFocus();
}

void TForm2::caretAfterBracket() {
    edtvyslovnost->deselect();
    edtvyslovnost->setCursorPosition(edtvyslovnost->text().startsWith(u'[') ? 1 : 0);
}

void TForm2::updateCaseMode(bool withPronunciation) {
    const bool upper = forms.settings->upperCase();
    setUpperCaseInput({edtang, edtcz}, upper);
    if (withPronunciation)
        setUpperCaseInput({edtvyslovnost}, upper);
}

void TForm2::focusAfter(QWidget *widget) {
    const QWidget *order[] = {edtang, edtcz, edtvyslovnost, btpridejzvuk, btpridej};
    // The sound field has no tab stop: its place is that of the pronunciation, so the
    // sound button comes next.
    const QWidget *from = widget == edtzvuk ? edtvyslovnost : widget;
    bool passed = false;
    for (const QWidget *w : order) {
        if (passed && w->isEnabled() && w->focusPolicy() != Qt::NoFocus) {
            const_cast<QWidget *>(w)->setFocus(Qt::TabFocusReason);
            return;
        }
        if (w == from)
            passed = true;
    }
}

bool TForm2::keyPressed(QLineEdit *edit, QKeyEvent *event) {
    const bool typed = !event->text().isEmpty();
    if (edit == edtang)
        caretAfterBracket();
    if (edit == edtvyslovnost) {
        if (isEnter(event)) {
            if (edtzvuk->isEnabled())
                focusAfter(edtvyslovnost);
            else
                btpridejClick();
            updateCaseMode(true);
            return true;
        }
        if (typed)
            updateCaseMode(true);
        return false;
    }
    if (typed)
        updateCaseMode(false);
    if (isEnter(event)) {
        if (edit == edtcz && !edtvyslovnost->isEnabled() && !edtzvuk->isEnabled())
            btpridejClick();
        else
            focusAfter(edit);
        return true;
    }
    return false;
}

bool TForm2::fieldTakesHistoryKey(QLineEdit *edit, QKeyEvent *event) {
    const QKeyCombination key = event->keyCombination();
    const bool undo = key == (Qt::CTRL | Qt::Key_Z);
    const bool redo = key == (Qt::CTRL | Qt::SHIFT | Qt::Key_Z) || key == (Qt::CTRL | Qt::Key_Y);
    if (!undo && !redo)
        return true;
    if (edit->isReadOnly())
        return false;
    return undo ? edit->isUndoAvailable() : edit->isRedoAvailable();
}

bool TForm2::eventFilter(QObject *watched, QEvent *event) {
    if (watched == searchField) {
        if (event->type() == QEvent::FocusIn)
            m_shown->prepare(plainSearch->isChecked());
        if ((event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress) &&
            searchKey(event))
            return true;
        return VokabForm::eventFilter(watched, event);
    }
    auto *edit = qobject_cast<QLineEdit *>(watched);
    if (!edit)
        return VokabForm::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::ShortcutOverride:
        // Left unaccepted, the key goes on to "Zpět" or "Znovu" of the menu.
        if (!fieldTakesHistoryKey(edit, static_cast<QKeyEvent *>(event)))
            return true;
        break;
    case QEvent::KeyPress:
        return keyPressed(edit, static_cast<QKeyEvent *>(event));
    case QEvent::FocusIn:
        if (edit == edtvyslovnost) {
            // Let the edit take the focus (which may select its text), then place the caret.
            static_cast<QObject *>(edit)->event(event);
            caretAfterBracket();
            return true;
        }
        break;
    case QEvent::FocusOut:
        if (edit == edtvyslovnost && edit->text().isEmpty())
            edit->setText(dictionaryfile::kNoPronunciation);
        break;
    default:
        break;
    }
    return VokabForm::eventFilter(watched, event);
}

void TForm2::changeEvent(QEvent *event) {
    VokabForm::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && isMinimized()) {
        // Minimising the editor minimises the whole program.
        for (QWidget *window : QApplication::topLevelWidgets()) {
            if (window != this && window->isVisible() && !window->isMinimized() &&
                qobject_cast<VokabForm *>(window))
                window->showMinimized();
        }
    }
}
