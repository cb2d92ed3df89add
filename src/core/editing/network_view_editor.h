// The network view's editing without its window: mouse, keys, commands and dialogs.
#pragma once

#include "editing/view_commands.h"
#include "platform/geometry.h"
#include "view/drag.h"
#include "view/hit_test.h"

#include <cstdint>
#include <optional>
#include <string>

class CCarouselDoc;
class CDrawingSurface;
class CNetworkViewDialogs;
class CNetworkViewState;
class CPrompt;
struct ProgramSettings;

// What the network view does with the user's input, on plan coordinates: the window converts
// device points, captures the mouse, pans, repaints and shows menus and dialogs. The selection
// is the view state's; everything held between two inputs is held by id, and hint 8 drops it.
//
// A press hit-tests and selects (Ctrl with a lane toggles it in the lane selection instead).
// On an arm, label, capacity assessor or the OD matrix it grabs the object: the first move that
// changes it opens its one checkpoint ("Move Arm", ...) and release keeps it, so a click makes
// none. On the stop-line end of a lane it starts an outgoing rubber-band connector, on the far
// end an incoming one; release on a lane makes the connector when the network allows it, and a
// checkpoint only then. On nothing it pans. Adding an arm, a label or a capacity assessor asks
// its dialog and then places the new object at the mouse until a click; Escape takes it away.
class CNetworkViewEditor
{
public:
    // Without grid snapping arrow keys nudge by 1 mm.
    static constexpr int NudgeWithoutGrid = 10;
    // A new arm's length: its first point at the mouse, its second this far to the right.
    static constexpr double NewArmLength = 500.0;

    enum class EMode
    {
        Idle,
        Pressed,  // on an object, not yet moved
        Dragging, // moved: its checkpoint is open
        Band,     // drawing a connector
        Placing,  // a new arm, label or capacity assessor follows the mouse
        Panning,
    };

    CNetworkViewEditor(CCarouselDoc& document, CNetworkViewState& state, ProgramSettings& program,
                       CNetworkViewDialogs& dialogs, CPrompt& prompt,
                       const CDrawingSurface& measure);

    EMode GetMode() const { return m_mode; }

    // Mouse input, in plan units.
    void LeftButtonDown(CPoint p, bool ctrl);
    void MouseMove(CPoint p);
    void LeftButtonUp(CPoint p);
    // Edits the selection: arm, zone, capacity assessor, label, or one short lane.
    void LeftDoubleClick();
    // Selects as a left click would, then names the context menu to show.
    EPopupMenu RightButtonDown(CPoint p);

    // The menu key: the selection's context menu.
    EPopupMenu ContextMenu() const;
    // What lies under the cursor, named for a tooltip ("Arm E1", "Lane 2 of arm C3", "Zone A",
    // ...); empty over nothing.
    std::string ToolTipText(CPoint p) const;

    // Keys. Escape cancels a placement (the new object goes), a drag (the object goes back, no
    // undo step) or a band; true when it cancelled something.
    bool Escape();
    // Delete: the selection's delete command; Enter or F2: its edit command.
    void DeleteSelection();
    void EditSelection();
    // Arrow keys: moves the selected arm, label, capacity assessor or OD matrix by (dx, dy)
    // grid steps (1 mm each without snapping) as one undo step.
    void Nudge(int dx, int dy);

    // The menus, the toolbar and the context menus.
    bool IsCommandEnabled(EViewCommand command) const;
    // "Display Grid" and "Snap To Grid" are checked while on.
    bool IsCommandChecked(EViewCommand command) const;
    // Runs an enabled command of the view; false for a disabled one and for the window's own
    // (print layout, clipboard, DXF export).
    bool RunCommand(EViewCommand command);
    // Undo and Redo wait while a drag, band or placement is under way.
    bool CanUndo() const;
    bool CanRedo() const;

    // The document's update: hint 8 drops every object held.
    void OnUpdate(int hint);

    // The rubber band to draw while a connector is drawn.
    struct CBand
    {
        CPoint from;
        CPoint to;
    };
    std::optional<CBand> GetBand() const;
    // What lies under a point, as a press would find it (tooltips, band highlighting).
    CHitResult HitTest(CPoint p) const;
    // The lane a band would end on at p, when a connector could be made there.
    std::optional<std::uint32_t> BandTargetLane(CPoint p) const;

private:
    enum class ETarget
    {
        None,
        Arm,
        Label,
        CapacityAssessor,
        ODMatrix,
    };

    static const char* MoveCheckpointName(ETarget target);
    CViewCommandContext Context() const;
    int SnapGrid() const;
    bool Confirm(EViewCommand command) const;
    void Select(const CHitResult& hit);

    // Dragging and placing.
    std::optional<CDragPoints> PointsOf(ETarget target, std::uint32_t id) const;
    void Apply(ETarget target, std::uint32_t id, const CDragPoints& points);
    void Grab(ETarget target, std::uint32_t id, EGrabPart part, CPoint mouse);
    void FollowMouse(CPoint p);
    void StartPlacing(ETarget target, std::uint32_t id);
    void FinishPlacing(CPoint p);
    void CancelPlacing();

    // Connectors.
    void StartBand(std::uint32_t laneId, bool outgoing, bool fromMenu);
    void EndBand(CPoint p);

    // Commands.
    bool AddArm();
    bool AddLabel();
    bool AddCapacityAssessor();
    bool EditArm();
    bool AddShortLane(bool toRight);
    bool EditShortLane();
    bool ConvertToShortLane();
    bool AddZone();
    bool EditZone();
    bool EditLabel();
    bool EditCapacityAssessor();
    bool DeleteSelected(EViewCommand command);

    CCarouselDoc& m_document;
    CNetworkViewState& m_state;
    ProgramSettings& m_program;
    CNetworkViewDialogs& m_dialogs;
    CPrompt& m_prompt;
    const CDrawingSurface& m_measure;

    EMode m_mode = EMode::Idle;
    CPoint m_mouse;
    // The object grabbed or placed.
    ETarget m_target = ETarget::None;
    std::uint32_t m_targetId = 0;
    std::optional<CDragGrab> m_grab;
    // The band: its lane, its direction and whether the next click ends it (menu commands).
    std::uint32_t m_bandLaneId = 0;
    bool m_bandOutgoing = true;
    bool m_bandFromMenu = false;
};
