#include "play/Ansagen.h"

#include "play/Gruppentexte.h"
#include "play/Spielende.h"

namespace {
QString spielzuegeText(int n)
{
    return n == 1 ? QStringLiteral("1 Spielzug") : QStringLiteral("%1 Spielzüge").arg(n);
}
} // namespace

QString anDerReiheAnsage(const QString& name)
{
    return QStringLiteral("%1 ist an der Reihe.").arg(name);
}

QString spielendeAnsage(const Ansagestand& stand, const std::array<QString, 2>& namen)
{
    // The same sentence as the ending shows.
    return ergebnisSatz({stand.AnzahlGruppen, stand.Punkte, stand.Spielzuege}, namen);
}

QString ansageNachKlick(const Ansagestand& vorher, const Ansagestand& nachher, const std::array<QString, 2>& namen,
                        const GefundenesPaar& paar)
{
    const bool zweiGruppen = nachher.AnzahlGruppen >= 2;
    for (int g = 0; g < 2; ++g) {
        if (nachher.Punkte[g] <= vorher.Punkte[g])
            continue;
        QString text = QStringLiteral("Paar gefunden: Bild %1 und Bild %2.").arg(paar.BildA, paar.BildB);
        if (nachher.Ende && !vorher.Ende)
            return text + QLatin1Char(' ') + spielendeAnsage(nachher, namen);
        if (zweiGruppen)
            text += QStringLiteral(" %1 hat %2 und ist wieder an der Reihe.").arg(namen[g], punkteText(nachher.Punkte[g]));
        return text;
    }
    if (zweiGruppen && nachher.AktiveGruppe != vorher.AktiveGruppe)
        return QStringLiteral("Kein Paar. ") + anDerReiheAnsage(namen[nachher.AktiveGruppe & 1]);
    return {};
}

QString gruppenpanelName(const QString& name, int punkte, bool anDerReihe, int spielzuege)
{
    QString text = name + QStringLiteral(", ") + punkteText(punkte);
    if (anDerReihe)
        text += QStringLiteral(", an der Reihe");
    if (spielzuege > 0)
        text += QStringLiteral(", ") + spielzuegeText(spielzuege);
    return text;
}
