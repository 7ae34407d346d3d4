#include "ui/dialogs/Stueckliste.h"

#include "files/Ressourcen.h"
#include "printing/Ausgabedatei.h"
#include "printing/Seitenrahmen.h"
#include "printing/StuecklisteDruck.h"
#include "schedule/Stuecklistenregeln.h"
#include "ui/dialogs/StuecklisteExport.h"
#include "ui/dialogs/Stuecklistenmodell.h"
#include "ui/dialogs/Textgrenze.h"
#include "ui/hilfe/Hilfe.h"
#include "ui/main/Bildexport.h"
#include "ui/main/Druckerwahl.h"
#include "ui/main/Projektzustand.h"
#include "ui/main/Rueckfragen.h"
#include "ui/main/Sanduhr.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QShowEvent>
#include <QSpinBox>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>
#include <stdexcept>

namespace trv {

namespace {

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

// The designation with the additional item, as the current choice shows it.
QString Bezeichnung(const StuecklistenEintrag& e) {
    QString text = Q(Feld(e, stk::Bezeichnung));
    if (!Feld(e, stk::Zusatz).empty()) {
        text += QStringLiteral("  +  ") + Q(Feld(e, stk::Zusatz));
    }
    return text;
}

// The number of similar positions typed into its cell: the spin edit's range.
class Anzahlfeld : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* eltern, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override {
        QWidget* editor = QStyledItemDelegate::createEditor(eltern, option, index);
        if (auto* zahl = qobject_cast<QSpinBox*>(editor)) {
            zahl->setRange(Stuecklistenbearbeitung::MinAnzahl, Stuecklistenbearbeitung::MaxAnzahl);
            zahl->setFrame(false);
        }
        return editor;
    }
};

QPushButton* Knopf(QWidget* eltern, const char* name) {
    auto* knopf = new QPushButton(eltern);
    knopf->setObjectName(QLatin1String(name));
    // Enter moves the focus in this window; no button takes it.
    knopf->setAutoDefault(false);
    knopf->setDefault(false);
    return knopf;
}

} // namespace

