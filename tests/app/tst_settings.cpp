// The general settings window: the registry key it creates, loads and stores, the
// threshold cascade, the chart colour, and its buttons.
#include "app/Unit1.h"
#include "app/Unit8.h"
#include "support/press.h"
#include "support/testplatform.h"
#include "ui/forms.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

namespace {

const QString kKey = QStringLiteral("Nastaveni");

using Stored = QList<QPair<QString, QVariant>>;

Stored storedValues(const MemoryRegistry &registry) {
    Stored result;
    for (const MemoryRegistry::Value &v : registry.values(kKey))
        result.append({v.name, v.value});
    return result;
}

// A key as the program writes it, with every value away from its default.
void writeKey(MemoryRegistry &registry, bool withColour) {
    registry.createKey(kKey);
    registry.writeInteger(kKey, "Velkapismena", 1);
    registry.writeInteger(kKey, "Tipy", 0);
    registry.writeInteger(kKey, "Temp", 0);
    registry.writeString(kKey, "Proc1", "90");
    registry.writeString(kKey, "Proc2", "75");
    registry.writeString(kKey, "Proc3", "40");
    registry.writeString(kKey, "Proc4", "20");
    if (withColour)
        registry.writeString(kKey, "BarvaGrafu", "$00A1B2C3");
    registry.writeInteger(kKey, "DokonceniZkouseni", 0);
    registry.writeInteger(kKey, "PreruseniZkouseni", 0);
}

std::unique_ptr<TestPlatform> platformWithKey(bool withColour) {
    auto platform = std::make_unique<TestPlatform>();
    writeKey(platform->memory(), withColour);
    platform->memory().writes.clear();
    return platform;
}

// The state of a control of a window: checked for buttons and menu items, the value of
// a spin field.
QVariant stateOf(const QString &window, const QString &control) {
    for (QWidget *top : QApplication::topLevelWidgets()) {
        if (top->objectName() != window)
            continue;
        QObject *found = top->findChild<QObject *>(control);
        if (auto *spin = qobject_cast<QSpinBox *>(found))
            return spin->value();
        if (auto *button = qobject_cast<QAbstractButton *>(found))
            return button->isChecked();
        if (auto *action = qobject_cast<QAction *>(found))
            return action->isChecked();
    }
    return {};
}

std::array<int, 4> thresholdsOf(const TForm8 &form) {
    return {form.sp1->value(), form.sp2->value(), form.sp3->value(), form.sp4->value()};
}

} // namespace

class TestSettings : public QObject {
    Q_OBJECT

private slots:
    void firstStartWritesTheTenDefaultsInOrder() {
        TestWindows windows;
        const Stored expected = {{"Velkapismena", 0},
                                 {"Tipy", 1},
                                 {"Temp", 1},
                                 {"Proc1", QStringLiteral("80")},
                                 {"Proc2", QStringLiteral("60")},
                                 {"Proc3", QStringLiteral("50")},
                                 {"Proc4", QStringLiteral("30")},
                                 {"BarvaGrafu", QStringLiteral("clBlue")},
                                 {"DokonceniZkouseni", 1},
                                 {"PreruseniZkouseni", 1}};
        const Stored stored = storedValues(windows.platform().memory());
        QCOMPARE(stored, expected);
        // Booleans are integers, thresholds and colour are strings.
        for (const auto &[name, value] : stored) {
            const bool isString = name.startsWith("Proc") || name == "BarvaGrafu";
            QCOMPARE(value.typeId(), isString ? QMetaType::QString : QMetaType::Int);
        }
        // Each written once, nothing else.
        QCOMPARE(
            windows.platform().memory().writes.filter(QRegularExpression("^Nastaveni/")).size(),
            10);

        const TForm8 &form = *windows.forms().Form8;
        QVERIFY(!form.chbvelke->isChecked());
        QVERIFY(form.chbtip->isChecked());
        QVERIFY(form.chbtemp->isChecked());
        QCOMPARE(thresholdsOf(form), (std::array<int, 4>{80, 60, 50, 30}));
        QVERIFY(form.chbkompletnidokonceni->isChecked());
        QVERIFY(form.chbprerusenizkouseni->isChecked());
        QCOMPARE(form.chartColour(), QColor(0, 0, 255));
        QVERIFY(windows.dialogs().shown.isEmpty());
    }

