// The file names proposed when a report or its template is saved.
#pragma once

#include <string>
#include <string_view>

// The title without the characters a file name cannot hold (\ / : * ? " < > |), and ".rep".
std::string ProposedTemplateName(std::string_view title);

// The title without a last four characters that start with a dot (a title such as
// "Survey.crs"), without the characters a file name cannot hold, and ".rtf".
std::string ProposedReportName(std::string_view title);
