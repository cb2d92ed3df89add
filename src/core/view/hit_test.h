// What lies under a point of the plan: the hit order of the network view.
#pragma once

#include "platform/drawing_surface.h"
#include "view/render_context.h"
#include "view/segment.h"

#include <cstdint>

class CCapacityLane;
class CCarouselLaneConnector;
class CLabels;
class CNetwork;
class CODMatrixGraphics;

// Within this many plan units of an end of an arm, label or connector line the end is grabbed;
// the body is hit as near to the line.
inline constexpr double GrabDistance = 15.0;

enum class EHitKind
{
    None,
    CapacityAssessor,
    Lane,
    Arm,
    Label,
    Connector,
    Zone,
    ODMatrix,
};

// Which part of a two-point object was grabbed: the whole of it, or one of its points.
enum class EGrabPart
{
    Body,
    FirstPoint,
    SecondPoint,
};

// The three lengthwise parts of a lane: the box by the stop line (where an outgoing connector
// starts), the middle, and the box at the far end (where an incoming one starts).
enum class ELaneZone
{
    None = 0,
    StopLine = 1,
    Middle = 2,
    FarEnd = 3,
};

// What a point hit, by id: an arm, label, zone or assessor by its own id; a lane by its id with
// its arm's; a connector by the ids of its from-lane and to-lane. The OD matrix has no id.
struct CHitResult
{
    EHitKind kind = EHitKind::None;
    std::uint32_t id = 0;
    std::uint32_t armId = 0;
    std::uint32_t toLaneId = 0;
    EGrabPart part = EGrabPart::Body;
    ELaneZone laneZone = ELaneZone::None;
    friend bool operator==(const CHitResult&, const CHitResult&) = default;
};

// The point in a segment's own frame, as CSegment::PointAt takes it.
struct CSegmentCoordinates
{
    double across = 0.0;
    double along = 0.0;
};
CSegmentCoordinates SegmentCoordinatesOf(const CSegment& segment, double x, double y);

// The arm test, shared by labels and connectors: within GrabDistance of the first point, else of
// the second point, else the body when the distance from the line is at most GrabDistance and
// the position along it, from the second point as a whole percentage of its length, is 1..99.
// False when nothing is hit.
bool HitSegment(const CSegment& segment, CPoint p, EGrabPart& part);

// Inside a rectangle as GDI has it: left and top included, right and bottom not.
bool RectContains(const CRect& rect, CPoint p);

// The lane and connector a view finds by id.
CCapacityLane* FindLane(const CNetwork& network, std::uint32_t armId, std::uint32_t laneId);
CCapacityLane* FindLaneById(const CNetwork& network, std::uint32_t laneId);
CCarouselLaneConnector* FindConnector(const CNetwork& network, std::uint32_t fromLaneId,
                                      std::uint32_t toLaneId);

// Hit-tests a point in the order the network view uses, stopping at the first hit: capacity
// assessors (their drawn box), lanes arm by arm and lane 1 to N, arms, labels (their measured
// text, or an end), connectors drawn as lines, zones (their drawn rectangle) and the OD matrix
// table when the context shows it. Texts are measured on the given surface, as they are drawn.
class CNetworkHitTester
{
public:
    CNetworkHitTester(const CNetwork& network, const CLabels& labels,
                      const CODMatrixGraphics& odMatrix, const CRenderContext& context,
                      const CDrawingSurface& measure)
        : m_network(network), m_labels(labels), m_odMatrix(odMatrix), m_context(context),
          m_measure(measure)
    {}

    CHitResult HitTest(CPoint p) const;
    // Lanes only, as the end of a rubber-band connector is found.
    CHitResult HitTestLane(CPoint p) const;

private:
    CHitResult HitCapacityAssessor(CPoint p) const;
    CHitResult HitArm(CPoint p) const;
    CHitResult HitLabel(CPoint p) const;
    CHitResult HitConnector(CPoint p) const;
    CHitResult HitZone(CPoint p) const;
    CHitResult HitODMatrix(CPoint p) const;

    const CNetwork& m_network;
    const CLabels& m_labels;
    const CODMatrixGraphics& m_odMatrix;
    const CRenderContext& m_context;
    const CDrawingSurface& m_measure;
};
