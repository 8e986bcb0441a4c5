#include "start/Paarlistenmodell.h"

#include "karten/Tonkarte.h"
#include "pictures/Vorschaubilder.h"

#include <QColor>
#include <QComboBox>
#include <QPixmap>

#include <algorithm>

namespace {
const QColor DoppeltFarbe(255, 205, 205);
constexpr Zweitart Zweitarten[] = {Zweitart::GleichesFoto, Zweitart::Name, Zweitart::Foto, Zweitart::Text};
} // namespace

QString zweitartText(Zweitart art)
{
    switch (art) {
    case Zweitart::GleichesFoto:
        return QStringLiteral("gleiches Foto");
    case Zweitart::Name:
        return QStringLiteral("Name");
    case Zweitart::Foto:
        return QStringLiteral("Foto");
    case Zweitart::Text:
        return QStringLiteral("Text");
    }
    return {};
}

Paarlistenmodell::Paarlistenmodell(QObject* eltern) : QAbstractTableModel(eltern) {}

int Paarlistenmodell::fuegeHinzu(const QStringList& pfade)
{
    const Aufnahme aufnahme = liste_.pruefe(pfade);
    int erste = -1;
    if (!aufnahme.Pfade.isEmpty()) {
        // All rows at once: hundreds of photos may come in one drop.
        erste = rowCount();
        beginInsertRows({}, erste, erste + int(aufnahme.Pfade.size()) - 1);
        liste_.nimmAuf(aufnahme);
        endInsertRows();
        hinweiseGeaendert();
    } else {
        liste_.nimmAuf(aufnahme);
    }
    if (!aufnahme.Ausgelassene.empty())
        emit ausgelassenGeaendert();
    return erste;
}

template <typename Fuege>
int Paarlistenmodell::haengeAn(Fuege fuege)
{
    const int vorher = rowCount();
    const std::size_t ausgelassen = liste_.ausgelassen().size();
    Paarliste neu = liste_;
    const int erste = fuege(neu);
    if (erste >= 0) {
        beginInsertRows({}, vorher, neu.anzahl() - 1);
        liste_ = std::move(neu);
        endInsertRows();
        hinweiseGeaendert();
    } else {
        liste_ = std::move(neu);
    }
    if (liste_.ausgelassen().size() != ausgelassen)
        emit ausgelassenGeaendert();
    return erste;
}

int Paarlistenmodell::fuegePaareHinzu(const Paarangaben& paare)
{
    return haengeAn([&](Paarliste& l) { return l.fuegePaareHinzu(paare); });
}

int Paarlistenmodell::fuegeSpielHinzu(const Paarangaben& paare)
{
    return haengeAn([&](Paarliste& l) { return l.fuegeSpielHinzu(paare); });
}

int Paarlistenmodell::fuegeListeHinzu(const QString& pfad, const Listenergebnis& gelesen)
{
    return haengeAn([&](Paarliste& l) { return l.fuegeListeHinzu(pfad, gelesen); });
}

Paarliste::Kopfwechsel Paarlistenmodell::setzeListenkopf(bool ueberschrift)
{
    // Tried on a copy: the view must hear of the row before it comes or after it goes.
    Paarliste neu = liste_;
    const Paarliste::Kopfwechsel wechsel = neu.setzeListenkopf(ueberschrift);
    const int zeile = wechsel.Zeile;
    const bool ausgelassen = neu.ausgelassen().size() != liste_.ausgelassen().size();
    if (zeile < 0) {
        liste_ = std::move(neu);
        if (ausgelassen)
            emit ausgelassenGeaendert();
        return wechsel;
    }
    if (ueberschrift) {
        beginRemoveRows({}, zeile, zeile);
        vergissBilder(zeile);
        liste_ = std::move(neu);
        endRemoveRows();
    } else {
        beginInsertRows({}, zeile, zeile);
        liste_ = std::move(neu);
        endInsertRows();
    }
    hinweiseGeaendert();
    return wechsel;
}

