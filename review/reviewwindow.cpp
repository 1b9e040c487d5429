#include "review/reviewwindow.h"

#include "dictionary/Unit2.h"
#include "dictionary/opendictionary.h"
#include "platform/clock.h"
#include "platform/platform.h"
#include "platform/random.h"
#include "platform/registry.h"
#include "platform/sound.h"
#include "review/difficultwindow.h"
#include "review/duelist.h"
#include "statistics/Unit23.h"
#include "testing/testwindows.h"
#include "ui/barchart.h"
#include "ui/controls.h"
#include "ui/forms.h"
#include "ui/generalsettings.h"
#include "ui/mainwindow.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <future>
#include <utility>

namespace {

const QString kKey = QStringLiteral("Opakovani");
const QString kNewPerDay = QStringLiteral("Novych denne");
const QString kRetention = QStringLiteral("Pozadovana uspesnost");
const QString kChoice = QStringLiteral("Vyber ze ctyr");
const QString kDifficultAfter = QStringLiteral("Obtizny po zapomenutich");
const QString kMaxReviews = QStringLiteral("Nejvyse opakovani denne");
const QString kCatchUpDictionary = QStringLiteral("Dohaneni slovnik");
const QString kCatchUpUntil = QStringLiteral("Dohaneni do");
constexpr int kDefaultMaxReviews = 200;
// A break longer than this offers to catch up over some days.
constexpr int kBreakDays = 7;
constexpr int kDefaultCatchUpDays = 7;
constexpr int kDefaultDifficultAfter = 8;
constexpr int kDefaultNewPerDay = 20;
constexpr int kDefaultRetention = 90; // per cent
// The forecast chart is at least this high.
constexpr int kForecastHeight = 180;
// The forecast's bars: the blue of the charts the review window has always shown.
const QColor kForecastColour(0x20, 0x9f, 0xdf);

QString daysText(int days) {
    if (days == 1)
        return QStringLiteral("1 den");
    if (days >= 2 && days <= 4)
        return QStringLiteral("%1 dny").arg(days);
    return QStringLiteral("%1 dní").arg(days);
}

} // namespace

