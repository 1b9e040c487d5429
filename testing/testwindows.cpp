#include "testing/testwindows.h"

#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/platform.h"
#include "review/planrecorder.h"
#include "review/reviewwindow.h"
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

void recordInPlan(Forms &forms, review::PlanRecorder &plan, const review::Key &key,
                  review::Rating rating) {
    if (!plan.isOn())
        return;
    ReviewWindow *window = forms.review;
    window->report(plan.record(key, rating, window->today(), window->parameters()));
}

void zapisStatistiky(Forms &forms, const QString &dictionaryPath, int correct, int wrong,
                     const QString &done, const QString &kind) {
    if (correct == 0 && wrong == 0)
        return;
    forms.Form23->zapisdostatistik(dictionaryPath, correct, wrong, done, kind);
}

} // namespace testwindows
