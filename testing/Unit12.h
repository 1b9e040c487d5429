#pragma once

#include "app/form.h"

class TForm12 : public VokabForm {
    Q_OBJECT
public:
    TForm12(Forms &forms, Platform &platform);
};
