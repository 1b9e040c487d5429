#pragma once

#include "app/form.h"

class TForm20 : public VokabForm {
    Q_OBJECT
public:
    TForm20(Forms &forms, Platform &platform);
};
