// Downloads over HTTP on QNetworkAccessManager, and the mail client through the
// desktop's xdg-email.
#include "platform/services.h"

#include <QDesktopServices>
#include <QFile>
#include <QNetworkAccessManager>
#include <QNetworkInformation>
#include <QNetworkInterface>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPointer>
#include <QProcess>
#include <QUrlQuery>

namespace {

// One download into a file. The file grows as the data arrives, so that its size on
// disk shows the progress; a download that fails or is aborted leaves what arrived.
class HttpDownload final : public Download {
public:
    void start(const QUrl &url, const QString &targetFile) override {
        abortQuietly();
        m_file.setFileName(targetFile);
        if (!m_file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
            const QString reason = m_file.errorString();
            QMetaObject::invokeMethod(
                this, [this, reason] { emit failed(reason); }, Qt::QueuedConnection);
            return;
        }
        QNetworkRequest request(url);
        request.setHeader(QNetworkRequest::UserAgentHeader, QStringLiteral("UtilMind HTTPGet"));
        request.setRawHeader("Accept", "*/*");
        request.setAttribute(QNetworkRequest::CacheLoadControlAttribute,
                             QNetworkRequest::AlwaysNetwork);
        request.setAttribute(QNetworkRequest::CacheSaveControlAttribute, false);
        m_reply = m_manager.get(request);
        connect(m_reply, &QNetworkReply::readyRead, this, [this] { store(); });
        connect(m_reply, &QNetworkReply::finished, this, [this] { finish(); });
    }

    void abort() override { abortQuietly(); }

    ~HttpDownload() override { abortQuietly(); }

private:
    void store() {
        if (!m_reply)
            return;
        const QByteArray data = m_reply->readAll();
        if (m_file.write(data) != data.size()) {
            m_writeError = m_file.errorString();
            m_reply->abort();
            return;
        }
        m_file.flush();
    }

    void finish() {
        QNetworkReply *reply = m_reply;
        m_reply = nullptr;
        if (!reply)
            return;
        store();
        reply->deleteLater();
        const qint64 size = m_file.size();
        m_file.close();
        if (m_aborted)
            return;
        if (!m_writeError.isEmpty()) {
            emit failed(m_writeError);
        } else if (reply->error() != QNetworkReply::NoError) {
            emit failed(reply->errorString());
        } else {
            emit done(m_file.fileName(), size);
        }
    }

    void abortQuietly() {
        if (m_reply) {
            m_aborted = true;
            QNetworkReply *reply = m_reply;
            reply->abort(); // finishes at once; the partial file stays
            m_reply = nullptr;
            reply->deleteLater();
        }
        if (m_file.isOpen())
            m_file.close();
        m_aborted = false;
        m_writeError.clear();
    }

    QNetworkAccessManager m_manager;
    QPointer<QNetworkReply> m_reply;
    QFile m_file;
    QString m_writeError;
    bool m_aborted = false;
};

class QtNetwork final : public Network {
public:
    bool connected() const override {
        if (QNetworkInformation::loadDefaultBackend() && QNetworkInformation::instance()) {
            const auto reachability = QNetworkInformation::instance()->reachability();
            if (reachability != QNetworkInformation::Reachability::Unknown)
                return reachability != QNetworkInformation::Reachability::Disconnected;
        }
        // Without a reachability service: any interface other than the loopback that is up.
        for (const QNetworkInterface &face : QNetworkInterface::allInterfaces()) {
            const auto flags = face.flags();
            if (flags.testFlag(QNetworkInterface::IsUp) &&
                flags.testFlag(QNetworkInterface::IsRunning) &&
                !flags.testFlag(QNetworkInterface::IsLoopBack))
                return true;
        }
        return false;
    }
    std::unique_ptr<Download> createDownload() override { return makeHttpDownload(); }
};

class DesktopMail final : public Mail {
public:
    bool send(const QString &recipient, const QString &subject,
              const QString &attachment) override {
#ifdef Q_OS_WIN
        // Without a mail client interface that takes attachments, a new message opens
        // with the recipient and the subject; the user attaches the file.
        Q_UNUSED(attachment);
        QUrl url(QStringLiteral("mailto:") + recipient);
        QUrlQuery query;
        query.addQueryItem(QStringLiteral("subject"), subject);
        url.setQuery(query);
        return QDesktopServices::openUrl(url);
#else
        // xdg-email opens the user's mail client with the message, to be confirmed there.
        QProcess process;
        process.start(QStringLiteral("xdg-email"),
                      {QStringLiteral("--subject"), subject, QStringLiteral("--attach"), attachment,
                       recipient});
        if (!process.waitForStarted(10000))
            return false;
        if (!process.waitForFinished(60000)) {
            process.kill();
            return false;
        }
        return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
#endif
    }
};

} // namespace

std::unique_ptr<Download> makeHttpDownload() {
    return std::make_unique<HttpDownload>();
}

std::unique_ptr<Network> makeNetwork() {
    return std::make_unique<QtNetwork>();
}

std::unique_ptr<Mail> makeMail() {
    return std::make_unique<DesktopMail>();
}