int Paarlistenmodell::fuegeTextpaarHinzu()
{
    beginInsertRows({}, rowCount(), rowCount());
    const int zeile = liste_.fuegeTextpaarHinzu();
    endInsertRows();
    hinweiseGeaendert();
    return zeile;
}

bool Paarlistenmodell::setzeTon(int zeile, bool zweite, const Zeilenton& ton)
{
    if (!liste_.setzeTon(zeile, zweite, ton))
        return false;
    hinweiseGeaendert();
    emit dataChanged(index(zeile, SpalteTon), index(zeile, SpalteTon));
    return true;
}

QString Paarlistenmodell::setzeZweitfoto(int zeile, const QString& pfad)
{
    const std::uint64_t vorher = liste_.zeile(zeile).Zweitfoto.Nummer;
    const QString grund = liste_.setzeZweitfoto(zeile, pfad);
    if (!grund.isEmpty()) {
        emit ausgelassenGeaendert();
        return grund;
    }
    bilder_.remove(vorher);
    hinweiseGeaendert();
    return {};
}

int Paarlistenmodell::tippspalte(int zeile, bool mitNamen) const
{
    if (zeile >= 0 && zeile < rowCount() && liste_.zeile(zeile).istText())
        return SpalteFoto;
    return mitNamen ? SpalteName : SpalteDatei;
}

QModelIndex Paarlistenmodell::textzelle(int zeile) const
{
    const Paarzeile& z = liste_.zeile(zeile);
    if (z.istText() && z.Text.trimmed().isEmpty())
        return index(zeile, SpalteFoto);
    if (z.Zweite == Zweitart::Text && z.Zweittext.trimmed().isEmpty())
        return index(zeile, SpalteZweite);
    if (z.Zweite == Zweitart::Name)
        return index(zeile, SpalteName);
    return index(zeile, z.istText() ? SpalteFoto : SpalteZweite);
}

void Paarlistenmodell::vergissBilder(int zeile)
{
    bilder_.remove(liste_.zeile(zeile).Nummer);
    bilder_.remove(liste_.zeile(zeile).Zweitfoto.Nummer);
}

void Paarlistenmodell::entferne(QList<int> zeilen)
{
    std::sort(zeilen.begin(), zeilen.end(), std::greater<>());
    zeilen.erase(std::unique(zeilen.begin(), zeilen.end()), zeilen.end());
    for (const int zeile : zeilen) {
        beginRemoveRows({}, zeile, zeile);
        vergissBilder(zeile);
        liste_.entferne(zeile);
        endRemoveRows();
    }
    if (!zeilen.isEmpty())
        hinweiseGeaendert();
}

bool Paarlistenmodell::verschiebe(int zeile, int richtung)
{
    const int nach = zeile + richtung;
    if (richtung * richtung != 1 || zeile < 0 || nach < 0 || nach >= rowCount())
        return false;
    // Qt counts the target before the move: one further down when moving down.
    beginMoveRows({}, zeile, zeile, {}, richtung > 0 ? nach + 1 : nach);
    liste_.verschiebe(zeile, richtung);
    endMoveRows();
    return true;
}

void Paarlistenmodell::zeigeVorschau(const Vorschau& vorschau)
{
    const int zeile = liste_.zeileVon(vorschau.Nummer);
    if (zeile < 0)
        return;
    const bool zweites = liste_.zeile(zeile).Zweitfoto.Nummer == vorschau.Nummer;
    if (vorschau.Bild.isNull()) {
        // A second photo that cannot be read leaves its row with another second card.
        if (!zweites)
            beginRemoveRows({}, zeile, zeile);
        liste_.nichtLesbar(vorschau.Nummer, vorschau.Fehler);
        if (!zweites)
            endRemoveRows();
        hinweiseGeaendert();
        emit ausgelassenGeaendert();
        return;
    }
    bilder_.insert(vorschau.Nummer, QIcon(QPixmap::fromImage(vorschau.Bild)));
    liste_.vorschauFertig(vorschau.Nummer, vorschau.Groesse);
    emit dataChanged(index(zeile, SpalteFoto), index(zeile, SpalteZweite), {Qt::DecorationRole});
}

