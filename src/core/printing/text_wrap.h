// Breaking a text into lines that fit a width, as the title block writes its values.
#pragma once

#include "platform/drawing_surface.h"

#include <string>
#include <string_view>
#include <vector>

// The lines of text in font no wider than width, measured by the surface: line breaks in the
// text start new lines (a carriage return before one is dropped), words move to the next line
// when they no longer fit, and a word wider than the width alone is broken between characters
// (never inside one), so nothing runs out of the box sideways. Empty lines at the end are
// dropped; an empty text has none.
std::vector<std::string> WrapText(const CDrawingSurface& surface, const CBearingFont& font,
                                  std::string_view text, int width);
