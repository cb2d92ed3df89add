// A view's selection, and the list the document keeps of its views.
#include "model/network.h"
#include "network_builder.h"
#include "view/network_view_state.h"

#include <gtest/gtest.h>

namespace
{

using TestSupport::AddArm;
using TestSupport::Lane;

class ViewSelection : public testing::Test
{
protected:
    CNetwork network;
    CArm* arm = AddArm(network, 3);
    CNetworkViewState view;
};

TEST_F(ViewSelection, OneKindAtATimeAndLanesByToggling)
{
    view.Select(ESelectionKind::Arm, arm->GetId());
    EXPECT_TRUE(view.IsSelected(ESelectionKind::Arm, arm->GetId()));
    EXPECT_FALSE(view.IsSelected(ESelectionKind::Zone, arm->GetId()));

    // A lane click replaces the arm; Ctrl adds lanes and takes them out again.
    view.SelectLane(*Lane(arm, 3));
    EXPECT_FALSE(view.IsSelected(ESelectionKind::Arm, arm->GetId()));
    EXPECT_TRUE(view.ToggleLane(*Lane(arm, 1)));
    EXPECT_EQ(view.GetSelectionKind(), ESelectionKind::Lanes);
    EXPECT_EQ(view.GetSelectedLanes().First(), Lane(arm, 1)) << "lowest id first";
    EXPECT_FALSE(view.ToggleLane(*Lane(arm, 3)));
    EXPECT_FALSE(view.IsLaneSelected(*Lane(arm, 3)));

    // Lanes toggled onto another kind of selection replace it.
    view.Select(ESelectionKind::ODMatrix);
    EXPECT_TRUE(view.IsSelected(ESelectionKind::ODMatrix, 0));
    view.ToggleLane(*Lane(arm, 2));
    EXPECT_FALSE(view.IsSelected(ESelectionKind::ODMatrix, 0));
    EXPECT_EQ(view.GetSelectedLanes().GetCount(), 1u);

    CCarouselLaneConnector* change =
        network.GetLaneConnectors().AddConnector(Lane(arm, 1), Lane(arm, 2));
    CCarouselLaneConnector* back =
        network.GetLaneConnectors().AddConnector(Lane(arm, 2), Lane(arm, 1));
    view.SelectConnector(*change);
    EXPECT_TRUE(view.IsConnectorSelected(*change));
    EXPECT_FALSE(view.IsConnectorSelected(*back)) << "the pair is ordered";
    EXPECT_TRUE(view.GetSelectedLanes().IsEmpty());
}

TEST(ViewStates, EitherMayGoFirst)
{
    auto document = std::make_unique<CNetworkViewStates>();
    {
        CNetworkViewState shortLived(*document);
        EXPECT_EQ(document->GetCount(), 1u);
    }
    EXPECT_EQ(document->GetCount(), 0u);
    CNetworkViewState outliving(*document);
    document.reset();
    // The sanitizers would catch a state reaching its gone list here.
    outliving.ClearSelection();
}

} // namespace
