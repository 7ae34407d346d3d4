#include "ui/dialogs/Stueckliste.h"

#include "files/Ressourcen.h"
#include "model/Zahlen.h"
#include "printing/Ausgabedatei.h"
#include "printing/Seitenrahmen.h"
#include "printing/StuecklisteDruck.h"
#include "schedule/Stuecklistenregeln.h"
#include "ui/dialogs/StuecklisteExport.h"
#include "ui/dialogs/Textgrenze.h"
#include "ui/hilfe/Hilfe.h"
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
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QShowEvent>
#include <QSpinBox>
#include <QStandardItemModel>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace trv {

namespace {

constexpr int HakenBreite = 15; // the check box takes the first pixels of every row
constexpr int MinAnzahl = 1;
constexpr int MaxAnzahl = 99999;

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

// The whole-number value of a count as the schedule stores it, within the spin edit's range.
int Anzahl(const std::string& text) {
    const double wert = std::trunc(TextAlsZahl(text, MinAnzahl));
    return static_cast<int>(std::clamp(wert, double{MinAnzahl}, double{MaxAnzahl}));
}

// The designation with the additional item, as the list and the current choice show it.
QString Bezeichnung(const StuecklistenEintrag& e) {
    QString text = Q(Feld(e, stk::Bezeichnung));
    if (!Feld(e, stk::Zusatz).empty()) {
        text += QStringLiteral("  +  ") + Q(Feld(e, stk::Zusatz));
    }
    return text;
}

// One owner-drawn row per entry: the check box, then the entry's fields in the columns of
// the header above the list, clipped to them, and a rule under the texts.
class StuecklistenZeile : public QStyledItemDelegate {
public:
    StuecklistenZeile(const TKStueckliste& liste,
                      const std::array<int, TfrmStueckliste::Spalten>& w, QObject* eltern)
        : QStyledItemDelegate(eltern), liste_(liste), w_(w) {}

