#include "app/form.h"
#include "app/forms.h"
#include "support/testplatform.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QRadioButton>
#include <QScreen>
#include <QTableView>
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

    // At the system's font no window cuts off a text of its own: check boxes, radio
    // buttons, buttons and labels are as wide and as high as their texts need, and the
    // headers of its lists show their whole texts.
    void everyWindowShowsItsTextsWhole() {
        TestWindows windows;
        QStringList cut;
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (!qobject_cast<VokabForm *>(w))
                continue;
            w->show();
            for (QWidget *control : w->findChildren<QWidget *>()) {
                if (!control->isVisibleTo(w))
                    continue;
                const auto *button = qobject_cast<QAbstractButton *>(control);
                const auto *label = qobject_cast<QLabel *>(control);
                const bool text = (button && !button->text().isEmpty()) ||
                                  (label && !label->text().isEmpty() && !label->wordWrap());
                const QSize need = control->minimumSizeHint().expandedTo(
                    label || qobject_cast<QCheckBox *>(control) ||
                            qobject_cast<QRadioButton *>(control)
                        ? control->sizeHint()
                        : QSize());
                if (text && (control->width() < need.width() || control->height() < need.height()))
                    cut.append(QStringLiteral("%1/%2 %3x%4 < %5x%6")
                                   .arg(w->objectName(), control->objectName())
                                   .arg(control->width())
                                   .arg(control->height())
                                   .arg(need.width())
                                   .arg(need.height()));
                if (const auto *list = qobject_cast<QTableView *>(control)) {
                    const QHeaderView *header = list->horizontalHeader();
                    for (int c = 0; c < header->count(); ++c) {
                        if (!header->isSectionHidden(c) &&
                            header->sectionSize(c) < header->sectionSizeHint(c))
                            cut.append(QStringLiteral("%1/%2 column %3")
                                           .arg(w->objectName(), list->objectName())
                                           .arg(c));
                    }
                }
            }
            w->hide();
        }
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(u'\n')));
    }

    void windowsGoAwayWithTheirOwner() {
        { TestWindows windows; }
        for (QWidget *w : QApplication::topLevelWidgets())
            QVERIFY(!qobject_cast<VokabForm *>(w));
    }
};

QTEST_MAIN(TestWindowsCreation)
#include "tst_windows.moc"
