#pragma once

#include "ui/form.h"

class QLabel;
class QProgressBar;
class QPushButton;
class QTimer;

// The small "Aktualizace" window: a waiting message while the version file comes, and
// the progress of the installer's download, sampled from the file's size on disk.
class TForm20 : public VokabForm {
    Q_OBJECT
public:
    TForm20(Forms &forms, Platform &platform);

    QLabel *Label1 = nullptr;       // the waiting message
    QPushButton *BitBtn1 = nullptr; // "Zrušit" while waiting
    QLabel *Label2 = nullptr;       // "Stahuji:"
    QLabel *Label3 = nullptr;       // the installer's name
    QProgressBar *Gauge1 = nullptr;
    QPushButton *BitBtn2 = nullptr; // "Zrušit" while downloading
    QTimer *Timer1 = nullptr;

    // The two arrangements of the window.
    void showWaiting();
    void showDownload(const QString &fileName, qint64 announcedSize);

    void Timer1Timer();
    void BitBtn1Click();
    void BitBtn2Click();

    int last() const { return m_last; }

private:
    int m_last = 0; // the last progress shown
};
