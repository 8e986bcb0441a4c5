#pragma once

#include <QAbstractListModel>
#include <QImage>
#include <QString>

#include <vector>

// The start window's last games for a list view: each row a game folder, shown
// by its name and board, with the folder as tool tip and description and its
// first card as icon once a worker has read it.
class Letztespielemodell final : public QAbstractListModel {
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;

    // Replaces the rows by these folders, newest first.
    void setzeSpiele(const QStringList& ordner);
    // 0 <= zeile < rowCount()
    const QString& ordner(int zeile) const { return spiele_[std::size_t(zeile)].Ordner; }
    // The path of the game's first picture. 0 <= zeile < rowCount()
    const QString& ersteKarte(int zeile) const { return spiele_[std::size_t(zeile)].ErsteKarte; }
    // Rows out of range are ignored (a late picture of an older filling).
    void setzeBild(int zeile, const QImage& bild);

    int rowCount(const QModelIndex& eltern = {}) const override;
    QVariant data(const QModelIndex& index, int rolle) const override;

private:
    struct Spiel {
        QString Ordner;
        QString Text;
        QString ErsteKarte;
        QImage Bild;
    };
    std::vector<Spiel> spiele_;
};
