// The line-level syntax of a DXF file: group codes, values, points and handles.
#pragma once

#include <ostream>
#include <string_view>

// Writes every item as one text line ended by CR LF: group codes right-aligned in three
// columns below 1000, reals with six decimals, X and Y coordinates through the scale and
// offset of the drawing transform, and handles in upper-case hexadecimal.
class CDxfSyntaxWriter
{
public:
    CDxfSyntaxWriter(std::ostream& out, double scaleX, double scaleY, double offsetX,
                     double offsetY);

    void SetTransform(double scaleX, double scaleY, double offsetX, double offsetY);

    void WriteGroupCode(int code);
    void WriteString(std::string_view value);
    void WriteInt(long value);
    void WriteReal(double value);
    void WriteX(double x);
    void WriteY(double y);
    // code c, X, code c + 10, Y.
    void WritePoint(int code, double x, double y);
    // code 5 and the next handle; the counter then moves on.
    void WriteHandle(int& nextHandle);

    // A group code with its value.
    void String(int code, std::string_view value);
    void Int(int code, long value);
    void Real(int code, double value);

private:
    void Line(std::string_view text);

    std::ostream& m_out;
    double m_scaleX;
    double m_scaleY;
    double m_offsetX;
    double m_offsetY;
};
