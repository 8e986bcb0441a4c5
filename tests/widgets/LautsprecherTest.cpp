// The sounds through Qt Multimedia: silent and quiet without a sound server,
// audible on a real PulseAudio server. Each case runs in a process of its own
// (the sound server is looked up once per process), selected by a filter.
#include "widgets/Lautsprecher.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
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

// The loudest sample of a recording of mono 16-bit samples.
int spitze(const QByteArray& aufnahme)
{
    int hoechste = 0;
    for (qsizetype i = 0; i + 1 < aufnahme.size(); i += 2) {
        qint16 v;
        std::memcpy(&v, aufnahme.constData() + i, 2);
        hoechste = std::max(hoechste, std::abs(int(v)));
    }
    return hoechste;
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

TEST(OhneTondienst, soundsStaySilentAndSayNothing)
{
    // No server at the given socket: playing every sound neither fails nor prints.
    QTemporaryDir leer;
    qputenv("PULSE_SERVER", ("unix:" + leer.filePath(QStringLiteral("keiner"))).toLocal8Bit());
    const QtMessageHandler vorher = qInstallMessageHandler(merkeMeldung);
    {
        Lautsprecher lautsprecher;
        for (int k = 0; k < AnzahlKlaenge; ++k)
            lautsprecher.spiele(Klang(k));
        warte(1000);
        lautsprecher.spiele(Klang::PaarGefunden);
        warte(300);
    }
    qInstallMessageHandler(vorher);
    EXPECT_TRUE(meldungen.isEmpty()) << qPrintable(meldungen.join(QLatin1Char('\n')));
}

TEST(MitPulseAudio, thePairSoundReachesTheServersSink)
{
    // The pair sound played through a PulseAudio null sink arrives there: its monitor,
    // recorded with parec, holds samples far above silence.
    if (QStandardPaths::findExecutable(QStringLiteral("pulseaudio")).isEmpty())
        GTEST_SKIP() << "pulseaudio ist nicht installiert (Debian-Pakete pulseaudio und pulseaudio-utils).";
    ASSERT_FALSE(QStandardPaths::findExecutable(QStringLiteral("parec")).isEmpty())
        << "parec fehlt (Debian-Paket pulseaudio-utils).";
    // Tests of other builds on this machine wait here rather than fight over the daemon.
    QLockFile sperre(QDir::tempPath() + QStringLiteral("/paarlix-pulseaudio-test.lock"));
    ASSERT_TRUE(sperre.tryLock(120000)) << "the PulseAudio test of another build holds the lock";

    // The daemon runs as the user "pulse" and must create its socket here.
    QTemporaryDir ordner;
    ASSERT_TRUE(ordner.isValid());
    QFile::setPermissions(ordner.path(), QFileDevice::Permissions(0x7777));
    const Tondienst dienst(ordner.path());
    ASSERT_TRUE(dienst.fehler.isEmpty()) << qPrintable(dienst.fehler);
    qputenv("PULSE_SERVER", ("unix:" + ordner.filePath(QStringLiteral("native"))).toLocal8Bit());

    // Written to a file: a pipe nobody reads would stall the stream.
    const QString datei = ordner.filePath(QStringLiteral("aufnahme.raw"));
    QProcess parec;
    parec.setStandardOutputFile(datei);
    parec.start(QStringLiteral("parec"), {QStringLiteral("--latency-msec=20"), QStringLiteral("-d"),
                                          QStringLiteral("test.monitor"), QStringLiteral("--format=s16le"),
                                          QStringLiteral("--rate=22050"), QStringLiteral("--channels=1")});
    ASSERT_TRUE(parec.waitForStarted(5000));
    warte(500);
    int lautstaerke = 0;
    {
        Lautsprecher lautsprecher;
        lautsprecher.spiele(Klang::PaarGefunden);
        warte(5000, [&] {
            QFile f(datei);
            lautstaerke = f.open(QIODevice::ReadOnly) ? spitze(f.readAll()) : 0;
            return lautstaerke > 1000;
        });
    }
    parec.terminate();
    parec.waitForFinished(5000);
    EXPECT_GT(lautstaerke, 1000) << "loudest sample recorded";
}
