// Fit scale, the page mapping and the plan of a printed page: centring, origins and cropping.
#include "printer_caps_samples.h"
#include "printing/page_print_plan.h"
#include "printing/print_page.h"

#include <gtest/gtest.h>

using TestSupport::A4Landscape254;
using TestSupport::A4Landscape600;

namespace
{

struct FitCase
{
    const char* Name;
    CRect Area;
    CRect Zone;
    double Scale;
};

class FitScaleTest : public testing::TestWithParam<FitCase>
{};

TEST_P(FitScaleTest, SmallerRatioOrOneWithoutAnArea)
{
    EXPECT_DOUBLE_EQ(FitScale(GetParam().Area, GetParam().Zone), GetParam().Scale);
}

INSTANTIATE_TEST_SUITE_P(
    Zones, FitScaleTest,
    testing::Values(FitCase{"WidthDecides", {110, 110, 2260, 1990}, {603, 1182, 1398, 1690},
                            2150.0 / 795.0},
                    FitCase{"HeightDecides", {0, 0, 1000, 100}, {0, 0, 100, 100}, 1.0},
                    FitCase{"Shrinks", {0, 0, 1000, 1000}, {0, 0, 4000, 2000}, 0.25},
                    FitCase{"ZoneWithoutWidth", {0, 0, 1000, 1000}, {500, 0, 500, 900}, 1.0},
                    FitCase{"ZoneWithoutHeight", {0, 0, 1000, 1000}, {0, 7, 900, 7}, 1.0},
                    FitCase{"EmptyZoneOfAnEmptyNetwork", {0, 0, 1000, 1000}, {}, 1.0},
                    FitCase{"NoArea", {}, {0, 0, 100, 100}, 1.0}),
    [](const testing::TestParamInfo<FitCase>& paramInfo) { return paramInfo.param.Name; });

TEST(PageMappingTest, ExtentIsTruncatedAndPointsRoundHalvesAwayFromZero)
{
    EXPECT_EQ(PageMapping(A4Landscape600(), 2150.0 / 795.0).viewportExtent, (CSize{1622, 1622}));
    EXPECT_EQ(PageMapping(A4Landscape600(), 0.1).viewportExtent, (CSize{60, 60}));

    CPrinterCaps caps = A4Landscape254();
    caps.logPixelsX = caps.logPixelsY = 127; // half a pixel per unit
    const CPageMapping mapping = PageMapping(caps, 1.0);
    EXPECT_EQ(mapping.ToDevice(CPoint{1, -1}), (CPoint{1, -1}));
    EXPECT_EQ(mapping.ToDevice(CPoint{3, -3}), (CPoint{2, -2}));
    EXPECT_EQ(mapping.ToDevice(CPoint{4, -4}), (CPoint{2, -2}));
    EXPECT_EQ(mapping.ToLogical(CPoint{3, -3}), (CPoint{6, -6}));

    CPageMapping moved = mapping;
    moved.windowOrigin = {100, 200};
    moved.viewportOrigin = {-7, 9};
    EXPECT_EQ(moved.ToDevice(CPoint{100, 200}), (CPoint{-7, 9}));
    EXPECT_EQ(moved.ToLogical(moved.ToDevice(CPoint{150, 100})), (CPoint{150, 100}));

    const CPageMapping flat{};
    EXPECT_EQ(flat.ToLogical(CPoint{500, 500}), (CPoint{0, 0})); // no extent: no division
}

class PagePlanTest : public testing::Test
{
protected:
    // The new page's zone (603, 1182)-(1398, 1690) with its title block on the right.
    CPrintPage& Page(bool fit = true, bool crop = true)
    {
        CPrintPage& page = *pages.AddPage();
        page.GetPrintZone().SetScaleToFit(fit);
        page.GetPrintZone().SetCropToPrintZone(crop);
        page.GetDrawingFrame().SetTitleBlockPosition(TitleBlockPosition::Right);
        page.GetDrawingFrame().SetStripWidth(600);
        return page;
    }

