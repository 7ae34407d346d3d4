#pragma once

#include "model/Projektdaten.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace trv {

class Projektzustand;

// The project data dialog: building project, company lines, designer and date.
class TfrmProjektdaten : public QDialog {
    Q_OBJECT
public:
    // heute: today's date in the user's short date format, for "&Today".
    TfrmProjektdaten(const TKProjektdaten& daten, QString heute, QWidget* eltern = nullptr);

    // The description as the fields show it.
    TKProjektdaten Projektdaten() const;

    QLineEdit* Bauvorhaben() const { return EditBauvorhaben_; }
    QPlainTextEdit* Firma() const { return MemoFirma_; }
    QLineEdit* Bearbeiter() const { return EditBearbeiter_; }
    QLineEdit* Datum() const { return meditDatum_; }
    QPushButton* HeuteKnopf() const { return btnHeute_; }

protected:
    void changeEvent(QEvent* ereignis) override;

private:
    void retranslateUi();

    QString heute_;
    QLabel* lblBauvorhaben_;
    QLabel* lblFirma_;
    QLabel* lblBearbeiter_;
    QLabel* lblDatum_;
    QLineEdit* EditBauvorhaben_;
    QPlainTextEdit* MemoFirma_;
    QLineEdit* EditBearbeiter_;
    QLineEdit* meditDatum_;
    QPushButton* btnHeute_;
    QPushButton* OKBtn_;
    QPushButton* CancelBtn_;
};

// The company lines of a multi-line text: one per line; a final line break adds none.
std::vector<std::string> FirmaZeilen(const QString& text);

// "Project Data": the dialog over eltern with the project's description; on OK the project
// takes the four values and the result is true (the caller shows the new building project in
// its project field and tree).
bool ProjektdatenBearbeiten(QWidget* eltern, Projektzustand& zustand);

} // namespace trv
