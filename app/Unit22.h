#pragma once

#include "app/form.h"

class TForm22 : public VokabForm {
    Q_OBJECT
public:
    TForm22(Forms &forms, Platform &platform);
};
