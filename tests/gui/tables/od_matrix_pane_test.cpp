// The OD matrix pane worked with the keyboard: edits, moves, refusals, the kinds and undo.
#include "../../core/document/scripted_prompt.h"
#include "document/carousel_doc.h"
#include "model/flow_group.h"
#include "model/network.h"
#include "tables/grid_table_model.h"
#include "tables/od_matrix_pane.h"
#include "tables/od_matrix_view.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

namespace
{
class ODMatrixPaneTest : public testing::Test
{
protected:
    ODMatrixPaneTest()
    {
        EXPECT_TRUE(m_document.OnOpenDocument(std::string(GYROLITH_SOURCE_DIR) +
                                              "/examples/roundabout.crs"));
        m_pane.emplace(m_document);
        m_tester.emplace(&m_pane->GetModel(),
                         QAbstractItemModelTester::FailureReportingMode::Fatal);
        m_pane->resize(900, 400);
        m_pane->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&*m_pane));
        m_pane->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&*m_pane));
    }

    CODMatrixView& View() { return m_pane->GetView(); }
    QLineEdit* Editor() { return View().GetEditor(); }
    QString Cell(int row, int column)
    {
        return m_pane->GetModel().index(row - 1, column - 1).data().toString();
    }
    void Type(const QString& text)
    {
        QLineEdit* editor = Editor();
        ASSERT_NE(editor, nullptr);
        QTest::keyClicks(editor, text);
    }
    void Press(Qt::Key key)
    {
        QWidget* target = Editor();
        QTest::keyClick(target ? target : static_cast<QWidget*>(&View()), key);
    }
    std::optional<CGridCell> Current() { return View().GetCurrentCell(); }

    ProgramSettings m_program;
    NetworkSettings m_settings;
    CScriptedPrompt m_prompt{PromptAnswer::Yes};
    CCarouselDoc m_document{m_program, m_settings, &m_prompt};
    std::optional<CODMatrixPane> m_pane;
    std::optional<QAbstractItemModelTester> m_tester;
};

TEST_F(ODMatrixPaneTest, ShowsTheZonesAndTotalsOfTheCurrentFlowGroup)
{
    const int zones = static_cast<int>(m_document.GetNetwork().GetZones().GetCount());
    ASSERT_GT(zones, 1);
    const QAbstractItemModel& model = m_pane->GetModel();
    EXPECT_EQ(model.rowCount(), zones + 1);
    EXPECT_EQ(model.columnCount(), zones + 1);
    EXPECT_EQ(model.headerData(zones, Qt::Horizontal).toString(), "Tot.");
    EXPECT_EQ(model.headerData(zones, Qt::Vertical).toString(), "Tot.");
    EXPECT_EQ(model.headerData(0, Qt::Horizontal).toString(), "A");
    // Every column, the header column too, is 7.5 text heights wide.
    const int width = static_cast<int>(std::lround(View().fontMetrics().height() * 7.5));
    EXPECT_EQ(View().columnWidth(0), width);
    EXPECT_EQ(View().verticalHeader()->width(), width);
}

// Tab, arrows and Home commit what was typed and move on, even from the middle of the text;
// Escape puts the text back without an edit.
TEST_F(ODMatrixPaneTest, KeysCommitAndMoveAndEscapeTakesBack)
{
    View().setFocus();
    View().SetCurrentCell({1, 2});
    Type("12.7");
    Press(Qt::Key_Tab);
    EXPECT_EQ(Cell(1, 2), "12"); // the leading whole number
    EXPECT_EQ(m_document.GetUndoName(), "Set OD Matrix Flow");
    EXPECT_EQ(Current(), (CGridCell{1, 3}));
    // The editor over the new cell has its text selected, ready to be typed over.
    ASSERT_NE(Editor(), nullptr);
    EXPECT_EQ(Editor()->selectedText(), Editor()->text());

    View().SetCurrentCell({2, 2});
    Type("345");
    QTest::keyClick(Editor(), Qt::Key_Home); // the grid's Home: commit, column 1
    EXPECT_EQ(Cell(2, 2), "345");
    EXPECT_EQ(Current(), (CGridCell{2, 1}));
    Type("7");
    Editor()->setCursorPosition(0);
    Press(Qt::Key_Right);
    EXPECT_EQ(Cell(2, 1), "7");
    EXPECT_EQ(Current(), (CGridCell{2, 2}));
    Press(Qt::Key_Up);
    Press(Qt::Key_Up); // stops at row 1
    EXPECT_EQ(Current(), (CGridCell{1, 2}));

    const QString before = Cell(1, 2);
    Type("999");
    Press(Qt::Key_Escape);
    EXPECT_EQ(Editor()->text(), before);
    Press(Qt::Key_Down);
    EXPECT_EQ(Cell(1, 2), before);
    EXPECT_EQ(m_document.GetCheckpointCount(), 3u);

    const int last = m_pane->GetModel().rowCount();
    View().SetCurrentCell({last, last});
    Press(Qt::Key_Tab);
    EXPECT_EQ(Current(), (CGridCell{1, 1})) << "Tab from the last cell wraps to the first row";
}

