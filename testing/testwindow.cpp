#include "testing/testwindow.h"

#include "statistics/Unit23.h"

#include "dictionary/expressionsound.h"
#include "dictionary/opendictionary.h"
#include "platform/platform.h"
#include "review/reviewwindow.h"
#include "testing/grade.h"
#include "testing/testwindows.h"
#include "testing/zkouseni.h"
#include "ui/controls.h"
#include "ui/forms.h"
#include "ui/generalsettings.h"
#include "ui/mainwindow.h"

#include <QLabel>
#include <QSpinBox>

#include <cmath>

TestWindow::TestWindow(Forms &forms, Platform &platform, const QString &name, const QString &kind)
    : VokabForm(forms, platform, name), m_plan(platform.backups.get()), m_kind(kind) {
    m_sound = new ExpressionSound(this, platform);
    m_openDialog = dictionaryFileDialog(QStringLiteral("Otevřít slovník"));
}

void TestWindow::setLines(const QStringList &lines) {
    m_lines = lines;
}

std::optional<QStringList> TestWindow::openDictionary(const QString &path) {
    const std::optional<dictionaryfile::Loaded> read = dictionaryfile::openChosenDictionary(
        path, dictionaryfile::Contents::Lines, dictionaryfile::EmptyFile::Refused,
        *platform.dialogs, m_openDialog);
    if (!read)
        return std::nullopt;
    if (const Result<void> opened = m_plan.open(path); !opened)
        platform.dialogs->error(opened.error());
    if (const QString problem = m_picture->open(path); !problem.isEmpty())
        platform.dialogs->warning(problem);
    return read->lines;
}

void TestWindow::placePicture() {
    m_picture = std::make_unique<ModePicture>(*this, "pictureView");
}

void TestWindow::showPicture(const QString &foreign, const QString &czech, bool asking,
                             bool onQuestion, bool answerShown) {
    if (asking != onQuestion)
        return;
    if (asking || answerShown)
        m_picture->show(foreign, czech);
    else
        m_picture->clear();
}

void TestWindow::askToInterrupt() {
    if (!platform.dialogs->question(
            MessageKind::Information,
            QStringLiteral("Právě probíhá zkoušení, přejete si ho přerušit?")))
        return;
    recordStatistics(QStringLiteral("Ne"));
    reset();
    forms.evaluation->clearLists();
}

void TestWindow::showResult(int total) {
    const ResultEvaluation::Labels labels = forms.evaluation->resultLabels();
    labels.right->setText(QString::number(m_correct));
    labels.wrong->setText(QString::number(m_wrong));
    labels.percent->setText(testitems::percentText(m_correct, total));
    procenta();
}

void TestWindow::procenta() {
    const std::optional<double> percent =
        testitems::percentFromText(forms.evaluation->resultLabels().percent->text());
    const std::array<int, 4> thresholds = forms.settings->gradeThresholds();
    const grade::Grade result =
        grade::fromPercent(percent.value_or(std::nan("")),
                           {thresholds[0], thresholds[1], thresholds[2], thresholds[3]});
    QLabel *label = forms.evaluation->resultLabels().grade;
    label->setText(result.text);
    if (result.colour) {
        // 0x00BBGGRR
        const quint32 c = *result.colour;
        setTextColour(label, QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF)));
    } else {
        setTextColour(label, std::nullopt);
    }
}

void TestWindow::handOver(bool again) {
    forms.evaluation->serve(this, again);
}

void TestWindow::recordStatistics(const QString &done) {
    testwindows::recordStatistics(forms, m_openDialog.fileName, m_correct, m_wrong, done, m_kind);
}

void TestWindow::recordInPlan(const review::Key &key, review::Rating rating) {
    if (forms.Form23)
        forms.Form23->recordPractice(practice::Kind::Test);
    if (!m_plan.isOn())
        return;
    ReviewWindow *window = forms.review;
    window->report(m_plan.record(key, rating, window->today(), window->parameters()));
}

void TestWindow::undoInPlan() {
    if (forms.Form23)
        forms.Form23->withdrawPractice(practice::Kind::Test);
    if (m_plan.canUndo())
        forms.review->report(m_plan.undoLast());
}

void TestWindow::playExpression(bool soundOn, const QString &soundField,
                                const QString &foreignText) {
    if (!soundOn)
        return;
    SpeechSettings speech = forms.settings->speech();
    speech.speakWithoutRecording = speech.speakWithoutRecording && !m_czechShown;
    m_sound->play(soundField, foreignText, speech);
}

void TestWindow::FormClose() {
    // A test that ended regularly has been recorded already.
    if (forms.settings->recordInterrupted() && !finished)
        recordStatistics(QStringLiteral("Ne"));
    reset();
    forms.evaluation->clearLists();
    forms.main->showMainWindow();
    setApplicationTitle(QStringLiteral("Vokab"));
}