TfrmStueckliste::TfrmStueckliste(Projektzustand& zustand, Druckerwahl& druckerwahl,
                                 Rueckfragen& fragen, QWidget* eltern)
    : QDialog(eltern), zustand_(zustand), druckerwahl_(druckerwahl), fragen_(fragen),
      bearbeitung_(zustand.Modell()) {
    setObjectName(QStringLiteral("frmStueckliste"));
    setMinimumSize(640, 480);
    setSizeGripEnabled(true);

    pnlListe = new QWidget(this);
    modell_ = new TStuecklistenModell(bearbeitung_, this);
    clboxStueckliste = new QTableView(pnlListe);
    clboxStueckliste->setObjectName(QStringLiteral("clboxStueckliste"));
    hcStueckliste = new QHeaderView(Qt::Horizontal, clboxStueckliste);
    hcStueckliste->setObjectName(QStringLiteral("hcStueckliste"));
    clboxStueckliste->setHorizontalHeader(hcStueckliste);
    clboxStueckliste->setModel(modell_);
    clboxStueckliste->setSelectionMode(QAbstractItemView::SingleSelection);
    clboxStueckliste->setSelectionBehavior(QAbstractItemView::SelectRows);
    clboxStueckliste->setEditTriggers(QAbstractItemView::DoubleClicked |
                                      QAbstractItemView::EditKeyPressed);
    clboxStueckliste->setItemDelegateForColumn(TStuecklistenModell::AnzahlPos,
                                               new Anzahlfeld(clboxStueckliste));
    clboxStueckliste->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    clboxStueckliste->setWordWrap(false);
    clboxStueckliste->setShowGrid(false);
    clboxStueckliste->setAlternatingRowColors(true);
    clboxStueckliste->verticalHeader()->hide();
    clboxStueckliste->installEventFilter(this);
    hcStueckliste->setSectionsClickable(false);
    hcStueckliste->setSectionsMovable(false);
    hcStueckliste->setStretchLastSection(false);
    hcStueckliste->setMinimumSectionSize(0);
    hcStueckliste->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    hcStueckliste->setSectionResizeMode(QHeaderView::Interactive);

    lblAnzahlPos = new QLabel(pnlListe);
    seditAnzahlPos = new QSpinBox(pnlListe);
    seditAnzahlPos->setObjectName(QStringLiteral("seditAnzahlPos"));
    seditAnzahlPos->setRange(Stuecklistenbearbeitung::MinAnzahl,
                             Stuecklistenbearbeitung::MaxAnzahl);
    lblAnzahlPos->setBuddy(seditAnzahlPos);
    lblAktuelleAuswahl = new QLabel(pnlListe);
    stextAktuelleAuswahl = new QLabel(pnlListe);
    stextAktuelleAuswahl->setObjectName(QStringLiteral("stextAktuelleAuswahl"));
    stextAktuelleAuswahl->setFrameShape(QFrame::StyledPanel);
    stextAktuelleAuswahl->setTextInteractionFlags(Qt::TextSelectableByMouse);
    stextAktuelleAuswahl->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    BitBtnLoeschen = Knopf(pnlListe, "BitBtnLoeschen");
    lblZusatztext = new QLabel(pnlListe);
    memoZusatztext = new QPlainTextEdit(pnlListe);
    memoZusatztext->setObjectName(QStringLiteral("memoZusatztext"));
    memoZusatztext->setTabChangesFocus(true);
    TextgrenzeSetzen(memoZusatztext, [this] { fragen_.Meldung(TextZuLangMeldung()); });
    memoZusatztext->setMaximumHeight(6 * fontMetrics().height());
    lblZusatztext->setBuddy(memoZusatztext);

    auto* auswahl = new QGridLayout;
    auswahl->addWidget(lblAnzahlPos, 0, 0);
    auswahl->addWidget(seditAnzahlPos, 0, 1);
    auswahl->addWidget(BitBtnLoeschen, 0, 3);
    auswahl->addWidget(lblAktuelleAuswahl, 1, 0);
    auswahl->addWidget(stextAktuelleAuswahl, 1, 1, 1, 3);
    auswahl->setColumnStretch(2, 1);
    auto* listenLayout = new QVBoxLayout(pnlListe);
    listenLayout->setContentsMargins(0, 0, 0, 0);
    listenLayout->addWidget(clboxStueckliste, 1);
    listenLayout->addLayout(auswahl);
    listenLayout->addWidget(lblZusatztext);
    listenLayout->addWidget(memoZusatztext);

    scboxVorschau = new QScrollArea(this);
    scboxVorschau->setObjectName(QStringLiteral("scboxVorschau"));
    // A page narrower than the box stands in its middle, a wider one at its left edge.
    scboxVorschau->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    scboxVorschau->setBackgroundRole(QPalette::Dark);
    imgVorschau = new QLabel;
    imgVorschau->setObjectName(QStringLiteral("imgVorschau"));
    scboxVorschau->setWidget(imgVorschau);
    MemoInfoExport = new QLabel(this);
    MemoInfoExport->setObjectName(QStringLiteral("MemoInfoExport"));
    MemoInfoExport->setFrameShape(QFrame::StyledPanel);
    MemoInfoExport->setTextInteractionFlags(Qt::TextSelectableByMouse);

    BitBtnVorschau = Knopf(this, "BitBtnVorschau");
    BitBtnListe = Knopf(this, "BitBtnListe");
    BitBtnExport = Knopf(this, "BitBtnExport");
    BitBtnZWAblage = Knopf(this, "BitBtnZWAblage");
    BitBtnDrucken = Knopf(this, "BitBtnDrucken");
    OKBtn = Knopf(this, "OKBtn");
    auto* knoepfe = new QVBoxLayout;
    for (QPushButton* knopf :
         {BitBtnVorschau, BitBtnListe, BitBtnDrucken, BitBtnExport, BitBtnZWAblage}) {
        knoepfe->addWidget(knopf);
    }
    knoepfe->addStretch(1);
    knoepfe->addWidget(OKBtn);
    knoepfe->addWidget(new THilfeKnopf(QStringLiteral("MaskeStueckliste"), this));

    auto* inhalt = new QVBoxLayout;
    inhalt->addWidget(pnlListe, 1);
    inhalt->addWidget(scboxVorschau, 1);
    inhalt->addWidget(MemoInfoExport);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(inhalt, 1);
    layout->addLayout(knoepfe);

    dlgStuecklisteExport = new TStuecklistenExportDialog(this);

    SpaltenEinrichten();
    retranslateUi();
    AnsichtSetzen(false);
    resize(900, 600);

    connect(hcStueckliste, &QHeaderView::sectionResized, this,
            [this](int spalte, int, int neu) { SpaltenbreiteGeaendert(spalte, neu); });
    connect(clboxStueckliste->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &TfrmStueckliste::ZeileGewaehlt);
    connect(modell_, &QAbstractItemModel::dataChanged, this, &TfrmStueckliste::ModellGeaendert);
    connect(seditAnzahlPos, &QSpinBox::valueChanged, this, &TfrmStueckliste::AnzahlGeaendert);
    connect(BitBtnLoeschen, &QPushButton::clicked, this, &TfrmStueckliste::PositionLoeschen);
    connect(BitBtnVorschau, &QPushButton::clicked, this, &TfrmStueckliste::Vorschau);
    connect(BitBtnListe, &QPushButton::clicked, this, &TfrmStueckliste::Liste);
    connect(BitBtnDrucken, &QPushButton::clicked, this, &TfrmStueckliste::Drucken);
    connect(BitBtnExport, &QPushButton::clicked, this, &TfrmStueckliste::Exportieren);
    connect(BitBtnZWAblage, &QPushButton::clicked, this, &TfrmStueckliste::InZwischenablage);
    connect(OKBtn, &QPushButton::clicked, this, &TfrmStueckliste::Zurueck);
}

