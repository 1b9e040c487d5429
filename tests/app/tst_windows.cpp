#include "app/form.h"
#include "app/forms.h"
#include "support/testplatform.h"

#include <QApplication>
#include <QScreen>
#include <QTest>

class TestWindowsCreation : public QObject {
    Q_OBJECT

private slots:
    void everyWindowIsCreatedOnceWithItsName() {
        TestWindows windows;
        const Forms &f = windows.forms();
        const void *pointers[] = {f.Form22, f.Form1,  f.Form8,  f.Form2,  f.Form3,  f.Form9,
                                  f.Form7,  f.Form6,  f.Form4,  f.Form10, f.Form12, f.Form5,
                                  f.Form11, f.Form13, f.Form14, f.Form15, f.Form16, f.Form18,
                                  f.Form17, f.Form19, f.Form20, f.Form23, f.Form24};
        for (const void *slot : pointers)
            QVERIFY(slot != nullptr);

        QStringList names;
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (qobject_cast<VokabForm *>(w))
                names.append(w->objectName());
        }
        names.sort();
        QStringList expected;
        for (int n :
             {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 22, 23, 24})
            expected.append(QStringLiteral("Form%1").arg(n));
        expected.sort();
        QCOMPARE(names, expected);
    }

    // Every window is placed in the middle of the screen when it is created, and stays
    // there once it is shown at its own size.
    void centredWindowsAreCentredOnceShown() {
        TestWindows windows;
        const QPoint middle = QGuiApplication::primaryScreen()->availableGeometry().center();
        QStringList offCentre;
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (!qobject_cast<VokabForm *>(w))
                continue;
            w->show();
            const QPoint offset = w->geometry().center() - middle;
            if (offset.manhattanLength() > 4)
                offCentre.append(QStringLiteral("%1 %2,%3")
                                     .arg(w->objectName())
                                     .arg(offset.x())
                                     .arg(offset.y()));
            w->hide();
        }
        QVERIFY2(offCentre.isEmpty(), qPrintable(offCentre.join(", ")));
    }

    void windowsGoAwayWithTheirOwner() {
        { TestWindows windows; }
        for (QWidget *w : QApplication::topLevelWidgets())
            QVERIFY(!qobject_cast<VokabForm *>(w));
    }
};

QTEST_MAIN(TestWindowsCreation)
#include "tst_windows.moc"
