// The network view: the document's plan drawn by the core's renderer, zoomable and pannable.
#pragma once

#include "document/document_view.h"
#include "platform/freetype_text_measurer.h"
#include "platform/glyph_fonts.h"
#include "routing/lane_data_source.h"
#include "view/network_view_state.h"
#include "view/scroll_pan_view.h"

#include <optional>

class CCarouselDoc;
class CRendererOverlay;

// Shows one document's network as the renderer draws it for this view: its own view state
// (selection and cached colour categories, made through the document), the actual lane flows at
// the lane ends, the current flow group, the document's display flags and route selection, the
// grid while CurDisplayGrid is on, and only what meets the part of the plan drawn (clip test).
// It registers with the document as a view of kind 1 and draws again at every hint; at hint 8
// (objects about to be replaced) it drops the bounds it measured and everything it drew. The
// wheel follows the program setting DefIsMouseWheelZoomBackwards. It knows nothing of the window
// around it; the document must outlive it.
class CNetworkView : public CScrollPanView, public CDocumentView
{
    Q_OBJECT

public:
    explicit CNetworkView(CCarouselDoc& document, QWidget* parent = nullptr);
    ~CNetworkView() override;
    CNetworkView(const CNetworkView&) = delete;
    CNetworkView& operator=(const CNetworkView&) = delete;

    CCarouselDoc& GetDocument() const { return m_document; }
    CNetworkViewState& GetViewState() { return m_state; }
    // The measurer the view lays text out with (the clipboard's copy measures alike).
    const CTextMeasurer& GetMeasurer() const { return m_measurer; }
    // Drawn over the network while visible (rubber bands, placements); not owned.
    void SetOverlay(const CRendererOverlay* overlay);

    // The plan rectangle the drawing covers, measured once per change.
    CRect DrawingBounds();

    void OnUpdate(int hint) override;
    int GetViewKind() const override { return NetworkViewKind; }

protected:
    CRect GetDrawingBounds() override { return DrawingBounds(); }
    void DrawPlan(QPainter& painter, const CPlanMapping& mapping) override;
    bool IsWheelZoomBackwards() const override;

private:
    CCarouselDoc& m_document;
    CNetworkViewState m_state;
    CFreeTypeTextMeasurer m_measurer;
    CGlyphFonts m_fonts;
    const CLaneDataActualFlow m_actualFlows;
    const CRendererOverlay* m_overlay = nullptr;
    std::optional<CRect> m_bounds;
};
