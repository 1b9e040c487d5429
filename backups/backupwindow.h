#pragma once

#include "core/backups.h"
#include "platform/dialogs.h"
#include "ui/form.h"

#include <optional>

class QComboBox;
class QLabel;
class QListView;
class QPushButton;
class QStringListModel;
class QTableWidget;

// "Obnovit ze zálohy": the files that have backups (the one saved last first), the backups
// of the chosen one (newest first) and the expressions of the chosen backup. A backup is
// restored as a copy under a new name, or over the file itself, whose present content is
// kept as a backup first, so that a restore can itself be undone.
class BackupWindow : public VokabForm {
    Q_OBJECT
public:
    BackupWindow(Forms &forms, Platform &platform);

    QComboBox *fileBox = nullptr;
    QLabel *pathLabel = nullptr;
    QTableWidget *backupTable = nullptr;
    QListView *expressionList = nullptr;
    QLabel *statusLabel = nullptr;
    QPushButton *copyButton = nullptr;
    QPushButton *restoreButton = nullptr;
    QPushButton *closeButton = nullptr;

    // Shows the window with the backups of `path` chosen (when it has any), else those of
    // the file saved last, the newest backup selected.
    void showFor(const QString &path = {});

    // The backup chosen in the table, when there is one.
    std::optional<BackupStore::Backup> chosenBackup() const;
    QString chosenOriginal() const;

    void copyClick();
    void restoreClick();

private:
    void fillFiles(const QString &preferred);
    void fillBackups();
    void showExpressions();

    QList<BackupStore::Backup> m_backups;
    QStringListModel *m_expressions = nullptr;
    FileDialogState m_copyDialog;
};
