#include "neuesspiel/Namenspruefung.h"

#include <QHash>

namespace {

QString vereinfacht(const QString& name) { return name.simplified().toCaseFolded(); }

} // namespace

std::vector<bool> doppelteNamen(const QStringList& namen)
{
    std::vector<bool> doppelt(std::size_t(namen.size()), false);
    QHash<QString, qsizetype> erster;
    for (qsizetype i = 0; i < namen.size(); ++i) {
        const QString schluessel = vereinfacht(namen[i]);
        if (schluessel.isEmpty())
            continue;
        const auto gefunden = erster.constFind(schluessel);
        if (gefunden == erster.constEnd()) {
            erster.insert(schluessel, i);
            continue;
        }
        doppelt[std::size_t(*gefunden)] = true;
        doppelt[std::size_t(i)] = true;
    }
    return doppelt;
}

Namensfehler pruefeNamen(const QStringList& namen, bool mitNamen)
{
    if (!mitNamen)
        return {};
    int leer = 0;
    int ersteLeere = -1;
    for (qsizetype i = 0; i < namen.size(); ++i)
        if (namen[i].trimmed().isEmpty()) {
            ++leer;
            if (ersteLeere < 0)
                ersteLeere = int(i);
        }
    if (leer == 1)
        return {QStringLiteral("Bitte dem Foto in Zeile %1 einen Namen geben.").arg(ersteLeere + 1), ersteLeere};
    if (leer > 1)
        return {QStringLiteral("Bitte allen Fotos einen Namen geben (%1 fehlen, zuerst in Zeile %2).")
                    .arg(leer).arg(ersteLeere + 1),
                ersteLeere};
    const std::vector<bool> doppelt = doppelteNamen(namen);
    const auto erstes = std::find(doppelt.begin(), doppelt.end(), true);
    if (erstes != doppelt.end()) {
        const int zeile = int(erstes - doppelt.begin());
        return {QStringLiteral("Der Name „%1“ steht mehrmals in der Liste. Zwei gleiche Namenskarten "
                               "machen das Spiel unfair: bitte die Namen unterscheiden.")
                    .arg(namen[zeile].trimmed()),
                zeile};
    }
    return {};
}
