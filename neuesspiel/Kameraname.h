#pragma once

#include <QString>

// Whether a file's base name (no folder, no extension) is one that a camera or phone
// gives: "IMG_2041", "DSC01234", "PXL_20240512_143321123", "IMG-20240512-WA0001", a date
// and time such as "20240512_143321" or "2024-05-12 14.33.21". Such names are no names
// for a name card.
bool istKameraname(const QString& name);

// The name prefilled for a photo: its name card's text from the file name, empty for a
// camera's name.
QString vorgeschlagenerName(const QString& pfad);
