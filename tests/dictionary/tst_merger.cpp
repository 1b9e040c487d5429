// The dictionary merger and the dictionary converter: records gathered by hand from
// several dictionaries, and two word lists paired line by line.
#include "dictionary/Unit14.h"
#include "dictionary/Unit15.h"
#include "dictionary/Unit2.h"
#include "dictionary/prevadec.h"
#include "support/testfiles.h"
#include "support/testplatform.h"
#include "ui/forms.h"

#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTextEdit>

namespace {

const QStringList kA = {QStringLiteral("kočka;cat;[k@t];NENÍ"),
                        QStringLiteral("pes;dog;[];/tmp/dog.wav"),
                        QStringLiteral("dům+domov;house+home;[];NENÍ")};
const QStringList kB = {QStringLiteral("strom;tree;[];NENÍ"),
                        QStringLiteral("řeka;river;[r1v2];NENÍ")};

} // namespace

class TestMerger : public QObject {
    Q_OBJECT

    std::unique_ptr<TestWindows> m_windows;
    TForm14 *m() { return m_windows->forms().Form14; }
    TForm15 *c() { return m_windows->forms().Form15; }
    ScriptedDialogs &dialogs() { return m_windows->dialogs(); }
    QString write(const QString &name, const QStringList &lines) {
        return m_windows->platform().writeFile(name, cp1250Lines(lines));
    }
    void load(const QString &path) {
        dialogs().files.push_back(path);
        QTest::mouseClick(m()->btnacti, Qt::LeftButton);
    }
    void selectSource(int row) { m()->stg->setCurrentIndex(m()->stg->model()->index(row, 0)); }
    QString saveAs(const QString &name) {
        const QString path = m_windows->platform().folder.userFile(name);
        dialogs().files.push_back(path);
        QTest::mouseClick(m()->btuloz, Qt::LeftButton);
        return path;
    }
    QString gridRow(QTableView *grid, int row) {
        QStringList cells;
        for (int c = 0; c < 4; ++c)
            cells << grid->model()->index(row, c).data().toString();
        return cells.join(u';');
    }

private slots:
    void init() {
        m_windows = std::make_unique<TestWindows>();
        m()->show();
    }
    void cleanup() { m_windows.reset(); }

    // Both grids show the fields in file order, the pronunciations in the phonetic font.
    void testGridsShowFieldsInFileOrderUnderTheirHeaders() {
        QStringList headers;
        for (int c = 0; c < 4; ++c)
            headers << m()->stg1->model()->headerData(c, Qt::Horizontal).toString();
        QCOMPARE(headers, QStringList({QStringLiteral("Český výraz"), QStringLiteral("Cizí výraz"),
                                       QStringLiteral("Cizojazyčná výslovnost"),
                                       QStringLiteral("Mluvená výslovnost")}));
        QCOMPARE(m()->stg->model()->rowCount(), 1); // one empty row while empty
        QCOMPARE(m()->Label5->text(), QString());
        load(write(QStringLiteral("A.slv"), kA));
        QCOMPARE(m()->stg->model()->rowCount(), 3);
        QCOMPARE(gridRow(m()->stg, 1), kA[1]);
        QCOMPARE(m()->Label5->text(), QStringLiteral("3"));
        for (QTableView *grid : {m()->stg, m()->stg1})
            QCOMPARE(grid->model()->index(0, 2).data(Qt::FontRole).value<QFont>().family(),
                     QStringLiteral("VokabFont"));
    }

    void testAllOfOneAndOneOfAnotherSaveInTransferOrder() {
        load(write(QStringLiteral("A.slv"), kA));
        QTest::mouseClick(m()->BitBtn1, Qt::LeftButton);
        load(write(QStringLiteral("B.slv"), kB));
        selectSource(1);
        QTest::mouseClick(m()->btpreved, Qt::LeftButton);
        QCOMPARE(m()->Label6->text(), QStringLiteral("4"));
        QCOMPARE(gridRow(m()->stg1, 3), kB[1]);
        const QString out = saveAs(QStringLiteral("new.slv"));
        QCOMPARE(bytesOf(out), cp1250Lines(kA + QStringList{kB[1]}));
        QCOMPARE(dialogs().shown.size(), 0);
    }

    void testRecordTransferredTwiceIsSavedTwiceAndSavingTwiceWritesTheSame() {
        load(write(QStringLiteral("A.slv"), kA));
        selectSource(2);
        QTest::mouseClick(m()->btpreved, Qt::LeftButton);
        QTest::mouseClick(m()->btpreved, Qt::LeftButton);
        const QString first = saveAs(QStringLiteral("one.slv"));
        const QString second = saveAs(QStringLiteral("two.slv"));
        QCOMPARE(bytesOf(first), cp1250Lines({kA[2], kA[2]}));
        QCOMPARE(bytesOf(second), bytesOf(first));
        QCOMPARE(m()->Tnovy().size(), 2); // saving leaves the list as it was
    }

