// The sounds through Qt Multimedia: silent and quiet without a sound server,
// every one heard on a real PulseAudio server, a card's own sound heard as the
// game turns it, back after it restarted. Each case runs
// in a process of its own (the sound server is looked up once per process), selected
// by a filter.
#include "widgets/Lautsprecher.h"

#include "app/Spieltisch.h"
#include "play/Klangsynthese.h"
#include "widgets/TImage.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QFile>
#include <QLockFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <optional>
#include <vector>
#include <csignal>
#include <cstdlib>
#include <cstring>

namespace {

QStringList meldungen;

void merkeMeldung(QtMsgType, const QMessageLogContext&, const QString& text)
{
    meldungen << text;
}

// Lets the event loop run for a while.
void warte(int ms, const std::function<bool()>& fertig = [] { return false; })
{
    const QDeadlineTimer ende(ms);
    while (!ende.hasExpired() && !fertig()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(10);
    }
}

// A sound in a recording: where it starts and its loudest sample.
struct Einsatz {
    int Ms;
    int Spitze;
};

// The sounds in a recording of mono 16-bit samples at rate: each one starts with
// a sample above the threshold after at least 40 ms below it (a sound's notes
// follow closer than that; the sounds asked here are further apart).
std::vector<Einsatz> einsaetze(const QByteArray& aufnahme, int rate)
{
    constexpr int Schwelle = 1000;
    const qsizetype luecke = rate * 40 / 1000;
    std::vector<Einsatz> gefunden;
    qsizetype stille = luecke;
    for (qsizetype i = 0; i + 1 < aufnahme.size(); i += 2) {
        qint16 wert;
        std::memcpy(&wert, aufnahme.constData() + i, 2);
        const int v = std::abs(int(wert));
        if (v <= Schwelle) {
            ++stille;
            continue;
        }
        if (stille >= luecke)
            gefunden.push_back({int(i / 2 * 1000 / rate), 0});
        gefunden.back().Spitze = std::max(gefunden.back().Spitze, v);
        stille = 0;
    }
    return gefunden;
}

bool laeuft(qint64 pid)
{
    return pid > 0 && ::kill(pid_t(pid), 0) == 0;
}

qint64 daemonPid()
{
    QFile datei(QStringLiteral("/var/run/pulse/pid"));
    return datei.open(QIODevice::ReadOnly) ? datei.readAll().trimmed().toLongLong() : 0;
}

// A PulseAudio system daemon with a null sink "test", started and stopped here.
// Only one system daemon can run on a machine at a time.
class Tondienst {
public:
    explicit Tondienst(const QString& ordner)
    {
        // Another one (a test of another build, say) is waited for, not stopped.
        const QDeadlineTimer frist(30000);
        while (laeuft(daemonPid()) && !frist.hasExpired())
            QThread::msleep(100);
        if (laeuft(daemonPid())) {
            fehler = QStringLiteral("Ein anderer PulseAudio-Systemdienst läuft schon.");
            return;
        }
        const int status = QProcess::execute(
            QStringLiteral("pulseaudio"),
            {QStringLiteral("--system"), QStringLiteral("--daemonize=yes"), QStringLiteral("--exit-idle-time=-1"),
             QStringLiteral("-n"), QStringLiteral("--disallow-exit"),
             QStringLiteral("--load=module-null-sink sink_name=test"),
             QStringLiteral("--load=module-native-protocol-unix auth-anonymous=1 socket=%1/native").arg(ordner)});
        pid_ = daemonPid();
        if (status != 0 || !laeuft(pid_)) {
            fehler = QStringLiteral("pulseaudio startet nicht (Status %1).").arg(status);
            return;
        }
        const QDeadlineTimer bereit(5000);
        while (!QFile::exists(ordner + QStringLiteral("/native")) && !bereit.hasExpired())
            QThread::msleep(20);
        if (!QFile::exists(ordner + QStringLiteral("/native")))
            fehler = QStringLiteral("pulseaudio legt keinen Socket an.");
    }
    ~Tondienst()
    {
        if (!laeuft(pid_))
            return;
        ::kill(pid_t(pid_), SIGTERM);
        const QDeadlineTimer frist(5000);
        while (laeuft(pid_) && !frist.hasExpired())
            QThread::msleep(20);
        if (laeuft(pid_))
            ::kill(pid_t(pid_), SIGKILL);
    }
    Tondienst(const Tondienst&) = delete;
    Tondienst& operator=(const Tondienst&) = delete;

