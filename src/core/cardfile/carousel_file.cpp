// The card sequence of a network file, written and read in one order.
#include "cardfile/carousel_file.h"

#include "cardfile/atomic_file.h"
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
#include "cardfile/flow_cards.h"
#include "cardfile/layout_cards.h"
#include "cardfile/network_cards.h"
#include "cardfile/report_cards.h"
#include "model/arm.h"
#include "model/capacity_lane.h"
#include "model/carousel_lane_connector.h"
#include "model/zone.h"
#include "routing/flow_group.h"
#include "routing/od_movement.h"

#include <fstream>

namespace
{
// Formats one card, adding the object it describes to a refusal so the user can find it.
template <typename Format> std::string ForObject(const std::string& object, Format&& format)
{
    try {
        return format();
    } catch (const errCardFieldRefused& e) {
        throw errCardFieldRefused(e.Field(), e.Value(), object + ": " + e.what());
    }
}

std::string Numbered(std::string_view what, std::uint32_t number)
{
    return std::string(what) + " " + std::to_string(number);
}

[[noreturn]] void TooMany(std::string_view what, int number)
{
    throw errCorruptCardData("Cannot add " + std::string(what) + " " + std::to_string(number));
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
    env.labelCount = 0;
    env.armTextHeight = settings.ArmTextHeight;
    env.zoneTextHeight = settings.ZoneTextHeight;
    env.capacityAssessorTextHeight = settings.CapacityAssessorTextHeight;
    env.odMatrixShown = doc.odMatrixShown;
    env.printPageCount = doc.printPages.GetCount();
    env.aggregation = doc.laneFlowAggregation;
    env.colouring = doc.laneFlowColouring;
    env.zeroFlowsShown = doc.zeroFlowsShown;
    env.gridSize = settings.GridSize;
    env.delimiter = settings.LaneFlowDelimiter;
    put(ForObject("Network settings", [&] { return env.Format(); }));

    for (const std::string* text :
         {&settings.Author, &settings.Company, &settings.Address, &doc.project.title,
          &doc.project.location, &doc.project.notes, &doc.project.projectName, &doc.project.scn}) {
        put(CCardText(*text).Format());
    }

    const CArms& arms = network.GetArms();
    const auto connectors = network.GetLaneConnectors().GetConnectorsInKeyOrder();
    CCardNet net;
    net.arms = static_cast<int>(arms.GetCount());
    net.zones = static_cast<int>(network.GetZones().GetCount());
    net.laneConnectors = static_cast<int>(connectors.size());
    net.routes = 0;
    net.odMovements = static_cast<int>(network.GetODMovements().GetCount());
    net.capacityAssessors = 0;
    net.flowGroups = static_cast<int>(network.GetFlowGroups().GetCount());
    put(net.Format());

    for (std::uint32_t i = 1; i <= arms.GetCount(); ++i) {
        const CArm& arm = *arms.GetArm(i);
        const std::string name = Numbered("Arm", i);
        put(ForObject(name, [&] { return CCardArm(arm).Format(); }));
        put(ForObject(name, [&] {
            return CCardVect::FromPlan(arm.GetFirstPoint().x, arm.GetFirstPoint().y,
                                       arm.GetSecondPoint().x, arm.GetSecondPoint().y)
                .Format();
        }));
        const CCapLanes& lanes = arm.GetLanes();
        for (std::uint32_t j = 1; j <= lanes.GetCount(); ++j) {
            put(ForObject(Numbered("Lane", j) + " of arm " + std::to_string(i),
                          [&] { return CCardLane(*lanes.GetLane(j)).Format(); }));
        }
    }
    const CZones& zones = network.GetZones();
    for (std::uint32_t k = 1; k <= zones.GetCount(); ++k) {
        put(ForObject(Numbered("Zone", k), [&] { return CCardZone(*zones.GetZone(k)).Format(); }));
    }
    for (const CCarouselLaneConnector* connector : connectors) {
        const CCardLaneConnector card(*connector);
        put(ForObject("Lane connector from lane " + std::to_string(card.fromLane) + " of arm " +
                          std::to_string(card.fromArm) + " to lane " + std::to_string(card.toLane) +
                          " of arm " + std::to_string(card.toArm),
                      [&] { return card.Format(); }));
    }

    const CFlowGroups& groups = network.GetFlowGroups();
    for (std::uint32_t g = 1; g <= groups.GetCount(); ++g) {
        const CFlowGroup& group = *groups.GetFlowGroup(g);
        const std::string groupName = Numbered("flow group", g);
        CCardFlowGroup card(group);
        card.routeFlowCount = 0;
        put(ForObject("F" + groupName.substr(1), [&] { return card.Format(); }));
        for (const auto& [key, record] : group.GetDesiredFlowRecords()) {
            CCardODFlow od;
            od.origin = static_cast<int>(record.movement->GetOrigin()->GetNumber());
            od.destination = static_cast<int>(record.movement->GetDestination()->GetNumber());
            od.flow = record.flow;
            put(ForObject("OD flow from zone " + std::to_string(od.origin) + " to zone " +
                              std::to_string(od.destination) + " of " + groupName,
                          [&] { return od.Format(); }));
        }
    }

    for (int p = 1; p <= doc.printPages.GetCount(); ++p) {
        put(ForObject(Numbered("Print page", static_cast<std::uint32_t>(p)),
                      [&] { return CCardPrintPage(*doc.printPages.GetPage(p)).Format(); }));
    }
    CCardODGraphic od;
    od.textHeight = settings.ODMatrixTextHeight;
    od.x = doc.odMatrixX;
    od.y = doc.odMatrixY;
    put(ForObject("OD matrix", [&] { return od.Format(); }));

    // Report cards stay out of the checksum.
    CReportFileWriter(*m_file, doc.reportDefinitions, groups).WriteNetworkReports();

    if (!checkpoint) {
        for (std::size_t v = 0; v < doc.viewPositions.size(); ++v) {
            put(ForObject(Numbered("View position", static_cast<std::uint32_t>(v + 1)),
                          [&] { return CCardFramePosition(doc.viewPositions[v]).Format(); }));
        }
    }

    CCardFileIntegrity integrity;
    integrity.checksum = checksum.StoredValue();
    m_file->WriteCard(integrity.Format());
    return true;
}

void CCarouselFileReaderV1::Read(bool checkpoint)
{
    ReadHeader();
    ReadNetwork();
    ReadLayout(checkpoint);
}

void CCarouselFileReaderV1::ReadHeader()
{
    const CCardSchema schema = CCardSchema::FromLine(m_stream->ReadCard());
    const CCardVersion version = CCardVersion::FromLine(m_stream->ReadCard());
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

void SkipCards(CCardStream& stream, std::string_view keyword, int count)
{
    for (int i = 0; i < count; ++i) {
        ExpectNetworkCard(stream.ReadCard(), keyword);
    }
}
} // namespace

void CCarouselFileReaderV1::ReadNetwork()
{
    CDocumentData& doc = *m_document;
    NetworkSettings& settings = *m_settings;
    const CCardEnvironment env =
        CCardEnvironment::FromLine(m_stream->ReadCard(), m_defaultDelimiter);
    doc.resizeableViewCount = env.viewCount;
    m_labelCount = env.labelCount;
    m_printPageCount = env.printPageCount;
    settings.ArmTextHeight = env.armTextHeight;
    settings.ZoneTextHeight = env.zoneTextHeight;
    settings.CapacityAssessorTextHeight = env.capacityAssessorTextHeight;
    doc.odMatrixShown = env.odMatrixShown;
    doc.laneFlowAggregation = env.aggregation;
    doc.laneFlowColouring = env.colouring;
    doc.zeroFlowsShown = env.zeroFlowsShown;
    settings.GridSize = env.gridSize;
    settings.LaneFlowDelimiter = env.delimiter;

    for (std::string* text :
         {&settings.Author, &settings.Company, &settings.Address, &doc.project.title,
          &doc.project.location, &doc.project.notes, &doc.project.projectName, &doc.project.scn}) {
        *text = CCardText::FromLine(m_stream->ReadCard()).GetText();
    }

    CNetwork& network = doc.network;
    const CCardNet net = CCardNet::FromLine(m_stream->ReadCard());
    for (int i = 1; i <= net.arms; ++i) {
        const CCardArm card = CCardArm::FromLine(m_stream->ReadCard());
        CArm* arm = network.GetArms().InsertArm(static_cast<std::uint32_t>(i));
        if (arm == nullptr) {
            TooMany("arm", i);
        }
        card.Apply(*arm);
        const CCardVect vect = CCardVect::FromLine(m_stream->ReadCard());
        arm->SetPoints({static_cast<double>(vect.GetX1()), static_cast<double>(vect.GetY1())},
                       {static_cast<double>(vect.GetX2()), static_cast<double>(vect.GetY2())});
        for (int j = 1; j <= card.laneCount; ++j) {
            const CCardLane laneCard = CCardLane::FromLine(m_stream->ReadCard());
            CCapacityLane* lane = arm->GetLanes().InsertLane(static_cast<std::uint32_t>(j));
            if (lane == nullptr) {
                TooMany("lane", j);
            }
            laneCard.Apply(*lane);
        }
    }
    for (int k = 1; k <= net.zones; ++k) {
        const CCardZone card = CCardZone::FromLine(m_stream->ReadCard());
        CZone* zone = network.GetZones().InsertZone(static_cast<std::uint32_t>(k));
        if (zone == nullptr) {
            TooMany("zone", k);
        }
        card.Apply(*zone);
    }
    // Capacity assessors have no model yet: their cards are checked and passed over.
    for (int k = 1; k <= net.capacityAssessors; ++k) {
        ExpectNetworkCard(m_stream->ReadCard(), "CAPAS");
        CCardPoint::FromLine(m_stream->ReadCard());
    }
    for (int c = 0; c < net.laneConnectors; ++c) {
        const CCardLaneConnector card = CCardLaneConnector::FromLine(m_stream->ReadCard());
        CCapacityLane* from = LaneAt(network, card.fromArm, card.fromLane);
        CCapacityLane* to = LaneAt(network, card.toArm, card.toLane);
        if (from != nullptr && to != nullptr) {
            network.GetLaneConnectors().AddConnector(from, to);
        }
    }
    SkipCards(*m_stream, "ROUTE", net.routes);
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
    for (int i = 1; i <= count; ++i) {
        CFlowGroup& group = *groups.GetFlowGroup(static_cast<std::uint32_t>(i));
        const CCardFlowGroup card = CCardFlowGroup::FromLine(m_stream->ReadCard());
        card.Apply(group);
        for (int k = 0; k < card.odFlowCount; ++k) {
            const CCardODFlow od = CCardODFlow::FromLine(m_stream->ReadCard());
            CODMovement* movement = network.GetODMovements().Find(ZoneAt(network, od.origin),
                                                                  ZoneAt(network, od.destination));
            if (movement != nullptr) {
                group.SetDesiredFlow(movement, static_cast<std::int32_t>(od.flow));
            }
        }
        for (int k = 0; k < card.routeFlowCount; ++k) {
            CCardRouteFlow::FromLine(m_stream->ReadCard());
        }
    }
    network.SetCurrentFlowGroup(groups.GetFlowGroup(1));
}

void CCarouselFileReaderV1::ReadLayout(bool checkpoint)
{
    CDocumentData& doc = *m_document;
    SkipCards(*m_stream, "LABEL", m_labelCount);
    for (int p = 1; p <= m_printPageCount; ++p) {
        const CCardPrintPage card = CCardPrintPage::FromLine(m_stream->ReadCard());
        CPrintPage* page = doc.printPages.InsertPage(p);
        if (page == nullptr) {
            TooMany("print page", p);
        }
        card.Apply(*page);
    }
    const CCardODGraphic od = CCardODGraphic::FromLine(m_stream->ReadCard());
    m_settings->ODMatrixTextHeight = od.textHeight;
    doc.odMatrixX = od.x;
    doc.odMatrixY = od.y;

    CReportFileReader(*m_stream, doc.reportDefinitions, doc.network.GetFlowGroups())
        .ReadNetworkReports();

    if (!checkpoint) {
        for (int v = 0; v < doc.resizeableViewCount; ++v) {
            doc.viewPositions.push_back(
                CCardFramePosition::FromLine(m_stream->ReadCard()).position);
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

std::unique_ptr<CDocumentData> LoadNetworkFile(const std::filesystem::path& path,
                                               NetworkSettings& settings,
                                               const std::string& defaultLaneFlowDelimiter)
{
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        throw errFileRead("Cannot open the file " + path.string());
    }
    CCardStreamFile stream(file);
    return ReadNetwork(stream, settings, false, defaultLaneFlowDelimiter);
}

void SaveNetworkFile(const std::filesystem::path& path, const CDocumentData& document,
                     const NetworkSettings& settings)
{
    WriteFileAtomically(path, [&](std::ostream& out) {
        CCardWriterFile writer(out);
        CCarouselFileWriterV1(document, writer, settings).Write(false);
    });
}

std::string WriteNetworkSnapshot(const CDocumentData& document, const NetworkSettings& settings)
{
    CCardWriterMemory writer;
    CCarouselFileWriterV1(document, writer, settings).Write(true);
    return writer.TakeText();
}
