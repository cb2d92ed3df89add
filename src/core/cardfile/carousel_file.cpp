// The card sequence of a network file, written and read in one order.
#include "cardfile/carousel_file.h"

#include "platform/atomic_file.h"
#include "cardfile/card_builder.h"
#include "cardfile/card_checksum.h"
#include "cardfile/card_errors.h"
#include "cardfile/card_line.h"
#include "cardfile/card_point.h"
#include "cardfile/card_schema.h"
#include "cardfile/card_stream_file.h"
#include "cardfile/card_text.h"
#include "cardfile/card_vect.h"
#include "cardfile/card_writer.h"
#include "cardfile/card_writer_file.h"
#include "cardfile/card_writer_memory.h"
#include "cardfile/field_ranges.h"
#include "cardfile/flow_cards.h"
#include "cardfile/input_file.h"
#include "cardfile/layout_cards.h"
#include "cardfile/network_cards.h"
#include "cardfile/network_read_error.h"
#include "cardfile/report_cards.h"
#include "platform/text_encoding.h"
#include "model/arm.h"
#include "model/capacity_assessor.h"
#include "model/capacity_lane.h"
#include "model/carousel_lane_connector.h"
#include "model/zone.h"
#include "model/flow_group.h"
#include "model/od_movement.h"
#include "model/route.h"
#include "routing/lane_flow_display.h"

#include <algorithm>
#include <fstream>
#include <tuple>
#include <vector>

namespace
{
std::string Numbered(std::string_view what, std::uint32_t number)
{
    return std::string(what) + " " + std::to_string(number);
}

[[noreturn]] void TooMany(std::string_view what, int number)
{
    throw errCorruptCardData("Cannot add " + std::string(what) + " " + std::to_string(number));
}

int Number(const CZone* zone)
{
    return zone != nullptr ? static_cast<int>(zone->GetNumber()) : 0;
}

// Connectors, OD flows and route flows are written in the order of their numbers rather than
// of their id-keyed maps: that is the maps' order in a network just read from a file, and it
// keeps the bytes of a file from depending on the history of edits and undos behind it.
std::vector<CCardLaneConnector> ConnectorCards(const CCarouselLaneConnectors& connectors)
{
    std::vector<CCardLaneConnector> cards;
    for (const CCarouselLaneConnector* connector : connectors.GetConnectorsInCreationOrder()) {
        cards.emplace_back(*connector);
    }
    std::sort(cards.begin(), cards.end(), [](const auto& a, const auto& b) {
        return std::tie(a.fromArm, a.fromLane, a.toArm, a.toLane) <
               std::tie(b.fromArm, b.fromLane, b.toArm, b.toLane);
    });
    return cards;
}

std::vector<CCardODFlow> ODFlowCards(const CFlowGroup& group)
{
    std::vector<CCardODFlow> cards;
    for (const auto& [key, record] : group.GetDesiredFlowRecords()) {
        if (record.movement == nullptr) {
            continue;
        }
        CCardODFlow od;
        od.origin = Number(record.movement->GetOrigin());
        od.destination = Number(record.movement->GetDestination());
        od.flow = record.flow;
        cards.push_back(od);
    }
    std::sort(cards.begin(), cards.end(), [](const auto& a, const auto& b) {
        return std::tie(a.origin, a.destination) < std::tie(b.origin, b.destination);
    });
    return cards;
}

std::vector<CCardRouteFlow> RouteFlowCards(const CFlowGroup& group)
{
    std::vector<CCardRouteFlow> cards;
    cards.reserve(group.GetRouteFlowRecords().size());
    for (const auto& [id, record] : group.GetRouteFlowRecords()) {
        if (record.route == nullptr) {
            continue;
        }
        CCardRouteFlow rf;
        rf.route = static_cast<int>(record.route->GetNumber());
        rf.flow = record.flow;
        rf.locked = record.locked;
        rf.hasProportion = true;
        rf.proportion = record.proportion;
        cards.push_back(rf);
    }
    std::sort(cards.begin(), cards.end(),
              [](const auto& a, const auto& b) { return a.route < b.route; });
    return cards;
}

std::string ConnectorName(const CCardLaneConnector& card)
{
    return "Lane connector from lane " + std::to_string(card.fromLane) + " of arm " +
           std::to_string(card.fromArm) + " to lane " + std::to_string(card.toLane) + " of arm " +
           std::to_string(card.toArm);
}
} // namespace

