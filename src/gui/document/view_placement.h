// The open windows' places as the network file keeps them (VWPOS), and back.
#pragma once

#include "cardfile/document_data.h"

#include <QRect>
#include <cstddef>
#include <optional>
#include <vector>

class CCarouselDoc;
class QMdiArea;

// A stored rectangle (left, top, right, bottom in the MDI area's logical pixels) that can be
// used as it is: not inverted, not empty, and with enough of its title bar inside the area to
// be grabbed. None otherwise, so the frame takes the area's default place.
std::optional<QRect> UsableFrameRect(const CViewPosition& position, const QRect& area);

// The network view's zoom range; a stored zoom outside it is brought to its nearer end.
double ClampedZoom(double zoom);

// One position per open resizeable window of the document, in the document's view order.
std::vector<CViewPosition> CollectViewPositions(const CCarouselDoc& document);
// Before a save: the document's view positions become those of its open windows.
void StoreViewPositions(CCarouselDoc& document);

// After an open: opens a window of each stored kind and index (kinds 1 to 3; others are
// passed over) and places it. A file names as many windows as it likes: only the first
// MaxRestoredWindows positions open, so a damaged or hostile file cannot bury the program under
// windows. True when at least one network window was among them.
inline constexpr std::size_t MaxRestoredWindows = 16;
bool RestoreViewPositions(CCarouselDoc& document, const std::vector<CViewPosition>& positions,
                          const QMdiArea& area);
