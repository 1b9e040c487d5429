#include "backups/backupwindow.h"

#include "core/textfile.h"
#include "dictionary/Unit2.h"
#include "dictionary/slovnik.h"
#include "platform/platform.h"
#include "ui/controls.h"
#include "ui/forms.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListView>
#include <QLocale>
#include <QPushButton>
#include <QStringListModel>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

QString timeText(const QDateTime &time) {
    return time.toString(QStringLiteral("d. M. yyyy H:mm:ss"));
}

QString sizeText(qint64 bytes) {
    const QLocale czech(QLocale::Czech, QLocale::CzechRepublic);
    if (bytes < 1024)
        return QStringLiteral("%1 B").arg(bytes);
    if (bytes < 1024 * 1024)
        return czech.toString(double(bytes) / 1024, 'f', 1) + QStringLiteral(" kB");
    return czech.toString(double(bytes) / (1024 * 1024), 'f', 1) + QStringLiteral(" MB");
}

bool isDictionary(const QString &path) {
    return QFileInfo(path).suffix().compare(QStringLiteral("slv"), Qt::CaseInsensitive) == 0;
}

bool samePath(const QString &a, const QString &b) {
    const Qt::CaseSensitivity cs =
#ifdef Q_OS_WIN
        Qt::CaseInsensitive;
#else
        Qt::CaseSensitive;
#endif
    return QDir::cleanPath(QFileInfo(a).absoluteFilePath())
               .compare(QDir::cleanPath(QFileInfo(b).absoluteFilePath()), cs) == 0;
}

// The expressions of a backup as the table shows their number: its non-empty lines.
QString expressionCount(const QString &backup) {
    const Result<QByteArray> bytes = textfile::readBytes(backup, BackupStore::kMaxFileBytes);
    if (!bytes)
        return QStringLiteral("?");
    const dictionaryfile::Limits limits;
    const Result<textfile::LineCount> counted =
        textfile::countLines(*bytes, limits.lineBytes, limits.lines);
    return counted ? QString::number(counted->count) : QStringLiteral("?");
}

} // namespace

