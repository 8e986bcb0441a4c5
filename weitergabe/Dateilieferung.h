#pragma once

#include "platform/Arbeitsschlange.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <ctime>
#include <map>
#include <memory>

class Fotoverkleinerer;

// One file as it goes into the archive.
struct Gelieferte {
    QByteArray Daten;
    std::time_t Geaendert = 0; // the file's modification time
    QString Fehler;            // why it could not be read; empty when it was
};

// Reads the files of a game once each and makes the cards ready for sharing
// on all cores, a few ahead of the one asked for, so that the writer never
// waits long and memory holds only those few. Make, use and destroy on one
// thread; going away waits for the photos being reduced.
class Dateilieferung {
public:
    // Each pfade[i] is read; those with verkleinern[i] go through the
    // Fotoverkleinerer. verkleinern.size() == pfade.size().
    Dateilieferung(QStringList pfade, QList<bool> verkleinern);
    ~Dateilieferung();
    Dateilieferung(const Dateilieferung&) = delete;
    Dateilieferung& operator=(const Dateilieferung&) = delete;

    // File i, waiting for it if need be; valid until a later file is asked
    // for. Files before i are let go. 0 <= i < pfade.size().
    const Gelieferte& datei(int i);

private:
    void bestelleBis(int i);

    const QStringList pfade_;
    const QList<bool> verkleinern_;
    Arbeitsschlange<Gelieferte, std::unique_ptr<Fotoverkleinerer>> schlange_;
    std::map<int, Gelieferte> fertig_;
    int bestellt_ = 0;
};
