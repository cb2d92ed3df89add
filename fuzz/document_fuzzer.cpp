// Drives a document through a sequence of its commands decoded from the bytes, with whatever
// arguments the bytes give: numbers out of range, negative or huge, texts blank, long, non-ASCII
// or with line breaks, objects that do not exist. After every command the document must take a
// checkpoint and save, and the saved file must load without a change and save again to the same
// bytes; at the end, undo all the way gives back the starting snapshot and redo all the way the
// final one, byte for byte.
#include "cardfile/card_stream_file.h"
#include "cardfile/card_writer_file.h"
#include "cardfile/carousel_file.h"
#include "document/carousel_doc.h"
#include "settings/program_settings.h"
#include "editing/network_view_editor.h"
#include "editing/view_dialogs.h"
#include "model/capacity_assessor.h"
#include "model/lane.h"
#include "platform/emf_recorder.h"
#include "platform/freetype_text_measurer.h"
#include "printing/print_page_layout.h"
#include "printing/print_zone_hit.h"
#include "routing/flow_group_commands.h"
#include "routing/route_commands.h"
#include "tables/arm_dialogs.h"
#include "tables/capacity_assessor_dialog.h"
#include "tables/edit_lane_dialog.h"
#include "tables/edit_zone_dialog.h"
#include "tables/label_dialog.h"
#include "view/lane_geometry.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <limits>
#include <sstream>
#include <string>
#include <vector>

namespace
{

[[noreturn]] void Fail(const std::string& what)
{
    std::fprintf(stderr, "document fuzzer: %s\n", what.c_str());
    std::abort();
}

// Hands out the input's bytes as the arguments of commands; zeros once they run out.
class CBytes
{
public:
    CBytes(const std::uint8_t* data, std::size_t size) : m_data(data), m_size(size) {}

    bool Empty() const { return m_at >= m_size; }
    std::uint8_t Byte() { return m_at < m_size ? m_data[m_at++] : 0; }
    bool Bool() { return (Byte() & 1) != 0; }
    std::uint32_t Pick(std::uint32_t count) { return count == 0 ? 0 : Byte() % count; }

    // Mostly small numbers, sometimes a value at or past the edge of a field or a type.
    long long Number()
    {
        static constexpr long long kEdges[] = {
            -1,           -9999,      -10000,    99999,      100000,     9998,
            9999,         1000,       1001,      123456,     2147483647, -2147483648LL,
            4294967295LL, -999999999, 999999999, 1000000000, 59,         86400};
        const std::uint8_t kind = Byte();
        if (kind < 192) {
            return static_cast<int>(Byte()) - 16;
        }
        if (kind < 240) {
            return kEdges[Pick(std::size(kEdges))];
        }
        long long value = 0;
        for (int i = 0; i < 4; ++i) {
            value = value * 256 + Byte();
        }
        return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
    }

    std::int32_t Int() { return static_cast<std::int32_t>(Number()); }
    std::uint32_t UInt() { return static_cast<std::uint32_t>(Number()); }

    double Real()
    {
        switch (Pick(8)) {
        case 0:
            return std::numeric_limits<double>::quiet_NaN();
        case 1:
            return std::numeric_limits<double>::infinity();
        case 2:
            return 9.2e18;
        case 3:
            return -1e22;
        case 4:
            return static_cast<double>(Number()) / 7.0;
        default:
            return static_cast<double>(Number());
        }
    }

    std::string Text()
    {
        static const char* const kPieces[] = {"A",    " ",        "\r",           "\n",
                                              "\r\n", "\xC3\xA9", "\xE2\x82\xAC", "\xC2\xAC",
                                              "\t",   "9",        "\xFF",         "Peak"};
        std::string text;
        const std::uint32_t length = Byte() < 16 ? 60 + Pick(60) : Pick(12);
        for (std::uint32_t i = 0; i < length; ++i) {
            text += kPieces[Pick(std::size(kPieces))];
        }
        return text;
    }

private:
    const std::uint8_t* m_data;
    std::size_t m_size;
    std::size_t m_at = 0;
};

class CFuzzPrompt : public CPrompt
{
public:
    explicit CFuzzPrompt(CBytes& bytes) : m_bytes(&bytes) {}
    PromptAnswer AskYesNo(const std::string&) override
    {
        return m_bytes->Bool() ? PromptAnswer::Yes : PromptAnswer::No;
    }
    void ShowMessage(const std::string&) override {}

private:
    CBytes* m_bytes;
};

// The edit dialogs answer OK or Cancel as the bytes say, now and then with a new colour, text,
// threshold or lane count typed in; OK only when the model accepts, as the real ones.
class CFuzzDialogs : public CNetworkViewDialogs
{
public:
    explicit CFuzzDialogs(CBytes& bytes) : m_bytes(&bytes) {}

