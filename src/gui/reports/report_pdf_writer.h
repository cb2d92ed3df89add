// Writes a report tree as PDF, laid out on pages here rather than by an RTF viewer.
#pragma once

#include <QDateTime>
#include <QString>
#include <filesystem>

class CReportDefinition;
class CReportDocument;
class CTextMeasurer;
class QIODevice;
struct CReportSource;

// Lays the document out as a word processor lays out its RTF: each section on new pages of its
// paper size and orientation, the section's header and footer on every page (a later header or
// footer of the same kind replaces an earlier one, as in the RTF), paragraphs wrapped to the
// text width with their fonts, alignment and tabs, and tables on the RTF's grid: equal
// columns, merged cells, borders and backgrounds, header rows repeated on each page a table
// runs onto, and no row (nor rows held together by a vertical merge) split across pages.
// Pictures are played from their metafile as vectors, sized by the RTF's rules and shrunk when
// they would not fit the cell or the page. Dates come from the given time, page numbers from
// the layout. Without a paper size the pages are A4.
class CReportPdfWriter
{
public:
    // The measurer is the one the pictures were recorded with; both must outlive the writer.
    CReportPdfWriter(const CReportDocument& document, const CTextMeasurer& measurer,
                     QDateTime printed)
        : m_document(&document), m_measurer(&measurer), m_printed(std::move(printed))
    {}

    // Writes the PDF to an open device and returns its page count. Raises
    // CInvalidTableDefinitionException and CEmfFormatError as the tree's tables and pictures
    // need, std::runtime_error when the PDF cannot be written.
    int Write(QIODevice& out, const QString& title) const;

private:
    const CReportDocument* m_document;
    const CTextMeasurer* m_measurer;
    QDateTime m_printed;
};

// Generates the report and writes it as PDF through a temporary file beside path and a rename:
// a failure leaves no file, and any file already there as it was. Raises errFileWrite when the
// file cannot be written; errors of the generation propagate.
void SaveReportPdf(const std::filesystem::path& path, const CReportDefinition& definition,
                   const CReportSource& source, const QDateTime& printed);
