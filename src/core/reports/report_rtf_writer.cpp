// A report tree as RTF, token by token.
#include "reports/report_rtf_writer.h"

#include "reports/report_document.h"
#include "reports/report_rtf_table_structure.h"

#include <string>
#include <utility>

namespace
{
// One centimetre of the page is kept free beside a picture fitted to it.
constexpr long long FitMargin = 567;

const char* FamilyWord(int pitchAndFamily)
{
    switch (pitchAndFamily & 0xF0) {
    case 0x10:
        return "froman";
    case 0x20:
        return "fswiss";
    case 0x30:
        return "fmodern";
    case 0x40:
        return "fscript";
    case 0x50:
        return "fdecor";
    default:
        return "fnil";
    }
}

const char* SpecialCharWord(SpecialCharKind kind)
{
    switch (kind) {
    case SpecialCharKind::CurrentDate:
        return "chdate";
    case SpecialCharKind::LongDate:
        return "chdpl";
    case SpecialCharKind::CurrentTime:
        return "chtime";
    case SpecialCharKind::PageNumber:
        return "chpgn";
    case SpecialCharKind::SectionNumber:
        return "sectnum";
    case SpecialCharKind::Cell:
        return "cell";
    case SpecialCharKind::Row:
        return "row";
    case SpecialCharKind::Paragraph:
        return "par";
    case SpecialCharKind::Section:
        return "sect";
    case SpecialCharKind::Page:
        return "page";
    case SpecialCharKind::Line:
        return "line";
    case SpecialCharKind::Tab:
        return "tab";
    }
    return nullptr;
}

const char* FieldInstruction(FieldKind kind)
{
    switch (kind) {
    case FieldKind::FileName:
        return "FILENAME";
    case FieldKind::FileNameWithPath:
        return "FILENAME \\p";
    case FieldKind::Date:
        return "DATE";
    case FieldKind::Time:
        return "TIME";
    case FieldKind::PrintDate:
        return "PRINTDATE";
    case FieldKind::NumberOfPages:
        return "NUMPAGES";
    case FieldKind::Page:
        return "PAGE";
    }
    return "";
}

// The page words of a section: paper size, turned when the section is landscape.
void WritePaper(CRTFSyntaxWriter& out, const CReportProperties& effective)
{
    const auto& paper = effective.document.GetPaperSize();
    if (!paper || (*paper != PaperSize::A4 && *paper != PaperSize::A3))
        return;
    long long width = effective.document.GetPageWidth();
    long long height = effective.document.GetPageHeight();
    if (effective.section.IsLandscape())
        std::swap(width, height);
    out.ControlWord("paperw", width);
    out.ControlWord("paperh", height);
}

// The width the text runs over: the printable width, or on a turned page the printable height.
long long TextWidth(const CReportProperties& effective)
{
    return effective.section.IsLandscape() ? effective.document.GetPrintableHeight()
                                           : effective.document.GetPrintableWidth();
}

long long TextHeight(const CReportProperties& effective)
{
    return effective.section.IsLandscape() ? effective.document.GetPrintableWidth()
                                           : effective.document.GetPrintableHeight();
}

void WriteScale(CRTFSyntaxWriter& out, long long x, long long y)
{
    out.ControlWord("picscalex", x);
    out.ControlWord("picscaley", y);
}
} // namespace

void CReportRTFWriter::Write()
{
    m_syntax.OpenGroup();
    m_syntax.ControlWord("rtf");
    m_syntax.ControlWord("ansi");
    m_syntax.ControlWord("deff", 0);
    m_syntax.NewLine();
    WriteFontTable();
    WriteColorTable();

    const CReportProperties& own = m_document->GetProperties();
    const CReportDocumentProperties& page = own.document;
    if (page.GetPaperSize()) {
        m_syntax.ControlWord("paperw", page.GetPageWidth());
        m_syntax.ControlWord("paperh", page.GetPageHeight());
    }
    const std::pair<const char*, const std::optional<int>*> margins[] = {
        {"margl", &page.GetLeftMargin()},
        {"margr", &page.GetRightMargin()},
        {"margt", &page.GetTopMargin()},
        {"margb", &page.GetBottomMargin()},
    };
    for (const auto& [word, margin] : margins) {
        if (*margin)
            m_syntax.ControlWord(word, **margin);
    }
    bool first = true;
    for (const auto& section : m_document->GetSections()) {
        WriteSection(*section, own, first);
        first = false;
    }
    m_syntax.CloseGroup();
}

