#include "ui/dialogs/beliebigeLast.h"

#include "model/Modell.h"
#include "model/Zahlen.h"
#include "sketches/Skizzen.h"
#include "ui/hilfe/Hilfe.h"
#include "ui/main/Eingabefeld.h"
#include "ui/main/EnterWeiter.h"
#include "ui/main/Projektzustand.h"
#include "ui/main/Rueckfragen.h"

#include <QDialogButtonBox>
#include <QEvent>
#include <QFontMetrics>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QShowEvent>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QStyleOptionHeader>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <optional>

namespace trv {

namespace {

QString Text(const std::string& s) {
    return QString::fromStdString(s);
}

// Column heads with the lowered index of q_Ed(x).
class TSpaltenkopf : public QHeaderView {
public:
    explicit TSpaltenkopf(QWidget* eltern) : QHeaderView(Qt::Horizontal, eltern) {}

protected:
    void paintSection(QPainter* p, const QRect& rechteck, int spalte) const override {
        QStyleOptionHeader option;
        initStyleOption(&option);
        option.rect = rechteck;
        option.section = spalte;
        style()->drawControl(QStyle::CE_HeaderSection, &option, p, this);
        const QRect innen = rechteck.adjusted(4, 0, -4, 0);
        p->save();
        p->setPen(palette().color(QPalette::ButtonText));
        if (spalte != 1) {
            p->drawText(innen, Qt::AlignCenter,
                        model()->headerData(spalte, orientation()).toString());
            p->restore();
            return;
        }
        const QFont normal = font();
        QFont klein = normal;
        klein.setPointSizeF(normal.pointSizeF() * 0.75);
        const QString q = QStringLiteral("q");
        const QString index = QStringLiteral("Ed");
        const QString rest = TfrmbeliebigeLast::tr("(x) [kN/m]");
        const QFontMetrics mn(normal);
        const QFontMetrics mk(klein);
        const int breite =
            mn.horizontalAdvance(q) + mk.horizontalAdvance(index) + mn.horizontalAdvance(rest);
        int x = innen.left() + std::max(0, (innen.width() - breite) / 2);
        const int grundlinie = innen.center().y() + mn.ascent() / 2 - 1;
        p->setFont(normal);
        p->drawText(x, grundlinie, q);
        x += mn.horizontalAdvance(q);
        p->setFont(klein);
        p->drawText(x, grundlinie + mk.ascent() / 3, index);
        x += mk.horizontalAdvance(index);
        p->setFont(normal);
        p->drawText(x, grundlinie, rest);
        p->restore();
    }
};

} // namespace

// The profile as the load sketch draws it, redrawn whenever the list changes.
class TProfilbild : public QWidget {
public:
    TProfilbild(Projektzustand& zustand, QWidget* eltern) : QWidget(eltern), zustand_(zustand) {
        setMinimumSize(320, 200);
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        const TKSkizzen skizzen(zustand_.Modell(), zustand_.Anwendung(), zustand_.Farben(),
                                zustand_.Dezimaltrenner());
        skizzen.Lastprofil(p, rect());
    }

private:
    Projektzustand& zustand_;
};

TfrmbeliebigeLast::TfrmbeliebigeLast(Projektzustand& zustand, Rueckfragen& fragen, QWidget* eltern)
    : QDialog(eltern), zustand_(zustand), fragen_(fragen) {
    setObjectName(QStringLiteral("frmbeliebigeLast"));
    auto* spalte = new QVBoxLayout(this);
    auto* oben = new QHBoxLayout;
    spalte->addLayout(oben, 1);

    auto* links = new QVBoxLayout;
    oben->addLayout(links);
    auto* eintraege = new QGridLayout;
    lblx_ = new QLabel(this);
    lblq_ = new QLabel(this);
    lblq_->setTextFormat(Qt::RichText);
    lblxEinheit_ = new QLabel(this);
    lblqEinheit_ = new QLabel(this);
    meditxKoordinate_ = new TEingabefeld(this);
    meditxKoordinate_->setObjectName(QStringLiteral("meditxKoordinate"));
    meditLastwert_ = new TEingabefeld(this);
    meditLastwert_->setObjectName(QStringLiteral("meditLastwert"));
    lblx_->setBuddy(meditxKoordinate_);
    lblq_->setBuddy(meditLastwert_);
    eintraege->addWidget(lblx_, 0, 0);
    eintraege->addWidget(meditxKoordinate_, 0, 1);
    eintraege->addWidget(lblxEinheit_, 0, 2);
    eintraege->addWidget(lblq_, 1, 0);
    eintraege->addWidget(meditLastwert_, 1, 1);
    eintraege->addWidget(lblqEinheit_, 1, 2);
    links->addLayout(eintraege);
    auto* knoepfe = new QHBoxLayout;
    BitBtnHinzufuegen_ = new QPushButton(this);
    BitBtnAendern_ = new QPushButton(this);
    BitBtnLoeschen_ = new QPushButton(this);
    BitBtnHinzufuegen_->setObjectName(QStringLiteral("BitBtnHinzufuegen"));
    BitBtnAendern_->setObjectName(QStringLiteral("BitBtnAendern"));
    BitBtnLoeschen_->setObjectName(QStringLiteral("BitBtnLoeschen"));
    for (QPushButton* k : {BitBtnHinzufuegen_, BitBtnAendern_, BitBtnLoeschen_}) {
        k->setAutoDefault(false);
        knoepfe->addWidget(k);
    }
    links->addLayout(knoepfe);
    sgQuerlastverlauf_ = new QTableWidget(1, 2, this);
    sgQuerlastverlauf_->setObjectName(QStringLiteral("sgQuerlastverlauf"));
    sgQuerlastverlauf_->setHorizontalHeader(new TSpaltenkopf(sgQuerlastverlauf_));
    sgQuerlastverlauf_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    sgQuerlastverlauf_->verticalHeader()->setVisible(false);
    sgQuerlastverlauf_->setSelectionBehavior(QAbstractItemView::SelectRows);
    sgQuerlastverlauf_->setSelectionMode(QAbstractItemView::SingleSelection);
    sgQuerlastverlauf_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    sgQuerlastverlauf_->setMinimumWidth(260);
    links->addWidget(sgQuerlastverlauf_, 1);

    imgQuerlastverlauf_ = new TProfilbild(zustand_, this);
    imgQuerlastverlauf_->setObjectName(QStringLiteral("imgQuerlastverlauf"));
    oben->addWidget(imgQuerlastverlauf_, 1);

    auto* ende = new QDialogButtonBox(this);
    okBtn_ = ende->addButton(QString(), QDialogButtonBox::AcceptRole);
    cancelBtn_ = ende->addButton(QString(), QDialogButtonBox::RejectRole);
    okBtn_->setObjectName(QStringLiteral("OKBtn"));
    cancelBtn_->setObjectName(QStringLiteral("CancelBtn"));
    // Enter moves between the controls here; it must never close the dialog.
    okBtn_->setAutoDefault(false);
    cancelBtn_->setAutoDefault(false);
    ende->addButton(new THilfeKnopf(QStringLiteral("MaskeQuerkraft"), this),
                    QDialogButtonBox::HelpRole);
    spalte->addWidget(ende);
    sbInfo_ = new QStatusBar(this);
    sbInfo_->setSizeGripEnabled(false);
    spalte->addWidget(sbInfo_);

    connect(ende, &QDialogButtonBox::accepted, this, &TfrmbeliebigeLast::accept);
    connect(ende, &QDialogButtonBox::rejected, this, &TfrmbeliebigeLast::reject);
    connect(BitBtnHinzufuegen_, &QPushButton::clicked, this, &TfrmbeliebigeLast::Hinzufuegen);
    connect(BitBtnAendern_, &QPushButton::clicked, this, &TfrmbeliebigeLast::Aendern);
    connect(BitBtnLoeschen_, &QPushButton::clicked, this, &TfrmbeliebigeLast::Loeschen);
    connect(sgQuerlastverlauf_, &QTableWidget::cellClicked, this,
            [this](int zeile, int) { ZeileWaehlen(zeile); });
    connect(meditxKoordinate_, &TEingabefeld::Verlassen, this,
            &TfrmbeliebigeLast::EintragVerlassen);
    connect(meditLastwert_, &TEingabefeld::Verlassen, this, &TfrmbeliebigeLast::EintragVerlassen);

    setTabOrder(meditxKoordinate_, meditLastwert_);
    setTabOrder(meditLastwert_, BitBtnHinzufuegen_);
    setTabOrder(BitBtnHinzufuegen_, BitBtnAendern_);
    setTabOrder(BitBtnAendern_, BitBtnLoeschen_);
    setTabOrder(BitBtnLoeschen_, sgQuerlastverlauf_);
    setTabOrder(sgQuerlastverlauf_, okBtn_);
    setTabOrder(okBtn_, cancelBtn_);
    auto* enter = new EnterWeiter(this);
    enter->Einrichten(this);

    retranslateUi();
    resize(760, 440);
}

void TfrmbeliebigeLast::retranslateUi() {
    setWindowTitle(tr("Entry of arbitrary transverse force distribution"));
    lblx_->setText(tr("x ="));
    lblxEinheit_->setText(tr("mm"));
    lblq_->setText(tr("q<sub>Ed</sub>(x) ="));
    lblqEinheit_->setText(tr("kN/m"));
    meditxKoordinate_->setAccessibleName(tr("x"));
    meditxKoordinate_->setStatusTip(tr("Coordinates for entered load measured form the left"));
    meditxKoordinate_->setToolTip(meditxKoordinate_->statusTip());
    meditLastwert_->setAccessibleName(tr("Load value"));
    meditLastwert_->setStatusTip(tr("Value of loading at the position of the coordinate x"));
    meditLastwert_->setToolTip(meditLastwert_->statusTip());
    const auto hinweis = [](QWidget* w, const QString& kurz, const QString& lang) {
        w->setToolTip(kurz);
        w->setStatusTip(lang);
    };
    BitBtnHinzufuegen_->setText(tr("&Add"));
    hinweis(BitBtnHinzufuegen_, tr("Place pair of values"), tr("Pair of values (x,q) add to list"));
    BitBtnAendern_->setText(tr("C&hange"));
    hinweis(BitBtnAendern_, tr("Transfer changes in the list"),
            tr("Transfer changes in the pairs of values (x,q) in the list"));
    BitBtnLoeschen_->setText(tr("&Delete"));
    hinweis(BitBtnLoeschen_, tr("delete current pair of values"),
            tr("delete current pair of values (x,q) from the list"));
    okBtn_->setText(tr("&OK"));
    hinweis(okBtn_, tr("Undertake entry and close window"), tr("Undertake entry and close window"));
    cancelBtn_->setText(tr("&Cancel"));
    hinweis(cancelBtn_, tr("Discard entry and close window"), tr("Discard entry and close window"));
    sgQuerlastverlauf_->setHorizontalHeaderLabels({tr("x [mm]"), tr("q Ed(x) [kN/m]")});
}

void TfrmbeliebigeLast::changeEvent(QEvent* ereignis) {
    if (ereignis->type() == QEvent::LanguageChange) {
        retranslateUi();
    }
    QDialog::changeEvent(ereignis);
}

bool TfrmbeliebigeLast::event(QEvent* ereignis) {
    if (ereignis->type() == QEvent::StatusTip) {
        const QString tipp = static_cast<QStatusTipEvent*>(ereignis)->tip();
        sbInfo_->showMessage(tipp.isEmpty() ? QString() : QStringLiteral("  ") + tipp);
        return true;
    }
    return QDialog::event(ereignis);
}

void TfrmbeliebigeLast::showEvent(QShowEvent* ereignis) {
    if (!ereignis->spontaneous()) {
        Aktivieren();
    }
    QDialog::showEvent(ereignis);
}

char TfrmbeliebigeLast::Trenner() const {
    return zustand_.Dezimaltrenner();
}

int TfrmbeliebigeLast::AktuelleZeile() const {
    return std::clamp(sgQuerlastverlauf_->currentRow(), 0, raster_.AnzZeilen() - 1);
}

void TfrmbeliebigeLast::Aktivieren() {
    const TKBelastung& b = zustand_.Anwendung().BelastungDesign();
    gesichert_ = b;
    raster_ = TKProfilraster::AusProfil(b, Trenner());
    Uebernehmen(raster_, 0);
    ZeileWaehlen(0);
}

void TfrmbeliebigeLast::RasterZeigen(int zeile) {
    const auto& zeilen = raster_.Zeilen();
    sgQuerlastverlauf_->setRowCount(static_cast<int>(zeilen.size()));
    for (std::size_t i = 0; i < zeilen.size(); ++i) {
        const int r = static_cast<int>(i);
        for (int s = 0; s < 2; ++s) {
            auto* zelle = new QTableWidgetItem(Text(s == 0 ? zeilen[i].x : zeilen[i].q));
            zelle->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            sgQuerlastverlauf_->setItem(r, s, zelle);
        }
    }
    sgQuerlastverlauf_->setCurrentCell(std::clamp(zeile, 0, raster_.AnzZeilen() - 1), 0);
}

bool TfrmbeliebigeLast::Uebernehmen(const TKProfilraster& neu, int zeile) {
    // The profile follows the list or stays as it was: never half rebuilt.
    if (!neu.ProfilAusRaster(zustand_.Anwendung().BelastungDesign(), Trenner())) {
        fragen_.Meldung(Text(EingabeMeldung(TEingabeFehler::KeineZahl)));
        return false;
    }
    // The list shows the profile as it is stored: sorted by x, the numbers as the program
    // writes them. The row entered or changed stays selected.
    const std::optional<double> x =
        zeile >= 0 && zeile < neu.AnzZeilen()
            ? EingabeZahl(neu.Zeilen()[static_cast<std::size_t>(zeile)].x, Trenner())
            : std::nullopt;
    raster_ = TKProfilraster::AusProfil(zustand_.Anwendung().BelastungDesign(), Trenner());
    RasterZeigen(x ? raster_.LetzteZeileBei(*x, Trenner()) : zeile);
    imgQuerlastverlauf_->update();
    return true;
}

bool TfrmbeliebigeLast::PaarPruefen() {
    const TEingabeFehler fehler = ProfilpaarPruefen(
        meditxKoordinate_->text().toStdString(), meditLastwert_->text().toStdString(),
        zustand_.Anwendung().Geometrie().Fugenlaenge(), Trenner());
    if (fehler != TEingabeFehler::Keiner) {
        fragen_.Meldung(Text(EingabeMeldung(fehler)));
        return false;
    }
    return true;
}

bool TfrmbeliebigeLast::Hinzufuegen() {
    const std::string x = meditxKoordinate_->text().toStdString();
    if (meditxKoordinate_->text().trimmed().isEmpty() || !PaarPruefen()) {
        return false;
    }
    const std::string q = meditLastwert_->text().toStdString();
    TKProfilraster neu = raster_;
    const int gefunden = neu.Suchen(x);
    int zeile = 0;
    if (gefunden < 0) {
        neu.Anfuegen(x, q);
        zeile = neu.AnzZeilen() - 1;
    } else {
        if (!fragen_.JaNein(tr("A value for the entered coordinate already exists!\r\n\r\n "
                               "Should this be overwritten?"))) {
            return false;
        }
        neu.Setzen(gefunden, x, q);
        zeile = gefunden;
    }
    return Uebernehmen(neu, zeile);
}

bool TfrmbeliebigeLast::Aendern() {
    if (meditxKoordinate_->text().trimmed().isEmpty() || !PaarPruefen()) {
        return false;
    }
    const int zeile = AktuelleZeile();
    TKProfilraster neu = raster_;
    neu.Setzen(zeile, meditxKoordinate_->text().toStdString(),
               meditLastwert_->text().toStdString());
    return Uebernehmen(neu, zeile);
}

bool TfrmbeliebigeLast::Loeschen() {
    TKProfilraster neu = raster_;
    const int zeile = neu.Loeschen(AktuelleZeile());
    if (!Uebernehmen(neu, zeile)) {
        return false;
    }
    ZeileWaehlen(zeile);
    return true;
}

void TfrmbeliebigeLast::ZeileWaehlen(int zeile) {
    if (zeile < 0 || zeile >= raster_.AnzZeilen()) {
        return;
    }
    const TKProfilraster::Zeile& z = raster_.Zeilen()[static_cast<std::size_t>(zeile)];
    sgQuerlastverlauf_->setCurrentCell(zeile, 0);
    meditxKoordinate_->setText(Text(z.x));
    meditLastwert_->setText(Text(z.q));
}

void TfrmbeliebigeLast::EintragVerlassen(TEingabefeld* feld) {
    if (pruefungLaeuft_) {
        return;
    }
    const bool istX = feld == meditxKoordinate_;
    const TEingabeFehler fehler =
        istX ? EingabeGueltig(feld->text().toStdString(), pruefcode::Beide, 0,
                              zustand_.Anwendung().Geometrie().Fugenlaenge(), Trenner())
             : EingabeGueltig(feld->text().toStdString(), pruefcode::NurMinimum, 0, 0, Trenner());
    if (fehler == TEingabeFehler::Keiner) {
        return;
    }
    pruefungLaeuft_ = true;
    fragen_.Meldung(Text(EingabeMeldung(fehler)));
    feld->setFocus(Qt::OtherFocusReason);
    feld->selectAll();
    pruefungLaeuft_ = false;
}

void TfrmbeliebigeLast::accept() {
    gesichert_.reset();
    QDialog::accept();
}

void TfrmbeliebigeLast::reject() {
    if (gesichert_) {
        zustand_.Anwendung().BelastungDesign() = *gesichert_;
        gesichert_.reset();
    }
    QDialog::reject();
}

} // namespace trv
