// A mode of the network view that takes its input in place of the network editor.
#pragma once

#include "platform/geometry.h"

#include <optional>

class QMenu;

// While the view is in such a mode (print layout), presses, moves, releases, moves without a
// button, double clicks, keys and the context menu go to it; the view still pans, zooms and
// converts device points to plan points, and keeps a press shorter than the drag distance a
// click. The view draws the print pages while a mode is set.
class CPlanInputMode
{
public:
    virtual ~CPlanInputMode() = default;

    // The left button went down: false when nothing was taken there and the view pans.
    virtual bool Press(CPoint p) = 0;
    // The button is held and the mouse travelled past the drag distance.
    virtual void Move(CPoint p) = 0;
    virtual void Release(CPoint p) = 0;
    virtual void DoubleClick() = 0;
    // True when the key was taken.
    virtual bool Key(int key) = 0;
    // A drag is under way: Undo, Redo and the window's commands wait for it.
    virtual bool IsInteracting() const = 0;
    // Fills the context menu, after selecting at the point when the mouse asked for it.
    virtual void FillContextMenu(QMenu& menu, std::optional<CPoint> at) = 0;
    // The document's update hint: 8 drops everything held.
    virtual void OnUpdate(int hint) = 0;
};
