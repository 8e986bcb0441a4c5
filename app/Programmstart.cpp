#include "app/Programmstart.h"

#include "app/Spielordnerwahl.h"
#include "app/Startablauf.h"
#include "neuesspiel/Spielschreiber.h"
#include "platform/Nutzerkonfiguration.h"
#include "widgets/Meldungsfenster.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QTextStream>

#include <csignal>
#include <cstdio>

namespace {

volatile std::sig_atomic_t abbruchSignal = 0;

void merkeAbbruch(int) { abbruchSignal = 1; }

QString programmname(char** argv) { return QFileInfo(QString::fromLocal8Bit(argv[0])).fileName(); }

} // namespace

Befehl befehlAus(int argc, char** argv)
{
    QStringList argumente;
    for (int i = 0; i < argc; ++i)
        argumente += QString::fromLocal8Bit(argv[i]);
    return leseBefehlszeile(argumente);
}

std::optional<int> ohneFenster(const Befehl& befehl, int& argc, char** argv)
{
    QTextStream ausgabe(stdout);
    QTextStream fehler(stderr);
    switch (befehl.Art) {
    case Befehl::Aufruf::Hilfe:
        ausgabe << hilfetext(programmname(argv));
        return 0;
    case Befehl::Aufruf::Version:
        ausgabe << "Paarlix " PAARLIX_VERSION "\n";
        return 0;
    case Befehl::Aufruf::Fehler:
        fehler << programmname(argv) << ": " << befehl.Meldung << '\n'
               << QStringLiteral("Hilfe: %1 --help\n").arg(programmname(argv));
        return 2;
    case Befehl::Aufruf::NeuesSpiel: {
        // Pictures are drawn but nothing is shown: no display needed.
        qputenv("QT_QPA_PLATFORM", "offscreen");
        const QGuiApplication anwendung(argc, argv);
        // Ctrl+C or a closed terminal stops between pictures, so the hidden draft is removed.
        for (const int signal : {SIGINT, SIGTERM, SIGHUP})
            std::signal(signal, merkeAbbruch);
        return schreibeNeuesSpiel({befehl.Ordner, befehl.Bilder, befehl.MitNamen,
                                   QString::fromLocal8Bit(argv[0]), [] { return abbruchSignal != 0; }},
                                  ausgabe, fehler);
    }
    case Befehl::Aufruf::Spielen:
        // Checked before any window, so a wrong folder needs no display.
        if (const QString meldung = befehl.Ordner.isEmpty() ? QString() : betreteOrdner(befehl.Ordner);
            !meldung.isEmpty()) {
            fehler << programmname(argv) << ": " << meldung << '\n';
            return 1;
        }
        break;
    case Befehl::Aufruf::OrdnerWaehlen:
        break;
    }
    return std::nullopt;
}

std::optional<int> betreteSpielordner(const Befehl& befehl)
{
    if (befehl.Art != Befehl::Aufruf::OrdnerWaehlen)
        return std::nullopt;
    Nutzerkonfiguration konfiguration;
    Meldungsfenster meldungen;
    const QString ordner = waehleSpielImStartfenster(konfiguration, meldungen);
    if (ordner.isEmpty())
        return 0;
    if (const QString meldung = betreteOrdner(ordner); !meldung.isEmpty()) {
        QTextStream(stderr) << "paarlix: " << meldung << '\n';
        // Started from the desktop, nobody reads the terminal.
        Meldungsfenster().fehler(meldung);
        return 1;
    }
    return std::nullopt;
}