    QString fehler;

private:
    qint64 pid_ = 0;
};

} // namespace

TEST(OhneTondienst, soundsAreDroppedWithoutAWord)
{
    // No server at the given socket: playing every sound, a card's too, neither fails nor prints.
    QTemporaryDir leer;
    qputenv("PULSE_SERVER", ("unix:" + leer.filePath(QStringLiteral("keiner"))).toLocal8Bit());
    const QtMessageHandler vorher = qInstallMessageHandler(merkeMeldung);
    {
        Lautsprecher lautsprecher;
        for (int k = 0; k < AnzahlKlaenge; ++k)
            lautsprecher.spiele(Klang(k));
        lautsprecher.spieleKartenton(std::make_shared<const std::vector<std::int16_t>>(Klangrate, 8000));
        warte(1000);
        lautsprecher.spiele(Klang::PaarGefunden);
        warte(300);
    }
    qInstallMessageHandler(vorher);
    EXPECT_TRUE(meldungen.isEmpty()) << qPrintable(meldungen.join(QLatin1Char('\n')));
}

// A case with a PulseAudio system daemon of its own, reached through PULSE_SERVER
// (skipped where it cannot start).
class PulseAudioFall : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const char* programm : {"pulseaudio", "parec"})
            if (QStandardPaths::findExecutable(QLatin1String(programm)).isEmpty())
                GTEST_SKIP() << programm << " ist nicht installiert (Debian-Pakete pulseaudio und pulseaudio-utils).";
        // Tests of other builds on this machine wait here rather than fight over the daemon.
        ASSERT_TRUE(sperre_.tryLock(120000)) << "the PulseAudio test of another build holds the lock";
        // The daemon runs as the user "pulse" and must create its socket here.
        ASSERT_TRUE(ordner.isValid());
        QFile::setPermissions(ordner.path(), QFileDevice::Permissions(0x7777));
        dienst.emplace(ordner.path());
        if (!dienst->fehler.isEmpty())
            GTEST_SKIP() << qPrintable(dienst->fehler) << " (Der Systemdienst startet nur als root.)";
        qputenv("PULSE_SERVER", ("unix:" + ordner.filePath(QStringLiteral("native"))).toLocal8Bit());
    }

    // Records the null sink's monitor into datei; a file, as a pipe nobody reads
    // would stall the stream.
    void nimmAuf(QProcess& parec, const QString& datei)
    {
        parec.setStandardOutputFile(datei);
        parec.start(QStringLiteral("parec"), {QStringLiteral("--latency-msec=20"), QStringLiteral("-d"),
                                              QStringLiteral("test.monitor"), QStringLiteral("--format=s16le"),
                                              QStringLiteral("--rate=22050"), QStringLiteral("--channels=1")});
        ASSERT_TRUE(parec.waitForStarted(5000));
    }

    QLockFile sperre_{QDir::tempPath() + QStringLiteral("/paarlix-pulseaudio-test.lock")};
    QTemporaryDir ordner;
    std::optional<Tondienst> dienst;
};

class MitPulseAudio : public PulseAudioFall {};
class KartentonPulseAudio : public PulseAudioFall {};
class NeustartPulseAudio : public PulseAudioFall {};

