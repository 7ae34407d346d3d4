#include "ui/main/Skizzenbild.h"

#include <QContextMenuEvent>
#include <QMouseEvent>
#include <QPainter>

namespace trv {

TSkizzenbild::TSkizzenbild(QWidget* eltern) : QWidget(eltern) {
    setObjectName(QStringLiteral("imgAnsicht"));
    setMinimumSize(200, 150);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TSkizzenbild::SetZeichner(Zeichner zeichner) {
    zeichner_ = std::move(zeichner);
    SkizzeZeichnen();
}

void TSkizzenbild::SkizzeZeichnen() {
    veraltet_ = true;
    update();
}

const QImage& TSkizzenbild::Bild() {
    if (veraltet_) {
        Rendern();
    }
    return bild_;
}

void TSkizzenbild::Rendern() {
    veraltet_ = false;
    const qreal dpr = devicePixelRatioF();
    bild_ = QImage((QSizeF(size()) * dpr).toSize(), QImage::Format_RGB32);
    bild_.setDevicePixelRatio(dpr);
    bild_.fill(palette().color(QPalette::Window));
    if (zeichner_ && !bild_.isNull()) {
        QPainter maler(&bild_);
        maler.setRenderHint(QPainter::Antialiasing);
        maler.setRenderHint(QPainter::TextAntialiasing);
        zeichner_(maler, rect());
    }
}

void TSkizzenbild::paintEvent(QPaintEvent*) {
    if (veraltet_ || bild_.size() != (QSizeF(size()) * devicePixelRatioF()).toSize()) {
        Rendern();
    }
    QPainter maler(this);
    if (bild_.isNull()) {
        maler.fillRect(rect(), palette().color(QPalette::Window));
        return;
    }
    maler.drawImage(QPoint(0, 0), bild_);
}

void TSkizzenbild::resizeEvent(QResizeEvent*) {
    SkizzeZeichnen();
}

void TSkizzenbild::mousePressEvent(QMouseEvent* ereignis) {
    if (ereignis->button() == Qt::LeftButton || ereignis->button() == Qt::MiddleButton) {
        emit MenueGewuenscht(ereignis->globalPosition().toPoint());
        return;
    }
    QWidget::mousePressEvent(ereignis);
}

void TSkizzenbild::contextMenuEvent(QContextMenuEvent* ereignis) {
    emit MenueGewuenscht(ereignis->globalPos());
}

} // namespace trv
