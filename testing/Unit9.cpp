#include "testing/Unit9.h"

#include "core/textfile.h"
#include "dictionary/Unit11.h"
#include "platform/platform.h"
#include "testing/testwindow.h"
#include "ui/controls.h"
#include "ui/forms.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

TForm9::TForm9(Forms &forms, Platform &platform)
    : VokabForm(forms, platform, QStringLiteral("Form9")) {
    setWindowTitle(QStringLiteral("Vyhodnocení"));
    m_saveDialog = dictionaryFileDialog(QStringLiteral("Uložit slovník jako:"),
                                        QStringLiteral("Slovniky|*.slv"));
    buildControls();
    setFrame(Frame::Fixed);
    setFixedClientSize(617, 267);
    centreOnDesktop();
}

void TForm9::buildControls() {
    auto *central = new QWidget(this);
    setCentralWidget(central);
    auto *row = new QHBoxLayout(central);

    auto *results = new QGroupBox(QStringLiteral("Výsledky:"), central);
    makeBold(results);
    auto *grid = new QGridLayout(results);
    lbspravne = captionAndValue(grid, 0, QStringLiteral("Správných výrazů:"), "lbspravne");
    lbspatne = captionAndValue(grid, 1, QStringLiteral("Špatných výrazů:"), "lbspatne");
    lbuspesnost = captionAndValue(grid, 2, QStringLiteral("Úspěšnost:"), "lbuspesnost");
    // 36 pixels wide: a longer percentage is cut off at the right edge.
    lbuspesnost->setFixedWidth(36);
    lbuspesnost->setWordWrap(false);
    grid->addWidget(new QLabel(QStringLiteral("%"), results), 2, 2);
    lbznamka = captionAndValue(grid, 3, QStringLiteral("Známka:"), "lbznamka");
    row->addWidget(results);

    auto *list = new QGroupBox(QStringLiteral("Seznam výrazu které nebyly uhodnuty:"), central);
    auto *listColumn = new QVBoxLayout(list);
    CheckListBox1 = named<QListWidget>(list, "CheckListBox1");
    listColumn->addWidget(CheckListBox1);
    row->addWidget(list, 1);

    auto *right = new QVBoxLayout;
    auto *chosen = new QGroupBox(QStringLiteral("Vybrané výrazy:"), central);
    auto *chosenColumn = new QVBoxLayout(chosen);
    rbznova = named<QRadioButton>(chosen, "rbznova");
    rbznova->setText(QStringLiteral("Nechat se znova prozkoušet"));
    rbznova->setChecked(true);
    rbulozit = named<QRadioButton>(chosen, "rbulozit");
    rbulozit->setText(QStringLiteral("Uložit do nového slovníku"));
    rbtisk = named<QRadioButton>(chosen, "rbtisk");
    rbtisk->setText(QStringLiteral("Vytisknout"));
    for (QRadioButton *b : {rbznova, rbulozit, rbtisk})
        chosenColumn->addWidget(b);
    right->addWidget(chosen);
    const auto button = [&](const char *name, const QString &text) {
        auto *b = named<QPushButton>(central, name);
        b->setText(text);
        right->addWidget(b);
        return b;
    };
    BitBtn4 = button("BitBtn4", QStringLiteral("Vybrat"));
    BitBtn2 = button("BitBtn2", QStringLiteral("Vybrat vše"));
    BitBtn3 = button("BitBtn3", QStringLiteral("Zrušit vybraní"));
    BitBtn1 = button("BitBtn1", QStringLiteral("Zpět"));
    right->addStretch();
    row->addLayout(right);
    connect(BitBtn4, &QPushButton::clicked, this, &TForm9::BitBtn4Click);
    connect(BitBtn2, &QPushButton::clicked, this, &TForm9::BitBtn2Click);
    connect(BitBtn3, &QPushButton::clicked, this, &TForm9::BitBtn3Click);
    connect(BitBtn1, &QPushButton::clicked, this, &TForm9::BitBtn1Click);

    Memo1 = named<QPlainTextEdit>(central, "Memo1");
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo1->hide();
    zaklnastav();
}

void TForm9::addResult(const testitems::TestRecord &record, bool czechShown) {
    results.append(record);
    m_czechShown = czechShown;
    auto *item = new QListWidgetItem(record.shown, CheckListBox1);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
    item->setCheckState(Qt::Unchecked);
}

void TForm9::removeLastResult() {
    if (results.isEmpty())
        return;
    results.removeLast();
    delete CheckListBox1->takeItem(CheckListBox1->count() - 1);
}

