#include "testing/testwindows.h"

#include "statistics/Unit23.h"
#include "testing/Unit12.h"
#include "testing/Unit4.h"
#include "testing/Unit9.h"
#include "ui/controls.h"
#include "ui/form.h"
#include "ui/forms.h"

#include <QAction>
#include <QGridLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

namespace testwindows {

QAction *action(QWidget *menu, const char *name, const QString &text) {
    auto *item = new QAction(text, menu);
    item->setObjectName(QString::fromLatin1(name));
    menu->addAction(item);
    return item;
}

QPushButton *separator(QWidget *parent) {
    auto *button = named<QPushButton>(parent, "Button1");
    button->setEnabled(false);
    button->setFocusPolicy(Qt::NoFocus);
    button->setFixedSize(4, 28);
    return button;
}

QLabel *label(QWidget *parent, const char *name, const QString &text) {
    auto *l = named<QLabel>(parent, name);
    l->setText(text);
    return l;
}

QPlainTextEdit *memo(QWidget *parent, const char *name, bool bold) {
    auto *m = named<QPlainTextEdit>(parent, name);
    m->setReadOnly(true);
    m->setFixedHeight(48);
    if (bold)
        makeBold(m);
    return m;
}

QLabel *infoRow(QGridLayout *grid, int row, const char *name, const char *caption) {
    QWidget *parent = grid->parentWidget();
    grid->addWidget(new QLabel(QString::fromUtf8(caption), parent), row, 0);
    auto *value = label(parent, name, QStringLiteral("-"));
    grid->addWidget(value, row, 1);
    return value;
}

void predejVyhodnoceni(Forms &forms, TForm9 *evaluation, QWidget *test, bool again) {
    // The evaluation window serves one test at a time, the one that ended last: a test
    // of the other kind still waiting there lets go of its finished result.
    if (test == forms.Form4 && forms.Form12->dokonceno)
        forms.Form12->zaklnastaveni();
    if (test == forms.Form12 && forms.Form4->dokonceno)
        forms.Form4->zakladninastav();
    evaluation->show();
    if (again)
        evaluation->rbznova->setChecked(true);
    test->hide();
}

void zapisStatistiky(Forms &forms, const QString &dictionaryPath, int correct, int wrong,
                     const QString &done, const QString &kind) {
    if (correct == 0 && wrong == 0)
        return;
    forms.Form23->zapisdostatistik(dictionaryPath, correct, wrong, done, kind);
}

} // namespace testwindows

namespace testwindows {

void setTextColour(QWidget *widget, const std::optional<QColor> &colour) {
    if (!colour) {
        widget->setPalette(QPalette());
        return;
    }
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, *colour);
    palette.setColor(QPalette::Text, *colour);
    widget->setPalette(palette);
}

} // namespace testwindows
