// Coupled proportions: normalising the coupled groups of an arm, and the checks of the route
// flow edits.
#pragma once

#include "model/validation.h"

class CArm;
class CFlowGroup;
class CNetwork;
class CRouteCollection;

// Normalises one coupled group (routes in number order) so that, unless it is left alone
// (empty, or two or more routes none of which has a proportion), every route has a proportion
// and they sum to 1; a group of one loses its proportion.
void NormaliseCoupledGroup(const CRouteCollection& group, CFlowGroup* flowGroup);
// For every destination zone served by the arm's lanes and every lane in lane order, normalises
// the coupled group G(lane, zone, group). Nothing happens without a flow group.
void NormaliseProportionsOnArm(CArm& arm, CFlowGroup* flowGroup);
// Every flow group, every Entry arm.
void NormaliseAllArms(CNetwork& network);

// A typed coupled proportion (already divided by 100) must lie in 0 ... 1, with a little slack.
CValidationResult ValidateCoupledProportion(double proportion);
