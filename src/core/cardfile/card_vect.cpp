// VECT cards in both coordinate forms.
#include "cardfile/card_vect.h"

#include "cardfile/card_builder.h"
#include "cardfile/card_coordinate.h"
#include "cardfile/card_line.h"

CCardVect CCardVect::FromPlan(double x1, double y1, double x2, double y2)
{
    return CCardVect(TruncateCardCoordinate(x1, "first x coordinate"),
                     TruncateCardCoordinate(y1, "first y coordinate"),
                     TruncateCardCoordinate(x2, "second x coordinate"),
                     TruncateCardCoordinate(y2, "second y coordinate"));
}

CCardVect CCardVect::FromLine(std::string_view line)
{
    const CCardLine card(line);
    card.ExpectKeyword(kKeyword, "Cannot find VECT  Card");
    if (card.IsLongForm()) {
        return CCardVect(card.Int(10, 10), card.Int(20, 10), card.Int(30, 10), card.Int(40, 10));
    }
    return CCardVect(card.Int(5, 5), card.Int(10, 5), card.Int(15, 5), card.Int(20, 5));
}

std::string CCardVect::Format() const
{
    return CCardBuilder(kKeyword)
        .Literal(" LONG")
        .Field("%10d", m_x1, "first x coordinate")
        .Field("%10d", m_y1, "first y coordinate")
        .Field("%10d", m_x2, "second x coordinate")
        .Field("%10d", m_y2, "second y coordinate")
        .Line();
}
