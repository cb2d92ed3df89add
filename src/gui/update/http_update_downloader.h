// The update file read over HTTP with Qt Network, bounded in time and size.
#pragma once

#include "update/update_downloader.h"

#include <QUrl>
#include <chrono>

// How long and how much one download may take. The defaults are the program's; tests shorten
// them so that slow servers stay quick to test.
struct CUpdateDownloadLimits
{
    // A try that has no answer (no status line and headers) after this is abandoned.
    std::chrono::milliseconds answerTimeout{1000};
    int tries = 3;
    // The whole download, every try and redirect included.
    std::chrono::milliseconds totalTime{10000};
    // The body, whatever Content-Length says.
    qint64 maxBodyBytes = 64 * 1024;
    int maxRedirects = 3;
};

// Reads the update file in a local event loop that leaves user input waiting, so the window
// keeps painting but takes no clicks, behind the wait cursor. Every read goes to the server
// (no cache), asks for the body as it is stored (no compression) and closes the connection.
// A try that gets no answer, a refused connection, an unknown host, a failed TLS handshake or a
// URL that is not http or https is NotConnected once the tries are spent; once a server has
// answered, a status other than 2xx, a redirect that may not be followed or one too many, a
// body cut off, over the size limit or still arriving at the time limit is Failed, with no body.
// Needs a QCoreApplication (its event loop runs the read).
class CHTTPUpdateDownloader : public CUpdateDownloader
{
public:
    explicit CHTTPUpdateDownloader(CUpdateDownloadLimits limits = {});

    CUpdateDownload Download(const std::string& url) override;

private:
    CUpdateDownloadLimits m_limits;
};

// Only http and https URLs with a host are read: a hand-edited URL must not reach local files
// or other protocols.
bool IsHTTPURL(const QUrl& url);

// A redirect is followed to http or https only, and never from https down to http, where anyone
// on the way could forge the file.
bool MayFollowRedirect(const QUrl& from, const QUrl& to);