TfrmStueckliste::~TfrmStueckliste() = default;

void TfrmStueckliste::SpaltenEinrichten() {
    minBreite_.fill(0);
    maxBreite_.fill(0);
    minBreite_[0] = 30;
    maxBreite_[0] = 50;
    for (int i = 1; i <= 5; ++i) {
        minBreite_[static_cast<std::size_t>(i)] = 30;
        maxBreite_[static_cast<std::size_t>(i)] = 600;
    }
}

void TfrmStueckliste::retranslateUi() {
    setWindowTitle(tr("Varnel - TRV / ZEDE Shear Connectors - Connector Schedule"));
    lblAnzahlPos->setText(tr("Number of similar positions"));
    lblAktuelleAuswahl->setText(tr("Current Choice"));
    stextAktuelleAuswahl->setAccessibleName(tr("Current Choice"));
    lblZusatztext->setText(tr("Supplementary information to the connector schedule"));
    clboxStueckliste->setAccessibleName(tr("Connector Schedule"));
    scboxVorschau->setAccessibleName(tr("Preview"));
    BitBtnLoeschen->setText(tr("Position &Delete"));
    BitBtnVorschau->setText(tr("&Preview"));
    BitBtnListe->setText(tr("&List"));
    BitBtnExport->setText(tr("&Export"));
    BitBtnZWAblage->setText(tr("&Clipboard"));
    BitBtnDrucken->setText(tr("&Print"));
    OKBtn->setText(tr("&Back"));
    MemoInfoExport->setText(
        tr("When exporting a long connector schedule as graphic it has to be taken") +
        QLatin1Char('\n') +
        tr("into account that there are no page breaks beforehand in the graphic.") +
        QLatin1Char('\n') +
        tr("With long connector schedules you can divide the connector schedule") +
        QLatin1Char('\n') +
        tr("into two or more export files through deactivating of single positions."));

    // Section 0 is the window's own; the others are the program's column list. Each section
    // gets the width of its text (trailing blanks count) plus 25, within its limits.
    std::array<QString, Spalten> texte;
    texte[0] = tr("Active");
    const std::vector<std::string>& spalten = zustand_.Texte().StuecklistenSpalten();
    for (int i = 1; i < Spalten; ++i) {
        texte[static_cast<std::size_t>(i)] = Q(TKTextlisten::Text(spalten, i - 1));
    }
    QStringList titel;
    for (const QString& text : texte) {
        titel << text.trimmed(); // the blanks only widen the column; a reader need not hear them
    }
    modell_->SetSpaltentitel(titel);
    const QFontMetrics fm(hcStueckliste->font());
    for (int i = 0; i < Spalten; ++i) {
        const auto s = static_cast<std::size_t>(i);
        const int breite = i == 0 ? 45 : fm.horizontalAdvance(texte[s]) + 25;
        breite_[s] = std::clamp(breite, minBreite_[s], maxBreite_[s]);
        // The sections that are never shown are not columns of the table at all.
        if (i < hcStueckliste->count()) {
            hcStueckliste->resizeSection(i, breite_[s]);
        }
    }
    ZeilenhoehenSetzen();
}

