// The list of pairs: its rows added, changed and read out for the writer and the board.
#include "neuesspiel/Paarliste.h"

#include "karten/Kartenname.h"
#include "pictures/Bildbeschreibung.h"
#include "pictures/HeifLeser.h"
#include "platform/Dateikennung.h"
#include "platform/NatuerlicheOrdnung.h"

#include "board/Kartenformat.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>

#include <algorithm>

namespace {

Kartenangabe foto(const QString& pfad) { return {pfad, {}}; }
Kartenangabe text(const QString& t) { return {{}, t}; }

} // namespace

QStringList bildmuster()
{
    QStringList muster{QStringLiteral("*.jpg"), QStringLiteral("*.jpeg")};
    for (const QByteArray& format : QImageReader::supportedImageFormats()) {
        const QString m = QStringLiteral("*.") + QString::fromLatin1(format).toLower();
        if (!muster.contains(m))
            muster += m;
    }
    // Read through libheif, not Qt; phones name them in capitals (IMG_0001.HEIC).
    for (const QString& endung : HeifEndungen)
        for (const QString& m : {QStringLiteral("*.") + endung, QStringLiteral("*.") + endung.toUpper()})
            if (!muster.contains(m))
                muster += m;
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

bool zweitartMoeglich(const Paarzeile& zeile, Zweitart art)
{
    return !zeile.istText() || art == Zweitart::Foto || art == Zweitart::Text;
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
        const QString echt = dateikennung(datei);
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
        z.Zweite = mitNamen_ ? Zweitart::Name : Zweitart::GleichesFoto;
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

bool Paarliste::nimmFoto(const QString& pfad, Zeilenfoto& foto, QString& grund)
{
    const QFileInfo info(pfad);
    const QString echt = dateikennung(pfad);
    if (echt.isEmpty() || !info.isFile()) {
        grund = echt.isEmpty() ? QStringLiteral("gibt es nicht") : QStringLiteral("ist kein Bild");
        return false;
    }
    if (echt_.contains(echt)) {
        grund = QStringLiteral("schon in der Liste");
        return false;
    }
    foto = {naechste_++, info.absoluteFilePath(), echt, {}, Vorschaustand::Offen};
    echt_.insert(echt);
    ++offen_;
    return true;
}

int Paarliste::fuegePaareHinzu(const Paarangaben& paare)
{
    const int erste = anzahl();
    for (const Paarangabe& paar : paare) {
        Paarzeile z;
        Zeilenfoto erstes;
        Zeilenfoto zweites;
        QString grund;
        const auto lassAus = [&](const Kartenangabe& karte) {
            const QString herkunft = karte.Herkunft.isEmpty() ? QString() : karte.Herkunft + QStringLiteral(": ");
            ausgelassen_.push_back({karte.name(), herkunft + grund});
        };
        if (paar.Erste.istFoto()) {
            if (!nimmFoto(paar.Erste.Foto, erstes, grund)) {
                lassAus(paar.Erste);
                continue;
            }
        } else {
            erstes.Nummer = naechste_++;
            erstes.Vorschau = Vorschaustand::Fertig;
            z.Text = paar.Erste.Text;
        }
        // The pair's own photo again is the same photo twice.
        const bool zweitesFoto = paar.Zweite.istFoto()
            && !(paar.Erste.istFoto() && dateikennung(paar.Zweite.Foto) == erstes.Echt);
        if (zweitesFoto && !nimmFoto(paar.Zweite.Foto, zweites, grund)) {
            lassAus(paar.Zweite);
            if (paar.Erste.istFoto()) {
                echt_.remove(erstes.Echt);
                --offen_;
            }
            continue;
        }
        z.Nummer = erstes.Nummer;
        z.Pfad = erstes.Pfad;
        z.Echt = erstes.Echt;
        z.Vorschau = erstes.Vorschau;
        z.Name = z.istText() ? QString() : vorgeschlagenerName(QFileInfo(z.Pfad).fileName());
        if (zweitesFoto) {
            z.Zweite = Zweitart::Foto;
            z.Zweitfoto = zweites;
            zeileVon_.insert(zweites.Nummer, anzahl());
        } else if (!paar.Zweite.Text.isEmpty() || paar.Zweite.istNurTon() || z.istText()) {
            z.Zweite = Zweitart::Text;
            z.Zweittext = paar.Zweite.Text;
        } else {
            z.Zweite = mitNamen_ ? Zweitart::Name : Zweitart::GleichesFoto;
        }
        z.Toene[0] = {paar.Erste.Ton, paar.Erste.Tonname};
        if (!paar.Zweite.leer())
            z.Toene[1] = {paar.Zweite.Ton, paar.Zweite.Tonname};
        zeileVon_.insert(z.Nummer, anzahl());
        zeilen_.push_back(std::move(z));
    }
    pruefeDoppelte();
    return anzahl() > erste ? erste : -1;
}

int Paarliste::fuegeTextpaarHinzu()
{
    Paarzeile z;
    z.Nummer = naechste_++;
    z.Vorschau = Vorschaustand::Fertig;
    z.Zweite = Zweitart::Text;
    zeileVon_.insert(z.Nummer, anzahl());
    zeilen_.push_back(std::move(z));
    pruefeDoppelte();
    return anzahl() - 1;
}

void Paarliste::lasseZweitfoto(Paarzeile& zeile)
{
    Zeilenfoto& foto = zeile.Zweitfoto;
    if (foto.Nummer == 0)
        return;
    zeileVon_.remove(foto.Nummer);
    echt_.remove(foto.Echt);
    if (foto.Vorschau == Vorschaustand::Offen)
        --offen_;
    foto = {};
}

bool Paarliste::setzeZweitart(int zeile, Zweitart art)
{
    Paarzeile& z = zeilen_[std::size_t(zeile)];
    if (art == Zweitart::Foto || !zweitartMoeglich(z, art))
        return false;
    lasseZweitfoto(z);
    z.Zweite = art;
    pruefeDoppelte();
    return true;
}

QString Paarliste::setzeZweitfoto(int zeile, const QString& pfad)
{
    Paarzeile& z = zeilen_[std::size_t(zeile)];
    Zeilenfoto foto;
    QString grund;
    if (!nimmFoto(pfad, foto, grund)) {
        ausgelassen_.push_back({pfad, grund});
        return grund;
    }
    lasseZweitfoto(z);
    z.Zweitfoto = foto;
    z.Zweite = Zweitart::Foto;
    zeileVon_.insert(foto.Nummer, zeile);
    pruefeDoppelte();
    return {};
}

std::vector<std::pair<std::uint64_t, QString>> Paarliste::offeneFotos(int ab) const
{
    std::vector<std::pair<std::uint64_t, QString>> offen;
    for (int i = std::max(ab, 0); i < anzahl(); ++i) {
        const Paarzeile& z = zeilen_[std::size_t(i)];
        if (!z.istText() && z.Vorschau == Vorschaustand::Offen)
            offen.emplace_back(z.Nummer, z.Pfad);
        if (z.Zweitfoto.Nummer != 0 && z.Zweitfoto.Vorschau == Vorschaustand::Offen)
            offen.emplace_back(z.Zweitfoto.Nummer, z.Zweitfoto.Pfad);
    }
    return offen;
}

void Paarliste::nummeriereAb(int zeile)
{
    for (int i = zeile; i < anzahl(); ++i) {
        zeileVon_.insert(zeilen_[std::size_t(i)].Nummer, i);
        if (const std::uint64_t zweites = zeilen_[std::size_t(i)].Zweitfoto.Nummer; zweites != 0)
            zeileVon_.insert(zweites, i);
    }
}

void Paarliste::entferne(int zeile)
{
    Paarzeile& z = zeilen_[std::size_t(zeile)];
    lasseZweitfoto(z);
    zeileVon_.remove(z.Nummer);
    if (!z.istText())
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
    std::swap(doppelt_[std::size_t(zeile)], doppelt_[std::size_t(nach)]);
    nummeriereAb(std::min(zeile, nach));
    return true;
}

void Paarliste::setzeName(int zeile, const QString& name)
{
    zeilen_[std::size_t(zeile)].Name = ohneFormatzeichen(name);
    pruefeDoppelte();
}

void Paarliste::setzeText(int zeile, const QString& text)
{
    zeilen_[std::size_t(zeile)].Text = ohneFormatzeichen(text);
    pruefeDoppelte();
}

bool Paarliste::setzeTon(int zeile, bool zweite, const Zeilenton& ton)
{
    Paarzeile& z = zeilen_[std::size_t(zeile)];
    if (zweite && z.Zweite == Zweitart::GleichesFoto)
        return false;
    z.Toene[zweite ? 1 : 0] = ton;
    pruefeDoppelte();
    return true;
}

void Paarliste::setzeZweittext(int zeile, const QString& text)
{
    zeilen_[std::size_t(zeile)].Zweittext = ohneFormatzeichen(text);
    pruefeDoppelte();
}

int Paarliste::vorschauFertig(std::uint64_t nummer, QSize groesse)
{
    const int zeile = zeileVon(nummer);
    if (zeile < 0)
        return -1;
    Paarzeile& z = zeilen_[std::size_t(zeile)];
    const bool zweites = z.Zweitfoto.Nummer == nummer;
    Vorschaustand& stand = zweites ? z.Zweitfoto.Vorschau : z.Vorschau;
    if (stand == Vorschaustand::Offen)
        --offen_;
    stand = Vorschaustand::Fertig;
    (zweites ? z.Zweitfoto.Groesse : z.Groesse) = groesse;
    return zeile;
}

int Paarliste::nichtLesbar(std::uint64_t nummer, const QString& grund)
{
    const int zeile = zeileVon(nummer);
    if (zeile < 0)
        return -1;
    Paarzeile& z = zeilen_[std::size_t(zeile)];
    if (z.Zweitfoto.Nummer == nummer) {
        ausgelassen_.push_back({z.Zweitfoto.Pfad, grund});
        lasseZweitfoto(z);
        z.Zweite = z.istText() ? Zweitart::Text : mitNamen_ ? Zweitart::Name : Zweitart::GleichesFoto;
        pruefeDoppelte();
        return zeile;
    }
    ausgelassen_.push_back({z.Pfad, grund});
    entferne(zeile);
    return zeile;
}

void Paarliste::setzeMitNamen(bool mitNamen)
{
    mitNamen_ = mitNamen;
    for (Paarzeile& z : zeilen_)
        if (z.Zweite == Zweitart::GleichesFoto || z.Zweite == Zweitart::Name)
            z.Zweite = mitNamen ? Zweitart::Name : Zweitart::GleichesFoto;
    pruefeDoppelte();
}

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

Paarangaben Paarliste::paare() const
{
    Paarangaben paare;
    paare.reserve(zeilen_.size());
    for (const Paarzeile& z : zeilen_) {
        Paarangabe paar{z.istText() ? text(z.Text) : foto(z.Pfad), {}};
        paar.Erste.Ton = z.Toene[0].Pfad;
        paar.Erste.Tonname = z.Toene[0].Name;
        switch (z.Zweite) {
        case Zweitart::GleichesFoto:
            paare.push_back(std::move(paar));
            continue;
        case Zweitart::Name:
            paar.Zweite = text(z.Name);
            break;
        case Zweitart::Foto:
            paar.Zweite = foto(z.Zweitfoto.Pfad);
            break;
        case Zweitart::Text:
            paar.Zweite = text(z.Zweittext);
            break;
        }
        paar.Zweite.Ton = z.Toene[1].Pfad;
        paar.Zweite.Tonname = z.Toene[1].Name;
        paare.push_back(std::move(paar));
    }
    return paare;
}

bool Paarliste::mitPaaren() const
{
    const Zweitart schnell = mitNamen_ ? Zweitart::Name : Zweitart::GleichesFoto;
    return std::any_of(zeilen_.begin(), zeilen_.end(),
                       [schnell](const Paarzeile& z) { return z.istText() || z.Zweite != schnell; });
}

bool Paarliste::zeigtNamen() const
{
    return std::any_of(zeilen_.begin(), zeilen_.end(), [](const Paarzeile& z) { return z.Zweite == Zweitart::Name; });
}

Brettfrage Paarliste::brettfrage(QSize bildschirm, int jeRunde) const
{
    std::vector<QSize> groessen;
    std::vector<QSize> alle;
    groessen.reserve(zeilen_.size());
    for (const Paarzeile& z : zeilen_) {
        groessen.push_back(z.Groesse);
        for (const QSize& g : {z.Groesse, z.Zweitfoto.Groesse})
            if (!g.isEmpty())
                alle.push_back(g);
    }
    Brettfrage frage = ::brettfrage(groessen, bildschirm, jeRunde);
    // Second photos are cards too: they count for the card format.
    frage.Format = waehleKartenformat(alle);
    frage.Namen = kartentexte();
    return frage;
}
