#pragma once

#include "app/form.h"

class QCheckBox;
class QPushButton;
class QTextEdit;

// Printing the expressions chosen in the evaluation window as plain text lines.
class TForm11 : public VokabForm {
    Q_OBJECT
public:
    TForm11(Forms &forms, Platform &platform);

    QPushButton *BitBtn2 = nullptr; // "Tisk"
    QPushButton *Button1 = nullptr; // the disabled separator
    QPushButton *BitBtn4 = nullptr; // "Písmo"
    QCheckBox *chbcz = nullptr;
    QCheckBox *chbang = nullptr;
    QCheckBox *chbvyslov = nullptr;
    QPushButton *BitBtn1 = nullptr; // clear and close
    QTextEdit *RichEdit1 = nullptr;

    // Puts lines at the beginning of the text; text already there stays below them.
    void vlozNaZacatek(const QStringList &lines);
    // The lines of the text as they will be printed.
    QStringList radky() const;

    void chbczClick();
    void chbangClick();
    void chbvyslovClick();
    void BitBtn2Click();
    void BitBtn4Click();
    void BitBtn1Click();

protected:
    void FormClose() override;

private:
    void castiZmeneny(QCheckBox *clicked);
};
