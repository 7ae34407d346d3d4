#include "ui/main/Blattansicht.h"

#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>

namespace trv {

namespace {
constexpr int Abstand = 10;
}

// Paints the pages; its size is the area's width (at least a page's) by the pages' heights.
class TBlattansicht::Seitenflaeche : public QWidget {
public:
    explicit Seitenflaeche(const TBlattansicht& ansicht) : ansicht_(ansicht) {}

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter maler(this);
        maler.fillRect(rect(), palette().color(QPalette::Dark));
        int y = 0;
        const int x = ansicht_.SeitenLinks();
        for (const QImage& seite : ansicht_.Seiten()) {
            maler.drawImage(QPoint(x, y), seite);
            y += seite.height() + Abstand;
        }
    }

private:
    const TBlattansicht& ansicht_;
};

TBlattansicht::TBlattansicht(QWidget* eltern) : QScrollArea(eltern) {
    setObjectName(QStringLiteral("scBoxErgebnisse"));
    setFocusPolicy(Qt::StrongFocus);
    setWidgetResizable(false);
    flaeche_ = new Seitenflaeche(*this);
    flaeche_->setAutoFillBackground(false);
    setWidget(flaeche_);
}

void TBlattansicht::SeitenSetzen(std::vector<QImage> seiten) {
    seiten_ = std::move(seiten);
    FlaecheAnpassen();
    flaeche_->update();
}

int TBlattansicht::SeitenLinks() const {
    if (seiten_.empty()) {
        return 0;
    }
    const int frei = viewport()->width() - seiten_.front().width();
    return frei > 0 ? frei / 2 : 0;
}

void TBlattansicht::FlaecheAnpassen() {
    int hoehe = 0;
    int breite = 0;
    for (const QImage& seite : seiten_) {
        hoehe += seite.height() + Abstand;
        breite = std::max(breite, seite.width());
    }
    flaeche_->resize(std::max(breite, viewport()->width()), std::max(0, hoehe - Abstand));
}

void TBlattansicht::resizeEvent(QResizeEvent* ereignis) {
    QScrollArea::resizeEvent(ereignis);
    FlaecheAnpassen();
}

void TBlattansicht::keyPressEvent(QKeyEvent* ereignis) {
    QScrollBar* senkrecht = verticalScrollBar();
    QScrollBar* waagrecht = horizontalScrollBar();
    const int schritt = viewport()->height() / 3 * 2;
    switch (ereignis->key()) {
    case Qt::Key_PageDown:
        senkrecht->setValue(senkrecht->value() + schritt);
        return;
    case Qt::Key_PageUp:
        senkrecht->setValue(senkrecht->value() - schritt);
        return;
    case Qt::Key_Home:
        waagrecht->setValue(0);
        return;
    case Qt::Key_End:
        waagrecht->setValue(waagrecht->maximum());
        return;
    default:
        QScrollArea::keyPressEvent(ereignis);
    }
}

} // namespace trv
