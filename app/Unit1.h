#pragma once

#include "app/form.h"

class TForm1 : public VokabForm {
    Q_OBJECT
public:
    TForm1(Forms &forms, Platform &platform);
};
