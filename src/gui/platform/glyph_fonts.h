// The glyphs the Qt drawing surfaces write text with.
#pragma once

#include <QRawFont>
#include <QString>

#include <map>
#include <string_view>

// Liberation Sans, the face the core's text measurer lays text out with, loaded once and kept
// at each pixel size asked for, so that a repaint does not load fonts again. Glyphs are looked
// up one per code point, matching the measurer's advances one for one. Needs a
// QGuiApplication; the constructor throws std::runtime_error when the font cannot be loaded.
class CGlyphFonts
{
public:
    CGlyphFonts();
    explicit CGlyphFonts(const QString& fontPath);

    // The font at a size in device pixels (its em, as QRawFont counts it).
    const QRawFont& AtPixelSize(double pixels);
    // One glyph index per code point of the UTF-8 text (malformed bytes read as U+FFFD).
    QList<quint32> GlyphsOf(std::string_view utf8) const;

private:
    QRawFont m_base;
    std::map<long long, QRawFont> m_sizes;
};
