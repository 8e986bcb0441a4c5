#pragma once

#include "platform/Spieldateien.h"
#include "platform/Zufallsquelle.h"

#include <vector>

// The pairs a round deals when the folder holds more than the round wants:
// `gewuenscht` different pair numbers of 1 .. `vorhanden`, each set equally
// likely, in ascending order. Draws exactly `gewuenscht` numbers, so the work
// grows with the pairs drawn, not with the folder; none when all are wanted,
// so such a round deals as a full board always has.
// 1 <= gewuenscht <= vorhanden, otherwise std::invalid_argument.
std::vector<int> ziehePaare(int vorhanden, int gewuenscht, Zufallsquelle& zufall);

// The consecutive pairs the folder holds: p while 01a/01b ... pa/pb are all
// there (letters in any case), looked up in the listing, no file opened.
int vorhandenePaare(const Spieldateien& ordner);

// The pairs of one round of `gewuenscht` pairs: drawn from the `vorhanden`
// of the folder when it holds more, else 1 .. gewuenscht with no number drawn
// (a missing pair's files then fail to open as on a full board).
// gewuenscht >= 1.
std::vector<int> paareDerRunde(int vorhanden, int gewuenscht, Zufallsquelle& zufall);
