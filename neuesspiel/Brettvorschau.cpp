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

// The smallest size on a card of `karte` that is MinNamenPixel on a board card `kartenhoehe` high.
int noetigFuer(QSize karte, int kartenhoehe)
{
    return std::max((MinNamenPixel * karte.height() + kartenhoehe - 1) / std::max(kartenhoehe, 1), 1);
}

// The size setzeText gives `text` on `karte`, for a text no board makes readable: from the quick
// check alone, since laying out a long pasted text takes seconds. below: a size it does not reach.
int geschaetzt(const QString& text, QSize karte, int darunter)
{
    int lo = 0;
    while (darunter - lo > 1) {
        const int mitte = (lo + darunter) / 2;
        (setztMindestens(text, karte, mitte) ? lo : darunter) = mitte;
    }
    return std::max(lo, 1);
}

struct Namenshinweis {
    QString Text; // the second line; empty when every name can be read
    int Vorschlag = 0;
};

Namenshinweis namensHinweis(const Brettfrage& frage, const Spielfeld& feld)
{
    const QSize karte = namenskartenGroesse(frage.Format);
    const int noetig = noetigFuer(karte, feld.Wahl.Karte.height());
    const int ueberall = noetigFuer(karte, waehleBrettMitLuecken(1, frage.Format, frage.Bildschirm).Karte.height());
    int kleinste = 0;
    for (const QString& name : frage.Namen) {
        const QString text = name.trimmed();
        // The quick check first: most names are readable, and they need no layout then.
        if (text.isEmpty() || setztMindestens(text, karte, noetig))
            continue;
        const int pixel = setztMindestens(text, karte, ueberall) ? setzeText(text, karte).Pixel
                                                                 : geschaetzt(text, karte, ueberall);
        kleinste = kleinste == 0 ? pixel : std::min(kleinste, pixel);
    }
    const int pixel = aufDemBrett(kleinste, karte, feld.Wahl.Karte.height());
    if (kleinste == 0 || pixel >= MinNamenPixel)
        return {};
    QString text = QStringLiteral("\nDie Namen wären auf den Karten nur %1 Pixel hoch und schwer zu lesen").arg(pixel);
    for (int paare = feld.Paare - 1; paare >= 1; --paare)
        if (aufDemBrett(kleinste, karte, waehleBrettMitLuecken(paare, frage.Format, frage.Bildschirm).Karte.height())
            >= MinNamenPixel)
            return {text + QStringLiteral("; mit „Je Runde %1 Paare“ werden sie lesbar.").arg(paare), paare};
    return {text + QStringLiteral("; kürzere Namen werden größer.")};
}

} // namespace

bool irgendwoLesbar(const QString& text, const Kartenformat& format, QSize bildschirm)
{
    const QSize karte = namenskartenGroesse(format);
    const int groesste = waehleBrettMitLuecken(1, format, bildschirm).Karte.height();
    // The smallest size on the card that is MinNamenPixel on that board.
    return setztMindestens(text.trimmed(), karte, noetigFuer(karte, groesste));
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
        return {false, 0, 0, {}, QStringLiteral("Noch keine Paare.")};
    if (paare < MinBilder)
        return {false, 0, 0, {}, QStringLiteral("1 Paar – für ein Spiel werden mindestens %1 gebraucht.").arg(MinBilder)};
    const Spielfeld feld = waehleSpielfeld(paare, frage.JeRunde, frage.Format, frage.Bildschirm);
    const BrettMitLuecken& wahl = feld.Wahl;
    if (!feld.Gut)
        return {false, wahl.Brett.Spalten, wahl.Brett.Zeilen, wahl.Karte, feld.Fehler, feld.Paare, wahl.Frei};
    const Namenshinweis namen = namensHinweis(frage, feld);
    Brettvorschau vorschau{true, wahl.Brett.Spalten, wahl.Brett.Zeilen, wahl.Karte,
                           QStringLiteral("%1, je bis zu %2 × %3 Pixel auf diesem Bildschirm")
                                   .arg(spielfeldText(feld, paare, true)).arg(wahl.Karte.width()).arg(wahl.Karte.height())
                               + namen.Text,
                           feld.Paare, wahl.Frei};
    vorschau.Vorschlag = namen.Vorschlag;
    return vorschau;
}

Brettvorschau brettvorschau(const std::vector<QSize>& fotos, QSize bildschirm)
{
    return brettvorschau(brettfrage(fotos, bildschirm));
}
