#include "ui/dialogs/Bewehrung.h"

#include "files/Ressourcen.h"
#include "model/Modell.h"
#include "model/Zahlen.h"
#include "printing/Ergebniszeile.h"
#include "printing/Seitenmasse.h"
#include "sketches/Texte.h"
#include "ui/dialogs/BST500.h"
#include "ui/dialogs/Fokuswechsel.h"
#include "ui/dialogs/Hinweisleiste.h"
#include "ui/hilfe/Hilfe.h"
#include "ui/main/Projektzustand.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QSpinBox>
#include <QSvgRenderer>
#include <QVBoxLayout>

#include <cmath>

// Resources of a static library are registered by hand, outside any namespace.
static void DialogbilderRegistrieren() {
    Q_INIT_RESOURCE(Dialoge);
}

namespace trv {

namespace {

constexpr QSize BildGroesse{220, 130};
constexpr QSize AnzeigeGroesse{250, 120};

QPixmap SvgBild(const QString& datei, QSize groesse, qreal dpr) {
    QSvgRenderer svg(datei);
    QPixmap bild(groesse * dpr);
    bild.fill(Qt::transparent);
    QPainter p(&bild);
    svg.render(&p);
    p.end();
    bild.setDevicePixelRatio(dpr);
    return bild;
}

// A count of bars shown with its arrows only: the value cannot be typed.
QSpinBox* AnzahlFeld(QWidget* eltern) {
    auto* feld = new QSpinBox(eltern);
    feld->findChild<QLineEdit*>()->setReadOnly(true);
    feld->setAlignment(Qt::AlignRight);
    return feld;
}

} // namespace

QImage BewehrungsZwischenergebnis(const TKDornErgebnis& ergebnis, QSize groesse, qreal dpr,
                                  const QColor& hintergrund, char dezimaltrenner) {
    const int dpi = static_cast<int>(std::lround(BildschirmDpi * dpr));
    QImage bild(groesse * dpr, QImage::Format_ARGB32_Premultiplied);
    const int punkteProMeter = static_cast<int>(std::lround(dpi / 0.0254));
    bild.setDotsPerMeterX(punkteProMeter);
    bild.setDotsPerMeterY(punkteProMeter);
    bild.fill(hintergrund);

    QPainter canvas(&bild);
    canvas.setRenderHint(QPainter::TextAntialiasing);
    canvas.setPen(Qt::black);
    Seitenmasse masse;
    masse.FuerBildschirm(canvas, dpi);
    const auto px = [dpr](int wert) { return static_cast<int>(std::lround(wert * dpr)); };

    canvas.setFont(DruckSchrift(10, false, true, true));
    TextOben(
        canvas, px(10), px(10),
        QCoreApplication::translate("TfrmBewehrung", "Intermediate result for reinforcement "));
    canvas.setFont(DruckSchrift(10));
    const int dv = TextBreite(canvas, QStringLiteral("AsxReq"));
    const int ds = px(10);
    const int x = px(10);
    int y = px(10) + masse.Zeile14();

    const auto zahl = [dezimaltrenner](double wert) {
        return QString::fromStdString(ZahlAlsText(wert, "0", dezimaltrenner));
    };
    const auto flaeche = [&](double mm2) { return zahl(RundeGerade(mm2) / 100); };
    const QString A = QStringLiteral("A");
    const QString cm2 = QStringLiteral("cm²");
    const QString sxErf = QString::fromStdString(Ressource(res::IndexSxErf));
    const QString syErf = QString::fromStdString(Ressource(res::IndexSyErf));

    ErgebnisZeile(canvas, {}, flaeche(ergebnis.AsxIst()), dv, ds, y, x,
                  {A, QStringLiteral("sx"), {}}, cm2);
    y += masse.Zeile10();
    ErgebnisZeile(canvas, {}, flaeche(ergebnis.AsxErf()), dv, ds, y, x, {A, sxErf, {}}, cm2);
    y += masse.Zeile14();
    ErgebnisZeile(canvas, {}, flaeche(ergebnis.AsyIst()), dv, ds, y, x,
                  {A, QStringLiteral("sy"), {}}, cm2);
    y += masse.Zeile10();
    ErgebnisZeile(canvas, {}, flaeche(ergebnis.AsyErf()), dv, ds, y, x, {A, syErf, {}}, cm2);
    y += masse.Zeile14();
    ErgebnisZeile(canvas, {}, zahl(RundeGerade(ergebnis.FRd() * 10) / 10), dv, ds, y, x,
                  {QStringLiteral("V"), QStringLiteral("Rd"), {}}, QStringLiteral("kN"));
    canvas.end();
    bild.setDevicePixelRatio(dpr);
    return bild;
}

TfrmBewehrung::TfrmBewehrung(Projektzustand& zustand, QWidget* eltern)
    : QDialog(eltern), zustand_(zustand) {
    DialogbilderRegistrieren();
    setObjectName(QStringLiteral("frmBewehrung"));
    setModal(true);

    lblAktDorn_ = new QLabel(this);
    QFont fett = lblAktDorn_->font();
    fett.setBold(true);
    lblAktDorn_->setFont(fett);

    imgDornKlein_ = new QLabel(this);
    imgDornGross_ = new QLabel(this);
    for (QLabel* bild : {imgDornKlein_, imgDornGross_}) {
        bild->setFixedSize(BildGroesse);
        bild->setFrameShape(QFrame::StyledPanel);
    }
    imgDornGross_->hide();

    lblAnzahl_ = new QLabel(this);
    lblGroesse_ = new QLabel(this);
    lblPosB_ = new QLabel(this);
    lblPosD_ = new QLabel(this);
    lblPosBT_ = new QLabel(QStringLiteral("-T"), this);
    lblPosDT_ = new QLabel(QStringLiteral("-T"), this);
    sTextPosBAnzahl_ = AnzahlFeld(this);
    sTextPosBAnzahl_->setObjectName(QStringLiteral("sTextPosBAnzahl"));
    sTextPosBDurchmesser_ = new TBST500(this);
    sTextPosBDurchmesser_->setObjectName(QStringLiteral("sTextPosBDurchmesser"));
    sTextPosDAnzahl_ = AnzahlFeld(this);
    sTextPosDAnzahl_->setObjectName(QStringLiteral("sTextPosDAnzahl"));
    sTextPosDAnzahl_->setSingleStep(2);
    sTextPosDDurchmesser_ = new TBST500(this);
    sTextPosDDurchmesser_->setObjectName(QStringLiteral("sTextPosDDurchmesser"));
    for (TBST500* stab : {sTextPosBDurchmesser_, sTextPosDDurchmesser_}) {
        stab->SetStabListe(QStringLiteral("6;8;10;12;14;16;20;25"));
        stab->setAlignment(Qt::AlignRight);
    }
    lblPosB_->setBuddy(sTextPosBAnzahl_);
    lblPosD_->setBuddy(sTextPosDAnzahl_);
    for (QLabel* kopf : {lblAnzahl_, lblGroesse_}) {
        kopf->setFrameShape(QFrame::StyledPanel);
        kopf->setAlignment(Qt::AlignCenter);
    }

    imgBewehrungAnzeige_ = new QLabel(this);
    imgBewehrungAnzeige_->setFixedSize(AnzeigeGroesse);
    imgBewehrungAnzeige_->setFrameShape(QFrame::StyledPanel);

    OKBtn_ = new QPushButton(this);
    OKBtn_->setDefault(true);
    CancelBtn_ = new QPushButton(this);
    sbInfo_ = new Hinweisleiste(this);

    auto* staebe = new QGridLayout;
    staebe->addWidget(lblAnzahl_, 0, 1);
    staebe->addWidget(lblGroesse_, 0, 3);
    staebe->addWidget(lblPosB_, 1, 0);
    staebe->addWidget(sTextPosBAnzahl_, 1, 1);
    staebe->addWidget(lblPosBT_, 1, 2);
    staebe->addWidget(sTextPosBDurchmesser_, 1, 3);
    staebe->addWidget(lblPosD_, 2, 0);
    staebe->addWidget(sTextPosDAnzahl_, 2, 1);
    staebe->addWidget(lblPosDT_, 2, 2);
    staebe->addWidget(sTextPosDDurchmesser_, 2, 3);
    staebe->setColumnMinimumWidth(1, 70);
    staebe->setColumnMinimumWidth(3, 70);

    auto* rechts = new QVBoxLayout;
    rechts->addLayout(staebe);
    rechts->addStretch();
    rechts->addWidget(imgBewehrungAnzeige_);

    auto* bilder = new QVBoxLayout;
    bilder->addWidget(imgDornKlein_);
    bilder->addWidget(imgDornGross_);
    bilder->addStretch();

    auto* mitte = new QHBoxLayout;
    mitte->addLayout(bilder);
    mitte->addLayout(rechts);

    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    knoepfe->addWidget(OKBtn_);
    knoepfe->addWidget(CancelBtn_);
    knoepfe->addWidget(new THilfeKnopf(QStringLiteral("MaskeBewehrung"), this));

    auto* haupt = new QVBoxLayout(this);
    haupt->addWidget(lblAktDorn_);
    haupt->addLayout(mitte);
    haupt->addLayout(knoepfe);
    haupt->addWidget(sbInfo_);

    setTabOrder(sTextPosBAnzahl_, sTextPosBDurchmesser_);
    setTabOrder(sTextPosBDurchmesser_, sTextPosDAnzahl_);
    setTabOrder(sTextPosDAnzahl_, sTextPosDDurchmesser_);
    setTabOrder(sTextPosDDurchmesser_, OKBtn_);
    setTabOrder(OKBtn_, CancelBtn_);

    for (QSpinBox* feld :
         {static_cast<QSpinBox*>(sTextPosBAnzahl_), static_cast<QSpinBox*>(sTextPosBDurchmesser_),
          static_cast<QSpinBox*>(sTextPosDAnzahl_),
          static_cast<QSpinBox*>(sTextPosDDurchmesser_)}) {
        connect(feld, &QSpinBox::valueChanged, this, [this] { Uebernehmen(); });
    }
    connect(OKBtn_, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBtn_, &QPushButton::clicked, this, &QDialog::reject);
    new Fokuswechsel(this);
    retranslateUi();
}

TfrmBewehrung::~TfrmBewehrung() = default;

void TfrmBewehrung::retranslateUi() {
    setWindowTitle(tr("Reinforcement"));
    lblAnzahl_->setText(tr("Number"));
    lblGroesse_->setText(tr("Size"));
    lblPosB_->setText(tr("Top and Bottom Reinforcement"));
    lblPosD_->setText(tr("Vertical Reinforcement"));
    HinweisSetzen(sTextPosBAnzahl_, tr("Number of Top and Bottom Reinforcement bars"),
                  tr("Change number of Top and Bottom Reinforcement bars"));
    HinweisSetzen(sTextPosBDurchmesser_, tr("Diameter of Top and Bottom Reinforcement bars"),
                  tr("Change diameter of Top and Bottom Reinforcement bars"));
    HinweisSetzen(sTextPosDAnzahl_, tr("Number Vertical Reinforcement bars"),
                  tr("Change number Vertical Reinforcement bars"));
    HinweisSetzen(sTextPosDDurchmesser_, tr("Diameter of Vertical Reinforcement bars"),
                  tr("Change diameter Vertical Reinforcement bars"));
    for (QWidget* feld :
         {static_cast<QWidget*>(sTextPosBAnzahl_), static_cast<QWidget*>(sTextPosBDurchmesser_),
          static_cast<QWidget*>(sTextPosDAnzahl_), static_cast<QWidget*>(sTextPosDDurchmesser_)}) {
        feld->setAccessibleName(feld->toolTip());
    }
    imgDornKlein_->setAccessibleName(tr("Connector of the TRV series"));
    imgDornGross_->setAccessibleName(tr("Connector of the ZEDE series"));
    imgBewehrungAnzeige_->setAccessibleName(tr("Intermediate result for reinforcement "));
    OKBtn_->setText(tr("&OK"));
    HinweisSetzen(OKBtn_, tr("Undertake entry and close window"),
                  tr("Undertake entry and close window"));
    CancelBtn_->setText(tr("&Cancel"));
    HinweisSetzen(CancelBtn_, tr("Discard entry and close window"),
                  tr("Discard entry and close window"));
    if (aenderung_) {
        lblAktDorn_->setText(tr("Reinforcement to current connector: ") +
                             QString::fromStdString(DornName(aenderung_->Typ())));
        AnzeigeZeichnen();
    }
}

void TfrmBewehrung::changeEvent(QEvent* ereignis) {
    if (ereignis->type() == QEvent::LanguageChange) {
        retranslateUi();
    }
    QDialog::changeEvent(ereignis);
}

int TfrmBewehrung::exec() {
    if (!TKBewehrungsaenderung::Moeglich(zustand_.Anwendung())) {
        return QDialog::Rejected;
    }
    return QDialog::exec();
}

void TfrmBewehrung::showEvent(QShowEvent* ereignis) {
    if (QWidget* haupt = parentWidget()) {
        move(haupt->window()->frameGeometry().topLeft());
    }
    if (!aenderung_ && TKBewehrungsaenderung::Moeglich(zustand_.Anwendung())) {
        Aktivieren();
    }
    QDialog::showEvent(ereignis);
}

bool TfrmBewehrung::ZeigtZweiteSerie() const {
    return !imgDornGross_->isHidden();
}

void TfrmBewehrung::Aktivieren() {
    aenderung_ = std::make_unique<TKBewehrungsaenderung>(zustand_.Anwendung());
    const TKStaebe s = aenderung_->Staebe();
    const bool zweite = aenderung_->ZweiteSerie();
    const QSignalBlocker b1(sTextPosBAnzahl_);
    const QSignalBlocker b2(sTextPosBDurchmesser_);
    const QSignalBlocker b3(sTextPosDAnzahl_);
    const QSignalBlocker b4(sTextPosDDurchmesser_);
    // A count outside the usual range (from a file) is shown as it is, not cut to the range:
    // a change of another box must not change it unseen.
    sTextPosBAnzahl_->setRange(std::min(2, s.AnzahlBewX), std::max(20, s.AnzahlBewX));
    sTextPosBAnzahl_->setSingleStep(zweite ? 2 : 1);
    sTextPosBAnzahl_->setValue(s.AnzahlBewX);
    sTextPosDAnzahl_->setRange(std::min(2, s.AnzahlBewY), std::max(20, s.AnzahlBewY));
    sTextPosDAnzahl_->setValue(s.AnzahlBewY);
    sTextPosBDurchmesser_->setValue(s.DurchmesserBewX);
    sTextPosDDurchmesser_->setValue(s.DurchmesserBewY);
    const qreal dpr = devicePixelRatioF();
    imgDornKlein_->setVisible(!zweite);
    imgDornGross_->setVisible(zweite);
    QLabel* bild = zweite ? imgDornGross_ : imgDornKlein_;
    bild->setPixmap(SvgBild(zweite ? QStringLiteral(":/dialoge/DornGross.svg")
                                   : QStringLiteral(":/dialoge/DornKlein.svg"),
                            BildGroesse - QSize(2, 2), dpr));
    sbInfo_->clearMessage();
    retranslateUi();
    sTextPosBAnzahl_->setFocus();
}

void TfrmBewehrung::Uebernehmen() {
    if (!aenderung_) {
        return;
    }
    aenderung_->Aendern({sTextPosBAnzahl_->value(), sTextPosBDurchmesser_->value(),
                         sTextPosDAnzahl_->value(), sTextPosDDurchmesser_->value()});
    AnzeigeZeichnen();
    emit ErgebnisseGeaendert();
}

void TfrmBewehrung::AnzeigeZeichnen() {
    if (!aenderung_) {
        return;
    }
    const TKDornErgebnis& ergebnis =
        zustand_.Anwendung().Ergebnisse().DornErgebnis(aenderung_->Typ());
    const QSize groesse = imgBewehrungAnzeige_->contentsRect().size();
    imgBewehrungAnzeige_->setPixmap(QPixmap::fromImage(
        BewehrungsZwischenergebnis(ergebnis, groesse, devicePixelRatioF(),
                                   palette().color(QPalette::Window), zustand_.Dezimaltrenner())));
}

void TfrmBewehrung::done(int ergebnis) {
    if (aenderung_) {
        if (ergebnis == QDialog::Accepted) {
            aenderung_->Uebernehmen();
            aenderung_.reset();
        } else {
            aenderung_->Verwerfen();
            aenderung_.reset();
            emit ErgebnisseGeaendert();
        }
    }
    QDialog::done(ergebnis);
}

} // namespace trv
