#include "neuesspiel/Namenskarte.h"

#include "neuesspiel/Beschriftung.h"
#include "neuesspiel/Fotohintergrund.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

constexpr int MaxZeilen = 3;
constexpr double Zeilenhoehe = 1.25;  // line distance per font pixel
constexpr double TextBreite = 0.94;   // of the card's width
constexpr double TextHoehe = 0.8;     // of the card's height
// 12 pixels on a card shown 116 pixels high, as a share of the long side.
constexpr double Lesbar = 12.0 / 116.0;

// Greedy breaking at blanks and after hyphens; with `trennen`, a piece wider
// than a line is cut with a hyphen, else it stays whole (and too wide).
QStringList umbrechen(const QString& name, const QFontMetricsF& mass, qreal breite, bool trennen)
{
    QStringList zeilen;
    QString zeile;
    const auto passt = [&](const QString& text) { return mass.horizontalAdvance(text) <= breite; };
    for (const QString& wort : name.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        QStringList teile;
        qsizetype anfang = 0;
        for (qsizetype i = 0; i < wort.size(); ++i)
            if (wort[i] == QLatin1Char('-') && i + 1 < wort.size()) {
                teile += wort.mid(anfang, i + 1 - anfang);
                anfang = i + 1;
            }
        teile += wort.mid(anfang);
        for (qsizetype t = 0; t < teile.size(); ++t) {
            const QString fuge = t == 0 ? QStringLiteral(" ") : QString();
            if (!zeile.isEmpty() && passt(zeile + fuge + teile[t])) {
                zeile += fuge + teile[t];
                continue;
            }
            if (!zeile.isEmpty())
                zeilen += zeile;
            QString rest = teile[t];
            while (trennen && rest.size() > 1 && !passt(rest)) {
                qsizetype n = rest.size() - 1;
                while (n > 1 && !passt(rest.left(n) + QLatin1Char('-')))
                    --n;
                // No line of one or two letters after the last cut.
                if (rest.size() - n < 3 && rest.size() >= 6)
                    n = rest.size() - 3;
                zeilen += rest.left(n) + QLatin1Char('-');
                rest = rest.mid(n);
            }
            zeile = rest;
        }
    }
    if (!zeile.isEmpty())
        zeilen += zeile;
    return zeilen;
}

bool passtAuf(const QStringList& zeilen, const QFontMetricsF& mass, int pixel, QSizeF raum)
{
    if (zeilen.size() > MaxZeilen || zeilen.size() * pixel * Zeilenhoehe > raum.height())
        return false;
    return std::all_of(zeilen.begin(), zeilen.end(),
                       [&](const QString& z) { return mass.horizontalAdvance(z) <= raum.width(); });
}

// The largest size from `groesste` down to 1 at which the name fits.
Namenssatz groessterSatz(const QString& name, QSizeF raum, int groesste, bool trennen)
{
    for (int pixel = groesste; pixel > 1; --pixel) {
        const QFontMetricsF mass(beschriftungsschrift(pixel));
        const QStringList zeilen = umbrechen(name, mass, raum.width(), trennen);
        if (passtAuf(zeilen, mass, pixel, raum))
            return {pixel, zeilen};
    }
    const QFontMetricsF mass(beschriftungsschrift(1));
    return {1, umbrechen(name, mass, raum.width(), trennen)};
}

} // namespace

QSize namenskartenGroesse(const Kartenformat& format)
{
    const int lang = 800;
    const int gross = std::max(format.FormatX, format.FormatY);
    return QSize(lang * format.FormatX / gross, lang * format.FormatY / gross);
}

Namenssatz setzeNamen(const QString& name, QSize groesse)
{
    const QSizeF raum(groesse.width() * TextBreite, groesse.height() * TextHoehe);
    const int groesste = int(std::min(groesse.width(), groesse.height()) * 0.2);
    const int lesbar = int(std::ceil(std::max(groesse.width(), groesse.height()) * Lesbar));
    const Namenssatz ganz = groessterSatz(name, raum, groesste, false);
    if (ganz.Pixel >= lesbar)
        return ganz;
    // A cut word reads worse than a slightly smaller one.
    const Namenssatz getrennt = groessterSatz(name, raum, groesste, true);
    return getrennt.Pixel * 10 >= ganz.Pixel * 11 ? getrennt : ganz;
}

namespace {

// Golden-angle steps keep neighbouring pairs' hues apart.
int farbtonVon(int paar)
{
    return (paar * 137 + 200) % 360;
}

} // namespace

void maleNamenskartenHintergrund(QPainter& maler, QSize groesse, int paar)
{
    maleHintergrund(maler, groesse, farbtonVon(paar), true, unsigned(paar * 2 + 1));
}

void maleNamen(QPainter& maler, QSize groesse, const QString& name, int paar)
{
    const qreal b = groesse.width();
    const qreal h = groesse.height();
    const int farbton = farbtonVon(paar);

    const Namenssatz satz = setzeNamen(name, groesse);
    maler.setRenderHint(QPainter::Antialiasing, true);
    const QColor schrift = QColor::fromHsv((farbton + 180) % 360, 210, 120);
    const qreal zeilenAbstand = satz.Pixel * Zeilenhoehe;
    const qreal oben = h / 2 - zeilenAbstand * qreal(satz.Zeilen.size() - 1) / 2;
    const qreal rand = std::max(2.0, satz.Pixel / 20.0);
    for (qsizetype i = 0; i < satz.Zeilen.size(); ++i) {
        // The card's whole width as the limit: the lines already fit, so nothing is shrunk.
        const QPainterPath pfad =
            zentrierterText(satz.Zeilen[i], satz.Pixel, QPointF(b / 2, oben + qreal(i) * zeilenAbstand), b * 0.98);
        zeichneUmrandet(maler, pfad.translated(rand, rand), QColor(0, 0, 0, 60), QColor(0, 0, 0, 40), rand);
        zeichneUmrandet(maler, pfad, schrift, Qt::white, rand);
    }
}

QImage zeichneNamenskarte(const QString& name, int paar, const Kartenformat& format)
{
    const QSize groesse = namenskartenGroesse(format);
    QImage bild(groesse, QImage::Format_RGB32);
    bild.fill(Qt::white);
    QPainter maler(&bild);
    maleNamenskartenHintergrund(maler, groesse, paar);
    maleNamen(maler, groesse, name, paar);
    maler.end();
    return bild;
}

QByteArray jpegMitKommentar(const QImage& bild, const QString& kommentar, int qualitaet)
{
    QByteArray jpeg;
    QBuffer puffer(&jpeg);
    if (!puffer.open(QIODevice::WriteOnly) || !bild.save(&puffer, "JPG", qualitaet) || jpeg.size() < 4)
        return {};
    const QByteArray text = kommentar.toUtf8();
    if (text.isEmpty())
        return jpeg;
    QByteArray segment("\xFF\xFE", 2);
    const int laenge = int(text.size()) + 2;
    segment += char(laenge >> 8);
    segment += char(laenge & 0xFF);
    segment += text;
    // After the JFIF header, which must come first.
    qsizetype stelle = 2;
    if (jpeg.size() > 6 && uchar(jpeg[2]) == 0xFF && uchar(jpeg[3]) == 0xE0)
        stelle = 4 + ((uchar(jpeg[4]) << 8) | uchar(jpeg[5]));
    jpeg.insert(stelle, segment);
    return jpeg;
}
