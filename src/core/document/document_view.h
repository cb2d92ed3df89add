// What the document tells its views and the main window, without knowing either.
#pragma once

#include <string>

// The hints of UpdateAllViews.
enum UpdateHint : int
{
    HintDataChanged = 0,     // repaint
    HintRedraw = 1,          // redraw the graphics
    HintRoutesChanged = 2,   // routes rebuilt, or a route's selection, status or filter changed
    HintNetworkChanged = 3,  // the network's structure changed: refresh everything
    HintObjectsReplaced = 8, // every model object is about to be replaced: let go of pointers
};

// The kinds of window over one document; the network file's view positions use these numbers.
enum ViewKind : int
{
    NetworkViewKind = 1,
    TrafficFlowsViewKind = 2,
    ReportBuilderViewKind = 3,
};

// A view over the document. It holds non-owning pointers into the model only until it is told
// HintObjectsReplaced. The kind and index say which window it is; resizeable views are the ones
// whose placement is saved with the network.
class CDocumentView
{
public:
    virtual ~CDocumentView() = default;
    virtual void OnUpdate(int hint) = 0;
    virtual int GetViewKind() const = 0;
    virtual int GetViewIndex() const { return 0; }
    virtual bool IsResizeable() const { return true; }
    // Brings the view's frame to the front.
    virtual void Activate() {}
};

// The three document panes of the main window's status bar.
inline constexpr int StatusPaneFlowGroup = 33915;
inline constexpr int StatusPaneArms = 33916;
inline constexpr int StatusPaneZones = 33917;

// The main window: it keeps the last text of each pane id and shows it.
class CStatusPaneSink
{
public:
    virtual ~CStatusPaneSink() = default;
    virtual void SetPaneText(int paneId, const std::string& text) = 0;
};
