#include "core/textfile.h"
#include "dictionary/recordlist.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

Tslovniky recordNo(int n) {
    return {QStringLiteral("w%1").arg(n), QStringLiteral("s%1").arg(n), QStringLiteral("[]"),
            QStringLiteral("NENÍ")};
}

QByteArray bytesOf(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A place of a script: a number, "m" (the middle) or "e" (the end: the last record, or
// after it for an insertion).
qsizetype placeOf(const QString &token, qsizetype size, bool inserting) {
    if (token == u'm')
        return size / 2;
    if (token == u'e')
        return inserting ? size : size - 1;
    return token.toLongLong();
}

} // namespace

class TestRecordList : public QObject {
    Q_OBJECT

private slots:
    // Every change of a script, made to the list and to a plain list of records beside it:
    // "-P" takes the record at P out, "+P" puts a new one before P, "+P*N" does so N times.
    // Blocks of numbers are split, emptied and their starts recounted on the way; deleted
    // records' places are taken again. The two hold the same records in the same order,
    // and their files are the same bytes.
    void changesAnywhereKeepThePlainListsOrderAndFile_data() {
        QTest::addColumn<int>("initial");
        QTest::addColumn<QString>("script");
        QTest::newRow("first") << 5000 << "-0 -0 +0 +0 -0 +0";
        QTest::newRow("middle") << 5000 << "-m -m +m +m -m +m";
        QTest::newRow("last") << 5000 << "-e -e +e +e -e +e";
        QTest::newRow("block edges") << 5000 << "-2047 -2047 +2047 +2048 -2048 +4095 -4094 +0";
        QTest::newRow("a block split") << 100 << "+m*4200 -m -0 -e +4000 -2100";
        QTest::newRow("the first block emptied") << 3000 << "-0*2048 +0 -0 -0 +m";
        QTest::newRow("from nothing") << 0 << "+e +0 +m -0 -e -0 +e";
        QTest::newRow("everything deleted") << 3 << "-0 -0 -0 +e +e";
    }
    void changesAnywhereKeepThePlainListsOrderAndFile() {
        QFETCH(int, initial);
        QFETCH(QString, script);
        Tpole plain;
        for (int n = 0; n < initial; ++n)
            plain.append(recordNo(n));
        RecordList list(plain);
        int next = initial;
        for (const QString &step : script.split(u' ')) {
            const QStringList parts = step.mid(1).split(u'*');
            const int times = parts.size() > 1 ? parts[1].toInt() : 1;
            for (int i = 0; i < times; ++i) {
                const bool inserting = step[0] == u'+';
                const qsizetype at = placeOf(parts[0], plain.size(), inserting);
                if (inserting) {
                    plain.insert(at, recordNo(next));
                    list.insert(at, recordNo(next));
                    ++next;
                } else {
                    QCOMPARE(list.take(at), plain.takeAt(at));
                }
                QCOMPARE(list.size(), plain.size());
            }
        }
        QCOMPARE(list.isEmpty(), plain.isEmpty());
        for (qsizetype row = 0; row < plain.size(); ++row)
            QCOMPARE(std::as_const(list)[row], plain[row]);
        QCOMPARE(list.toList(), plain);
        QTemporaryDir folder;
        const QString fromList = folder.filePath(QStringLiteral("list.slv"));
        const QString fromPlain = folder.filePath(QStringLiteral("plain.slv"));
        QVERIFY(dictionaryfile::writeDictionaryFile(fromList, list).ok());
        QVERIFY(dictionaryfile::writeDictionaryFile(fromPlain, plain).ok());
        QCOMPARE(bytesOf(fromList), bytesOf(fromPlain));
        QCOMPARE(bytesOf(fromList).count('\n'), plain.size());
    }
};

QTEST_GUILESS_MAIN(TestRecordList)
#include "tst_recordlist.moc"
