// The network view's editing through real mouse and key events on an offscreen view of fixed
// size, zoom and origin: what the model and the undo history hold afterwards, the context menus,
// the rubber band on the screen and the main window's commands while an interaction is under way.
#include "../../core/document/scripted_prompt.h"
#include "../../core/editing/scripted_dialogs.h"
#include "document/carousel_doc.h"
#include "document/child_frame.h"
#include "document/command_state.h"
#include "editing/network_view_editor.h"
#include "model/capacity_assessor.h"
#include "model/label.h"
#include "model/zone.h"
#include "network_builder.h"
#include "view/lane_geometry.h"
#include "view/network_view.h"
#include "view/network_view_child_frame.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QHelpEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QToolTip>
#include <gtest/gtest.h>
#include <optional>

namespace
{
using EMode = CNetworkViewEditor::EMode;

// What a context menu offered: its name and its items with their states.
struct CShownMenu
{
    QString name;
    QStringList items;
    QStringList disabled;
};

// Arm text height 30: lanes are 36 wide, their end boxes 108 long. Arm 1 runs down from
// (1000, 1000) to (1000, 2000) with lane 1 between x 910 and 946 and lane 2 between 946 and 982,
// stop lines at y 1000. Arm 2 has one lane (x 1946..1982) below (2000, 1000). Arm 3 below
// (3000, 1000) has lane 1 infinitely long feeding lane 2, short. The view shows the plan at
// zoom 1 from the plan's origin: 0.374 pixels a unit.
class ViewEditing : public testing::Test
{
protected:
    ViewEditing()
    {
        arm1->SetPoints({1000, 1000}, {1000, 2000});
        arm2->SetPoints({2000, 1000}, {2000, 2000});
        arm3->SetPoints({3000, 1000}, {3000, 2000});
        TestSupport::Lane(arm3, 2)->SetLength(100);
        network.GetLaneConnectors().AddConnector(TestSupport::Lane(arm3, 1),
                                                 TestSupport::Lane(arm3, 2));
        doc.SetModifiedFlag(false);
        doc.UpdateAllViews(HintNetworkChanged);
        view.EnableEditing(program, prompt, &dialogs);
        view.SetMenuRunner([this](QMenu& menu, QPoint) { Work(menu); });
        view.resize(1200, 900);
        view.show();
        view.SetZoomAndScroll(1.0, {0, 0});
    }

    QPoint At(CPoint plan) const { return view.ToPixel(QPointF(plan.x, plan.y)).toPoint(); }

    void Mouse(QEvent::Type type, QPoint at, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
               Qt::MouseButtons held = Qt::LeftButton)
    {
        const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        if (type == QEvent::MouseButtonRelease) {
            held = Qt::NoButton;
        }
        QMouseEvent event(type, QPointF(at), view.viewport()->mapToGlobal(QPointF(at)), button,
                          held, modifiers);
        QApplication::sendEvent(view.viewport(), &event);
    }
    void Click(CPoint p, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        Mouse(QEvent::MouseButtonPress, At(p), modifiers);
        Mouse(QEvent::MouseButtonRelease, At(p), modifiers);
    }
    void DoubleClick(CPoint p)
    {
        Click(p);
        Mouse(QEvent::MouseButtonDblClick, At(p));
        Mouse(QEvent::MouseButtonRelease, At(p));
    }
    void Drag(CPoint from, CPoint to)
    {
        Mouse(QEvent::MouseButtonPress, At(from));
        Mouse(QEvent::MouseMove, (At(from) + At(to)) / 2);
        Mouse(QEvent::MouseMove, At(to));
        Mouse(QEvent::MouseButtonRelease, At(to));
    }
    // The mouse passing over the view with no button held.
    void Hover(CPoint p) { Mouse(QEvent::MouseMove, At(p), Qt::NoModifier, Qt::NoButton); }
    void Key(int key)
    {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(&view, &press);
    }
    // The right button at a point: selects there and shows the context menu, from which the
    // item named by `choose` (if any) is taken.
    CShownMenu RightClick(CPoint p, const QString& choose = {})
    {
        m_choose = choose;
        QContextMenuEvent event(QContextMenuEvent::Mouse, At(p),
                                view.viewport()->mapToGlobal(At(p)));
        QApplication::sendEvent(view.viewport(), &event);
        return m_shown;
    }
    CShownMenu MenuKey()
    {
        m_choose.clear();
        QContextMenuEvent event(QContextMenuEvent::Keyboard, QPoint(10, 10),
                                view.mapToGlobal(QPoint(10, 10)));
        QApplication::sendEvent(&view, &event);
        return m_shown;
    }
    void Work(QMenu& menu)
    {
        m_shown = {menu.objectName(), {}, {}};
        QAction* chosen = nullptr;
        for (QAction* action : menu.actions()) {
            m_shown.items << action->text();
            if (!action->isEnabled()) {
                m_shown.disabled << action->text();
            }
            if (action->text() == m_choose) {
                chosen = action;
            }
        }
        if (chosen != nullptr) {
            chosen->trigger();
        }
    }