void Paarlistenmodell::setzeMitNamen(bool mitNamen)
{
    liste_.setzeMitNamen(mitNamen);
    hinweiseGeaendert();
}

void Paarlistenmodell::hinweiseGeaendert()
{
    if (rowCount() > 0)
        emit dataChanged(index(0, SpalteFoto), index(rowCount() - 1, SpalteHinweis));
}

int Paarlistenmodell::rowCount(const QModelIndex& eltern) const { return eltern.isValid() ? 0 : liste_.anzahl(); }

int Paarlistenmodell::columnCount(const QModelIndex& eltern) const { return eltern.isValid() ? 0 : Spaltenzahl; }

namespace {

// "♪ 1: bellen; ♪ 2: miau": the cards' sounds by their names.
QString tonspalte(const Paarzeile& z)
{
    QStringList toene;
    for (int k = 0; k < 2; ++k)
        if (const Zeilenton& ton = z.Toene[k]; !ton.Pfad.isEmpty() && (k == 0 || z.Zweite != Zweitart::GleichesFoto))
            toene += QStringLiteral("♪ %1: %2").arg(k + 1).arg(tonkartenName(ton.Pfad, ton.Name));
    return toene.join(QStringLiteral("; "));
}

} // namespace

QVariant Paarlistenmodell::data(const QModelIndex& index, int rolle) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const Paarzeile& z = liste_.zeile(index.row());
    const bool text = rolle == Qt::DisplayRole || rolle == Qt::EditRole;
    const bool doppelt = rolle == Qt::BackgroundRole && liste_.doppelt(index.row());
    switch (index.column()) {
    case SpalteFoto:
        if (z.istText()) {
            if (text || rolle == Qt::AccessibleTextRole)
                return z.Text;
            return doppelt ? QVariant(DoppeltFarbe) : QVariant();
        }
        if (rolle == Qt::DecorationRole)
            return bilder_.value(z.Nummer);
        if (rolle == Qt::AccessibleTextRole)
            return QStringLiteral("Foto %1").arg(z.dateiname());
        return {};
    case SpalteName:
        if (z.istText())
            return {};
        if (text)
            return z.Name;
        return doppelt ? QVariant(DoppeltFarbe) : QVariant();
    case SpalteArt:
        if (rolle == Qt::DisplayRole || rolle == Qt::AccessibleTextRole)
            return zweitartText(z.Zweite);
        if (rolle == Qt::EditRole)
            return int(z.Zweite);
        return {};
    case SpalteZweite:
        switch (z.Zweite) {
        case Zweitart::GleichesFoto:
            return rolle == Qt::DecorationRole ? QVariant(bilder_.value(z.Nummer)) : QVariant();
        case Zweitart::Name:
            return rolle == Qt::DisplayRole ? QVariant(z.Name) : QVariant();
        case Zweitart::Foto:
            if (rolle == Qt::DecorationRole)
                return bilder_.value(z.Zweitfoto.Nummer);
            if (rolle == Qt::AccessibleTextRole || rolle == Qt::ToolTipRole)
                return QStringLiteral("Foto %1").arg(z.Zweitfoto.Pfad);
            return {};
        case Zweitart::Text:
            if (text || rolle == Qt::AccessibleTextRole)
                return z.Zweittext;
            return doppelt ? QVariant(DoppeltFarbe) : QVariant();
        }
        return {};
    case SpalteDatei:
        if (rolle == Qt::DisplayRole)
            return z.dateiname();
        if (rolle == Qt::ToolTipRole)
            return z.Pfad;
        return {};
    case SpalteHinweis:
        return rolle == Qt::DisplayRole ? QVariant(liste_.hinweis(index.row())) : QVariant();
    case SpalteTon:
        return text || rolle == Qt::AccessibleTextRole ? QVariant(tonspalte(z)) : QVariant();
    default:
        return {};
    }
}

