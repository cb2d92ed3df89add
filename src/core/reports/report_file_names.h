// The file names proposed when a report or its template is saved.
#pragma once

#include <string>
#include <string_view>

// The file dialogs that save a report and its template.
inline constexpr const char* ReportSaveTitle = "Report Save As";
inline constexpr const char* ReportFileFilter = "Rich Text Format (*.rtf)";
inline constexpr const char* ReportPdfFileFilter = "PDF Files (*.pdf)";
inline constexpr const char* TemplateSaveTitle = "Report Save Template As";
inline constexpr const char* TemplateOpenTitle = "Create Report From Template";
inline constexpr const char* TemplateFileFilter = "Report Templates (*.rep)";

// The title without the characters a file name cannot hold (\ / : * ? " < > |), and ".rep".
std::string ProposedTemplateName(std::string_view title);

// The title without a last four characters that start with a dot (a title such as
// "Survey.crs"), without the characters a file name cannot hold, and the extension.
std::string ProposedReportName(std::string_view title, std::string_view extension = ".rtf");
