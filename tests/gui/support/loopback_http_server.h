// A small HTTP server on 127.0.0.1 that answers each path in the way a test asks for.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QTcpServer>
#include <chrono>
#include <functional>
#include <map>

class QTcpSocket;

namespace GuiTestSupport
{
// Listens on an ephemeral port of 127.0.0.1 only, in the test's own thread, so it answers while
// the code under test runs its event loop. Each path answers as set; any other path gets 404.
// It is bounded: a request head over 16 KiB is dropped, an endless body stops at 32 MiB, and
// the destructor stops listening and drops every connection. It records what it saw.
class CLoopbackHttpServer
{
public:
    static constexpr qint64 EndlessCap = 32 * 1024 * 1024;

    CLoopbackHttpServer(); // throws std::runtime_error when it cannot listen
    ~CLoopbackHttpServer();
    CLoopbackHttpServer(const CLoopbackHttpServer&) = delete;
    CLoopbackHttpServer& operator=(const CLoopbackHttpServer&) = delete;

    // A whole answer, then the server closes. extraHeaders are lines ending in CR LF; a
    // Content-Length among them replaces the true one.
    void Respond(const QByteArray& path, int status, const QByteArray& body,
                 const QByteArray& extraHeaders = {});
    void Redirect(const QByteArray& path, const QByteArray& location);
    // Accepts and reads the request, and never answers.
    void Silent(const QByteArray& path);
    // A good status line and headers at once, then the body one byte per interval.
    void Trickle(const QByteArray& path, const QByteArray& body,
                 std::chrono::milliseconds interval);
    // A 200 without a length, then a body without end, written as fast as the client reads.
    void Endless(const QByteArray& path);

    QString Url(const QByteArray& path) const;
    int Connections() const { return m_connections; }
    int ClosedByClient() const { return m_closedByClient; }
    qint64 BodyBytesSent() const { return m_bodyBytesSent; }
    const QList<QByteArray>& RequestHeads() const { return m_requestHeads; }

private:
    using Answer = std::function<void(QTcpSocket&)>;
    void Accept();
    void Serve(QTcpSocket& socket);
    void WriteBody(QTcpSocket& socket, const QByteArray& bytes);

    QTcpServer m_server;
    std::map<QByteArray, Answer> m_answers;
    int m_connections = 0;
    int m_closedByClient = 0;
    qint64 m_bodyBytesSent = 0;
    QList<QByteArray> m_requestHeads;
};

// Runs the event loop until the condition holds or the time is up; says whether it held.
bool WaitFor(const std::function<bool()>& condition, std::chrono::milliseconds limit);
} // namespace GuiTestSupport
