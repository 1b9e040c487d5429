#include "dictionary/Unit11.h"
#include "support/press.h"
#include "support/testfiles.h"
#include "support/testplatform.h"
#include "testing/Unit10.h"
#include "testing/Unit4.h"
#include "testing/Unit9.h"
#include "ui/forms.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTextCursor>
#include <QTextEdit>

#include <algorithm>

namespace {

QString run(const QString &program, const QStringList &arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return QStringLiteral("<%1 failed: %2>")
            .arg(program, QString::fromLocal8Bit(process.readAllStandardError()));
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The printouts are read back with poppler's pdfinfo, pdffonts and pdftotext, Linux programs
// that a Windows test program cannot start.
#ifdef Q_OS_WIN
#define skipWithoutPdfReaders() QSKIP("no poppler-utils on Windows to read the printout back")
#else
#define skipWithoutPdfReaders()
#endif

} // namespace

class TestEvaluation : public QObject {
    Q_OBJECT

    std::unique_ptr<TestWindows> m_windows;
    TForm4 *t() { return m_windows->forms().Form4; }
    TForm10 *settings() { return m_windows->forms().Form10; }
    TForm9 *e() { return m_windows->forms().Form9; }
    TForm11 *print() { return m_windows->forms().Form11; }
    ScriptedDialogs &dialogs() { return m_windows->dialogs(); }

    // A sequential test of the lines, every answer wrong: the evaluation lists every
    // expression, in file order.
    void allWrong(const QStringList &lines) {
        settings()->rbpostupne->setChecked(true);
        const QString path =
            m_windows->platform().writeFile(QStringLiteral("Test.slv"), cp1250Lines(lines));
        dialogs().files.push_back(path);
        t()->show();
        press(t(), "btnovy");
        for (int i = 0; i < lines.size(); ++i) {
            t()->edtodpoved->setText(QStringLiteral("?"));
            QTest::keyClick(t()->edtodpoved, Qt::Key_Return);
        }
        QVERIFY(t()->finished);
    }
    void check(const QList<int> &rows) {
        for (int row : rows)
            e()->CheckListBox1->item(row)->setCheckState(Qt::Checked);
    }

private slots:
    void init() { m_windows = std::make_unique<TestWindows>(); }
    void cleanup() { m_windows.reset(); }

    void checkingItemsOneAndThreeAndSavingWritesExactlyThoseLines() {
        allWrong({"pes;dog;[dog];NENÍ", "kočka;cat;[ket];NENÍ", "kůň;horse;[hors];NENÍ"});
        QCOMPARE(e()->lbznamka->text(), QStringLiteral("5"));
        check({0, 2});
        e()->rbulozit->setChecked(true);
        const QString target = m_windows->platform().folder.path() + QStringLiteral("/Nove.slv");
        dialogs().files.push_back(target);
        press(e(), "BitBtn4");
        QCOMPARE(bytesOf(target), cp1250Lines({"pes;dog;[dog];NENÍ", "kůň;horse;[hors];NENÍ"}));
        QCOMPARE(dialogs().lastText(), QStringLiteral("Slovník byl úspěšně uložen."));
        QCOMPARE(dialogs().fileDialogs.last().filter, QStringLiteral("Slovniky|*.slv"));
        QCOMPARE(e()->saveDialog().fileName, target.toLower());
        QVERIFY(e()->isVisible());
        QVERIFY(e()->Memo1->toPlainText().isEmpty());
    }

    void savingAForeignToCzechTestStillWritesCzechFirst() {
        settings()->rbangcj->setChecked(true);
        allWrong({"pes;dog;[dog];NENÍ"});
        QCOMPARE(e()->CheckListBox1->item(0)->text(), QStringLiteral("dog"));
        check({0});
        e()->rbulozit->setChecked(true);
        const QString target = m_windows->platform().folder.path() + QStringLiteral("/x.slv");
        dialogs().files.push_back(target);
        press(e(), "BitBtn4");
        QCOMPARE(bytesOf(target), cp1250Lines({"pes;dog;[dog];NENÍ"}));
    }