    void testRemovingFromTheSourceKeepsItsFileAndOrder() {
        const QString a = write(QStringLiteral("A.slv"), kA);
        const QByteArray before = bytesOf(a);
        load(a);
        selectSource(0);
        QTest::mouseClick(m()->btuberstary, Qt::LeftButton);
        QCOMPARE(m()->Label5->text(), QStringLiteral("2"));
        QCOMPARE(gridRow(m()->stg, 0), kA[1]);
        QCOMPARE(gridRow(m()->stg, 1), kA[2]);
        QCOMPARE(bytesOf(a), before);
        QTest::mouseClick(m()->BitBtn1, Qt::LeftButton);
        QCOMPARE(bytesOf(saveAs(QStringLiteral("n.slv"))), cp1250Lines({kA[1], kA[2]}));
        // Removed one by one, both lists end with their one empty row.
        for (QTableView *grid : {m()->stg, m()->stg1}) {
            for (int left = 2; left > 0; --left) {
                grid->setCurrentIndex(grid->model()->index(0, 0));
                QTest::mouseClick(grid == m()->stg ? m()->btuberstary : m()->btuberznovy,
                                  Qt::LeftButton);
            }
            QCOMPARE(grid->model()->rowCount(), 1);
            QCOMPARE(gridRow(grid, 0), QStringLiteral(";;;"));
        }
    }

    void testRemovingFromTheNewListAndEmptyingIt() {
        load(write(QStringLiteral("A.slv"), kA));
        QTest::mouseClick(m()->BitBtn1, Qt::LeftButton);
        m()->stg1->setCurrentIndex(m()->stg1->model()->index(1, 0));
        QTest::mouseClick(m()->btuberznovy, Qt::LeftButton);
        QCOMPARE(m()->Label6->text(), QStringLiteral("2"));
        QCOMPARE(bytesOf(saveAs(QStringLiteral("n.slv"))), cp1250Lines({kA[0], kA[2]}));

        QTest::mouseClick(m()->BitBtn2, Qt::LeftButton);
        QCOMPARE(m()->Label6->text(), QStringLiteral("0"));
        QCOMPARE(m()->stg1->model()->rowCount(), 1);
        QCOMPARE(gridRow(m()->stg1, 0), QStringLiteral(";;;"));
        const int dialogsBefore = int(dialogs().fileDialogs.size());
        QTest::mouseClick(m()->btuloz, Qt::LeftButton);
        QCOMPARE(dialogs().texts(), QStringList{QStringLiteral("Nelze uložit prázdný slovník.")});
        QCOMPARE(dialogs().shown.last().kind, MessageKind::Information);
        QCOMPARE(int(dialogs().fileDialogs.size()), dialogsBefore); // no save dialog
    }

    void testButtonsOnEmptyListsDoNothing() {
        for (QPushButton *b : {m()->btuberstary, m()->btpreved, m()->BitBtn1, m()->btuberznovy})
            QTest::mouseClick(b, Qt::LeftButton);
        QVERIFY(m()->Tpuvodni().isEmpty());
        QVERIFY(m()->Tnovy().isEmpty());
        QCOMPARE(dialogs().shown.size(), 0);
    }

    void testClosingEmptiesBothListsAndShowsTheEditor() {
        load(write(QStringLiteral("A.slv"), kA));
        QTest::mouseClick(m()->BitBtn1, Qt::LeftButton);
        QTest::mouseClick(m()->btkonec, Qt::LeftButton);
        QVERIFY(!m()->isVisible());
        QVERIFY(m_windows->forms().Form2->isVisible());
        m()->show();
        QCOMPARE(m()->stg->model()->rowCount(), 1);
        QCOMPARE(m()->stg1->model()->rowCount(), 1);
        load(write(QStringLiteral("B.slv"), kB));
        QTest::mouseClick(m()->btpreved, Qt::LeftButton);
        QCOMPARE(m()->Tnovy().size(), 1);
        QCOMPARE(gridRow(m()->stg1, 0), kB[0]);
    }

    void testLoadRemembersLowerCaseNameAndCancelChangesNothing() {
        load(write(QStringLiteral("Velka/SLOVNIK.slv"), kA));
        QVERIFY(m()->OpenDialog1.fileName.endsWith(QStringLiteral("/velka/slovnik.slv")));
        QCOMPARE(m()->OpenDialog1.history.size(), 1);
        dialogs().files.push_back(std::nullopt);
        QTest::mouseClick(m()->btnacti, Qt::LeftButton);
        QCOMPARE(m()->Tpuvodni().size(), 3);
    }

