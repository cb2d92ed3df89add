// The network window: the network view beside the lane flow display manager, the route list
// and the route manager.
#pragma once

#include "document/child_frame.h"
#include "document/command_state.h"

#include <optional>

class QSplitter;

// Kind 1, the window File New and File Open make. Its network view is the frame's active pane:
// the zoom and grid commands act on it, and Ctrl+C in it copies the diagram.
class CNetworkViewChildFrame : public CChildFrame
{
    Q_OBJECT
public:
    static constexpr const char* KindName = "Network";

    CNetworkViewChildFrame(CCarouselDoc& document, CFrameOwner& owner, int index);

    QWidget* GetNetworkPane() const { return m_networkPane; }
    // What the zoom and grid commands need to know of the view.
    CNetworkViewStatus GetViewStatus() const;

signals:
    void copyDiagramRequested();

protected:
    void OnDocumentUpdate(int hint) override;

private:
    QWidget* m_networkPane;
    QSplitter* m_columns;
};
