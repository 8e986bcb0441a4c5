#include "karten/Textkarte.h"

#include "karten/Beschriftung.h"
#include "karten/Fotohintergrund.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

constexpr int MaxNamenZeilen = 3;
constexpr double Zeilenhoehe = 1.25;  // line distance per font pixel
constexpr double TextBreite = 0.94;   // of the card's width
constexpr double TextHoehe = 0.8;     // of the card's height
// 12 pixels on a card shown 116 pixels high, as a share of the long side.
constexpr double Lesbar = 12.0 / 116.0;

// Greedy breaking of one paragraph at blanks and after hyphens; with
// `trennen`, a piece wider than a line is cut with a hyphen, else it stays
// whole (and too wide).
QStringList umbrechen(const QString& absatz, const QFontMetricsF& mass, qreal breite, bool trennen)
{
    QStringList zeilen;
    QString zeile;
    const auto passt = [&](const QString& text) { return mass.horizontalAdvance(text) <= breite; };
    for (const QString& wort : absatz.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
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
    // A typed empty line stays as one.
    zeilen += zeile;
    return zeilen;
}

struct Textteile {
    QStringList Absaetze; // typed lines, blanks made plain
    int MaxZeilen = MaxNamenZeilen;
};

Textteile zerlege(const QString& text)
{
    QString rein = text;
    rein.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    rein.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    Textteile teile;
    for (QString absatz : rein.trimmed().split(QLatin1Char('\n'))) {
        for (QChar& c : absatz)
            if (c.isSpace())
                c = QLatin1Char(' ');
        teile.Absaetze += absatz.trimmed();
    }
    const qsizetype woerter = rein.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts).size();
    if (teile.Absaetze.size() > 1 || woerter > MaxNamenZeilen)
        teile.MaxZeilen = std::max<int>(MaxTextZeilen, int(teile.Absaetze.size()));
    return teile;
}

QStringList umbrechen(const Textteile& text, const QFontMetricsF& mass, qreal breite, bool trennen)
{
    QStringList zeilen;
    for (const QString& absatz : text.Absaetze)
        zeilen += umbrechen(absatz, mass, breite, trennen);
    return zeilen;
}

bool passtAuf(const QStringList& zeilen, int maxZeilen, const QFontMetricsF& mass, int pixel, QSizeF raum)
{
    if (zeilen.size() > maxZeilen || zeilen.size() * pixel * Zeilenhoehe > raum.height())
        return false;
    return std::all_of(zeilen.begin(), zeilen.end(),
                       [&](const QString& z) { return mass.horizontalAdvance(z) <= raum.width(); });
}

// The largest size from `groesste` down to 1 at which the text fits.
Namenssatz groessterSatz(const Textteile& text, QSizeF raum, int groesste, bool trennen)
{
    for (int pixel = groesste; pixel > 1; --pixel) {
        const QFontMetricsF mass(beschriftungsschrift(pixel));
        const QStringList zeilen = umbrechen(text, mass, raum.width(), trennen);
        if (passtAuf(zeilen, text.MaxZeilen, mass, pixel, raum))
            return {pixel, zeilen};
    }
    const QFontMetricsF mass(beschriftungsschrift(1));
    return {1, umbrechen(text, mass, raum.width(), trennen)};
}

// No text is set larger than this, however short.
int groessteSchrift(QSize groesse) { return int(std::min(groesse.width(), groesse.height()) * 0.2); }

// Golden-angle steps keep neighbouring pairs' hues apart.
int farbtonVon(int paar)
{
    return (paar * 137 + 200) % 360;
}

// The plain backgrounds of text-text pairs: cool for the first card, warm for
// the second, pale so that the text stands out; hues for the text on them.
constexpr int KuehlerFarbton = 210;
constexpr int WarmerFarbton = 30;

int seitenFarbton(Textseite seite)
{
    return seite == Textseite::Erste ? KuehlerFarbton : WarmerFarbton;
}

} // namespace

QSize namenskartenGroesse(const Kartenformat& format)
{
    const int lang = 800;
    const int gross = std::max(format.FormatX, format.FormatY);
    return QSize(lang * format.FormatX / gross, lang * format.FormatY / gross);
}

Namenssatz setzeText(const QString& text, QSize groesse)
{
    const Textteile teile = zerlege(text);
    const QSizeF raum(groesse.width() * TextBreite, groesse.height() * TextHoehe);
    const int groesste = groessteSchrift(groesse);
    const int lesbar = int(std::ceil(std::max(groesse.width(), groesse.height()) * Lesbar));
    const Namenssatz ganz = groessterSatz(teile, raum, groesste, false);
    if (ganz.Pixel >= lesbar)
        return ganz;
    // A cut word reads worse than a slightly smaller one.
    const Namenssatz getrennt = groessterSatz(teile, raum, groesste, true);
    return getrennt.Pixel * 10 >= ganz.Pixel * 11 ? getrennt : ganz;
}

