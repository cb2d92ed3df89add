// Mouse wheel input counted in notches.
#pragma once

// Turns wheel deltas into whole steps of one notch (120 units, as a wheel mouse sends them).
// Smooth wheels and touchpads send smaller deltas, which add up to a step; turning back drops
// the part step gathered in the other direction, so a step never mixes the two.
class CWheelSteps
{
public:
    static constexpr int NotchDelta = 120;

    // The whole steps the delta completes: positive away from the user, negative towards.
    int Add(int delta)
    {
        if ((delta > 0 && m_rest < 0) || (delta < 0 && m_rest > 0)) {
            m_rest = 0;
        }
        m_rest += delta;
        const int steps = m_rest / NotchDelta;
        m_rest -= steps * NotchDelta;
        return steps;
    }
    void Reset() { m_rest = 0; }

private:
    int m_rest = 0;
};
