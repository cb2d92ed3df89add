// Generating a report from its definition.
#include "reports/report_generator.h"

#include "platform/atomic_file.h"
#include "reports/header_footer_report_fragment.h"
#include "reports/report_definition.h"
#include "reports/report_document.h"
#include "reports/report_rtf_writer.h"
#include "reports/report_source.h"

namespace
{
const CHeaderFooterReportFragment* AsHeaderFooter(const CReportFragment& fragment)
{
    return dynamic_cast<const CHeaderFooterReportFragment*>(&fragment);
}
} // namespace

void CReportGenerator::SetDefaultProperties(CReportDocument& document) const
{
    CReportProperties& p = document.GetProperties();
    p.document.SetLeftMargin(1.0);
    p.document.SetRightMargin(1.0);
    p.document.SetTopMargin(1.0);
    p.document.SetBottomMargin(1.0);
    p.section.SetLandscape(false);
    p.paragraph.SetAlignment(ParagraphAlignment::Left);
    for (int inches = 1; inches <= 6; ++inches)
        p.paragraph.AddTabInches(TabKind::Left, inches);
    p.data.SetFont("Arial", FontPitchVariable, FontFamilySwiss);
    p.data.SetBold(false);
    p.data.SetItalic(false);
    p.data.SetStrikeThrough(false);
    p.data.SetUnderline(false);
    p.data.SetSize(12);
    p.data.SetColor(0x000000);
    p.table.SetAlignment(TableAlignment::Centre);
    p.cell.SetVerticalAlignment(CellVerticalAlignment::Centre);
    p.cell.SetTopBorder(15);
    p.cell.SetBottomBorder(15);
    p.cell.SetLeftBorder(15);
    p.cell.SetRightBorder(15);
    p.cell.SetBackgroundColor(0xFFFFFF);
}

void CReportGenerator::AddHeadersAndFooters(CReportSection& section) const
{
    const CReportFragments& fragments = m_definition->GetFragments();
    for (int i = 1; i <= fragments.GetCount(); ++i) {
        const CReportFragment& fragment = *fragments.GetFragment(i);
        if (AsHeaderFooter(fragment))
            fragment.AddToReport(*m_source, section, *m_definition);
    }
}

void CReportGenerator::AddBlankParagraph(CReportBodiesOwner& owner) const
{
    owner.AddParagraph();
}

std::unique_ptr<CReportDocument> CReportGenerator::Build() const
{
    auto document = std::make_unique<CReportDocument>();
    document->GetProperties().document.SetPaperSize(m_definition->GetPaperSize());
    SetDefaultProperties(*document);

    CReportSection* section = &document->AddSection();
    AddHeadersAndFooters(*section);
    CReportParagraph& title = section->AddParagraph(m_definition->GetTitle());
    title.GetProperties().data.SetSize(14);
    title.GetProperties().paragraph.SetAlignment(ParagraphAlignment::Centre);
    AddBlankParagraph(*section);

    const CReportFragments& fragments = m_definition->GetFragments();
    const CReportFragment* previous = nullptr;
    for (int i = 1; i <= fragments.GetCount(); ++i) {
        const CReportFragment& fragment = *fragments.GetFragment(i);
        if (AsHeaderFooter(fragment))
            continue;
        if (previous && previous->IsLandscape() != fragment.IsLandscape()) {
            section = &document->AddSection();
            AddHeadersAndFooters(*section);
        }
        section->GetProperties().section.SetLandscape(fragment.IsLandscape());
        fragment.AddToReport(*m_source, *section, *m_definition);
        AddBlankParagraph(*section);
        previous = &fragment;
    }
    return document;
}

void CReportGenerator::Generate(std::ostream& out) const
{
    const std::unique_ptr<CReportDocument> document = Build();
    CReportRTFWriter(*document, out).Write();
}

void SaveReport(const std::filesystem::path& path, const CReportDefinition& definition,
                const CReportSource& source)
{
    WriteFileAtomically(
        path, [&](std::ostream& out) { CReportGenerator(definition, source).Generate(out); });
}
