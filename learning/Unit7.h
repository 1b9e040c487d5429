#pragma once

#include "ui/form.h"
#include "ui/settingstable.h"

class QCheckBox;
class QPushButton;
class QSpinBox;

// The learning settings: automatic advance, its seconds and the font size of the
// learning window. Its controls are the live settings the learning window reads.
class TForm7 : public VokabForm {
    Q_OBJECT
public:
    TForm7(Forms &forms, Platform &platform);

    QCheckBox *chbautposuv = nullptr;
    QSpinBox *SpinEdit1 = nullptr;
    QSpinBox *spedtvyskapisma = nullptr;
    QPushButton *BitBtn1 = nullptr;
    QPushButton *BitBtn2 = nullptr;

    void FormCreate();
    void zapisdoregistru();
    void chbautposuvClick();
    void BitBtn1Click(); // "Potvrdit"
    void BitBtn2Click(); // "Zpět"

private:
    // The key "Vyuka": each value, its control and its default.
    SettingsTable m_settings;
};
