#pragma once

#include <QStringList>

// Picks the value lines out of the lines of a settings file by its layout:
// the first line that is neither a comment ("#...") nor blank, then for each
// later setting the first line after the next comment block (even if empty);
// the tenth setting takes a second line, the next non-comment one. Returns
// up to twelve lines, fewer when the lines run out.
QStringList leseWertzeilen(const QStringList& zeilen);
