#include "testing/Unit13.h"

#include "platform/platform.h"
#include "testing/Unit12.h"
#include "ui/forms.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

const QString kKey = QStringLiteral("Jednoduchy zkousec");

} // namespace

TForm13::TForm13(Forms &forms, Platform &platform)
    : VokabForm(forms, platform, QStringLiteral("Form13")) {
    setWindowTitle(QStringLiteral("Nastavení zkoušeče"));
    auto *central = new QWidget(this);
    setCentralWidget(central);
    auto *column = new QVBoxLayout(central);
    using settingsguard::group;
    using settingsguard::radio;
    QGroupBox *smer = group(central, column, QStringLiteral("Zkoušet výrazy:"));
    rbangcj = radio(smer, "rbangcj", QStringLiteral("Z CIZ do CZ"), false);
    rbcjang = radio(smer, "rbcjang", QStringLiteral("Z CZ do CIZ"), true);
    QGroupBox *poradi = group(central, column, QStringLiteral("Způsob zkoušení:"));
    rbpostupne = radio(poradi, "rbpostupne", QStringLiteral("Postupné"), false);
    rbnahodne = radio(poradi, "rbnahodne", QStringLiteral("Náhodné"), true);
    QGroupBox *zobrazeni = group(central, column, QStringLiteral("Zobrazovat špatné odpovědi:"));
    rbzobrazit = radio(zobrazeni, "rbzobrazit", QStringLiteral("Zobrazovat"), false);
    rbnezobrazit = radio(zobrazeni, "rbnezobrazit", QStringLiteral("Nezobrazovat"), true);
    rbobe = radio(zobrazeni, "rbobe", QStringLiteral("Odpověď zobrazovat pokaždé"), false);
    CheckBox1 = named<QCheckBox>(central, "CheckBox1");
    CheckBox1->setText(QStringLiteral("Použit zvuk při zobrazení výrazu"));
    CheckBox1->setChecked(true);
    column->addWidget(CheckBox1);
    auto *buttons = new QHBoxLayout;
    BitBtn1 = named<QPushButton>(central, "BitBtn1");
    BitBtn1->setText(QStringLiteral("Zpět"));
    BitBtn2 = named<QPushButton>(central, "BitBtn2");
    BitBtn2->setText(QStringLiteral("Potvrdit"));
    buttons->addWidget(BitBtn1);
    buttons->addWidget(BitBtn2);
    column->addLayout(buttons);
    connect(BitBtn2, &QPushButton::clicked, this, [this] { BitBtn2Click(); });
    connect(BitBtn1, &QPushButton::clicked, this, [this] { BitBtn1Click(); });

    const auto loaded = [this] { return this->forms.Form12 && this->forms.Form12->nacteno(); };
    settingsguard::guard(this, rbcjang, rbangcj, m_smerVraceni, loaded, *platform.dialogs);
    settingsguard::guard(this, rbpostupne, rbnahodne, m_poradiVraceni, loaded, *platform.dialogs);

    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFixedClientSize(206, 268);
    centreOnDesktop();
    // No close box: Escape goes back as "Zpět" does.
    pressOnEscape({BitBtn1});
    FormCreate();
}

settingsguard::Values TForm13::hodnoty() const {
    return {{QStringLiteral("Angcz"), rbangcj},
            {QStringLiteral("Czang"), rbcjang},
            {QStringLiteral("Napoveduzobrazitprooba"), rbobe},
            {QStringLiteral("Postupne"), rbpostupne},
            {QStringLiteral("Nahodne"), rbnahodne},
            {QStringLiteral("Napoveduzobrazit"), rbzobrazit},
            {QStringLiteral("Napovedunezobrazit"), rbnezobrazit},
            {QStringLiteral("Pouzitzvuk"), CheckBox1}};
}

void TForm13::FormCreate() {
    settingsguard::load(*platform.registry, *platform.dialogs, kKey, hodnoty());
}

void TForm13::zapisdoregistru() {
    settingsguard::store(*platform.registry, *platform.dialogs, kKey, hodnoty());
}

void TForm13::BitBtn2Click() {
    forms.Form12->nadpisotazky();
    zapisdoregistru();
    hide();
    forms.Form12->show();
}

void TForm13::BitBtn1Click() {
    forms.Form12->show();
    hide();
}
