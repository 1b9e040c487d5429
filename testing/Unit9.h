#pragma once

#include "dictionary/printsource.h"
#include "platform/dialogs.h"
#include "testing/testwindow.h"
#include "testing/zkouseni.h"
#include "ui/form.h"

class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

// The evaluation of a finished test: counts, success rate, grade and the expressions
// answered wrongly, which the user can test again, save as a dictionary or print.
class TForm9 : public VokabForm, public PrintSource, public ResultEvaluation {
    Q_OBJECT
public:
    TForm9(Forms &forms, Platform &platform);

    QLabel *lbspravne = nullptr;
    QLabel *lbspatne = nullptr;
    QLabel *lbuspesnost = nullptr;
    QLabel *lbznamka = nullptr;
    // One checkable item per wrong answer: the shown text of the expression.
    QListWidget *CheckListBox1 = nullptr;
    QRadioButton *rbznova = nullptr;
    QRadioButton *rbulozit = nullptr;
    QRadioButton *rbtisk = nullptr;
    QPushButton *BitBtn4 = nullptr;
    QPushButton *BitBtn1 = nullptr;
    QPushButton *BitBtn2 = nullptr;
    QPushButton *BitBtn3 = nullptr;
    // The lines of a dictionary being saved (hidden).
    QPlainTextEdit *Memo1 = nullptr;

    // Parallel to CheckListBox1: entry i belongs to item i.
    QList<testitems::TestRecord> results;
    int selectedCount = 0;

    // A test hands over one wrongly answered expression; `czechShown`: the test showed
    // the Czech text and asked for the foreign one.
    void addResult(const testitems::TestRecord &record, bool czechShown) override;
    // Empties the check list and the result list.
    void removeLastResult() override;
    void clearLists() override;
    // A test hands its result over: the window serves that test from now on (a test of
    // the other kind still waiting here lets go of its finished result), is shown, and
    // the test window hidden; `again` checks "Nechat se znova prozkoušet".
    void serve(TestWindow *test, bool again) override;

    Labels resultLabels() const override { return {lbspravne, lbspatne, lbuspesnost, lbznamka}; }

    void BitBtn4Click(); // "Vybrat"
    // "Vybrat" for Testing I and for Testing II: the checked expressions tested again or
    // saved, for the test the window serves.
    void zkslozitee();
    void zkjednoduche();
    void BitBtn2Click(); // "Vybrat vše"
    void BitBtn3Click(); // "Zrušit vybraní"
    void BitBtn1Click(); // "Zpět"
    void zaklnastav();

    // Whether the test that produced the results showed the Czech text (the direction it
    // ran in, whatever its settings say now).
    bool isCzechShown() const { return m_czechShown; }
    // The dictionary records of the checked results, in list order, with Czech and
    // foreign in their fields whatever the direction of the test.
    Tpole chosenRecords() const override;
    void showAfterPrinting() override { show(); }

    const FileDialogState &saveDialog() const { return m_saveDialog; }

protected:
    void FormClose() override;

private:
    void buildControls();
    // The one algorithm behind `zkslozitee` and `zkjednoduche`; what differs is the test
    // window's.
    void choose(TestWindow &test);
    // `choose` for the served test when it is of this kind.
    void chooseFor(const QString &kind);
    void selectAll(bool checked);
    // The test whose result the window shows, while its finished flag is set.
    TestWindow *servedTest() const;

    FileDialogState m_saveDialog;
    // The test that handed its result over last.
    TestWindow *m_served = nullptr;
    bool m_closing = false;
    bool m_czechShown = false;
};
