#include "ui/dialogs/Projektverwaltung.h"

#include "files/Explorer.h"
#include "platform/Dateinamen.h"
#include "ui/dialogs/Fokuswechsel.h"
#include "ui/dialogs/Hinweisleiste.h"
#include "ui/hilfe/Hilfe.h"

#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QScrollBar>
#include <QStandardItemModel>
#include <QTimer>
#include <QTreeView>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <filesystem>

namespace trv {

namespace {

namespace fs = std::filesystem;

QString Text(const std::string& s) {
    return QString::fromStdString(s);
}

// A folder as the window keeps it: absolute and clean, so the tree's name and a stored one
// compare equal.
QString OrdnerName(const QString& ordner) {
    return ordner.isEmpty() ? QString() : QDir::cleanPath(QFileInfo(ordner).absoluteFilePath());
}

} // namespace

TfrmProjektverwaltung::TfrmProjektverwaltung(Projektbefehle& befehle, Rueckfragen& fragen,
                                             QWidget* eltern)
    : QDialog(eltern), auswahl_(befehle, fragen) {
    setObjectName(QStringLiteral("frmProjektverwaltung"));
    setModal(true);

    ordnerModell_ = new QFileSystemModel(this);
    ordnerModell_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
    ordnerModell_->setRootPath(QDir::rootPath());
    dateiModell_ = new QStandardItemModel(this);

    lblOrdner_ = new QLabel(this);
    lblDateien_ = new QLabel(this);
    lblPositionen_ = new QLabel(this);

    DirectoryListBox_ = new QTreeView(this);
    DirectoryListBox_->setObjectName(QStringLiteral("DirectoryListBox"));
    DirectoryListBox_->setModel(ordnerModell_);
    for (int spalte = 1; spalte < ordnerModell_->columnCount(); ++spalte) {
        DirectoryListBox_->hideColumn(spalte);
    }
    DirectoryListBox_->setHeaderHidden(true);
    DirectoryListBox_->setMinimumSize(240, 200);

    FileListBox_ = new QListView(this);
    FileListBox_->setObjectName(QStringLiteral("FileListBox"));
    FileListBox_->setModel(dateiModell_);
    FileListBox_->setSelectionMode(QAbstractItemView::SingleSelection);
    FileListBox_->setMinimumSize(200, 200);

    lvProjektinhalte_ = new QTreeWidget(this);
    lvProjektinhalte_->setObjectName(QStringLiteral("lvProjektinhalte"));
    lvProjektinhalte_->setColumnCount(TKExplorer::Spalten + 1);
    lvProjektinhalte_->setRootIsDecorated(false);
    lvProjektinhalte_->setSelectionMode(QAbstractItemView::SingleSelection);
    lvProjektinhalte_->setSelectionBehavior(QAbstractItemView::SelectRows);
    lvProjektinhalte_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lvProjektinhalte_->setAllColumnsShowFocus(true);
    lvProjektinhalte_->setMinimumHeight(140);
    lblOrdner_->setBuddy(DirectoryListBox_);
    lblDateien_->setBuddy(FileListBox_);
    lblPositionen_->setBuddy(lvProjektinhalte_);

    OKBtn_ = new QPushButton(this);
    Button1_ = new QPushButton(this);
    CancelBtn_ = new QPushButton(this);
    for (QPushButton* k : {OKBtn_, Button1_, CancelBtn_}) {
        k->setAutoDefault(false);
    }
    sbInfo_ = new Hinweisleiste(this);

    auto* oben = new QGridLayout;
    oben->addWidget(lblOrdner_, 0, 0);
    oben->addWidget(lblDateien_, 0, 1);
    oben->addWidget(DirectoryListBox_, 1, 0);
    oben->addWidget(FileListBox_, 1, 1);
    oben->setColumnStretch(0, 3);
    oben->setColumnStretch(1, 2);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    knoepfe->addWidget(OKBtn_);
    knoepfe->addWidget(Button1_);
    knoepfe->addWidget(CancelBtn_);
    knoepfe->addWidget(new THilfeKnopf(QStringLiteral("MaskeProjektverwaltung"), this));
    auto* haupt = new QVBoxLayout(this);
    haupt->addLayout(oben, 3);
    haupt->addWidget(lblPositionen_);
    haupt->addWidget(lvProjektinhalte_, 2);
    haupt->addLayout(knoepfe);
    haupt->addWidget(sbInfo_);

    setTabOrder(DirectoryListBox_, FileListBox_);
    setTabOrder(FileListBox_, lvProjektinhalte_);
    setTabOrder(lvProjektinhalte_, OKBtn_);
    setTabOrder(OKBtn_, Button1_);
    setTabOrder(Button1_, CancelBtn_);

    connect(DirectoryListBox_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& aktuell) {
                const QString ordner =
                    aktuell.isValid() ? OrdnerName(ordnerModell_->filePath(aktuell)) : QString();
                if (ordner.isEmpty() || ordner == ordner_) {
                    return; // nothing, or the folder this window chose itself
                }
                // The user's own choice is in view already. Scrolling now, while the view
                // is still handling the click, would select the folder that moves under the
                // mouse instead of the one clicked.
                ordnerBenutzt_ = true;
                OrdnerSetzen(ordner);
            });
    // The folders load and sort in the background: the chosen one is brought into view each
    // time the tree changes, until the user takes the tree in hand.
    const auto zeigen = [this] {
        if (!ordnerBenutzt_) {
            OrdnerZeigen();
        }
    };
    connect(ordnerModell_, &QFileSystemModel::directoryLoaded, this, zeigen);
    connect(ordnerModell_, &QFileSystemModel::layoutChanged, this, zeigen);
    connect(DirectoryListBox_, &QTreeView::pressed, this, [this] { ordnerBenutzt_ = true; });
    connect(DirectoryListBox_->verticalScrollBar(), &QScrollBar::actionTriggered, this,
            [this] { ordnerBenutzt_ = true; });
    connect(FileListBox_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& aktuell) {
                const QString datei =
                    aktuell.isValid() ? aktuell.data(Qt::UserRole).toString() : QString();
                if (datei != datei_) {
                    datei_ = datei;
                    PositionenLesen();
                }
            });
    connect(lvProjektinhalte_, &QTreeWidget::itemSelectionChanged, this,
            &TfrmProjektverwaltung::KnoepfeSetzen);
    connect(lvProjektinhalte_, &QTreeWidget::itemDoubleClicked, this,
            &TfrmProjektverwaltung::Uebernehmen);
    connect(OKBtn_, &QPushButton::clicked, this, &TfrmProjektverwaltung::Uebernehmen);
    connect(Button1_, &QPushButton::clicked, this, &TfrmProjektverwaltung::Oeffnen);
    connect(CancelBtn_, &QPushButton::clicked, this, &QDialog::reject);
    new Fokuswechsel(this);
    retranslateUi();
    resize(760, 560);

    OrdnerWaehlen(auswahl_.Ordner());
}

