#include "ui/dialogs/Farbeinstellung.h"

#include "ui/dialogs/Hinweisleiste.h"
#include "ui/main/Projektzustand.h"

#include <QColorDialog>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace trv {

namespace {

using Rolle = TKFarbe::Rolle;

std::optional<QColor> QtFarbwahl(QWidget* eltern, const QColor& farbe, const QString& titel) {
    const QColor gewaehlt = QColorDialog::getColor(farbe, eltern, titel);
    if (!gewaehlt.isValid()) {
        return std::nullopt;
    }
    return gewaehlt;
}

// A colour value (red in the lowest byte) from a Qt colour.
std::uint32_t AlsWert(const QColor& farbe) {
    return static_cast<std::uint32_t>(farbe.red()) |
           (static_cast<std::uint32_t>(farbe.green()) << 8) |
           (static_cast<std::uint32_t>(farbe.blue()) << 16);
}

} // namespace

TfrmFarbeinstellung::TfrmFarbeinstellung(const TKFarbe& farbe, QWidget* eltern)
    : QDialog(eltern), farbe_(farbe), farbwahl_(QtFarbwahl) {
    setObjectName(QStringLiteral("frmFarbeinstellung"));
    setModal(true);
    static constexpr const char* Namen[TKFarbe::AnzahlRollen] = {
        "sTextHintergrund", "sTextBetonPen",  "stextBetonBrush", "sTextPosB",       "sTextPosD",
        "sTextDornPen",     "sTextDornBrush", "sTextBemassung",  "stextBrandschutz"};
    for (int i = 0; i < TKFarbe::AnzahlRollen; ++i) {
        auto* feld = new QPushButton(this);
        feld->setObjectName(QString::fromLatin1(Namen[i]));
        feld->setFixedSize(72, 26);
        feld->setAutoDefault(false);
        felder_[i] = feld;
        labels_[i] = new QLabel(this);
        labels_[i]->setBuddy(feld);
        const auto rolle = static_cast<Rolle>(i);
        connect(feld, &QPushButton::clicked, this, [this, rolle] { FeldWaehlen(rolle); });
    }
    gbSkizze_ = new QGroupBox(this);
    gbBeton_ = new QGroupBox(this);
    gbBewehrung_ = new QGroupBox(this);
    gbDorn_ = new QGroupBox(this);
    const auto gruppe = [this](QGroupBox* box, std::initializer_list<Rolle> rollen) {
        auto* raster = new QGridLayout(box);
        int zeile = 0;
        for (Rolle r : rollen) {
            raster->addWidget(labels_[static_cast<int>(r)], zeile, 0);
            raster->addWidget(felder_[static_cast<int>(r)], zeile, 1);
            ++zeile;
        }
        raster->setColumnStretch(0, 1);
    };
    gruppe(gbSkizze_, {Rolle::Hintergrund, Rolle::Bemassung});
    gruppe(gbBeton_, {Rolle::BetonPen, Rolle::BetonBrush, Rolle::Brandschutz});
    gruppe(gbBewehrung_, {Rolle::PosB, Rolle::PosD});
    gruppe(gbDorn_, {Rolle::DornPen, Rolle::DornBrush});

    btnDefault_ = new QPushButton(this);
    btnGrau_ = new QPushButton(this);
    OKBtn_ = new QPushButton(this);
    OKBtn_->setDefault(true);
    CancelBtn_ = new QPushButton(this);
    for (QPushButton* k : {btnDefault_, btnGrau_, CancelBtn_}) {
        k->setAutoDefault(false);
    }
    sbInfo_ = new Hinweisleiste(this);

    auto* gruppen = new QGridLayout;
    gruppen->addWidget(gbSkizze_, 0, 0);
    gruppen->addWidget(gbBewehrung_, 0, 1);
    gruppen->addWidget(gbBeton_, 1, 0);
    gruppen->addWidget(gbDorn_, 1, 1);

    auto* knoepfe = new QHBoxLayout;
    knoepfe->addWidget(btnDefault_);
    knoepfe->addWidget(btnGrau_);
    knoepfe->addStretch();
    knoepfe->addWidget(OKBtn_);
    knoepfe->addWidget(CancelBtn_);

    auto* haupt = new QVBoxLayout(this);
    haupt->addLayout(gruppen);
    haupt->addLayout(knoepfe);
    haupt->addWidget(sbInfo_);

    connect(btnDefault_, &QPushButton::clicked, this, [this] {
        farbe_ = TKFarbe();
        Anzeigen();
    });
    connect(btnGrau_, &QPushButton::clicked, this, [this] {
        farbe_ = TKFarbe::Grau();
        Anzeigen();
    });
    connect(OKBtn_, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBtn_, &QPushButton::clicked, this, &QDialog::reject);
    retranslateUi();
    Anzeigen();
}

