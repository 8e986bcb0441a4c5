#include "karten/Tonkarte.h"

#include <QFileInfo>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace {

// The loudspeaker with three sound waves, in a square of side `s` whose
// upper left corner is `o`.
QPainterPath lautsprecher(QPointF o, qreal s)
{
    QPainterPath pfad;
    // Box and cone.
    pfad.addRect(QRectF(o.x() + s * 0.08, o.y() + s * 0.36, s * 0.16, s * 0.28));
    QPolygonF trichter;
    trichter << QPointF(o.x() + s * 0.24, o.y() + s * 0.36) << QPointF(o.x() + s * 0.46, o.y() + s * 0.16)
             << QPointF(o.x() + s * 0.46, o.y() + s * 0.84) << QPointF(o.x() + s * 0.24, o.y() + s * 0.64);
    pfad.addPolygon(trichter);
    pfad.closeSubpath();
    // Waves: rings cut to the right-hand arc, each a band of its own.
    const QPointF mitte(o.x() + s * 0.46, o.y() + s * 0.5);
    for (const qreal r : {0.16, 0.29, 0.42}) {
        const qreal staerke = s * 0.055;
        QPainterPath welle;
        const QRectF aussen(mitte.x() - s * r - staerke / 2, mitte.y() - s * r - staerke / 2, 2 * s * r + staerke,
                            2 * s * r + staerke);
        const QRectF innen = aussen.adjusted(staerke, staerke, -staerke, -staerke);
        welle.arcMoveTo(aussen, -45);
        welle.arcTo(aussen, -45, 90);
        welle.arcTo(innen, 45, -90);
        welle.closeSubpath();
        pfad.addPath(welle);
    }
    pfad.setFillRule(Qt::WindingFill);
    return pfad;
}

} // namespace

QString tonkartenName(const QString& tonpfad, const QString& getippt)
{
    const QString name = getippt.trimmed();
    return name.isEmpty() ? QFileInfo(tonpfad).completeBaseName() : name;
}

void maleTonkarte(QPainter& maler, QSize groesse, const QString& name, int paar, Textseite seite)
{
    maleTextkartenHintergrund(maler, groesse, paar, seite);
    const qreal b = groesse.width();
    const qreal h = groesse.height();
    // The sign in the upper half, the name in the lower.
    const qreal s = std::min(b * 0.6, h * 0.45);
    maler.save();
    maler.setRenderHint(QPainter::Antialiasing, true);
    maler.fillPath(lautsprecher(QPointF((b - s) / 2, h * 0.06), s), QColor::fromHsv(220, 120, 80));
    maler.translate(0, h * 0.5);
    maleKartentext(maler, QSize(groesse.width(), int(h * 0.5)), name, paar, seite);
    maler.restore();
}

QImage zeichneTonkarte(const QString& name, int paar, Textseite seite, const Kartenformat& format)
{
    return zeichneKartenbild(format, [&](QPainter& maler, QSize groesse) { maleTonkarte(maler, groesse, name, paar, seite); });
}

QByteArray tonkartenMarke() { return QByteArrayLiteral("Paarlix-Tonkarte"); }

QByteArray tonkartenJpeg(const QString& name, int paar, Textseite seite, const Kartenformat& format, int qualitaet)
{
    if (name.trimmed().isEmpty())
        return {};
    return jpegMitKommentaren(zeichneTonkarte(name, paar, seite, format), {name.toUtf8(), tonkartenMarke()},
                              qualitaet);
}
