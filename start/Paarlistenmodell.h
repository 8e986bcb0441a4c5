#pragma once

#include "neuesspiel/Paarliste.h"

#include <QAbstractTableModel>
#include <QHash>
#include <QIcon>
#include <QStyledItemDelegate>

struct Vorschau;

// The new-game window's table over a Paarliste: every change goes through here so that the
// view hears of it; the thumbnails' icons are kept beside the rows.
class Paarlistenmodell final : public QAbstractTableModel {
    Q_OBJECT
public:
    // SpalteFoto: the first card, a photo or a text; SpalteArt and SpalteZweite: the second card;
    // SpalteTon: the cards' sounds.
    enum Spalte { SpalteFoto, SpalteName, SpalteArt, SpalteZweite, SpalteDatei, SpalteHinweis, SpalteTon, Spaltenzahl };

    explicit Paarlistenmodell(QObject* eltern = nullptr);

    const Paarliste& liste() const { return liste_; }

    // The rows added, first one first; the row of the first new one, -1 for none.
    int fuegeHinzu(const QStringList& pfade);
    int fuegePaareHinzu(const Paarangaben& paare);
    int fuegeSpielHinzu(const Paarangaben& paare);
    // A list file's pairs; its first line then is a header or a pair as setzeListenkopf says.
    int fuegeListeHinzu(const QString& pfad, const Listenergebnis& gelesen);
    // Paarliste::setzeListenkopf with the row it takes out or puts in.
    Paarliste::Kopfwechsel setzeListenkopf(bool ueberschrift);
    // A text-text row at the end; its row.
    int fuegeTextpaarHinzu();
    // The row's second card becomes the photo; empty when it did, else why not.
    QString setzeZweitfoto(int zeile, const QString& pfad);
    // Paarliste::setzeTon, shown in SpalteTon.
    bool setzeTon(int zeile, bool zweite, const Zeilenton& ton);
    // The cell typing on the row goes to: a text row's text, else the name or the file name.
    int tippspalte(int zeile, bool mitNamen) const;
    // The cell of the row's first missing or repeated text.
    QModelIndex textzelle(int zeile) const;
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
    // "Foto" was chosen as the row's second card: a photo is to be picked for it.
    void zweitfotoGewuenscht(int zeile);

private:
    // Rows appended by `fuege` (a Paarliste call returning the first new row).
    template <typename Fuege>
    int haengeAn(Fuege fuege);
    // Names and hints of every row: one name marks others as repeats.
    void hinweiseGeaendert();

    void vergissBilder(int zeile);

    Paarliste liste_;
    QHash<std::uint64_t, QIcon> bilder_;
};

// The second card's kind as a choice in its cell.
class Zweitartwahl final : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QWidget* createEditor(QWidget* eltern, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* modell, const QModelIndex& index) const override;
};

// The words of the kinds, as the user reads them.
QString zweitartText(Zweitart art);