    CPrintPages pages;
};

TEST_F(PagePlanTest, ZoneFittedAndCentredInTheAreaBesideTheStrip)
{
    const CPagePrintPlan plan = PlanPrintedPage(Page(), A4Landscape600());
    EXPECT_EQ(plan.frame, (CRect{100, 100, 2870, 2000}));
    EXPECT_EQ(plan.frameMapping.viewportOrigin, (CPoint{0, 0}));
    EXPECT_EQ(plan.drawingArea, (CRect{110, 110, 2260, 1990}));
    EXPECT_EQ(plan.deviceArea, (CRect{260, 260, 5339, 4701}));
    EXPECT_DOUBLE_EQ(plan.scale, 2150.0 / 795.0);
    EXPECT_EQ(plan.zoneMapping.viewportExtent, (CSize{1622, 1622}));
    EXPECT_EQ(plan.zoneMapping.windowOrigin, (CPoint{603, 1182}));
    // The zone is 5076 x 3244 pixels: (260 + 5339) / 2 - 5076 / 2 and (260 + 4701) / 2 - 1622.
    EXPECT_EQ(plan.zoneMapping.viewportOrigin, (CPoint{261, 858}));
    EXPECT_EQ(plan.drawingRect, (CRect{603, 1182, 1398, 1690}));
}

TEST_F(PagePlanTest, WithoutCroppingTheWholeAreaIsDrawn)
{
    const CPagePrintPlan plan = PlanPrintedPage(Page(true, false), A4Landscape600());
    EXPECT_EQ(plan.drawingRect, (CRect{603, 1088, 1398, 1784}));
}

TEST_F(PagePlanTest, DeviceOriginAtThePrintableCornerIsTakenOffOnce)
{
    CPrinterCaps caps = A4Landscape600();
    caps.originOffsetX = caps.originOffsetY = 100;
    const CPagePrintPlan plan = PlanPrintedPage(Page(), caps);
    EXPECT_EQ(plan.frameMapping.viewportOrigin, (CPoint{-100, -100}));
    EXPECT_EQ(plan.deviceArea, (CRect{160, 160, 5239, 4601}));
    EXPECT_EQ(plan.zoneMapping.viewportOrigin, (CPoint{161, 758}));
    // The same place on paper as on a full-page device.
    EXPECT_EQ(plan.drawingRect, (CRect{603, 1182, 1398, 1690}));
}

TEST_F(PagePlanTest, CentringHalvesTruncateTowardZero)
{
    CPrintPage& page = Page(false);
    page.GetDrawingFrame().SetTitleBlockPosition(TitleBlockPosition::None);
    page.GetPrintZone().SetRect(-501, -301, -100, 0); // 401 x 301 at scale 1
    CPrinterCaps caps = A4Landscape254();
    caps.physicalWidth = caps.horzRes = 2971; // area 110..2861: an odd sum
    caps.originOffsetX = 3000;
    const CPagePrintPlan plan = PlanPrintedPage(page, caps);
    EXPECT_EQ(plan.deviceArea, (CRect{-2890, 110, -139, 1990}));
    // (-2890 - 139) / 2 = -1514, not -1515; 401 / 2 = 200; (110 + 1990) / 2 - 301 / 2 = 900.
    EXPECT_EQ(plan.zoneMapping.viewportOrigin, (CPoint{-1714, 900}));
    EXPECT_EQ(plan.zoneMapping.windowOrigin, (CPoint{-501, -301}));
    EXPECT_EQ(plan.drawingRect, (CRect{-501, -301, -100, 0}));
}

TEST_F(PagePlanTest, DegenerateAndInsideOutZones)
{
    CPrintPage& flat = Page();
    flat.GetPrintZone().SetRect(500, 500, 500, 900);
    const CPagePrintPlan plan = PlanPrintedPage(flat, A4Landscape600());
    EXPECT_DOUBLE_EQ(plan.scale, 1.0);
    EXPECT_EQ(plan.zoneMapping.viewportExtent, (CSize{600, 600}));
    EXPECT_TRUE(plan.drawingRect.IsEmpty());

    CPrintPage& reversed = Page();
    reversed.GetPrintZone().SetRect(1398, 1690, 603, 1182);
    const CPagePrintPlan turned = PlanPrintedPage(reversed, A4Landscape600());
    EXPECT_EQ(turned.zoneMapping, PlanPrintedPage(Page(), A4Landscape600()).zoneMapping);
    EXPECT_EQ(turned.drawingRect, (CRect{603, 1182, 1398, 1690}));
}

TEST_F(PagePlanTest, ExplicitScaleSetsTheViewportExtent)
{
    CPrintPage& page = Page(false);
    page.GetPrintZone().SetScale(0.5);
    const CPagePrintPlan plan = PlanPrintedPage(page, A4Landscape600());
    EXPECT_DOUBLE_EQ(plan.scale, 0.5);
    EXPECT_EQ(plan.zoneMapping.viewportExtent, (CSize{300, 300}));
    // Half size, the zone fits in the area with room to spare: cropping keeps to the zone.
    EXPECT_EQ(plan.drawingRect, (CRect{603, 1182, 1398, 1690}));
}

TEST_F(PagePlanTest, UnusableDeviceGivesAnEmptyPlan)
{
    const CPagePrintPlan plan = PlanPrintedPage(Page(), CPrinterCaps{});
    EXPECT_TRUE(plan.frame.IsEmpty());
    EXPECT_TRUE(plan.drawingRect.IsEmpty());
}

} // namespace
