#include "ui/main/Eingabepanel.h"

#include "calculation/Lastfaelle.h"
#include "model/Textlisten.h"
#include "ui/dialogs/beliebigeLast.h"
#include "ui/main/Eingabefeld.h"
#include "ui/main/EnterWeiter.h"
#include "ui/main/Fallsymbole.h"
#include "ui/main/Projektzustand.h"
#include "ui/main/Rueckfragen.h"

#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace trv {

namespace {

QString Text(const std::string& s) {
    return QString::fromStdString(s);
}

// Spalten des Rasters: Beschriftung, Feld (links), Feld rechts, Einheit.
constexpr int kBeschriftung = 0;
constexpr int kLinks = 1;
constexpr int kRechts = 2;
constexpr int kEinheit = 3;

constexpr std::array kPunktlast{TFeld::PunktlastGk, TFeld::Punktlastgg, TFeld::PunktlastQk,
                                TFeld::Punktlastgq, TFeld::PunktlastF1};
constexpr std::array kLinks5{TFeld::LinksGk, TFeld::Linksgg, TFeld::LinksQk, TFeld::Linksgq,
                             TFeld::LinksF1};
constexpr std::array kRechts5{TFeld::RechtsGk, TFeld::Rechtsgg, TFeld::RechtsQk, TFeld::Rechtsgq,
                              TFeld::RechtsF1};
// Top to bottom: the joint, the members, their edges and covers.
constexpr std::array kGeometrie{
    TFeld::Fugenlaenge,      TFeld::WandDicke,         TFeld::PlatteDicke,
    TFeld::Nutzhoehe,        TFeld::BauteilRandLinks,  TFeld::BauteilRandRechts,
    TFeld::BetondeckungOben, TFeld::BetondeckungUnten, TFeld::BetondeckungVorn};

std::size_t Index(TFeld feld) {
    return static_cast<std::size_t>(feld);
}

bool IstLastfeld(TFeld feld) {
    return feld >= TFeld::PunktlastGk;
}

std::array<double, AnzFelder> FeldWerte(const TKAnwendung& a) {
    std::array<double, AnzFelder> werte{};
    for (int i = 0; i < AnzFelder; ++i) {
        werte[static_cast<std::size_t>(i)] = FeldWert(a, static_cast<TFeld>(i));
    }
    return werte;
}

QFrame* Trennlinie(QWidget* eltern) {
    auto* linie = new QFrame(eltern);
    linie->setFrameShape(QFrame::HLine);
    linie->setFrameShadow(QFrame::Sunken);
    return linie;
}

QLabel* Ueberschrift(QWidget* eltern) {
    auto* label = new QLabel(eltern);
    QFont schrift = label->font();
    schrift.setBold(true);
    label->setFont(schrift);
    return label;
}

} // namespace

TEingabepanel::TEingabepanel(Projektzustand& zustand, Rueckfragen& fragen, QWidget* eltern)
    : QScrollArea(eltern), zustand_(zustand), fragen_(fragen),
      dialogstart_([](TfrmbeliebigeLast& d) { return d.exec(); }) {
    setObjectName(QStringLiteral("scBoxEingabePanel"));
    setWidgetResizable(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFrameShape(QFrame::NoFrame);
    setFocusPolicy(Qt::NoFocus);
    Aufbauen();
    // Enter moves the focus without the scroll area's help: keep the focused control in view.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* neu) {
        if (neu != nullptr && widget()->isAncestorOf(neu)) {
            ensureWidgetVisible(neu);
        }
    });
    retranslateUi();
    auto* enter = new EnterWeiter(this, [this] { return zustand_.EingabeOk(); });
    enter->Einrichten(widget());
    EingabenAnzeigen();
}