ReviewWindow::ReviewWindow(Forms &forms, Platform &platform)
    : VokabForm(forms, platform, QStringLiteral("ReviewWindow")),
      m_recorder(platform.backups.get()),
      m_openDialog(dictionaryFileDialog(QStringLiteral("Otevřít slovník"))), m_settings(kKey) {
    setWindowTitle(QStringLiteral("Opakování podle plánu"));
    m_sound = new ExpressionSound(this, platform);

    reviewMenu = menuBar()->addMenu(QStringLiteral("&Opakování"));
    reviewMenu->setObjectName(QStringLiteral("reviewMenu"));
    openAction = menuItem(reviewMenu, "openAction", QStringLiteral("&Otevřít slovník…"), this,
                          &ReviewWindow::chooseDictionary, QKeySequence(Qt::CTRL | Qt::Key_O));
    choiceAction =
        menuItem(reviewMenu, "choiceAction", QStringLiteral("Odpovídat &výběrem ze čtyř možností"));
    choiceAction->setCheckable(true);
    difficultAction = menuItem(reviewMenu, "difficultAction", QStringLiteral("O&btížné výrazy…"),
                               this, &ReviewWindow::showDifficult);
    reviewMenu->addSeparator();
    closeAction = menuItem(reviewMenu, "closeAction", QStringLiteral("&Zavřít"));

    auto *central = new QWidget(this);
    setCentralWidget(central);
    auto *layout = new QVBoxLayout(central);

    auto *top = new QHBoxLayout;
    openButton = named<QPushButton>(central, "openButton");
    openButton->setText(QStringLiteral("Otevřít slovník…"));
    dictionaryLabel = testwindows::label(central, "dictionaryLabel",
                                         QStringLiteral("Žádný slovník není otevřen."));
    closeButton = named<QPushButton>(central, "closeButton");
    closeButton->setText(QStringLiteral("Zavřít"));
    top->addWidget(openButton);
    top->addWidget(dictionaryLabel, 1);
    top->addWidget(closeButton);
    layout->addLayout(top);

    auto *plan = new QGroupBox(QStringLiteral("Plán slovníku"), central);
    auto *planGrid = new QGridLayout(plan);
    dueLabel = captionAndValue(planGrid, 0, QStringLiteral("K opakování dnes:"), "dueLabel");
    newLabel = captionAndValue(planGrid, 1, QStringLiteral("Nové:"), "newLabel");
    learningLabel = captionAndValue(planGrid, 2, QStringLiteral("Učí se:"), "learningLabel");
    knownLabel = captionAndValue(planGrid, 3, QStringLiteral("Umí:"), "knownLabel");
    planGrid->addWidget(new QLabel(QStringLiteral("Nových denně:"), plan), 0, 2);
    newPerDayBox = named<QSpinBox>(plan, "newPerDayBox");
    newPerDayBox->setRange(0, 9999);
    planGrid->addWidget(newPerDayBox, 0, 3);
    planGrid->addWidget(new QLabel(QStringLiteral("Požadovaná úspěšnost (%):"), plan), 1, 2);
    retentionBox = named<QSpinBox>(plan, "retentionBox");
    retentionBox->setRange(int(review::Parameters::kMinimumRetention * 100),
                           int(review::Parameters::kMaximumRetention * 100));
    planGrid->addWidget(retentionBox, 1, 3);
    turnOnButton = named<QPushButton>(plan, "turnOnButton");
    turnOnButton->setText(QStringLiteral("&Zapnout plán pro tento slovník"));
    planGrid->addWidget(turnOnButton, 2, 2, 2, 2);
    auto *difficultCaption = new QLabel(QStringLiteral("Obtížný po zapomenutích:"), plan);
    planGrid->addWidget(difficultCaption, 4, 0);
    difficultBox = named<QSpinBox>(plan, "difficultBox");
    difficultBox->setRange(1, 99);
    difficultBox->setAccessibleName(difficultCaption->text());
    difficultCaption->setBuddy(difficultBox);
    planGrid->addWidget(difficultBox, 4, 1);
    difficultButton = named<QPushButton>(plan, "difficultButton");
    difficultButton->setText(QStringLiteral("O&btížné výrazy…"));
    planGrid->addWidget(difficultButton, 6, 3);
    auto *maxCaption = new QLabel(QStringLiteral("Nejvýše opakování denně:"), plan);
    planGrid->addWidget(maxCaption, 4, 2);
    maxReviewsBox = named<QSpinBox>(plan, "maxReviewsBox");
    maxReviewsBox->setRange(1, 99999);
    maxReviewsBox->setAccessibleName(maxCaption->text());
    maxCaption->setBuddy(maxReviewsBox);
    planGrid->addWidget(maxReviewsBox, 4, 3);
    backlogLabel = named<QLabel>(plan, "backlogLabel");
    backlogLabel->setWordWrap(true);
    planGrid->addWidget(backlogLabel, 5, 0, 1, 4);
    catchUpButton = named<QPushButton>(plan, "catchUpButton");
    catchUpButton->setText(QStringLiteral("&Doháněním"));
    catchUpButton->setToolTip(
        QStringLiteral("Rozloží odložená opakování rovnoměrně do zvoleného počtu dní"));
    planGrid->addWidget(catchUpButton, 6, 0);
    auto *catchUpCaption = new QLabel(QStringLiteral("během dní:"), plan);
    planGrid->addWidget(catchUpCaption, 6, 1);
    catchUpDaysBox = named<QSpinBox>(plan, "catchUpDaysBox");
    catchUpDaysBox->setRange(2, 60);
    catchUpDaysBox->setValue(kDefaultCatchUpDays);
    catchUpDaysBox->setAccessibleName(QStringLiteral("Dohánět během dní"));
    catchUpCaption->setBuddy(catchUpDaysBox);
    planGrid->addWidget(catchUpDaysBox, 6, 2);
    for (QWidget *w :
         {static_cast<QWidget *>(backlogLabel), static_cast<QWidget *>(catchUpButton),
          static_cast<QWidget *>(catchUpCaption), static_cast<QWidget *>(catchUpDaysBox)})
        w->hide();
    m_catchUpWidgets = {catchUpButton, catchUpCaption, catchUpDaysBox};
    layout->addWidget(plan);

    progressLabel = testwindows::label(central, "progressLabel", QString());
    layout->addWidget(progressLabel);
    layout->addWidget(new QLabel(QStringLiteral("Otázka:"), central));
    questionText = testwindows::memo(central, "questionText", true);
    layout->addWidget(questionText);
    layout->addWidget(new QLabel(QStringLiteral("Odpověď:"), central));
    answerText = testwindows::memo(central, "answerText", true);
    layout->addWidget(answerText);
    pronunciationLabel = testwindows::label(central, "pronunciationLabel", QString());
    pronunciationLabel->setFont(QFont(QStringLiteral("VokabFont"), 10, QFont::Bold));
    layout->addWidget(pronunciationLabel);

    showButton = named<QPushButton>(central, "showButton");
    showButton->setText(QStringLiteral("Ukázat odpověď (mezerník)"));
    layout->addWidget(showButton);
    choicesPanel = named<QWidget>(central, "choicesPanel");
    choiceButtons = testwindows::optionButtons(choicesPanel);
    for (int i = 0; i < choiceButtons.size(); ++i)
        connect(choiceButtons[i], &QPushButton::clicked, this, [this, i] { choose(i); });
    choicesPanel->hide();
    layout->addWidget(choicesPanel);
    auto *answers = new QHBoxLayout;
    const std::array<const char *, 4> names{"againButton", "hardButton", "goodButton",
                                            "easyButton"};
    for (const review::Rating rating : review::kRatings) {
        QPushButton *&button = answerButtons[size_t(rating) - 1];
        button = named<QPushButton>(central, names[size_t(rating) - 1]);
        answers->addWidget(button);
        connect(button, &QPushButton::clicked, this, [this, rating] { answer(rating); });
    }
    layout->addLayout(answers);
    undoButton = named<QPushButton>(central, "undoButton");
    undoButton->setText(QStringLiteral("Vrátit odpověď"));
    undoButton->setToolTip(QStringLiteral("Vrátí poslední odpověď (Ctrl+Z)"));
    undoButton->setShortcut(QKeySequence::Undo);
    undoButton->setEnabled(false);
    connect(undoButton, &QPushButton::clicked, this, &ReviewWindow::undoAnswer);
    auto *undoRow = new QHBoxLayout;
    pictureWithQuestionBox = named<QCheckBox>(central, "pictureWithQuestionBox");
    pictureWithQuestionBox->setText(QStringLiteral("Obrázek ukázat už s otázkou"));
    pictureWithQuestionBox->setAccessibleName(pictureWithQuestionBox->text());
    pictureWithQuestionBox->setToolTip(
        QStringLiteral("Jinak se obrázek výrazu ukáže až s odpovědí, aby ji neprozradil"));
    undoRow->addWidget(pictureWithQuestionBox);
    undoRow->addStretch();
    undoRow->addWidget(undoButton);
    layout->addLayout(undoRow);

    forecastView = named<BarChart>(central, "forecastView");
    forecastView->setAccessibleName(QStringLiteral("Předpověď opakování"));
    forecastView->setMinimumHeight(kForecastHeight);
    forecastView->setTitle(QStringLiteral("Výrazy k opakování v příštích 30 dnech"));
    // Days as numbers, every fifth one named.
    forecastView->setCategoryTitle(QStringLiteral("za dní"));
    forecastView->setCategoryStep(5);
    forecastView->series()->setColour(kForecastColour);
    layout->addWidget(forecastView, 1);

    connect(openButton, &QPushButton::clicked, this, &ReviewWindow::chooseDictionary);
    connect(closeAction, &QAction::triggered, this, &ReviewWindow::close);
    connect(closeButton, &QPushButton::clicked, this, &ReviewWindow::close);
    connect(turnOnButton, &QPushButton::clicked, this, &ReviewWindow::turnOn);
    connect(showButton, &QPushButton::clicked, this, [this] { reveal(); });
    newPerDayBox->setValue(kDefaultNewPerDay);
    difficultBox->setValue(kDefaultDifficultAfter);
    maxReviewsBox->setValue(kDefaultMaxReviews);
    connect(difficultButton, &QPushButton::clicked, this, &ReviewWindow::showDifficult);
    retentionBox->setValue(kDefaultRetention);
    m_settings.number(kNewPerDay, newPerDayBox, kDefaultNewPerDay)
        .number(kRetention, retentionBox, kDefaultRetention)
        // Added later: a key written before them lacks them.
        .mayBeMissing()
        .flag(kChoice, choiceAction, false)
        .number(kDifficultAfter, difficultBox, kDefaultDifficultAfter)
        .number(kMaxReviews, maxReviewsBox, kDefaultMaxReviews)
        .text(
            kCatchUpDictionary, [this] { return m_catchUpPath; },
            [this](const QString &path) { m_catchUpPath = path; }, QString())
        .text(
            kCatchUpUntil, [this] { return m_catchUpUntil.toString(Qt::ISODate); },
            [this](const QString &day) { m_catchUpUntil = QDate::fromString(day, Qt::ISODate); },
            QString())
        .flag(QStringLiteral("Obrazek s otazkou"), pictureWithQuestionBox, false);
    m_settings.loadOrStore(*platform.registry, *platform.dialogs);
    const auto store = [this] {
        m_settings.store(*this->platform.registry, *this->platform.dialogs);
    };
    connect(newPerDayBox, &QSpinBox::valueChanged, this, [this, store] {
        store();
        if (m_recorder.isOn() && m_position == 0)
            startSession();
    });
    connect(retentionBox, &QSpinBox::valueChanged, this, store);
    connect(maxReviewsBox, &QSpinBox::valueChanged, this, [this, store] {
        store();
        if (m_recorder.isOn() && m_position == 0)
            startSession();
    });
    connect(catchUpButton, &QPushButton::clicked, this, [this, store] {
        m_catchUpPath = m_path;
        m_catchUpUntil = today().addDays(catchUpDaysBox->value() - 1);
        store();
        startSession();
    });
    connect(difficultBox, &QSpinBox::valueChanged, this, [this, store] {
        store();
        fillDifficult();
    });
    connect(choiceAction, &QAction::toggled, this, [this, store] {
        store();
        if (!m_revealed)
            showQuestion();
    });
    connect(pictureWithQuestionBox, &QCheckBox::toggled, this, [this, store] {
        store();
        if (m_position < m_queue.size() && (m_revealed || pictureWithQuestionBox->isChecked()))
            m_picture->show(m_dictionary.at(m_queue[m_position]));
        else
            m_picture->clear();
    });
    m_picture = std::make_unique<ModePicture>(*this, "pictureView");

    // The designed size, larger where the desktop's font needs more.
    resize(QSize(560, 640).expandedTo(sizeHint()));
    centreOnDesktop();
    startSession();
}

