#include "widgets/Tonstrom.h"

bool tonstromNeuOeffnen(Tonstromlage lage, std::optional<double> letzterVersuch, double jetzt)
{
    if (!letzterVersuch)
        return true;
    // Without an error the stream plays, or one being opened is waited for.
    if (!lage.Fehler)
        return false;
    switch (lage.Zustand) {
    case Tonstromzustand::Keiner:
    case Tonstromzustand::Leerlauf:
    case Tonstromzustand::Gestoppt:
        return jetzt - *letzterVersuch >= TonstromNeuversuchAbstand;
    case Tonstromzustand::Aktiv:
    case Tonstromzustand::Angehalten:
        // Still running: a passing error (an underrun) that the stream gets over itself.
        return false;
    }
    return false;
}
