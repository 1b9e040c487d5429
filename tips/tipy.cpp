#include "tips/tipy.h"

#include "core/fields.h"
#include "core/textfile.h"
#include "platform/platform.h"
#include "ui/forms.h"
#include "ui/generalsettings.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <utility>

namespace {

const QString kTipsFile = QStringLiteral("Tips.vkb");
const QString kBroken =
    QStringLiteral("Soubor s Tipama a Trikama je poškozen, přeinstalujte proto progam!");
constexpr int kWidth = 468;
constexpr int kHeight = 230;
constexpr int kEditingHeight = 476; // the window grows to 510 pixels with its frame

} // namespace

TForm16::TForm16(Forms &forms, Platform &platform)
    : VokabForm(forms, platform, QStringLiteral("Form16")) {
    setWindowTitle(QStringLiteral("Tip dne programu Vokab"));
    setFrame(Frame::CloseBoxOnly);
    buildControls();
    setEditingVisible(false);
    setFixedClientSize(kWidth, kHeight);
    centreOnDesktop();
    closeOnEscape();
    nactenitipu();
}

void TForm16::buildControls() {
    auto *central = new QWidget(this);
    setCentralWidget(central);
    auto *column = new QVBoxLayout(central);

    Panel1 = named<QFrame>(central, "Panel1");
    Panel1->setFrameShape(QFrame::Panel);
    Panel1->setFrameShadow(QFrame::Raised);
    auto *panel = new QHBoxLayout(Panel1);
    Image1 = named<QLabel>(Panel1, "Image1");
    Image1->setFixedSize(106, 181);
    Image1->setPixmap(QPixmap(platform.folder.shipped(QStringLiteral("tip.png"))));
    Memo1 = named<QPlainTextEdit>(Panel1, "Memo1");
    Memo1->setReadOnly(true);
    Memo1->setFrameShape(QFrame::NoFrame);
    QFont bold = Memo1->font();
    bold.setBold(true);
    Memo1->setFont(bold);
    Memo1->setStyleSheet(QStringLiteral("QPlainTextEdit { background-color: #FFFFE1; }"));
    Memo1->viewport()->installEventFilter(this);
    panel->addWidget(Image1);
    panel->addWidget(Memo1, 1);
    column->addWidget(Panel1);

    auto *buttons = new QHBoxLayout;
    CheckBox1 = named<QCheckBox>(central, "CheckBox1");
    CheckBox1->setText(QStringLiteral("Zobrazit Tipy a Triky při každém spuštění programu"));
    CheckBox1->setChecked(true);
    BitBtn2 = named<QPushButton>(central, "BitBtn2");
    BitBtn2->setText(QStringLiteral("Další"));
    BitBtn2->setToolTip(QStringLiteral("Další Tip"));
    BitBtn2->installEventFilter(this);
    BitBtn1 = named<QPushButton>(central, "BitBtn1");
    BitBtn1->setText(QStringLiteral("OK"));
    BitBtn1->setToolTip(QStringLiteral("OK"));
    buttons->addWidget(CheckBox1, 1);
    buttons->addWidget(BitBtn2);
    buttons->addWidget(BitBtn1);
    column->addLayout(buttons);

    auto *editing = new QGridLayout;
    Edit1 = named<QLineEdit>(central, "Edit1");
    Edit1->setToolTip(QStringLiteral("První text tipu"));
    Memo3 = named<QPlainTextEdit>(central, "Memo3");
    Memo3->setToolTip(QStringLiteral("Druhý text tipu"));
    ListBox1 = named<QListWidget>(central, "ListBox1");
    ListBox1->setFixedWidth(60);
    BitBtn3 = named<QPushButton>(central, "BitBtn3");
    BitBtn3->setText(QStringLiteral("Přidej do tipů"));
    BitBtn4 = named<QPushButton>(central, "BitBtn4");
    BitBtn4->setText(QStringLiteral("Uber tip"));
    Button2 = named<QPushButton>(central, "Button2");
    Button2->setText(QStringLiteral("Zpět s uložením"));
    Button1 = named<QPushButton>(central, "Button1");
    Button1->setText(QStringLiteral("zpět bez uložení"));
    editing->addWidget(Edit1, 0, 0, 1, 2);
    editing->addWidget(Memo3, 1, 0, 4, 1);
    editing->addWidget(ListBox1, 1, 1, 4, 1);
    auto *editButtons = new QHBoxLayout;
    for (QPushButton *b : {BitBtn3, BitBtn4, Button2, Button1})
        editButtons->addWidget(b);
    editing->addLayout(editButtons, 5, 0, 1, 2);
    column->addLayout(editing);

    connect(BitBtn2, &QPushButton::clicked, this, &TForm16::BitBtn2Click);
    connect(BitBtn1, &QPushButton::clicked, this, &TForm16::BitBtn1Click);
    connect(ListBox1, &QListWidget::itemClicked, this, &TForm16::ListBox1Click);
    connect(BitBtn3, &QPushButton::clicked, this, &TForm16::BitBtn3Click);
    connect(BitBtn4, &QPushButton::clicked, this, &TForm16::BitBtn4Click);
    connect(Button2, &QPushButton::clicked, this, &TForm16::Button2Click);
    connect(Button1, &QPushButton::clicked, this, &TForm16::Button1Click);
}

