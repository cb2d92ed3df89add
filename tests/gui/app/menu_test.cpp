// The menus, toolbars and status panes of the main window as the user sees them.
#include "app_fixture.h"
#include "view/network_view.h"
#include "view/network_view_child_frame.h"

#include <QMenuBar>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>
#include <gtest/gtest.h>
#include <set>

namespace
{

class MenuTest : public testing::Test, public AppFixture
{
protected:
    QAction* Action(ECommand command) { return app->GetMainFrame()->GetAction(command); }

    // Every menu item's text, in menu order, with the menu's title first.
    static QStringList MenuTexts(const QMenu& menu)
    {
        QStringList texts{menu.title()};
        for (const QAction* action : menu.actions())
            if (!action->isSeparator())
                texts.push_back(action->menu() ? action->menu()->title() : action->text());
        return texts;
    }
    QMenu* Menu(const QString& title)
    {
        for (QAction* action : app->GetMainFrame()->menuBar()->actions())
            if (action->menu() && action->menu()->title() == title)
                return action->menu();
        return nullptr;
    }
};

using C = ECommand;

// Commands that need a network; the zoom, grid and route-set ones need its view active too.
const std::set<C> DocumentCommands{C::FileClose,
                                   C::FileSave,
                                   C::FileSaveAs,
                                   C::NetworkDiagramDxfExport,
                                   C::CopyDiagramToClipboard,
                                   C::ShowNetworkView,
                                   C::ShowTrafficFlowsView,
                                   C::ReportBuilder,
                                   C::ShowODMatrix,
                                   C::HighlightFilteredRoutes,
                                   C::EditProjectInformation,
                                   C::EditNetworkGraphicsSettings,
                                   C::BuildRoutes,
                                   C::AutomaticallyRebuildRoutes,
                                   C::WindowCascade,
                                   C::WindowTile};

TEST_F(MenuTest, MenusHoldEveryCommandWithItsExactText)
{
    Start();
    EXPECT_EQ(MenuTexts(*Menu("&File")),
              (QStringList{"&File", "&New\tCtrl+N", "&Open...\tCtrl+O", "&Close", "&Save\tCtrl+S",
                           "Save &As...", "Network Diagram DXF Export...", "&Print...\tCtrl+P",
                           "Print Pre&view", "P&rint Setup...", "Draft Print Entire Network...",
                           "E&xit\tCtrl+Q"}));
    EXPECT_EQ(MenuTexts(*Menu("&Edit")),
              (QStringList{"&Edit", "Can't Undo\tCtrl+Z", "Can't Redo\tCtrl+Y",
                           "Copy Diagram To Clipboard\tCtrl+C"}));
    EXPECT_EQ(MenuTexts(*Menu("&View")),
              (QStringList{"&View", "&Toolbars", "&Status Bar", "Show Network View",
                           "Show Traffic Flows View", "Report Builder...", "Zoom In\tCtrl++",
                           "Zoom Out\tCtrl+-", "Zoom To Fit\tCtrl+0", "Zoom Max", "Zoom Min",
                           "Display Grid", "Snap To Grid", "Show OD Matrix in Network View",
                           "Highlight Filtered Routes"}));
    EXPECT_EQ(
        MenuTexts(*Menu("&Network")),
        (QStringList{"&Network", "Edit Project Information...", "Edit Network Graphics Settings...",
                     "Add Arm...", "Add Zone...", "Add Label...", "Add Capacity Assessor..."}));
    EXPECT_EQ(
        MenuTexts(*Menu("&Routes")),
        (QStringList{"&Routes", "Build Routes", "Automatically Rebuild Routes",
                     "Balance Lane Flows on Selected Arm", "Balance Lane Flows on All Entry Arms",
                     "Make Any Existing Circular Routes Non-Permitted", "Delete All Routes",
                     "Delete the Selected Route"}));
    EXPECT_EQ(MenuTexts(*Menu("&Options")),
              (QStringList{"&Options", "Program Options...", "Default Options...",
                           "Graphics Options..."}));
    EXPECT_EQ(MenuTexts(*Menu("&Help")),
              (QStringList{"&Help", "Check For Program Updates...", "&About Gyrolith..."}));
}

TEST_F(MenuTest, WithoutANetworkOnlyTheProgramsCommandsAreOffered)
{
    store.WriteProfileInt("Settings", "DefCreateBlankFileOnStartup", 0);
    Start();
    for (const CCommandInfo& info : Commands()) {
        const bool needsDocument =
            DocumentCommands.contains(info.command) ||
            Action(info.command)->text().startsWith("Zoom") || info.command == C::Undo ||
            info.command == C::Redo || info.command == C::DisplayGrid ||
            info.command == C::SnapToGrid || info.toolBar == EToolBar::Routes ||
            info.command == C::DeleteSelectedRoute || info.command == C::Print ||
            info.command == C::PrintPreview || info.command == C::DraftPrintEntireNetwork ||
            ViewCommandOf(info.command).has_value();
        EXPECT_EQ(Action(info.command)->isEnabled(), !needsDocument) << info.text;
    }
}

TEST_F(MenuTest, UndoAndRedoNameTheStepAndChecksFollowTheDocument)
{
    Start();
    EXPECT_FALSE(Action(C::Undo)->isEnabled());
    EXPECT_TRUE(Action(C::HighlightFilteredRoutes)->isChecked()) << "on for a new network";
    EXPECT_FALSE(Action(C::ShowODMatrix)->isChecked());
    for (C command : DocumentCommands)
        EXPECT_TRUE(Action(command)->isEnabled()) << CommandInfo(command).text;
    EXPECT_FALSE(Action(C::DeleteAllRoutes)->isEnabled()) << "no routes yet";

    Action(C::ShowODMatrix)->trigger();
    EXPECT_TRUE(Action(C::ShowODMatrix)->isChecked());
    EXPECT_EQ(Action(C::Undo)->text(), "Undo Show OD Matrix\tCtrl+Z");
    EXPECT_EQ(Action(C::Undo)->toolTip(), "Undo Show OD Matrix");
    EXPECT_EQ(Action(C::Undo)->iconText(), "Undo");
    EXPECT_TRUE(Action(C::Undo)->isEnabled());
    EXPECT_EQ(Action(C::Redo)->text(), "Can't Redo\tCtrl+Y");
    EXPECT_TRUE(app->GetMainFrame()->isWindowModified());

    Action(C::Undo)->trigger();
    EXPECT_FALSE(Action(C::ShowODMatrix)->isChecked());
    EXPECT_EQ(Action(C::Undo)->text(), "Can't Undo\tCtrl+Z");
    EXPECT_FALSE(Action(C::Undo)->isEnabled());
    EXPECT_EQ(Action(C::Redo)->text(), "Redo Show OD Matrix\tCtrl+Y");
    Action(C::Redo)->trigger();
    EXPECT_TRUE(Action(C::ShowODMatrix)->isChecked());

    // Highlighting takes no checkpoint; the grid is the program's setting.
    Action(C::HighlightFilteredRoutes)->trigger();
    EXPECT_FALSE(Action(C::HighlightFilteredRoutes)->isChecked());
    EXPECT_EQ(Action(C::Undo)->text(), "Undo Show OD Matrix\tCtrl+Z");
}

TEST_F(MenuTest, RouteCommandsFollowTheRoutes)
{
    Start({Example("roundabout.crs")});
    EXPECT_TRUE(Action(C::DeleteAllRoutes)->isEnabled());
    EXPECT_FALSE(Action(C::AutomaticallyRebuildRoutes)->isChecked());
    Action(C::AutomaticallyRebuildRoutes)->trigger();
    EXPECT_TRUE(Action(C::AutomaticallyRebuildRoutes)->isChecked());

    prompt.yesNo = {PromptAnswer::Yes};
    Action(C::DeleteAllRoutes)->trigger();
    EXPECT_EQ(app->GetDocument()->GetNetwork().GetRoutes().GetCount(), 0u);
    EXPECT_FALSE(Action(C::DeleteAllRoutes)->isEnabled());
    EXPECT_FALSE(Action(C::BalanceLaneFlowsOnAllEntryArms)->isEnabled());
}

// Triggers a command that opens a modal dialog, and closes the dialog from the event loop it
// runs; returns the dialog's title and what the check saw while it was open.
template <typename Check> QString TitleOfDialogOpenedBy(QAction& action, Check check)
{
    QString title;
    QTimer::singleShot(0, [&] {
        if (QWidget* dialog = QApplication::activeModalWidget()) {
            title = dialog->windowTitle();
            check(*dialog);
            dialog->close();
        }
    });
    action.trigger();
    return title;
}

TEST_F(MenuTest, PrintSetupWorksOnTheProgramsOnePrinter)
{
    Start();
    QPrinter* shown = nullptr;
    const auto check = [&](QWidget& dialog) {
        if (auto* setup = qobject_cast<QPageSetupDialog*>(&dialog))
            shown = setup->printer();
    };
    TitleOfDialogOpenedBy(*Action(C::PrintSetup), check);
    EXPECT_EQ(shown, &app->GetPrinter());
    shown = nullptr;
    TitleOfDialogOpenedBy(*Action(C::PrintSetup), check);
    EXPECT_EQ(shown, &app->GetPrinter()) << "the same printer the second time";
}

TEST_F(MenuTest, SettingsCommandsOpenTheirSheetShowingOnlyTheirPages)
{
    Start({Example("roundabout.crs")});
    struct Case
    {
        C command;
        QString title;
        QStringList pages;
    };
    const Case cases[] = {
        {C::ProgramOptions, "Options", {"Current Program Settings"}},
        {C::DefaultOptions,
         "Default Options For New Files",
         {"Default Network Parameters", "Default Author Information",
          "Default Graphical Settings"}},
        {C::GraphicsOptions, "Graphics Options", {"Current Display Settings"}},
        {C::EditProjectInformation, "Network Settings", {"Project Information"}},
        {C::EditNetworkGraphicsSettings, "Network Settings", {"Network Graphics Settings"}},
    };
    for (const Case& c : cases) {
        QStringList pages;
        const QString title = TitleOfDialogOpenedBy(*Action(c.command), [&](QWidget& dialog) {
            if (auto* tabs = dialog.findChild<QTabWidget*>())
                for (int i = 0; i < tabs->count(); ++i)
                    pages << tabs->tabText(i);
        });
        EXPECT_EQ(title, c.title);
        EXPECT_EQ(pages, c.pages) << c.title.toStdString();
    }
    EXPECT_FALSE(app->GetDocument()->CanUndo()) << "closing a sheet changes nothing";
}

// The zoom and grid commands reach the active network view; their limits are the view's.
TEST_F(MenuTest, ViewCommandsActOnTheActiveNetworkViewOnly)
{
    Start({Example("roundabout.crs")});
    auto* window = dynamic_cast<CNetworkViewChildFrame*>(app->ActiveFrame());
    ASSERT_NE(window, nullptr);
    CNetworkView* view = window->GetNetworkView();
    view->SetZoomAndScroll(1.0, QPoint(0, 0));
    app->UpdateCommandUI();
    Action(C::ZoomIn)->trigger();
    Action(C::ZoomOut)->trigger();
    EXPECT_NEAR(view->GetZoom(), 1.05 * 0.95, 1e-9);
    Action(C::ZoomMax)->trigger();
    EXPECT_FALSE(Action(C::ZoomIn)->isEnabled());
    Action(C::ZoomMin)->trigger();
    EXPECT_FALSE(Action(C::ZoomOut)->isEnabled());
    EXPECT_TRUE(Action(C::ZoomIn)->isEnabled());
    Action(C::DisplayGrid)->trigger();
    EXPECT_TRUE(program.CurDisplayGrid);
    EXPECT_TRUE(Action(C::DisplayGrid)->isChecked());

    app->GetDocument()->OpenView(TrafficFlowsViewKind);
    QApplication::processEvents();
    EXPECT_FALSE(Action(C::DisplayGrid)->isEnabled()) << "the traffic flows window is active";
    EXPECT_FALSE(Action(C::ZoomIn)->isEnabled());

    // An empty network has nothing to fit.
    ASSERT_TRUE(app->FileNew());
    EXPECT_FALSE(Action(C::ZoomToFit)->isEnabled());
    EXPECT_TRUE(Action(C::ZoomIn)->isEnabled());
}

TEST_F(MenuTest, StatusPanesShowTheLastTextOfTheirOwnIds)
{
    Start({Example("roundabout.crs")});
    CMainFrame& frame = *app->GetMainFrame();
    EXPECT_EQ(frame.GetPaneText(StatusPaneArms), "12 Arms");
    EXPECT_EQ(frame.GetPaneText(StatusPaneZones), "4 Zones");
    EXPECT_FALSE(frame.GetPaneText(StatusPaneFlowGroup).isEmpty());
    frame.SetPaneText(33918, "not a pane");
    EXPECT_EQ(frame.GetPaneText(33918), "");

    ASSERT_TRUE(app->FileClose());
    EXPECT_EQ(frame.GetPaneText(StatusPaneArms), "") << "closing empties the panes";
}

TEST_F(MenuTest, ToolbarLayoutComesBackFromTheStore)
{
    Start();
    CMainFrame& frame = *app->GetMainFrame();
    // Side by side on one row of a common screen (1440 wide, with the editing buttons of the
    // "Network" toolbar), nothing folded away behind a chevron.
    int width = 0;
    for (EToolBar bar :
         {EToolBar::Main, EToolBar::Zoom, EToolBar::Routes, EToolBar::Network, EToolBar::Flow})
        width += frame.GetToolBar(bar)->sizeHint().width();
    EXPECT_LE(width, 1440);

    frame.addToolBar(Qt::BottomToolBarArea, frame.GetToolBar(EToolBar::Zoom));
    frame.GetToolBar(EToolBar::Flow)->hide();
    ASSERT_TRUE(frame.SaveBarState(store));

    CMainFrame other;
    other.show();
    EXPECT_EQ(other.toolBarArea(other.GetToolBar(EToolBar::Zoom)), Qt::TopToolBarArea);
    other.LoadBarState(store);
    EXPECT_EQ(other.toolBarArea(other.GetToolBar(EToolBar::Zoom)), Qt::BottomToolBarArea);
    EXPECT_FALSE(other.GetToolBar(EToolBar::Flow)->isVisibleTo(&other));
    EXPECT_TRUE(other.GetToolBar(EToolBar::Main)->isVisibleTo(&other));

    // A damaged value leaves the toolbars where they stand.
    store.WriteProfileString("Toolbars\\Settings", "State", "not base64 at all!");
    CMainFrame third;
    third.LoadBarState(store);
    EXPECT_EQ(third.toolBarArea(third.GetToolBar(EToolBar::Zoom)), Qt::TopToolBarArea);
}

} // namespace
