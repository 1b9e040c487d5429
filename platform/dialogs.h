#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

class QWidget;

// The four kinds of message box.
enum class MessageKind { Information, Warning, Error, Confirmation };

// What a window keeps of one of its file dialogs between uses: the caption, the
// filter in the form "Slovníky|*.slv" (pairs of description and pattern joined by
// "|"), the default extension, the file name offered next time and the history of
// names used before.
struct FileDialogState {
    QString title;
    QString filter;
    QString defaultSuffix;
    QString fileName;
    QStringList history;

    // After a confirmed choice: the chosen path in lower case (ASCII letters only)
    // becomes the name offered next time and joins the history.
    void remember(const QString &path);
};

// The state of a file dialog for dictionaries: its title, the filter ("Slovníky|*.slv"
// unless the window has its own text) and the default extension "slv".
FileDialogState dictionaryFileDialog(const QString &title,
                                     const QString &filter = QStringLiteral("Slovníky|*.slv"));

// Every message box and standard dialog of the program. Windows never show a dialog
// of their own: the real implementation shows Qt dialogs, the scripted one used by
// the tests records each message and answers from a queue.
class Dialogs {
public:
    virtual ~Dialogs() = default;

    virtual void message(MessageKind kind, const QString &text, const QString &caption = {}) = 0;
    // Yes/No question with the given icon; true for Yes.
    virtual bool question(MessageKind icon, const QString &text) = 0;
    // A question with buttons of its own ("Ano", "Ne", "Zrušit"): the index of the
    // button pressed; `escape` when the box is closed without one.
    virtual int choose(MessageKind icon, const QString &text, const QStringList &buttons,
                       int escape) = 0;

    // The chosen path, or nothing when the dialog was cancelled.
    virtual std::optional<QString> openFile(const FileDialogState &state) = 0;
    virtual std::optional<QString> saveFile(const FileDialogState &state) = 0;

    virtual std::optional<QColor> chooseColor(const QColor &initial) = 0;
    virtual std::optional<QFont> chooseFont(const QFont &initial) = 0;

    void info(const QString &text) { message(MessageKind::Information, text); }
    void warning(const QString &text) { message(MessageKind::Warning, text); }
    void error(const QString &text) { message(MessageKind::Error, text); }
};

// Qt's dialogs. A file dialog opens in the folder of the name it offers; a name without
// a folder opens in the folder of the last file chosen in any file dialog, and before
// the first choice in `firstFolder` (the dictionaries folder).
std::unique_ptr<Dialogs> makeQtDialogs(const QString &firstFolder);

// "Slovníky|*.slv|Vše|*.*" -> "Slovníky (*.slv);;Vše (*.*)"
QString qtNameFilters(const QString &filter);
