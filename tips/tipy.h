#pragma once

#include "tips/tipysoubor.h"
#include "ui/form.h"

class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

// The tip of the day: a random tip from the tips file, a check box for showing tips at
// start-up, and a hidden editing mode (reached by typing three letters on "Další")
// that adds, removes and saves tips.
class TForm16 : public VokabForm {
    Q_OBJECT
public:
    TForm16(Forms &forms, Platform &platform);

    QFrame *Panel1 = nullptr;
    QLabel *Image1 = nullptr;
    QPlainTextEdit *Memo1 = nullptr;
    QCheckBox *CheckBox1 = nullptr;
    QPushButton *BitBtn2 = nullptr; // "Další"
    QPushButton *BitBtn1 = nullptr; // "OK"
    QLineEdit *Edit1 = nullptr;
    QPlainTextEdit *Memo3 = nullptr;
    QPushButton *BitBtn3 = nullptr; // "Přidej do tipů"
    QPushButton *BitBtn4 = nullptr; // "Uber tip"
    QListWidget *ListBox1 = nullptr;
    QPushButton *Button2 = nullptr; // "Zpět s uložením"
    QPushButton *Button1 = nullptr; // "zpět bez uložení"

    void nactenitipu();
    void BitBtn2Click();
    void BitBtn1Click();
    void Memo1Click();
    void BitBtn2KeyPress(QChar key);
    void ListBox1Click();
    void BitBtn3Click();
    void BitBtn4Click();
    void Button2Click();
    void Button1Click();

    const Ttip &tips() const { return m_tips; }
    bool editing() const { return m_editing; }

    // The letters that open the editing mode, typed in order on "Další".
    static constexpr char kAccess[] = "vok";

protected:
    void FormClose() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildControls();
    void setEditingVisible(bool visible);

    Ttip m_tips;
    bool m_first = false;
    bool m_second = false;
    bool m_editing = false;
    // The tips file exists but could not be read: saving would replace its tips by the
    // few of this run.
    bool m_loadFailed = false;
};
