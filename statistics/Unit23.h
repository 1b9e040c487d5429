#pragma once

#include "app/form.h"

class TForm23 : public VokabForm {
    Q_OBJECT
public:
    TForm23(Forms &forms, Platform &platform);
};
