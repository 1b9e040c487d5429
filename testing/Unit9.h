#pragma once

#include "app/form.h"

class TForm9 : public VokabForm {
    Q_OBJECT
public:
    TForm9(Forms &forms, Platform &platform);
};