bool CCarouselFileWriterV1::Write(bool checkpoint)
{
    const CDocumentData& doc = *m_document;
    const CNetwork& network = doc.network;
    const NetworkSettings& settings = *m_settings;
    CCardFileChecksum checksum;
    const auto put = [&](const std::string& card) {
        checksum.Add(m_file->WriteCard(card));
    };

    put(CCardSchema(Version()).Format());
    put(CCardVersion(std::string(kProgramVersionText)).Format());

    CCardEnvironment env;
    const int viewCount = static_cast<int>(doc.viewPositions.size());
    env.viewCount = checkpoint && viewCount == 0 ? doc.resizeableViewCount : viewCount;
    env.labelCount = static_cast<int>(doc.labels.GetCount());
    env.armTextHeight = settings.ArmTextHeight;
    env.zoneTextHeight = settings.ZoneTextHeight;
    env.capacityAssessorTextHeight = settings.CapacityAssessorTextHeight;
    env.odMatrixShown = doc.odMatrixShown;
    env.printPageCount = doc.printPages.GetCount();
    env.aggregation = LaneFlowAggregationNumber(doc.laneFlows.aggregation);
    env.colouring = LaneFlowColouringNumber(doc.laneFlows.colouring);
    env.zeroFlowsShown = doc.laneFlows.zeroFlowsShown;
    env.gridSize = settings.GridSize;
    env.delimiter = settings.LaneFlowDelimiter;
    put(FormatForObject("Network settings", [&] { return env.Format(); }));

    const std::pair<const char*, const std::string*> texts[] = {
        {"Author", &settings.Author},
        {"Company", &settings.Company},
        {"Address", &settings.Address},
        {"Project title", &doc.project.title},
        {"Location", &doc.project.location},
        {"Notes", &doc.project.notes},
        {"Project name", &doc.project.projectName},
        {"SCN", &doc.project.scn}};
    for (const auto& text : texts) {
        put(FormatForObject(text.first, [&] { return CCardText(*text.second).Format(); }));
    }

    const CArms& arms = network.GetArms();
    const CCapacityAssessors& assessors = network.GetCapacityAssessors();
    const CRoutes& routes = network.GetRoutes();
    const std::vector<CCardLaneConnector> connectors = ConnectorCards(network.GetLaneConnectors());
    CCardNet net;
    net.arms = static_cast<int>(arms.GetCount());
    net.zones = static_cast<int>(network.GetZones().GetCount());
    net.laneConnectors = static_cast<int>(connectors.size());
    net.routes = static_cast<int>(routes.GetRouteCount());
    net.odMovements = static_cast<int>(network.GetODMovements().GetCount());
    net.capacityAssessors = static_cast<int>(assessors.GetCount());
    net.flowGroups = static_cast<int>(network.GetFlowGroups().GetCount());
    put(FormatForObject("Network", [&] { return net.Format(); }));

    for (std::uint32_t i = 1; i <= arms.GetCount(); ++i) {
        const CArm& arm = *arms.GetArm(i);
        const std::string name = Numbered("Arm", i);
        put(FormatForObject(name, [&] { return CCardArm(arm).Format(); }));
        put(FormatForObject(name, [&] {
            return CCardVect::FromPlan(arm.GetFirstPoint().x, arm.GetFirstPoint().y,
                                       arm.GetSecondPoint().x, arm.GetSecondPoint().y)
                .Format();
        }));
        const CCapLanes& lanes = arm.GetLanes();
        for (std::uint32_t j = 1; j <= lanes.GetCount(); ++j) {
            put(FormatForObject(Numbered("Lane", j) + " of arm " + std::to_string(i),
                                [&] { return CCardLane(*lanes.GetLane(j)).Format(); }));
        }
    }
    const CZones& zones = network.GetZones();
    for (std::uint32_t k = 1; k <= zones.GetCount(); ++k) {
        put(FormatForObject(Numbered("Zone", k),
                            [&] { return CCardZone(*zones.GetZone(k)).Format(); }));
    }
    for (std::uint32_t k = 1; k <= assessors.GetCount(); ++k) {
        const CCapacityAssessor& assessor = *assessors.GetCapacityAssessor(k);
        const std::string name = Numbered("Capacity assessor", k);
        put(FormatForObject(name, [&] { return CCardCapacityAssessor(assessor).Format(); }));
        put(FormatForObject(name, [&] {
            return CCardPoint(assessor.GetGraphics().x, assessor.GetGraphics().y).Format();
        }));
    }
    for (const CCardLaneConnector& card : connectors) {
        put(FormatForObject([&] { return ConnectorName(card); }, [&] { return card.Format(); }));
    }
    for (std::uint32_t r = 1; r <= routes.GetRouteCount(); ++r) {
        put(FormatForObject([&] { return Numbered("Route", r); },
                            [&] { return CCardRoute(*routes.GetRoute(r)).Format(); }));
    }

    const CFlowGroups& groups = network.GetFlowGroups();
    for (std::uint32_t g = 1; g <= groups.GetCount(); ++g) {
        const CFlowGroup& group = *groups.GetFlowGroup(g);
        const std::string groupName = Numbered("flow group", g);
        const std::vector<CCardODFlow> odFlows = ODFlowCards(group);
        const std::vector<CCardRouteFlow> routeFlows = RouteFlowCards(group);
        CCardFlowGroup card(group);
        card.odFlowCount = static_cast<int>(odFlows.size());
        card.routeFlowCount = static_cast<int>(routeFlows.size());
        put(FormatForObject(Numbered("Flow group", g), [&] { return card.Format(); }));
        for (const CCardODFlow& od : odFlows) {
            const auto name = [&] {
                return "OD flow from zone " + std::to_string(od.origin) + " to zone " +
                       std::to_string(od.destination) + " of " + groupName;
            };
            put(FormatForObject(name, [&] { return od.Format(); }));
        }
        for (const CCardRouteFlow& rf : routeFlows) {
            const auto name = [&] {
                return "Flow of route " + std::to_string(rf.route) + " in " + groupName;
            };
            put(FormatForObject(name, [&] { return rf.Format(); }));
        }
    }

    for (std::uint32_t k = 1; k <= doc.labels.GetCount(); ++k) {
        put(FormatForObject(Numbered("Label", k),
                            [&] { return CCardLabel(*doc.labels.GetLabel(k)).Format(); }));
    }
    for (int p = 1; p <= doc.printPages.GetCount(); ++p) {
        put(FormatForObject(Numbered("Print page", static_cast<std::uint32_t>(p)),
                            [&] { return CCardPrintPage(*doc.printPages.GetPage(p)).Format(); }));
    }
    CCardODGraphic od;
    od.textHeight = settings.ODMatrixTextHeight;
    od.x = doc.odMatrix.GetX();
    od.y = doc.odMatrix.GetY();
    put(FormatForObject("OD matrix", [&] { return od.Format(); }));

    // Report cards stay out of the checksum.
    CReportFileWriter(*m_file, doc.reportDefinitions, groups).WriteNetworkReports();

    if (!checkpoint) {
        for (std::size_t v = 0; v < doc.viewPositions.size(); ++v) {
            put(FormatForObject(Numbered("View position", static_cast<std::uint32_t>(v + 1)),
                                [&] { return CCardFramePosition(doc.viewPositions[v]).Format(); }));
        }
    }

    CCardFileIntegrity integrity;
    integrity.checksum = checksum.StoredValue();
    m_file->WriteCard(integrity.Format());
    return true;
}