TEST_F(MitPulseAudio, everySoundOfThreeGamesIsStreamedToTheServer)
{
    // Every sound asked for reaches the server as one loud sound, streamed, with no file on disk.
    // Three games in a row (after "Nochmal spielen" the same output goes on): the first of the
    // run at once, a card a second, a pair or none, the end. The null sink's monitor, recorded
    // with parec, holds one loud sound per sound asked; and no file lies in the temporary folder,
    // as a killed run would leave it.
    const QString datei = ordner.filePath(QStringLiteral("aufnahme.raw"));
    QProcess parec;
    nimmAuf(parec, datei);
    // A null sink with no stream renders up to two seconds ahead and cannot take all of
    // that back for a stream that comes (measured: a new stream then stalls for 1.2 to 1.8 s
    // after its first 60 ms, holding back what it carries). A sound card takes it back, and
    // the game's stream runs from the start of the window on. Another program's silent
    // stream keeps the sink awake here, once its own stall is over; its start starts the recording.
    Lautsprecher wach;
    wach.bereiteVor();
    warte(10000, [&] { return QFileInfo(datei).size() > 0; });
    ASSERT_GT(QFileInfo(datei).size(), 0) << "the recording never started";
    warte(2000);

    const QString tmp = ordner.filePath(QStringLiteral("tmp"));
    ASSERT_TRUE(QDir().mkpath(tmp));
    qputenv("TMPDIR", tmp.toLocal8Bit());
    const struct {
        int PauseMs; // before the sound
        Klang Was;
    } spiel[] = {
        {0, Klang::KarteDreht}, // the first of a run or of a game
        {800, Klang::KarteDreht},
        {250, Klang::PaarGefunden}, // KeinPaar in the second game
        {500, Klang::Spielende},
    };
    int gefragt = 0;
    {
        Lautsprecher lautsprecher;
        for (int runde = 0; runde < 3; ++runde) {
            if (runde > 0)
                warte(900); // the end's last note rings out; then "Nochmal spielen"
            for (const auto& s : spiel) {
                warte(s.PauseMs);
                lautsprecher.spiele(runde == 1 && s.Was == Klang::PaarGefunden ? Klang::KeinPaar : s.Was);
                ++gefragt;
            }
        }
        EXPECT_TRUE(QDir(tmp).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden))
            << qPrintable(QDir(tmp).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).join(QLatin1Char(' ')));
        warte(900);
    }
    qunsetenv("TMPDIR");
    parec.terminate();
    parec.waitForFinished(5000);

    QFile f(datei);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const std::vector<Einsatz> gehoert = einsaetze(f.readAll(), 22050);
    QString liste;
    for (const Einsatz& e : gehoert)
        liste += QStringLiteral(" %1 ms (%2)").arg(e.Ms).arg(e.Spitze);
    EXPECT_EQ(int(gehoert.size()), gefragt) << "sounds heard:" << qPrintable(liste);
    for (const Einsatz& e : gehoert)
        EXPECT_GT(e.Spitze, 8000) << "the sound at " << e.Ms << " ms is quiet or cut";
}

TEST_F(NeustartPulseAudio, soundComesBackFromTheRestartedServerWithoutAWord)
{
    // Sound plays; the server stops and another starts on the same socket, as a desktop
    // restarts it; a later sound reaches the new one. Sounds asked in between return at
    // once, and nothing is printed.
    const QtMessageHandler vorher = qInstallMessageHandler(merkeMeldung);
    // A sound every 0.4 s until one arrives loud (a new stream on a null sink first stalls).
    const auto gehoert = [&](Lautsprecher& lautsprecher, const QString& datei) {
        QProcess parec;
        nimmAuf(parec, datei);
        bool laut = false;
        for (const QDeadlineTimer frist(20000); !laut && !frist.hasExpired();) {
            lautsprecher.spiele(Klang::PaarGefunden);
            warte(400);
            QFile f(datei);
            if (f.open(QIODevice::ReadOnly))
                for (const Einsatz& e : einsaetze(f.readAll(), 22050))
                    laut = laut || e.Spitze > 8000;
        }
        parec.terminate();
        parec.waitForFinished(5000);
        return laut;
    };
    {
        Lautsprecher lautsprecher;
        EXPECT_TRUE(gehoert(lautsprecher, ordner.filePath(QStringLiteral("vorher.raw")))) << "no sound at first";
        dienst.reset();
        for (int k = 0; k < AnzahlKlaenge; ++k)
            lautsprecher.spiele(Klang(k));
        dienst.emplace(ordner.path());
        ASSERT_TRUE(dienst->fehler.isEmpty()) << qPrintable(dienst->fehler);
        EXPECT_TRUE(gehoert(lautsprecher, ordner.filePath(QStringLiteral("nachher.raw"))))
            << "no sound after the restart";
    }
    qInstallMessageHandler(vorher);
    EXPECT_TRUE(meldungen.isEmpty()) << qPrintable(meldungen.join(QLatin1Char('\n')));
}

