// The flow group list, its dialog, and the "Edit Route" sheet.
#include "../../core/document/scripted_prompt.h"
#include "document/carousel_doc.h"
#include "model/flow_group.h"
#include "model/network.h"
#include "model/route.h"
#include "tables/flow_group_dialog.h"
#include "tables/flow_group_edit_dialog.h"
#include "tables/flow_group_list_model.h"
#include "tables/flow_group_list_view.h"
#include "tables/route_edit_dialog.h"

#include <QAbstractItemModelTester>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimeEdit>
#include <gtest/gtest.h>

namespace
{
class FlowPanesTest : public testing::Test
{
protected:
    FlowPanesTest()
    {
        EXPECT_TRUE(m_document.OnOpenDocument(std::string(GYROLITH_SOURCE_DIR) +
                                              "/examples/roundabout.crs"));
        CEditDialog::SetRefusalSink(
            [this](QWidget&, const QString& message) { m_refusals << message; });
    }
    ~FlowPanesTest() override { CEditDialog::SetRefusalSink({}); }

    CFlowGroups& Groups() { return m_document.GetNetwork().GetFlowGroups(); }
    std::uint32_t CurrentNumber()
    {
        const CFlowGroup* group = m_document.GetNetwork().GetCurrentFlowGroup();
        return group ? group->GetNumber() : 0;
    }

    ProgramSettings m_program;
    NetworkSettings m_settings;
    CScriptedPrompt m_prompt{PromptAnswer::Yes, PromptAnswer::Yes};
    CCarouselDoc m_document{m_program, m_settings, &m_prompt};
    QStringList m_refusals;
};

TEST_F(FlowPanesTest, ClickingAGroupMakesItCurrentAndDeletingFallsBackToTheOneBefore)
{
    CFlowGroupListView list(m_document);
    QAbstractItemModelTester tester(&list.GetModel(),
                                    QAbstractItemModelTester::FailureReportingMode::Fatal);
    list.InsertFlowGroupAfter();
    list.InsertFlowGroupAfter();
    ASSERT_GE(Groups().GetCount(), 3u);
    EXPECT_EQ(list.GetModel().rowCount(), static_cast<int>(Groups().GetCount()));
    list.selectRow(1);
    EXPECT_EQ(CurrentNumber(), 2u);
    EXPECT_EQ(list.GetModel().index(1, 0).data().toString(), "2");

    list.DeleteCurrentFlowGroup();
    EXPECT_EQ(m_prompt.questions.back(), "Are you sure you want to delete this flowgroup ?");
    EXPECT_EQ(CurrentNumber(), 1u);
    EXPECT_EQ(list.currentIndex().row(), 0);
    list.DeleteCurrentFlowGroup();
    EXPECT_EQ(CurrentNumber(), 1u);

    m_document.UpdateAllViews(HintObjectsReplaced);
    EXPECT_EQ(list.GetModel().rowCount(), 0);
    ASSERT_TRUE(m_document.Undo());
    EXPECT_EQ(list.GetModel().rowCount(), static_cast<int>(Groups().GetCount()));
}

TEST_F(FlowPanesTest, AnEndBeforeTheStartCountsIntoTheNextDay)
{
    CFlowGroupListView list(m_document);
    CFlowGroup* group = Groups().GetFlowGroup(1);
    ASSERT_NE(group, nullptr);
    ASSERT_TRUE(m_document.EditFlowGroup(*group, 1, "Day", 8 * 3600, 7 * 3600));
    EXPECT_EQ(list.GetModel().index(0, 1).data().toString(), "Day");
    EXPECT_EQ(list.GetModel().index(0, 4).data().toString(), "23:00");
}

TEST_F(FlowPanesTest, TheFlowGroupDialogRefusesEqualTimesBeforeOk)
{
    CFlowGroup* group = Groups().GetFlowGroup(1);
    ASSERT_NE(group, nullptr);
    CDlgEditFlowGroupModel model(*group);
    CFlowGroupEditDialog dialog(model);
    dialog.TitleBox()->setText("Morning peak");
    dialog.StartBox()->setTime(QTime(7, 30));
    dialog.EndBox()->setTime(QTime(7, 30));
    dialog.OkButton()->click();
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    ASSERT_EQ(m_refusals.size(), 1);
    EXPECT_EQ(m_refusals.front(), "Time Period Start and End Times cannot be the same");
    dialog.EndBox()->setTime(QTime(8, 45));
    dialog.OkButton()->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(model.GetDescription(), "Morning peak");
    EXPECT_EQ(model.GetStart(), 7 * 3600 + 30 * 60);
    EXPECT_EQ(model.GetEnd(), 8 * 3600 + 45 * 60);
}

TEST_F(FlowPanesTest, TheRouteSheetRefusesAFlowTheFileCannotHold)
{
    CRoute* route = m_document.GetNetwork().GetRoutes().GetRoute(1);
    CFlowGroup* group = m_document.GetNetwork().GetCurrentFlowGroup();
    ASSERT_NE(route, nullptr);
    ASSERT_NE(group, nullptr);
    CRouteEditDialog sheet(*route, *group, 2);
    sheet.FlowEdit()->clear();
    QTest::keyClicks(sheet.FlowEdit(), "100000");
    sheet.accept();
    EXPECT_EQ(sheet.result(), QDialog::Rejected);
    EXPECT_EQ(m_refusals.size(), 1);
    sheet.FlowEdit()->clear();
    QTest::keyClicks(sheet.FlowEdit(), "150.5");
    sheet.accept();
    EXPECT_EQ(sheet.result(), QDialog::Accepted);
    EXPECT_DOUBLE_EQ(sheet.GetEdit().flow, 150.5);
    ASSERT_TRUE(m_document.EditRoute(*route, sheet.GetEdit()));
    EXPECT_EQ(m_document.GetUndoName(), "Edit Route");
    EXPECT_DOUBLE_EQ(group->GetRouteFlow(route->GetId()), 150.5);
}
} // namespace