    std::size_t Steps() const { return doc.GetCheckpointCount(); }
    std::uint32_t Connectors() const { return doc.GetNetwork().GetLaneConnectors().GetCount(); }
    // A point of a lane, `along` units from its stop line, in its middle.
    CPoint OnLane(CArm* arm, std::uint32_t lane, int along) const
    {
        const CPoint stop = LaneStopLineMidpoint(*TestSupport::Lane(arm, lane), 30);
        return {stop.x, stop.y + along};
    }

    ProgramSettings program;
    NetworkSettings settings;
    CScriptedPrompt prompt;
    CCarouselDoc doc{program, settings, &prompt};
    CNetwork& network = (doc.OnNewDocument(), doc.GetNetwork());
    CArm* arm1 = TestSupport::AddArm(network, 2);
    CArm* arm2 = TestSupport::AddArm(network, 1);
    CArm* arm3 = TestSupport::AddArm(network, 2);
    CScriptedDialogs dialogs;
    CNetworkView view{doc};

private:
    QString m_choose;
    CShownMenu m_shown;
};

TEST_F(ViewEditing, ADragOfAnArmIsOneMoveArmStepAndAClickOrAJitterIsNone)
{
    Click({1000, 1500});
    EXPECT_TRUE(view.GetViewState().IsSelected(ESelectionKind::Arm, arm1->GetId()));
    EXPECT_EQ(Steps(), 0u);

    // Less than the drag distance: still a click.
    Mouse(QEvent::MouseButtonPress, At({1000, 1500}));
    Mouse(QEvent::MouseMove, At({1000, 1500}) + QPoint(1, 1));
    Mouse(QEvent::MouseButtonRelease, At({1000, 1500}) + QPoint(1, 1));
    EXPECT_EQ(Steps(), 0u);
    EXPECT_EQ(arm1->GetFirstPoint(), (CPlanPoint{1000, 1000}));

    Drag({1000, 1500}, {1200, 1500});
    EXPECT_EQ(Steps(), 1u);
    EXPECT_EQ(doc.GetUndoName(), "Move Arm");
    EXPECT_NEAR(arm1->GetFirstPoint().x, 1200, 3);
    EXPECT_NEAR(arm1->GetSecondPoint().x, 1200, 3) << "a body grab moves both points";
}

// The main window's Undo and Redo, and the editing commands, wait while a drag is under way.
TEST_F(ViewEditing, UndoWaitsForTheDragAndTheMenusFollowTheView)
{
    struct CNoOwner : CFrameOwner
    {
        bool QueryCloseFrame(CChildFrame&) override { return true; }
        void OnFrameClosed(CChildFrame&) override {}
    } owner;
    CNetworkViewChildFrame frame(doc, owner, 0, program);
    CNetworkView& shown = *frame.GetNetworkView();
    shown.EnableEditing(program, prompt, &dialogs);
    Drag({1000, 1500}, {1100, 1500});
    ASSERT_TRUE(doc.CanUndo());

    const auto state = [&](ECommand command) {
        return CommandState(command, {&doc, frame.GetViewStatus(), &program});
    };
    EXPECT_TRUE(state(ECommand::Undo).enabled);
    EXPECT_TRUE(state(ECommand::AddArm).enabled);
    shown.GetEditor()->LeftButtonDown({2000, 1500}, false);
    shown.GetEditor()->MouseMove({2000, 1700});
    EXPECT_TRUE(shown.IsInteracting());
    EXPECT_FALSE(state(ECommand::Undo).enabled);
    EXPECT_FALSE(state(ECommand::AddArm).enabled);
    shown.GetEditor()->LeftButtonUp({2000, 1700});
    EXPECT_TRUE(state(ECommand::Undo).enabled);
    EXPECT_EQ(state(ECommand::Undo).text, "Undo Move Arm\tCtrl+Z");
}

// Which bands make a connector is the editor's affair; the mouse draws one.
TEST_F(ViewEditing, ABandFromALaneEndMakesOneConnector)
{
    const std::uint32_t before = Connectors();
    // From the stop-line end of arm 1's lane 1 to the far end of arm 2's lane.
    Drag(OnLane(arm1, 1, 50), OnLane(arm2, 1, 950));
    EXPECT_EQ(Connectors(), before + 1);
    EXPECT_EQ(Steps(), 1u);
    EXPECT_EQ(doc.GetUndoName(), "Add Lane Connector");
}

TEST_F(ViewEditing, TheBandIsDrawnWithItsTargetLaneAndGoesWithEscape)
{
    const auto selected = [this] {
        const QImage image = view.viewport()->grab().toImage();
        int count = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QColor c = image.pixelColor(x, y);
                count += c.red() > 150 && c.green() < 120 && c.blue() < 120 ? 1 : 0;
            }
        }
        return count;
    };
    Mouse(QEvent::MouseButtonPress, At(OnLane(arm1, 1, 50)));
    const int lanePicked = selected();
    Mouse(QEvent::MouseMove, At({1500, 1500}));
    ASSERT_EQ(view.GetEditor()->GetMode(), EMode::Band);
    const int band = selected();
    EXPECT_GT(band, lanePicked + 50) << "the rubber band";
    Mouse(QEvent::MouseMove, At(OnLane(arm2, 1, 950)));
    EXPECT_GT(selected(), band + 100) << "the lane it would end on";
    Key(Qt::Key_Escape);
    EXPECT_EQ(view.GetEditor()->GetMode(), EMode::Idle);
    Mouse(QEvent::MouseButtonRelease, At(OnLane(arm2, 1, 950)));
    EXPECT_EQ(Steps(), 0u);
    EXPECT_LE(selected(), lanePicked);
}

