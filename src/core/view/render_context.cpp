#include "view/render_context.h"

#include "view/colour_category.h"

ColorRef CRenderContext::CategoryColour(int category) const
{
    const bool highlight = switches.highlightFilteredRoutes;
    switch (category) {
    case ColourCategory::FilteredPermitted:
        return highlight ? program->CurRouteColor : program->CurLaneColor;
    case ColourCategory::FilteredNotPermitted:
        return highlight ? program->CurDisallowedRouteColor : program->CurLaneColor;
    case ColourCategory::SelectedRoute:
        return program->CurSelRouteColor;
    case ColourCategory::SelectedItem:
        return program->CurSelectedItemColor;
    case ColourCategory::NotDrawn:
        return 0xFFFFFF;
    default:
        return program->CurLaneColor;
    }
}