std::string ReadAdjustmentText(const CReadAdjustment& adjustment)
{
    return "Line " + std::to_string(adjustment.line) + ", " + adjustment.card + " card: the " +
           adjustment.field + " " + adjustment.oldValue + " became " + adjustment.newValue;
}

std::string ReadAdjustmentsMessage(const std::vector<CReadAdjustment>& adjustments)
{
    constexpr std::size_t kShown = 20;
    std::string text = "Some values in the file could not be kept as they were:";
    for (std::size_t i = 0; i < adjustments.size() && i < kShown; ++i) {
        text += "\n" + ReadAdjustmentText(adjustments[i]);
    }
    if (adjustments.size() > kShown) {
        text += "\n... and " + std::to_string(adjustments.size() - kShown) + " more";
    }
    return text;
}

// Counts the lines read, for the line numbers of the adjustments, and turns a carriage return
// inside a card into a blank: no writer puts one there, and written again it would end the card.
// A blank keeps every column where it was and reads as the end of a number just as a CR did.
class CCarouselFileReaderV1::CLineStream : public CCardStream
{
public:
    CLineStream(CCardStream& inner, std::vector<CReadAdjustment>& adjustments)
        : m_inner(&inner), m_adjustments(&adjustments)
    {}

    bool ReadLine(std::string& line) override
    {
        if (!m_inner->ReadLine(line)) {
            return false;
        }
        Blank(line);
        return true;
    }

