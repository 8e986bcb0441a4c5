#pragma once

#include <QRect>
#include <QString>

// Where a picture of W x H goes in a target of TW x TH for a given cutting
// mode: the part of the picture that is used and where it lands.
struct Passgeometrie {
    QRect quelle;             // source rectangle in the decoded picture
    QRect ziel;               // destination rectangle in the target
    bool unskaliert = false;  // mode "n": drawn 1:1 at ziel's top-left
};

// W, H, TW, TH >= 0. Modes are compared exactly; unknown ones fit.
Passgeometrie berechnePassgeometrie(int W, int H, int TW, int TH, const QString& schnittmodus);
