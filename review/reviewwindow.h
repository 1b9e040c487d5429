#pragma once

#include "dictionary/expressionsound.h"
#include "dictionary/modepicture.h"
#include "dictionary/slovnik.h"
#include "platform/dialogs.h"
#include "review/duelist.h"
#include "review/fsrs.h"
#include "review/planrecorder.h"
#include "review/reviewfile.h"
#include "testing/choices.h"
#include "ui/form.h"
#include "ui/settingstable.h"

#include <array>
#include <memory>
#include <optional>

class BarChart;
class DifficultWindow;
class QAction;
class QCheckBox;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;

// "Opakování podle plánu": asks the expressions of a dictionary that its review plan
// has due today, then new ones up to a daily limit. Each answer (Znovu, Těžké, Dobře,
// Snadno; keys 1–4) moves the expression's memory and is written to the plan file beside
// the dictionary at once. The dictionary file itself is only read.
class ReviewWindow : public VokabForm {
    Q_OBJECT
public:
    ReviewWindow(Forms &forms, Platform &platform);

    QMenu *reviewMenu = nullptr;
    QAction *openAction = nullptr;
    QAction *closeAction = nullptr;
    // "Odpovídat výběrem ze čtyř možností" (off by default): the answer is chosen among
    // four options ("choiceButton1" … "4", keys 1 to 4) before it is shown; a wrong choice
    // can only be answered "Znovu", a right one not.
    QAction *choiceAction = nullptr;
    QWidget *choicesPanel = nullptr;
    QList<QPushButton *> choiceButtons;
    QPushButton *openButton = nullptr;
    QPushButton *closeButton = nullptr;
    QLabel *dictionaryLabel = nullptr;
    QLabel *dueLabel = nullptr;
    QLabel *newLabel = nullptr;
    QLabel *learningLabel = nullptr;
    QLabel *knownLabel = nullptr;
    QPushButton *turnOnButton = nullptr;
    QLabel *progressLabel = nullptr;
    QPlainTextEdit *questionText = nullptr;
    QPlainTextEdit *answerText = nullptr;
    QLabel *pronunciationLabel = nullptr;
    QPushButton *showButton = nullptr;
    std::array<QPushButton *, 4> answerButtons{};
    // "Vrátit odpověď" (Ctrl+Z): takes back the last answer.
    QPushButton *undoButton = nullptr;
    QSpinBox *newPerDayBox = nullptr;
    QSpinBox *retentionBox = nullptr;
    // An expression forgotten this many times is difficult ("obtížný").
    QSpinBox *difficultBox = nullptr;
    QPushButton *difficultButton = nullptr;
    // At most this many due ones a day; the rest wait, the most forgotten asked first.
    QSpinBox *maxReviewsBox = nullptr;
    // How many wait, and after a break "Doháněním": what is due spread over some days.
    QLabel *backlogLabel = nullptr;
    QPushButton *catchUpButton = nullptr;
    QSpinBox *catchUpDaysBox = nullptr;
    QAction *difficultAction = nullptr;
    // "Obtížné výrazy", made when first asked for.
    DifficultWindow *difficultWindow = nullptr;
    // Ours: the expressions' pictures shown already with the question (off: with the
    // answer).
    QCheckBox *pictureWithQuestionBox = nullptr;
    // Expressions due on each of the next 30 days.
    BarChart *forecastView = nullptr;

    // Opens a dictionary and its plan (the window's open dialog calls it with the chosen
    // file); false when the dictionary could not be read.
    bool openDictionary(const QString &path);
    const review::Plan &plan() const { return m_recorder.plan(); }
    bool planIsOn() const { return m_recorder.isOn(); }
    // What the plan's settings ask of the scheduler (the desired retention).
    review::Parameters parameters() const;
    // The day answers count on: the platform's clock.
    QDate today() const;
    // A failure of a plan, in the program's message box (nothing for an empty text).
    void report(const Result<void> &done);
    // The expressions asked in this session, as indexes into the dictionary.
    const QList<qsizetype> &queue() const { return m_queue; }
    const ModePicture &picture() const { return *m_picture; }

protected:
    void FormShow() override;
    void FormClose() override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void chooseDictionary();
    void turnOn();
    void startSession();
    void showQuestion();
    void reveal(bool withSound = true);
    void showChoices(const Tslovniky &expression);
    void showDifficult();
    // The overview as today's maximum (or catching up) allows.
    review::Overview planOverview(int newPerDay) const;
    bool catchingUp() const;
    void fillDifficult();
    // Takes an expression set aside or made new out of what is left of today's questions.
    void dropFromSession(const review::Key &key);
    void openDifficultInEditor(const review::Key &key);
    void choose(int option);
    void answer(review::Rating rating);
    void undoAnswer();
    // Records the session's statistics row; true when a row was recorded.
    bool finishSession();
    // The counts and the forecast.
    void showOverview(const review::Overview &overview);
    void playSound(const Tslovniky &expression);

    Tpole m_dictionary;
    QString m_path;
    review::PlanRecorder m_recorder;
    bool m_forgetRemoved = false;
    QList<qsizetype> m_queue;
    qsizetype m_position = 0;
    bool m_revealed = false;
    int m_recalled = 0;
    int m_forgotten = 0;
    // Where the session was before the last answer, while it can be taken back.
    struct AnswerStep {
        qsizetype position = 0;
        int recalled = 0;
        int forgotten = 0;
        bool statisticsRecorded = false; // the answer ended the session
    };
    std::optional<AnswerStep> m_lastAnswer;
    // The question's options and, once chosen, whether the choice was right.
    choices::Question m_choice;
    std::optional<bool> m_choseRight;
    // The dictionary as the options are drawn from it (foreign shown, Czech the answer).
    QList<testitems::TestRecord> m_choiceRecords;
    // Catching up: the dictionary and the last day.
    QString m_catchUpPath;
    QDate m_catchUpUntil;
    QList<QWidget *> m_catchUpWidgets;
    FileDialogState m_openDialog;
    SettingsTable m_settings;
    ExpressionSound *m_sound = nullptr;
    std::unique_ptr<ModePicture> m_picture;
};
