#include "demo/Spielordner.h"

#include "board/Bilddateiname.h"

#include "demo/DemoBilder.h"
#include "neuesspiel/Beschriftung.h"
#include "neuesspiel/Einstellungsvorlage.h"
#include "neuesspiel/Kartentext.h"
#include "neuesspiel/Spielordnerpruefung.h"

#include <QDir>
#include <QImage>
#include <QSaveFile>

namespace {

constexpr int JpegQualitaet = 90;

QStringList schreibeEinstellungen(const QString& pfad)
{
    QSaveFile datei(pfad);
    if (!datei.open(QIODevice::WriteOnly))
        return {pfad + QStringLiteral(": kann nicht geschrieben werden (") + datei.errorString() + ')'};
    datei.write(einstellungsvorlage().toUtf8());
    if (!datei.commit())
        return {pfad + QStringLiteral(": kann nicht geschrieben werden (") + datei.errorString() + ')'};
    return {};
}

QStringList speichere(const QImage& bild, const QString& pfad, const char* format, int qualitaet = -1)
{
    if (!bild.save(pfad, format, qualitaet))
        return {pfad + QStringLiteral(": kann nicht gespeichert werden")};
    return {};
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

QStringList schreibeSpielordner(const QString& ordner)
{
    const QDir ziel(ordner);
    if (!QDir().mkpath(ordner))
        return {ordner + QStringLiteral(": Ordner kann nicht angelegt werden")};
    // Without any font the lettering would silently be missing.
    if (zentrierterText(QStringLiteral("Paarlix"), 40, QPointF(), 1000).isEmpty())
        return {QStringLiteral("Keine Schrift gefunden (Paket fonts-dejavu-core fehlt?)")};

    QStringList fehler;
    const QString ini = ziel.filePath(QStringLiteral("Paarlix.ini"));
    fehler += schreibeEinstellungen(ini);
    fehler += pruefeEinstellungsdatei(ini);

    const QString bmp = ziel.filePath(QStringLiteral("Kartentext.bmp"));
    fehler += speichere(zeichneKartentext(), bmp, "BMP");
    fehler += pruefeKartentext(bmp);

    const QSize groesse(DemoBildBreite, DemoBildHoehe);
    for (int paar = 1; paar <= DemoPaare; ++paar) {
        QString pfade[2];
        for (const char buchstabe : {'a', 'b'}) {
            const QString pfad = ziel.filePath(bilddateiname(paar, buchstabe == 'b'));
            pfade[buchstabe - 'a'] = pfad;
            fehler += speichere(zeichneDemoBild(paar, buchstabe), pfad, "JPG", JpegQualitaet);
            fehler += pruefeJpeg(pfad, groesse);
        }
        fehler += pruefePaarVerschieden(pfade[0], pfade[1]);
    }
    return fehler;
}