    // The inner stream counts the lines and keeps the keyword: a read error names its place.
    std::string ReadCard(std::string_view keyword = {}) override
    {
        std::string line = m_inner->ReadCard(keyword);
        Blank(line);
        return line;
    }

    std::int64_t Rewind() override
    {
        m_line = 0;
        RestartLineCount();
        return m_inner->Rewind();
    }

    int Line() const { return m_line; }

private:
    // Counts the line and turns each carriage return inside it into a blank, saying so.
    void Blank(std::string& line)
    {
        ++m_line;
        for (std::size_t at = line.find('\r'); at != std::string::npos;
             at = line.find('\r', at + 1)) {
            line[at] = ' ';
            std::string keyword = CCardLine(line).Keyword();
            keyword.erase(keyword.find_last_not_of(' ') + 1);
            m_adjustments->push_back(
                {std::move(keyword), m_line, "carriage return",
                 "in column " + std::to_string(Utf8CharCount(std::string_view(line).substr(0, at))),
                 "a blank"});
        }
    }

    CCardStream* m_inner;
    std::vector<CReadAdjustment>* m_adjustments;
    int m_line = 0;
};

CCarouselFileReaderV1::CCarouselFileReaderV1(CDocumentData& document, CCardStream& stream,
                                             NetworkSettings& settings,
                                             std::string defaultLaneFlowDelimiter)
    : CCarouselFileReader(document, stream, settings, std::move(defaultLaneFlowDelimiter)),
      m_lines(std::make_unique<CLineStream>(stream, document.readAdjustments))
{
    m_stream = m_lines.get();
}

CCarouselFileReaderV1::~CCarouselFileReaderV1() = default;

void CCarouselFileReaderV1::Adjusted(std::string card, std::string field, std::string oldValue,
                                     std::string newValue)
{
    m_document->readAdjustments.push_back({std::move(card), m_lines->Line(), std::move(field),
                                           std::move(oldValue), std::move(newValue)});
}

void CCarouselFileReaderV1::Read(bool checkpoint)
{
    ReadHeader();
    ReadNetwork();
    ReadLayout(checkpoint);
}

