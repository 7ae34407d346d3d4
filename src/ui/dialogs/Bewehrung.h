#pragma once

#include "ui/dialogs/Bewehrungsaenderung.h"

#include <QDialog>

#include <memory>

class QImage;
class QLabel;
class QPushButton;
class QSpinBox;

namespace trv {

class Projektzustand;
class Hinweisleiste;
class TBST500;
class TKDornErgebnis;

// The reinforcement dialog: number and diameter of the top and bottom bars and of the vertical
// bars of the selected connector type, each change checked at once. OK keeps the bars, Cancel
// (also Escape and closing the window) gives back the record and the results as they were.
class TfrmBewehrung : public QDialog {
    Q_OBJECT
public:
    TfrmBewehrung(Projektzustand& zustand, QWidget* eltern = nullptr);
    ~TfrmBewehrung() override;

    // Opens the dialog for the current position's selected type; Rejected at once when the
    // position has no calculated results.
    int exec() override;
    void done(int ergebnis) override;

    // The controls, for the window's tests.
    QSpinBox* PosBAnzahl() const { return sTextPosBAnzahl_; }
    TBST500* PosBDurchmesser() const { return sTextPosBDurchmesser_; }
    QSpinBox* PosDAnzahl() const { return sTextPosDAnzahl_; }
    TBST500* PosDDurchmesser() const { return sTextPosDDurchmesser_; }
    QLabel* AktDornLabel() const { return lblAktDorn_; }
    // Which picture shows: the first or the second series.
    bool ZeigtZweiteSerie() const;

signals:
    // After every check of the changed bars and after Cancel restored them: the result list and
    // the sketches show the type's results anew.
    void ErgebnisseGeaendert();

protected:
    void changeEvent(QEvent* ereignis) override;
    void showEvent(QShowEvent* ereignis) override;

private:
    void retranslateUi();
    void Aktivieren();
    void Uebernehmen();
    void AnzeigeZeichnen();

    Projektzustand& zustand_;
    std::unique_ptr<TKBewehrungsaenderung> aenderung_;

    QLabel* lblAktDorn_;
    QLabel* imgDornKlein_;
    QLabel* imgDornGross_;
    QLabel* lblAnzahl_;
    QLabel* lblGroesse_;
    QLabel* lblPosB_;
    QLabel* lblPosD_;
    QLabel* lblPosBT_;
    QLabel* lblPosDT_;
    QSpinBox* sTextPosBAnzahl_;
    TBST500* sTextPosBDurchmesser_;
    QSpinBox* sTextPosDAnzahl_;
    TBST500* sTextPosDDurchmesser_;
    QLabel* imgBewehrungAnzeige_;
    QPushButton* OKBtn_;
    QPushButton* CancelBtn_;
    Hinweisleiste* sbInfo_;
};

// The intermediate result of a type's reinforcement (provided and required areas, the
// resistance) drawn with the page primitives at screen resolution into an image of the
// given size filled with hintergrund. Numbers with the given decimal separator.
QImage BewehrungsZwischenergebnis(const TKDornErgebnis& ergebnis, QSize groesse, qreal dpr,
                                  const QColor& hintergrund, char dezimaltrenner);

} // namespace trv
