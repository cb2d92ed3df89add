// A report as a small word-processing document: sections of paragraphs and tables, with page
// headers and footers, and the font and colour tables its formatting refers to.
#pragma once

#include "reports/report_body.h"

#include <memory>
#include <vector>

// The fonts a document uses, in the order they were first set; an index is a 1-based position.
// Adding a font that is there already does nothing.
class CReportFontEnumerator
{
public:
    void Add(const CReportFont& font);
    // 0 for a font that was never added.
    int IndexOf(const CReportFont& font) const;
    const std::vector<CReportFont>& GetFonts() const { return m_fonts; }

private:
    std::vector<CReportFont> m_fonts;
};

// The colours a document uses, as the font enumerator keeps fonts.
class CReportColorEnumerator
{
public:
    void Add(ReportColor color);
    int IndexOf(ReportColor color) const;
    const std::vector<ReportColor>& GetColors() const { return m_colors; }

private:
    std::vector<ReportColor> m_colors;
};

enum class HeaderFooterKind : int
{
    Header = 0,
    Footer = 1,
};

// A page header or footer of a section.
class CReportHeaderFooter : public CReportBodiesOwner
{
public:
    using CReportBodiesOwner::CReportBodiesOwner;
    HeaderFooterKind GetKind() const { return m_kind; }
    void SetKind(HeaderFooterKind kind) { m_kind = kind; }

private:
    HeaderFooterKind m_kind = HeaderFooterKind::Header;
};

using CReportHeaderFooters = std::vector<std::unique_ptr<CReportHeaderFooter>>;

// A run of pages with one orientation: its bodies and its headers and footers.
class CReportSection : public CReportBodiesOwner
{
public:
    using CReportBodiesOwner::CReportBodiesOwner;
    // The kind is set afterwards.
    CReportHeaderFooter& AddHeaderFooter();
    const CReportHeaderFooters& GetHeaderFooters() const { return m_headerFooters; }

private:
    CReportHeaderFooters m_headerFooters;
};

using CReportSections = std::vector<std::unique_ptr<CReportSection>>;

// The root of a report tree. Every node made under it registers its fonts and colours here.
class CReportDocument : public CReportPropertiesOwner
{
public:
    CReportDocument() : CReportPropertiesOwner(this) {}

    CReportSection& AddSection();
    const CReportSections& GetSections() const { return m_sections; }

    CReportFontEnumerator& GetFontEnumerator() { return m_fonts; }
    const CReportFontEnumerator& GetFontEnumerator() const { return m_fonts; }
    CReportColorEnumerator& GetColorEnumerator() { return m_colors; }
    const CReportColorEnumerator& GetColorEnumerator() const { return m_colors; }

private:
    // Declared before the sections, whose nodes register into them.
    CReportFontEnumerator m_fonts;
    CReportColorEnumerator m_colors;
    CReportSections m_sections;
};
