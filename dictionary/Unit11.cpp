#include "dictionary/Unit11.h"

#include "dictionary/phonetic.h"
#include "dictionary/printlines.h"
#include "platform/platform.h"
#include "ui/controls.h"
#include "ui/forms.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QStyle>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QVBoxLayout>

namespace {

// Marks the text of a pronunciation, which is shown and printed in the phonetic font; a
// font chosen with "Písmo" keeps the mark.
constexpr int kPronunciation = QTextFormat::UserProperty + 1;

QFont phoneticFont(const QFont &base) {
    QFont font = base;
    font.setFamilies({QStringLiteral("VokabFont")});
    return font;
}

} // namespace

TForm11::TForm11(Forms &forms, Platform &platform)
    : VokabForm(forms, platform, QStringLiteral("Form11")) {
    setWindowTitle(QStringLiteral("Tisk"));
    auto *central = new QWidget(this);
    setCentralWidget(central);
    auto *column = new QVBoxLayout(central);
    auto *tools = new QHBoxLayout;
    QFont bold = font();
    bold.setBold(true);
    BitBtn2 = named<QPushButton>(central, "BitBtn2");
    BitBtn2->setText(QStringLiteral("Tisk"));
    BitBtn2->setFont(bold);
    Button1 = named<QPushButton>(central, "Button1");
    Button1->setEnabled(false);
    Button1->setFixedWidth(4);
    BitBtn4 = named<QPushButton>(central, "BitBtn4");
    BitBtn4->setText(QStringLiteral("Písmo"));
    BitBtn4->setFont(bold);
    const auto box = [&](const char *name, const QString &text) {
        auto *b = named<QCheckBox>(central, name);
        b->setText(text);
        b->setFont(bold);
        b->setChecked(true);
        return b;
    };
    chbcz = box("chbcz", QStringLiteral("Vložit český překlad"));
    chbang = box("chbang", QStringLiteral("Vložit cizí překlad"));
    chbvyslov = box("chbvyslov", QStringLiteral("Vložit výslovnost"));
    BitBtn1 = named<QPushButton>(central, "BitBtn1");
    BitBtn1->setIcon(standardIcon(this, QStyle::SP_DialogCloseButton));
    for (QWidget *w : {static_cast<QWidget *>(BitBtn2), static_cast<QWidget *>(Button1),
                       static_cast<QWidget *>(BitBtn4), static_cast<QWidget *>(chbcz),
                       static_cast<QWidget *>(chbang), static_cast<QWidget *>(chbvyslov)})
        tools->addWidget(w);
    tools->addStretch();
    tools->addWidget(BitBtn1);
    column->addLayout(tools);
    RichEdit1 = named<QTextEdit>(central, "RichEdit1");
    RichEdit1->setLineWrapMode(QTextEdit::NoWrap);
    RichEdit1->setAcceptRichText(false);
    RichEdit1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    RichEdit1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    column->addWidget(RichEdit1);

    connect(BitBtn2, &QPushButton::clicked, this, &TForm11::BitBtn2Click);
    connect(BitBtn4, &QPushButton::clicked, this, &TForm11::BitBtn4Click);
    connect(BitBtn1, &QPushButton::clicked, this, &TForm11::BitBtn1Click);
    connect(chbcz, &QCheckBox::clicked, this, &TForm11::chbczClick);
    connect(chbang, &QCheckBox::clicked, this, &TForm11::chbangClick);
    connect(chbvyslov, &QCheckBox::clicked, this, &TForm11::chbvyslovClick);
    connect(RichEdit1, &QTextEdit::cursorPositionChanged, this, &TForm11::leavePronunciation);

    setFrame(Frame::Fixed);
    setFixedClientSize(637, 364);
    centreOnDesktop();
    closeOnEscape();
}

void TForm11::insertLines(QTextCursor &cursor, const QList<printlines::Line> &lines) {
    QTextCharFormat pronunciation;
    pronunciation.setFontFamilies({QStringLiteral("VokabFont")});
    pronunciation.setProperty(kPronunciation, true);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (i > 0)
            cursor.insertText(QStringLiteral("\n"), QTextCharFormat());
        cursor.insertText(lines[i].text, QTextCharFormat());
        cursor.insertText(lines[i].vyslovnost, pronunciation);
    }
}

