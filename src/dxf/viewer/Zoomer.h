#pragma once

#include "dxf/DxfLeinwand.h"

#include <QPainter>
#include <QPoint>
#include <QWidget>

#include <optional>

class QLabel;
class QScrollBar;
class QTimer;
class QToolButton;

namespace trv::dxf {

class Zoom_area;

// A view of the drawing: scales in pixels per drawing unit, the visible window in drawing
// units and its centre.
struct Zoom_view {
    double scale_x = 0.0;
    double scale_y = 0.0;
    double x_min = 0.0;
    double x_max = 0.0;
    double y_min = 0.0;
    double y_max = 0.0;
    double centre_x = 0.0;
    double centre_y = 0.0;

    friend bool operator==(const Zoom_view&, const Zoom_view&) = default;
};

// A zoomable, scrollable view onto a drawing: a paint area, scroll bars, the zoom buttons and
// labels for the mouse position and the scale. The owner paints the drawing when asked
// (painting) through map_point; the panel keeps every view within limits it can draw.
class Zoom_panel : public QWidget {
    Q_OBJECT
public:
    enum class Button { zoom_out, zoom_in, last, reset };

    // Scroll bar page sizes a view may have; a step that leaves them is refused.
    static constexpr int min_page = 1;
    static constexpr int max_page = 32767;

    explicit Zoom_panel(QWidget* parent = nullptr);
    ~Zoom_panel() override;

    // Fits the extents into the paint area with the margins in pixels: the home view. Extents
    // with a maximum below the minimum (an empty drawing) are taken as the origin.
    void fit_extents(int margin_x, int margin_y, double y_max, double y_min, double x_max,
                     double x_min);
    // The screen point of a drawing point (transformed by the matrix first); nullopt when it
    // lies beyond the integer range at this view, which then falls back to the previous view.
    std::optional<Screen_Point> map_point(const Coord3D& p, const Matrix* matrix);
    // The drawing point under a point of the paint area (z = 0).
    Coord3D unmap_point(QPoint p) const;
    // Each returns false and leaves the view as it was when the new one would be out of limits.
    bool zoom_by(double factor);
    bool zoom_window(double x1, double y1, double x2, double y2);
    bool centre_on(QPoint p);
    bool previous_view();
    bool reset_view();
    // The buttons' steps: zoom by 1 / zoom_factor and by zoom_factor.
    bool zoom_in();
    bool zoom_out();

    // The mapping handed to the entities when they paint.
    Map_Function map_function();

    const Zoom_view& home() const { return home_; }
    const Zoom_view& current() const { return current_; }
    const Zoom_view& last() const { return last_; }
    bool ready() const { return ready_; }
    double zoom_factor() const { return zoom_factor_; }
    // 0 stands for the usual 1.25.
    void set_zoom_factor(double factor);
    // The decimal separator of the position and scale labels.
    void set_decimal_separator(char separator);
    // The page sizes the scroll bars would show for a view.
    int horizontal_page(const Zoom_view& v) const;
    int vertical_page(const Zoom_view& v) const;
    // Paints the drawing again (after it changed).
    void redraw();

    QWidget* paint_area() const;
    QScrollBar* horizontal_bar() const { return h_bar_; }
    QScrollBar* vertical_bar() const { return v_bar_; }
    QToolButton* button(Button b) const;
    QLabel* position_label() const { return position_label_; }
    QLabel* scale_label() const { return scale_label_; }

signals:
    // The owner paints the drawing with this painter (the panel has filled the background).
    void painting(QPainter& painter);
    void mouse_down(QPoint p);
    void mouse_move(QPoint p);
    void mouse_up(QPoint p);
    void double_click(QPoint p);
    void zoomed_in();
    void zoomed_out();
    void view_reset();

protected:
    void changeEvent(QEvent* event) override;

private:
    friend class Zoom_area;

    void retranslateUi();
    Zoom_view around(double centre_x, double centre_y, double scale_x, double scale_y) const;
    Zoom_view fitted_view() const;
    double horizontal_page_exact(const Zoom_view& v) const;
    double vertical_page_exact(const Zoom_view& v) const;
    bool acceptable(const Zoom_view& v) const;
    bool set_view(const Zoom_view& v, bool remember);
    void view_changed();
    // After a point could not be mapped: the previous view, or the home view.
    void fall_back();
    void update_bars();
    void update_scale_label();
    void scrolled(bool horizontal, int value);
    void pan(double dx, double dy);
    void button_pressed(Button b);
    void button_released();
    void repeat();
    // The paint area's events.
    void paint_area_resized();
    void paint_view(QPainter& painter);
    void press(QPoint p);
    void move(QPoint p);
    void release(QPoint p);
    void double_clicked(QPoint p);
    QString number(double value, int decimals) const;
    QString scale_number(double value) const;

    Zoom_area* area_;
    QScrollBar* h_bar_;
    QScrollBar* v_bar_;
    QToolButton* buttons_[4];
    QLabel* position_label_;
    QLabel* scale_label_;
    QTimer* repeat_timer_;

    Zoom_view home_;
    Zoom_view current_;
    Zoom_view last_;
    bool ready_ = false;
    double zoom_factor_ = 1.25;
    char decimal_separator_ = '.';
    // The extents and margins of the last fit, so a resize can fit again.
    double ext_x_min_ = 0.0, ext_x_max_ = 0.0, ext_y_min_ = 0.0, ext_y_max_ = 0.0;
    int margin_x_ = 0, margin_y_ = 0;

    // Scroll bar values as the panel last set them: a change is measured from here.
    int h_value_ = 500;
    int v_value_ = 500;
    bool setting_bars_ = false;

    bool band_active_ = false;
    QPoint band_anchor_;
    QPoint band_corner_;

    bool zoom_in_held_ = false;
    bool zoom_out_held_ = false;

    bool overflow_ = false; // a point could not be mapped while painting
};

} // namespace trv::dxf
