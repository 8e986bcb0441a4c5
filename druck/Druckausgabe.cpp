#include "druck/Druckausgabe.h"

#include "board/Bilddateiname.h"
#include "board/Einstellungsleser.h"
#include "board/Kartenrueckseite.h"
#include "karten/Kartenkommentar.h"
#include "karten/Textkarte.h"
#include "pictures/Arbeitsbitmap.h"
#include "pictures/BmpLeser.h"
#include "pictures/Bildzeichnung.h"
#include "pictures/JpegDekodierer.h"
#include "pictures/Passgeometrie.h"
#include "platform/Ersatzdatei.h"
#include "platform/PaarlixFehler.h"
#include "platform/Systemfehler.h"
#include "platform/Vorlaufpool.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <cerrno>
#include <map>
#include <set>
#include <sys/stat.h>
#include <cmath>
#include <memory>
#include <optional>

namespace {

// One picture to prepare for a card.
struct Bildauftrag {
    QString Dateiname;
    int Paar = 0;
    QSize Pixel;
    bool Schneiden = false;
    const Spieldateien* Dateien = nullptr;
    Kartenformat Format;
    QString Kennung;
};

// A prepared card: the picture scaled to at most DruckDpi with where it goes
// in the card's pixels, or the text and side of a text card (with the
// background of a photo's name card as a picture).
struct Kartenbild {
    QImage Bild;
    QRect Ziel;
    std::optional<Textseite> Textkarte;
    QString Text;
    QString Fehler;
    QString Dateiname;
    QString Kennung;
};

// Prepared pictures kept for later pages stay within this.
constexpr qint64 MaxGehalteneBytes = 512LL << 20;

// One text for every name of the same file (hard links included).
QString dateikennung(const QString& pfad)
{
    struct stat info {};
    if (::stat(QFile::encodeName(pfad).constData(), &info) != 0)
        return pfad;
    return QStringLiteral("%1:%2").arg(qulonglong(info.st_dev)).arg(qulonglong(info.st_ino));
}

Kartenbild bereiteVor(const Bildauftrag& a)
{
    // One decoder per worker thread, reused for every picture it gets.
    thread_local JpegDekodierer dekodierer;
    thread_local Arbeitsbitmap bitmap;
    Kartenbild k;
    k.Dateiname = a.Dateiname;
    k.Kennung = a.Kennung;
    try {
        // Text cards are drawn anew as text, so their pixels are never decoded.
        const Kartenkommentar kommentar = leseKartenkommentar(a.Dateien->pfad(a.Dateiname));
        if (kommentar.Textkarte) {
            k.Textkarte = kommentar.Textkarte;
            k.Text = kommentar.Text;
            if (*k.Textkarte != Textseite::ZuFoto)
                return k;
            // The photo-like background as a picture.
            k.Bild = QImage(a.Pixel, QImage::Format_RGB32);
            k.Ziel = QRect(QPoint(0, 0), a.Pixel);
            k.Bild.fill(Qt::white);
            QPainter maler(&k.Bild);
            const QSize groesse = namenskartenGroesse(a.Format);
            maler.scale(double(a.Pixel.width()) / groesse.width(), double(a.Pixel.height()) / groesse.height());
            maleTextkartenHintergrund(maler, groesse, a.Paar, Textseite::ZuFoto);
            return k;
        }
        const QSize voll = dekodierer.dekodiere(
            a.Dateiname, bitmap, [&](int b, int h) { return druckAchtel(b, h, a.Pixel, a.Schneiden); },
            *a.Dateien);
        const Passgeometrie g = berechnePassgeometrie(voll.width(), voll.height(), a.Pixel.width(),
                                                      a.Pixel.height(),
                                                      a.Schneiden ? QStringLiteral("m") : QString());
        k.Ziel = g.Ziel;
        k.Bild = skaliereAusschnitt(bitmap, voll, g.Quelle, g.Ziel.size());
        if (k.Bild.isNull() && !g.Ziel.isEmpty())
            k.Fehler = QStringLiteral("Das Bild %1 ist zu groß für den Arbeitsspeicher").arg(a.Dateiname);
    } catch (const EPaarlixFehler& e) {
        k.Fehler = e.text();
    } catch (const std::bad_alloc&) {
        k.Fehler = QStringLiteral("Das Bild %1 ist zu groß für den Arbeitsspeicher").arg(a.Dateiname);
    }
    return k;
}

QString druckFehler(const QString& dateiname, const QString& grund)
{
    return QStringLiteral("Das Bild „%1“ kann nicht gedruckt werden:\n%2").arg(dateiname, grund);
}

void zeichneLinien(QPainter& p, const std::vector<QLineF>& linien, double breiteMm, const QColor& farbe)
{
    QPen stift(farbe);
    stift.setWidthF(breiteMm);
    stift.setCapStyle(Qt::FlatCap);
    p.setPen(stift);
    for (const QLineF& l : linien)
        p.drawLine(l);
}

// The picture's pixels placed on the card's rectangle in millimetres.
QRectF inMillimetern(const QRect& ziel, QSize pixel, const QRectF& karte)
{
    const double sx = karte.width() / pixel.width();
    const double sy = karte.height() / pixel.height();
    return QRectF(karte.x() + ziel.x() * sx, karte.y() + ziel.y() * sy, ziel.width() * sx, ziel.height() * sy);
}

} // namespace

