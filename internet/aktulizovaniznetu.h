#pragma once

#include "app/form.h"

class TForm18 : public VokabForm {
    Q_OBJECT
public:
    TForm18(Forms &forms, Platform &platform);
};
