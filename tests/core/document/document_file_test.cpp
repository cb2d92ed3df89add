// New, open, save and the status panes; the recovered-file rule.
#include "cardfile/carousel_file.h"
#include "case_name.h"
#include "document_fixture.h"
#include "external_tools.h"
#include "platform/emf_reader.h"
#include "platform/text_measurer.h"
#include "temp_dir.h"
#include "view/network_export.h"

#include <fstream>

namespace
{
using TestSupport::PrintTo;

using doctest::CDocumentFixture;
using doctest::CKeptClipboard;
using doctest::CRecordingPanes;
using TestSupport::ReadText;

struct DocumentFileTest : CDocumentFixture
{
    CTempDir dir;
};

// The status panes follow the modified flag; a new document empties the network and a close
// empties the panes.
TEST_F(DocumentFileTest, NewDocumentAndTheStatusPanes)
{
    doc.SetModifiedFlag(true);
    EXPECT_EQ(panes.texts[StatusPaneArms], "4 Arms");
    EXPECT_EQ(panes.texts[StatusPaneZones], "2 Zones");
    doc.GetNetwork().SetCurrentFlowGroup(nullptr);
    doc.SetModifiedFlag(false);
    EXPECT_EQ(panes.texts[StatusPaneFlowGroup], "No flowgroup selected");

    ASSERT_TRUE(doc.OnNewDocument());
    const CFlowGroup* group = doc.GetNetwork().GetCurrentFlowGroup();
    ASSERT_NE(group, nullptr);
    EXPECT_EQ(doc.GetNetwork().GetFlowGroups().GetCount(), 1u);
    EXPECT_EQ(panes.texts[StatusPaneFlowGroup], group->GetDescription());
    EXPECT_EQ(panes.texts[StatusPaneArms], "0 Arms");
    EXPECT_EQ(panes.texts[StatusPaneZones], "0 Zones");
    EXPECT_FALSE(doc.IsModified());
    EXPECT_FALSE(doc.HasSavePath());
    EXPECT_EQ(doc.GetTitle(), "New Gyrolith File ");

    doc.OnCloseDocument();
    for (int pane : {StatusPaneFlowGroup, StatusPaneArms, StatusPaneZones})
        EXPECT_EQ(panes.texts[pane], "") << pane;
    EXPECT_EQ(panes.texts.size(), 3u);
}

TEST_F(DocumentFileTest, ShortEnvironmentCardGivesTheProgramsDefaultDelimiter)
{
    program.DefLaneFlowDelimiter = " | ";
    settings.LaneFlowDelimiter = "+";
    const std::string path = dir.File("short-senv.crs");
    ASSERT_TRUE(doc.SaveAs(path));
    // A file of an older version: the card stops before the delimiter's length.
    std::string text = ReadText(path);
    const std::size_t senv = text.find("SENV ");
    text.erase(senv + 65, text.find("\r\n", senv) - (senv + 65));
    std::ofstream(path, std::ios::binary) << text;

    NetworkSettings opened;
    CCarouselDoc other(program, opened, &prompt);
    ASSERT_TRUE(other.OnOpenDocument(path));
    EXPECT_EQ(opened.LaneFlowDelimiter, " | ");
}

TEST_F(DocumentFileTest, SavedFileOpensAsTheSameDocument)
{
    doc.MoveODMatrix(120, 340);
    settings.GridSize = 250;
    const std::string path = dir.File("junction.crs");
    ASSERT_TRUE(doc.SaveAs(path));
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(doc.GetPathName(), path);
    EXPECT_EQ(doc.GetTitle(), "junction.crs");
    EXPECT_NE(ReadText(path).find("\r\n"), std::string::npos) << "cards end in CR LF on disk";

    NetworkSettings otherSettings;
    CCarouselDoc other(program, otherSettings, &prompt);
    CRecordingPanes bar;
    other.SetStatusPaneSink(&bar);
    // A file that cannot be opened says why rather than failing in silence.
    EXPECT_FALSE(other.OnOpenDocument(dir.File("absent.crs")));
    ASSERT_EQ(prompt.messages.size(), 1u);
    EXPECT_EQ(prompt.messages[0],
              "Cannot open " + dir.File("absent.crs") + ": No such file or directory");
    prompt.messages.clear();
    ASSERT_TRUE(other.OnOpenDocument(path));
    EXPECT_TRUE(other.SaveSnapshot() == doc.SaveSnapshot());
    EXPECT_EQ(otherSettings.GridSize, 250);
    EXPECT_FALSE(other.IsModified());
    EXPECT_TRUE(other.HasSavePath());
    EXPECT_EQ(bar.texts[StatusPaneArms], "4 Arms");
    EXPECT_TRUE(prompt.messages.empty());
}

TEST_F(DocumentFileTest, FailedSaveReportsKeepsModifiedAndLeavesTheFileAlone)
{
    const std::string path = dir.File("kept.crs");
    std::ofstream(path) << "what was there";
    doc.MoveODMatrix(1, 1);
    // A folder where the file should be cannot be replaced by a rename.
    const std::string blocked = dir.File("folder.crs");
    std::filesystem::create_directories(blocked + "/inner");
    EXPECT_FALSE(doc.SaveAs(blocked));
    ASSERT_EQ(prompt.messages.size(), 1u);
    EXPECT_FALSE(prompt.messages[0].empty());
    EXPECT_TRUE(doc.IsModified());
    EXPECT_NE(doc.GetPathName(), blocked);

    EXPECT_FALSE(doc.OnSaveDocument(dir.File("no/such/folder/x.crs")));
    EXPECT_EQ(prompt.messages.size(), 2u);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(ReadText(path), "what was there");
    for (const auto& file : std::filesystem::directory_iterator(dir.Path()))
        EXPECT_EQ(file.path().extension(), ".crs") << "a temporary file was left: " << file.path();
}

struct OpenErrorCase
{
    const char* Name;
    void (*Damage)(std::string& text); // applied to a good file
    const char* Message;               // how the one message starts
    const char* Names = "";            // and what it names further on
    const char* Detail = "";           // the detail text: where a damaged file went wrong
};

void ReplaceFirst(std::string& text, const std::string& from, const std::string& to)
{
    text.replace(text.find(from), from.size(), to);
}

const OpenErrorCase OpenErrorCases[] = {
    {"WrongKeyword", [](std::string& t) { ReplaceFirst(t, "NET  ", "XNET "); },
     "The File appears to be corrupt. Please consult Technical Support", "",
     "line 12: expected a NET card"},
    {"EndsEarly", [](std::string& t) { t.resize(t.find("ARM ")); },
     "The File appears to be corrupt. Please consult Technical Support", "",
     "line 13: the file ends where an ARM card was expected"},
    {"LaterSchema",
     [](std::string& t) {
         ReplaceFirst(t, "SCHEM1.3", "SCHEM9.0");
         ReplaceFirst(t, "SVERS1.3.0", "SVERS9.2.1");
     },
     "The file was created on a later version of Gyrolith which is not compatible with this "
     "version.\n",
     "9.2.1"},
};

class OpenErrorTest : public DocumentFileTest, public testing::WithParamInterface<OpenErrorCase>
{};

TEST_P(OpenErrorTest, OneMessageAndTheDocumentUnchanged)
{
    const std::string good = dir.File("good.crs");
    ASSERT_TRUE(doc.SaveAs(good));
    std::string text = ReadText(good);
    GetParam().Damage(text);
    const std::string bad = dir.File("bad.crs");
    std::ofstream(bad, std::ios::binary) << text;

    settings.GridSize = 170;
    const NetworkSettings settingsBefore = settings;
    const std::string before = doc.SaveSnapshot();
    EXPECT_FALSE(doc.OnOpenDocument(bad));
    ASSERT_EQ(prompt.messages.size(), 1u);
    EXPECT_EQ(prompt.messages[0].substr(0, std::string(GetParam().Message).size()),
              GetParam().Message);
    EXPECT_NE(prompt.messages[0].find(GetParam().Names), std::string::npos) << prompt.messages[0];
    ASSERT_EQ(prompt.details.size(), 1u);
    EXPECT_EQ(prompt.details[0], GetParam().Detail);
    EXPECT_TRUE(doc.SaveSnapshot() == before);
    EXPECT_EQ(settings, settingsBefore) << "a failed open must not change the network settings";
    EXPECT_EQ(doc.GetPathName(), good);
}

INSTANTIATE_TEST_SUITE_P(Files, OpenErrorTest, testing::ValuesIn(OpenErrorCases), CaseName());

// The bytes of a text as a metafile stores it (UTF-16LE).
std::string Utf16(const std::string& text)
{
    std::string units;
    for (char c : text)
        units += std::string{c, '\0'};
    return units;
}

TEST_F(DocumentFileTest, DiagramIsDrawnWithTheDocumentsOwnSettings)
{
    doc.RunLaneFlowDisplayCommand(LaneFlowDisplayCommand::AggregateByDestination);
    doc.RunLaneFlowDisplayCommand(LaneFlowDisplayCommand::ShowZeroFlows);
    doc.ToggleODMatrixShown();
    doc.MoveODMatrix(700, 800);
    doc.ToggleHighlightFilteredRoutes();
    const CDiagramSource source = doc.GetDiagramSource();
    EXPECT_EQ(&source.network, &doc.GetNetwork());
    EXPECT_EQ(&source.networkSettings, &settings) << "not the program-wide record";
    EXPECT_EQ(&source.program, &program);
    EXPECT_EQ(&source.odMatrix, &doc.GetODMatrix());
    const CDiagramSettings& s = source.settings;
    EXPECT_EQ(s.laneFlows, (CLaneFlowDisplay{ELaneFlowAggregation::ByDestination,
                                             ELaneFlowColouring::ByDestination, true}));
    EXPECT_EQ(std::tuple(s.odMatrixShown, s.highlightFilteredRoutes, s.permittedOnly),
              std::tuple(true, false, true));
}

// The kind of flows the OD matrix view chose is what the clipboard and the DXF export show; it
// is not stored, but an undo keeps it.
TEST_F(DocumentFileTest, ExportsShowTheODMatrixKindTheDocumentHolds)
{
    const CFixedWidthTextMeasurer screen;
    CKeptClipboard clipboard;
    doc.ToggleODMatrixShown();
    const std::string actual = Utf16("Actual Flows");
    ASSERT_TRUE(doc.CopyDiagramToClipboard(clipboard, screen));
    EXPECT_EQ(std::string(clipboard.kept.begin(), clipboard.kept.end()).find(actual),
              std::string::npos);

    view.hints.clear();
    ASSERT_TRUE(doc.SetODMatrixFlowKind(1));
    EXPECT_EQ(view.hints, std::vector<int>{HintDataChanged});
    EXPECT_FALSE(doc.SetODMatrixFlowKind(3));
    EXPECT_FALSE(doc.SetODMatrixFlowKind(-1));
    doc.MoveODMatrix(50, 60);
    ASSERT_TRUE(doc.Undo());
    EXPECT_EQ(doc.GetODMatrixFlowKind(), 1);
    ASSERT_TRUE(doc.CopyDiagramToClipboard(clipboard, screen));
    EXPECT_NE(std::string(clipboard.kept.begin(), clipboard.kept.end()).find(actual),
              std::string::npos);

    const std::string path = dir.File("kind.dxf");
    ASSERT_TRUE(doc.ExportNetworkDiagramDxf(path, screen));
    EXPECT_NE(ReadText(path).find("Actual Flows"), std::string::npos);
    EXPECT_EQ(ReadText(path).find("Desired Flows"), std::string::npos);
}

TEST_F(DocumentFileTest, ClipboardAndDxfGetTheDiagramOrSayWhyNot)
{
    const CFixedWidthTextMeasurer screen;
    CKeptClipboard clipboard;
    ASSERT_TRUE(doc.CopyDiagramToClipboard(clipboard, screen));
    CEmfReader reader(clipboard.kept);
    EXPECT_GT(reader.GetHeader().records, 2u);
    const std::string bytes(clipboard.kept.begin(), clipboard.kept.end());
    EXPECT_NE(bytes.find(Utf16("ClipboardMetafile")), std::string::npos);
    clipboard.taken = false;
    EXPECT_FALSE(doc.CopyDiagramToClipboard(clipboard, screen));

    const std::string path = dir.File("junction.dxf");
    ASSERT_TRUE(doc.ExportNetworkDiagramDxf(path, screen));
    EXPECT_NE(ReadText(path).find("AC1015"), std::string::npos);
    EXPECT_FALSE(doc.IsModified()) << "an export changes nothing in the document";
    EXPECT_FALSE(doc.ExportNetworkDiagramDxf(dir.File("no/such/folder/x.dxf"), screen));
    ASSERT_EQ(prompt.messages.size(), 1u);
    EXPECT_NE(prompt.messages[0].find("x.dxf"), std::string::npos) << prompt.messages[0];
}

struct NameCase
{
    const char* Name;
    const char* Title;
    const char* Path;
    const char* SaveAs;
    const char* Dxf;
};

class ProposedNameTest : public testing::TestWithParam<NameCase>
{};

TEST_P(ProposedNameTest, SaveAsAndDxfProposals)
{
    NetworkSettings s;
    const ProgramSettings program;
    CCarouselDoc d(program, s);
    d.SetTitle(GetParam().Title);
    if (*GetParam().Path) {
        // Give the document its path the way a save does.
        CTempDir dir;
        const std::string path = dir.File(GetParam().Path);
        ASSERT_TRUE(d.SaveAs(path));
        d.SetTitle(GetParam().Title);
        EXPECT_EQ(d.ProposedDxfExportName(), dir.File(GetParam().Dxf));
    } else {
        EXPECT_EQ(d.ProposedDxfExportName(), GetParam().Dxf);
    }
    EXPECT_EQ(d.ProposedSaveAsName(), GetParam().SaveAs);
}

INSTANTIATE_TEST_SUITE_P(
    Names, ProposedNameTest,
    testing::Values(NameCase{"NewDocument", "New Gyrolith File ", "", "New.crs", "New.dxf"},
                    NameCase{"Hash", "Ring#2", "ring.crs", "Ring.crs", "ring.dxf"},
                    NameCase{"Semicolon", "a;b", "a.b.c", "a.crs", "a.dxf"},
                    NameCase{"Backslash", "x\\y", "short.cr", "x.crs", "short.cr.dxf"},
                    NameCase{"Percent", "50%", "net.crs", "50.crs", "net.dxf"}),
    CaseName());

} // namespace
