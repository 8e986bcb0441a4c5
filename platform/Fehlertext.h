#pragma once

#include <QString>

// The text of an error box for an error that ended a handler: a full stop is
// appended when the last character sorts after the full stop (letters, digits).
QString fehlertextMitPunkt(const QString& text);
