#include "testing/Unit4.h"

#include "dictionary/fieldvalidator.h"
#include "platform/platform.h"
#include "testing/Unit10.h"
#include "testing/testwindows.h"
#include "ui/colours.h"
#include "ui/controls.h"
#include "ui/forms.h"
#include "ui/generalsettings.h"

#include <QAction>
#include <QCheckBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QVBoxLayout>

using testitems::TestRecord;

TForm4::TForm4(Forms &forms, Platform &platform)
    : TestWindow(forms, platform, QStringLiteral("Form4"), kTestingIKind) {
    setWindowTitle(QStringLiteral("Zkoušení výrazů I"));
    buildControls();
    setFrame(Frame::Fixed);
    setFixedClientSize(380, 391);
    m_typedSize = centralWidget()->size();
    placePicture();
    centreOnDesktop();
    zakladninastav();
}

void TForm4::buildControls() {
    auto *testMenu = menuBar()->addMenu(QStringLiteral("Zkoušení"));
    testMenu->setObjectName(QStringLiteral("Zkouen1"));
    Nov1 = menuItem(testMenu, "Nov1", QStringLiteral("Nové"));
    testMenu->addSeparator();
    Konec1 = menuItem(testMenu, "Konec1", QStringLiteral("Zavřít"));
    Nas1 = menuItem(menuBar(), "Nas1", QStringLiteral("Nastavení"));
    connect(Nov1, &QAction::triggered, this, &TForm4::Nov1Click);
    connect(Konec1, &QAction::triggered, this, &TForm4::Konec1Click);
    connect(Nas1, &QAction::triggered, this, &TForm4::Nas1Click);

    auto *central = new QWidget(this);
    setCentralWidget(central);
    auto *column = new QVBoxLayout(central);
    auto *tools = new QHBoxLayout;
    btnovy = toolButton(central, "btnovy", QStyle::SP_FileIcon, QStringLiteral("Nové zkoušení"));
    BitBtn1 = toolButton(central, "BitBtn1", QStyle::SP_FileDialogDetailedView,
                         QStringLiteral("Nastavení Zkoušeče výrazů"));
    Button1 = testwindows::separator(central);
    btkonec = toolButton(central, "btkonec", QStyle::SP_ArrowBack,
                         QStringLiteral("Návrat do Hlavní nabídky"));
    btstart =
        toolButton(central, "btstart", QStyle::SP_MediaPlay, QStringLiteral("Spuštění zkoušení"));
    btstart->hide();
    for (QPushButton *b : {btnovy, BitBtn1, Button1, btkonec})
        tools->addWidget(b);
    tools->addStretch();
    column->addLayout(tools);
    connect(btnovy, &QPushButton::clicked, this, &TForm4::btnovyClick);
    connect(BitBtn1, &QPushButton::clicked, this, &TForm4::BitBtn1Click);
    connect(btkonec, &QPushButton::clicked, this, &TForm4::btkonecClick);
    connect(btstart, &QPushButton::clicked, this, &TForm4::btstartClick);

    Label2 = testwindows::label(central, "Label2", QStringLiteral("Český výraz:"));
    mevyraz = testwindows::memo(central, "mevyraz", true);
    mevyraz->setFrameShape(QFrame::NoFrame);
    mevyraz->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Label4 = testwindows::label(central, "Label4", QStringLiteral("Správný výraz:"));
    edtodpoved = named<QLineEdit>(central, "edtodpoved");
    edtodpoved->setToolTip(QStringLiteral("Zde vložte správný překlad výrazu, který se zobrazuje "
                                          "výše a potvrďte klávesou ENTER"));
    // Upper-case answers are typed in place: the caret, a selection and undo work as
    // in any edit box.
    edtodpoved->setValidator(new FieldValidator({false, false, true}, edtodpoved));
    edtodpoved->installEventFilter(this);
    Label3 =
        testwindows::label(central, "Label3", QStringLiteral("Předchozí správná odpověd výrazu:"));
    mespravneprvni = testwindows::memo(central, "mespravneprvni", false);
    Label1 = testwindows::label(central, "Label1", QStringLiteral("byla:"));
    mespravne = testwindows::memo(central, "mespravne", true);
    setTextColour(mespravne, kGreen);
    choicesPanel = named<QWidget>(central, "choicesPanel");
    choiceButtons = testwindows::optionButtons(choicesPanel);
    for (int i = 0; i < choiceButtons.size(); ++i)
        connect(choiceButtons[i], &QPushButton::clicked, this, [this, i] { chooseOption(i); });
    choicesPanel->hide();
    for (QWidget *w :
         {static_cast<QWidget *>(Label2), static_cast<QWidget *>(mevyraz),
          static_cast<QWidget *>(Label4), static_cast<QWidget *>(edtodpoved), choicesPanel,
          static_cast<QWidget *>(Label3), static_cast<QWidget *>(mespravneprvni),
          static_cast<QWidget *>(Label1), static_cast<QWidget *>(mespravne)})
        column->addWidget(w);

    auto *info = new QGroupBox(QStringLiteral("Informace o průběhu zkoušení:"), central);
    auto *grid = new QGridLayout(info);
    lbpocetvyrazu =
        captionAndValue(grid, 0, QStringLiteral("Celkový počet výrazů:"), "lbpocetvyrazu");
    lbaktvyraz = captionAndValue(grid, 1, QStringLiteral("Aktuální výraz:"), "lbaktvyraz");
    lbspravne = captionAndValue(grid, 2, QStringLiteral("Správně uhodnutých výrazů:"), "lbspravne");
    lbspatne = captionAndValue(grid, 3, QStringLiteral("Špatně uhodnutých výrazů:"), "lbspatne");
    makeBold(lbspravne);
    makeBold(lbspatne);
    column->addWidget(info);

    Memo1 = named<QPlainTextEdit>(central, "Memo1");
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo1->hide();
}

