// The default title block of a printed page and the texts it shows.
#pragma once

#include "printing/printer_caps.h"

#include <chrono>
#include <string>

class CPrintPage;
struct CRect;

// What a title block shows besides the page's own settings, as they stand when printing: the
// network settings' company, author and address, the document's title, the project title, the
// current flow group's description (empty without one) and the day of printing.
struct CTitleBlockFacts
{
    std::string company;
    std::string author;
    std::string address;
    std::string documentTitle;
    std::string projectTitle;
    std::string flowGroup;
    std::chrono::year_month_day date;
};

// "%d %b %Y" with English month names whatever the locale: "07 Dec 2026".
std::string TitleBlockDate(std::chrono::year_month_day date);

// "1:%.4g" of 1 / scale below 1, else "%.4g:1" of the scale, in the "C" locale's digits:
// 0.5 gives "1:2", 2 "2:1", 0.3 "1:3.333".
std::string ScaleText(double scale);
// The page's scale text: "NTS" unless the page indicates its scale, else the text of its scale
// (the fit scale in the drawing area when it scales to fit).
std::string ScaleText(const CPrintPage& page, const CRect& drawingArea);

// Rebuilds the page's title block for printing now: rows from the bottom, the page's position,
// and for Top or Bottom a 200 high strip of two rows (company 6 mm high, author and file name;
// flow group, drawing title, project title, date and scale), for Left or Right a 600 wide strip
// of seven rows of fixed heights (file name at the bottom, then flow group, drawing title,
// project title, author, date and scale from the right, address, company 6 mm high at the top);
// None leaves no rows.
void SetDefaultTitleBlock(CPrintPage& page, const CPrinterCaps& caps,
                          const CTitleBlockFacts& facts);
