// The game's sounds: which step sounds comes from the move rules, the window
// only passes it on while the sound is on. The key M switches it.
#include "app/Unit1.h"

#include "play/Klangwahl.h"
#include "platform/Nutzerkonfiguration.h"
#include "widgets/Ansagefeld.h"
#include "widgets/Klangausgabe.h"

#include <QShortcut>

namespace {
const QString TonSchluessel = QStringLiteral("Ton");
const QString Aus = QStringLiteral("aus");
const QString An = QStringLiteral("an");
} // namespace

void TForm1::richteTonEin(Klangausgabe* ausgabe, bool ohneTon)
{
    klangausgabe_ = ausgabe;
    tonAn_ = !ohneTon && Nutzerkonfiguration(konfigurationspfad_).wert(TonSchluessel) != Aus;
    if (tonAn_ && klangausgabe_)
        klangausgabe_->bereiteVor();
    // A text field takes its letters first: typing a name with an M switches nothing.
    auto* taste = new QShortcut(QKeySequence(Qt::Key_M), this);
    connect(taste, &QShortcut::activated, this, [this] { schalteTonUm(); });
}

void TForm1::schalteTonUm()
{
    tonAn_ = !tonAn_;
    if (tonAn_ && klangausgabe_)
        klangausgabe_->bereiteVor();
    if (!konfigurationspfad_.isEmpty()) {
        Nutzerkonfiguration konfiguration(konfigurationspfad_);
        konfiguration.setzeWert(TonSchluessel, tonAn_ ? An : Aus);
        if (!konfiguration.speichere())
            konfiguration.meldeNichtGespeichert();
    }
    Ansage->ansagen(tonAn_ ? QStringLiteral("Ton an.") : QStringLiteral("Ton aus."));
}

void TForm1::spieleKlangZu(const Zugschritt& schritt)
{
    if (!tonAn_ || !klangausgabe_)
        return;
    if (const std::optional<Klang> klang = klangZu(schritt))
        klangausgabe_->spiele(*klang);
}
