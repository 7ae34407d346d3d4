#pragma once

#include <QDialog>

#include <array>

class QLabel;
class QPushButton;
class QToolButton;

namespace trv {

class Sprachwahl;

// The start window: the title picture with the six language buttons and the marker of the
// active language, and "&Start Program", which closes it with the result Accepted.
class TfrmSplash : public QDialog {
    Q_OBJECT
public:
    // The window runs wahl.Beginnen() itself, so the stored language is active when it shows.
    explicit TfrmSplash(Sprachwahl& wahl, QWidget* eltern = nullptr);

    // The button of a language identifier (one of the six), for tests.
    QToolButton* Sprachknopf(int kennung) const;
    // True when the marker beside the language's button is shown.
    bool MarkerSichtbar(int kennung) const;

protected:
    void changeEvent(QEvent* ereignis) override;

private:
    struct Sprachfeld {
        int Kennung;
        QToolButton* Knopf;
        QLabel* Marker;
        const char* Hinweis; // untranslated tool tip
    };

    void SwitchLanguage(int kennung);
    void MarkerZeigen();
    void retranslateUi();

    Sprachwahl& wahl_;
    QLabel* imgTitelbild_;
    std::array<Sprachfeld, 6> sprachen_{};
    QPushButton* btnWeiter_;
};

} // namespace trv