review::Parameters ReviewWindow::parameters() const {
    review::Parameters parameters;
    parameters.desiredRetention = retentionBox->value() / 100.0;
    return parameters;
}

QDate ReviewWindow::today() const {
    return platform.clock->now().date();
}

void ReviewWindow::FormShow() {
    // A day may have passed since the window was last open.
    startSession();
}

void ReviewWindow::FormClose() {
    if (difficultWindow)
        difficultWindow->hide();
    finishSession();
    m_lastAnswer.reset();
    undoButton->setEnabled(false);
    forms.main->showMainWindow();
    setApplicationTitle(QStringLiteral("Vokab"));
}

void ReviewWindow::keyPressEvent(QKeyEvent *event) {
    const QString key = event->text();
    if (key == QStringLiteral(" ") && showButton->isEnabled() && !showButton->isHidden()) {
        reveal();
        return;
    }
    if (key.size() == 1 && key[0] >= u'1' && key[0] <= u'4') {
        if (!choicesPanel->isHidden() && !m_revealed) {
            choose(key[0].unicode() - u'1');
            return;
        }
        QPushButton *button = answerButtons[size_t(key[0].unicode() - u'1')];
        if (button->isEnabled())
            button->click();
        return;
    }
    VokabForm::keyPressEvent(event);
}

