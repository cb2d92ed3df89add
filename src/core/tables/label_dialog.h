// The "Edit Label" dialog without its window.
#pragma once

#include "model/validation.h"

#include <cstdint>
#include <string>

class CLabel;

// "Label Text" "(max 50 chars)", "Text Height" in millimetres ("%1.1f" of the height in 0.1 mm)
// and "Text Colour" with "Change...". On OK the text follows the label text rule; the typed
// height x 10, truncated, is clamped to 10..1000 (1.0 to 100.0 mm) as the network file's reader
// clamps it. A height that is not a number, or a text with a line break, is refused.
class CDlgEditLabelModel
{
public:
    static constexpr const char* Title = "Edit Label";
    static constexpr const char* TextCaption = "Label Text";
    static constexpr const char* TextNote = "(max 50 chars)";
    static constexpr const char* HeightCaption = "Text Height";
    static constexpr const char* ColourCaption = "Text Colour";
    static constexpr const char* ChangeButton = "Change...";
    static constexpr std::int32_t MinTextHeight = 10;
    static constexpr std::int32_t MaxTextHeight = 1000;

    CDlgEditLabelModel(std::string text, std::int32_t textHeight, std::uint32_t colour);
    explicit CDlgEditLabelModel(const CLabel& label);

    const std::string& GetTextField() const { return m_text; }
    void SetTextField(std::string text) { m_text = std::move(text); }
    const std::string& GetHeightText() const { return m_heightText; }
    void SetHeightText(std::string text) { m_heightText = std::move(text); }
    std::uint32_t GetColour() const { return m_colour; }
    void SetColour(std::uint32_t colour) { m_colour = colour & 0x00FFFFFFu; }

    CValidationResult Validate() const;
    // What OK stores, once Validate accepted.
    std::string GetText() const;
    std::int32_t GetTextHeight() const;

private:
    std::string m_text;
    std::string m_heightText;
    std::uint32_t m_colour;
};
