#include "dictionary/editorlogic.h"
#include "support/testfiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

void writeBytes(const QString &path, const QByteArray &bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

Tslovniky withSound(const QString &ang, const QString &sound) {
    return {ang, QStringLiteral("cz"), QStringLiteral("[]"), sound};
}

} // namespace

class TestEditorLogic : public QObject {
    Q_OBJECT

private slots:
    void typedTextFollowsTheFieldRules_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("upper");
        QTest::addColumn<bool>("plus");
        QTest::addColumn<QString>("expected");
        QTest::newRow("semicolon joins meanings") << "dog;hound" << false << true << "dog+hound";
        QTest::newRow("upper case with Czech letters")
            << QStringLiteral("žluťoučký kůň;pes") << true << true
            << QStringLiteral("ŽLUŤOUČKÝ KŮŇ+PES");
        QTest::newRow("pronunciation drops semicolons") << "[h@;l2]" << false << false << "[h@l2]";
        QTest::newRow("nothing to change") << "cat" << false << true << "cat";
        QTest::newRow("a capital Windows-1250 lacks") << "µm" << true << true << "µM";
        QTest::newRow("only semicolons") << ";;" << false << false << "";
    }
    void typedTextFollowsTheFieldRules() {
        QFETCH(QString, typed);
        QFETCH(bool, upper);
        QFETCH(bool, plus);
        QFETCH(QString, expected);
        QCOMPARE(editor::fieldText(typed, {upper, plus}), expected);
    }

    void soundFolderIsNamedAfterTheNameUpToItsFirstDot() {
        QCOMPARE(editor::soundFolderBase(QStringLiteral("zvirata.slv")), QStringLiteral("zvirata"));
        QCOMPARE(editor::soundFolderBase(QStringLiteral("a.b.slv")), QStringLiteral("a"));
        QCOMPARE(editor::soundFolderBase(QStringLiteral("bez")), QStringLiteral("bez"));
        QCOMPARE(editor::soundFolderBase(QStringLiteral(".slv")), QString());
    }

    void missingSoundFolderIsCreatedInUpperCase() {
        QTemporaryDir dir;
        const QString folder = editor::soundFolder(dir.path() + u'/', QStringLiteral("zvirata"));
        QCOMPARE(folder, dir.path() + QStringLiteral("/ZVIRATA"));
        QVERIFY(QFileInfo(folder).isDir());
        // A second save finds the same folder.
        QCOMPARE(editor::soundFolder(dir.path() + u'/', QStringLiteral("zvirata")), folder);
    }

    void existingSoundFolderKeepsItsSpellingWhateverTheCase() {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("Zvirata")));
        QCOMPARE(editor::soundFolder(dir.path() + u'/', QStringLiteral("zvirata")),
                 dir.path() + QStringLiteral("/Zvirata"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot),
                 QStringList{QStringLiteral("Zvirata")});
    }

    void saveMovesSoundsBesideTheDictionaryAndRewritesTheirPaths() {
        QTemporaryDir dir;
        QDir(dir.path()).mkdir(QStringLiteral("Temp"));
        const QString cat = dir.path() + QStringLiteral("/Temp/cat.wav");
        const QString dog = dir.path() + QStringLiteral("/Temp/dog.wav");
        writeBytes(cat, "cat sound");
        writeBytes(dog, "dog sound");
        Tpole dictionary{withSound(QStringLiteral("cat"), cat),
                         withSound(QStringLiteral("none"), dictionaryfile::kNoSound),
                         withSound(QStringLiteral("dog"), dog)};
        const QString path = dir.path() + QStringLiteral("/Zvirata.slv");

        const QString temp = dir.path() + QStringLiteral("/Temp/");
        const editor::SoundMoveResult result = editor::moveSounds(dictionary, path, temp);

        QCOMPARE(result.files.size(), 2);
        QVERIFY(result.failed.isEmpty());
        const QString folder = dir.path() + QStringLiteral("/ZVIRATA/");
        QCOMPARE(dictionary[0].zvuk, QDir::toNativeSeparators(folder + QStringLiteral("cat.wav")));
        QCOMPARE(dictionary[1].zvuk, dictionaryfile::kNoSound);
        QCOMPARE(dictionary[2].zvuk, QDir::toNativeSeparators(folder + QStringLiteral("dog.wav")));
        QCOMPARE(bytesOf(folder + QStringLiteral("cat.wav")), QByteArray("cat sound"));
        QVERIFY(!QFile::exists(cat));
        QVERIFY(!QFile::exists(dog));

        // Saving again leaves the sounds where they are.
        const Tpole before = dictionary;
        const editor::SoundMoveResult again = editor::moveSounds(dictionary, path, temp);
        QCOMPARE(again.files.size(), 0);
        QVERIFY(again.failed.isEmpty());
        QCOMPARE(dictionary, before);
        QCOMPARE(bytesOf(folder + QStringLiteral("dog.wav")), QByteArray("dog sound"));
    }

    void soundThatCannotBeMovedKeepsItsPath() {
        QTemporaryDir dir;
        QDir(dir.path()).mkdir(QStringLiteral("Temp"));
        const QString waiting = dir.path() + QStringLiteral("/Temp/cat.wav");
        writeBytes(waiting, "cat");
        // A file where the sound folder would be: the folder cannot be made.
        writeBytes(dir.path() + QStringLiteral("/A"), "not a folder");
        Tpole dictionary{withSound(QStringLiteral("cat"), waiting)};
        const editor::SoundMoveResult result =
            editor::moveSounds(dictionary, dir.path() + QStringLiteral("/a.slv"),
                               dir.path() + QStringLiteral("/Temp"));
        QVERIFY(result.files.isEmpty());
        QCOMPARE(result.failed, QStringList{waiting});
        QCOMPARE(dictionary[0].zvuk, waiting);
        QCOMPARE(bytesOf(waiting), QByteArray("cat"));
    }

    void soundFileOfTheSameNameInTheFolderStaysAndTheRecordingTakesAFreeName() {
        QTemporaryDir dir;
        QDir(dir.path()).mkpath(QStringLiteral("A"));
        QDir(dir.path()).mkpath(QStringLiteral("Temp"));
        writeBytes(dir.path() + QStringLiteral("/A/cat.wav"), "old");
        const QString fresh = dir.path() + QStringLiteral("/Temp/cat.wav");
        writeBytes(fresh, "new");
        Tpole dictionary{withSound(QStringLiteral("cat"), fresh)};
        const editor::SoundMoveResult result =
            editor::moveSounds(dictionary, dir.path() + QStringLiteral("/a.slv"),
                               dir.path() + QStringLiteral("/Temp/"));
        QCOMPARE(result.files.size(), 1);
        QCOMPARE(bytesOf(dir.path() + QStringLiteral("/A/cat.wav")), QByteArray("old"));
        QCOMPARE(bytesOf(dir.path() + QStringLiteral("/A/cat_2.wav")), QByteArray("new"));
        QCOMPARE(dictionary[0].zvuk,
                 QDir::toNativeSeparators(dir.path() + QStringLiteral("/A/cat_2.wav")));
    }

    void twoExpressionsSharingOneSoundBothFollowIt() {
        QTemporaryDir dir;
        QDir(dir.path()).mkpath(QStringLiteral("Temp"));
        const QString shared = dir.path() + QStringLiteral("/Temp/what1.wav");
        writeBytes(shared, "what");
        Tpole dictionary{withSound(QStringLiteral("what?"), shared),
                         withSound(QStringLiteral("what?"), shared)};
        const editor::SoundMoveResult result =
            editor::moveSounds(dictionary, dir.path() + QStringLiteral("/s.slv"),
                               dir.path() + QStringLiteral("/Temp/"));
        QCOMPARE(result.files.size(), 1);
        QVERIFY(result.failed.isEmpty());
        const QString target =
            QDir::toNativeSeparators(dir.path() + QStringLiteral("/S/what1.wav"));
        QCOMPARE(dictionary[0].zvuk, target);
        QCOMPARE(dictionary[1].zvuk, target);
    }
};

QTEST_GUILESS_MAIN(TestEditorLogic)
#include "tst_editorlogic.moc"
