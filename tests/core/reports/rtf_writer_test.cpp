// The RTF writer token by token: delimiters, the tables at the top, character words, fields,
// sections, pictures and tables.
#include "reports/report_document.h"
#include "reports/report_rtf_table_structure.h"
#include "reports/report_rtf_writer.h"

#include <gtest/gtest.h>
#include <sstream>

namespace
{
std::string Rtf(const CReportDocument& document)
{
    std::ostringstream out;
    CReportRTFWriter(document, out).Write();
    return out.str();
}

// The sections: from the first \sectd to before the closing brace.
std::string Body(const CReportDocument& document)
{
    const std::string rtf = Rtf(document);
    const std::size_t start = rtf.find("\\sectd");
    return rtf.substr(start, rtf.size() - 1 - start);
}

// A4 with one-inch margins: 9028 twips of text across, 13953 down.
CReportDocument& A4(CReportDocument& document)
{
    CReportDocumentProperties& page = document.GetProperties().document;
    page.SetPaperSize(PaperSize::A4);
    for (auto set :
         {&CReportDocumentProperties::SetLeftMargin, &CReportDocumentProperties::SetRightMargin,
          &CReportDocumentProperties::SetTopMargin, &CReportDocumentProperties::SetBottomMargin})
        (page.*set)(1.0);
    return document;
}

// A space ends a control word before text and parts two texts; none follows a group, a line end
// or a symbol. Escapes and the code page are held by the golden edge-case report.
TEST(RtfSyntax, SpacesOnlyWhereTheNextTokenWouldRunOn)
{
    std::ostringstream out;
    CRTFSyntaxWriter writer(out);
    writer.ControlWord("li", -15);
    writer.ControlWord("b");
    writer.Text("x");
    writer.Text("y");
    writer.NewLine();
    writer.ControlWord("b");
    writer.OpenGroup();
    writer.Text("a");
    writer.CloseGroup();
    writer.Text("b");
    writer.ControlSymbol('*');
    writer.Text("d");
    EXPECT_EQ(out.str(), "\\li-15\\b x y\r\n\\b{a}b\\*d");
}

// With fonts, colours and page words the golden edge-case report holds the same frame.
TEST(RtfDocument, WithoutSectionsIsHeaderEmptyTablesAndBrace)
{
    EXPECT_EQ(Rtf(CReportDocument()),
              "{\\rtf\\ansi\\deff0\r\n{\\fonttbl ;\r\n}\r\n{\\colortbl ;\r\n}\r\n}");
}

TEST(RtfDocument, FontsAndColoursAreListedOnceInTheOrderFirstSet)
{
    CReportDocument document;
    CReportParagraph& paragraph = document.AddSection().AddParagraph();
    paragraph.AddText("a").GetProperties().data.SetFont("Times", 1, 0x10);
    paragraph.AddText("b").GetProperties().data.SetFont("Odd", 3, 0x60);
    paragraph.AddText("c").GetProperties().data.SetFont("Times", 1, 0x10);
    paragraph.AddText("d").GetProperties().data.SetColor(0x00FF8040);
    document.AddSection().AddTable().AddRow().AddCell().GetProperties().cell.SetBackgroundColor(
        0x00FF8040);
    const std::string rtf = Rtf(document);
    EXPECT_NE(rtf.find("{\\fonttbl ;\r\n{\\f1\\froman\\fprq1 Times ;}\r\n{\\f2\\fnil Odd ;}\r\n}"),
              std::string::npos)
        << rtf;
    EXPECT_NE(rtf.find("{\\colortbl ;\r\n\\red64\\green128\\blue255 ;\r\n}"), std::string::npos)
        << rtf;
}

TEST(RtfDocument, CharacterWordsInOrderWithoutGroups)
{
    CReportDocument document;
    CReportParagraph& paragraph = document.AddSection().AddParagraph();
    CReportDataProperties& all = paragraph.AddText("all").GetProperties().data;
    all.SetColor(0x0000FF);
    all.SetSize(11);
    all.SetUnderline(true);
    all.SetStrikeThrough(true);
    all.SetItalic(true);
    all.SetBold(true);
    all.SetFont("Arial", FontPitchVariable, FontFamilySwiss);
    paragraph.AddText("light").GetProperties().data.SetWeight(600);
    paragraph.AddText("");
    paragraph.AddText("{x}");
    EXPECT_EQ(Body(document), "\\sectd\\pard\\f1\\b\\i\\strike\\ul\\fs22\\cf1 all\\b0 light "
                              "\\{x\\}\\par\r\n");
}

TEST(RtfDocument, FieldsAndSpecialCharacters)
{
    CReportDocument document;
    CReportParagraph& paragraph = document.AddSection().AddParagraph();
    paragraph.AddSpecialChar(SpecialCharKind::Tab);
    paragraph.AddField(FieldKind::Date, "\\@ \"dd/MM/yyyy\"", "");
    paragraph.AddText("Page ");
    paragraph.AddSpecialChar(SpecialCharKind::PageNumber);
    paragraph.AddField(FieldKind::FileNameWithPath, "", "old.crs");
    paragraph.AddSpecialChar(static_cast<SpecialCharKind>(12));
    EXPECT_EQ(Body(document), "\\sectd\\pard\\tab{\\field{\\*\\fldinst DATE \\\\@ "
                              "\"dd/MM/yyyy\"}{\\fldrslt}}Page \\chpgn{\\field{\\*\\fldinst "
                              "FILENAME \\\\p}{\\fldrslt old.crs}}\\par\r\n");
}

// Pictures: a 100 x 50 mm picture is 5670 x 2835 twips.
class RtfPicture : public testing::Test
{
protected:
    CReportDataEnhancedMetafile& Add(int width = 10000, int height = 5000)
    {
        return section.AddParagraph().AddPicture(std::vector<std::uint8_t>{0xAB}, width, height);
    }
    std::string Words()
    {
        const std::string body = Body(document);
        const std::size_t start = body.find("\\pich");
        return body.substr(start, body.find(' ', start) - start);
    }
    CReportDocument document;
    CReportSection& section = A4(document).AddSection();
};

TEST_F(RtfPicture, FitKeepsACentimetreFreeAndTurnsWithTheSection)
{
    Add().GetProperties().picture.SetFit(true, true);
    // (9028 - 567) x 100 / 5670, then (13953 - 567) x 100 / 2835.
    EXPECT_EQ(Words(), "\\pich5000\\picscalex149\\picscaley149\\picscalex472\\picscaley472");
    section.GetProperties().section.SetLandscape(true);
    EXPECT_EQ(Words(), "\\pich5000\\picscalex236\\picscaley236\\picscalex298\\picscaley298");
}

TEST_F(RtfPicture, GoalSizesFollowTheLastSideSet)
{
    CReportDataEnhancedMetafileProperties& sizing = Add().GetProperties().picture;
    sizing.SetGoalWidth(2835);
    EXPECT_EQ(Words(), "\\pich5000\\picscalex50\\picscaley50");
    sizing.SetGoalHeight(5670);
    EXPECT_EQ(Words(), "\\pich5000\\picscalex200\\picscaley200");
    sizing.SetGoalSize(1000, 800);
    EXPECT_EQ(Words(), "\\pich5000\\picwgoal1000\\pichgoal800");
}

// Without a goal size of its own, a picture must not be given one of 0 x 0 by the merge.
TEST_F(RtfPicture, ScaleAloneAddsNoGoalSize)
{
    document.GetProperties().picture.SetFit(true, false);
    Add().GetProperties().picture.SetScale(40, 40);
    EXPECT_EQ(Words(), "\\pich5000\\picscalex149\\picscaley149\\picscalex40\\picscaley40");
}

TEST(RtfTable, MergedCellWrittenOnceWithEqualColumnsAndNoLastPar)
{
    CReportDocument document;
    CReportSection& section = A4(document).AddSection();
    CReportTable& table = section.AddTable();
    CReportTableRow& row = table.AddRow();
    CReportTableCell& wide = row.AddCell(2, 1);
    wide.AddParagraph("a");
    wide.AddParagraph("b");
    CReportTableCell& narrow = row.AddCell();
    narrow.GetProperties().cell.SetPreferredWidth(500);
    narrow.GetProperties().cell.SetTopBorder(15);
    narrow.GetProperties().cell.SetRightBorder(0);
    narrow.AddParagraph("c");
    EXPECT_EQ(Body(document),
              "\\sectd\\trowd\\trgaph75\\trautofit1\\trpaddl75\\trpaddfl3\\trpaddr75\\trpaddfr3"
              "\\trpaddt75\\trpaddft3\\trpaddb75\\trpaddfb3\r\n"
              "\\clmgf\\clftsWidth1\\cellx3009\r\n"
              "\\clmrg\\clftsWidth1\\cellx6018\r\n"
              "\\clbrdrt\\brdroutset\\brdrw15\\clftsWidth3\\clwWidth500\\cellx9028\r\n"
              "\\pard\\intbl a\\par\r\n\\pard\\intbl b\r\n\\cell\r\n"
              "\\cell\r\n"
              "\\pard\\intbl c\r\n\\cell\r\n"
              "\\row\r\n");
}

// A table with nothing in it writes nothing; one that does not fit its grid stops the write.
TEST(RtfTable, EmptyTablesWriteNothingAndInvalidOnesThrow)
{
    CReportDocument document;
    CReportSection& section = document.AddSection();
    section.AddTable();
    section.AddTable().AddRow();
    EXPECT_EQ(Body(document), "\\sectd");

    CReportTable& bad = section.AddTable();
    bad.AddRow().AddCell();
    bad.AddRow().AddCell(1, 1);
    bad.GetRows()[1]->AddCell();
    EXPECT_THROW(Rtf(document), CInvalidTableDefinitionException);
}

} // namespace
