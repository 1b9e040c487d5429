#include "app/Unit1.h"
#include "app/Unit22.h"
#include "app/Unit8.h"
#include "support/testfiles.h"
#include "support/testplatform.h"
#include "tips/tipy.h"
#include "ui/form.h"
#include "ui/forms.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QScreen>
#include <QSignalSpy>
#include <QTabBar>
#include <QTableView>
#include <QTest>
#include <QToolButton>

namespace {

VokabForm *windowNamed(const QString &name) {
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (qobject_cast<VokabForm *>(w) && w->objectName() == name)
            return static_cast<VokabForm *>(w);
    }
    return nullptr;
}

// The buttons of a window that are its default ones.
QList<QPushButton *> defaultButtons(const QWidget *window) {
    QList<QPushButton *> found;
    for (QPushButton *button : window->findChildren<QPushButton *>()) {
        if (button->isDefault())
            found.append(button);
    }
    return found;
}

} // namespace

class TestWindowsCreation : public QObject {
    Q_OBJECT

private slots:
    void everyWindowIsCreatedOnceWithItsName() {
        TestWindows windows;
        const Forms &f = windows.forms();
        const void *pointers[] = {
            f.Form22, f.Form1,  f.Form8,  f.Form2,        f.Form3,       f.Form9,  f.Form7,
            f.Form6,  f.Form4,  f.Form10, f.Form12,       f.Form5,       f.Form11, f.Form13,
            f.Form14, f.Form15, f.Form16, f.Form18,       f.Form17,      f.Form19, f.Form20,
            f.Form23, f.Form24, f.review, f.importWindow, f.backupWindow};
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
        expected.append(QStringLiteral("ReviewWindow"));
        expected.append(QStringLiteral("ImportWindow"));
        expected.append(QStringLiteral("BackupWindow"));
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

    // At the system's font, and at a larger one a desktop may have, no window cuts off a
    // text of its own: check boxes, radio buttons, buttons and labels are as wide and as
    // high as their texts need, the headers of its lists show their whole texts, and its
    // tabs all show without scroll arrows.
    void everyWindowShowsItsTextsWhole_data() {
        QTest::addColumn<int>("pointSize");
        QTest::newRow("system font") << 0;
        QTest::newRow("larger desktop font") << 13;
    }

    void everyWindowShowsItsTextsWhole() {
        QFETCH(int, pointSize);
        const DesktopFont font(pointSize);
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
                if (const auto *tabs = qobject_cast<QTabBar *>(control)) {
                    if (tabs->width() < tabs->sizeHint().width())
                        cut.append(QStringLiteral("%1/%2 tabs %3 < %4")
                                       .arg(w->objectName(), tabs->parent()->objectName())
                                       .arg(tabs->width())
                                       .arg(tabs->sizeHint().width()));
                }
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

    // The long lists start at their designed widths, where a long text is cut, and the
    // user sizes their columns: a header's edge dragged, a double click on it that fits the
    // column to its texts, an enlarged window that gives the list its room. The widths the
    // user chose stay while the program runs.
    void longListsLetTheUserSizeTheirColumns_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("list");
        QTest::newRow("editor") << "Form2"
                                << "stg";
        QTest::newRow("merger, the dictionary read") << "Form14"
                                                     << "stg";
        QTest::newRow("merger, the new dictionary") << "Form14"
                                                    << "stg1";
        QTest::newRow("translator") << "Form24"
                                    << "StringGrid1";
    }
    void longListsLetTheUserSizeTheirColumns() {
        QFETCH(QString, window);
        QFETCH(QString, list);
        const QString longText = QStringLiteral("příšerný+hrozný+strašlivý+ohavný");
        auto platform = std::make_unique<TestPlatform>();
        platform->writeFile(
            "prekladac.dat",
            cp1250Lines({"HORRIBLE;" + longText.toUpper(), "(the line the translator skips)",
                         "Začátek český výrazů", longText.toUpper() + ";HORRIBLE"}));
        const QString dictionary =
            platform->writeFile("hrozny.slv", cp1250Lines({longText + ";horrible;[];NENÍ"}));
        TestWindows windows(std::move(platform));
        VokabForm *w = windowNamed(window);
        QVERIFY(w);
        auto *view = w->findChild<QTableView *>(list);
        QVERIFY(view);
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
        const auto click = [w](const char *name) {
            QTest::mouseClick(w->findChild<QAbstractButton *>(name), Qt::LeftButton);
        };
        if (window == "Form2") {
            w->findChild<QLineEdit *>("edtang")->setText("horrible");
            w->findChild<QLineEdit *>("edtcz")->setText(longText);
            click("btpridej");
        } else if (window == "Form14") {
            windows.dialogs().files.push_back(dictionary);
            click("btnacti");
            if (list == "stg1")
                click("BitBtn1");
        } else {
            QTest::keyClicks(w->findChild<QLineEdit *>("edthledej"), "H");
        }
        QModelIndex cell;
        for (int r = 0; r < view->model()->rowCount() && !cell.isValid(); ++r)
            for (int c = 0; c < view->model()->columnCount(); ++c)
                if (view->model()->index(r, c).data().toString().compare(longText,
                                                                         Qt::CaseInsensitive) == 0)
                    cell = view->model()->index(r, c);
        QVERIFY2(cell.isValid(), "the long text is not in the list");
        const int column = cell.column();
        QHeaderView *header = view->horizontalHeader();
        const int designed = header->sectionSize(column);
        const int needed = view->fontMetrics().horizontalAdvance(cell.data().toString());
        QVERIFY2(designed < needed, "the long text fits its designed column");

        const int y = header->height() / 2;
        // The last pixel of the column, on the handle between it and the next (or the
        // list's edge).
        const auto edge = [&] {
            return header->sectionViewportPosition(column) + header->sectionSize(column) - 1;
        };
        const int from = edge();
        QTest::mousePress(header->viewport(), Qt::LeftButton, {}, QPoint(from, y));
        QTest::mouseMove(header->viewport(), QPoint(from + 30, y));
        QTest::mouseMove(header->viewport(), QPoint(from + 60, y));
        QTest::mouseRelease(header->viewport(), Qt::LeftButton, {}, QPoint(from + 60, y));
        QCOMPARE(header->sectionSize(column), designed + 60);

        QTest::mouseDClick(header->viewport(), Qt::LeftButton, {}, QPoint(edge(), y));
        const int fitted = header->sectionSize(column);
        QVERIFY2(fitted >= needed, qPrintable(QStringLiteral("%1 < %2").arg(fitted).arg(needed)));

        const QSize before = view->size();
        w->resize(w->size() + QSize(200, 150));
        QTRY_VERIFY(view->width() >= before.width() + 200);
        QVERIFY(view->height() > before.height());
        QCOMPARE(header->sectionSize(column), fitted);

        w->hide();
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
        QCOMPARE(header->sectionSize(column), fitted);
    }

    // Return on a focused button presses it in every window, as Space does, and makes no
    // button the window's default one.
    void returnPressesTheFocusedButtonInEveryWindow_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("toolButton");
        QTest::newRow("Return, push button") << int(Qt::Key_Return) << false;
        QTest::newRow("Enter, push button") << int(Qt::Key_Enter) << false;
        QTest::newRow("Return, tool button") << int(Qt::Key_Return) << true;
    }
    void returnPressesTheFocusedButtonInEveryWindow() {
        QFETCH(int, key);
        QFETCH(bool, toolButton);
        TestWindows windows;
        QStringList unpressed;
        for (QWidget *top : QApplication::topLevelWidgets()) {
            auto *w = qobject_cast<VokabForm *>(top);
            if (!w)
                continue;
            w->show();
            const QList<QPushButton *> defaults = defaultButtons(w);
            // A button of the window's own, with no handler behind it.
            QWidget *parent = w->centralWidget() ? w->centralWidget() : w;
            QAbstractButton *button = toolButton
                                          ? static_cast<QAbstractButton *>(new QToolButton(parent))
                                          : new QPushButton(parent);
            button->setFocusPolicy(Qt::StrongFocus);
            button->show();
            button->setFocus();
            QSignalSpy clicked(button, &QAbstractButton::clicked);
            QTest::keyClick(button, Qt::Key(key),
                            key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
            if (clicked.count() != 1)
                unpressed.append(
                    QStringLiteral("%1 (%2 clicks)").arg(w->objectName()).arg(clicked.count()));
            QCOMPARE(defaultButtons(w), defaults);
            delete button;
            w->hide();
        }
        QVERIFY2(unpressed.isEmpty(), qPrintable(unpressed.join(", ")));
    }

    // Escape closes a dialog as its close box does; a dialog without a close box is left
    // by its way out without changes. Mode windows, and windows whose closing drops what
    // the user made, keep their own keys.
    void escapeClosesDialogsOnly_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<bool>("closes");
        for (const char *dialog : {"Form8", "Form7", "Form10", "Form13", "Form16", "Form17",
                                   "Form5", "Form3", "Form11", "Form18", "Form20", "Form22"})
            QTest::newRow(dialog) << QString::fromLatin1(dialog) << true;
        for (const char *stays : {"Form1", "Form2", "Form6", "Form4", "Form12", "Form23", "Form24",
                                  "Form14", "Form15", "Form9", "Form19"})
            QTest::newRow(stays) << QString::fromLatin1(stays) << false;
        QTest::newRow("Form22 as the splash") << QStringLiteral("Form22") << false;
    }
    void escapeClosesDialogsOnly() {
        QFETCH(QString, window);
        QFETCH(bool, closes);
        TestWindows windows;
        Forms &forms = windows.forms();
        VokabForm *w = windowNamed(window);
        QVERIFY(w);
        if (w == forms.Form22 && closes) {
            // The about box, from the main window's menu; the splash stays till its time.
            forms.Form1->aboutAction->trigger();
        } else {
            w->show();
        }
        if (w == forms.Form16)
            QTest::mouseClick(forms.Form16->CheckBox1, Qt::LeftButton, {},
                              QPoint(8, forms.Form16->CheckBox1->height() / 2));
        QVERIFY(w->isVisible());
        QTest::keyClick(w->focusWidget() ? w->focusWidget() : w, Qt::Key_Escape);
        QCOMPARE(w->isVisible(), !closes);
        if (w == forms.Form16) {
            // As the close box: the choice of the check box goes to the general settings.
            QVERIFY(!forms.Form8->chbtip->isChecked());
        }
    }

    void windowsGoAwayWithTheirOwner() {
        { TestWindows windows; }
        for (QWidget *w : QApplication::topLevelWidgets())
            QVERIFY(!qobject_cast<VokabForm *>(w));
    }
};

QTEST_MAIN(TestWindowsCreation)
#include "tst_windows.moc"
