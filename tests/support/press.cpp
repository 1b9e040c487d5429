#include "support/press.h"

#include <QAbstractButton>
#include <QAction>
#include <QTest>

void press(QObject *window, const char *name) {
    QObject *control = window->findChild<QObject *>(QString::fromLatin1(name));
    if (auto *button = qobject_cast<QAbstractButton *>(control)) {
        QVERIFY2(button->isEnabled(), name);
        QTest::mouseClick(button, Qt::LeftButton);
    } else if (auto *action = qobject_cast<QAction *>(control)) {
        QVERIFY2(action->isEnabled(), name);
        action->trigger();
    } else {
        QFAIL(qPrintable(QStringLiteral("No button or menu item %1").arg(QLatin1String(name))));
    }
}
