#include "view/plan_limits.h"

#include <cmath>

bool IsWithinPlanLimits(double coordinate)
{
    return coordinate >= -PlanLimit && coordinate <= PlanLimit;
}

double SnapToGrid(double value, int grid)
{
    if (grid <= 0) {
        return value;
    }
    const double half = grid / 2;
    const double shifted = value >= 0.0 ? value + half : value - half;
    return std::trunc(shifted / grid) * grid;
}
