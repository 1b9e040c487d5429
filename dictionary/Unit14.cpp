#include "dictionary/Unit14.h"

#include "core/textfile.h"
#include "dictionary/Unit2.h"
#include "dictionary/dictionarymodel.h"
#include "dictionary/opendictionary.h"
#include "platform/platform.h"
#include "ui/controls.h"
#include "ui/forms.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTableView>
#include <QVBoxLayout>

namespace {
constexpr int kRowHeight = 16;
const QString kEmptyDictionary = QStringLiteral("Nelze uložit prázdný slovník.");

} // namespace

TForm14::TForm14(Forms &forms, Platform &platform)
    : VokabForm(forms, platform, QStringLiteral("Form14")) {
    setWindowTitle(QStringLiteral("Slučovač slovníků"));
    OpenDialog1 = dictionaryFileDialog({});
    SaveDialog1 = dictionaryFileDialog({});
    buildControls();
    setFrame(Frame::Sizeable);
    setMinimumClientSize(569, 529);
    centreOnDesktop();
    FormCreate();
}

QTableView *TForm14::makeGrid(QWidget *parent, const char *name, DictionaryModel *model) {
    auto *grid = named<QTableView>(parent, name);
    grid->setModel(model);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setTabKeyNavigation(false);
    grid->setFocusPolicy(Qt::ClickFocus);
    grid->verticalHeader()->hide();
    // The pronunciations in the phonetic font, as the editor shows them.
    const QFont phonetic(QStringLiteral("VokabFont"));
    model->setPronunciationFont(phonetic);
    setRowHeightFittingText(grid, kRowHeight, {phonetic});
    grid->horizontalHeader()->setHighlightSections(false);
    setColumnWidthsFittingHeaders(grid, {99, 119, 119, 123});
    letUserSizeColumns(grid);
    return grid;
}

void TForm14::buildControls() {
    auto *central = new QWidget(this);
    setCentralWidget(central);
    auto *column = new QVBoxLayout(central);

    const auto button = [&](const char *name, const QString &text, const QString &hint) {
        auto *b = named<QPushButton>(central, name);
        b->setText(text);
        b->setToolTip(hint);
        return b;
    };
    const auto countRow = [&](QLabel *title, const char *countName, const char *valueName,
                              QLabel **countLabel, QLabel **valueLabel) {
        auto *row = new QHBoxLayout;
        row->addWidget(title);
        row->addStretch();
        *countLabel = named<QLabel>(central, countName);
        (*countLabel)->setText(QStringLiteral("Počet výrazů:"));
        *valueLabel = boldLabel(central, valueName, QString());
        (*valueLabel)->setMinimumWidth(40);
        row->addWidget(*countLabel);
        row->addWidget(*valueLabel);
        return row;
    };

    auto *top = new QHBoxLayout;
    Label1 = boldLabel(central, "Label1", QStringLiteral("Původní slovník:"));
    top->addLayout(countRow(Label1, "Label3", "Label5", &Label3, &Label5), 1);
    btkonec = named<QPushButton>(central, "btkonec");
    btkonec->setIcon(standardIcon(this, QStyle::SP_DialogCloseButton));
    btkonec->setToolTip(QStringLiteral("Zavíře Slučovač slovníku a vrátit se do Editoru výrazů"));
    top->addWidget(btkonec);
    column->addLayout(top);

    m_sourceModel = new DictionaryModel(m_source, DictionaryModel::Style::FileOrder, this);
    stg = makeGrid(central, "stg", m_sourceModel);
    column->addWidget(stg, 1);

    auto *middle = new QHBoxLayout;
    btnacti = button("btnacti", QStringLiteral("Načti"), QStringLiteral("Načíst slovník"));
    btuberstary =
        button("btuberstary", QStringLiteral("Uber"), QStringLiteral("Ubrat výrazy ze slovníku"));
    BitBtn1 = button("BitBtn1", QStringLiteral("Převeď vše"),
                     QStringLiteral("Převést všechny výrazy do nového slovníku"));
    btpreved = button("btpreved", QStringLiteral("Převeď"),
                      QStringLiteral("Převést vybraný výraz do nového slovníku"));
    for (QPushButton *b : {btnacti, btuberstary})
        middle->addWidget(b);
    middle->addStretch();
    for (QPushButton *b : {BitBtn1, btpreved})
        middle->addWidget(b);
    column->addLayout(middle);

    Label2 = boldLabel(central, "Label2", QStringLiteral("Nový slovník:"));
    column->addLayout(countRow(Label2, "Label4", "Label6", &Label4, &Label6));
    m_mergedModel = new DictionaryModel(m_merged, DictionaryModel::Style::FileOrder, this);
    stg1 = makeGrid(central, "stg1", m_mergedModel);
    column->addWidget(stg1, 1);

    auto *bottom = new QHBoxLayout;
    btuberznovy = button("btuberznovy", QStringLiteral("Uber"),
                         QStringLiteral("Ubrat jeden výraz ze slovníku"));
    BitBtn2 = button("BitBtn2", QStringLiteral("Uber vše"),
                     QStringLiteral("Ubrat všechny výrazy ze slovníku"));
    btuloz = button("btuloz", QStringLiteral("Ulož"), QStringLiteral("Uložit slovník do souboru"));
    bottom->addWidget(btuberznovy);
    bottom->addWidget(BitBtn2);
    bottom->addStretch();
    bottom->addWidget(btuloz);
    column->addLayout(bottom);

    connect(btnacti, &QPushButton::clicked, this, &TForm14::btnactiClick);
    connect(btuberstary, &QPushButton::clicked, this, &TForm14::btuberstaryClick);
    connect(BitBtn1, &QPushButton::clicked, this, &TForm14::BitBtn1Click);
    connect(btpreved, &QPushButton::clicked, this, &TForm14::btprevedClick);
    connect(btuberznovy, &QPushButton::clicked, this, &TForm14::btuberznovyClick);
    connect(BitBtn2, &QPushButton::clicked, this, &TForm14::BitBtn2Click);
    connect(btuloz, &QPushButton::clicked, this, &TForm14::btulozClick);
    connect(btkonec, &QPushButton::clicked, this, &TForm14::btkonecClick);
}

