// Drawing state shared by lanes and lane connectors: three flags and a cached colour category.
#pragma once

// The flags a view sets on a lane or connector (selected; show selection; show selected
// route) and the colour category the drawing last worked out for it. Computing a category
// visits every route through the object, so it is kept until a flag changes or someone
// invalidates it (a route's status or the route filter changed). -1 means not known.
class CGraphicalItem
{
public:
    static constexpr int UnknownCategory = -1;

    bool IsSelected() const { return m_selected; }
    void SetSelected(bool selected) { Set(m_selected, selected); }
    bool IsShowSelection() const { return m_showSelection; }
    void SetShowSelection(bool show) { Set(m_showSelection, show); }
    bool IsShowSelectedRoute() const { return m_showSelectedRoute; }
    void SetShowSelectedRoute(bool show) { Set(m_showSelectedRoute, show); }

    int GetCachedCategory() const { return m_category; }
    void SetCachedCategory(int category) const { m_category = category; }
    void InvalidateCategory() const { m_category = UnknownCategory; }

private:
    void Set(bool& flag, bool value)
    {
        if (flag != value) {
            flag = value;
            InvalidateCategory();
        }
    }

    bool m_selected = false;
    bool m_showSelection = false;
    bool m_showSelectedRoute = false;
    mutable int m_category = UnknownCategory;
};
