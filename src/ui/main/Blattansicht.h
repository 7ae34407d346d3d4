#pragma once

#include <QImage>
#include <QScrollArea>

#include <vector>

namespace trv {

// The result sheet area: the page images one below the other, 10 px apart, centred when the
// area is wider than a page. Page Up/Down scroll by two thirds of the visible height, Home and
// End to the left and right edge.
class TBlattansicht : public QScrollArea {
    Q_OBJECT
public:
    explicit TBlattansicht(QWidget* eltern = nullptr);

    void SeitenSetzen(std::vector<QImage> seiten);
    const std::vector<QImage>& Seiten() const { return seiten_; }
    // Left edge of the pages inside the area (0 when the area is narrower than a page).
    int SeitenLinks() const;

protected:
    void keyPressEvent(QKeyEvent* ereignis) override;
    void resizeEvent(QResizeEvent* ereignis) override;

private:
    class Seitenflaeche;
    void FlaecheAnpassen();

    std::vector<QImage> seiten_;
    Seitenflaeche* flaeche_;
};

} // namespace trv
