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

    QLabel *versionLabel = nullptr;
    QLabel *sizeLabel = nullptr;
    QLabel *dateLabel = nullptr;
    QLabel *runningVersionLabel = nullptr; // the running version, hidden
    QPlainTextEdit *Memo1 = nullptr;       // the news
    QPushButton *BitBtn1 = nullptr;        // "Stáhnout"
    QPushButton *BitBtn2 = nullptr;        // "Zpět"

    // Reads the downloaded version file and shows what it announces.
    void readVersion(const QString &versionFile);
    void BitBtn1Click();
    void BitBtn2Click();
    void HTTPGet1DoneFile(const QString &fileName, qint64 size);
    void HTTPGet1Error(const QString &error);
    // Stops the installer's download; what arrived is removed.
    void cancelDownload();

    // Where the installer goes.
    QString targetPath() const { return m_target; }
    const versionfile::VersionFile &versionFile() const { return m_file; }

    std::unique_ptr<Download> HTTPGet1;

protected:
    void FormClose() override;

private:
    void clearFields();
    // "Aktualizace se nepovedla.", and why when the download said it.
    void reportFailure(const QString &reason = {});

    versionfile::VersionFile m_file;
    QString m_target;
};
