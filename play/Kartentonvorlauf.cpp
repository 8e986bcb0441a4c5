#include "play/Kartentonvorlauf.h"

#include "toene/Kartenton.h"
#include "toene/Tonleser.h"

#include <QFileInfo>

#include <algorithm>
#include <stdexcept>

namespace {

Kartenton leseKartenton(const QString& bildpfad)
{
    const QString pfad = kartentonZu(bildpfad);
    if (pfad.isEmpty())
        return {};
    try {
        const Tonergebnis ton = leseTon(pfad);
        if (!ton)
            return {};
        return {kartenklangAus(*ton.Ton), QFileInfo(pfad).completeBaseName()};
    } catch (const std::exception&) {
        // A sound too big for memory costs the card its sound, not the game.
        return {};
    }
}

} // namespace

Kartentonvorlauf::Kartentonvorlauf(const QStringList& pfade)
    : pool_(int(pfade.size()), 1, std::max(int(pfade.size()), 1),
            [pfade] { return [pfade](int k) { return leseKartenton(pfade[k]); }; })
{
}

Kartenton Kartentonvorlauf::hole(int k)
{
    if (k != pool_.genommen())
        throw std::logic_error("Kartentonvorlauf: Ton außer der Reihe verlangt");
    return pool_.hole();
}