bool Paarlistenmodell::setData(const QModelIndex& index, const QVariant& wert, int rolle)
{
    if (!index.isValid() || rolle != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable))
        return false;
    const int zeile = index.row();
    const Paarzeile& z = liste_.zeile(zeile);
    switch (index.column()) {
    case SpalteFoto:
        if (wert.toString() == z.Text)
            return true;
        liste_.setzeText(zeile, wert.toString());
        break;
    case SpalteName:
        if (wert.toString() == z.Name)
            return true;
        liste_.setzeName(zeile, wert.toString());
        break;
    case SpalteArt: {
        const auto art = Zweitart(wert.toInt());
        if (art == z.Zweite)
            return true;
        if (art == Zweitart::Foto) {
            emit zweitfotoGewuenscht(zeile);
            return false;
        }
        if (!zweitartMoeglich(z, art))
            return false;
        bilder_.remove(z.Zweitfoto.Nummer);
        liste_.setzeZweitart(zeile, art);
        break;
    }
    case SpalteZweite:
        if (wert.toString() == z.Zweittext)
            return true;
        liste_.setzeZweittext(zeile, wert.toString());
        break;
    default:
        return false;
    }
    hinweiseGeaendert();
    emit namenGeaendert();
    return true;
}

Qt::ItemFlags Paarlistenmodell::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    const Qt::ItemFlags immer = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    const Paarzeile& z = liste_.zeile(index.row());
    const bool editierbar = (index.column() == SpalteFoto && z.istText())
        || (index.column() == SpalteName && !z.istText()) || index.column() == SpalteArt
        || (index.column() == SpalteZweite && z.Zweite == Zweitart::Text);
    return editierbar ? immer | Qt::ItemIsEditable : immer;
}

QVariant Paarlistenmodell::headerData(int abschnitt, Qt::Orientation richtung, int rolle) const
{
    if (richtung == Qt::Horizontal && rolle == Qt::DisplayRole) {
        static const QString titel[] = {QStringLiteral("Erste Karte"), QStringLiteral("Name"), QStringLiteral("Art"),
                                        QStringLiteral("Zweite Karte"), QStringLiteral("Datei"),
                                        QStringLiteral("Hinweis"), QStringLiteral("Ton")};
        return abschnitt >= 0 && abschnitt < Spaltenzahl ? titel[abschnitt] : QString();
    }
    return QAbstractTableModel::headerData(abschnitt, richtung, rolle);
}

QWidget* Zweitartwahl::createEditor(QWidget* eltern, const QStyleOptionViewItem&, const QModelIndex& index) const
{
    auto* wahl = new QComboBox(eltern);
    wahl->setAccessibleName(QStringLiteral("Zweite Karte"));
    const auto* modell = qobject_cast<const Paarlistenmodell*>(index.model());
    for (const Zweitart art : Zweitarten)
        if (!modell || zweitartMoeglich(modell->liste().zeile(index.row()), art))
            wahl->addItem(zweitartText(art), int(art));
    // Chosen is chosen: no second step to leave the cell.
    connect(wahl, &QComboBox::activated, this, [this, wahl] {
        emit const_cast<Zweitartwahl*>(this)->commitData(wahl);
        emit const_cast<Zweitartwahl*>(this)->closeEditor(wahl);
    });
    return wahl;
}

void Zweitartwahl::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    auto* wahl = static_cast<QComboBox*>(editor);
    wahl->setCurrentIndex(std::max(0, wahl->findData(index.data(Qt::EditRole))));
}

void Zweitartwahl::setModelData(QWidget* editor, QAbstractItemModel* modell, const QModelIndex& index) const
{
    modell->setData(index, static_cast<QComboBox*>(editor)->currentData(), Qt::EditRole);
}
