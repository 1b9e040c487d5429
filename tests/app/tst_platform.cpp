#include "app/application.h"
#include "core/errors.h"
#include "platform/platform.h"
#include "support/scripteddialogs.h"

#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

// An object whose event handler fails the way a window's handler can.
class Failing : public QObject {
public:
    bool event(QEvent *e) override {
        if (e->type() == QEvent::User)
            throw VokabError(QStringLiteral("Soubor „c:\\slovník.slv“ nelze otevřít."));
        if (e->type() == QEvent::User + 1)
            throw std::runtime_error("boom");
        return QObject::event(e);
    }
};

class TestPlatformLayer : public QObject {
    Q_OBJECT

private slots:
    void uncaughtExceptionIsShownAndTheProgramGoesOn() {
        auto *app = qobject_cast<VokabApplication *>(QCoreApplication::instance());
        QVERIFY(app);
        ScriptedDialogs dialogs;
        app->setErrorDialogs(&dialogs);

        Failing failing;
        QEvent user(QEvent::User);
        QCoreApplication::sendEvent(&failing, &user);
        QCOMPARE(dialogs.shown.size(), 1);
        QCOMPARE(dialogs.shown[0].kind, MessageKind::Error);
        QCOMPARE(dialogs.shown[0].text, QStringLiteral("Soubor „c:\\slovník.slv“ nelze otevřít."));

        QEvent other(QEvent::Type(QEvent::User + 1));
        QCoreApplication::sendEvent(&failing, &other);
        QCOMPARE(dialogs.shown.size(), 2);
        QCOMPARE(dialogs.shown[1].text, QStringLiteral("Došlo k chybě: boom"));

        // A click handler that throws: the message is shown and the button still works.
        QPushButton button("x");
        int clicks = 0;
        connect(&button, &QPushButton::clicked, [&] {
            ++clicks;
            if (clicks == 1)
                throw VokabError(QStringLiteral("První kliknutí selhalo."));
        });
        button.show();
        QTest::mouseClick(&button, Qt::LeftButton);
        QCOMPARE(dialogs.lastText(), QStringLiteral("První kliknutí selhalo."));
        QTest::mouseClick(&button, Qt::LeftButton);
        QCOMPARE(clicks, 2);
        QCOMPARE(dialogs.shown.size(), 3);
        app->setErrorDialogs(nullptr);
    }

    void scriptedDialogsRecordExactTextsAndAnswerInOrder() {
        ScriptedDialogs dialogs;
        dialogs.answers = {true, false};
        dialogs.files = {QString("/tmp/a.slv"), std::nullopt};
        Dialogs &d = dialogs;
        d.warning(QStringLiteral("Nejsou vyplněny všechny údaje, záznam nemůže být přidán!!"));
        QVERIFY(
            d.question(MessageKind::Information, QStringLiteral("Chcete vytvořit nový slovník?")));
        QVERIFY(!d.question(MessageKind::Confirmation, QStringLiteral("Znova?")));
        QVERIFY(!d.question(MessageKind::Confirmation, QStringLiteral("Navíc?"))); // unscripted: No
        QCOMPARE(dialogs.unexpected, 1);
        FileDialogState state{"Načíst slovník z:", "Slovníky|*.slv", "slv", {}, {}};
        QCOMPARE(d.openFile(state), std::optional<QString>("/tmp/a.slv"));
        QCOMPARE(d.openFile(state), std::optional<QString>());
        QCOMPARE(dialogs.fileDialogs.size(), 2);
        QCOMPARE(dialogs.fileDialogs[0].title, QStringLiteral("Načíst slovník z:"));
        QCOMPARE(dialogs.shown[0].kind, MessageKind::Warning);
        QCOMPARE(dialogs.texts(),
                 (QStringList{"Nejsou vyplněny všechny údaje, záznam nemůže být přidán!!",
                              "Chcete vytvořit nový slovník?", "Znova?", "Navíc?"}));
    }

