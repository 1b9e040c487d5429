#include "learning/Unit7.h"

#include "learning/Unit6.h"
#include "platform/platform.h"
#include "ui/controls.h"
#include "ui/forms.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

const QString kKey = QStringLiteral("Vyuka");

// A spin field of the window: it changes only by its arrows.
QSpinBox *arrowsOnly(QWidget *parent, const char *name, int minimum, int maximum, int value) {
    QSpinBox *spin = arrowsOnlySpinBox(parent, name, minimum, maximum, value);
    spin->setFixedWidth(48);
    return spin;
}

} // namespace

TForm7::TForm7(Forms &forms, Platform &platform)
    : VokabForm(forms, platform, QStringLiteral("Form7")), m_settings(kKey) {
    setWindowTitle(QStringLiteral("Nastavení výuky výrazů"));
    setFrame(Frame::CloseBoxOnly);
    auto *central = new QWidget(this);
    setCentralWidget(central);
    auto *column = new QVBoxLayout(central);

    auto *advance = named<QGroupBox>(central, "GroupBox1");
    advance->setTitle(QStringLiteral("Automatické posouvání výrazů:"));
    auto *advanceLayout = new QGridLayout(advance);
    chbautposuv = named<QCheckBox>(advance, "chbautposuv");
    chbautposuv->setText(QStringLiteral("Zapnout"));
    chbautposuv->setChecked(true);
    SpinEdit1 = arrowsOnly(advance, "SpinEdit1", 2, 20, 2);
    auto *before = named<QLabel>(advance, "Label1");
    before->setText(QStringLiteral("Při výuce posouvat po:"));
    auto *after = named<QLabel>(advance, "Label2");
    after->setText(QStringLiteral("sekundách"));
    advanceLayout->addWidget(chbautposuv, 0, 0, 1, 3);
    advanceLayout->addWidget(before, 1, 0);
    advanceLayout->addWidget(SpinEdit1, 1, 1);
    advanceLayout->addWidget(after, 1, 2);
    column->addWidget(advance);

    auto *size = named<QGroupBox>(central, "GroupBox2");
    size->setTitle(QStringLiteral("Velikost písma zobrazovaných výrazů:"));
    auto *sizeLayout = new QHBoxLayout(size);
    auto *sizeLabel = named<QLabel>(size, "Label3");
    sizeLabel->setText(QStringLiteral("Nastavit velikost na:"));
    spedtvyskapisma = arrowsOnly(size, "spedtvyskapisma", 10, 20, 10);
    sizeLayout->addWidget(sizeLabel);
    sizeLayout->addWidget(spedtvyskapisma);
    sizeLayout->addStretch();
    column->addWidget(size);

    auto *buttons = new QHBoxLayout;
    BitBtn1 = named<QPushButton>(central, "BitBtn1");
    BitBtn1->setText(QStringLiteral("Potvrdit"));
    BitBtn2 = named<QPushButton>(central, "BitBtn2");
    BitBtn2->setText(QStringLiteral("Zpět"));
    buttons->addWidget(BitBtn1);
    buttons->addWidget(BitBtn2);
    column->addLayout(buttons);

    connect(chbautposuv, &QCheckBox::toggled, this, &TForm7::chbautposuvClick);
    connect(BitBtn1, &QPushButton::clicked, this, &TForm7::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &TForm7::BitBtn2Click);

    setFixedClientSize(247, 176);
    centreOnDesktop();
    closeOnEscape();
    m_settings.flag(QStringLiteral("Interval"), chbautposuv, true)
        .number(QStringLiteral("Pocsekund"), SpinEdit1, 2)
        .number(QStringLiteral("VyskaPisma"), spedtvyskapisma, 10);
    FormCreate();
}

void TForm7::FormCreate() {
    m_settings.loadOrStore(*platform.registry, *platform.dialogs);
}

void TForm7::zapisdoregistru() {
    m_settings.store(*platform.registry, *platform.dialogs);
}

void TForm7::chbautposuvClick() {
    SpinEdit1->setEnabled(chbautposuv->isChecked());
}

void TForm7::BitBtn1Click() {
    TForm6 *learning = forms.Form6;
    if (chbautposuv->isChecked()) {
        learning->BitBtn3->setEnabled(true);
        learning->lbinterval->setText(QString::number(SpinEdit1->value()));
    } else {
        learning->BitBtn3->setEnabled(false);
        learning->lbinterval->setText(QStringLiteral("-"));
    }
    learning->setFontSize(spedtvyskapisma->value());
    zapisdoregistru();
    close();
    learning->show();
}

void TForm7::BitBtn2Click() {
    close();
    forms.Form6->show();
}
