#include "play/Spielende.h"

namespace {
QString zuege(int n)
{
    return n == 1 ? QStringLiteral("1 Zug") : QStringLiteral("%1 Züge").arg(n);
}

QString zuegenDativ(int n)
{
    return n == 1 ? QStringLiteral("1 Zug") : QStringLiteral("%1 Zügen").arg(n);
}
} // namespace

QString ergebnisSatz(const Spielausgang& ausgang, const std::array<QString, 2>& namen)
{
    if (ausgang.AnzahlGruppen < 2)
        return QStringLiteral("Geschafft in %1!").arg(zuegenDativ(ausgang.Spielzuege));
    const auto [p0, p1] = ausgang.Punkte;
    if (p0 == p1)
        return QStringLiteral("Unentschieden – %1 zu %2 Punkte!").arg(p0).arg(p1);
    const int sieger = p0 > p1 ? 0 : 1;
    // One pass over the text: a name holding "%2" stays as typed.
    return QStringLiteral("%1 gewinnt mit %2 zu %3 Punkten!")
        .arg(namen[sieger], QString::number(ausgang.Punkte[sieger]), QString::number(ausgang.Punkte[1 - sieger]));
}

Bestleistung bestleistung(const QString& gespeichert, int zuegeJetzt)
{
    bool zahl = false;
    const int bisher = gespeichert.trimmed().toInt(&zahl);
    // A value the user or a broken file left there counts as no best yet.
    if (!zahl || bisher < 1)
        return {QStringLiteral("Neues bestes Ergebnis!"), zuegeJetzt};
    if (zuegeJetzt < bisher)
        return {QStringLiteral("Neues bestes Ergebnis! Bisher: %1").arg(zuege(bisher)), zuegeJetzt};
    if (zuegeJetzt == bisher)
        return {QStringLiteral("So gut wie das bisher beste Ergebnis: %1").arg(zuege(bisher)), std::nullopt};
    return {QStringLiteral("Bisher bestes Ergebnis: %1").arg(zuege(bisher)), std::nullopt};
}

QString bestleistungsSchluessel(const QString& ordner)
{
    return QStringLiteral("Bestleistung/") + ordner;
}
