#pragma once

#include "sketches/Farbe.h"

#include <QDialog>

#include <array>
#include <functional>
#include <optional>

class QColor;
class QGroupBox;
class QLabel;
class QPushButton;

namespace trv {

class Hinweisleiste;
class Projektzustand;

// The screen colours dialog: nine swatches, each opening the colour dialog, the standard and
// the grey scheme. OK hands back the colours chosen; the settings take them only then.
class TfrmFarbeinstellung : public QDialog {
    Q_OBJECT
public:
    // Asks for a colour, preset with the current one; nothing when the user cancelled.
    using Farbwahl = std::function<std::optional<QColor>(QWidget* eltern, const QColor& farbe,
                                                         const QString& titel)>;

    explicit TfrmFarbeinstellung(const TKFarbe& farbe, QWidget* eltern = nullptr);

    // The colours as the swatches show them.
    const TKFarbe& Farbe() const { return farbe_; }
    // Another colour chooser than Qt's colour dialog (tests).
    void SetFarbwahl(Farbwahl wahl) { farbwahl_ = std::move(wahl); }

    QPushButton* Feld(TKFarbe::Rolle rolle) const { return felder_[static_cast<int>(rolle)]; }
    QPushButton* StandardKnopf() const { return btnDefault_; }
    QPushButton* GrauKnopf() const { return btnGrau_; }

protected:
    void changeEvent(QEvent* ereignis) override;

private:
    void retranslateUi();
    void Anzeigen();
    void FeldWaehlen(TKFarbe::Rolle rolle);

    TKFarbe farbe_;
    Farbwahl farbwahl_;
    std::array<QPushButton*, TKFarbe::AnzahlRollen> felder_{};
    std::array<QLabel*, TKFarbe::AnzahlRollen> labels_{};
    QGroupBox* gbSkizze_;
    QGroupBox* gbBeton_;
    QGroupBox* gbBewehrung_;
    QGroupBox* gbDorn_;
    QPushButton* btnDefault_;
    QPushButton* btnGrau_;
    QPushButton* OKBtn_;
    QPushButton* CancelBtn_;
    Hinweisleiste* sbInfo_;
};

// "Screen Colours": the dialog over eltern with the state's colours; on OK the state takes the
// chosen ones (written to the INI file when the state goes) and the result is true, so the
// caller redraws its sketches.
bool FarbenEinstellen(QWidget* eltern, Projektzustand& zustand);

} // namespace trv
