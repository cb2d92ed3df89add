// Feeds arbitrary bytes to the report template reader as a template file. A read either fails
// with one of the reading errors, or gives a report that generates and that writes, reads back
// and writes again to the same cards.
#include "cardfile/card_builder.h"
#include "cardfile/card_errors.h"
#include "cardfile/card_stream_file.h"
#include "cardfile/card_stream_memory.h"
#include "cardfile/card_writer_memory.h"
#include "cardfile/report_cards.h"
#include "model/label.h"
#include "model/network.h"
#include "platform/text_measurer.h"
#include "printing/print_page.h"
#include "reports/report_definition.h"
#include "reports/report_generator.h"
#include "reports/report_source.h"
#include "view/od_matrix_graphics.h"

#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

namespace
{
void Check(bool condition)
{
    if (!condition) {
        std::abort();
    }
}

std::string WriteTemplate(const CReportDefinition& report, const CFlowGroups& groups)
{
    CCardWriterMemory out;
    CReportFileWriter(out, report.GetOwner(), groups).WriteTemplate(report);
    return out.TakeText();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    CNetwork network;
    network.GetFlowGroups().InsertFlowGroup(1);
    CReportDefinitions reports;
    CReportDefinition& report = *reports.AppendDefinition();
    std::istringstream file(std::string(reinterpret_cast<const char*>(data), size),
                            std::ios::binary);
    try {
        CCardStreamFile stream(file);
        CReportFileReader(stream, reports, network.GetFlowGroups()).ReadTemplate(report);
    } catch (const errCorruptCardData&) {
        return 0;
    } catch (eFileError) {
        return 0;
    }

    CLabels labels;
    CPrintPages pages;
    const CFixedWidthTextMeasurer measurer;
    const CODMatrixGraphics odMatrix;
    const ProgramSettings program;
    const NetworkSettings settings;
    const CReportSource source{
        {network, labels, pages, odMatrix, {}, program, settings}, "fuzz.crs", measurer};
    std::ostringstream rtf;
    CReportGenerator(report, source).Generate(rtf);
    Check(!rtf.str().empty() && rtf.str().back() == '}');

    std::string first;
    try {
        first = WriteTemplate(report, network.GetFlowGroups());
    } catch (const errCardFieldRefused&) {
        return 0;
    }
    CReportDefinition& again = *reports.AppendDefinition();
    CCardStreamMemory stream(first);
    CReportFileReader(stream, reports, network.GetFlowGroups()).ReadTemplate(again);
    // The template keeps no title and the position is the report's own: compare from REPF on.
    const std::string second = WriteTemplate(again, network.GetFlowGroups());
    const auto fragments = [](const std::string& text) {
        const std::size_t repd = text.find("\nREPD ");
        return text.substr(text.find('\n', repd + 1));
    };
    Check(fragments(first) == fragments(second));
    return 0;
}
