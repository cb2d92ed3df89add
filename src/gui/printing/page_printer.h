// Printed pages on a Qt printer: the printer, the print preview and PDF.
#pragma once

#include "platform/text_measurer.h"
#include "printing/printer_caps.h"

#include <chrono>

class CPrintableDocument;
class CPrintPages;
class QPagedPaintDevice;
class QDate;
class QPrinter;

// The device capabilities of a full-page device as it is laid out now: the paper in device
// pixels, the printable area inside it, its resolution, and the origin at the paper's corner.
CPrinterCaps PrinterCapsOf(const QPagedPaintDevice& device);

// The day a title block shows: today in the local calendar, or the day of a given date.
std::chrono::year_month_day PrintingDay();
std::chrono::year_month_day CalendarDay(const QDate& date);

// Prints pages first to last (1-based, cut to the collection) of pages, each in its own
// orientation set before the page starts, its origin at the paper's corner. Everything is drawn
// through the core's surface with the measurer's layout; text is real text in a PDF. Returns
// the number of pages printed: 0 when there was none or the printer could not start. The
// document's stored data is not changed (each title block is rebuilt for the moment of
// printing). Shows the wait cursor while it works when a desktop is running. The print preview
// shows every page on paper of one orientation: there each page is laid out on the paper as the
// first page set it (eachPageOrientation false).
int PrintPages(CPrintableDocument& document, CPrintPages& pages, QPrinter& printer, int first,
               int last, const CTextMeasurer& measurer, std::chrono::year_month_day today,
               bool eachPageOrientation = true);
