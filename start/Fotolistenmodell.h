#pragma once

#include "neuesspiel/Paarliste.h"

#include <QAbstractTableModel>
#include <QHash>
#include <QIcon>

struct Vorschau;

// The new-game window's table over a Paarliste: every change goes through here so that the
// view hears of it; the thumbnails' icons are kept beside the rows.
class Fotolistenmodell final : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Spalte { SpalteFoto, SpalteName, SpalteDatei, SpalteHinweis, Spaltenzahl };

    explicit Fotolistenmodell(QObject* eltern = nullptr);

    const Paarliste& liste() const { return liste_; }

    // The rows added, first one first; the row of the first new one, -1 for none.
    int fuegeHinzu(const QStringList& pfade);
    // 0 <= zeile < rowCount()
    void entferne(QList<int> zeilen);
    bool verschiebe(int zeile, int richtung);
    void zeigeVorschau(const Vorschau& vorschau);
    void setzeMitNamen(bool mitNamen);

    int rowCount(const QModelIndex& eltern = {}) const override;
    int columnCount(const QModelIndex& eltern = {}) const override;
    QVariant data(const QModelIndex& index, int rolle = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& wert, int rolle = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int abschnitt, Qt::Orientation richtung, int rolle = Qt::DisplayRole) const override;

signals:
    // A name was typed.
    void namenGeaendert();
    // Photos were left out (also when their thumbnail cannot be made).
    void ausgelassenGeaendert();

private:
    // Names and hints of every row: one name marks others as repeats.
    void hinweiseGeaendert();

    Paarliste liste_;
    QHash<std::uint64_t, QIcon> bilder_;
};