    void testUnreadableFileKeepsTheSourceListAndSaysWhy() {
        load(write(QStringLiteral("A.slv"), kA));
        load(m_windows->platform().folder.userFile(QStringLiteral("chybi.slv")));
        QCOMPARE(m()->Tpuvodni().size(), 3);
        QCOMPARE(dialogs().shown.size(), 1);
        QCOMPARE(dialogs().shown[0].kind, MessageKind::Error);
        QVERIFY(dialogs().shown[0].text.contains(QStringLiteral("chybi.slv")));
    }

    void testFailedSaveIsReportedAndTheOldFileKept() {
        load(write(QStringLiteral("A.slv"), kA));
        QTest::mouseClick(m()->BitBtn1, Qt::LeftButton);
        // The target is a folder: the save cannot replace it.
        const QString folder = m_windows->platform().writeFile(QStringLiteral("d.slv/x"), "x");
        Q_UNUSED(folder);
        saveAs(QStringLiteral("d.slv"));
        QCOMPARE(dialogs().shown.size(), 1);
        QCOMPARE(dialogs().shown[0].kind, MessageKind::Error);
        QVERIFY(dialogs().shown[0].text.contains(QStringLiteral("d.slv")));
        QVERIFY(m()->SaveDialog1.history.isEmpty());
    }

    // The converter.

    void testPairLinesByPosition_data() {
        QTest::addColumn<QStringList>("czech");
        QTest::addColumn<QStringList>("foreign");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("equal") << QStringList{u"DŮM"_qs, u"pes"_qs}
                               << QStringList{u"HOUSE"_qs, u"dog"_qs}
                               << QStringList{u"DŮM;HOUSE;[];NENÍ"_qs, u"pes;dog;[];NENÍ"_qs};
        QTest::newRow("3 czech, 2 foreign")
            << QStringList{u"a"_qs, u"b"_qs, u"č"_qs} << QStringList{u"x"_qs, u"y"_qs}
            << QStringList{u"a;x;[];NENÍ"_qs, u"b;y;[];NENÍ"_qs, u"č;;[];NENÍ"_qs};
        QTest::newRow("2 czech, 5 foreign")
            << QStringList{u"a"_qs, u"b"_qs}
            << QStringList{u"x"_qs, u"y"_qs, u"z"_qs, u"v"_qs, u"w"_qs}
            << QStringList{u"a;x;[];NENÍ"_qs, u"b;y;[];NENÍ"_qs};
        QTest::newRow("empty lines and meanings kept")
            << QStringList{u""_qs, u"dům+domov"_qs} << QStringList{u"x"_qs, u""_qs}
            << QStringList{u";x;[];NENÍ"_qs, u"dům+domov;;[];NENÍ"_qs};
        QTest::newRow("separator becomes plus")
            << QStringList{u"a;b"_qs} << QStringList{u"x;y;z"_qs}
            << QStringList{u"a+b;x+y+z;[];NENÍ"_qs};
    }
    void testPairLinesByPosition() {
        QFETCH(QStringList, czech);
        QFETCH(QStringList, foreign);
        QFETCH(QStringList, lines);
        QCOMPARE(conversion::pairWordLists(czech, foreign), lines);
        // Every line reads back as a record of four fields with the pair in place.
        for (qsizetype i = 0; i < lines.size(); ++i)
            QCOMPARE(rozreteznac(lines[i], u';').size(), 4);
    }

    void testConvertedWordListsSaveAsDictionary() {
        dialogs().files.push_back(
            write(QStringLiteral("slova.cz"), {u"dům"_qs, u"kočka"_qs, u"pes"_qs}));
        QTest::mouseClick(c()->BitBtn2, Qt::LeftButton);
        dialogs().files.push_back(write(QStringLiteral("words.nem"), {u"Haus"_qs, u"Katze"_qs}));
        QTest::mouseClick(c()->BitBtn3, Qt::LeftButton);
        QCOMPARE(c()->czechExpressions().size(), 3); // opening the foreign list kept the Czech one
        QCOMPARE(c()->RichEdit2->toPlainText(), QStringLiteral("Haus\nKatze"));
        QTest::mouseClick(c()->BitBtn4, Qt::LeftButton);
        const QStringList expected = {u"dům;Haus;[];NENÍ"_qs, u"kočka;Katze;[];NENÍ"_qs,
                                      u"pes;;[];NENÍ"_qs};
        QCOMPARE(c()->Memo1->toPlainText(), expected.join(u'\n'));
        const QString out = m_windows->platform().folder.userFile(QStringLiteral("out.slv"));
        dialogs().files.push_back(out);
        QTest::mouseClick(c()->BitBtn5, Qt::LeftButton);
        QCOMPARE(bytesOf(out), cp1250Lines(expected));
        QCOMPARE(dialogs().shown.size(), 0);
        for (QWidget *pane :
             {static_cast<QWidget *>(c()->RichEdit1), static_cast<QWidget *>(c()->RichEdit2)})
            QCOMPARE(static_cast<QTextEdit *>(pane)->toPlainText(), QString());
        QCOMPARE(c()->Memo1->toPlainText(), QString());
        QTest::mouseClick(c()->BitBtn5, Qt::LeftButton);
        QCOMPARE(dialogs().texts(),
                 QStringList{QStringLiteral("Nelze úkladat prázdný slovník!!!")});
    }

