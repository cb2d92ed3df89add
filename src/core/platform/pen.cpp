#include "platform/pen.h"

CPenExt::CPenExt(EPenStyle style, int width, ColorRef color)
    : m_requested(style), m_style(style), m_width(width), m_color(color)
{
    if (style == EPenStyle::Null || width < 2) {
        return;
    }
    m_geometric = true;
    m_dashes = DashPattern(style);
    m_style = m_dashes.empty() ? EPenStyle::Solid : EPenStyle::UserStyle;
}

CPenExt CPenExt::PlainFallback() const
{
    CPenExt plain(m_requested, 1, m_color);
    return plain;
}

std::vector<std::uint32_t> CPenExt::DashPattern(EPenStyle style)
{
    switch (style) {
    case EPenStyle::Dash:
        return {40, 10};
    case EPenStyle::Dot:
        return {10, 10};
    case EPenStyle::DashDot:
        return {40, 10, 10, 10};
    case EPenStyle::DashDotDot:
        return {40, 10, 10, 10, 10, 10};
    default:
        return {};
    }
}
