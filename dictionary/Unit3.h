#pragma once

#include "app/form.h"

class QLineEdit;
class QPushButton;

// "Upravit výraz": changes one expression of the dictionary open in the editor.
class TForm3 : public VokabForm {
    Q_OBJECT
public:
    TForm3(Forms &forms, Platform &platform);

    QLineEdit *Edit1 = nullptr;     // foreign expression
    QLineEdit *Edit2 = nullptr;     // Czech translation
    QLineEdit *Edit3 = nullptr;     // pronunciation
    QLineEdit *Edit4 = nullptr;     // sound file
    QPushButton *BitBtn1 = nullptr; // "Upravit"
    QPushButton *BitBtn2 = nullptr; // "Zrušit"

    // Shows the dialog with the editor's expression at `row` (from 0).
    void otevri(int row);
    int radek() const { return m_row; }

    void BitBtn1Click();
    void BitBtn2Click();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    int m_row = -1;
};
