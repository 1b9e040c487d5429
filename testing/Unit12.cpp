#include "testing/Unit12.h"

#include "platform/platform.h"
#include "testing/Unit13.h"
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
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QVBoxLayout>

#include <array>
#include <utility>

namespace {

const QString kDash = QStringLiteral("-");

} // namespace

TForm12::TForm12(Forms &forms, Platform &platform)
    : TestWindow(forms, platform, QStringLiteral("Form12"), kTestingIIKind) {
    setWindowTitle(QStringLiteral("Zkoušení výrazů II"));

    Zkouen1 = menuBar()->addMenu(QStringLiteral("Zkoušení"));
    Zkouen1->setObjectName(QStringLiteral("Zkouen1"));
    Nov1 = menuItem(Zkouen1, "Nov1", QStringLiteral("Nové"));
    Zkouen1->addSeparator();
    Uzavt1 = menuItem(Zkouen1, "Uzavt1", QStringLiteral("Zavřít"));
    Nastaven1 = menuItem(menuBar(), "Nastaven1", QStringLiteral("Nastavení"));
    connect(Nov1, &QAction::triggered, this, &TForm12::Nov1Click);
    connect(Uzavt1, &QAction::triggered, this, &TForm12::Uzavt1Click);
    connect(Nastaven1, &QAction::triggered, this, &TForm12::Nastaven1Click);

    auto *central = new QWidget(this);
    setCentralWidget(central);
    auto *column = new QVBoxLayout(central);
    auto *tools = new QHBoxLayout;
    BitBtn2 = toolButton(central, "BitBtn2", QStyle::SP_FileIcon, QStringLiteral("Nové zkoušení"));
    Button1 = named<QPushButton>(central, "Button1");
    Button1->setEnabled(false);
    Button1->setFixedSize(4, 28);
    BitBtn3 = toolButton(central, "BitBtn3", QStyle::SP_FileDialogDetailedView,
                         QStringLiteral("Nastavení zkoušeče"));
    BitBtn3->setDefault(true);
    BitBtn1 = toolButton(central, "BitBtn1", QStyle::SP_ArrowBack,
                         QStringLiteral("Návrat do Hlavní nabídky"));
    tools->addWidget(BitBtn2);
    tools->addWidget(Button1);
    tools->addWidget(BitBtn3);
    tools->addStretch();
    tools->addWidget(BitBtn1);
    column->addLayout(tools);
    connect(BitBtn2, &QPushButton::clicked, this, &TForm12::BitBtn2Click);
    connect(BitBtn3, &QPushButton::clicked, this, &TForm12::BitBtn3Click);
    connect(BitBtn1, &QPushButton::clicked, this, &TForm12::BitBtn1Click);

    Label1 = named<QLabel>(central, "Label1");
    Label1->setText(QStringLiteral("Český výraz:"));
    mecz = testwindows::memo(central, "mecz", true);
    auto *label2 = named<QLabel>(central, "Label2");
    label2->setText(QStringLiteral("Předchozí správná odpověď výrazu:"));
    mespravneprvni = testwindows::memo(central, "mespravneprvni", true);
    auto *label4 = named<QLabel>(central, "Label4");
    label4->setText(QStringLiteral("byla:"));
    mespravne = testwindows::memo(central, "mespravne", true);
    setTextColour(mespravne, kGreen);
    for (QWidget *w : {static_cast<QWidget *>(Label1), static_cast<QWidget *>(mecz),
                       static_cast<QWidget *>(label2), static_cast<QWidget *>(mespravneprvni),
                       static_cast<QWidget *>(label4), static_cast<QWidget *>(mespravne)})
        column->addWidget(w);

    auto *answers = new QHBoxLayout;
    btjo = named<QPushButton>(central, "btjo");
    btjo->setText(QStringLiteral("&Vím"));
    btjo->setToolTip(QStringLiteral("Znám překlad výrazu"));
    btne = named<QPushButton>(central, "btne");
    btne->setText(QStringLiteral("&Nevím"));
    btne->setToolTip(QStringLiteral("Neznám překlad výrazu"));
    for (QPushButton *b : {btjo, btne}) {
        b->setMinimumHeight(40);
        answers->addWidget(b);
    }
    column->addLayout(answers);
    connect(btjo, &QPushButton::clicked, this, &TForm12::btjoClick);
    connect(btne, &QPushButton::clicked, this, &TForm12::btneClick);
    undoButton = named<QPushButton>(central, "undoButton");
    undoButton->setText(QStringLiteral("Vrátit odpověď"));
    undoButton->setToolTip(QStringLiteral("Vrátí poslední odpověď (Ctrl+Z)"));
    undoButton->setShortcut(QKeySequence::Undo);
    auto *undoRow = new QHBoxLayout;
    undoRow->addStretch();
    undoRow->addWidget(undoButton);
    column->addLayout(undoRow);
    connect(undoButton, &QPushButton::clicked, this, &TForm12::undoAnswerClick);

    auto *info = named<QGroupBox>(central, "GroupBox1");
    info->setTitle(QStringLiteral("Informace o průběhu zkoušení"));
    auto *grid = new QGridLayout(info);
    lbpocet =
        captionAndValue(grid, 0, QStringLiteral("Celkový počet výrazů:"), "lbpocet", QString());
    lbaktvyraz =
        captionAndValue(grid, 1, QStringLiteral("Aktuální výraz:"), "lbaktvyraz", QString());
    lbspravne = captionAndValue(grid, 2, QStringLiteral("Správně uhodnutých výrazů:"), "lbspravne",
                                QString());
    lbspatne = captionAndValue(grid, 3, QStringLiteral("Špatně uhodnutých výrazů:"), "lbspatne",
                               QString());
    makeBold(lbspravne);
    makeBold(lbspatne);
    setTextColour(lbspravne, kGreen);
    setTextColour(lbspatne, kRed);
    column->addWidget(info);

    menacti = named<QPlainTextEdit>(central, "menacti");
    menacti->setLineWrapMode(QPlainTextEdit::NoWrap);
    menacti->hide();

    setFrame(Frame::Fixed);
    setFixedClientSize(383, 402);
    placePicture();
    centreOnDesktop();
    zaklnastaveni();
}

