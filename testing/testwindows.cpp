#include "testing/testwindows.h"

#include "statistics/Unit23.h"
#include "ui/controls.h"
#include "ui/forms.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

namespace testwindows {

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

bool recordStatistics(Forms &forms, const QString &dictionaryPath, int correct, int wrong,
                      const QString &done, const QString &kind) {
    if (correct == 0 && wrong == 0)
        return false;
    return forms.Form23->zapisdostatistik(dictionaryPath, correct, wrong, done, kind);
}

void withdrawStatistics(Forms &forms) {
    forms.Form23->withdrawLast();
}

} // namespace testwindows
