#pragma once

#include "platform/Zufallsquelle.h"

#include <vector>

// A new deal of the pictures already on the board, drawn as the first deal
// draws them (each picture k to a uniformly chosen free cell, one number per
// picture), so that no file needs to be read again.
// bildAnZelle[i]: the picture k that cell i holds now, cells counted row by
// row, -1 for an empty place; the pictures are 0 .. m - 1, each once, m even,
// or every cell holds one (n = spalten * zeilen); otherwise std::invalid_argument.
// Returns for every cell i the cell whose pictures it takes, -1 for an empty
// place; the empty places lie at the end, as in the first deal.
std::vector<int> neuVerteilen(const std::vector<int>& bildAnZelle, int spalten, int zeilen, Zufallsquelle& zufall);
