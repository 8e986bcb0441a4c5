#include "platform/Fensterlage.h"

std::optional<QRect> maximierteClientflaeche(const QRect& verfuegbar, const QMargins& rahmen, const QRect& aussen)
{
    if (verfuegbar.contains(aussen))
        return std::nullopt;
    return verfuegbar.marginsRemoved(rahmen);
}
