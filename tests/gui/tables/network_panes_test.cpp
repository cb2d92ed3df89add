// The route list, route manager and lane flow display manager over a real network.
#include "../../core/document/scripted_prompt.h"
#include "document/carousel_doc.h"
#include "model/network.h"
#include "model/route.h"
#include "model/route_filter.h"
#include "tables/lane_flow_display_view.h"
#include "tables/route_list_model.h"
#include "tables/route_list_view.h"
#include "tables/route_manager_view.h"

#include <QAbstractButton>
#include <QAbstractItemModelTester>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QTest>
#include <gtest/gtest.h>

namespace
{
class NetworkPanesTest : public testing::Test
{
protected:
    NetworkPanesTest()
    {
        EXPECT_TRUE(m_document.OnOpenDocument(std::string(GYROLITH_SOURCE_DIR) +
                                              "/examples/roundabout.crs"));
    }

    CRouteListView& NewList()
    {
        m_list.emplace(m_document, m_program);
        m_tester.emplace(&m_list->GetModel(),
                         QAbstractItemModelTester::FailureReportingMode::Fatal);
        return *m_list;
    }
    std::vector<std::uint32_t> ListedIds() const
    {
        std::vector<std::uint32_t> ids;
        for (int row = 0; row < m_list->GetModel().rowCount(); ++row)
            ids.push_back(m_list->GetModel().GetRouteId(row));
        return ids;
    }
    CRoutes& Routes() { return m_document.GetNetwork().GetRoutes(); }

    ProgramSettings m_program;
    NetworkSettings m_settings;
    CScriptedPrompt m_prompt;
    CCarouselDoc m_document{m_program, m_settings, &m_prompt};
    std::optional<CRouteListView> m_list;
    std::optional<QAbstractItemModelTester> m_tester;
};

TEST_F(NetworkPanesTest, RouteListFollowsRebuildsSortingAndUndo)
{
    CRouteListView& list = NewList();
    const int routes = list.GetModel().rowCount();
    ASSERT_GT(routes, 3);
    // Sorted by origin zone, then the other way round; a third click on another column.
    list.horizontalHeader()->sectionClicked(1);
    list.horizontalHeader()->sectionClicked(1);
    EXPECT_TRUE(list.GetModel().GetSort().descending);
    list.horizontalHeader()->sectionClicked(7);
    EXPECT_EQ(list.GetModel().rowCount(), routes);
    // Hint 8 lets go of every row; hint 3 brings them back in the chosen order.
    m_document.UpdateAllViews(HintObjectsReplaced);
    EXPECT_EQ(list.GetModel().rowCount(), 0);
    m_document.UpdateAllViews(HintNetworkChanged);
    EXPECT_EQ(list.GetModel().rowCount(), routes);
    EXPECT_EQ(list.GetModel().GetSort().column, 7);
}

TEST_F(NetworkPanesTest, StateImageClickDisallowsARouteOnlyWhilePermittedRoutesAreEdited)
{
    CRouteListView& list = NewList();
    list.resize(700, 400);
    list.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&list));
    const auto clickStateImage = [&list](int row) {
        QStyleOptionViewItem option;
        option.initFrom(&list);
        option.rect = list.visualRect(list.GetModel().index(row, 0));
        option.features |= QStyleOptionViewItem::HasCheckIndicator;
        const QRect box =
            list.style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, &list);
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, box.center());
    };
    const std::uint32_t id = list.GetModel().GetRouteId(0);
    const std::string before = m_document.GetUndoName();
    clickStateImage(0);
    EXPECT_EQ(m_document.GetUndoName(), before);
    EXPECT_TRUE(Routes().GetRouteById(id)->IsPermitted());

    m_document.SetEditPermittedRoutes(true);
    clickStateImage(list.GetModel().FindRow(id));
    EXPECT_EQ(m_document.GetUndoName(), "Disallow Route");
    EXPECT_FALSE(Routes().GetRouteById(id)->IsPermitted());
    // Still listed while permitted routes are edited, gone when they are not.
    ASSERT_GE(list.GetModel().FindRow(id), 0);
    EXPECT_EQ(list.GetModel().index(list.GetModel().FindRow(id), 0).data(Qt::CheckStateRole),
              Qt::Unchecked);
    m_document.SetEditPermittedRoutes(false);
    EXPECT_EQ(list.GetModel().FindRow(id), -1);
}

TEST_F(NetworkPanesTest, TheListKeepsTheSelectionItsOwnHintCausedAndDeleteRemovesIt)
{
    CRouteListView& list = NewList();
    list.selectRow(1);
    const std::uint32_t id = list.GetModel().GetRouteId(1);
    EXPECT_EQ(m_document.GetSelectedRoutes(), std::set<std::uint32_t>{id});
    EXPECT_TRUE(list.selectionModel()->isRowSelected(1, {}));
    // A rebuild puts the document's selection back without echoing it as a new selection.
    m_document.UpdateAllViews(HintNetworkChanged);
    EXPECT_TRUE(list.selectionModel()->isRowSelected(list.GetModel().FindRow(id), {}));
    EXPECT_EQ(m_document.GetSelectedRoutes(), std::set<std::uint32_t>{id});

    const int before = list.GetModel().rowCount();
    QTest::keyClick(&list, Qt::Key_Delete);
    EXPECT_EQ(m_document.GetUndoName(), "Delete Route");
    EXPECT_EQ(Routes().GetRouteById(id), nullptr);
    EXPECT_EQ(list.GetModel().rowCount(), before - 1);
    EXPECT_TRUE(m_document.GetSelectedRoutes().empty());
}

