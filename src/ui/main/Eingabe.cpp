#include "ui/main/Eingabe.h"

#include "ui/main/ZuletztGeoeffnet.h"

#include "ui/hilfe/Hilfe.h"

#include "model/Modell.h"
#include "platform/Dateinamen.h"
#include "platform/Datenordner.h"
#include "printing/Ergebnisblatt.h"
#include "printing/Positionsskizzen.h"
#include "printing/Seitenmasse.h"
#include "sketches/Skizzen.h"
#include "ui/dialogs/About.h"
#include "ui/dialogs/Bemessung.h"
#include "ui/dialogs/Bewehrung.h"
#include "ui/dialogs/Bewehrungsaenderung.h"
#include "ui/dialogs/Farbeinstellung.h"
#include "ui/dialogs/Projektdaten.h"
#include "ui/dialogs/Projektverwaltung.h"
#include "ui/dialogs/Stueckliste.h"
#include "ui/dialogs/Textgrenze.h"
#include "ui/dialogs/Zoom.h"
#include "ui/main/Befehle.h"
#include "ui/main/Bildexport.h"
#include "ui/main/Blattansicht.h"
#include "ui/main/Dokumente.h"
#include "ui/main/Druckbefehle.h"
#include "ui/main/Druckerwahl.h"
#include "ui/main/DxfBefehle.h"
#include "ui/main/Eingabebaum.h"
#include "ui/main/Eingabepanel.h"
#include "ui/main/EnterWeiter.h"
#include "ui/main/Ergebnisliste.h"
#include "ui/main/Filterdialog.h"
#include "ui/main/Projektbefehle.h"
#include "ui/main/Rueckfragen.h"
#include "ui/main/Skizzenbild.h"
#include "ui/main/Stuecklistenbefehl.h"
#include "ui/main/Symbole.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QSplitter>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>
#include <array>
#include <exception>

