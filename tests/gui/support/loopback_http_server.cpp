// The tests' HTTP server on 127.0.0.1.
#include "support/loopback_http_server.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTcpSocket>
#include <QTimer>
#include <memory>
#include <stdexcept>

namespace GuiTestSupport
{
namespace
{
constexpr qint64 MaxRequestHead = 16 * 1024;
constexpr const char* ClosedByServer = "closedByServer";
constexpr const char* SeenClosing = "seenClosing";

QByteArray StatusLine(int status)
{
    const char* reason = status == 200   ? "OK"
                         : status == 302 ? "Found"
                         : status == 404 ? "Not Found"
                                         : "Status";
    return "HTTP/1.1 " + QByteArray::number(status) + ' ' + reason + "\r\n";
}

void CloseFromServer(QTcpSocket& socket)
{
    socket.setProperty(ClosedByServer, true);
    socket.disconnectFromHost(); // after what is still to be written
}
} // namespace

CLoopbackHttpServer::CLoopbackHttpServer()
{
    if (!m_server.listen(QHostAddress::LocalHost, 0)) {
        throw std::runtime_error("the test server cannot listen on 127.0.0.1: " +
                                 m_server.errorString().toStdString());
    }
    QObject::connect(&m_server, &QTcpServer::newConnection, [this] { Accept(); });
}

CLoopbackHttpServer::~CLoopbackHttpServer()
{
    m_server.close();
    for (QTcpSocket* socket : m_server.findChildren<QTcpSocket*>()) {
        socket->disconnect();
        socket->abort();
    }
}

QString CLoopbackHttpServer::Url(const QByteArray& path) const
{
    return QString("http://127.0.0.1:%1%2")
        .arg(m_server.serverPort())
        .arg(QString::fromLatin1(path));
}

void CLoopbackHttpServer::Respond(const QByteArray& path, int status, const QByteArray& body,
                                  const QByteArray& extraHeaders)
{
    m_answers[path] = [this, status, body, extraHeaders](QTcpSocket& socket) {
        QByteArray head = StatusLine(status) + extraHeaders;
        if (!extraHeaders.toLower().contains("content-length:")) {
            head += "Content-Length: " + QByteArray::number(body.size()) + "\r\n";
        }
        socket.write(head + "Connection: close\r\n\r\n");
        WriteBody(socket, body);
        CloseFromServer(socket);
    };
}

void CLoopbackHttpServer::Redirect(const QByteArray& path, const QByteArray& location)
{
    Respond(path, 302, {}, "Location: " + location + "\r\n");
}

void CLoopbackHttpServer::Silent(const QByteArray& path)
{
    m_answers[path] = [](QTcpSocket&) {
    };
}

void CLoopbackHttpServer::Trickle(const QByteArray& path, const QByteArray& body,
                                  std::chrono::milliseconds interval)
{
    m_answers[path] = [this, body, interval](QTcpSocket& socket) {
        socket.write(StatusLine(200) + "Content-Length: " + QByteArray::number(body.size()) +
                     "\r\nConnection: close\r\n\r\n");
        auto* timer = new QTimer(&socket);
        auto sent = std::make_shared<qsizetype>(0);
        QObject::connect(timer, &QTimer::timeout, &socket, [this, &socket, body, sent] {
            if (*sent == body.size()) {
                CloseFromServer(socket);
                return;
            }
            WriteBody(socket, body.mid((*sent)++, 1));
        });
        timer->start(interval);
    };
}

void CLoopbackHttpServer::Endless(const QByteArray& path)
{
    m_answers[path] = [this](QTcpSocket& socket) {
        socket.write(StatusLine(200) + "Content-Type: text/plain\r\nConnection: close\r\n\r\n");
        QByteArray line = "TEXT " + QByteArray(59, 'x') + "\r\n";
        const QByteArray chunk = line.repeated(256); // 16 KiB
        const auto topUp = [this, &socket, chunk] {
            while (socket.bytesToWrite() < 4 * chunk.size() && m_bodyBytesSent < EndlessCap) {
                WriteBody(socket, chunk);
            }
            if (m_bodyBytesSent >= EndlessCap && !socket.property(ClosedByServer).toBool()) {
                CloseFromServer(socket);
            }
        };
        QObject::connect(&socket, &QTcpSocket::bytesWritten, &socket, topUp);
        topUp();
    };
}

void CLoopbackHttpServer::WriteBody(QTcpSocket& socket, const QByteArray& bytes)
{
    m_bodyBytesSent += socket.write(bytes);
}

void CLoopbackHttpServer::Accept()
{
    while (QTcpSocket* socket = m_server.nextPendingConnection()) {
        ++m_connections;
        const auto closing = [this, socket] {
            if (!socket->property(ClosedByServer).toBool() &&
                !socket->property(SeenClosing).toBool()) {
                socket->setProperty(SeenClosing, true);
                ++m_closedByClient;
            }
        };
        QObject::connect(socket, &QTcpSocket::disconnected, socket, closing);
        QObject::connect(socket, &QTcpSocket::errorOccurred, socket, closing);
        QObject::connect(socket, &QTcpSocket::readyRead, socket,
                         [this, socket] { Serve(*socket); });
    }
}

void CLoopbackHttpServer::Serve(QTcpSocket& socket)
{
    if (socket.property("answered").toBool()) {
        socket.readAll();
        return;
    }
    QByteArray head = socket.property("head").toByteArray() + socket.readAll();
    const qsizetype end = head.indexOf("\r\n\r\n");
    if (end < 0) {
        if (head.size() > MaxRequestHead) {
            CloseFromServer(socket);
        } else {
            socket.setProperty("head", head);
        }
        return;
    }
    head.truncate(end);
    socket.setProperty("answered", true);
    m_requestHeads.append(head);
    // "GET /path?query HTTP/1.1"
    const QList<QByteArray> requestLine = head.left(head.indexOf("\r\n")).split(' ');
    const QByteArray path = requestLine.size() > 1 ? requestLine[1].split('?').front() : "";
    const auto answer = m_answers.find(path);
    if (answer != m_answers.end()) {
        answer->second(socket);
    } else {
        socket.write(StatusLine(404) + "Content-Length: 9\r\nConnection: close\r\n\r\nNot Found");
        CloseFromServer(socket);
    }
}

bool WaitFor(const std::function<bool()>& condition, std::chrono::milliseconds limit)
{
    QElapsedTimer elapsed;
    elapsed.start();
    QEventLoop loop;
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, &loop, &QEventLoop::quit);
    tick.start(5);
    while (!condition()) {
        if (std::chrono::milliseconds(elapsed.elapsed()) > limit) {
            return false;
        }
        loop.exec();
    }
    return true;
}
} // namespace GuiTestSupport