bool TForm12::randomOrder() const {
    return !forms.Form13->rbpostupne->isChecked();
}

int TForm12::draw(int count) {
    return platform.random->bounded(count);
}

void TForm12::BitBtn2Click() {
    if (!loaded()) {
        otevrislovnik();
        return;
    }
    askToInterrupt();
}

void TForm12::otevrislovnik() {
    const std::optional<QString> chosen = platform.dialogs->openFile(m_openDialog);
    if (!chosen)
        return;
    const std::optional<QStringList> lines = openDictionary(*chosen);
    if (!lines)
        return;
    // A new test starts from nothing: no counts of an earlier one are carried over.
    zaklnastaveni();
    setLines(*lines);
    loadAndAsk();
}

void TForm12::loadAndAsk() {
    nacti();
    prvnizkouseni();
}

void TForm12::nacti() {
    m_czechShown = forms.Form13->rbcjang->isChecked();
    m_test.load(testitems::itemsFromLines(m_lines, !m_czechShown));
}

void TForm12::prvnizkouseni() {
    m_lastAnswer.reset();
    undoButton->setEnabled(false);
    lbpocet->setText(QString::number(m_test.total()));
    lbaktvyraz->setText(QStringLiteral("1"));
    const bool random = randomOrder();
    if (random ? !m_test.nextDrawn([this](int count) { return draw(count); })
               : !m_test.hasCurrent())
        return;
    zobrazotazku();
    if (random)
        zobrazinfo();
    else
        btjo->setFocus();
    prehrajzvuk();
}

void TForm12::zobrazotazku() {
    mecz->setPlainText(testitems::shownMeanings(m_test.current().cz));
    showItemPicture(true);
}

void TForm12::showItemPicture(bool asking, bool answerShown) {
    const Tslovniky &item = m_test.current();
    showPicture(m_czechShown ? item.ang : item.cz, m_czechShown ? item.cz : item.ang, asking,
                forms.Form13->pictureWithQuestion->isChecked(), answerShown);
}

void TForm12::showAnswer(bool knew) {
    const bool show =
        forms.Form13->rbobe->isChecked() || (forms.Form13->rbzobrazit->isChecked() && !knew);
    showItemPicture(false, show);
    if (!show) {
        mespravneprvni->setPlainText(kDash);
        mespravne->setPlainText(kDash);
        return;
    }
    mespravneprvni->setPlainText(mecz->toPlainText());
    mespravne->setPlainText(testitems::shownMeanings(m_test.current().ang));
}

void TForm12::zobrazinfo() {
    lbaktvyraz->setText(QString::number(m_test.number(randomOrder())));
    lbspravne->setText(QString::number(m_correct));
    lbspatne->setText(QString::number(m_wrong));
}

void TForm12::prehrajzvuk() {
    // The recording, or the foreign expression spoken when it has none.
    const Tslovniky &item = m_test.current();
    playExpression(forms.Form13->CheckBox1->isChecked(), item.zvuk,
                   m_czechShown ? item.ang : item.cz);
}

void TForm12::zapisdopolevysledkujedn() {
    ++m_resultCount;
    forms.evaluation->addResult(testitems::recordOfItem(m_test.current()), m_czechShown);
}

bool TForm12::kontrolakonce() {
    if (m_test.position() + 1 < m_test.total())
        return false;
    finish(true);
    return true;
}

bool TForm12::answerable() {
    if (!loaded()) {
        platform.dialogs->info(QStringLiteral("Není načtený slovník!"));
        return false;
    }
    return !m_ended && m_test.hasCurrent();
}