void TfrmProjektverwaltung::retranslateUi() {
    setWindowTitle(tr("Varnel - Project Administration"));
    lblOrdner_->setText(tr("Folders"));
    lblDateien_->setText(tr("Project files"));
    lblPositionen_->setText(tr("Positions"));
    lvProjektinhalte_->setHeaderLabels({tr("No."), tr("Prog"), tr("Project"), tr("Position"),
                                        tr("Connection Type"), tr("Length of Joint"), tr("Date")});
    HinweisSetzen(DirectoryListBox_, tr("Folders"), tr("Choose the folder of the project files"));
    HinweisSetzen(FileListBox_, tr("Project files"),
                  tr("Choose a project file to list its positions"));
    HinweisSetzen(lvProjektinhalte_, tr("Positions"),
                  tr("Positions of the selected project file; a double click takes one over"));
    OKBtn_->setText(tr("Position &Undertake"));
    HinweisSetzen(OKBtn_, tr("Position &Undertake").remove(QLatin1Char('&')),
                  tr("Take the selected position over into the current project"));
    Button1_->setText(tr("&Open Project"));
    HinweisSetzen(Button1_, tr("&Open Project").remove(QLatin1Char('&')),
                  tr("Open the selected file as the project"));
    CancelBtn_->setText(tr("Cancel"));
    HinweisSetzen(CancelBtn_, tr("Cancel"), tr("Close the window without action"));
    DirectoryListBox_->setAccessibleName(tr("Folders"));
    FileListBox_->setAccessibleName(tr("Project files"));
    lvProjektinhalte_->setAccessibleName(tr("Positions"));
    for (int i = 0; i < lvProjektinhalte_->topLevelItemCount(); ++i) {
        lvProjektinhalte_->topLevelItem(i)->setText(0, tr("No: ") + QString::number(i + 1));
    }
}

void TfrmProjektverwaltung::changeEvent(QEvent* ereignis) {
    if (ereignis->type() == QEvent::LanguageChange) {
        retranslateUi();
    }
    QDialog::changeEvent(ereignis);
}

void TfrmProjektverwaltung::OrdnerWaehlen(const QString& ordner) {
    if (OrdnerSetzen(OrdnerName(ordner))) {
        OrdnerZeigen();
    }
}

bool TfrmProjektverwaltung::OrdnerSetzen(const QString& sauber) {
    if (sauber.isEmpty() || sauber == ordner_ || !QFileInfo(sauber).isDir()) {
        return false;
    }
    ordner_ = sauber;
    auswahl_.SetOrdner(ordner_);
    const QModelIndex index = ordnerModell_->index(ordner_);
    if (index.isValid() && DirectoryListBox_->currentIndex() != index) {
        DirectoryListBox_->setCurrentIndex(index);
    }
    DateienLesen();
    FileListBox_->clearSelection();
    datei_.clear();
    PositionenLesen();
    return true;
}

void TfrmProjektverwaltung::showEvent(QShowEvent* ereignis) {
    QDialog::showEvent(ereignis);
    // A hidden view cannot scroll; once laid out it shows the folder.
    QTimer::singleShot(0, this, &TfrmProjektverwaltung::OrdnerZeigen);
}

