#include "play/Spielende.h"

#include "board/Zellcode.h"
#include "play/Gruppentexte.h"

#include <algorithm>

namespace {
constexpr int EndeBreite = 480;
constexpr int Rand = 16;
constexpr int ErgebnisHoehe = 64;
constexpr int BestleistungHoehe = 48;
constexpr int KnopfBreite = 300;
constexpr int KnopfHoehe = 57;
// The coordinates lie in 25-pixel strips inside the board's frame on every side.
constexpr int Koordinatenrand = Brettrand + 2;

bool leer(const QString& name)
{
    return std::all_of(name.begin(), name.end(), [](QChar c) { return c.unicode() <= 0x20 || c.isSpace(); });
}

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
    const QString name = leer(namen[sieger]) ? standardGruppenname(sieger) : namen[sieger];
    // One pass over the text: a name holding "%2" stays as typed.
    return QStringLiteral("Gewonnen: %1, %2 zu %3 Punkte!")
        .arg(name, QString::number(ausgang.Punkte[sieger]), QString::number(ausgang.Punkte[1 - sieger]));
}

Spielendelage spielendeLage(const QRect& brett, bool mitBestleistung)
{
    Spielendelage l;
    const int breite = std::max(std::min(EndeBreite, brett.width() - 2 * Koordinatenrand), KnopfBreite + 2 * Rand);
    const int innen = breite - 2 * Rand;
    int y = Rand;
    l.Ergebnis = QRect(Rand, y, innen, ErgebnisHoehe);
    y += ErgebnisHoehe;
    if (mitBestleistung) {
        l.Bestleistung = QRect(Rand, y, innen, BestleistungHoehe);
        y += BestleistungHoehe;
    }
    y += Rand;
    l.Knopf = QRect((breite - KnopfBreite) / 2, y, KnopfBreite, KnopfHoehe);
    l.Panel = QRect(0, 0, breite, y + KnopfHoehe + Rand + 4);
    l.Panel.moveCenter(brett.center());
    l.Panel.moveTopLeft({std::max(l.Panel.left(), brett.left() + Koordinatenrand),
                         std::max(l.Panel.top(), brett.top() + Koordinatenrand)});
    return l;
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
