#pragma once

#include "app/form.h"

class TForm14 : public VokabForm {
    Q_OBJECT
public:
    TForm14(Forms &forms, Platform &platform);
};