    bool CreateArm(CDlgArmCreateModel& d) override
    {
        if (m_bytes->Bool())
            d.SetLaneCountText(std::to_string(m_bytes->Number()));
        return Ok() && d.Validate();
    }
    bool EditArm(CDlgEditArmModel&) override { return Ok(); }
    bool EditShortLane(CDlgEditLaneModel& d) override
    {
        if (m_bytes->Bool())
            d.SetLengthText(std::to_string(m_bytes->Number()));
        return Ok() && d.Validate();
    }
    bool EditZone(CDlgEditZoneModel& d) override
    {
        if (m_bytes->Bool())
            d.SetColour(m_bytes->UInt());
        return Ok() && d.Validate();
    }
    bool EditCapacityAssessor(CDlgCapacityAssessorModel& d) override
    {
        if (m_bytes->Bool())
            d.SetThresholdText(std::to_string(m_bytes->Number()));
        return Ok() && d.Validate();
    }
    bool EditLabel(CDlgEditLabelModel& d) override
    {
        if (m_bytes->Bool())
            d.SetTextField(m_bytes->Text());
        if (m_bytes->Bool())
            d.SetHeightText(std::to_string(m_bytes->Number()));
        if (m_bytes->Bool())
            d.SetColour(m_bytes->UInt());
        return Ok() && d.Validate();
    }

private:
    bool Ok() { return m_bytes->Pick(4) != 0; }
    CBytes* m_bytes;
};

// The network view's editing over the document, told of its updates as the window tells it.
struct CFuzzEditing : CDocumentView
{
    CFuzzEditing(CCarouselDoc& doc, CBytes& bytes, CPrompt& prompt)
        : document(&doc), dialogs(bytes), recorder(measurer), state(doc.GetViewStates()),
          editor(doc, state, ProgramSettings::Instance(), dialogs, prompt, recorder)
    {
        doc.AddView(this);
    }
    ~CFuzzEditing() override { document->RemoveView(this); }
    void OnUpdate(int hint) override { editor.OnUpdate(hint); }
    int GetViewKind() const override { return NetworkViewKind; }

    CCarouselDoc* document;
    CFuzzDialogs dialogs;
    CFreeTypeTextMeasurer measurer;
    CEmfRecorder recorder;
    CNetworkViewState state;
    CNetworkViewEditor editor;
};

// The junction of the document tests: arm 1 an entry of two lanes, arm 2 circulatory, arm 3 an
// exit, arm 4 a spare exit; zone 1 enters by arm 1, zone 2 leaves by arm 3; routes built, a
// desired flow of 600, a label, a capacity assessor and a print page.
void MakeJunction(CCarouselDoc& doc)
{
    doc.OnNewDocument();
    CNetwork& network = doc.GetNetwork();
    CArms& arms = network.GetArms();
    const std::uint32_t laneCounts[] = {2, 1, 1, 1};
    for (std::uint32_t a = 0; a < 4; ++a) {
        CArm* arm = arms.InsertArm(a + 1);
        for (std::uint32_t l = 1; l <= laneCounts[a]; ++l) {
            arm->GetLanes().InsertLane(l);
        }
        const double x = 1000.0 * a;
        arm->SetPoints({x, 0.0}, {x + 500.0, 300.0});
    }
    const auto lane = [&](std::uint32_t arm, std::uint32_t number) {
        return arms.GetArm(arm)->GetLanes().GetLane(number);
    };
    CCarouselLaneConnectors& connectors = network.GetLaneConnectors();
    connectors.AddConnector(lane(1, 1), lane(2, 1));
    connectors.AddConnector(lane(1, 2), lane(2, 1));
    connectors.AddConnector(lane(2, 1), lane(3, 1));
    connectors.AddConnector(lane(2, 1), lane(4, 1));
    CZone* origin = network.GetZones().InsertZone(1);
    CZone* destination = network.GetZones().InsertZone(2);
    origin->SetEntryArm(arms.GetArm(1));
    destination->SetExitArm(arms.GetArm(3));
    BuildRoutes(network);
    network.GetCurrentFlowGroup()->SetDesiredFlow(
        network.GetODMovements().Find(origin, destination), 600);
    doc.GetLabels().InsertLabel(1);
    network.GetCapacityAssessors().InsertCapacityAssessor(1, 1500)->SetEntryArm(arms.GetArm(1));
    doc.GetPrintPages().AddPage();
}

// Objects chosen by the bytes; none when the document has none of the kind.
struct CChooser
{
    CCarouselDoc& doc;
    CBytes& bytes;
    CNetworkViewEditor& editor;

