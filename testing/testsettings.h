#pragma once

#include "ui/form.h"
#include "ui/settingstable.h"

#include <functional>

class QCheckBox;
class QPushButton;
class QRadioButton;

// What the settings windows of Testing I and Testing II share: the groups of direction,
// order and showing answers, the sound option, "Potvrdit" and "Zpět", the registry key of
// their controls, and the guard that keeps direction and order while a test is loaded.
// Its controls are the live settings.
class TestSettingsForm : public VokabForm {
    Q_OBJECT
public:
    QRadioButton *rbcjang = nullptr;
    QRadioButton *rbangcj = nullptr;
    QRadioButton *rbpostupne = nullptr;
    QRadioButton *rbnahodne = nullptr;
    QRadioButton *rbzobrazit = nullptr;
    QRadioButton *rbnezobrazit = nullptr;
    QCheckBox *CheckBox1 = nullptr;
    // Ours: the expressions' pictures shown already with the question (off: with the
    // answer, so that a picture never gives the answer away unless asked to).
    QCheckBox *pictureWithQuestion = nullptr;
    QPushButton *BitBtn2 = nullptr; // "Potvrdit"
    QPushButton *BitBtn1 = nullptr; // "Zpět"

    // Loads the key, or creates it with the controls' states.
    void FormCreate();
    void zapisdoregistru();

protected:
    // How the two windows differ.
    struct Design {
        QString key;
        bool foreignFirst = false; // "Z CIZ do CZ" above "Z CZ do CIZ"
        bool backFirst = false;    // "Zpět" left of "Potvrdit"
        QString soundCaption;
        bool answerEachTime = false; // the option "Odpověď zobrazovat pokaždé"
        QString pictureValue;        // its value in the pictures' key "Obrazky"
    };
    // `testLoaded` tells whether the window's test holds a dictionary.
    TestSettingsForm(Forms &forms, Platform &platform, const QString &name, const Design &design,
                     std::function<bool()> testLoaded);

    // The option "Odpověď zobrazovat pokaždé", when the design has it.
    QRadioButton *answerEachTime = nullptr;

private:
    SettingsTable m_settings;
    SettingsTable m_pictures;
    bool m_restoringDirection = false;
    bool m_restoringOrder = false;
};
