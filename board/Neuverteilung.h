#pragma once

#include "platform/Zufallsquelle.h"

#include <vector>

// A new deal of the pictures already on the board, drawn as the first deal
// draws them (each picture k to a uniformly chosen free cell, one number per
// picture), so that no file needs to be read again.
// bildAnZelle[i]: the picture k = 0 .. n - 1 that cell i holds now, cells
// counted row by row; a permutation of 0 .. n - 1 with n = spalten * zeilen,
// otherwise std::invalid_argument.
// Returns for every cell i the cell whose pictures it takes.
std::vector<int> neuVerteilen(const std::vector<int>& bildAnZelle, int spalten, int zeilen, Zufallsquelle& zufall);
