// The main window's part of the statistics: writing the table at exit.
#include "app/Unit1.h"

#include "app/forms.h"
#include "platform/platform.h"

void TForm1::ulozenistatistik() {}
