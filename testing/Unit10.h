#pragma once

#include "testing/testsettings.h"

// The settings of Testing I: direction, order, showing the right answer after a wrong
// one, sounds; the registry key "Normalni zkousec" keeps them between runs.
class TForm10 : public TestSettingsForm {
    Q_OBJECT
public:
    TForm10(Forms &forms, Platform &platform);

    void BitBtn2Click();
    void BitBtn1Click();
};
