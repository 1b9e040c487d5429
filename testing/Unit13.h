#pragma once

#include "app/form.h"

class TForm13 : public VokabForm {
    Q_OBJECT
public:
    TForm13(Forms &forms, Platform &platform);
};