void CCarouselFileReaderV1::ReadHeader()
{
    const CCardSchema schema = CCardSchema::FromLine(m_stream->ReadCard(CCardSchema::kKeyword));
    const CCardVersion version = CCardVersion::FromLine(m_stream->ReadCard(CCardVersion::kKeyword));
    schema.CheckReadableBy(Version(), version.GetText());
}

namespace
{
CArm* ArmAt(const CNetwork& network, int number)
{
    return number > 0 ? network.GetArms().GetArm(static_cast<std::uint32_t>(number)) : nullptr;
}

CCapacityLane* LaneAt(const CNetwork& network, int arm, int lane)
{
    CArm* found = ArmAt(network, arm);
    return found != nullptr && lane > 0
               ? found->GetLanes().GetLane(static_cast<std::uint32_t>(lane))
               : nullptr;
}

CZone* ZoneAt(const CNetwork& network, int number)
{
    return number > 0 ? network.GetZones().GetZone(static_cast<std::uint32_t>(number)) : nullptr;
}
} // namespace

void CCarouselFileReaderV1::ReadNetwork()
{
    CDocumentData& doc = *m_document;
    NetworkSettings& settings = *m_settings;
    const CCardEnvironment env = CCardEnvironment::FromLine(
        m_stream->ReadCard(CCardEnvironment::kKeyword), m_defaultDelimiter);
    doc.resizeableViewCount = env.viewCount;
    m_labelCount = env.labelCount;
    m_printPageCount = env.printPageCount;
    settings.ArmTextHeight = env.armTextHeight;
    settings.ZoneTextHeight = env.zoneTextHeight;
    settings.CapacityAssessorTextHeight = env.capacityAssessorTextHeight;
    doc.odMatrixShown = env.odMatrixShown;
    doc.laneFlows = {LaneFlowAggregationFromNumber(env.aggregation, ELaneFlowAggregation::None),
                     LaneFlowColouringFromNumber(env.colouring), env.zeroFlowsShown};
    // A number no writer writes is drawn as the display above, and saved as it.
    if (const int kept = LaneFlowAggregationNumber(doc.laneFlows.aggregation); kept != env.aggregation)
        Adjusted("SENV", "lane flow aggregation", std::to_string(env.aggregation), std::to_string(kept));
    if (const int kept = LaneFlowColouringNumber(doc.laneFlows.colouring); kept != env.colouring)
        Adjusted("SENV", "lane flow colouring", std::to_string(env.colouring), std::to_string(kept));
    settings.GridSize = env.gridSize;
    settings.LaneFlowDelimiter = env.delimiter;

    for (std::string* text :
         {&settings.Author, &settings.Company, &settings.Address, &doc.project.title,
          &doc.project.location, &doc.project.notes, &doc.project.projectName, &doc.project.scn}) {
        *text = CCardText::FromLine(m_stream->ReadCard(CCardText::kKeyword)).GetText();
    }

    CNetwork& network = doc.network;
    const CCardNet net = CCardNet::FromLine(m_stream->ReadCard(CCardNet::kKeyword));
    for (int i = 1; i <= net.arms; ++i) {
        const CCardArm card = CCardArm::FromLine(m_stream->ReadCard(CCardArm::kKeyword));
        CArm* arm = network.GetArms().InsertArm(static_cast<std::uint32_t>(i));
        if (arm == nullptr) {
            TooMany("arm", i);
        }
        card.Apply(*arm);
        const CCardVect vect = CCardVect::FromLine(m_stream->ReadCard(CCardVect::kKeyword));
        arm->SetPoints({static_cast<double>(vect.GetX1()), static_cast<double>(vect.GetY1())},
                       {static_cast<double>(vect.GetX2()), static_cast<double>(vect.GetY2())});
        for (int j = 1; j <= card.laneCount; ++j) {
            const CCardLane laneCard = CCardLane::FromLine(m_stream->ReadCard(CCardLane::kKeyword));
            CCapacityLane* lane = arm->GetLanes().InsertLane(static_cast<std::uint32_t>(j));
            if (lane == nullptr) {
                TooMany("lane", j);
            }
            laneCard.Apply(*lane);
        }
    }
    for (int k = 1; k <= net.zones; ++k) {
        const CCardZone card = CCardZone::FromLine(m_stream->ReadCard(CCardZone::kKeyword));
        CZone* zone = network.GetZones().InsertZone(static_cast<std::uint32_t>(k));
        if (zone == nullptr) {
            TooMany("zone", k);
        }
        card.Apply(*zone);
    }
    for (int k = 1; k <= net.capacityAssessors; ++k) {
        const CCardCapacityAssessor card =
            CCardCapacityAssessor::FromLine(m_stream->ReadCard(CCardCapacityAssessor::kKeyword));
        CCapacityAssessor* assessor =
            network.GetCapacityAssessors().InsertCapacityAssessor(static_cast<std::uint32_t>(k));
        if (assessor == nullptr) {
            TooMany("capacity assessor", k);
        }
        card.Apply(*assessor, network);
        const CCardPoint point = CCardPoint::FromLine(m_stream->ReadCard(CCardPoint::kKeyword));
        assessor->GetGraphics().x = point.GetX();
        assessor->GetGraphics().y = point.GetY();
    }
    for (int c = 0; c < net.laneConnectors; ++c) {
        const CCardLaneConnector card =
            CCardLaneConnector::FromLine(m_stream->ReadCard(CCardLaneConnector::kKeyword));
        CCapacityLane* from = LaneAt(network, card.fromArm, card.fromLane);
        CCapacityLane* to = LaneAt(network, card.toArm, card.toLane);
        if (from != nullptr && to != nullptr) {
            network.GetLaneConnectors().AddConnector(from, to);
        }
    }
    CRoutes& routes = network.GetRoutes();
    for (int r = 0; r < net.routes; ++r) {
        const CCardRoute card = CCardRoute::FromLine(m_stream->ReadCard(CCardRoute::kKeyword));
        card.Apply(*routes.AddRoute(), network);
    }
    ReadFlowGroups(net.flowGroups);
}