namespace trv {

namespace {

// The position selector: a number above the count typed into it selects the last position
// instead of being refused without a word.
class TPositionswahl : public QSpinBox {
public:
    using QSpinBox::QSpinBox;

protected:
    QValidator::State validate(QString& text, int& pos) const override {
        bool zahl = false;
        const int nr = text.trimmed().toInt(&zahl);
        if (zahl && nr > maximum()) {
            return QValidator::Acceptable;
        }
        return QSpinBox::validate(text, pos);
    }
    int valueFromText(const QString& text) const override {
        bool zahl = false;
        const int nr = text.trimmed().toInt(&zahl);
        return zahl && nr > maximum() ? maximum() : QSpinBox::valueFromText(text);
    }
    void fixup(QString& text) const override {
        bool zahl = false;
        if (text.trimmed().toInt(&zahl) > maximum() && zahl) {
            text = QString::number(maximum());
        }
        QSpinBox::fixup(text);
    }
};

constexpr const char* VersionText = "TRV - 1.0";

QString AlsText(const std::string& s) {
    return QString::fromStdString(s);
}

} // namespace

TfrmHauptMaske::TfrmHauptMaske(TKIniDatei ini, TKRegional regional, QStringList argumente,
                               Rueckfragen* fragen, QWidget* eltern)
    : QMainWindow(eltern), zustand_(std::move(ini), std::move(regional)),
      eigeneFragen_(fragen ? nullptr : std::make_unique<DialogRueckfragen>(this)),
      fragen_(fragen ? fragen : eigeneFragen_.get()), drucker_(std::make_unique<Druckerwahl>()),
      argumente_(std::move(argumente)) {
    setObjectName(QStringLiteral("frmHauptMaske"));
    setWindowIcon(Symbol(QStringLiteral("trv")));
    kommandos_ = new Projektbefehle(zustand_, *fragen_, this);
    befehle_ = new Befehle(this);
    // Enter moves on from the header fields, the position selector and the command buttons as
    // it does in the panel; Shift+Enter moves back only after a passed check.
    enter_ = new EnterWeiter(this, [this] { return zustand_.EingabeOk(); });
    filterdialog_ = std::make_unique<QtFilterdialog>(this);
    bildexport_ = std::make_unique<Bildexport>(zustand_, *drucker_, *fragen_, *filterdialog_);
    druck_ = std::make_unique<Druckbefehle>(zustand_, *drucker_, *fragen_);
    cadBloecke_ = std::make_unique<CadBlockExport>(zustand_, *fragen_, *filterdialog_,
                                                   plattform::DatenOrdner());
    hilfe_ = std::make_unique<Hilfe>(
        plattform::DatenOrdner(),
        QStandardPaths::writableLocation(QStandardPaths::CacheLocation) + QStringLiteral("/hilfe"),
        this);
    zuletzt_ = std::make_unique<ZuletztGeoeffnet>(zustand_.Ini());
    setAcceptDrops(true);
    FensterAufbauen();
    zoom_ = new TfrmZoom(zustand_, *bildexport_, this);
    BefehleVerbinden();
    DialogeVerbinden();
    MenueAufbauen();
    WerkzeugleisteAufbauen();
    retranslateUi();
    ProjektAnzeigen();
    for (QWidget* feld :
         {static_cast<QWidget*>(editBauvorhaben_), static_cast<QWidget*>(editPosition_),
          static_cast<QWidget*>(sEditAktAnwendung_)}) {
        feld->installEventFilter(enter_);
    }
}

TfrmHauptMaske::~TfrmHauptMaske() {
    // Nothing is drawn any more while the project goes, and no control reacts any more: the
    // window's base destroys the controls after the project, and a field that still has the
    // focus would take its text over into a project already gone when it loses the focus.
    zustand_.Modell().SetSkizzeAnzeige(5);
    for (QWidget* w : findChildren<QWidget*>()) {
        w->blockSignals(true);
    }
}

// --- building the window ----------------------------------------------------

void TfrmHauptMaske::FensterAufbauen() {
    resize(1180, 760);
    splVertikal_ = new QSplitter(Qt::Horizontal, this);
    splVertikal_->setObjectName(QStringLiteral("splVertikal"));
    splVertikal_->setChildrenCollapsible(false);
    splVertikal_->addWidget(NavigationAufbauen());

    bereiche_ = new QStackedWidget(splVertikal_);
    auto* eingabebereich = new QSplitter(Qt::Horizontal, bereiche_);
    eingabebereich->setChildrenCollapsible(false);
    pnlEingaben_ = new TEingabepanel(zustand_, *fragen_, eingabebereich);
    eingabebereich->addWidget(pnlEingaben_);
    eingabebereich->addWidget(SkizzenbereichAufbauen());
    eingabebereich->setStretchFactor(0, 0);
    eingabebereich->setStretchFactor(1, 1);
    bereiche_->addWidget(eingabebereich);
    scBoxErgebnisse_ = new TBlattansicht(bereiche_);
    bereiche_->addWidget(scBoxErgebnisse_);
    splVertikal_->addWidget(bereiche_);
    splVertikal_->setStretchFactor(0, 0);
    splVertikal_->setStretchFactor(1, 1);
    splVertikal_->setSizes({230, 950});
    setCentralWidget(splVertikal_);
    StatusleisteAufbauen();

    popmnuExpotieren_ = new QMenu(this);
    popmnuExpotieren_->setObjectName(QStringLiteral("popmnuExpotieren"));
}

QWidget* TfrmHauptMaske::NavigationAufbauen() {
    pnlNavigation_ = new QWidget(this);
    pnlNavigation_->setObjectName(QStringLiteral("pnlNavigation"));
    auto* spalte = new QVBoxLayout(pnlNavigation_);
    spalte->setContentsMargins(4, 4, 4, 4);
    tvMain_ = new TEingabebaum(*befehle_, pnlNavigation_);
    spalte->addWidget(tvMain_, 1);

    auto* pnlBerechnung = new QWidget(pnlNavigation_);
    pnlBerechnung->setObjectName(QStringLiteral("pnlBerechnung"));
    auto* knoepfe = new QVBoxLayout(pnlBerechnung);
    knoepfe->setContentsMargins(0, 0, 0, 0);
    const auto knopf = [&](const char* name, QAction* aktion) {
        auto* k = new QPushButton(pnlBerechnung);
        k->setObjectName(QString::fromLatin1(name));
        k->setIcon(aktion->icon());
        connect(k, &QPushButton::clicked, aktion, &QAction::trigger);
        connect(aktion, &QAction::changed, k, [k, aktion] { k->setEnabled(aktion->isEnabled()); });
        knoepfe->addWidget(k);
        return k;
    };
    BitBtnEingabe_ = knopf("BitBtnEingabe", befehle_->mnuSystemeingabe);
    BitBtnInZwischenablage_ =
        knopf("BitBtnInZwischenablage", befehle_->mnuErgebnisseinZwischenablage);
    BitBtnVorschau_ = knopf("BitBtnVorschau", befehle_->mnuVorschau);
    BitBtnExportieren_ = knopf("BitBtnExportieren", befehle_->mnuErgebnisseinDatei);
    BitBtnBerechnen_ = knopf("BitBtnBerechnen", befehle_->mnuNeuBerechnung);
    BitBtnBerechnen_->setDefault(false);
    // Enter on one of these moves on like everywhere in the window; Space presses it.
    for (QPushButton* k : {BitBtnEingabe_, BitBtnInZwischenablage_, BitBtnVorschau_,
                           BitBtnExportieren_, BitBtnBerechnen_}) {
        k->installEventFilter(enter_);
    }
    spalte->addWidget(pnlBerechnung);
    pnlNavigation_->setMinimumWidth(180);
    return pnlNavigation_;
}

QWidget* TfrmHauptMaske::SkizzenbereichAufbauen() {
    auto* bereich = new QWidget(this);
    auto* spalte = new QVBoxLayout(bereich);
    spalte->setContentsMargins(4, 4, 4, 4);

    auto* kopf = new QHBoxLayout();
    lblBauvorhaben_ = new QLabel(bereich);
    editBauvorhaben_ = new QLineEdit(bereich);
    editBauvorhaben_->setObjectName(QStringLiteral("EditBauvorhaben"));
    lblBauvorhaben_->setBuddy(editBauvorhaben_);
    lblPosition_ = new QLabel(bereich);
    editPosition_ = new QLineEdit(bereich);
    editPosition_->setObjectName(QStringLiteral("EditPosition"));
    lblPosition_->setBuddy(editPosition_);
    kopf->addWidget(lblBauvorhaben_);
    kopf->addWidget(editBauvorhaben_, 3);
    kopf->addSpacing(8);
    kopf->addWidget(lblPosition_);
    kopf->addWidget(editPosition_, 2);
    spalte->addLayout(kopf);

    tbarErgebnisse_ = new QToolBar(bereich);
    tbarErgebnisse_->setObjectName(QStringLiteral("tbarErgebnisse"));
    tbarErgebnisse_->setIconSize(QSize(24, 24));
    tbarErgebnisse_->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    spalte->addWidget(tbarErgebnisse_);

    imgAnsicht_ = new TSkizzenbild(bereich);
    spalte->addWidget(imgAnsicht_, 3);

    memoHinweise_ = new QPlainTextEdit(bereich);
    memoHinweise_->setObjectName(QStringLiteral("memoHinweise"));
    memoHinweise_->setReadOnly(true);
    memoHinweise_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memoHinweise_->setMaximumHeight(110);
    QPalette hinweis = memoHinweise_->palette();
    hinweis.setColor(QPalette::Base, QColor(0xFF, 0xFF, 0xE1)); // the hint background
    hinweis.setColor(QPalette::Text, Qt::red);
    memoHinweise_->setPalette(hinweis);
    memoHinweise_->hide();
    spalte->addWidget(memoHinweise_);

    lvLastErgebnis_ = new TErgebnisliste(bereich);
    lvLastErgebnis_->setMinimumHeight(150);
    lvLastErgebnis_->hide();
    spalte->addWidget(lvLastErgebnis_, 2);
    return bereich;
}

void TfrmHauptMaske::StatusleisteAufbauen() {
    QStatusBar* leiste = statusBar();
    leiste->setObjectName(QStringLiteral("sbMain"));
    for (int i = 0; i < 3; ++i) {
        statusfelder_[i] = new QLabel(leiste);
        statusfelder_[i]->setObjectName(QStringLiteral("sbMainPanel%1").arg(i));
    }
    statusfelder_[1]->setText(QString::fromLatin1(VersionText));
    leiste->addWidget(statusfelder_[0], 1);
    leiste->addPermanentWidget(statusfelder_[1]);
    leiste->addPermanentWidget(statusfelder_[2]);
    StatusfelderAnpassen();
}

void TfrmHauptMaske::StatusfelderAnpassen() {
    const QFontMetrics fm(statusfelder_[1]->font());
    statusfelder_[1]->setMinimumWidth(
        fm.horizontalAdvance(statusfelder_[1]->text() + QStringLiteral("      ")));
}

void TfrmHauptMaske::MenueAufbauen() {
    Befehle& b = *befehle_;
    QMenuBar* leiste = menuBar();
    leiste->clear();
    // A menu shows the wired commands; separators only between groups that have entries.
    const auto menue = [&](const QString& titel, std::initializer_list<QAction*> eintraege) {
        auto* m = new QMenu(titel, leiste);
        bool trenner = false;
        for (QAction* a : eintraege) {
            if (!a) {
                trenner = !m->isEmpty();
                continue;
            }
            if (!Befehle::Verfuegbar(a)) {
                continue;
            }
            if (trenner) {
                m->addSeparator();
                trenner = false;
            }
            m->addAction(a);
        }
        if (!m->isEmpty()) {
            leiste->addMenu(m);
        }
        return m;
    };
    QMenu* datei =
        menue(tr("&File"), {b.mnuNeu, b.mnuOeffnen, b.mnuSpeichern, b.mnuSpeichernUnter, nullptr,
                            b.mnuDruckereinrichten, b.mnuDrucken, b.mnuProjektDrucken, nullptr,
                            b.mnuBeenden, b.mnuProjektverwaltung});
    datei->setObjectName(QStringLiteral("mnuDatei"));
    mnuZuletzt_ = new QMenu(tr("&Recent Projects"), datei);
    mnuZuletzt_->setObjectName(QStringLiteral("mnuZuletzt"));
    datei->insertMenu(b.mnuBeenden, mnuZuletzt_);
    datei->insertSeparator(b.mnuBeenden);
    ZuletztMenueFuellen();
    menue(tr("&Project"), {b.mnuPositionHinzufuegen, b.mnuPositionLoeschen})
        ->setObjectName(QStringLiteral("mnuBauvorhaben"));
    menue(tr("&Input"), {b.mnuEingabebaum, nullptr, b.mnuSystemeingabe, b.mnuProjektdaten})
        ->setObjectName(QStringLiteral("mnuEingaben"));
    menue(tr("&Connector Schedule"), {b.mnuStuecklisteAnzeigen, b.mnuInStueckliste})
        ->setObjectName(QStringLiteral("mnuStuecklisteAusgabe"));
    QMenu* ergebnisse = menue(tr("&Results"), {b.mnuNeuBerechnung, b.mnuVorschau});
    ergebnisse->setObjectName(QStringLiteral("mnuBerechnen"));
    auto* export_ = new QMenu(tr("&Export Results"), ergebnisse);
    export_->setObjectName(QStringLiteral("mnuErgebnisseExportieren"));
    for (QAction* a : {b.mnuDornDXFExport, b.mnuBewehrungDXFExport, b.mnuErgebnisseinDatei,
                       b.mnuErgebnisseinZwischenablage}) {
        if (Befehle::Verfuegbar(a)) {
            export_->addAction(a);
        }
    }
    if (!export_->isEmpty()) {
        ergebnisse->addMenu(export_);
    }
    menue(tr("&Options"), {b.mnuOptionBemessung, b.mnuOptionEinstellungen})
        ->setObjectName(QStringLiteral("mnuOptionen"));
    menue(tr("&Help"), {b.mnuHilfeInhalt, b.mnuHilfeSuchen, b.mnuUeberHilfe, nullptr, b.mnuUeberTRV,
                        b.mnuTRVKatalog})
        ->setObjectName(QStringLiteral("mnuHilfe"));

    popmnuExpotieren_->clear();
    for (QAction* a :
         {b.popmnuInZwischenablage, b.popmnuInDatei, b.popmnuVergroessern, b.popmnuDXFExport}) {
        if (Befehle::Verfuegbar(a)) {
            popmnuExpotieren_->addAction(a);
        }
    }
}

void TfrmHauptMaske::WerkzeugleisteAufbauen() {
    Befehle& b = *befehle_;
    tbarMain_ = addToolBar(QString());
    tbarMain_->setObjectName(QStringLiteral("tbarMain"));
    tbarMain_->setIconSize(QSize(24, 24));
    tbarMain_->setMovable(false);
    const std::initializer_list<QAction*> gruppen = {b.mnuNeu,
                                                     b.mnuOeffnen,
                                                     b.mnuSpeichern,
                                                     b.mnuSpeichernUnter,
                                                     b.mnuDrucken,
                                                     nullptr,
                                                     b.mnuProjektverwaltung,
                                                     nullptr,
                                                     b.mnuPositionHinzufuegen,
                                                     b.mnuPositionLoeschen,
                                                     nullptr,
                                                     b.mnuEingabebaum,
                                                     b.mnuProjektdaten,
                                                     b.mnuOptionEinstellungen,
                                                     b.mnuStuecklisteAnzeigen,
                                                     nullptr,
                                                     b.mnuSystemeingabe,
                                                     b.mnuNeuBerechnung,
                                                     b.mnuVorschau,
                                                     nullptr,
                                                     b.mnuErgebnisseinDatei,
                                                     b.mnuErgebnisseinZwischenablage,
                                                     nullptr,
                                                     b.mnuHilfeInhalt,
                                                     b.mnuBeenden};
    bool trenner = false;
    for (QAction* a : gruppen) {
        if (!a) {
            trenner = !tbarMain_->actions().isEmpty();
            continue;
        }
        if (!Befehle::Verfuegbar(a)) {
            continue;
        }
        if (trenner) {
            tbarMain_->addSeparator();
            trenner = false;
        }
        tbarMain_->addAction(a);
    }
    // The speed button of the calculation shows its caption beside the icon.
    if (auto* knopf = qobject_cast<QToolButton*>(tbarMain_->widgetForAction(b.mnuNeuBerechnung))) {
        knopf->setObjectName(QStringLiteral("sbBerechnen"));
        knopf->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    }
    tbarMain_->addSeparator();
    lblAktAnwendung_ = new QLabel(tbarMain_);
    sEditAktAnwendung_ = new TPositionswahl(tbarMain_);
    sEditAktAnwendung_->setObjectName(QStringLiteral("sEditAktAnwendung"));
    sEditAktAnwendung_->setMinimum(1);
    sEditAktAnwendung_->setMaximum(1);
    sEditAktAnwendung_->setMinimumWidth(60);
    lblAktAnwendung_->setBuddy(sEditAktAnwendung_);
    tbarMain_->addWidget(lblAktAnwendung_);
    tbarMain_->addWidget(sEditAktAnwendung_);
    connect(sEditAktAnwendung_, &QSpinBox::valueChanged, this,
            [this](int nr) { Sicher([&] { kommandos_->PositionWaehlen(nr); }); });

    for (QAction* a : {b.tbAnsicht, b.tbDraufsicht, b.tbSchnitt, b.tbReihenAnsicht}) {
        tbarErgebnisse_->addAction(a);
    }
    if (Befehle::Verfuegbar(b.tbBewehrung)) {
        tbarErgebnisse_->addSeparator();
        tbarErgebnisse_->addAction(b.tbBewehrung);
    }
}

void TfrmHauptMaske::BefehleVerbinden() {
    Befehle& b = *befehle_;
    const auto verbinde = [this](QAction* a, std::function<void()> befehl) {
        connect(a, &QAction::triggered, this, [this, befehl = std::move(befehl)] {
            if (EingabeUebernehmen()) {
                Sicher(befehl);
            }
        });
    };
    verbinde(b.mnuNeu, [this] { kommandos_->Neu(); });
    verbinde(b.mnuOeffnen, [this] { kommandos_->Oeffnen(); });
    verbinde(b.mnuSpeichern, [this] { kommandos_->Speichern(); });
    verbinde(b.mnuSpeichernUnter, [this] { kommandos_->SpeichernUnter(); });
    verbinde(b.mnuDruckereinrichten, [this] { drucker_->Einrichten(*fragen_); });
    verbinde(b.mnuBeenden, [this] { close(); });
    verbinde(b.mnuPositionHinzufuegen, [this] {
        kommandos_->PositionHinzufuegen();
        editPosition_->setFocus(Qt::OtherFocusReason);
        editPosition_->selectAll();
    });
    verbinde(b.mnuPositionLoeschen, [this] { kommandos_->PositionLoeschen(); });
    connect(b.mnuEingabebaum, &QAction::toggled, this,
            [this](bool an) { EingabebaumUmschalten(an); });
    verbinde(b.mnuSystemeingabe, [this] { Systemeingabe(); });
    verbinde(b.mnuNeuBerechnung, [this] { Berechnen(); });
    verbinde(b.mnuVorschau, [this] { Vorschau(); });
    verbinde(b.tbAnsicht, [this] { SkizzeWaehlen(0); });
    verbinde(b.tbDraufsicht, [this] { SkizzeWaehlen(1); });
    verbinde(b.tbSchnitt, [this] { SkizzeWaehlen(2); });
    verbinde(b.tbReihenAnsicht, [this] { SkizzeWaehlen(3); });

    connect(kommandos_, &Projektbefehle::ProjektErsetzt, this, [this] { ProjektAnzeigen(); });
    connect(kommandos_, &Projektbefehle::ProjektdateiBenutzt, this, [this](const QString& datei) {
        zuletzt_->Hinzufuegen(datei);
        ZuletztMenueFuellen();
    });
    // The tree and the selector follow one node at a time: a project of thousands of
    // positions adds and deletes as fast as one of three.
    connect(kommandos_, &Projektbefehle::PositionHinzugefuegt, this, [this](int nr) {
        tvMain_->BaumPositionHinzufuegen(AlsText(zustand_.Modell().Anwendung(nr).Position()));
    });
    connect(kommandos_, &Projektbefehle::PositionGeloescht, this,
            [this](int nr) { tvMain_->BaumPositionEntfernen(nr); });
    connect(kommandos_, &Projektbefehle::PositionGewechselt, this, [this] { PositionAnzeigen(); });
    connect(kommandos_, &Projektbefehle::DateinameGeaendert, this,
            [this](const QString& anzeige) { DateinameAnzeigen(anzeige); });
    connect(kommandos_, &Projektbefehle::ModusGeaendert, this,
            [this](TAnzeigeModus m) { ModusAnwenden(m); });
    connect(kommandos_, &Projektbefehle::Rechenhinweise, this, [this](const QStringList& h) {
        for (const QString& text : h) {
            fragen_->Meldung(text);
        }
    });

    connect(pnlEingaben_, &TEingabepanel::EingabeBegonnen, this, [this] {
        if (zustand_.Modus() != amEingabe) {
            kommandos_->AnzeigeModusSetzen(amEingabe);
        }
    });
    connect(pnlEingaben_, &TEingabepanel::EingabeGeschrieben, this, [this] { SkizzeZeichnen(); });
    connect(pnlEingaben_, &TEingabepanel::AnwendungsfallGewechselt, this,
            [this](int fall) { AnwendungsfallFolgen(fall); });
    if (!bemessung_) {
        bemessung_ = new TfrmBemessung(zustand_, *fragen_, this);
    }
    Befehle::SetVerfuegbar(b.mnuOptionBemessung, true);
    verbinde(b.mnuOptionBemessung, [this] { DialogAusfuehren(*bemessung_, true); });

    for (QAction* a : {b.mnuBewehrungDXFExport, b.popmnuDXFExport}) {
        Befehle::SetVerfuegbar(a, true);
    }
    // The menu saves the drawing through the dialog; the sketch's menu shows it first.
    verbinde(b.mnuBewehrungDXFExport,
             [this] { DxfBewehrungErzeugen(TDxfModus::Speichern, {}, zustand_, *fragen_, this); });
    verbinde(b.popmnuDXFExport,
             [this] { DxfBewehrungErzeugen(TDxfModus::Anzeigen, {}, zustand_, *fragen_, this); });

    connect(tvMain_, &TEingabebaum::PositionGewaehlt, this,
            [this](int nr) { sEditAktAnwendung_->setValue(nr); });
    connect(lvLastErgebnis_, &TErgebnisliste::TypGewaehlt, this, [this](int typ) {
        Sicher([&] { kommandos_->DornWaehlen(typ); });
        SkizzeZeichnen();
    });
    connect(imgAnsicht_, &TSkizzenbild::MenueGewuenscht, this,
            [this](const QPoint& p) { SkizzenMenueZeigen(p); });

    for (QLineEdit* feld : {editBauvorhaben_, editPosition_}) {
        TextgrenzeSetzen(feld, [this] { fragen_->Meldung(TextZuLangMeldung()); });
    }
    connect(editBauvorhaben_, &QLineEdit::textEdited, this, [this](const QString& text) {
        zustand_.Modell().Projektbeschreibung().SetBauvorhaben(text.toStdString());
        tvMain_->BaumProjektSetzen(text);
    });
    connect(editPosition_, &QLineEdit::textEdited, this, [this](const QString& text) {
        tvMain_->BaumPositionSetzen(zustand_.Modell().AktAnwendung(), text);
    });
    connect(editPosition_, &QLineEdit::editingFinished, this, [this] {
        zustand_.Anwendung().SetPosition(editPosition_->text().toStdString());
        tvMain_->BaumPositionSetzen(zustand_.Modell().AktAnwendung(), editPosition_->text());
    });

    imgAnsicht_->SetZeichner([this](QPainter& maler, const QRect& rechteck) {
        const TKModell& modell = zustand_.Modell();
        const TKSkizzen skizzen(modell, zustand_.Anwendung(), zustand_.Farben(),
                                zustand_.Dezimaltrenner());
        switch (modell.SkizzeAnzeige()) {
        case 0:
            skizzen.Ansicht(maler, rechteck);
            break;
        case 1:
            skizzen.Draufsicht(maler, rechteck);
            break;
        case 2:
            skizzen.Schnitt(maler, rechteck);
            break;
        case 3:
            skizzen.Reihe(maler, rechteck);
            break;
        case 4:
            skizzen.Eingabe(maler, rechteck);
            break;
        default:
            break;
        }
    });
}

void TfrmHauptMaske::retranslateUi() {
    befehle_->retranslateUi();
    tbarMain_->setWindowTitle(tr("Main tool bar"));
    tbarErgebnisse_->setWindowTitle(tr("Sketches"));
    lblAktAnwendung_->setText(tr("lfd Nr.:"));
    sEditAktAnwendung_->setAccessibleName(tr("Current position"));
    sEditAktAnwendung_->setToolTip(tr("current position"));
    sEditAktAnwendung_->setStatusTip(tr("number of the position shown"));
    lblBauvorhaben_->setText(tr("Pro&ject:"));
    editBauvorhaben_->setAccessibleName(tr("Project"));
    editBauvorhaben_->setStatusTip(tr("name of the project"));
    lblPosition_->setText(tr("Posi&tion:"));
    editPosition_->setAccessibleName(tr("Position"));
    editPosition_->setStatusTip(tr("description of the current position"));
    BitBtnEingabe_->setText(tr("Retur&n to entry"));
    BitBtnInZwischenablage_->setText(tr("To C&lipboard"));
    BitBtnVorschau_->setText(tr("Calculation Pre&view"));
    BitBtnExportieren_->setText(tr("&Export"));
    BitBtnBerechnen_->setText(tr("Ca&lculation"));
    for (QPushButton* k : {BitBtnEingabe_, BitBtnInZwischenablage_, BitBtnVorschau_,
                           BitBtnExportieren_, BitBtnBerechnen_}) {
        k->setAccessibleName(k->text().remove(QLatin1Char('&')));
    }
    memoHinweise_->setAccessibleName(tr("Hints"));
    imgAnsicht_->setAccessibleName(tr("Sketch"));
    imgAnsicht_->setToolTip(tr("sketch"));
    imgAnsicht_->setStatusTip(tr("click the sketch to copy, save or enlarge it"));
    scBoxErgebnisse_->setAccessibleName(tr("Result sheet"));
    tvMain_->setAccessibleName(tr("Input tree"));
    DateinameAnzeigen(zustand_.DateinameAnzeige());
}

void TfrmHauptMaske::changeEvent(QEvent* ereignis) {
    if (ereignis->type() == QEvent::LanguageChange) {
        // The text lists first: the panel and the list read them when their turn comes.
        zustand_.TextlistenNeuLaden();
    }
    QMainWindow::changeEvent(ereignis);
    if (ereignis->type() == QEvent::LanguageChange) {
        retranslateUi();
        MenueAufbauen();
        BaumAufbauen();
        SpracheNeuAnzeigen();
    }
}

void TfrmHauptMaske::SpracheNeuAnzeigen() {
    switch (zustand_.Modus()) {
    case amUebersicht:
        lvLastErgebnis_->ErgebnislisteFuellen(zustand_.Anwendung(), zustand_.Texte(),
                                              zustand_.Dezimaltrenner());
        break;
    case amErgebnisblatt:
        Vorschau();
        break;
    default:
        break;
    }
    SkizzeZeichnen();
}

// --- project and positions ------------------------------------------------------

void TfrmHauptMaske::ProjektAnzeigen() {
    const TKModell& modell = zustand_.Modell();
    DateinameAnzeigen(zustand_.DateinameAnzeige());
    editBauvorhaben_->setText(AlsText(modell.Projektbeschreibung().Bauvorhaben()));
    BaumAufbauen();
    PositionsauswahlSetzen(modell.AnzAnwendung(), modell.AktAnwendung());
    PositionAnzeigen();
}

void TfrmHauptMaske::BaumAufbauen() {
    const TKModell& modell = zustand_.Modell();
    tvMain_->EingabebaumAufbauen(editBauvorhaben_->text(), modell.AktAnwendung(),
                                 AlsText(zustand_.Anwendung().Position()));
    if (modell.AnzAnwendung() > 1) {
        PositionslisteAnzeigen();
    }
    tvMain_->SystemeingabeZeigen(zustand_.Modus() == amErgebnisblatt);
    tvMain_->InStuecklisteZeigen(zustand_.ErgebnisseGueltig());
}

void TfrmHauptMaske::PositionslisteAnzeigen() {
    const TKModell& modell = zustand_.Modell();
    QStringList texte;
    for (int i = 1; i <= modell.AnzAnwendung(); ++i) {
        texte << AlsText(modell.Anwendung(i).Position());
    }
    tvMain_->BaumPositionenAufbauen(texte);
    PositionsauswahlSetzen(modell.AnzAnwendung(), modell.AktAnwendung());
}

void TfrmHauptMaske::PositionsauswahlSetzen(int anzahl, int aktuell) {
    const QSignalBlocker sperre(sEditAktAnwendung_);
    sEditAktAnwendung_->setMaximum(anzahl);
    sEditAktAnwendung_->setValue(aktuell);
}

void TfrmHauptMaske::PositionAnzeigen() {
    // Flag and selection are read first: showing the inputs returns to input mode.
    const TKErgebnisse& ergebnisse = zustand_.Anwendung().Ergebnisse();
    const bool berechnet = ergebnisse.Berechnet();
    const int gewaehlt = ergebnisse.AktDorn();
    EingabenAnzeigen();
    if (berechnet) {
        kommandos_->UebersichtMitAuswahl(gewaehlt);
        lvLastErgebnis_->ErgebnislisteFuellen(zustand_.Anwendung(), zustand_.Texte(),
                                              zustand_.Dezimaltrenner());
    }
    PositionsauswahlSetzen(zustand_.Modell().AnzAnwendung(), zustand_.Modell().AktAnwendung());
}

void TfrmHauptMaske::EingabenAnzeigen() {
    editPosition_->setText(AlsText(zustand_.Anwendung().Position()));
    pnlEingaben_->EingabenAnzeigen();
    AnwendungsfallFolgen(zustand_.Anwendung().Anwendungsfall());
    kommandos_->AnzeigeModusSetzen(amEingabe);
}

void TfrmHauptMaske::AnwendungsfallFolgen(int fall) {
    // A single connector has no row: its sketch button goes, and a row sketch chosen before
    // falls back to the view.
    const bool reihe = fall != 0;
    befehle_->tbReihenAnsicht->setVisible(reihe);
    TKModell& modell = zustand_.Modell();
    if (!reihe && modell.ErgebnisAnzeige() == 3) {
        modell.SetErgebnisAnzeige(0);
        befehle_->tbAnsicht->setChecked(true);
    }
}

bool TfrmHauptMaske::DialogAusfuehren(QDialog& dialog, bool aendertEingaben) {
    const bool ok = dialog.exec() == QDialog::Accepted;
    if (ok && aendertEingaben) {
        EingabenAnzeigen();
    }
    return ok;
}

void TfrmHauptMaske::DateinameAnzeigen(const QString& anzeige) {
    setWindowTitle(Programmtitel() + QStringLiteral(": ") + anzeige);
}

// --- display modes ----------------------------------------------------------------

void TfrmHauptMaske::ModusAnwenden(TAnzeigeModus modus) {
    const bool gueltig = modus != amEingabe;
    const bool blatt = modus == amErgebnisblatt;
    Befehle& b = *befehle_;
    b.mnuSystemeingabe->setEnabled(blatt);
    b.mnuInStueckliste->setEnabled(gueltig);
    tvMain_->InStuecklisteZeigen(gueltig);
    tvMain_->SystemeingabeZeigen(blatt);
    bereiche_->setCurrentWidget(blatt ? static_cast<QWidget*>(scBoxErgebnisse_)
                                      : bereiche_->widget(0));
    for (QAction* a : {b.mnuDrucken, b.mnuBewehrungDXFExport, b.mnuDornDXFExport, b.popmnuDXFExport,
                       b.tbBewehrung}) {
        a->setEnabled(gueltig);
    }
    for (QAction* a : {b.mnuErgebnisseinDatei, b.mnuErgebnisseinZwischenablage}) {
        a->setEnabled(blatt);
    }
    // The result sketches need results: in input mode the input sketch is the only one.
    const std::array skizzen{b.tbAnsicht, b.tbDraufsicht, b.tbSchnitt, b.tbReihenAnsicht};
    for (QAction* a : skizzen) {
        a->setEnabled(gueltig);
    }
    skizzen[std::min<std::size_t>(zustand_.Modell().ErgebnisAnzeige(), skizzen.size() - 1)]
        ->setChecked(true);
    const auto zeigen = [](QPushButton* k, QAction* a, bool sichtbar) {
        k->setVisible(sichtbar && Befehle::Verfuegbar(a));
    };
    zeigen(BitBtnExportieren_, b.mnuErgebnisseinDatei, blatt);
    zeigen(BitBtnInZwischenablage_, b.mnuErgebnisseinZwischenablage, blatt);
    zeigen(BitBtnEingabe_, b.mnuSystemeingabe, blatt);
    zeigen(BitBtnBerechnen_, b.mnuNeuBerechnung, !blatt);
    zeigen(BitBtnVorschau_, b.mnuVorschau, !blatt);
    lvLastErgebnis_->setVisible(modus == amUebersicht);
    memoHinweise_->hide();
    SkizzeZeichnen();
}

void TfrmHauptMaske::SkizzeZeichnen() {
    imgAnsicht_->SkizzeZeichnen();
    if (zoom_) {
        zoom_->Zeichnen();
    }
}

QImage TfrmHauptMaske::ErsteSeite() const {
    const auto& seiten = scBoxErgebnisse_->Seiten();
    return zustand_.Modus() == amErgebnisblatt && !seiten.empty() ? seiten.front() : QImage();
}

void TfrmHauptMaske::DialogeVerbinden() {
    Befehle& b = *befehle_;
    const auto verbinde = [this](QAction* a, std::function<void()> befehl) {
        Befehle::SetVerfuegbar(a, true);
        connect(a, &QAction::triggered, this, [this, befehl = std::move(befehl)] {
            if (EingabeUebernehmen()) {
                Sicher(befehl);
            }
        });
    };
    verbinde(b.mnuProjektdaten, [this] {
        if (ProjektdatenBearbeiten(this, zustand_)) {
            const QString projekt = AlsText(zustand_.Modell().Projektbeschreibung().Bauvorhaben());
            editBauvorhaben_->setText(projekt);
            tvMain_->BaumProjektSetzen(projekt);
        }
    });
    verbinde(b.mnuProjektverwaltung, [this] {
        if (ProjektverwaltungOeffnen(this, *kommandos_, *fragen_) ==
            Verwaltungsergebnis::PositionUebernommen) {
            PositionslisteAnzeigen();
            kommandos_->PositionWaehlen(zustand_.Modell().AnzAnwendung());
        }
    });
    verbinde(b.mnuOptionEinstellungen, [this] {
        if (FarbenEinstellen(this, zustand_)) {
            SkizzeZeichnen();
        }
    });
    verbinde(b.mnuUeberTRV, [this] {
        TfrmAbout about(this);
        about.exec();
    });
    verbinde(b.tbBewehrung, [this] { Bewehrung(); });
    verbinde(b.mnuStuecklisteAnzeigen, [this] {
        TfrmStueckliste fenster(zustand_, *drucker_, *fragen_, this);
        fenster.exec();
    });
    verbinde(b.mnuInStueckliste, [this] {
        if (zustand_.ErgebnisseGueltig()) {
            InStuecklisteAufnehmen(zustand_, *fragen_, sEditAktAnwendung_->text());
        }
    });
    verbinde(b.mnuDrucken, [this] { druck_->Drucken(); });
    verbinde(b.mnuProjektDrucken, [this] { druck_->ProjektDrucken(); });
    verbinde(b.mnuErgebnisseinDatei,
             [this] { bildexport_->BildExportieren(Bildquelle::Ergebnisseite, ErsteSeite()); });
    verbinde(b.mnuErgebnisseinZwischenablage,
             [this] { Bildexport::BildInZwischenablage(ErsteSeite()); });
    verbinde(b.popmnuInZwischenablage,
             [this] { Bildexport::BildInZwischenablage(imgAnsicht_->Bild()); });
    verbinde(b.popmnuInDatei,
             [this] { bildexport_->BildExportieren(Bildquelle::Skizze, imgAnsicht_->Bild()); });
    verbinde(b.popmnuVergroessern, [this] { zoom_->Zeigen(); });
    verbinde(b.mnuDornDXFExport, [this] { cadBloecke_->Ausfuehren(); });
    verbinde(b.mnuTRVKatalog, [this] { HandbuchOeffnen(plattform::DatenOrdner(), *fragen_); });
    // Help reads nothing of the project: it opens also while a refused value waits.
    const auto hilfe = [](QAction* a, void (Hilfe::*befehl)()) {
        Befehle::SetVerfuegbar(a, true);
        connect(a, &QAction::triggered, a, [befehl] { (Hilfe::Programm()->*befehl)(); });
    };
    hilfe(b.mnuHilfeInhalt, &Hilfe::Inhalt);
    hilfe(b.mnuHilfeSuchen, &Hilfe::Stichwortsuche);
    hilfe(b.mnuUeberHilfe, &Hilfe::UeberHilfe);
}

void TfrmHauptMaske::Bewehrung() {
    if (!TKBewehrungsaenderung::Moeglich(zustand_.Anwendung())) {
        return;
    }
    TfrmBewehrung dialog(zustand_, this);
    const auto folgen = [this] {
        lvLastErgebnis_->ErgebnislisteFuellen(zustand_.Anwendung(), zustand_.Texte(),
                                              zustand_.Dezimaltrenner());
        SkizzeZeichnen();
    };
    connect(&dialog, &TfrmBewehrung::ErgebnisseGeaendert, this, folgen);
    dialog.exec();
    if (zustand_.Modus() == amErgebnisblatt) {
        Vorschau();
    } else {
        folgen();
    }
}

void TfrmHauptMaske::SkizzeWaehlen(int skizze) {
    TKModell& modell = zustand_.Modell();
    modell.SetSkizzeAnzeige(static_cast<std::uint8_t>(skizze));
    modell.SetErgebnisAnzeige(static_cast<std::uint8_t>(skizze));
    SkizzeZeichnen();
}

void TfrmHauptMaske::SkizzenMenueZeigen(const QPoint& position) {
    if (!popmnuExpotieren_->isEmpty()) {
        popmnuExpotieren_->popup(position);
    }
}

void TfrmHauptMaske::EingabebaumUmschalten(bool sichtbar) {
    pnlNavigation_->setVisible(sichtbar);
    befehle_->mnuEingabebaum->setChecked(sichtbar);
    SkizzeZeichnen();
}

bool TfrmHauptMaske::BaumSichtbar() const {
    return pnlNavigation_->isVisible();
}

QLabel* TfrmHauptMaske::Statusfeld(int nr) const {
    return nr >= 0 && nr < 3 ? statusfelder_[nr] : nullptr;
}

// --- calculation commands --------------------------------------------------------

bool TfrmHauptMaske::EingabeUebernehmen() {
    // Tool-bar buttons and shortcuts leave the focus where it is: the field being edited is
    // finished here, so its check runs and its value is in the model before a command reads it.
    const std::string position = editPosition_->text().toStdString();
    if (zustand_.Anwendung().Position() != position) {
        zustand_.Anwendung().SetPosition(position);
        tvMain_->BaumPositionSetzen(zustand_.Modell().AktAnwendung(), editPosition_->text());
    }
    QWidget* fokus = QApplication::focusWidget();
    if (fokus && pnlEingaben_->isAncestorOf(fokus)) {
        zustand_.SetEingabeOk(pnlEingaben_->EingabeAbschliessen());
    }
    return zustand_.EingabeOk();
}

void TfrmHauptMaske::HinweiseZeigen(const QStringList& hinweise) {
    memoHinweise_->setPlainText(hinweise.join(QLatin1Char('\n')));
    memoHinweise_->show();
}

void TfrmHauptMaske::Berechnen() {
    if (!EingabeUebernehmen()) {
        return;
    }
    QStringList hinweise;
    if (!kommandos_->Berechnen(hinweise)) {
        HinweiseZeigen(hinweise);
        return;
    }
    lvLastErgebnis_->ErgebnislisteFuellen(zustand_.Anwendung(), zustand_.Texte(),
                                          zustand_.Dezimaltrenner());
}

void TfrmHauptMaske::Vorschau() {
    if (!EingabeUebernehmen()) {
        return;
    }
    QStringList hinweise;
    if (!kommandos_->Vorschau(hinweise)) {
        HinweiseZeigen(hinweise);
        return;
    }
    const TKModell& modell = zustand_.Modell();
    const TKAnwendung& anwendung = zustand_.Anwendung();
    Positionsskizzen skizzen(modell, anwendung, zustand_.Dezimaltrenner());
    Ergebnisblatt blatt(anwendung, KopfAusModell(modell, anwendung, true),
                        zustand_.Dezimaltrenner(), skizzen);
    Seitenmasse masse;
    scBoxErgebnisse_->SeitenSetzen(ErgebnisblattVorschau(
        masse, GeometrieAusDrucker(drucker_->Drucker()), BildschirmDpi, blatt));
    scBoxErgebnisse_->setFocus();
}

void TfrmHauptMaske::Systemeingabe() {
    kommandos_->AnzeigeModusSetzen(amUebersicht);
    lvLastErgebnis_->ErgebnislisteFuellen(zustand_.Anwendung(), zustand_.Texte(),
                                          zustand_.Dezimaltrenner());
}

// --- events ----------------------------------------------------------------------

void TfrmHauptMaske::Sicher(const std::function<void()>& befehl) {
    try {
        befehl();
    } catch (const std::exception& fehler) {
        QApplication::restoreOverrideCursor();
        fragen_->Meldung(QString::fromLocal8Bit(fehler.what()));
    }
}

// --- recent projects and dropped files ---------------------------------------------

void TfrmHauptMaske::ZuletztMenueFuellen() {
    mnuZuletzt_->clear();
    const QStringList& projekte = zuletzt_->Projekte();
    for (qsizetype i = 0; i < projekte.size(); ++i) {
        const QString datei = projekte[i];
        QAction* a = mnuZuletzt_->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(
            plattform::NameAnzeige(QFileInfo(datei).fileName())));
        a->setStatusTip(plattform::NameAnzeige(datei));
        a->setToolTip(plattform::NameAnzeige(datei));
        connect(a, &QAction::triggered, this, [this, datei] { ZuletztOeffnen(datei); });
    }
    if (projekte.isEmpty()) {
        mnuZuletzt_->addAction(tr("(none)"))->setEnabled(false);
        return;
    }
    mnuZuletzt_->addSeparator();
    QAction* leeren = mnuZuletzt_->addAction(tr("&Clear List"));
    leeren->setObjectName(QStringLiteral("mnuZuletztLeeren"));
    connect(leeren, &QAction::triggered, this, [this] {
        zuletzt_->Leeren();
        ZuletztMenueFuellen();
    });
}

