// The POINT card: one plan position.
#pragma once

#include <string>
#include <string_view>

// A position as two whole numbers. Written in the long form "POINT LONG" with 10-column
// coordinates from column 10; the short form (5-column coordinates from column 5) is read too.
class CCardPoint
{
public:
    static constexpr std::string_view kKeyword = "POINT";

    CCardPoint(int x, int y) : m_x(x), m_y(y) {}
    // Truncates toward zero; raises errCardFieldRefused for a value no card can hold.
    static CCardPoint FromPlan(double x, double y);
    // Raises errExpectedCardNotFound "Cannot find POINT Card" for another keyword.
    static CCardPoint FromLine(std::string_view line);

    int GetX() const { return m_x; }
    int GetY() const { return m_y; }
    // Ends in "\n"; raises errCardFieldRefused for a coordinate wider than 10 columns.
    std::string Format() const;

private:
    int m_x;
    int m_y;
};
