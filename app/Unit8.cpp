#include "app/Unit8.h"

#include "app/forms.h"
#include "platform/platform.h"

#include <QCheckBox>
#include <QFrame>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QToolButton>

TForm8::TForm8(Forms &forms, Platform &platform)
    : VokabForm(forms, platform, QStringLiteral("Form8")), m_chartColour(Qt::blue) {
    setWindowTitle(QStringLiteral("Obecné nastavení"));
    setCentralWidget(new QWidget(this));
    PageControl1 = named<QTabWidget>(centralWidget(), "PageControl1");
    chbvelke = named<QCheckBox>(centralWidget(), "chbvelke");
    chbtip = named<QCheckBox>(centralWidget(), "chbtip");
    chbtip->setChecked(true);
    chbtemp = named<QCheckBox>(centralWidget(), "chbtemp");
    chbtemp->setChecked(true);
    sp1 = named<QSpinBox>(centralWidget(), "sp1");
    sp1->setRange(4, 100);
    sp1->setValue(80);
    sp2 = named<QSpinBox>(centralWidget(), "sp2");
    sp2->setRange(3, 99);
    sp2->setValue(60);
    sp3 = named<QSpinBox>(centralWidget(), "sp3");
    sp3->setRange(2, 98);
    sp3->setValue(50);
    sp4 = named<QSpinBox>(centralWidget(), "sp4");
    sp4->setRange(1, 97);
    sp4->setValue(30);
    chbkompletnidokonceni = named<QCheckBox>(centralWidget(), "chbkompletnidokonceni");
    chbkompletnidokonceni->setChecked(true);
    chbprerusenizkouseni = named<QCheckBox>(centralWidget(), "chbprerusenizkouseni");
    chbprerusenizkouseni->setChecked(true);
    Panel1 = named<QFrame>(centralWidget(), "Panel1");
    SpeedButton1 = named<QToolButton>(centralWidget(), "SpeedButton1");
    BitBtn1 = named<QPushButton>(centralWidget(), "BitBtn1");
    BitBtn2 = named<QPushButton>(centralWidget(), "BitBtn2");
}

QColor TForm8::barvaGrafu() const {
    return m_chartColour;
}

void TForm8::FormCreate() {}
void TForm8::zapisdoregistru() {}
void TForm8::BitBtn1Click() {}
void TForm8::BitBtn2Click() {}
void TForm8::sp2Change() {}
void TForm8::SpeedButton1Click() {}
void TForm8::FormClose() {}
