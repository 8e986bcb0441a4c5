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
    switch (befehl.art) {
    case Befehl::Art::Hilfe:
        ausgabe << hilfetext(programmname(argv));
        return 0;
    case Befehl::Art::Version:
        ausgabe << "Paarlix " PAARLIX_VERSION "\n";
        return 0;
    case Befehl::Art::Fehler:
        fehler << programmname(argv) << ": " << befehl.meldung << '\n'
               << QStringLiteral("Hilfe: %1 --help\n").arg(programmname(argv));
        return 2;
    case Befehl::Art::NeuesSpiel: {
        // Pictures are drawn but nothing is shown: no display needed.
        qputenv("QT_QPA_PLATFORM", "offscreen");
        const QGuiApplication anwendung(argc, argv);
        // Ctrl+C or a closed terminal stops between pictures, so the hidden draft is removed.
        for (const int signal : {SIGINT, SIGTERM, SIGHUP})
            std::signal(signal, merkeAbbruch);
        return schreibeNeuesSpiel({befehl.ordner, befehl.bilder, befehl.mitNamen,
                                   QString::fromLocal8Bit(argv[0]), [] { return abbruchSignal != 0; }},
                                  ausgabe, fehler);
    }
    case Befehl::Art::Spielen:
        // Checked before any window, so a wrong folder needs no display.
        if (const QString meldung = befehl.ordner.isEmpty() ? QString() : betreteOrdner(befehl.ordner);
            !meldung.isEmpty()) {
            fehler << programmname(argv) << ": " << meldung << '\n';
            return 1;
        }
        break;
    case Befehl::Art::OrdnerWaehlen:
        break;
    }
    return std::nullopt;
}

std::optional<int> betreteSpielordner(const Befehl& befehl)
{
    if (befehl.art != Befehl::Art::OrdnerWaehlen)
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
