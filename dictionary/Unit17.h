#pragma once

#include "ui/form.h"

// "Vysvětlivky": the keys that draw phonetic symbols in the phonetic font.
class TForm17 : public VokabForm {
    Q_OBJECT
public:
    TForm17(Forms &forms, Platform &platform);
};
