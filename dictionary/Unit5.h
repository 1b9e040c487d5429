#pragma once

#include "app/form.h"

class TForm5 : public VokabForm {
    Q_OBJECT
public:
    TForm5(Forms &forms, Platform &platform);

    // Shown by the editor's sound button.
    void zobraz();
};
