#include "karten/Spielordnerpruefung.h"

#include "board/Einstellungsleser.h"
#include "board/Einstellungsvorlage.h"
#include "karten/JpegKopf.h"
#include "karten/Kartentext.h"

#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QStringDecoder>
#include <QtEndian>

namespace {

QByteArray leseDatei(const QString& pfad, QStringList& fehler)
{
    QFile datei(pfad);
    if (!datei.open(QIODevice::ReadOnly)) {
        fehler += pfad + QStringLiteral(": kann nicht gelesen werden");
        return {};
    }
    return datei.readAll();
}

QImage leseBild(const QString& pfad, const QByteArray& format, QStringList& fehler)
{
    QImageReader leser(pfad, format);
    leser.setDecideFormatFromContent(false);
    const QImage bild = leser.read();
    if (bild.isNull())
        fehler += pfad + QStringLiteral(": Qt kann das Bild nicht lesen (") + leser.errorString() + ')';
    return bild;
}

} // namespace

QStringList pruefeEinstellungsdatei(const QString& pfad, int spalten, int zeilen, const Kartenformat& format,
                                    int paareJeRunde)
{
    QStringList fehler;
    const QByteArray inhalt = leseDatei(pfad, fehler);
    if (!fehler.isEmpty())
        return fehler;
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8(inhalt);
    if (utf8.hasError())
        fehler += pfad + QStringLiteral(": kein gültiges UTF-8");
    if (inhalt.contains('\r'))
        fehler += pfad + QStringLiteral(": enthält Wagenrückläufe");

    // The program's own reader must accept the file with the demo's values.
    const Einstellungsergebnis e = leseEinstellungen(inhalt);
    const Spieleinstellungen& w = e.Werte;
    const bool richtig = !e.EinstellungsFehler && e.Fenster == Einstellungsergebnis::Fensterzustand::Maximiert
                         && w.FormatX == format.FormatX && w.FormatY == format.FormatY && w.Spalten == spalten && w.Zeilen == zeilen
                         && w.KartenBreite == AutoKartenBreite && w.AbstandX == 10 && w.AbstandY == 10
                         && w.HalbeDrehZeit == 400.0 / 24 / 3600 / 1000 / 2 && w.BilderSchneiden == format.Schneiden
                         && w.SpielerAbfragen && !w.Testmodus && w.PaareJeRunde == paareJeRunde;
    if (!richtig)
        fehler += pfad + QStringLiteral(": vom Programm nicht wie erwartet gelesen: ") + e.Meldung;
    return fehler;
}

QStringList pruefeKartentext(const QString& pfad)
{
    QStringList fehler;
    const QByteArray inhalt = leseDatei(pfad, fehler);
    if (!fehler.isEmpty())
        return fehler;
    constexpr int KopfLaenge = 54; // file header 14 + BITMAPINFOHEADER 40
    if (inhalt.size() < KopfLaenge || !inhalt.startsWith("BM")) {
        fehler += pfad + QStringLiteral(": keine BMP-Datei");
        return fehler;
    }
    const uchar* kopf = reinterpret_cast<const uchar*>(inhalt.constData());
    const int bits = qFromLittleEndian<quint16>(kopf + 28);
    const quint32 kompression = qFromLittleEndian<quint32>(kopf + 30);
    if (bits != 24 || kompression != 0)
        fehler += pfad + QStringLiteral(": %1 Bit pro Pixel, Kompression %2 statt 24 Bit unkomprimiert")
                             .arg(bits).arg(kompression);

    const QImage bild = leseBild(pfad, "bmp", fehler);
    if (bild.isNull())
        return fehler;
    if (bild.size() != QSize(KartentextGroesse, KartentextGroesse))
        fehler += pfad + QStringLiteral(": %1 x %2 Pixel statt %3 x %3")
                             .arg(bild.width()).arg(bild.height()).arg(KartentextGroesse);
    qint64 weiss = 0;
    qint64 farbig = 0;
    for (int y = 0; y < bild.height(); ++y)
        for (int x = 0; x < bild.width(); ++x)
            (bild.pixel(x, y) == qRgb(255, 255, 255) ? weiss : farbig) += 1;
    if (bild.pixel(0, 0) != qRgb(255, 255, 255))
        fehler += pfad + QStringLiteral(": die Ecke ist nicht reinweiß, das Muster wäre dort verdeckt");
    const qint64 alle = qint64(bild.width()) * bild.height();
    if (farbig < alle / 20 || weiss < alle / 5)
        fehler += pfad + QStringLiteral(": %1 weiße und %2 farbige Pixel, der Schriftzug fehlt")
                             .arg(weiss).arg(farbig);
    return fehler;
}

QStringList pruefeJpeg(const QString& pfad, QSize groesse)
{
    QStringList fehler;
    const QByteArray inhalt = leseDatei(pfad, fehler);
    if (!fehler.isEmpty())
        return fehler;
    const JpegKopf kopf = leseJpegKopf(inhalt);
    if (!kopf.Gefunden)
        fehler += pfad + QStringLiteral(": kein JPEG-Bildkopf gefunden");
    else if (kopf.SofTyp != 0 || kopf.BitsProWert != 8 || kopf.Komponenten != 3)
        fehler += pfad + QStringLiteral(": SOF%1, %2 Bit, %3 Komponenten statt Baseline, 8 Bit, 3 Komponenten")
                             .arg(kopf.SofTyp).arg(kopf.BitsProWert).arg(kopf.Komponenten);
    else if (kopf.Breite != groesse.width() || kopf.Hoehe != groesse.height())
        fehler += pfad + QStringLiteral(": Bildkopf sagt %1 x %2").arg(kopf.Breite).arg(kopf.Hoehe);

    const QImage bild = leseBild(pfad, "jpeg", fehler);
    if (!bild.isNull() && bild.size() != groesse)
        fehler += pfad + QStringLiteral(": %1 x %2 Pixel statt %3 x %4")
                             .arg(bild.width()).arg(bild.height())
                             .arg(groesse.width()).arg(groesse.height());
    return fehler;
}
