#include "ui/settingstable.h"

#include "platform/dialogs.h"
#include "platform/registry.h"

#include <QAbstractButton>
#include <QAction>
#include <QSpinBox>

SettingsTable &SettingsTable::add(Value value) {
    value.onlyWith = m_onlyWith;
    value.mayBeMissing = m_mayBeMissing;
    m_values.append(std::move(value));
    return *this;
}

SettingsTable &SettingsTable::flag(const QString &name, QAbstractButton *control, bool fallback) {
    return flag(
        name, [control] { return control->isChecked(); },
        [control](bool on) { control->setChecked(on); }, fallback);
}

SettingsTable &SettingsTable::flag(const QString &name, QAction *control, bool fallback) {
    return flag(
        name, [control] { return control->isChecked(); },
        [control](bool on) { control->setChecked(on); }, fallback);
}

SettingsTable &SettingsTable::flag(const QString &name, std::function<bool()> get,
                                   std::function<void(bool)> set, bool fallback) {
    Value value;
    value.name = name;
    value.integer = [get] { return get() ? 1 : 0; };
    value.setInteger = [set](qint32 stored) { set(stored != 0); };
    value.integerDefault = fallback ? 1 : 0;
    return add(std::move(value));
}

SettingsTable &SettingsTable::number(const QString &name, QSpinBox *control, int fallback) {
    Value value;
    value.name = name;
    value.integer = [control] { return control->value(); };
    value.setInteger = [control](qint32 stored) { control->setValue(stored); };
    value.integerDefault = fallback;
    return add(std::move(value));
}

SettingsTable &SettingsTable::text(const QString &name, std::function<QString()> get,
                                   std::function<void(const QString &)> set,
                                   const QString &fallback) {
    Value value;
    value.name = name;
    value.isText = true;
    value.string = std::move(get);
    value.setString = std::move(set);
    value.stringDefault = fallback;
    return add(std::move(value));
}

SettingsTable &SettingsTable::readOnlyWith(const QString &name) {
    m_onlyWith = name;
    return *this;
}

SettingsTable &SettingsTable::mayBeMissing() {
    m_mayBeMissing = true;
    return *this;
}

void SettingsTable::load(Registry &registry, Dialogs &dialogs) const {
    SettingsReader reader(registry, m_key);
    for (const Value &value : m_values) {
        if (!value.onlyWith.isEmpty() && !registry.valueExists(m_key, value.onlyWith))
            continue;
        if (value.mayBeMissing && !registry.valueExists(m_key, value.name))
            continue;
        if (value.isText)
            value.setString(reader.string(value.name));
        else
            value.setInteger(reader.integer(value.name, value.integer()));
    }
    reader.report(dialogs);
}

void SettingsTable::loadOrStore(Registry &registry, Dialogs &dialogs) const {
    if (registry.keyExists(m_key))
        load(registry, dialogs);
    else
        store(registry, dialogs);
}

void SettingsTable::write(Registry &registry, bool defaults) const {
    if (!registry.keyExists(m_key))
        registry.createKey(m_key);
    for (const Value &value : m_values) {
        if (value.isText)
            registry.writeString(m_key, value.name,
                                 defaults ? value.stringDefault : value.string());
        else
            registry.writeInteger(m_key, value.name,
                                  defaults ? value.integerDefault : value.integer());
    }
}

void SettingsTable::store(Registry &registry, Dialogs &dialogs) const {
    registry.store(dialogs, [&] { write(registry, false); });
}

void SettingsTable::storeDefaults(Registry &registry, Dialogs &dialogs) const {
    registry.store(dialogs, [&] { write(registry, true); });
}
