#include "ui/dialogs/About.h"

#include "files/Ressourcen.h"
#include "printing/Druckbilder.h"

#include "Programmversion.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QTextEdit>
#include <QVBoxLayout>

namespace trv {

namespace {

constexpr QSize TitelGroesse{300, 100};

// The maker's logo, the same picture as on the printed pages, at twice its page size.
QPixmap Titelbild(qreal dpr) {
    QPixmap bild(TitelGroesse * dpr);
    bild.fill(Qt::white);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    BitmapAusRessource(p, LogoBild, QRect(QPoint(0, 0), bild.size()));
    p.end();
    bild.setDevicePixelRatio(dpr);
    return bild;
}

// The maker's name and the first contact column (country, company, telephone, fax, mail).
QStringList Kontaktzeilen() {
    QStringList zeilen = QString::fromStdString(Ressource(res::KontaktSpalte1))
                             .split(QLatin1Char('\\'), Qt::SkipEmptyParts);
    return zeilen;
}

} // namespace

TfrmAbout::TfrmAbout(QWidget* eltern) : QDialog(eltern) {
    setObjectName(QStringLiteral("frmAbout"));
    setModal(true);
    imgTitel_ = new QLabel(this);
    imgTitel_->setFixedSize(TitelGroesse);
    imgTitel_->setPixmap(Titelbild(devicePixelRatioF()));
    lblProgramm_ = new QLabel(this);
    QFont gross = lblProgramm_->font();
    gross.setBold(true);
    gross.setPointSizeF(gross.pointSizeF() * 1.3);
    lblProgramm_->setFont(gross);
    lblZweck_ = new QLabel(this);
    lblZweck_->setWordWrap(true);
    lblVersion_ = new QLabel(this);
    lblDatum_ = new QLabel(this);
    lblHersteller_ = new QLabel(this);
    QFont fett = lblHersteller_->font();
    fett.setBold(true);
    lblHersteller_->setFont(fett);
    lblKontakt_ = new QLabel(this);
    lblKontakt_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    memoHaftung_ = new QTextEdit(this);
    memoHaftung_->setReadOnly(true);
    memoHaftung_->setMinimumSize(460, 150);
    btnZurueck_ = new QPushButton(this);
    btnZurueck_->setDefault(true);
    for (QLabel* text : {lblProgramm_, lblVersion_, lblDatum_, lblHersteller_, lblKontakt_}) {
        text->setTextInteractionFlags(Qt::TextSelectableByMouse);
    }

    auto* kopf = new QHBoxLayout;
    kopf->addWidget(imgTitel_);
    auto* angaben = new QVBoxLayout;
    angaben->addWidget(lblVersion_);
    angaben->addWidget(lblDatum_);
    angaben->addSpacing(6);
    angaben->addWidget(lblHersteller_);
    angaben->addWidget(lblKontakt_);
    angaben->addStretch();
    kopf->addLayout(angaben);
    auto* knopf = new QHBoxLayout;
    knopf->addStretch();
    knopf->addWidget(btnZurueck_);
    auto* haupt = new QVBoxLayout(this);
    haupt->addLayout(kopf);
    haupt->addWidget(lblProgramm_);
    haupt->addWidget(lblZweck_);
    haupt->addWidget(memoHaftung_, 1);
    haupt->addLayout(knopf);

    connect(btnZurueck_, &QPushButton::clicked, this, &QDialog::accept);
    retranslateUi();
}

QString TfrmAbout::Haftungstext() const {
    return tr("This program is an aid to the design of TRV and ZEDE shear connectors. It does "
              "not replace the judgement of a qualified structural engineer. The results must be "
              "checked by the engineer responsible for the structure before they are used, and "
              "the responsibility for the design remains with that engineer.\n\n"
              "Check all input data. The results are valid only for the connectors, materials "
              "and boundary conditions described in the program and in the manual, and only "
              "for the data entered; the maker accepts no liability for results obtained with "
              "wrong or incomplete input, for the use of other products, or for damage arising "
              "from the use of the program, except where the law provides otherwise.\n\n"
              "The program has been tested with care on the operating systems named in the "
              "manual. Faults caused by other system software, printers or other programs "
              "cannot be excluded. Please report any fault you find to the maker.");
}

void TfrmAbout::retranslateUi() {
    setWindowTitle(tr("About Varnel - TRV / ZEDE Shear Connectors"));
    lblProgramm_->setText(tr("Varnel - TRV / ZEDE Shear Connectors"));
    lblZweck_->setText(tr("This program will enable the calculation of TRV and ZEDE shear "
                          "connectors supporting higher transverse loads"));
    lblVersion_->setText(tr("Version:") + QLatin1Char(' ') +
                         tr("TRV - %1").arg(QStringLiteral(TRV_PROGRAMMVERSION)));
    lblDatum_->setText(tr("Created on:") + QLatin1Char(' ') + tr("10.06.2009"));
    QStringList kontakt = Kontaktzeilen();
    // The company line heads the block; the country follows the address lines.
    QString hersteller = kontakt.size() > 1 ? kontakt.takeAt(1) : QString();
    lblHersteller_->setText(hersteller);
    lblKontakt_->setText(kontakt.join(QLatin1Char('\n')));
    imgTitel_->setAccessibleName(tr("Varnel - TRV / ZEDE Shear Connectors"));
    memoHaftung_->setAccessibleName(tr("Disclaimer"));
    memoHaftung_->setPlainText(Haftungstext());
    memoHaftung_->selectAll();
    memoHaftung_->setAlignment(Qt::AlignHCenter);
    memoHaftung_->moveCursor(QTextCursor::Start);
    btnZurueck_->setText(tr("&Back"));
}

void TfrmAbout::changeEvent(QEvent* ereignis) {
    if (ereignis->type() == QEvent::LanguageChange) {
        retranslateUi();
    }
    QDialog::changeEvent(ereignis);
}

} // namespace trv
