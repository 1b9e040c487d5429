#pragma once

#include "ui/form.h"
#include "ui/settingsguard.h"

class QCheckBox;
class QPushButton;
class QRadioButton;

// The settings of Testing II: direction, order, when the correct answer is shown,
// sounds. Its controls are the live settings; the registry key "Jednoduchy zkousec"
// keeps them between runs.
class TForm13 : public VokabForm {
    Q_OBJECT
public:
    TForm13(Forms &forms, Platform &platform);

    QRadioButton *rbangcj = nullptr;
    QRadioButton *rbcjang = nullptr;
    QRadioButton *rbpostupne = nullptr;
    QRadioButton *rbnahodne = nullptr;
    QRadioButton *rbzobrazit = nullptr;
    QRadioButton *rbnezobrazit = nullptr;
    QRadioButton *rbobe = nullptr;
    QCheckBox *CheckBox1 = nullptr;
    QPushButton *BitBtn1 = nullptr; // "Zpět"
    QPushButton *BitBtn2 = nullptr; // "Potvrdit"

    void FormCreate();
    void zapisdoregistru();
    void BitBtn2Click();
    void BitBtn1Click();

private:
    settingsguard::Values hodnoty() const;
    bool m_smerVraceni = false;
    bool m_poradiVraceni = false;
};
