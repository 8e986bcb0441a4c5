#include "neuesspiel/Bearbeitung.h"

#include "platform/Dateiname.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

Schreibstand schreibstand(const Paarangaben& paare, int jeRunde, const std::optional<Kartenformat>& format)
{
    Schreibstand stand{{}, jeRunde, format};
    stand.Paare.reserve(paare.size());
    for (const Paarangabe& paar : paare)
        stand.Paare.push_back({{paar.Erste.Foto, paar.Erste.Text}, {paar.Zweite.Foto, paar.Zweite.Text}});
    return stand;
}

QString Bearbeitung::titel() const
{
    if (bearbeitet_.isEmpty())
        return QStringLiteral("Neues Spiel");
    return QStringLiteral("Spiel „%1“ bearbeiten").arg(sichtbar(QFileInfo(bearbeitet_).fileName()));
}

Zielpruefung Bearbeitung::ziel(const Paarliste& liste, const QString& spielname) const
{
    if (bearbeitet_.isEmpty())
        return liste.pruefeZiel(spieleordner_, spielname);
    return {true, bearbeitet_, QStringLiteral("Wird gespeichert in: %1").arg(sichtbar(QDir::toNativeSeparators(bearbeitet_)))};
}

void Bearbeitung::beginne(const QString& ordner, const Kartenformat& format, const Paarliste& liste)
{
    bearbeitet_ = QDir::cleanPath(QFileInfo(ordner).absoluteFilePath());
    spieleordner_ = QFileInfo(bearbeitet_).absolutePath();
    spielformat_ = format;
    ausgelassenGefragt_ = liste.ausgelassen().size();
}

void Bearbeitung::gelesen(const Schreibstand& stand)
{
    gespeichert_ = stand;
}

void Bearbeitung::geschrieben(const QString& ordner, const Schreibstand& stand)
{
    // A further change replaces the game just written instead of asking for a new name.
    bearbeitet_ = ordner;
    gespeichert_ = stand;
    geschriebenAktuell_ = true;
}

bool Bearbeitung::geschriebenesAktuell(const Schreibstand& stand)
{
    if (geschriebenAktuell_ && geaendert(stand))
        geschriebenAktuell_ = false;
    return geschriebenAktuell_;
}

QString Bearbeitung::verlustfrage(const Paarliste& liste, const Schreibstand& stand) const
{
    const int zeilen = liste.anzahl();
    if (zeilen == 0 || !geaendert(stand))
        return {};
    if (!bearbeitet_.isEmpty())
        return QStringLiteral("Die Änderungen am Spiel „%1“ gehen verloren. Trotzdem schließen?")
            .arg(sichtbar(QFileInfo(bearbeitet_).fileName()));
    if (liste.mitPaaren())
        return zeilen == 1 ? QStringLiteral("Das Paar in der Liste geht verloren. Trotzdem schließen?")
                           : QStringLiteral("Die %1 Paare in der Liste gehen verloren. Trotzdem schließen?").arg(zeilen);
    return zeilen == 1 ? QStringLiteral("Das Foto in der Liste und sein Name gehen verloren. Trotzdem schließen?")
                       : QStringLiteral("Die %1 Fotos in der Liste und ihre Namen gehen verloren. Trotzdem schließen?").arg(zeilen);
}

QString Bearbeitung::ungeleseneFrage(const Paarliste& liste) const
{
    const std::vector<Ausgelassen>& weg = liste.ausgelassen();
    if (bearbeitet_.isEmpty() || ausgelassenGefragt_ >= weg.size())
        return {};
    const QString innen = bearbeitet_ + QLatin1Char('/');
    QStringList karten;
    for (std::size_t i = ausgelassenGefragt_; i < weg.size(); ++i)
        if (weg[i].Pfad.startsWith(innen))
            karten += sichtbar(weg[i].Pfad.mid(innen.size())); // why stands under the list
    if (karten.isEmpty())
        return {};
    return QStringLiteral("Diese Karten des Spiels ließen sich nicht lesen und fallen beim Speichern weg:\n%1\n"
                          "Verwerfen und speichern?")
        .arg(karten.join(QLatin1Char('\n')));
}