bool TForm4::loaded() const {
    return m_lines.size() > 1 || (m_lines.size() == 1 && !m_lines.first().isEmpty());
}

bool TForm4::randomOrder() const {
    return !forms.Form10->rbpostupne->isChecked();
}

void TForm4::setMemo(QPlainTextEdit *memo, const QString &text) {
    memo->setPlainText(text);
}

void TForm4::zakladninastav() {
    finished = false;
    m_correct = 0;
    m_wrong = 0;
    m_wrongHanded = 0;
    for (QLabel *l : {lbpocetvyrazu, lbaktvyraz, lbspravne, lbspatne})
        l->setText(QStringLiteral("-"));
    edtodpoved->clear();
    m_lines.clear();
    m_test.clear();
    m_records.clear();
    m_choice = {};
    setChoosing(false);
    for (QPlainTextEdit *m : {mevyraz, mespravne, mespravneprvni})
        setMemo(m, QStringLiteral("-"));
    if (m_picture)
        m_picture->clear();
}

void TForm4::btnovyClick() {
    if (loaded()) {
        askToInterrupt();
        return;
    }
    const std::optional<QString> chosen = platform.dialogs->openFile(m_openDialog);
    if (!chosen)
        return;
    zakladninastav();
    const std::optional<QStringList> lines = openDictionary(*chosen);
    if (!lines)
        return;
    setLines(*lines);
    loadAndAsk();
}

void TForm4::loadAndAsk() {
    nactidopameti();
    nastavinfo();
}

void TForm4::nactidopameti() {
    const QStringList lines = m_lines.isEmpty() ? QStringList{QString()} : m_lines;
    m_czechShown = forms.Form10->rbcjang->isChecked();
    m_records = testitems::recordsFromLines(lines, !m_czechShown);
    m_test.load(m_records);
    m_correct = 0;
    m_wrong = 0;
}

void TForm4::nastavinfo() {
    if (!m_test.loaded())
        return;
    lbpocetvyrazu->setText(QString::number(m_test.total()));
    if (!randomOrder()) {
        lbaktvyraz->setText(QString::number(m_test.position() + 1));
        edtodpoved->setFocus();
        showQuestion();
    } else {
        btstartClick();
    }
}

