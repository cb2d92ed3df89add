#include "dxf/dxf_syntax_writer.h"

#include <array>
#include <cstdio>
#include <string>

CDxfSyntaxWriter::CDxfSyntaxWriter(std::ostream& out, double scaleX, double scaleY, double offsetX,
                                   double offsetY)
    : m_out(out), m_scaleX(scaleX), m_scaleY(scaleY), m_offsetX(offsetX), m_offsetY(offsetY)
{}

void CDxfSyntaxWriter::SetTransform(double scaleX, double scaleY, double offsetX, double offsetY)
{
    m_scaleX = scaleX;
    m_scaleY = scaleY;
    m_offsetX = offsetX;
    m_offsetY = offsetY;
}

void CDxfSyntaxWriter::Line(std::string_view text)
{
    m_out << text << "\r\n";
}

void CDxfSyntaxWriter::WriteGroupCode(int code)
{
    std::array<char, 32> buf{};
    std::snprintf(buf.data(), buf.size(), code < 1000 ? "%3d" : "%d", code);
    Line(buf.data());
}

void CDxfSyntaxWriter::WriteString(std::string_view value)
{
    Line(value);
}

void CDxfSyntaxWriter::WriteInt(long value)
{
    Line(std::to_string(value));
}

void CDxfSyntaxWriter::WriteReal(double value)
{
    std::array<char, 400> buf{};
    std::snprintf(buf.data(), buf.size(), "%f", value);
    Line(buf.data());
}

void CDxfSyntaxWriter::WriteX(double x)
{
    WriteReal(x * m_scaleX + m_offsetX);
}

void CDxfSyntaxWriter::WriteY(double y)
{
    WriteReal(y * m_scaleY + m_offsetY);
}

void CDxfSyntaxWriter::WritePoint(int code, double x, double y)
{
    WriteGroupCode(code);
    WriteX(x);
    WriteGroupCode(code + 10);
    WriteY(y);
}

void CDxfSyntaxWriter::WriteHandle(int& nextHandle)
{
    WriteGroupCode(5);
    std::array<char, 16> buf{};
    std::snprintf(buf.data(), buf.size(), "%X", static_cast<unsigned>(nextHandle));
    Line(buf.data());
    ++nextHandle;
}

void CDxfSyntaxWriter::String(int code, std::string_view value)
{
    WriteGroupCode(code);
    WriteString(value);
}

void CDxfSyntaxWriter::Int(int code, long value)
{
    WriteGroupCode(code);
    WriteInt(value);
}

void CDxfSyntaxWriter::Real(int code, double value)
{
    WriteGroupCode(code);
    WriteReal(value);
}