    void fileDialogRemembersTheLowerCasedPathOnce() {
        FileDialogState state;
        state.remember("/Data/Zvířata.SLV");
        state.remember("/data/other.slv");
        state.remember("/DATA/ZVÍŘATA.slv");
        QCOMPARE(state.fileName, QStringLiteral("/data/zvÍŘata.slv"));
        QCOMPARE(state.history,
                 (QStringList{"/data/zvÍŘata.slv", "/data/other.slv", "/data/zvířata.slv"}));
        QCOMPARE(qtNameFilters("Anglický slovník|*.ang|Německý slovník|*.nem"),
                 QStringLiteral("Anglický slovník (*.ang);;Německý slovník (*.nem)"));
    }

    void settingsRegistryKeepsIntegersAndStrings() {
        QTemporaryDir dir;
        const QString ini = dir.filePath("registry.ini");
        auto registry = makeSettingsRegistry(ini);
        QVERIFY(!registry->keyExists("Normalni zkousec"));
        registry->createKey("Normalni zkousec");
        registry->writeInteger("Normalni zkousec", "Angcz", 1);
        registry->writeString("Nastaveni", "BarvaGrafu", "clBlue");
        auto reopened = makeSettingsRegistry(ini);
        QVERIFY(reopened->keyExists("Normalni zkousec"));
        QVERIFY(reopened->valueExists("Normalni zkousec", "Angcz"));
        QVERIFY(!reopened->valueExists("Normalni zkousec", "Czang"));
        QCOMPARE(reopened->readInteger("Normalni zkousec", "Angcz"), 1);
        QVERIFY(reopened->readBool("Normalni zkousec", "Angcz"));
        QCOMPARE(reopened->readString("Nastaveni", "BarvaGrafu"), QStringLiteral("clBlue"));
        QCOMPARE(reopened->readString("Nastaveni", "Proc1"), QString());
        QVERIFY_THROWS_EXCEPTION(VokabError, reopened->readInteger("Nastaveni", "Tipy"));
        QVERIFY_THROWS_EXCEPTION(VokabError, reopened->readInteger("Nastaveni", "BarvaGrafu"));
    }

    void programFolderComesFromArgumentsEnvironmentOrExecutable() {
        qunsetenv("VOKAB_PROGRAM_DIR");
        QCOMPARE(ProgramFolder::locate({"vokab"}, "/opt/vokab"), QStringLiteral("/opt/vokab"));
        QCOMPARE(ProgramFolder::locate({"vokab", "--program-dir", "/tmp/p"}, "/opt/vokab"),
                 QStringLiteral("/tmp/p"));
        qputenv("VOKAB_PROGRAM_DIR", "/tmp/q");
        QCOMPARE(ProgramFolder::locate({"vokab"}, "/opt/vokab"), QStringLiteral("/tmp/q"));
        qunsetenv("VOKAB_PROGRAM_DIR");
        const ProgramFolder folder("/opt/vokab");
        QCOMPARE(folder.file("Tips.vkb"), QStringLiteral("/opt/vokab/Tips.vkb"));
        QCOMPARE(folder.temp(), QStringLiteral("/opt/vokab/Temp/"));
    }

    void seededRandomRepeatsItsDraws() {
        auto a = makeRandomSource(42);
        auto b = makeRandomSource(42);
        QList<int> drawsA, drawsB;
        for (int i = 0; i < 50; ++i) {
            drawsA.append(a->bounded(7));
            drawsB.append(b->bounded(7));
        }
        QCOMPARE(drawsA, drawsB);
        for (int d : drawsA)
            QVERIFY(d >= 0 && d < 7);
        QCOMPARE(a->bounded(1), 0);
    }
};

int main(int argc, char **argv) {
    VokabApplication app(argc, argv);
    TestPlatformLayer test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_platform.moc"