void TfrmStueckliste::changeEvent(QEvent* ereignis) {
    if (ereignis->type() == QEvent::LanguageChange) {
        retranslateUi();
    }
    QDialog::changeEvent(ereignis);
}

void TfrmStueckliste::showEvent(QShowEvent* ereignis) {
    QDialog::showEvent(ereignis);
    // A fresh working copy each time the window is opened; a message box over the window
    // must not throw away what the user changed meanwhile.
    if (!ereignis->spontaneous()) {
        Laden();
    }
}

void TfrmStueckliste::Laden() {
    ladend_ = true;
    AnsichtSetzen(false);
    modell_->Neuladen();
    ZeilenhoehenSetzen();
    stextAktuelleAuswahl->clear();
    ladend_ = false;
    if (modell_->rowCount() > 0) {
        clboxStueckliste->setCurrentIndex(modell_->index(0, TStuecklistenModell::Aktiv));
    }
    memoZusatztext->setPlainText(
        Q(Stuecklistenbearbeitung::BemerkungText(zustand_.Modell().Stueckliste().GetBemerkung())));
    clboxStueckliste->setFocus();
}

void TfrmStueckliste::Uebernehmen() {
    bearbeitung_.Uebernehmen(memoZusatztext->toPlainText().toStdString());
    emit StuecklisteUebernommen();
}

void TfrmStueckliste::AnsichtSetzen(bool vorschau) {
    vorschauAnsicht_ = vorschau;
    pnlListe->setVisible(!vorschau);
    BitBtnVorschau->setVisible(!vorschau);
    scboxVorschau->setVisible(vorschau);
    BitBtnListe->setVisible(vorschau);
    BitBtnExport->setVisible(vorschau);
    BitBtnZWAblage->setVisible(vorschau);
    MemoInfoExport->setVisible(vorschau);
}

int TfrmStueckliste::GewaehlteZeile() const {
    const QModelIndexList gewaehlt = clboxStueckliste->selectionModel()->selectedRows();
    return gewaehlt.isEmpty() ? -1 : gewaehlt.front().row();
}

QString TfrmStueckliste::AktuelleAuswahl() const {
    return stextAktuelleAuswahl->text();
}

void TfrmStueckliste::ZeilenhoehenSetzen() {
    // One line per row; an entry with more than its ten strings gets a line for each further
    // one, as the schedule always showed it.
    const int h = clboxStueckliste->fontMetrics().height();
    const int grund = std::max(16, h + 4);
    clboxStueckliste->verticalHeader()->setDefaultSectionSize(grund);
    for (int zeile = 0; zeile < modell_->rowCount(); ++zeile) {
        const std::size_t n = bearbeitung_.Eintrag(zeile).size();
        if (n > stk::Felder) {
            clboxStueckliste->setRowHeight(zeile, grund + static_cast<int>(n - stk::Felder) * h);
        }
    }
}

void TfrmStueckliste::SpinwertSetzen(int zeile) {
    spinSelbst_ = true;
    seditAnzahlPos->setValue(bearbeitung_.Anzahl(zeile));
    spinSelbst_ = false;
}