TEST_F(KartentonPulseAudio, aCardTurnedByKeyPlaysItsSoundUnlessMWasPressed)
{
    // Pair 1 has a second of 440 Hz beside each card. Space turns 01a: the recording holds that
    // tone (not the short tap) from at most 150 ms after the key on. After M, Space turns 01b: silence.
    const QString datei = ordner.filePath(QStringLiteral("aufnahme.raw"));
    QProcess parec;
    nimmAuf(parec, datei);
    Lautsprecher wach; // keeps the null sink awake, as in the case above
    wach.bereiteVor();
    Tischvorgaben v;
    v.Abfragen = QStringLiteral("0");
    v.Toene = {QStringLiteral("01a.jpg"), QStringLiteral("01b.jpg")};
    Spieltisch t(v);
    Lautsprecher lautsprecher;
    t.form->richteTonEin(&lautsprecher, false);
    warte(4000); // the recording starts, and a new stream's stall on a null sink is over
    // Arrows to the card, then Space: where the recording was at the key, in samples.
    const auto dreheUm = [&](bool b) {
        const auto [x, y] = t.paar(1);
        const Zelle z = (t.bild(x)->Tag < 0) == b ? x : y;
        for (const Zelle& f = t.form->BrettFokus; !(f == z);)
            QTest::keyClick(QApplication::focusWidget(), f.Zeile < z.Zeile     ? Qt::Key_Down
                                                         : f.Zeile > z.Zeile   ? Qt::Key_Up
                                                         : f.Spalte < z.Spalte ? Qt::Key_Right
                                                                               : Qt::Key_Left);
        const qint64 stelle = QFileInfo(datei).size() / 2;
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        warte(1500);
        return stelle;
    };
    const qint64 erste = dreheUm(false);
    QTest::keyClick(t.form, Qt::Key_M);
    const qint64 stumm = dreheUm(true);
    parec.terminate();
    parec.waitForFinished(5000);
    QFile f(datei);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray roh = f.readAll();
    ASSERT_GT(roh.size() / 2, stumm + 22050);
    const auto probe = [&](qint64 i) { return int(reinterpret_cast<const qint16*>(roh.constData())[i]); };
    qint64 anfang = erste;
    while (anfang < stumm && std::abs(probe(anfang)) < 4000)
        ++anfang;
    EXPECT_LE((anfang - erste) * 1000 / 22050, 150) << "ms from the key to the card's sound";
    int wechsel = 0; // 440 Hz from 0.2 to 0.8 s: 528 sign changes
    for (qint64 i = anfang + 4410; i < anfang + 17640; ++i)
        wechsel += (probe(i - 1) < 0) != (probe(i) < 0);
    EXPECT_NEAR(wechsel, 528, 20);
    int danach = 0;
    for (qint64 i = stumm; i < roh.size() / 2; ++i)
        danach = std::max(danach, std::abs(probe(i)));
    EXPECT_LT(danach, 1000) << "sound after M";
}
