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
#include <cmath>
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
    doc.Undo(); // replaces every object
    EXPECT_EQ(doc.GetNetwork().GetArms().GetArm(1)->GetFirstPoint(), (CPlanPoint{1000, 1000}));
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

TEST_F(ViewEditing, ABandFromALaneEndMakesOneConnectorAndARefusedOneNoStep)
{
    const std::uint32_t before = Connectors();
    // From the stop-line end of arm 1's lane 1 to the far end of arm 2's lane.
    Drag(OnLane(arm1, 1, 50), OnLane(arm2, 1, 950));
    EXPECT_EQ(Connectors(), before + 1);
    EXPECT_EQ(Steps(), 1u);
    EXPECT_EQ(doc.GetUndoName(), "Add Lane Connector");

    // Onto nothing, onto the same arm and onto a short lane: nothing and no step.
    for (const CPoint end : {CPoint{1500, 500}, OnLane(arm1, 2, 950), OnLane(arm3, 2, 60)}) {
        Drag(OnLane(arm1, 1, 50), end);
        EXPECT_EQ(Connectors(), before + 1) << end.x << "," << end.y;
        EXPECT_EQ(Steps(), 1u) << end.x << "," << end.y;
    }
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

TEST_F(ViewEditing, CtrlClickTogglesLanesAndNeverStartsAConnector)
{
    Click(OnLane(arm1, 1, 500));
    Click(OnLane(arm2, 1, 50), Qt::ControlModifier);
    EXPECT_EQ(view.GetEditor()->GetMode(), EMode::Idle) << "no band from a Ctrl click";
    EXPECT_EQ(view.GetViewState().GetSelectedLanes().GetCount(), 2u);
    Click(OnLane(arm1, 1, 500), Qt::ControlModifier);
    EXPECT_EQ(view.GetViewState().GetSelectedLanes().GetCount(), 1u);
    EXPECT_EQ(Connectors(), 1u);
    EXPECT_EQ(Steps(), 0u);
}

TEST_F(ViewEditing, DoubleClickEditsTheArmOrTheShortLaneUnderIt)
{
    DoubleClick({1000, 1500});
    DoubleClick(OnLane(arm3, 2, 60));
    DoubleClick(OnLane(arm3, 1, 500)); // infinitely long: nothing to edit
    EXPECT_EQ(dialogs.shown, (std::vector<std::string>{"Edit Arm", "Edit Short Lane"}));
}

TEST_F(ViewEditing, EachSelectionHasItsOwnContextMenu)
{
    const CShownMenu arm = RightClick({1000, 1500});
    EXPECT_EQ(arm.name, "POP_ARM");
    EXPECT_EQ(arm.items, (QStringList{"Edit Arm...", "Delete Arm", "Add Capacity Assessor...",
                                      "Balance Lane Flows on Selected Arm"}));
    EXPECT_TRUE(arm.disabled.contains("Balance Lane Flows on Selected Arm")) << "no entry arm";

    const CShownMenu lane = RightClick(OnLane(arm3, 2, 60));
    EXPECT_EQ(lane.name, "POP_LANE");
    EXPECT_EQ(lane.items.size(), 10);
    EXPECT_EQ(lane.items.last(), "Add Incoming Connector");
    EXPECT_TRUE(lane.disabled.contains("Convert to Short Lane..."));
    EXPECT_FALSE(lane.disabled.contains("Edit Short Lane..."));

    const CShownMenu background = RightClick({1500, 500});
    EXPECT_EQ(background.name, "POP_BACKGROUND");
    EXPECT_EQ(background.items,
              (QStringList{"Add Arm...", "Add Zone...", "Add Label...", "Add Capacity Assessor...",
                           "Print Layout Mode", "Copy Diagram To Clipboard",
                           "Network Diagram DXF Export...", "Display Grid", "Snap To Grid"}));
    EXPECT_TRUE(background.disabled.contains("Print Layout Mode")) << "nobody carries it out yet";

    struct Case
    {
        ESelectionKind kind;
        const char* name;
        QStringList items;
    };
    CZone* zone = network.GetZones().InsertZone(1);
    CLabel* label = doc.GetLabels().InsertLabel(1);
    const std::vector<Case> cases{
        {ESelectionKind::Zone, "POP_ZONE", {"Edit Zone...", "Delete Zone"}},
        {ESelectionKind::Label, "POP_LABEL", {"Edit Label...", "Delete Label"}},
    };
    for (const Case& c : cases) {
        view.GetViewState().Select(c.kind,
                                   c.kind == ESelectionKind::Zone ? zone->GetId() : label->GetId());
        const CShownMenu shown = MenuKey();
        EXPECT_EQ(shown.name, c.name);
        EXPECT_EQ(shown.items, c.items) << c.name;
        EXPECT_TRUE(shown.disabled.isEmpty()) << c.name;
    }
    view.GetViewState().SelectConnector(
        *network.GetLaneConnectors().GetConnectorsInKeyOrder().front());
    const CShownMenu connector = MenuKey();
    EXPECT_EQ(connector.name, "POP_LC");
    EXPECT_EQ(connector.items, QStringList{"Delete Connector"}) << "no Edit Connector...";
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
    EXPECT_EQ(prompt.questions.back(), "Are you sure you want to Delete this Arm?");
    EXPECT_EQ(network.GetArms().GetCount(), 2u);
    EXPECT_EQ(doc.GetUndoName(), "Delete Arm");
    doc.Undo();
    EXPECT_EQ(doc.GetNetwork().GetArms().GetCount(), 3u);
}

TEST_F(ViewEditing, TooltipsNameWhatIsUnderTheCursor)
{
    const auto tip = [this](CPoint p) {
        QHelpEvent event(QEvent::ToolTip, At(p), view.viewport()->mapToGlobal(At(p)));
        QApplication::sendEvent(view.viewport(), &event);
        return event.isAccepted() ? QToolTip::text() : QString();
    };
    EXPECT_EQ(tip({1000, 1500}), QString::fromStdString("Arm " + arm1->GetLabel()));
    EXPECT_EQ(tip(OnLane(arm2, 1, 500)).toStdString(), "Lane 1 of arm " + arm2->GetLabel());
    EXPECT_EQ(tip({1500, 500}).toStdString(), "");
}
} // namespace

