#include "printing/network_printing.h"

#include "document/carousel_doc.h"
#include "printing/page_printer.h"

#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace
{

// Quick-print mode for as long as it lives, however the scope is left.
class CQuickPrintScope
{
public:
    explicit CQuickPrintScope(bool& flag) : m_flag(flag) { m_flag = true; }
    ~CQuickPrintScope() { m_flag = false; }
    CQuickPrintScope(const CQuickPrintScope&) = delete;
    CQuickPrintScope& operator=(const CQuickPrintScope&) = delete;

private:
    bool& m_flag;
};

} // namespace

CNetworkPrinting::CNetworkPrinting(QPrinter& printer, const CTextMeasurer& measurer)
    : m_printer(printer), m_measurer(measurer), m_runDialog([](QDialog& dialog) {
          return dialog.exec();
      })
{}

bool CNetworkPrinting::HasPages(CCarouselDoc& document)
{
    return document.GetPrintPages().GetCount() > 0;
}

int CNetworkPrinting::PrintTo(CCarouselDoc& document, QPrinter& printer, int first, int last,
                              bool eachPageOrientation)
{
    return PrintPages(document, document.GetPagesToPrint(m_quickPrint), printer, first, last,
                      m_measurer, PrintingDay(), eachPageOrientation);
}

bool CNetworkPrinting::Print(CCarouselDoc& document, QWidget* parent)
{
    const int count = document.GetPrintPages().GetCount();
    if (count == 0)
        return false;
    QPrintDialog dialog(&m_printer, parent);
    dialog.setMinMax(1, count);
    dialog.setFromTo(1, count);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange);
    if (m_runDialog(dialog) != QDialog::Accepted)
        return false;
    int first = 1;
    int last = count;
    if (m_printer.printRange() == QPrinter::PageRange && m_printer.fromPage() > 0) {
        first = m_printer.fromPage();
        last = m_printer.toPage();
    }
    return PrintTo(document, m_printer, first, last) > 0;
}

void CNetworkPrinting::PrintPreview(CCarouselDoc& document, QWidget* parent)
{
    if (HasPages(document))
        ShowPreview(document, parent);
}

void CNetworkPrinting::DraftPrintEntireNetwork(CCarouselDoc& document, QWidget* parent)
{
    const CQuickPrintScope quickPrint(m_quickPrint);
    document.PrepareQuickPrint(m_measurer);
    ShowPreview(document, parent);
}

void CNetworkPrinting::ShowPreview(CCarouselDoc& document, QWidget* parent)
{
    QPrintPreviewDialog preview(&m_printer, parent);
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [this, &document](QPrinter* printer) {
                         PrintTo(document, *printer, 1,
                                 document.GetPagesToPrint(m_quickPrint).GetCount(), false);
                     });
    m_runDialog(preview);
}
