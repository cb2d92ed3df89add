// Metafiles as an outside program shows them, for comparing with what the Qt surface paints.
#pragma once

#include "platform/geometry.h"

#include <QImage>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

namespace GuiTestSupport
{
// The plan rectangle a recorded metafile covers: its header's bounds, right and bottom
// inclusive.
CRect MetafileBounds(std::span<const std::uint8_t> emf);

// LibreOffice (soffice) and poppler (pdftoppm) are installed.
bool HaveLibreOffice();

// Renders metafiles as a document shows them: each is embedded at its frame's size in an RTF
// page of its own size, LibreOffice prints the pages to PDF and poppler rasterises them at the
// given pixels per plan unit. One image per metafile, covering its bounds; a null image where a
// step failed, whose output is appended to log. One LibreOffice run serves all the metafiles.
std::vector<QImage> RenderThroughLibreOffice(const std::vector<std::vector<std::uint8_t>>& emfs,
                                             double pixelsPerUnit, const std::filesystem::path& dir,
                                             std::string& log);

// The size in pixels of a metafile's bounds at a resolution.
QSize PixelSizeOf(const CRect& bounds, double pixelsPerUnit);
} // namespace GuiTestSupport
