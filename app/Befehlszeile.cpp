#include "app/Befehlszeile.h"

#include "weitergabe/Uebernahme.h"

#include <QCommandLineParser>

#include <optional>

namespace {

const QString OrdnerWaehlen = QStringLiteral("ordner-waehlen");
const QString NeuesSpiel = QStringLiteral("neues-spiel");
const QString Namen = QStringLiteral("namen");
const QString OhneTon = QStringLiteral("ohne-ton");
const QString Drucken = QStringLiteral("drucken");
const QString OhneRueckseiten = QStringLiteral("ohne-rueckseiten");
const QString PaareNebeneinander = QStringLiteral("paare-nebeneinander");
const QString Karte = QStringLiteral("karte");
const QString Papier = QStringLiteral("papier");
const QString JeRunde = QStringLiteral("je-runde");
const QString Paare = QStringLiteral("paare");
const QString Ueberschrift = QStringLiteral("ueberschrift");
const QString KeineUeberschrift = QStringLiteral("keine-ueberschrift");
const QString Weitergeben = QStringLiteral("weitergeben");
const QString Original = QStringLiteral("original");
const QString Uebernehmen = QStringLiteral("uebernehmen");
const QString Hilfe = QStringLiteral("help");
const QString Version = QStringLiteral("version");

Befehl befehl(Befehl::Aufruf art, const QString& ordner = {})
{
    Befehl b;
    b.Art = art;
    b.Ordner = ordner;
    return b;
}

Befehl fehler(const QString& meldung)
{
    Befehl b = befehl(Befehl::Aufruf::Fehler);
    b.Meldung = meldung;
    return b;
}

// Qt's own options (-platform offscreen, -style=Fusion, -reverse, ...) are
// taken by the application object later; our parser must not refuse them.
QStringList ohneQtOptionen(const QStringList& argumente)
{
    static const QStringList mitWert = {"platform", "platformpluginpath", "platformtheme", "plugin", "display",
                                        "geometry", "qwindowgeometry", "qwindowtitle", "qwindowicon", "style",
                                        "stylesheet", "session", "name", "title", "visual"};
    static const QStringList ohneWert = {"reverse", "widgetcount", "nograb", "dograb", "sync"};
    QStringList rest;
    // After the target of a new game everything is a picture (see bilderNachDemZiel).
    bool neuesSpiel = false;
    for (int i = 0; i < argumente.size(); ++i) {
        const QString& a = argumente[i];
        neuesSpiel = neuesSpiel || a == QLatin1String("--") + NeuesSpiel;
        // Their values are no target.
        if ((a == QLatin1String("--") + JeRunde || a == QLatin1String("--") + Paare) && i + 1 < argumente.size()) {
            rest += a;
            rest += argumente[++i];
            continue;
        }
        if (neuesSpiel && i > 0 && !a.startsWith(QLatin1Char('-')))
            return rest + argumente.mid(i);
        if (i == 0 || a == QLatin1String("--") || !a.startsWith(QLatin1Char('-'))) {
            if (a == QLatin1String("--"))
                return rest + argumente.mid(i);
            rest += a;
            continue;
        }
        const QString name = a.mid(a.startsWith(QLatin1String("--")) ? 2 : 1).section(QLatin1Char('='), 0, 0);
        if (ohneWert.contains(name) || (mitWert.contains(name) && a.contains(QLatin1Char('='))))
            continue;
        if (mitWert.contains(name) && i + 1 < argumente.size()) {
            ++i;
            continue;
        }
        rest += a;
    }
    return rest;
}

// After the target of --neues-spiel only our own options are options: a
// picture named "-rot.jpg" is a picture. The options go first, then "--" and
// the target and pictures in their order.
QStringList bilderNachDemZiel(const QStringList& argumente)
{
    static const QStringList eigene = {"--" + NeuesSpiel, "--" + Namen,   "--" + OrdnerWaehlen, "--" + OhneTon,
                                       "--" + Hilfe,      "-h",           "--" + Version,       "-v",
                                       "--" + Ueberschrift, "--" + KeineUeberschrift};
    if (!argumente.contains("--" + NeuesSpiel))
        return argumente;
    QStringList optionen = argumente.mid(0, 1);
    QStringList woerter;
    bool nurWoerter = false;
    for (qsizetype i = 1; i < argumente.size(); ++i) {
        const QString& a = argumente[i];
        if (!nurWoerter && a == QLatin1String("--"))
            nurWoerter = true;
        else if (!nurWoerter && (a == "--" + JeRunde || a == "--" + Paare)) {
            // Without its value it must not take the "--" added below.
            optionen += i + 1 < argumente.size() ? a : a + '=';
            if (i + 1 < argumente.size())
                optionen += argumente[++i];
        } else if (!nurWoerter && (a.startsWith("--" + JeRunde + '=') || a.startsWith("--" + Paare + '=')))
            optionen += a;
        else if (nurWoerter || !a.startsWith(QLatin1Char('-')) || (!woerter.isEmpty() && !eigene.contains(a)))
            woerter += a;
        else
            optionen += a;
    }
    return optionen + QStringList{QStringLiteral("--")} + woerter;
}

// The paper sizes the command line knows by name.
std::optional<QPageSize> papierNamens(const QString& name)
{
    static const std::pair<const char*, QPageSize::PageSizeId> namen[] = {
        {"a3", QPageSize::A3}, {"a4", QPageSize::A4}, {"a5", QPageSize::A5},
        {"letter", QPageSize::Letter}, {"legal", QPageSize::Legal}};
    for (const auto& [n, id] : namen)
        if (name.compare(QLatin1String(n), Qt::CaseInsensitive) == 0)
            return QPageSize(id);
    return std::nullopt;
}

Befehl druckbefehl(const QCommandLineParser& leser, const QStringList& rest)
{
    if (leser.isSet(NeuesSpiel) || leser.isSet(OrdnerWaehlen) || leser.isSet(Namen) || leser.isSet(OhneTon)
        || leser.isSet(JeRunde) || leser.isSet(Paare) || leser.isSet(Ueberschrift) || leser.isSet(KeineUeberschrift))
        return fehler(QStringLiteral("--drucken geht nur mit --papier, --karte, --paare-nebeneinander und "
                                     "--ohne-rueckseiten zusammen."));
    if (rest.isEmpty())
        return fehler(QStringLiteral("Bei --drucken fehlt der Spielordner."));
    if (rest.size() > 2)
        return fehler(QStringLiteral("Bei --drucken folgen nur der Spielordner und eine PDF-Datei."));
    Befehl b = befehl(Befehl::Aufruf::Drucken, rest[0]);
    b.Datei = rest.value(1);
    b.Druck.OhneRueckseiten = leser.isSet(OhneRueckseiten);
    b.Druck.PaareNebeneinander = leser.isSet(PaareNebeneinander);
    if (leser.isSet(Karte)) {
        bool zahl = false;
        b.Druck.LangeSeiteMm = leser.value(Karte).toInt(&zahl);
        if (!zahl || b.Druck.LangeSeiteMm < KleinsteSeiteMm || b.Druck.LangeSeiteMm > GroessteSeiteMm)
            return fehler(QStringLiteral("--karte erwartet die lange Seite der Karten in Millimetern, %1 bis %2.")
                              .arg(KleinsteSeiteMm)
                              .arg(GroessteSeiteMm));
    }
    if (leser.isSet(Papier)) {
        const std::optional<QPageSize> seite = papierNamens(leser.value(Papier));
        if (!seite)
            return fehler(QStringLiteral("Unbekanntes Papier „%1“; möglich sind A3, A4, A5, Letter und Legal.")
                              .arg(leser.value(Papier)));
        b.Druck.Seite = *seite;
    }
    return b;
}

// --weitergeben ORDNER [DATEI.paarlix] [--original] and --uebernehmen DATEI [ZIELORDNER]: nothing else goes with them.
Befehl weitergabebefehl(const QCommandLineParser& leser, const QStringList& rest)
{
    if (leser.isSet(Weitergeben) && leser.isSet(Uebernehmen))
        return fehler(QStringLiteral("--weitergeben und --uebernehmen gehen nicht zusammen."));
    const bool geben = leser.isSet(Weitergeben);
    for (const QString& name : leser.optionNames())
        if (name != Weitergeben && name != Uebernehmen && !(geben && name == Original))
            return fehler(geben ? QStringLiteral("--weitergeben geht nur mit --original zusammen.")
                                : QStringLiteral("--uebernehmen geht mit keiner anderen Option zusammen."));
    if (geben) {
        if (rest.isEmpty())
            return fehler(QStringLiteral("Bei --weitergeben fehlt der Spielordner."));
        if (rest.size() > 2)
            return fehler(QStringLiteral("Bei --weitergeben folgen nur der Spielordner und eine .paarlix-Datei."));
        if (rest.size() == 2 && !hatPaarlixEndung(rest[1]))
            return fehler(QStringLiteral("Die Datei für --weitergeben muss auf .paarlix enden: „%1“.").arg(rest[1]));
        Befehl b = befehl(Befehl::Aufruf::Weitergeben, rest[0]);
        b.Datei = rest.value(1);
        b.Original = leser.isSet(Original);
        return b;
    }
    if (rest.isEmpty())
        return fehler(QStringLiteral("Bei --uebernehmen fehlt die .paarlix-Datei."));
    if (rest.size() > 2)
        return fehler(QStringLiteral("Bei --uebernehmen folgen nur die .paarlix-Datei und ein Zielordner."));
    Befehl b = befehl(Befehl::Aufruf::Uebernehmen, rest.value(1));
    b.Datei = rest[0];
    return b;
}

} // namespace

