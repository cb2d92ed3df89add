// When each command of the main window is enabled and checked, and what its menu says.
#pragma once

#include "document/command_table.h"

#include <QString>
#include <functional>
#include <optional>

class CCarouselDoc;
struct ProgramSettings;

// What the active network window tells the commands: whether its view zooms, its zoom and
// whether the network has anything to fit. None when another kind of window, or none, is active.
struct CNetworkViewStatus
{
    bool zoomable = false;
    double zoom = 1.0;
    bool hasBounds = false;
    // The view's editing: a drag, band or placement under way holds Undo and Redo back, and
    // the editing commands follow the view's rules (all disabled while it cannot edit).
    bool interacting = false;
    std::function<bool(EViewCommand)> isEnabled;
};

struct CCommandContext
{
    const CCarouselDoc* document = nullptr;
    std::optional<CNetworkViewStatus> networkView;
    const ProgramSettings* program = nullptr;
};

struct CCommandState
{
    bool enabled = false;
    bool checked = false;
    QString text; // the full menu text, shortcut after a tab
};

// The document's commands need a document; the zoom, grid and route-set commands act on the
// active network view and need one; the program's commands are always there. Undo and Redo
// read "Undo " or "Redo " and the step's name, or "Can't Undo" and "Can't Redo" disabled.
CCommandState CommandState(ECommand command, const CCommandContext& context);
