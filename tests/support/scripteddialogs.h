#pragma once

#include "platform/dialogs.h"

#include <QList>

#include <deque>
#include <functional>
#include <optional>

// Dialogs for the tests: every message is recorded as (kind, text, caption), and
// questions and file dialogs are answered from queues. An unexpected question is
// answered No and an unexpected file dialog is cancelled; both are recorded so that
// a test can see them. An unexpected choice is answered with its escape button.
class ScriptedDialogs final : public Dialogs {
public:
    struct Shown {
        MessageKind kind;
        QString text;
        QString caption;
        bool isQuestion = false;
        QStringList buttons; // the buttons of a choice
    };

    void message(MessageKind kind, const QString &text, const QString &caption) override;
    bool question(MessageKind icon, const QString &text) override;
    int choose(MessageKind icon, const QString &text, const QStringList &buttons,
               int escape) override;
    std::optional<QString> openFile(const FileDialogState &state) override;
    std::optional<QString> saveFile(const FileDialogState &state) override;
    std::optional<QColor> chooseColor(const QColor &initial) override;
    std::optional<QFont> chooseFont(const QFont &initial) override;

    // Scripted answers, taken in order.
    std::deque<bool> answers;
    std::deque<int> choices; // indexes of the buttons of choose()
    // Called with the text of each choose() before it is answered: what the user does
    // while the question waits (makes room on a disk, closes another program).
    std::function<void(const QString &text)> whileChoosing;
    // Called with the text of each message while it is shown (the user reading it).
    std::function<void(const QString &text)> whileShowing;
    std::deque<std::optional<QString>> files;
    std::deque<std::optional<QColor>> colours;
    std::deque<std::optional<QFont>> fonts;

    // Everything shown so far, and the file dialogs opened (their states).
    QList<Shown> shown;
    QList<FileDialogState> fileDialogs;
    int unexpected = 0;

    // Texts of the messages and questions shown, in order.
    QStringList texts() const;
    QString lastText() const { return shown.isEmpty() ? QString() : shown.last().text; }
    void clear();
};