    void storedKeySetsEveryControlAndWritesNothing() {
        TestWindows windows(platformWithKey(true));
        const TForm8 &form = *windows.forms().Form8;
        QVERIFY(form.chbvelke->isChecked());
        QVERIFY(!form.chbtip->isChecked());
        QVERIFY(!form.chbtemp->isChecked());
        QCOMPARE(thresholdsOf(form), (std::array<int, 4>{90, 75, 40, 20}));
        QCOMPARE(form.chartColour(), QColor(0xC3, 0xB2, 0xA1));
        QCOMPARE(form.Panel1->palette().color(QPalette::Window), QColor(0xC3, 0xB2, 0xA1));
        QVERIFY(!form.chbkompletnidokonceni->isChecked());
        QVERIFY(!form.chbprerusenizkouseni->isChecked());
        QVERIFY(
            windows.platform().memory().writes.filter(QRegularExpression("^Nastaveni/")).isEmpty());
        QVERIFY(windows.dialogs().shown.isEmpty());
    }

    void keyWithoutChartColourKeepsTheLastThreeDefaults() {
        TestWindows windows(platformWithKey(false));
        const TForm8 &form = *windows.forms().Form8;
        // The first seven are loaded...
        QVERIFY(form.chbvelke->isChecked());
        QCOMPARE(thresholdsOf(form), (std::array<int, 4>{90, 75, 40, 20}));
        // ...the statistics options stay checked although the key says 0, the colour blue.
        QCOMPARE(form.chartColour(), QColor(0, 0, 255));
        QVERIFY(form.chbkompletnidokonceni->isChecked());
        QVERIFY(form.chbprerusenizkouseni->isChecked());
        // The key is completed only by the next "Potvrdit".
        QVERIFY(
            windows.platform().memory().writes.filter(QRegularExpression("^Nastaveni/")).isEmpty());
        QVERIFY(!windows.platform().memory().valueExists(kKey, "BarvaGrafu"));
        press(windows.forms().Form8, "BitBtn1");
        QCOMPARE(windows.platform().memory().readString(kKey, "BarvaGrafu"),
                 QStringLiteral("clBlue"));
        QCOMPARE(*windows.platform().memory().readInteger(kKey, "DokonceniZkouseni"), 1);
    }

    void badThresholdTextsReadAsMinimumAndAreRepaired() {
        auto platform = platformWithKey(true);
        MemoryRegistry &registry = platform->memory();
        registry.writeString(kKey, "Proc1", "sto");
        registry.writeString(kKey, "Proc2", "");
        registry.writeString(kKey, "Proc3", "150");
        registry.writeString(kKey, "Proc4", "2");
        TestWindows windows(std::move(platform));
        // sp1 "sto" -> 4 pushes the rest to 3, 2, 1; "" -> 3; "150" -> 98, repaired to 2;
        // "2" -> 2, repaired to 1.
        QCOMPARE(thresholdsOf(*windows.forms().Form8), (std::array<int, 4>{4, 3, 2, 1}));
    }

    void thresholdsLoadedOutOfOrderAreRepairedInTheLoadingOrder() {
        auto platform = platformWithKey(true);
        platform->memory().writeString(kKey, "Proc1", "50");
        platform->memory().writeString(kKey, "Proc2", "70");
        platform->memory().writeString(kKey, "Proc3", "45");
        platform->memory().writeString(kKey, "Proc4", "10");
        TestWindows windows(std::move(platform));
        QCOMPARE(thresholdsOf(*windows.forms().Form8), (std::array<int, 4>{50, 49, 45, 10}));
    }

