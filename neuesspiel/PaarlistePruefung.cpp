// What the list of pairs says no to: texts missing or repeated on its cards, a target that is
// taken, files left out; and whether it may be written.
#include "neuesspiel/Paarliste.h"

#include "platform/Spielname.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace {

QString vereinfacht(const QString& text) { return text.simplified().toCaseFolded(); }

QString inAnfuehrung(const QString& text) { return QStringLiteral("„") + text + QStringLiteral("“"); }

// One line each: a decoder's reason may come in paragraphs.
QString eintrag(const Ausgelassen& a)
{
    return QStringLiteral("%1 (%2)").arg(QFileInfo(a.Pfad).fileName(), a.Grund.simplified());
}

} // namespace

std::vector<std::pair<QString, bool>> Paarliste::texteVon(const Paarzeile& z) const
{
    std::vector<std::pair<QString, bool>> texte;
    // A card without text but with a sound is a sound card.
    const auto tonkarte = [](const QString& t, const Zeilenton& ton) { return t.trimmed().isEmpty() && !ton.Pfad.isEmpty(); };
    if (z.istText() && !tonkarte(z.Text, z.Toene[0]))
        texte.emplace_back(z.Text, false);
    if (z.Zweite == Zweitart::Name)
        texte.emplace_back(z.Name, true);
    if (z.Zweite == Zweitart::Text && !tonkarte(z.Zweittext, z.Toene[1]))
        texte.emplace_back(z.Zweittext, false);
    return texte;
}

QStringList Paarliste::kartentexte() const
{
    QStringList texte;
    for (const Paarzeile& z : zeilen_)
        for (const auto& [t, name] : texteVon(z))
            texte += t;
    return texte;
}

void Paarliste::pruefeDoppelte()
{
    // Equal texts within a pair do not make the game unfair; across pairs they do.
    doppelt_.assign(zeilen_.size(), 0);
    // Each text's rows, with whether it is their name there.
    QHash<QString, std::vector<std::pair<int, bool>>> vorkommen;
    for (int i = 0; i < anzahl(); ++i)
        for (const auto& [t, name] : texteVon(zeilen_[std::size_t(i)]))
            if (const QString schluessel = vereinfacht(t); !schluessel.isEmpty())
                vorkommen[schluessel].emplace_back(i, name);
    for (const auto& zeilen : std::as_const(vorkommen)) {
        if (std::all_of(zeilen.begin(), zeilen.end(), [&](const auto& z) { return z.first == zeilen.front().first; }))
            continue;
        for (const auto& [zeile, name] : zeilen)
            if (doppelt_[std::size_t(zeile)] == 0)
                doppelt_[std::size_t(zeile)] = name ? 1 : 2;
    }
}

bool Paarliste::doppelt(int zeile) const { return doppelt_[std::size_t(zeile)] != 0; }

QString Paarliste::hinweis(int zeile) const
{
    for (const auto& [t, name] : texteVon(zeilen_[std::size_t(zeile)]))
        if (t.trimmed().isEmpty())
            return name ? QStringLiteral("Name fehlt") : QStringLiteral("Text fehlt");
    switch (doppelt_[std::size_t(zeile)]) {
    case 1:
        return QStringLiteral("Name doppelt");
    case 2:
        return QStringLiteral("Text doppelt");
    default:
        return {};
    }
}

Namensfehler Paarliste::pruefeTexte() const
{
    // Only names on cards: the words the user knows from before.
    if (!mitPaaren())
        return pruefeNamen(namen(), mitNamen_);
    for (int i = 0; i < anzahl(); ++i)
        for (const auto& [t, name] : texteVon(zeilen_[std::size_t(i)]))
            if (t.trimmed().isEmpty())
                return {name ? QStringLiteral("Bitte dem Foto in Zeile %1 einen Namen geben.").arg(i + 1)
                             : QStringLiteral("Bitte in Zeile %1 den Text der Karte eingeben.").arg(i + 1),
                        i};
    QHash<QString, int> erste;
    for (int i = 0; i < anzahl(); ++i)
        for (const auto& [t, name] : texteVon(zeilen_[std::size_t(i)])) {
            const QString schluessel = vereinfacht(t);
            const auto gefunden = erste.constFind(schluessel);
            if (gefunden == erste.constEnd()) {
                erste.insert(schluessel, i);
            } else if (*gefunden != i) {
                return {QStringLiteral("Der Text „%1“ steht in Zeile %2 und in Zeile %3. Zwei gleiche Karten "
                                       "machen das Spiel unfair: bitte die Texte unterscheiden.")
                            .arg(t.trimmed()).arg(*gefunden + 1).arg(i + 1),
                        i};
            }
        }
    return {};
}

Zielpruefung Paarliste::pruefeZiel(const QString& ordner, const QString& spielname) const
{
    const QString pfad = QDir(ordner).filePath(spielname.trimmed());
    if (const QString fehler = spielnameFehler(spielname); !fehler.isEmpty()) {
        // Before the first photo the name is still to come: nothing to complain about yet.
        return {false, pfad, anzahl() == 0 && spielname.isEmpty() ? QString() : fehler};
    }
    const QFileInfo info(pfad);
    if (info.exists()
        && !(info.isDir() && QDir(pfad).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System)))
        return {false, pfad,
                QStringLiteral("%1 gibt es schon. Bitte einen anderen Namen für das Spiel wählen.")
                    .arg(inAnfuehrung(QDir::toNativeSeparators(pfad)))};
    return {true, pfad, QStringLiteral("Das Spiel wird angelegt in %1.").arg(inAnfuehrung(QDir::toNativeSeparators(pfad)))};
}

bool Paarliste::schreibbar(const Brettvorschau& brett, const Zielpruefung& ziel) const
{
    return brett.Gut && ziel.Geht && offen_ == 0;
}

QString Paarliste::ausgelassenKurz(int zeilen) const
{
    if (ausgelassen_.empty())
        return {};
    // One more line rather than "… und 1 weitere".
    const int alle = int(ausgelassen_.size());
    const int gezeigt = alle <= zeilen + 1 ? alle : zeilen;
    QStringList teile;
    for (int i = 0; i < gezeigt; ++i)
        teile += eintrag(ausgelassen_[std::size_t(i)]);
    QString text = QStringLiteral("Nicht aufgenommen: ") + teile.join('\n');
    if (const int rest = alle - gezeigt; rest > 0)
        text += QStringLiteral("\n… und %1 weitere").arg(rest);
    return text;
}

QString Paarliste::ausgelassenAlle() const
{
    QStringList teile;
    for (const Ausgelassen& a : ausgelassen_)
        teile += eintrag(a);
    return teile.join('\n');
}