void CCarouselFileReaderV1::ReadFlowGroups(int count)
{
    CNetwork& network = m_document->network;
    CFlowGroups& groups = network.GetFlowGroups();
    // The count is checked against the limit before anything is made from it.
    if (count > static_cast<int>(CFlowGroups::MaxFlowGroups)) {
        TooMany("flow group", count);
    }
    for (int i = 1; i <= count; ++i) {
        groups.InsertFlowGroup(static_cast<std::uint32_t>(i));
    }
    const CRoutes& routes = network.GetRoutes();
    for (int i = 1; i <= count; ++i) {
        CFlowGroup& group = *groups.GetFlowGroup(static_cast<std::uint32_t>(i));
        CCardFlowGroup card =
            CCardFlowGroup::FromLine(m_stream->ReadCard(CCardFlowGroup::kKeyword));
        for (auto [time, field] :
             {std::pair{&card.start, "start time"}, std::pair{&card.end, "end time"}}) {
            const std::int64_t withinDay = CCardFlowGroup::WithinOneDay(*time);
            if (withinDay != *time) {
                Adjusted("FLWGP", field, std::to_string(*time) + " seconds",
                         CCardFlowGroup::FormatTime(withinDay));
                *time = withinDay;
            }
        }
        card.Apply(group);
        for (int k = 0; k < card.odFlowCount; ++k) {
            const CCardODFlow od = CCardODFlow::FromLine(m_stream->ReadCard(CCardODFlow::kKeyword));
            CODMovement* movement = network.GetODMovements().Find(ZoneAt(network, od.origin),
                                                                  ZoneAt(network, od.destination));
            const long long flow = kFiveColumnUnsignedRange.Clamp(od.flow);
            if (flow != od.flow) {
                Adjusted("ODFLW", "desired flow", std::to_string(od.flow), std::to_string(flow));
            }
            if (movement != nullptr) {
                group.SetDesiredFlow(movement, static_cast<std::int32_t>(flow));
            }
        }
        for (int k = 0; k < card.routeFlowCount; ++k) {
            CCardRouteFlow rf =
                CCardRouteFlow::FromLine(m_stream->ReadCard(CCardRouteFlow::kKeyword));
            CRoute* route =
                rf.route > 0 ? routes.GetRoute(static_cast<std::uint32_t>(rf.route)) : nullptr;
            if (route == nullptr) {
                continue;
            }
            BringIntoField(rf, route->IsPermitted());
            group.SetRouteFlow(route->GetId(), route, rf.flow);
            group.SetLocked(route->GetId(), route, rf.locked);
            if (rf.hasProportion) {
                group.SetProportion(route->GetId(), route, rf.proportion);
            }
        }
    }
    network.SetCurrentFlowGroup(groups.GetFlowGroup(1));
}