void TfrmHauptMaske::ZuletztOeffnen(const QString& datei) {
    if (!plattform::IstDatei(datei)) {
        fragen_->Meldung(tr("The project %1 does not exist any more. It is taken off the list.")
                             .arg(plattform::NameAnzeige(datei)));
        zuletzt_->Entfernen(datei);
        ZuletztMenueFuellen();
        return;
    }
    Sicher([&] { kommandos_->DateiOeffnen(datei); });
}

QString TfrmHauptMaske::GezogenesProjekt(const QMimeData* daten) {
    if (daten == nullptr || !daten->hasUrls() || daten->urls().size() != 1) {
        return {};
    }
    const QUrl url = daten->urls().front();
    // By the bytes of the URL: a name that is no UTF-8 would otherwise name another file.
    const QString datei = plattform::LokaleDatei(url);
    return datei.endsWith(QStringLiteral(".TRV"), Qt::CaseInsensitive) ? datei : QString();
}

void TfrmHauptMaske::dragEnterEvent(QDragEnterEvent* ereignis) {
    if (!GezogenesProjekt(ereignis->mimeData()).isEmpty()) {
        ereignis->acceptProposedAction();
    }
}

void TfrmHauptMaske::dropEvent(QDropEvent* ereignis) {
    const QString datei = GezogenesProjekt(ereignis->mimeData());
    if (datei.isEmpty()) {
        return;
    }
    ereignis->acceptProposedAction();
    // Opened after the drop has ended: the save question must not run inside it.
    QTimer::singleShot(0, this,
                       [this, datei] { Sicher([&] { kommandos_->DateiOeffnen(datei); }); });
}

