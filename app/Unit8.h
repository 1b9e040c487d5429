#pragma once

#include "app/form.h"

class TForm8 : public VokabForm {
    Q_OBJECT
public:
    TForm8(Forms &forms, Platform &platform);
};