void TEingabepanel::Aufbauen() {
    auto* pnl = new QWidget;
    pnl->setObjectName(QStringLiteral("pnlEingaben"));
    auto* raster = new QGridLayout(pnl);
    raster->setColumnStretch(kBeschriftung, 1);
    raster->setHorizontalSpacing(6);
    int zeile = 0;
    const auto ganzeZeile = [&](QWidget* w) { raster->addWidget(w, zeile++, 0, 1, 4); };

    // Application case
    lblAnwendungsfall_ = Ueberschrift(pnl);
    ganzeZeile(lblAnwendungsfall_);
    auto* faelle = new QWidget(pnl);
    faelle->setObjectName(QStringLiteral("tbarAnwendungsfall"));
    auto* faelleZeile = new QHBoxLayout(faelle);
    faelleZeile->setContentsMargins(0, 0, 0, 0);
    anwendungsfaelle_ = new QButtonGroup(this);
    const char* namen[] = {"tbEinzel", "tbReihePlatte", "tbReiheWand"};
    for (int i = 0; i < 3; ++i) {
        auto* knopf = new QToolButton(faelle);
        knopf->setObjectName(QString::fromLatin1(namen[i]));
        knopf->setCheckable(true);
        knopf->setIcon(AnwendungsfallSymbol(i));
        knopf->setIconSize(QSize(32, 32));
        knopf->setToolButtonStyle(Qt::ToolButtonIconOnly);
        anwendungsfaelle_->addButton(knopf, i);
        tbAnwendungsfall_[static_cast<std::size_t>(i)] = knopf;
        faelleZeile->addWidget(knopf);
    }
    lblAnwendungsfallText_ = new QLabel(faelle);
    lblAnwendungsfallText_->setWordWrap(true);
    faelleZeile->addWidget(lblAnwendungsfallText_, 1);
    lblAnwendungsfall_->setBuddy(tbAnwendungsfall_[0]);
    ganzeZeile(faelle);
    connect(anwendungsfaelle_, &QButtonGroup::idClicked, this,
            &TEingabepanel::AnwendungsfallGeklickt);

    // Reinforcement basis
    rgBewehrungCalc_ = new QGroupBox(pnl);
    rgBewehrungCalc_->setObjectName(QStringLiteral("rgBewehrungCalc"));
    auto* bewehrungSpalte = new QVBoxLayout(rgBewehrungCalc_);
    bewehrungsGruppe_ = new QButtonGroup(this);
    for (int i = 0; i < 2; ++i) {
        auto* radio = new QRadioButton(rgBewehrungCalc_);
        bewehrungsGruppe_->addButton(radio, i);
        bewehrung_[static_cast<std::size_t>(i)] = radio;
        bewehrungSpalte->addWidget(radio);
    }
    ganzeZeile(rgBewehrungCalc_);
    connect(bewehrungsGruppe_, &QButtonGroup::idClicked, this, [this](int basis) {
        TKAnwendung& a = zustand_.Anwendung();
        if (basis == a.BewehrungCalc()) {
            return;
        }
        Begonnen();
        a.SetBewehrungCalc(static_cast<std::uint8_t>(basis));
        emit EingabeGeschrieben();
    });

    // Loads
    ganzeZeile(Trennlinie(pnl));
    lblBelastung_ = Ueberschrift(pnl);
    lblBelastung_->setObjectName(QStringLiteral("lblBelastung"));
    ganzeZeile(lblBelastung_);
    tbarBelastungsfall_ = new QWidget(pnl);
    tbarBelastungsfall_->setObjectName(QStringLiteral("tbarBelastungsfall"));
    auto* lastZeile = new QHBoxLayout(tbarBelastungsfall_);
    lastZeile->setContentsMargins(0, 0, 0, 0);
    belastungsfaelle_ = new QButtonGroup(this);
    const char* lastNamen[] = {"tbPunktlast", "tbkonstanteLast", "tbLinienlast", "tbbeliebigeLast"};
    for (int i = 0; i < 4; ++i) {
        auto* knopf = new QToolButton(tbarBelastungsfall_);
        knopf->setObjectName(QString::fromLatin1(lastNamen[i]));
        knopf->setCheckable(true);
        knopf->setIcon(BelastungsfallSymbol(i));
        knopf->setIconSize(QSize(24, 24));
        knopf->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        belastungsfaelle_->addButton(knopf, i);
        tbBelastungsfall_[static_cast<std::size_t>(i)] = knopf;
        lastZeile->addWidget(knopf);
    }
    lastZeile->addStretch(1);
    tbBelastungsfall_[0]->hide(); // the point load follows the single connector only
    ganzeZeile(tbarBelastungsfall_);
    connect(belastungsfaelle_, &QButtonGroup::idClicked, this,
            &TEingabepanel::BelastungsfallGeklickt);

    const auto feldAnlegen = [&](TFeld feld) {
        auto* f = new TEingabefeld(pnl);
        f->setMinimumWidth(72);
        f->setMaximumWidth(110);
        felder_[Index(feld)] = f;
        connect(f, &TEingabefeld::Verlassen, this, &TEingabepanel::FeldVerlassen);
        connect(f, &QLineEdit::textEdited, this, &TEingabepanel::FeldBearbeitet);
        return f;
    };
    const auto summeAnlegen = [&](int last) {
        auto* f = new QLineEdit(pnl);
        f->setEnabled(false);
        f->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        f->setMinimumWidth(72);
        f->setMaximumWidth(110);
        summen_[static_cast<std::size_t>(last)] = f;
        return f;
    };

    // Point load: one column.
    for (TFeld feld : kPunktlast) {
        auto* label = new QLabel(pnl);
        auto* einheit = new QLabel(pnl);
        auto* f = feldAnlegen(feld);
        label->setBuddy(f);
        feldLabels_[Index(feld)] = label;
        einheiten_[Index(feld)] = einheit;
        raster->addWidget(label, zeile, kBeschriftung);
        raster->addWidget(f, zeile, kLinks);
        raster->addWidget(einheit, zeile, kEinheit);
        ++zeile;
        pnlPunktlastTeile_.insert(pnlPunktlastTeile_.end(), {label, f, einheit});
    }
    summenLabels_[0] = new QLabel(pnl);
    auto* summeEinheit = new QLabel(pnl);
    raster->addWidget(summenLabels_[0], zeile, kBeschriftung);
    raster->addWidget(summeAnlegen(0), zeile, kLinks);
    raster->addWidget(summeEinheit, zeile, kEinheit);
    summeEinheit->setObjectName(QStringLiteral("einheitPunktlastSumme"));
    ++zeile;
    pnlPunktlastTeile_.insert(pnlPunktlastTeile_.end(),
                              {summenLabels_[0], summen_[0], summeEinheit});

    // Line load: a left and a right column.
    lblLinks_ = new QLabel(pnl);
    lblRechts_ = new QLabel(pnl);
    lblLinienEinheit_ = new QLabel(pnl);
    lblLinks_->setAlignment(Qt::AlignCenter);
    lblRechts_->setAlignment(Qt::AlignCenter);
    raster->addWidget(lblLinks_, zeile, kLinks);
    raster->addWidget(lblRechts_, zeile, kRechts);
    raster->addWidget(lblLinienEinheit_, zeile, kEinheit);
    ++zeile;
    pnlLinienlastTeile_.insert(pnlLinienlastTeile_.end(),
                               {lblLinks_, lblRechts_, lblLinienEinheit_});
    for (std::size_t i = 0; i < kLinks5.size(); ++i) {
        auto* label = new QLabel(pnl);
        auto* links = feldAnlegen(kLinks5[i]);
        auto* rechts = feldAnlegen(kRechts5[i]);
        label->setBuddy(links);
        feldLabels_[Index(kLinks5[i])] = label;
        raster->addWidget(label, zeile, kBeschriftung);
        raster->addWidget(links, zeile, kLinks);
        raster->addWidget(rechts, zeile, kRechts);
        ++zeile;
        pnlLinienlastTeile_.insert(pnlLinienlastTeile_.end(), {label, links, rechts});
    }
    summenLabels_[1] = new QLabel(pnl);
    raster->addWidget(summenLabels_[1], zeile, kBeschriftung);
    raster->addWidget(summeAnlegen(1), zeile, kLinks);
    raster->addWidget(summeAnlegen(2), zeile, kRechts);
    ++zeile;
    pnlLinienlastTeile_.insert(pnlLinienlastTeile_.end(),
                               {summenLabels_[1], summen_[1], summen_[2]});
    // With the constant line load the end follows the start as it is typed.
    connect(felder_[Index(TFeld::LinksF1)], &QLineEdit::textChanged, this,
            [this](const QString& text) {
                if (zustand_.Anwendung().BelastungDesign().Belastungsfall() == 1) {
                    felder_[Index(TFeld::RechtsF1)]->setText(text);
                }
            });

    // Concrete grade and joint width
    ganzeZeile(Trennlinie(pnl));
    lblBetonguete_ = new QLabel(pnl);
    cboxBetonguete_ = new QComboBox(pnl);
    cboxBetonguete_->setObjectName(QStringLiteral("cboxBetonguete"));
    lblBetonguete_->setBuddy(cboxBetonguete_);
    raster->addWidget(lblBetonguete_, zeile, kBeschriftung);
    raster->addWidget(cboxBetonguete_, zeile++, kLinks, 1, 2);
    lblFugenbreite_ = new QLabel(pnl);
    cBoxFugenbreite_ = new QComboBox(pnl);
    cBoxFugenbreite_->setObjectName(QStringLiteral("cBoxFugenbreite"));
    lblFugenbreite_->setBuddy(cBoxFugenbreite_);
    raster->addWidget(lblFugenbreite_, zeile, kBeschriftung);
    raster->addWidget(cBoxFugenbreite_, zeile++, kLinks, 1, 2);
    connect(cboxBetonguete_, &QComboBox::activated, this, [this](int index) {
        Begonnen();
        zustand_.Anwendung().SetBetonguete(static_cast<std::uint8_t>(std::clamp(index, 0, 3)));
        emit EingabeGeschrieben();
    });
    connect(cBoxFugenbreite_, &QComboBox::activated, this, [this](int index) {
        Begonnen();
        zustand_.Anwendung().Geometrie().SetFugenbreite(
            static_cast<std::uint8_t>(std::clamp(index, 0, 6)));
        emit EingabeGeschrieben();
    });

    // Geometry
    ganzeZeile(Trennlinie(pnl));
    for (TFeld feld : kGeometrie) {
        auto* label = new QLabel(pnl);
        auto* einheit = new QLabel(pnl);
        auto* f = feldAnlegen(feld);
        label->setBuddy(f);
        feldLabels_[Index(feld)] = label;
        einheiten_[Index(feld)] = einheit;
        raster->addWidget(label, zeile, kBeschriftung);
        raster->addWidget(f, zeile, kLinks);
        raster->addWidget(einheit, zeile, kEinheit);
        ++zeile;
    }
    // The front cover has no use in any application case.
    ZeileZeigen(TFeld::BetondeckungVorn, false);
    raster->setRowStretch(zeile, 1);
    setWidget(pnl);

    // Focus order as the panel reads: the line load start column before the end column.
    std::vector<QWidget*> ordnung;
    for (auto* k : tbAnwendungsfall_) {
        ordnung.push_back(k);
    }
    ordnung.insert(ordnung.end(), bewehrung_.begin(), bewehrung_.end());
    for (std::size_t i = 1; i < tbBelastungsfall_.size(); ++i) {
        ordnung.push_back(tbBelastungsfall_[i]);
    }
    for (TFeld feld : kPunktlast) {
        ordnung.push_back(Feld(feld));
    }
    for (TFeld feld : kLinks5) {
        ordnung.push_back(Feld(feld));
    }
    for (TFeld feld : kRechts5) {
        ordnung.push_back(Feld(feld));
    }
    ordnung.push_back(cboxBetonguete_);
    ordnung.push_back(cBoxFugenbreite_);
    for (TFeld feld : kGeometrie) {
        ordnung.push_back(Feld(feld));
    }
    for (std::size_t i = 1; i < ordnung.size(); ++i) {
        setTabOrder(ordnung[i - 1], ordnung[i]);
    }
}

