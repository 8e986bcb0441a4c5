#pragma once

#include <QString>

// The text of an error box for an error that ended a handler: a full stop is
// appended unless the text already ends its sentence (".", "!" or "?"), so
// also after a closing bracket or quote.
QString fehlertextMitPunkt(const QString& text);
