#include "support/httpserver.h"

#include <QTcpSocket>

HttpServer::HttpServer() {
    connect(&m_server, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket *socket = m_server.nextPendingConnection())
            connect(socket, &QTcpSocket::readyRead, this, [this, socket] { answer(socket); });
    });
    m_server.listen(QHostAddress::LocalHost);
}

QString HttpServer::url(const QString &path) const {
    return QStringLiteral("http://127.0.0.1:%1%2").arg(m_server.serverPort()).arg(path);
}

void HttpServer::answer(QTcpSocket *socket) {
    m_requests[socket] += socket->readAll();
    const QByteArray &request = m_requests[socket];
    if (!request.contains("\r\n\r\n"))
        return;
    const QList<QByteArray> lines = request.split('\n');
    const QString path = QString::fromLatin1(lines[0].split(' ').value(1));
    paths.append(path);
    for (const QByteArray &line : lines) {
        if (line.toLower().startsWith("user-agent:"))
            userAgents.append(QString::fromLatin1(line.mid(11).trimmed()));
    }
    m_requests.remove(socket);
    disconnect(socket, &QTcpSocket::readyRead, this, nullptr);
    connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    const Body body = bodies.value(path, Body{"not here", 404});
    QByteArray head = "HTTP/1.1 " + QByteArray::number(body.status) +
                      (body.status == 200 ? " OK" : " Not Found") + "\r\n";
    if (!body.endless)
        head += "Content-Length: " + QByteArray::number(body.bytes.size()) + "\r\n";
    head += "Content-Type: application/octet-stream\r\nConnection: close\r\n\r\n";
    socket->write(head);
    if (body.endless) {
        feed(socket, body.bytes);
        return;
    }
    const QByteArray part = body.stall ? body.bytes.left(body.bytes.size() / 2) : body.bytes;
    socket->write(part);
    sent += part.size();
    if (body.stall)
        return; // the rest never comes
    socket->flush();
    socket->disconnectFromHost();
}

void HttpServer::feed(QTcpSocket *socket, const QByteArray &chunk) {
    // A little more whenever what was written has gone out, until the client closes.
    const auto more = [this, socket, chunk] {
        while (socket->state() == QAbstractSocket::ConnectedState &&
               socket->bytesToWrite() < 4 * chunk.size() && sent < kEndlessCap) {
            socket->write(chunk);
            sent += chunk.size();
        }
        if (sent >= kEndlessCap)
            socket->disconnectFromHost();
    };
    connect(socket, &QTcpSocket::bytesWritten, socket, more);
    more();
}
