#pragma once

#include "app/form.h"

class TForm10 : public VokabForm {
    Q_OBJECT
public:
    TForm10(Forms &forms, Platform &platform);
};