void CReportRTFWriter::WriteFontTable()
{
    m_syntax.OpenGroup();
    m_syntax.ControlWord("fonttbl");
    m_syntax.Text(";");
    m_syntax.NewLine();
    int index = 1;
    for (const CReportFont& font : m_document->GetFontEnumerator().GetFonts()) {
        m_syntax.OpenGroup();
        m_syntax.ControlWord("f", index++);
        m_syntax.ControlWord(FamilyWord(font.pitchAndFamily));
        const int pitch = font.pitchAndFamily & 3;
        if (pitch != 3)
            m_syntax.ControlWord("fprq", pitch);
        m_syntax.Text(font.faceName);
        m_syntax.Text(";");
        m_syntax.CloseGroup();
        m_syntax.NewLine();
    }
    m_syntax.CloseGroup();
    m_syntax.NewLine();
}

void CReportRTFWriter::WriteColorTable()
{
    m_syntax.OpenGroup();
    m_syntax.ControlWord("colortbl");
    m_syntax.Text(";");
    m_syntax.NewLine();
    for (const ReportColor color : m_document->GetColorEnumerator().GetColors()) {
        m_syntax.ControlWord("red", color & 0xFF);
        m_syntax.ControlWord("green", (color >> 8) & 0xFF);
        m_syntax.ControlWord("blue", (color >> 16) & 0xFF);
        m_syntax.Text(";");
        m_syntax.NewLine();
    }
    m_syntax.CloseGroup();
    m_syntax.NewLine();
}

void CReportRTFWriter::WriteSection(const CReportSection& section, CReportProperties inherited,
                                    bool first)
{
    inherited.Merge(section.GetProperties());
    if (!first)
        m_syntax.ControlWord("sect");
    m_syntax.ControlWord("sectd");
    if (inherited.section.GetLandscape()) {
        if (inherited.section.IsLandscape())
            m_syntax.ControlWord("lndscpsxn");
        WritePaper(m_syntax, inherited);
    }
    for (const auto& headerFooter : section.GetHeaderFooters())
        WriteHeaderFooter(*headerFooter, inherited);
    for (const auto& body : section.GetBodies())
        WriteBody(*body, inherited, true, false);
}

void CReportRTFWriter::WriteHeaderFooter(const CReportHeaderFooter& headerFooter,
                                         CReportProperties inherited)
{
    inherited.Merge(headerFooter.GetProperties());
    m_syntax.OpenGroup();
    if (headerFooter.GetKind() == HeaderFooterKind::Header)
        m_syntax.ControlWord("header");
    else if (headerFooter.GetKind() == HeaderFooterKind::Footer)
        m_syntax.ControlWord("footer");
    for (const auto& body : headerFooter.GetBodies())
        WriteBody(*body, inherited, true, false);
    m_syntax.CloseGroup();
    m_syntax.NewLine();
}

void CReportRTFWriter::WriteBody(const CReportBody& body, const CReportProperties& inherited,
                                 bool writeParagraphEnd, bool inTable)
{
    if (const auto* paragraph = dynamic_cast<const CReportParagraph*>(&body))
        WriteParagraph(*paragraph, inherited, writeParagraphEnd, inTable);
    else if (const auto* table = dynamic_cast<const CReportTable*>(&body))
        WriteTable(*table, inherited);
}

void CReportRTFWriter::WriteParagraph(const CReportParagraph& paragraph,
                                      CReportProperties inherited, bool writeParagraphEnd,
                                      bool inTable)
{
    inherited.Merge(paragraph.GetProperties());
    m_syntax.ControlWord("pard");
    if (inTable)
        m_syntax.ControlWord("intbl");
    if (const auto& alignment = inherited.paragraph.GetAlignment()) {
        static const char* const Words[] = {"ql", "qr", "qc", "qj"};
        const int value = static_cast<int>(*alignment);
        if (value >= 0 && value <= 3)
            m_syntax.ControlWord(Words[value]);
    }
    for (const CReportParagraphTab& tab : inherited.paragraph.GetTabs()) {
        if (tab.kind == TabKind::Right)
            m_syntax.ControlWord("tqr");
        else if (tab.kind == TabKind::Centre)
            m_syntax.ControlWord("tqc");
        m_syntax.ControlWord("tx", tab.position);
    }
    for (const auto& data : paragraph.GetDatas())
        WriteData(*data, inherited);
    if (writeParagraphEnd)
        m_syntax.ControlWord("par");
    m_syntax.NewLine();
}

void CReportRTFWriter::WriteCharacterFormat(const CReportDataProperties& format)
{
    if (format.IsFontSet())
        m_syntax.ControlWord("f", m_document->GetFontEnumerator().IndexOf(format.GetFont()));
    if (const auto& weight = format.GetWeight())
        m_syntax.ControlWord(*weight < 700 ? "b0" : "b");
    if (const auto& italic = format.GetItalic())
        m_syntax.ControlWord(*italic ? "i" : "i0");
    if (const auto& strike = format.GetStrikeThrough())
        m_syntax.ControlWord(*strike ? "strike" : "strike0");
    if (const auto& underline = format.GetUnderline())
        m_syntax.ControlWord(*underline ? "ul" : "ul0");
    if (const auto& size = format.GetSize())
        m_syntax.ControlWord("fs", 2LL * *size);
    if (const auto& color = format.GetColor())
        m_syntax.ControlWord("cf", m_document->GetColorEnumerator().IndexOf(*color));
}

