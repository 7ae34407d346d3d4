#pragma once

#include <QImage>
#include <QWidget>

#include <functional>

namespace trv {

// The sketch image of the main window: the sketch is drawn anew into the widget's size on
// every resize and redraw request, at the screen's device pixel ratio so it stays sharp.
// A left or middle button press asks for the pop-up menu at the mouse position, as the right
// button does.
class TSkizzenbild : public QWidget {
    Q_OBJECT
public:
    // Draws the sketch into the rectangle (logical pixels); an empty function draws nothing.
    using Zeichner = std::function<void(QPainter&, const QRect&)>;

    explicit TSkizzenbild(QWidget* eltern = nullptr);

    void SetZeichner(Zeichner zeichner);
    // Asks for the picture to be drawn anew at the current size. Several requests before the
    // next paint draw once.
    void SkizzeZeichnen();
    // The picture as shown (device pixels, with its device pixel ratio), drawn now if a request
    // is pending.
    const QImage& Bild();

signals:
    void MenueGewuenscht(const QPoint& globalePosition);

protected:
    void paintEvent(QPaintEvent* ereignis) override;
    void resizeEvent(QResizeEvent* ereignis) override;
    void mousePressEvent(QMouseEvent* ereignis) override;
    void contextMenuEvent(QContextMenuEvent* ereignis) override;

private:
    void Rendern();

    Zeichner zeichner_;
    QImage bild_;
    bool veraltet_ = true;
};

} // namespace trv
