#include "app/application.h"

#include "core/errors.h"
#include "platform/dialogs.h"

#include <cstdio>

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
    } catch (const VokabError &error) {
        text = error.message();
    } catch (const std::bad_alloc &) {
        text = QStringLiteral("Nedostatek paměti.");
    } catch (const std::exception &error) {
        text = QStringLiteral("Došlo k chybě: %1").arg(QString::fromLocal8Bit(error.what()));
    } catch (...) {
        text = QStringLiteral("Došlo k neznámé chybě.");
    }
    if (dialogs)
        dialogs->error(text);
    else
        std::fprintf(stderr, "%s\n", qPrintable(text));
}
