#pragma once

#include "platform/Zufallsquelle.h"

#include <vector>

// The pairs a round deals when the folder holds more than the round wants:
// `gewuenscht` different pair numbers of 1 .. `vorhanden`, each set equally
// likely, in ascending order. Draws exactly `gewuenscht` numbers, so the work
// grows with the pairs drawn, not with the folder; none when all are wanted,
// so such a round deals as a full board always has.
// 1 <= gewuenscht <= vorhanden, otherwise std::invalid_argument.
std::vector<int> ziehePaare(int vorhanden, int gewuenscht, Zufallsquelle& zufall);
