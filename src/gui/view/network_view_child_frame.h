// The network window: the network view beside the lane flow display manager, the route list
// and the route manager.
#pragma once

#include "document/child_frame.h"
#include "document/command_state.h"

#include <QPointer>

class CNetworkView;
class CRouteListView;
class CPrintLayoutController;
class CPrompt;
struct ProgramSettings;
class QSplitter;

// Kind 1, the window File New and File Open make. Its network view is the frame's main pane:
// the zoom and grid commands act on it, Ctrl+C in it copies the diagram, and its zoom and
// scroll travel with the frame's place in the network file. Opened without a stored place, the
// view fits the network.
class CNetworkViewChildFrame : public CChildFrame
{
    Q_OBJECT
public:
    static constexpr const char* KindName = "Network";

    // The route list keeps its column widths in the program settings.
    CNetworkViewChildFrame(CCarouselDoc& document, CFrameOwner& owner, int index,
                           ProgramSettings& program);

    // None once the window was closed.
    CNetworkView* GetNetworkView() const;
    // Print layout mode on the view, toggled by "Print Layout Mode"; none until enabled or once
    // the window was closed.
    void EnablePrintLayout(const ProgramSettings& program, CPrompt& prompt);
    CPrintLayoutController* GetPrintLayout() const;
    // What the zoom and grid commands need to know of the view.
    CNetworkViewStatus GetViewStatus() const;

    CViewPosition GetViewPosition() const override;
    void ApplyViewPosition(const CViewPosition& position,
                           const std::optional<QRect>& rect) override;
    void ApplyDefaultPlacement() override;

signals:
    void copyDiagramRequested();
    void zoomChanged();

private:
    // Closing the window deletes its panes at once, before the frame goes.
    QPointer<CNetworkView> m_view;
    QPointer<CRouteListView> m_routeList;
    QPointer<CPrintLayoutController> m_printLayout;
    QSplitter* m_columns;
};
