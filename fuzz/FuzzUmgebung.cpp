#include "fuzz/FuzzUmgebung.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

namespace {

// Qt's warnings (a file name with a zero byte, say) would flood the run and
// slow it down; they are shown only when asked for. A fatal one still aborts.
void meldungen(QtMsgType art, const QMessageLogContext&, const QString& text)
{
    if (art == QtFatalMsg || !qEnvironmentVariableIsEmpty("PAARLIX_FUZZ_VERBOSE"))
        std::fprintf(stderr, "%s\n", qPrintable(text));
}

} // namespace

void sichereAnwendung()
{
    if (QGuiApplication::instance())
        return;
    qInstallMessageHandler(meldungen);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Lives until the process ends; libFuzzer never returns to a main of ours.
    static int argc = 1;
    static char name[] = "paarlix-fuzz";
    static char* argv[] = {name, nullptr};
    static QGuiApplication* const anwendung = new QGuiApplication(argc, argv);
    (void)anwendung;
}

namespace {

QTemporaryDir& eingabeOrdner()
{
    // Memory-backed when possible: the fuzzer rewrites the file thousands of times a second.
    static QTemporaryDir ordner(QFileInfo(QStringLiteral("/dev/shm")).isWritable()
                                    ? QStringLiteral("/dev/shm/paarlix-fuzz-XXXXXX")
                                    : QDir::tempPath() + QStringLiteral("/paarlix-fuzz-XXXXXX"));
    if (!ordner.isValid())
        std::abort();
    return ordner;
}

} // namespace

QString schreibeEingabe(const QString& dateiname, const std::uint8_t* data, std::size_t size)
{
    const QString pfad = eingabeOrdner().filePath(dateiname);
    QFile datei(pfad);
    if (!datei.open(QIODevice::WriteOnly | QIODevice::Truncate)
        || datei.write(reinterpret_cast<const char*>(data), qint64(size)) != qint64(size))
        std::abort();
    return pfad;
}

QString eingabeordner()
{
    return eingabeOrdner().path();
}

void berichte(const QString& text)
{
    static const bool gespraechig = !qEnvironmentVariableIsEmpty("PAARLIX_FUZZ_VERBOSE");
    if (gespraechig)
        std::fprintf(stderr, "%s\n", qPrintable(text));
}