Befehl leseBefehlszeile(const QStringList& argumente)
{
    QCommandLineParser leser;
    leser.addOptions({{OrdnerWaehlen, {}}, {NeuesSpiel, {}}, {Namen, {}}, {OhneTon, {}},
                      {JeRunde, {}, QStringLiteral("N")}, {Paare, {}, QStringLiteral("liste")}, {Drucken, {}},
                      {OhneRueckseiten, {}}, {PaareNebeneinander, {}}, {Karte, {}, QStringLiteral("mm")},
                      {Papier, {}, QStringLiteral("name")}, {Ueberschrift, {}}, {KeineUeberschrift, {}},
                      {Weitergeben, {}}, {Original, {}}, {Uebernehmen, {}},
                      {{QStringLiteral("h"), Hilfe}, {}}, {{QStringLiteral("v"), Version}, {}}});
    // Qt's own messages are English; ours are built from what the parser found.
    if (!leser.parse(bilderNachDemZiel(ohneQtOptionen(argumente)))) {
        const QStringList unbekannt = leser.unknownOptionNames();
        if (unbekannt.isEmpty() && leser.errorText().contains(JeRunde))
            return fehler(QStringLiteral("Bei --je-runde fehlt die Zahl der Paare je Runde."));
        if (unbekannt.isEmpty() && leser.errorText().contains("--" + Paare + "'"))
            return fehler(QStringLiteral("Bei --paare fehlt die Liste der Paare."));
        if (unbekannt.isEmpty())
            return fehler(QStringLiteral("Die Befehlszeile ist fehlerhaft."));
        const QString name = unbekannt.first();
        return fehler(QStringLiteral("Unbekannte Option „%1%2“.").arg(name.size() == 1 ? "-" : "--", name));
    }
    if (leser.isSet(Hilfe))
        return befehl(Befehl::Aufruf::Hilfe);
    if (leser.isSet(Version))
        return befehl(Befehl::Aufruf::Version);

    const QStringList rest = leser.positionalArguments();
    if (leser.isSet(Weitergeben) || leser.isSet(Uebernehmen))
        return weitergabebefehl(leser, rest);
    if (leser.isSet(Original))
        return fehler(QStringLiteral("--original gehört zu --weitergeben."));
    if (leser.isSet(Drucken))
        return druckbefehl(leser, rest);
    for (const QString& option : {OhneRueckseiten, PaareNebeneinander, Karte, Papier})
        if (leser.isSet(option))
            return fehler(QStringLiteral("--%1 gehört zu --drucken.").arg(option));
    if (leser.isSet(Ueberschrift) && leser.isSet(KeineUeberschrift))
        return fehler(QStringLiteral("--ueberschrift und --keine-ueberschrift gehen nicht zusammen."));
    for (const QString& option : {Ueberschrift, KeineUeberschrift})
        if (leser.isSet(option) && !leser.isSet(Paare))
            return fehler(QStringLiteral("--%1 gehört zu --paare.").arg(option));
    if (leser.isSet(NeuesSpiel)) {
        if (leser.isSet(OhneTon))
            return fehler(QStringLiteral("--ohne-ton gehört zum Spielen, nicht zu --neues-spiel."));
        if (leser.isSet(OrdnerWaehlen))
            return fehler(QStringLiteral("--neues-spiel und --ordner-waehlen gehen nicht zusammen."));
        if (leser.isSet(Paare)) {
            if (leser.isSet(Namen))
                return fehler(QStringLiteral("--namen und --paare gehen nicht zusammen; die Liste nennt jede Karte."));
            if (leser.value(Paare).isEmpty())
                return fehler(QStringLiteral("Bei --paare fehlt die Liste der Paare."));
            if (rest.isEmpty())
                return fehler(QStringLiteral("Bei --neues-spiel --paare fehlt der Zielordner."));
            if (rest.size() > 1)
                return fehler(QStringLiteral("Bei --paare folgt nur der Zielordner; die Bilder stehen in der Liste."));
        }
        if (rest.isEmpty())
            return fehler(QStringLiteral("Bei --neues-spiel fehlen der Zielordner und die Bilder."));
        Befehl neu = befehl(Befehl::Aufruf::NeuesSpiel, rest.first());
        neu.Bilder = rest.mid(1);
        neu.Paarliste = leser.value(Paare);
        neu.MitNamen = leser.isSet(Namen);
        neu.Kopf = leser.isSet(Ueberschrift)        ? Kopfzeile::Ueberschrift
                   : leser.isSet(KeineUeberschrift) ? Kopfzeile::Paar
                                                    : Kopfzeile::Raten;
        if (leser.isSet(JeRunde)) {
            bool zahl = false;
            const QString wert = leser.value(JeRunde);
            if (wert.isEmpty())
                return fehler(QStringLiteral("Bei --je-runde fehlt die Zahl der Paare je Runde."));
            neu.JeRunde = wert.toInt(&zahl);
            if (!zahl || neu.JeRunde < 1)
                return fehler(QStringLiteral("Bei --je-runde muss die Zahl der Paare je Runde stehen (ab 1), nicht „%1“.")
                                  .arg(wert));
        }
        return neu;
    }
    if (leser.isSet(Namen))
        return fehler(QStringLiteral("--namen gehört zu --neues-spiel."));
    if (leser.isSet(JeRunde))
        return fehler(QStringLiteral("--je-runde gehört zu --neues-spiel."));
    if (leser.isSet(Paare))
        return fehler(QStringLiteral("--paare gehört zu --neues-spiel."));
    // A game file (the desktop entry hands over a double-clicked one) is taken in and played.
    const bool spieldatei = rest.size() == 1 && hatPaarlixEndung(rest[0]);
    if (leser.isSet(OrdnerWaehlen) && !rest.isEmpty() && !spieldatei)
        return fehler(QStringLiteral("Bei --ordner-waehlen wird kein Ordner angegeben."));
    if (rest.size() > 1)
        return fehler(QStringLiteral("Es kann nur ein Spielordner angegeben werden."));
    Befehl spielen = leser.isSet(OrdnerWaehlen) ? befehl(Befehl::Aufruf::OrdnerWaehlen)
                                                : befehl(Befehl::Aufruf::Spielen, spieldatei ? QString() : rest.value(0));
    if (spieldatei)
        spielen.Datei = rest[0];
    spielen.OhneTon = leser.isSet(OhneTon);
    return spielen;
}