void TfrmFarbeinstellung::retranslateUi() {
    setWindowTitle(tr("TRV - colour representation"));
    gbSkizze_->setTitle(tr("Sketch"));
    gbBeton_->setTitle(tr("Concrete"));
    gbBewehrung_->setTitle(tr("Reinforcement"));
    gbDorn_->setTitle(tr("Shear connector"));
    struct Text {
        Rolle rolle;
        QString label;
        QString hinweis;
    };
    const Text texte[] = {
        {Rolle::Hintergrund, tr("Background"), tr("Colour of the sketch background")},
        {Rolle::Bemassung, tr("Dimensioning"),
         tr("Colour representation of the dimensioning (Lines + Text)")},
        {Rolle::BetonPen, tr("Border"), tr("Colour of the concrete border")},
        {Rolle::BetonBrush, tr("Surface"), tr("Colour of the concrete surfaces")},
        {Rolle::Brandschutz, tr("Fire protection"), tr("Colour of the fire protection sleeve")},
        {Rolle::PosB, tr("Position B"), tr("Colour of the horizontal reinforcement (Pos B)")},
        {Rolle::PosD, tr("Position D"),
         tr("Colour representation of the suspended reinforcement (pos D)")},
        {Rolle::DornPen, tr("Border"), tr("Colour of the shear connector border")},
        {Rolle::DornBrush, tr("Surface"), tr("Colour of the shear connector surface")},
    };
    for (const Text& t : texte) {
        const int i = static_cast<int>(t.rolle);
        labels_[i]->setText(t.label);
        HinweisSetzen(felder_[i], t.hinweis, t.hinweis);
        // "Border" and "Surface" appear twice: the group tells them apart.
        const auto* gruppe = qobject_cast<QGroupBox*>(felder_[i]->parentWidget());
        felder_[i]->setAccessibleName(gruppe ? gruppe->title() + QStringLiteral(": ") + t.label
                                             : t.label);
    }
    btnDefault_->setText(tr("&Standard"));
    HinweisSetzen(btnDefault_, tr("Set back colour to standard value"),
                  tr("Set back colour to standard value"));
    btnGrau_->setText(tr("&Grey scales"));
    HinweisSetzen(btnGrau_, tr("Adjust colour representation to grey scale"),
                  tr("Adjust colour representation to grey scale"));
    OKBtn_->setText(tr("&OK"));
    HinweisSetzen(OKBtn_, tr("Leave entry mask and undertake entry!"),
                  tr("Leave entry mask and undertake entry!"));
    CancelBtn_->setText(tr("&Cancel"));
    HinweisSetzen(CancelBtn_, tr("Leave entry mask and discard entry!"),
                  tr("Leave entry mask and discard entry!"));
}

void TfrmFarbeinstellung::Anzeigen() {
    for (int i = 0; i < TKFarbe::AnzahlRollen; ++i) {
        const QColor farbe = farbe_.Farbe(static_cast<Rolle>(i));
        // A sunken swatch; the style sheet keeps the colour whatever the widget style paints.
        felder_[i]->setStyleSheet(
            QStringLiteral("QPushButton { background-color: %1; "
                           "border: 2px inset #808080; }"
                           "QPushButton:focus { border: 2px solid %2; }")
                .arg(farbe.name(), palette().color(QPalette::Highlight).name()));
    }
}

void TfrmFarbeinstellung::FeldWaehlen(Rolle rolle) {
    const int i = static_cast<int>(rolle);
    const std::optional<QColor> gewaehlt =
        farbwahl_(this, farbe_.Farbe(rolle), felder_[i]->toolTip());
    if (gewaehlt && gewaehlt->isValid()) {
        farbe_.SetWert(rolle, AlsWert(*gewaehlt));
        Anzeigen();
    }
}

void TfrmFarbeinstellung::changeEvent(QEvent* ereignis) {
    if (ereignis->type() == QEvent::LanguageChange) {
        retranslateUi();
    }
    QDialog::changeEvent(ereignis);
}

bool FarbenEinstellen(QWidget* eltern, Projektzustand& zustand) {
    TfrmFarbeinstellung dialog(zustand.Farben(), eltern);
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    zustand.Farbe().SetFarbe(dialog.Farbe());
    return true;
}

} // namespace trv
