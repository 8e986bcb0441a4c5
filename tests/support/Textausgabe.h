#pragma once

#include <QString>

#include <ostream>

// Failures show a QString (and so a QStringList) as text, not as a list of
// two-byte objects. Every test file gets this through the test libraries: a
// file without it would make gtest's printer for QString differently, and the
// linker keeps only one of the two.
inline void PrintTo(const QString& text, std::ostream* aus)
{
    *aus << '"' << text.toStdString() << '"';
}
