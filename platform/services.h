#pragma once

#include "core/result.h"

#include <QFont>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <chrono>
#include <memory>

// A piece of a printed line; a pronunciation's piece is drawn in the phonetic font.
struct PrintPiece {
    QString text;
    bool phonetic = false;
    bool operator==(const PrintPiece &) const = default;
};
// A printed line: its pieces one after another.
using PrintLine = QList<PrintPiece>;

// Printing plain text lines on a printer the user chooses.
class Printing {
public:
    virtual ~Printing() = default;
    // Runs the printer dialog and prints the lines in the font (their phonetic pieces in
    // the phonetic font), one printed line each, starting a new page when a page is full.
    // True when printed; false when the user cancelled; a failure with the Czech message
    // when printing failed.
    virtual Result<bool> printLines(const QList<PrintLine> &lines, const QFont &font,
                                    const QFont &phonetic) = 0;
};

// One HTTP download into a file; done or failed arrives later, on the UI thread. A
// download that does not end whole leaves no file behind: one that fails, passes
// `maxBytes`, receives nothing for the stall time, or is aborted.
class Download : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    virtual void start(const QUrl &url, const QString &targetFile, qint64 maxBytes) = 0;
    virtual void abort() = 0;

signals:
    void done(const QString &file, qint64 size);
    void failed(const QString &error);
};

class Network {
public:
    virtual ~Network() = default;
    // Whether the system reports a connection to the internet.
    virtual bool connected() const = 0;
    virtual std::unique_ptr<Download> createDownload() = 0;
};

// Handing a message with an attached file to the user's mail client.
class Mail {
public:
    virtual ~Mail() = default;
    virtual bool send(const QString &recipient, const QString &subject,
                      const QString &attachment) = 0;
    // What to check when sending failed, in Czech, naming what hands the message over.
    virtual QString adviceOnFailure() const = 0;
    // After the failure has been reported: another way to the mail client, where the
    // system has one (Windows: a mailto: address with the recipient and the subject).
    virtual void afterFailure(const QString &recipient, const QString &subject) {
        Q_UNUSED(recipient);
        Q_UNUSED(subject);
    }
};

// The desktop: web pages in the default browser, downloaded files with the handler the
// desktop has for them.
class Shell {
public:
    virtual ~Shell() = default;
    // Opens a web page, or a local file with the desktop's handler for its type; false
    // when nothing could open it.
    virtual bool openUrl(const QUrl &url) = 0;
};

// The program's help file, opened at a topic.
class Help {
public:
    virtual ~Help() = default;
    // Fails with a Czech message when the help cannot be shown.
    virtual Result<void> show(const QString &helpFile, const QString &topic) = 0;
};

// Prints on the printer chosen in Qt's printer dialog.
std::unique_ptr<Printing> makePrinting();
// Prints without a dialog into a PDF file (written through textfile::saveFile).
std::unique_ptr<Printing> makePdfPrinting(const QString &pdfFile);
std::unique_ptr<Network> makeNetwork();
// How long a download waits for the next bytes before it gives up.
constexpr std::chrono::milliseconds kDownloadStallTime{30000};
// A download over HTTP, for the real network and for tests against a local server.
std::unique_ptr<Download>
makeHttpDownload(std::chrono::milliseconds stallTime = kDownloadStallTime);
std::unique_ptr<Mail> makeMail();
std::unique_ptr<Shell> makeShell();
std::unique_ptr<Help> makeHelp();
