#include "pictures/Vorschaubilder.h"

#include "pictures/Arbeitsbitmap.h"
#include "pictures/BmpLeser.h"
#include "pictures/JpegDekodierer.h"
#include "platform/Lesedatei.h"
#include "platform/PaarlixFehler.h"
#include "platform/Threaduebergabe.h"
#include "platform/Vorlaufpool.h"

#include <QCoreApplication>
#include <QEvent>
#include <QImageReader>
#include <QPainter>
#include <QRunnable>
#include <QThreadPool>

#include <algorithm>
#include <cstdio>
#include <deque>
#include <mutex>
#include <vector>

namespace {

// Within kante x kante, owning its pixels: bild may be a view of a buffer that the
// worker's next decode overwrites or frees.
QImage verkleinert(const QImage& bild, int kante)
{
    QImage klein = bild.width() <= kante && bild.height() <= kante
        ? bild.convertToFormat(QImage::Format_RGB32)
        : bild.scaled(kante, kante, Qt::KeepAspectRatio, Qt::SmoothTransformation)
              .convertToFormat(QImage::Format_RGB32);
    // Converting to the format it already has shares the pixels.
    if (klein.constBits() == bild.constBits())
        klein = klein.copy();
    return klein;
}

// Transparent parts show white, as the writer will make them.
QImage aufWeiss(const QImage& bild)
{
    QImage weiss(bild.size(), QImage::Format_RGB32);
    weiss.fill(Qt::white);
    QPainter maler(&weiss);
    maler.drawImage(0, 0, bild);
    return weiss;
}

// Other formats: Qt's reader, turned upright, shrunk while reading where the format can.
Vorschau mitQt(const QString& pfad, int kante)
{
    Vorschau v;
    QImageReader leser(pfad);
    leser.setAutoTransform(true);
    if (!leser.canRead()) {
        v.Fehler = QStringLiteral("kein bekanntes Bildformat");
        return v;
    }
    QSize groesse = leser.size();
    if (leser.transformation() & QImageIOHandler::TransformationRotate90)
        groesse.transpose();
    const QImage bild = leser.read();
    if (bild.isNull()) {
        v.Fehler = QStringLiteral("die Bilddaten sind nicht lesbar");
        return v;
    }
    v.Groesse = groesse.isValid() ? groesse : bild.size();
    v.Bild = verkleinert(aufWeiss(bild), kante);
    return v;
}

enum class Art { Jpeg, Bmp, Andere };

} // namespace

Vorschau machVorschau(const QString& pfad, int kante, JpegDekodierer& dekodierer, Arbeitsbitmap& puffer)
{
    Vorschau v;
    Lesedatei datei(pfad);
    if (!datei.offen()) {
        v.Fehler = QStringLiteral("keine lesbare Bilddatei");
        return v;
    }
    unsigned char kopf[3] = {};
    std::FILE* strom = datei.alsStream();
    const std::size_t gelesen = strom ? std::fread(kopf, 1, 3, strom) : 0;
    if (strom)
        std::fclose(strom);
    Art art = Art::Andere;
    if (gelesen == 3 && kopf[0] == 0xFF && kopf[1] == 0xD8 && kopf[2] == 0xFF)
        art = Art::Jpeg;
    else if (gelesen >= 2 && kopf[0] == 'B' && kopf[1] == 'M')
        art = Art::Bmp;
    if (art == Art::Andere)
        return mitQt(pfad, kante);
    try {
        if (art == Art::Bmp) {
            // Qt's reader alone leaves the pixels of a damaged file uninitialised.
            const QImage bild = leseBmp(pfad);
            v.Groesse = bild.size();
            v.Bild = verkleinert(aufWeiss(bild), kante);
            return v;
        }
        // The smallest eighth whose longer side still reaches kante.
        const auto achtel = [kante](int breite, int hoehe) {
            const int seite = std::max(breite, hoehe);
            for (int m = 1; m < 8; ++m)
                if (seite * m / 8 >= kante)
                    return m;
            return 8;
        };
        v.Groesse = dekodierer.dekodiere(pfad, puffer, achtel);
        v.Bild = verkleinert(puffer.ansicht(), kante);
    } catch (const EPaarlixFehler& f) {
        v = Vorschau();
        v.Fehler = f.text();
    }
    return v;
}

// The orders wait in a queue of our own, so that forgetting them needs nothing of the
// pool; each job the pool runs takes the oldest. Results wait in a second queue until
// the owner's event loop hands them over. Both queues share one mutex, which
// ThreadSanitizer sees, unlike the locks inside Qt.
class Vorschaubilder::Innen {
public:
    Innen(int kante, Fertig fertig, int arbeiter) : kante_(kante), fertig_(std::move(fertig))
    {
        const int anzahl = arbeiter >= 1 ? arbeiter : rechenkerne();
        werkzeuge_.reserve(std::size_t(anzahl));
        pool_.setMaxThreadCount(anzahl);
    }

