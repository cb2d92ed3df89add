// The printing commands: greyed out without pages, quick-print mode left on every way out of
// the preview, and printing that changes nothing stored.
#include "../../core/document/scripted_prompt.h"
#include "document/carousel_doc.h"
#include "document/command_state.h"
#include "external_tools.h"
#include "network_builder.h"
#include "platform/freetype_text_measurer.h"
#include "printing/network_printing.h"
#include "printing/print_page.h"

#include <QDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <gtest/gtest.h>
#include <stdexcept>

namespace
{

class NetworkPrinting : public testing::Test
{
protected:
    NetworkPrinting()
    {
        doc.OnNewDocument();
        CArm* arm = TestSupport::AddArm(doc.GetNetwork(), 2);
        arm->SetPoints({1000, 1000}, {1000, 2000});
        doc.SetModifiedFlag(false);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString((dir / "out.pdf").string()));
    }

    CCommandState State(ECommand command)
    {
        CCommandContext context;
        context.document = &doc;
        context.networkView = CNetworkViewStatus{};
        return CommandState(command, context);
    }

    ProgramSettings program;
    NetworkSettings settings;
    CScriptedPrompt prompt;
    CCarouselDoc doc{program, settings, &prompt};
    CFreeTypeTextMeasurer measurer;
    std::filesystem::path dir = TestSupport::ScratchDir("network_printing");
    QPrinter printer{QPrinter::HighResolution};
    CNetworkPrinting printing{printer, measurer};
};

TEST_F(NetworkPrinting, PrintAndPreviewAreGreyedOutWithoutPages)
{
    EXPECT_FALSE(State(ECommand::Print).enabled);
    EXPECT_FALSE(State(ECommand::PrintPreview).enabled);
    EXPECT_TRUE(State(ECommand::DraftPrintEntireNetwork).enabled);
    int dialogs = 0;
    printing.SetDialogRunner([&dialogs](QDialog&) { return ++dialogs, QDialog::Rejected; });
    EXPECT_FALSE(printing.Print(doc, nullptr));
    printing.PrintPreview(doc, nullptr);
    EXPECT_EQ(dialogs, 0);

    doc.GetPrintPages().AddPage();
    EXPECT_TRUE(State(ECommand::Print).enabled);
    EXPECT_TRUE(State(ECommand::PrintPreview).enabled);
    // Without a network window there is nothing to print from.
    CCommandContext noView;
    noView.document = &doc;
    EXPECT_FALSE(CommandState(ECommand::Print, noView).enabled);
}

TEST_F(NetworkPrinting, TheDraftPrintPreviewShowsTheQuickPrintPageAndLeavesTheModeAfterwards)
{
    doc.GetPrintPages().AddPage();
    doc.GetPrintPages().AddPage();
    int previewPages = -1;
    bool modeDuringPreview = false;
    printing.SetDialogRunner([&](QDialog& dialog) {
        modeDuringPreview = printing.IsQuickPrintMode();
        EXPECT_NE(dynamic_cast<QPrintPreviewDialog*>(&dialog), nullptr);
        QPrinter target(QPrinter::HighResolution);
        target.setOutputFormat(QPrinter::PdfFormat);
        target.setOutputFileName(QString::fromStdString((dir / "preview.pdf").string()));
        previewPages = printing.PrintTo(doc, target, 1, 100);
        return QDialog::Accepted;
    });
    printing.DraftPrintEntireNetwork(doc, nullptr);
    EXPECT_TRUE(modeDuringPreview);
    EXPECT_EQ(previewPages, 1);
    EXPECT_FALSE(printing.IsQuickPrintMode());
    const CPrintPage& quick = *doc.GetQuickPrintPages().GetPage(1);
    EXPECT_EQ(quick.GetTitleBlockPosition(), TitleBlockPosition::None);
    EXPECT_TRUE(quick.GetPrintZone().GetScaleToFit());
    EXPECT_FALSE(quick.GetPrintZone().GetCropToPrintZone());

    // A later print takes the user's two pages again.
    QPrinter target(QPrinter::HighResolution);
    target.setOutputFormat(QPrinter::PdfFormat);
    target.setOutputFileName(QString::fromStdString((dir / "pages.pdf").string()));
    EXPECT_EQ(printing.PrintTo(doc, target, 1, 100), 2);
}

TEST_F(NetworkPrinting, AnExceptionOutOfThePreviewLeavesQuickPrintModeToo)
{
    printing.SetDialogRunner([](QDialog&) -> int { throw std::runtime_error("preview failed"); });
    EXPECT_THROW(printing.DraftPrintEntireNetwork(doc, nullptr), std::runtime_error);
    EXPECT_FALSE(printing.IsQuickPrintMode());
}

TEST_F(NetworkPrinting, PrintingChangesNothingStored)
{
    CPrintPage& page = *doc.GetPrintPages().AddPage();
    page.SetIndicateScaleOnTitleBlock(true);
    doc.GetPrintPages().AddPage()->SetLandscape(false);
    const auto before = dir / "before.crs";
    ASSERT_TRUE(doc.OnSaveDocument(before));
    const std::size_t steps = doc.GetCheckpointCount();

    printing.SetDialogRunner([](QDialog&) { return QDialog::Accepted; });
    EXPECT_TRUE(printing.Print(doc, nullptr));
    EXPECT_GT(std::filesystem::file_size(dir / "out.pdf"), 0u);

    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(doc.GetCheckpointCount(), steps);
    const auto after = dir / "after.crs";
    ASSERT_TRUE(doc.OnSaveDocument(after));
    EXPECT_EQ(TestSupport::ReadText(before), TestSupport::ReadText(after));
}

TEST_F(NetworkPrinting, PrintTakesTheRangeTheDialogGives)
{
    for (int i = 0; i < 3; ++i)
        doc.GetPrintPages().AddPage();
    printing.SetDialogRunner([this](QDialog&) {
        printer.setPrintRange(QPrinter::PageRange);
        printer.setFromTo(2, 3);
        return QDialog::Accepted;
    });
    EXPECT_TRUE(printing.Print(doc, nullptr));
    const TestSupport::CCommandResult info =
        TestSupport::Run("/usr/bin/pdfinfo " + (dir / "out.pdf").string());
    if (info.status != 0)
        GTEST_SKIP() << "pdfinfo not installed";
    EXPECT_NE(info.output.find("Pages:           2"), std::string::npos) << info.output;
}

} // namespace
