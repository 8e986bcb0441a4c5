#include "neuesspiel/Brettvorschau.h"

#include "board/Brettwahl.h"
#include "neuesspiel/Paaranzahl.h"
#include "karten/Textkarte.h"

#include <algorithm>

namespace {

std::vector<QSize> bekannteGroessen(const std::vector<QSize>& fotos)
{
    std::vector<QSize> bekannt;
    for (const QSize& foto : fotos)
        if (!foto.isEmpty())
            bekannt.push_back(foto);
    return bekannt;
}

// A text card fills its card, so its text shrinks with the card's height.
int aufDemBrett(int pixel, QSize karte, int kartenhoehe) { return pixel * kartenhoehe / karte.height(); }

// The second line about names too small to read on the board; empty when all can be read.
QString namensHinweis(const Brettfrage& frage, const Spielfeld& feld)
{
    const QSize karte = namenskartenGroesse(frage.Format);
    int kleinste = 0;
    for (const QString& name : frage.Namen)
        if (!name.trimmed().isEmpty()) {
            const int pixel = setzeText(name.trimmed(), karte).Pixel;
            kleinste = kleinste == 0 ? pixel : std::min(kleinste, pixel);
        }
    const int pixel = aufDemBrett(kleinste, karte, feld.Wahl.Karte.height());
    if (kleinste == 0 || pixel >= MinNamenPixel)
        return {};
    QString text = QStringLiteral("\nDie Namen wären auf den Karten nur %1 Pixel hoch und schwer zu lesen").arg(pixel);
    for (int paare = feld.Paare - 1; paare >= 1; --paare)
        if (aufDemBrett(kleinste, karte, waehleBrettMitLuecken(paare, frage.Format, frage.Bildschirm).Karte.height())
            >= MinNamenPixel)
            return text + QStringLiteral("; mit „Je Runde %1 Paare“ werden sie lesbar.").arg(paare);
    return text + QStringLiteral("; kürzere Namen werden größer.");
}

} // namespace

bool irgendwoLesbar(const QString& text, const Kartenformat& format, QSize bildschirm)
{
    const QSize karte = namenskartenGroesse(format);
    const int groesste = waehleBrettMitLuecken(1, format, bildschirm).Karte.height();
    // The smallest size on the card that is MinNamenPixel on that board.
    const int pixel = (MinNamenPixel * karte.height() + groesste - 1) / std::max(groesste, 1);
    return setztMindestens(text.trimmed(), karte, std::max(pixel, 1));
}

Brettfrage brettfrage(const std::vector<QSize>& fotos, QSize bildschirm, int jeRunde)
{
    // The writer's own rule: the card format from the photos read so far.
    return {int(fotos.size()), waehleKartenformat(bekannteGroessen(fotos)), bildschirm, jeRunde};
}

Brettvorschau brettvorschau(const Brettfrage& frage)
{
    const int paare = frage.Paare;
    if (paare == 0)
        return {false, 0, 0, {}, QStringLiteral("Noch keine Fotos.")};
    if (paare < MinBilder)
        return {false, 0, 0, {}, QStringLiteral("1 Foto – für ein Spiel werden mindestens %1 gebraucht.").arg(MinBilder)};
    const Spielfeld feld = waehleSpielfeld(paare, frage.JeRunde, frage.Format, frage.Bildschirm);
    const BrettMitLuecken& wahl = feld.Wahl;
    if (!feld.Gut)
        return {false, wahl.Brett.Spalten, wahl.Brett.Zeilen, wahl.Karte, feld.Fehler, feld.Paare, wahl.Frei};
    return {true, wahl.Brett.Spalten, wahl.Brett.Zeilen, wahl.Karte,
            QStringLiteral("%1, je %2 × %3 Pixel auf diesem Bildschirm")
                    .arg(spielfeldText(feld, paare, true)).arg(wahl.Karte.width()).arg(wahl.Karte.height())
                + namensHinweis(frage, feld),
            feld.Paare, wahl.Frei};
}

Brettvorschau brettvorschau(const std::vector<QSize>& fotos, QSize bildschirm)
{
    return brettvorschau(brettfrage(fotos, bildschirm));
}
