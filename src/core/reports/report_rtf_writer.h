// Writes a report tree as a Rich Text Format file.
#pragma once

#include "reports/report_properties.h"
#include "reports/rtf_syntax_writer.h"

#include <ostream>

class CReportBody;
class CReportData;
class CReportDataEnhancedMetafile;
class CReportDocument;
class CReportHeaderFooter;
class CReportParagraph;
class CReportRTFTableStructure;
class CReportSection;
class CReportTable;

// Writes the whole document token by token, so the same tree always gives the same bytes: the
// header ({\rtf\ansi\deff0, no version), the font and colour tables, the page words, then every
// section with its headers and footers, paragraphs and tables. Each node is written with what
// its parent ended with, merged with its own formatting. A picture whose size is 0 in either
// direction gets no fit or goal scaling (there is nothing to scale by). A table without rows
// or columns writes nothing. A table whose cells do not fit its grid raises
// CInvalidTableDefinitionException; what was written before it stays in the stream.
class CReportRTFWriter
{
public:
    CReportRTFWriter(const CReportDocument& document, std::ostream& out)
        : m_document(&document), m_syntax(out)
    {}

    void Write();

private:
    void WriteFontTable();
    void WriteColorTable();
    void WriteSection(const CReportSection& section, CReportProperties inherited, bool first);
    void WriteHeaderFooter(const CReportHeaderFooter& headerFooter, CReportProperties inherited);
    void WriteBody(const CReportBody& body, const CReportProperties& inherited,
                   bool writeParagraphEnd, bool inTable);
    void WriteParagraph(const CReportParagraph& paragraph, CReportProperties inherited,
                        bool writeParagraphEnd, bool inTable);
    void WriteData(const CReportData& data, CReportProperties inherited);
    void WriteCharacterFormat(const CReportDataProperties& format);
    void WritePicture(const CReportDataEnhancedMetafile& picture,
                      const CReportProperties& effective);
    void WriteTable(const CReportTable& table, const CReportProperties& inherited);
    void WriteTableRow(const CReportRTFTableStructure& grid, int row, const CReportTable& table,
                       CReportProperties inherited);

    const CReportDocument* m_document;
    CRTFSyntaxWriter m_syntax;
};
