#pragma once

#include "app/form.h"

class TForm16 : public VokabForm {
    Q_OBJECT
public:
    TForm16(Forms &forms, Platform &platform);
};
