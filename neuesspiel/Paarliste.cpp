#include "neuesspiel/Paarliste.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>

#include <algorithm>

namespace {

QString inAnfuehrung(const QString& text) { return QStringLiteral("„") + text + QStringLiteral("“"); }

// One line each: a decoder's reason may come in paragraphs.
QString eintrag(const Ausgelassen& a)
{
    return QStringLiteral("%1 (%2)").arg(QFileInfo(a.Pfad).fileName(), a.Grund.simplified());
}

} // namespace

QStringList bildmuster()
{
    QStringList muster{QStringLiteral("*.jpg"), QStringLiteral("*.jpeg")};
    for (const QByteArray& format : QImageReader::supportedImageFormats()) {
        const QString m = QStringLiteral("*.") + QString::fromLatin1(format).toLower();
        if (!muster.contains(m))
            muster += m;
    }
    return muster;
}

QStringList bilderIn(const QString& ordner)
{
    QDir dir(ordner);
    QStringList namen = dir.entryList(bildmuster(), QDir::Files | QDir::Readable, QDir::NoSort);
    std::sort(namen.begin(), namen.end(), natuerlichVor);
    QStringList pfade;
    for (const QString& name : namen)
        pfade += dir.absoluteFilePath(name);
    return pfade;
}

QString vorhandenerOrdner(const QStringList& ordner, const QString& sonst)
{
    for (const QString& o : ordner)
        if (!o.isEmpty() && QFileInfo(o).isDir())
            return o;
    return sonst;
}

QString Paarzeile::dateiname() const { return QFileInfo(Pfad).fileName(); }

Ausrichtung Paarzeile::ausrichtung() const
{
    if (Groesse.isEmpty())
        return Ausrichtung::Unbekannt;
    if (Groesse.width() == Groesse.height())
        return Ausrichtung::Quadratisch;
    return Groesse.width() > Groesse.height() ? Ausrichtung::Quer : Ausrichtung::Hoch;
}

Aufnahme Paarliste::pruefe(const QStringList& pfade) const
{
    Aufnahme aufnahme;
    QStringList dateien;
    for (const QString& pfad : pfade) {
        const QFileInfo info(pfad);
        if (info.isDir()) {
            const QStringList bilder = bilderIn(pfad);
            if (bilder.isEmpty())
                aufnahme.Ausgelassene.push_back({pfad, QStringLiteral("keine Bilder darin")});
            dateien += bilder;
        } else {
            dateien += info.absoluteFilePath();
        }
    }
    QSet<QString> neu;
    for (const QString& datei : dateien) {
        const QString echt = QFileInfo(datei).canonicalFilePath();
        if (echt.isEmpty()) {
            aufnahme.Ausgelassene.push_back({datei, QStringLiteral("gibt es nicht")});
        } else if (echt_.contains(echt) || neu.contains(echt)) {
            aufnahme.Ausgelassene.push_back({datei, QStringLiteral("schon in der Liste")});
        } else {
            neu.insert(echt);
            aufnahme.Pfade += datei;
            aufnahme.Echt += echt;
        }
    }
    return aufnahme;
}

int Paarliste::nimmAuf(const Aufnahme& aufnahme)
{
    const int erste = anzahl();
    for (qsizetype i = 0; i < aufnahme.Pfade.size(); ++i) {
        Paarzeile z;
        z.Nummer = naechste_++;
        z.Pfad = aufnahme.Pfade[i];
        z.Echt = aufnahme.Echt[i];
        z.Name = vorgeschlagenerName(z.dateiname());
        zeileVon_.insert(z.Nummer, anzahl());
        echt_.insert(z.Echt);
        zeilen_.push_back(std::move(z));
        ++offen_;
    }
    ausgelassen_.insert(ausgelassen_.end(), aufnahme.Ausgelassene.begin(), aufnahme.Ausgelassene.end());
    pruefeDoppelte();
    return erste;
}

std::vector<Ausgelassen> Paarliste::fuegeHinzu(const QStringList& pfade)
{
    const Aufnahme aufnahme = pruefe(pfade);
    nimmAuf(aufnahme);
    return aufnahme.Ausgelassene;
}

void Paarliste::nummeriereAb(int zeile)
{
    for (int i = zeile; i < anzahl(); ++i)
        zeileVon_.insert(zeilen_[std::size_t(i)].Nummer, i);
}

void Paarliste::entferne(int zeile)
{
    const Paarzeile& z = zeilen_[std::size_t(zeile)];
    zeileVon_.remove(z.Nummer);
    echt_.remove(z.Echt);
    if (z.Vorschau == Vorschaustand::Offen)
        --offen_;
    zeilen_.erase(zeilen_.begin() + zeile);
    nummeriereAb(zeile);
    pruefeDoppelte();
}

