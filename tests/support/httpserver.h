#pragma once

#include "platform/services.h"

#include <QMap>
#include <QObject>
#include <QStringList>
#include <QTcpServer>

class QTcpSocket;

// A real HTTP server on 127.0.0.1 that serves fixed bodies by path. A body can stall
// (its first half is sent, then the connection stays open and silent, as a slow
// download does) or be endless (it is sent again and again without a length until the
// client goes); `sent` counts the body bytes handed to the connection.
class HttpServer : public QObject {
public:
    struct Body {
        QByteArray bytes;
        int status = 200;
        bool stall = false;
        bool endless = false;
    };
    QMap<QString, Body> bodies;
    QStringList paths;      // every path asked for, in order
    QStringList userAgents; // of every request
    qint64 sent = 0;
    // An endless body stops at this many bytes even when nobody stops it.
    static constexpr qint64 kEndlessCap = qint64(128) << 20;

    HttpServer();
    QString url(const QString &path) const;

private:
    void answer(QTcpSocket *socket);
    void feed(QTcpSocket *socket, const QByteArray &chunk);

    QTcpServer m_server;
    QMap<QTcpSocket *, QByteArray> m_requests;
};

// The network of the update tests: online (unless told otherwise), downloading over
// HTTP with the given stall time.
class LoopbackNetwork final : public Network {
public:
    explicit LoopbackNetwork(std::chrono::milliseconds stallTime = kDownloadStallTime)
        : m_stallTime(stallTime) {}
    bool online = true;
    bool connected() const override { return online; }
    std::unique_ptr<Download> createDownload() override { return makeHttpDownload(m_stallTime); }

private:
    std::chrono::milliseconds m_stallTime;
};
