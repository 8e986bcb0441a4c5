#include "start/Fensterknopf.h"

#include <QPushButton>

QPushButton* knopf(const QString& text, const QString& beschreibung, QWidget* eltern)
{
    auto* k = new QPushButton(text, eltern);
    k->setAutoDefault(true);
    k->setAccessibleName(text);
    if (!beschreibung.isEmpty()) {
        k->setAccessibleDescription(beschreibung);
        k->setToolTip(beschreibung);
    }
    return k;
}
