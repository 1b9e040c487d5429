#pragma once

#include "app/form.h"

class TForm19 : public VokabForm {
    Q_OBJECT
public:
    TForm19(Forms &forms, Platform &platform);
};
