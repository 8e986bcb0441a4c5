#include "neuesspiel/Brettvorschauen.h"

#include "neuesspiel/Paaranzahl.h"

Brettvorschauen::Schritt Brettvorschauen::frage(const Brettfrage& frage)
{
    // Too few photos is answered at once; a running answer to an older question is then dropped.
    if (frage.Paare < MinBilder) {
        gefragt_.reset();
        return {brettvorschau(frage), std::nullopt};
    }
    gefragt_ = frage;
    if (antwort_ && antwort_->first == frage)
        return {antwort_->second, std::nullopt};
    Schritt schritt{{false, 0, 0, {}, QStringLiteral("Spielfeld wird berechnet …")}, std::nullopt};
    // Names change only the line about them: the board answered stays meanwhile.
    if (antwort_) {
        Brettfrage ohneNamen = frage;
        ohneNamen.Namen = antwort_->first.Namen;
        if (ohneNamen == antwort_->first)
            schritt.Zeigen = antwort_->second;
    }
    if (!rechnet_) {
        rechnet_ = true;
        schritt.Starte = frage;
    }
    return schritt;
}

std::optional<Brettfrage> Brettvorschauen::beantwortet(const Brettfrage& frage, const Brettvorschau& antwort)
{
    rechnet_ = false;
    if (gefragt_ && *gefragt_ == frage)
        antwort_.emplace(frage, antwort);
    if (!gefragt_ || (antwort_ && antwort_->first == *gefragt_))
        return std::nullopt;
    rechnet_ = true;
    return gefragt_;
}