void ReviewWindow::chooseDictionary() {
    const std::optional<QString> chosen = platform.dialogs->openFile(m_openDialog);
    if (chosen)
        openDictionary(*chosen);
}

bool ReviewWindow::openDictionary(const QString &path) {
    // The plan is read on a thread of its own while the dictionary is read here (the two
    // files are independent; the dictionary may ask a question of the user).
    review::PlanRecorder recorder(platform.backups.get());
    std::future<Result<void>> planOpened =
        std::async(std::launch::async, [&recorder, path] { return recorder.open(path); });
    std::optional<dictionaryfile::Loaded> read = dictionaryfile::openChosenDictionary(
        path, dictionaryfile::Contents::Records, dictionaryfile::EmptyFile::Refused,
        *platform.dialogs, m_openDialog);
    const Result<void> planOpen = planOpened.get();
    if (!read)
        return false;
    // The dictionary is fine even when its plan is not: a damaged plan is reported and
    // left as it is, nothing is written over it.
    if (!planOpen) {
        platform.dialogs->error(planOpen.error());
        return false;
    }
    finishSession();
    // Moved, not shared: a record read through a shared list would copy the whole list.
    m_dictionary = std::move(read->dictionary);
    m_choiceRecords.clear();
    m_path = path;
    m_recorder = std::move(recorder);
    if (const QString problem = m_picture->open(path); !problem.isEmpty())
        platform.dialogs->warning(problem);
    // Expressions deleted from the dictionary long ago are forgotten when the session
    // starts, from the keys its overview gathers.
    m_forgetRemoved = true;
    dictionaryLabel->setText(QStringLiteral("Slovník: ") + QFileInfo(path).fileName());
    startSession();
    return true;
}