void TEingabepanel::retranslateUi() {
    const TKTextlisten& texte = zustand_.Texte();
    lblAnwendungsfall_->setText(tr("Application case"));
    const QString faelle[3][2] = {
        {tr("Single Shear Connector"),
         tr("Calculation of a single double shear connector in a beam")},
        {tr("Row of connectors in a slab"),
         tr("Calculation for a row type of arrangement of connectors in a slab")},
        {tr("Row of connectors in wall"),
         tr("Calculation for a row type of connector arrangement in a wall")}};
    for (std::size_t i = 0; i < 3; ++i) {
        tbAnwendungsfall_[i]->setToolTip(faelle[i][0]);
        tbAnwendungsfall_[i]->setStatusTip(faelle[i][1]);
        tbAnwendungsfall_[i]->setAccessibleName(faelle[i][0]);
        tbAnwendungsfall_[i]->setText(faelle[i][0]);
    }
    const int fall = std::clamp<int>(zustand_.Anwendung().Anwendungsfall(), 0, 2);
    lblAnwendungsfallText_->setText(Text(TKTextlisten::Text(texte.AnwendungsfallKurz(), fall)));

    rgBewehrungCalc_->setTitle(tr("Determination of reinforcement"));
    for (std::size_t i = 0; i < 2; ++i) {
        bewehrung_[i]->setText(
            Text(TKTextlisten::Text(texte.BewehrungsBasis(), static_cast<int>(i))));
    }

    const QString lasten[4][3] = {
        {tr("&Single load"), QString(), QString()},
        {tr("con&stant"), tr("Uniform distributed load"),
         tr("input an uniform distributed load onto the building component to be connected")},
        {tr("&Uniformly"), tr("Increasing distributed load"),
         tr("input an increasing distributed load onto the building component to be connected")},
        {tr("&Arbitrary"), tr("Varying distributed load"),
         tr("Entry of a varying distributed load on the building component to be connected")}};
    for (std::size_t i = 0; i < 4; ++i) {
        tbBelastungsfall_[i]->setText(lasten[i][0]);
        tbBelastungsfall_[i]->setToolTip(lasten[i][1]);
        tbBelastungsfall_[i]->setStatusTip(lasten[i][2]);
    }
    lblBelastung_->setText(zustand_.Anwendung().Anwendungsfall() == 0 ? tr("Point Load")
                                                                      : tr("Distributed Load"));

    const QString lastLabels[5] = {tr("Dead load"), tr("Partial safety factor"), tr("Imposed load"),
                                   tr("Partial safety factor"), tr("Add. design load")};
    for (std::size_t i = 0; i < 5; ++i) {
        feldLabels_[Index(kPunktlast[i])]->setText(lastLabels[i]);
        feldLabels_[Index(kLinks5[i])]->setText(lastLabels[i]);
        // The partial safety factors (rows 1 and 3) are pure numbers.
        einheiten_[Index(kPunktlast[i])]->setText(i % 2 == 1 ? QString() : tr("[kN]"));
        Feld(kPunktlast[i])->setAccessibleName(lastLabels[i]);
        Feld(kLinks5[i])->setAccessibleName(lastLabels[i] + QLatin1Char(' ') + tr("left"));
        Feld(kRechts5[i])->setAccessibleName(lastLabels[i] + QLatin1Char(' ') + tr("right"));
    }
    summenLabels_[0]->setText(tr("Total design load"));
    summenLabels_[1]->setText(tr("Total design load"));
    summen_[0]->setAccessibleName(tr("Total design load"));
    summen_[1]->setAccessibleName(tr("Total design load") + QLatin1Char(' ') + tr("left"));
    summen_[2]->setAccessibleName(tr("Total design load") + QLatin1Char(' ') + tr("right"));
    findChild<QLabel*>(QStringLiteral("einheitPunktlastSumme"))->setText(tr("[kN]"));
    lblLinks_->setText(tr("left"));
    lblRechts_->setText(tr("right"));
    lblLinienEinheit_->setText(tr("[kN/m]"));

    lblBetonguete_->setText(tr("Concrete quality"));
    lblFugenbreite_->setText(tr("Maximum joint width"));
    {
        const QSignalBlocker b1(cboxBetonguete_);
        const QSignalBlocker b2(cBoxFugenbreite_);
        cboxBetonguete_->clear();
        for (const std::string& t : texte.Betongueten()) {
            cboxBetonguete_->addItem(Text(t));
        }
        cBoxFugenbreite_->clear();
        for (const std::string& t : texte.FugenbreitenTexte()) {
            cBoxFugenbreite_->addItem(Text(t));
        }
        const TKAnwendung& a = zustand_.Anwendung();
        cboxBetonguete_->setCurrentIndex(a.Betonguete());
        cBoxFugenbreite_->setCurrentIndex(a.Geometrie().Fugenbreite());
    }

    const std::pair<TFeld, QString> geometrie[] = {
        {TFeld::Nutzhoehe, tr("Eff. structural height")},
        {TFeld::Fugenlaenge, tr("Joint length")},
        {TFeld::BetondeckungOben, tr("Concrete cover above")},
        {TFeld::BetondeckungUnten, tr("Concrete cover below")},
        {TFeld::BetondeckungVorn, tr("Concrete cover to front")},
        {TFeld::PlatteDicke, tr("Slab thickness")},
        {TFeld::WandDicke, tr("Wall thickness")},
        {TFeld::BauteilRandLinks, tr("Edge distance left")},
        {TFeld::BauteilRandRechts, tr("Edge distance right")}};
    for (const auto& [feld, text] : geometrie) {
        feldLabels_[Index(feld)]->setText(text);
        einheiten_[Index(feld)]->setText(tr("[mm]"));
        Feld(feld)->setAccessibleName(text);
    }
}

