#pragma once

#include "ui/dialogs/Projektauswahl.h"

#include <QDialog>

class QFileSystemModel;
class QLabel;
class QListView;
class QModelIndex;
class QPushButton;
class QStandardItemModel;
class QTreeView;
class QTreeWidget;

namespace trv {

class Hinweisleiste;

// What the project administration ended with.
enum class Verwaltungsergebnis {
    Abgebrochen,         // nothing changed
    PositionUebernommen, // a position was appended to the current project as its last
    ProjektGeoeffnet,    // the project was replaced (by the file's, or a fresh one after a failure)
};

// The project administration: folders, the project files of a folder and the positions of the
// selected file; a position is taken over into the current project, or the file is opened.
class TfrmProjektverwaltung : public QDialog {
    Q_OBJECT
public:
    TfrmProjektverwaltung(Projektbefehle& befehle, Rueckfragen& fragen, QWidget* eltern = nullptr);

    Verwaltungsergebnis Ergebnis() const { return ergebnis_; }

    // The folder whose project files are listed (stored for the next opening).
    QString Ordner() const { return ordner_; }
    void OrdnerWaehlen(const QString& ordner);
    // Selects a project file of the folder and lists its positions (empty: no file).
    void DateiWaehlen(const QString& datei);
    QString Datei() const { return datei_; }

    QListView* Dateiliste() const { return FileListBox_; }
    QTreeWidget* Positionsliste() const { return lvProjektinhalte_; }
    QPushButton* UebernehmenKnopf() const { return OKBtn_; }
    QPushButton* OeffnenKnopf() const { return Button1_; }

protected:
    void changeEvent(QEvent* ereignis) override;
    void showEvent(QShowEvent* ereignis) override;

private:
    void retranslateUi();
    void OrdnerZeigen();
    // Lists the folder's files; false when it is the folder shown already or no folder.
    bool OrdnerSetzen(const QString& sauber);
    void DateienLesen();
    void PositionenLesen();
    void KnoepfeSetzen();
    void Uebernehmen();
    void Oeffnen();

    Projektauswahl auswahl_;
    Verwaltungsergebnis ergebnis_ = Verwaltungsergebnis::Abgebrochen;
    QString ordner_;
    QString datei_;
    bool ordnerBenutzt_ = false;

    QFileSystemModel* ordnerModell_;
    // The project files of the folder, listed by their bytes: Qt's file system model leaves
    // out names that are not UTF-8. The full name is the item's Qt::UserRole.
    QStandardItemModel* dateiModell_;
    QLabel* lblOrdner_;
    QLabel* lblDateien_;
    QLabel* lblPositionen_;
    QTreeView* DirectoryListBox_;
    QListView* FileListBox_;
    QTreeWidget* lvProjektinhalte_;
    QPushButton* OKBtn_;
    QPushButton* Button1_;
    QPushButton* CancelBtn_;
    Hinweisleiste* sbInfo_;
};

// "Project Administration": the window over eltern; what it did to the project.
Verwaltungsergebnis ProjektverwaltungOeffnen(QWidget* eltern, Projektbefehle& befehle,
                                             Rueckfragen& fragen);

} // namespace trv