    void invalidChartColourKeepsBlueWithAWarning() {
        auto platform = platformWithKey(true);
        platform->memory().writeString(kKey, "BarvaGrafu", "clModra");
        TestWindows windows(std::move(platform));
        const TForm8 &form = *windows.forms().Form8;
        QCOMPARE(form.chartColour(), QColor(0, 0, 255));
        QVERIFY(!form.chbkompletnidokonceni->isChecked());
        QCOMPARE(windows.dialogs().shown.size(), 1);
        QCOMPARE(windows.dialogs().shown[0].kind, MessageKind::Warning);
        QVERIFY(windows.dialogs().shown[0].text.contains("clModra"));
    }

    void loweringTheFirstBelowTheSecondPushesOnlyTheSecond() {
        TestWindows windows;
        TForm8 &form = *windows.forms().Form8;
        form.sp1->setValue(59);
        QCOMPARE(thresholdsOf(form), (std::array<int, 4>{59, 58, 50, 30}));
        form.sp1->setValue(4);
        QCOMPARE(thresholdsOf(form), (std::array<int, 4>{4, 3, 2, 1}));
    }

    void raisingALowerThresholdOntoTheOneAboveIsUndone_data() {
        QTest::addColumn<int>("field");
        QTest::addColumn<int>("start");
        QTest::newRow("sp2 below sp1") << 2 << 79;
        QTest::newRow("sp3 below sp2") << 3 << 59;
        QTest::newRow("sp4 below sp3") << 4 << 49;
    }

    void raisingALowerThresholdOntoTheOneAboveIsUndone() {
        QFETCH(int, field);
        QFETCH(int, start);
        TestWindows windows;
        TForm8 &form = *windows.forms().Form8;
        QSpinBox *spin = form.findChild<QSpinBox *>(QStringLiteral("sp%1").arg(field));
        QVERIFY(spin);
        spin->setValue(start);
        const std::array<int, 4> before = thresholdsOf(form);
        QCOMPARE(spin->value(), start);
        spin->stepUp();
        QCOMPARE(thresholdsOf(form), before);
    }

    void thresholdFieldsCannotBeTypedInto() {
        TestWindows windows;
        TForm8 &form = *windows.forms().Form8;
        form.show();
        for (QSpinBox *spin : {form.sp1, form.sp2, form.sp3, form.sp4}) {
            const int before = spin->value();
            spin->setFocus();
            QTest::keyClick(spin, Qt::Key_Backspace);
            QTest::keyClicks(spin, "5");
            QTest::keyClick(spin, Qt::Key_Return);
            QCOMPARE(spin->value(), before);
            // The arrows still work.
            QTest::keyClick(spin, Qt::Key_Down);
            QCOMPARE(spin->value(), before - 1);
        }
        QCOMPARE(form.sp1->minimum(), 4);
        QCOMPARE(form.sp1->maximum(), 100);
        QCOMPARE(form.sp4->minimum(), 1);
        QCOMPARE(form.sp4->maximum(), 97);
    }

    void confirmStoresEverythingClearsTheFlagAndGoesBack() {
        TestWindows windows;
        TForm8 &form = *windows.forms().Form8;
        TForm1 &main = *windows.forms().Form1;
        main.hide();
        form.show();
        form.chbvelke->setChecked(true);
        form.chbtemp->setChecked(false);
        form.sp1->setValue(59);
        form.chbprerusenizkouseni->setChecked(false);
        windows.dialogs().colours.push_back(QColor(0xC3, 0xB2, 0xA1));
        QTest::mouseClick(form.SpeedButton1, Qt::LeftButton);
        windows.platform().memory().writes.clear();

        QTest::mouseClick(form.BitBtn1, Qt::LeftButton);
        const Stored expected = {{"Velkapismena", 1},
                                 {"Tipy", 1},
                                 {"Temp", 0},
                                 {"Proc1", QStringLiteral("59")},
                                 {"Proc2", QStringLiteral("58")},
                                 {"Proc3", QStringLiteral("50")},
                                 {"Proc4", QStringLiteral("30")},
                                 {"BarvaGrafu", QStringLiteral("$00A1B2C3")},
                                 {"DokonceniZkouseni", 1},
                                 {"PreruseniZkouseni", 0}};
        QCOMPARE(storedValues(windows.platform().memory()), expected);
        QCOMPARE(
            windows.platform().memory().writes.filter(QRegularExpression("^Nastaveni/")).size(),
            10);
        QVERIFY(!main.firstActivation);
        QVERIFY(main.isVisible());
        QVERIFY(!form.isVisible());
    }

