#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QString>

// A file written under a hidden name beside its target and renamed over it
// once complete: nobody sees half a file, and a link at the target is
// replaced, not written through. Every fault keeps the system's own error.
class Ersatzdatei final : public QIODevice {
public:
    // Opens the hidden file for writing; fehler() says when it cannot, or
    // when the target is a folder.
    explicit Ersatzdatei(const QString& ziel);
    // Removes the hidden file unless it became the target.
    ~Ersatzdatei() override;
    Ersatzdatei(const Ersatzdatei&) = delete;
    Ersatzdatei& operator=(const Ersatzdatei&) = delete;

    // errno of the first fault, 0 while there is none.
    int fehler() const { return fehler_; }
    // Puts the data on the disk and renames the file over the target
    // (by its path, so a folder moved meanwhile is a fault). False with
    // fehler() set.
    bool uebernehme();

    bool isSequential() const override { return true; }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* daten, qint64 laenge) override;

private:
    QByteArray ziel_;
    QByteArray versteckt_; // the hidden file's name in the folder
    QByteArray ordnerPfad_;
    int ordner_ = -1; // follows the folder wherever it goes, to remove the hidden file
    int datei_ = -1;
    int fehler_ = 0;
    bool uebernommen_ = false;
};
