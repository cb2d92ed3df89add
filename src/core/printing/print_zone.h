// The rectangle of the network that a print page shows, and how it is fitted to the sheet.
#pragma once

class CPrintPage;

// The rectangle is in network units, as drawn on the plan. The scale is page units per network
// unit and stays within 0.1..5.0, the range the page layout dialog offers: a scale of 0 (as a
// damaged PPAGE card can carry) would collapse the printer mapping. The document marks the zone
// of its current page as selected.
class CPrintZone
{
public:
    static constexpr int DefaultLeft = 603;
    static constexpr int DefaultTop = 1182;
    static constexpr int DefaultRight = 1398;
    static constexpr int DefaultBottom = 1690;
    static constexpr double MinScale = 0.1;
    static constexpr double MaxScale = 5.0;

    explicit CPrintZone(CPrintPage& owner) : m_owner(&owner) {}
    CPrintZone(const CPrintZone&) = delete;
    CPrintZone& operator=(const CPrintZone&) = delete;
    virtual ~CPrintZone() = default;

    CPrintPage& GetOwner() const { return *m_owner; }

    int GetLeft() const { return m_left; }
    int GetTop() const { return m_top; }
    int GetRight() const { return m_right; }
    int GetBottom() const { return m_bottom; }
    void SetRect(int left, int top, int right, int bottom);

    double GetScale() const { return m_scale; }
    // Clamped into MinScale..MaxScale; not a number gives MinScale.
    void SetScale(double scale) { m_scale = ClampScale(scale); }
    static double ClampScale(double scale);

    bool GetScaleToFit() const { return m_scaleToFit; }
    void SetScaleToFit(bool scaleToFit) { m_scaleToFit = scaleToFit; }
    bool GetCropToPrintZone() const { return m_cropToPrintZone; }
    void SetCropToPrintZone(bool crop) { m_cropToPrintZone = crop; }

private:
    CPrintPage* m_owner;
    int m_left = DefaultLeft;
    int m_top = DefaultTop;
    int m_right = DefaultRight;
    int m_bottom = DefaultBottom;
    double m_scale = 1.0;
    bool m_scaleToFit = false;
    bool m_cropToPrintZone = true;
};
