// Keeping routes whole when a short lane goes or becomes infinitely long.
#pragma once

class CLane;
class CNetwork;

// Before a short lane S is deleted: when a neighbour A feeds S and S feeds a neighbour B, a
// connector A->B is made (unless there is one) and every route through A->S->B takes A->B
// instead. Routes that cannot be rewritten go with S's connectors. Returns whether a bridge was
// made.
bool BridgeShortLaneBeforeDelete(CNetwork& network, CLane& lane);

// Makes the short lane S infinitely long: every route that enters S's arm by a connector E
// from another arm and then crosses by lane changes to S through the connector C that feeds S
// has that run replaced by one connector from E's from-lane to S (made when missing); then C
// is removed, with any route that still uses it. Sets the length to 9999.
void ConvertToInfinitelyLongLane(CNetwork& network, CLane& lane);