BackupWindow::BackupWindow(Forms &forms, Platform &platform)
    : VokabForm(forms, platform, QStringLiteral("BackupWindow")) {
    setWindowTitle(QStringLiteral("Obnovit ze zálohy"));

    auto *central = new QWidget(this);
    setCentralWidget(central);
    auto *layout = new QVBoxLayout(central);

    auto *fileRow = new QHBoxLayout;
    auto *fileCaption = new QLabel(QStringLiteral("&Soubor:"), central);
    fileBox = named<QComboBox>(central, "fileBox");
    fileBox->setAccessibleName(QStringLiteral("Soubor"));
    fileCaption->setBuddy(fileBox);
    fileRow->addWidget(fileCaption);
    fileRow->addWidget(fileBox, 1);
    layout->addLayout(fileRow);
    pathLabel = named<QLabel>(central, "pathLabel");
    pathLabel->setTextFormat(Qt::PlainText);
    pathLabel->setWordWrap(true);
    layout->addWidget(pathLabel);

    auto *tableCaption = new QLabel(QStringLiteral("&Zálohy:"), central);
    layout->addWidget(tableCaption);
    backupTable = named<QTableWidget>(central, "backupTable");
    backupTable->setAccessibleName(QStringLiteral("Zálohy"));
    tableCaption->setBuddy(backupTable);
    backupTable->setColumnCount(3);
    backupTable->setHorizontalHeaderLabels(
        {QStringLiteral("Datum a čas"), QStringLiteral("Výrazů"), QStringLiteral("Velikost")});
    backupTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    backupTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    backupTable->setSelectionMode(QAbstractItemView::SingleSelection);
    backupTable->verticalHeader()->hide();
    backupTable->setWordWrap(false);
    backupTable->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    backupTable->horizontalHeader()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    backupTable->horizontalHeader()->setSectionResizeMode(2, QHeaderView::ResizeToContents);
    layout->addWidget(backupTable, 1);

    auto *listCaption = new QLabel(QStringLiteral("&Výrazy zálohy:"), central);
    layout->addWidget(listCaption);
    expressionList = named<QListView>(central, "expressionList");
    expressionList->setAccessibleName(QStringLiteral("Výrazy zálohy"));
    listCaption->setBuddy(expressionList);
    m_expressions = new QStringListModel(this);
    expressionList->setModel(m_expressions);
    expressionList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    expressionList->setUniformItemSizes(true);
    layout->addWidget(expressionList, 2);
    statusLabel = named<QLabel>(central, "statusLabel");
    statusLabel->setTextFormat(Qt::PlainText);
    statusLabel->setWordWrap(true);
    layout->addWidget(statusLabel);

    auto *buttons = new QHBoxLayout;
    copyButton = named<QPushButton>(central, "copyButton");
    copyButton->setText(QStringLiteral("Obnovit jako &kopii…"));
    restoreButton = named<QPushButton>(central, "restoreButton");
    restoreButton->setText(QStringLiteral("Obnovit &přes současný soubor…"));
    closeButton = named<QPushButton>(central, "closeButton");
    closeButton->setText(QStringLiteral("Zavřít"));
    for (QPushButton *button : {copyButton, restoreButton, closeButton})
        button->setAccessibleName(button->text().remove(u'&'));
    buttons->addWidget(copyButton);
    buttons->addWidget(restoreButton);
    buttons->addStretch();
    buttons->addWidget(closeButton);
    layout->addLayout(buttons);

    connect(fileBox, &QComboBox::currentIndexChanged, this, &BackupWindow::fillBackups);
    connect(backupTable, &QTableWidget::itemSelectionChanged, this, &BackupWindow::showExpressions);
    connect(copyButton, &QPushButton::clicked, this, &BackupWindow::copyClick);
    connect(restoreButton, &QPushButton::clicked, this, &BackupWindow::restoreClick);
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);

    m_copyDialog.title = QStringLiteral("Obnovit zálohu jako kopii");
    m_copyDialog.filter = QStringLiteral("Vše|*.*");

    setFrame(Frame::Sizeable);
    closeOnEscape();
    setMinimumClientSize(560, 460);
    centreOnDesktop();
}

void BackupWindow::showFor(const QString &path) {
    statusLabel->clear();
    fillFiles(path);
    show();
    raise();
    activateWindow();
    // The restore the user most likely came for is one key away.
    restoreButton->setFocus();
}

void BackupWindow::fillFiles(const QString &preferred) {
    const QStringList originals = platform.backups ? platform.backups->originals() : QStringList{};
    const QSignalBlocker blocker(fileBox);
    fileBox->clear();
    int chosen = 0;
    for (const QString &original : originals) {
        if (!preferred.isEmpty() && samePath(original, preferred))
            chosen = fileBox->count();
        fileBox->addItem(QFileInfo(original).fileName(), original);
    }
    fileBox->setCurrentIndex(originals.isEmpty() ? -1 : chosen);
    if (originals.isEmpty())
        statusLabel->setText(QStringLiteral("Zatím nejsou žádné zálohy."));
    fillBackups();
}

QString BackupWindow::chosenOriginal() const {
    return fileBox->currentData().toString();
}

std::optional<BackupStore::Backup> BackupWindow::chosenBackup() const {
    const int row = backupTable->currentRow();
    if (row < 0 || row >= m_backups.size() || backupTable->selectedItems().isEmpty())
        return std::nullopt;
    return m_backups[row];
}

void BackupWindow::fillBackups() {
    const QString original = chosenOriginal();
    pathLabel->setText(QDir::toNativeSeparators(original));
    m_backups = original.isEmpty() || !platform.backups ? QList<BackupStore::Backup>{}
                                                        : platform.backups->backupsOf(original);
    const QSignalBlocker blocker(backupTable);
    backupTable->clearContents();
    backupTable->setRowCount(int(m_backups.size()));
    const bool dictionary = isDictionary(original);
    for (int row = 0; row < m_backups.size(); ++row) {
        const BackupStore::Backup &backup = m_backups[row];
        const auto cell = [&](int column, const QString &text, Qt::Alignment alignment) {
            auto *item = new QTableWidgetItem(text);
            item->setTextAlignment(alignment | Qt::AlignVCenter);
            backupTable->setItem(row, column, item);
        };
        cell(0, timeText(backup.time), Qt::AlignLeft);
        cell(1, dictionary ? expressionCount(backup.path) : QStringLiteral("–"), Qt::AlignRight);
        cell(2, sizeText(backup.size), Qt::AlignRight);
    }
    if (!m_backups.isEmpty())
        backupTable->selectRow(0);
    showExpressions();
}

