// POINT cards in both coordinate forms.
#include "cardfile/card_point.h"

#include "cardfile/card_builder.h"
#include "cardfile/card_coordinate.h"
#include "cardfile/card_line.h"

CCardPoint CCardPoint::FromPlan(double x, double y)
{
    return CCardPoint(TruncateCardCoordinate(x, "x coordinate"),
                      TruncateCardCoordinate(y, "y coordinate"));
}

CCardPoint CCardPoint::FromLine(std::string_view line)
{
    const CCardLine card(line);
    card.ExpectKeyword(kKeyword, "Cannot find POINT Card");
    if (card.IsLongForm()) {
        return CCardPoint(card.Int(10, 10), card.Int(20, 10));
    }
    return CCardPoint(card.Int(5, 5), card.Int(10, 5));
}

std::string CCardPoint::Format() const
{
    return CCardBuilder(kKeyword)
        .Literal(" LONG")
        .Field("%10d", m_x, "x coordinate")
        .Field("%10d", m_y, "y coordinate")
        .Line();
}
