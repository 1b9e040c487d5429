#include "app/Unit8.h"
#include "core/win1250.h"
#include "support/press.h"
#include "support/testfiles.h"
#include "support/testplatform.h"
#include "tips/tipy.h"
#include "tips/tipysoubor.h"
#include "ui/forms.h"

#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

namespace {

std::unique_ptr<TestWindows> windowsWithTips(const QByteArray &tips) {
    auto platform = std::make_unique<TestPlatform>();
    platform->writeFile("Tips.vkb", tips);
    return std::make_unique<TestWindows>(std::move(platform));
}

void typeOn(QWidget *widget, const QString &text) {
    for (const QChar ch : text)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(ch), {});
}

} // namespace

class TestTips : public QObject {
    Q_OBJECT

private slots:
    void everyTipShowsInFiveLines() {
        auto windows = windowsWithTips("1;A;B\r\n2;C;D\r\n3;E;F\r\n");
        TForm16 *tip = windows->forms().Form16;
        QCOMPARE(tip->tips().size(), 3);
        const QStringList expected{"\nA\n\n\nB", "\nC\n\n\nD", "\nE\n\n\nF"};
        QSet<QString> seen;
        for (int i = 0; i < 60; ++i) {
            press(tip, "BitBtn2");
            const QString pane = tip->Memo1->toPlainText();
            QVERIFY2(expected.contains(pane), qPrintable(pane));
            seen.insert(pane);
        }
        QCOMPARE(seen.size(), 3); // uniform draws reach every tip
        QCOMPARE(tip->ListBox1->count(), 3);
        QCOMPARE(tip->ListBox1->item(2)->text(), QStringLiteral("3"));
    }

    void uncheckingAndClosingTurnsTheTipOffAndStoresTheSettings() {
        auto windows = windowsWithTips("1;A;B\r\n");
        TForm16 *tip = windows->forms().Form16;
        TForm8 *settings = windows->forms().Form8;
        QVERIFY(settings->chbtip->isChecked());
        tip->show();
        tip->CheckBox1->setChecked(false);
        press(tip, "BitBtn1");
        QVERIFY(tip->isHidden());
        QVERIFY(!settings->chbtip->isChecked());

        // Opened again with the box checked, the setting comes back on.
        tip->show();
        tip->CheckBox1->setChecked(true);
        tip->close();
        QVERIFY(settings->chbtip->isChecked());
    }

    void missingEmptyOrTiplessFileIsReportedAndLeavesNoTip() {
        for (const QByteArray &content :
             {QByteArray("<none>"), QByteArray(), QByteArray("\r\n\r\n")}) {
            auto platform = std::make_unique<TestPlatform>();
            if (content == "<none>")
                QFile::remove(platform->folder.shipped("Tips.vkb"));
            else
                platform->writeFile("Tips.vkb", content);
            TestWindows windows(std::move(platform));
            QCOMPARE(windows.dialogs().texts(),
                     QStringList{QStringLiteral("Soubor s Tipama a Trikama je poškozen, "
                                                "přeinstalujte proto progam!")});
            QCOMPARE(windows.dialogs().shown[0].kind, MessageKind::Information);
            TForm16 *tip = windows.forms().Form16;
            QVERIFY(tip->tips().isEmpty());
            press(tip, "BitBtn2"); // nothing to show, nothing breaks
            QCOMPARE(tip->Memo1->toPlainText(), QString());
            // Nothing was confirmed behind the user's back.
            QVERIFY(windows.platform().memory().writes.filter("Nastaveni/Tipy").size() <= 1);
        }
    }

    void accessLettersOpenTheEditingMode() {
        auto windows = windowsWithTips("1;A;B\r\n");
        TForm16 *tip = windows->forms().Form16;
        tip->show();
        QVERIFY(tip->Memo3->isHidden());
        typeOn(tip->BitBtn2, "ko"); // out of order: the first letter is not set yet
        QVERIFY(!tip->editing());
        typeOn(tip->BitBtn2, "vxo1k");
        QVERIFY(tip->editing());
        QVERIFY(!tip->Memo3->isHidden());
        QVERIFY(!tip->ListBox1->isHidden());
        press(tip, "Button1");
        QVERIFY(!tip->editing());
        QVERIFY(tip->Memo3->isHidden());
        typeOn(tip->BitBtn2, "k"); // the flags stay set for the run
        QVERIFY(tip->editing());
    }

    void removingTheSecondOfThreeAndSavingRenumbers() {
        auto windows = windowsWithTips(cp1250("1;Ahoj;Svět\r\n2;C;D\r\n3;Žluť;Kůň\r\n"));
        TForm16 *tip = windows->forms().Form16;
        tip->ListBox1->setCurrentRow(1);
        press(tip, "BitBtn4");
        QCOMPARE(tip->ListBox1->count(), 2);
        press(tip, "Button2");
        const QString path = windows->platform().folder.userFile("Tips.vkb");
        QCOMPARE(bytesOf(path), cp1250("1;Ahoj;Svět\r\n2;Žluť;Kůň\r\n"));
        // What was written reads back as the same tips.
        const Ttip again = tipsfile::parseTips(win1250::decode(bytesOf(path)));
        QCOMPARE(again.size(), 2);
        QCOMPARE(again[1].firstText, QStringLiteral("Žluť"));
        QCOMPARE(again[1].secondText, QStringLiteral("Kůň"));
        QCOMPARE(again[1].number, 2);
        QCOMPARE(tip->ListBox1->item(1)->text(), QStringLiteral("2"));
    }

