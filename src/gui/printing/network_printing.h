// The desktop's printing commands: Print, Print Preview and the draft print of the network.
#pragma once

#include "platform/text_measurer.h"

#include <functional>

class CCarouselDoc;
class QDialog;
class QPrinter;
class QWidget;

// Prints a document's pages on the program's one printer (the one "P&rint Setup..." sets up).
// Print asks with the print dialog, pages 1 to the count; Print Preview shows them all. The
// draft print of the entire network switches to quick-print mode, in which printing takes the
// quick-print page (the whole drawn network, fitted, no title block) instead of the user's
// pages, and shows its preview; every way out of the preview, an exception included, switches
// quick-print mode off again, or a later Print would print the whole network. Printing changes
// nothing stored: the file's bytes, the modified flag and the undo history stay as they were.
class CNetworkPrinting
{
public:
    static constexpr const char* DraftPrintStatusText = "Draft print the entire network";

    // Runs a modal dialog and returns its result; tests replace it.
    using DialogRunner = std::function<int(QDialog& dialog)>;

    CNetworkPrinting(QPrinter& printer, const CTextMeasurer& measurer);

    void SetDialogRunner(DialogRunner runner) { m_runDialog = std::move(runner); }
    bool IsQuickPrintMode() const { return m_quickPrint; }

    // Print and Print Preview need pages: greyed out without any.
    static bool HasPages(CCarouselDoc& document);
    // False when cancelled or nothing was printed.
    bool Print(CCarouselDoc& document, QWidget* parent);
    void PrintPreview(CCarouselDoc& document, QWidget* parent);
    void DraftPrintEntireNetwork(CCarouselDoc& document, QWidget* parent);

    // The pages in use (the quick-print page in quick-print mode) from first to last on the
    // printer; the number printed. The preview keeps the first page's orientation throughout.
    int PrintTo(CCarouselDoc& document, QPrinter& printer, int first, int last,
                bool eachPageOrientation = true);

private:
    void ShowPreview(CCarouselDoc& document, QWidget* parent);

    QPrinter& m_printer;
    const CTextMeasurer& m_measurer;
    DialogRunner m_runDialog;
    bool m_quickPrint = false;
};
