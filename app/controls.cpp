#include "app/controls.h"

#include "app/form.h"

#include <QLabel>
#include <QPushButton>

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
