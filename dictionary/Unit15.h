#pragma once

#include "app/form.h"

class TForm15 : public VokabForm {
    Q_OBJECT
public:
    TForm15(Forms &forms, Platform &platform);
};
