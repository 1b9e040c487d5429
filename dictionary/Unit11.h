#pragma once

#include "app/form.h"

class TForm11 : public VokabForm {
    Q_OBJECT
public:
    TForm11(Forms &forms, Platform &platform);
};
