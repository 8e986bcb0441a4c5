#pragma once

#include <QString>

// The German sentence for a system error number (errno) that a user can act
// on: "Auf dem Datenträger ist kein Platz mehr." for ENOSPC, and likewise no
// permission, read-only, too large, missing, symlink loop, not a folder and a few more.
// Others give the number with the system's own (often English) text.
QString systemfehlerText(int fehlernummer);
