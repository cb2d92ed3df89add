// The document's printing: title block facts, printing a page onto a target, the quick-print
// page, the current page kept by id, and resizing by a handle.
#include "../printing/printer_caps_samples.h"
#include "../view/support/recording_surface.h"
#include "document_fixture.h"
#include "model/flow_group.h"
#include "printing/page_print_plan.h"
#include "printing/print_zone_hit.h"
#include "printing/title_block.h"
#include "view/network_export.h"

#include <deque>

using namespace std::chrono;
using TestSupport::A4Landscape600;
using TestSupport::CRecordingSurface;

namespace
{

// Keeps every surface it hands out with the mapping and clip it was asked for.
class CRecordingTarget : public CPrintTarget
{
public:
    struct CRequest
    {
        CPageMapping mapping;
        std::optional<CRect> clip;
        CRecordingSurface surface;
    };

    CDrawingSurface& Surface(const CPageMapping& mapping, const std::optional<CRect>& clip) override
    {
        CRequest& request = requests.emplace_back();
        request.mapping = mapping;
        request.clip = clip;
        if (clip)
            request.surface.clipBox = *clip;
        return request.surface;
    }

    std::deque<CRequest> requests;
};

class DocumentPrint : public doctest::CDocumentFixture
{
protected:
    void SetUp() override
    {
        CDocumentFixture::SetUp();
        settings.Company = "Acme Traffic";
        settings.Author = "J. Smith";
        settings.Address = "1 High Street";
        CProjectInformation project;
        project.title = "Ring Road";
        doc.EditNetworkSettings(project, settings);
        doc.SetTitle("junction.crs");
    }

    // The value under a caption in the page's title block; empty when there is no such cell.
    static std::string Value(const CPrintPage& page, const std::string& caption)
    {
        const CDrawingFrameRows& rows = page.GetDrawingFrame().GetRows();
        for (int r = 1; r <= rows.GetCount(); ++r) {
            const CDrawingFrameCells& cells = rows.GetRow(r)->GetCells();
            for (int c = 1; c <= cells.GetCount(); ++c) {
                if (cells.GetCell(c)->GetCaption() == caption)
                    return cells.GetCell(c)->GetValue();
            }
        }
        ADD_FAILURE() << "no cell " << caption;
        return {};
    }

    CPrintPage& AddPage()
    {
        CPrintPage* page = doc.BeginAddPrintZone();
        doc.CommitAddPrintZone();
        return *page;
    }

