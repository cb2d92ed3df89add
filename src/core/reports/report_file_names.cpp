// File names proposed from report titles.
#include "reports/report_file_names.h"

namespace
{
std::string WithoutForbiddenCharacters(std::string_view title)
{
    std::string name;
    for (const char c : title) {
        if (std::string_view("\\/:*?\"<>|").find(c) == std::string_view::npos)
            name += c;
    }
    return name;
}
} // namespace

std::string ProposedTemplateName(std::string_view title)
{
    return WithoutForbiddenCharacters(title) + ".rep";
}

std::string ProposedReportName(std::string_view title, std::string_view extension)
{
    if (title.size() >= 4 && title[title.size() - 4] == '.')
        title.remove_suffix(4);
    return WithoutForbiddenCharacters(title) + std::string(extension);
}
