#include "dictionary/Unit3.h"

#include "app/Unit8.h"
#include "app/forms.h"
#include "dictionary/Unit2.h"
#include "dictionary/dictionarymodel.h"
#include "dictionary/fieldvalidator.h"
#include "platform/platform.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TForm3::TForm3(Forms &forms, Platform &platform)
    : VokabForm(forms, platform, QStringLiteral("Form3")) {
    setWindowTitle(QStringLiteral("Upravit výraz"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    auto *central = new QWidget(this);
    setCentralWidget(central);
    auto *grid = new QGridLayout(central);
    const auto field = [&](const char *name, const QString &label, int row) {
        auto *l = named<QLabel>(central, QByteArray("Label").append(char('1' + row)).constData());
        l->setText(label);
        grid->addWidget(l, row, 0);
        auto *edit = named<QLineEdit>(central, name);
        grid->addWidget(edit, row, 1);
        return edit;
    };
    Edit1 = field("Edit1", QStringLiteral("Cizí výraz:"), 0);
    Edit2 = field("Edit2", QStringLiteral("Český výraz:"), 1);
    Edit3 = field("Edit3", QStringLiteral("Cizojazyčná výslov.:"), 2);
    Edit4 = field("Edit4", QStringLiteral("Mluvená výslovnost:"), 3);
    QFont phonetic(QStringLiteral("VokabFont"));
    phonetic.setPixelSize(13);
    Edit3->setFont(phonetic);
    // A ";" would cut the dictionary line when it is read back: no field keeps one.
    Edit1->setValidator(new FieldValidator({false, false}, Edit1));
    Edit2->setValidator(new FieldValidator({false, false}, Edit2));
    Edit3->setValidator(new FieldValidator({false, false}, Edit3));
    Edit4->setValidator(new FieldValidator({false, false}, Edit4));

    BitBtn1 = named<QPushButton>(central, "BitBtn1");
    BitBtn1->setText(QStringLiteral("Upravit"));
    BitBtn1->setToolTip(QStringLiteral("Upravit a vrátit se do Editoru výrazu"));
    BitBtn2 = named<QPushButton>(central, "BitBtn2");
    BitBtn2->setText(QStringLiteral("Zrušit"));
    BitBtn2->setToolTip(QStringLiteral("Návart do Editoru výrazu bez uložení změn"));
    BitBtn2->setFocusPolicy(Qt::NoFocus);
    grid->addWidget(BitBtn1, 4, 2);
    grid->addWidget(BitBtn2, 4, 3);

    setTabOrder(Edit1, Edit2);
    setTabOrder(Edit2, Edit3);
    setTabOrder(Edit3, Edit4);
    setTabOrder(Edit4, BitBtn1);
    for (QLineEdit *edit : {Edit1, Edit2, Edit3})
        edit->installEventFilter(this);

    connect(BitBtn1, &QPushButton::clicked, this, &TForm3::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &TForm3::BitBtn2Click);
    setFixedClientSize(523, 149);
    centreOnDesktop();
}

void TForm3::otevri(int row) {
    TForm2 *editor = forms.Form2;
    m_row = row;
    Edit3->clear();
    show();
    Edit1->setText(editor->model()->cell(row, 0));
    Edit2->setText(editor->model()->cell(row, 1));
    Edit3->setText(editor->model()->cell(row, 2));
    Edit4->setText(editor->model()->cell(row, 3));
    Edit1->setFocus();
}

void TForm3::BitBtn1Click() {
    forms.Form2->upravZaznam(m_row, {Edit1->text(), Edit2->text(), Edit3->text(), Edit4->text()});
    platform.player->stop();
    forms.Form2->edtang->setFocus();
    close();
}

void TForm3::BitBtn2Click() {
    Edit1->clear();
    Edit2->clear();
    Edit3->clear();
    Edit4->clear();
    platform.player->stop();
    forms.Form2->edtang->setFocus();
    close();
}

bool TForm3::eventFilter(QObject *watched, QEvent *event) {
    auto *edit = qobject_cast<QLineEdit *>(watched);
    if (edit && event->type() == QEvent::KeyPress && (edit == Edit1 || edit == Edit2) &&
        !static_cast<QKeyEvent *>(event)->text().isEmpty())
        setUpperCaseInput({Edit1, Edit2}, forms.Form8->chbvelke->isChecked());
    if (edit == Edit3 && event->type() == QEvent::FocusIn) {
        static_cast<QObject *>(edit)->event(event);
        edit->deselect();
        edit->setCursorPosition(edit->text().startsWith(u'[') ? 1 : 0);
        return true;
    }
    return VokabForm::eventFilter(watched, event);
}
