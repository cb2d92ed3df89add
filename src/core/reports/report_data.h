// The inline items of a report paragraph: text, fields, special characters and pictures.
#pragma once

#include "reports/report_properties.h"

#include <cstdint>
#include <string>
#include <vector>

// The values are those of the report tree; a value outside them writes nothing.
enum class FieldKind : int
{
    FileName = 0,
    FileNameWithPath = 1,
    Date = 2,
    Time = 3,
    PrintDate = 4,
    NumberOfPages = 5,
    Page = 6,
};

enum class SpecialCharKind : int
{
    CurrentDate = 0,
    LongDate = 1,
    CurrentTime = 2,
    PageNumber = 3,
    SectionNumber = 4,
    Cell = 5,
    Row = 6,
    Paragraph = 7,
    Section = 8,
    Page = 9,
    Line = 10,
    Tab = 11,
};

// The base of the inline items; an item's formatting runs on into the items after it.
class CReportData : public CReportPropertiesOwner
{
public:
    using CReportPropertiesOwner::CReportPropertiesOwner;
};

// Text as UTF-8; the RTF file holds it in Windows-1252.
class CReportDataText : public CReportData
{
public:
    CReportDataText(CReportDocument* document, std::string text)
        : CReportData(document), m_text(std::move(text))
    {}
    const std::string& GetText() const { return m_text; }

private:
    std::string m_text;
};

// A field the viewer fills in (a date, the page number...): its kind, a switch such as
// \@ "dd/MM/yyyy", and the result shown until the viewer updates it.
class CReportDataField : public CReportData
{
public:
    CReportDataField(CReportDocument* document, FieldKind kind, std::string switches,
                     std::string result)
        : CReportData(document), m_kind(kind), m_switch(std::move(switches)),
          m_result(std::move(result))
    {}
    FieldKind GetKind() const { return m_kind; }
    const std::string& GetSwitch() const { return m_switch; }
    const std::string& GetResult() const { return m_result; }

private:
    FieldKind m_kind;
    std::string m_switch;
    std::string m_result;
};

class CReportDataSpecialChar : public CReportData
{
public:
    CReportDataSpecialChar(CReportDocument* document, SpecialCharKind kind)
        : CReportData(document), m_kind(kind)
    {}
    SpecialCharKind GetKind() const { return m_kind; }

private:
    SpecialCharKind m_kind;
};

// A private copy of enhanced metafile bytes and the picture's size in hundredths of a
// millimetre.
class CReportDataEnhancedMetafile : public CReportData
{
public:
    CReportDataEnhancedMetafile(CReportDocument* document, std::vector<std::uint8_t> bytes,
                                int width, int height)
        : CReportData(document), m_bytes(std::move(bytes)), m_width(width), m_height(height)
    {}
    const std::vector<std::uint8_t>& GetBytes() const { return m_bytes; }
    int GetWidth() const { return m_width; }
    int GetHeight() const { return m_height; }

private:
    std::vector<std::uint8_t> m_bytes;
    int m_width;
    int m_height;
};
