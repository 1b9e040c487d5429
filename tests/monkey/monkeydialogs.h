#pragma once

#include "platform/dialogs.h"

#include <QStringList>

#include <random>

// Dialogs that answer every question, file dialog and choice at random, so that a
// random run reaches every branch behind them. Messages are counted; the general
// error message of an unexpected exception is kept for the report.
class MonkeyDialogs final : public Dialogs {
public:
    MonkeyDialogs(quint64 seed, QStringList files);

    void message(MessageKind kind, const QString &text, const QString &caption) override;
    bool question(MessageKind icon, const QString &text) override;
    int choose(MessageKind icon, const QString &text, const QStringList &buttons,
               int escape) override;
    std::optional<QString> openFile(const FileDialogState &state) override;
    std::optional<QString> saveFile(const FileDialogState &state) override;
    std::optional<QColor> chooseColor(const QColor &initial) override;
    std::optional<QFont> chooseFont(const QFont &initial) override;

    int messages = 0;
    QStringList unexpectedErrors;

private:
    bool coin() { return std::bernoulli_distribution(0.5)(m_engine); }
    std::mt19937_64 m_engine;
    QStringList m_files;
};
