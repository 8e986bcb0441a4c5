#include "widgets/TBitBtn.h"

#include <QStyleOptionButton>
#include <QStylePainter>

TBitBtn::TBitBtn(const QString& text, QWidget* parent) : QPushButton(text, parent) {}

void TBitBtn::setzeKnopfbild(const QPixmap& bild)
{
    knopfbild_ = bild;
    update();
}

void TBitBtn::paintEvent(QPaintEvent*)
{
    QStylePainter p(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    // The frame from the style; picture and text are placed by us.
    option.text.clear();
    option.icon = QIcon();
    p.drawControl(QStyle::CE_PushButtonBevel, option);

    const QFontMetrics fm(font());
    const int textBreite = fm.horizontalAdvance(text());
    const int bildBreite = knopfbild_.isNull() ? 0 : knopfbild_.width();
    const int abstand = knopfbild_.isNull() ? 0 : Abstand;
    int x = (width() - bildBreite - abstand - textBreite) / 2;
    const bool gedrueckt = isDown();
    const int versatz = gedrueckt ? 1 : 0;
    if (!knopfbild_.isNull()) {
        p.drawPixmap(x + versatz, (height() - knopfbild_.height()) / 2 + versatz, knopfbild_);
        x += bildBreite + abstand;
    }
    const QRect textRect(x + versatz, versatz, textBreite + 1, height());
    p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    p.drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter, text());
    if (hasFocus()) {
        QStyleOptionFocusRect fokus;
        fokus.initFrom(this);
        fokus.rect = rect().adjusted(4, 4, -4, -4);
        p.drawPrimitive(QStyle::PE_FrameFocusRect, fokus);
    }
}
