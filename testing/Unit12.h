#pragma once

#include "dictionary/expressionsound.h"
#include "platform/dialogs.h"
#include "review/planrecorder.h"
#include "testing/zkouseni.h"
#include "ui/form.h"

class QAction;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QPushButton;

// Testing II: the user judges for himself whether he knew each expression ("Vím",
// "Nevím"); nothing is typed or compared.
class TForm12 : public VokabForm {
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
    QLabel *lbpocet = nullptr;
    QLabel *lbaktvyraz = nullptr;
    QLabel *lbspravne = nullptr;
    QLabel *lbspatne = nullptr;

    // The hidden control of the file lines; they are held in a list (see setRadky).
    QPlainTextEdit *menacti = nullptr;
    // Set when a test has ended regularly; cleared by the reset.
    bool dokonceno = false;

    void BitBtn2Click();
    void Nov1Click() { BitBtn2Click(); }
    void BitBtn3Click();
    void Nastaven1Click() { BitBtn3Click(); }
    void BitBtn1Click();
    void Uzavt1Click() { BitBtn1Click(); }
    void btjoClick();
    void btneClick();

    void nacti();
    void prvnizkouseni();
    void zaklnastaveni();
    // The heading of the question, by the direction of the settings.
    void nadpisotazky();

    // Whether a dictionary is loaded (it has file lines).
    bool nacteno() const { return !m_lines.isEmpty(); }
    // The file lines, as the evaluation window fills them for a retest.
    void setRadky(const QStringList &lines);
    const zkouseni::TestRun<Tslovniky> &test() const { return m_test; }
    int rightCount() const { return m_correct; }
    int wrongCount() const { return m_wrong; }
    const FileDialogState &OpenDialog1() const { return m_openDialog; }

protected:
    void FormShow() override;
    void FormActivate() override;
    void FormClose() override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void otevrislovnik();
    void zobrazotazku();
    void zobrazodpoved(bool knew);
    void zobrazinfo();
    void prehrajzvuk();
    void recordInPlan(review::Rating rating);
    void zapisdopolevysledkujedn();
    bool kontrolakonce();
    void konec(bool sequential);
    // The one place where Testing II hands a result to the statistics.
    void zapisdostatistik(const QString &done);
    bool nahodne() const;
    int draw(int count);

    zkouseni::TestRun<Tslovniky> m_test;
    bool m_czechShown = true; // the direction the loaded test runs in
    ExpressionSound *m_sound = nullptr;
    QStringList m_lines;
    int m_correct = 0;
    int m_wrong = 0;
    int m_resultCount = 0;
    bool m_ended = false;
    FileDialogState m_openDialog;
    // The review plan of the opened dictionary, when it has one.
    review::PlanRecorder m_plan;
};
