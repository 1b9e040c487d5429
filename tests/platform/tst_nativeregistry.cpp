// The settings store on Windows: the registry under HKEY_CURRENT_USER\Software\Vokab2 keeps
// numbers as REG_DWORD and texts as REG_SZ, the types other programs and earlier versions
// read, and a value of the wrong type is a bad value, not a number. The test works in a
// key of its own, removed at the end.
#include "platform/registry.h"

#include <QSettings>
#include <QTest>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace {

const QString kKey = QStringLiteral("ZkouskaTestu");

#ifdef Q_OS_WIN
// The type of a value as the registry itself holds it; 0 when it cannot be read.
DWORD registryType(const QString &name) {
    const std::wstring key = (QStringLiteral("Software\\Vokab2\\") + kKey).toStdWString();
    DWORD type = 0;
    if (RegGetValueW(HKEY_CURRENT_USER, key.c_str(), name.toStdWString().c_str(), RRF_RT_ANY, &type,
                     nullptr, nullptr) != ERROR_SUCCESS)
        return 0;
    return type;
}
#endif

} // namespace

class TestNativeRegistry : public QObject {
    Q_OBJECT

    QSettings native{QStringLiteral("HKEY_CURRENT_USER\\Software\\Vokab2"),
                     QSettings::NativeFormat};

private slots:
    void init() {
#ifndef Q_OS_WIN
        QSKIP("the native registry is Windows's; Linux keeps its settings in an INI file");
#endif
        native.remove(kKey);
        native.sync();
    }
    void cleanup() {
        native.remove(kKey);
        native.sync();
    }

    void numbersAreDwordsAndTextsAreStrings() {
        const std::unique_ptr<Registry> registry = makeSettingsRegistry();
        registry->writeInteger(kKey, QStringLiteral("Tipy"), 1);
        registry->writeInteger(kKey, QStringLiteral("Barva"), -16777201);
        registry->writeString(kKey, QStringLiteral("Proc1"), QStringLiteral("80"));
        registry->writeString(kKey, QStringLiteral("Jmeno"), QStringLiteral("Žluťoučký kůň"));
#ifdef Q_OS_WIN
        QCOMPARE(registryType(QStringLiteral("Tipy")), DWORD(REG_DWORD));
        QCOMPARE(registryType(QStringLiteral("Barva")), DWORD(REG_DWORD));
        QCOMPARE(registryType(QStringLiteral("Proc1")), DWORD(REG_SZ));
        QCOMPARE(registryType(QStringLiteral("Jmeno")), DWORD(REG_SZ));
#endif
        const std::unique_ptr<Registry> again = makeSettingsRegistry();
        QVERIFY(again->keyExists(kKey));
        QCOMPARE(*again->readInteger(kKey, QStringLiteral("Tipy")), 1);
        QCOMPARE(*again->readInteger(kKey, QStringLiteral("Barva")), -16777201);
        QCOMPARE(again->readString(kKey, QStringLiteral("Proc1")), QStringLiteral("80"));
        QCOMPARE(again->readString(kKey, QStringLiteral("Jmeno")), QStringLiteral("Žluťoučký kůň"));
    }

    void valueOfTheWrongTypeIsABadValue_data() {
        QTest::addColumn<QVariant>("planted");
        QTest::newRow("number as text (REG_SZ)") << QVariant(QStringLiteral("5"));
        QTest::newRow("64-bit number (REG_QWORD)") << QVariant(qint64(5));
        QTest::newRow("bytes (REG_BINARY)") << QVariant(QByteArray("\x05\x00\x00\x00", 4));
    }
    void valueOfTheWrongTypeIsABadValue() {
        QFETCH(QVariant, planted);
        native.setValue(kKey + QStringLiteral("/Tipy"), planted);
        native.setValue(kKey + QStringLiteral("/Proc1"), 80);
        native.sync();
        const std::unique_ptr<Registry> registry = makeSettingsRegistry();
        QVERIFY(!registry->readInteger(kKey, QStringLiteral("Tipy")));
        SettingsReader reader(*registry, kKey);
        QCOMPARE(reader.integer(QStringLiteral("Tipy"), 7), 7);
        QCOMPARE(reader.unreadable(), QStringList{QStringLiteral("Tipy")});
        // A number where a text belongs reads as no text.
        QCOMPARE(registry->readString(kKey, QStringLiteral("Proc1")), QString());
    }
};

QTEST_GUILESS_MAIN(TestNativeRegistry)
#include "tst_nativeregistry.moc"