TEST_F(NetworkPanesTest, ColumnWidthsAreStoredAndTakenBack)
{
    {
        CRouteListView& list = NewList();
        EXPECT_TRUE(list.isColumnHidden(2));
        EXPECT_TRUE(list.isColumnHidden(5));
        // Column 0 is shown wider by the check box's room, and stored without it.
        EXPECT_EQ(list.columnWidth(0), 41 + CRouteListView::CheckBoxAllowance);
        list.setColumnWidth(7, 83);
        list.ShowColumn(2, true);
        EXPECT_FALSE(list.isColumnHidden(2));
        EXPECT_GT(list.columnWidth(2), 0);
        list.ShowColumn(8, false);
        m_tester.reset();
        m_list.reset();
    }
    // Stored in the program's settings (their round trip is the settings' tests).
    EXPECT_EQ(m_program.RouteListColumnWidths[0], 41);
    EXPECT_EQ(m_program.RouteListColumnWidths[7], 83);
    EXPECT_EQ(m_program.RouteListColumnWidths[8], 0);
    CRouteListView& again = NewList();
    EXPECT_EQ(again.columnWidth(7), 83);
    EXPECT_TRUE(again.isColumnHidden(8));
    EXPECT_FALSE(again.isColumnHidden(2));
}

TEST_F(NetworkPanesTest, RouteManagerFiltersTheListAndKeepsItsChoices)
{
    CRouteListView& list = NewList();
    CRouteManagerView manager(m_document);
    const int all = list.GetModel().rowCount();
    QComboBox* zones = manager.List(RouteFilterSide::Origin, 0);
    ASSERT_GT(zones->count(), 1);
    EXPECT_EQ(zones->itemText(0), "All");
    zones->activated(1);
    const CRouteFilterNumbers filter = RouteFilterToNumbers(m_document.GetNetwork());
    EXPECT_EQ(filter.originZone, zones->itemData(1).toUInt());
    EXPECT_EQ(zones->currentIndex(), 1);
    // The arm list holds the zone's arm, chosen; the lane list "All".
    QComboBox* arms = manager.List(RouteFilterSide::Origin, 1);
    EXPECT_EQ(arms->count(), 2);
    EXPECT_EQ(arms->currentIndex(), filter.originArm ? 1 : 0);
    EXPECT_EQ(manager.List(RouteFilterSide::Origin, 2)->currentIndex(), 0);
    EXPECT_LT(list.GetModel().rowCount(), all);
    for (int row = 0; row < list.GetModel().rowCount(); ++row)
        EXPECT_EQ(list.GetModel().index(row, 1).data().toString(), zones->itemText(1));
    // "All" again lets every route back in.
    zones->activated(0);
    EXPECT_EQ(list.GetModel().rowCount(), all);
    // Allowing and disallowing wait for "Edit Permitted Routes".
    m_document.SetEditPermittedRoutes(false);
    EXPECT_FALSE(manager.EditPermittedBox()->isChecked());
    EXPECT_FALSE(manager.AllowAllButton()->isEnabled());
    manager.EditPermittedBox()->click();
    EXPECT_TRUE(m_document.IsEditPermittedRoutes());
    EXPECT_TRUE(manager.DisallowAllButton()->isEnabled());
    manager.DisallowAllButton()->click();
    EXPECT_EQ(m_document.GetUndoName(), "Disallow All Routes");
}

TEST_F(NetworkPanesTest, LaneFlowDisplayButtonsRunTheirCommandsAndFollowTheDocument)
{
    CLaneFlowDisplayView display(m_document);
    using B = LaneFlowDisplayButton;
    display.Button(B::AggregateByDestination)->click();
    EXPECT_EQ(m_document.GetUndoName(), "Aggregate Flows By Destination");
    EXPECT_TRUE(display.Button(B::AggregateByDestination)->isChecked());
    EXPECT_TRUE(display.Button(B::ColourByDestination)->isChecked());
    EXPECT_FALSE(display.Button(B::ColourByOrigin)->isEnabled());
    // A click on the pressed button changes nothing and leaves it pressed.
    display.Button(B::AggregateByDestination)->click();
    EXPECT_TRUE(display.Button(B::AggregateByDestination)->isChecked());
    display.Button(B::ShowZeroFlows)->click();
    EXPECT_EQ(m_document.GetUndoName(), "Show Zero Flows");
    ASSERT_TRUE(m_document.Undo());
    EXPECT_FALSE(display.Button(B::ShowZeroFlows)->isChecked());
    ASSERT_TRUE(m_document.Undo());
    EXPECT_TRUE(display.Button(B::ColourByOrigin)->isEnabled());
    EXPECT_FALSE(display.Button(B::AggregateByDestination)->isChecked());
}
} // namespace
