#pragma once

// The list folder that fuzz_paarliste reads its lists against, so that the
// seeds can name photos that are really there.
namespace paarlisteneingabe {

// Small readable pictures.
constexpr const char* fotoPng = "foto.png";
constexpr const char* fotoBmp = "unter/bild.bmp";
// A file with a picture's name and no picture in it.
constexpr const char* kaputt = "kaputt.jpg";
// A file that is no picture and has no picture's name.
constexpr const char* notiz = "notiz.txt";
// A folder.
constexpr const char* ordner = "unter";

} // namespace paarlisteneingabe
