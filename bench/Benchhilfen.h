#pragma once

#include "platform/Meldungen.h"

#include <QByteArray>
#include <QList>
#include <QSize>
#include <QString>
#include <vector>

// Nothing is shown unless a platform is asked for; call before the application object.
void ohneBildschirm();

// The middle value (the mean of the two middle ones for an even count).
double median(std::vector<double> werte);

// Keeps the last message, so a benchmark can print why a run stopped.
class AufzeichnendeMeldungen final : public Meldungen {
public:
    void fehler(const QString& t) override { letzte = t; }
    void warnung(const QString& t) override { letzte = t; }
    void hinweis(const QString& t) override { letzte = t; }
    void programmfehler(const QString& t) override { letzte = t; }
    QString letzte;
};

// libjpeg alone: BGRX into a buffer that is reused; the floor the program's
// decoding is measured against. Full size, or with ziel the smallest of
// libjpeg's scales 1/1 .. 1/8 that still covers ziel.
void rohDekodieren(const QString& pfad, std::vector<unsigned char>& puffer, QSize ziel = {});

// A game folder with these eleven settings and a plain white card back; the
// pictures are the caller's.
void schreibeSpiel(const QString& ordner, const QList<QByteArray>& werte);
