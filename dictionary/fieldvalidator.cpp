#include "dictionary/fieldvalidator.h"

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
        if (upper && edit->text() != edit->text().toUpper()) {
            const int position = edit->cursorPosition();
            edit->setText(edit->text().toUpper());
            edit->setCursorPosition(std::min(position, int(edit->text().size())));
        }
    }
}
