#include "exchange/importwindow.h"

#include "core/textfile.h"
#include "dictionary/Unit2.h"
#include "platform/platform.h"
#include "ui/forms.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

using exchange::Encoding;

// The encodings offered; UTF-16 is read in the order its byte-order mark names.
const QList<std::pair<QString, Encoding>> kEncodings{
    {QStringLiteral("UTF-8"), Encoding::Utf8},
    {QStringLiteral("UTF-16"), Encoding::Utf16LittleEndian},
    {QStringLiteral("Windows-1250"), Encoding::Windows1250},
    {QStringLiteral("ISO 8859-2"), Encoding::Iso8859_2},
};

const QList<std::pair<QString, QChar>> kDelimiters{
    {QStringLiteral("tabulátor"), u'\t'},
    {QStringLiteral("středník (;)"), u';'},
    {QStringLiteral("čárka (,)"), u','},
};

QString columnName(int column) {
    return QStringLiteral("Sloupec %1").arg(column + 1);
}

} // namespace

ImportWindow::ImportWindow(Forms &forms, Platform &platform)
    : VokabForm(forms, platform, QStringLiteral("ImportWindow")) {
    setWindowTitle(QStringLiteral("Import slovníku"));

    auto *central = new QWidget(this);
    setCentralWidget(central);
    auto *layout = new QVBoxLayout(central);

    fileLabel = named<QLabel>(central, "fileLabel");
    fileLabel->setTextFormat(Qt::PlainText);
    layout->addWidget(fileLabel);

    auto *grid = new QGridLayout;
    const auto box = [&](const char *name, const QString &caption, int row, int column) {
        auto *label = new QLabel(caption, central);
        auto *combo = named<QComboBox>(central, name);
        label->setBuddy(combo);
        grid->addWidget(label, row, column);
        grid->addWidget(combo, row, column + 1);
        return combo;
    };
    encodingBox = box("encodingBox", QStringLiteral("&Kódování:"), 0, 0);
    for (const auto &[name, encoding] : kEncodings)
        encodingBox->addItem(name);
    delimiterBox = box("delimiterBox", QStringLiteral("&Oddělovač:"), 1, 0);
    for (const auto &[name, delimiter] : kDelimiters)
        delimiterBox->addItem(name, QVariant(delimiter));
    headerCheck = named<QCheckBox>(central, "headerCheck");
    headerCheck->setText(QStringLiteral("&První řádek je záhlaví"));
    grid->addWidget(headerCheck, 2, 0, 1, 2);
    foreignBox = box("foreignBox", QStringLiteral("&Cizí výraz:"), 0, 2);
    czechBox = box("czechBox", QStringLiteral("Če&ský výraz:"), 1, 2);
    pronunciationBox = box("pronunciationBox", QStringLiteral("&Výslovnost:"), 2, 2);
    soundBox = box("soundBox", QStringLiteral("&Zvuk:"), 3, 2);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    layout->addLayout(grid);

    auto *previewCaption = new QLabel(QStringLiteral("Začátek souboru:"), central);
    layout->addWidget(previewCaption);
    previewTable = named<QTableWidget>(central, "previewTable");
    previewTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    previewTable->setSelectionMode(QAbstractItemView::NoSelection);
    previewTable->setWordWrap(false);
    previewTable->horizontalHeader()->setStretchLastSection(true);
    previewTable->setMinimumSize(520, 220);
    layout->addWidget(previewTable, 1);
    rowsLabel = named<QLabel>(central, "rowsLabel");
    layout->addWidget(rowsLabel);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    importButton = named<QPushButton>(central, "importButton");
    importButton->setText(QStringLiteral("Importovat"));
    cancelButton = named<QPushButton>(central, "cancelButton");
    cancelButton->setText(QStringLiteral("Zrušit"));
    buttons->addWidget(importButton);
    buttons->addWidget(cancelButton);
    layout->addLayout(buttons);

    connect(encodingBox, &QComboBox::currentIndexChanged, this, &ImportWindow::readAgain);
    connect(delimiterBox, &QComboBox::currentIndexChanged, this, &ImportWindow::readAgain);
    connect(headerCheck, &QCheckBox::toggled, this, &ImportWindow::showTable);
    connect(importButton, &QPushButton::clicked, this, &ImportWindow::importClick);
    connect(cancelButton, &QPushButton::clicked, this, &QWidget::close);

    setFrame(Frame::CloseBoxOnly);
    closeOnEscape();
    setFixedClientSize(600, 430);
    centreOnDesktop();
    // Until a file is chosen: nothing to preview or import.
    fillColumnBoxes(m_file.columns);
}

