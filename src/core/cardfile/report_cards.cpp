// Report definitions as cards, inside a network file.
#include "cardfile/report_cards.h"

#include "cardfile/card_builder.h"
#include "cardfile/card_errors.h"
#include "cardfile/card_fields.h"
#include "cardfile/card_line.h"
#include "cardfile/card_stream.h"
#include "cardfile/card_writer.h"
#include "cardfile/product_code.h"
#include "reports/flow_group_report_fragment_component.h"
#include "reports/flows_report_fragment.h"
#include "reports/header_footer_report_fragment.h"
#include "reports/network_diagram_report_fragment.h"
#include "reports/report_definition.h"
#include "reports/routes_report_fragment.h"
#include "model/flow_group.h"

#include <array>

namespace
{
// The separator byte 0xAC of Windows-1252, as core strings hold it.
constexpr std::string_view kSeparator = "\xC2\xAC";

int FlowGroupNumber(const CCarouselFlowGroupReportFragmentComponent& component,
                    const CFlowGroups& groups)
{
    const CFlowGroup* group = groups.GetFlowGroupById(component.GetFlowGroupId());
    return group != nullptr ? static_cast<int>(group->GetNumber()) : -1;
}

std::uint32_t FlowGroupId(int number, const CFlowGroups& groups)
{
    const CFlowGroup* group =
        number > 0 ? groups.GetFlowGroup(static_cast<std::uint32_t>(number)) : nullptr;
    return group != nullptr ? group->GetId() : NoFlowGroupId;
}

// An option card is a keyword and a row of five-column integers; the classes below give them
// their meaning.
template <std::size_t N> struct CFlagRow
{
    std::array<int, N> values{};

    void Read(std::string_view line)
    {
        const CCardLine card(line);
        for (std::size_t i = 0; i < N; ++i) {
            values[i] = card.Int(5 + 5 * i, 5);
        }
    }
    std::string Format(std::string_view keyword, const std::array<const char*, N>& names) const
    {
        CCardBuilder builder(keyword);
        for (std::size_t i = 0; i < N; ++i) {
            builder.Field("%5i", values[i], names[i]);
        }
        return builder.Line();
    }
};

int Flag(bool value)
{
    return value ? 1 : 0;
}
} // namespace

class CCardHeaderFooterReportFragment : public CCardDerivedReportFragment
{
public:
    CFlagRow<7> row;

    std::string Format() const override
    {
        return row.Format(Keyword(), {"is header", "show file name", "show path", "show date",
                                      "show time", "show page number", "show title"});
    }
    void Apply(CReportFragment& fragment, const CFlowGroups&) const override
    {
        // The is-header flag is the fragment's class; it is read and not applied.
        auto& f = dynamic_cast<CHeaderFooterReportFragment&>(fragment);
        f.SetShowFileName(row.values[1] != 0);
        f.SetShowPath(row.values[2] != 0);
        f.SetShowDate(row.values[3] != 0);
        f.SetShowTime(row.values[4] != 0);
        f.SetShowPageNumber(row.values[5] != 0);
        f.SetShowTitle(row.values[6] != 0);
    }
    void ClearNetworkValues() override {}
    std::string_view Keyword() const override { return "RFHFR"; }
};

class CCarouselCardFlowsReportFragment : public CCardDerivedReportFragment
{
public:
    CFlagRow<4> row;

    std::string Format() const override
    {
        return row.Format(
            Keyword(), {"flow group", "show flow group description", "matrix kind", "precision"});
    }
    void Apply(CReportFragment& fragment, const CFlowGroups& groups) const override
    {
        auto& f = dynamic_cast<CCarouselFlowsReportFragment&>(fragment);
        f.SetFlowGroupId(FlowGroupId(row.values[0], groups));
        f.SetShowFlowGroupDescription(row.values[1] != 0);
        const int kind = row.values[2];
        f.SetMatrixKind(kind >= 0 && kind <= 2
                            ? static_cast<CCarouselFlowsReportFragment::FlowMatrixKind>(kind)
                            : CCarouselFlowsReportFragment::FlowMatrixKind::Desired);
        f.SetPrecision(row.values[3]);
    }
    void ClearNetworkValues() override { row.values[0] = -1; }
    std::string_view Keyword() const override { return "RFFLO"; }
};

class CCarouselCardNetworkDiagramReportFragment : public CCardDerivedReportFragment
{
public:
    CFlagRow<9> row;

