// Feedback objects for cancelling long work at chosen points of its progress.
#pragma once

#include "graph/feedback.h"

#include <cstddef>
#include <vector>

namespace routetest
{

// Raises its cancel flag at its at-th progress report, or before any work when at is 0.
struct CCancelAtReport
{
    explicit CCancelAtReport(std::size_t report) : at(report)
    {
        if (at == 0)
            feedback.Cancel();
    }

    std::size_t at;
    std::size_t heard = 0;
    CFeedback feedback{[this](double) {
        if (++heard == at)
            feedback.Cancel();
    }};
};

// The points to cancel a run of `reports` reports at: before it, at the first, half-way and at
// the last.
inline std::vector<std::size_t> CancelPoints(std::size_t reports)
{
    return {0, 1, reports / 2, reports};
}

} // namespace routetest
