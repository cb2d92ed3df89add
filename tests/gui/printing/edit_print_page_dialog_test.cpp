// The "Print Page Layout" dialog: the scale box's clamps, the radios' values, the page number
// and refusing a page title of two lines before OK.
#include "printing/edit_print_page_dialog.h"
#include "printing/print_page.h"
#include "printing/print_page_dialog.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <gtest/gtest.h>

namespace
{

class EditPrintPageDialog : public testing::Test
{
protected:
    EditPrintPageDialog()
    {
        pages.AddPage();
        page = pages.AddPage();
        CEditDialog::SetRefusalSink(
            [this](QWidget&, const QString& message) { refusals << message; });
    }
    ~EditPrintPageDialog() override { CEditDialog::SetRefusalSink({}); }

    // Types into the scale box and leaves it.
    void TypeScale(CDlgEditPrintPage& dialog, const QString& text)
    {
        dialog.Scale()->setText(text);
        emit dialog.Scale()->editingFinished();
    }

    CPrintPages pages;
    CPrintPage* page = nullptr;
    QStringList refusals;
};

TEST_F(EditPrintPageDialog, TheScaleBoxIsForASpecificScaleAndClampsWhenLeftAndOnOk)
{
    page->GetPrintZone().SetScaleToFit(true);
    CDlgEditPrintPageModel model(*page);
    CDlgEditPrintPage dialog(model);
    EXPECT_EQ(dialog.windowTitle(), "Print Page Layout");
    EXPECT_TRUE(dialog.ScaleToFit()->isChecked());
    EXPECT_FALSE(dialog.Scale()->isEnabled());
    dialog.SpecificScale()->click();
    EXPECT_FALSE(dialog.ScaleToFit()->isChecked());
    EXPECT_TRUE(dialog.Scale()->isEnabled());
    dialog.ScaleToFit()->click();
    EXPECT_FALSE(dialog.Scale()->isEnabled());
    dialog.SpecificScale()->click();
    EXPECT_EQ(dialog.Scale()->text(), "1.00");
    TypeScale(dialog, "7");
    EXPECT_EQ(dialog.Scale()->text(), "5.00");

    // Typed and OK pressed at once: clamped all the same.
    dialog.Scale()->setText("7");
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_DOUBLE_EQ(model.OnOK().scale, 5.0);
}

TEST_F(EditPrintPageDialog, OkTakesEveryControlAndTheNewPageNumber)
{
    CDlgEditPrintPageModel model(*page);
    CDlgEditPrintPage dialog(model);
    // A new page has its title block on the right; the radios carry their values in order.
    EXPECT_EQ(dialog.Positions().checkedButton()->text(), "Right");
    const std::pair<QString, TitleBlockPosition> positions[] = {
        {"No Title Block", TitleBlockPosition::None},
        {"Right", TitleBlockPosition::Right},
        {"Bottom", TitleBlockPosition::Bottom},
        {"Left", TitleBlockPosition::Left},
        {"Top", TitleBlockPosition::Top}};
    for (int id = 0; id < static_cast<int>(std::size(positions)); ++id) {
        QAbstractButton* radio = dialog.Positions().button(id);
        ASSERT_NE(radio, nullptr);
        EXPECT_EQ(radio->text(), positions[id].first);
        radio->click();
        dialog.accept();
        EXPECT_EQ(model.OnOK().titleBlockPosition, positions[id].second);
    }

    EXPECT_EQ(dialog.PageNumber()->count(), 2);
    EXPECT_EQ(dialog.PageNumber()->currentText(), "2");
    dialog.PageNumber()->setCurrentIndex(0);
    dialog.Portrait()->click();
    dialog.Crop()->setChecked(false);
    dialog.IndicateScale()->setChecked(true);
    dialog.PageTitle()->setText("Entry arms");
    dialog.accept();
    const CPrintPageLayout layout = model.OnOK();
    EXPECT_EQ(layout.position, 1);
    EXPECT_FALSE(layout.landscape);
    EXPECT_FALSE(layout.cropToPrintZone);
    EXPECT_TRUE(layout.indicateScale);
    EXPECT_EQ(layout.pageTitle, "Entry arms");
}

TEST_F(EditPrintPageDialog, APageTitleOfTwoLinesIsRefusedBeforeOk)
{
    CDlgEditPrintPageModel model(*page);
    CDlgEditPrintPage dialog(model);
    dialog.PageTitle()->setText("Two\nlines");
    if (!dialog.PageTitle()->text().contains(u'\n'))
        GTEST_SKIP() << "the line edit took the line break out itself";
    dialog.accept();
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    ASSERT_EQ(refusals.size(), 1);
    EXPECT_EQ(refusals.front(), "The page title cannot hold a line break");
}

} // namespace
