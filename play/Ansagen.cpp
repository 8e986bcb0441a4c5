#include "play/Ansagen.h"

#include "play/Gruppentexte.h"
#include "play/Spielende.h"

QString anDerReiheAnsage(const QString& name)
{
    return QStringLiteral("%1 ist an der Reihe.").arg(name);
}

QString spielendeAnsage(const Ansagestand& stand, const std::array<QString, 2>& namen)
{
    // The same sentence as the ending shows.
    return ergebnisSatz({stand.AnzahlGruppen, stand.Punkte, stand.Spielzuege}, namen);
}

QString ansageZuSchritten(const Zugschritte& schritte, const Ansagestand& nachher,
                          const std::array<QString, 2>& namen, const std::function<QString(Zelle)>& bildtext)
{
    const Schritt::PaarNehmen* paar = nullptr;
    std::vector<Zelle> abgelegt; // "a" picture first, as the panel holds them
    int punkte = -1;
    bool zugedeckt = false;
    int markiert = -1;
    for (const Zugschritt& s : schritte) {
        if (const auto* p = std::get_if<Schritt::PaarNehmen>(&s))
            paar = p;
        else if (const auto* a = std::get_if<Schritt::KarteAblegen>(&s))
            abgelegt.push_back(a->Zelle);
        else if (const auto* p = std::get_if<Schritt::PunkteZeigen>(&s))
            punkte = p->Punkte;
        else if (std::get_if<Schritt::Zudecken>(&s))
            zugedeckt = true;
        else if (const auto* m = std::get_if<Schritt::Markieren>(&s); m && m->Markiert)
            markiert = m->Gruppe & 1;
    }
    const int amZug = nachher.AktiveGruppe & 1;
    if (paar) {
        if (abgelegt.size() != 2)
            abgelegt = {paar->Erste, paar->Zweite};
        QString text = QStringLiteral("Paar gefunden: %1 und %2.").arg(bildtext(abgelegt[0]), bildtext(abgelegt[1]));
        if (nachher.Ende)
            return text + QLatin1Char(' ') + spielendeAnsage(nachher, namen);
        if (nachher.AnzahlGruppen < 2)
            return text;
        const int g = paar->Gruppe & 1;
        if (amZug != g)
            return text + QLatin1Char(' ') + anDerReiheAnsage(namen[amZug]);
        return text + QStringLiteral(" %1 hat %2 und ist wieder an der Reihe.")
                          .arg(namen[g], punkteText(punkte >= 0 ? punkte : nachher.Punkte[g]));
    }
    if (markiert < 0)
        return {};
    return (zugedeckt ? QStringLiteral("Kein Paar. ") : QString()) + anDerReiheAnsage(namen[markiert]);
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

QString tonAnsage(const QString& beschreibung, const QString& tonname)
{
    if (tonname.isEmpty())
        return {};
    return QStringLiteral("Ton: ") + (beschreibung.isEmpty() ? tonname : beschreibung);
}