void TForm16::setEditingVisible(bool visible) {
    for (QWidget *w : std::initializer_list<QWidget *>{Edit1, Memo3, BitBtn3, BitBtn4, ListBox1,
                                                       Button2, Button1})
        w->setVisible(visible);
}

void TForm16::nactenitipu() {
    const QString path = platform.folder.userOrShipped(kTipsFile);
    const Result<Ttip> read = tipsfile::readTipsFile(path);
    // A file that is there but cannot be read must not be saved over.
    m_loadFailed = !read && QFileInfo::exists(path);
    if (!read || read->isEmpty()) {
        // The window is not open while it is created: the message is all there is to do.
        // A file without a single tip is as broken as one that cannot be read.
        platform.dialogs->info(kBroken);
        return;
    }
    m_tips = *read;
    ListBox1->clear();
    for (const Ttipy1 &tip : std::as_const(m_tips))
        ListBox1->addItem(tip.numberText);
    BitBtn2Click();
}

void TForm16::BitBtn2Click() {
    if (m_tips.isEmpty())
        return;
    const Ttipy1 &tip = m_tips[platform.random->bounded(int(m_tips.size()))];
    Memo1->setPlainText(tipsfile::paneText(tip));
}

void TForm16::BitBtn1Click() {
    close();
}

void TForm16::Memo1Click() {
    BitBtn2->setFocus();
}

void TForm16::BitBtn2KeyPress(QChar key) {
    if (key == QLatin1Char(kAccess[0])) {
        m_first = true;
    } else if (key == QLatin1Char(kAccess[1])) {
        if (m_first)
            m_second = true;
    } else if (key == QLatin1Char(kAccess[2]) && m_first && m_second && !m_editing) {
        m_editing = true;
        setEditingVisible(true);
        setFixedClientSize(kWidth, kEditingHeight);
        move(pos() - QPoint(0, 50));
    }
}

void TForm16::ListBox1Click() {
    const int row = ListBox1->currentRow();
    if (row < 0 || row >= m_tips.size())
        return;
    Edit1->setText(m_tips[row].firstText);
    Memo3->setPlainText(m_tips[row].secondText);
}

void TForm16::BitBtn3Click() {
    if (Edit1->text().isEmpty() || Memo3->toPlainText().isEmpty())
        return;
    Ttipy1 tip;
    tip.number = int(m_tips.size()) + 1;
    tip.numberText = QString::number(tip.number);
    tip.firstText = tipsfile::fieldText(Edit1->text());
    tip.secondText = tipsfile::fieldText(Memo3->toPlainText());
    m_tips.append(tip);
    ListBox1->addItem(tip.numberText);
    Edit1->clear();
    Memo3->clear();
}

void TForm16::BitBtn4Click() {
    const int row = ListBox1->currentRow();
    if (row < 0 || row >= m_tips.size())
        return;
    m_tips = UberZPole(std::move(m_tips), row);
    delete ListBox1->takeItem(row);
}

void TForm16::Button2Click() {
    if (m_loadFailed) {
        // The editing mode stays open; nothing is written over the tips that could not
        // be read.
        platform.dialogs->error(
            QStringLiteral("Tipy nebyly uloženy: soubor %1 se při spuštění nepodařilo načíst a "
                           "jeho přepsáním by se ztratily jeho tipy.")
                .arg(kTipsFile));
        return;
    }
    for (qsizetype i = 0; i < m_tips.size(); ++i) {
        m_tips[i].number = int(i) + 1;
        m_tips[i].numberText = QString::number(i + 1);
    }
    const Result<void> saved = tipsfile::writeTipsFile(platform.folder.userFile(kTipsFile), m_tips);
    if (!saved) {
        // The editing mode stays open, so the changes can still be saved elsewhere.
        platform.dialogs->error(saved.error());
        return;
    }
    ListBox1->clear();
    for (const Ttipy1 &tip : std::as_const(m_tips))
        ListBox1->addItem(tip.numberText);
    Button1Click();
}

void TForm16::Button1Click() {
    m_editing = false;
    setEditingVisible(false);
    setFixedClientSize(kWidth, kHeight);
}

void TForm16::FormClose() {
    forms.settings->confirmTipAtStart(CheckBox1->isChecked());
}

bool TForm16::eventFilter(QObject *watched, QEvent *event) {
    if (watched == BitBtn2 && event->type() == QEvent::KeyPress) {
        const QString text = static_cast<QKeyEvent *>(event)->text();
        if (text.size() == 1)
            BitBtn2KeyPress(text[0]);
    } else if (watched == Memo1->viewport() && event->type() == QEvent::MouseButtonRelease) {
        Memo1Click();
    }
    return VokabForm::eventFilter(watched, event);
}
