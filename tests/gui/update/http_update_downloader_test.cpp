// The HTTP read of the update file against a server on 127.0.0.1: what each kind of answer
// comes to, within the limits.
#include "case_name.h"
#include "support/loopback_http_server.h"
#include "update/http_update_downloader.h"

#include <QElapsedTimer>
#include <QTcpServer>
#include <functional>
#include <gtest/gtest.h>

using namespace GuiTestSupport;
using namespace std::chrono_literals;

namespace
{
using TestSupport::PrintTo;
using Status = CUpdateDownload::Status;

const QByteArray SmallFile = "UPSCM    1\r\nAPPLH    1\r\nAPPLY    1\r\n";

// Short waits, so that the slow cases take a second or two; the size limit stays the program's.
CUpdateDownloadLimits QuickLimits()
{
    CUpdateDownloadLimits limits;
    limits.answerTimeout = 300ms;
    limits.totalTime = 1500ms;
    return limits;
}

struct DownloadCase
{
    std::string name;
    std::function<void(CLoopbackHttpServer&)> serve;
    Status expected;
    QByteArray expectedBody;
    int expectedRequests;
    bool clientCloses; // the server sees the client hang up before the answer is complete
};

class DownloadTest : public testing::TestWithParam<DownloadCase>
{};

TEST_P(DownloadTest, EndsAsItShould)
{
    const DownloadCase& c = GetParam();
    CLoopbackHttpServer server;
    c.serve(server);
    QElapsedTimer elapsed;
    elapsed.start();

    const CUpdateDownload download =
        CHTTPUpdateDownloader(QuickLimits()).Download(server.Url("/update.txt").toStdString());

    EXPECT_LT(std::chrono::milliseconds(elapsed.elapsed()), 2500ms); // the whole limit and a margin
    EXPECT_EQ(download.status, c.expected);
    EXPECT_EQ(QByteArray::fromStdString(download.body), c.expectedBody);
    EXPECT_EQ(server.RequestHeads().size(), c.expectedRequests);
    if (c.clientCloses) {
        EXPECT_TRUE(WaitFor([&] { return server.ClosedByClient() == 1; }, 2s));
    }
    // An endless body is given up long before the server runs out of patience.
    EXPECT_LT(server.BodyBytesSent(), CLoopbackHttpServer::EndlessCap);
}

const QByteArray AtTheLimit(64 * 1024, 'x');

INSTANTIATE_TEST_SUITE_P(
    HTTPUpdateDownloader, DownloadTest,
    testing::Values(
        DownloadCase{"GoodFile",
                     [](CLoopbackHttpServer& s) { s.Respond("/update.txt", 200, SmallFile); },
                     Status::Read, SmallFile, 1, false},
        DownloadCase{"BodyAtTheSizeLimit",
                     [](CLoopbackHttpServer& s) { s.Respond("/update.txt", 200, AtTheLimit); },
                     Status::Read, AtTheLimit, 1, false},
        DownloadCase{
            "BodyOneByteOverTheSizeLimit",
            [](CLoopbackHttpServer& s) { s.Respond("/update.txt", 200, AtTheLimit + "x"); },
            Status::Failed, "", 1, false},
        DownloadCase{"LengthOverTheSizeLimit",
                     [](CLoopbackHttpServer& s) {
                         s.Respond("/update.txt", 200, SmallFile,
                                   "Content-Length: 10000000000\r\n");
                     },
                     Status::Failed, "", 1, false},
        DownloadCase{"BodyCutOff",
                     [](CLoopbackHttpServer& s) {
                         s.Respond("/update.txt", 200, SmallFile, "Content-Length: 500\r\n");
                     },
                     Status::Failed, "", 1, false},
        DownloadCase{"EndlessBody", [](CLoopbackHttpServer& s) { s.Endless("/update.txt"); },
                     Status::Failed, "", 1, true},
        DownloadCase{"SlowTrickle",
                     [](CLoopbackHttpServer& s) { s.Trickle("/update.txt", SmallFile, 50ms); },
                     Status::Failed, "", 1, true},
        DownloadCase{"ThreeRedirects",
                     [](CLoopbackHttpServer& s) {
                         s.Redirect("/update.txt", "/second");
                         s.Redirect("/second", s.Url("/third").toLatin1());
                         s.Redirect("/third", "fourth");
                         s.Respond("/fourth", 200, SmallFile);
                     },
                     Status::Read, SmallFile, 4, false},
        DownloadCase{"RedirectLoop",
                     [](CLoopbackHttpServer& s) { s.Redirect("/update.txt", "/update.txt"); },
                     Status::Failed, "", 4, false},
        DownloadCase{
            "RedirectToAFile",
            [](CLoopbackHttpServer& s) { s.Redirect("/update.txt", "file:///etc/passwd"); },
            Status::Failed, "", 1, false},
        DownloadCase{"RedirectWithoutLocation",
                     [](CLoopbackHttpServer& s) { s.Respond("/update.txt", 302, ""); },
                     Status::Failed, "", 1, false}),
    CaseName());

TEST(HTTPUpdateDownloader, AsksTheServerItselfAndHangsUp)
{
    CLoopbackHttpServer server;
    server.Respond("/update.txt", 200, SmallFile);

    CHTTPUpdateDownloader().Download(server.Url("/update.txt").toStdString());

    ASSERT_EQ(server.RequestHeads().size(), 1);
    const QByteArray head = server.RequestHeads().front().toLower();
    EXPECT_TRUE(head.contains("\r\ncache-control: no-cache")) << head.toStdString();
    EXPECT_TRUE(head.contains("\r\nconnection: close")) << head.toStdString();
    EXPECT_TRUE(head.contains("\r\naccept-encoding: identity")) << head.toStdString();
}

// Nothing that is not an http or https URL is read; a refused connection is no connection.
TEST(HTTPUpdateDownloader, ReadsNothingButHttpAndHttps)
{
    CLoopbackHttpServer server;
    const std::string port = server.Url("").section(':', 2).toStdString();
    QTcpServer closed;
    ASSERT_TRUE(closed.listen(QHostAddress::LocalHost, 0));
    const std::string refused = "http://127.0.0.1:" + std::to_string(closed.serverPort()) + "/u";
    closed.close();
    const std::vector<std::string> urls = {"file:///etc/passwd",
                                           "ftp://127.0.0.1:" + port + "/update.txt",
                                           "127.0.0.1:" + port + "/update.txt",
                                           "http://",
                                           "http:///u",
                                           "",
                                           "data:text/plain,UPSCM    1",
                                           refused};
    for (const std::string& url : urls) {
        SCOPED_TRACE(url);
        EXPECT_EQ(CHTTPUpdateDownloader().Download(url).status, Status::NotConnected);
    }
    WaitFor([] { return false; }, 50ms);
    EXPECT_EQ(server.Connections(), 0);
}

TEST(HTTPUpdateDownloader, FollowsRedirectsOnlyToHttpAndNeverDownFromHttps)
{
    struct
    {
        const char* from;
        const char* to;
        bool followed;
    } const cases[] = {
        {"http://a.example/u", "http://b.example/u", true},
        {"http://a.example/u", "https://b.example/u", true},
        {"https://a.example/u", "https://b.example/u", true},
        {"https://a.example/u", "http://a.example/u", false},
        {"https://a.example/u", "HTTP://a.example/u", false},
        {"http://a.example/u", "file:///etc/passwd", false},
        {"http://a.example/u", "ftp://a.example/u", false},
        {"http://a.example/u", "http:///u", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(MayFollowRedirect(QUrl(c.from), QUrl(c.to)), c.followed)
            << c.from << " -> " << c.to;
    }
}
} // namespace
