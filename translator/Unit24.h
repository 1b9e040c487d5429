#pragma once

#include "app/form.h"

class TForm24 : public VokabForm {
    Q_OBJECT
public:
    TForm24(Forms &forms, Platform &platform);
};
