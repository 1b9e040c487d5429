#pragma once

#include "platform/dialogs.h"
#include "ui/form.h"

#include <QStringList>

class QAction;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTextEdit;

// The dictionary converter: a Czech word list and a foreign word list, paired line by
// line, become the lines of a new dictionary, which is saved as a file.
class TForm15 : public VokabForm {
    Q_OBJECT
public:
    TForm15(Forms &forms, Platform &platform);

    QLabel *Label1 = nullptr, *Label2 = nullptr, *Label3 = nullptr;
    QTextEdit *RichEdit1 = nullptr;  // the Czech list
    QTextEdit *RichEdit2 = nullptr;  // the foreign list
    QPlainTextEdit *Memo1 = nullptr; // the new dictionary
    QPushButton *BitBtn1 = nullptr, *BitBtn2 = nullptr, *BitBtn3 = nullptr, *BitBtn4 = nullptr,
                *BitBtn5 = nullptr;
    QAction *Nastslovnksanglickouslovnzsobou1 = nullptr,
            *NastslovnksAnglickouslovnzsobou2 = nullptr, *Pevstvrazydonovhoslovnku1 = nullptr,
            *Uloitnovslovnk1 = nullptr, *Zavt1 = nullptr;

    void BitBtn1Click();
    void BitBtn2Click();
    void BitBtn3Click();
    void BitBtn4Click();
    void BitBtn5Click();

    // The lines each pane shows.
    const QStringList &czechExpressions() const { return m_czech; }
    const QStringList &foreignExpressions() const { return m_foreign; }
    const QStringList &convertedDictionary() const { return m_converted; }

    FileDialogState OpenDialog1; // the Czech list
    FileDialogState OpenDialog2; // the foreign list
    FileDialogState SaveDialog1;

protected:
    void FormClose() override;

private:
    void buildControls();
    void buildMenu();
    void openList(FileDialogState &dialog, QStringList &lines, QTextEdit *pane);
    void setConverted(QStringList lines);

    QStringList m_czech;
    QStringList m_foreign;
    QStringList m_converted;
};
