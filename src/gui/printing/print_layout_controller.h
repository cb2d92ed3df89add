// Print layout mode of the network view: laying out the print zones on the plan.
#pragma once

#include "platform/geometry.h"
#include "printing/print_zone_hit.h"
#include "view/plan_input_mode.h"

#include <QObject>
#include <cstdint>
#include <functional>

class CCarouselDoc;
class CDlgEditPrintPageModel;
class CNetworkView;
class CPrintPage;
class CPrompt;
struct ProgramSettings;

// While on, the view draws the print zones and the mouse works on them alone: a press picks a
// zone (the current page first, then edges and corners, then the smallest body), selects it as
// the document's current page and grabs it; dragging its body is "Move Print Zone", a handle
// "Resize Print Zone", one undo step per drag (snapped to the grid while snapping is on). A
// press on no zone clears the selection and pans. Double click, Enter or F2 edit the zone,
// Delete deletes its page, Escape puts a dragged zone back. The context menu is "POP_PRINT".
class CPrintLayoutController : public QObject, public CPlanInputMode
{
    Q_OBJECT

public:
    static constexpr const char* MenuName = "POP_PRINT";
    static constexpr const char* CreatePageText = "Create a New Print Page";
    static constexpr const char* DeletePageText = "Delete Print Page";
    static constexpr const char* EditZoneText = "Edit Print Zone...";
    static constexpr const char* ModeText = "Print Layout Mode";
    static constexpr const char* DeleteQuestion = "Are you sure you want to Delete this Print Page?";

    // Shows the "Print Page Layout" dialog over its model; true for OK.
    using LayoutDialog = std::function<bool(CDlgEditPrintPageModel& model)>;

    // Without a dialog of the caller's the real one is shown over the view. The controller is a
    // child of the view and must not outlive it in print layout mode.
    CPrintLayoutController(CNetworkView& view, const ProgramSettings& program, CPrompt& prompt,
                           LayoutDialog dialog = {});
    ~CPrintLayoutController() override;
    CPrintLayoutController(const CPrintLayoutController&) = delete;
    CPrintLayoutController& operator=(const CPrintLayoutController&) = delete;

    bool IsActive() const;
    // Entering makes the first page current when none is; leaving drops the zone selection.
    void SetActive(bool active);
    void Toggle() { SetActive(!IsActive()); }

    // The page whose zone is selected; none without one.
    CPrintPage* GetSelectedPage() const;
    // "Create a New Print Page": a new page, its zone centred in the view ("Add Print Zone").
    bool CreatePage();
    // "Edit Print Zone...": the dialog, then "Edit Print Zone" on OK; Cancel changes nothing.
    bool EditZone();
    // "Delete Print Page", after asking.
    bool DeletePage();

    // CPlanInputMode
    bool Press(CPoint p) override;
    void Move(CPoint p) override;
    void Release(CPoint p) override;
    void DoubleClick() override;
    bool Key(int key) override;
    bool IsInteracting() const override { return m_drag != EDrag::None; }
    void FillContextMenu(QMenu& menu, std::optional<CPoint> at) override;
    void OnUpdate(int hint) override;

private:
    enum class EDrag
    {
        None,
        Pressed,  // on a zone, not yet moved
        Dragging, // moved: its checkpoint is open
    };

    void Select(const CPrintPage* page);
    // Escape during a drag: the zone goes back and no undo step is left.
    bool CancelDrag();

    CNetworkView& m_view;
    CCarouselDoc& m_document;
    const ProgramSettings& m_program;
    CPrompt& m_prompt;
    LayoutDialog m_dialog;

    EDrag m_drag = EDrag::None;
    std::uint32_t m_pageId = 0;
    EPrintZoneHit m_grab = EPrintZoneHit::None;
    CRect m_start;
    CPoint m_grabbed;
};
