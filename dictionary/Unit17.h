#pragma once

#include "app/form.h"

class TForm17 : public VokabForm {
    Q_OBJECT
public:
    TForm17(Forms &forms, Platform &platform);
};