Druckspiel leseDruckspiel(const QString& ordner)
{
    Druckspiel s;
    s.Ordner = ordner;
    s.Dateien = Spieldateien(ordner);
    const Einstellungsergebnis e = leseEinstellungsdatei(s.Dateien.pfad(QStringLiteral("Paarlix.ini")));
    if (e.Meldungsart != Einstellungsergebnis::Meldungsform::Keine)
        throw EPaarlixFehler(e.Meldung);
    s.Werte = e.Werte;
    s.Paare = paareJeRunde(s.Werte);
    const auto da = [&](int paar, bool b) { return QFileInfo(s.Dateien.pfad(bilddateiname(paar, b))).isFile(); };
    while (s.Paare < 9999 && da(s.Paare + 1, false) && da(s.Paare + 1, true))
        ++s.Paare;
    return s;
}

QSize druckPixel(QSizeF kartenMm)
{
    return QSize(std::max(1, int(std::floor(kartenMm.width() / 25.4 * DruckDpi + 1e-9))),
                 std::max(1, int(std::floor(kartenMm.height() / 25.4 * DruckDpi + 1e-9))));
}

int druckAchtel(int W, int H, QSize karte, bool schneiden)
{
    const Passgeometrie g = berechnePassgeometrie(W, H, karte.width(), karte.height(),
                                                  schneiden ? QStringLiteral("m") : QString());
    for (int m = 1; m < 8; ++m)
        if (std::int64_t(g.Quelle.width()) * m >= std::int64_t(g.Ziel.width()) * 8
            && std::int64_t(g.Quelle.height()) * m >= std::int64_t(g.Ziel.height()) * 8)
            return m;
    return 8;
}

