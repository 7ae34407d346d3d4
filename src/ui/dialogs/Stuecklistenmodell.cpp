#include "ui/dialogs/Stuecklistenmodell.h"

#include "files/Ressourcen.h"
#include "ui/main/Stuecklistenbearbeitung.h"

namespace trv {

namespace {

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

TStuecklistenModell::TStuecklistenModell(Stuecklistenbearbeitung& bearbeitung, QObject* eltern)
    : QAbstractTableModel(eltern), bearbeitung_(bearbeitung) {}

int TStuecklistenModell::rowCount(const QModelIndex& eltern) const {
    return eltern.isValid() ? 0 : bearbeitung_.Zeilen();
}

int TStuecklistenModell::columnCount(const QModelIndex& eltern) const {
    return eltern.isValid() ? 0 : Spalten;
}

QVariant TStuecklistenModell::data(const QModelIndex& index, int rolle) const {
    if (!index.isValid() || !bearbeitung_.Gueltig(index.row())) {
        return {};
    }
    const StuecklistenEintrag& e = bearbeitung_.Eintrag(index.row());
    if (index.column() == Aktiv) {
        const bool aktiv = bearbeitung_.Aktiv(index.row());
        switch (rolle) {
        case Qt::CheckStateRole:
            return aktiv ? Qt::Checked : Qt::Unchecked;
        // The check box alone says nothing to a screen reader or in a tool tip.
        case Qt::AccessibleTextRole:
        case Qt::ToolTipRole:
            return Q(Ressource(aktiv ? res::StatusAktiv : res::StatusNichtAktiv));
        default:
            return {};
        }
    }
    if (rolle == Qt::EditRole && index.column() == AnzahlPos) {
        return bearbeitung_.Anzahl(index.row());
    }
    if (rolle != Qt::DisplayRole && rolle != Qt::ToolTipRole) {
        return {};
    }
    switch (index.column()) {
    case Position:
        return Q(Feld(e, stk::Position));
    case AnzahlPos:
        return Q(Feld(e, stk::AnzahlPos));
    case AnzahlDorne:
        return Q(Feld(e, stk::AnzahlDorne));
    case Bezeichnung: {
        QString text = Q(Feld(e, stk::Bezeichnung));
        if (!Feld(e, stk::Zusatz).empty()) {
            text += QStringLiteral("  +  ") + Q(Feld(e, stk::Zusatz));
        }
        return text;
    }
    case Summe:
        return Q(Feld(e, stk::Summe));
    default:
        return {};
    }
}

bool TStuecklistenModell::setData(const QModelIndex& index, const QVariant& wert, int rolle) {
    if (!index.isValid()) {
        return false;
    }
    const int zeile = index.row();
    if (index.column() == Aktiv && rolle == Qt::CheckStateRole) {
        const bool aktiv = wert.toInt() == Qt::Checked;
        if (!bearbeitung_.AktivSetzen(zeile, aktiv)) {
            return false;
        }
        emit dataChanged(index, index, {Qt::CheckStateRole, Qt::AccessibleTextRole});
        return true;
    }
    if (index.column() == AnzahlPos && rolle == Qt::EditRole) {
        bool zahl = false;
        const int n = wert.toInt(&zahl);
        if (!zahl || !bearbeitung_.AnzahlSetzen(zeile, n)) {
            return false;
        }
        emit dataChanged(index, this->index(zeile, Summe));
        return true;
    }
    return false;
}

Qt::ItemFlags TStuecklistenModell::flags(const QModelIndex& index) const {
    if (!index.isValid()) {
        return Qt::NoItemFlags;
    }
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (index.column() == Aktiv) {
        f |= Qt::ItemIsUserCheckable;
    } else if (index.column() == AnzahlPos) {
        f |= Qt::ItemIsEditable;
    }
    return f;
}

QVariant TStuecklistenModell::headerData(int abschnitt, Qt::Orientation richtung, int rolle) const {
    if (richtung == Qt::Horizontal && rolle == Qt::DisplayRole && abschnitt >= 0 &&
        abschnitt < titel_.size()) {
        return titel_.at(abschnitt);
    }
    if (richtung == Qt::Vertical && rolle == Qt::DisplayRole) {
        return abschnitt + 1;
    }
    return QAbstractTableModel::headerData(abschnitt, richtung, rolle);
}

void TStuecklistenModell::SetSpaltentitel(const QStringList& titel) {
    titel_ = titel.mid(0, Spalten);
    emit headerDataChanged(Qt::Horizontal, 0, Spalten - 1);
}

void TStuecklistenModell::Neuladen() {
    beginResetModel();
    bearbeitung_.Laden();
    endResetModel();
}

bool TStuecklistenModell::ZeileLoeschen(int zeile) {
    if (!bearbeitung_.Gueltig(zeile)) {
        return false;
    }
    beginRemoveRows({}, zeile, zeile);
    bearbeitung_.Loeschen(zeile);
    endRemoveRows();
    return true;
}

} // namespace trv
