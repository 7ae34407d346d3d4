#pragma once

#include "model/Stueckliste.h"
#include "printing/Seitenmasse.h"
#include "ui/main/Stuecklistenbearbeitung.h"

#include <QDialog>
#include <QImage>

#include <array>

class QHeaderView;
class QLabel;
class QModelIndex;
class QPlainTextEdit;
class QPushButton;
class QScrollArea;
class QSpinBox;
class QTableView;
class QWidget;

namespace trv {

class Druckerwahl;
class Projektzustand;
class Rueckfragen;
class TStuecklistenExportDialog;
class TStuecklistenModell;

// The connector schedule window. It edits a working copy of the project's schedule, made when
// the window is shown, and writes it back to the project only with "Back", "Preview" and
// "Print"; closing it any other way leaves the project's schedule as it was. The list is a
// table of the working copy whose cells are read and edited through its model.
class TfrmStueckliste : public QDialog {
    Q_OBJECT
public:
    static constexpr int Spalten = 11;

    TfrmStueckliste(Projektzustand& zustand, Druckerwahl& druckerwahl, Rueckfragen& fragen,
                    QWidget* eltern = nullptr);
    ~TfrmStueckliste() override;

    const TKStueckliste& Arbeitskopie() const { return bearbeitung_.Arbeitskopie(); }
    TStuecklistenModell& Modell() { return *modell_; }
    // The current width of header section i (0 for the hidden ones).
    int Spaltenbreite(int i) const { return breite_.at(static_cast<std::size_t>(i)); }
    bool VorschauAnsicht() const { return vorschauAnsicht_; }
    // The preview page as last drawn (empty before the first preview).
    const QImage& VorschauBild() const { return vorschau_; }
    QString AktuelleAuswahl() const;
    TStuecklistenExportDialog& ExportDialog() { return *dlgStuecklisteExport; }

    // The buttons' commands.
    void Zurueck();
    void Vorschau();
    void Liste();
    void Drucken();
    void Exportieren();
    void InZwischenablage();
    void PositionLoeschen();

    void retranslateUi();

signals:
    // The project's schedule was replaced by the working copy.
    void StuecklisteUebernommen();

protected:
    void showEvent(QShowEvent* ereignis) override;
    void changeEvent(QEvent* ereignis) override;
    void keyPressEvent(QKeyEvent* ereignis) override;
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    void Laden();
    void Uebernehmen();
    void AnsichtSetzen(bool vorschau);
    void ZeileGewaehlt();
    void AnzahlGeaendert(int wert);
    void ModellGeaendert(const QModelIndex& oben, const QModelIndex& unten);
    void SpaltenbreiteGeaendert(int spalte, int neu);
    void SpinwertSetzen(int zeile);
    void ZeilenhoehenSetzen();
    int GewaehlteZeile() const;
    void SpaltenEinrichten();

    Projektzustand& zustand_;
    Druckerwahl& druckerwahl_;
    Rueckfragen& fragen_;
    Stuecklistenbearbeitung bearbeitung_;
    std::array<int, Spalten> breite_{};
    std::array<int, Spalten> minBreite_{};
    std::array<int, Spalten> maxBreite_{};
    bool vorschauAnsicht_ = false;
    bool ladend_ = false;
    bool spinSelbst_ = false;
    QImage vorschau_;
    Seitenmasse vorschauMasse_;

    QWidget* pnlListe = nullptr;
    TStuecklistenModell* modell_ = nullptr;
    QHeaderView* hcStueckliste = nullptr;
    QTableView* clboxStueckliste = nullptr;
    QLabel* lblAnzahlPos = nullptr;
    QSpinBox* seditAnzahlPos = nullptr;
    QLabel* lblAktuelleAuswahl = nullptr;
    QLabel* stextAktuelleAuswahl = nullptr;
    QPushButton* BitBtnLoeschen = nullptr;
    QLabel* lblZusatztext = nullptr;
    QPlainTextEdit* memoZusatztext = nullptr;
    QScrollArea* scboxVorschau = nullptr;
    QLabel* imgVorschau = nullptr;
    QLabel* MemoInfoExport = nullptr;
    QPushButton* BitBtnVorschau = nullptr;
    QPushButton* BitBtnListe = nullptr;
    QPushButton* BitBtnExport = nullptr;
    QPushButton* BitBtnZWAblage = nullptr;
    QPushButton* BitBtnDrucken = nullptr;
    QPushButton* OKBtn = nullptr;
    TStuecklistenExportDialog* dlgStuecklisteExport = nullptr;
};

} // namespace trv
