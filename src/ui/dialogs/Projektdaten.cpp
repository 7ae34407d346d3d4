#include "ui/dialogs/Projektdaten.h"

#include "ui/dialogs/Fokuswechsel.h"
#include "ui/dialogs/Textgrenze.h"
#include "ui/hilfe/Hilfe.h"
#include "ui/main/Projektzustand.h"

#include <QEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace trv {

namespace {

QString Text(const std::string& s) {
    return QString::fromStdString(s);
}

} // namespace

std::vector<std::string> FirmaZeilen(const QString& text) {
    QStringList zeilen = text.split(QLatin1Char('\n'));
    if (!zeilen.isEmpty() && zeilen.back().isEmpty()) {
        zeilen.removeLast();
    }
    std::vector<std::string> ergebnis;
    ergebnis.reserve(static_cast<std::size_t>(zeilen.size()));
    for (const QString& zeile : zeilen) {
        ergebnis.push_back(zeile.toStdString());
    }
    return ergebnis;
}

TfrmProjektdaten::TfrmProjektdaten(const TKProjektdaten& daten, QString heute, QWidget* eltern)
    : QDialog(eltern), heute_(std::move(heute)) {
    setObjectName(QStringLiteral("frmProjektdaten"));
    setModal(true);
    lblBauvorhaben_ = new QLabel(this);
    lblFirma_ = new QLabel(this);
    lblBearbeiter_ = new QLabel(this);
    lblDatum_ = new QLabel(this);
    EditBauvorhaben_ = new QLineEdit(this);
    MemoFirma_ = new QPlainTextEdit(this);
    MemoFirma_->setTabChangesFocus(true);
    MemoFirma_->setLineWrapMode(QPlainTextEdit::NoWrap);
    MemoFirma_->setMinimumSize(320, 90);
    EditBearbeiter_ = new QLineEdit(this);
    meditDatum_ = new QLineEdit(this);
    btnHeute_ = new QPushButton(this);
    btnHeute_->setAutoDefault(false);
    OKBtn_ = new QPushButton(this);
    OKBtn_->setDefault(true);
    CancelBtn_ = new QPushButton(this);
    CancelBtn_->setAutoDefault(false);
    const auto zuLang = [this] {
        QMessageBox::information(this, windowTitle(), TextZuLangMeldung());
    };
    TextgrenzeSetzen(EditBauvorhaben_, zuLang);
    TextgrenzeSetzen(MemoFirma_, zuLang);
    TextgrenzeSetzen(EditBearbeiter_, zuLang);
    TextgrenzeSetzen(meditDatum_, zuLang);
    lblBauvorhaben_->setBuddy(EditBauvorhaben_);
    lblFirma_->setBuddy(MemoFirma_);
    lblBearbeiter_->setBuddy(EditBearbeiter_);
    lblDatum_->setBuddy(meditDatum_);

    auto* datum = new QHBoxLayout;
    datum->addWidget(meditDatum_);
    datum->addWidget(btnHeute_);
    auto* felder = new QFormLayout;
    felder->addRow(lblBauvorhaben_, EditBauvorhaben_);
    felder->addRow(lblFirma_, MemoFirma_);
    felder->addRow(lblBearbeiter_, EditBearbeiter_);
    felder->addRow(lblDatum_, datum);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    knoepfe->addWidget(OKBtn_);
    knoepfe->addWidget(CancelBtn_);
    knoepfe->addWidget(new THilfeKnopf(QStringLiteral("MaskeProjektdaten"), this));
    auto* haupt = new QVBoxLayout(this);
    haupt->addLayout(felder);
    haupt->addLayout(knoepfe);

    setTabOrder(EditBauvorhaben_, MemoFirma_);
    setTabOrder(MemoFirma_, EditBearbeiter_);
    setTabOrder(EditBearbeiter_, meditDatum_);
    setTabOrder(meditDatum_, btnHeute_);
    setTabOrder(btnHeute_, OKBtn_);
    setTabOrder(OKBtn_, CancelBtn_);

    EditBauvorhaben_->setText(Text(daten.Bauvorhaben()));
    MemoFirma_->clear();
    for (const std::string& zeile : daten.Firma()) {
        MemoFirma_->appendPlainText(Text(zeile));
    }
    EditBearbeiter_->setText(Text(daten.Bearbeiter()));
    meditDatum_->setText(Text(daten.Datum()));

    connect(btnHeute_, &QPushButton::clicked, this, [this] {
        meditDatum_->setText(heute_);
        focusNextChild();
    });
    connect(OKBtn_, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBtn_, &QPushButton::clicked, this, &QDialog::reject);
    auto* enter = new Fokuswechsel(this);
    enter->Ausnahme(MemoFirma_);
    retranslateUi();
}

TKProjektdaten TfrmProjektdaten::Projektdaten() const {
    TKProjektdaten daten;
    daten.SetBauvorhaben(EditBauvorhaben_->text().toStdString());
    daten.SetFirma(FirmaZeilen(MemoFirma_->toPlainText()));
    daten.SetBearbeiter(EditBearbeiter_->text().toStdString());
    daten.SetDatum(meditDatum_->text().toStdString());
    return daten;
}

void TfrmProjektdaten::retranslateUi() {
    setWindowTitle(tr("Project Data"));
    lblBauvorhaben_->setText(tr("Project:"));
    lblFirma_->setText(tr("Company"));
    lblBearbeiter_->setText(tr("Designer:"));
    lblDatum_->setText(tr("Date:"));
    btnHeute_->setText(tr("&Today"));
    OKBtn_->setText(tr("&OK"));
    CancelBtn_->setText(tr("&Cancel"));
}

void TfrmProjektdaten::changeEvent(QEvent* ereignis) {
    if (ereignis->type() == QEvent::LanguageChange) {
        retranslateUi();
    }
    QDialog::changeEvent(ereignis);
}

bool ProjektdatenBearbeiten(QWidget* eltern, Projektzustand& zustand) {
    TfrmProjektdaten dialog(zustand.Modell().Projektbeschreibung(),
                            QString::fromStdString(zustand.Regional().HeuteKurz), eltern);
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    zustand.Modell().Projektbeschreibung() = dialog.Projektdaten();
    return true;
}

} // namespace trv