void TForm4::btstartClick() {
    if (!loaded() || finished || !m_test.loaded())
        return;
    if (!randomOrder()) {
        if (!m_test.nextInOrder()) {
            endTest();
            return;
        }
    } else {
        if (!m_test.nextDrawn([this](int bound) { return platform.random->bounded(bound); })) {
            endTest();
            return;
        }
        lbaktvyraz->setText(QString::number(m_test.number(true)));
    }
    showQuestion();
}

void TForm4::showQuestion() {
    if (!m_test.hasCurrent())
        return;
    const TestRecord &record = m_test.current();
    setMemo(mevyraz, testitems::shownMeanings(record.shown));
    showPicture(m_czechShown ? record.answer : record.shown,
                m_czechShown ? record.shown : record.answer, true,
                forms.Form10->pictureWithQuestion->isChecked());
    edtodpoved->setFocus();
    showChoices();
    if (!randomOrder())
        lbaktvyraz->setText(QString::number(m_test.number(false)));
    playExpression(forms.Form10->CheckBox1->isChecked(), record.zvuk,
                   m_czechShown ? record.answer : record.shown);
}

void TForm4::showChoices() {
    m_choice = {};
    if (forms.Form10->choiceOfFour() && m_test.hasCurrent()) {
        const TestRecord &record = m_test.current();
        m_choice = choices::ask(
            m_records, record, [this](int bound) { return platform.random->bounded(bound); },
            [&](const QString &text) {
                const Verdict verdict = judge(text, record);
                return !verdict.right && verdict.note.isEmpty();
            });
    }
    // A question of fewer than two options (a dictionary of one expression, an empty
    // answer) is typed.
    const bool choosing = m_choice.options.size() >= 2;
    if (choosing)
        testwindows::showOptions(choiceButtons, m_choice);
    setChoosing(choosing);
    if (choosing)
        choiceButtons.first()->setFocus();
}

void TForm4::setChoosing(bool choosing) {
    Label4->setText(
        choosing ? QStringLiteral("Vyberte správný výraz (1 až %1):").arg(m_choice.options.size())
                 : QStringLiteral("Správný výraz:"));
    if (choosing != choicesPanel->isHidden())
        return;
    edtodpoved->setVisible(!choosing);
    choicesPanel->setVisible(choosing);
    // The window grows by what the options take more than the answer box, so that every
    // control keeps the room it has in a typed test.
    const int extra =
        choosing ? choicesPanel->sizeHint().height() - edtodpoved->sizeHint().height() : 0;
    // The controls' own pane (the picture, when shown, stands beside it).
    QWidget *pane = choicesPanel->parentWidget();
    pane->setFixedSize(m_typedSize.width(), m_typedSize.height() + std::max(0, extra));
}

void TForm4::chooseOption(int index) {
    if (index < 0 || index >= m_choice.options.size() || choicesPanel->isHidden())
        return;
    edtodpoved->setText(m_choice.options[index]);
    edtodpovedEnter();
}

void TForm4::keyPressEvent(QKeyEvent *event) {
    // The keys 1 to 4 choose an option, wherever the focus is in the window (the answer
    // box is hidden while options are shown).
    const QString key = event->text();
    const int option = key.size() == 1 ? key[0].unicode() - u'1' : -1;
    if (!choicesPanel->isHidden() && option >= 0 && option < m_choice.options.size()) {
        chooseOption(option);
        return;
    }
    TestWindow::keyPressEvent(event);
}

bool TForm4::eventFilter(QObject *watched, QEvent *event) {
    if (watched == edtodpoved && event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        setUpperCaseInput({edtodpoved}, forms.settings->upperCase());
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            edtodpovedEnter();
            return true;
        }
        if (retypeInUpperCase(edtodpoved, *key))
            return true;
    }
    return VokabForm::eventFilter(watched, event);
}

