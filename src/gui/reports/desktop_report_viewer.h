// The desktop's own program for RTF files.
#pragma once

#include "document/report_commands.h"

// Hands the file to the desktop, which opens it with the program associated with RTF files;
// false when the desktop has none to start.
class CDesktopReportViewer : public CReportViewer
{
public:
    bool Open(const std::filesystem::path& file) override;
};
