#include "play/Gruppenstand.h"

int Gruppenstand::karteAblegen(int gruppe)
{
    return GesammelteKarten[gruppe]++;
}

int Gruppenstand::paarWerten(int gruppe)
{
    Punkte[gruppe] += 2;
    return Punkte[gruppe];
}

int Gruppenstand::zugZaehlen()
{
    return ++Spielzuege;
}
