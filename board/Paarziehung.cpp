#include "board/Paarziehung.h"

#include "board/Bilddateiname.h"

#include <algorithm>
#include <numeric>
#include <stdexcept>

std::vector<int> ziehePaare(int vorhanden, int gewuenscht, Zufallsquelle& zufall)
{
    if (gewuenscht < 1 || gewuenscht > vorhanden)
        throw std::invalid_argument("ziehePaare: 1 bis alle vorhandenen Paare erwartet");
    std::vector<int> gezogen;
    gezogen.reserve(static_cast<std::size_t>(gewuenscht));
    if (gewuenscht == vorhanden) {
        gezogen.resize(static_cast<std::size_t>(vorhanden));
        std::iota(gezogen.begin(), gezogen.end(), 1);
        return gezogen;
    }
    // Floyd's sampling: for j = vorhanden - gewuenscht + 1 .. vorhanden, take a
    // number of 1 .. j, or j itself when that one is taken already.
    for (int j = vorhanden - gewuenscht + 1; j <= vorhanden; ++j) {
        const int r = zufall.naechste(j);
        if (r < 0 || r >= j)
            throw std::out_of_range("ziehePaare: Zufallszahl außerhalb des Bereichs");
        const int t = r + 1;
        const bool schonDa = std::find(gezogen.begin(), gezogen.end(), t) != gezogen.end();
        gezogen.push_back(schonDa ? j : t);
    }
    std::sort(gezogen.begin(), gezogen.end());
    return gezogen;
}

int vorhandenePaare(const Spieldateien& ordner)
{
    int p = 0;
    while (ordner.enthaelt(bilddateiname(p + 1, false)) && ordner.enthaelt(bilddateiname(p + 1, true)))
        ++p;
    return p;
}

std::vector<int> paareDerRunde(int vorhanden, int gewuenscht, Zufallsquelle& zufall)
{
    if (vorhanden > gewuenscht)
        return ziehePaare(vorhanden, gewuenscht, zufall);
    std::vector<int> paare(static_cast<std::size_t>(std::max(gewuenscht, 0)));
    std::iota(paare.begin(), paare.end(), 1);
    return paare;
}