    // "Nechat se znova prozkoušet" with nothing checked resets the test and frees its
    // settings; a direction changed then does not turn the saved results around.
    void savedResultsKeepTheDirectionTheTestRanIn() {
        allWrong({"pes;dog;[dog];NENÍ"});
        QCOMPARE(e()->CheckListBox1->item(0)->text(), QStringLiteral("pes"));
        QTest::mouseClick(e()->BitBtn4, Qt::LeftButton);
        QCOMPARE(dialogs().lastText(), QStringLiteral("Nebyly vybrány žádné výrazy ze seznamu."));
        settings()->show();
        // On its text: a radio button takes clicks on its mark and its text only.
        QTest::mouseClick(settings()->rbangcj, Qt::LeftButton, {},
                          QPoint(10, settings()->rbangcj->height() / 2));
        QVERIFY(settings()->rbangcj->isChecked());
        check({0});
        QTest::mouseClick(e()->rbulozit, Qt::LeftButton);
        const QString target = m_windows->platform().folder.path() + QStringLiteral("/x.slv");
        dialogs().files.push_back(target);
        QTest::mouseClick(e()->BitBtn4, Qt::LeftButton);
        QCOMPARE(bytesOf(target), cp1250Lines({"pes;dog;[dog];NENÍ"}));
    }

    void savingWithNothingCheckedOrCancelledWritesNothing() {
        allWrong({"a;A", "b;B"});
        e()->rbulozit->setChecked(true);
        press(e(), "BitBtn4");
        QCOMPARE(dialogs().texts(),
                 QStringList{"Nejsou vybrány žádne výrazy, slovník nelze uložit."});
        QVERIFY(dialogs().fileDialogs.size() == 1); // only the opening of the test
        check({1});
        dialogs().files.push_back(std::nullopt);
        press(e(), "BitBtn4");
        QCOMPARE(dialogs().shown.size(), 1);
    }

    void aFailedSaveShowsTheErrorAndNoSuccess() {
        allWrong({"a;A"});
        check({0});
        e()->rbulozit->setChecked(true);
        dialogs().files.push_back(m_windows->platform().folder.path() +
                                  QStringLiteral("/no/such/folder/x.slv"));
        press(e(), "BitBtn4");
        QCOMPARE(dialogs().shown.size(), 1);
        QCOMPARE(dialogs().shown.last().kind, MessageKind::Error);
        QVERIFY(!dialogs().texts().contains(QStringLiteral("Slovník byl úspěšně uložen.")));
    }

    void retestWithNothingCheckedKeepsServingTheSameTest() {
        allWrong({"a;A", "b;B"});
        press(e(), "BitBtn4");
        QCOMPARE(dialogs().texts(), QStringList{"Nebyly vybrány žádné výrazy ze seznamu."});
        QVERIFY(t()->finished);
        QVERIFY(e()->isVisible());
        press(e(), "BitBtn1");
        QVERIFY(t()->isVisible());
        QVERIFY(e()->isHidden());
        QVERIFY(!t()->finished);
        QCOMPARE(e()->lbznamka->text(), QStringLiteral("-"));
        QCOMPARE(e()->lbuspesnost->text(), QStringLiteral("-"));
    }

    void retestAsksOnlyTheCheckedExpressions() {
        allWrong({"a;A", "b;B", "c;C"});
        check({0, 2});
        press(e(), "BitBtn4");
        QVERIFY(t()->isVisible());
        QVERIFY(e()->isHidden());
        QVERIFY(!t()->finished);
        QCOMPARE(e()->CheckListBox1->count(), 0);
        QCOMPARE(t()->lbpocetvyrazu->text(), QStringLiteral("2"));
        QCOMPARE(t()->mevyraz->toPlainText(), QStringLiteral("a"));
        t()->edtodpoved->setText(QStringLiteral("A"));
        QTest::keyClick(t()->edtodpoved, Qt::Key_Return);
        QCOMPARE(t()->mevyraz->toPlainText(), QStringLiteral("c"));
        t()->edtodpoved->setText(QStringLiteral("x"));
        QTest::keyClick(t()->edtodpoved, Qt::Key_Return);
        QVERIFY(t()->finished);
        QCOMPARE(e()->lbuspesnost->text(), QStringLiteral("50"));
        QCOMPARE(e()->lbznamka->text(), QStringLiteral("3"));
        QCOMPARE(e()->CheckListBox1->count(), 1);
        QCOMPARE(e()->CheckListBox1->item(0)->text(), QStringLiteral("c"));
    }