    ~Innen()
    {
        {
            const std::lock_guard<std::mutex> sperre(mutex_);
            offen_.clear();
        }
        pool_.clear();
        pool_.waitForDone();
        // Every worker's last step ended under the lock: the rest is ours alone now.
        const std::lock_guard<std::mutex> sperre(mutex_);
    }

    void bestelle(std::uint64_t nummer, const QString& pfad)
    {
        {
            const std::lock_guard<std::mutex> sperre(mutex_);
            offen_.push_back({nummer, pfad, runde_});
        }
        auto* lauf = new Lauf(this);
        uebergabeVor(lauf);
        pool_.start(lauf);
    }

    void vergissOffene()
    {
        {
            const std::lock_guard<std::mutex> sperre(mutex_);
            offen_.clear();
            ++runde_;
        }
        pool_.clear();
    }

private:
    struct Auftrag {
        std::uint64_t nummer = 0;
        QString pfad;
        std::uint64_t runde = 0;
    };
    struct Ergebnis {
        Vorschau vorschau;
        std::uint64_t runde = 0;
    };
    // A worker's decoder and buffer, reused by whichever pool thread takes them.
    struct Werkzeug {
        JpegDekodierer dekodierer;
        Arbeitsbitmap puffer;
    };

    class Lauf : public QRunnable {
    public:
        explicit Lauf(Innen* innen) : innen_(innen) {}
        void run() override
        {
            uebergabeNach(this);
            innen_->arbeite();
        }

    private:
        Innen* const innen_;
    };

    // Reads nothing of the event it gets, which another thread made.
    class Empfaenger : public QObject {
    public:
        explicit Empfaenger(Innen* innen) : innen_(innen) {}

    protected:
        void customEvent(QEvent*) override { innen_->uebergib(); }

    private:
        Innen* const innen_;
    };

    // On a pool thread.
    void arbeite()
    {
        Auftrag auftrag;
        std::unique_ptr<Werkzeug> werkzeug;
        {
            const std::lock_guard<std::mutex> sperre(mutex_);
            if (offen_.empty())
                return;
            auftrag = std::move(offen_.front());
            offen_.pop_front();
            if (!werkzeuge_.empty()) {
                werkzeug = std::move(werkzeuge_.back());
                werkzeuge_.pop_back();
            }
        }
        Vorschau v;
        try {
            if (!werkzeug)
                werkzeug = std::make_unique<Werkzeug>();
            v = machVorschau(auftrag.pfad, kante_, werkzeug->dekodierer, werkzeug->puffer);
        } catch (...) {
            // Out of memory for one photo must not end the worker.
            v = Vorschau();
            v.Fehler = QStringLiteral("nicht genug Arbeitsspeicher");
        }
        v.Nummer = auftrag.nummer;
        const std::lock_guard<std::mutex> sperre(mutex_);
        if (werkzeug)
            werkzeuge_.push_back(std::move(werkzeug)); // reserved: one per thread
        if (auftrag.runde != runde_)
            return;
        try {
            bereit_.push_back({std::move(v), auftrag.runde});
        } catch (...) {
            return; // that row keeps no preview
        }
        if (!geweckt_) {
            geweckt_ = true;
            QCoreApplication::postEvent(&empfaenger_, new QEvent(QEvent::User));
        }
    }

    // On the owner's thread. fertig_ may order or forget photos meanwhile.
    void uebergib()
    {
        std::deque<Ergebnis> jetzt;
        {
            const std::lock_guard<std::mutex> sperre(mutex_);
            jetzt.swap(bereit_);
            geweckt_ = false;
        }
        for (Ergebnis& e : jetzt)
            if (e.runde == runde_)
                fertig_(std::move(e.vorschau));
    }

    const int kante_;
    const Fertig fertig_;
    std::mutex mutex_;
    std::deque<Auftrag> offen_;
    std::deque<Ergebnis> bereit_;
    std::vector<std::unique_ptr<Werkzeug>> werkzeuge_;
    std::uint64_t runde_ = 0; // counts vergissOffene; written on the owner's thread
    bool geweckt_ = false;    // an event is on its way to empfaenger_
    // Goes after the pool: its posted events go with it.
    Empfaenger empfaenger_{this};
    QThreadPool pool_;
};

Vorschaubilder::Vorschaubilder(int kante, Fertig fertig, int arbeiter)
    : innen_(std::make_unique<Innen>(kante, std::move(fertig), arbeiter))
{
}

Vorschaubilder::~Vorschaubilder() = default;

void Vorschaubilder::bestelle(std::uint64_t nummer, const QString& pfad)
{
    innen_->bestelle(nummer, pfad);
}

void Vorschaubilder::vergissOffene()
{
    innen_->vergissOffene();
}
