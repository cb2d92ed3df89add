// New, open, save and the status panes; the recovered-file rule.
#include "cardfile/carousel_file.h"
#include "document/recent_file_list.h"
#include "document_fixture.h"
#include "temp_dir.h"

#include <fstream>
#include <sstream>

namespace
{

using doctest::CDocumentFixture;
using doctest::CRecordingPanes;

std::string ReadAll(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

struct DocumentFileTest : CDocumentFixture
{
    CTempDir dir;
};

TEST_F(DocumentFileTest, NewDocumentHasOneCurrentFlowGroupAndEmptyPanes)
{
    NetworkSettings fresh;
    CScriptedPrompt quiet;
    CCarouselDoc blank(fresh, &quiet);
    CRecordingPanes bar;
    blank.SetStatusPaneSink(&bar);
    ASSERT_TRUE(blank.OnNewDocument());
    const CFlowGroup* group = blank.GetNetwork().GetCurrentFlowGroup();
    ASSERT_NE(group, nullptr);
    EXPECT_EQ(blank.GetNetwork().GetFlowGroups().GetCount(), 1u);
    EXPECT_EQ(bar.texts[StatusPaneFlowGroup], group->GetDescription());
    EXPECT_EQ(bar.texts[StatusPaneArms], "0 Arms");
    EXPECT_EQ(bar.texts[StatusPaneZones], "0 Zones");
    EXPECT_FALSE(blank.IsModified());
    EXPECT_FALSE(blank.HasSavePath());
    EXPECT_EQ(blank.GetTitle(), "New Gyrolith File ");
    EXPECT_EQ(blank.GetData().laneFlowAggregation, 3);
    EXPECT_TRUE(blank.IsPermittedOnly());
    EXPECT_TRUE(blank.IsHighlightFilteredRoutes());
    EXPECT_FALSE(blank.IsAutoRebuildRoutes());
}

TEST_F(DocumentFileTest, PanesFollowTheModifiedFlagAndCloseEmptiesThem)
{
    doc.SetModifiedFlag(true);
    EXPECT_EQ(panes.texts[StatusPaneArms], "4 Arms");
    EXPECT_EQ(panes.texts[StatusPaneZones], "2 Zones");
    doc.GetNetwork().SetCurrentFlowGroup(nullptr);
    doc.SetModifiedFlag(false);
    EXPECT_EQ(panes.texts[StatusPaneFlowGroup], "No flowgroup selected");
    doc.OnCloseDocument();
    for (int pane : {StatusPaneFlowGroup, StatusPaneArms, StatusPaneZones})
        EXPECT_EQ(panes.texts[pane], "") << pane;
    EXPECT_EQ(panes.texts.size(), 3u);
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
    EXPECT_NE(ReadAll(path).find("\r\n"), std::string::npos) << "cards end in CR LF on disk";

    NetworkSettings otherSettings;
    CCarouselDoc other(otherSettings, &prompt);
    CRecordingPanes bar;
    other.SetStatusPaneSink(&bar);
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
    EXPECT_EQ(ReadAll(path), "what was there");
    for (const auto& file : std::filesystem::directory_iterator(dir.Path()))
        EXPECT_EQ(file.path().extension(), ".crs") << "a temporary file was left: " << file.path();
}

struct OpenErrorCase
{
    const char* Name;
    void (*Damage)(std::string& text); // applied to a good file
    const char* Message;               // nullptr: no message at all
};

void ReplaceFirst(std::string& text, const std::string& from, const std::string& to)
{
    text.replace(text.find(from), from.size(), to);
}

const OpenErrorCase OpenErrorCases[] = {
    {"WrongKeyword", [](std::string& t) { ReplaceFirst(t, "NET  ", "XNET "); },
     "The File appears to be corrupt. Please consult Technical Support"},
    {"EndsEarly", [](std::string& t) { t.resize(t.find("ARM ")); },
     "The File appears to be corrupt. Please consult Technical Support"},
    {"LaterSchema", [](std::string& t) { ReplaceFirst(t, "SCHEM1.3", "SCHEM9.0"); },
     "The file was created on a later version of Gyrolith which is not compatible with this "
     "version.\n"},
};

class OpenErrorTest : public DocumentFileTest, public testing::WithParamInterface<OpenErrorCase>
{};

TEST_P(OpenErrorTest, OneMessageAndTheDocumentUnchanged)
{
    const std::string good = dir.File("good.crs");
    ASSERT_TRUE(doc.SaveAs(good));
    std::string text = ReadAll(good);
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
    EXPECT_TRUE(doc.SaveSnapshot() == before);
    EXPECT_EQ(settings, settingsBefore) << "a failed open must not change the network settings";
    EXPECT_EQ(doc.GetPathName(), good);
}

INSTANTIATE_TEST_SUITE_P(Files, OpenErrorTest, testing::ValuesIn(OpenErrorCases),
                         [](const testing::TestParamInfo<OpenErrorCase>& paramInfo) {
                             return paramInfo.param.Name;
                         });

TEST_F(DocumentFileTest, LaterSchemaMessageNamesTheWritersVersion)
{
    const std::string path = dir.File("later.crs");
    ASSERT_TRUE(doc.SaveAs(path));
    std::string text = ReadAll(path);
    ReplaceFirst(text, "SCHEM1.3", "SCHEM9.0");
    ReplaceFirst(text, "SVERS1.3.0", "SVERS9.2.1");
    std::ofstream(path, std::ios::binary) << text;
    EXPECT_FALSE(doc.OnOpenDocument(path));
    ASSERT_EQ(prompt.messages.size(), 1u);
    EXPECT_NE(prompt.messages[0].find("9.2.1"), std::string::npos) << prompt.messages[0];
}

TEST_F(DocumentFileTest, MissingFileFailsWithoutAMessageOfItsOwn)
{
    EXPECT_FALSE(doc.OnOpenDocument(dir.File("absent.crs")));
    EXPECT_TRUE(prompt.messages.empty());
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
    CCarouselDoc d(s);
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
    testing::Values(NameCase{"NewDocument", "New Gyrolith File ", "", "New.crs", ".dxf"},
                    NameCase{"Hash", "Ring#2", "ring.crs", "Ring.crs", "ring.dxf"},
                    NameCase{"Semicolon", "a;b", "a.b.c", "a.crs", "a.dxf"},
                    NameCase{"Backslash", "x\\y", "short.cr", "x.crs", "short.cr.dxf"},
                    NameCase{"Percent", "50%", "net.crs", "50.crs", "net.dxf"}),
    [](const testing::TestParamInfo<NameCase>& paramInfo) { return paramInfo.param.Name; });

TEST_F(DocumentFileTest, AutoSaveFileOpensAsRecoveredAndLeavesTheRecentFiles)
{
    CAutoSaveManager autoSave([&] { return dir.Dir(); }, [] { return std::int64_t{0}; });
    const std::string autoPath = autoSave.ChooseFileName();
    ASSERT_TRUE(doc.SaveAs(autoPath));

    CRecentFileList recent;
    recent.Add("/older.crs");
    NetworkSettings s;
    CCarouselDoc opened(s, &prompt);
    ASSERT_TRUE(opened.OnOpenDocument(autoPath));
    recent.Add(autoPath); // the framework adds what it opened
    EXPECT_TRUE(ApplyRecoveredFileRule(opened, autoPath, autoSave, recent));
    EXPECT_EQ(opened.GetTitle(), "Recovered From AutoSave");
    EXPECT_EQ(opened.GetPathName(), "Recovered From AutoSave.crs");
    EXPECT_TRUE(opened.IsModified());
    EXPECT_FALSE(opened.HasSavePath()) << "Save must ask where, not write into the current folder";
    EXPECT_EQ(recent.GetEntries(), std::vector<std::string>{"/older.crs"});

    // Any other file, or the same name in another case, is an ordinary open.
    std::string upper = autoPath;
    upper.replace(upper.rfind("Gyrolith"), 8, "GYROLITH");
    EXPECT_FALSE(ApplyRecoveredFileRule(opened, upper, autoSave, recent));
    EXPECT_EQ(recent.GetEntries().size(), 1u);
}

} // namespace
