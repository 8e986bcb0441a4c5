#include "pictures/Vorschaubilder.h"

#include "pictures/Arbeitsbitmap.h"
#include "pictures/JpegDekodierer.h"
#include "platform/Lesedatei.h"
#include "platform/PaarlixFehler.h"
#include "platform/Vorlaufpool.h"

#include <QImageReader>
#include <QPainter>

#include <algorithm>
#include <cstdio>

namespace {

QImage verkleinert(const QImage& bild, int kante)
{
    if (bild.width() <= kante && bild.height() <= kante)
        return bild.convertToFormat(QImage::Format_RGB32);
    return bild.scaled(kante, kante, Qt::KeepAspectRatio, Qt::SmoothTransformation)
        .convertToFormat(QImage::Format_RGB32);
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
    QImage bild = leser.read();
    if (bild.isNull()) {
        v.Fehler = QStringLiteral("die Bilddaten sind nicht lesbar");
        return v;
    }
    v.Groesse = groesse.isValid() ? groesse : bild.size();
    // Transparent parts show white, as the writer will make them.
    QImage weiss(bild.size(), QImage::Format_RGB32);
    weiss.fill(Qt::white);
    {
        QPainter maler(&weiss);
        maler.drawImage(0, 0, bild);
    }
    v.Bild = verkleinert(weiss, kante);
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
    unsigned char kopf[3] = {};
    std::FILE* strom = datei.alsStream();
    const bool jpeg = strom && std::fread(kopf, 1, 3, strom) == 3 && kopf[0] == 0xFF && kopf[1] == 0xD8
        && kopf[2] == 0xFF;
    if (strom)
        std::fclose(strom);
    if (!jpeg)
        return mitQt(pfad, kante);
    try {
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

Vorschaubilder::Vorschaubilder(int kante, Fertig fertig, int arbeiter) : kante_(kante), fertig_(std::move(fertig))
{
    const int anzahl = arbeiter >= 1 ? arbeiter : rechenkerne();
    for (int i = 0; i < anzahl; ++i)
        threads_.emplace_back([this] { arbeite(); });
}

Vorschaubilder::~Vorschaubilder()
{
    {
        const std::lock_guard<std::mutex> sperre(mutex_);
        halt_ = true;
        offen_.clear();
    }
    neu_.notify_all();
    for (std::thread& t : threads_)
        t.join();
}

void Vorschaubilder::bestelle(std::uint64_t nummer, const QString& pfad)
{
    {
        const std::lock_guard<std::mutex> sperre(mutex_);
        offen_.push_back({nummer, pfad});
    }
    neu_.notify_one();
}

void Vorschaubilder::vergissOffene()
{
    const std::lock_guard<std::mutex> sperre(mutex_);
    offen_.clear();
}

void Vorschaubilder::arbeite()
{
    JpegDekodierer dekodierer;
    Arbeitsbitmap puffer;
    while (true) {
        Auftrag auftrag;
        {
            std::unique_lock<std::mutex> sperre(mutex_);
            neu_.wait(sperre, [this] { return halt_ || !offen_.empty(); });
            if (halt_)
                return;
            auftrag = std::move(offen_.front());
            offen_.pop_front();
        }
        Vorschau v;
        try {
            v = machVorschau(auftrag.pfad, kante_, dekodierer, puffer);
        } catch (const std::exception&) {
            // Out of memory for one photo must not end the thread.
            v = Vorschau();
            v.Fehler = QStringLiteral("nicht genug Arbeitsspeicher");
        }
        v.Nummer = auftrag.nummer;
        fertig_(std::move(v));
    }
}