bool Paarliste::verschiebe(int zeile, int richtung)
{
    const int nach = zeile + richtung;
    if (zeile < 0 || zeile >= anzahl() || nach < 0 || nach >= anzahl() || (richtung != 1 && richtung != -1))
        return false;
    std::swap(zeilen_[std::size_t(zeile)], zeilen_[std::size_t(nach)]);
    zeileVon_.insert(zeilen_[std::size_t(zeile)].Nummer, zeile);
    zeileVon_.insert(zeilen_[std::size_t(nach)].Nummer, nach);
    std::vector<bool>::swap(doppelt_[std::size_t(zeile)], doppelt_[std::size_t(nach)]);
    return true;
}

void Paarliste::setzeName(int zeile, const QString& name)
{
    zeilen_[std::size_t(zeile)].Name = name;
    pruefeDoppelte();
}

int Paarliste::vorschauFertig(std::uint64_t nummer, QSize groesse)
{
    const int zeile = zeileVon(nummer);
    if (zeile < 0)
        return -1;
    Paarzeile& z = zeilen_[std::size_t(zeile)];
    if (z.Vorschau == Vorschaustand::Offen)
        --offen_;
    z.Vorschau = Vorschaustand::Fertig;
    z.Groesse = groesse;
    return zeile;
}

int Paarliste::nichtLesbar(std::uint64_t nummer, const QString& grund)
{
    const int zeile = zeileVon(nummer);
    if (zeile < 0)
        return -1;
    ausgelassen_.push_back({zeilen_[std::size_t(zeile)].Pfad, grund});
    entferne(zeile);
    return zeile;
}

void Paarliste::setzeMitNamen(bool mitNamen) { mitNamen_ = mitNamen; }

QStringList Paarliste::fotos() const
{
    QStringList pfade;
    pfade.reserve(anzahl());
    for (const Paarzeile& z : zeilen_)
        pfade += z.Pfad;
    return pfade;
}

QStringList Paarliste::namen() const
{
    QStringList n;
    n.reserve(anzahl());
    for (const Paarzeile& z : zeilen_)
        n += z.Name;
    return n;
}

void Paarliste::pruefeDoppelte() { doppelt_ = doppelteNamen(namen()); }

bool Paarliste::doppelt(int zeile) const { return mitNamen_ && doppelt_[std::size_t(zeile)]; }

QString Paarliste::hinweis(int zeile) const
{
    if (!mitNamen_)
        return {};
    if (zeilen_[std::size_t(zeile)].Name.trimmed().isEmpty())
        return QStringLiteral("Name fehlt");
    return doppelt(zeile) ? QStringLiteral("Name doppelt") : QString();
}

Zielpruefung Paarliste::pruefeZiel(const QString& ordner, const QString& spielname) const
{
    const QString pfad = QDir(ordner).filePath(spielname.trimmed());
    if (const QString fehler = spielnameFehler(spielname); !fehler.isEmpty()) {
        // Before the first photo the name is still to come: nothing to complain about yet.
        return {false, pfad, anzahl() == 0 && spielname.isEmpty() ? QString() : fehler};
    }
    const QFileInfo info(pfad);
    if (info.exists()
        && !(info.isDir() && QDir(pfad).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System)))
        return {false, pfad,
                QStringLiteral("%1 gibt es schon. Bitte einen anderen Namen für das Spiel wählen.")
                    .arg(inAnfuehrung(QDir::toNativeSeparators(pfad)))};
    return {true, pfad, QStringLiteral("Das Spiel wird angelegt in %1.").arg(inAnfuehrung(QDir::toNativeSeparators(pfad)))};
}

Brettfrage Paarliste::brettfrage(QSize bildschirm, int jeRunde) const
{
    std::vector<QSize> groessen;
    groessen.reserve(zeilen_.size());
    for (const Paarzeile& z : zeilen_)
        groessen.push_back(z.Groesse);
    Brettfrage frage = ::brettfrage(groessen, bildschirm, jeRunde);
    if (mitNamen_)
        frage.Namen = namen();
    return frage;
}

bool Paarliste::schreibbar(const Brettvorschau& brett, const Zielpruefung& ziel) const
{
    return brett.Gut && ziel.Geht && offen_ == 0;
}

QString Paarliste::ausgelassenKurz(int zeilen) const
{
    if (ausgelassen_.empty())
        return {};
    // One more line rather than "… und 1 weitere".
    const int alle = int(ausgelassen_.size());
    const int gezeigt = alle <= zeilen + 1 ? alle : zeilen;
    QStringList teile;
    for (int i = 0; i < gezeigt; ++i)
        teile += eintrag(ausgelassen_[std::size_t(i)]);
    QString text = QStringLiteral("Nicht aufgenommen: ") + teile.join('\n');
    if (const int rest = alle - gezeigt; rest > 0)
        text += QStringLiteral("\n… und %1 weitere").arg(rest);
    return text;
}

QString Paarliste::ausgelassenAlle() const
{
    QStringList teile;
    for (const Ausgelassen& a : ausgelassen_)
        teile += eintrag(a);
    return teile.join('\n');
}
