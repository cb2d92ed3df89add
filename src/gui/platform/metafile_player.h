// Plays recorded metafile bytes back onto a drawing surface.
#pragma once

#include <cstdint>
#include <span>

class CDrawingSurface;
class CTextMeasurer;

// Draws every figure and text of the metafile on the surface, in the metafile's own logical
// units, with the pens, brushes, fonts and text settings the records select; the surface's
// state is put back afterwards. Clip records are left to the caller, who clips to the frame.
// Raises CEmfFormatError for bytes that are not a well-formed metafile.
void PlayMetafile(std::span<const std::uint8_t> metafile, CDrawingSurface& surface,
                  const CTextMeasurer& measurer);
