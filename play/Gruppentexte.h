#pragma once

#include <QString>

// Text of a PunkteLabel, e.g. "2 Punkte" (there is no singular form).
QString punkteText(int punkte);

// A count of moves, which has a singular: "1 Spielzug", "2 Spielzüge".
QString spielzuegeText(int spielzuege);

// Text of the single-player move counter: "(1 Spielzug)", "(2 Spielzüge)".
QString zuegeText(int spielzuege);

// The name of a group whose name field was left empty: "Spieler Nr. 1" for
// group 0, "Spieler Nr. 2" for group 1.
QString standardGruppenname(int gruppe);
