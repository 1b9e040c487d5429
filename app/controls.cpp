#include "app/controls.h"

#include "app/form.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>

void makeBold(QWidget *widget) {
    QFont font = widget->font();
    font.setBold(true);
    widget->setFont(font);
}

QLabel *boldLabel(QWidget *parent, const char *name, const QString &text) {
    auto *label = named<QLabel>(parent, name);
    label->setText(text);
    makeBold(label);
    return label;
}

QPushButton *toolButton(QWidget *parent, const char *name, QStyle::StandardPixmap icon,
                        const QString &hint) {
    auto *button = named<QPushButton>(parent, name);
    button->setIcon(parent->style()->standardIcon(icon));
    button->setToolTip(hint);
    button->setFocusPolicy(Qt::NoFocus);
    button->setFixedSize(30, 28);
    return button;
}

QList<int> fittedWidths(const QList<int> &designed, const QList<int> &needed) {
    QList<int> widths = designed;
    int missing = 0;
    int room = 0;
    for (qsizetype c = 0; c < widths.size(); ++c) {
        const int need = c < needed.size() ? needed[c] : 0;
        if (need > designed[c]) {
            missing += need - designed[c];
            widths[c] = need;
        } else {
            room += designed[c] - need;
        }
    }
    const int given = std::min(missing, room);
    int taken = 0;
    for (qsizetype c = 0; c < widths.size() && room > 0; ++c) {
        const int need = c < needed.size() ? needed[c] : 0;
        if (need < designed[c]) {
            const int spare = designed[c] - need;
            taken += spare;
            // Cumulative rounding: the shares add up to exactly what is given.
            widths[c] -=
                int(qint64(given) * taken / room) - int(qint64(given) * (taken - spare) / room);
        }
    }
    return widths;
}

void setColumnWidthsFittingHeaders(QTableView *list, const QList<int> &designed) {
    QList<int> needed;
    for (int c = 0; c < designed.size(); ++c)
        needed.append(list->horizontalHeader()->sectionSizeHint(c));
    const QList<int> widths = fittedWidths(designed, needed);
    for (int c = 0; c < widths.size(); ++c)
        list->setColumnWidth(c, widths[c]);
}
