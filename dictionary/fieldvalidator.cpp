#include "dictionary/fieldvalidator.h"

#include "core/win1250.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>

QValidator::State FieldValidator::validate(QString &input, int &position) const {
    const QString text = editor::fieldText(input, m_rules);
    if (text != input) {
        position = int(editor::fieldText(input.left(position), m_rules).size());
        input = text;
        position = std::min(position, int(input.size()));
    }
    return Acceptable;
}

void setUpperCaseInput(std::initializer_list<QLineEdit *> edits, bool upper) {
    for (QLineEdit *edit : edits) {
        auto *validator =
            qobject_cast<FieldValidator *>(const_cast<QValidator *>(edit->validator()));
        if (!validator || validator->upperCase() == upper)
            continue;
        validator->setUpperCase(upper);
        const QString upperText = win1250::toUpper(edit->text());
        if (upper && edit->text() != upperText) {
            const int position = edit->cursorPosition();
            edit->setText(upperText);
            edit->setCursorPosition(std::min(position, int(edit->text().size())));
        }
    }
}

bool retypeInUpperCase(QLineEdit *edit, const QKeyEvent &key) {
    auto *validator = qobject_cast<const FieldValidator *>(edit->validator());
    if (!validator || !validator->upperCase() || key.text().isEmpty())
        return false;
    const QString upper = win1250::toUpper(key.text());
    if (upper == key.text())
        return false;
    QKeyEvent retyped(key.type(), key.key(), key.modifiers(), upper, key.isAutoRepeat(),
                      key.count());
    QCoreApplication::sendEvent(edit, &retyped);
    return true;
}
