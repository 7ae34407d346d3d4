#pragma once

#include "model/Stueckliste.h"
#include "printing/Seitenmasse.h"
#include "schedule/Stuecklistenregeln.h"

#include <QDialog>
#include <QImage>

#include <array>

class QHeaderView;
class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QScrollArea;
class QSpinBox;
class QStandardItemModel;
class QWidget;

namespace trv {

class Druckerwahl;
class Projektzustand;
class Rueckfragen;
class TStuecklistenExportDialog;

// The connector schedule window. It edits a working copy of the project's schedule, made when
// the window is shown, and writes it back to the project only with "Back", "Preview" and
// "Print"; closing it any other way leaves the project's schedule as it was.
class TfrmStueckliste : public QDialog {
    Q_OBJECT
public:
    static constexpr int Spalten = 11;

    TfrmStueckliste(Projektzustand& zustand, Druckerwahl& druckerwahl, Rueckfragen& fragen,
                    QWidget* eltern = nullptr);
    ~TfrmStueckliste() override;

    const TKStueckliste& Arbeitskopie() const { return arbeitskopie_; }
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

private:
    void Laden();
    void Uebernehmen();
    void AnsichtSetzen(bool vorschau);
    void ZeileGewaehlt();
    void HakenGeaendert(int zeile, bool aktiv);
    void AnzahlGeaendert(int wert);
    void SpaltenbreiteGeaendert(int spalte, int neu);
    void SpinwertSetzen(const StuecklistenEintrag& eintrag);
    int GewaehlteZeile() const;
    void SpaltenEinrichten();

    Projektzustand& zustand_;
    Druckerwahl& druckerwahl_;
    Rueckfragen& fragen_;
    TKStueckliste arbeitskopie_;
    std::array<int, Spalten> breite_{};
    std::array<int, Spalten> minBreite_{};
    std::array<int, Spalten> maxBreite_{};
    bool vorschauAnsicht_ = false;
    bool ladend_ = false;
    bool spinSelbst_ = false;
    QImage vorschau_;
    Seitenmasse vorschauMasse_;

    QWidget* pnlListe = nullptr;
    QStandardItemModel* spaltenModell_ = nullptr;
    QHeaderView* hcStueckliste = nullptr;
    QListWidget* clboxStueckliste = nullptr;
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