QString hilfetext(const QString& programm)
{
    // The other usage lines start below the program's name in the first.
    const QString einzug(QStringLiteral("Aufruf: ").size(), QLatin1Char(' '));
    return QStringLiteral(
               "Paarlix – das Memory-Spiel mit eigenen Bildern\n"
               "\n"
               "Aufruf: %1 [--ohne-ton] [ORDNER]\n"
               "%2%1 --ordner-waehlen\n"
               "%2%1 --neues-spiel [--namen] [--je-runde N] ZIELORDNER BILD…\n"
               "%2%1 --neues-spiel --paare LISTE [--je-runde N] ZIELORDNER\n"
               "%2%1 --drucken [DRUCKOPTION…] ORDNER [DATEI.pdf]\n"
               "%2%1 [--ohne-ton] DATEI.paarlix\n"
               "%2%1 --weitergeben [--original] ORDNER [DATEI.paarlix]\n"
               "%2%1 --uebernehmen DATEI.paarlix [ZIELORDNER]\n"
               "\n"
               "  ORDNER            das Spiel in diesem Ordner starten (sonst im aktuellen)\n"
               "  DATEI.paarlix     das weitergegebene Spiel in den Ordner für die Spiele\n"
               "                    auspacken und starten\n"
               "  --ordner-waehlen  mit dem Startfenster beginnen: Spiel öffnen, aus Fotos\n"
               "                    anlegen, zuletzt gespielte Spiele, Beispielspiel\n"
               "  --neues-spiel     aus den Bildern ein neues Spiel im ZIELORDNER anlegen;\n"
               "                    jedes Bild wird ein Paar\n"
               "  --namen           als zweites Bild jedes Paares eine Karte mit dem\n"
               "                    Dateinamen ohne Endung („Oma Erna.jpg“ → „Oma Erna“)\n"
               "  --paare LISTE     die Paare aus der LISTE, einer Textdatei mit zwei Spalten\n"
               "                    (getrennt durch Tabulator, Semikolon oder Komma, wie eine\n"
               "                    Tabellenkalkulation sie speichert): je Zeile die erste und\n"
               "                    die zweite Karte, jede ein Foto (Pfad), ein Text oder ein\n"
               "                    Ton (.wav, .flac, .ogg, .oga, .opus, .mp3); ohne zweite\n"
               "                    Karte wird das Foto zweimal gezeigt; eine dritte Spalte\n"
               "                    darf einen Ton für die zweite Karte tragen, mit „1:“\n"
               "                    davor für die erste\n"
               "  --ueberschrift    die erste Zeile der LISTE ist eine Überschrift und kein\n"
               "                    Paar (sonst wird das erkannt, etwa „Deutsch;Englisch“)\n"
               "  --keine-ueberschrift  die erste Zeile der LISTE ist ein Paar\n"
               "  --je-runde N      je Runde N Paare, zufällig aus allen; das Spielfeld wird\n"
               "                    für N Paare gewählt (sonst für alle, die Platz haben)\n"
               "  --drucken         die Karten des Spiels zum Ausschneiden drucken, mit\n"
               "                    Rückseiten: in die DATEI.pdf, sonst mit dem Druckdialog\n"
               "  --papier=NAME     Papier A4 (so ohne Angabe), A3, A5, Letter oder Legal\n"
               "  --karte=MM        lange Seite der Karten in mm, 40 bis 90 (sonst 60)\n"
               "  --paare-nebeneinander  beide Karten eines Paares nebeneinander\n"
               "  --ohne-rueckseiten     ohne die Seiten mit den Rückseiten\n"
               "  --weitergeben     das Spiel als eine Datei zum Verschicken speichern: in die\n"
               "                    DATEI.paarlix, sonst als NAME.paarlix in den Dokumenten;\n"
               "                    große Fotos werden auf 2048 Pixel verkleinert\n"
               "  --original        jede Datei unverändert, auch große Fotos\n"
               "  --uebernehmen     das Spiel aus der DATEI.paarlix auspacken, ohne es zu\n"
               "                    starten: in den ZIELORDNER, sonst den Ordner für die Spiele\n"
               "  --ohne-ton        ohne Ton spielen; die Taste M schaltet den Ton im Spiel\n"
               "                    ein und aus\n"
               "  -h, --help        diese Hilfe\n"
               "  -v, --version     die Versionsnummer\n")
        .arg(programm, einzug);
}