TEST_F(ODMatrixPaneTest, FlowsTheFileCannotHoldAreRefusedWithAMessage)
{
    View().setFocus();
    View().SetCurrentCell({1, 2});
    const QString before = Cell(1, 2);
    for (const QString& typed :
         {QString("-5"), QString("100000"), QString("123456789012345678901234567890")}) {
        m_prompt.messages.clear();
        Type(typed);
        Press(Qt::Key_Enter);
        EXPECT_EQ(Cell(1, 2), before) << typed.toStdString();
        ASSERT_EQ(m_prompt.messages.size(), 1u) << typed.toStdString();
        Press(Qt::Key_Escape);
    }
    EXPECT_FALSE(m_document.IsModified());
}

TEST_F(ODMatrixPaneTest, AnEditorOpenWhileUndoReplacesTheObjectsIsAbandoned)
{
    View().setFocus();
    View().SetCurrentCell({1, 2});
    Type("40");
    Press(Qt::Key_Enter);
    ASSERT_EQ(Cell(1, 2), "40");
    View().SetCurrentCell({1, 3});
    const QString restored = Cell(1, 3);
    Type("77");
    // Undo sends hint 8, then 3.
    ASSERT_TRUE(m_document.Undo());
    QApplication::processEvents();
    EXPECT_NE(Cell(1, 2), "40");
    EXPECT_EQ(Cell(1, 3), restored);
    EXPECT_FALSE(m_document.CanUndo());
    EXPECT_TRUE(m_document.CanRedo());
}

TEST_F(ODMatrixPaneTest, ReadOnlyKindsOpenNoEditorAndGehCountsTheMovements)
{
    m_pane->ChooseKind(ODMatrixGridKind::Actual);
    EXPECT_EQ(m_document.GetODMatrixFlowKind(), 1);
    EXPECT_FALSE(m_pane->GetModel().flags(m_pane->GetModel().index(0, 0)) & Qt::ItemIsEditable);
    m_pane->ChooseKind(ODMatrixGridKind::Geh);
    // The document keeps its own kind; GEH is the grid's.
    EXPECT_EQ(m_document.GetODMatrixFlowKind(), 1);
    EXPECT_EQ(m_pane->GetProvider().GetKind(), ODMatrixGridKind::Geh);
    const auto* geh = m_pane->findChildren<QRadioButton*>().at(3);
    EXPECT_TRUE(geh->isChecked());
    EXPECT_TRUE(m_pane->findChild<QLabel*>()->text().startsWith("GEH below 5:"));
    m_pane->ChooseKind(ODMatrixGridKind::Desired);
    EXPECT_EQ(m_document.GetODMatrixFlowKind(), 0);
    EXPECT_TRUE(m_pane->findChildren<QRadioButton*>().at(0)->isChecked());
}

TEST_F(ODMatrixPaneTest, CopyAndPasteGoThroughTheClipboardAsOneCheckpoint)
{
    View().setFocus();
    View().SetCurrentCell({1, 1});
    QApplication::clipboard()->setText("5\t6\n7\t8\n");
    QTest::keySequence(Editor(), QKeySequence::Paste);
    EXPECT_EQ(Cell(1, 1), "5");
    EXPECT_EQ(Cell(2, 2), "8");
    EXPECT_EQ(m_document.GetUndoName(), "Paste OD Matrix Flows");
    View().selectionModel()->select(
        QItemSelection(m_pane->GetModel().index(0, 0), m_pane->GetModel().index(1, 1)),
        QItemSelectionModel::ClearAndSelect);
    View().CopySelection();
    EXPECT_EQ(QApplication::clipboard()->text(), "5\t6\n7\t8\n");
}

TEST_F(ODMatrixPaneTest, WithoutFlowGroupsTheGridIsEmpty)
{
    while (CFlowGroup* group = m_document.GetNetwork().GetFlowGroups().GetFlowGroup(1)) {
        ASSERT_TRUE(m_document.DeleteFlowGroup(*group));
    }
    EXPECT_EQ(m_pane->GetModel().rowCount(), 0);
    EXPECT_EQ(m_pane->GetModel().columnCount(), 0);
    EXPECT_FALSE(View().horizontalHeader()->isVisible());
    ASSERT_TRUE(m_document.Undo());
    EXPECT_GT(m_pane->GetModel().rowCount(), 0);
    EXPECT_TRUE(View().verticalHeader()->isVisible());
}
} // namespace