    static constexpr year_month_day Today = 2026y / December / 7d;
};

TEST_F(DocumentPrint, TitleBlockShowsTheDocumentAsItIsWhenPrinting)
{
    CPrintPage& page = AddPage();
    doc.SetDefaultTitleBlock(page, A4Landscape600(), Today);
    EXPECT_EQ(Value(page, "Company"), "Acme Traffic");
    EXPECT_EQ(Value(page, "Author"), "J. Smith");
    EXPECT_EQ(Value(page, "Address"), "1 High Street");
    EXPECT_EQ(Value(page, "Project Title"), "Ring Road");
    EXPECT_EQ(Value(page, "FileName"), "junction.crs");
    EXPECT_EQ(Value(page, "Flowgroup"), doc.GetNetwork().GetCurrentFlowGroup()->GetDescription());
    EXPECT_EQ(Value(page, "Date"), "07 Dec 2026");

    // Without a current flow group the cell is empty on every side.
    doc.GetNetwork().SetCurrentFlowGroup(nullptr);
    for (const TitleBlockPosition position : {TitleBlockPosition::Left, TitleBlockPosition::Top}) {
        page.SetTitleBlockPosition(position);
        doc.SetDefaultTitleBlock(page, A4Landscape600(), Today);
        EXPECT_EQ(Value(page, "Flowgroup"), "");
    }
}

TEST_F(DocumentPrint, PageIsFramedAtScaleOneThenTheNetworkDrawnClippedAtItsScale)
{
    CPrintPage& page = AddPage();
    page.GetPrintZone().SetRect(-200, -200, 1200, 800); // around the junction
    CRecordingTarget target;
    const CRect drawn = doc.PrintPage(target, page, A4Landscape600(), Today);
    const CPagePrintPlan plan = PlanPrintedPage(page, A4Landscape600());

    ASSERT_EQ(target.requests.size(), 2u);
    const CRecordingTarget::CRequest& frame = target.requests[0];
    EXPECT_EQ(frame.mapping, plan.frameMapping);
    EXPECT_FALSE(frame.clip.has_value());
    EXPECT_EQ(frame.surface.Calls("Polyline 100,100 2870,100 ").size(), 1u);
    const std::vector<std::string> texts = frame.surface.Texts();
    EXPECT_NE(std::find(texts.begin(), texts.end(), "07 Dec 2026"), texts.end());

    const CRecordingTarget::CRequest& network = target.requests[1];
    EXPECT_EQ(network.mapping, plan.zoneMapping);
    EXPECT_EQ(network.clip, drawn);
    EXPECT_EQ(drawn, (CRect{-200, -200, 1200, 800}));
    // The diagram as exported: lanes, no print zone (no NOTXOR fill) and nothing selected.
    EXPECT_FALSE(network.surface.Calls("Polyline").empty());
    EXPECT_TRUE(network.surface.Calls("Rop2 10").empty());

    CRecordingTarget none; // a device that is not usable gets nothing
    EXPECT_TRUE(doc.PrintPage(none, page, CPrinterCaps{}, Today).IsEmpty());
    EXPECT_TRUE(none.requests.empty());
}

TEST_F(DocumentPrint, QuickPrintIsOneFittedPageOverTheWholeDrawing)
{
    AddPage();
    const std::size_t checkpoints = doc.GetCheckpointCount();
    doc.SetModifiedFlag(false);
    const CFixedWidthTextMeasurer measurer;
    doc.PrepareQuickPrint(measurer);
    CPrintPage& page = doc.PrepareQuickPrint(measurer); // again: still one page

    EXPECT_EQ(doc.GetQuickPrintPages().GetCount(), 1);
    EXPECT_EQ(&doc.GetPagesToPrint(true), &doc.GetQuickPrintPages());
    EXPECT_EQ(&doc.GetPagesToPrint(false), &doc.GetPrintPages());
    EXPECT_EQ(page.GetTitleBlockPosition(), TitleBlockPosition::None);
    EXPECT_TRUE(page.IsLandscape());
    EXPECT_TRUE(page.GetPrintZone().GetScaleToFit());
    EXPECT_FALSE(page.GetPrintZone().GetCropToPrintZone());
    const CRect extent =
        DiagramBounds(doc.GetDiagramSource(), doc.GetNetwork().GetCurrentFlowGroup(), measurer);
    ASSERT_FALSE(extent.IsEmpty());
    EXPECT_EQ(PrintZoneRect(page.GetPrintZone()), extent);
    // Not a change to the document.
    EXPECT_EQ(doc.GetCheckpointCount(), checkpoints);
    EXPECT_FALSE(doc.IsModified());

    // An empty network prints at scale one.
    doc.OnNewDocument();
    CPrintPage& empty = doc.PrepareQuickPrint(measurer);
    EXPECT_TRUE(PrintZoneRect(empty.GetPrintZone()).IsEmpty());
    CRecordingTarget target;
    doc.PrintPage(target, empty, A4Landscape600(), Today);
    ASSERT_EQ(target.requests.size(), 2u);
    EXPECT_EQ(target.requests[1].mapping.viewportExtent, (CSize{600, 600}));
}

TEST_F(DocumentPrint, CurrentPageIsKeptByIdAndForgottenWhenItGoes)
{
    CPrintPage& first = AddPage();
    CPrintPage& second = AddPage();
    EXPECT_EQ(doc.GetCurrentPrintPage(), nullptr);
    doc.SetCurrentPrintPage(&second);
    doc.GetPrintPages().MovePage(2, 1);
    EXPECT_EQ(doc.GetCurrentPrintPage(), &second);

    doc.DeletePrintZone(second);
    EXPECT_EQ(doc.GetCurrentPrintPage(), nullptr);

    doc.SetCurrentPrintPage(&first);
    ASSERT_TRUE(doc.Undo()); // every page is read again, with new ids
    EXPECT_EQ(doc.GetCurrentPrintPage(), nullptr);

    doc.SetCurrentPrintPage(&doc.PrepareQuickPrint(CFixedWidthTextMeasurer()));
    EXPECT_EQ(doc.GetCurrentPrintPage(), nullptr);
}

TEST_F(DocumentPrint, ResizingByAHandleKeepsTheZoneGrabbable)
{
    CPrintPage& page = AddPage();
    ASSERT_TRUE(doc.ResizePrintZoneByHandle(page, EPrintZoneHit::Right, {0, 0}));
    EXPECT_EQ(doc.GetUndoName(), "Resize Print Zone");
    EXPECT_EQ(PrintZoneRect(page.GetPrintZone()),
              (CRect{603, 1182, 603 + MinimumPrintZoneSize, 1690}));

    const std::size_t checkpoints = doc.GetCheckpointCount();
    EXPECT_FALSE(doc.ResizePrintZoneByHandle(page, EPrintZoneHit::Body, {0, 0}));
    EXPECT_EQ(doc.GetCheckpointCount(), checkpoints);
}

} // namespace
