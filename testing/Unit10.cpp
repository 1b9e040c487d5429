#include "testing/Unit10.h"

#include "platform/platform.h"
#include "testing/Unit4.h"
#include "ui/forms.h"
#include "ui/settingsguard.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

const QString kKey = QStringLiteral("Normalni zkousec");

} // namespace

TForm10::TForm10(Forms &forms, Platform &platform)
    : VokabForm(forms, platform, QStringLiteral("Form10")) {
    setWindowTitle(QStringLiteral("Nastavení zkoušeče"));
    auto *central = new QWidget(this);
    setCentralWidget(central);
    auto *column = new QVBoxLayout(central);
    using settingsguard::group;
    using settingsguard::radio;
    QGroupBox *smer = group(central, column, QStringLiteral("Zkoušet výrazy:"));
    rbcjang = radio(smer, "rbcjang", QStringLiteral("Z CZ do CIZ"), true);
    rbangcj = radio(smer, "rbangcj", QStringLiteral("Z CIZ do CZ"), false);
    QGroupBox *poradi = group(central, column, QStringLiteral("Způsob zkoušení:"));
    rbpostupne = radio(poradi, "rbpostupne", QStringLiteral("Postupné"), false);
    rbnahodne = radio(poradi, "rbnahodne", QStringLiteral("Náhodné"), true);
    QGroupBox *zobrazeni = group(central, column, QStringLiteral("Zobrazovat špatné odpovědi:"));
    rbzobrazit = radio(zobrazeni, "rbzobrazit", QStringLiteral("Zobrazovat"), false);
    rbnezobrazit = radio(zobrazeni, "rbnezobrazit", QStringLiteral("Nezobrazovat"), true);
    CheckBox1 = named<QCheckBox>(central, "CheckBox1");
    CheckBox1->setText(QStringLiteral("Použit zvuk při zobrazování výrazu"));
    CheckBox1->setChecked(true);
    column->addWidget(CheckBox1);
    auto *buttons = new QHBoxLayout;
    BitBtn2 = named<QPushButton>(central, "BitBtn2");
    BitBtn2->setText(QStringLiteral("Potvrdit"));
    BitBtn1 = named<QPushButton>(central, "BitBtn1");
    BitBtn1->setText(QStringLiteral("Zpět"));
    buttons->addWidget(BitBtn2);
    buttons->addWidget(BitBtn1);
    column->addLayout(buttons);
    connect(BitBtn2, &QPushButton::clicked, this, [this] { BitBtn2Click(); });
    connect(BitBtn1, &QPushButton::clicked, this, [this] { BitBtn1Click(); });

    const auto loaded = [this] { return this->forms.Form4 && this->forms.Form4->nacteno(); };
    settingsguard::guard(this, rbcjang, rbangcj, m_smerVraceni, loaded, *platform.dialogs);
    settingsguard::guard(this, rbpostupne, rbnahodne, m_poradiVraceni, loaded, *platform.dialogs);

    setFixedClientSize(208, 239);
    centreOnDesktop();
    closeOnEscape();
    FormCreate();
}

settingsguard::Values TForm10::hodnoty() const {
    return {{QStringLiteral("Angcz"), rbangcj},
            {QStringLiteral("Czang"), rbcjang},
            {QStringLiteral("Postupne"), rbpostupne},
            {QStringLiteral("Nahodne"), rbnahodne},
            {QStringLiteral("Napoveduzobrazit"), rbzobrazit},
            {QStringLiteral("Napovedunezobrazit"), rbnezobrazit},
            {QStringLiteral("Pouzitzvuk"), CheckBox1}};
}

void TForm10::FormCreate() {
    settingsguard::load(*platform.registry, *platform.dialogs, kKey, hodnoty());
}

void TForm10::zapisdoregistru() {
    settingsguard::store(*platform.registry, *platform.dialogs, kKey, hodnoty());
}

void TForm10::BitBtn2Click() {
    forms.Form4->Label2->setText(rbangcj->isChecked() ? QStringLiteral("Cizí výraz")
                                                      : QStringLiteral("Český výraz"));
    zapisdoregistru();
    hide();
    forms.Form4->show();
}

void TForm10::BitBtn1Click() {
    hide();
    forms.Form4->show();
}