void TfrmStueckliste::ZeileGewaehlt() {
    if (ladend_) {
        return;
    }
    const int zeile = GewaehlteZeile();
    if (!bearbeitung_.Gueltig(zeile)) {
        stextAktuelleAuswahl->clear();
        return;
    }
    const StuecklistenEintrag& e = bearbeitung_.Eintrag(zeile);
    SpinwertSetzen(zeile);
    stextAktuelleAuswahl->setText(tr("Position") + QStringLiteral(": ") +
                                  Q(Feld(e, stk::Position)) + QStringLiteral("  /  ") +
                                  Bezeichnung(e));
}

void TfrmStueckliste::ModellGeaendert(const QModelIndex& oben, const QModelIndex& unten) {
    // A count typed into the list shows in the spin edit of the selected entry.
    const int zeile = GewaehlteZeile();
    if (zeile >= oben.row() && zeile <= unten.row() &&
        oben.column() <= TStuecklistenModell::AnzahlPos &&
        unten.column() >= TStuecklistenModell::AnzahlPos) {
        SpinwertSetzen(zeile);
    }
}

void TfrmStueckliste::AnzahlGeaendert(int wert) {
    // Only the user's own change counts: a value the window sets when another entry is
    // chosen must not be written into any entry.
    const int zeile = GewaehlteZeile();
    if (spinSelbst_ || !seditAnzahlPos->hasFocus() || zeile < 0) {
        return;
    }
    modell_->setData(modell_->index(zeile, TStuecklistenModell::AnzahlPos), wert, Qt::EditRole);
}

void TfrmStueckliste::SpaltenbreiteGeaendert(int spalte, int neu) {
    if (spalte < 0 || spalte >= Spalten) {
        return;
    }
    const auto s = static_cast<std::size_t>(spalte);
    const int erlaubt = std::clamp(neu, minBreite_[s], maxBreite_[s]);
    if (erlaubt != neu) {
        hcStueckliste->resizeSection(spalte, erlaubt); // comes back here with the allowed width
        return;
    }
    breite_[s] = neu;
}

void TfrmStueckliste::PositionLoeschen() {
    const int zeile = GewaehlteZeile();
    if (zeile < 0) {
        return;
    }
    ladend_ = true;
    modell_->ZeileLoeschen(zeile);
    clboxStueckliste->clearSelection();
    clboxStueckliste->setCurrentIndex({});
    ladend_ = false;
    stextAktuelleAuswahl->clear();
}

void TfrmStueckliste::Zurueck() {
    Uebernehmen();
    stextAktuelleAuswahl->clear();
    accept();
}

void TfrmStueckliste::Vorschau() {
    AnsichtSetzen(true);
    Uebernehmen();
    const Sanduhr sanduhr;
    const TKModell& modell = zustand_.Modell();
    try {
        vorschau_ = StuecklisteVorschau(
            vorschauMasse_, GeometrieAusDrucker(druckerwahl_.Drucker()), BildschirmDpi,
            KopfAusModell(modell, modell.AktuelleAnwendung(), false), DruckdatenAusModell(modell));
    } catch (const std::range_error& e) {
        vorschau_ = QImage();
        fragen_.Meldung(tr("The preview could not be drawn: %1").arg(Q(e.what())));
    }
    imgVorschau->setPixmap(QPixmap::fromImage(vorschau_));
    imgVorschau->resize(vorschau_.size());
    BitBtnListe->setFocus();
}

void TfrmStueckliste::Liste() {
    AnsichtSetzen(false);
    clboxStueckliste->setFocus();
}