void TForm14::selectRow(QTableView *grid, int row) {
    const int rows = grid->model()->rowCount();
    if (rows == 0)
        return;
    grid->setCurrentIndex(grid->model()->index(qBound(0, row, rows - 1), 0));
}

void TForm14::FormCreate() {
    m_sourceModel->replace({}, true);
    m_mergedModel->replace({}, true);
    m_pictures.clear();
    Label5->clear();
    Label6->clear();
}

void TForm14::btnactiClick() {
    const std::optional<QString> chosen = platform.dialogs->openFile(OpenDialog1);
    if (!chosen)
        return;
    // An empty file gives an empty source list: the merger has nothing to refuse.
    std::optional<dictionaryfile::Loaded> read = dictionaryfile::openChosenDictionary(
        *chosen, dictionaryfile::Contents::Records, dictionaryfile::EmptyFile::Taken,
        *platform.dialogs, OpenDialog1);
    if (!read)
        return;
    // The first dictionary read keeps its picture of an expression both have.
    QString problem;
    const QHash<picturefile::Key, QString> pictures =
        picturefile::pictureFilesOf(*chosen, &problem);
    if (!problem.isEmpty())
        platform.dialogs->warning(problem + QStringLiteral(" Výrazy se převezmou bez obrázků."));
    for (auto picture = pictures.cbegin(); picture != pictures.cend(); ++picture)
        if (!m_pictures.contains(picture.key()))
            m_pictures.insert(picture.key(), picture.value());
    m_sourceModel->replace(std::move(read->dictionary), true);
    selectRow(stg, 0);
    Label5->setNum(int(m_source.size()));
}

void TForm14::btuberstaryClick() {
    const int row = stg->currentIndex().row();
    if (m_source.isEmpty() || row < 0)
        return;
    m_sourceModel->remove(row);
    selectRow(stg, row);
    Label5->setNum(int(m_source.size()));
}

void TForm14::btprevedClick() {
    const int row = stg->currentIndex().row();
    if (m_source.isEmpty() || row < 0 || row >= m_source.size())
        return;
    m_mergedModel->append(m_source[row]);
    selectRow(stg1, int(m_merged.size()) - 1);
    Label6->setNum(int(m_merged.size()));
}

void TForm14::BitBtn1Click() {
    m_mergedModel->appendAll(m_source);
    selectRow(stg1, int(m_merged.size()) - 1);
    Label6->setNum(int(m_merged.size()));
}

void TForm14::btuberznovyClick() {
    const int row = stg1->currentIndex().row();
    if (m_merged.isEmpty() || row < 0)
        return;
    m_mergedModel->remove(row);
    selectRow(stg1, row);
    Label6->setNum(int(m_merged.size()));
}

void TForm14::BitBtn2Click() {
    m_mergedModel->replace({}, true);
    Label6->setNum(0);
}

void TForm14::btulozClick() {
    if (m_merged.isEmpty()) {
        platform.dialogs->info(kEmptyDictionary);
        return;
    }
    const std::optional<QString> chosen = platform.dialogs->saveFile(SaveDialog1);
    if (!chosen)
        return;
    if (platform.backups)
        platform.backups->keep(*chosen);
    const Result<void> saved = dictionaryfile::writeDictionaryFile(*chosen, m_merged);
    if (!saved) {
        platform.dialogs->error(saved.error());
        return;
    }
    if (const QString problem = picturefile::copyPictures(*chosen, m_merged, m_pictures);
        !problem.isEmpty())
        platform.dialogs->warning(problem);
    SaveDialog1.remember(*chosen);
}

void TForm14::btkonecClick() {
    close();
}

void TForm14::FormClose() {
    forms.Form2->show();
    m_sourceModel->replace({}, true);
    m_mergedModel->replace({}, true);
    m_pictures.clear();
    Label5->clear();
    Label6->clear();
}