void TForm9::clearLists() {
    CheckListBox1->clear();
    results.clear();
}

void TForm9::zaklnastav() {
    clearLists();
    for (QLabel *l : {lbspravne, lbspatne, lbuspesnost, lbznamka})
        l->setText(QStringLiteral("-"));
    setTextColour(lbznamka, std::nullopt);
}

Tpole TForm9::chosenRecords() const {
    const bool czechShown = isCzechShown();
    Tpole records;
    for (int i = 0; i < CheckListBox1->count() && i < results.size(); ++i) {
        if (CheckListBox1->item(i)->checkState() == Qt::Checked)
            records.append(testitems::dictionaryRecord(results[i], czechShown));
    }
    return records;
}

void TForm9::serve(TestWindow *test, bool again) {
    // The window serves one test at a time, the one that ended last.
    if (m_served && m_served != test && m_served->finished)
        m_served->reset();
    m_served = test;
    show();
    if (again)
        rbznova->setChecked(true);
    test->hide();
}

TestWindow *TForm9::servedTest() const {
    return m_served && m_served->finished ? m_served : nullptr;
}

void TForm9::BitBtn4Click() {
    // One test is served at a time: of the two, only the one of its kind acts.
    zkslozitee();
    zkjednoduche();
}

void TForm9::zkslozitee() {
    chooseFor(kTestingIKind);
}

void TForm9::zkjednoduche() {
    chooseFor(kTestingIIKind);
}

void TForm9::chooseFor(const QString &kind) {
    if (TestWindow *test = servedTest(); test && test->kind() == kind)
        choose(*test);
}

void TForm9::choose(TestWindow &test) {
    QStringList lines;
    QList<testitems::TestRecord> checked;
    for (int i = 0; i < CheckListBox1->count() && i < results.size(); ++i) {
        if (CheckListBox1->item(i)->checkState() == Qt::Checked)
            checked.append(results[i]);
    }
    selectedCount = int(checked.size());

    if (rbznova->isChecked()) {
        test.reset();
        for (const testitems::TestRecord &record : checked)
            lines.append(testitems::dictionaryLine(record, m_czechShown));
        if (lines.isEmpty()) {
            platform.dialogs->info(QStringLiteral("Nebyly vybrány žádné výrazy ze seznamu."));
            // The window still serves the test.
            test.finished = true;
            return;
        }
        clearLists();
        test.setLines(lines);
        test.show();
        hide();
        test.loadAndAsk();
        return;
    }

    if (rbulozit->isChecked()) {
        if (checked.isEmpty()) {
            platform.dialogs->info(
                QStringLiteral("Nejsou vybrány žádne výrazy, slovník nelze uložit."));
            return;
        }
        const std::optional<QString> chosen = platform.dialogs->saveFile(m_saveDialog);
        if (!chosen)
            return;
        for (const testitems::TestRecord &record : checked)
            lines.append(testitems::dictionaryLine(record, m_czechShown));
        Memo1->setPlainText(lines.join(u'\n'));
        const Result<void> saved = textfile::saveLines(*chosen, lines);
        Memo1->clear();
        if (!saved) {
            platform.dialogs->error(saved.error());
            return;
        }
        m_saveDialog.remember(*chosen);
        platform.dialogs->info(QStringLiteral("Slovník byl úspěšně uložen."));
        return;
    }

    if (rbtisk->isChecked()) {
        if (checked.isEmpty()) {
            platform.dialogs->info(
                QStringLiteral("Nejsou vybrány žádne výrazy, slovník nelze vytisknout."));
            return;
        }
        Tpole records;
        for (const testitems::TestRecord &record : checked)
            records.append(testitems::dictionaryRecord(record, m_czechShown));
        hide();
        forms.Form11->show();
        forms.Form11->insertAtStart(records);
    }
}

void TForm9::selectAll(bool checked) {
    if (CheckListBox1->count() == 0) {
        platform.dialogs->info(QStringLiteral("Nejsou žádné výrazy k výběru."));
        return;
    }
    for (int i = 0; i < CheckListBox1->count(); ++i)
        CheckListBox1->item(i)->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
}

void TForm9::BitBtn2Click() {
    selectAll(true);
}

void TForm9::BitBtn3Click() {
    selectAll(false);
}

void TForm9::BitBtn1Click() {
    clearLists();
    if (TestWindow *test = servedTest()) {
        zaklnastav();
        test->reset();
        test->show();
    }
    if (!m_closing)
        close();
}

void TForm9::FormClose() {
    m_closing = true;
    BitBtn1Click();
    m_closing = false;
}
