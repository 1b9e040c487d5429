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

class QLineEdit;

// Switches the edits' upper-case mode; switching it on turns their text upper case.
void setUpperCaseInput(std::initializer_list<QLineEdit *> edits, bool upper);
