#pragma once

#include "platform/dialogs.h"
#include "testing/zkouseni.h"
#include "ui/form.h"

class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

// The evaluation of a finished test: counts, success rate, grade and the expressions
// answered wrongly, which the user can test again, save as a dictionary or print.
class TForm9 : public VokabForm {
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
    QList<zkouseni::TestRecord> vysledky;
    int pocetvybranych = 0;

    // A test hands over one wrongly answered expression; `czechShown`: the test showed
    // the Czech text and asked for the foreign one.
    void pridejVysledek(const zkouseni::TestRecord &record, bool czechShown);
    // Empties the check list and the result list.
    void vyprazdniSeznamy();

    void BitBtn4Click(); // "Vybrat"
    void BitBtn2Click(); // "Vybrat vše"
    void BitBtn3Click(); // "Zrušit vybraní"
    void BitBtn1Click(); // "Zpět"
    void zkslozitee();
    void zkjednoduche();
    void zaklnastav();

    // Whether the test that produced the results showed the Czech text (the direction it
    // ran in, whatever its settings say now).
    bool ceskyZobrazeny() const { return m_czechShown; }
    // The dictionary records of the checked results, in list order, with Czech and
    // foreign in their fields whatever the direction of the test.
    Tpole chosenRecords() const;

    const FileDialogState &saveDialog() const { return m_saveDialog; }

protected:
    void FormClose() override;

private:
    void buildControls();
    // The one algorithm behind "Vybrat" for either test.
    struct Served;
    void vybrat(const Served &test);
    void vyberVse(bool checked);

    FileDialogState m_saveDialog;
    bool m_closing = false;
    bool m_czechShown = false;
};
