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
    // Redraws the picture at the current size.
    void SkizzeZeichnen();
    // The picture as shown (device pixels, with its device pixel ratio).
    const QImage& Bild() const { return bild_; }

signals:
    void MenueGewuenscht(const QPoint& globalePosition);

protected:
    void paintEvent(QPaintEvent* ereignis) override;
    void resizeEvent(QResizeEvent* ereignis) override;
    void mousePressEvent(QMouseEvent* ereignis) override;
    void contextMenuEvent(QContextMenuEvent* ereignis) override;

private:
    Zeichner zeichner_;
    QImage bild_;
};

} // namespace trv
