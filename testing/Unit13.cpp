#include "testing/Unit13.h"

#include "testing/Unit12.h"
#include "ui/forms.h"

#include <QPushButton>

TForm13::TForm13(Forms &forms, Platform &platform)
    : TestSettingsForm(forms, platform, QStringLiteral("Form13"),
                       {QStringLiteral("Jednoduchy zkousec"), true, true,
                        QStringLiteral("Použit zvuk při zobrazení výrazu"), true,
                        QStringLiteral("Zkouseni II")},
                       [this] { return this->forms.Form12 && this->forms.Form12->loaded(); }) {
    rbobe = answerEachTime;
    connect(BitBtn2, &QPushButton::clicked, this, &TForm13::BitBtn2Click);
    connect(BitBtn1, &QPushButton::clicked, this, &TForm13::BitBtn1Click);
    setFrame(Frame::NoCloseBox);
    setFixedClientSize(206, 268);
    centreOnDesktop();
    // No close box: Escape goes back as "Zpět" does.
    pressOnEscape({BitBtn1});
    FormCreate();
}

void TForm13::BitBtn2Click() {
    forms.Form12->nadpisotazky();
    zapisdoregistru();
    hide();
    forms.Form12->show();
}

void TForm13::BitBtn1Click() {
    forms.Form12->show();
    hide();
}
