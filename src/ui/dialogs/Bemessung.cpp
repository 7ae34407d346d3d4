#include "ui/dialogs/Bemessung.h"

#include "calculation/Bemessungsoptionen.h"
#include "calculation/Katalog.h"
#include "model/Textlisten.h"
#include "model/Zahlen.h"
#include "ui/main/Projektzustand.h"
#include "ui/main/Rueckfragen.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include <algorithm>

namespace trv {

TfrmBemessung::TfrmBemessung(Projektzustand& zustand, Rueckfragen& fragen, QWidget* eltern)
    : QDialog(eltern), zustand_(zustand), fragen_(fragen) {
    setObjectName(QStringLiteral("frmBemessung"));
    auto* spalte = new QVBoxLayout(this);

    rgMaxDornabstand_ = new QGroupBox(this);
    rgMaxDornabstand_->setObjectName(QStringLiteral("rgMaxDornabstand"));
    auto* radios = new QVBoxLayout(rgMaxDornabstand_);
    gruppe_ = new QButtonGroup(this);
    for (int i = 0; i < 2; ++i) {
        auto* radio = new QRadioButton(rgMaxDornabstand_);
        gruppe_->addButton(radio, i);
        abstand_[static_cast<std::size_t>(i)] = radio;
        radios->addWidget(radio);
    }
    spalte->addWidget(rgMaxDornabstand_);

    auto* raster = new QGridLayout;
    lblGammaMs_ = new QLabel(this);
    lblSymbol_ = new QLabel(this);
    lblSymbol_->setTextFormat(Qt::RichText);
    editGammaMs_ = new QLineEdit(this);
    editGammaMs_->setObjectName(QStringLiteral("editGammaMs"));
    editGammaMs_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    editGammaMs_->setMaxLength(32);
    editGammaMs_->setMaximumWidth(90);
    lblGammaMs_->setBuddy(editGammaMs_);
    raster->addWidget(lblGammaMs_, 0, 0);
    raster->addWidget(lblSymbol_, 0, 1);
    raster->addWidget(editGammaMs_, 0, 2);
    lblStahlguete_ = new QLabel(this);
    cboxStahlguete_ = new QComboBox(this);
    cboxStahlguete_->setObjectName(QStringLiteral("cboxStahlguete"));
    lblStahlguete_->setBuddy(cboxStahlguete_);
    raster->addWidget(lblStahlguete_, 1, 0, 1, 2);
    raster->addWidget(cboxStahlguete_, 1, 2);
    raster->setColumnStretch(0, 1);
    spalte->addLayout(raster);
    spalte->addStretch(1);

    auto* knoepfe = new QDialogButtonBox(this);
    okBtn_ = knoepfe->addButton(QString(), QDialogButtonBox::AcceptRole);
    cancelBtn_ = knoepfe->addButton(QString(), QDialogButtonBox::RejectRole);
    okBtn_->setObjectName(QStringLiteral("OKBtn"));
    cancelBtn_->setObjectName(QStringLiteral("CancelBtn"));
    okBtn_->setDefault(true);
    connect(knoepfe, &QDialogButtonBox::accepted, this, &TfrmBemessung::accept);
    connect(knoepfe, &QDialogButtonBox::rejected, this, &TfrmBemessung::reject);
    spalte->addWidget(knoepfe);

    retranslateUi();
    WerteLaden();
}

void TfrmBemessung::retranslateUi() {
    setWindowTitle(tr("Settings for Calculation"));
    rgMaxDornabstand_->setTitle(tr("Max. Spacing of Dowels"));
    const TKTextlisten& texte = zustand_.Texte();
    for (std::size_t i = 0; i < abstand_.size(); ++i) {
        abstand_[i]->setText(QString::fromStdString(
            TKTextlisten::Text(texte.MaxAbstandOptionen(), static_cast<int>(i))));
    }
    lblGammaMs_->setText(tr("partial safety factor for steel"));
    lblSymbol_->setText(QStringLiteral("\u03b3<sub>Ms</sub>"));
    editGammaMs_->setAccessibleName(tr("partial safety factor for steel"));
    lblStahlguete_->setText(tr("reinforcement yield strength"));
    const int stahl = cboxStahlguete_->currentIndex();
    cboxStahlguete_->clear();
    for (int i = 0; i < AnzStahlgueten; ++i) {
        cboxStahlguete_->addItem(QString::fromStdString(StahlNamen(i)));
    }
    cboxStahlguete_->setCurrentIndex(std::max(stahl, 0));
    okBtn_->setText(tr("&OK"));
    okBtn_->setToolTip(tr("Undertake entry and close window"));
    cancelBtn_->setText(tr("&Cancel"));
    cancelBtn_->setToolTip(tr("Discard entry and close window"));
}

void TfrmBemessung::changeEvent(QEvent* ereignis) {
    if (ereignis->type() == QEvent::LanguageChange) {
        retranslateUi();
    }
    QDialog::changeEvent(ereignis);
}

void TfrmBemessung::showEvent(QShowEvent* ereignis) {
    if (!ereignis->spontaneous()) {
        WerteLaden();
    }
    QDialog::showEvent(ereignis);
}

void TfrmBemessung::WerteLaden() {
    const TKAnwendung& a = zustand_.Anwendung();
    abstand_[std::min<std::size_t>(a.MaxDornabstand(), 1)]->setChecked(true);
    editGammaMs_->setText(
        QString::fromStdString(ZahlAlsText(a.GammaMs(), "0", zustand_.Dezimaltrenner())));
    cboxStahlguete_->setCurrentIndex(std::min<int>(a.Stahlguete(), AnzStahlgueten - 1));
}

bool TfrmBemessung::Uebernehmen() {
    const TEingabeFehler fehler = BemessungsoptionenUebernehmen(
        zustand_.Anwendung(), zustand_.Ini(), std::max(gruppe_->checkedId(), 0),
        editGammaMs_->text().toStdString(), std::max(cboxStahlguete_->currentIndex(), 0),
        zustand_.Dezimaltrenner());
    if (fehler != TEingabeFehler::Keiner) {
        fragen_.Meldung(QString::fromStdString(EingabeMeldung(fehler)));
        editGammaMs_->setFocus();
        editGammaMs_->selectAll();
        return false;
    }
    return true;
}

void TfrmBemessung::accept() {
    if (Uebernehmen()) {
        QDialog::accept();
    }
}

} // namespace trv