namespace
{
// A lane's two ends as a press would take them: 50 units in from its stop line and its far end.
std::pair<CPoint, CPoint> LaneEnds(const CArm& arm)
{
    const CLane& lane = *arm.GetLanes().GetLane(1);
    const CPoint stop = LaneStopLineMidpoint(lane, 30);
    const CPoint far = LaneFarEndMidpoint(lane, 30);
    const double length = std::hypot(far.x - stop.x, far.y - stop.y);
    const int dx = static_cast<int>(std::lround((far.x - stop.x) * 50 / length));
    const int dy = static_cast<int>(std::lround((far.y - stop.y) * 50 / length));
    return {{stop.x + dx, stop.y + dy}, {far.x - dx, far.y - dy}};
}
} // namespace

// A three-arm roundabout drawn from an empty network with the mouse and the dialogs alone:
// three entries, three exits and three circulatory arms placed from the background menu, nine
// connectors drawn as rubber bands, three zones, a label and a capacity assessor; then every
// step undone back to the empty network.
TEST_F(ViewEditing, DrawsARoundaboutFromNothingAndUndoesItStepByStep)
{
    doc.OnNewDocument();
    ASSERT_EQ(doc.GetNetwork().GetArms().GetCount(), 0u);
    dialogs.createArm = [](CDlgArmCreateModel& d) {
        return d.SetLaneCountText("1");
    };
    dialogs.editZone = [](CDlgEditZoneModel& d) {
        return d.SetEntryArmNumber(d.GetEntryChoices().at(1).armNumber) &&
               d.SetExitArmNumber(d.GetExitChoices().at(1).armNumber);
    };
    dialogs.editAssessor = [](CDlgCapacityAssessorModel& d) {
        return d.SetCirculatoryArmId(d.GetCirculatoryChoices().at(0).armId);
    };
    dialogs.editLabel = [](CDlgEditLabelModel& d) {
        d.SetTextField("Ring");
        return true;
    };

    // Rows of entries, exits and circulatory arms, each arm 500 long to the right of its place.
    for (const int y : {1000, 1500, 2000}) {
        for (const int x : {800, 1500, 2200}) {
            EXPECT_EQ(RightClick({x, y}, "Add Arm...").name, "POP_BACKGROUND");
            Hover({x, y});
            Click({x, y});
        }
    }
    const CArms& arms = doc.GetNetwork().GetArms();
    ASSERT_EQ(arms.GetCount(), 9u);
    const auto arm = [&arms](std::uint32_t n) {
        return arms.GetArm(n);
    };
    const auto join = [&](std::uint32_t from, std::uint32_t to) {
        Drag(LaneEnds(*arm(from)).first, LaneEnds(*arm(to)).second);
    };
    for (std::uint32_t i = 0; i < 3; ++i) {
        join(1 + i, 7 + i);           // entry onto the ring
        join(7 + i, 7 + (i + 1) % 3); // round the ring
        join(7 + i, 4 + i);           // off the ring
    }
    EXPECT_EQ(doc.GetNetwork().GetLaneConnectors().GetCount(), 9u);
    EXPECT_EQ(arm(1)->GetKind(), ArmKind::Entry);
    EXPECT_EQ(arm(4)->GetKind(), ArmKind::Exit);
    EXPECT_EQ(arm(7)->GetKind(), ArmKind::Circulatory);

    for (int zone = 0; zone < 3; ++zone) {
        RightClick({3100, 600}, "Add Zone...");
    }
    EXPECT_EQ(doc.GetNetwork().GetZones().GetCount(), 3u);
    RightClick({3100, 600}, "Add Label...");
    Click({3100, 600});
    EXPECT_EQ(doc.GetLabels().GetCount(), 1u);
    // From the entry arm's own menu: the arm is proposed as the assessor's entry.
    EXPECT_EQ(RightClick({1050, 1000}, "Add Capacity Assessor...").name, "POP_ARM");
    Click({3100, 1300});
    ASSERT_EQ(doc.GetNetwork().GetCapacityAssessors().GetCount(), 1u);
    EXPECT_EQ(doc.GetNetwork().GetCapacityAssessors().GetCapacityAssessor(1)->GetEntryArm(),
              arm(1));

    std::vector<std::string> steps;
    while (doc.CanUndo()) {
        steps.push_back(doc.GetUndoName());
        doc.Undo();
    }
    std::vector<std::string> expected{"Add Capacity Assessor", "Add Label", "Add Zone", "Add Zone",
                                      "Add Zone"};
    expected.insert(expected.end(), 9, "Add Lane Connector");
    expected.insert(expected.end(), 9, "Add Arm");
    EXPECT_EQ(steps, expected);
    const CNetwork& empty = doc.GetNetwork();
    EXPECT_EQ(empty.GetArms().GetCount(), 0u);
    EXPECT_EQ(empty.GetZones().GetCount(), 0u);
    EXPECT_EQ(empty.GetLaneConnectors().GetCount(), 0u);
    EXPECT_EQ(empty.GetCapacityAssessors().GetCount(), 0u);
    EXPECT_EQ(doc.GetLabels().GetCount(), 0u);
}
