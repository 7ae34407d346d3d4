#include "ui/start/Splash.h"

#include "platform/Sprachmodule.h"
#include "printing/Druckbilder.h"
#include "ui/main/Symbole.h"
#include "ui/start/Sprachwahl.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace trv {

namespace {

constexpr QSize BildGroesse{640, 480};
constexpr QSize KnopfGroesse{170, 40};

struct Knopfangabe {
    int Kennung;
    const char* Name;    // object name of the button
    const char* Marker;  // object name of the marker
    const char* Anzeige; // the language's own name, the same in every language
    const char* Hinweis; // tool tip, translated: the language's name in the active language
};

constexpr std::array<Knopfangabe, 6> kKnoepfe{{
    {plattform::sprache::Deutsch, "sbtnDes", "imgDes", "Deutsch",
     QT_TRANSLATE_NOOP("trv::TfrmSplash", "Show the program in German")},
    {plattform::sprache::Englisch, "sbtnEng", "imgEng", "English",
     QT_TRANSLATE_NOOP("trv::TfrmSplash", "Show the program in English")},
    {plattform::sprache::Franzoesisch, "sbtnFra", "imgFra", "Fran\u00e7ais",
     QT_TRANSLATE_NOOP("trv::TfrmSplash", "Show the program in French")},
    {plattform::sprache::Italienisch, "sbtnIta", "imgIta", "Italiano",
     QT_TRANSLATE_NOOP("trv::TfrmSplash", "Show the program in Italian")},
    {plattform::sprache::Niederlaendisch, "sbtnNld", "imgNld", "Nederlands",
     QT_TRANSLATE_NOOP("trv::TfrmSplash", "Show the program in Dutch")},
    {plattform::sprache::Spanisch, "sbtnEsp", "imgEsp", "Espa\u00f1ol",
     QT_TRANSLATE_NOOP("trv::TfrmSplash", "Show the program in Spanish")},
}};

// Top left corner of the i-th language plate: two columns of three in the lower half.
QPoint PlattenEcke(int i) {
    return {110 + (i % 2) * 240, 268 + (i / 2) * 56};
}

// A cut through the joint: two slabs, the sleeve in the left one, the dowel across the gap.
void FugeZeichnen(QPainter& p) {
    const QColor beton(196, 200, 204);
    p.setPen(QPen(QColor(90, 96, 104), 1.5));
    p.setBrush(beton);
    p.drawRect(QRectF(40, 150, 270, 70));
    p.drawRect(QRectF(330, 150, 270, 70));
    // Sleeve with its plate at the joint face.
    p.setBrush(QColor(120, 130, 140));
    p.drawRect(QRectF(190, 175, 120, 20));
    p.drawRect(QRectF(304, 160, 6, 50));
    // The dowel.
    p.setBrush(QColor(70, 76, 84));
    p.drawRect(QRectF(200, 179, 250, 12));
    // Load arrow on the right slab.
    p.setPen(QPen(QColor(200, 40, 40), 3));
    p.drawLine(QPointF(470, 110), QPointF(470, 145));
    QPainterPath spitze;
    spitze.moveTo(462, 136);
    spitze.lineTo(470, 150);
    spitze.lineTo(478, 136);
    p.drawPath(spitze);
}

// The subtitle is in the active language.
QPixmap Titelbild(qreal dpr, const QString& untertitel) {
    QPixmap bild(BildGroesse * dpr);
    bild.setDevicePixelRatio(dpr);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient verlauf(0, 0, 0, BildGroesse.height());
    verlauf.setColorAt(0, QColor(28, 52, 84));
    verlauf.setColorAt(1, QColor(12, 26, 44));
    p.fillRect(QRect(QPoint(0, 0), BildGroesse), verlauf);
    p.fillRect(QRect(20, 20, 220, 74), Qt::white);
    BitmapAusRessource(p, LogoBild, QRect(26, 23, 208, 68));
    QFont titel(QStringLiteral("Arial"));
    titel.setPixelSize(26);
    titel.setBold(true);
    p.setFont(titel);
    p.setPen(Qt::white);
    p.drawText(QRect(260, 26, 360, 34), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("TRV / ZEDE"));
    titel.setPixelSize(18);
    titel.setBold(false);
    p.setFont(titel);
    p.drawText(QRect(260, 60, 360, 28), Qt::AlignLeft | Qt::AlignVCenter, untertitel);
    FugeZeichnen(p);
    p.setPen(QPen(QColor(255, 255, 255, 90), 1));
    p.setBrush(QColor(255, 255, 255, 28));
    for (int i = 0; i < 6; ++i) {
        p.drawRoundedRect(QRectF(QRect(PlattenEcke(i), KnopfGroesse)), 6, 6);
    }
    return bild;
}

} // namespace

