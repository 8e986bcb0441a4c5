#pragma once

#include <QString>
#include <QStringList>

// The demo's "Paarlix.ini": German comment blocks, each followed directly by
// its value line (the group names by their two lines). Lines end in "\n".
QString demoEinstellungsText();

