// Report template files (.rep): one report definition to reuse with another network.
#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>

class CFlowGroups;
class CReportDefinition;
class CReportDefinitions;

// What the program shows when a file cannot be used as a template.
inline constexpr const char* InvalidTemplateMessage =
    "The file is not a valid report template file. Please consult Technical Support\n";
inline constexpr const char* LaterTemplateMessage =
    "The report template file was created on a later software version which is not compatible "
    "with this version.\n";

// A template that could not be used; the message is the one to show.
class errReportTemplate : public std::runtime_error
{
public:
    explicit errReportTemplate(const std::string& message) : std::runtime_error(message) {}
};

// Writes the definition as a template file through a temporary file beside path and a rename,
// so that a failure leaves any file there as it was. Raises errFileWrite, or
// errCardFieldRefused for a value that would not read back.
void SaveReportTemplate(const std::filesystem::path& path, const CReportDefinition& definition,
                        const CFlowGroups& groups);

// Reads the template at path into definition: its paper size and fragments, never its title.
// Raises errReportTemplate with the message to show: the later-version message for a newer
// schema, "Cannot open the file ..." for a file that cannot be opened, and the invalid-template
// message for everything else. After a failure the definition may hold part of the template.
void ReadReportTemplate(const std::filesystem::path& path, CReportDefinition& definition,
                        const CFlowGroups& groups);

// Appends a report (titled "<Enter Report %d Title Here>" after its position) and reads the
// template at path into it. On failure the new report is removed again and errReportTemplate
// propagates.
CReportDefinition& CreateReportFromTemplate(CReportDefinitions& definitions,
                                            const CFlowGroups& groups,
                                            const std::filesystem::path& path);
