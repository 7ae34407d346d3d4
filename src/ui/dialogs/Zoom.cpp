#include "ui/dialogs/Zoom.h"

#include "sketches/Skizzen.h"
#include "sketches/Skizzenanzeige.h"
#include "ui/main/Bildexport.h"
#include "ui/main/Projektzustand.h"

#include <QContextMenuEvent>
#include <QEvent>
#include <QMenu>
#include <QPainter>
#include <QPushButton>

namespace trv {

namespace {

constexpr int ClientBreite = 439;
constexpr int ClientHoehe = 378;
constexpr int KnopfBreite = 68;
constexpr int KnopfHoehe = 21;
// Left edges of the buttons in the window as created; they keep their distance to the
// lower right corner.
constexpr int KnopfLinks[] = {225, 298, 370};
constexpr int KnopfOben = 357;
// A tool window of the main window: it stays in front of it while the user works there and
// watches the sketch follow; its title bar has only maximise and close.
constexpr Qt::WindowFlags Fensterart = Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                       Qt::WindowSystemMenuHint | Qt::WindowMaximizeButtonHint |
                                       Qt::WindowCloseButtonHint;

} // namespace

Zoombild::Zoombild(QWidget* eltern) : QWidget(eltern) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void Zoombild::SetBild(QImage bild) {
    bild_ = std::move(bild);
    update();
}

void Zoombild::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    if (!bild_.isNull()) {
        p.drawImage(QPoint(0, 0), bild_);
    }
}

void Zoombild::contextMenuEvent(QContextMenuEvent* event) {
    if (menue_) {
        menue_->popup(event->globalPos());
    }
}

TfrmZoom::TfrmZoom(Projektzustand& zustand, Bildexport& export_, QWidget* hauptfenster)
    : QWidget(hauptfenster, Fensterart), zustand_(zustand), export_(export_),
      imgZoom_(new Zoombild(this)), btnInZwischenablage_(new QPushButton(this)),
      btnInDatei_(new QPushButton(this)), bntSchliessen_(new QPushButton(this)),
      popmnuExpotieren_(new QMenu(this)),
      popmnuInZwischenablage_(popmnuExpotieren_->addAction(QString())),
      popmnuInDatei_(popmnuExpotieren_->addAction(QString())),
      popmnuSchliessen_(popmnuExpotieren_->addAction(QString())) {
    setObjectName(QStringLiteral("frmZoom"));
    imgZoom_->setObjectName(QStringLiteral("imgZoom"));
    btnInZwischenablage_->setObjectName(QStringLiteral("btnInZwischenablage"));
    btnInDatei_->setObjectName(QStringLiteral("btnInDatei"));
    bntSchliessen_->setObjectName(QStringLiteral("bntSchliessen"));
    imgZoom_->SetMenue(popmnuExpotieren_);
    imgZoom_->lower();
    resize(ClientBreite, ClientHoehe);

    connect(btnInZwischenablage_, &QPushButton::clicked, this, &TfrmZoom::Kopieren);
    connect(popmnuInZwischenablage_, &QAction::triggered, this, &TfrmZoom::Kopieren);
    connect(btnInDatei_, &QPushButton::clicked, this, &TfrmZoom::Exportieren);
    connect(popmnuInDatei_, &QAction::triggered, this, &TfrmZoom::Exportieren);
    connect(bntSchliessen_, &QPushButton::clicked, this, &QWidget::close);
    connect(popmnuSchliessen_, &QAction::triggered, this, &QWidget::close);
    retranslateUi();
    // A hidden window gets its resize event only when shown; the picture is kept up to date
    // from the start.
    imgZoom_->setGeometry(rect());
    KnoepfeSetzen();
    Zeichnen();
}

void TfrmZoom::retranslateUi() {
    setWindowTitle(tr("Zoom"));
    imgZoom_->setAccessibleName(tr("Enlarged sketch"));
    btnInZwischenablage_->setText(tr("&Copy"));
    btnInZwischenablage_->setToolTip(tr("Copy printout of results to clipboard"));
    btnInZwischenablage_->setStatusTip(tr("Copy printout of results to clipboard"));
    btnInDatei_->setText(tr("&Export"));
    btnInDatei_->setToolTip(tr("Export printout of results in file"));
    btnInDatei_->setStatusTip(tr("Export printout of results in file"));
    bntSchliessen_->setText(tr("&Close"));
    bntSchliessen_->setToolTip(tr("Close window"));
    bntSchliessen_->setStatusTip(tr("Close window"));
    popmnuInZwischenablage_->setText(tr("Sketch to &Clipborad"));
    popmnuInDatei_->setText(tr("Save sketch in file"));
    popmnuSchliessen_->setText(tr("&Close window"));
}

void TfrmZoom::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        retranslateUi();
    } else if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        zustand_.Modell().SetTempFlag(false);
        Zeichnen();
    }
    QWidget::changeEvent(event);
}

void TfrmZoom::KnoepfeSetzen() {
    QPushButton* knoepfe[] = {btnInZwischenablage_, btnInDatei_, bntSchliessen_};
    for (int i = 0; i < 3; ++i) {
        knoepfe[i]->setGeometry(width() - (ClientBreite - KnopfLinks[i]),
                                height() - (ClientHoehe - KnopfOben), KnopfBreite, KnopfHoehe);
        knoepfe[i]->raise();
    }
}

void TfrmZoom::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    imgZoom_->setGeometry(rect());
    KnoepfeSetzen();
    Zeichnen();
}

const QImage& TfrmZoom::Bild() const {
    return imgZoom_->Bild();
}

void TfrmZoom::Zeichnen() {
    const qreal faktor = devicePixelRatioF();
    const QSize groesse = imgZoom_->size();
    QImage bild(groesse * faktor, QImage::Format_RGB32);
    bild.setDevicePixelRatio(faktor);
    bild.fill(Qt::white);
    const TKModell& modell = zustand_.Modell();
    const int anzeige = modell.SkizzeAnzeige();
    if (anzeige <= 4 && !groesse.isEmpty()) {
        const TKSkizzen skizzen(modell, zustand_.Anwendung(), zustand_.Farben(),
                                zustand_.Dezimaltrenner());
        QPainter canvas(&bild);
        SkizzeNachAnzeigeZeichnen(canvas, QRect(QPoint(0, 0), groesse), skizzen, anzeige);
    }
    imgZoom_->SetBild(std::move(bild));
}

void TfrmZoom::Zeigen() {
    if (!platziert_ && parentWidget()) {
        const QRect haupt = parentWidget()->window()->geometry();
        move(haupt.center() - rect().center());
        platziert_ = true;
    }
    show();
    raise();
    activateWindow();
}

void TfrmZoom::Kopieren() {
    Bildexport::BildInZwischenablage(imgZoom_->Bild());
}

void TfrmZoom::Exportieren() {
    export_.BildExportieren(Bildquelle::Zoom, imgZoom_->Bild());
}

} // namespace trv
