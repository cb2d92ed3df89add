#include "editing/band_overlay.h"

#include "document/carousel_doc.h"
#include "editing/network_view_editor.h"
#include "platform/drawing_surface.h"
#include "view/hit_test.h"
#include "view/lane_geometry.h"

bool CBandOverlay::IsVisible() const
{
    return m_editor.GetBand().has_value();
}

void CBandOverlay::Draw(CDrawingSurface& surface, CBounds* bounds) const
{
    const auto band = m_editor.GetBand();
    if (!band || bounds != nullptr) {
        return;
    }
    const ColorRef colour = m_document.GetProgramSettings().CurSelectedItemColor;
    const int textHeight = m_document.GetNetworkSettings().ArmTextHeight;
    if (const auto target = m_editor.BandTargetLane(band->to)) {
        if (const CLane* lane = FindLaneById(m_document.GetNetwork(), *target)) {
            // A third of the lane's width: the lane's own lines stay visible beside it.
            const CPenExt old =
                surface.SelectPen(CPenExt(EPenStyle::Solid, LaneWidth(textHeight) / 3, colour));
            surface.MoveTo(LaneStopLineMidpoint(*lane, textHeight));
            surface.LineTo(LaneFarEndMidpoint(*lane, textHeight));
            surface.SelectPen(old);
        }
    }
    const CPenExt old = surface.SelectPen(CPenExt(EPenStyle::Dash, 1, colour));
    surface.MoveTo(band->from);
    surface.LineTo(band->to);
    surface.SelectPen(old);
}