void TEingabepanel::changeEvent(QEvent* ereignis) {
    if (ereignis->type() == QEvent::LanguageChange) {
        retranslateUi();
    }
    QScrollArea::changeEvent(ereignis);
}

char TEingabepanel::Trenner() const {
    return zustand_.Dezimaltrenner();
}

QAbstractButton* TEingabepanel::AnwendungsfallKnopf(int fall) const {
    return anwendungsfaelle_->button(fall);
}

QAbstractButton* TEingabepanel::BelastungsfallKnopf(int fall) const {
    return belastungsfaelle_->button(fall);
}

QAbstractButton* TEingabepanel::BewehrungsKnopf(int basis) const {
    return bewehrungsGruppe_->button(basis);
}

QWidget* TEingabepanel::ErstesFeld() const {
    return tbAnwendungsfall_[0];
}

bool TEingabepanel::FeldSichtbar(TFeld feld) const {
    return !Feld(feld)->isHidden();
}

void TEingabepanel::ZeileZeigen(TFeld feld, bool sichtbar) {
    feldLabels_[Index(feld)]->setVisible(sichtbar);
    Feld(feld)->setVisible(sichtbar);
    einheiten_[Index(feld)]->setVisible(sichtbar);
}

void TEingabepanel::TeileZeigen(const std::vector<QWidget*>& teile, bool sichtbar) {
    for (QWidget* w : teile) {
        w->setVisible(sichtbar);
    }
}

