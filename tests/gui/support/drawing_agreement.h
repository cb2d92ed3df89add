// A tolerant comparison of two renderings of one drawing by different painters.
#pragma once

#include <QImage>
#include <QPoint>
#include <string>

namespace GuiTestSupport
{
// How far apart two renderings may be. A pixel agrees when the other image has a pixel of a
// near colour within the radius; antialiasing, hinting and half-pixel placement stay inside
// that, while a shape that is moved, left out or drawn in another pattern does not.
struct CAgreementTolerance
{
    int radius = 2;
    int colourDistance = 80; // the largest channel difference of colours that agree
    int tileSize = 32;
};

// Where two renderings disagree most: the count of disagreeing pixels in the worst tile.
struct CAgreement
{
    bool sameSize = false;
    int worstTile = 0;
    QPoint worstTileAt;
    int disagreeing = 0;
    // Disagreeing pixels in red over a faded copy of the first image, for a person to look at
    // (made only when asked for).
    QImage picture;

    std::string Describe() const;
};

CAgreement CompareRenderings(const QImage& a, const QImage& b,
                             const CAgreementTolerance& tolerance = {}, bool withPicture = false);
} // namespace GuiTestSupport
