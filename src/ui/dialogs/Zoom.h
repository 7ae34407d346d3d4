#pragma once

#include <QImage>
#include <QWidget>

class QAction;
class QMenu;
class QPushButton;

namespace trv {

class Bildexport;
class Projektzustand;

// The picture of the zoom window: shows its image and opens the window's pop-up menu.
class Zoombild : public QWidget {
    Q_OBJECT
public:
    explicit Zoombild(QWidget* eltern = nullptr);
    void SetBild(QImage bild);
    const QImage& Bild() const { return bild_; }
    void SetMenue(QMenu* menue) { menue_ = menue; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    QImage bild_;
    QMenu* menue_ = nullptr;
};

// The sketch of the main window enlarged in a tool window of it, not modal, freely resizable.
// It holds no data: it draws what the project's SkizzeAnzeige selects for the current position,
// anew at every size (the sketch chooses its scale for the size), and lets the user copy it or
// save it through the main window's picture export.
class TfrmZoom : public QWidget {
    Q_OBJECT
public:
    TfrmZoom(Projektzustand& zustand, Bildexport& export_, QWidget* hauptfenster = nullptr);

    // The picture as shown (device pixels, with the screen's pixel ratio).
    const QImage& Bild() const;

public slots:
    // Redraws the picture at the window's size; the main window calls it after every sketch
    // drawing, also while the window is hidden, so it always matches the main window's.
    void Zeichnen();
    // Shows the window centred over the main window (the first time) and brings it up.
    void Zeigen();
    void Kopieren();
    void Exportieren();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void retranslateUi();
    void KnoepfeSetzen();

    Projektzustand& zustand_;
    Bildexport& export_;
    Zoombild* imgZoom_;
    QPushButton* btnInZwischenablage_;
    QPushButton* btnInDatei_;
    QPushButton* bntSchliessen_;
    QMenu* popmnuExpotieren_;
    QAction* popmnuInZwischenablage_;
    QAction* popmnuInDatei_;
    QAction* popmnuSchliessen_;
    bool platziert_ = false;
};

} // namespace trv