bool ImportWindow::showFile(const QString &path) {
    const exchange::TableLimits limits;
    const Result<QByteArray> raw = textfile::readBytes(path, limits.fileBytes);
    if (!raw) {
        platform.dialogs->error(raw.error());
        return false;
    }
    Result<exchange::DelimitedFile> file = exchange::parseDelimitedFile(*raw, limits);
    if (!file) {
        platform.dialogs->error(QStringLiteral("Soubor „%1“ nelze načíst: %2.")
                                    .arg(QDir::toNativeSeparators(path), file.error()));
        return false;
    }
    m_path = path;
    m_bytes = *raw;
    m_file = std::move(file).value();
    m_filling = true;
    // A long path loses its middle rather than pushing the window wider.
    const QString shown = QStringLiteral("Soubor: ") + QDir::toNativeSeparators(path);
    fileLabel->setText(
        fileLabel->fontMetrics().elidedText(shown, Qt::ElideMiddle, centralWidget()->width() - 24));
    fileLabel->setToolTip(QDir::toNativeSeparators(path));
    const auto encoding = std::find_if(kEncodings.cbegin(), kEncodings.cend(), [&](const auto &e) {
        return e.second == m_file.encoding || (e.second == Encoding::Utf16LittleEndian &&
                                               m_file.encoding == Encoding::Utf16BigEndian);
    });
    encodingBox->setCurrentIndex(int(encoding - kEncodings.cbegin()));
    // A delimiter named by Anki's header that is none of the three joins them.
    while (delimiterBox->count() > kDelimiters.size())
        delimiterBox->removeItem(delimiterBox->count() - 1);
    int delimiter = delimiterBox->findData(QVariant(m_file.delimiter));
    if (delimiter < 0) {
        delimiterBox->addItem(QStringLiteral("„%1“").arg(m_file.delimiter),
                              QVariant(m_file.delimiter));
        delimiter = delimiterBox->count() - 1;
    }
    delimiterBox->setCurrentIndex(delimiter);
    m_filling = false;
    fillColumnBoxes(m_file.columns);
    // The editor waits: its dictionary must not change while this one is being chosen.
    forms.Form2->setEnabled(false);
    show();
    raise();
    activateWindow();
    return true;
}

void ImportWindow::readAgain() {
    if (m_filling)
        return;
    exchange::DelimitedChoice choice;
    choice.encoding = kEncodings.value(encodingBox->currentIndex()).second;
    if (choice.encoding == Encoding::Utf16LittleEndian && m_bytes.startsWith("\xFE\xFF"))
        choice.encoding = Encoding::Utf16BigEndian;
    choice.delimiter = delimiterBox->currentData().toChar();
    Result<exchange::DelimitedFile> file = exchange::parseDelimitedFile(m_bytes, {}, choice);
    if (file) {
        m_file = std::move(file).value();
    } else {
        platform.dialogs->warning(
            QStringLiteral("Soubor „%1“ takto nelze přečíst: %2. Zvolte jiné kódování nebo "
                           "oddělovač.")
                .arg(QDir::toNativeSeparators(m_path), file.error()));
        // Nothing to choose from until the file is read another way.
        m_file.table.clear();
        m_file.columns = {};
    }
    fillColumnBoxes(m_file.columns);
}

void ImportWindow::fillColumnBoxes(const exchange::Columns &columns) {
    const qsizetype count = exchange::columnCount(m_file.table);
    m_filling = true;
    for (QComboBox *box : {foreignBox, czechBox, pronunciationBox, soundBox}) {
        box->clear();
        if (box == pronunciationBox || box == soundBox)
            box->addItem(QStringLiteral("žádný"), -1);
        for (int column = 0; column < count; ++column)
            box->addItem(columnName(column), column);
    }
    const auto choose = [](QComboBox *box, int column) {
        box->setCurrentIndex(std::max(0, box->findData(column)));
    };
    choose(foreignBox, columns.foreign);
    choose(czechBox, columns.czech);
    choose(pronunciationBox, columns.pronunciation);
    choose(soundBox, columns.sound);
    headerCheck->setChecked(columns.headerRow);
    m_filling = false;
    showTable();
}

void ImportWindow::showTable() {
    const exchange::Table &table = m_file.table;
    const qsizetype columns = exchange::columnCount(table);
    const bool header = headerCheck->isChecked() && !table.isEmpty();
    const qsizetype first = header ? 1 : 0;
    const qsizetype shown = std::min<qsizetype>(kPreviewRows, table.size() - first);
    previewTable->clear();
    previewTable->setColumnCount(int(columns));
    previewTable->setRowCount(int(std::max<qsizetype>(0, shown)));
    QStringList names;
    for (int column = 0; column < columns; ++column) {
        const QString own = header ? table.front().value(column) : QString();
        names << (own.isEmpty() ? columnName(column)
                                : QStringLiteral("%1: %2").arg(columnName(column), own));
    }
    previewTable->setHorizontalHeaderLabels(names);
    for (qsizetype row = 0; row < shown; ++row) {
        const exchange::Row &cells = table[first + row];
        for (qsizetype column = 0; column < cells.size(); ++column)
            previewTable->setItem(int(row), int(column), new QTableWidgetItem(cells[column]));
    }
    previewTable->resizeColumnsToContents();
    rowsLabel->setText(QStringLiteral("Řádků v souboru: %1").arg(table.size() - first));
    importButton->setEnabled(columns >= 2);
}

void ImportWindow::FormClose() {
    forms.Form2->setEnabled(true);
}

exchange::Columns ImportWindow::chosenColumns() const {
    exchange::Columns columns;
    columns.foreign = foreignBox->currentData().toInt();
    columns.czech = czechBox->currentData().toInt();
    columns.pronunciation = pronunciationBox->currentData().toInt();
    columns.sound = soundBox->currentData().toInt();
    columns.headerRow = headerCheck->isChecked();
    return columns;
}

void ImportWindow::importClick() {
    const Result<exchange::Imported> imported = exchange::dictionaryOfTable(
        m_file.table, chosenColumns(), QFileInfo(m_path).absolutePath());
    if (!imported) {
        platform.dialogs->warning(imported.error());
        return;
    }
    if (forms.Form2->takeImported(imported->dictionary, imported->skippedRows,
                                  imported->droppedSounds))
        close();
}
