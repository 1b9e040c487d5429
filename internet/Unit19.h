#pragma once

#include "ui/form.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;

// "Zpráva autorovi programu:": a free text saved to WorkDir/Zprava.txt and handed to the
// user's mail client as the attachment of a message to the author.
class TForm19 : public VokabForm {
    Q_OBJECT
public:
    TForm19(Forms &forms, Platform &platform);

    QLabel *Label1 = nullptr;
    QPlainTextEdit *Memo1 = nullptr;
    QPushButton *BitBtn1 = nullptr; // "Odeslat"
    QPushButton *BitBtn2 = nullptr; // "Zpět"

    void BitBtn1Click();
    void BitBtn2Click();
    // Hands the file to the mail client; false (after the error message) when it fails.
    bool odeslanipostou(const QString &filePath, const QString &recipient, QString subject);

protected:
    void FormClose() override;
};
