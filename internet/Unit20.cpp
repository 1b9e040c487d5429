#include "internet/Unit20.h"

#include "internet/aktulizovaniznetu.h"
#include "platform/platform.h"
#include "ui/forms.h"
#include "ui/mainwindow.h"

#include <QFileInfo>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

TForm20::TForm20(Forms &forms, Platform &platform)
    : VokabForm(forms, platform, QStringLiteral("Form20")) {
    setWindowTitle(QStringLiteral("Aktualizace"));
    setFrame(Frame::Progress);
    auto *central = new QWidget(this);
    setCentralWidget(central);
    auto *column = new QVBoxLayout(central);
    Label1 = named<QLabel>(central, "Label1");
    Label1->setText(QStringLiteral("Stahují se informace o aktuální verzi, prosím počkejte....."));
    Label1->setWordWrap(true);
    BitBtn1 = named<QPushButton>(central, "BitBtn1");
    BitBtn1->setText(QStringLiteral("Zrušit"));
    Label2 = named<QLabel>(central, "Label2");
    Label2->setText(QStringLiteral("Stahuji:"));
    Label3 = named<QLabel>(central, "Label3");
    Gauge1 = named<QProgressBar>(central, "Gauge1");
    BitBtn2 = named<QPushButton>(central, "BitBtn2");
    BitBtn2->setText(QStringLiteral("Zrušit"));
    for (QWidget *w :
         std::initializer_list<QWidget *>{Label1, BitBtn1, Label2, Label3, Gauge1, BitBtn2})
        column->addWidget(w);
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &TForm20::Timer1Timer);
    connect(BitBtn1, &QPushButton::clicked, this, &TForm20::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &TForm20::BitBtn2Click);
    showWaiting();
    setFixedClientSize(219, 100);
    centreOnDesktop();
    // No close box: Escape cancels as the "Zrušit" shown does.
    pressOnEscape({BitBtn1, BitBtn2});
}

void TForm20::showWaiting() {
    for (QWidget *w : std::initializer_list<QWidget *>{Label2, Label3, Gauge1, BitBtn2})
        w->hide();
    Label1->show();
    BitBtn1->show();
}

void TForm20::showDownload(const QString &fileName, qint64 announcedSize) {
    Label1->hide();
    BitBtn1->hide();
    for (QWidget *w : std::initializer_list<QWidget *>{Label2, Label3, Gauge1, BitBtn2})
        w->show();
    Label3->setText(fileName);
    // The bar counts bytes: a size beyond its range or not given leaves it running
    // without an end.
    if (announcedSize > 0 && announcedSize <= std::numeric_limits<int>::max())
        Gauge1->setRange(0, int(announcedSize));
    else
        Gauge1->setRange(0, 0);
    Gauge1->setValue(0);
    m_last = 0;
}

void TForm20::Timer1Timer() {
    const QFileInfo target(forms.Form18->targetPath());
    if (!target.exists() || Gauge1->maximum() == 0)
        return;
    m_last = int(std::min<qint64>(target.size(), Gauge1->maximum()));
    Gauge1->setValue(m_last);
}

void TForm20::BitBtn1Click() {
    if (const std::unique_ptr<Download> &download = forms.main->versionDownload())
        download->abort();
    forms.main->showUnlessModeOpen();
    close();
}

void TForm20::BitBtn2Click() {
    Timer1->stop();
    forms.Form18->cancelDownload();
    forms.main->showUnlessModeOpen();
    hide();
    close();
    m_last = 0;
}
