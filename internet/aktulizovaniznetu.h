#pragma once

#include "internet/verze.h"
#include "ui/form.h"

#include <memory>

class Download;
class QLabel;
class QPlainTextEdit;
class QPushButton;

// "Aktualizace z Internetu": what the version file announces, and the download of the
// new installer into the folder Aktualizace.
class TForm18 : public VokabForm {
    Q_OBJECT
public:
    TForm18(Forms &forms, Platform &platform);
    ~TForm18() override;

    QLabel *lbverze = nullptr;
    QLabel *lbvelikost = nullptr;
    QLabel *lbdatum = nullptr;
    QLabel *lbbezici = nullptr;      // the running version, hidden
    QPlainTextEdit *Memo1 = nullptr; // the news
    QPushButton *BitBtn1 = nullptr;  // "Stáhnout"
    QPushButton *BitBtn2 = nullptr;  // "Zpět"

    // Reads the downloaded version file and shows what it announces.
    void nactiverzi(const QString &versionFile);
    void BitBtn1Click();
    void BitBtn2Click();
    void HTTPGet1DoneFile(const QString &fileName, qint64 size);
    void HTTPGet1Error(const QString &error);
    // Stops the installer's download; what arrived is removed.
    void zrusstahovani();

    // Where the installer goes.
    QString cil() const { return m_target; }
    const verze::VersionFile &verzi() const { return m_file; }

    std::unique_ptr<Download> HTTPGet1;

protected:
    void FormClose() override;

private:
    void vymaz();
    // "Aktualizace se nepovedla.", and why when the download said it.
    void nepovedlose(const QString &reason = {});

    verze::VersionFile m_file;
    QString m_target;
};
