// Fit scale, the page mapping and the plan of a printed page: centring, origins and cropping.
#include "printer_caps_samples.h"
#include "printing/page_print_plan.h"
#include "printing/print_page.h"

#include <gtest/gtest.h>

using TestSupport::A4Landscape254;
using TestSupport::A4Landscape600;

namespace
{

TEST(FitScaleTest, SmallerRatioOrOneWithoutWidthOrHeight)
{
    EXPECT_DOUBLE_EQ(FitScale({110, 110, 2260, 1990}, {603, 1182, 1398, 1690}), 2150.0 / 795.0);
    EXPECT_DOUBLE_EQ(FitScale({0, 0, 1000, 100}, {0, 0, 100, 100}), 1.0);
    EXPECT_DOUBLE_EQ(FitScale({0, 0, 1000, 1000}, {0, 0, 4000, 2000}), 0.25);
    EXPECT_DOUBLE_EQ(FitScale({0, 0, 1000, 1000}, {500, 0, 500, 900}), 1.0);
    EXPECT_DOUBLE_EQ(FitScale({0, 0, 1000, 1000}, {0, 7, 900, 7}), 1.0);
    EXPECT_DOUBLE_EQ(FitScale({}, {0, 0, 100, 100}), 1.0);
}

TEST(PageMappingTest, ExtentTruncatedAndPointsRoundedHalvesAwayFromZero)
{
    EXPECT_EQ(PageMapping(A4Landscape600(), 2150.0 / 795.0).viewportExtent, (CSize{1622, 1622}));
    CPrinterCaps caps = A4Landscape254();
    caps.logPixelsX = caps.logPixelsY = 127; // half a pixel a unit
    CPageMapping mapping = PageMapping(caps, 1.0);
    EXPECT_EQ(mapping.ToDevice(CPoint{1, -1}), (CPoint{1, -1}));
    EXPECT_EQ(mapping.ToDevice(CPoint{3, -3}), (CPoint{2, -2}));
    mapping.windowOrigin = {100, 200};
    mapping.viewportOrigin = {-7, 9};
    EXPECT_EQ(mapping.ToDevice(CPoint{100, 200}), (CPoint{-7, 9}));
    EXPECT_EQ(mapping.ToLogical(CPoint{-4, 6}), (CPoint{106, 194}));
    EXPECT_EQ(CPageMapping{}.ToLogical(CPoint{500, 500}), (CPoint{0, 0})); // no extent
}

// The new page's zone (603, 1182)-(1398, 1690), its title block on the right.
CPrintPage& Page(CPrintPages& pages, bool fit = true, bool crop = true)
{
    CPrintPage& page = *pages.AddPage();
    page.GetPrintZone().SetScaleToFit(fit);
    page.GetPrintZone().SetCropToPrintZone(crop);
    page.GetDrawingFrame().SetTitleBlockPosition(TitleBlockPosition::Right);
    page.GetDrawingFrame().SetStripWidth(600);
    return page;
}

TEST(PagePlanTest, ZoneFittedAndCentredInTheAreaBesideTheStrip)
{
    CPrintPages pages;
    const CPagePrintPlan plan = PlanPrintedPage(Page(pages), A4Landscape600());
    EXPECT_EQ(plan.frame, (CRect{100, 100, 2870, 2000}));
    EXPECT_EQ(plan.drawingArea, (CRect{110, 110, 2260, 1990}));
    EXPECT_EQ(plan.deviceArea, (CRect{260, 260, 5339, 4701}));
    EXPECT_EQ(plan.zoneMapping.viewportExtent, (CSize{1622, 1622}));
    EXPECT_EQ(plan.zoneMapping.windowOrigin, (CPoint{603, 1182}));
    // The zone is 5076 x 3244 pixels: (260 + 5339) / 2 - 5076 / 2 and (260 + 4701) / 2 - 1622.
    EXPECT_EQ(plan.zoneMapping.viewportOrigin, (CPoint{261, 858}));
    EXPECT_EQ(plan.drawingRect, (CRect{603, 1182, 1398, 1690}));
    // Not cropped, all of the area is drawn.
    EXPECT_EQ(PlanPrintedPage(Page(pages, true, false), A4Landscape600()).drawingRect,
              (CRect{603, 1088, 1398, 1784}));
}

TEST(PagePlanTest, DeviceOriginAtThePrintableCornerIsTakenOffOnce)
{
    CPrintPages pages;
    CPrinterCaps caps = A4Landscape600();
    caps.originOffsetX = caps.originOffsetY = 100;
    const CPagePrintPlan plan = PlanPrintedPage(Page(pages), caps);
    EXPECT_EQ(plan.frameMapping.viewportOrigin, (CPoint{-100, -100}));
    EXPECT_EQ(plan.zoneMapping.viewportOrigin, (CPoint{161, 758}));
    EXPECT_EQ(plan.drawingRect, (CRect{603, 1182, 1398, 1690})); // the same place on paper
}

TEST(PagePlanTest, CentringHalvesTruncateTowardZero)
{
    CPrintPages pages;
    CPrintPage& page = Page(pages, false);
    page.GetDrawingFrame().SetTitleBlockPosition(TitleBlockPosition::None);
    page.GetPrintZone().SetRect(-501, -301, -100, 0); // 401 x 301 at scale 1
    CPrinterCaps caps = A4Landscape254();
    caps.physicalWidth = caps.horzRes = 2971; // area 110..2861: an odd sum
    caps.originOffsetX = 3000;
    const CPagePrintPlan plan = PlanPrintedPage(page, caps);
    EXPECT_EQ(plan.deviceArea, (CRect{-2890, 110, -139, 1990}));
    // (-2890 - 139) / 2 = -1514, not -1515; 401 / 2 = 200; (110 + 1990) / 2 - 301 / 2 = 900.
    EXPECT_EQ(plan.zoneMapping.viewportOrigin, (CPoint{-1714, 900}));
    EXPECT_EQ(plan.drawingRect, (CRect{-501, -301, -100, 0}));
}

TEST(PagePlanTest, DegenerateZonesPrintAtScaleOneAndInsideOutOnesTheRightWayRound)
{
    CPrintPages pages;
    CPrintPage& flat = Page(pages);
    flat.GetPrintZone().SetRect(500, 500, 500, 900);
    const CPagePrintPlan plan = PlanPrintedPage(flat, A4Landscape600());
    EXPECT_EQ(plan.zoneMapping.viewportExtent, (CSize{600, 600}));
    EXPECT_TRUE(plan.drawingRect.IsEmpty());

    CPrintPage& reversed = Page(pages);
    reversed.GetPrintZone().SetRect(1398, 1690, 603, 1182);
    EXPECT_EQ(PlanPrintedPage(reversed, A4Landscape600()).zoneMapping,
              PlanPrintedPage(Page(pages), A4Landscape600()).zoneMapping);
}

} // namespace
