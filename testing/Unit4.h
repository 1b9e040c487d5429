#pragma once

#include "platform/dialogs.h"
#include "review/planrecorder.h"
#include "testing/zkouseni.h"
#include "dictionary/expressionsound.h"
#include "ui/form.h"

class QAction;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// Testing I: the user types the translation of each expression shown and confirms it
// with Enter; the program judges it, counts, and at the end hands the result to the
// evaluation window and the statistics.
class TForm4 : public VokabForm {
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

    // Set when a test ends regularly; the evaluation window reads it.
    bool dokonceno = false;

    void btnovyClick();
    void Nov1Click() { btnovyClick(); }
    void BitBtn1Click();
    void Nas1Click() { BitBtn1Click(); }
    void btkonecClick();
    void Konec1Click() { btkonecClick(); }
    void btstartClick();
    // The Enter key in the answer box: judges the answer.
    void edtodpovedEnter();

    void zakladninastav();
    void nactidopameti();
    void nastavinfo();
    void zapisdopolevysledku();
    // Sets the evaluation window's grade from the percentage in its label
    // "Úspěšnost" (also used by Testing II).
    void procenta();

    // Whether a test is loaded (its file lines are not empty).
    bool nacteno() const;
    // The file lines, as the evaluation window fills them for a retest.
    void setRadky(const QStringList &lines);
    const zkouseni::TestRun<zkouseni::TestRecord> &test() const { return m_test; }
    int rightCount() const { return m_correct; }
    int wrongCount() const { return m_wrong; }
    const FileDialogState &openDialog() const { return m_openDialog; }

protected:
    void FormActivate() override;
    void FormClose() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // How a typed answer was judged: right or wrong, what it means for the review plan,
    // and the note shown with it (empty for an exact or a plainly wrong answer).
    struct Verdict {
        bool right = false;
        review::Rating rating = review::Rating::Again;
        QString note;
    };
    Verdict judge(const QString &answer, const zkouseni::TestRecord &record) const;
    void buildControls();
    void ukazOtazku();
    void konecTestu();
    void zapisStatistiky(const QString &done);
    void vyprazdniVyhodnoceni();
    bool nahodne() const;
    void setMemo(QPlainTextEdit *memo, const QString &text);

    zkouseni::TestRun<zkouseni::TestRecord> m_test;
    bool m_czechShown = true; // the direction the loaded test runs in
    ExpressionSound *m_sound = nullptr;
    // The lines of the opened file; a test is loaded while they hold any text.
    QStringList m_lines;
    int m_correct = 0;
    int m_wrong = 0;
    int m_wrongHanded = 0;
    QString m_path;
    FileDialogState m_openDialog;
    // The review plan of the opened dictionary, when it has one.
    review::PlanRecorder m_plan;
};
