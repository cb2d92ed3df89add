// Print layout mode through real mouse and key events on an offscreen view: which zone a press
// takes, the undo steps of drags, the POP_PRINT menu and its commands.
#include "../../core/document/scripted_prompt.h"
#include "document/carousel_doc.h"
#include "printing/print_layout_controller.h"
#include "printing/print_page.h"
#include "printing/print_page_dialog.h"
#include "printing/print_zone_hit.h"
#include "view/network_view.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <gtest/gtest.h>

namespace
{

// Zone 1 (1000, 1000)-(3000, 2400) with zone 2 (1800, 1600)-(2400, 2000) inside it, on a view
// at zoom 1 from the plan's origin. Snapping to a grid of 50 takes out the rounding of plan
// points to pixels and back.
class PrintLayout : public testing::Test
{
protected:
    PrintLayout()
    {
        doc.OnNewDocument();
        program.CurSnapToGrid = true;
        settings.GridSize = 50;
        CPrintPages& pages = doc.GetPrintPages();
        outer = pages.AddPage();
        outer->GetPrintZone().SetRect(1000, 1000, 3000, 2400);
        inner = pages.AddPage();
        inner->GetPrintZone().SetRect(1800, 1600, 2400, 2000);
        doc.SetModifiedFlag(false);
        doc.UpdateAllViews(HintNetworkChanged);
        view.EnableEditing(program, prompt);
        view.SetMenuRunner([this](QMenu& menu, QPoint) { Work(menu); });
        view.resize(1200, 900);
        view.show();
        view.SetZoomAndScroll(1.0, {0, 0});
    }

    ~PrintLayout() override { layout.SetActive(false); }

    QPoint At(CPoint plan) const { return view.ToPixel(QPointF(plan.x, plan.y)).toPoint(); }
    void Mouse(QEvent::Type type, CPoint at)
    {
        const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        const Qt::MouseButtons held =
            type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(Qt::LeftButton);
        QMouseEvent event(type, QPointF(At(at)), view.viewport()->mapToGlobal(QPointF(At(at))),
                          button, held, Qt::NoModifier);
        QApplication::sendEvent(view.viewport(), &event);
    }
    void Drag(CPoint from, CPoint to)
    {
        Mouse(QEvent::MouseButtonPress, from);
        Mouse(QEvent::MouseMove, {(from.x + to.x) / 2, (from.y + to.y) / 2});
        Mouse(QEvent::MouseMove, to);
        Mouse(QEvent::MouseButtonRelease, to);
    }
    void Key(int key)
    {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(&view, &press);
    }
    QStringList RightClick(CPoint p, const QString& choose = {})
    {
        m_choose = choose;
        QContextMenuEvent event(QContextMenuEvent::Mouse, At(p),
                                view.viewport()->mapToGlobal(At(p)));
        QApplication::sendEvent(view.viewport(), &event);
        return m_items;
    }
    void Work(QMenu& menu)
    {
        menuName = menu.objectName();
        m_items.clear();
        disabled.clear();
        QAction* chosen = nullptr;
        for (QAction* action : menu.actions()) {
            m_items << action->text();
            if (!action->isEnabled())
                disabled << action->text();
            if (action->text() == m_choose)
                chosen = action;
        }
        if (chosen)
            chosen->trigger();
    }
    CRect Rect(const CPrintPage& page) const { return PrintZoneRect(page.GetPrintZone()); }
    std::uint32_t Selected()
    {
        return view.GetViewState().GetSelectionKind() == ESelectionKind::PrintZone
                   ? view.GetViewState().GetSelectedId()
                   : 0;
    }

