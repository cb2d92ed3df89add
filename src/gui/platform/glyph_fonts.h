// The glyphs the Qt drawing surfaces write text with.
#pragma once

#include <QRawFont>
#include <QString>

#include <array>
#include <map>
#include <string_view>
#include <utility>

// Liberation Sans, the face the core's text measurer lays text out with, loaded once and kept
// at each pixel size and turn asked for, so that a repaint does not load fonts again. A font
// keeps the glyphs it drew for a few turns only: text turned along 99 arms would rasterise its
// glyphs again at every repaint, so each turn has a font of its own. Glyphs are looked up one
// per code point, matching the measurer's advances one for one. Needs a QGuiApplication; the
// constructor throws std::runtime_error when the font cannot be loaded.
class CGlyphFonts
{
public:
    CGlyphFonts();
    explicit CGlyphFonts(const QString& fontPath);

    // The font at a size in device pixels (its em, as QRawFont counts it) for text turned by
    // an escapement (tenths of a degree).
    const QRawFont& AtPixelSize(double pixels, int escapement = 0);
    // One glyph index per code point of the UTF-8 text (malformed bytes read as U+FFFD).
    QList<quint32> GlyphsOf(std::string_view utf8) const;

private:
    QRawFont m_base;
    // Most text is ASCII: its glyphs are looked up once.
    std::array<quint32, 128> m_asciiGlyphs{};
    std::map<std::pair<long long, int>, QRawFont> m_sizes;
    std::pair<long long, int> m_lastKey;
    const QRawFont* m_last = nullptr;
};