void CCarouselFileReaderV1::BringIntoField(CCardRouteFlow& rf, bool permitted)
{
    const auto adjust = [&](double& value, double wanted, const char* field) {
        if (value != wanted) {
            Adjusted("RTFLW", field, FieldValueText(value), FieldValueText(wanted));
            value = wanted;
        }
    };
    // A route that is not permitted carries no flow and can hold no other value.
    adjust(rf.flow, permitted ? ClampRouteFlow(rf.flow) : 0.0,
           permitted ? "route flow" : "flow of a route that is not permitted");
    if (rf.hasProportion) {
        adjust(rf.proportion, ClampRouteFlow(rf.proportion), "proportion");
    }
}

void CCarouselFileReaderV1::ReadLayout(bool checkpoint)
{
    CDocumentData& doc = *m_document;
    for (int k = 1; k <= m_labelCount; ++k) {
        CCardLabel card = CCardLabel::FromLine(m_stream->ReadCard(CCardLabel::kKeyword));
        const int height =
            std::clamp(card.textHeight, CCardLabel::kMinTextHeight, CCardLabel::kMaxTextHeight);
        if (height != card.textHeight) {
            Adjusted("LABEL", "text height", std::to_string(card.textHeight),
                     std::to_string(height));
            card.textHeight = height;
        }
        CLabel* label = doc.labels.InsertLabel(static_cast<std::uint32_t>(k));
        if (label == nullptr) {
            TooMany("label", k);
        }
        card.Apply(*label);
    }
    for (int p = 1; p <= m_printPageCount; ++p) {
        const CCardPrintPage card =
            CCardPrintPage::FromLine(m_stream->ReadCard(CCardPrintPage::kKeyword));
        CPrintPage* page = doc.printPages.InsertPage(p);
        if (page == nullptr) {
            TooMany("print page", p);
        }
        card.Apply(*page);
    }
    const CCardODGraphic od =
        CCardODGraphic::FromLine(m_stream->ReadCard(CCardODGraphic::kKeyword));
    m_settings->ODMatrixTextHeight = od.textHeight;
    doc.odMatrix.SetPosition(od.x, od.y);

    CReportFileReader(*m_stream, doc.reportDefinitions, doc.network.GetFlowGroups())
        .ReadNetworkReports();

    if (!checkpoint) {
        for (int v = 0; v < doc.resizeableViewCount; ++v) {
            doc.viewPositions.push_back(
                CCardFramePosition::FromLine(m_stream->ReadCard(CCardFramePosition::kKeyword))
                    .position);
        }
    }
}

std::unique_ptr<CDocumentData> ReadNetwork(CCardStream& stream, NetworkSettings& settings,
                                           bool checkpoint,
                                           const std::string& defaultLaneFlowDelimiter)
{
    auto document = std::make_unique<CDocumentData>();
    NetworkSettings read = settings;
    CCarouselFileReaderV1(*document, stream, read, defaultLaneFlowDelimiter).Read(checkpoint);
    settings = std::move(read);
    return document;
}

