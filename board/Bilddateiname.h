#pragma once

#include <QString>
#include <QStringList>

// File name of a pair's picture: "01a.jpg" ... "09b.jpg", "10a.jpg", "100b.jpg".
// paarNummer >= 1.
QString bilddateiname(int paarNummer, bool zweitesBild);

// The files of a deal of anzahl pictures in dealing order: picture k is the
// "a" picture of pair k div 2 + 1 for even k, its "b" picture for odd k.
QStringList austeilDateinamen(int anzahl);
