// Lane edits that rewrite the routes through the lanes they change instead of losing them.
#pragma once

#include <cstdint>

class CArm;
class CCapacityLane;
class CLane;

// "Delete Lane". A short lane S fed by one neighbour A and feeding the other neighbour B is
// bridged first: connector A->B is made (if missing) and every route running A->S->B is
// rewritten to run A->B. Then the lane goes with its connectors and the routes still on them.
// Coupled proportions are normalised afterwards. False when the arm has no such lane.
bool DeleteLane(CArm& arm, std::uint32_t number);

// "Add Short Lane To Left" / "Add Short Lane To Right": inserts a lane at `number` and gives it
// `length`; the lane's change notification then replaces lane changes that jump over it (see
// ReplaceLaneChangesOver). None when the number is out of range or the length is infinite.
CCapacityLane* AddShortLane(CArm& arm, std::uint32_t number, std::int32_t length);

// The lane-change repair for a short lane L between two neighbours: a lane-change connector
// that jumps over L (left->right or right->left) is replaced by the chain through L. The
// connectors into and out of L are made when L or the lane on that side is short; every route
// on the jumping connector is rewritten along the chain, and then the jumping connector is
// destroyed, which takes the routes that could not be rewritten. Nothing happens unless L is
// short and has neighbours on both sides. Runs from the lane's change notification.
void ReplaceLaneChangesOver(CLane& lane);

// "Convert To Short Lane": lane S (infinitely long) becomes a short lane of `length`, fed from
// its neighbour N. Traffic that entered S from other arms now enters L0, the far end of the
// chain of lane changes that feeds S through N, and crosses over to S (on an Exit arm it just
// ends at L0); routes that started on S (Entry arm) start on L0 and cross over. The connectors
// from other arms into S are then destroyed. False (nothing changed) when S is already short,
// N is not S's neighbour or the length is infinite.
bool ConvertToShortLane(CCapacityLane& lane, CCapacityLane& neighbour, std::int32_t length);

// "Convert To Infinitely Long Lane": for every lane-change connector C that feeds short lane S
// from a neighbour, a route that enters the arm by a connector E and then follows lane changes
// up to C is rewritten to go straight from E's from-lane to S (connector made if missing); then
// C is destroyed with the routes still on it. False when S is not short.
bool ConvertToInfinitelyLongLane(CCapacityLane& lane);

// The lane that feeds a short lane added beside `selected` (on its right when toRight, else on
// its left), among the new lane's neighbours: the left one when the selected lane is short and
// not fed through a chain of lane changes from an infinitely long lane on its right, else the
// right one; the other one when that side has no lane.
const CLane* NewShortLaneFeeder(const CLane& selected, bool toRight);
