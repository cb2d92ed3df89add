// The OD matrix table drawn on the plan.
#pragma once

#include "platform/drawing_surface.h"
#include "routing/od_flow_matrix.h"
#include "platform/bounds.h"
#include "view/render_context.h"

#include <string>

class CNetwork;

// The table's top-left corner (stored with the network) and the kind of flows shown. The
// table has two caption rows (the flow group's name and times, and the kind of flows) above
// Z + 2 rows and columns: zone names, one cell per movement and the totals. With no flow group
// in the network a message box stands in its place.
class CODMatrixGraphics
{
public:
    int GetX() const { return m_x; }
    int GetY() const { return m_y; }
    void SetPosition(int x, int y)
    {
        m_x = DrawingCoordinate(x);
        m_y = DrawingCoordinate(y);
    }
    ODFlowKind GetKind() const { return m_kind; }
    void SetKind(ODFlowKind kind) { m_kind = kind; }

    // The caption texts for the shown flow group (empty caption with none).
    static std::string CaptionText(const CFlowGroup* group);
    static std::string KindText(ODFlowKind kind);

    // Row height and column width of the table for the network's zones.
    struct CLayout
    {
        int rowHeight = 0;
        int columnWidth = 0;
        int columns = 0;
    };
    CLayout Layout(const CRenderContext& context, const CDrawingSurface& surface,
                   const CNetwork& network) const;
    // The table (caption rows included) or the message box, without the line thickness.
    CRect GetRect(const CRenderContext& context, const CDrawingSurface& surface,
                  const CNetwork& network) const;
    void Draw(const CRenderContext& context, CDrawingSurface& surface, CBounds* bounds,
              const CNetwork& network) const;

private:
    CRect MessageRect(const CRenderContext& context, const CDrawingSurface& surface) const;
    void DrawMessage(const CRenderContext& context, CDrawingSurface& surface) const;

    int m_x = 0;
    int m_y = 0;
    ODFlowKind m_kind = ODFlowKind::Desired;
};
