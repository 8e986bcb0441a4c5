#include "demo/Spielordner.h"

#include "board/Bilddateiname.h"

#include "demo/DemoBilder.h"
#include "karten/Beschriftung.h"
#include "board/Einstellungsvorlage.h"
#include "karten/Kartentext.h"
#include "karten/Spielordnerpruefung.h"

#include "platform/Systemfehler.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>

namespace {

constexpr int JpegQualitaet = 90;

QByteArray kodiert(const QImage& bild, const char* format, int qualitaet = -1)
{
    QByteArray daten;
    QBuffer puffer(&daten);
    puffer.open(QIODevice::WriteOnly);
    return bild.save(&puffer, format, qualitaet) ? daten : QByteArray();
}

// The two pictures of a pair must differ, or the pair would be a plain copy.
QStringList pruefePaarVerschieden(const QString& pfadA, const QString& pfadB)
{
    const QImage a(pfadA, "jpeg");
    const QImage b(pfadB, "jpeg");
    if (!a.isNull() && a == b)
        return {pfadA + QStringLiteral(" und ") + pfadB + QStringLiteral(" sind gleich")};
    return {};
}

} // namespace

QStringList schreibeSpielordner(const QString& ordner, const Dateischreiber& schreibe)
{
    const QDir ziel(ordner);
    if (!QDir().mkpath(ordner))
        return {ordner + QStringLiteral(": Ordner kann nicht angelegt werden")};
    // Without any font the lettering would silently be missing.
    if (zentrierterText(QStringLiteral("Paarlix"), 40, QPointF(), 1000).isEmpty())
        return {QStringLiteral("Keine Schrift gefunden (Paket fonts-dejavu-core fehlt?)")};

    // The first failure says it all: a full disk would fail every file after it too.
    const auto schreibeGanz = [&](const QString& pfad, const QByteArray& daten) -> QStringList {
        if (daten.isEmpty())
            return {pfad + QStringLiteral(": kann nicht gespeichert werden")};
        if (const int f = schreibe(pfad, daten))
            return {QStringLiteral("In „%1“ kann nicht geschrieben werden: %2")
                        .arg(QDir::toNativeSeparators(ordner), systemfehlerText(f))};
        return {};
    };
    const QString ini = ziel.filePath(QStringLiteral("Paarlix.ini"));
    // A folder with an old settings file would be a game while it is written.
    QFile::remove(ini);

    const QString bmp = ziel.filePath(QStringLiteral("Kartentext.bmp"));
    QStringList fehler = schreibeGanz(bmp, kodiert(zeichneKartentext(), "BMP"));
    if (!fehler.isEmpty())
        return fehler;
    fehler += pruefeKartentext(bmp);

    const QSize groesse(DemoBildBreite, DemoBildHoehe);
    for (int paar = 1; paar <= DemoPaare; ++paar) {
        QString pfade[2];
        for (const char buchstabe : {'a', 'b'}) {
            const QString pfad = ziel.filePath(bilddateiname(paar, buchstabe == 'b'));
            pfade[buchstabe - 'a'] = pfad;
            const QStringList geschrieben =
                schreibeGanz(pfad, kodiert(zeichneDemoBild(paar, buchstabe), "JPG", JpegQualitaet));
            if (!geschrieben.isEmpty())
                return geschrieben;
            fehler += pruefeJpeg(pfad, groesse);
        }
        fehler += pruefePaarVerschieden(pfade[0], pfade[1]);
    }

    if (const QStringList geschrieben = schreibeGanz(ini, einstellungsvorlage().toUtf8()); !geschrieben.isEmpty()) {
        QFile::remove(ini);
        return geschrieben;
    }
    fehler += pruefeEinstellungsdatei(ini);
    if (!fehler.isEmpty())
        QFile::remove(ini);
    return fehler;
}
