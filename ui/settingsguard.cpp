#include "ui/settingsguard.h"

#include "platform/dialogs.h"
#include "ui/form.h"

#include <QGroupBox>
#include <QLayout>
#include <QRadioButton>
#include <QVBoxLayout>

namespace settingsguard {

QGroupBox *group(QWidget *parent, QLayout *layout, const QString &caption) {
    auto *box = new QGroupBox(caption, parent);
    new QVBoxLayout(box);
    layout->addWidget(box);
    return box;
}

QRadioButton *radio(QGroupBox *group, const char *name, const QString &text, bool checked) {
    auto *button = named<QRadioButton>(group, name);
    button->setText(text);
    button->setChecked(checked);
    group->layout()->addWidget(button);
    return button;
}

void guard(QWidget *window, QRadioButton *first, QRadioButton *second, bool &reverting,
           std::function<bool()> loaded, Dialogs &dialogs) {
    const auto onChecked = [&reverting, loaded, &dialogs](QRadioButton *other) {
        if (!loaded())
            return;
        if (reverting) {
            reverting = false;
            return;
        }
        dialogs.warning(QStringLiteral("Během zkoušení není povoleno měnit tuto vlastnost!"));
        reverting = true;
        other->setChecked(true);
    };
    QObject::connect(first, &QRadioButton::toggled, window, [onChecked, second](bool checked) {
        if (checked)
            onChecked(second);
    });
    QObject::connect(second, &QRadioButton::toggled, window, [onChecked, first](bool checked) {
        if (checked)
            onChecked(first);
    });
}

} // namespace settingsguard
