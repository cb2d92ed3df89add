// The printing side of a document: its pages, the quick print and the printing of one page.
#pragma once

#include "platform/drawing_surface.h"
#include "printing/page_mapping.h"
#include "printing/print_page.h"
#include "printing/printer_caps.h"

#include <chrono>
#include <cstdint>
#include <optional>

// Where printed pages are drawn: a printer, the print preview or a PDF (the platform's printing
// code), or a test's recorder.
class CPrintTarget
{
public:
    virtual ~CPrintTarget() = default;
    // A surface that draws under the mapping, limited to clip (logical units) when one is given
    // and to the whole page otherwise. It serves until the next call.
    virtual CDrawingSurface& Surface(const CPageMapping& mapping,
                                     const std::optional<CRect>& clip) = 0;
};

// Besides the pages stored with the document, a document keeps a collection of its own for the
// quick print of the whole network, and a current page, whose zone the views mark selected. The
// current page is held by id and looked up each time, so that a deleted page is simply no longer
// current; the document forgets it when an undo or a file replaces every page.
class CPrintableDocument
{
public:
    CPrintableDocument() = default;
    CPrintableDocument(const CPrintableDocument&) = delete;
    CPrintableDocument& operator=(const CPrintableDocument&) = delete;
    virtual ~CPrintableDocument() = default;

    // The pages stored with the document.
    virtual CPrintPages& GetDocumentPrintPages() = 0;
    CPrintPages& GetQuickPrintPages() { return m_quickPrintPages; }
    // What a print run takes its pages from: the quick-print collection in quick-print mode.
    CPrintPages& GetPagesToPrint(bool quickPrint);

    // None when no page is current or the current one has gone.
    CPrintPage* GetCurrentPrintPage();
    // A page of the document's own collection, or none.
    void SetCurrentPrintPage(const CPrintPage* page);

    // Empties the quick-print collection and adds its one page: no title block, landscape,
    // scaled to fit, not cropped, its zone the given extent of the drawn network.
    CPrintPage& SetUpQuickPrintPage(const CRect& extent);

    // Builds the page's title block as printing on the given day shows it; this base only
    // clears its rows.
    virtual void SetDefaultTitleBlock(CPrintPage& page, const CPrinterCaps& caps,
                                      std::chrono::year_month_day today);

    // Prints one page on a target whose page has been started in the page's orientation: the
    // title block rebuilt, the frame and title block drawn at scale 1, then the network at the
    // page's scale, its zone centred in the drawing area and clipped to the page's drawing
    // rectangle, which is returned (network units). A device that is not usable gets nothing.
    CRect PrintPage(CPrintTarget& target, CPrintPage& page, const CPrinterCaps& caps,
                    std::chrono::year_month_day today);

protected:
    // Draws the network in network units; the surface's clip box is the page's drawing
    // rectangle.
    virtual void DrawPrintedNetwork(CDrawingSurface& surface) = 0;
    void ForgetCurrentPrintPage() { m_currentPageId = 0; }

private:
    CPrintPages m_quickPrintPages;
    std::uint32_t m_currentPageId = 0;
};
