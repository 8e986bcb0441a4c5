#include "neuesspiel/Namenskarte.h"

#include "neuesspiel/DemoHintergrund.h"
#include "neuesspiel/DemoSchrift.h"

#include <QFontMetricsF>
#include <QPainter>

namespace {

constexpr int MaxZeilen = 4;

// Greedy line breaking at blanks; a word wider than `breite` gets a line of its own.
QStringList umbrechen(const QString& text, const QFontMetricsF& mass, qreal breite)
{
    QStringList zeilen;
    for (const QString& wort : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (!zeilen.isEmpty() && mass.horizontalAdvance(zeilen.last() + ' ' + wort) <= breite)
            zeilen.last() += ' ' + wort;
        else
            zeilen += wort;
    }
    return zeilen;
}

} // namespace

QImage zeichneNamenskarte(const QString& name, int paar)
{
    const QSize groesse(NamenskarteBreite, NamenskarteHoehe);
    const qreal b = groesse.width();
    const qreal h = groesse.height();
    // Golden-angle steps keep neighbouring pairs' hues apart.
    const int farbton = (paar * 137 + 200) % 360;

    QImage bild(groesse, QImage::Format_RGB32);
    bild.fill(Qt::white);
    QPainter maler(&bild);
    maleHintergrund(maler, groesse, farbton, true, unsigned(paar * 2 + 1));

    // The largest lettering whose lines fit; the smallest size takes what still does not.
    const qreal textBreite = b * 0.86;
    int pixel = int(h * 0.16);
    QStringList zeilen = umbrechen(name, QFontMetricsF(demoSchrift(pixel)), textBreite);
    while (pixel > 40 && zeilen.size() * pixel * 1.25 > h * 0.8) {
        pixel -= 4;
        zeilen = umbrechen(name, QFontMetricsF(demoSchrift(pixel)), textBreite);
    }
    while (zeilen.size() > MaxZeilen) {
        zeilen[MaxZeilen - 1] += ' ' + zeilen[MaxZeilen];
        zeilen.removeAt(MaxZeilen);
    }

    maler.setRenderHint(QPainter::Antialiasing, true);
    const QColor schrift = QColor::fromHsv((farbton + 180) % 360, 210, 120);
    const qreal zeilenAbstand = pixel * 1.25;
    const qreal oben = h / 2 - zeilenAbstand * (zeilen.size() - 1) / 2;
    for (qsizetype i = 0; i < zeilen.size(); ++i) {
        const QPainterPath pfad =
            zentrierterText(zeilen[i], pixel, QPointF(b / 2, oben + i * zeilenAbstand), textBreite);
        zeichneUmrandet(maler, pfad.translated(5, 7), QColor(0, 0, 0, 60), QColor(0, 0, 0, 40), 6);
        zeichneUmrandet(maler, pfad, schrift, Qt::white, 6);
    }
    maler.end();
    return bild;
}
