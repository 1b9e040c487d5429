#include "monkeydialogs.h"

MonkeyDialogs::MonkeyDialogs(quint64 seed, QStringList files)
    : m_engine(seed), m_files(std::move(files)) {}

void MonkeyDialogs::message(MessageKind kind, const QString &text, const QString &) {
    ++messages;
    // The texts of the general error message for exceptions that no handler expected.
    if (kind == MessageKind::Error && (text.startsWith(QStringLiteral("Došlo k chybě")) ||
                                       text.startsWith(QStringLiteral("Došlo k neznámé chybě"))))
        unexpectedErrors.append(text);
}

bool MonkeyDialogs::question(MessageKind, const QString &) {
    ++messages;
    return coin();
}

int MonkeyDialogs::choose(MessageKind, const QString &, const QStringList &buttons, int escape) {
    ++messages;
    if (buttons.isEmpty())
        return escape;
    return std::uniform_int_distribution<int>(0, int(buttons.size()) - 1)(m_engine);
}

std::optional<QString> MonkeyDialogs::openFile(const FileDialogState &) {
    if (m_files.isEmpty() || std::bernoulli_distribution(0.2)(m_engine))
        return std::nullopt;
    return m_files[std::uniform_int_distribution<qsizetype>(0, m_files.size() - 1)(m_engine)];
}

std::optional<QString> MonkeyDialogs::saveFile(const FileDialogState &state) {
    return openFile(state);
}

std::optional<QColor> MonkeyDialogs::chooseColor(const QColor &) {
    if (coin())
        return std::nullopt;
    return QColor::fromRgb(std::uniform_int_distribution<int>(0, 0xFFFFFF)(m_engine));
}

std::optional<QFont> MonkeyDialogs::chooseFont(const QFont &initial) {
    if (coin())
        return std::nullopt;
    QFont font = initial;
    font.setPointSize(std::uniform_int_distribution<int>(6, 30)(m_engine));
    font.setBold(coin());
    return font;
}
