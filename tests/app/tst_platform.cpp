#include "platform/platform.h"
#include "platform/translations.h"
#include "support/scripteddialogs.h"
#include "support/testfiles.h"
#include "ui/application.h"

#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <new>
#include <stdexcept>

// An object whose event handler fails the way a window's handler can.
class Failing : public QObject {
public:
    bool event(QEvent *e) override {
        if (e->type() == QEvent::User)
            throw std::bad_alloc();
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
        QCOMPARE(dialogs.shown[0].text, QStringLiteral("Nedostatek paměti."));

        QEvent other(QEvent::Type(QEvent::User + 1));
        QCoreApplication::sendEvent(&failing, &other);
        QCOMPARE(dialogs.shown.size(), 2);
        // The library's English text stays out of the message.
        QCOMPARE(dialogs.shown[1].text, QStringLiteral("Došlo k neočekávané chybě programu."));

        // A click handler that throws: the message is shown and the button still works.
        QPushButton button("x");
        int clicks = 0;
        connect(&button, &QPushButton::clicked, [&] {
            ++clicks;
            if (clicks == 1)
                throw std::runtime_error("first click");
        });
        button.show();
        QTest::mouseClick(&button, Qt::LeftButton);
        QCOMPARE(dialogs.lastText(), QStringLiteral("Došlo k neočekávané chybě programu."));
        QTest::mouseClick(&button, Qt::LeftButton);
        QCOMPARE(clicks, 2);
        QCOMPARE(dialogs.shown.size(), 3);
        app->setErrorDialogs(nullptr);
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
        QCOMPARE(*reopened->readInteger("Normalni zkousec", "Angcz"), 1);
        QVERIFY(*reopened->readBool("Normalni zkousec", "Angcz"));
        QCOMPARE(reopened->readString("Nastaveni", "BarvaGrafu"), QStringLiteral("clBlue"));
        QCOMPARE(reopened->readString("Nastaveni", "Proc1"), QString());
        QVERIFY(!reopened->readInteger("Nastaveni", "Tipy"));
        QVERIFY(!reopened->readInteger("Nastaveni", "BarvaGrafu"));
    }

