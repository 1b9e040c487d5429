#pragma once

#include <QList>
#include <QMainWindow>
#include <QPointer>

class QAbstractButton;
class QKeyEvent;
struct Forms;
struct Platform;

// Base of every window. Windows are created once at start-up and live until the
// program ends; they are only shown and hidden. A window turns Qt's events into the
// handlers the program's windows have: FormShow, FormActivate, FormCloseQuery and
// FormClose (closing hides the window; it is never destroyed by closing).
//
// Keys as on every desktop: Return (and Space) on a focused button presses it, in every
// window, without making it the window's default button. Escape does what a window asks
// for: a dialog closes as by its close box, a dialog without one presses its way out;
// other windows keep their own keys.
class VokabForm : public QMainWindow {
    Q_OBJECT
public:
    VokabForm(Forms &forms, Platform &platform, const QString &name, QWidget *parent = nullptr);

    // Fixed size of the client area (below the menu bar), like a dialog frame; larger
    // where the controls' texts or the window's title need more at the system's font.
    void setFixedClientSize(int width, int height);
    // The same size as the smallest client area of a window the user may enlarge (its
    // lists grow with it); the window starts at that size.
    void setMinimumClientSize(int width, int height);
    // The width the window's title needs to show whole beside the frame's icon and buttons.
    int titleWidth() const;
    // The frame and its buttons. Every framed kind asks for its buttons alone
    // (Qt::CustomizeWindowHint), so that a window manager adds none of its own.
    enum class Frame {
        Fixed,                // system menu, minimise button and close box
        Sizeable,             // the same with a maximise button, and a border to drag
        FixedWithoutMinimise, // system menu and close box
        CloseBoxOnly,         // a dialog with its close box alone
        Progress,             // a dialog with system menu and minimise button, no close box
        NoCloseBox,           // a dialog that only its buttons leave
        None,                 // no frame at all (the splash)
    };
    void setFrame(Frame frame);
    // Moves the window to the centre of the desktop.
    void centreOnDesktop();
    // Moves the window beside `other` (right of it, else left of it) where the screen has
    // room; else to the screen's right edge, below `keepClear` (global coordinates).
    void placeBeside(const QWidget *other, const QRect &keepClear);

protected:
    // Escape closes this window as its close box does (the same handlers run).
    void closeOnEscape();
    // Escape presses the first of these buttons that is shown: the way out of a dialog
    // without a close box. A disabled button keeps the dialog open.
    void pressOnEscape(const QList<QAbstractButton *> &buttons);

    virtual void FormShow() {}
    virtual void FormActivate() {}
    // False refuses the close: the window stays open.
    virtual bool FormCloseQuery() { return true; }
    virtual void FormClose() {}

    bool event(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

    Forms &forms;
    Platform &platform;

private:
    // True when the key did what it does in every window.
    bool desktopKey(const QKeyEvent *key);

    enum class Escape { Ignored, Closes, Presses };
    Escape m_escape = Escape::Ignored;
    bool m_sizeable = false;
    QList<QPointer<QAbstractButton>> m_escapeButtons;
};

// The text the system shows for the running program: "Vokab", or "Vokab - " and the
// mode's name while a mode window is open.
void setApplicationTitle(const QString &title);
QString applicationTitle();

// Creates a control with its name as objectName; Qt's parent owns it.
template <typename Control> Control *named(QWidget *parent, const char *name) {
    auto *control = new Control(parent);
    control->setObjectName(QString::fromLatin1(name));
    return control;
}
