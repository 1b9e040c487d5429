#pragma once

#include <QFont>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <memory>

// Printing plain text lines on a printer the user chooses.
class Printing {
public:
    virtual ~Printing() = default;
    // Runs the printer dialog and prints the lines in the font, one printed line
    // each, starting a new page when a page is full. False when the user cancelled
    // or printing failed (`error` then says why, in Czech, or stays empty on cancel).
    virtual bool printLines(const QStringList &lines, const QFont &font, QString *error) = 0;
};

// One HTTP download into a file; done or failed arrives later, on the UI thread.
class Download : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    virtual void start(const QUrl &url, const QString &targetFile) = 0;
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
};

// The desktop: web pages in the default browser, starting downloaded programs.
class Shell {
public:
    virtual ~Shell() = default;
    virtual bool openUrl(const QUrl &url) = 0;
    // Starts a program with an argument list; never through a shell command line.
    virtual bool startProgram(const QString &program, const QStringList &arguments) = 0;
};

// The program's help file, opened at a topic.
class Help {
public:
    virtual ~Help() = default;
    // False, with a Czech message in `error`, when the help cannot be shown.
    virtual bool show(const QString &helpFile, const QString &topic, QString *error) = 0;
};

// Prints on the printer chosen in Qt's printer dialog.
std::unique_ptr<Printing> makePrinting();
// Prints without a dialog into a PDF file (written through textfile::saveFile).
std::unique_ptr<Printing> makePdfPrinting(const QString &pdfFile);
std::unique_ptr<Network> makeNetwork();
// A download over HTTP, for the real network and for tests against a local server.
std::unique_ptr<Download> makeHttpDownload();
std::unique_ptr<Mail> makeMail();
std::unique_ptr<Shell> makeShell();
std::unique_ptr<Help> makeHelp();
