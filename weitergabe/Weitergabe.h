#pragma once

#include <QString>

#include <functional>

// What `paarlix --weitergeben` and the "Weitergeben…" buttons ask for.
struct Weitergabeauftrag {
    QString Spielordner;
    QString Ziel;          // the .paarlix file to write
    bool Original = false; // every file unchanged, large photos too
    std::function<bool()> Abgebrochen = {}; // asked often; may be empty
    std::function<void(int erledigt, int gesamt)> Fortschritt = {}; // may be empty
};

struct Weitergabeergebnis {
    enum class Ausgang { Geschrieben, Abgebrochen, Fehlgeschlagen };
    Ausgang Art = Ausgang::Fehlgeschlagen;
    QString Meldung;        // why not, in German; empty when written
    QString Zusammenfassung; // "Familie.paarlix, 14,2 MB, 30 Paare"
    qint64 Bytes = 0;
    int Paare = 0;
    int status() const { return Art == Ausgang::Geschrieben ? 0 : 1; }
};

// "NAME.paarlix" for the game in `spielordner`.
QString weitergabeDateiname(const QString& spielordner);

// A file's size as the summary gives it: "14,2 MB" (MB = 1,000,000 bytes,
// one decimal, German decimal comma).
QString weitergabeGroesse(qint64 bytes);

// Packs the game into one ZIP file: a folder NAME/ with the settings byte for
// byte, the card back, every card and its sound; photos with a long edge over
// 2048 px reduced (unless Original). Written beside Ziel and renamed, so a
// cancel, a failure or a kill leaves no half file.
Weitergabeergebnis gibSpielWeiter(const Weitergabeauftrag& auftrag);
