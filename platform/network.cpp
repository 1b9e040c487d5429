// Downloads over HTTP on QNetworkAccessManager.
#include "platform/services.h"

#include "core/oserror.h"

#include <QDir>
#include <QFile>
#include <QNetworkAccessManager>
#include <QNetworkInformation>
#include <QNetworkInterface>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPointer>
#include <QTimer>

#include <cerrno>

namespace {

// Why a transfer failed, in Czech: the network library's own text is English.
QString networkReason(QNetworkReply::NetworkError error) {
    switch (error) {
    case QNetworkReply::ConnectionRefusedError:
        return QStringLiteral("server odmítl spojení");
    case QNetworkReply::RemoteHostClosedError:
        return QStringLiteral("server spojení předčasně ukončil");
    case QNetworkReply::HostNotFoundError:
        return QStringLiteral("server nebyl nalezen");
    case QNetworkReply::TimeoutError:
        return QStringLiteral("server neodpověděl včas");
    case QNetworkReply::OperationCanceledError:
        return QStringLiteral("stahování bylo přerušeno");
    case QNetworkReply::SslHandshakeFailedError:
        return QStringLiteral("zabezpečené spojení se serverem se nepodařilo navázat");
    case QNetworkReply::TemporaryNetworkFailureError:
    case QNetworkReply::NetworkSessionFailedError:
    case QNetworkReply::UnknownNetworkError:
        return QStringLiteral("spojení s internetem bylo přerušeno");
    case QNetworkReply::ProxyConnectionRefusedError:
    case QNetworkReply::ProxyConnectionClosedError:
    case QNetworkReply::ProxyNotFoundError:
    case QNetworkReply::ProxyTimeoutError:
    case QNetworkReply::ProxyAuthenticationRequiredError:
    case QNetworkReply::UnknownProxyError:
        return QStringLiteral("spojení přes proxy server se nepodařilo");
    case QNetworkReply::ContentNotFoundError:
    case QNetworkReply::ContentGoneError:
        return QStringLiteral("soubor na serveru není");
    case QNetworkReply::ContentAccessDenied:
    case QNetworkReply::AuthenticationRequiredError:
    case QNetworkReply::ContentOperationNotPermittedError:
        return QStringLiteral("server soubor odmítl vydat");
    case QNetworkReply::TooManyRedirectsError:
    case QNetworkReply::InsecureRedirectError:
        return QStringLiteral("server přesměrovává jinam, než smí");
    case QNetworkReply::InternalServerError:
    case QNetworkReply::ServiceUnavailableError:
    case QNetworkReply::OperationNotImplementedError:
    case QNetworkReply::UnknownServerError:
        return QStringLiteral("chyba na straně serveru");
    case QNetworkReply::ProtocolUnknownError:
    case QNetworkReply::ProtocolInvalidOperationError:
    case QNetworkReply::ProtocolFailure:
        return QStringLiteral("server neodpovídá jako webový server");
    default:
        return QStringLiteral("chyba spojení číslo %1").arg(int(error));
    }
}

// One download into a file. The file grows as the data arrives, so that its size on
// disk shows the progress. The transfer is cut off as soon as the body passes its
// limit (the server's announced length is checked before any byte of it) or nothing
// arrives for the stall time; a download that does not end whole leaves no file.
class HttpDownload final : public Download {
public:
    explicit HttpDownload(std::chrono::milliseconds stallTime) {
        m_stall.setSingleShot(true);
        m_stall.setInterval(stallTime);
        connect(&m_stall, &QTimer::timeout, this,
                [this] { fail(QStringLiteral("Server přestal posílat data.")); });
    }

    void start(const QUrl &url, const QString &targetFile, qint64 maxBytes) override {
        abortQuietly();
        m_limit = maxBytes;
        m_received = 0;
        m_file.setFileName(targetFile);
        errno = 0;
        if (!m_file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
            const QString reason = fileReason(errno);
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
        // What has not been written to the file yet stays small.
        m_reply->setReadBufferSize(kBuffer);
        connect(m_reply, &QNetworkReply::metaDataChanged, this, [this] { checkAnnounced(); });
        connect(m_reply, &QNetworkReply::readyRead, this, [this] { store(); });
        connect(m_reply, &QNetworkReply::finished, this, [this] { finish(); });
        m_stall.start();
    }

    void abort() override { abortQuietly(); }

    ~HttpDownload() override { abortQuietly(); }

private:
    static constexpr qint64 kBuffer = 64 * 1024;

    // The downloaded file cannot be written; `errnum` says why.
    QString fileReason(int errnum) const {
        qWarning("%s: %s", qPrintable(m_file.fileName()), qPrintable(m_file.errorString()));
        return QStringLiteral("Soubor „%1“ nelze uložit: %2.")
            .arg(QDir::toNativeSeparators(m_file.fileName()),
                 errnum != 0 ? oserror::reason(errnum) : QStringLiteral("soubor nelze zapsat"));
    }

    QString tooLarge() const {
        return QStringLiteral("Stahovaný soubor je větší než %1 bajtů.").arg(m_limit);
    }

    void checkAnnounced() {
        if (!m_reply)
            return;
        const QVariant length = m_reply->header(QNetworkRequest::ContentLengthHeader);
        if (length.isValid() && length.toLongLong() > m_limit)
            fail(tooLarge());
    }

    // Writes what arrived; false when the download ended here.
    bool store() {
        while (m_reply && m_reply->bytesAvailable() > 0) {
            // One byte past the limit is enough to know the body is too large.
            const qint64 room = m_limit - m_received;
            const QByteArray data = m_reply->read(std::min<qint64>(room, kBuffer) + 1);
            if (data.isEmpty())
                break;
            m_stall.start();
            m_received += data.size();
            if (m_received > m_limit) {
                fail(tooLarge());
                return false;
            }
            errno = 0;
            if (m_file.write(data) != data.size() || !m_file.flush()) {
                fail(fileReason(errno));
                return false;
            }
        }
        return m_reply != nullptr;
    }

    void finish() {
        if (!m_reply || !store())
            return;
        QNetworkReply *reply = m_reply;
        m_reply = nullptr;
        m_stall.stop();
        reply->deleteLater();
        if (reply->error() != QNetworkReply::NoError) {
            qWarning("%s: %s", qPrintable(reply->url().toString()),
                     qPrintable(reply->errorString()));
            discardFile();
            emit failed(
                QStringLiteral("Stahování se nepodařilo: %1.").arg(networkReason(reply->error())));
            return;
        }
        const qint64 size = m_file.size();
        m_file.close();
        emit done(m_file.fileName(), size);
    }

    // Ends the transfer as failed; the partial file goes.
    void fail(const QString &reason) {
        dropReply();
        discardFile();
        emit failed(reason);
    }

    void abortQuietly() {
        dropReply();
        discardFile();
    }

    void dropReply() {
        m_stall.stop();
        if (QNetworkReply *reply = m_reply) {
            m_reply = nullptr;
            reply->disconnect(this);
            reply->abort();
            reply->deleteLater();
        }
    }

    void discardFile() {
        if (m_file.isOpen()) {
            m_file.close();
            m_file.remove();
        }
    }

    QNetworkAccessManager m_manager;
    QPointer<QNetworkReply> m_reply;
    QFile m_file;
    QTimer m_stall;
    qint64 m_limit = 0;
    qint64 m_received = 0;
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

} // namespace

std::unique_ptr<Download> makeHttpDownload(std::chrono::milliseconds stallTime) {
    return std::make_unique<HttpDownload>(stallTime);
}

std::unique_ptr<Network> makeNetwork() {
    return std::make_unique<QtNetwork>();
}
