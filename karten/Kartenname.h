#pragma once

#include <QString>

// The names cards get from photos' file names.

// The text of a name card: the file name without folder and without its last
// extension, blanks trimmed ("Oma Erna.jpg" gives "Oma Erna"). A name that
// is only an extension (".jpg") stays whole.
QString kartenname(const QString& dateipfad);

// Whether a file's base name (no folder, no extension) is one that a camera or phone
// gives: "IMG_2041", "DSC01234", "PXL_20240512_143321123", "IMG-20240512-WA0001", a date
// and time such as "20240512_143321" or "2024-05-12 14.33.21". Such names are no names
// for a name card.
bool istKameraname(const QString& name);

// The name prefilled for a photo: its name card's text from the file name, empty for a
// camera's name.
QString vorgeschlagenerName(const QString& pfad);
