#pragma once

#include <QColor>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A game folder in a temporary directory, made the current working folder
// while it lives: "Paarlix.ini", "Kartentext.bmp" and generated pictures.
class Spielordner {
public:
    Spielordner();
    ~Spielordner();
    Spielordner(const Spielordner&) = delete;
    Spielordner& operator=(const Spielordner&) = delete;

    QString pfad(const QString& datei) const;

    // Writes "Paarlix.ini" from the eleven value lines (the tenth holds two
    // names separated by '\n'), each after a comment block; a twelfth value
    // follows the block "# 12. ..." the reader knows it by.
    void schreibeIni(const QStringList& werte);
    void schreibeRohIni(const QByteArray& inhalt);
    void schreibeKartentext(int breite = 200, int hoehe = 200);
    // Pictures 01a.jpg ... for n cells: both pictures of pair p in a colour of
    // their own, "a" pictures a shade lighter than "b" pictures.
    void schreibeBilder(int n, int breite = 60, int hoehe = 80);
    void loesche(const QString& datei);

    // The colour of picture "a" or "b" of pair p.
    static QColor bildfarbe(int paar, bool zweites);

private:
    QTemporaryDir dir_;
    QString vorher_;
};

// Value lines of a playable settings file: window size, proportions, columns
// and rows, card size, gaps, turning time, crop, ask, groups, names, test mode.
QStringList standardWerte();