TfrmSplash::TfrmSplash(Sprachwahl& wahl, QWidget* eltern) : QDialog(eltern), wahl_(wahl) {
    setObjectName(QStringLiteral("frmSplash"));
    imgTitelbild_ = new QLabel(this);
    imgTitelbild_->setObjectName(QStringLiteral("imgTitelbild"));
    imgTitelbild_->setFixedSize(BildGroesse);

    QFont schrift = font();
    schrift.setPointSizeF(schrift.pointSizeF() * 1.25);
    schrift.setBold(true);
    for (std::size_t i = 0; i < kKnoepfe.size(); ++i) {
        const Knopfangabe& k = kKnoepfe[i];
        auto* knopf = new QToolButton(imgTitelbild_);
        knopf->setObjectName(QString::fromLatin1(k.Name));
        knopf->setAutoRaise(true);
        knopf->setFont(schrift);
        knopf->setText(QString::fromUtf8(k.Anzeige));
        knopf->setAccessibleName(QString::fromUtf8(k.Anzeige));
        knopf->setFocusPolicy(Qt::StrongFocus);
        knopf->setStyleSheet(
            QStringLiteral("QToolButton { color: white; border: none; }"
                           "QToolButton:hover, QToolButton:focus { color: #ffd866; }"));
        knopf->setGeometry(QRect(PlattenEcke(static_cast<int>(i)), KnopfGroesse));
        auto* marker = new QLabel(imgTitelbild_);
        marker->setObjectName(QString::fromLatin1(k.Marker));
        marker->setPixmap(StatusSymbol(0).pixmap(16, 16));
        marker->setGeometry(PlattenEcke(static_cast<int>(i)).x() + KnopfGroesse.width() - 24,
                            PlattenEcke(static_cast<int>(i)).y() + 12, 16, 16);
        marker->hide();
        sprachen_[i] = {k.Kennung, knopf, marker, k.Hinweis};
        connect(knopf, &QToolButton::clicked, this,
                [this, kennung = k.Kennung] { SwitchLanguage(kennung); });
    }

    btnWeiter_ = new QPushButton(this);
    btnWeiter_->setObjectName(QStringLiteral("btnWeiter"));
    btnWeiter_->setDefault(true);
    btnWeiter_->setAutoDefault(true);
    connect(btnWeiter_, &QPushButton::clicked, this, &QDialog::accept);

    auto* unten = new QHBoxLayout;
    unten->addStretch();
    unten->addWidget(btnWeiter_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(imgTitelbild_);
    layout->addLayout(unten);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    retranslateUi();
    wahl_.Beginnen();
    MarkerZeigen();
    btnWeiter_->setFocus();
}

QToolButton* TfrmSplash::Sprachknopf(int kennung) const {
    for (const Sprachfeld& f : sprachen_) {
        if (f.Kennung == kennung) {
            return f.Knopf;
        }
    }
    return nullptr;
}

bool TfrmSplash::MarkerSichtbar(int kennung) const {
    for (const Sprachfeld& f : sprachen_) {
        if (f.Kennung == kennung) {
            return !f.Marker->isHidden();
        }
    }
    return false;
}

void TfrmSplash::SwitchLanguage(int kennung) {
    wahl_.Waehlen(kennung);
    MarkerZeigen();
}

void TfrmSplash::MarkerZeigen() {
    for (const Sprachfeld& f : sprachen_) {
        f.Marker->setVisible(f.Kennung == wahl_.Marker());
    }
}

void TfrmSplash::changeEvent(QEvent* ereignis) {
    if (ereignis->type() == QEvent::LanguageChange) {
        retranslateUi();
    }
    QDialog::changeEvent(ereignis);
}

void TfrmSplash::retranslateUi() {
    setWindowTitle(tr("Varnel - TRV / ZEDE Shear Connectors"));
    btnWeiter_->setText(tr("&Start Program"));
    imgTitelbild_->setPixmap(Titelbild(devicePixelRatioF(), tr("Shear Connectors")));
    for (const Sprachfeld& f : sprachen_) {
        f.Knopf->setToolTip(tr(f.Hinweis));
    }
}

} // namespace trv