    void shippedDataIsReadFromTheProgramFolderAndUserDataWrittenToTheUsersFolder_data() {
        QTest::addColumn<QString>("layout"); // where the executable is, in a fresh folder
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("programDir");
        QTest::addColumn<bool>("separate");
        QTest::newRow("build or portable copy") << "program" << QStringList{} << "program" << false;
        QTest::newRow("installed") << "usr/bin" << QStringList{} << "usr/share/vokab" << true;
        QTest::newRow("named on the command line")
            << "usr/bin" << QStringList{"--program-dir", "@/program"} << "program" << false;
        QTest::newRow("named with =")
            << "usr/bin" << QStringList{"--program-dir=@/program"} << "program" << false;
    }
    void shippedDataIsReadFromTheProgramFolderAndUserDataWrittenToTheUsersFolder() {
        QFETCH(QString, layout);
        QFETCH(QStringList, arguments);
        QFETCH(QString, programDir);
        QFETCH(bool, separate);
        QTemporaryDir root;
        const QDir dir(root.path());
        QVERIFY(dir.mkpath("usr/bin"));
        for (const char *data : {"program/", "usr/share/vokab/"}) {
            QVERIFY(dir.mkpath(QString(data) + "Slovniky/ZVIRATA"));
            for (const char *file : {"Slovniky/ZVIRATA/cat.wav", "Tips.vkb"}) {
                QFile shipped(dir.filePath(QString(data) + file));
                QVERIFY(shipped.open(QIODevice::WriteOnly) && shipped.write("shipped") == 7);
            }
        }
        arguments.replaceInStrings("@", root.path());
#ifdef Q_OS_WIN
        // A per-user installation may write its own folder: on Windows only the marker
        // makes the copy portable.
        QFile marker(dir.filePath("program/portable"));
        QVERIFY(marker.open(QIODevice::WriteOnly));
        marker.close();
#endif

        qunsetenv("VOKAB_PROGRAM_DIR");
        bool installed = true;
        const QString located = ProgramFolder::locate(
            QStringList{"vokab"} + arguments, dir.filePath(layout), "../share/vokab", &installed);
        QCOMPARE(located, QFileInfo(dir.filePath(programDir)).canonicalFilePath());
        QCOMPARE(installed, layout == "usr/bin" && arguments.isEmpty());
        // Even where it may write (root may write everywhere), an installation writes
        // only into the user's folder.
        const QString userData = dir.filePath("home/.local/share/Vokab2");
        const QString user = ProgramFolder::userFolderFor(located, installed, userData);
        QCOMPARE(user, separate ? userData : located);

        const ProgramFolder folder(located, user);
        QCOMPARE(folder.separate(), separate);
        QCOMPARE(folder.shipped("prekladac.dat"), located + "/prekladac.dat");
        QCOMPARE(folder.temp(), user + "/Temp/");
        QCOMPARE(folder.workDir(), user + "/WorkDir/");
        QCOMPARE(folder.updates(), user + "/Aktualizace/");
        QCOMPARE(folder.dictionaries(), user + "/Slovniky/");
        QCOMPARE(folder.userFile("statistiky.dat"), user + "/statistiky.dat");

        // The first start gives the user the sample dictionaries; a later one keeps what
        // the user did with them.
        folder.prepareUserFolder();
        for (const char *sub : {"Temp", "WorkDir", "Aktualizace", "Slovniky"})
            QVERIFY2(QFileInfo(folder.userFile(sub)).isDir(), qPrintable(sub));
        const QString sample = folder.dictionaries() + "ZVIRATA/cat.wav";
        QCOMPARE(bytesOf(sample), QByteArray("shipped"));
        QCOMPARE(folder.userOrShipped("Tips.vkb"), folder.shipped("Tips.vkb"));
        for (const QString &file : {sample, folder.userFile("Tips.vkb")}) {
            QFile own(file);
            QVERIFY(own.open(QIODevice::WriteOnly) && own.write("mine") == 4);
        }
        folder.prepareUserFolder();
        QCOMPARE(bytesOf(sample), QByteArray("mine"));
        QCOMPARE(folder.userOrShipped("Tips.vkb"), folder.userFile("Tips.vkb"));
        QCOMPARE(bytesOf(folder.shipped("Tips.vkb")), separate ? "shipped" : "mine");
    }

    void programFolderComesFromTheEnvironment() {
        qputenv("VOKAB_PROGRAM_DIR", "/tmp/q");
        QCOMPARE(ProgramFolder::locate({"vokab"}, "/opt/vokab", "../share/vokab"),
                 QStringLiteral("/tmp/q"));
        qunsetenv("VOKAB_PROGRAM_DIR");
    }

    void qtsOwnTextsAreCzechFromQtsFolderOrTheProgramFolder() {
        QTemporaryDir program;
        QVERIFY(!qttranslations::install(*QCoreApplication::instance(),
                                         {program.filePath("chybi"), program.path()}));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancel"));
        // A system without Qt's translations: the copy in the program folder serves.
        const QString shipped = qttranslations::folders(program.path()).constLast();
        QVERIFY(QDir().mkpath(shipped));
        const QString system = qttranslations::folders(program.path()).constFirst();
#ifdef Q_OS_WIN
        if (!QFileInfo::exists(system + "/qtbase_cs.qm"))
            QSKIP("this Qt for Windows has no translations of its own; the installer's copy in "
                  "the program folder is checked by tools/windows/smoke.sh");
#endif
        QVERIFY(QFile::copy(system + "/qtbase_cs.qm", shipped + "/qtbase_cs.qm"));
        QVERIFY(qttranslations::install(*QCoreApplication::instance(),
                                        {program.filePath("chybi"), shipped}));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Zrušit"));
        QCOMPARE(QCoreApplication::translate("QFileDialog", "File &name:"),
                 QStringLiteral("Název &souboru:"));
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
