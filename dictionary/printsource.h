#pragma once

#include "dictionary/slovnik.h"

// What the print window prints from and goes back to: the evaluation window.
class PrintSource {
public:
    // The records of the chosen expressions, Czech and foreign in their own fields.
    virtual Tpole chosenRecords() const = 0;
    // Shows the window again when the print window closes.
    virtual void showAfterPrinting() = 0;

protected:
    ~PrintSource() = default;
};
