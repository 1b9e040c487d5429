#pragma once

class QObject;

// Presses the control `name` of `window` as the user would: a click on a button, a
// check box or a radio button, a trigger of a menu item. Fails the test when the window
// has no such control or it cannot be pressed.
void press(QObject *window, const char *name);