void ReviewWindow::turnOn() {
    if (m_path.isEmpty())
        return;
    report(m_recorder.turnOn(m_path));
    startSession();
}

void ReviewWindow::report(const Result<void> &done) {
    if (!done)
        platform.dialogs->error(done.error());
}

void ReviewWindow::startSession() {
    m_lastAnswer.reset();
    undoButton->setEnabled(false);
    m_queue.clear();
    m_position = 0;
    m_recalled = 0;
    m_forgotten = 0;
    // Another window may have answered into the plan since.
    report(m_recorder.refresh());
    const review::Overview overview = planOverview(newPerDayBox->value());
    if (std::exchange(m_forgetRemoved, false))
        report(m_recorder.forgetRemoved(overview.inDictionary, today()));
    if (m_recorder.isOn())
        m_queue = overview.queue;
    turnOnButton->setVisible(!m_path.isEmpty() && !m_recorder.isOn());
    showOverview(overview);
    showQuestion();
}

void ReviewWindow::showQuestion() {
    m_revealed = false;
    m_picture->clear();
    m_choice = {};
    m_choseRight.reset();
    choicesPanel->hide();
    showButton->show();
    answerText->clear();
    pronunciationLabel->clear();
    const bool asking = m_position < m_queue.size();
    showButton->setEnabled(asking);
    for (size_t i = 0; i < answerButtons.size(); ++i) {
        answerButtons[i]->setEnabled(false);
        answerButtons[i]->setText(
            QStringLiteral("%1 %2").arg(i + 1).arg(review::ratingText(review::Rating(i + 1))));
    }
    if (!asking) {
        questionText->setPlainText(m_path.isEmpty() ? QString()
                                   : m_recorder.isOn()
                                       ? QStringLiteral("Pro dnešek je hotovo.")
                                       : QStringLiteral("Plán slovníku je vypnutý."));
        progressLabel->setText(QString());
        return;
    }
    const Tslovniky &expression = m_dictionary.at(m_queue[m_position]);
    const bool difficult =
        plan().memoryOf(review::keyOf(expression)).lapses >= difficultBox->value();
    progressLabel->setText(QStringLiteral("Výraz %1 z %2").arg(m_position + 1).arg(m_queue.size()) +
                           (difficult ? QStringLiteral(" – obtížný výraz") : QString()));
    questionText->setPlainText(expression.ang);
    if (pictureWithQuestionBox->isChecked())
        m_picture->show(expression);
    else
        m_picture->clear();
    showButton->setFocus();
    if (choiceAction->isChecked())
        showChoices(expression);
}

