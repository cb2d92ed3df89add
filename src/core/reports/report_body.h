// The bodies of a report: paragraphs and tables, and the cells, sections and headers that hold
// them.
#pragma once

#include "reports/report_data.h"

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

class CReportTable;

// A paragraph or a table.
class CReportBody : public CReportPropertiesOwner
{
public:
    using CReportPropertiesOwner::CReportPropertiesOwner;
};

using CReportDatas = std::vector<std::unique_ptr<CReportData>>;
using CReportBodies = std::vector<std::unique_ptr<CReportBody>>;

// A paragraph: inline items in order.
class CReportParagraph : public CReportBody
{
public:
    using CReportBody::CReportBody;

    CReportDataText& AddText(std::string text);
    CReportDataField& AddField(FieldKind kind, std::string switches, std::string result);
    CReportDataSpecialChar& AddSpecialChar(SpecialCharKind kind);
    // A copy of a metafile, sized by its header's frame (right - left + 1 by bottom - top + 1).
    // Raises CEmfFormatError for bytes that are not a metafile.
    CReportDataEnhancedMetafile& AddPicture(std::span<const std::uint8_t> metafile);
    // Bytes with a size given in hundredths of a millimetre.
    CReportDataEnhancedMetafile& AddPicture(std::vector<std::uint8_t> bytes, int width, int height);

    const CReportDatas& GetDatas() const { return m_datas; }

private:
    template <typename T, typename... Args> T& Add(Args&&... args);

    CReportDatas m_datas;
};

// Anything that holds bodies: a section, a header or footer, a table cell.
class CReportBodiesOwner : public CReportPropertiesOwner
{
public:
    using CReportPropertiesOwner::CReportPropertiesOwner;

    // A paragraph of one text item.
    CReportParagraph& AddParagraph(std::string text);
    CReportParagraph& AddParagraph();
    CReportTable& AddTable();
    // One paragraph of one text item per line of text (split at line feeds), each with the
    // given properties merged into its own.
    void AddParagraphs(const std::string& text, const CReportProperties* properties = nullptr);

    const CReportBodies& GetBodies() const { return m_bodies; }

private:
    CReportBodies m_bodies;
};

// A cell spans at least one column and one row; both spans are fixed when it is made.
class CReportTableCell : public CReportBodiesOwner
{
public:
    CReportTableCell(CReportDocument* document, int columnSpan, int rowSpan);
    int GetColumnSpan() const { return m_columnSpan; }
    int GetRowSpan() const { return m_rowSpan; }

private:
    int m_columnSpan;
    int m_rowSpan;
};

using CReportTableCells = std::vector<std::unique_ptr<CReportTableCell>>;

class CReportTableRow : public CReportPropertiesOwner
{
public:
    using CReportPropertiesOwner::CReportPropertiesOwner;
    CReportTableCell& AddCell(int columnSpan = 1, int rowSpan = 1);
    const CReportTableCells& GetCells() const { return m_cells; }

private:
    CReportTableCells m_cells;
};

using CReportTableRows = std::vector<std::unique_ptr<CReportTableRow>>;

// A table: rows of cells. Its columns are those of its first row; a cell may hold a nested
// table, which the RTF writer flattens into the outer grid.
class CReportTable : public CReportBody
{
public:
    using CReportBody::CReportBody;
    CReportTableRow& AddRow();
    const CReportTableRows& GetRows() const { return m_rows; }

private:
    CReportTableRows m_rows;
};
