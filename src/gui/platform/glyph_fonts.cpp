#include "platform/glyph_fonts.h"

#include "platform/freetype_text_measurer.h"
#include "platform/text_encoding.h"

#include <QFontDatabase>

#include <algorithm>
#include <cmath>
#include <map>
#include <stdexcept>
#include <vector>

namespace
{
// Sizes closer than this share one font.
constexpr double SizeSteps = 64.0;
constexpr double LoadSize = 64.0;

// The face as the font database knows it: glyphs from a font loaded straight from its file
// reach a PDF as outlines, which no reader can search; through the database they stay text.
// The glyphs on the screen are the same either way.
QRawFont LoadFont(const QString& fontPath)
{
    // Each file is added once, however many views and printouts load it.
    static std::map<QString, QString> familyOfFile;
    auto known = familyOfFile.find(fontPath);
    if (known == familyOfFile.end()) {
        const QStringList families =
            QFontDatabase::applicationFontFamilies(QFontDatabase::addApplicationFont(fontPath));
        known = familyOfFile.emplace(fontPath, families.value(0)).first;
    }
    if (known->second.isEmpty()) {
        return QRawFont(fontPath, LoadSize);
    }
    QFont font(known->second);
    font.setPixelSize(static_cast<int>(LoadSize));
    font.setStyleStrategy(QFont::NoFontMerging);
    QRawFont raw = QRawFont::fromFont(font);
    return raw.isValid() ? raw : QRawFont(fontPath, LoadSize);
}
} // namespace

CGlyphFonts::CGlyphFonts()
    : CGlyphFonts(QString::fromStdString(CFreeTypeTextMeasurer::FindLiberationSans()))
{}

CGlyphFonts::CGlyphFonts(const QString& fontPath)
{
    if (fontPath.isEmpty()) {
        throw std::runtime_error("Liberation Sans not found: install fonts-liberation");
    }
    m_base = LoadFont(fontPath);
    if (!m_base.isValid()) {
        throw std::runtime_error("Cannot load font " + fontPath.toStdString());
    }
    QString ascii;
    for (char16_t c = 0; c < m_asciiGlyphs.size(); ++c) {
        ascii.append(QChar(c));
    }
    const QList<quint32> glyphs = m_base.glyphIndexesForString(ascii);
    for (qsizetype c = 0; c < glyphs.size() && c < ascii.size(); ++c) {
        m_asciiGlyphs[static_cast<std::size_t>(c)] = glyphs[c];
    }
}

const QRawFont& CGlyphFonts::AtPixelSize(double pixels, int escapement)
{
    const long long steps = std::llround(pixels * SizeSteps);
    const std::pair key{steps, escapement % 3600};
    // Texts along one arm come one after another in one font.
    if (m_last != nullptr && key == m_lastKey) {
        return *m_last;
    }
    auto found = m_sizes.find(key);
    if (found == m_sizes.end()) {
        // Setting the size makes a font of its own, which keeps its own glyphs.
        QRawFont font = m_base;
        font.setPixelSize(static_cast<double>(steps) / SizeSteps);
        found = m_sizes.emplace(key, font).first;
    }
    m_lastKey = key;
    m_last = &found->second;
    return found->second;
}

QList<quint32> CGlyphFonts::GlyphsOf(std::string_view utf8) const
{
    if (std::all_of(utf8.begin(), utf8.end(), [](char c) { return (c & 0x80) == 0; })) {
        QList<quint32> glyphs;
        glyphs.reserve(static_cast<qsizetype>(utf8.size()));
        for (char c : utf8) {
            glyphs.append(m_asciiGlyphs[static_cast<unsigned char>(c)]);
        }
        return glyphs;
    }
    const std::vector<char32_t> codePoints = Utf8ToCodePoints(utf8);
    const QString text =
        QString::fromUcs4(codePoints.data(), static_cast<qsizetype>(codePoints.size()));
    return m_base.glyphIndexesForString(text);
}
