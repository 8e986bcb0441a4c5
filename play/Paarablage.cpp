#include "play/Paarablage.h"

std::array<int, 2> ablageReihenfolge(int tagErsteKarte)
{
    if (tagErsteKarte < 0)
        return {1, 0};
    return {0, 1};
}

QPoint kartenPlatz(int c, const Ablageraster& r)
{
    const int n = r.KartenProReihe < 1 ? 1 : r.KartenProReihe;
    return QPoint((c % n) * (r.KartenBreite + 1) + r.LinkerRand, (c / n) * (r.KartenHoehe + 1) + r.KopfHoehe);
}
