#include "pictures/BildDarstellung.h"

#include "pictures/Bildarbeitsobjekte.h"
#include "pictures/BmpLeser.h"
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

QString formatMeldung(const QString& dateiname)
{
    return QStringLiteral("Fehler: Das Bild \"") + dateiname
        + QStringLiteral("\" kann nicht dargestellt werden.\n\rEs sind nur die Bildformate JPG oder BMP möglich.");
}

// Scales the source rectangle into the destination rectangle of the work
// bitmap, replacing those pixels; the rest keeps its earlier content.
void strecke(const Arbeitsbitmap& quelle, const QRect& von, Arbeitsbitmap& ziel, const QRect& nach)
{
    if (von.isEmpty() || nach.isEmpty())
        return;
    const QImage ausschnitt = quelle.ansicht(von);
    if (ausschnitt.isNull())
        return;
    const QImage skaliert = ausschnitt.size() == nach.size()
        ? ausschnitt
        : ausschnitt.scaled(nach.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
              .convertToFormat(QImage::Format_RGB32);
    // Qt reports a failed allocation with a null image.
    if (skaliert.isNull())
        throw std::bad_alloc();
    const QRect sichtbar = nach.intersected(QRect(0, 0, ziel.Width(), ziel.Height()));
    for (int y = sichtbar.top(); y <= sichtbar.bottom(); ++y) {
        const auto* zeile = reinterpret_cast<const std::uint32_t*>(skaliert.constScanLine(y - nach.top()));
        std::memcpy(ziel.zeile(y) + sichtbar.left(), zeile + (sichtbar.left() - nach.left()),
                    std::size_t(sichtbar.width()) * 4);
    }
}

// A filled rectangle from (links, oben) up to but excluding (rechts, unten).
void rand(QPainter& p, int links, int oben, int rechts, int unten, const QColor& farbe)
{
    if (rechts > links && unten > oben)
        p.fillRect(QRect(links, oben, rechts - links, unten - oben), farbe);
}

} // namespace

QString dateiendung(const QString& dateiname)
{
    const qsizetype punkt = dateiname.lastIndexOf(QLatin1Char('.'));
    const qsizetype ordner = dateiname.lastIndexOf(QLatin1Char('/'));
    if (punkt < 0 || punkt < ordner)
        return QString();
    return dateiname.mid(punkt);
}

void BildDarstellung(Bildziel& image, const QString& dateiname, const QString& schnittmodus,
                     Bildarbeitsobjekte& arbeit, Meldungen& meldungen)
{
    const QString endung = dateiendung(dateiname);
    const bool bmp = gleichOhneGrossKlein(endung, QLatin1String(".bmp"));
    if (!bmp && !gleichOhneGrossKlein(endung, QLatin1String(".jpg"))
        && !gleichOhneGrossKlein(endung, QLatin1String(".jpeg"))) {
        meldungen.warnung(formatMeldung(dateiname));
        return;
    }

    const int TW = image.Width();
    const int TH = image.Height();
    arbeit.ZielBitmap.setzeHoehe(TH);
    arbeit.ZielBitmap.setzeBreite(TW);

    // The format follows the name alone.
    if (bmp)
        arbeit.QuellBitmap.uebernimm(leseBmp(dateiname));
    else
        arbeit.JpegDecoder.dekodiere(dateiname, arbeit.QuellBitmap);

    const Arbeitsbitmap& quelle = arbeit.QuellBitmap;
    const int W = quelle.Width();
    const int H = quelle.Height();

    if (W == TW && H == TH) {
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
        if (g.unskaliert) {
            p.drawImage(g.ziel.topLeft(), quelle.ansicht());
        } else {
            strecke(quelle, g.quelle, arbeit.ZielBitmap, g.ziel);
            p.drawImage(QPoint(0, 0), arbeit.ZielBitmap.ansicht());
        }

        const int dx = g.ziel.x(), dy = g.ziel.y(), dw = g.ziel.width(), dh = g.ziel.height();
        if (dx > 0) {
            rand(p, 0, 0, dx, TH, knopf);
            rand(p, dx + dw, 0, TW, TH, knopf);
        }
        if (dy > 0) {
            rand(p, 0, 0, TW, dy, knopf);
            rand(p, 0, dy + dh, TW, TH, knopf);
        }
    }

    Leinwand& canvas = image.leinwand();
    canvas.Stiftbreite = 0;
    canvas.Stiftfarbe = knopf;
    canvas.Pinselfarbe = knopf;
    canvas.Pinselstil = Qt::NoBrush;

    image.gezeichnet();
}