void TfrmHauptMaske::closeEvent(QCloseEvent* ereignis) {
    if (EingabeUebernehmen() && kommandos_->SchliessenErlaubt()) {
        ereignis->accept();
    } else {
        ereignis->ignore();
    }
}

void TfrmHauptMaske::showEvent(QShowEvent* ereignis) {
    QMainWindow::showEvent(ereignis);
    if (ersteAktivierung_) {
        ersteAktivierung_ = false;
        QTimer::singleShot(0, this, [this] {
            EinstellungenMelden();
            BefehlszeileOeffnen();
        });
    }
}

void TfrmHauptMaske::EinstellungenMelden() {
    const std::string grund = zustand_.Ini().Unbrauchbar();
    if (grund.empty()) {
        return;
    }
    fragen_->Meldung(
        tr("The settings file %1 cannot be used: %2.\nThe program works with the default "
           "settings and keeps no changes of them.")
            .arg(plattform::NameAnzeige(plattform::NameAusBytes(zustand_.Ini().Pfad().native())),
                 AlsText(grund)));
}

void TfrmHauptMaske::BefehlszeileOeffnen() {
    if (argumente_.isEmpty()) {
        return;
    }
    // Blanks before the name are the command line's; those after it may be the name's own.
    QString datei = argumente_.join(QLatin1Char(' '));
    datei.remove(0, std::find_if_not(datei.cbegin(), datei.cend(), [](QChar c) {
                        return c.isSpace();
                    }) - datei.cbegin());
    if (plattform::IstDatei(datei)) {
        Sicher([&] { kommandos_->ProjektLaden(datei); });
    } else {
        fragen_->Meldung(tr("Cannot open file!"));
        EingabenAnzeigen();
    }
}

bool TfrmHauptMaske::event(QEvent* ereignis) {
    if (ereignis->type() == QEvent::StatusTip) {
        // The long part of a hint goes into the first panel, two blanks in.
        const QString tip = static_cast<QStatusTipEvent*>(ereignis)->tip();
        statusfelder_[0]->setText(tip.isEmpty() ? QString() : QStringLiteral("  ") + tip);
        return true;
    }
    return QMainWindow::event(ereignis);
}

} // namespace trv
