#pragma once

#include "ui/forms.h"

#include <QWidget>

#include <functional>
#include <memory>
#include <vector>

struct Platform;

// Creates every window of the program once, in the fixed order, and destroys them in
// the reverse order when it goes.
class Windows {
public:
    // `splashMade` is called once the splash exists, before the other windows are made
    // (the program shows it there, so that something is on screen at once).
    explicit Windows(Platform &platform, const std::function<void(Forms &)> &splashMade = {});
    ~Windows();
    Windows(const Windows &) = delete;
    Windows &operator=(const Windows &) = delete;

    Forms &forms() { return m_forms; }

private:
    template <typename Window> void create(Window *&slot);

    Platform &m_platform;
    Forms m_forms;
    std::vector<std::unique_ptr<QWidget>> m_owned;
};

// Shows the splash while the other windows are being made (for Windows' `splashMade`).
void showSplash(Forms &forms);
// Shows the first window once all windows exist; the message loop then takes over.
void startProgram(Forms &forms);

// Brings the running program to the front when it is started again: every window it
// shows comes up from the task bar and over other programs, the main window below the
// others and a modal question on top, active.
void bringToFront(Forms &forms);
