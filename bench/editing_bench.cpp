// Dragging an arm on a large network: one mouse move of the drag and the repaint it asks for,
// on 99 arms of three lanes with every route and flow shown.
#include "document/carousel_doc.h"
#include "editing/network_view_editor.h"
#include "editing/view_dialogs.h"
#include "junction_generator.h"
#include "platform/emf_recorder.h"
#include "platform/freetype_text_measurer.h"
#include "routing/route_commands.h"
#include "view/lane_geometry.h"
#include "view/network_export.h"

#include <benchmark/benchmark.h>

namespace
{

// A drag asks no questions.
struct CNoDialogs : CNetworkViewDialogs
{
    bool CreateArm(CDlgArmCreateModel&) override { return false; }
    bool EditArm(CDlgEditArmModel&) override { return false; }
    bool EditShortLane(CDlgEditLaneModel&) override { return false; }
    bool EditZone(CDlgEditZoneModel&) override { return false; }
    bool EditCapacityAssessor(CDlgCapacityAssessorModel&) override { return false; }
    bool EditLabel(CDlgEditLabelModel&) override { return false; }
};

struct CNoPrompt : CPrompt
{
    PromptAnswer AskYesNo(const std::string&) override { return PromptAnswer::No; }
    void ShowMessage(const std::string&) override {}
};

void BM_DragArm(benchmark::State& state)
{
    ProgramSettings program;
    NetworkSettings settings;
    CNoPrompt prompt;
    CCarouselDoc doc(program, settings, &prompt);
    CNetwork& network = doc.GetNetwork();
    JunctionBench::MakeJunction(network, {33, 3, false, false, false});
    BuildRoutes(network);
    JunctionBench::SetSampleFlows(network);
    doc.ToggleODMatrixShown();
    doc.RunLaneFlowDisplayCommand(LaneFlowDisplayCommand::AggregateByOD);

    CFreeTypeTextMeasurer measurer;
    CEmfRecorder measure(measurer);
    CNoDialogs dialogs;
    CNetworkViewState view(doc.GetViewStates());
    CNetworkViewEditor editor(doc, view, program, dialogs, prompt, measure);

    // Grab the first arm by its first point and move it to and fro.
    const CArm& arm = *network.GetArms().GetArm(1);
    const CPoint grab = ArmSegment(arm).PointAt(0.0, 0.0);
    if (editor.HitTest(grab).kind != EHitKind::Arm) {
        state.SkipWithError("the arm's end is not where the drag would grab it");
        return;
    }
    editor.LeftButtonDown(grab, false);
    int step = 0;
    std::size_t bytes = 0;
    for (auto _ : state) {
        ++step;
        editor.MouseMove({grab.x + (step % 2 == 0 ? 0 : 40), grab.y + 10});
        bytes = RecordNetworkEmf(doc.GetDiagramSource(), measurer).size();
    }
    editor.LeftButtonUp(grab);
    state.counters["arms"] = network.GetArms().GetCount();
    state.counters["routes"] = static_cast<double>(network.GetRoutes().GetRouteCount());
    state.counters["emf_bytes"] = static_cast<double>(bytes);
}

} // namespace

BENCHMARK(BM_DragArm)->Unit(benchmark::kMillisecond);
