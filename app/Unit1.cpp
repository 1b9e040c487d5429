#include "app/Unit1.h"

#include "app/forms.h"
#include "platform/platform.h"

#include <QGroupBox>
#include <QPushButton>

TForm1::TForm1(Forms &forms, Platform &platform)
    : VokabForm(forms, platform, QStringLiteral("Form1")) {
    setWindowTitle(QStringLiteral("Vokab 2.20"));
    setCentralWidget(new QWidget(this));
    GroupBox1 = named<QGroupBox>(centralWidget(), "GroupBox1");
    bteditor = named<QPushButton>(GroupBox1, "bteditor");
    btvyuka = named<QPushButton>(GroupBox1, "btvyuka");
    btzkouseni = named<QPushButton>(GroupBox1, "btzkouseni");
    btzkouseni1 = named<QPushButton>(GroupBox1, "btzkouseni1");
    BitBtn1 = named<QPushButton>(GroupBox1, "BitBtn1");
    btkonec = named<QPushButton>(centralWidget(), "btkonec");
}

TForm1::~TForm1() = default;

void TForm1::bteditorClick() {}
void TForm1::btvyukaClick() {}
void TForm1::btzkouseniClick() {}
void TForm1::btzkouseni1Click() {}
void TForm1::BitBtn1Click() {}
void TForm1::btkonecClick() {}
void TForm1::StatistikyClick() {}
void TForm1::NastaveniClick() {}
void TForm1::NapovedaClick() {}
void TForm1::TipdneClick() {}
void TForm1::NapsatautoroviClick() {}
void TForm1::StrankyprogramuClick() {}
void TForm1::OProgramuClick() {}
void TForm1::FormActivate() {}
void TForm1::FormClose() {}