void ReviewWindow::showChoices(const Tslovniky &expression) {
    if (m_choiceRecords.size() != m_dictionary.size()) {
        m_choiceRecords.clear();
        m_choiceRecords.reserve(m_dictionary.size());
        for (const Tslovniky &record : m_dictionary)
            m_choiceRecords.append({record.cz, record.ang, {}, {}});
    }
    m_choice = choices::ask(m_choiceRecords, {expression.cz, expression.ang, {}, {}},
                            [this](int bound) { return platform.random->bounded(bound); });
    // Fewer than two options (a dictionary of one expression): the answer is shown as usual.
    if (m_choice.options.size() < 2)
        return;
    testwindows::showOptions(choiceButtons, m_choice);
    showButton->hide();
    choicesPanel->show();
    choiceButtons.front()->setFocus();
}

void ReviewWindow::choose(int option) {
    if (m_revealed || option < 0 || option >= m_choice.options.size())
        return;
    m_choseRight = option == m_choice.right;
    // The options stay readable beside the answer; once it is shown they choose nothing.
    const auto mark = [this](int index, const QString &note) {
        QPushButton *button = choiceButtons[index];
        button->setText(button->text() + QStringLiteral("   – ") + note);
        button->setAccessibleName(button->accessibleName() + QStringLiteral(", ") + note);
    };
    mark(m_choice.right, QStringLiteral("správně"));
    if (!*m_choseRight)
        mark(option, QStringLiteral("vaše volba, špatně"));
    reveal();
}

void ReviewWindow::reveal(bool withSound) {
    if (m_position >= m_queue.size() || m_revealed)
        return;
    m_revealed = true;
    const Tslovniky &expression = m_dictionary.at(m_queue[m_position]);
    answerText->setPlainText(expression.cz);
    m_picture->show(expression);
    pronunciationLabel->setText(expression.vyslovnost == dictionaryfile::kNoPronunciation
                                    ? QString()
                                    : expression.vyslovnost);
    const std::array<review::Memory, 4> next =
        review::outcomes(plan().memoryOf(review::keyOf(expression)), today(), parameters());
    for (size_t i = 0; i < answerButtons.size(); ++i) {
        answerButtons[i]->setText(QStringLiteral("%1 %2 (za %3)")
                                      .arg(i + 1)
                                      .arg(review::ratingText(review::Rating(i + 1)),
                                           daysText(int(today().daysTo(next[i].due)))));
        answerButtons[i]->setEnabled(true);
    }
    showButton->setEnabled(false);
    answerButtons[2]->setFocus();
    // A choice made decides between forgotten and recalled.
    if (m_choseRight) {
        answerButtons[0]->setEnabled(!*m_choseRight);
        for (size_t i = 1; i < answerButtons.size(); ++i)
            answerButtons[i]->setEnabled(*m_choseRight);
        answerButtons[*m_choseRight ? 2 : 0]->setFocus();
    }
    if (withSound)
        playSound(expression);
}

void ReviewWindow::playSound(const Tslovniky &expression) {
    // The recording, or the foreign expression spoken when it has none.
    m_sound->play(expression.zvuk, expression.ang, forms.settings->speech());
}

