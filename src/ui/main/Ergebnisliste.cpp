#include "ui/main/Ergebnisliste.h"

#include "calculation/Katalog.h"
#include "model/Modell.h"
#include "model/Textlisten.h"
#include "model/Zahlen.h"
#include "ui/main/Symbole.h"

#include <QEvent>
#include <QFontMetrics>
#include <QHeaderView>

namespace trv {

namespace {

enum Spalte { Dorn, Asx, Asy, Widerstand, Ausnutzung, Anzahl, Bemerkung, AnzahlSpalten };

} // namespace

TErgebnisliste::TErgebnisliste(QWidget* eltern) : QTreeWidget(eltern) {
    setObjectName(QStringLiteral("lvLastErgebnis"));
    setColumnCount(AnzahlSpalten);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setIconSize(QSize(16, 16));
    viewport()->setCursor(Qt::PointingHandCursor);
    header()->setSectionsClickable(false);
    header()->setStretchLastSection(true);
    header()->setSectionResizeMode(QHeaderView::Fixed);
    header()->setDefaultAlignment(Qt::AlignCenter);
    setColumnWidth(Dorn, 90);
    setColumnWidth(Anzahl, 30);
    connect(this, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* neu, QTreeWidgetItem*) {
                if (neu) {
                    emit TypGewaehlt(indexOfTopLevelItem(neu));
                }
            });
    retranslateUi();
}

void TErgebnisliste::retranslateUi() {
    setHeaderLabels(
        {tr("Connector"), tr("Asx"), tr("Asy"), tr("FRd"), tr("Vsd/VRd"), tr("nD"), tr("Remarks")});
    setAccessibleName(tr("Overview of the calculation"));
    setToolTip(tr("Overview of the calculation"));
    setStatusTip(tr("Overview of the calculation results"));
}

void TErgebnisliste::ErgebnislisteFuellen(const TKAnwendung& anwendung, const TKTextlisten& texte,
                                          char trenner) {
    const TKErgebnisse& ergebnisse = anwendung.Ergebnisse();
    {
        const QSignalBlocker sperre(this);
        clear();
        for (int i = 0; i < AnzDornTypen; ++i) {
            const TKDornErgebnis& e = ergebnisse.DornErgebnis(i);
            auto* zeile = new QTreeWidgetItem(this);
            const auto text = [&](Spalte s, const std::string& t) {
                zeile->setText(s, QString::fromStdString(t));
                zeile->setTextAlignment(s, (s == Dorn || s == Bemerkung)
                                               ? (Qt::AlignLeft | Qt::AlignVCenter)
                                               : Qt::Alignment(Qt::AlignCenter));
            };
            text(Dorn, DornName(i));
            text(Asx, ZahlFest(e.AsxIst(), 0, trenner));
            text(Asy, ZahlFest(e.AsyIst(), 0, trenner));
            text(Widerstand, ZahlFest(e.FRd(), 1, trenner));
            text(Ausnutzung, ZahlFest(e.EtaQ(), 2, trenner));
            text(Anzahl, std::to_string(ergebnisse.GetAnzDorn(i)));
            text(Bemerkung, TKTextlisten::Text(texte.StatusKurz(), e.Status()));
            zeile->setIcon(Dorn, StatusSymbol(e.Status()));
        }
    }
    const int akt = DornTypBegrenzt(ergebnisse.AktDorn());
    QTreeWidgetItem* gewaehlt = topLevelItem(akt);
    setCurrentItem(gewaehlt);
    scrollToItem(gewaehlt);
}

void TErgebnisliste::changeEvent(QEvent* ereignis) {
    QTreeWidget::changeEvent(ereignis);
    if (ereignis->type() == QEvent::LanguageChange) {
        retranslateUi();
    }
}

void TErgebnisliste::resizeEvent(QResizeEvent* ereignis) {
    QTreeWidget::resizeEvent(ereignis);
    // The five number columns share what the name, count and remark columns leave.
    const int rest = viewport()->width() - 90 - 30;
    const int breite = std::max(48, rest / 7);
    const QFontMetrics kopf(header()->font());
    for (int s : {Asx, Asy, Widerstand, Ausnutzung}) {
        // Never narrower than the column's head ("Vsd/VRd").
        setColumnWidth(s, std::max(breite, kopf.horizontalAdvance(headerItem()->text(s)) + 14));
    }
}

} // namespace trv
