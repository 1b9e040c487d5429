#pragma once

#include <optional>

#include "testing/testwindow.h"
#include "testing/zkouseni.h"

class QAction;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QPushButton;

// Testing II: the user judges for himself whether he knew each expression ("Vím",
// "Nevím"); nothing is typed or compared.
class TForm12 : public TestWindow {
    Q_OBJECT
public:
    TForm12(Forms &forms, Platform &platform);

    QMenu *Zkouen1 = nullptr;
    QAction *Nov1 = nullptr;
    QAction *Uzavt1 = nullptr;
    QAction *Nastaven1 = nullptr;
    QPushButton *BitBtn2 = nullptr; // new test
    QPushButton *Button1 = nullptr; // the disabled separator
    QPushButton *BitBtn3 = nullptr; // settings
    QPushButton *BitBtn1 = nullptr; // close
    QLabel *Label1 = nullptr;
    QPlainTextEdit *mecz = nullptr;
    QPlainTextEdit *mespravneprvni = nullptr;
    QPlainTextEdit *mespravne = nullptr;
    QPushButton *btjo = nullptr;
    QPushButton *btne = nullptr;
    // "Vrátit odpověď" (Ctrl+Z): takes back the last answer while the test goes on.
    QPushButton *undoButton = nullptr;
    QLabel *lbpocet = nullptr;
    QLabel *lbaktvyraz = nullptr;
    QLabel *lbspravne = nullptr;
    QLabel *lbspatne = nullptr;

    // The hidden control of the file lines; they are held in a list (see setLines).
    QPlainTextEdit *menacti = nullptr;

    void BitBtn2Click();
    void Nov1Click() { BitBtn2Click(); }
    void BitBtn3Click();
    void Nastaven1Click() { BitBtn3Click(); }
    void BitBtn1Click();
    void Uzavt1Click() { BitBtn1Click(); }
    void btjoClick();
    void btneClick();
    void undoAnswerClick();

    void nacti();
    void prvnizkouseni();
    void zaklnastaveni();
    // The heading of the question, by the direction of the settings.
    void nadpisotazky();

    void reset() override { zaklnastaveni(); }
    void loadAndAsk() override;

    // Whether a dictionary is loaded (it has file lines).
    bool loaded() const { return !m_lines.isEmpty(); }
    const testitems::TestRun<Tslovniky> &test() const { return m_test; }
    const FileDialogState &OpenDialog1() const { return m_openDialog; }

protected:
    void FormShow() override;
    void FormActivate() override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void otevrislovnik();
    void zobrazotazku();
    void showAnswer(bool knew);
    // The picture of the expression asked (`asking`) or answered (`answerShown`: the
    // window shows its answer), as the settings ask.
    void showItemPicture(bool asking, bool answerShown = true);
    void zobrazinfo();
    void prehrajzvuk();
    // After an answer: the next question in file order, or the next one drawn (the end
    // of a random test when none is left).
    void nextQuestion(bool random);
    void recordCurrentInPlan(review::Rating rating);
    void zapisdopolevysledkujedn();
    bool kontrolakonce();
    // "Znám" and "Neznám" act: a dictionary is loaded ("Není načtený slovník!" when not)
    // and an expression is being asked.
    bool answerable();
    void finish(bool sequential);
    bool randomOrder() const;
    int draw(int count);

    testitems::TestRun<Tslovniky> m_test;
    // Takes note of the test as it stands before an answer, so that it can be taken back.
    void rememberBeforeAnswer(bool knew);

    int m_resultCount = 0;
    bool m_ended = false;
    // What the window showed before the last answer, while it can be taken back.
    struct AnswerStep {
        bool knew = false;
        QStringList texts;  // of mecz, mespravneprvni, mespravne
        QStringList labels; // of lbaktvyraz, lbspravne, lbspatne
    };
    std::optional<AnswerStep> m_lastAnswer;
};