    std::string Format() const override
    {
        return row.Format(Keyword(), {"flow group", "show flow group description", "aggregation",
                                      "colouring", "show zero lane flows", "print zone", "scale",
                                      "highlight filtered routes", "highlight selected routes"});
    }
    void Apply(CReportFragment& fragment, const CFlowGroups& groups) const override
    {
        using F = CCarouselNetworkDiagramReportFragment;
        auto& f = dynamic_cast<F&>(fragment);
        f.SetFlowGroupId(FlowGroupId(row.values[0], groups));
        f.SetShowFlowGroupDescription(row.values[1] != 0);
        f.SetAggregation(LaneFlowAggregationFromNumber(row.values[2], ELaneFlowAggregation::ByOD));
        f.SetColouring(LaneFlowColouringFromNumber(row.values[3]));
        f.SetShowZeroLaneFlows(row.values[4] != 0);
        f.SetPrintZone(row.values[5]);
        f.SetScale(row.values[6]);
        f.SetHighlightFilteredRoutes(row.values[7] != 0);
        f.SetHighlightSelectedRoutes(row.values[8] != 0);
    }
    void ClearNetworkValues() override
    {
        row.values[0] = -1;
        row.values[5] = -1;
    }
    std::string_view Keyword() const override { return "RFNET"; }
};

class CCarouselCardRoutesReportFragment : public CCardDerivedReportFragment
{
public:
    CFlagRow<13> row;

    std::string Format() const override
    {
        return row.Format(Keyword(),
                          {"flow group", "show flow group description", "indicate permitted",
                           "show route number", "show origin zone", "show origin arm",
                           "show origin lane", "show destination zone", "show destination arm",
                           "show destination lane", "show route flow", "show allowed routes only",
                           "show flow lock status"});
    }
    void Apply(CReportFragment& fragment, const CFlowGroups& groups) const override
    {
        auto& f = dynamic_cast<CCarouselRoutesReportFragment&>(fragment);
        const auto& v = row.values;
        f.SetFlowGroupId(FlowGroupId(v[0], groups));
        f.SetShowFlowGroupDescription(v[1] != 0);
        f.SetIndicateIfRouteIsPermitted(v[2] != 0);
        f.SetShowRouteNumber(v[3] != 0);
        f.SetShowOriginZone(v[4] != 0);
        f.SetShowOriginArm(v[5] != 0);
        f.SetShowOriginLane(v[6] != 0);
        f.SetShowDestinationZone(v[7] != 0);
        f.SetShowDestinationArm(v[8] != 0);
        f.SetShowDestinationLane(v[9] != 0);
        f.SetShowRouteFlow(v[10] != 0);
        f.SetShowAllowedRoutesOnly(v[11] != 0);
        f.SetShowFlowLockStatus(v[12] != 0);
    }
    void ClearNetworkValues() override { row.values[0] = -1; }
    std::string_view Keyword() const override { return "RFROU"; }
};

std::unique_ptr<CCardDerivedReportFragment>
CCarouselCardReportFragmentFactory::FromFragment(const CReportFragment& fragment,
                                                 const CFlowGroups& groups) const
{
    switch (fragment.GetType()) {
    case ReportFragmentType::Header:
    case ReportFragmentType::Footer: {
        const auto& f = dynamic_cast<const CHeaderFooterReportFragment&>(fragment);
        auto card = std::make_unique<CCardHeaderFooterReportFragment>();
        card->row.values = {Flag(f.IsHeader()),    Flag(f.GetShowFileName()),
                            Flag(f.GetShowPath()), Flag(f.GetShowDate()),
                            Flag(f.GetShowTime()), Flag(f.GetShowPageNumber()),
                            Flag(f.GetShowTitle())};
        return card;
    }
    case ReportFragmentType::FlowsMatrix: {
        const auto& f = dynamic_cast<const CCarouselFlowsReportFragment&>(fragment);
        auto card = std::make_unique<CCarouselCardFlowsReportFragment>();
        card->row.values = {FlowGroupNumber(f, groups), Flag(f.GetShowFlowGroupDescription()),
                            static_cast<int>(f.GetMatrixKind()), f.GetPrecision()};
        return card;
    }
    case ReportFragmentType::NetworkDiagram: {
        const auto& f = dynamic_cast<const CCarouselNetworkDiagramReportFragment&>(fragment);
        auto card = std::make_unique<CCarouselCardNetworkDiagramReportFragment>();
        card->row.values = {FlowGroupNumber(f, groups),
                            Flag(f.GetShowFlowGroupDescription()),
                            LaneFlowAggregationNumber(f.GetAggregation()),
                            LaneFlowColouringNumber(f.GetColouring()),
                            Flag(f.GetShowZeroLaneFlows()),
                            f.GetPrintZone(),
                            f.GetScale(),
                            Flag(f.GetHighlightFilteredRoutes()),
                            Flag(f.GetHighlightSelectedRoutes())};
        return card;
    }
    case ReportFragmentType::RoutesList: {
        const auto& f = dynamic_cast<const CCarouselRoutesReportFragment&>(fragment);
        auto card = std::make_unique<CCarouselCardRoutesReportFragment>();
        card->row.values = {FlowGroupNumber(f, groups),
                            Flag(f.GetShowFlowGroupDescription()),
                            Flag(f.GetIndicateIfRouteIsPermitted()),
                            Flag(f.GetShowRouteNumber()),
                            Flag(f.GetShowOriginZone()),
                            Flag(f.GetShowOriginArm()),
                            Flag(f.GetShowOriginLane()),
                            Flag(f.GetShowDestinationZone()),
                            Flag(f.GetShowDestinationArm()),
                            Flag(f.GetShowDestinationLane()),
                            Flag(f.GetShowRouteFlow()),
                            Flag(f.GetShowAllowedRoutesOnly()),
                            Flag(f.GetShowFlowLockStatus())};
        return card;
    }
    }
    return nullptr;
}

