#include "widgets/Tonstrom.h"

bool tonstromGestoert(Tonstromlage lage)
{
    switch (lage.Zustand) {
    case Tonstromzustand::Keiner:
    case Tonstromzustand::Leerlauf:
    case Tonstromzustand::Gestoppt:
        return lage.Fehler;
    case Tonstromzustand::Aktiv:
    case Tonstromzustand::Angehalten:
        return false;
    }
    return false;
}

bool tonstromNeuOeffnen(Tonstromlage lage, std::optional<double> letzterVersuch, double jetzt)
{
    if (!letzterVersuch)
        return true;
    // Without a failure the stream plays, or one being opened is waited for.
    return tonstromGestoert(lage) && jetzt - *letzterVersuch >= TonstromNeuversuchAbstand;
}
