#include "ui/settingsguard.h"

#include "platform/dialogs.h"
#include "platform/registry.h"
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

void load(Registry &registry, Dialogs &dialogs, const QString &key, const Values &values) {
    if (!registry.keyExists(key)) {
        store(registry, dialogs, key, values);
        return;
    }
    SettingsReader reader(registry, key);
    for (const auto &[name, control] : values)
        control->setChecked(reader.boolean(name, control->isChecked()));
    reader.report(dialogs);
}

void store(Registry &registry, Dialogs &dialogs, const QString &key, const Values &values) {
    registry.store(dialogs, [&] {
        if (!registry.keyExists(key))
            registry.createKey(key);
        for (const auto &[name, control] : values)
            registry.writeBool(key, name, control->isChecked());
    });
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
