#pragma once

#include <QString>

// File name of a pair's picture: "01a.jpg" ... "09b.jpg", "10a.jpg", "100b.jpg".
// paarNummer >= 1.
QString bilddateiname(int paarNummer, bool zweitesBild);
