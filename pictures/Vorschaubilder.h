#pragma once

#include <QImage>
#include <QSize>
#include <QString>

#include <cstdint>
#include <functional>
#include <memory>

class Arbeitsbitmap;
class JpegDekodierer;

// A small upright picture of a photo.
struct Vorschau {
    std::uint64_t Nummer = 0; // the caller's number for the photo
    QImage Bild;              // within kante x kante, upright (EXIF); null when the photo cannot be read
    QSize Groesse;            // the photo's full size, upright
    QString Fehler;           // why it cannot be read (German), else empty
};

// Makes one preview: JPEG files through the game's decoder at the smallest scale that
// still gives kante pixels (libjpeg's reduced-scale decode), BMP files through the game's
// BMP reader, which refuses damaged ones, HEIC and AVIF through libheif (the file's
// thumbnail where it is large enough), other formats through Qt's reader. Only
// regular files are opened. dekodierer and puffer are the caller's, reused; the preview
// owns its pixels. kante >= 1
Vorschau machVorschau(const QString& pfad, int kante, JpegDekodierer& dekodierer, Arbeitsbitmap& puffer);

// Previews made on the worker queue, started in the order asked for. Each
// result is handed to `fertig` on the thread that made the object, from its event loop.
// The object is made, used and destroyed on that thread. Its destructor waits for the
// previews being made and drops the rest; `fertig` is never called after it.
class Vorschaubilder {
public:
    using Fertig = std::function<void(Vorschau)>;
    // kante >= 1; arbeiter < 1: as many as the machine has cores.
    Vorschaubilder(int kante, Fertig fertig, int arbeiter = 0);
    ~Vorschaubilder();
    Vorschaubilder(const Vorschaubilder&) = delete;
    Vorschaubilder& operator=(const Vorschaubilder&) = delete;

    void bestelle(std::uint64_t nummer, const QString& pfad);
    // Drops the photos not yet started and the previews not yet handed over.
    void vergissOffene();

private:
    class Innen;
    std::unique_ptr<Innen> innen_;
};