void TForm12::rememberBeforeAnswer(bool knew) {
    m_lastAnswer =
        AnswerStep{knew,
                   {mecz->toPlainText(), mespravneprvni->toPlainText(), mespravne->toPlainText()},
                   {lbaktvyraz->text(), lbspravne->text(), lbspatne->text()}};
}

void TForm12::undoAnswerClick() {
    // The last answer of a test has ended it and handed it over: that one stays.
    if (!m_lastAnswer || m_ended || !m_test.stepBack())
        return;
    const AnswerStep step = *std::exchange(m_lastAnswer, std::nullopt);
    undoButton->setEnabled(false);
    undoInPlan();
    if (step.knew) {
        --m_correct;
    } else {
        --m_wrong;
        --m_resultCount;
        forms.evaluation->removeLastResult();
    }
    const std::array<QPlainTextEdit *, 3> texts{mecz, mespravneprvni, mespravne};
    for (size_t i = 0; i < texts.size(); ++i)
        texts[i]->setPlainText(step.texts.value(qsizetype(i)));
    const std::array<QLabel *, 3> labels{lbaktvyraz, lbspravne, lbspatne};
    for (size_t i = 0; i < labels.size(); ++i)
        labels[i]->setText(step.labels.value(qsizetype(i)));
    // The expression is asked again: its picture only where the question shows one.
    m_picture->clear();
    showItemPicture(true);
    btjo->setFocus();
}

void TForm12::btjoClick() {
    if (!answerable())
        return;
    rememberBeforeAnswer(true);
    recordCurrentInPlan(review::Rating::Good);
    if (!randomOrder()) {
        ++m_correct;
        if (kontrolakonce())
            return;
        showAnswer(true);
        nextQuestion(false);
        return;
    }
    ++m_correct;
    showAnswer(true);
    nextQuestion(true);
}

void TForm12::nextQuestion(bool random) {
    if (random) {
        if (!m_test.nextDrawn([this](int count) { return draw(count); })) {
            finish(false);
            return;
        }
    } else {
        m_test.nextInOrder();
    }
    zobrazotazku();
    zobrazinfo();
    prehrajzvuk();
    undoButton->setEnabled(m_lastAnswer.has_value());
}

void TForm12::recordCurrentInPlan(review::Rating rating) {
    // The items of a test that shows the foreign side have their texts swapped.
    const Tslovniky &item = m_test.current();
    recordInPlan(m_czechShown ? review::Key{item.ang, item.cz} : review::Key{item.cz, item.ang},
                 rating);
}

void TForm12::btneClick() {
    if (!answerable())
        return;
    rememberBeforeAnswer(false);
    recordCurrentInPlan(review::Rating::Again);
    if (!randomOrder()) {
        showAnswer(false);
        ++m_wrong;
        zapisdopolevysledkujedn();
        if (kontrolakonce())
            return;
        nextQuestion(false);
        return;
    }
    ++m_wrong;
    zapisdopolevysledkujedn();
    showAnswer(false);
    nextQuestion(true);
}

void TForm12::finish(bool sequential) {
    // The grade by the grading routine Testing I has too (TestWindow::procenta).
    showResult(m_test.total());
    handOver(sequential);
    m_lastAnswer.reset();
    undoButton->setEnabled(false);
    m_ended = true;
    finished = true;
    if (forms.settings->recordCompleted())
        recordStatistics(QStringLiteral("Ano"));
}

void TForm12::BitBtn3Click() {
    forms.Form13->show();
}

void TForm12::BitBtn1Click() {
    close();
}

void TForm12::nadpisotazky() {
    Label1->setText(forms.Form13->rbangcj->isChecked() ? QStringLiteral("Cizí výraz")
                                                       : QStringLiteral("Český výraz"));
}

void TForm12::FormShow() {
    BitBtn2->setFocus();
}

void TForm12::FormActivate() {
    nadpisotazky();
}

void TForm12::keyPressEvent(QKeyEvent *event) {
    const QString key = event->text();
    if (key == QStringLiteral("v") || key == QStringLiteral("V"))
        btjoClick();
    else if (key == QStringLiteral("n") || key == QStringLiteral("N"))
        btneClick();
    else
        VokabForm::keyPressEvent(event);
}

void TForm12::zaklnastaveni() {
    m_test.clear();
    m_correct = 0;
    m_wrong = 0;
    m_resultCount = 0;
    m_ended = false;
    finished = false;
    m_lastAnswer.reset();
    undoButton->setEnabled(false);
    m_lines.clear();
    for (QLabel *label : {lbpocet, lbspravne, lbspatne, lbaktvyraz})
        label->setText(kDash);
    for (QPlainTextEdit *text : {mecz, mespravne, mespravneprvni})
        text->setPlainText(kDash);
    BitBtn3->setEnabled(true);
    if (m_picture)
        m_picture->clear();
}
