#pragma once

#include <QApplication>

#include <exception>

class Dialogs;

// The application object. An exception that no handler catches ends up here and is
// shown as the general error message; the program goes on.
class VokabApplication : public QApplication {
    Q_OBJECT
public:
    VokabApplication(int &argc, char **argv);

    // Where the general error message goes; without it, to the standard error.
    void setErrorDialogs(Dialogs *dialogs) { m_dialogs = dialogs; }

    bool notify(QObject *receiver, QEvent *event) override;

private:
    Dialogs *m_dialogs = nullptr;
};

// Shows the general error message for the exception.
void reportUnhandledException(Dialogs *dialogs, std::exception_ptr exception);
