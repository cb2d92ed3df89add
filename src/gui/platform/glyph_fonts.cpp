#include "platform/glyph_fonts.h"

#include "platform/freetype_text_measurer.h"
#include "platform/text_encoding.h"

#include <cmath>
#include <stdexcept>
#include <vector>

namespace
{
// Sizes closer than this share one font.
constexpr double SizeSteps = 64.0;
constexpr double LoadSize = 64.0;
} // namespace

CGlyphFonts::CGlyphFonts()
    : CGlyphFonts(QString::fromStdString(CFreeTypeTextMeasurer::FindLiberationSans()))
{}

CGlyphFonts::CGlyphFonts(const QString& fontPath)
{
    if (fontPath.isEmpty()) {
        throw std::runtime_error("Liberation Sans not found: install fonts-liberation");
    }
    m_base = QRawFont(fontPath, LoadSize);
    if (!m_base.isValid()) {
        throw std::runtime_error("Cannot load font " + fontPath.toStdString());
    }
}

const QRawFont& CGlyphFonts::AtPixelSize(double pixels)
{
    const long long key = std::llround(pixels * SizeSteps);
    auto found = m_sizes.find(key);
    if (found == m_sizes.end()) {
        QRawFont font = m_base;
        font.setPixelSize(static_cast<double>(key) / SizeSteps);
        found = m_sizes.emplace(key, font).first;
    }
    return found->second;
}

QList<quint32> CGlyphFonts::GlyphsOf(std::string_view utf8) const
{
    const std::vector<char32_t> codePoints = Utf8ToCodePoints(utf8);
    const QString text =
        QString::fromUcs4(codePoints.data(), static_cast<qsizetype>(codePoints.size()));
    return m_base.glyphIndexesForString(text);
}