    void backKeepsTheChangesForTheRunWithoutStoringThem() {
        TestWindows windows;
        TForm8 &form = *windows.forms().Form8;
        TForm1 &main = *windows.forms().Form1;
        form.show();
        form.chbvelke->setChecked(true);
        windows.dialogs().colours.push_back(QColor(Qt::red));
        form.SpeedButton1Click();
        windows.platform().memory().writes.clear();

        QTest::mouseClick(form.BitBtn2, Qt::LeftButton);
        QVERIFY(
            windows.platform().memory().writes.filter(QRegularExpression("^Nastaveni/")).isEmpty());
        QCOMPARE(*windows.platform().memory().readInteger(kKey, "Velkapismena"), 0);
        QCOMPARE(windows.platform().memory().readString(kKey, "BarvaGrafu"),
                 QStringLiteral("clBlue"));
        QVERIFY(form.chbvelke->isChecked());
        QCOMPARE(form.chartColour(), QColor(Qt::red));
        QVERIFY(main.firstActivation);
        QVERIFY(main.isVisible());
        QVERIFY(!form.isVisible());
    }

    void closingByTheTitleBarClearsTheFlagAndWritesNothing() {
        TestWindows windows;
        TForm8 &form = *windows.forms().Form8;
        TForm1 &main = *windows.forms().Form1;
        form.show();
        form.chbtip->setChecked(false);
        windows.platform().memory().writes.clear();
        QVERIFY(form.close());
        QVERIFY(!form.isVisible());
        QVERIFY(main.isVisible());
        QVERIFY(!main.firstActivation);
        QVERIFY(
            windows.platform().memory().writes.filter(QRegularExpression("^Nastaveni/")).isEmpty());
    }

    void cancelledColourDialogChangesNothing() {
        TestWindows windows;
        TForm8 &form = *windows.forms().Form8;
        windows.dialogs().colours.push_back(std::nullopt);
        QTest::mouseClick(form.SpeedButton1, Qt::LeftButton);
        QCOMPARE(form.chartColour(), QColor(0, 0, 255));
        QCOMPARE(form.Panel1->palette().color(QPalette::Window), QColor(0, 0, 255));
        windows.dialogs().colours.push_back(QColor(0x80, 0x80, 0x80));
        QTest::mouseClick(form.SpeedButton1, Qt::LeftButton);
        QCOMPARE(form.Panel1->palette().color(QPalette::Window), QColor(0x80, 0x80, 0x80));
        form.zapisdoregistru();
        QCOMPARE(windows.platform().memory().readString(kKey, "BarvaGrafu"),
                 QStringLiteral("clGray"));
    }

