#pragma once

#include <QAbstractTableModel>
#include <QStringList>

namespace trv {

class Stuecklistenbearbeitung;

// The schedule window's working copy as a table: one row per entry, the columns of the
// schedule header. The check mark of the first column and the number of similar positions
// are edited here, through the rules of the schedule editing; all other cells are read-only.
class TStuecklistenModell : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Spalte {
        Aktiv = 0,
        Position = 1,
        AnzahlPos = 2,
        AnzahlDorne = 3,
        Bezeichnung = 4,
        Summe = 5,
        // The further sections of the schedule header (status, number, ...) are never shown;
        // as empty columns they would only be read out.
        Spalten = 6,
    };

    explicit TStuecklistenModell(Stuecklistenbearbeitung& bearbeitung, QObject* eltern = nullptr);

    int rowCount(const QModelIndex& eltern = {}) const override;
    int columnCount(const QModelIndex& eltern = {}) const override;
    QVariant data(const QModelIndex& index, int rolle) const override;
    bool setData(const QModelIndex& index, const QVariant& wert, int rolle) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int abschnitt, Qt::Orientation richtung, int rolle) const override;

    // Titles of the columns, in their order (further ones are left out).
    void SetSpaltentitel(const QStringList& titel);
    // The working copy was loaded anew.
    void Neuladen();
    bool ZeileLoeschen(int zeile);

private:
    Stuecklistenbearbeitung& bearbeitung_;
    QStringList titel_;
};

} // namespace trv