std::unique_ptr<CCardDerivedReportFragment>
CCarouselCardReportFragmentFactory::FromLine(ReportFragmentType type, std::string_view line) const
{
    switch (type) {
    case ReportFragmentType::Header:
    case ReportFragmentType::Footer: {
        auto card = std::make_unique<CCardHeaderFooterReportFragment>();
        card->row.Read(line);
        return card;
    }
    case ReportFragmentType::FlowsMatrix: {
        auto card = std::make_unique<CCarouselCardFlowsReportFragment>();
        card->row.Read(line);
        if (CCardLine(line).Length() < 25) {
            card->row.values[3] = CCarouselFlowsReportFragment::DefaultPrecision;
        }
        return card;
    }
    case ReportFragmentType::NetworkDiagram: {
        auto card = std::make_unique<CCarouselCardNetworkDiagramReportFragment>();
        card->row.Read(line);
        return card;
    }
    case ReportFragmentType::RoutesList: {
        auto card = std::make_unique<CCarouselCardRoutesReportFragment>();
        card->row.Read(line);
        return card;
    }
    }
    return nullptr;
}

namespace
{
// The older forms lack the separator and the field before it: they run from the first fields
// straight into the text.
using Definition = CCardReportDefinition;
constexpr CCardField<Definition> kReportDefinitionFields[] = {
    cardfield::Int<&Definition::position>("%5d", "report position"),
    cardfield::Int<&Definition::fragmentCount>("%5d", "fragment count"),
    cardfield::Int<&Definition::paperSize>("%5d", "paper size"),
    cardfield::Literal<Definition>(kSeparator),
    cardfield::Text<&Definition::title>("%s", "report title"),
};

using Fragment = CCardReportFragment;
constexpr CCardField<Fragment> kReportFragmentFields[] = {
    cardfield::Int<&Fragment::position>("%5d", "fragment position"),
    cardfield::Int<&Fragment::type>("%5d", "fragment type"),
    cardfield::Flag<&Fragment::showName>("%5d", "show fragment name"),
    cardfield::Flag<&Fragment::landscape>("%5d", "landscape"),
    cardfield::Literal<Fragment>(kSeparator),
    cardfield::Text<&Fragment::name>("%s", "fragment name"),
};

// Reads a card whose fields end in the separator and a text. The older form has neither the
// separator nor the field before it, and its text follows the fields before that one.
template <typename Record, std::size_t N>
Record ReadSeparatedCard(std::string_view line, const CCardField<Record> (&fields)[N])
{
    static_assert(N >= 3);
    const CCardLine card(line);
    std::size_t separator = 5;
    for (std::size_t i = 0; i + 2 < N; ++i) {
        separator += static_cast<std::size_t>(fields[i].conversion.width);
    }
    Record record;
    if (card.Length() > separator && card.Field(separator, 1) == kSeparator) {
        ReadCardFields<Record>(card, fields, record);
    } else {
        const std::size_t text =
            ReadCardFields<Record>(card, std::span(fields).first(N - 3), record);
        fields[N - 1].read({card, text, 0}, record);
    }
    return record;
}
} // namespace

CCardReportDefinition CCardReportDefinition::FromLine(std::string_view line)
{
    return ReadSeparatedCard(line, kReportDefinitionFields);
}

std::string CCardReportDefinition::Format() const
{
    return FormatCardFields<Definition>("REPD ", kReportDefinitionFields, *this);
}

CCardReportFragment CCardReportFragment::FromLine(std::string_view line)
{
    return ReadSeparatedCard(line, kReportFragmentFields);
}

std::string CCardReportFragment::Format() const
{
    return FormatCardFields<Fragment>("REPF ", kReportFragmentFields, *this);
}

