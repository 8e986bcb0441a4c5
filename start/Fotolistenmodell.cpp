#include "start/Fotolistenmodell.h"

#include "pictures/Vorschaubilder.h"

#include <QColor>
#include <QPixmap>

#include <algorithm>

namespace {
const QColor DoppeltFarbe(255, 205, 205);
}

Fotolistenmodell::Fotolistenmodell(QObject* eltern) : QAbstractTableModel(eltern) {}

int Fotolistenmodell::fuegeHinzu(const QStringList& pfade)
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

void Fotolistenmodell::entferne(QList<int> zeilen)
{
    std::sort(zeilen.begin(), zeilen.end(), std::greater<>());
    zeilen.erase(std::unique(zeilen.begin(), zeilen.end()), zeilen.end());
    for (const int zeile : zeilen) {
        beginRemoveRows({}, zeile, zeile);
        bilder_.remove(liste_.zeile(zeile).Nummer);
        liste_.entferne(zeile);
        endRemoveRows();
    }
    if (!zeilen.isEmpty())
        hinweiseGeaendert();
}

bool Fotolistenmodell::verschiebe(int zeile, int richtung)
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

void Fotolistenmodell::zeigeVorschau(const Vorschau& vorschau)
{
    const int zeile = liste_.zeileVon(vorschau.Nummer);
    if (zeile < 0)
        return;
    if (vorschau.Bild.isNull()) {
        beginRemoveRows({}, zeile, zeile);
        liste_.nichtLesbar(vorschau.Nummer, vorschau.Fehler);
        endRemoveRows();
        hinweiseGeaendert();
        emit ausgelassenGeaendert();
        return;
    }
    bilder_.insert(vorschau.Nummer, QIcon(QPixmap::fromImage(vorschau.Bild)));
    liste_.vorschauFertig(vorschau.Nummer, vorschau.Groesse);
    emit dataChanged(index(zeile, SpalteFoto), index(zeile, SpalteFoto), {Qt::DecorationRole});
}

void Fotolistenmodell::setzeMitNamen(bool mitNamen)
{
    liste_.setzeMitNamen(mitNamen);
    hinweiseGeaendert();
}

void Fotolistenmodell::hinweiseGeaendert()
{
    if (rowCount() > 0)
        emit dataChanged(index(0, SpalteName), index(rowCount() - 1, SpalteHinweis));
}

int Fotolistenmodell::rowCount(const QModelIndex& eltern) const { return eltern.isValid() ? 0 : liste_.anzahl(); }

int Fotolistenmodell::columnCount(const QModelIndex& eltern) const { return eltern.isValid() ? 0 : Spaltenzahl; }

QVariant Fotolistenmodell::data(const QModelIndex& index, int rolle) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const Paarzeile& z = liste_.zeile(index.row());
    switch (index.column()) {
    case SpalteFoto:
        if (rolle == Qt::DecorationRole)
            return bilder_.value(z.Nummer);
        if (rolle == Qt::AccessibleTextRole)
            return QStringLiteral("Foto %1").arg(z.dateiname());
        return {};
    case SpalteName:
        if (rolle == Qt::DisplayRole || rolle == Qt::EditRole)
            return z.Name;
        if (rolle == Qt::BackgroundRole && liste_.doppelt(index.row()))
            return DoppeltFarbe;
        return {};
    case SpalteDatei:
        if (rolle == Qt::DisplayRole)
            return z.dateiname();
        if (rolle == Qt::ToolTipRole)
            return z.Pfad;
        return {};
    case SpalteHinweis:
        return rolle == Qt::DisplayRole ? QVariant(liste_.hinweis(index.row())) : QVariant();
    default:
        return {};
    }
}

bool Fotolistenmodell::setData(const QModelIndex& index, const QVariant& wert, int rolle)
{
    if (!index.isValid() || index.column() != SpalteName || rolle != Qt::EditRole)
        return false;
    const QString name = wert.toString();
    if (name == liste_.zeile(index.row()).Name)
        return true;
    liste_.setzeName(index.row(), name);
    hinweiseGeaendert();
    emit namenGeaendert();
    return true;
}

Qt::ItemFlags Fotolistenmodell::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    const Qt::ItemFlags immer = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    return index.column() == SpalteName ? immer | Qt::ItemIsEditable : immer;
}

QVariant Fotolistenmodell::headerData(int abschnitt, Qt::Orientation richtung, int rolle) const
{
    if (richtung == Qt::Horizontal && rolle == Qt::DisplayRole) {
        static const QString titel[] = {QStringLiteral("Foto"), QStringLiteral("Name"), QStringLiteral("Datei"),
                                        QStringLiteral("Hinweis")};
        return abschnitt >= 0 && abschnitt < Spaltenzahl ? titel[abschnitt] : QString();
    }
    return QAbstractTableModel::headerData(abschnitt, richtung, rolle);
}