void CReportRTFWriter::WriteData(const CReportData& data, CReportProperties inherited)
{
    inherited.Merge(data.GetProperties());
    WriteCharacterFormat(inherited.data);
    if (const auto* text = dynamic_cast<const CReportDataText*>(&data)) {
        m_syntax.Text(text->GetText());
    } else if (const auto* special = dynamic_cast<const CReportDataSpecialChar*>(&data)) {
        if (const char* word = SpecialCharWord(special->GetKind()))
            m_syntax.ControlWord(word);
    } else if (const auto* field = dynamic_cast<const CReportDataField*>(&data)) {
        m_syntax.OpenGroup();
        m_syntax.ControlWord("field");
        m_syntax.OpenGroup();
        m_syntax.ControlSymbol('*');
        m_syntax.ControlWord("fldinst");
        m_syntax.Text(FieldInstruction(field->GetKind()));
        m_syntax.Text(field->GetSwitch());
        m_syntax.CloseGroup();
        m_syntax.OpenGroup();
        m_syntax.ControlWord("fldrslt");
        m_syntax.Text(field->GetResult());
        m_syntax.CloseGroup();
        m_syntax.CloseGroup();
    } else if (const auto* picture = dynamic_cast<const CReportDataEnhancedMetafile*>(&data)) {
        WritePicture(*picture, inherited);
    }
}

void CReportRTFWriter::WritePicture(const CReportDataEnhancedMetafile& picture,
                                    const CReportProperties& effective)
{
    const long long width = picture.GetWidth();
    const long long height = picture.GetHeight();
    // Hundredths of a millimetre as twips.
    const long long widthTwips = width * 567 / 1000;
    const long long heightTwips = height * 567 / 1000;
    m_syntax.OpenGroup();
    m_syntax.ControlWord("pict");
    m_syntax.ControlWord("emfblip");
    m_syntax.ControlWord("picw", width);
    m_syntax.ControlWord("pich", height);

    // A side of 0 twips (an empty drawing) cannot be scaled to anything: no words for it.
    const CReportDataEnhancedMetafileProperties& sizing = effective.picture;
    if (sizing.IsFitSet()) {
        if (sizing.IsFitPageWidth() && widthTwips != 0) {
            const long long s = (TextWidth(effective) - FitMargin) * 100 / widthTwips;
            WriteScale(m_syntax, s, s);
        }
        if (sizing.IsFitPageHeight() && heightTwips != 0) {
            const long long s = (TextHeight(effective) - FitMargin) * 100 / heightTwips;
            WriteScale(m_syntax, s, s);
        }
    }
    if (sizing.IsGoalSizeSet()) {
        if (sizing.IsSizeFromHeight()) {
            if (heightTwips != 0) {
                const long long s = sizing.GetGoalHeight() * 100LL / heightTwips;
                WriteScale(m_syntax, s, s);
            }
        } else if (sizing.IsSizeFromWidth()) {
            if (widthTwips != 0) {
                const long long s = sizing.GetGoalWidth() * 100LL / widthTwips;
                WriteScale(m_syntax, s, s);
            }
        } else {
            m_syntax.ControlWord("picwgoal", sizing.GetGoalWidth());
            m_syntax.ControlWord("pichgoal", sizing.GetGoalHeight());
        }
    }
    if (sizing.IsScaleSet())
        WriteScale(m_syntax, sizing.GetScaleX(), sizing.GetScaleY());

    // The first line holds one byte, every later full line forty.
    static const char* const Hex = "0123456789abcdef";
    std::string line;
    const std::vector<std::uint8_t>& bytes = picture.GetBytes();
    for (std::size_t k = 0; k < bytes.size(); ++k) {
        line += Hex[bytes[k] >> 4];
        line += Hex[bytes[k] & 0xF];
        if (k % 40 == 0) {
            m_syntax.Text(line);
            m_syntax.NewLine();
            line.clear();
        }
    }
    m_syntax.Text(line);
    m_syntax.NewLine();
    m_syntax.CloseGroup();
}

void CReportRTFWriter::WriteTable(const CReportTable& table, const CReportProperties& inherited)
{
    const CReportRTFTableStructure grid(table);
    for (int r = 0; r < grid.GetRowCount() && !grid.IsEmpty(); ++r)
        WriteTableRow(grid, r, table, inherited);
}