CReportFileWriter::CReportFileWriter(CCardWriter& out, const CReportDefinitions& definitions,
                                     const CFlowGroups& groups)
    : m_out(&out), m_definitions(&definitions), m_groups(&groups)
{}

void CReportFileWriter::WriteNetworkReports()
{
    m_out->WriteCard(
        CCardBuilder("REPDS").Field("%5d", m_definitions->GetCount(), "report count").Line());
    for (int i = 1; i <= m_definitions->GetCount(); ++i) {
        WriteDefinition(*m_definitions->GetDefinition(i), false);
    }
}

void CReportFileWriter::WriteTemplate(const CReportDefinition& definition)
{
    m_out->WriteCard(CCardBuilder("REPTS")
                         .Field("%5d", ReportTemplateSchema, "template schema")
                         .Field("%5d", ProductCode, "product code")
                         .Line());
    WriteDefinition(definition, true);
}

void CReportFileWriter::WriteDefinition(const CReportDefinition& definition, bool templateForm)
{
    const CReportFragments& fragments = definition.GetFragments();
    CCardReportDefinition def;
    def.position = definition.GetPosition();
    def.fragmentCount = fragments.GetCount();
    def.paperSize = static_cast<int>(definition.GetPaperSize());
    def.title = definition.GetTitle();
    const std::string report = "Report " + std::to_string(definition.GetPosition());
    m_out->WriteCard(FormatForObject(report, [&] { return def.Format(); }));
    for (int i = 1; i <= fragments.GetCount(); ++i) {
        const CReportFragment& fragment = *fragments.GetFragment(i);
        const auto options = m_factory.FromFragment(fragment, *m_groups);
        if (templateForm) {
            options->ClearNetworkValues();
        }
        CCardReportFragment frag;
        frag.position = fragment.GetPosition();
        frag.type = static_cast<int>(fragment.GetType());
        frag.showName = fragment.GetShowFragmentName();
        frag.landscape = fragment.IsLandscape();
        frag.name = fragment.GetName();
        const std::string name = "Fragment " + std::to_string(i) + " of " + report;
        m_out->WriteCard(FormatForObject(name, [&] { return frag.Format(); }));
        m_out->WriteCard(FormatForObject(name, [&] { return options->Format(); }));
    }
}

CReportFileReader::CReportFileReader(CCardStream& in, CReportDefinitions& definitions,
                                     const CFlowGroups& groups)
    : m_in(&in), m_definitions(&definitions), m_groups(&groups)
{}

void CReportFileReader::ReadNetworkReports()
{
    m_definitions->Clear();
    const std::string line = m_in->ReadCard("REPDS");
    const int count = CCardLine(line).Int(5, 5);
    for (int i = 1; i <= count; ++i) {
        CReportDefinition* definition = m_definitions->AddDefinition(i);
        if (definition == nullptr) {
            throw errCorruptCardData("Cannot add report definition " + std::to_string(i));
        }
        ReadDefinition(*definition, false);
    }
}

void CReportFileReader::ReadTemplate(CReportDefinition& definition)
{
    const std::string line = m_in->ReadCard();
    const CCardLine header(line);
    if (header.Int(10, 5) != ProductCode) {
        throw eFileError::Corrupt;
    }
    if (header.Int(5, 5) > ReportTemplateSchema) {
        throw eFileError::LaterVersion;
    }
    ReadDefinition(definition, true);
}

void CReportFileReader::ReadDefinition(CReportDefinition& definition, bool templateForm)
{
    const std::string line = m_in->ReadCard("REPD ");
    const CCardReportDefinition def = CCardReportDefinition::FromLine(line);
    if (!templateForm) {
        definition.SetTitle(def.title);
    }
    definition.SetPaperSize(def.paperSize == 1 ? PaperSize::A3 : PaperSize::A4);
    CReportFragments& fragments = definition.GetFragments();
    for (int i = 1; i <= def.fragmentCount; ++i) {
        const std::string fragLine = m_in->ReadCard("REPF ");
        const CCardReportFragment frag = CCardReportFragment::FromLine(fragLine);
        const auto type = static_cast<ReportFragmentType>(frag.type);
        CReportFragment* fragment =
            frag.type >= 0 && frag.type <= 4 ? fragments.AddFragment(type, i) : nullptr;
        if (fragment == nullptr) {
            throw errCorruptCardData("Unknown report fragment type " + std::to_string(frag.type));
        }
        fragment->SetName(frag.name);
        fragment->SetShowFragmentName(frag.showName);
        fragment->SetLandscape(frag.landscape);
        const std::string optionLine = m_in->ReadCard();
        m_factory.FromLine(type, optionLine)->Apply(*fragment, *m_groups);
    }
}