void TEingabepanel::Begonnen() {
    if (zustand_.Modus() != amEingabe) {
        emit EingabeBegonnen();
    }
}

void TEingabepanel::FeldBearbeitet() {
    Begonnen();
}

void TEingabepanel::FeldVerlassen(TEingabefeld* feld) {
    if (pruefungLaeuft_ || anzeigeLaeuft_) {
        return;
    }
    TKAnwendung& a = zustand_.Anwendung();
    const auto stelle = std::find(felder_.begin(), felder_.end(), feld);
    if (stelle == felder_.end()) {
        return;
    }
    const auto art = static_cast<TFeld>(stelle - felder_.begin());
    // A field passed through without typing changes nothing: its follow-up would overwrite
    // what the engineer set elsewhere (the effective height after the slab thickness).
    if (!feld->isModified()) {
        zustand_.SetEingabeOk(true);
        return;
    }
    const std::array<double, AnzFelder> vorher = FeldWerte(a);
    const TEingabeFehler fehler = trv::FeldVerlassen(a, art, feld->text().toStdString(), Trenner());
    const bool ok = fehler == TEingabeFehler::Keiner;
    zustand_.SetEingabeOk(ok);
    if (!ok) {
        pruefungLaeuft_ = true;
        fragen_.Meldung(Text(EingabeMeldung(fehler)));
        feld->setFocus(Qt::OtherFocusReason);
        feld->selectAll();
        pruefungLaeuft_ = false;
        if (!IstLastfeld(art)) {
            emit EingabeGeschrieben();
        }
        return;
    }
    feld->setModified(false);
    // Any input that changed, the follow-ups' included, invalidates the results shown.
    if (FeldWerte(a) != vorher) {
        Begonnen();
    }
    FelderAnzeigen();
    emit EingabeGeschrieben();
}

