// The network view: the document's plan drawn by the core's renderer, zoomable and pannable.
#pragma once

#include "document/document_view.h"
#include "editing/view_commands.h"
#include "platform/emf_recorder.h"
#include "platform/freetype_text_measurer.h"
#include "platform/glyph_fonts.h"
#include "routing/lane_data_source.h"
#include "view/network_view_state.h"
#include "view/scroll_pan_view.h"

#include <functional>
#include <map>
#include <memory>
#include <optional>

class CBandOverlay;
class CCarouselDoc;
class CNetworkViewDialogs;
class CNetworkViewEditor;
class CPlanInputMode;
class CPrompt;
class CRendererOverlay;
class QMenu;
struct ProgramSettings;

// Shows one document's network as the renderer draws it for this view: its own view state
// (selection and cached colour categories, made through the document), the actual lane flows at
// the lane ends, the current flow group, the document's display flags and route selection, the
// grid while CurDisplayGrid is on, and only what meets the part of the plan drawn (clip test).
// It registers with the document as a view of kind 1 and draws again at every hint; at hint 8
// (objects about to be replaced) it drops the bounds it measured and everything it drew. The
// wheel follows the program setting DefIsMouseWheelZoomBackwards. It knows nothing of the window
// around it; the document must outlive it.
//
// Once editing is enabled, the core's editor takes the mouse and the keys: a press on an object
// selects and grabs it (a move shorter than the drag distance stays a click), a press on a lane
// end draws a connector, a press on nothing pans as before; double click edits, the right button
// and the menu key show the selection's context menu, Escape cancels, Delete deletes, Enter or
// F2 edits, the arrow keys nudge. The rubber band is drawn through the overlay and tooltips name
// what lies under the cursor.
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

    // Lets the user edit: the grid switches flip the program's settings, questions go to the
    // prompt and values are asked through the dialogs (the window's own when none are given).
    void EnableEditing(ProgramSettings& program, CPrompt& prompt,
                       CNetworkViewDialogs* dialogs = nullptr);
    // None until editing is enabled.
    CNetworkViewEditor* GetEditor() const { return m_editor.get(); }
    // A drag, a connector or a placement is under way: Undo and Redo wait for it.
    bool IsInteracting() const;

    // Print layout mode: while a mode is set it takes the input and the print pages are drawn;
    // none returns to editing the network. The mode must outlive its use.
    void SetInputMode(CPlanInputMode* mode);
    CPlanInputMode* GetInputMode() const { return m_inputMode; }

    // The view's commands, for the menus, the toolbar and the context menus. The window's own
    // (the clipboard, the DXF export, print layout mode) run the handler set for them and are
    // greyed out without one.
    bool IsCommandEnabled(EViewCommand command) const;
    bool IsCommandChecked(EViewCommand command) const;
    bool RunCommand(EViewCommand command);
    void SetWindowCommand(EViewCommand command, std::function<void()> run);

    // The context menu's items with their states, each running its command when triggered.
    std::unique_ptr<QMenu> NewContextMenu(EPopupMenu menu);
    // Shows a context menu at a global point: a modal popup unless replaced (tests work the
    // menu without one).
    using MenuRunner = std::function<void(QMenu& menu, QPoint global)>;
    void SetMenuRunner(MenuRunner runner) { m_menuRunner = std::move(runner); }

signals:
    // The selection or the editor's state changed: menus and toolbars read their rules again.
    void editingChanged();

protected:
    CRect GetDrawingBounds() override { return DrawingBounds(); }
    void DrawPlan(QPainter& painter, const CPlanMapping& mapping) override;
    bool IsWheelZoomBackwards() const override;
    bool OnPlanPress(QMouseEvent& event, QPointF plan) override;
    void OnPlanMove(QMouseEvent& event, QPointF plan) override;
    void OnPlanRelease(QMouseEvent& event, QPointF plan) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool viewportEvent(QEvent* event) override;

private:
    // After an input the editor took: the drawing, the cursor and the commands follow.
    void Edited();
    // Shows a menu as a modal popup, or hands it to the menu runner a test set.
    void RunMenu(QMenu& menu, QPoint global);

    std::unique_ptr<CNetworkViewDialogs> m_ownDialogs;
    std::unique_ptr<CNetworkViewEditor> m_editor;
    std::unique_ptr<CBandOverlay> m_bandOverlay;
    CPlanInputMode* m_inputMode = nullptr;
    std::map<EViewCommand, std::function<void()>> m_windowCommands;
    MenuRunner m_menuRunner;
    // Where the left button went down: a press moving less than the drag distance is a click.
    QPoint m_pressPixel;
    bool m_dragStarted = false;

    CCarouselDoc& m_document;
    CNetworkViewState m_state;
    CFreeTypeTextMeasurer m_measurer;
    CGlyphFonts m_fonts;
    const CLaneDataActualFlow m_actualFlows;
    const CRendererOverlay* m_overlay = nullptr;
    std::optional<CRect> m_bounds;
    // Hit-testing measures label texts on it; it records nothing.
    CEmfRecorder m_measureSurface{m_measurer};
};
