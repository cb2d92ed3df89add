#include "printing/printable_document.h"

#include "printing/frame_drawing.h"
#include "printing/page_print_plan.h"

CPrintPages& CPrintableDocument::GetPagesToPrint(bool quickPrint)
{
    return quickPrint ? m_quickPrintPages : GetDocumentPrintPages();
}

CPrintPage* CPrintableDocument::GetCurrentPrintPage()
{
    return m_currentPageId == 0 ? nullptr : GetDocumentPrintPages().GetPageById(m_currentPageId);
}

void CPrintableDocument::SetCurrentPrintPage(const CPrintPage* page)
{
    const bool own = page != nullptr && &page->GetOwner() == &GetDocumentPrintPages();
    m_currentPageId = own ? page->GetId() : 0;
}

CPrintPage& CPrintableDocument::SetUpQuickPrintPage(const CRect& extent)
{
    m_quickPrintPages.Clear();
    CPrintPage& page = *m_quickPrintPages.AddPage();
    page.SetTitleBlockPosition(TitleBlockPosition::None);
    page.SetLandscape(true);
    CPrintZone& zone = page.GetPrintZone();
    zone.SetScaleToFit(true);
    zone.SetCropToPrintZone(false);
    zone.SetRect(extent.left, extent.top, extent.right, extent.bottom);
    return page;
}

void CPrintableDocument::SetDefaultTitleBlock(CPrintPage& page, const CPrinterCaps& caps,
                                              std::chrono::year_month_day today)
{
    (void)caps;
    (void)today;
    page.GetDrawingFrame().GetRows().Clear();
}

CRect CPrintableDocument::PrintPage(CPrintTarget& target, CPrintPage& page,
                                    const CPrinterCaps& caps, std::chrono::year_month_day today)
{
    if (!caps.IsUsable())
        return {};
    SetDefaultTitleBlock(page, caps, today);
    const CPagePrintPlan plan = PlanPrintedPage(page, caps);
    DrawDrawingFrame(target.Surface(plan.frameMapping, std::nullopt), page.GetDrawingFrame(),
                     plan.frame);
    DrawPrintedNetwork(target.Surface(plan.zoneMapping, plan.drawingRect));
    return plan.drawingRect;
}
