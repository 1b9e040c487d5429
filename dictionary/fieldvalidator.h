#pragma once

#include "dictionary/editorlogic.h"

#include <QValidator>

// Applies the editor's field rules (upper-case mode, no ";") to everything that enters
// a line edit: typed characters, pasted text and texts set by the program.
class FieldValidator final : public QValidator {
    Q_OBJECT
public:
    FieldValidator(editor::FieldRules rules, QObject *parent)
        : QValidator(parent), m_rules(rules) {}

    State validate(QString &input, int &position) const override;

    bool upperCase() const { return m_rules.upperCase; }
    void setUpperCase(bool upper) { m_rules.upperCase = upper; }

private:
    editor::FieldRules m_rules;
};

class QKeyEvent;
class QLineEdit;

// Switches the edits' upper-case mode; switching it on turns their text upper case.
void setUpperCaseInput(std::initializer_list<QLineEdit *> edits, bool upper);

// In upper-case mode, a key that types small letters is given to the edit again with
// its capitals, so that it is typed where the caret is and can be undone (a text the
// validator has to change loses the edit's undo). True when the key was given again.
bool retypeInUpperCase(QLineEdit *edit, const QKeyEvent &key);
