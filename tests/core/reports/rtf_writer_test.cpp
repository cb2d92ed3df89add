// The RTF writer token by token: delimiters and escapes, the tables at the top, character words,
// sections, pictures and tables.
#include "case_name.h"
#include "reports/report_document.h"
#include "reports/report_rtf_table_structure.h"
#include "reports/report_rtf_writer.h"

#include <functional>
#include <gtest/gtest.h>
#include <sstream>

namespace
{
using TestSupport::PrintTo;

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

struct SyntaxCase
{
    std::string name;
    std::function<void(CRTFSyntaxWriter&)> write;
    std::string expected;
};

class RtfSyntax : public testing::TestWithParam<SyntaxCase>
{};

TEST_P(RtfSyntax, WritesExactBytes)
{
    std::ostringstream out;
    CRTFSyntaxWriter writer(out);
    GetParam().write(writer);
    EXPECT_EQ(out.str(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RtfSyntax,
    testing::Values(SyntaxCase{"TextAfterControlWordIsSpaced",
                               [](CRTFSyntaxWriter& writer) {
                                   writer.ControlWord("b");
                                   writer.Text("x");
                               },
                               "\\b x"},
                    SyntaxCase{"TwoTextsAreOneSpaceApart",
                               [](CRTFSyntaxWriter& writer) {
                                   writer.Text("a");
                                   writer.Text("b");
                               },
                               "a b"},
                    SyntaxCase{"NoSpaceAfterGroupsLineEndsOrSymbols",
                               [](CRTFSyntaxWriter& writer) {
                                   writer.ControlWord("b");
                                   writer.OpenGroup();
                                   writer.Text("a");
                                   writer.CloseGroup();
                                   writer.Text("b");
                                   writer.NewLine();
                                   writer.Text("c");
                                   writer.ControlSymbol('*');
                                   writer.Text("d");
                               },
                               "\\b{a}b\r\nc\\*d"},
                    SyntaxCase{"EmptyTextWritesNotEvenThePendingSpace",
                               [](CRTFSyntaxWriter& writer) {
                                   writer.ControlWord("fldrslt");
                                   writer.Text("");
                                   writer.CloseGroup();
                               },
                               "\\fldrslt}"},
                    SyntaxCase{"BackslashAndBracesEscapedBackslashFirst",
                               [](CRTFSyntaxWriter& writer) { writer.Text("\\@ {x} \"y\" ;"); },
                               "\\\\@ \\{x\\} \"y\" ;"},
                    SyntaxCase{"TextGoesOutInWindows1252",
                               [](CRTFSyntaxWriter& writer) {
                                   writer.Text("\xC2\xA3 \xC3\xA9 \xE2\x82\xAC");
                               },
                               "\xA3 \xE9 \x80"},
                    SyntaxCase{"NumbersKeepTheirSign",
                               [](CRTFSyntaxWriter& writer) {
                                   writer.ControlWord("li", -15);
                                   writer.ControlWord("fs", 24);
                               },
                               "\\li-15\\fs24"}),
    CaseName());

TEST(RtfDocument, WithoutSectionsIsHeaderTablesPageWordsAndBrace)
{
    CReportDocument empty;
    EXPECT_EQ(Rtf(empty), "{\\rtf\\ansi\\deff0\r\n{\\fonttbl ;\r\n}\r\n{\\colortbl ;\r\n}\r\n}");

    CReportDocument document;
    A4(document).GetProperties().data.SetFont("Arial", FontPitchVariable, FontFamilySwiss);
    document.GetProperties().data.SetColor(0x000000);
    EXPECT_EQ(Rtf(document), "{\\rtf\\ansi\\deff0\r\n"
                             "{\\fonttbl ;\r\n"
                             "{\\f1\\fswiss\\fprq2 Arial ;}\r\n"
                             "}\r\n"
                             "{\\colortbl ;\r\n"
                             "\\red0\\green0\\blue0 ;\r\n"
                             "}\r\n"
                             "\\paperw11908\\paperh16833\\margl1440\\margr1440\\margt1440"
                             "\\margb1440}");
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

TEST(RtfSections, PaperWordsOnlyWhereTheLandscapeFlagIsSet)
{
    CReportDocument document;
    A4(document);
    document.AddSection();
    CReportSection& turned = document.AddSection();
    turned.GetProperties().section.SetLandscape(true);
    turned.GetProperties().document.SetPaperSize(PaperSize::A3);
    document.AddSection().GetProperties().section.SetLandscape(false);
    EXPECT_EQ(Body(document),
              "\\sectd\\sect\\sectd\\lndscpsxn\\paperw23817\\paperh16833\\sect\\sectd"
              "\\paperw11908\\paperh16833");
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

TEST_F(RtfPicture, FortyOneBytesMakeLinesOfOneAndFortyThenAnEmptyLine)
{
    std::vector<std::uint8_t> bytes;
    std::string second;
    for (int i = 0; i < 41; ++i) {
        bytes.push_back(static_cast<std::uint8_t>(i * 6));
        if (i > 0) {
            char hex[3];
            std::snprintf(hex, sizeof hex, "%02x", i * 6);
            second += hex;
        }
    }
    section.AddParagraph().AddPicture(bytes, 100, 50);
    EXPECT_EQ(Body(document), "\\sectd\\pard{\\pict\\emfblip\\picw100\\pich50 00\r\n" + second +
                                  "\r\n\r\n}\\par\r\n");
}

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

TEST_F(RtfPicture, EmptyPictureGetsNoScalingWords)
{
    CReportDataEnhancedMetafileProperties& sizing = Add(0, 0).GetProperties().picture;
    sizing.SetFit(true, true);
    sizing.SetGoalWidth(100);
    EXPECT_EQ(Words(), "\\pich0");
    sizing.SetGoalHeight(100);
    EXPECT_EQ(Words(), "\\pich0");
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
