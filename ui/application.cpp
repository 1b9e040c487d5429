#include "ui/application.h"

#include "core/oserror.h"
#include "platform/dialogs.h"

#include <QtDebug>

#include <cstdio>
#include <system_error>

VokabApplication::VokabApplication(int &argc, char **argv) : QApplication(argc, argv) {}

bool VokabApplication::notify(QObject *receiver, QEvent *event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        reportUnhandledException(m_dialogs, std::current_exception());
    }
    return false;
}

void reportUnhandledException(Dialogs *dialogs, std::exception_ptr exception) {
    QString text;
    try {
        std::rethrow_exception(exception);
    } catch (const std::bad_alloc &) {
        text = QStringLiteral("Nedostatek paměti.");
    } catch (const std::system_error &error) {
        // The library's own text is English: the user hears the reason in Czech, the log
        // keeps the original.
        qWarning("%s", error.what());
        text = QStringLiteral("Došlo k chybě: %1.").arg(oserror::reason(error.code()));
    } catch (const std::exception &error) {
        qWarning("%s", error.what());
        text = QStringLiteral("Došlo k neočekávané chybě programu.");
    } catch (...) {
        text = QStringLiteral("Došlo k neznámé chybě.");
    }
    if (dialogs)
        dialogs->error(text);
    else
        std::fprintf(stderr, "%s\n", qPrintable(text));
}
