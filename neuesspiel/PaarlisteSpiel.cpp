// A written game opened in the list of pairs.
#include "neuesspiel/Paarliste.h"

int Paarliste::fuegeSpielHinzu(const Paarangaben& paare)
{
    const int erste = fuegePaareHinzu(paare);
    if (erste < 0)
        return erste;
    // The game keeps no word of whether a photo's text was its name or typed beside it; as a
    // name it goes on with the quick setting and is typed where names are.
    for (int i = erste; i < anzahl(); ++i) {
        Paarzeile& z = zeilen_[std::size_t(i)];
        if (z.istText() || z.Zweite != Zweitart::Text)
            continue;
        z.Name = z.Zweittext;
        z.Zweittext.clear();
        z.Zweite = Zweitart::Name;
    }
    pruefeDoppelte();
    return erste;
}
