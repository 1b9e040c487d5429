#include "testing/testsettings.h"

#include "platform/platform.h"
#include "ui/settingsguard.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

TestSettingsForm::TestSettingsForm(Forms &forms, Platform &platform, const QString &name,
                                   const Design &design, std::function<bool()> testLoaded)
    : VokabForm(forms, platform, name), m_settings(design.key),
      m_pictures(QStringLiteral("Obrazky")) {
    setWindowTitle(QStringLiteral("Nastavení zkoušeče"));
    auto *central = new QWidget(this);
    setCentralWidget(central);
    auto *column = new QVBoxLayout(central);
    using settingsguard::group;
    using settingsguard::radio;
    QGroupBox *direction = group(central, column, QStringLiteral("Zkoušet výrazy:"));
    const auto foreign = [&] {
        rbangcj = radio(direction, "rbangcj", QStringLiteral("Z CIZ do CZ"), false);
    };
    if (design.foreignFirst)
        foreign();
    rbcjang = radio(direction, "rbcjang", QStringLiteral("Z CZ do CIZ"), true);
    if (!design.foreignFirst)
        foreign();
    QGroupBox *order = group(central, column, QStringLiteral("Způsob zkoušení:"));
    rbpostupne = radio(order, "rbpostupne", QStringLiteral("Postupné"), false);
    rbnahodne = radio(order, "rbnahodne", QStringLiteral("Náhodné"), true);
    QGroupBox *display = group(central, column, QStringLiteral("Zobrazovat špatné odpovědi:"));
    rbzobrazit = radio(display, "rbzobrazit", QStringLiteral("Zobrazovat"), false);
    rbnezobrazit = radio(display, "rbnezobrazit", QStringLiteral("Nezobrazovat"), true);
    if (design.answerEachTime)
        answerEachTime =
            radio(display, "rbobe", QStringLiteral("Odpověď zobrazovat pokaždé"), false);
    CheckBox1 = named<QCheckBox>(central, "CheckBox1");
    CheckBox1->setText(design.soundCaption);
    CheckBox1->setChecked(true);
    column->addWidget(CheckBox1);
    pictureWithQuestion = named<QCheckBox>(central, "pictureWithQuestion");
    pictureWithQuestion->setText(QStringLiteral("Obrázek ukázat už s otázkou"));
    pictureWithQuestion->setAccessibleName(pictureWithQuestion->text());
    pictureWithQuestion->setToolTip(
        QStringLiteral("Jinak se obrázek výrazu ukáže až s odpovědí, aby ji neprozradil"));
    column->addWidget(pictureWithQuestion);
    auto *buttons = new QHBoxLayout;
    // The buttons in the order they stand in, which is also the order of the Tab key.
    const auto confirm = [&] {
        BitBtn2 = named<QPushButton>(central, "BitBtn2");
        BitBtn2->setText(QStringLiteral("Potvrdit"));
        buttons->addWidget(BitBtn2);
    };
    const auto back = [&] {
        BitBtn1 = named<QPushButton>(central, "BitBtn1");
        BitBtn1->setText(QStringLiteral("Zpět"));
        buttons->addWidget(BitBtn1);
    };
    if (design.backFirst) {
        back();
        confirm();
    } else {
        confirm();
        back();
    }
    column->addLayout(buttons);

    settingsguard::guard(this, rbcjang, rbangcj, m_restoringDirection, testLoaded,
                         *platform.dialogs);
    settingsguard::guard(this, rbpostupne, rbnahodne, m_restoringOrder, testLoaded,
                         *platform.dialogs);

    m_settings.flag(QStringLiteral("Angcz"), rbangcj, false)
        .flag(QStringLiteral("Czang"), rbcjang, true);
    if (answerEachTime)
        m_settings.flag(QStringLiteral("Napoveduzobrazitprooba"), answerEachTime, false);
    m_settings.flag(QStringLiteral("Postupne"), rbpostupne, false)
        .flag(QStringLiteral("Nahodne"), rbnahodne, true)
        .flag(QStringLiteral("Napoveduzobrazit"), rbzobrazit, false)
        .flag(QStringLiteral("Napovedunezobrazit"), rbnezobrazit, true)
        .flag(QStringLiteral("Pouzitzvuk"), CheckBox1, true);
    // Ours, in a key of its own: the system's key stays as the system writes it.
    m_pictures.mayBeMissing().flag(design.pictureValue, pictureWithQuestion, false);
}

void TestSettingsForm::FormCreate() {
    m_settings.loadOrStore(*platform.registry, *platform.dialogs);
    m_pictures.load(*platform.registry, *platform.dialogs);
}

void TestSettingsForm::zapisdoregistru() {
    m_settings.store(*platform.registry, *platform.dialogs);
    m_pictures.store(*platform.registry, *platform.dialogs);
}
