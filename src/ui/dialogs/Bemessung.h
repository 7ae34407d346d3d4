#pragma once

#include <QDialog>

#include <array>

class QButtonGroup;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace trv {

class Projektzustand;
class Rueckfragen;

// The design options of the current position: the maximum connector spacing rule, the partial
// safety factor of the connector steel and the reinforcing steel grade. OK writes them into
// the position and, as defaults of new positions, into the INI file. Made once and reused:
// every showing reads the position current at that moment.
class TfrmBemessung : public QDialog {
    Q_OBJECT
public:
    TfrmBemessung(Projektzustand& zustand, Rueckfragen& fragen, QWidget* eltern = nullptr);

    // The controls show the current position's options (done whenever the dialog is shown).
    void WerteLaden();
    // OK's effect. False, with the message shown and nothing written, when γMs is refused.
    bool Uebernehmen();

    QButtonGroup* MaxDornabstand() const { return gruppe_; }
    QLineEdit* GammaMs() const { return editGammaMs_; }
    QComboBox* Stahlguete() const { return cboxStahlguete_; }

    void accept() override;

protected:
    void showEvent(QShowEvent* ereignis) override;
    void changeEvent(QEvent* ereignis) override;

private:
    void retranslateUi();

    Projektzustand& zustand_;
    Rueckfragen& fragen_;
    QGroupBox* rgMaxDornabstand_ = nullptr;
    std::array<QRadioButton*, 2> abstand_{};
    QButtonGroup* gruppe_ = nullptr;
    QLabel* lblGammaMs_ = nullptr;
    QLabel* lblSymbol_ = nullptr;
    QLineEdit* editGammaMs_ = nullptr;
    QLabel* lblStahlguete_ = nullptr;
    QComboBox* cboxStahlguete_ = nullptr;
    QPushButton* okBtn_ = nullptr;
    QPushButton* cancelBtn_ = nullptr;
};

} // namespace trv
