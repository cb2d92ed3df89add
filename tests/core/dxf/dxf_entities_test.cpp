// Entities, colours and syntax of the DXF writer, and what the converter makes of recorded
// drawing calls, read back as group code / value pairs.
#include "case_name.h"
#include "dxf/metafile_to_dxf_converter.h"
#include "platform/emf_reader.h"
#include "platform/emf_recorder.h"

#include <gtest/gtest.h>
#include <sstream>

namespace
{
using TestSupport::PrintTo;
struct CGroup
{
    int code = 0;
    std::string value;
};
using CEntity = std::vector<CGroup>;

// The entities of a DXF: each starts at its 0 group and runs to the next one.
std::vector<CEntity> EntitiesOf(const std::string& dxf)
{
    std::vector<CEntity> entities;
    std::istringstream in(dxf);
    bool inside = false;
    for (std::string code, value; std::getline(in, code) && std::getline(in, value);) {
        value.pop_back(); // the carriage return
        const CGroup g{std::stoi(code), value};
        if (g.code == 2 && g.value == "ENTITIES") {
            inside = true;
            continue;
        }
        if (!inside) {
            continue;
        }
        if (g.code == 0) {
            if (g.value == "ENDSEC") {
                break;
            }
            entities.emplace_back();
        }
        entities.back().push_back(g);
    }
    return entities;
}

std::vector<std::string> ValuesOf(const CEntity& e, int code)
{
    std::vector<std::string> out;
    for (const CGroup& g : e) {
        if (g.code == code) {
            out.push_back(g.value);
        }
    }
    return out;
}

std::string ValueOf(const CEntity& e, int code)
{
    const auto all = ValuesOf(e, code);
    return all.empty() ? "<none>" : all.front();
}

// The corners 10..13 of a SOLID as "x,y" strings.
std::vector<std::string> CornersOf(const CEntity& e)
{
    std::vector<std::string> out;
    for (int c = 10; c <= 13; ++c) {
        out.push_back(ValueOf(e, c) + "," + ValueOf(e, c + 10));
    }
    return out;
}

std::string Convert(const std::vector<std::uint8_t>& emf, const CTextMeasurer& measurer)
{
    std::ostringstream out;
    CMetaFileToDxfConverter converter(out, emf, measurer);
    converter.Parse();
    return out.str();
}

TEST(DxfSyntax, PointsAreTransformedAndHandlesCountInHex)
{
    std::ostringstream out;
    CDxfSyntaxWriter s(out, 1.0, -1.0, -100.0, 50.0);
    s.WritePoint(11, 130.5, 20.0);
    int handle = 0x2009;
    s.WriteHandle(handle);
    s.WriteHandle(handle);
    s.Real(40, 0.5);
    EXPECT_EQ(out.str(), " 11\r\n30.500000\r\n 21\r\n30.000000\r\n"
                         "  5\r\n2009\r\n  5\r\n200A\r\n 40\r\n0.500000\r\n");
    EXPECT_EQ(handle, 0x200B);
}

TEST(DxfSyntax, GroupCodesArePaddedToThreeColumnsBelow1000)
{
    std::ostringstream out;
    CDxfSyntaxWriter s(out, 1, 1, 0, 0);
    for (const int code : {0, 10, 99, 100, 999, 1000}) {
        s.WriteGroupCode(code);
    }
    EXPECT_EQ(out.str(), "  0\r\n 10\r\n 99\r\n100\r\n999\r\n1000\r\n");
}

struct CColorCase
{
    const char* name;
    ColorRef color; // 0x00BBGGRR
    int index;
};

class ColorIndex : public testing::TestWithParam<CColorCase>
{};

TEST_P(ColorIndex, IsTheFirstNearestEntry)
{
    EXPECT_EQ(DxfColorIndex(GetParam().color), GetParam().index);
}

INSTANTIATE_TEST_SUITE_P(
    Dxf, ColorIndex,
    testing::Values(CColorCase{"RedIsOneNotTen", 0x0000FF, 1},
                    CColorCase{"BlackIsSevenNot250", 0x000000, 7},
                    CColorCase{"YellowIsTwoNotFifty", 0x00FFFF, 2},
                    // 153 from 0xFFFF66 (51), 0x66FFFF (131) and 0xCCCCCC (254).
                    CColorCase{"WhiteIsFirstOfTheNearest", 0xFFFFFF, 51},
                    CColorCase{"MidGrey", 0x999999, 253},
                    // 0x333333 first appears at 17; 251 only repeats it.
                    CColorCase{"DarkGreyFirstAtSeventeen", 0x333333, 17},
                    // 0x868686 is exactly entry 8.
                    CColorCase{"EntryEight", 0x868686, 8},
                    // Light grey lies 15 from 0xBBBBBB, grey 18 from 0x868686.
                    CColorCase{"StockLightGrey", 0xC0C0C0, 9}, CColorCase{"StockGrey", 0x808080, 8},
                    // 0x1A0000 red: 26 from black (7), 25 from 0x330000 (16).
                    CColorCase{"DarkRedCloserToSixteen", 0x00001A, 16},
                    // 0x190000 red: 25 from both black (7) and 0x330000 (16); 7 comes first.
                    CColorCase{"TieGoesToTheLowerIndex", 0x000019, 7}),
    CaseName());

TEST(DxfPalette, EntriesOutsideOneTo255AreZero)
{
    EXPECT_EQ(DxfPaletteEntry(0), 0u);
    EXPECT_EQ(DxfPaletteEntry(256), 0u);
    EXPECT_EQ(DxfPaletteEntry(1), 0xFF0000u);
    EXPECT_EQ(DxfPaletteEntry(255), 0xAEAEAEu);
}

struct CSolidCase
{
    const char* name;
    std::vector<CPoint> points;
    std::vector<std::vector<std::string>> solids;
};

class SolidFill : public testing::TestWithParam<CSolidCase>
{};

// Without a header the transform is x and -y; points are chosen so that is easy to read.
TEST_P(SolidFill, CornersRunFromBothEndsInwards)
{
    std::ostringstream out;
    CDxfWriter w(out, 1.0, 1.0, 0.0, 0.0);
    w.BeginEntities();
    std::vector<CDxfPoint> points;
    for (const CPoint& p : GetParam().points) {
        points.push_back({static_cast<double>(p.x), static_cast<double>(p.y)});
    }
    w.WriteSolids(CDxfWriter::GraphicsLayer, points, 3);
    w.EndEntities();
    const auto entities = EntitiesOf(out.str());
    ASSERT_EQ(entities.size(), GetParam().solids.size());
    for (std::size_t i = 0; i < entities.size(); ++i) {
        EXPECT_EQ(ValueOf(entities[i], 0), "SOLID");
        EXPECT_EQ(ValueOf(entities[i], 8), "Graphics");
        EXPECT_EQ(ValueOf(entities[i], 62), "3");
        EXPECT_EQ(ValueOf(entities[i], 100), "AcDbEntity");
        EXPECT_EQ(ValuesOf(entities[i], 100).back(), "AcDbTrace");
        EXPECT_EQ(CornersOf(entities[i]), GetParam().solids[i]) << "solid " << i;
    }
}

const std::string P0 = "0.000000,0.000000", P1 = "1.000000,0.000000", P2 = "2.000000,0.000000",
                  P3 = "3.000000,0.000000", P4 = "4.000000,0.000000";

INSTANTIATE_TEST_SUITE_P(
    Dxf, SolidFill,
    testing::Values(CSolidCase{"TwoPointsNone", {{0, 0}, {1, 0}}, {}},
                    CSolidCase{"Triangle", {{0, 0}, {1, 0}, {2, 0}}, {{P2, P0, P1, P1}}},
                    CSolidCase{
                        "Quadrilateral", {{0, 0}, {1, 0}, {2, 0}, {3, 0}}, {{P3, P0, P2, P1}}},
                    CSolidCase{"Pentagon",
                               {{0, 0}, {1, 0}, {2, 0}, {3, 0}, {4, 0}},
                               {{P4, P0, P3, P1}, {P3, P1, P2, P2}}}),
    CaseName());

class Converter : public testing::Test
{
protected:
    CFixedWidthTextMeasurer m_measurer;
    CEmfRecorder m_recorder{m_measurer, "DXFMetafile"};
};

TEST_F(Converter, HandlesFollowTheTwoLayersAndRise)
{
    m_recorder.SelectPen(CPenExt(EPenStyle::Solid, 1, 0x0000FF));
    m_recorder.MoveTo({0, 0});
    m_recorder.LineTo({10, 0});
    m_recorder.LineTo({10, 10});
    const auto emf = m_recorder.Finish();
    const auto entities = EntitiesOf(Convert(emf, m_measurer));
    ASSERT_EQ(entities.size(), 2u);
    EXPECT_EQ(ValueOf(entities[0], 5), "2002");
    EXPECT_EQ(ValueOf(entities[1], 5), "2003");
    EXPECT_EQ(ValueOf(entities[1], 62), "1");
    EXPECT_EQ(ValueOf(entities[1], 70), "0");
    const CRect bounds = CEmfReader(emf).GetHeader().bounds;
    const std::string x = std::to_string(10.0 - bounds.left);
    EXPECT_EQ(ValuesOf(entities[1], 10), (std::vector<std::string>{x, x}));
    EXPECT_EQ(ValuesOf(entities[1], 20),
              (std::vector<std::string>{std::to_string(bounds.bottom + 0.0),
                                        std::to_string(bounds.bottom - 10.0)}));
}

TEST_F(Converter, NullPenPolygonGivesSolidsOnlyBeforeAnyOutline)
{
    m_recorder.SelectPen(CPenExt::Null());
    m_recorder.SelectBrush(CBrush(0x00FF00));
    const CPoint pentagon[] = {{0, 0}, {10, 0}, {12, 8}, {5, 12}, {-2, 8}};
    m_recorder.Polygon(pentagon);
    m_recorder.SelectPen(CPenExt(EPenStyle::Solid, 2, 0));
    m_recorder.Polygon(pentagon);
    const auto entities = EntitiesOf(Convert(m_recorder.Finish(), m_measurer));
    std::vector<std::string> kinds;
    for (const auto& e : entities) {
        kinds.push_back(ValueOf(e, 0));
    }
    EXPECT_EQ(kinds, (std::vector<std::string>{"SOLID", "SOLID", "SOLID", "SOLID", "LWPOLYLINE"}));
    EXPECT_EQ(ValueOf(entities[0], 62), "3");
    EXPECT_EQ(ValueOf(entities[4], 70), "1");
    EXPECT_EQ(ValueOf(entities[4], 43), "2");
}

TEST_F(Converter, EllipseOfOneColourIsOnlyTheDisc)
{
    m_recorder.SelectPen(CPenExt(EPenStyle::Solid, 1, 0xFF0000));
    m_recorder.SelectBrush(CBrush(0xFF0000));
    m_recorder.Ellipse({0, 0, 40, 20});
    m_recorder.SelectBrush(CBrush(0x0000FF));
    m_recorder.Ellipse({0, 0, 40, 20});
    const auto entities = EntitiesOf(Convert(m_recorder.Finish(), m_measurer));
    ASSERT_EQ(entities.size(), 3u);
    EXPECT_EQ(ValueOf(entities[0], 0), "LWPOLYLINE");
    EXPECT_EQ(ValuesOf(entities[0], 42), (std::vector<std::string>{"1", "1"}));
    EXPECT_EQ(ValueOf(entities[1], 0), "LWPOLYLINE");
    EXPECT_EQ(ValueOf(entities[1], 62), "1");
    EXPECT_EQ(ValueOf(entities[2], 0), "CIRCLE");
    EXPECT_EQ(ValueOf(entities[2], 62), "5");
    EXPECT_EQ(ValueOf(entities[2], 40), "10.000000");
}

struct CJustifyCase
{
    const char* name;
    unsigned align;
    const char* horizontal;
    const char* vertical;
    int shift; // of the reference point along DXF y (up), in half internal leadings
};

class TextJustification : public testing::TestWithParam<CJustifyCase>
{};

TEST_P(TextJustification, FollowsTheAlignmentBits)
{
    CFixedWidthTextMeasurer measurer;
    CEmfRecorder recorder(measurer);
    recorder.SelectFont(CBearingFont(90.0, 40, false)); // horizontal, internal leading 8
    recorder.SetTextAlign(GetParam().align);
    recorder.TextOut({100, 100}, "N1");
    const auto emf = recorder.Finish();
    const auto entities = EntitiesOf(Convert(emf, measurer));
    ASSERT_EQ(entities.size(), 1u);
    const CEntity& t = entities[0];
    EXPECT_EQ(ValueOf(t, 0), "TEXT");
    EXPECT_EQ(ValueOf(t, 8), "Text");
    EXPECT_EQ(ValueOf(t, 1), "N1");
    EXPECT_EQ(ValueOf(t, 40), "32");
    EXPECT_EQ(ValueOf(t, 7), "Arial");
    EXPECT_EQ(ValueOf(t, 72), GetParam().horizontal);
    EXPECT_EQ(ValueOf(t, 73), GetParam().vertical);
    CEmfReader reader(emf);
    const double bottom = reader.GetHeader().bounds.bottom;
    const double y = bottom - 100 + 4.0 * GetParam().shift;
    EXPECT_DOUBLE_EQ(std::stod(ValueOf(t, 20)), y);
    EXPECT_EQ(ValueOf(t, 21), ValueOf(t, 20));
    EXPECT_EQ(ValueOf(t, 11), ValueOf(t, 10));
}

INSTANTIATE_TEST_SUITE_P(Dxf, TextJustification,
                         testing::Values(CJustifyCase{"LeftTop", 0, "0", "3", -1},
                                         CJustifyCase{"RightTop", 2, "2", "3", -1},
                                         CJustifyCase{"CentreTop", 6, "1", "3", -1},
                                         CJustifyCase{"LeftBottom", 8, "0", "1", 1},
                                         CJustifyCase{"CentreBottom", 14, "1", "1", 1},
                                         CJustifyCase{"LeftBaseline", 24, "0", "0", 0},
                                         CJustifyCase{"RightBaseline", 26, "2", "0", 0}),
                         CaseName());
} // namespace
