#pragma once

#include "ui/form.h"

class QLabel;
class QTimer;
class QToolButton;

// The splash picture at start-up, which gives way to the main window after two
// ticks of Timer1, and the about box (the same window with its close button and the
// two address labels shown).
class TForm22 : public VokabForm {
    Q_OBJECT
public:
    TForm22(Forms &forms, Platform &platform);

    // The ticks of Timer1 still to come before the main window appears.
    int ticksLeft = 2;

    QLabel *Image1 = nullptr;
    QToolButton *SpeedButton1 = nullptr;
    QTimer *Timer1 = nullptr;
    QLabel *Label1 = nullptr; // "e-mail: " and the author's address
    QLabel *Label2 = nullptr; // "www: " and the product's web address

    // The picture from the program folder, or a plain one with the title when the
    // picture cannot be read.
    static QPixmap picture(const QString &file);

    void Timer1Timer();
    // The ticks have ended: the main window comes, once every window exists.
    void giveWay();
    // Every window exists now: the main window comes if the ticks ended before.
    void windowsMade();
    void SpeedButton1Click();
    // Shows the window as the about box: close button and addresses visible, no timer.
    void showAbout();

    void FormShow() override;
    void FormActivate() override;
    bool FormCloseQuery() override;

private:
    bool m_giveWayWhenMade = false;
};