    void selectAllAndNoneNeedItems() {
        press(e(), "BitBtn2");
        press(e(), "BitBtn3");
        QCOMPARE(dialogs().texts(),
                 (QStringList{"Nejsou žádné výrazy k výběru.", "Nejsou žádné výrazy k výběru."}));
        allWrong({"a;A", "b;B"});
        press(e(), "BitBtn2");
        QCOMPARE(e()->CheckListBox1->item(0)->checkState(), Qt::Checked);
        QCOMPARE(e()->CheckListBox1->item(1)->checkState(), Qt::Checked);
        press(e(), "BitBtn3");
        QCOMPARE(e()->CheckListBox1->item(0)->checkState(), Qt::Unchecked);
        QCOMPARE(e()->CheckListBox1->item(1)->checkState(), Qt::Unchecked);
        QCOMPARE(dialogs().shown.size(), 2);
    }

    void closingTheEvaluationReturnsToTheTest() {
        allWrong({"a;A"});
        e()->close();
        QVERIFY(e()->isHidden());
        QVERIFY(t()->isVisible());
        QVERIFY(!t()->loaded());
        QCOMPARE(e()->CheckListBox1->count(), 0);
    }

    void gradeThreeAfterAGreenOneIsNotGreen() {
        allWrong({"a;A"});
        e()->lbuspesnost->setText(QStringLiteral("80"));
        t()->procenta();
        QCOMPARE(e()->lbznamka->palette().color(QPalette::WindowText), QColor(0, 128, 0));
        e()->lbuspesnost->setText(QStringLiteral("55"));
        t()->procenta();
        QCOMPARE(e()->lbznamka->text(), QStringLiteral("3"));
        QVERIFY(e()->lbznamka->palette().color(QPalette::WindowText) != QColor(0, 128, 0));
    }

    void printingFromAForeignToCzechTestPrintsCzechFirst() {
        settings()->rbangcj->setChecked(true);
        allWrong({"pes;dog;[dog];NENÍ", "kočka;cat;[ket];NENÍ"});
        print()->RichEdit1->setPlainText(QStringLiteral("already there"));
        check({1});
        e()->rbtisk->setChecked(true);
        press(e(), "BitBtn4");
        QVERIFY(e()->isHidden());
        QVERIFY(print()->isVisible());
        QCOMPARE(print()->textLines(), (QStringList{"kočka - cat - [ket]", "already there"}));
        press(print(), "BitBtn2");
        QCOMPARE(m_windows->platform().printer().jobs,
                 (QList<QStringList>{{"kočka - cat - [ket]", "already there"}}));
        // The rebuild by the check boxes follows the test's direction too.
        QTest::mouseClick(print()->chbvyslov, Qt::LeftButton);
        QCOMPARE(print()->textLines(), QStringList{"kočka - cat"});
        press(print(), "BitBtn1");
        QVERIFY(print()->isHidden());
        QVERIFY(e()->isVisible());
        QCOMPARE(print()->textLines(), QStringList());
    }

    void printingWithNothingCheckedIsRefused() {
        allWrong({"a;A"});
        e()->rbtisk->setChecked(true);
        press(e(), "BitBtn4");
        QCOMPARE(dialogs().texts(),
                 QStringList{"Nejsou vybrány žádne výrazy, slovník nelze vytisknout."});
        QVERIFY(print()->isHidden());
    }

    void atLeastTwoPartsStayChecked() {
        allWrong({"pes;dog;[dog];NENÍ"});
        check({0});
        QTest::mouseClick(print()->chbvyslov, Qt::LeftButton);
        QCOMPARE(print()->textLines(), QStringList{"pes - dog"});
        QTest::mouseClick(print()->chbang, Qt::LeftButton);
        QCOMPARE(dialogs().texts(), QStringList{"Musí být zaškrtnuty nejméně dvě možnosti."});
        QVERIFY(print()->chbang->isChecked());
        QVERIFY(!print()->chbvyslov->isChecked());
        QCOMPARE(print()->textLines(), QStringList{"pes - dog"});
        QTest::mouseClick(print()->chbvyslov, Qt::LeftButton);
        QTest::mouseClick(print()->chbcz, Qt::LeftButton);
        QCOMPARE(print()->textLines(), QStringList{"dog - [dog]"});
        QTest::mouseClick(print()->chbcz, Qt::LeftButton);
        QTest::mouseClick(print()->chbang, Qt::LeftButton);
        QCOMPARE(print()->textLines(), QStringList{"pes - [dog]"});
    }

