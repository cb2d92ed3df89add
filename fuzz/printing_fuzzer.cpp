// Prints every page of a network file on a printer that reports any device capabilities: the
// first 40 bytes are the ten capabilities (little-endian 32-bit), the rest is the network file.
// Title block, frame, page plan, the network clipped to the page and the print zones as print
// layout mode draws them must neither overflow nor fail, whatever the file and the driver say.
#include "cardfile/card_errors.h"
#include "cardfile/card_stream_memory.h"
#include "cardfile/carousel_file.h"
#include "platform/emf_recorder.h"
#include "printing/frame_drawing.h"
#include "printing/page_print_plan.h"
#include "printing/print_zone_hit.h"
#include "printing/title_block.h"
#include "view/network_export.h"
#include "view/network_renderer.h"
#include "view/network_view_state.h"

#include <array>
#include <cstdint>
#include <cstring>
#include <string>

namespace
{

constexpr std::size_t CapsBytes = 40;

CPrinterCaps CapsOf(const std::uint8_t* data)
{
    std::array<std::int32_t, 10> values{};
    std::memcpy(values.data(), data, CapsBytes);
    return {values[0], values[1], values[2], values[3], values[4],
            values[5], values[6], values[7], values[8], values[9]};
}

void PrintEveryPage(CDocumentData& doc, const CPrinterCaps& caps)
{
    static const CFixedWidthTextMeasurer measurer;
    const ProgramSettings program;
    const NetworkSettings settings;
    const CDiagramSource source = DiagramSourceOf(doc, program, settings, true, true);
    const CTitleBlockFacts facts{"Company",
                                 "Author",
                                 "Address\r\nTown",
                                 "file.crs",
                                 "Project",
                                 "Flow group",
                                 std::chrono::year_month_day{}};
    for (int n = 1; n <= doc.printPages.GetCount(); ++n) {
        CPrintPage& page = *doc.printPages.GetPage(n);
        SetDefaultTitleBlock(page, caps, facts);
        const CPagePrintPlan plan = PlanPrintedPage(page, caps);
        CEmfRecorder recorder(measurer);
        DrawDrawingFrame(recorder, page.GetDrawingFrame(), plan.frame);
        recorder.IntersectClipRect(plan.drawingRect);
        DrawDiagram(source, doc.network.GetCurrentFlowGroup(), recorder);
        recorder.Finish();

        const CRect zone = PrintZoneRect(page.GetPrintZone());
        const CPoint point{caps.originOffsetX, caps.originOffsetY};
        ResizePrintZoneRect(zone, HitTestPrintZone(zone, point), point);
        plan.zoneMapping.ToLogical(plan.zoneMapping.ToDevice(zone));
    }

    CNetworkViewState view;
    if (doc.printPages.GetCount() > 0)
        view.Select(ESelectionKind::PrintZone, doc.printPages.GetPage(1)->GetId());
    CNetworkRenderer renderer(doc.network, doc.labels, doc.odMatrix, doc.printPages, program,
                              settings, view);
    renderer.Switches().drawPrintPages = true;
    renderer.Switches().showSelection = true;
    CEmfRecorder layout(measurer);
    CBounds bounds;
    renderer.DrawPrintPages(layout, &bounds);
    renderer.DrawPrintPages(layout, nullptr);
    layout.Finish();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < CapsBytes)
        return 0;
    const CPrinterCaps caps = CapsOf(data);
    const std::string file(reinterpret_cast<const char*>(data + CapsBytes), size - CapsBytes);
    CCardStreamMemory stream(file);
    NetworkSettings settings;
    try {
        const auto doc = ReadNetwork(stream, settings, false);
        PrintEveryPage(*doc, caps);
    } catch (const errCorruptCardData&) {
    } catch (const errIncompatibleSchema&) {
    } catch (eFileError) {
    }
    return 0;
}
