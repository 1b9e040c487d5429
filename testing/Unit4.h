#pragma once

#include "app/form.h"

class TForm4 : public VokabForm {
    Q_OBJECT
public:
    TForm4(Forms &forms, Platform &platform);
};