void CReportRTFWriter::WriteTableRow(const CReportRTFTableStructure& grid, int row,
                                     const CReportTable& table, CReportProperties inherited)
{
    inherited.Merge(table.GetProperties());
    const GridEntry& first = grid.GetEntry(row, 0);
    if (first.row)
        inherited.Merge(first.row->GetProperties());

    m_syntax.ControlWord("trowd");
    if (const auto& alignment = inherited.table.GetAlignment()) {
        static const char* const Words[] = {"trql", "trqr", "trqc"};
        const int value = static_cast<int>(*alignment);
        if (value >= 0 && value <= 2)
            m_syntax.ControlWord(Words[value]);
    }
    m_syntax.ControlWord("trgaph", 75);
    if (inherited.row.GetHeader().value_or(false))
        m_syntax.ControlWord("trhdr");
    m_syntax.ControlWord("trautofit", 1);
    for (const char* side : {"l", "r", "t", "b"}) {
        m_syntax.ControlWord(std::string("trpadd") + side, 75);
        m_syntax.ControlWord(std::string("trpaddf") + side, 3);
    }
    m_syntax.NewLine();

    const long long width = TextWidth(inherited);
    const int columns = grid.GetColumnCount();
    for (int c = 0; c < columns; ++c) {
        const GridEntry& entry = grid.GetEntry(row, c);
        CReportProperties cell = inherited;
        if (first.table)
            cell.Merge(first.table->GetProperties());
        if (entry.row)
            cell.Merge(entry.row->GetProperties());
        if (entry.cell)
            cell.Merge(entry.cell->GetProperties());
        const CReportTableCellProperties& format = cell.cell;
        if (const auto& vertical = format.GetVerticalAlignment()) {
            static const char* const Words[] = {"clvertalt", "clvertalb", "clvertalc"};
            const int value = static_cast<int>(*vertical);
            if (value >= 0 && value <= 2)
                m_syntax.ControlWord(Words[value]);
        }
        if (const auto& background = format.GetBackgroundColor())
            m_syntax.ControlWord("clcbpat", m_document->GetColorEnumerator().IndexOf(*background));
        if (entry.horizontallyMergedContinuation)
            m_syntax.ControlWord("clmrg");
        if (entry.horizontalMergeFirst)
            m_syntax.ControlWord("clmgf");
        if (entry.verticallyMergedContinuation)
            m_syntax.ControlWord("clvmrg");
        if (entry.verticalMergeFirst)
            m_syntax.ControlWord("clvmgf");
        const std::pair<const char*, const std::optional<int>*> borders[] = {
            {"clbrdrt", &format.GetTopBorder()},
            {"clbrdrb", &format.GetBottomBorder()},
            {"clbrdrl", &format.GetLeftBorder()},
            {"clbrdrr", &format.GetRightBorder()},
        };
        for (const auto& [word, border] : borders) {
            if (*border) {
                m_syntax.ControlWord(word);
                m_syntax.ControlWord("brdroutset");
                m_syntax.ControlWord("brdrw", **border);
            }
        }
        if (const auto& preferred = format.GetPreferredWidth()) {
            m_syntax.ControlWord("clftsWidth", 3);
            m_syntax.ControlWord("clwWidth", *preferred);
        } else {
            m_syntax.ControlWord("clftsWidth", 1);
        }
        // Columns share the text width equally, whatever width a cell would prefer.
        m_syntax.ControlWord("cellx", (c + 1) * width / columns);
        m_syntax.NewLine();
    }

    for (int c = 0; c < columns; ++c) {
        const GridEntry& entry = grid.GetEntry(row, c);
        if (entry.cell && !entry.IsContinuation()) {
            CReportProperties cell = inherited;
            if (entry.table)
                cell.Merge(entry.table->GetProperties());
            if (entry.row)
                cell.Merge(entry.row->GetProperties());
            cell.Merge(entry.cell->GetProperties());
            // Tables in a cell were flattened into the grid; its last paragraph has no \par,
            // since \cell ends it.
            const CReportBodies& bodies = entry.cell->GetBodies();
            const CReportParagraph* last = nullptr;
            for (const auto& body : bodies) {
                if (const auto* paragraph = dynamic_cast<const CReportParagraph*>(body.get()))
                    last = paragraph;
            }
            for (const auto& body : bodies) {
                if (const auto* paragraph = dynamic_cast<const CReportParagraph*>(body.get()))
                    WriteParagraph(*paragraph, cell, paragraph != last, true);
            }
        }
        m_syntax.ControlWord("cell");
        m_syntax.NewLine();
    }
    m_syntax.ControlWord("row");
    m_syntax.NewLine();
}