    CNetwork& Net() { return doc.GetNetwork(); }
    CArm* Arm()
    {
        const std::uint32_t count = Net().GetArms().GetCount();
        return count ? Net().GetArms().GetArm(1 + bytes.Pick(count)) : nullptr;
    }
    // An arm, or none now and then.
    CArm* ArmOrNone() { return bytes.Pick(4) == 0 ? nullptr : Arm(); }
    CLane* Lane()
    {
        CArm* arm = Arm();
        const std::uint32_t count = arm ? arm->GetLanes().GetCount() : 0;
        return count ? arm->GetLanes().GetLane(1 + bytes.Pick(count)) : nullptr;
    }
    CZone* Zone()
    {
        const std::uint32_t count = Net().GetZones().GetCount();
        return count ? Net().GetZones().GetZone(1 + bytes.Pick(count)) : nullptr;
    }
    CRoute* Route()
    {
        const std::uint32_t count = Net().GetRoutes().GetRouteCount();
        return count ? Net().GetRoutes().GetRoute(1 + bytes.Pick(count)) : nullptr;
    }
    CCarouselLaneConnector* Connector()
    {
        const auto all = Net().GetLaneConnectors().GetConnectorsInCreationOrder();
        return all.empty() ? nullptr : all[bytes.Pick(static_cast<std::uint32_t>(all.size()))];
    }
    CLabel* Label()
    {
        const std::uint32_t count = doc.GetLabels().GetCount();
        return count ? doc.GetLabels().GetLabel(1 + bytes.Pick(count)) : nullptr;
    }
    CCapacityAssessor* Assessor()
    {
        const std::uint32_t count = Net().GetCapacityAssessors().GetCount();
        return count ? Net().GetCapacityAssessors().GetCapacityAssessor(1 + bytes.Pick(count))
                     : nullptr;
    }
    CFlowGroup* Group()
    {
        const std::uint32_t count = Net().GetFlowGroups().GetCount();
        return count ? Net().GetFlowGroups().GetFlowGroup(1 + bytes.Pick(count)) : nullptr;
    }
    // A point on something the view can grab, or anywhere, near or far.
    CPoint Point()
    {
        switch (bytes.Pick(6)) {
        case 0:
            if (CArm* arm = Arm())
                return ArmSegment(*arm).PointAt(0.0, bytes.Pick(3) * 500.0);
            break;
        case 1:
            if (CLabel* label = Label())
                return {static_cast<int>(label->GetFirstPoint().x),
                        static_cast<int>(label->GetFirstPoint().y)};
            break;
        case 2:
            if (CCapacityAssessor* assessor = Assessor())
                return {assessor->GetGraphics().x, assessor->GetGraphics().y};
            break;
        case 3:
            return {doc.GetODMatrix().GetX() + static_cast<int>(bytes.Pick(40)),
                    doc.GetODMatrix().GetY()};
        default:
            break;
        }
        return {bytes.Int(), bytes.Int()};
    }
    // Mouse moves from p, small steps or jumps to anywhere.
    void Moves(CPoint& p)
    {
        for (std::uint32_t n = bytes.Pick(4); n > 0; --n) {
            p = bytes.Bool() ? CPoint{p.x + bytes.Int(), p.y + bytes.Int()}
                             : CPoint{bytes.Int(), bytes.Int()};
            editor.MouseMove(p);
        }
    }
    // A gesture ends with the view at rest: a placement or band still open is cancelled.
    void Settle()
    {
        if (editor.GetMode() != CNetworkViewEditor::EMode::Idle)
            editor.Escape();
        if (editor.GetMode() != CNetworkViewEditor::EMode::Idle)
            editor.LeftButtonUp({0, 0});
    }
    CPrintPage* Page()
    {
        const int count = doc.GetPrintPages().GetCount();
        return count ? doc.GetPrintPages().GetPage(
                           1 + static_cast<int>(bytes.Pick(static_cast<std::uint32_t>(count))))
                     : nullptr;
    }
};

using CCommand = std::function<void(CCarouselDoc&, CChooser&, CBytes&)>;

const std::vector<CCommand>& Commands()
{
    static const std::vector<CCommand> commands = {
        [](CCarouselDoc& d, CChooser&, CBytes& b) {
            const std::uint32_t number = b.UInt();
            const std::uint32_t lanes = b.Pick(8) == 0 ? b.UInt() : b.Pick(4);
            if (CArm* arm = d.BeginAddArm(number, lanes)) {
                if (b.Bool())
                    d.CommitAddArm();
                else
                    d.CancelAddArm(*arm);
            }
        },
        [](CCarouselDoc& d, CChooser& c, CBytes& b) {
            if (CArm* arm = c.Arm())
                d.EditArm(*arm, b.UInt());
        },
        [](CCarouselDoc& d, CChooser& c, CBytes&) {
            if (CArm* arm = c.Arm())
                d.DeleteArm(*arm);
        },
        [](CCarouselDoc& d, CChooser& c, CBytes& b) {
            if (CArm* arm = c.Arm())
                d.MoveArm(*arm, b.Real(), b.Real());
        },
        [](CCarouselDoc& d, CChooser& c, CBytes& b) {
            if (CLane* lane = c.Lane())
                d.AddShortLane(*lane, b.Bool() ? LaneSide::Left : LaneSide::Right, b.Int());
        },
        [](CCarouselDoc& d, CChooser& c, CBytes& b) {
            if (CLane* lane = c.Lane())
                d.AddInfinitelyLongLane(*lane, b.Bool() ? LaneSide::Left : LaneSide::Right);
        },
        [](CCarouselDoc& d, CChooser& c, CBytes& b) {
            if (CLane* lane = c.Lane())
                d.EditShortLane(*lane, b.Int());
        },
        [](CCarouselDoc& d, CChooser& c, CBytes&) {
            if (CLane* lane = c.Lane())
                d.ConvertToInfinitelyLongLane(*lane);
        },
        [](CCarouselDoc& d, CChooser& c, CBytes& b) {
            CLane* lane = c.Lane();
            CLane* neighbour =
                lane ? (b.Bool() ? lane->GetLeftNeighbour() : lane->GetRightNeighbour()) : nullptr;
            if (lane && neighbour)
                d.ConvertToShortLane(*lane, *neighbour, b.Int());
        },
        [](CCarouselDoc& d, CChooser& c, CBytes&) {
            if (CLane* lane = c.Lane())
                d.DeleteLane(*lane);
        },
        [](CCarouselDoc& d, CChooser& c, CBytes&) {
            CLane* from = c.Lane();
            CLane* to = c.Lane();
            if (from && to)
                d.AddLaneConnector(*from, *to);
        },
        [](CCarouselDoc& d, CChooser& c, CBytes&) {
            if (CCarouselLaneConnector* connector = c.Connector())
                d.DeleteLaneConnector(*connector);
        },
        [](CCarouselDoc& d, CChooser& c, CBytes& b) {
            CArm* entry = c.ArmOrNone();
            CArm* exit = c.ArmOrNone();
            d.AddZone(b.UInt(), entry, exit, b.UInt());
        },
        [](CCarouselDoc& d, CChooser& c, CBytes& b) {
            CZone* zone = c.Zone();
            CArm* entry = b.Bool() && zone ? zone->GetEntryArm() : c.ArmOrNone();
            CArm* exit = b.Bool() && zone ? zone->GetExitArm() : c.ArmOrNone();
            if (zone)
                d.EditZone(*zone, b.UInt(), entry, exit, b.UInt());
        },
        [](CCarouselDoc& d, CChooser& c, CBytes&) {
            if (CZone* zone = c.Zone())
                d.DeleteZone(*zone);
        },
        [](CCarouselDoc& d, CChooser&, CBytes& b) {
            ProgramSettings::Instance().DefLabelTextHeight = b.Int();
            if (CLabel* label = d.BeginAddLabel(b.UInt())) {
                if (b.Bool())
                    d.CommitAddLabel();
                else
                    d.CancelAddLabel(*label);
            }
        },
        [](CCarouselDoc& d, CChooser& c, CBytes& b) {
            if (CLabel* label = c.Label())
                d.EditLabel(*label, b.Text(), b.Int(), b.UInt());
        },
        [](CCarouselDoc& d, CChooser& c, CBytes&) {
            if (CLabel* label = c.Label())
                d.DeleteLabel(*label);
        },
        [](CCarouselDoc& d, CChooser& c, CBytes& b) {
            if (CLabel* label = c.Label())
                d.MoveLabel(*label, b.Real(), b.Real());
        },
        [](CCarouselDoc& d, CChooser& c, CBytes& b) {
            ProgramSettings::Instance().DefCapacityAssessorThreshold = b.Int();
            CArm* entry = c.ArmOrNone();
            CArm* circulatory = c.ArmOrNone();
            std::optional<std::int32_t> threshold;
            if (b.Bool())
                threshold = b.Int();
            if (CCapacityAssessor* assessor =
                    d.BeginAddCapacityAssessor(b.UInt(), entry, circulatory, threshold)) {
                if (b.Bool())
                    d.CommitAddCapacityAssessor();
                else
                    d.CancelAddCapacityAssessor(*assessor);
            }
        },
        [](CCarouselDoc& d, CChooser& c, CBytes& b) {
            CCapacityAssessor* assessor = c.Assessor();
            CArm* entry = c.ArmOrNone();
            CArm* circulatory = c.ArmOrNone();
            if (assessor)
                d.EditCapacityAssessor(*assessor, entry, circulatory, b.Int());
        },
        [](CCarouselDoc& d, CChooser& c, CBytes&) {
            if (CCapacityAssessor* assessor = c.Assessor())
                d.DeleteCapacityAssessor(*assessor);
        },
        [](CCarouselDoc& d, CChooser& c, CBytes& b) {
            if (CCapacityAssessor* assessor = c.Assessor())
                d.MoveCapacityAssessor(*assessor, b.Int(), b.Int());
        },
        [](CCarouselDoc& d, CChooser&, CBytes& b) { d.MoveODMatrix(b.Int(), b.Int()); },
        [](CCarouselDoc& d, CChooser&, CBytes&) { d.BuildRoutes(); },
        [](CCarouselDoc& d, CChooser&, CBytes&) { d.DeleteAllRoutes(); },
        [](CCarouselDoc& d, CChooser&, CBytes&) { d.MakeCircularRoutesNonPermitted(); },
        [](CCarouselDoc& d, CChooser& c, CBytes& b) {
            if (CRoute* route = c.Route())
                d.SetRoutePermitted(*route, b.Bool());
        },
        [](CCarouselDoc& d, CChooser& c, CBytes&) {
            if (CRoute* route = c.Route())
                d.DeleteRoute(*route);
        },
        [](CCarouselDoc& d, CChooser& c, CBytes&) {
            if (CRoute* route = c.Route())
                d.ToggleRouteLock(*route);
        },
        [](CCarouselDoc& d, CChooser& c, CBytes& b) {
            CRoute* route = c.Route();
            if (!route)
                return;
            CRouteFlowEdit edit;
            edit.flow = b.Real();
            edit.locked = b.Bool();
            edit.shareEqually = b.Bool();
            for (std::uint32_t n = b.Pick(4); n > 0; --n)
                if (CRoute* other = c.Route())
                    edit.proportions[other->GetId()] = b.Pick(2) ? b.Pick(101) / 100.0 : b.Real();
            d.EditRoute(*route, edit);
        },
        [](CCarouselDoc& d, CChooser&, CBytes& b) { d.SetAllFilteredRoutesPermitted(b.Bool()); },
        [](CCarouselDoc& d, CChooser& c, CBytes&) {
            if (CArm* arm = c.Arm())
                d.BalanceLaneFlowsOnArm(*arm);
        },
        [](CCarouselDoc& d, CChooser&, CBytes&) { d.BalanceLaneFlowsOnAllArms(); },
        [](CCarouselDoc& d, CChooser& c, CBytes& b) {
            d.AddFlowGroup(static_cast<FlowGroupAddPosition>(b.Pick(3)), c.Group());
        },
        [](CCarouselDoc& d, CChooser& c, CBytes& b) {
            if (CFlowGroup* group = c.Group()) {
                const std::uint32_t number = b.UInt();
                std::string description = b.Text();
                const std::int64_t start = b.Pick(2) ? b.Number() * 60 : b.Number();
                const std::int64_t end = b.Pick(2) ? b.Number() * 60 : b.Number();
                d.EditFlowGroup(*group, number, std::move(description), start, end);
            }
        },
        [](CCarouselDoc& d, CChooser& c, CBytes&) {
            if (CFlowGroup* group = c.Group())
                d.DeleteFlowGroup(*group);
        },
        [](CCarouselDoc& d, CChooser&, CBytes& b) {
            if (CPrintPage* page = d.BeginAddPrintZone()) {
                if (b.Bool())
                    d.CommitAddPrintZone();
                else
                    d.CancelAddPrintZone(*page);
            }
        },
        [](CCarouselDoc& d, CChooser& c, CBytes&) {
            if (CPrintPage* page = c.Page())
                d.DeletePrintZone(*page);
        },
        [](CCarouselDoc& d, CChooser& c, CBytes& b) {
            if (CPrintPage* page = c.Page())
                d.MovePrintZone(*page, b.Int(), b.Int());
        },
        [](CCarouselDoc& d, CChooser& c, CBytes& b) {
            if (CPrintPage* page = c.Page())
                d.ResizePrintZone(*page, b.Int(), b.Int(), b.Int(), b.Int());
        },
        [](CCarouselDoc& d, CChooser& c, CBytes& b) {
            CPrintPage* page = c.Page();
            if (!page)
                return;
            CPrintPageLayout layout;
            layout.position = b.Int();
            layout.scaleToFit = b.Bool();
            layout.scale = b.Real();
            layout.cropToPrintZone = b.Bool();
            layout.landscape = b.Bool();
            layout.titleBlockPosition =
                b.Bool() ? TitleBlockPosition::Right : TitleBlockPosition::Bottom;
            layout.pageTitle = b.Text();
            layout.indicateScale = b.Bool();
            d.EditPrintZone(*page, layout);
        },
        [](CCarouselDoc& d, CChooser&, CBytes& b) {
            NetworkSettings settings = d.GetNetworkSettings();
            settings.ArmTextHeight = b.Int();
            settings.GridSize = b.Int();
            settings.ODMatrixTextHeight = b.Int();
            settings.LaneFlowDelimiter = b.Text();
            settings.Author = b.Text();
            CProjectInformation project = d.GetProjectInformation();
            project.title = b.Text();
            project.notes = b.Text();
            d.EditNetworkSettings(project, settings);
        },
        [](CCarouselDoc& d, CChooser&, CBytes&) { d.ToggleODMatrixShown(); },
        [](CCarouselDoc& d, CChooser&, CBytes&) { d.ToggleAutoRebuildRoutes(); },
        [](CCarouselDoc& d, CChooser& c, CBytes& b) {
            CZone* origin = c.Zone();
            CZone* destination = c.Zone();
            if (origin && destination)
                d.SetODMatrixFlow(origin->GetNumber(), destination->GetNumber(), b.Number());
        },
        // A print zone resized by one of its handles (or the body, or none) to any point; the
        // page made current and its zone hit-tested as the view's print layout mode does.
        [](CCarouselDoc& d, CChooser& c, CBytes& b) {
            CPrintPage* page = c.Page();
            if (!page)
                return;
            d.SetCurrentPrintPage(page);
            const CPoint p = c.Point();
            const EPrintZoneHit hit = b.Bool()
                                          ? HitTestPrintZone(PrintZoneRect(page->GetPrintZone()), p)
                                          : static_cast<EPrintZoneHit>(b.Pick(10));
            d.ResizePrintZoneByHandle(*page, hit, c.Point());
            if (d.GetCurrentPrintPage() != page)
                Fail("the current print page was lost by its own resize");
        },
        // A press, moves and a release (or Escape) in the network view: drags, bands, pans.
        [](CCarouselDoc&, CChooser& c, CBytes& b) {
            CPoint p = c.Point();
            c.editor.LeftButtonDown(p, b.Pick(4) == 0);
            c.Moves(p);
            if (b.Pick(4) == 0)
                c.editor.Escape();
            else
                c.editor.LeftButtonUp(p);
            c.Settle();
        },
        // A command of the view (dialogs and questions answered by the bytes); a placement or a
        // band it starts follows the mouse and ends with a click or Escape.
        [](CCarouselDoc&, CChooser& c, CBytes& b) {
            const auto command = static_cast<EViewCommand>(
                b.Pick(static_cast<std::uint32_t>(EViewCommand::NetworkDiagramDxfExport) + 1));
            c.editor.RightButtonDown(c.Point());
            c.editor.RunCommand(command);
            CPoint p = c.Point();
            c.Moves(p);
            if (b.Bool()) {
                c.editor.LeftButtonDown(p, false);
                c.editor.LeftButtonUp(p);
            }
            c.Settle();
        },
        // Keys and a double click on what a click selects.
        [](CCarouselDoc&, CChooser& c, CBytes& b) {
            const CPoint p = c.Point();
            c.editor.LeftButtonDown(p, false);
            c.editor.LeftButtonUp(p);
            switch (b.Pick(4)) {
            case 0:
                c.editor.Nudge(b.Int(), b.Int());
                break;
            case 1:
                c.editor.DeleteSelection();
                break;
            case 2:
                c.editor.EditSelection();
                break;
            default:
                c.editor.LeftDoubleClick();
                break;
            }
            c.Settle();
        },
        [](CCarouselDoc& d, CChooser&, CBytes& b) {
            if (b.Pick(2))
                d.Undo();
            else
                d.Redo();
        },
    };
    return commands;
}

// The file as Save writes it, in memory.
std::string SavedBytes(const CCarouselDoc& doc, const NetworkSettings& settings)
{
    std::ostringstream out(std::ios::binary);
    CCardWriterFile writer(out);
    CCarouselFileWriterV1(doc.GetData(), writer, settings).Write(false);
    return out.str();
}

void CheckSavable(const CCarouselDoc& doc, const NetworkSettings& settings, std::size_t step)
{
    const std::string where = " after command " + std::to_string(step) + ": ";
    std::string saved;
    try {
        doc.SaveSnapshot();
        saved = SavedBytes(doc, settings);
    } catch (const std::exception& e) {
        Fail("the document cannot be written" + where + e.what());
    }
    std::istringstream in(saved, std::ios::binary);
    CCardStreamFile stream(in);
    NetworkSettings reread;
    std::unique_ptr<CDocumentData> loaded;
    try {
        loaded = ReadNetwork(stream, reread, false);
    } catch (...) {
        Fail("the saved file does not load" + where);
    }
    if (!loaded->readAdjustments.empty())
        Fail("the saved file needed changes to load" + where +
             ReadAdjustmentText(loaded->readAdjustments.front()));
    std::ostringstream again(std::ios::binary);
    CCardWriterFile writer(again);
    CCarouselFileWriterV1(*loaded, writer, reread).Write(false);
    if (again.str() != saved)
        Fail("the saved file saves again to other bytes" + where);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    constexpr std::size_t kMaxCommands = 64; // fewer than the 100 checkpoints kept
    ProgramSettings::Instance() = ProgramSettings();
    CBytes bytes(data, size);
    CFuzzPrompt prompt(bytes);
    NetworkSettings settings;
    CCarouselDoc doc(ProgramSettings::Instance(), settings, &prompt);
    MakeJunction(doc);
    const std::string start = doc.SaveSnapshot();

    CFuzzEditing editing(doc, bytes, prompt);
    CChooser chooser{doc, bytes, editing.editor};
    const std::vector<CCommand>& commands = Commands();
    for (std::size_t step = 1; step <= kMaxCommands && !bytes.Empty(); ++step) {
        const std::uint32_t command = bytes.Pick(static_cast<std::uint32_t>(commands.size()));
        try {
            commands[command](doc, chooser, bytes);
        } catch (const std::exception& e) {
            Fail("command " + std::to_string(command) + " threw: " + e.what());
        }
        CheckSavable(doc, settings, step);
    }

    // An undo among the commands may have left later states to redo: the newest is the end.
    while (doc.CanRedo())
        if (!doc.Redo())
            Fail("a redo failed");
    const std::string end = doc.SaveSnapshot();
    while (doc.CanUndo())
        if (!doc.Undo())
            Fail("an undo failed");
    if (doc.SaveSnapshot() != start)
        Fail("undo all the way did not give the starting document back");
    while (doc.CanRedo())
        if (!doc.Redo())
            Fail("a redo failed");
    if (doc.SaveSnapshot() != end)
        Fail("redo all the way did not give the final document back");
    return 0;
}