bool setztMindestens(const QString& text, QSize groesse, int pixel)
{
    const Textteile teile = zerlege(text);
    const QSizeF raum(groesse.width() * TextBreite, groesse.height() * TextHoehe);
    const auto passt = [&](int p, bool trennen) {
        const QFontMetricsF mass(beschriftungsschrift(p));
        return passtAuf(umbrechen(teile, mass, raum.width(), trennen), teile.MaxZeilen, mass, p, raum);
    };
    // setzeText takes the cut words only where they gain a tenth.
    return pixel <= groessteSchrift(groesse)
           && (passt(pixel, false) || passt(int(std::ceil(pixel * 1.1)), true));
}

void maleTextkartenHintergrund(QPainter& maler, QSize groesse, int paar, Textseite seite)
{
    if (seite == Textseite::ZuFoto) {
        maleHintergrund(maler, groesse, farbtonVon(paar), true, unsigned(paar * 2 + 1));
        return;
    }
    maler.fillRect(QRect(QPoint(0, 0), groesse), QColor::fromHsv(seitenFarbton(seite), 28, 250));
}

void maleKartentext(QPainter& maler, QSize groesse, const QString& text, int paar, Textseite seite)
{
    const qreal b = groesse.width();
    const qreal h = groesse.height();
    const Namenssatz satz = setzeText(text, groesse);
    maler.save();
    maler.setRenderHint(QPainter::Antialiasing, true);
    const qreal zeilenAbstand = satz.Pixel * Zeilenhoehe;
    const qreal oben = h / 2 - zeilenAbstand * qreal(satz.Zeilen.size() - 1) / 2;
    const qreal rand = std::max(2.0, satz.Pixel / 20.0);
    const int farbton = farbtonVon(paar);
    const QColor schrift = seite == Textseite::ZuFoto ? QColor::fromHsv((farbton + 180) % 360, 210, 120)
                                                      : QColor::fromHsv(seitenFarbton(seite), 150, 70);
    for (qsizetype i = 0; i < satz.Zeilen.size(); ++i) {
        // The card's whole width as the limit: the lines already fit, so nothing is shrunk.
        const QPainterPath pfad =
            zentrierterText(satz.Zeilen[i], satz.Pixel, QPointF(b / 2, oben + qreal(i) * zeilenAbstand), b * 0.98);
        if (seite == Textseite::ZuFoto) {
            zeichneUmrandet(maler, pfad.translated(rand, rand), QColor(0, 0, 0, 60), QColor(0, 0, 0, 40), rand);
            zeichneUmrandet(maler, pfad, schrift, Qt::white, rand);
        } else {
            maler.fillPath(pfad, schrift);
        }
    }
    maler.restore();
}

void maleTextkarte(QPainter& maler, QSize groesse, const QString& text, int paar, Textseite seite)
{
    maleTextkartenHintergrund(maler, groesse, paar, seite);
    maleKartentext(maler, groesse, text, paar, seite);
}

QImage zeichneKartenbild(const Kartenformat& format, const std::function<void(QPainter&, QSize)>& male)
{
    const QSize groesse = namenskartenGroesse(format);
    QImage bild(groesse, QImage::Format_RGB32);
    bild.fill(Qt::white);
    QPainter maler(&bild);
    male(maler, groesse);
    maler.end();
    return bild;
}

QImage zeichneTextkarte(const QString& text, int paar, Textseite seite, const Kartenformat& format)
{
    return zeichneKartenbild(format, [&](QPainter& maler, QSize groesse) { maleTextkarte(maler, groesse, text, paar, seite); });
}

QByteArray textkartenMarke(Textseite seite)
{
    return QByteArrayLiteral("Paarlix-Textkarte: ") + QByteArray::number(int(seite));
}

QByteArray jpegMitKommentaren(const QImage& bild, const QList<QByteArray>& kommentare, int qualitaet)
{
    QByteArray segmente;
    for (const QByteArray& text : kommentare) {
        if (text.isEmpty())
            continue;
        if (text.size() > 0xFFFF - 2)
            return {};
        const int laenge = int(text.size()) + 2;
        segmente += QByteArray("\xFF\xFE", 2);
        segmente += char(laenge >> 8);
        segmente += char(laenge & 0xFF);
        segmente += text;
    }
    QByteArray jpeg;
    QBuffer puffer(&jpeg);
    if (!puffer.open(QIODevice::WriteOnly) || !bild.save(&puffer, "JPG", qualitaet) || jpeg.size() < 4)
        return {};
    // After the JFIF header, which must come first.
    qsizetype stelle = 2;
    if (jpeg.size() > 6 && uchar(jpeg[2]) == 0xFF && uchar(jpeg[3]) == 0xE0)
        stelle = 4 + ((uchar(jpeg[4]) << 8) | uchar(jpeg[5]));
    jpeg.insert(stelle, segmente);
    return jpeg;
}

QByteArray textkartenJpeg(const QString& text, int paar, Textseite seite, const Kartenformat& format,
                          int qualitaet)
{
    if (text.trimmed().isEmpty())
        return {};
    return jpegMitKommentaren(zeichneTextkarte(text, paar, seite, format), {text.toUtf8(), textkartenMarke(seite)},
                              qualitaet);
}