void TForm4::edtodpovedEnter() {
    if (!loaded() || finished || !m_test.hasCurrent())
        return;
    const QString answer = edtodpoved->text();
    const TestRecord record = m_test.current();
    const Verdict verdict = judge(answer, record);
    recordInPlan(m_czechShown ? review::Key{record.answer, record.shown}
                              : review::Key{record.shown, record.answer},
                 verdict.rating);
    if (verdict.right) {
        ++m_correct;
        setTextColour(lbspravne, kGreen);
        lbspravne->setText(QString::number(m_correct));
        edtodpoved->clear();
        // A right answer that needed a leniency shows what it stood for.
        setMemo(mespravne, verdict.note.isEmpty() ? QStringLiteral("-") : verdict.note);
        setMemo(mespravneprvni,
                verdict.note.isEmpty() ? QStringLiteral("-") : mevyraz->toPlainText());
    } else if (!verdict.note.isEmpty()) {
        zapisdopolevysledku();
        ++m_wrong;
        edtodpoved->clear();
        setTextColour(lbspatne, kRed);
        lbspatne->setText(QString::number(m_wrong));
        setMemo(mespravneprvni, mevyraz->toPlainText());
        setMemo(mespravne, verdict.note);
    } else {
        zapisdopolevysledku();
        ++m_wrong;
        edtodpoved->clear();
        setTextColour(lbspatne, kRed);
        lbspatne->setText(QString::number(m_wrong));
        if (forms.Form10->rbzobrazit->isChecked()) {
            setMemo(mespravneprvni, mevyraz->toPlainText());
            setMemo(mespravne, testitems::shownMeanings(record.answer));
        } else {
            setMemo(mespravne, QStringLiteral("-"));
            setMemo(mespravneprvni, QStringLiteral("-"));
        }
    }
    // The picture goes with an answer the window shows, never without one.
    const bool answerShown = verdict.right
                                 ? !verdict.note.isEmpty()
                                 : !verdict.note.isEmpty() || forms.Form10->rbzobrazit->isChecked();
    showPicture(m_czechShown ? record.answer : record.shown,
                m_czechShown ? record.shown : record.answer, false,
                forms.Form10->pictureWithQuestion->isChecked(), answerShown);
    btstartClick();
}

TForm4::Verdict TForm4::judge(const QString &answer, const TestRecord &record) const {
    const TForm10 *settings = forms.Form10;
    if (!settings->lenient()) {
        const bool right = testitems::isRightAnswer(answer, record.answer);
        return {right, right ? review::Rating::Good : review::Rating::Again, {}};
    }
    const answers::Judgement judgement =
        answers::judge(answer, record.answer, settings->leniency(),
                       m_czechShown ? answers::Language::Foreign : answers::Language::Czech);
    switch (judgement.verdict) {
    case answers::Verdict::Exact:
        return {true, review::Rating::Good, {}};
    case answers::Verdict::RightWithNotes:
        return {true, review::Rating::Good,
                judgement.notes.diacritics ? judgement.meaning + QStringLiteral(" (") +
                                                 answers::kWithoutDiacriticsNote + u')'
                                           : judgement.meaning};
    case answers::Verdict::AlmostRight:
        return {settings->almostRightCounts(), review::Rating::Hard,
                QStringLiteral("Téměř správně: ") + judgement.meaning};
    case answers::Verdict::Wrong:
        break;
    }
    return {false, review::Rating::Again, {}};
}

void TForm4::zapisdopolevysledku() {
    if (!m_test.hasCurrent())
        return;
    ++m_wrongHanded;
    forms.evaluation->addResult(m_test.current(), m_czechShown);
}

void TForm4::endTest() {
    handOver(true);
    if (forms.settings->recordCompleted())
        recordStatistics(QStringLiteral("Ano"));
    showResult(m_test.total());
    finished = true;
}

void TForm4::BitBtn1Click() {
    forms.Form10->show();
    forms.Form10->raise();
}

void TForm4::btkonecClick() {
    close();
}

void TForm4::FormActivate() {
    Label2->setText(forms.Form10->rbangcj->isChecked() ? QStringLiteral("Cizí výraz")
                                                       : QStringLiteral("Český výraz"));
}
