#include "play/Kartentonvorlauf.h"

#include "toene/Kartenton.h"
#include "toene/Tonleser.h"

#include <QFileInfo>

#include <algorithm>
#include <stdexcept>

namespace {

Kartenton leseKartenton(const QString& pfad)
{
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

Kartentonvorlauf::Kartentonvorlauf(const Spieldateien& ordner, const QStringList& namen)
{
    // Looked up in the folder's listing: no file is touched here.
    bool einer = false;
    for (const QString& name : namen) {
        toene_.append(kartentonZu(ordner, name));
        einer = einer || !toene_.back().isEmpty();
    }
    if (!einer)
        return;
    // All queued at once: they are few and short, and all are kept for the game.
    pool_.emplace(int(toene_.size()), 1, int(toene_.size()),
                  [toene = toene_] { return [toene](int k) { return leseKartenton(toene[k]); }; });
}

Kartenton Kartentonvorlauf::hole(int k)
{
    if (k != genommen_ || k >= int(toene_.size()))
        throw std::logic_error("Kartentonvorlauf: Ton außer der Reihe verlangt");
    ++genommen_;
    return pool_ ? pool_->hole() : Kartenton{};
}
