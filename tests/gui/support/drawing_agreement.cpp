#include "support/drawing_agreement.h"

#include <QColor>
#include <algorithm>
#include <cstdlib>
#include <vector>

namespace GuiTestSupport
{
namespace
{
int Distance(QRgb a, QRgb b)
{
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                     std::abs(qBlue(a) - qBlue(b))});
}

// The distance of a colour from the blend of two others that comes nearest to it.
double DistanceFromBlend(QRgb c, QRgb from, QRgb to)
{
    const double d[] = {double(qRed(to) - qRed(from)), double(qGreen(to) - qGreen(from)),
                        double(qBlue(to) - qBlue(from))};
    const double p[] = {double(qRed(c) - qRed(from)), double(qGreen(c) - qGreen(from)),
                        double(qBlue(c) - qBlue(from))};
    const double length = d[0] * d[0] + d[1] * d[1] + d[2] * d[2];
    const double t = length == 0.0
                         ? 0.0
                         : std::clamp((p[0] * d[0] + p[1] * d[1] + p[2] * d[2]) / length, 0.0, 1.0);
    double worst = 0.0;
    for (int i = 0; i < 3; ++i) {
        worst = std::max(worst, std::abs(p[i] - t * d[i]));
    }
    return worst;
}

// Whether the other image shows the colour near (x, y): a pixel of a near colour within the
// radius, or two pixels there whose blend (an antialiased edge between them) is near it.
bool ShowsNear(const QImage& other, int x, int y, QRgb colour, const CAgreementTolerance& t)
{
    std::vector<QRgb> around;
    for (int dy = -t.radius; dy <= t.radius; ++dy) {
        const int yy = y + dy;
        if (yy < 0 || yy >= other.height()) {
            continue;
        }
        const auto* line = reinterpret_cast<const QRgb*>(other.constScanLine(yy));
        for (int dx = -t.radius; dx <= t.radius; ++dx) {
            const int xx = x + dx;
            if (xx < 0 || xx >= other.width()) {
                continue;
            }
            if (Distance(line[xx], colour) <= t.colourDistance) {
                return true;
            }
            if (std::find(around.begin(), around.end(), line[xx]) == around.end()) {
                around.push_back(line[xx]);
            }
        }
    }
    for (std::size_t i = 0; i < around.size(); ++i) {
        for (std::size_t j = i + 1; j < around.size(); ++j) {
            if (DistanceFromBlend(colour, around[i], around[j]) <= t.colourDistance / 2.0) {
                return true;
            }
        }
    }
    return false;
}
} // namespace

std::string CAgreement::Describe() const
{
    if (!sameSize) {
        return "the renderings differ in size";
    }
    return std::to_string(disagreeing) + " pixels disagree; the worst tile, at (" +
           std::to_string(worstTileAt.x()) + ", " + std::to_string(worstTileAt.y()) + "), has " +
           std::to_string(worstTile);
}

CAgreement CompareRenderings(const QImage& first, const QImage& second,
                             const CAgreementTolerance& tolerance, bool withPicture)
{
    CAgreement result;
    if (first.size() != second.size() || first.isNull()) {
        return result;
    }
    result.sameSize = true;
    const QImage a = first.convertToFormat(QImage::Format_RGB32);
    const QImage b = second.convertToFormat(QImage::Format_RGB32);
    // Counted in cells of half a tile, so that tiles can stand at every half-tile step: a
    // cluster of disagreement then lies whole in some tile wherever the drawing stands.
    const int cell = std::max(tolerance.tileSize / 2, 1);
    const int cellsAcross = (a.width() + cell - 1) / cell;
    const int cellsDown = (a.height() + cell - 1) / cell;
    std::vector<int> cells(static_cast<std::size_t>(cellsAcross * cellsDown), 0);
    if (withPicture) {
        result.picture = a.copy();
    }
    for (int y = 0; y < a.height(); ++y) {
        const auto* la = reinterpret_cast<const QRgb*>(a.constScanLine(y));
        const auto* lb = reinterpret_cast<const QRgb*>(b.constScanLine(y));
        auto* out = withPicture ? reinterpret_cast<QRgb*>(result.picture.scanLine(y)) : nullptr;
        for (int x = 0; x < a.width(); ++x) {
            if (out != nullptr) {
                // Faded, so that the disagreements stand out.
                out[x] =
                    qRgb(192 + qRed(la[x]) / 4, 192 + qGreen(la[x]) / 4, 192 + qBlue(la[x]) / 4);
            }
            if (Distance(la[x], lb[x]) <= tolerance.colourDistance) {
                continue;
            }
            if (ShowsNear(b, x, y, la[x], tolerance) && ShowsNear(a, x, y, lb[x], tolerance)) {
                continue;
            }
            if (out != nullptr) {
                out[x] = qRgb(255, 0, 0);
            }
            ++result.disagreeing;
            ++cells[static_cast<std::size_t>((y / cell) * cellsAcross + x / cell)];
        }
    }
    const auto at = [&](int row, int column) {
        return row < cellsDown && column < cellsAcross
                   ? cells[static_cast<std::size_t>(row * cellsAcross + column)]
                   : 0;
    };
    for (int row = 0; row < cellsDown; ++row) {
        for (int column = 0; column < cellsAcross; ++column) {
            const int tile = at(row, column) + at(row, column + 1) + at(row + 1, column) +
                             at(row + 1, column + 1);
            if (tile > result.worstTile) {
                result.worstTile = tile;
                result.worstTileAt = {column * cell, row * cell};
            }
        }
    }
    return result;
}
} // namespace GuiTestSupport
