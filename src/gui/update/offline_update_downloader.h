// The update file's download until the program has an HTTP client of its own.
#pragma once

#include "update/update_downloader.h"

// Answers every download as not connected, so the update check says that it could not reach
// the server instead of claiming there is no update.
class COfflineUpdateDownloader : public CUpdateDownloader
{
public:
    CUpdateDownload Download(const std::string& url) override
    {
        (void)url;
        return {CUpdateDownload::Status::NotConnected, {}};
    }
};