void ReviewWindow::answer(review::Rating rating) {
    if (m_position >= m_queue.size() || !m_revealed)
        return;
    const review::Key key = review::keyOf(m_dictionary.at(m_queue[m_position]));
    AnswerStep step{m_position, m_recalled, m_forgotten, false};
    if (const Result<void> recorded = m_recorder.record(key, rating, today(), parameters());
        !recorded) {
        report(recorded);
        startSession();
        return;
    }
    if (forms.Form23)
        forms.Form23->recordPractice(practice::Kind::Review);
    if (rating == review::Rating::Again)
        ++m_forgotten;
    else
        ++m_recalled;
    ++m_position;
    showOverview(planOverview(0));
    if (m_position == m_queue.size()) {
        const int answered = m_recalled + m_forgotten;
        const int recalled = m_recalled;
        const int forgotten = m_forgotten;
        step.statisticsRecorded = finishSession();
        platform.dialogs->message(
            MessageKind::Information,
            QStringLiteral("Opakování pro dnešek je hotovo.\n\nZopakováno výrazů: %1\n"
                           "Vybaveno: %2\nZapomenuto: %3")
                .arg(answered)
                .arg(recalled)
                .arg(forgotten));
    }
    m_lastAnswer = m_recorder.canUndo() ? std::optional(step) : std::nullopt;
    undoButton->setEnabled(m_lastAnswer.has_value());
    showQuestion();
}

void ReviewWindow::undoAnswer() {
    if (!m_lastAnswer)
        return;
    const AnswerStep step = *std::exchange(m_lastAnswer, std::nullopt);
    undoButton->setEnabled(false);
    // The plan no longer holds the answer (its expression was forgotten since).
    if (!m_recorder.canUndo())
        return;
    if (const Result<void> undone = m_recorder.undoLast(); !undone) {
        report(undone);
        startSession();
        return;
    }
    if (forms.Form23)
        forms.Form23->withdrawPractice(practice::Kind::Review);
    if (step.statisticsRecorded)
        testwindows::withdrawStatistics(forms);
    m_position = step.position;
    m_recalled = step.recalled;
    m_forgotten = step.forgotten;
    showOverview(planOverview(0));
    // The question as it stood when it was answered: its answer shown.
    showQuestion();
    reveal(false);
}

void ReviewWindow::showDifficult() {
    if (!difficultWindow) {
        difficultWindow = new DifficultWindow(this);
        difficultWindow->toggleSuspended = [this](const DifficultWindow::Row &row) {
            report(m_recorder.setSuspended(row.key, !row.suspended));
            if (!row.suspended)
                dropFromSession(row.key);
            fillDifficult();
        };
        difficultWindow->resetMemory = [this](const DifficultWindow::Row &row) {
            if (!platform.dialogs->question(
                    MessageKind::Confirmation,
                    QStringLiteral("Plán zapomene vše, co o výrazu „%1“ ví, a výraz bude znovu "
                                   "nový. Pokračovat?")
                        .arg(row.key.foreign)))
                return;
            report(m_recorder.resetMemory(row.key));
            // An answer to the forgotten memory can no longer be taken back.
            if (!m_recorder.canUndo()) {
                m_lastAnswer.reset();
                undoButton->setEnabled(false);
            }
            dropFromSession(row.key);
            fillDifficult();
        };
        difficultWindow->openInEditor = [this](const DifficultWindow::Row &row) {
            openDifficultInEditor(row.key);
        };
    }
    fillDifficult();
    difficultWindow->show();
    difficultWindow->raise();
}

void ReviewWindow::fillDifficult() {
    if (!difficultWindow)
        return;
    const int threshold = difficultBox->value();
    const review::Overview overview = planOverview(0);
    QList<DifficultWindow::Row> rows;
    const QList<review::Entry> &entries = plan().entries();
    for (qsizetype i = 0; i < entries.size(); ++i) {
        if (overview.inDictionary.value(i) && entries[i].memory.lapses >= threshold)
            rows.append({entries[i].key, entries[i].memory.lapses, entries[i].suspended});
    }
    std::stable_sort(rows.begin(), rows.end(),
                     [](const auto &a, const auto &b) { return a.lapses > b.lapses; });
    difficultWindow->setRows(rows, threshold);
}

void ReviewWindow::dropFromSession(const review::Key &key) {
    const bool asked =
        m_position < m_queue.size() && review::keyOf(m_dictionary.at(m_queue[m_position])) == key;
    for (qsizetype i = m_queue.size() - 1; i >= m_position; --i) {
        if (review::keyOf(m_dictionary.at(m_queue[i])) == key)
            m_queue.remove(i);
    }
    showOverview(planOverview(0));
    if (asked)
        showQuestion();
}