    void aChosenFontChangesTheTextButNotThePrintout() {
        print()->RichEdit1->setPlainText(QStringLiteral("one line"));
        const QFont base = print()->RichEdit1->document()->defaultFont();
        QFont big(QStringLiteral("DejaVu Serif"), 30);
        dialogs().fonts.push_back(big);
        print()->RichEdit1->selectAll();
        press(print(), "BitBtn4");
        QCOMPARE(print()->RichEdit1->textCursor().charFormat().font().pointSize(), 30);
        press(print(), "BitBtn2");
        QCOMPARE(m_windows->platform().printer().fonts.size(), 1);
        QCOMPARE(m_windows->platform().printer().fonts.first(), base);
    }

    void aPrintedPdfOfTwoHundredLinesHasSeveralPagesAndEveryLine() {
        skipWithoutPdfReaders();
        const QString pdf = m_windows->platform().folder.path() + QStringLiteral("/tisk.pdf");
        m_windows->platform().printing = makePdfPrinting(pdf);
        QStringList lines;
        for (int i = 1; i <= 200; ++i)
            lines << QStringLiteral("řádek %1 - line %1 - [lajn]").arg(i);
        print()->RichEdit1->setPlainText(lines.join(u'\n'));
        press(print(), "BitBtn2");
        QCOMPARE(dialogs().shown.size(), 0);
        const QString info = run(QStringLiteral("pdfinfo"), {pdf});
        const QRegularExpressionMatch pages =
            QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(info);
        QVERIFY2(pages.hasMatch(), qPrintable(info));
        QVERIFY2(pages.captured(1).toInt() > 1, qPrintable(info));
        const QString text =
            run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
        QStringList printed;
        for (const QString &line : text.split(u'\n')) {
            const QString trimmed = line.trimmed().remove(u'\f');
            if (!trimmed.isEmpty())
                printed << trimmed;
        }
        QCOMPARE(printed, lines);
    }

    // The printout draws each pronunciation in the phonetic font, which the PDF embeds,
    // and in the symbols that font draws for its keys: they come out of the PDF as
    // symbols, not as the keys they are typed with.
    void aPrintedPdfShowsThePronunciationsInThePhoneticFont() {
        skipWithoutPdfReaders();
        QVERIFY(QFontDatabase::addApplicationFont(QFINDTESTDATA("../../data/VokabFont.ttf")) >= 0);
        const QString pdf = m_windows->platform().folder.path() + QStringLiteral("/tisk.pdf");
        m_windows->platform().printing = makePdfPrinting(pdf);
        allWrong({"kočka;cat;[k4t];NENÍ", "myšlenka;thought;[0!:t];NENÍ"});
        check({0, 1});
        e()->rbtisk->click();
        QTest::mouseClick(e()->BitBtn4, Qt::LeftButton);
        QCOMPARE(print()->textLines(),
                 (QStringList{"kočka - cat - [k4t]", "myšlenka - thought - [0!:t]"}));
        QTest::mouseClick(print()->BitBtn2, Qt::LeftButton);
        QCOMPARE(dialogs().shown.size(), 0);
        const QStringList fonts = run(QStringLiteral("pdffonts"), {pdf}).split(u'\n');
        const auto phonetic = std::find_if(fonts.cbegin(), fonts.cend(), [](const QString &line) {
            return line.contains(QStringLiteral("VokabFont"));
        });
        QVERIFY2(phonetic != fonts.cend(), qPrintable(fonts.join(u'\n')));
        // The "emb" column: the font travels inside the PDF.
        QVERIFY2(phonetic->split(u' ', Qt::SkipEmptyParts).contains(QStringLiteral("yes")),
                 qPrintable(*phonetic));
        const QString text =
            run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
        QVERIFY2(text.contains(QStringLiteral("kočka - cat - [kæt]")), qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("myšlenka - thought - [θɔ:t]")), qPrintable(text));
    }

    void aPdfThatCannotBeWrittenIsReported() {
        m_windows->platform().printing = makePdfPrinting(m_windows->platform().folder.path() +
                                                         QStringLiteral("/no/such/folder/x.pdf"));
        print()->RichEdit1->setPlainText(QStringLiteral("a"));
        press(print(), "BitBtn2");
        QCOMPARE(dialogs().shown.size(), 1);
        QCOMPARE(dialogs().shown.first().kind, MessageKind::Error);
    }
};

QTEST_MAIN(TestEvaluation)
#include "tst_evaluation.moc"