namespace
{
std::unique_ptr<CDocumentData> LoadFile(const std::filesystem::path& path,
                                        NetworkSettings& settings,
                                        const std::string& defaultLaneFlowDelimiter,
                                        CNetworkReadError* failure)
{
    std::ifstream file = OpenInputFile(path);
    CCardStreamFile stream(file);
    try {
        return ReadNetwork(stream, settings, false, defaultLaneFlowDelimiter);
    } catch (...) {
        if (failure != nullptr) {
            *failure = DescribeNetworkReadError(stream);
        }
        throw;
    }
}
} // namespace

std::unique_ptr<CDocumentData> LoadNetworkFile(const std::filesystem::path& path,
                                               NetworkSettings& settings,
                                               const std::string& defaultLaneFlowDelimiter)
{
    return LoadFile(path, settings, defaultLaneFlowDelimiter, nullptr);
}

std::unique_ptr<CDocumentData> LoadNetworkFile(const std::filesystem::path& path,
                                               NetworkSettings& settings,
                                               CNetworkReadError& failure,
                                               const std::string& defaultLaneFlowDelimiter)
{
    try {
        return LoadFile(path, settings, defaultLaneFlowDelimiter, &failure);
    } catch (const errFileRead& e) {
        failure = {e.what(), {}};
        throw;
    }
}

void SaveNetworkFile(const std::filesystem::path& path, const CDocumentData& document,
                     const NetworkSettings& settings)
{
    WriteFileAtomically(path, [&](std::ostream& out) {
        CCardWriterFile writer(out);
        CCarouselFileWriterV1(document, writer, settings).Write(false);
    });
}

namespace
{
// Room for the snapshot of a document, so that its text is not copied over as it grows: the
// exact size of the ROUTE cards (20 columns and 20 per connector) and RTFLW cards (59), which are
// nearly all of a large network, and a generous line for every other card. An estimate that
// falls short costs one growth.
std::size_t ExpectedSnapshotSize(const CDocumentData& document)
{
    const CNetwork& network = document.network;
    std::size_t size = 16384; // header, texts and reports
    const CArms& arms = network.GetArms();
    for (std::uint32_t i = 1; i <= arms.GetCount(); ++i) {
        size += 128 + 32 * arms.GetArm(i)->GetLanes().GetCount();
    }
    size += 32 * (network.GetZones().GetCount() +
                  network.GetLaneConnectors().GetConnectorsInCreationOrder().size());
    size += 128 * (network.GetCapacityAssessors().GetCount() + document.labels.GetCount() +
                   static_cast<std::size_t>(document.printPages.GetCount()));
    const CRoutes& routes = network.GetRoutes();
    for (std::uint32_t r = 1; r <= routes.GetRouteCount(); ++r) {
        size += 21 + 20 * routes.GetRoute(r)->GetConnectorCount();
    }
    const CFlowGroups& groups = network.GetFlowGroups();
    for (std::uint32_t g = 1; g <= groups.GetCount(); ++g) {
        const CFlowGroup& group = *groups.GetFlowGroup(g);
        size += 128 + 32 * group.GetDesiredFlowRecords().size() +
                60 * group.GetRouteFlowRecords().size();
    }
    return size;
}
} // namespace

std::string WriteNetworkSnapshot(const CDocumentData& document, const NetworkSettings& settings)
{
    CCardWriterMemory writer(ExpectedSnapshotSize(document));
    CCarouselFileWriterV1(document, writer, settings).Write(true);
    return writer.TakeText();
}

std::string UnstorableNetworkTextMessage(const CProjectInformation& project,
                                         const NetworkSettings& settings)
{
    // The writer itself decides: the texts go through the cards they are stored in.
    CDocumentData document;
    document.project = project;
    try {
        WriteNetworkSnapshot(document, settings);
    } catch (const errCardFieldRefused& refusal) {
        return refusal.what();
    }
    return {};
}
