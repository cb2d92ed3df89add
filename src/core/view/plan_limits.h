// Where dragged and placed objects may go: the grid they snap to and the limits of the plan.
#pragma once

// Every position set by dragging or placing lies within -27767..27767 plan units on each axis.
inline constexpr double PlanLimit = 27767.0;

bool IsWithinPlanLimits(double coordinate);

// The multiple of grid nearest to value, halves away from zero: for v >= 0 ((v + g/2) div g) x g,
// for v < 0 ((v - g/2) div g) x g, g/2 and div truncating (149 -> 100, 150 -> 200, -150 -> -200
// at g = 100). A grid of 0 or less leaves the value as it is.
double SnapToGrid(double value, int grid);
