#include "testing/Unit10.h"

#include "platform/platform.h"
#include "testing/Unit4.h"
#include "ui/forms.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

TForm10::TForm10(Forms &forms, Platform &platform)
    : TestSettingsForm(forms, platform, QStringLiteral("Form10"),
                       {QStringLiteral("Normalni zkousec"), false, false,
                        QStringLiteral("Použit zvuk při zobrazování výrazu"), false,
                        QStringLiteral("Zkouseni I")},
                       [this] { return this->forms.Form4 && this->forms.Form4->loaded(); }),
      m_leniency(QStringLiteral("Tolerance odpovedi")),
      m_answerMode(QStringLiteral("Zpusob odpovedi")) {
    buildAnswerMode();
    buildLeniency();
    connect(BitBtn2, &QPushButton::clicked, this, &TForm10::BitBtn2Click);
    connect(BitBtn1, &QPushButton::clicked, this, &TForm10::BitBtn1Click);
    setFixedClientSize(208, 239);
    centreOnDesktop();
    closeOnEscape();
    FormCreate();
    m_leniency.loadOrStore(*platform.registry, *platform.dialogs);
    m_answerMode.loadOrStore(*platform.registry, *platform.dialogs);
}

void TForm10::buildAnswerMode() {
    auto *column = static_cast<QVBoxLayout *>(centralWidget()->layout());
    choiceBox = named<QCheckBox>(centralWidget(), "choiceBox");
    choiceBox->setText(QStringLiteral("&Odpovídat výběrem ze čtyř možností"));
    choiceBox->setToolTip(QStringLiteral("Místo psaní odpovědi se vybírá jedna ze čtyř "
                                         "nabídnutých (klávesy 1 až 4)"));
    // After the sound, before "Potvrdit" and "Zpět".
    column->insertWidget(column->count() - 1, choiceBox);
    setTabOrder(CheckBox1, choiceBox);
    m_answerMode.flag(QStringLiteral("Vyber ze ctyr"), choiceBox, false);
}

bool TForm10::choiceOfFour() const {
    return choiceBox->isChecked();
}

void TForm10::buildLeniency() {
    auto *column = static_cast<QVBoxLayout *>(centralWidget()->layout());
    auto *box = new QGroupBox(QStringLiteral("Tolerance odpovědí:"), centralWidget());
    auto *rows = new QVBoxLayout(box);
    const auto check = [&](const char *name, const QString &text) {
        auto *control = named<QCheckBox>(box, name);
        control->setText(text);
        rows->addWidget(control);
        return control;
    };
    ignoreCaseBox = check("ignoreCaseBox", QStringLiteral("Nerozlišovat velká a malá písmena"));
    ignoreDiacriticsBox =
        check("ignoreDiacriticsBox", QStringLiteral("Nehledět na diakritiku (ě = e)"));
    ignorePunctuationBox = check("ignorePunctuationBox",
                                 QStringLiteral("Nehledět na interpunkci a nadbytečné mezery"));
    ignoreLeadingWordBox =
        check("ignoreLeadingWordBox", QStringLiteral("Vynechat úvodní slovo cizího výrazu:"));
    leadingWordsEdit = named<QLineEdit>(box, "leadingWordsEdit");
    leadingWordsEdit->setText(answers::defaultLeadingWords().join(u' '));
    rows->addWidget(leadingWordsEdit);
    acceptTypoBox =
        check("acceptTypoBox", QStringLiteral("Uznat jeden překlep ve slovech od %1 písmen")
                                   .arg(answers::kTypoMinimumLetters));
    typoCountsRightBox =
        check("typoCountsRightBox", QStringLiteral("Téměř správnou odpověď počítat jako správnou"));
    // Before "Potvrdit" and "Zpět", also for the Tab key.
    column->insertWidget(column->count() - 1, box);
    setTabOrder(choiceBox, ignoreCaseBox);
    setTabOrder(ignoreCaseBox, ignoreDiacriticsBox);
    setTabOrder(ignoreDiacriticsBox, ignorePunctuationBox);
    setTabOrder(ignorePunctuationBox, ignoreLeadingWordBox);
    setTabOrder(ignoreLeadingWordBox, leadingWordsEdit);
    setTabOrder(leadingWordsEdit, acceptTypoBox);
    setTabOrder(acceptTypoBox, typoCountsRightBox);

    m_leniency.flag(QStringLiteral("Velikost pismen"), ignoreCaseBox, false)
        .flag(QStringLiteral("Diakritika"), ignoreDiacriticsBox, false)
        .flag(QStringLiteral("Interpunkce"), ignorePunctuationBox, false)
        .flag(QStringLiteral("Uvodni slovo"), ignoreLeadingWordBox, false)
        .text(
            QStringLiteral("Uvodni slova"), [this] { return leadingWordsEdit->text(); },
            [this](const QString &text) { leadingWordsEdit->setText(text); },
            answers::defaultLeadingWords().join(u' '))
        .flag(QStringLiteral("Preklep"), acceptTypoBox, false)
        .flag(QStringLiteral("Preklep spravne"), typoCountsRightBox, false);
}

answers::Leniency TForm10::leniency() const {
    answers::Leniency leniency;
    leniency.ignoreCase = ignoreCaseBox->isChecked();
    leniency.ignoreDiacritics = ignoreDiacriticsBox->isChecked();
    leniency.ignorePunctuation = ignorePunctuationBox->isChecked();
    leniency.ignoreLeadingWord = ignoreLeadingWordBox->isChecked();
    leniency.leadingWords = leadingWordsEdit->text().split(u' ', Qt::SkipEmptyParts);
    leniency.acceptOneTypo = acceptTypoBox->isChecked();
    return leniency;
}

bool TForm10::lenient() const {
    const answers::Leniency l = leniency();
    return l.ignoreCase || l.ignoreDiacritics || l.ignorePunctuation || l.ignoreLeadingWord ||
           l.acceptOneTypo;
}

bool TForm10::almostRightCounts() const {
    return typoCountsRightBox->isChecked();
}

void TForm10::BitBtn2Click() {
    forms.Form4->Label2->setText(rbangcj->isChecked() ? QStringLiteral("Cizí výraz")
                                                      : QStringLiteral("Český výraz"));
    zapisdoregistru();
    m_leniency.store(*platform.registry, *platform.dialogs);
    m_answerMode.store(*platform.registry, *platform.dialogs);
    hide();
    forms.Form4->show();
}

void TForm10::BitBtn1Click() {
    hide();
    forms.Form4->show();
}