    void theBoxesEditThePaneTextsAndAddedTipsSurviveASave() {
        auto windows = windowsWithTips("1;A;B\r\n");
        TForm16 *tip = windows->forms().Form16;
        tip->show();
        QListWidget *list = tip->ListBox1;
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(0)).center());
        QCOMPARE(tip->Edit1->text(), QStringLiteral("A"));
        QCOMPARE(tip->Memo3->toPlainText(), QStringLiteral("B"));
        tip->Edit1->setText("Nový; tip");
        tip->Memo3->setPlainText("dva\nřádky");
        press(tip, "BitBtn3");
        QCOMPARE(tip->tips().size(), 2);
        QVERIFY(tip->Edit1->text().isEmpty());
        tip->Edit1->setText("jen jeden text");
        press(tip, "BitBtn3"); // the second text is missing: nothing is added
        QCOMPARE(tip->tips().size(), 2);
        press(tip, "Button2");
        const QString saved =
            win1250::decode(bytesOf(windows->platform().folder.userFile("Tips.vkb")));
        QCOMPARE(saved, QStringLiteral("1;A;B\r\n2;Nový, tip;dva řádky\r\n"));
    }

    void aFailedSaveIsReportedAndKeepsTheEditingMode() {
        auto windows = windowsWithTips("1;A;B\r\n");
        TForm16 *tip = windows->forms().Form16;
        typeOn(tip->BitBtn2, "vok");
        QVERIFY(tip->editing());
        // A folder in the way of the file: the save cannot replace it.
        const QString path = windows->platform().folder.userFile("Tips.vkb");
        QFile::remove(path);
        QDir().mkpath(path + "/x");
        press(tip, "Button2");
        QCOMPARE(windows->dialogs().shown.last().kind, MessageKind::Error);
        QVERIFY(windows->dialogs().lastText().contains("Tips.vkb"));
        QVERIFY(tip->editing());
    }

    // A tips file that could not be read (here: over its size limit) is never replaced
    // by the few tips of the editing mode.
    void tipsFileThatCouldNotBeReadIsNeverOverwritten() {
        QByteArray tips;
        while (tips.size() <= (1 << 20))
            tips += cp1250(QStringLiteral("%1;Dlouhý tip;Druhý text\r\n").arg(tips.size()));
        auto windows = windowsWithTips(tips);
        TForm16 *tip = windows->forms().Form16;
        tip->show();
        typeOn(tip->BitBtn2, "vok");
        QVERIFY(tip->editing());
        tip->Edit1->setText(QStringLiteral("Nový"));
        tip->Memo3->setPlainText(QStringLiteral("tip"));
        QTest::mouseClick(tip->BitBtn3, Qt::LeftButton);
        QCOMPARE(tip->tips().size(), 1);
        QTest::mouseClick(tip->Button2, Qt::LeftButton);
        QCOMPARE(bytesOf(windows->platform().folder.userFile("Tips.vkb")), tips);
        QCOMPARE(windows->dialogs().shown.last().kind, MessageKind::Error);
        QVERIFY(windows->dialogs().lastText().contains("Tips.vkb"));
        QVERIFY(tip->editing());
    }

    void shippedTipsAreWholeAndSaveBackToTheSameBytes() {
        auto platform = std::make_unique<TestPlatform>();
        platform->installDataFile("Tips.vkb");
        const QByteArray shipped = bytesOf(platform->folder.shipped("Tips.vkb"));
        TestWindows windows(std::move(platform));
        QVERIFY(windows.dialogs().shown.isEmpty());
        const Ttip &tips = windows.forms().Form16->tips();
        QVERIFY2(tips.size() >= 25, qPrintable(QString::number(tips.size())));
        for (qsizetype i = 0; i < tips.size(); ++i) {
            QCOMPARE(tips[i].number, int(i) + 1);
            QVERIFY(!tips[i].firstText.trimmed().isEmpty());
            QVERIFY(!tips[i].secondText.trimmed().isEmpty());
        }
        // Saved without a change, the file keeps its bytes.
        press(windows.forms().Form16, "Button2");
        QCOMPARE(bytesOf(windows.platform().folder.userFile("Tips.vkb")), shipped);
    }

    void parsingKeepsOddLinesSoundly() {
        const Ttip tips = tipsfile::parseTips(u"x;A;B;extra\r\n\r\n7\r\n3;;C");
        QCOMPARE(tips.size(), 3);
        QCOMPARE(tips[0].number, 0);
        QCOMPARE(tips[0].numberText, QStringLiteral("x"));
        QCOMPARE(tips[0].secondText, QStringLiteral("B"));
        QCOMPARE(tips[1], (Ttipy1{7, "7", "", ""}));
        QCOMPARE(tips[2], (Ttipy1{3, "3", "", "C"}));
        QCOMPARE(tipsfile::tipLines(tips), (QStringList{"1;A;B", "2;;", "3;;C"}));
    }
};

QTEST_MAIN(TestTips)
#include "tst_tips.moc"