bool zeichneDruck(const Druckspiel& spiel, const Druckoptionen& optionen, QPagedPaintDevice& geraet,
                  const Druckfortschritt& fortschritt)
{
    const Spieleinstellungen& w = spiel.Werte;
    const Druckbogen bogen = planeDruckbogen(spiel.Paare, w.FormatX, w.FormatY, optionen);
    if (!bogen.Fehler.isEmpty())
        throw EPaarlixFehler(bogen.Fehler);
    if (bogen.Seiten.empty())
        throw EPaarlixFehler(QStringLiteral("Das Spiel im Ordner %1 hat keine Bilder.").arg(spiel.Ordner));
    const QSize pixel = druckPixel(bogen.KarteMm);

    geraet.setPageSize(optionen.Seite);
    geraet.setPageMargins(QMarginsF(0, 0, 0, 0));

    QImage ruecken;
    if (!optionen.OhneRueckseiten) {
        QImage muster;
        const QImage overlay = leseBmp(QStringLiteral("Kartentext.bmp"), spiel.Dateien);
        zeichneKartenrueckseite(overlay, w.FormatX, w.FormatY, pixel.width(), pixel.height(), muster, ruecken);
    }

    Kartenformat format;
    format.FormatX = w.FormatX;
    format.FormatY = w.FormatY;
    format.Schneiden = w.BilderSchneiden;
    // Both cards of a pair are often one file linked twice: it is decoded once and embedded once.
    std::map<std::pair<int, bool>, QString> kennung;
    for (int paar = 1; paar <= spiel.Paare; ++paar)
        for (const bool b : {false, true})
            kennung[{paar, b}] = dateikennung(spiel.Dateien.pfad(bilddateiname(paar, b)));
    // The last front page that shows each picture.
    std::map<QString, std::size_t> zuletzt;
    for (std::size_t s = 0; s < bogen.Seiten.size(); ++s)
        for (const Druckkarte& k : bogen.Seiten[s].Karten)
            zuletzt[kennung[{k.Paar, k.ZweitesBild}]] = s;
    std::map<QString, Kartenbild> fertigeBilder;
    qint64 gehalteneBytes = 0;
    // The pictures of a front page not prepared yet, each once.
    const auto auftraegeFuer = [&](std::size_t s) {
        std::vector<Bildauftrag> a;
        std::set<QString> bestellt;
        for (const Druckkarte& k : bogen.Seiten[s].Karten) {
            const QString& id = kennung[{k.Paar, k.ZweitesBild}];
            if (fertigeBilder.count(id) == 0 && bestellt.insert(id).second)
                a.push_back({bilddateiname(k.Paar, k.ZweitesBild), k.Paar, pixel, w.BilderSchneiden,
                             &spiel.Dateien, format, id});
        }
        return a;
    };
    const auto naechsteVorderseite = [&](std::size_t s) {
        while (s < bogen.Seiten.size() && bogen.Seiten[s].Rueckseite)
            ++s;
        return s;
    };
    // A page's pictures are prepared on threads of their own, all at once.
    const auto starte = [&](std::size_t s) -> std::unique_ptr<Vorlaufpool<Kartenbild>> {
        if (s >= bogen.Seiten.size())
            return nullptr;
        auto auftraege = std::make_shared<const std::vector<Bildauftrag>>(auftraegeFuer(s));
        const int anzahl = int(auftraege->size());
        return std::make_unique<Vorlaufpool<Kartenbild>>(anzahl, rechenkerne(), anzahl, [auftraege] {
            return [auftraege](int k) { return bereiteVor((*auftraege)[std::size_t(k)]); };
        });
    };

    QPainter p;
    if (!p.begin(&geraet))
        throw EPaarlixFehler(QStringLiteral("Der Druck kann nicht beginnen."));
    // Millimetres from the page's corner, whatever part of it the device paints.
    const double dpi = geraet.logicalDpiX();
    const QRect bemalbar = geraet.pageLayout().paintRectPixels(int(dpi));
    p.translate(-bemalbar.topLeft());
    p.scale(dpi / 25.4, geraet.logicalDpiY() / 25.4);
    p.setRenderHint(QPainter::SmoothPixmapTransform, true);

    const int gesamt = 2 * spiel.Paare;
    int fertig = 0;
    // The next front page's pictures are prepared while this one is written.
    // However this ends, its threads are joined before what they read goes.
    std::unique_ptr<Vorlaufpool<Kartenbild>> naechste = starte(naechsteVorderseite(0));
    for (std::size_t s = 0; s < bogen.Seiten.size(); ++s) {
        const Druckseite& seite = bogen.Seiten[s];
        if (s > 0)
            geraet.newPage();
        if (seite.Rueckseite) {
            for (const Druckkarte& k : seite.Karten)
                p.drawImage(k.Rechteck, ruecken);
        } else {
            while (naechste && naechste->genommen() < naechste->anzahl()) {
                Kartenbild bild = naechste->hole();
                if (!bild.Fehler.isEmpty()) {
                    p.end();
                    throw EPaarlixFehler(druckFehler(bild.Dateiname, bild.Fehler));
                }
                gehalteneBytes += bild.Bild.sizeInBytes();
                fertigeBilder[bild.Kennung] = std::move(bild);
            }
            const std::size_t folgende = naechsteVorderseite(s + 1);
            naechste = starte(folgende);
            for (const Druckkarte& k : seite.Karten) {
                const Kartenbild& bild = fertigeBilder.at(kennung[{k.Paar, k.ZweitesBild}]);
                if (!bild.Bild.isNull())
                    p.drawImage(inMillimetern(bild.Ziel, pixel, k.Rechteck), bild.Bild);
                if (bild.Textkarte) {
                    const QSize groesse = namenskartenGroesse(format);
                    p.save();
                    p.translate(k.Rechteck.topLeft());
                    p.scale(k.Rechteck.width() / groesse.width(), k.Rechteck.height() / groesse.height());
                    p.setClipRect(QRect(QPoint(0, 0), groesse));
                    // A plain background is drawn as a vector too; a name card's comes as a picture.
                    if (*bild.Textkarte == Textseite::ZuFoto)
                        maleKartentext(p, groesse, bild.Text, k.Paar, Textseite::ZuFoto);
                    else
                        maleTextkarte(p, groesse, bild.Text, k.Paar, *bild.Textkarte);
                    p.restore();
                }
                ++fertig;
                if (fortschritt && !fortschritt(fertig, gesamt)) {
                    p.end();
                    return false;
                }
            }
            // Pictures no later page shows go; beyond the budget, all but those of the
            // page being prepared (a picture dropped is prepared again when shown again).
            std::set<QString> gebraucht;
            if (folgende < bogen.Seiten.size())
                for (const Druckkarte& k : bogen.Seiten[folgende].Karten)
                    gebraucht.insert(kennung[{k.Paar, k.ZweitesBild}]);
            for (auto i = fertigeBilder.begin(); i != fertigeBilder.end();) {
                const bool weg = zuletzt[i->first] <= s || (gehalteneBytes > MaxGehalteneBytes && !gebraucht.count(i->first));
                if (weg) {
                    gehalteneBytes -= i->second.Bild.sizeInBytes();
                    i = fertigeBilder.erase(i);
                } else {
                    ++i;
                }
            }
        }
        zeichneLinien(p, seite.Schnittlinien, 0.1, QColor(150, 150, 150));
        zeichneLinien(p, seite.Schnittmarken, 0.2, Qt::black);
    }
    return p.end();
}

