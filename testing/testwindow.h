#pragma once

#include "dictionary/modepicture.h"
#include "platform/dialogs.h"
#include "review/planrecorder.h"
#include "testing/zkouseni.h"
#include "ui/form.h"

#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

class ExpressionSound;
class QLabel;
class TestWindow;

// What a test hands its result to: the evaluation window (TForm9), in the Forms table as
// `evaluation`, so that the test windows and the evaluation do not include each other.
class ResultEvaluation {
public:
    // The labels of the counts, the success rate and the grade.
    struct Labels {
        QLabel *right = nullptr;   // lbspravne
        QLabel *wrong = nullptr;   // lbspatne
        QLabel *percent = nullptr; // lbuspesnost
        QLabel *grade = nullptr;   // lbznamka
    };
    virtual Labels resultLabels() const = 0;
    // One wrongly answered expression; `czechShown`: the test showed the Czech text.
    virtual void addResult(const testitems::TestRecord &record, bool czechShown) = 0;
    // Takes back the wrongly answered expression added last (an answer taken back).
    virtual void removeLastResult() = 0;
    // Empties the check list and the result list.
    virtual void clearLists() = 0;
    // The test hands its result over and is served from now on.
    virtual void serve(TestWindow *test, bool again) = 0;

protected:
    ~ResultEvaluation() = default;
};

// The test kinds of the statistics rows, which tell Testing I and Testing II apart.
inline const QString kTestingIKind = QStringLiteral("Zkoušení I");
inline const QString kTestingIIKind = QStringLiteral("Zkoušení II");

// What Testing I (TForm4) and Testing II (TForm12) share: the finished flag the
// evaluation window serves a test by, the file lines, the counts, the statistics and the
// review plan they record in, the hand-over of a result to the evaluation window and the
// closing. Each window keeps its own controls, handlers and order of steps.
class TestWindow : public VokabForm {
    Q_OBJECT
public:
    // Set when a test has ended regularly; cleared by the reset. The evaluation window
    // serves the test that handed its result over last while this is set.
    bool finished = false;

    // The window's reset (`zakladninastav` of Testing I, `zaklnastaveni` of Testing II).
    virtual void reset() = 0;
    // The file lines, as the evaluation window fills them for a retest.
    void setLines(const QStringList &lines);
    // Builds the test from the file lines in the direction the settings give now and
    // asks the first question (`nactidopameti` and `nastavinfo` of Testing I, `nacti`
    // and `prvnizkouseni` of Testing II).
    virtual void loadAndAsk() = 0;

    // The test kind of its statistics rows ("Zkoušení I", "Zkoušení II").
    const QString &kind() const { return m_kind; }
    int rightCount() const { return m_correct; }
    int wrongCount() const { return m_wrong; }

    // The grading routine of Testing I, which Testing II calls too: sets the evaluation
    // window's grade from the percentage in its label "Úspěšnost".
    void procenta();

    // The pictures of the test's expressions, at the right of its controls.
    const ModePicture &picture() const { return *m_picture; }

protected:
    // `kind`: the test kind of its statistics rows ("Zkoušení I", "Zkoušení II").
    TestWindow(Forms &forms, Platform &platform, const QString &name, const QString &kind);

    // Closing by any route: a test not ended regularly is recorded as interrupted when
    // the general settings ask for it; the reset; the evaluation's lists emptied; the main
    // window shown and the application title "Vokab".
    void FormClose() override;

    // Reads the chosen dictionary's lines, reporting what cannot be read (an empty file is
    // refused), and takes its review plan when it has one; nothing when it cannot be read.
    std::optional<QStringList> openDictionary(const QString &path);
    // "Nové zkoušení" while a test is loaded: "Právě probíhá zkoušení, přejete si ho
    // přerušit?"; Yes records the test as interrupted whatever the settings say, resets
    // and empties the evaluation's lists.
    void askToInterrupt();
    // The evaluation's counts and success rate of a test of `total` expressions, and its
    // grade.
    void showResult(int total);
    // Shows the evaluation window, which serves this test from now on, and hides this
    // window; `again` checks the option "Nechat se znova prozkoušet".
    void handOver(bool again);
    // One statistics row, "Ano" (completed) or "Ne" (interrupted); nothing when no
    // answer was given.
    void recordStatistics(const QString &done);
    // Counts an answer in the review plan of the test's dictionary when it has one.
    void recordInPlan(const review::Key &key, review::Rating rating);
    // Takes back the answer counted last in the review plan.
    void undoInPlan();
    // When `soundOn` (the test settings' "Použit zvuk při zobrazení výrazu"): the
    // recording, or the foreign expression spoken when it has none. A voice never reads
    // out the answer: it speaks only when the foreign side is the question.
    void playExpression(bool soundOn, const QString &soundField, const QString &foreignText);
    // Puts the pictures at the right of the window's controls (once they are made).
    void placePicture();
    // The picture of the expression asked (`asking`) or just answered, on the side the
    // settings ask for: with the question when `onQuestion`, else with the answer, when the
    // window shows it (`answerShown`; it then stays while the next question is asked, as
    // the answer does; an answer not shown takes the picture away).
    void showPicture(const QString &foreign, const QString &czech, bool asking, bool onQuestion,
                     bool answerShown = true);

    // The lines of the opened file. They are kept as a list, not as the hidden memo's
    // text: a text document lays out every line (seconds for a million) for nobody to
    // see, and every question asked whether the test was loaded by copying it out whole.
    QStringList m_lines;
    int m_correct = 0;
    int m_wrong = 0;
    bool m_czechShown = true; // the direction the loaded test runs in
    FileDialogState m_openDialog;
    ExpressionSound *m_sound = nullptr;
    // The review plan of the opened dictionary, when it has one.
    review::PlanRecorder m_plan;
    std::unique_ptr<ModePicture> m_picture;

private:
    QString m_kind;
};
