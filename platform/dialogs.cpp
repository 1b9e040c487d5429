#include "platform/dialogs.h"
#include "core/paths.h"

#include <QApplication>
#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QMessageBox>
#include <QPushButton>

FileDialogState dictionaryFileDialog(const QString &title, const QString &filter) {
    FileDialogState state;
    state.title = title;
    state.filter = filter;
    state.defaultSuffix = QStringLiteral("slv");
    return state;
}

void FileDialogState::remember(const QString &path) {
    fileName = paths::asciiLower(path);
    history.removeAll(fileName);
    history.prepend(fileName);
}

QString qtNameFilters(const QString &filter) {
    const QStringList parts = filter.split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
        filters.append(parts[i] + QStringLiteral(" (") + QString(parts[i + 1]).replace(u';', u' ') +
                       u')');
    return filters.join(QStringLiteral(";;"));
}

namespace {

QWidget *dialogParent() {
    return QApplication::activeWindow();
}

QMessageBox::Icon iconOf(MessageKind kind) {
    switch (kind) {
    case MessageKind::Information:
        return QMessageBox::Information;
    case MessageKind::Warning:
        return QMessageBox::Warning;
    case MessageKind::Error:
        return QMessageBox::Critical;
    case MessageKind::Confirmation:
        return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

QString captionOf(MessageKind kind) {
    switch (kind) {
    case MessageKind::Information:
        return QStringLiteral("Informace");
    case MessageKind::Warning:
        return QStringLiteral("Upozornění");
    case MessageKind::Error:
        return QStringLiteral("Chyba");
    case MessageKind::Confirmation:
        return QStringLiteral("Potvrzení");
    }
    return {};
}

// The folder of `path` as it is spelt on the disk, or nothing when there is none: the
// remembered names are in lower case, which a file system that tells letter case apart
// would not find.
QString existingFolder(const QString &path) {
    const QString clean = QDir::cleanPath(QDir::fromNativeSeparators(path));
    if (QFileInfo(clean).isDir())
        return clean;
    if (!QDir::isAbsolutePath(clean))
        return {};
    QDir dir = QDir::root();
    for (const QString &part : clean.split(u'/', Qt::SkipEmptyParts)) {
        QString found;
        for (const QString &entry : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
            if (entry.compare(part, Qt::CaseInsensitive) == 0) {
                found = entry;
                break;
            }
        }
        if (found.isEmpty() || !dir.cd(found))
            return {};
    }
    return dir.absolutePath();
}

class QtDialogs final : public Dialogs {
public:
    explicit QtDialogs(const QString &firstFolder) : m_folder(firstFolder) {}

    void message(MessageKind kind, const QString &text, const QString &caption) override {
        QMessageBox box(iconOf(kind), caption.isEmpty() ? captionOf(kind) : caption, text,
                        QMessageBox::Ok, dialogParent());
        box.exec();
    }

    bool question(MessageKind icon, const QString &text) override {
        QMessageBox box(iconOf(icon), captionOf(MessageKind::Confirmation), text,
                        QMessageBox::Yes | QMessageBox::No, dialogParent());
        box.button(QMessageBox::Yes)->setText(QStringLiteral("&Ano"));
        box.button(QMessageBox::No)->setText(QStringLiteral("&Ne"));
        return box.exec() == QMessageBox::Yes;
    }

    int choose(MessageKind icon, const QString &text, const QStringList &buttons,
               int escape) override {
        QMessageBox box(iconOf(icon), captionOf(MessageKind::Confirmation), text,
                        QMessageBox::NoButton, dialogParent());
        QList<QAbstractButton *> added;
        for (const QString &label : buttons)
            added.append(box.addButton(label, QMessageBox::AcceptRole));
        if (escape >= 0 && escape < added.size())
            box.setEscapeButton(added[escape]);
        if (!added.isEmpty())
            box.setDefaultButton(qobject_cast<QPushButton *>(added.first()));
        box.exec();
        const int index = int(added.indexOf(box.clickedButton()));
        return index < 0 ? escape : index;
    }

    std::optional<QString> openFile(const FileDialogState &state) override {
        return run(state, QFileDialog::AcceptOpen);
    }
    std::optional<QString> saveFile(const FileDialogState &state) override {
        return run(state, QFileDialog::AcceptSave);
    }

    std::optional<QColor> chooseColor(const QColor &initial) override {
        const QColor colour = QColorDialog::getColor(initial, dialogParent());
        if (!colour.isValid())
            return std::nullopt;
        return colour;
    }

    std::optional<QFont> chooseFont(const QFont &initial) override {
        bool ok = false;
        const QFont font = QFontDialog::getFont(&ok, initial, dialogParent());
        if (!ok)
            return std::nullopt;
        return font;
    }

private:
    std::optional<QString> run(const FileDialogState &state, QFileDialog::AcceptMode mode) {
        const QString offered = QDir::fromNativeSeparators(state.fileName);
        const qsizetype slash = offered.lastIndexOf(u'/');
        QString folder = slash < 0 ? QString() : existingFolder(offered.left(slash + 1));
        if (folder.isEmpty())
            folder = m_folder;
        QFileDialog dialog(dialogParent(), state.title, folder);
        dialog.setAcceptMode(mode);
        dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                           : QFileDialog::AnyFile);
        dialog.setNameFilter(qtNameFilters(state.filter));
        dialog.setDefaultSuffix(state.defaultSuffix);
        dialog.setHistory(state.history);
        if (slash + 1 < offered.size())
            dialog.selectFile(offered.mid(slash + 1));
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return std::nullopt;
        const QString chosen = dialog.selectedFiles().constFirst();
        m_folder = QFileInfo(chosen).absolutePath();
        return chosen;
    }

    QString m_folder;
};

} // namespace

std::unique_ptr<Dialogs> makeQtDialogs(const QString &firstFolder) {
    return std::make_unique<QtDialogs>(firstFolder);
}
