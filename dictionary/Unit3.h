#pragma once

#include "app/form.h"

class TForm3 : public VokabForm {
    Q_OBJECT
public:
    TForm3(Forms &forms, Platform &platform);
};
