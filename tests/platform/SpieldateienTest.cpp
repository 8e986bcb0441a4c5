#include "platform/Spieldateien.h"

#include "board/Einstellungsleser.h"
#include "pictures/Arbeitsbitmap.h"
#include "pictures/BmpLeser.h"
#include "pictures/JpegDekodierer.h"
#include "platform/PaarlixFehler.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

void legeAn(const QTemporaryDir& ordner, const QStringList& namen)
{
    for (const QString& name : namen) {
        QFile f(ordner.filePath(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << name.toStdString();
    }
}

// Once the time is up, opens the FIFOs for writing again and again, so that
// a reader stuck in open() returns and the test fails instead of hanging.
class FifoWaechter {
public:
    FifoWaechter(QStringList fifos, std::chrono::milliseconds frist)
        : fifos_(std::move(fifos)), thread_([this, frist] { wache(frist); })
    {
    }
    ~FifoWaechter()
    {
        {
            const std::lock_guard<std::mutex> sperre(mutex_);
            fertig_ = true;
        }
        signal_.notify_all();
        thread_.join();
    }
    bool abgelaufen() const { return abgelaufen_; }

private:
    void wache(std::chrono::milliseconds frist)
    {
        std::unique_lock<std::mutex> sperre(mutex_);
        if (signal_.wait_for(sperre, frist, [this] { return fertig_; }))
            return;
        abgelaufen_ = true;
        while (!signal_.wait_for(sperre, std::chrono::milliseconds(20), [this] { return fertig_; }))
            for (const QString& fifo : fifos_) {
                const int fd = ::open(QFile::encodeName(fifo).constData(), O_WRONLY | O_NONBLOCK);
                if (fd >= 0)
                    ::close(fd);
            }
    }

    QStringList fifos_;
    std::mutex mutex_;
    std::condition_variable signal_;
    bool fertig_ = false;
    std::atomic<bool> abgelaufen_ = false;
    std::thread thread_;
};

} // namespace

TEST(Spieldateien, exactNameWinsThenTheFirstSortedNameEqualIgnoringCase)
{
    // A game file is found under its exact name, else under a name differing in the case of A to Z
    // (pictures also as .jpeg), the first in sorted order; a name matching nothing stays as looked for.
    struct Fall {
        QStringList dateien;
        QString gesucht;
        QString gefunden;
    };
    const Fall faelle[] = {
        {{"01a.jpg"}, "01a.jpg", "01a.jpg"},
        {{"01A.JPG"}, "01a.jpg", "01A.JPG"},
        {{"01a.JPG", "01A.jpg", "01a.jpg"}, "01a.jpg", "01a.jpg"},
        {{"01a.JPG", "01A.jpg"}, "01a.jpg", "01A.jpg"},
        {{"01b.Jpeg"}, "01b.jpg", "01b.Jpeg"},
        {{"01b.jpeg", "01B.JPG"}, "01b.jpg", "01B.JPG"},
        {{"kartentext.BMP"}, "Kartentext.bmp", "kartentext.BMP"},
        {{"PAARLIX.INI"}, "Paarlix.ini", "PAARLIX.INI"},
        {{"STARTBUTTON.bmp"}, "Startbutton.bmp", "STARTBUTTON.bmp"},
        {{"Kartentext.bmpx", "Kartentext.jpeg", "kartentext.dib"}, "Kartentext.bmp", "Kartentext.bmp"},
        {{"101a.jpg", "01a.jpg.bak", "01a.jpe", "01b.jpg"}, "01a.jpg", "01a.jpg"},
        {{QString::fromUtf8("\u212Aartentext.bmp")}, "Kartentext.bmp", "Kartentext.bmp"},
    };
    for (const Fall& f : faelle) {
        QTemporaryDir ordner;
        legeAn(ordner, f.dateien);
        const Spieldateien dateien(ordner.path());
        EXPECT_EQ(dateien.pfad(f.gesucht), ordner.filePath(f.gefunden))
            << f.dateien.join(' ').toStdString() << " / " << f.gesucht.toStdString();
    }
}

TEST(Spieldateien, aNameOutsideTheFirstListingIsOpenedAsGiven)
{
    // Names are looked up in the one listing made at the start; one made later, one with a folder
    // part, or any name without a listing is opened as given.
    QTemporaryDir ordner;
    legeAn(ordner, {"01A.JPG"});
    const Spieldateien dateien(ordner.path());
    legeAn(ordner, {"02A.JPG"});
    EXPECT_EQ(dateien.pfad("01a.jpg"), ordner.filePath("01A.JPG"));
    EXPECT_EQ(dateien.pfad("02a.jpg"), ordner.filePath("02a.jpg"));
    EXPECT_EQ(dateien.pfad("sub/01a.jpg"), "sub/01a.jpg");
    EXPECT_EQ(Spieldateien().pfad("01a.jpg"), "01a.jpg");
    EXPECT_EQ(Spieldateien(QStringLiteral(".")).pfad("gibtsnicht.jpg"), "gibtsnicht.jpg");
}

TEST(Spieldateien, filesAreReadInPiecesUpToTheirLimit)
{
    // Reading returns the whole file across many pieces, refuses one byte over the limit, and a file
    // whose size is over the limit is refused before reading (sparse: no disk used).
    QTemporaryDir ordner;
    QByteArray inhalt(300 * 1024 + 7, '\0');
    for (qsizetype i = 0; i < inhalt.size(); ++i)
        inhalt[i] = char(i * 7 % 251);
    QFile f(ordner.filePath("daten"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(inhalt);
    f.close();

    QByteArray gelesen;
    Lesedatei datei(f.fileName());
    ASSERT_TRUE(datei.offen());
    EXPECT_EQ(datei.groesse(), inhalt.size());
    EXPECT_EQ(datei.liesAlles(gelesen, inhalt.size()), Lesedatei::Lesen::Gelesen);
    EXPECT_EQ(gelesen, inhalt);
    Lesedatei knapp(f.fileName());
    EXPECT_EQ(knapp.liesAlles(gelesen, inhalt.size() - 1), Lesedatei::Lesen::ZuGross);
    EXPECT_TRUE(gelesen.isEmpty());

    ASSERT_TRUE(f.resize(qint64(1) << 40));
    Lesedatei riesig(f.fileName());
    ASSERT_TRUE(riesig.offen());
    EXPECT_EQ(riesig.liesAlles(gelesen, 64 * 1024 * 1024), Lesedatei::Lesen::ZuGross);
}

TEST(Spieldateien, aGameFileThatIsNoRegularFileIsRefusedWithoutWaiting)
{
    // A FIFO, a folder or a link to a FIFO named like the settings, the card back or a picture is
    // "not openable" at once.
    QTemporaryDir ordner;
    const QStringList fifos = {ordner.filePath("Paarlix.ini"), ordner.filePath("Kartentext.bmp"),
                               ordner.filePath("01a.jpg")};
    for (const QString& fifo : fifos)
        ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    ASSERT_TRUE(QDir(ordner.path()).mkdir("01b.jpg"));
    ASSERT_TRUE(QFile::link(fifos[0], ordner.filePath("02a.jpg")));

    FifoWaechter waechter(fifos, std::chrono::seconds(2));
    const Spieldateien dateien(ordner.path());
    const Einstellungsergebnis ini = leseEinstellungsdatei(dateien.pfad("Paarlix.ini"));
    EXPECT_EQ(ini.Meldung, QStringLiteral("Ini-Datei Paarlix.ini nicht gefunden."));

    const auto fehlerBeim = [&](auto&& lesen) {
        try {
            lesen();
        } catch (const EPaarlixFehler& e) {
            return e.text();
        }
        return QString();
    };
    EXPECT_EQ(fehlerBeim([&] { leseBmp("Kartentext.bmp", dateien); }),
              QStringLiteral("Datei Kartentext.bmp kann nicht geöffnet werden"));
    JpegDekodierer dekodierer;
    Arbeitsbitmap bild;
    for (const QString name : {"01a.jpg", "01b.jpg", "02a.jpg"})
        EXPECT_EQ(fehlerBeim([&] { dekodierer.dekodiere(name, bild, {}, dateien); }),
                  QStringLiteral("Datei %1 kann nicht geöffnet werden").arg(name));
    EXPECT_FALSE(waechter.abgelaufen());
}
