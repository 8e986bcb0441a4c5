// The cards of each pair written: photos copied or made JPEGs, text and sound cards drawn, sounds beside them.
#include "neuesspiel/SpielschreiberSchritte.h"

#include "karten/Fotokarte.h"
#include "karten/Textkarte.h"
#include "karten/Tonkarte.h"
#include "pictures/Arbeitsbitmap.h"
#include "pictures/JpegDekodierer.h"
#include "platform/Dateikopie.h"
#include "platform/Dateiname.h"
#include "platform/Dateischreiben.h"
#include "platform/Systemfehler.h"
#include "toene/Kartenton.h"

#include <QDir>

#include <unistd.h>

namespace spielschreiber {

namespace {

// From this many pictures on, every line carries a progress count.
constexpr int FortschrittAb = 20;

// A card's sound beside its picture: "03b.jpg" and "03b.ogg".
Schritt schreibeTon(const Kartenangabe& karte, const Kartentonplan& ton, const QDir& ordner, const QString& bild)
{
    if (ton.leer())
        return {};
    if (const QString f = legeTonAb(ton, ordner.filePath(kartentonName(bild))); !f.isEmpty())
        return fehlgeschlagen(mitHerkunft(karte.tonHerkunft(), QStringLiteral("Der Ton %1 kann nicht gespeichert werden: %2")
                                                                   .arg(sichtbarInAnfuehrung(karte.tonanzeige()), f))
                              + NichtsGeschrieben);
    return {};
}

// A photo card: a JPEG is checked with the game's own decoder and copied as
// it is, any other picture becomes a JPEG.
Schritt schreibeFoto(const NeuesSpiel& auftrag, const Plan& plan, const Kartenangabe& karte, const QString& ziel,
                     bool& umgewandelt, JpegDekodierer& dekodierer, Arbeitsbitmap& probe)
{
    const bool jpeg = istJpegDatei(karte.Foto);
    umgewandelt = !jpeg;
    const auto unlesbar = [&](const QString& grund) {
        return abgelehnt(mitHerkunft(karte, QStringLiteral("Das Bild %1 kann nicht gelesen werden: %2")
                                                .arg(sichtbarInAnfuehrung(karte.name()), grund))
                         + NichtsGeschrieben);
    };
    QByteArray umgewandeltesBild;
    if (const QString grund = jpeg ? jpegLesefehler(karte.Foto, dekodierer, probe) : wandleInJpegUm(karte.Foto, umgewandeltesBild);
        !grund.isEmpty())
        return unlesbar((grund.endsWith('.') ? grund.chopped(1) : grund) + QLatin1Char('.'));
    if (!jpeg) {
        if (const int f = schreibeNeueDatei(ziel, umgewandeltesBild))
            return schreibfehler(plan.Ziel, f);
        return {};
    }
    if (imAltenSpiel(auftrag, plan, karte.Foto) && ::link(roh(karte.Foto).constData(), roh(ziel).constData()) == 0)
        return {};
    const Kopie k = kopiere(karte.Foto, ziel, auftrag.Abgebrochen);
    if (k.Abgebrochen)
        return abgebrochen();
    if (k.Lesefehler)
        return unlesbar(systemfehlerText(k.Lesefehler));
    if (k.Schreibfehler)
        return schreibfehler(plan.Ziel, k.Schreibfehler);
    return {};
}

// The side a text card shows: beside a photo it is that photo's name card.
Textseite textseite(const Paarplan& paar, bool zweite)
{
    if (paar.mitFoto())
        return Textseite::ZuFoto;
    return zweite ? Textseite::Zweite : Textseite::Erste;
}

Schritt schreibeText(const Plan& plan, const Paarplan& paar, bool zweite, const QString& ziel)
{
    const Kartenangabe& angabe = zweite ? paar.Zweite : paar.Erste;
    const Textseite seite = textseite(paar, zweite);
    const QByteArray karte = angabe.istNurTon()
        ? tonkartenJpeg(tonkartenName(angabe.Ton, angabe.Tonname), paar.Paar, seite, plan.Format, KartenJpegQualitaet)
        : textkartenJpeg(angabe.Text, paar.Paar, seite, plan.Format, KartenJpegQualitaet);
    if (karte.isEmpty()) {
        const QString art = angabe.istNurTon() ? QStringLiteral("Die Tonkarte %1 kann nicht gezeichnet werden.")
                            : seite == Textseite::ZuFoto ? QStringLiteral("Die Namenskarte %1 kann nicht gezeichnet werden.")
                                                         : QStringLiteral("Die Textkarte %1 kann nicht gezeichnet werden.");
        const QString name = angabe.istNurTon() ? tonkartenName(angabe.Ton, angabe.Tonname) : angabe.Text;
        return fehlgeschlagen(mitHerkunft(angabe, art.arg(sichtbarInAnfuehrung(name))) + NichtsGeschrieben);
    }
    if (const int f = schreibeNeueDatei(ziel, karte))
        return schreibfehler(plan.Ziel, f);
    return {};
}

} // namespace

Schritt schreibePaar(const NeuesSpiel& auftrag, const Plan& plan, const Paarplan& paar, const QDir& ordner,
                     bool (&umgewandelt)[2], JpegDekodierer& dekodierer, Arbeitsbitmap& probe)
{
    const QString zielA = ordner.filePath(paar.ZielA);
    const QString zielB = ordner.filePath(paar.ZielB);
    if (Schritt s = paar.Erste.istFoto()
                        ? schreibeFoto(auftrag, plan, paar.Erste, zielA, umgewandelt[0], dekodierer, probe)
                        : schreibeText(plan, paar, false, zielA))
        return s;
    if (Schritt s = schreibeTon(paar.Erste, paar.TonA, ordner, paar.ZielA))
        return s;
    if (paar.Zweite.leer()) {
        if (Schritt s = alsSchritt(verlinke(zielA, zielB, auftrag.Abgebrochen), plan.Ziel); s || paar.TonA.leer())
            return s;
        return alsSchritt(verlinke(ordner.filePath(kartentonName(paar.ZielA)), ordner.filePath(kartentonName(paar.ZielB)),
                                   auftrag.Abgebrochen),
                          plan.Ziel);
    }
    if (Schritt s = paar.Zweite.istFoto()
                        ? schreibeFoto(auftrag, plan, paar.Zweite, zielB, umgewandelt[1], dekodierer, probe)
                        : schreibeText(plan, paar, true, zielB))
        return s;
    return schreibeTon(paar.Zweite, paar.TonB, ordner, paar.ZielB);
}

QString paarzeile(const Plan& plan, const Paarplan& paar, const bool (&umgewandelt)[2])
{
    const int anzahl = int(plan.Paare.size());
    QString zeile;
    if (anzahl >= FortschrittAb)
        zeile = QStringLiteral("[%1/%2] ").arg(paar.Paar, QString::number(anzahl).size()).arg(anzahl);
    const QString inJpeg = QStringLiteral(" (in JPEG umgewandelt)");
    const bool zweiFotos = paar.Erste.istFoto() && paar.Zweite.istFoto();
    const auto karte = [&](const Kartenangabe& k, const QString& datei, bool gewandelt) {
        const QString ton = k.Ton.isEmpty() ? QString() : QStringLiteral(" mit Ton → ") + kartentonName(datei);
        if (k.istNurTon())
            return QStringLiteral("Tonkarte ") + sichtbarInAnfuehrung(tonkartenName(k.Ton, k.Tonname)) + QStringLiteral(" → ")
                   + datei + ton;
        if (!k.istFoto())
            return (paar.mitFoto() ? QStringLiteral("Namenskarte ") : QStringLiteral("Textkarte "))
                   + sichtbarInAnfuehrung(k.Text) + QStringLiteral(" → ") + datei + ton;
        return sichtbar(k.name()) + QStringLiteral(" → ") + datei + (zweiFotos && gewandelt ? inJpeg : QString()) + ton;
    };
    zeile += karte(paar.Erste, paar.ZielA, umgewandelt[0]);
    zeile += paar.Zweite.leer() ? QStringLiteral(" und ") + paar.ZielB
                                : QStringLiteral(", ") + karte(paar.Zweite, paar.ZielB, umgewandelt[1]);
    if (!zweiFotos && (umgewandelt[0] || umgewandelt[1]))
        zeile += inJpeg;
    return zeile;
}

} // namespace spielschreiber
