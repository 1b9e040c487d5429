#pragma once

#include "app/form.h"

class TForm7 : public VokabForm {
    Q_OBJECT
public:
    TForm7(Forms &forms, Platform &platform);
};
