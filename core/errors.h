#pragma once

#include <QString>

#include <stdexcept>

// A failure the user must hear about. Handlers that cannot go on throw it; the
// application's general error message shows its text, and the program goes on.
class VokabError : public std::runtime_error {
public:
    explicit VokabError(const QString &message)
        : std::runtime_error(message.toStdString()), m_message(message) {}
    const QString &message() const { return m_message; }

private:
    QString m_message;
};