void TEingabepanel::FelderAnzeigen() {
    const TKAnwendung& a = zustand_.Anwendung();
    const bool vorher = anzeigeLaeuft_;
    anzeigeLaeuft_ = true;
    for (int i = 0; i < AnzFelder; ++i) {
        const auto feld = static_cast<TFeld>(i);
        const QString text = Text(FeldText(a, feld, Trenner()));
        if (Feld(feld)->text() != text) {
            Feld(feld)->setText(text);
        }
    }
    const TKBelastung& b = a.BelastungDesign();
    summen_[0]->setText(Text(LastText(b.Punktlast().Fd(), Trenner())));
    summen_[1]->setText(Text(LastText(b.LinienLastLinks().Fd(), Trenner())));
    summen_[2]->setText(Text(LastText(b.LinienLastRechts().Fd(), Trenner())));
    anzeigeLaeuft_ = vorher;
}

void TEingabepanel::KnoepfeSetzen() {
    const TKAnwendung& a = zustand_.Anwendung();
    const QSignalBlocker b1(anwendungsfaelle_);
    const QSignalBlocker b2(belastungsfaelle_);
    const QSignalBlocker b3(bewehrungsGruppe_);
    tbAnwendungsfall_[std::min<std::size_t>(a.Anwendungsfall(), 2)]->setChecked(true);
    tbBelastungsfall_[std::min<std::size_t>(a.BelastungDesign().Belastungsfall(), 3)]->setChecked(
        true);
    bewehrung_[std::min<std::size_t>(a.BewehrungCalc(), 1)]->setChecked(true);
}

