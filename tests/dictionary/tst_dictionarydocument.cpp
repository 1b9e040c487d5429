#include "dictionary/dictionarydocument.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

// The editor's dictionary without its window: what each change does to the records, the
// file's name and the modified flag, and which signals tell of it.
class TestDictionaryDocument : public QObject {
    Q_OBJECT

private slots:
    void everyChangeIsToldAndMarked_data() {
        QTest::addColumn<QString>("step");
        QTest::addColumn<int>("count");
        QTest::addColumn<bool>("modified");
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<int>("changed");
        QTest::addColumn<int>("renamed");
        QTest::addColumn<int>("saved");
        // Each row starts from zvirata.slv, opened with two expressions (changed once
        // before a save).
        QTest::newRow("add") << "append" << 3 << true << "zvirata.slv" << 1 << 0 << 0;
        QTest::newRow("delete") << "remove" << 1 << true << "zvirata.slv" << 1 << 0 << 0;
        QTest::newRow("delete past the end")
            << "remove 5" << 2 << false << "zvirata.slv" << 0 << 0 << 0;
        QTest::newRow("edit") << "setRecord" << 2 << true << "zvirata.slv" << 1 << 0 << 0;
        QTest::newRow("new") << "startNew" << 0 << false << "novyslovnik.slv" << 1 << 1 << 0;
        QTest::newRow("import") << "takeImported" << 1 << true << "novyslovnik.slv" << 1 << 1 << 0;
        QTest::newRow("save") << "save" << 2 << false << "zvirata.slv" << 0 << 0 << 1;
        QTest::newRow("save as") << "save as" << 2 << false << "jina.slv" << 0 << 1 << 1;
        QTest::newRow("save fails") << "save fails" << 2 << true << "zvirata.slv" << 0 << 0 << 0;
        // An undone import gives back the dictionary with its name, unmodified as it was; an
        // undo after a save marks the dictionary modified.
        QTest::newRow("import undone")
            << "takeImported, undo" << 2 << false << "zvirata.slv" << 2 << 2 << 0;
        QTest::newRow("undo after a save")
            << "save, undo" << 2 << true << "zvirata.slv" << 1 << 0 << 1;
    }
    void everyChangeIsToldAndMarked() {
        QFETCH(QString, step);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("zvirata.slv"));
        DictionaryDocument document;
        document.takeOpened({{"cat", "kočka", "[]", "NENÍ"}, {"dog", "pes", "[]", "NENÍ"}}, path);
        QVERIFY(!document.isModified());
        if (step.startsWith("save"))
            document.setRecord(1, {"dog", "pes", "[dOg]", "NENÍ"});
        QSignalSpy changed(&document, &DictionaryDocument::changed);
        QSignalSpy renamed(&document, &DictionaryDocument::renamed);
        QSignalSpy saved(&document, &DictionaryDocument::saved);
        if (step == "append") {
            document.append({"fish", "ryba", "[]", "NENÍ"});
        } else if (step.startsWith("remove")) {
            document.remove(step == "remove" ? 0 : 5);
        } else if (step == "setRecord") {
            document.setRecord(1, {"dog", "pes", "[dOg]", "NENÍ"});
        } else if (step == "startNew") {
            document.startNew();
        } else if (step.startsWith("takeImported")) {
            document.takeImported({{"bird", "pták", "[]", "NENÍ"}});
        } else {
            const QString target = step == "save as"      ? dir.filePath(QStringLiteral("jina.slv"))
                                   : step == "save fails" ? dir.filePath(QStringLiteral("x/y.slv"))
                                                          : path;
            DictionaryDocument::SoundReport sounds;
            const Result<void> result = document.saveTo(target, dir.path(), sounds);
            QCOMPARE(result.ok(), step != "save fails");
            QCOMPARE(result.error().isEmpty(), step != "save fails");
            QCOMPARE(QFile::exists(target), step != "save fails");
        }
        if (step.endsWith(", undo"))
            document.undo();
        QTEST(document.count(), "count");
        QTEST(document.isModified(), "modified");
        QTEST(document.fileName(), "fileName");
        QTEST(int(changed.size()), "changed");
        QTEST(int(renamed.size()), "renamed");
        QTEST(int(saved.size()), "saved");
    }
};

QTEST_GUILESS_MAIN(TestDictionaryDocument)
#include "tst_dictionarydocument.moc"
