#pragma once

#include "calculation/Eingabepruefung.h"

#include <QScrollArea>

#include <array>
#include <functional>
#include <vector>

class QAbstractButton;
class QButtonGroup;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QToolButton;

namespace trv {

class Projektzustand;
class Rueckfragen;
class TEingabefeld;
class TfrmbeliebigeLast;

// The input panel of the main window: application case, reinforcement basis, load case and
// loads, concrete grade, joint width and geometry of the current position, read from top to
// bottom, in a vertical scroll area. Every field is checked when it is left and writes its
// value into the position; the panel knows nothing of the window around it and tells it
// through its signals what to follow.
class TEingabepanel : public QScrollArea {
    Q_OBJECT
public:
    TEingabepanel(Projektzustand& zustand, Rueckfragen& fragen, QWidget* eltern = nullptr);

    // Writes every value of the current position into the controls and re-applies its
    // application case and load case (which may set the component edges and the load case,
    // as choosing them does). Changes no display mode.
    void EingabenAnzeigen();

    // Runs the exit of the panel's field that has the focus, as leaving it would (the
    // calculation commands call it first). Gives EingabeOk: false after a refused value, whose
    // field then has the focus again.
    bool EingabeAbschliessen();

    // The arbitrary load dialog is shown modally through this (tests answer it in place).
    using TDialogstart = std::function<int(TfrmbeliebigeLast&)>;
    void SetDialogstart(TDialogstart start) { dialogstart_ = std::move(start); }
    TfrmbeliebigeLast& LastprofilDialog();

    // Controls for the window's focus handling and for tests.
    TEingabefeld* Feld(TFeld feld) const { return felder_[static_cast<std::size_t>(feld)]; }
    QAbstractButton* AnwendungsfallKnopf(int fall) const;
    QAbstractButton* BelastungsfallKnopf(int fall) const;
    QAbstractButton* BewehrungsKnopf(int basis) const;
    QComboBox* Betonguete() const { return cboxBetonguete_; }
    QComboBox* Fugenbreite() const { return cBoxFugenbreite_; }
    // The total design load of the point load (0) and the line load start (1) and end (2).
    QLineEdit* Summenfeld(int last) const { return summen_[static_cast<std::size_t>(last)]; }
    // Shown or hidden by the application case and load case (not by the window around).
    bool FeldSichtbar(TFeld feld) const;
    // The first control in the focus order.
    QWidget* ErstesFeld() const;

signals:
    // The user changed a control while results were shown: the window returns to input mode
    // (the results are no longer valid). Sent once, before the value is checked.
    void EingabeBegonnen();
    // A value was written (field exit, case, selection): the window re-lays out and redraws
    // the sketch.
    void EingabeGeschrieben();
    // The application case changed: the window shows the row sketch button only for rows
    // and follows ErgebnisAnzeige, which the single connector takes back from the row sketch.
    void AnwendungsfallGewechselt(int fall);

protected:
    void changeEvent(QEvent* ereignis) override;

private:
    void Aufbauen();
    void retranslateUi();
    void FeldVerlassen(TEingabefeld* feld);
    void FeldBearbeitet();
    void AnwendungsfallGeklickt(int fall);
    void BelastungsfallGeklickt(int fall);
    void AnwendungsfallAnzeigen(int fall);
    void BelastungsfallAnzeigen(int fall);
    void KnoepfeSetzen();
    void FelderAnzeigen();
    void Begonnen();
    void ZeileZeigen(TFeld feld, bool sichtbar);
    void TeileZeigen(const std::vector<QWidget*>& teile, bool sichtbar);
    char Trenner() const;

    Projektzustand& zustand_;
    Rueckfragen& fragen_;
    TDialogstart dialogstart_;
    TfrmbeliebigeLast* dialog_ = nullptr;
    bool pruefungLaeuft_ = false; // a refused field takes the focus back: no second exit
    bool anzeigeLaeuft_ = false;  // controls being filled from the model: no exits

    std::array<TEingabefeld*, AnzFelder> felder_{};
    std::array<QLabel*, AnzFelder> feldLabels_{};
    std::array<QLineEdit*, 3> summen_{};
    std::array<QLabel*, 3> summenLabels_{};
    std::array<QLabel*, AnzFelder> einheiten_{};
    QLabel* lblAnwendungsfall_ = nullptr;
    QLabel* lblAnwendungsfallText_ = nullptr;
    std::array<QToolButton*, 3> tbAnwendungsfall_{};
    QButtonGroup* anwendungsfaelle_ = nullptr;
    QGroupBox* rgBewehrungCalc_ = nullptr;
    std::array<QRadioButton*, 2> bewehrung_{};
    QButtonGroup* bewehrungsGruppe_ = nullptr;
    QLabel* lblBelastung_ = nullptr;
    QWidget* tbarBelastungsfall_ = nullptr;
    std::array<QToolButton*, 4> tbBelastungsfall_{};
    QButtonGroup* belastungsfaelle_ = nullptr;
    QLabel* lblLinks_ = nullptr;
    QLabel* lblRechts_ = nullptr;
    QLabel* lblLinienEinheit_ = nullptr;
    QLabel* lblBetonguete_ = nullptr;
    QComboBox* cboxBetonguete_ = nullptr;
    QLabel* lblFugenbreite_ = nullptr;
    QComboBox* cBoxFugenbreite_ = nullptr;
    std::vector<QWidget*> pnlPunktlastTeile_;
    std::vector<QWidget*> pnlLinienlastTeile_;
};

} // namespace trv
