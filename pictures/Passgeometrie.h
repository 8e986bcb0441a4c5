#pragma once

#include <QRect>
#include <QString>

// Where a picture of W x H goes in a target of TW x TH for a given cutting
// mode: the part of the picture that is used and where it lands.
struct Passgeometrie {
    QRect Quelle;             // source rectangle in the decoded picture
    QRect Ziel;               // destination rectangle in the target
    bool Unskaliert = false;  // mode "n": drawn 1:1 at Ziel's top-left
};

// W, H, TW, TH >= 0. Modes are compared exactly; unknown ones fit.
Passgeometrie berechnePassgeometrie(int W, int H, int TW, int TH, const QString& schnittmodus);
