#include "pictures/Bildart.h"

#include "pictures/HeifLeser.h"
#include "platform/Lesedatei.h"

#include <cstdio>

Bildart bildart(const unsigned char* kopf, std::size_t laenge, const QString& pfad)
{
    if (laenge >= 3 && kopf[0] == 0xFF && kopf[1] == 0xD8 && kopf[2] == 0xFF)
        return Bildart::Jpeg;
    if (laenge >= 2 && kopf[0] == 'B' && kopf[1] == 'M')
        return Bildart::Bmp;
    if (istHeifKopf(kopf, laenge) || hatHeifEndung(pfad))
        return Bildart::Heif;
    return Bildart::Andere;
}

Bildart bildartDerDatei(const QString& pfad)
{
    Lesedatei datei(pfad);
    std::FILE* strom = datei.offen() ? datei.alsStream() : nullptr;
    if (!strom)
        return Bildart::Andere;
    unsigned char kopf[32] = {};
    const std::size_t gelesen = std::fread(kopf, 1, sizeof kopf, strom);
    std::fclose(strom);
    return bildart(kopf, gelesen, pfad);
}