void TfrmProjektverwaltung::OrdnerZeigen() {
    const QModelIndex index = ordnerModell_->index(ordner_);
    for (QModelIndex oben = index.parent(); oben.isValid(); oben = oben.parent()) {
        DirectoryListBox_->expand(oben);
    }
    DirectoryListBox_->scrollTo(index, QAbstractItemView::PositionAtCenter);
}

void TfrmProjektverwaltung::DateienLesen() {
    dateiModell_->clear();
    std::vector<std::string> namen;
    std::error_code ec;
    for (fs::directory_iterator it(plattform::PfadAusName(ordner_), ec), ende; !ec && it != ende;
         it.increment(ec)) {
        std::error_code typ;
        std::string name = it->path().filename().native();
        // Result sheets in PDF carry their project and are listed beside the project files.
        const QString endung =
            name.size() > 4 ? QString::fromLatin1(name.substr(name.size() - 4)) : QString();
        if (it->is_regular_file(typ) &&
            (endung.compare(QStringLiteral(".TRV"), Qt::CaseInsensitive) == 0 ||
             endung.compare(QStringLiteral(".PDF"), Qt::CaseInsensitive) == 0)) {
            namen.push_back(std::move(name));
        }
    }
    std::sort(namen.begin(), namen.end(), [](const std::string& a, const std::string& b) {
        return plattform::NameAusBytes(a).compare(plattform::NameAusBytes(b), Qt::CaseInsensitive) <
               0;
    });
    const QString praefix =
        ordner_.endsWith(QLatin1Char('/')) ? ordner_ : ordner_ + QLatin1Char('/');
    for (const std::string& name : namen) {
        const QString datei = plattform::NameAusBytes(name);
        auto* eintrag = new QStandardItem(plattform::NameAnzeige(datei));
        eintrag->setData(praefix + datei, Qt::UserRole);
        eintrag->setEditable(false);
        if (!plattform::NameDarstellbar(datei)) {
            eintrag->setToolTip(tr("The name of this file holds bytes that are no text; they "
                                   "are shown as \uFFFD."));
        }
        dateiModell_->appendRow(eintrag);
    }
}

void TfrmProjektverwaltung::DateiWaehlen(const QString& datei) {
    if (!datei.isEmpty()) {
        const fs::path pfad = plattform::PfadAusName(plattform::AbsoluterName(datei));
        OrdnerWaehlen(plattform::NameAusBytes(pfad.parent_path().native()));
        const QString name = plattform::NameAusBytes(pfad.filename().native());
        for (int zeile = 0; zeile < dateiModell_->rowCount(); ++zeile) {
            const QModelIndex index = dateiModell_->index(zeile, 0);
            if (index.data(Qt::UserRole).toString().endsWith(QLatin1Char('/') + name)) {
                const QSignalBlocker stumm(FileListBox_->selectionModel());
                FileListBox_->setCurrentIndex(index);
            }
        }
    }
    datei_ = datei;
    PositionenLesen();
}

void TfrmProjektverwaltung::PositionenLesen() {
    lvProjektinhalte_->clear();
    if (!datei_.isEmpty()) {
        const auto zeilen = auswahl_.Positionen(datei_);
        int nr = 0;
        for (const std::vector<std::string>& zeile : zeilen) {
            QStringList spalten{tr("No: ") + QString::number(++nr)};
            for (const std::string& text : zeile) {
                spalten << Text(text);
            }
            lvProjektinhalte_->addTopLevelItem(new QTreeWidgetItem(spalten));
        }
        for (int spalte = 0; spalte < lvProjektinhalte_->columnCount(); ++spalte) {
            lvProjektinhalte_->resizeColumnToContents(spalte);
        }
    }
    KnoepfeSetzen();
}

void TfrmProjektverwaltung::KnoepfeSetzen() {
    Button1_->setEnabled(!datei_.isEmpty());
    OKBtn_->setEnabled(!lvProjektinhalte_->selectedItems().isEmpty());
}

void TfrmProjektverwaltung::Uebernehmen() {
    const QList<QTreeWidgetItem*> gewaehlt = lvProjektinhalte_->selectedItems();
    if (gewaehlt.isEmpty() || datei_.isEmpty()) {
        reject();
        return;
    }
    const int zeile = lvProjektinhalte_->indexOfTopLevelItem(gewaehlt.front());
    if (auswahl_.PositionUebernehmen(datei_, zeile)) {
        ergebnis_ = Verwaltungsergebnis::PositionUebernommen;
        accept();
    }
}

void TfrmProjektverwaltung::Oeffnen() {
    if (datei_.isEmpty()) {
        return;
    }
    if (auswahl_.ProjektOeffnen(datei_)) {
        ergebnis_ = Verwaltungsergebnis::ProjektGeoeffnet;
        accept();
        return;
    }
    reject();
}

Verwaltungsergebnis ProjektverwaltungOeffnen(QWidget* eltern, Projektbefehle& befehle,
                                             Rueckfragen& fragen) {
    TfrmProjektverwaltung fenster(befehle, fragen, eltern);
    fenster.exec();
    return fenster.Ergebnis();
}

} // namespace trv
