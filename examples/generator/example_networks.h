// The sample networks shipped in examples/, built with the program's own model operations.
#pragma once

class CNetwork;

// A four-arm roundabout: entries 1-4 (two lanes; entry 1 has a six-PCU flare as lane 3),
// exits 5-8 (two lanes), circulatory arms 9-12 (two lanes, traffic may move outwards from
// lane 2 to lane 1 between them), zones A-D on the four approaches, an "AM Peak" OD matrix
// and a capacity assessor per entry. Routes are built, circular ones made non-permitted and
// every entry balanced.
void BuildRoundaboutExample(CNetwork& network);

// A signalised crossroads: four two-lane approaches (nearside lane left and ahead, offside
// lane ahead and right) straight onto two-lane exits, zones A-D, "AM Peak" and "PM Peak" OD
// matrices; routes built and both peaks balanced, AM Peak current.
void BuildCrossroadsExample(CNetwork& network);
