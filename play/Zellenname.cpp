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

QString zellenName(const QString& koordinate, Kartenlage lage, const QString& bildtext)
{
    switch (lage) {
    case Kartenlage::Verdeckt:
        return koordinate + QStringLiteral(", verdeckt");
    case Kartenlage::Aufgedeckt:
        return koordinate + QStringLiteral(", aufgedeckt, ") + bildtext;
    case Kartenlage::Gesammelt:
    case Kartenlage::Leer:
        break;
    }
    return QStringLiteral("gesammelt");
}

QString bildText(const QString& bild, const QString& beschreibung)
{
    if (!beschreibung.isEmpty())
        return beschreibung;
    return QStringLiteral("Bild ") + bild;
}
