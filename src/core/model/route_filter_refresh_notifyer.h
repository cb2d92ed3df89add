// The listener a network tells once after its route filter flags were refreshed.
#pragma once

// Installed on a network by the drawing side, which then invalidates every route's drawing.
class CRouteFilterRefreshNotifyer
{
public:
    virtual ~CRouteFilterRefreshNotifyer() = default;
    virtual void Refreshed() = 0;
};