    ProgramSettings program;
    NetworkSettings settings;
    CScriptedPrompt prompt;
    CCarouselDoc doc{program, settings, &prompt};
    CPrintPage* outer = nullptr;
    CPrintPage* inner = nullptr;
    CNetworkView view{doc};
    // What the layout dialog was shown and how it answers.
    int dialogsShown = 0;
    std::function<bool(CDlgEditPrintPageModel&)> answer = [](CDlgEditPrintPageModel&) {
        return false;
    };
    CPrintLayoutController layout{view, program, prompt, [this](CDlgEditPrintPageModel& model) {
                                      ++dialogsShown;
                                      return answer(model);
                                  }};
    QString menuName;
    QStringList disabled;

private:
    QString m_choose;
    QStringList m_items;
};

TEST_F(PrintLayout, BodyDragIsOneMovePrintZoneStepAndAHandleDragOneResize)
{
    layout.SetActive(true);
    Drag({1500, 1300}, {1700, 1400});
    EXPECT_EQ(Rect(*outer), (CRect{1200, 1100, 3200, 2500}));
    EXPECT_EQ(doc.GetCheckpointCount(), 1u);
    EXPECT_EQ(doc.GetUndoMenuText(), "Undo Move Print Zone");
    EXPECT_TRUE(doc.IsModified());

    // Its bottom-right handle, now the current page's.
    Drag({3200, 2500}, {3600, 2800});
    EXPECT_EQ(Rect(*outer).right, 3600);
    EXPECT_EQ(Rect(*outer).bottom, 2800);
    EXPECT_EQ(doc.GetCheckpointCount(), 2u);
    EXPECT_EQ(doc.GetUndoMenuText(), "Undo Resize Print Zone");

    doc.Undo();
    doc.Undo();
    EXPECT_EQ(Rect(*doc.GetPrintPages().GetPage(1)), (CRect{1000, 1000, 3000, 2400}));
}

TEST_F(PrintLayout, ANestedZoneStaysPickableAndANeighboursEdgeToo)
{
    layout.SetActive(true);
    // The outer zone is current, but the nested one's body is the smallest under the press.
    Drag({2100, 1800}, {2200, 1800});
    EXPECT_EQ(Selected(), inner->GetId());
    EXPECT_EQ(Rect(*inner), (CRect{1900, 1600, 2500, 2000}));
    EXPECT_EQ(Rect(*outer), (CRect{1000, 1000, 3000, 2400}));
    // The outer zone is still taken by its own free part.
    Mouse(QEvent::MouseButtonPress, {1200, 1200});
    Mouse(QEvent::MouseButtonRelease, {1200, 1200});
    EXPECT_EQ(Selected(), outer->GetId());
}

TEST_F(PrintLayout, EscapePutsADraggedZoneBackWithoutAStepAndAMissPans)
{
    layout.SetActive(true);
    Mouse(QEvent::MouseButtonPress, {1500, 1300});
    Mouse(QEvent::MouseMove, {1600, 1300});
    Mouse(QEvent::MouseMove, {1800, 1300});
    EXPECT_TRUE(view.IsInteracting());
    Key(Qt::Key_Escape);
    Mouse(QEvent::MouseButtonRelease, {1800, 1300});
    EXPECT_EQ(Rect(*outer), (CRect{1000, 1000, 3000, 2400}));
    EXPECT_EQ(doc.GetCheckpointCount(), 0u);
    EXPECT_FALSE(doc.IsModified());

    // A press on no zone clears the selection and pans: nothing moves.
    Drag({200, 200}, {400, 400});
    EXPECT_EQ(Selected(), 0u);
    EXPECT_EQ(doc.GetCurrentPrintPage(), nullptr);
    EXPECT_EQ(doc.GetCheckpointCount(), 0u);
}

TEST_F(PrintLayout, TheContextMenuIsPopPrintAndDeleteAsksFirst)
{
    layout.SetActive(true);
    RightClick({200, 200});
    EXPECT_EQ(menuName, "POP_PRINT");
    EXPECT_EQ(disabled, (QStringList{"Delete Print Page", "Edit Print Zone..."}));

    prompt.Answer(PromptAnswer::No);
    RightClick({2100, 1800}, "Delete Print Page");
    EXPECT_EQ(prompt.questions.back(), "Are you sure you want to Delete this Print Page?");
    EXPECT_EQ(doc.GetPrintPages().GetCount(), 2);

    prompt.Answer(PromptAnswer::Yes);
    RightClick({2100, 1800}, "Delete Print Page");
    EXPECT_EQ(doc.GetPrintPages().GetCount(), 1);
    EXPECT_EQ(doc.GetUndoMenuText(), "Undo Delete Print Zone");
    EXPECT_EQ(Selected(), 0u);

    const QStringList items = RightClick({200, 200}, "Create a New Print Page");
    EXPECT_EQ(items, (QStringList{"Create a New Print Page", "Delete Print Page",
                                  "Edit Print Zone...", "Print Layout Mode"}));
    ASSERT_EQ(doc.GetPrintPages().GetCount(), 2);
    EXPECT_EQ(Selected(), doc.GetPrintPages().GetPage(2)->GetId());
    EXPECT_EQ(doc.GetUndoMenuText(), "Undo Add Print Zone");

    RightClick({200, 200}, "Print Layout Mode");
    EXPECT_FALSE(layout.IsActive());
}

TEST_F(PrintLayout, EditingCancelledLeavesTheHistoryAndOkStoresTheLayout)
{
    layout.SetActive(true);
    // Double click on the nested zone: its dialog, cancelled.
    Mouse(QEvent::MouseButtonPress, {2100, 1800});
    Mouse(QEvent::MouseButtonRelease, {2100, 1800});
    Mouse(QEvent::MouseButtonDblClick, {2100, 1800});
    Mouse(QEvent::MouseButtonRelease, {2100, 1800});
    EXPECT_EQ(dialogsShown, 1);
    EXPECT_EQ(doc.GetCheckpointCount(), 0u);
    EXPECT_FALSE(doc.IsModified());

    answer = [](CDlgEditPrintPageModel& model) {
        model.SetPageNumber(1);
        model.SetPageTitle("Entry");
        return true;
    };
    Key(Qt::Key_F2);
    EXPECT_EQ(dialogsShown, 2);
    EXPECT_EQ(doc.GetUndoMenuText(), "Undo Edit Print Zone");
    EXPECT_EQ(doc.GetPrintPages().GetPage(1), inner);
    EXPECT_EQ(inner->GetPageTitle(), "Entry");
}

TEST_F(PrintLayout, AnUndoThatReplacesThePagesLeavesNothingDangling)
{
    layout.SetActive(true);
    Drag({2100, 1800}, {2200, 1800});
    doc.Undo();
    // The page objects were replaced; the selection went with them.
    EXPECT_EQ(doc.GetCurrentPrintPage(), nullptr);
    Key(Qt::Key_Delete);
    EXPECT_TRUE(prompt.questions.empty());
    Drag({1500, 1300}, {1600, 1300});
    EXPECT_EQ(Rect(*doc.GetPrintPages().GetPage(1)).left, 1100);
}

} // namespace
