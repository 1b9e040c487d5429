#pragma once

#include "dictionary/printlines.h"
#include "dictionary/printsource.h"
#include "dictionary/slovnik.h"
#include "platform/services.h"
#include "ui/form.h"

class QCheckBox;
class QPushButton;
class QTextCursor;
class QTextEdit;

// Printing the expressions chosen in the evaluation window as plain text lines.
class TForm11 : public VokabForm {
    Q_OBJECT
public:
    TForm11(Forms &forms, Platform &platform);
    // The start-up gives the print window its source once both are made.
    void setSource(PrintSource *source) { m_source = source; }

    QPushButton *BitBtn2 = nullptr; // "Tisk"
    QPushButton *Button1 = nullptr; // the disabled separator
    QPushButton *BitBtn4 = nullptr; // "Písmo"
    QCheckBox *chbcz = nullptr;
    QCheckBox *chbang = nullptr;
    QCheckBox *chbvyslov = nullptr;
    QPushButton *BitBtn1 = nullptr; // clear and close
    QTextEdit *RichEdit1 = nullptr;

    // Puts the print lines of the records (Czech - foreign - pronunciation) at the
    // beginning of the text; text already there stays below them.
    void insertAtStart(const Tpole &records);
    // The lines of the text as they stand.
    QStringList textLines() const;
    // The lines as they will be printed: the pronunciations' pieces in the phonetic font,
    // written in the symbols that font draws for their keys.
    QList<PrintLine> printLines() const;

    void chbczClick();
    void chbangClick();
    void chbvyslovClick();
    void BitBtn2Click();
    void BitBtn4Click();
    void BitBtn1Click();

protected:
    void FormClose() override;

private:
    void partsChanged(QCheckBox *clicked);
    static void insertLines(QTextCursor &cursor, const QList<printlines::Line> &lines);
    void leavePronunciation();

    PrintSource *m_source = nullptr;
};