    void paint(QPainter* p, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyleOptionViewItem opt(option);
        initStyleOption(&opt, index);
        const QWidget* widget = opt.widget;
        QStyle* stil = widget != nullptr ? widget->style() : QApplication::style();
        const bool gewaehlt = (opt.state & QStyle::State_Selected) != 0;

        QStyleOptionViewItem grund(opt);
        grund.text.clear();
        grund.features &= ~QStyleOptionViewItem::HasCheckIndicator;
        stil->drawPrimitive(QStyle::PE_PanelItemViewItem, &grund, p, widget);

        QStyleOptionViewItem haken(opt);
        haken.rect = HakenRechteck(opt);
        haken.state &= ~QStyle::State_HasFocus;
        haken.state |= opt.checkState == Qt::Checked ? QStyle::State_On : QStyle::State_Off;
        stil->drawPrimitive(QStyle::PE_IndicatorItemViewItemCheck, &haken, p, widget);

        const auto& eintraege = liste_.Eintraege();
        if (index.row() < 0 || index.row() >= static_cast<int>(eintraege.size())) {
            return;
        }
        const StuecklistenEintrag& e = eintraege[static_cast<std::size_t>(index.row())];
        const int h = TextHoehe(opt);
        const int L = opt.rect.left();
        const int T = opt.rect.top() + 1;
        p->save();
        p->setFont(opt.font);
        p->setPen(opt.palette.color(gewaehlt ? QPalette::HighlightedText : QPalette::Text));
        int x = L + w_[0];
        const auto spalte = [&](int breite, const QString& text) {
            const QRect feld(x, T, breite, h);
            p->save();
            p->setClipRect(feld);
            p->drawText(feld.adjusted(2, 0, 0, 0),
                        Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
            p->restore();
            x += breite;
        };
        spalte(w_[1], Q(Feld(e, stk::Position)));
        spalte(w_[2], Q(Feld(e, stk::AnzahlPos)));
        spalte(w_[3], Q(Feld(e, stk::AnzahlDorne)));
        spalte(w_[4], Bezeichnung(e));
        spalte(w_[5], Q(Feld(e, stk::Summe)));
        p->setPen(opt.palette.color(QPalette::Mid));
        p->drawLine(L, T + h + 1, opt.rect.right(), T + h + 1);
        p->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        const int h = TextHoehe(option);
        int hoehe = std::max(16, h + 3);
        const auto& eintraege = liste_.Eintraege();
        if (index.row() >= 0 && index.row() < static_cast<int>(eintraege.size())) {
            const std::size_t n = eintraege[static_cast<std::size_t>(index.row())].size();
            // An entry with more than its ten strings gets a line for each further one.
            hoehe += n > stk::Felder ? static_cast<int>(n - stk::Felder) * h : 0;
        }
        int breite = 0;
        for (int w : w_) {
            breite += w;
        }
        return {breite, hoehe};
    }

    bool editorEvent(QEvent* ereignis, QAbstractItemModel* modell,
                     const QStyleOptionViewItem& option, const QModelIndex& index) override {
        if ((modell->flags(index) & Qt::ItemIsUserCheckable) == 0) {
            return false;
        }
        switch (ereignis->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseButtonRelease: {
            const auto* maus = static_cast<QMouseEvent*>(ereignis);
            const QRect bereich(option.rect.left(), option.rect.top(), HakenBreite,
                                option.rect.height());
            if (maus->button() != Qt::LeftButton || !bereich.contains(maus->position().toPoint())) {
                return false;
            }
            if (ereignis->type() != QEvent::MouseButtonRelease) {
                return true;
            }
            break;
        }
        case QEvent::KeyPress: {
            const int taste = static_cast<QKeyEvent*>(ereignis)->key();
            if (taste != Qt::Key_Space && taste != Qt::Key_Select) {
                return false;
            }
            break;
        }
        default:
            return false;
        }
        const bool an = index.data(Qt::CheckStateRole).toInt() == Qt::Checked;
        return modell->setData(index, an ? Qt::Unchecked : Qt::Checked, Qt::CheckStateRole);
    }

private:
    static int TextHoehe(const QStyleOptionViewItem& option) {
        return QFontMetrics(option.font).height();
    }
    static QRect HakenRechteck(const QStyleOptionViewItem& opt) {
        const int seite = std::min(13, opt.rect.height() - 2);
        return {opt.rect.left() + 1, opt.rect.top() + (opt.rect.height() - seite) / 2, seite,
                seite};
    }

    const TKStueckliste& liste_;
    const std::array<int, TfrmStueckliste::Spalten>& w_;
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
    : QDialog(eltern), zustand_(zustand), druckerwahl_(druckerwahl), fragen_(fragen) {
    setObjectName(QStringLiteral("frmStueckliste"));
    setMinimumSize(640, 480);
    setSizeGripEnabled(true);

    pnlListe = new QWidget(this);
    auto* rahmen = new QFrame(pnlListe);
    rahmen->setFrameShape(QFrame::StyledPanel);
    spaltenModell_ = new QStandardItemModel(0, Spalten, this);
    hcStueckliste = new QHeaderView(Qt::Horizontal, rahmen);
    hcStueckliste->setObjectName(QStringLiteral("hcStueckliste"));
    hcStueckliste->setModel(spaltenModell_);
    hcStueckliste->setSectionsClickable(false);
    hcStueckliste->setSectionsMovable(false);
    hcStueckliste->setStretchLastSection(false);
    hcStueckliste->setMinimumSectionSize(0);
    hcStueckliste->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    hcStueckliste->setSectionResizeMode(QHeaderView::Interactive);
    // One line of text: the padded column titles must not wrap into a tall header.
    hcStueckliste->setFixedHeight(hcStueckliste->fontMetrics().height() + 10);
    clboxStueckliste = new QListWidget(rahmen);
    clboxStueckliste->setObjectName(QStringLiteral("clboxStueckliste"));
    clboxStueckliste->setFrameShape(QFrame::NoFrame);
    clboxStueckliste->setSelectionMode(QAbstractItemView::SingleSelection);
    clboxStueckliste->setItemDelegate(
        new StuecklistenZeile(arbeitskopie_, breite_, clboxStueckliste));
    clboxStueckliste->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    auto* rahmenLayout = new QVBoxLayout(rahmen);
    rahmenLayout->setContentsMargins(1, 1, 1, 1);
    rahmenLayout->setSpacing(0);
    rahmenLayout->addWidget(hcStueckliste);
    rahmenLayout->addWidget(clboxStueckliste, 1);

    lblAnzahlPos = new QLabel(pnlListe);
    seditAnzahlPos = new QSpinBox(pnlListe);
    seditAnzahlPos->setObjectName(QStringLiteral("seditAnzahlPos"));
    seditAnzahlPos->setRange(MinAnzahl, MaxAnzahl);
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
    listenLayout->addWidget(rahmen, 1);
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
    connect(clboxStueckliste->horizontalScrollBar(), &QScrollBar::valueChanged, hcStueckliste,
            &QHeaderView::setOffset);
    connect(clboxStueckliste, &QListWidget::itemSelectionChanged, this,
            &TfrmStueckliste::ZeileGewaehlt);
    connect(clboxStueckliste, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) {
        HakenGeaendert(clboxStueckliste->row(item), item->checkState() == Qt::Checked);
    });
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
    const QFontMetrics fm(hcStueckliste->font());
    for (int i = 0; i < Spalten; ++i) {
        const auto s = static_cast<std::size_t>(i);
        spaltenModell_->setHeaderData(i, Qt::Horizontal, texte[s]);
        const int breite = i == 0 ? 45 : fm.horizontalAdvance(texte[s]) + 25;
        breite_[s] = std::clamp(breite, minBreite_[s], maxBreite_[s]);
        hcStueckliste->setSectionHidden(i, maxBreite_[s] == 0);
        if (maxBreite_[s] > 0) {
            hcStueckliste->resizeSection(i, breite_[s]);
        }
    }
    clboxStueckliste->doItemsLayout();
    clboxStueckliste->viewport()->update();
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
    arbeitskopie_ = TKStueckliste();
    clboxStueckliste->clear();
    const TKStueckliste& projekt = zustand_.Modell().Stueckliste();
    for (const StuecklistenEintrag& e : projekt.Eintraege()) {
        arbeitskopie_.EintragHinzufuegen(e);
        auto* item = new QListWidgetItem(Q(Feld(e, stk::Position)));
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(IstAktiv(e) ? Qt::Checked : Qt::Unchecked);
        clboxStueckliste->addItem(item);
    }
    stextAktuelleAuswahl->clear();
    ladend_ = false;
    if (clboxStueckliste->count() > 0) {
        clboxStueckliste->setCurrentRow(0);
    }
    QStringList zeilen;
    for (const std::string& zeile : projekt.GetBemerkung()) {
        zeilen << Q(zeile);
    }
    memoZusatztext->setPlainText(zeilen.join(QLatin1Char('\n')));
    clboxStueckliste->setFocus();
}

void TfrmStueckliste::Uebernehmen() {
    TKStueckliste& projekt = zustand_.Modell().Stueckliste();
    projekt.EintraegeLoeschen();
    for (const StuecklistenEintrag& e : arbeitskopie_.Eintraege()) {
        projekt.EintragHinzufuegen(e);
    }
    std::vector<std::string> zeilen;
    const QString text = memoZusatztext->toPlainText();
    if (!text.isEmpty()) {
        QStringList teile = text.split(QLatin1Char('\n'));
        // A line break after the last line starts no further line.
        if (teile.size() > 1 && teile.back().isEmpty()) {
            teile.removeLast();
        }
        for (const QString& zeile : teile) {
            zeilen.push_back(zeile.toStdString());
        }
    }
    projekt.SetBemerkung(std::move(zeilen));
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
    const QList<QListWidgetItem*> gewaehlt = clboxStueckliste->selectedItems();
    return gewaehlt.isEmpty() ? -1 : clboxStueckliste->row(gewaehlt.front());
}

QString TfrmStueckliste::AktuelleAuswahl() const {
    return stextAktuelleAuswahl->text();
}

void TfrmStueckliste::SpinwertSetzen(const StuecklistenEintrag& eintrag) {
    spinSelbst_ = true;
    seditAnzahlPos->setValue(Anzahl(Feld(eintrag, stk::AnzahlPos)));
    spinSelbst_ = false;
}

void TfrmStueckliste::ZeileGewaehlt() {
    if (ladend_) {
        return;
    }
    const int zeile = GewaehlteZeile();
    if (zeile < 0 || zeile >= arbeitskopie_.AnzEintraege()) {
        stextAktuelleAuswahl->clear();
        return;
    }
    const StuecklistenEintrag& e = arbeitskopie_.Eintraege()[static_cast<std::size_t>(zeile)];
    SpinwertSetzen(e);
    stextAktuelleAuswahl->setText(tr("Position") + QStringLiteral(": ") +
                                  Q(Feld(e, stk::Position)) + QStringLiteral("  /  ") +
                                  Bezeichnung(e));
}

void TfrmStueckliste::HakenGeaendert(int zeile, bool aktiv) {
    if (ladend_ || zeile < 0 || zeile >= arbeitskopie_.AnzEintraege()) {
        return;
    }
    StuecklistenEintrag e = arbeitskopie_.GetEintrag(zeile + 1);
    if (e.size() < stk::Felder) {
        e.resize(stk::Felder);
    }
    e[stk::Status] = Ressource(aktiv ? res::StatusAktiv : res::StatusNichtAktiv);
    arbeitskopie_.EintragErsetzen(std::move(e), zeile + 1);
}

void TfrmStueckliste::AnzahlGeaendert(int wert) {
    // Only the user's own change counts: a value the window sets when another entry is
    // chosen must not be written into any entry.
    const int zeile = GewaehlteZeile();
    if (spinSelbst_ || !seditAnzahlPos->hasFocus() || wert <= 0 || zeile < 0 ||
        zeile >= arbeitskopie_.AnzEintraege()) {
        return;
    }
    StuecklistenEintrag e = arbeitskopie_.GetEintrag(zeile + 1);
    AnzahlPositionenSetzen(e, wert);
    arbeitskopie_.EintragErsetzen(std::move(e), zeile + 1);
    clboxStueckliste->viewport()->update();
}

void TfrmStueckliste::SpaltenbreiteGeaendert(int spalte, int neu) {
    if (spalte < 0 || spalte >= Spalten) {
        return;
    }
    const auto s = static_cast<std::size_t>(spalte);
    if (hcStueckliste->isSectionHidden(spalte)) {
        breite_[s] = 0;
        return;
    }
    const int erlaubt = std::clamp(neu, minBreite_[s], maxBreite_[s]);
    if (erlaubt != neu) {
        hcStueckliste->resizeSection(spalte, erlaubt); // comes back here with the allowed width
        return;
    }
    breite_[s] = neu;
    clboxStueckliste->doItemsLayout();
    clboxStueckliste->viewport()->update();
}

void TfrmStueckliste::PositionLoeschen() {
    const int zeile = GewaehlteZeile();
    if (zeile < 0) {
        return;
    }
    arbeitskopie_.EintragLoeschen(zeile + 1);
    ladend_ = true;
    delete clboxStueckliste->takeItem(zeile);
    clboxStueckliste->clearSelection();
    clboxStueckliste->setCurrentRow(-1);
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
        fragen_.Meldung(Q(fehler));
    }
}

void TfrmStueckliste::InZwischenablage() {
    if (!vorschau_.isNull()) {
        QApplication::clipboard()->setImage(vorschau_);
    }
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
