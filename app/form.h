#pragma once

#include <QMainWindow>

struct Forms;
struct Platform;

// Base of every window. Windows are created once at start-up and live until the
// program ends; they are only shown and hidden. A window turns Qt's events into the
// handlers the program's windows have: FormShow, FormActivate, FormCloseQuery and
// FormClose (closing hides the window; it is never destroyed by closing).
class VokabForm : public QMainWindow {
    Q_OBJECT
public:
    VokabForm(Forms &forms, Platform &platform, const QString &name, QWidget *parent = nullptr);

    // Fixed size of the client area (below the menu bar), like a dialog frame; larger
    // where the controls' texts need more at the system's font.
    void setFixedClientSize(int width, int height);
    // Moves the window to the centre of the desktop.
    void centreOnDesktop();

protected:
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