void BackupWindow::showExpressions() {
    const std::optional<BackupStore::Backup> backup = chosenBackup();
    copyButton->setEnabled(backup.has_value());
    restoreButton->setEnabled(backup.has_value());
    QStringList lines;
    if (backup && isDictionary(chosenOriginal())) {
        const Result<dictionaryfile::Loaded> read =
            dictionaryfile::readDictionaryFile(backup->path, dictionaryfile::Contents::Records);
        if (read) {
            lines.reserve(read->dictionary.size());
            for (const Tslovniky &record : read->dictionary)
                lines.append(record.ang + QStringLiteral(" – ") + record.cz);
        } else {
            statusLabel->setText(read.error());
        }
    }
    m_expressions->setStringList(lines);
}

void BackupWindow::copyClick() {
    const std::optional<BackupStore::Backup> backup = chosenBackup();
    if (!backup)
        return;
    const QFileInfo original(chosenOriginal());
    m_copyDialog.defaultSuffix = original.suffix();
    m_copyDialog.fileName = original.absolutePath() + u'/' + original.completeBaseName() +
                            QStringLiteral("-obnoveno.") + original.suffix();
    const std::optional<QString> chosen = platform.dialogs->saveFile(m_copyDialog);
    if (!chosen)
        return;
    const Result<QByteArray> bytes = textfile::readBytes(backup->path, BackupStore::kMaxFileBytes);
    if (!bytes) {
        platform.dialogs->error(bytes.error());
        return;
    }
    // A file chosen to be written over is kept first, as any file the program replaces.
    if (const Result<bool> kept = platform.backups->keepNow(*chosen); !kept) {
        platform.dialogs->error(kept.error());
        return;
    }
    if (const Result<void> saved = textfile::saveFile(*chosen, *bytes); !saved) {
        platform.dialogs->error(saved.error());
        return;
    }
    m_copyDialog.remember(*chosen);
    statusLabel->setText(QStringLiteral("Záloha z %1 byla obnovena do souboru %2.")
                             .arg(timeText(backup->time), QDir::toNativeSeparators(*chosen)));
    fillFiles(chosenOriginal());
}

void BackupWindow::restoreClick() {
    const std::optional<BackupStore::Backup> backup = chosenBackup();
    if (!backup)
        return;
    const QString original = chosenOriginal();
    if (!platform.dialogs->question(
            MessageKind::Confirmation,
            QStringLiteral("Obnovit soubor %1 ze zálohy z %2? Současný obsah souboru se nejdřív "
                           "uloží do záloh.")
                .arg(QDir::toNativeSeparators(original), timeText(backup->time))))
        return;
    TForm2 *editor = forms.Form2;
    const bool inEditor =
        editor && !editor->document().isNew() && samePath(editor->document().path(), original);
    if (inEditor && !editor->offerToSave())
        return;
    // The backup is read before the present content joins the backups (which may rotate).
    const Result<QByteArray> bytes = textfile::readBytes(backup->path, BackupStore::kMaxFileBytes);
    if (!bytes) {
        platform.dialogs->error(bytes.error());
        return;
    }
    if (const Result<bool> kept = platform.backups->keepNow(original); !kept) {
        platform.dialogs->error(kept.error());
        return;
    }
    if (const Result<void> saved = textfile::saveFile(original, *bytes); !saved) {
        platform.dialogs->error(saved.error());
        return;
    }
    if (inEditor)
        editor->openDictionary(original);
    fillFiles(original);
    statusLabel->setText(QStringLiteral("Soubor %1 byl obnoven ze zálohy z %2.")
                             .arg(QDir::toNativeSeparators(original), timeText(backup->time)));
}
