#include "demo/DemoBilder.h"

#include "demo/DemoFormenbild.h"
#include "demo/DemoZahlenbild.h"
#include "karten/Fotohintergrund.h"

#include <QPainter>

namespace {

constexpr int ZahlenPaare = 10;

// Spreads the pairs' hues around the colour wheel.
int farbtonFuer(int paar) { return ((paar - 1) * 360 / DemoPaare + 200) % 360; }

} // namespace

QImage zeichneDemoBild(int paar, char buchstabe)
{
    const QSize groesse(DemoBildBreite, DemoBildHoehe);
    QImage bild(groesse, QImage::Format_RGB32);
    bild.fill(Qt::white);
    QPainter maler(&bild);
    const bool istB = buchstabe == 'b';
    const int farbton = farbtonFuer(paar);
    maleHintergrund(maler, groesse, farbton, istB, unsigned(paar * 2 + (istB ? 1 : 0)));
    if (paar <= ZahlenPaare) {
        const QColor farbe = QColor::fromHsv((farbton + 180) % 360, 210, 150);
        if (istB)
            malePunkte(maler, groesse, paar, farbe);
        else
            maleZiffer(maler, groesse, paar, farbe);
    } else {
        const int form = paar - ZahlenPaare - 1;
        if (istB)
            maleFormName(maler, groesse, form);
        else
            maleForm(maler, groesse, form);
    }
    maler.end();
    return bild;
}
