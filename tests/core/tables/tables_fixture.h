// A document over a small junction for the table tests, with views that record their hints.
#pragma once

#include "../document/scripted_prompt.h"
#include "document/carousel_doc.h"
#include "settings/program_settings.h"
#include "network_builder.h"

#include <gtest/gtest.h>
#include <map>
#include <string>
#include <vector>

namespace tabletest
{

class CHintView : public CDocumentView
{
public:
    void OnUpdate(int hint) override { hints.push_back(hint); }
    int GetViewKind() const override { return TrafficFlowsViewKind; }
    std::vector<int> hints;
};

class CPaneTexts : public CStatusPaneSink
{
public:
    void SetPaneText(int paneId, const std::string& text) override { texts[paneId] = text; }
    std::map<int, std::string> texts;
};

// Arm 1 is an entry of two lanes, arm 2 circulates, arms 3 and 4 are exits. Zone A enters by
// arm 1, zone B leaves by arm 3 and zone C by arm 4, so routes 1 and 2 run from lanes 1.1 and
// 1.2 to B and routes 3 and 4 from the same lanes to C. Zone colours are red, green and blue.
// The document has its one flow group, current, from 08:00 to 09:00.
class CTablesDocument : public ::testing::Test
{
protected:
    static constexpr std::uint32_t RedZone = 0x0000FF;
    static constexpr std::uint32_t GreenZone = 0x00FF00;
    static constexpr std::uint32_t BlueZone = 0xFF0000;

    void SetUp() override
    {
        doc.OnNewDocument();
        TestSupport::SmallJunction(doc.GetNetwork())
            .Zone(1, 0, RedZone)
            .Zone(0, 3, GreenZone)
            .Zone(0, 4, BlueZone)
            .Routes();
        doc.SetModifiedFlag(false);
        doc.AddView(&view);
    }

    CNetwork& Network() { return doc.GetNetwork(); }
    CFlowGroup& Group() { return *Network().GetCurrentFlowGroup(); }
    CRoute& Route(std::uint32_t number) { return *Network().GetRoutes().GetRoute(number); }
    CZone* Zone(std::uint32_t number) { return Network().GetZones().GetZone(number); }
    void SetDesired(std::uint32_t origin, std::uint32_t destination, std::int32_t flow)
    {
        Group().SetDesiredFlow(Network().GetODMovements().Find(Zone(origin), Zone(destination)),
                               flow);
    }
    std::int32_t Desired(std::uint32_t origin, std::uint32_t destination)
    {
        return Group().GetDesiredFlow(
            Network().GetODMovements().Find(Zone(origin), Zone(destination)));
    }

    ProgramSettings program;
    NetworkSettings settings;
    CScriptedPrompt prompt;
    CCarouselDoc doc{program, settings, &prompt};
    CHintView view;
};

} // namespace tabletest
