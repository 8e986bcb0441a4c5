#include "play/Zellenname.h"

#include "board/Bilddateiname.h"
#include "board/Spielfeldhintergrund.h"

#include <QFileInfo>

QString bildname(int paarNummer, bool zweitesBild)
{
    return QFileInfo(bilddateiname(paarNummer, zweitesBild)).completeBaseName();
}

QString zellenKoordinate(int zeile, int spalte, int zeilen)
{
    return spaltenbuchstabe(spalte) + zeilennummer(zeile, zeilen);
}

QString zellenName(const QString& koordinate, Kartenlage lage, const QString& bild)
{
    switch (lage) {
    case Kartenlage::Verdeckt:
        return koordinate + QStringLiteral(", verdeckt");
    case Kartenlage::Aufgedeckt:
        return koordinate + QStringLiteral(", aufgedeckt, ") + bildText(bild);
    case Kartenlage::Gesammelt:
    case Kartenlage::Leer:
        break;
    }
    return QStringLiteral("gesammelt");
}

QString bildText(const QString& bild)
{
    return QStringLiteral("Bild ") + bild;
}