    void testConvertTwiceDoublesAndOpeningAListEmptiesTheNewDictionary() {
        dialogs().files.push_back(write(QStringLiteral("a.cz"), {u"a"_qs}));
        QTest::mouseClick(c()->BitBtn2, Qt::LeftButton);
        dialogs().files.push_back(write(QStringLiteral("a.ang"), {u"x"_qs}));
        QTest::mouseClick(c()->BitBtn3, Qt::LeftButton);
        QTest::mouseClick(c()->BitBtn4, Qt::LeftButton);
        QTest::mouseClick(c()->BitBtn4, Qt::LeftButton);
        QCOMPARE(c()->convertedDictionary(), QStringList({u"a;x;[];NENÍ"_qs, u"a;x;[];NENÍ"_qs}));
        dialogs().files.push_back(write(QStringLiteral("b.fra"), {u"y"_qs}));
        QTest::mouseClick(c()->BitBtn3, Qt::LeftButton);
        QVERIFY(c()->convertedDictionary().isEmpty());
        QCOMPARE(c()->Memo1->toPlainText(), QString());
        QTest::mouseClick(c()->BitBtn4, Qt::LeftButton);
        QCOMPARE(c()->convertedDictionary(), QStringList{u"a;y;[];NENÍ"_qs});
    }

    void testConvertNamesTheMissingListCzechFirst() {
        QTest::mouseClick(c()->BitBtn4, Qt::LeftButton);
        dialogs().files.push_back(write(QStringLiteral("a.ang"), {u"x"_qs}));
        QTest::mouseClick(c()->BitBtn3, Qt::LeftButton);
        QTest::mouseClick(c()->BitBtn4, Qt::LeftButton);
        dialogs().files.push_back(write(QStringLiteral("a.cz"), {u"a"_qs}));
        QTest::mouseClick(c()->BitBtn2, Qt::LeftButton);
        dialogs().files.push_back(std::nullopt); // a cancelled dialog keeps the foreign list
        QTest::mouseClick(c()->BitBtn3, Qt::LeftButton);
        dialogs().files.push_back(write(QStringLiteral("e.ang"), {}));
        QTest::mouseClick(c()->BitBtn3, Qt::LeftButton);
        QTest::mouseClick(c()->BitBtn4, Qt::LeftButton);
        QCOMPARE(dialogs().texts(),
                 QStringList({u"Nelze převést slovníky, není načtený slovník s Českými výrazy"_qs,
                              u"Nelze převést slovníky, není načtený slovník s Českými výrazy"_qs,
                              u"Nelze převést slovníky, není načtený slovník s Cizími výrazy"_qs}));
    }

    void testOpenDialogsOfferTheWordListKinds() {
        QCOMPARE(c()->OpenDialog1.filter, QStringLiteral("Český slovník|*.cz"));
        QCOMPARE(c()->OpenDialog2.filter.split(u'|').size(), 14);
        QCOMPARE(c()->OpenDialog2.defaultSuffix, QStringLiteral("ang"));
    }

    void testUnreadableWordListLeavesItsListEmpty() {
        dialogs().files.push_back(write(QStringLiteral("a.cz"), {u"a"_qs}));
        QTest::mouseClick(c()->BitBtn2, Qt::LeftButton);
        dialogs().files.push_back(
            m_windows->platform().folder.userFile(QStringLiteral("chybi.cz")));
        QTest::mouseClick(c()->BitBtn2, Qt::LeftButton);
        QVERIFY(c()->czechExpressions().isEmpty());
        QCOMPARE(c()->RichEdit1->toPlainText(), QString());
        QCOMPARE(dialogs().shown.size(), 1);
        QCOMPARE(dialogs().shown[0].kind, MessageKind::Error);
    }

    void testClosingShowsTheEditorAndKeepsThePanes() {
        dialogs().files.push_back(write(QStringLiteral("a.cz"), {u"a"_qs}));
        QTest::mouseClick(c()->BitBtn2, Qt::LeftButton);
        c()->show();
        QTest::mouseClick(c()->BitBtn1, Qt::LeftButton);
        QVERIFY(!c()->isVisible());
        QVERIFY(m_windows->forms().Form2->isVisible());
        QCOMPARE(c()->czechExpressions(), QStringList{u"a"_qs});
    }
};

QTEST_MAIN(TestMerger)
#include "tst_merger.moc"
