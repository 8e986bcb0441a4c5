#pragma once

#include <QLocale>
#include <QString>
#include <QStringView>

#include <optional>

// The text without the blanks and control characters (everything up to and
// including U+0020) at both ends.
QStringView ohneRandzeichen(QStringView text);

// A whole number: an optional sign and decimal digits, nothing else, within
// the 32-bit signed range.
std::optional<int> ganzeZahl(QStringView text);

// A real number in zahlenformat's notation, or in the C locale's where "." is
// not zahlenformat's group separator; blanks around it are allowed, group
// separators are not. So in German "1.500" is refused rather than read as
// one and a half when fifteen hundred was meant.
std::optional<double> reelleZahl(const QString& text, const QLocale& zahlenformat);
