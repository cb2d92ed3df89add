// Saving report templates and creating reports from them.
#include "cardfile/report_template_file.h"

#include "platform/atomic_file.h"
#include "cardfile/card_errors.h"
#include "cardfile/card_stream_file.h"
#include "cardfile/card_writer_file.h"
#include "cardfile/input_file.h"
#include "cardfile/report_cards.h"
#include "reports/report_definition.h"

#include <fstream>

void SaveReportTemplate(const std::filesystem::path& path, const CReportDefinition& definition,
                        const CFlowGroups& groups)
{
    WriteFileAtomically(path, [&](std::ostream& out) {
        CCardWriterFile writer(out);
        CReportFileWriter(writer, definition.GetOwner(), groups).WriteTemplate(definition);
    });
}

void ReadReportTemplate(const std::filesystem::path& path, CReportDefinition& definition,
                        const CFlowGroups& groups)
{
    std::ifstream file;
    try {
        file = OpenInputFile(path);
    } catch (const errFileRead& e) {
        throw errReportTemplate(e.what());
    }
    try {
        CCardStreamFile stream(file);
        CReportFileReader(stream, definition.GetOwner(), groups).ReadTemplate(definition);
    } catch (eFileError error) {
        throw errReportTemplate(error == eFileError::LaterVersion ? LaterTemplateMessage
                                                                  : InvalidTemplateMessage);
    } catch (const std::exception&) {
        throw errReportTemplate(InvalidTemplateMessage);
    }
}

CReportDefinition& CreateReportFromTemplate(CReportDefinitions& definitions,
                                            const CFlowGroups& groups,
                                            const std::filesystem::path& path)
{
    CReportDefinition& definition = *definitions.AppendDefinition();
    try {
        ReadReportTemplate(path, definition, groups);
    } catch (...) {
        definitions.RemoveDefinitionById(definition.GetId());
        throw;
    }
    return definition;
}
