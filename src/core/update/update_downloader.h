// The HTTP read of the update file, behind an interface so that the check runs without a network.
#pragma once

#include <string>

// The outcome of one download of the update file.
struct CUpdateDownload
{
    enum class Status
    {
        Read,         // body holds the whole file
        NotConnected, // no answer after every try, a refused or unknown host
        Failed,       // a status other than 2xx, or a body cut off, too large or too slow
    };
    Status status = Status::NotConnected;
    std::string body;
};

// Reads the update file at an http or https URL, never from a cache, within the limits of its
// implementation, and has closed the connection by the time it returns. The desktop program
// implements it with Qt Network; tests with a script.
class CUpdateDownloader
{
public:
    virtual ~CUpdateDownloader() = default;
    virtual CUpdateDownload Download(const std::string& url) = 0;
};
