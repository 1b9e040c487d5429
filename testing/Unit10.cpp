#include "testing/Unit10.h"

#include "testing/Unit4.h"
#include "ui/forms.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

TForm10::TForm10(Forms &forms, Platform &platform)
    : TestSettingsForm(forms, platform, QStringLiteral("Form10"),
                       {QStringLiteral("Normalni zkousec"), false, false,
                        QStringLiteral("Použit zvuk při zobrazování výrazu"), false},
                       [this] { return this->forms.Form4 && this->forms.Form4->nacteno(); }) {
    connect(BitBtn2, &QPushButton::clicked, this, &TForm10::BitBtn2Click);
    connect(BitBtn1, &QPushButton::clicked, this, &TForm10::BitBtn1Click);
    setFixedClientSize(208, 239);
    centreOnDesktop();
    closeOnEscape();
    FormCreate();
}

void TForm10::BitBtn2Click() {
    forms.Form4->Label2->setText(rbangcj->isChecked() ? QStringLiteral("Cizí výraz")
                                                      : QStringLiteral("Český výraz"));
    zapisdoregistru();
    hide();
    forms.Form4->show();
}

void TForm10::BitBtn1Click() {
    hide();
    forms.Form4->show();
}
