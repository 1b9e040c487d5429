#include "testing/testwindows.h"

#include "statistics/Unit23.h"
#include "ui/controls.h"
#include "ui/forms.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

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

QList<QPushButton *> optionButtons(QWidget *panel) {
    auto *column = new QVBoxLayout(panel);
    column->setContentsMargins(0, 0, 0, 0);
    QList<QPushButton *> buttons;
    for (int i = 0; i < choices::kOptions; ++i) {
        auto *button = named<QPushButton>(
            panel, QStringLiteral("choiceButton%1").arg(i + 1).toLatin1().constData());
        button->setStyleSheet(QStringLiteral("text-align: left; padding: 2px 6px;"));
        column->addWidget(button);
        buttons.append(button);
    }
    return buttons;
}

void showOptions(const QList<QPushButton *> &buttons, const choices::Question &question) {
    for (int i = 0; i < buttons.size(); ++i) {
        const bool shown = i < question.options.size();
        const QString option = shown ? question.options[i] : QString();
        QString text = QStringLiteral("%1   %2").arg(i + 1).arg(option);
        buttons[i]->setText(text.replace(u'&', QStringLiteral("&&")));
        buttons[i]->setAccessibleName(QStringLiteral("Možnost %1: %2").arg(i + 1).arg(option));
        buttons[i]->setVisible(shown);
    }
}

} // namespace testwindows
