#pragma once

#include "app/form.h"

class TForm6 : public VokabForm {
    Q_OBJECT
public:
    TForm6(Forms &forms, Platform &platform);
};