void ReviewWindow::openDifficultInEditor(const review::Key &key) {
    qsizetype row = -1;
    for (qsizetype i = 0; i < m_dictionary.size() && row < 0; ++i) {
        if (review::keyOf(m_dictionary[i]) == key)
            row = i;
    }
    const QString path = m_path;
    difficultWindow->hide();
    close();
    forms.main->openInEditor(path);
    TForm2 *editor = forms.Form2;
    if (row >= 0 && row < editor->recordCount() &&
        review::keyOf(editor->document().records()[row]) == key)
        editor->selectRow(int(row));
}

bool ReviewWindow::finishSession() {
    // One statistics row per session, counted like a test (recalled against forgotten)
    // and recorded as the general settings ask for a finished or an interrupted test.
    const bool finished = m_position == m_queue.size();
    bool recorded = false;
    if (finished ? forms.settings->recordCompleted() : forms.settings->recordInterrupted())
        recorded = testwindows::recordStatistics(
            forms, m_path, m_recalled, m_forgotten,
            finished ? QStringLiteral("Ano") : QStringLiteral("Ne"), QStringLiteral("Opakování"));
    m_recalled = 0;
    m_forgotten = 0;
    return recorded;
}

bool ReviewWindow::catchingUp() const {
    return !m_path.isEmpty() && m_catchUpPath == m_path && m_catchUpUntil.isValid() &&
           today() <= m_catchUpUntil;
}

review::Overview ReviewWindow::planOverview(int newPerDay) const {
    int maximum = maxReviewsBox->value();
    if (catchingUp()) {
        // What is due, spread evenly over the days of catching up that are left.
        const int due = review::overview(m_dictionary, plan(), today(), 0).counts.dueToday;
        const qint64 days = today().daysTo(m_catchUpUntil) + 1;
        maximum = int(std::max<qint64>(1, (due + days - 1) / days));
    }
    // Within a session the ones answered are no longer due: the rest of today's maximum.
    if (m_position > 0)
        maximum = std::max(1, maximum - int(m_position));
    return review::overview(m_dictionary, plan(), today(), newPerDay, maximum);
}

void ReviewWindow::showOverview(const review::Overview &overview) {
    const review::StateCounts &counts = overview.counts;
    const bool shown = !m_path.isEmpty();
    const bool broke =
        overview.lastPractice.isValid() && overview.lastPractice.daysTo(today()) > kBreakDays;
    backlogLabel->setVisible(shown && (overview.postponed > 0 || catchingUp()));
    backlogLabel->setText(
        catchingUp() ? QStringLiteral("Dohánění do %1: dnes %2 opakování, odloženo %3.")
                           .arg(QLocale().toString(m_catchUpUntil, QLocale::ShortFormat))
                           .arg(counts.dueToday - overview.postponed)
                           .arg(overview.postponed)
                     : QStringLiteral("Odloženo na další dny: %1 opakování (nejvýše %2 denně).")
                           .arg(overview.postponed)
                           .arg(maxReviewsBox->value()));
    for (QWidget *w : m_catchUpWidgets)
        w->setVisible(shown && overview.postponed > 0 && broke && !catchingUp());
    dueLabel->setText(shown ? QString::number(counts.dueToday) : QStringLiteral("-"));
    newLabel->setText(shown ? QString::number(counts.fresh) : QStringLiteral("-"));
    learningLabel->setText(shown ? QString::number(counts.learning) : QStringLiteral("-"));
    knownLabel->setText(shown ? QString::number(counts.known) : QStringLiteral("-"));

    QStringList days;
    QList<double> values;
    int most = 0;
    for (int count : overview.forecast) {
        days.append(QString::number(days.size()));
        values.append(count);
        most = std::max(most, count);
    }
    forecastView->series()->setBars(days, values);
    // Whole numbers on the count axis: at most about five steps of a whole size.
    const int step = std::max(1, (most + 4) / 5);
    forecastView->setAxis(0, step * std::max(1, (most + step - 1) / step), step);
}