void TEingabepanel::EingabenAnzeigen() {
    TKAnwendung& a = zustand_.Anwendung();
    const bool vorher = anzeigeLaeuft_;
    anzeigeLaeuft_ = true;
    {
        const QSignalBlocker b1(cboxBetonguete_);
        const QSignalBlocker b2(cBoxFugenbreite_);
        cboxBetonguete_->setCurrentIndex(std::min<int>(a.Betonguete(), 3));
        cBoxFugenbreite_->setCurrentIndex(std::min<int>(a.Geometrie().Fugenbreite(), 6));
    }
    const int fall = std::min<int>(a.Anwendungsfall(), 2);
    AnwendungsfallSetzen(a, fall);
    KnoepfeSetzen();
    AnwendungsfallAnzeigen(fall);
    BelastungsfallAnzeigen(a.BelastungDesign().Belastungsfall());
    FelderAnzeigen();
    anzeigeLaeuft_ = vorher;
    // Every field now shows what the position holds: no refused text is left to block the
    // calculation.
    zustand_.SetEingabeOk(true);
}

bool TEingabepanel::EingabeAbschliessen() {
    auto* feld = qobject_cast<TEingabefeld*>(QApplication::focusWidget());
    if (feld != nullptr && widget()->isAncestorOf(feld)) {
        FeldVerlassen(feld);
    }
    return zustand_.EingabeOk();
}

