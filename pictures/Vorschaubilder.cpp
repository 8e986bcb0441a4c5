#include "pictures/Vorschaubilder.h"

#include "pictures/Arbeitsbitmap.h"
#include "pictures/Bildart.h"
#include "pictures/BmpLeser.h"
#include "pictures/HeifLeser.h"
#include "pictures/JpegDekodierer.h"
#include "platform/Arbeitsschlange.h"
#include "platform/Lesedatei.h"
#include "platform/PaarlixFehler.h"

#include <QImageReader>
#include <QPainter>

#include <algorithm>
#include <cstdio>
#include <memory>

namespace {

// Within kante x kante, owning its pixels: bild may be a view of a buffer that the
// worker's next decode overwrites or frees.
QImage verkleinert(const QImage& bild, int kante)
{
    QImage klein = bild.width() <= kante && bild.height() <= kante
        ? bild.convertToFormat(QImage::Format_RGB32)
        : bild.scaled(kante, kante, Qt::KeepAspectRatio, Qt::SmoothTransformation)
              .convertToFormat(QImage::Format_RGB32);
    // Converting to the format it already has shares the pixels.
    if (klein.constBits() == bild.constBits())
        klein = klein.copy();
    return klein;
}

// Transparent parts show white, as the writer will make them.
QImage aufWeiss(const QImage& bild)
{
    QImage weiss(bild.size(), QImage::Format_RGB32);
    weiss.fill(Qt::white);
    QPainter maler(&weiss);
    maler.drawImage(0, 0, bild);
    return weiss;
}

// Other formats: Qt's reader, turned upright, shrunk while reading where the format can.
Vorschau mitQt(const QString& pfad, int kante)
{
    Vorschau v;
    QImageReader leser(pfad);
    leser.setAutoTransform(true);
    if (!leser.canRead()) {
        v.Fehler = QStringLiteral("kein bekanntes Bildformat");
        return v;
    }
    QSize groesse = leser.size();
    if (leser.transformation() & QImageIOHandler::TransformationRotate90)
        groesse.transpose();
    const QImage bild = leser.read();
    if (bild.isNull()) {
        v.Fehler = QStringLiteral("die Bilddaten sind nicht lesbar");
        return v;
    }
    v.Groesse = groesse.isValid() ? groesse : bild.size();
    v.Bild = verkleinert(aufWeiss(bild), kante);
    return v;
}

} // namespace

Vorschau machVorschau(const QString& pfad, int kante, JpegDekodierer& dekodierer, Arbeitsbitmap& puffer)
{
    Vorschau v;
    Lesedatei datei(pfad);
    if (!datei.offen()) {
        v.Fehler = QStringLiteral("keine lesbare Bilddatei");
        return v;
    }
    unsigned char kopf[32] = {};
    std::FILE* strom = datei.alsStream();
    const std::size_t gelesen = strom ? std::fread(kopf, 1, sizeof kopf, strom) : 0;
    if (strom)
        std::fclose(strom);
    const Bildart art = bildart(kopf, gelesen, pfad);
    if (art == Bildart::Andere)
        return mitQt(pfad, kante);
    try {
        if (art == Bildart::Bmp) {
            // Qt's reader alone leaves the pixels of a damaged file uninitialised.
            const QImage bild = leseBmp(pfad);
            v.Groesse = bild.size();
            v.Bild = verkleinert(aufWeiss(bild), kante);
            return v;
        }
        if (art == Bildart::Heif) {
            const HeifBild bild = leseHeif(pfad, HeifUmfang::Vorschau, kante);
            v.Groesse = bild.Groesse;
            const QImage weiss = bild.Bild.hasAlphaChannel() ? aufWeiss(bild.Bild) : bild.Bild;
            // A thumbnail's sides may be rounded to even numbers: the photo's own proportions count.
            const QSize ziel = v.Groesse.width() <= kante && v.Groesse.height() <= kante
                ? v.Groesse
                : v.Groesse.scaled(kante, kante, Qt::KeepAspectRatio);
            v.Bild = weiss.size() == ziel ? weiss.convertToFormat(QImage::Format_RGB32)
                                          : weiss.scaled(ziel, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                                                .convertToFormat(QImage::Format_RGB32);
            return v;
        }
        // The smallest eighth whose longer side still reaches kante.
        const auto achtel = [kante](int breite, int hoehe) {
            const int seite = std::max(breite, hoehe);
            for (int m = 1; m < 8; ++m)
                if (seite * m / 8 >= kante)
                    return m;
            return 8;
        };
        v.Groesse = dekodierer.dekodiere(pfad, puffer, achtel);
        v.Bild = verkleinert(puffer.ansicht(), kante);
    } catch (const EPaarlixFehler& f) {
        v = Vorschau();
        v.Fehler = f.text();
    }
    return v;
}

// The previews are made on the worker queue, each worker with a decoder and a buffer
// of its own, made at its first photo.
class Vorschaubilder::Innen {
public:
    Innen(int kante, Fertig fertig, int arbeiter)
        : kante_(kante), schlange_(arbeiter >= 1 ? arbeiter : rechenkerne(),
                                   [fertig = std::move(fertig)](Lieferung<Vorschau> l) { fertig(l.nimm()); })
    {
    }

    void bestelle(std::uint64_t nummer, const QString& pfad)
    {
        schlange_.stelle(nummer, [nummer, pfad, kante = kante_](std::unique_ptr<Werkzeug>& werkzeug) {
            Vorschau v;
            try {
                if (!werkzeug)
                    werkzeug = std::make_unique<Werkzeug>();
                v = machVorschau(pfad, kante, werkzeug->dekodierer, werkzeug->puffer);
            } catch (...) {
                // Out of memory for one photo must not end the others.
                v = Vorschau();
                v.Fehler = QStringLiteral("nicht genug Arbeitsspeicher");
            }
            v.Nummer = nummer;
            return v;
        });
    }

    void vergissOffene() { schlange_.neueRunde(); }

private:
    struct Werkzeug {
        JpegDekodierer dekodierer;
        Arbeitsbitmap puffer;
    };

    const int kante_;
    Arbeitsschlange<Vorschau, std::unique_ptr<Werkzeug>> schlange_;
};

Vorschaubilder::Vorschaubilder(int kante, Fertig fertig, int arbeiter)
    : innen_(std::make_unique<Innen>(kante, std::move(fertig), arbeiter))
{
}

Vorschaubilder::~Vorschaubilder() = default;

void Vorschaubilder::bestelle(std::uint64_t nummer, const QString& pfad)
{
    innen_->bestelle(nummer, pfad);
}

void Vorschaubilder::vergissOffene()
{
    innen_->vergissOffene();
}
