#include "start/Letztespielemodell.h"

#include "board/Spielauswahl.h"
#include "platform/Dateiname.h"

#include <QIcon>
#include <QPixmap>

void Letztespielemodell::setzeSpiele(const QStringList& ordner)
{
    beginResetModel();
    spiele_.clear();
    for (const QString& o : ordner) {
        const Spieluebersicht u = spieluebersicht(o);
        // A line break or a direction override in a folder's name is shown, not obeyed.
        const QString name = sichtbar(u.Name);
        spiele_.push_back({o, u.Brett.isEmpty() ? name : name + QStringLiteral(" – ") + u.Brett, u.ErsteKarte, {}});
    }
    endResetModel();
}

void Letztespielemodell::setzeBild(int zeile, const QImage& bild)
{
    if (zeile < 0 || zeile >= rowCount())
        return;
    spiele_[std::size_t(zeile)].Bild = bild;
    emit dataChanged(index(zeile), index(zeile), {Qt::DecorationRole});
}

int Letztespielemodell::rowCount(const QModelIndex& eltern) const
{
    return eltern.isValid() ? 0 : int(spiele_.size());
}

QVariant Letztespielemodell::data(const QModelIndex& index, int rolle) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const Spiel& spiel = spiele_[std::size_t(index.row())];
    switch (rolle) {
    case Qt::DisplayRole:
        return spiel.Text;
    case Qt::ToolTipRole:
    case Qt::AccessibleDescriptionRole:
        return sichtbar(spiel.Ordner);
    case Qt::DecorationRole:
        return spiel.Bild.isNull() ? QVariant() : QVariant(QIcon(QPixmap::fromImage(spiel.Bild)));
    default:
        return {};
    }
}