void TEingabepanel::AnwendungsfallAnzeigen(int fall) {
    const bool einzeln = fall == 0;
    ZeileZeigen(TFeld::WandDicke, fall == 2);
    ZeileZeigen(TFeld::Fugenlaenge, !einzeln);
    ZeileZeigen(TFeld::BauteilRandLinks, einzeln);
    ZeileZeigen(TFeld::BauteilRandRechts, einzeln);
    tbarBelastungsfall_->setVisible(!einzeln);
    lblBelastung_->setText(einzeln ? tr("Point Load") : tr("Distributed Load"));
    lblAnwendungsfallText_->setText(
        Text(TKTextlisten::Text(zustand_.Texte().AnwendungsfallKurz(), fall)));
}

void TEingabepanel::BelastungsfallAnzeigen(int fall) {
    TeileZeigen(pnlPunktlastTeile_, fall == 0);
    TeileZeigen(pnlLinienlastTeile_, fall != 0);
    for (std::size_t i = 0; i < kLinks5.size(); ++i) {
        Feld(kLinks5[i])->setEnabled(fall == 1 || fall == 2);
        Feld(kRechts5[i])->setEnabled(fall == 2);
    }
}

void TEingabepanel::AnwendungsfallGeklickt(int fall) {
    // A value typed but not yet checked is written (or refused) before the case changes.
    if (!EingabeAbschliessen()) {
        KnoepfeSetzen();
        return;
    }
    TKModell& modell = zustand_.Modell();
    TKAnwendung& a = zustand_.Anwendung();
    AnwendungsfallSetzen(a, fall);
    if (fall == 0 && modell.ErgebnisAnzeige() == 3) {
        modell.SetErgebnisAnzeige(0); // no connector row for a single connector
    }
    Begonnen();
    anzeigeLaeuft_ = true;
    KnoepfeSetzen();
    AnwendungsfallAnzeigen(fall);
    BelastungsfallAnzeigen(a.BelastungDesign().Belastungsfall());
    FelderAnzeigen();
    anzeigeLaeuft_ = false;
    emit AnwendungsfallGewechselt(fall);
    emit EingabeGeschrieben();
}

void TEingabepanel::BelastungsfallGeklickt(int fall) {
    if (!EingabeAbschliessen()) {
        KnoepfeSetzen();
        return;
    }
    TKAnwendung& a = zustand_.Anwendung();
    BelastungsfallSetzen(a, fall);
    Begonnen();
    anzeigeLaeuft_ = true;
    KnoepfeSetzen();
    BelastungsfallAnzeigen(fall);
    // After a reset the fields show what the position now holds, so that leaving one of
    // them cannot count a dead or imposed load twice.
    FelderAnzeigen();
    anzeigeLaeuft_ = false;
    emit EingabeGeschrieben();
    if (fall == 3) {
        dialogstart_(LastprofilDialog());
        ProfilUebernehmen(zustand_.Anwendung());
        EingabenAnzeigen();
        emit EingabeGeschrieben();
    }
}

TfrmbeliebigeLast& TEingabepanel::LastprofilDialog() {
    if (dialog_ == nullptr) {
        dialog_ = new TfrmbeliebigeLast(zustand_, fragen_, this);
    }
    return *dialog_;
}

} // namespace trv
