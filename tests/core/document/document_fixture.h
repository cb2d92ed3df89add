// A document over a small junction, with a view and a status bar that record what they hear.
#pragma once

#include "document/carousel_doc.h"
#include "network_builder.h"
#include "platform/clipboard.h"
#include "scripted_prompt.h"

#include <gtest/gtest.h>
#include <map>
#include <vector>

namespace doctest
{

class CRecordingView : public CDocumentView
{
public:
    void OnUpdate(int hint) override { hints.push_back(hint); }
    int GetViewKind() const override { return NetworkViewKind; }
    std::vector<int> hints;
};

// Keeps the last metafile put on it; refuses it when told to.
struct CKeptClipboard : CClipboard
{
    bool SetEnhancedMetafile(std::vector<std::uint8_t> emf) override
    {
        kept = std::move(emf);
        return taken;
    }
    std::vector<std::uint8_t> kept;
    bool taken = true;
};

class CRecordingPanes : public CStatusPaneSink
{
public:
    void SetPaneText(int paneId, const std::string& text) override
    {
        texts[paneId] = text;
        ++calls;
    }
    std::map<int, std::string> texts;
    int calls = 0;
};

// Arms: 1 entry (two lanes), 2 circulatory, 3 exit, 4 exit without a zone. Zone 1 enters by
// arm 1, zone 2 leaves by arm 3. Routes are built: 1.1>2.1>3.1 and 1.2>2.1>3.1.
class CDocumentFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        doc.OnNewDocument();
        TestSupport::SmallJunction(doc.GetNetwork()).Zone(1, 0).Zone(0, 3).Routes();
        CArms& arms = doc.GetNetwork().GetArms();
        entry = arms.GetArm(1);
        circ = arms.GetArm(2);
        exitArm = arms.GetArm(3);
        spare = arms.GetArm(4);
        origin = doc.GetNetwork().GetZones().GetZone(1);
        destination = doc.GetNetwork().GetZones().GetZone(2);
        doc.SetModifiedFlag(false);
        doc.AddView(&view);
        doc.SetStatusPaneSink(&panes);
    }

    CCarouselLaneConnector* Connect(CArm* from, std::uint32_t fromLane, CArm* to,
                                    std::uint32_t toLane)
    {
        return doc.GetNetwork().GetLaneConnectors().AddConnector(TestSupport::Lane(from, fromLane),
                                                                 TestSupport::Lane(to, toLane));
    }
    CLane* Lane(std::uint32_t arm, std::uint32_t lane)
    {
        return doc.GetNetwork().GetArms().GetArm(arm)->GetLanes().GetLane(lane);
    }
    std::uint32_t RouteCount() { return doc.GetNetwork().GetRoutes().GetRouteCount(); }

    ProgramSettings program;
    NetworkSettings settings;
    CScriptedPrompt prompt;
    CCarouselDoc doc{program, settings, &prompt};
    CRecordingView view;
    CRecordingPanes panes;
    CArm* entry = nullptr;
    CArm* circ = nullptr;
    CArm* exitArm = nullptr;
    CArm* spare = nullptr;
    CZone* origin = nullptr;
    CZone* destination = nullptr;
};

} // namespace doctest