void TForm11::insertAtStart(const Tpole &records) {
    if (records.isEmpty())
        return;
    QTextCursor cursor(RichEdit1->document());
    cursor.movePosition(QTextCursor::Start);
    const bool wasEmpty = RichEdit1->document()->isEmpty();
    insertLines(cursor, printlines::lines(records, printlines::Parts{}));
    if (!wasEmpty)
        cursor.insertText(QStringLiteral("\n"), QTextCharFormat());
}

void TForm11::leavePronunciation() {
    // Text typed just after a pronunciation (at the end of a line, or on a new line) is
    // the user's own text, in the text's font; text typed inside one stays part of it.
    const QTextCursor cursor = RichEdit1->textCursor();
    if (cursor.hasSelection() || !cursor.charFormat().boolProperty(kPronunciation))
        return;
    const int position = cursor.position();
    for (auto fragment = cursor.block().begin(); !fragment.atEnd(); ++fragment) {
        const QTextFragment piece = fragment.fragment();
        if (piece.position() <= position && position < piece.position() + piece.length() &&
            piece.charFormat().boolProperty(kPronunciation))
            return;
    }
    QTextCharFormat format = cursor.charFormat();
    format.clearProperty(kPronunciation);
    format.clearProperty(QTextFormat::FontFamilies);
    RichEdit1->setCurrentCharFormat(format);
}

QStringList TForm11::textLines() const {
    QStringList lines;
    for (QTextBlock block = RichEdit1->document()->begin(); block.isValid(); block = block.next())
        lines.append(block.text());
    if (lines.size() == 1 && lines.first().isEmpty())
        lines.clear();
    return lines;
}

QList<PrintLine> TForm11::printLines() const {
    QList<PrintLine> lines;
    for (QTextBlock block = RichEdit1->document()->begin(); block.isValid(); block = block.next()) {
        PrintLine line;
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
            const bool phonetic = fragment.fragment().charFormat().boolProperty(kPronunciation);
            const QString text = fragment.fragment().text();
            line.append({phonetic ? phonetic::symbols(text) : text, phonetic});
        }
        lines.append(line);
    }
    if (lines.size() == 1 && lines.first().isEmpty())
        lines.clear();
    return lines;
}

void TForm11::partsChanged(QCheckBox *clicked) {
    const printlines::Parts parts{chbcz->isChecked(), chbang->isChecked(), chbvyslov->isChecked()};
    if (!parts.enough()) {
        platform.dialogs->info(QStringLiteral("Musí být zaškrtnuty nejméně dvě možnosti."));
        clicked->setChecked(true);
        partsChanged(clicked);
        return;
    }
    RichEdit1->clear();
    // The records carry Czech and foreign in their own fields whatever the direction
    // of the test, so the rebuild prints Czech first as the first fill does.
    QTextCursor cursor(RichEdit1->document());
    insertLines(cursor, printlines::lines(m_source ? m_source->chosenRecords() : Tpole(), parts));
}

void TForm11::chbczClick() {
    partsChanged(chbcz);
}
void TForm11::chbangClick() {
    partsChanged(chbang);
}
void TForm11::chbvyslovClick() {
    partsChanged(chbvyslov);
}

void TForm11::BitBtn2Click() {
    const QFont base = RichEdit1->document()->defaultFont();
    const Result<bool> printed =
        platform.printing->printLines(printLines(), base, phoneticFont(base));
    if (!printed)
        platform.dialogs->error(printed.error());
}

void TForm11::BitBtn4Click() {
    const std::optional<QFont> chosen =
        platform.dialogs->chooseFont(RichEdit1->document()->defaultFont());
    if (!chosen)
        return;
    QTextCharFormat format;
    format.setFont(*chosen);
    RichEdit1->mergeCurrentCharFormat(format);
}

void TForm11::BitBtn1Click() {
    RichEdit1->clear();
    close();
}

void TForm11::FormClose() {
    if (m_source)
        m_source->showAfterPrinting();
}
