#pragma once

#include <QString>

// The desktop's folder dialog, opened in `start`. Returns the chosen folder,
// empty when cancelled.
QString frageNachSpielordner(const QString& start);