void TfrmStueckliste::Drucken() {
    Uebernehmen();
    QString vorschlag;
    if (!zustand_.Dateiname().isEmpty()) {
        const QFileInfo projekt(zustand_.Dateiname());
        vorschlag =
            projekt.dir().filePath(projekt.completeBaseName() + QStringLiteral(" - ") +
                                   Q(Ressource(res::StuecklisteTitel)) + QStringLiteral(".pdf"));
    }
    if (!druckerwahl_.DruckauftragVorbereiten(fragen_, vorschlag)) {
        return;
    }
    std::string fehler;
    bool ok = false;
    {
        const Sanduhr sanduhr;
        const TKModell& modell = zustand_.Modell();
        const Kopfdaten kopf = KopfAusModell(modell, modell.AktuelleAnwendung(), false);
        const StuecklistenDruckdaten daten = DruckdatenAusModell(modell);
        Seitenmasse masse; // the preview keeps its own metrics for a later export
        ok = DokumentDrucken(
            druckerwahl_.Drucker(),
            [&](QPrinter& drucker, std::string& grund) {
                return StuecklisteDrucken(drucker, masse, kopf, daten, grund);
            },
            fehler);
    }
    if (!ok) {
        fragen_.Meldung(tr("The connector schedule could not be printed: %1").arg(Q(fehler)));
    }
}

void TfrmStueckliste::Exportieren() {
    if (vorschau_.isNull()) {
        return;
    }
    dlgStuecklisteExport->NamenVorschlagen();
    if (dlgStuecklisteExport->exec() != QDialog::Accepted ||
        dlgStuecklisteExport->selectedFiles().isEmpty()) {
        return;
    }
    const StuecklistenExportTyp typ = dlgStuecklisteExport->Typ();
    const QString gewaehlt = dlgStuecklisteExport->selectedFiles().front();
    // The proposal "*.svg" is a pattern, never a file name.
    if (QFileInfo(gewaehlt).fileName().contains(QLatin1Char('*'))) {
        return;
    }
    const QString datei = ExportDateiname(gewaehlt, typ);
    // The dialog asked about the name typed; a file of the changed name is not replaced
    // without asking either.
    if (datei != gewaehlt && QFileInfo::exists(datei) &&
        !fragen_.JaNein(tr("%1 already exists.\nDo you want to replace it?")
                            .arg(QFileInfo(datei).fileName()))) {
        return;
    }
    std::string fehler;
    bool ok = false;
    {
        const Sanduhr sanduhr;
        ok = StuecklisteExportSchreiben(datei, typ, vorschau_, vorschauMasse_, zustand_.Modell(),
                                        fehler);
    }
    if (!ok) {
        // The text export has its own message; a picture names the file it could not write.
        fragen_.Meldung(typ == StuecklistenExportTyp::Text
                            ? Q(fehler)
                            : Bildexport::Speicherfehler(datei, fehler));
    }
}

void TfrmStueckliste::InZwischenablage() {
    if (!vorschau_.isNull()) {
        QApplication::clipboard()->setImage(vorschau_);
    }
}

bool TfrmStueckliste::eventFilter(QObject* objekt, QEvent* ereignis) {
    // Space switches the selected entry between active and not active, whichever cell of its
    // row has the focus (a cell being edited has its editor's keys).
    if (objekt == clboxStueckliste && ereignis->type() == QEvent::KeyPress) {
        const auto* taste = static_cast<QKeyEvent*>(ereignis);
        const int zeile = GewaehlteZeile();
        if ((taste->key() == Qt::Key_Space || taste->key() == Qt::Key_Select) &&
            taste->modifiers() == Qt::NoModifier && zeile >= 0) {
            modell_->setData(modell_->index(zeile, TStuecklistenModell::Aktiv),
                             bearbeitung_.Aktiv(zeile) ? Qt::Unchecked : Qt::Checked,
                             Qt::CheckStateRole);
            return true;
        }
    }
    return QDialog::eventFilter(objekt, ereignis);
}

void TfrmStueckliste::keyPressEvent(QKeyEvent* ereignis) {
    const int taste = ereignis->key();
    // Enter walks through the window (Shift+Enter backwards); the remark edit keeps its own
    // Enter for new lines and never passes it here.
    if ((taste == Qt::Key_Return || taste == Qt::Key_Enter) &&
        (ereignis->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier)) == 0) {
        focusNextPrevChild((ereignis->modifiers() & Qt::ShiftModifier) == 0);
        ereignis->accept();
        return;
    }
    QDialog::keyPressEvent(ereignis);
}

} // namespace trv
