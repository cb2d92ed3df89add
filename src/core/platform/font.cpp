#include "platform/font.h"

CBearingFont::CBearingFont(double bearing, int height, bool keepUpright)
{
    m_logFont.height = height;
    m_logFont.escapement = EscapementFor(bearing, keepUpright);
    m_logFont.orientation = m_logFont.escapement;
}

int CBearingFont::EscapementFor(double bearing, bool keepUpright)
{
    const double base = (keepUpright && (bearing < 0.0 || bearing >= 180.0)) ? 270.0 : 90.0;
    return static_cast<int>((base - bearing) * 10.0);
}
