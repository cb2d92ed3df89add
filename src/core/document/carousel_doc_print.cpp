// The document's printing: title block facts, the quick-print page and resizing print zones.
#include "document/carousel_doc.h"
#include "printing/print_zone_hit.h"
#include "printing/title_block.h"
#include "model/flow_group.h"
#include "view/network_export.h"

CTitleBlockFacts CCarouselDoc::GetTitleBlockFacts(std::chrono::year_month_day today) const
{
    CTitleBlockFacts facts;
    facts.company = m_settings->Company;
    facts.author = m_settings->Author;
    facts.address = m_settings->Address;
    facts.documentTitle = m_title;
    facts.projectTitle = m_data->project.title;
    if (const CFlowGroup* group = GetNetwork().GetCurrentFlowGroup())
        facts.flowGroup = group->GetDescription();
    facts.date = today;
    return facts;
}

void CCarouselDoc::SetDefaultTitleBlock(CPrintPage& page, const CPrinterCaps& caps,
                                        std::chrono::year_month_day today)
{
    ::SetDefaultTitleBlock(page, caps, GetTitleBlockFacts(today));
}

void CCarouselDoc::DrawPrintedNetwork(CDrawingSurface& surface)
{
    DrawDiagram(GetDiagramSource(), GetNetwork().GetCurrentFlowGroup(), surface);
}

CPrintPage& CCarouselDoc::PrepareQuickPrint(const CTextMeasurer& measurer)
{
    return SetUpQuickPrintPage(
        DiagramBounds(GetDiagramSource(), GetNetwork().GetCurrentFlowGroup(), measurer));
}

bool CCarouselDoc::ResizePrintZoneByHandle(CPrintPage& page, EPrintZoneHit handle, CPoint point)
{
    if (handle == EPrintZoneHit::None || handle == EPrintZoneHit::Body)
        return false;
    const CRect rect = ResizePrintZoneRect(PrintZoneRect(page.GetPrintZone()), handle, point);
    return ResizePrintZone(page, rect.left, rect.top, rect.right, rect.bottom);
}
