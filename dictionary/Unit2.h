#pragma once

#include "app/form.h"

class TForm2 : public VokabForm {
    Q_OBJECT
public:
    TForm2(Forms &forms, Platform &platform);
};
