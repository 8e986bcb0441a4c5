#include "karten/Namenskarte.h"

Namenssatz setzeNamen(const QString& name, QSize groesse)
{
    return setzeText(name, groesse);
}

void maleNamenskartenHintergrund(QPainter& maler, QSize groesse, int paar)
{
    maleTextkartenHintergrund(maler, groesse, paar, Textseite::ZuFoto);
}

void maleNamen(QPainter& maler, QSize groesse, const QString& name, int paar)
{
    maleKartentext(maler, groesse, name, paar, Textseite::ZuFoto);
}

QImage zeichneNamenskarte(const QString& name, int paar, const Kartenformat& format)
{
    return zeichneTextkarte(name, paar, Textseite::ZuFoto, format);
}

QByteArray jpegMitKommentar(const QImage& bild, const QString& kommentar, int qualitaet)
{
    return jpegMitKommentaren(bild, {kommentar.toUtf8()}, qualitaet);
}
