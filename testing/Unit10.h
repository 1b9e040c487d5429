#pragma once

#include "ui/form.h"
#include "ui/settingsguard.h"

class QCheckBox;
class QPushButton;
class QRadioButton;

// The settings of Testing I: direction, order, showing the right answer after a wrong
// one, sounds. Its controls are the live settings.
class TForm10 : public VokabForm {
    Q_OBJECT
public:
    TForm10(Forms &forms, Platform &platform);

    QRadioButton *rbcjang = nullptr;
    QRadioButton *rbangcj = nullptr;
    QRadioButton *rbpostupne = nullptr;
    QRadioButton *rbnahodne = nullptr;
    QRadioButton *rbzobrazit = nullptr;
    QRadioButton *rbnezobrazit = nullptr;
    QCheckBox *CheckBox1 = nullptr;
    QPushButton *BitBtn2 = nullptr; // "Potvrdit"
    QPushButton *BitBtn1 = nullptr; // "Zpět"

    void FormCreate();
    void zapisdoregistru();
    void BitBtn2Click();
    void BitBtn1Click();

private:
    settingsguard::Values hodnoty() const;
    bool m_smerVraceni = false;
    bool m_poradiVraceni = false;
};