    void windowHasItsCaptionTabsAndTexts() {
        TestWindows windows;
        TForm8 &form = *windows.forms().Form8;
        QCOMPARE(form.windowTitle(), QStringLiteral("Obecné nastavení"));
        QCOMPARE(form.PageControl1->count(), 4);
        QCOMPARE(form.PageControl1->tabText(0), QStringLiteral("Obecné nastavení"));
        QCOMPARE(form.PageControl1->tabText(1), QStringLiteral("Nastavení hodnocení   "));
        QCOMPARE(form.PageControl1->tabText(2), QStringLiteral("Statistiky a Grafy"));
        QCOMPARE(form.PageControl1->tabText(3), QStringLiteral("Výslovnost"));
        QCOMPARE(form.chbtemp->text(), QStringLiteral("Při ukončení vymazat TEMP programu"));
        QCOMPARE(form.findChild<QLabel *>("Label2")->text(),
                 QStringLiteral("Na 2 je třeba uhádnout: "));
        QCOMPARE(form.SpeedButton1->text(), QStringLiteral("změnit.."));
        QCOMPARE(form.BitBtn1->text(), QStringLiteral("Potvrdit"));
        QCOMPARE(form.BitBtn2->text(), QStringLiteral("Zpět"));
    }

    // A settings file edited by hand or by another program: a value that is missing or
    // not a number, in any window's key. The window goes on loading its other values,
    // keeps the default for that one and says so once; the program starts.
    void unreadableValueKeepsItsDefaultInEveryWindow_data() {
        QTest::addColumn<QString>("ini");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("badControl");
        QTest::addColumn<QVariant>("badDefault");
        QTest::addColumn<QString>("laterControl");
        QTest::addColumn<QVariant>("laterValue");
        QTest::newRow("translator Okamzite=abc")
            << "[Translator]\nZCZDOANJ=1\nZANJDOCZ=0\nOkamzite=abc\n"
            << "„Okamzite“ v registru (klíč „Translator“)"
            << "Form24"
            << "Auto1" << QVariant(true) << "ZCZdoANj1" << QVariant(true);
        QTest::newRow("translator ZCZDOANJ=ano")
            << "[Translator]\nZCZDOANJ=ano\nZANJDOCZ=1\nOkamzite=0\n"
            << "„ZCZDOANJ“ v registru (klíč „Translator“)"
            << "Form24"
            << "ZANJdoCZ1" << QVariant(true) << "Auto1" << QVariant(false);
        QTest::newRow("general settings Tipy=abc")
            << "[Nastaveni]\nVelkapismena=1\nTipy=abc\nTemp=0\nProc1=70\n"
            << "„Tipy“ v registru (klíč „Nastaveni“)"
            << "Form8"
            << "chbtip" << QVariant(true) << "sp1" << QVariant(70);
        QTest::newRow("general settings without Tipy")
            << "[Nastaveni]\nVelkapismena=1\nTemp=0\nProc1=70\n"
            << "„Tipy“ v registru (klíč „Nastaveni“)"
            << "Form8"
            << "chbtip" << QVariant(true) << "chbtemp" << QVariant(false);
        QTest::newRow("learning Pocsekund=x")
            << "[Vyuka]\nInterval=0\nPocsekund=x\nVyskaPisma=15\n"
            << "„Pocsekund“ v registru (klíč „Vyuka“)"
            << "Form7"
            << "SpinEdit1" << QVariant(2) << "spedtvyskapisma" << QVariant(15);
        QTest::newRow("Testing I Angcz=ano")
            << "[Normalni%20zkousec]\nAngcz=ano\nCzang=1\nPostupne=1\nNahodne=0\n"
               "Napoveduzobrazit=0\nNapovedunezobrazit=1\nPouzitzvuk=1\n"
            << "„Angcz“ v registru (klíč „Normalni zkousec“)"
            << "Form10"
            << "rbangcj" << QVariant(false) << "rbpostupne" << QVariant(true);
        QTest::newRow("Testing II Czang=2x")
            << "[Jednoduchy%20zkousec]\nAngcz=0\nCzang=2x\nNapoveduzobrazitprooba=0\n"
               "Postupne=1\nNahodne=0\nNapoveduzobrazit=0\nNapovedunezobrazit=1\n"
               "Pouzitzvuk=0\n"
            << "„Czang“ v registru (klíč „Jednoduchy zkousec“)"
            << "Form13"
            << "rbcjang" << QVariant(true) << "CheckBox1" << QVariant(false);
    }
    void unreadableValueKeepsItsDefaultInEveryWindow() {
        QFETCH(QString, ini);
        QFETCH(QString, message);
        QFETCH(QString, window);
        QFETCH(QString, badControl);
        QFETCH(QVariant, badDefault);
        QFETCH(QString, laterControl);
        QFETCH(QVariant, laterValue);
        QTemporaryDir dir;
        const QString file = dir.filePath("registry.ini");
        QFile out(file);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(ini.toUtf8());
        out.close();
        auto platform = std::make_unique<TestPlatform>();
        platform->registry = makeSettingsRegistry(file);
        TestWindows windows(std::move(platform));
        QCOMPARE(stateOf(window, badControl), badDefault);
        QCOMPARE(stateOf(window, laterControl), laterValue);
        QCOMPARE(windows.dialogs().texts().size(), 1);
        QCOMPARE(windows.dialogs().shown[0].kind, MessageKind::Error);
        QVERIFY2(windows.dialogs().shown[0].text.contains(message),
                 qPrintable(windows.dialogs().shown[0].text));
    }

