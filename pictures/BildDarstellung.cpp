#include "pictures/BildDarstellung.h"

#include "pictures/Bildarbeitsobjekte.h"
#include "pictures/Bildfehler.h"
#include "pictures/BmpLeser.h"
#include "pictures/Bildzeichnung.h"
#include "pictures/Passgeometrie.h"
#include "platform/Bildziel.h"
#include "platform/Meldungen.h"
#include "platform/Systemfarben.h"

#include <QPainter>

#include <new>

#include <algorithm>
#include <cstring>

namespace {

// Compares ignoring the case of A to Z only.
bool gleichOhneGrossKlein(const QString& a, QLatin1String b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        char16_t c = a[i].unicode();
        if (c >= u'A' && c <= u'Z')
            c = char16_t(c - u'A' + u'a');
        if (c != char16_t(quint8(b.data()[i])))
            return false;
    }
    return true;
}

// Scales the source rectangle (of the full size) into the destination
// rectangle of the work bitmap, replacing those pixels; the rest keeps its
// earlier content.
void strecke(const Arbeitsbitmap& quelle, QSize voll, const QRect& von, Arbeitsbitmap& ziel, const QRect& nach)
{
    if (von.isEmpty() || nach.isEmpty())
        return;
    const QImage skaliert = skaliereAusschnitt(quelle, voll, von, nach.size());
    if (skaliert.isNull())
        return;
    const QRect sichtbar = nach.intersected(QRect(0, 0, ziel.Width(), ziel.Height()));
    for (int y = sichtbar.top(); y <= sichtbar.bottom(); ++y) {
        const auto* zeile = reinterpret_cast<const std::uint32_t*>(skaliert.constScanLine(y - nach.top()));
        std::memcpy(ziel.zeile(y) + sichtbar.left(), zeile + (sichtbar.left() - nach.left()),
                    std::size_t(sichtbar.width()) * 4);
    }
}

} // namespace

QString formatMeldung(const QString& dateiname)
{
    return QStringLiteral("Fehler: Das Bild \"") + dateiname
        + QStringLiteral("\" kann nicht dargestellt werden.\n\rEs sind nur die Bildformate JPG oder BMP möglich.");
}

Bildformat bildformatVon(const QString& dateiname)
{
    const QString endung = dateiendung(dateiname);
    if (gleichOhneGrossKlein(endung, QLatin1String(".bmp")))
        return Bildformat::Bmp;
    if (gleichOhneGrossKlein(endung, QLatin1String(".jpg")) || gleichOhneGrossKlein(endung, QLatin1String(".jpeg")))
        return Bildformat::Jpeg;
    return Bildformat::Unbekannt;
}

QSize dekodiereNachName(const QString& dateiname, bool bmp, JpegDekodierer& dekodierer, Arbeitsbitmap& ziel,
                        const JpegDekodierer::Achtelwahl& wahl, const Spieldateien& ordner)
{
    if (!bmp)
        return dekodierer.dekodiere(dateiname, ziel, wahl, ordner);
    ziel.uebernimm(leseBmp(dateiname, ordner));
    return QSize(ziel.Width(), ziel.Height());
}

QString dateiendung(const QString& dateiname)
{
    const qsizetype punkt = dateiname.lastIndexOf(QLatin1Char('.'));
    const qsizetype ordner = dateiname.lastIndexOf(QLatin1Char('/'));
    if (punkt < 0 || punkt < ordner)
        return QString();
    return dateiname.mid(punkt);
}

namespace {

void stelleDar(Bildziel& image, const QString& dateiname, const QString& schnittmodus, Bildarbeitsobjekte& arbeit,
               Meldungen& meldungen)
{
    const Bildformat format = bildformatVon(dateiname);
    if (format == Bildformat::Unbekannt) {
        meldungen.warnung(formatMeldung(dateiname));
        return;
    }
    const bool bmp = format == Bildformat::Bmp;

    const int TW = image.Width();
    const int TH = image.Height();
    arbeit.ZielBitmap.setzeHoehe(TH);
    arbeit.ZielBitmap.setzeBreite(TW);

    // The format follows the name alone.
    const QSize voll = dekodiereNachName(dateiname, bmp, arbeit.JpegDecoder, arbeit.QuellBitmap, {}, arbeit.Ordner);

    const Arbeitsbitmap& quelle = arbeit.QuellBitmap;
    const int W = voll.width();
    const int H = voll.height();
    // Only a picture too large for memory is decoded at a reduced scale.
    const bool vollstaendig = quelle.Width() == W && quelle.Height() == H;

    if (vollstaendig && W == TW && H == TH) {
        // A deep copy: the work bitmap's buffer is reused by the next call.
        const QImage kopie = quelle.kopie();
        if (kopie.isNull() && W > 0 && H > 0)
            throw std::bad_alloc();
        image.setzeBild(kopie);
        return;
    }

    const Passgeometrie g = berechnePassgeometrie(W, H, TW, TH, schnittmodus);
    const QColor knopf = buttonFaceFarbe();

    QImage& flaeche = image.zeichenbitmap();
    if (flaeche.isNull() && TW > 0 && TH > 0)
        throw std::bad_alloc();
    if (!flaeche.isNull()) {
        QPainter p(&flaeche);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        if (g.Unskaliert && vollstaendig) {
            p.drawImage(g.Ziel.topLeft(), quelle.ansicht());
        } else {
            strecke(quelle, voll, g.Quelle, arbeit.ZielBitmap, g.Ziel);
            p.drawImage(QPoint(0, 0), arbeit.ZielBitmap.ansicht());
        }
        p.end();
        maleRaender(flaeche, g.Ziel, knopf);
    }

    schliesseDarstellungAb(image, knopf);
}

} // namespace

void BildDarstellung(Bildziel& image, const QString& dateiname, const QString& schnittmodus,
                     Bildarbeitsobjekte& arbeit, Meldungen& meldungen)
{
    mitBildname(dateiname, [&] { stelleDar(image, dateiname, schnittmodus, arbeit, meldungen); });
}

void schliesseDarstellungAb(Bildziel& ziel, const QColor& randfarbe)
{
    Leinwand& canvas = ziel.leinwand();
    canvas.Stiftbreite = 0;
    canvas.Stiftfarbe = randfarbe;
    canvas.Pinselfarbe = randfarbe;
    canvas.Pinselstil = Qt::NoBrush;
    ziel.gezeichnet();
}
