// The VECT card: two plan positions, such as the two points of an arm.
#pragma once

#include <string>
#include <string_view>

// Two positions as whole numbers. Written in the long form "VECT  LONG" with 10-column
// coordinates from column 10; the short form (5-column coordinates from column 5) is read too.
class CCardVect
{
public:
    static constexpr std::string_view kKeyword = "VECT ";

    CCardVect(int x1, int y1, int x2, int y2) : m_x1(x1), m_y1(y1), m_x2(x2), m_y2(y2) {}
    // Truncates toward zero; raises errCardFieldRefused for a value no card can hold.
    static CCardVect FromPlan(double x1, double y1, double x2, double y2);
    // Raises errExpectedCardNotFound "Cannot find VECT  Card" for another keyword.
    static CCardVect FromLine(std::string_view line);

    int GetX1() const { return m_x1; }
    int GetY1() const { return m_y1; }
    int GetX2() const { return m_x2; }
    int GetY2() const { return m_y2; }
    // Ends in "\n"; raises errCardFieldRefused for a coordinate wider than 10 columns.
    std::string Format() const;

private:
    int m_x1;
    int m_y1;
    int m_x2;
    int m_y2;
};
