#pragma once

#include "calculation/Lastprofilraster.h"
#include "model/Belastung.h"

#include <QDialog>

#include <optional>

class QLabel;
class QPushButton;
class QStatusBar;
class QTableWidget;

namespace trv {

class Projektzustand;
class Rueckfragen;
class TEingabefeld;
class TProfilbild;

// The arbitrary load profile of the current position: value pairs (x in mm from the left end
// of the joint, design line load in kN/m) in a list, the profile drawn beside it. Every change
// of the list rebuilds the position's profile at once; Cancel (or closing the window) puts
// back the whole loading as it was when the dialog was shown. Made once and reused.
class TfrmbeliebigeLast : public QDialog {
    Q_OBJECT
public:
    TfrmbeliebigeLast(Projektzustand& zustand, Rueckfragen& fragen, QWidget* eltern = nullptr);

    // Keeps a copy of the position's loading and fills the list from its profile (done
    // whenever the dialog is shown).
    void Aktivieren();

    // The buttons' actions; each refuses a pair that is not two numbers within the entries'
    // limits with the check's message. False when nothing changed.
    bool Hinzufuegen();
    bool Aendern();
    bool Loeschen();
    // A row of the list chosen: its texts go into the two entries.
    void ZeileWaehlen(int zeile);

    TEingabefeld* xKoordinate() const { return meditxKoordinate_; }
    TEingabefeld* Lastwert() const { return meditLastwert_; }
    QTableWidget* Raster() const { return sgQuerlastverlauf_; }
    const TKProfilraster& Profilraster() const { return raster_; }
    int AktuelleZeile() const;

    void accept() override;
    void reject() override;

protected:
    void showEvent(QShowEvent* ereignis) override;
    void changeEvent(QEvent* ereignis) override;
    bool event(QEvent* ereignis) override;

private:
    void retranslateUi();
    void EintragVerlassen(TEingabefeld* feld);
    bool Uebernehmen(const TKProfilraster& neu, int zeile);
    void RasterZeigen(int zeile);
    bool PaarPruefen();
    char Trenner() const;

    Projektzustand& zustand_;
    Rueckfragen& fragen_;
    TKProfilraster raster_;
    std::optional<TKBelastung> gesichert_;
    bool pruefungLaeuft_ = false;

    QLabel* lblx_ = nullptr;
    QLabel* lblxEinheit_ = nullptr;
    QLabel* lblq_ = nullptr;
    QLabel* lblqEinheit_ = nullptr;
    TEingabefeld* meditxKoordinate_ = nullptr;
    TEingabefeld* meditLastwert_ = nullptr;
    QPushButton* BitBtnHinzufuegen_ = nullptr;
    QPushButton* BitBtnAendern_ = nullptr;
    QPushButton* BitBtnLoeschen_ = nullptr;
    QTableWidget* sgQuerlastverlauf_ = nullptr;
    TProfilbild* imgQuerlastverlauf_ = nullptr;
    QPushButton* okBtn_ = nullptr;
    QPushButton* cancelBtn_ = nullptr;
    QStatusBar* sbInfo_ = nullptr;
};

} // namespace trv
