// The connector being drawn, over the network view's drawing.
#pragma once

#include "view/network_renderer.h"

class CCarouselDoc;
class CNetworkViewEditor;

// While the editor draws a connector: the rubber band from the lane end it starts at to the
// mouse, dashed, and the lane it would end on there, marked along its middle in the selection
// colour. Nothing otherwise; it never widens the drawing's bounds.
class CBandOverlay : public CRendererOverlay
{
public:
    CBandOverlay(CCarouselDoc& document, const CNetworkViewEditor& editor)
        : m_document(document), m_editor(editor)
    {}

    bool IsVisible() const override;
    void Draw(CDrawingSurface& surface, CBounds* bounds) const override;

private:
    CCarouselDoc& m_document;
    const CNetworkViewEditor& m_editor;
};
