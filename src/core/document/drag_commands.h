// Moves made with the mouse: one checkpoint per drag, taken by the view at its first move.
#pragma once

#include "model/arm.h"
#include "model/label.h"

#include <cstdint>
#include <string>

class CCapacityAssessor;
class CCarouselDoc;
class CPrintPage;
struct CRect;

// A drag opens its checkpoint ("Move Arm", "Move Label", ...) with BeginDrag at its first move
// and keeps it with EndDrag when the button is released; on Escape the view moves the object
// back and CancelDrag drops the checkpoint, leaving no undo step. The moves take no checkpoint
// of their own (the document's MoveArm, MoveLabel... take one each time), so a drag is one
// undo step and placing a new object stays under its pending checkpoint too. BeginDrag is false
// when the checkpoint could not be taken: the drag then moves nothing. Each move updates the
// views as its command does and marks the document modified.
bool BeginDrag(CCarouselDoc& document, const std::string& checkpointName);
void EndDrag(CCarouselDoc& document);
void CancelDrag(CCarouselDoc& document);

void DragArm(CCarouselDoc& document, CArm& arm, const CPlanPoint& first, const CPlanPoint& second);
void DragLabel(CCarouselDoc& document, CLabel& label, const CLabelPoint& first,
               const CLabelPoint& second);
void DragCapacityAssessor(CCarouselDoc& document, CCapacityAssessor& assessor, std::int32_t x,
                          std::int32_t y);
void DragODMatrix(CCarouselDoc& document, int x, int y);
// "Move Print Zone" and "Resize Print Zone": the zone takes the rectangle.
void DragPrintZone(CCarouselDoc& document, CPrintPage& page, const CRect& rect);
