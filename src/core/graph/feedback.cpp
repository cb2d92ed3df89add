#include "graph/feedback.h"

#include <algorithm>

void CFeedback::SetProgress(double percent)
{
    // Not a number reads as no progress.
    const double clamped = percent > 0.0 ? std::min(percent, 100.0) : 0.0;
    if (clamped <= m_progress) {
        return;
    }
    m_progress = clamped;
    if (m_callback) {
        m_callback(clamped);
    }
}