TEST_F(ViewEditing, CtrlClickAddsLanesAndNeverStartsAConnector)
{
    Click(OnLane(arm1, 1, 500));
    Click(OnLane(arm2, 1, 50), Qt::ControlModifier);
    EXPECT_EQ(view.GetEditor()->GetMode(), EMode::Idle) << "no band from a Ctrl click";
    EXPECT_EQ(view.GetViewState().GetSelectedLanes().GetCount(), 2u);
}

TEST_F(ViewEditing, DoubleClickEditsTheArmOrTheShortLaneUnderIt)
{
    DoubleClick({1000, 1500});
    DoubleClick(OnLane(arm3, 2, 60));
    DoubleClick(OnLane(arm3, 1, 500)); // infinitely long: nothing to edit
    EXPECT_EQ(dialogs.shown, (std::vector<std::string>{"Edit Arm", "Edit Short Lane"}));
}

// The menus are built from the editor's tables, with its commands' states; the keyboard's menu
// key shows the selection's menu too.
TEST_F(ViewEditing, EachSelectionHasItsOwnContextMenu)
{
    const CShownMenu arm = RightClick({1000, 1500});
    EXPECT_EQ(arm.name, "POP_ARM");
    EXPECT_EQ(arm.items, (QStringList{"Edit Arm...", "Delete Arm", "Add Capacity Assessor...",
                                      "Balance Lane Flows on Selected Arm"}));
    EXPECT_EQ(arm.disabled, QStringList{"Balance Lane Flows on Selected Arm"}) << "no entry arm";

    const CShownMenu lane = RightClick(OnLane(arm3, 2, 60));
    EXPECT_EQ(lane.name, "POP_LANE");
    EXPECT_TRUE(lane.disabled.contains("Convert to Short Lane..."));
    EXPECT_FALSE(lane.disabled.contains("Edit Short Lane..."));

    const CShownMenu background = RightClick({1500, 500});
    EXPECT_EQ(background.name, "POP_BACKGROUND");
    EXPECT_TRUE(background.disabled.contains("Print Layout Mode")) << "nobody carries it out yet";

    view.GetViewState().Select(ESelectionKind::Zone, network.GetZones().InsertZone(1)->GetId());
    const CShownMenu zone = MenuKey();
    EXPECT_EQ(zone.name, "POP_ZONE");
    EXPECT_EQ(zone.items, (QStringList{"Edit Zone...", "Delete Zone"}));
}

