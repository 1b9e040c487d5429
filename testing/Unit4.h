#pragma once

#include "testing/choices.h"
#include "testing/testwindow.h"
#include "testing/zkouseni.h"

class QAction;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// Testing I: the user types the translation of each expression shown and confirms it
// with Enter; the program judges it, counts, and at the end hands the result to the
// evaluation window and the statistics.
class TForm4 : public TestWindow {
    Q_OBJECT
public:
    TForm4(Forms &forms, Platform &platform);

    QAction *Nov1 = nullptr;
    QAction *Konec1 = nullptr;
    QAction *Nas1 = nullptr;
    QPushButton *btnovy = nullptr;
    QPushButton *BitBtn1 = nullptr;
    QPushButton *Button1 = nullptr;
    QPushButton *btkonec = nullptr;
    QPushButton *btstart = nullptr;
    QLabel *Label2 = nullptr;
    QPlainTextEdit *mevyraz = nullptr;
    QLabel *Label4 = nullptr;
    QLineEdit *edtodpoved = nullptr;
    QLabel *Label3 = nullptr;
    QPlainTextEdit *mespravneprvni = nullptr;
    QLabel *Label1 = nullptr;
    QPlainTextEdit *mespravne = nullptr;
    QLabel *lbpocetvyrazu = nullptr;
    QLabel *lbaktvyraz = nullptr;
    QLabel *lbspravne = nullptr;
    QLabel *lbspatne = nullptr;
    // The hidden memo of the form; the opened file's lines are kept in m_lines.
    QPlainTextEdit *Memo1 = nullptr;
    // Ours: the options of a question answered by choice ("choiceButton1" … "4", keys 1
    // to 4), in place of the answer box while the settings ask for it.
    QWidget *choicesPanel = nullptr;
    QList<QPushButton *> choiceButtons;

    void btnovyClick();
    void Nov1Click() { btnovyClick(); }
    void BitBtn1Click();
    void Nas1Click() { BitBtn1Click(); }
    void btkonecClick();
    void Konec1Click() { btkonecClick(); }
    void btstartClick();
    // The Enter key in the answer box: judges the answer.
    void edtodpovedEnter();
    // An option of a question answered by choice: judged as if it had been typed.
    void chooseOption(int index);

    void zakladninastav();
    void nactidopameti();
    void nastavinfo();
    void zapisdopolevysledku();

    void reset() override { zakladninastav(); }
    void loadAndAsk() override;

    // Whether a test is loaded (its file lines are not empty).
    bool loaded() const;
    const testitems::TestRun<testitems::TestRecord> &test() const { return m_test; }
    const FileDialogState &openDialog() const { return m_openDialog; }

protected:
    void FormActivate() override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    // How a typed answer was judged: right or wrong, what it means for the review plan,
    // and the note shown with it (empty for an exact or a plainly wrong answer).
    struct Verdict {
        bool right = false;
        review::Rating rating = review::Rating::Again;
        QString note;
    };
    Verdict judge(const QString &answer, const testitems::TestRecord &record) const;
    void buildControls();
    void showQuestion();
    void showChoices();
    void setChoosing(bool choosing);
    void endTest();
    bool randomOrder() const;
    void setMemo(QPlainTextEdit *memo, const QString &text);

    testitems::TestRun<testitems::TestRecord> m_test;
    // Every expression of the test, for the wrong options of a question answered by choice.
    QList<testitems::TestRecord> m_records;
    choices::Question m_choice;
    // The size of the window's controls while answers are typed (options take more).
    QSize m_typedSize;
    int m_wrongHanded = 0;
};