    // A settings store that cannot be written at the first start: every window wants to
    // write its defaults, the user hears of it once, and the program runs with defaults.
    void unwritableStoreIsReportedOnceAndTheProgramRuns_data() {
        QTest::addColumn<QString>("blocker");
        QTest::addColumn<QString>("iniPath");
        QTest::newRow("the settings file is a folder") << "registry.ini/x"
                                                       << "registry.ini";
        QTest::newRow("the settings folder is a file") << "Vokab2"
                                                       << "Vokab2/registry.ini";
    }
    void unwritableStoreIsReportedOnceAndTheProgramRuns() {
        QFETCH(QString, blocker);
        QFETCH(QString, iniPath);
        QTemporaryDir dir;
        if (blocker.endsWith("/x")) {
            QVERIFY(QDir().mkpath(dir.filePath(blocker)));
        } else {
            QFile file(dir.filePath(blocker));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        auto platform = std::make_unique<TestPlatform>();
        platform->registry = makeSettingsRegistry(dir.filePath(iniPath));
        TestWindows windows(std::move(platform));
        QCOMPARE(windows.dialogs().texts().size(), 1);
        QCOMPARE(windows.dialogs().shown[0].kind, MessageKind::Error);
        QVERIFY2(windows.dialogs().lastText().startsWith("Nastavení nelze zapsat"),
                 qPrintable(windows.dialogs().lastText()));
        TForm8 &form = *windows.forms().Form8;
        QCOMPARE(thresholdsOf(form), (std::array<int, 4>{80, 60, 50, 30}));
        QCOMPARE(stateOf("Form24", "Auto1"), QVariant(true));
        // Confirming the settings later says nothing new, and the window goes.
        form.show();
        QTest::mouseClick(form.BitBtn1, Qt::LeftButton);
        QVERIFY(!form.isVisible());
        QCOMPARE(windows.dialogs().texts().size(), 1);
    }

    void realSettingsFileGetsTheDefaultsAndReadsThemBack() {
        QTemporaryDir dir;
        const QString ini = dir.filePath("registry.ini");
        {
            auto platform = std::make_unique<TestPlatform>();
            platform->registry = makeSettingsRegistry(ini);
            TestWindows windows(std::move(platform));
            TForm8 &form = *windows.forms().Form8;
            form.sp1->setValue(85);
            form.chbtip->setChecked(false);
            windows.dialogs().colours.push_back(QColor(0x12, 0x34, 0x56));
            form.SpeedButton1Click();
            form.zapisdoregistru();
        }
        QFile file(ini);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray text = file.readAll();
        QVERIFY2(text.contains("[Nastaveni]"), text.constData());
        QVERIFY2(text.contains("Proc1=85"), text.constData());
        QVERIFY2(text.contains("Tipy=0"), text.constData());
        QVERIFY2(text.contains("BarvaGrafu=$00563412"), text.constData());

        auto platform = std::make_unique<TestPlatform>();
        platform->registry = makeSettingsRegistry(ini);
        TestWindows again(std::move(platform));
        const TForm8 &form = *again.forms().Form8;
        QCOMPARE(form.sp1->value(), 85);
        QVERIFY(!form.chbtip->isChecked());
        QCOMPARE(form.chartColour(), QColor(0x12, 0x34, 0x56));
        QVERIFY(again.dialogs().shown.isEmpty());
    }

    // The tab "Výslovnost" keeps its values in a key of its own ("Vyslovnost"): the
    // defaults at the first start, what "Potvrdit" stores, read back at the next start; a
    // language whose voice is gone stays chosen. The key "Nastaveni" is written as before.
    void speechSettingsLiveInTheirOwnKey_data() {
        QTest::addColumn<bool>("installed"); // chosen in the list, or stored and gone since
        QTest::addColumn<QString>("language");
        QTest::newRow("Czech chosen") << true << "cs";
        QTest::newRow("voice no longer installed") << false << "xx";
    }
    void speechSettingsLiveInTheirOwnKey() {
        QFETCH(bool, installed);
        QFETCH(QString, language);
        auto platform = std::make_unique<TestPlatform>();
        MemoryRegistry &registry = platform->memory();
        TestWindows windows(std::move(platform));
        const QString key = TForm8::speechKey();
        const Stored defaults = {{"Vyslovit bez nahravky", 1}, {"Jazyk", "en"}, {"Rychlost", 175}};
        Stored stored;
        for (const MemoryRegistry::Value &v : registry.values(key))
            stored.append({v.name, v.value});
        QCOMPARE(stored, defaults);
        QCOMPARE(stored[0].second.typeId(), QMetaType::Int);
        QCOMPARE(stored[1].second.typeId(), QMetaType::QString);

        TForm8 &form = *windows.forms().Form8;
        QCOMPARE(form.voiceBox->currentData().toString(), QStringLiteral("en"));
        form.show();
        QTest::mouseClick(form.speakMissingBox, Qt::LeftButton, {},
                          QPoint(4, form.speakMissingBox->height() / 2));
        if (installed)
            form.voiceBox->setCurrentIndex(form.voiceBox->findData(language));
        form.rateBox->stepUp();
        registry.writes.clear();
        QTest::mouseClick(form.BitBtn1, Qt::LeftButton);
        QCOMPARE(registry.writes.filter(QRegularExpression("^Nastaveni/")).size(), 10);
        QCOMPARE(registry.writes.filter(QRegularExpression("^Vyslovnost/")).size(), 3);
        QCOMPARE(*registry.readInteger(key, "Vyslovit bez nahravky"), 0);
        QCOMPARE(*registry.readInteger(key, "Rychlost"), 180);
        QCOMPARE(registry.readString(key, "Jazyk"), installed ? language : QStringLiteral("en"));
        if (!installed)
            registry.writeString(key, "Jazyk", language);

        auto next = std::make_unique<TestPlatform>();
        MemoryRegistry &nextRegistry = next->memory();
        for (const MemoryRegistry::Value &v : registry.values(key)) {
            if (v.value.typeId() == QMetaType::Int)
                nextRegistry.writeInteger(key, v.name, v.value.toInt());
            else
                nextRegistry.writeString(key, v.name, v.value.toString());
        }
        TestWindows again(std::move(next));
        const SpeechSettings speech = again.forms().Form8->speech();
        QVERIFY(!speech.speakWithoutRecording);
        QCOMPARE(speech.language, language);
        QCOMPARE(speech.rate, 180);
        QVERIFY(again.dialogs().shown.isEmpty());
    }
};

QTEST_MAIN(TestSettings)
#include "tst_settings.moc"