TEST_F(ViewEditing, TheWindowsOwnCommandsRunTheirHandlers)
{
    int copies = 0;
    view.SetWindowCommand(EViewCommand::CopyDiagramToClipboard, [&copies] { ++copies; });
    const CShownMenu menu = RightClick({1500, 500}, "Copy Diagram To Clipboard");
    EXPECT_FALSE(menu.disabled.contains("Copy Diagram To Clipboard"));
    EXPECT_TRUE(menu.disabled.contains("Network Diagram DXF Export..."));
    EXPECT_EQ(copies, 1);
    RightClick({1500, 500}, "Display Grid");
    EXPECT_TRUE(program.CurDisplayGrid);
}

TEST_F(ViewEditing, KeysDeleteEditAndNudgeTheSelection)
{
    Click({1000, 1500});
    Key(Qt::Key_Right);
    Key(Qt::Key_Down);
    EXPECT_EQ(arm1->GetFirstPoint(), (CPlanPoint{1010, 1010}));
    EXPECT_EQ(Steps(), 2u);
    Key(Qt::Key_F2);
    Key(Qt::Key_Return);
    EXPECT_EQ(dialogs.shown, (std::vector<std::string>{"Edit Arm", "Edit Arm"}));

    prompt.Answer(PromptAnswer::No);
    Key(Qt::Key_Delete);
    EXPECT_EQ(network.GetArms().GetCount(), 3u);
    prompt.Answer(PromptAnswer::Yes);
    Key(Qt::Key_Delete);
    EXPECT_EQ(network.GetArms().GetCount(), 2u);
}

TEST_F(ViewEditing, TooltipsNameWhatIsUnderTheCursor)
{
    const auto tip = [this](CPoint p) {
        QHelpEvent event(QEvent::ToolTip, At(p), view.viewport()->mapToGlobal(At(p)));
        QApplication::sendEvent(view.viewport(), &event);
        return event.isAccepted() ? QToolTip::text() : QString();
    };
    EXPECT_EQ(tip({1000, 1500}), QString::fromStdString("Arm " + arm1->GetLabel()));
    EXPECT_EQ(tip({1500, 500}).toStdString(), "");
}

// Adding from the context menus with the mouse alone: an arm placed where the mouse is clicked,
// a zone, a label placed by a click, and a capacity assessor whose entry is the arm whose own
// menu added it.
TEST_F(ViewEditing, TheContextMenusAddWhereTheMouseIs)
{
    dialogs.editAssessor = [](CDlgCapacityAssessorModel& d) {
        return d.SetCirculatoryArmId(d.GetCirculatoryChoices().back().armId);
    };
    EXPECT_EQ(RightClick({1500, 2500}, "Add Arm...").name, "POP_BACKGROUND");
    Hover({1500, 2500});
    Click({1500, 2500});
    ASSERT_EQ(network.GetArms().GetCount(), 4u);
    EXPECT_NEAR(network.GetArms().GetArm(4)->GetFirstPoint().x, 1500, 3);
    EXPECT_NEAR(network.GetArms().GetArm(4)->GetFirstPoint().y, 2500, 3);

    RightClick({3500, 600}, "Add Zone...");
    EXPECT_EQ(network.GetZones().GetCount(), 1u);
    RightClick({3500, 600}, "Add Label...");
    Click({3500, 600});
    EXPECT_EQ(doc.GetLabels().GetCount(), 1u);
    EXPECT_EQ(RightClick({1000, 1500}, "Add Capacity Assessor...").name, "POP_ARM");
    Click({3500, 1300});
    ASSERT_EQ(network.GetCapacityAssessors().GetCount(), 1u);
    EXPECT_EQ(network.GetCapacityAssessors().GetCapacityAssessor(1)->GetEntryArm(), arm1);
    EXPECT_EQ(Steps(), 4u);
}
} // namespace
