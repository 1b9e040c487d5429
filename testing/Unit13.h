#pragma once

#include "testing/testsettings.h"

// The settings of Testing II: direction, order, when the correct answer is shown,
// sounds; the registry key "Jednoduchy zkousec" keeps them between runs.
class TForm13 : public TestSettingsForm {
    Q_OBJECT
public:
    TForm13(Forms &forms, Platform &platform);

    QRadioButton *rbobe = nullptr;

    void BitBtn2Click();
    void BitBtn1Click();
};
