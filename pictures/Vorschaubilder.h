#pragma once

#include <QImage>
#include <QSize>
#include <QString>

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

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
// still gives kante pixels (libjpeg's reduced-scale decode), other formats through Qt's
// reader. Only regular files are opened. dekodierer and puffer are the caller's, reused.
// kante >= 1
Vorschau machVorschau(const QString& pfad, int kante, JpegDekodierer& dekodierer, Arbeitsbitmap& puffer);

// Previews made on worker threads, one per core, in the order asked for. Each result is
// handed to `fertig` on the worker thread that made it. Every thread is joined when the
// object goes; photos not started by then are dropped.
class Vorschaubilder {
public:
    using Fertig = std::function<void(Vorschau)>;
    // kante >= 1; arbeiter < 1: as many as the machine has cores.
    Vorschaubilder(int kante, Fertig fertig, int arbeiter = 0);
    ~Vorschaubilder();
    Vorschaubilder(const Vorschaubilder&) = delete;
    Vorschaubilder& operator=(const Vorschaubilder&) = delete;

    void bestelle(std::uint64_t nummer, const QString& pfad);
    // Drops the photos not yet started.
    void vergissOffene();

private:
    struct Auftrag {
        std::uint64_t nummer;
        QString pfad;
    };
    void arbeite();

    const int kante_;
    const Fertig fertig_;
    std::mutex mutex_;
    std::condition_variable neu_;
    std::deque<Auftrag> offen_;
    bool halt_ = false;
    std::vector<std::thread> threads_;
};
