// The desktop's own program for RTF files.
#include "reports/desktop_report_viewer.h"

#include <QDesktopServices>
#include <QString>
#include <QUrl>

bool CDesktopReportViewer::Open(const std::filesystem::path& file)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(file.string())));
}
