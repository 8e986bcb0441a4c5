#include "app/Programmstart.h"

#include "app/Unit1.h"

#include "druck/Druckausgabe.h"
#include "neuesspiel/Entwurf.h"
#include "neuesspiel/Paarlistendatei.h"
#include "neuesspiel/Spielschreiber.h"
#include "platform/Fehlerbehandlung.h"
#include "platform/Meldungen.h"
#include "platform/PaarlixFehler.h"
#include "platform/Dateiname.h"
#include "platform/Nutzerkonfiguration.h"
#include "platform/Spielordnerwahl.h"
#include "start/Druckdialog.h"
#include "start/NeuesSpielFenster.h"
#include "start/Startablauf.h"
#include "start/Weitergabeablauf.h"
#include "widgets/PaarlixApplication.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHash>
#include <QLineEdit>
#include <QRadioButton>
#include <QTextStream>

#include <csignal>
#include <cstdio>
#include <fcntl.h>

#include <memory>

namespace {

volatile std::sig_atomic_t abbruchSignal = 0;

void merkeAbbruch(int) { abbruchSignal = 1; }

QString programmname(char** argv) { return QFileInfo(QString::fromLocal8Bit(argv[0])).fileName(); }

// Qt's own English warnings (image plugins, missing runtime folder, ...) are
// no business of someone writing a game in a terminal.
void nurFataleMeldungen(QtMsgType art, const QMessageLogContext&, const QString& text)
{
    if (art == QtFatalMsg)
        std::fputs(qPrintable(text + QLatin1Char('\n')), stderr);
}

// A picture whose name is not valid in the system's encoding cannot be opened
// by its decoded name: it is opened by its bytes and handed over as the open
// file's path, named to the user as readably as its bytes allow.
void oeffneRoheNamen(int argc, char** argv, NeuesSpiel& auftrag)
{
    QHash<QString, QByteArray> roh;
    for (int i = 1; i < argc; ++i) {
        const QByteArray bytes(argv[i]);
        const QString name = QFile::decodeName(bytes);
        if (QFile::encodeName(name) != bytes && !roh.contains(name))
            roh.insert(name, bytes);
    }
    if (roh.isEmpty())
        return;
    auftrag.Anzeigenamen = auftrag.Bilder;
    for (qsizetype i = 0; i < auftrag.Bilder.size(); ++i) {
        const auto bytes = roh.constFind(auftrag.Bilder[i]);
        if (bytes == roh.constEnd())
            continue;
        auftrag.Anzeigenamen[i] = lesbarerDateiname(*bytes);
        // Kept open to the end of the program; O_PATH opens nothing that could block.
        if (const int fd = ::open(bytes->constData(), O_PATH | O_CLOEXEC); fd >= 0)
            auftrag.Bilder[i] = QStringLiteral("/proc/self/fd/%1").arg(fd);
    }
}

// For work without a window (printing, packing and unpacking a game): Qt's image
// readers and fonts, no display. Ctrl+C or a closed terminal asks the work to stop.
std::unique_ptr<QGuiApplication> ohneAnzeige(int& argc, char** argv)
{
    qInstallMessageHandler(nurFataleMeldungen);
    qputenv("QT_QPA_PLATFORM", QByteArray("offscreen"));
    schalteSkalierungAus();
    auto anwendung = std::make_unique<QGuiApplication>(argc, argv);
    for (const int signal : {SIGINT, SIGTERM, SIGHUP})
        std::signal(signal, merkeAbbruch);
    return anwendung;
}

// `paarlix --weitergeben`: the summary and where the file is, or why not.
int gibWeiter(const Befehl& befehl, QTextStream& ausgabe, QTextStream& fehler, const QString& programm)
{
    Weitergabeauftrag auftrag;
    auftrag.Spielordner = befehl.Ordner;
    auftrag.Ziel = befehl.Datei.isEmpty() ? weitergabeVorschlag(befehl.Ordner) : befehl.Datei;
    auftrag.Original = befehl.Original;
    auftrag.Abgebrochen = [] { return abbruchSignal != 0; };
    const Weitergabeergebnis ergebnis = gibSpielWeiter(auftrag);
    switch (ergebnis.Art) {
    case Weitergabeergebnis::Ausgang::Geschrieben:
        ausgabe << ergebnis.Zusammenfassung << '\n'
                << QStringLiteral("Gespeichert: %1").arg(QDir::toNativeSeparators(auftrag.Ziel)) << '\n';
        break;
    case Weitergabeergebnis::Ausgang::Abgebrochen:
        fehler << programm << ": " << QStringLiteral("Abgebrochen; es wurde nichts geschrieben.") << '\n';
        break;
    case Weitergabeergebnis::Ausgang::Fehlgeschlagen:
        fehler << programm << ": " << ergebnis.Meldung << '\n';
        break;
    }
    return ergebnis.status();
}

// `paarlix --uebernehmen`: the summary, or why not.
int uebernimm(const Befehl& befehl, QTextStream& ausgabe, QTextStream& fehler, const QString& programm)
{
    const QString ziel = befehl.Ordner.isEmpty() ? spieleordner(Nutzerkonfiguration()) : befehl.Ordner;
    const Uebernahmeergebnis ergebnis = uebernimmSpiel(befehl.Datei, ziel);
    if (!ergebnis.gelungen()) {
        fehler << programm << ": " << ergebnis.Meldung << '\n';
        return 1;
    }
    // The summary names the files left out.
    ausgabe << ergebnis.Zusammenfassung << '\n';
    return 0;
}

// Enters the game's folder, after putting back a game a killed save left
// aside beside it. Why it cannot be entered, or empty.
QString betreteSpiel(const QString& ordner)
{
    raeumeNebenSpielenAuf({ordner});
    return betreteOrdner(ordner);
}

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
        // Pictures are drawn but nothing is shown: the display is asked only
        // for its size, and without one the writer runs offscreen.
        qInstallMessageHandler(nurFataleMeldungen);
        const QByteArray gewaehlt = qgetenv("QT_QPA_PLATFORM");
        const bool anzeige = !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
        qputenv("QT_QPA_PLATFORM", anzeige ? (gewaehlt.isEmpty() ? QByteArray("xcb;wayland") : gewaehlt) + ";offscreen"
                                           : QByteArray("offscreen"));
        schalteSkalierungAus();
        const QGuiApplication anwendung(argc, argv);
        // Ctrl+C or a closed terminal stops the writing, so the hidden draft is removed.
        for (const int signal : {SIGINT, SIGTERM, SIGHUP})
            std::signal(signal, merkeAbbruch);
        NeuesSpiel auftrag;
        auftrag.Ziel = befehl.Ordner;
        auftrag.Bilder = befehl.Bilder;
        auftrag.MitNamen = befehl.MitNamen;
        auftrag.JeRunde = befehl.JeRunde;
        auftrag.Programm = QString::fromLocal8Bit(argv[0]);
        auftrag.Abgebrochen = [] { return abbruchSignal != 0; };
        auftrag.Bildschirm = bezugsbildschirm();
        // Each pair's line as soon as it is written, the rest of the summary at the end.
        qsizetype gezeigt = 0;
        auftrag.Fortschritt = [&ausgabe, &gezeigt](int, int, const QString& zeile) {
            ausgabe << zeile << Qt::endl;
            ++gezeigt;
        };
        if (!befehl.Paarliste.isEmpty()) {
            Listenergebnis liste = lesePaarliste(befehl.Paarliste, befehl.Kopf);
            if (!liste.Meldung.isEmpty()) {
                fehler << programmname(argv) << ": " << befehl.Paarliste << ":\n" << liste.Meldung << '\n';
                return 1;
            }
            // What became of a header row is said before the pairs, as the first line of the summary.
            if (const QString kopf = kopfzeilenText(liste, befehl.Kopf); !kopf.isEmpty())
                ausgabe << kopf << Qt::endl;
            auftrag.Paare = std::move(liste.Paare);
            auftrag.Liste = befehl.Paarliste;
        } else
            oeffneRoheNamen(argc, argv, auftrag);
        const Schreibergebnis ergebnis = schreibeNeuesSpiel(auftrag);
        for (const QString& zeile : ergebnis.Zusammenfassung.mid(gezeigt))
            ausgabe << zeile << '\n';
        ausgabe.flush();
        if (!ergebnis.Meldung.isEmpty())
            fehler << ergebnis.Meldung << '\n';
        return ergebnis.status();
    }
    case Befehl::Aufruf::Drucken: {
        if (befehl.Datei.isEmpty())
            break; // the print dialog needs the application object
        const auto anwendung = ohneAnzeige(argc, argv);
        try {
            const bool fertig = schreibeDruckPdf(befehl.Ordner, befehl.Druck, befehl.Datei,
                                                 [](int, int) { return abbruchSignal == 0; });
            if (!fertig) {
                fehler << programmname(argv) << ": " << QStringLiteral("Abgebrochen; es wurde nichts geschrieben.") << '\n';
                return 1;
            }
        } catch (const EPaarlixFehler& e) {
            fehler << programmname(argv) << ": " << e.text() << '\n';
            return 1;
        }
        ausgabe << QStringLiteral("Geschrieben: %1").arg(befehl.Datei) << '\n';
        return 0;
    }
    case Befehl::Aufruf::Weitergeben: {
        const auto anwendung = ohneAnzeige(argc, argv);
        return gibWeiter(befehl, ausgabe, fehler, programmname(argv));
    }
    case Befehl::Aufruf::Uebernehmen: {
        const auto anwendung = ohneAnzeige(argc, argv);
        return uebernimm(befehl, ausgabe, fehler, programmname(argv));
    }
    case Befehl::Aufruf::Spielen:
        // A game file is taken in once a message box can say why not.
        if (!befehl.Datei.isEmpty())
            break;
        // Checked before any window, so a wrong folder needs no display.
        if (const QString meldung = befehl.Ordner.isEmpty() ? QString() : betreteSpiel(befehl.Ordner);
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

int spieleSpiel(const Spielfensterbau& baue)
{
    struct {
        bool Gewaehlt = false;
        bool EinSpieler = true;
        QString Name1, Name2;
    } wahl;
    for (;;) {
        int status = 1;
        QString neuIn;
        Fehlerbehandlung::ausfuehren([&] {
            const std::unique_ptr<TForm1> fenster = baue();
            TForm1& form = *fenster;
            if (wahl.Gewaehlt && form.Einstellungen.SpielerAbfragen) {
                (wahl.EinSpieler ? form.RadioButton1 : form.RadioButton2)->setChecked(true);
                form.Edit1->setText(wahl.Name1);
                form.Edit2->setText(wahl.Name2);
            }
            form.zeigen();
            status = QApplication::exec();
            // A settings error or a refused board ends the program as a failure.
            if (form.mitFehlerBeendet())
                status = 1;
            if (form.neuAufzubauen()) {
                neuIn = form.spielordner();
                wahl = {true, form.RadioButton1->isChecked(), form.Edit1->text(), form.Edit2->text()};
            }
        });
        if (neuIn.isEmpty())
            return status;
        // Entering fails only for a folder gone again meanwhile: the next
        // window then finds no settings and says so.
        betreteOrdner(neuIn);
    }
}

int zeigeFenster(const Befehl& befehl, Meldungen& meldungen, const Spielfensterbau& baue)
{
    if (befehl.Art == Befehl::Aufruf::Drucken)
        return druckeMitDialog(befehl.Ordner, befehl.Druck, meldungen, nullptr) ? 0 : 1;
    Nutzerkonfiguration konfiguration;
    const auto spiele = [&](const QString& ordner) {
        if (const QString meldung = betreteSpiel(ordner); !meldung.isEmpty()) {
            QTextStream(stderr) << "paarlix: " << meldung << '\n';
            // Started from the desktop, nobody reads the terminal.
            meldungen.fehler(meldung);
            return 1;
        }
        return spieleSpiel(baue);
    };
    // A game file given (double-clicked) is unpacked into the folder for the games and played.
    QString ausDatei;
    if (!befehl.Datei.isEmpty()) {
        const Uebernahmeergebnis ergebnis = uebernimmZumSpielen(befehl.Datei, konfiguration, meldungen);
        if (!ergebnis.gelungen()) {
            QTextStream(stderr) << "paarlix: " << ergebnis.Meldung << '\n';
            if (befehl.Art != Befehl::Aufruf::OrdnerWaehlen)
                return 1;
        } else {
            QTextStream(stdout) << ergebnis.Zusammenfassung << '\n';
            ausDatei = ergebnis.Spielordner;
        }
    }
    if (befehl.Art != Befehl::Aufruf::OrdnerWaehlen)
        return ausDatei.isEmpty() ? spieleSpiel(baue) : spiele(ausDatei);
    // From the desktop, the start window follows the game.
    if (!ausDatei.isEmpty())
        spiele(ausDatei);
    spieleAbStartfenster(konfiguration, meldungen, [&](const QString& ordner) { spiele(ordner); });
    return 0;
}