bool schreibeDruckPdf(const QString& ordner, const Druckoptionen& optionen, const QString& pdfPfad,
                      const Druckfortschritt& fortschritt)
{
    const QFileInfo ziel(pdfPfad);
    const QString zielOrdner = QDir::toNativeSeparators(ziel.absolutePath());
    const QFileInfo ordnerInfo(ziel.absolutePath());
    if (!ordnerInfo.isDir() || !ordnerInfo.isWritable())
        throw EPaarlixFehler(QStringLiteral("In den Ordner %1 kann nicht geschrieben werden.").arg(zielOrdner));
    // Each fault by its own error: the free space may be unknown (no mount found in a chroot).
    const auto schreibfehler = [&](int nummer) {
        if (nummer == ENOSPC || nummer == EDQUOT)
            return EPaarlixFehler(QStringLiteral("Auf dem Datenträger des Ordners %1 ist kein Platz mehr für %2.")
                                      .arg(zielOrdner, ziel.fileName()));
        return EPaarlixFehler(QStringLiteral("Die Datei %1 kann nicht geschrieben werden: %2")
                                  .arg(QDir::toNativeSeparators(ziel.absoluteFilePath()), systemfehlerText(nummer)));
    };
    Ersatzdatei datei(ziel.absoluteFilePath());
    if (datei.fehler() != 0)
        throw schreibfehler(datei.fehler());
    const Druckspiel spiel = leseDruckspiel(ordner);
    bool fertig = false;
    {
        QPdfWriter pdf(&datei);
        pdf.setCreator(QStringLiteral("Paarlix"));
        pdf.setTitle(QFileInfo(ordner).fileName());
        fertig = zeichneDruck(spiel, optionen, pdf, fortschritt);
    }
    // The PDF engine ignores failed writes; the file keeps the first.
    if (fertig && !datei.uebernehme())
        throw schreibfehler(datei.fehler());
    return fertig;
}
