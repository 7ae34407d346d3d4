#include "dxf/viewer/Zoomer.h"

#include "model/Zahlen.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QScrollBar>
#include <QSvgRenderer>
#include <QTimer>
#include <QToolButton>
#include <QWheelEvent>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

// The glyphs live in a resource of this static library; without a reference from its code the
// linker would leave them out of the program.
static void zoom_glyphs_init() {
    Q_INIT_RESOURCE(zoom);
}

namespace trv::dxf {

namespace {

constexpr int repeat_delay_ms = 500;
constexpr int repeat_interval_ms = 25;
constexpr int bar_range = 1000;
// Screen coordinates stay well inside the int range, with room for what the entities add
// around their points (circle boxes, text extents).
constexpr double coordinate_limit = std::numeric_limits<int>::max() / 4.0;

QIcon glyph(const QString& name) {
    QSvgRenderer renderer(QStringLiteral(":/zoom/") + name);
    QIcon icon;
    for (const int size : {16, 24, 32, 48}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        renderer.render(&painter);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

bool all_finite(const Zoom_view& v) {
    for (const double d :
         {v.scale_x, v.scale_y, v.x_min, v.x_max, v.y_min, v.y_max, v.centre_x, v.centre_y}) {
        if (!std::isfinite(d)) {
            return false;
        }
    }
    return true;
}

// A rounded value as int, saturated (the scroll bars clamp it anyway).
int saturated(double value) {
    const double r = RundeGerade(value);
    if (!(r > std::numeric_limits<int>::min())) {
        return std::numeric_limits<int>::min();
    }
    if (!(r < std::numeric_limits<int>::max())) {
        return std::numeric_limits<int>::max();
    }
    return static_cast<int>(r);
}

} // namespace

// The client area the drawing is painted on. The drawing is kept as a picture, so the rubber
// band moves over it without the drawing being painted again.
class Zoom_area : public QWidget {
public:
    explicit Zoom_area(Zoom_panel& panel) : QWidget(&panel), panel_(panel) {
        setCursor(Qt::CrossCursor);
        setMouseTracking(true);
        setFocusPolicy(Qt::StrongFocus);
        setAttribute(Qt::WA_OpaquePaintEvent);
        setMinimumSize(60, 60);
    }

    void invalidate() {
        picture_ = QPixmap();
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        const qreal ratio = devicePixelRatioF();
        const QSize pixels = size() * ratio;
        if (picture_.isNull() || picture_.size() != pixels) {
            QPixmap picture(pixels);
            picture.setDevicePixelRatio(ratio);
            picture.fill(Qt::white);
            bool fell_back = false;
            if (panel_.ready_) {
                QPainter painter(&picture);
                panel_.paint_view(painter);
                fell_back = panel_.overflow_;
                panel_.overflow_ = false;
            }
            if (fell_back) {
                // The view has been replaced by one that can be drawn; show that one.
                panel_.fall_back();
            } else {
                picture_ = picture;
            }
            paint_picture(picture);
            return;
        }
        paint_picture(picture_);
    }

    void resizeEvent(QResizeEvent*) override {
        picture_ = QPixmap();
        panel_.paint_area_resized();
    }

    void mousePressEvent(QMouseEvent* e) override {
        if (e->button() == Qt::LeftButton) {
            panel_.press(e->position().toPoint());
        }
    }
    void mouseMoveEvent(QMouseEvent* e) override { panel_.move(e->position().toPoint()); }
    void mouseReleaseEvent(QMouseEvent* e) override {
        if (e->button() == Qt::LeftButton) {
            panel_.release(e->position().toPoint());
        }
    }
    void mouseDoubleClickEvent(QMouseEvent* e) override {
        if (e->button() == Qt::LeftButton) {
            panel_.double_clicked(e->position().toPoint());
        }
    }

    void wheelEvent(QWheelEvent* e) override {
        if (e->modifiers() & Qt::ControlModifier) {
            if (e->angleDelta().y() > 0) {
                panel_.zoom_in();
            } else if (e->angleDelta().y() < 0) {
                panel_.zoom_out();
            }
            e->accept();
            return;
        }
        QScrollBar* bar = (e->modifiers() & Qt::ShiftModifier) ? panel_.h_bar_ : panel_.v_bar_;
        const int steps = -e->angleDelta().y() / 120;
        if (steps != 0) {
            bar->setValue(bar->value() + steps * bar->singleStep());
        }
        e->accept();
    }

    void keyPressEvent(QKeyEvent* e) override {
        switch (e->key()) {
        case Qt::Key_Plus:
        case Qt::Key_Equal:
            panel_.zoom_in();
            break;
        case Qt::Key_Minus:
            panel_.zoom_out();
            break;
        case Qt::Key_Home:
            if (panel_.reset_view()) {
                emit panel_.view_reset();
            }
            break;
        case Qt::Key_Backspace:
            panel_.previous_view();
            break;
        case Qt::Key_Left:
            panel_.h_bar_->triggerAction(QAbstractSlider::SliderSingleStepSub);
            break;
        case Qt::Key_Right:
            panel_.h_bar_->triggerAction(QAbstractSlider::SliderSingleStepAdd);
            break;
        case Qt::Key_Up:
            panel_.v_bar_->triggerAction(QAbstractSlider::SliderSingleStepSub);
            break;
        case Qt::Key_Down:
            panel_.v_bar_->triggerAction(QAbstractSlider::SliderSingleStepAdd);
            break;
        case Qt::Key_PageUp:
            panel_.v_bar_->triggerAction(QAbstractSlider::SliderPageStepSub);
            break;
        case Qt::Key_PageDown:
            panel_.v_bar_->triggerAction(QAbstractSlider::SliderPageStepAdd);
            break;
        default:
            QWidget::keyPressEvent(e);
        }
    }

private:
    void paint_picture(const QPixmap& picture) {
        QPainter painter(this);
        painter.drawPixmap(0, 0, picture);
        if (panel_.band_active_) {
            // Drawn over the picture: the band goes when the picture is shown again.
            painter.setPen(QPen(Qt::red, 1, Qt::DashDotDotLine));
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(QRect(panel_.band_anchor_, panel_.band_corner_).normalized());
        }
    }

    Zoom_panel& panel_;
    QPixmap picture_;
};

Zoom_panel::Zoom_panel(QWidget* parent) : QWidget(parent) {
    zoom_glyphs_init();
    area_ = new Zoom_area(*this);
    h_bar_ = new QScrollBar(Qt::Horizontal, this);
    v_bar_ = new QScrollBar(Qt::Vertical, this);
    for (QScrollBar* bar : {h_bar_, v_bar_}) {
        bar->setRange(0, bar_range);
        bar->setSingleStep(20);
        bar->setPageStep(bar_range);
        bar->setValue(bar_range / 2);
    }
    connect(h_bar_, &QScrollBar::valueChanged, this, [this](int v) { scrolled(true, v); });
    connect(v_bar_, &QScrollBar::valueChanged, this, [this](int v) { scrolled(false, v); });

    static const std::array<const char*, 4> glyphs = {"Z_MINUS", "Z_PLUS", "Z_LAST", "Z_RESET"};
    for (std::size_t i = 0; i < glyphs.size(); ++i) {
        auto* b = new QToolButton(this);
        b->setIcon(glyph(QString::fromLatin1(glyphs[i])));
        b->setIconSize(QSize(24, 24));
        b->setAutoRaise(false);
        b->setFocusPolicy(Qt::StrongFocus);
        buttons_[i] = b;
    }
    // The zoom steps act on the press, so one click zooms once; holding repeats them.
    for (const Button b : {Button::zoom_out, Button::zoom_in}) {
        connect(button(b), &QToolButton::pressed, this, [this, b] { button_pressed(b); });
        connect(button(b), &QToolButton::released, this, [this] { button_released(); });
    }
    connect(button(Button::last), &QToolButton::clicked, this, [this] { previous_view(); });
    connect(button(Button::reset), &QToolButton::clicked, this, [this] {
        if (reset_view()) {
            emit view_reset();
        }
    });
    repeat_timer_ = new QTimer(this);
    connect(repeat_timer_, &QTimer::timeout, this, [this] { repeat(); });

    QFont font(QStringLiteral("Arial"));
    position_label_ = new QLabel(QStringLiteral("X= 0.000  Y= 0.000"), this);
    position_label_->setFont(font);
    position_label_->setStyleSheet(QStringLiteral("color: #000080"));
    position_label_->setMinimumWidth(260);
    scale_label_ = new QLabel(QStringLiteral("1 : 1"), this);
    scale_label_->setFont(font);
    scale_label_->setStyleSheet(QStringLiteral("color: #800000"));
    scale_label_->setMinimumWidth(90);

    auto* strip = new QHBoxLayout;
    strip->setContentsMargins(2, 2, 2, 2);
    for (QToolButton* b : buttons_) {
        strip->addWidget(b);
    }
    strip->addSpacing(16);
    strip->addWidget(position_label_);
    strip->addStretch(1);
    strip->addWidget(scale_label_);

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(0);
    grid->addWidget(area_, 0, 0);
    grid->addWidget(v_bar_, 0, 1);
    grid->addWidget(h_bar_, 1, 0);
    grid->addLayout(strip, 2, 0, 1, 2);
    grid->setRowStretch(0, 1);
    grid->setColumnStretch(0, 1);

    retranslateUi();
}

Zoom_panel::~Zoom_panel() = default;

void Zoom_panel::retranslateUi() {
    button(Button::zoom_out)->setToolTip(tr("Zoom out"));
    button(Button::zoom_in)->setToolTip(tr("Zoom in"));
    button(Button::last)->setToolTip(tr("Previous view"));
    button(Button::reset)->setToolTip(tr("Whole drawing"));
    for (QToolButton* b : buttons_) {
        b->setAccessibleName(b->toolTip());
    }
    h_bar_->setAccessibleName(tr("Horizontal position"));
    v_bar_->setAccessibleName(tr("Vertical position"));
    area_->setAccessibleName(tr("Drawing"));
    area_->setAccessibleDescription(tr("Drag a rectangle to zoom into it, double-click to centre "
                                       "the view; + and - zoom, the arrow keys scroll"));
    position_label_->setAccessibleName(tr("Mouse position"));
    scale_label_->setAccessibleName(tr("Scale"));
}

void Zoom_panel::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        retranslateUi();
    }
    QWidget::changeEvent(event);
}

QWidget* Zoom_panel::paint_area() const {
    return area_;
}

QToolButton* Zoom_panel::button(Button b) const {
    return buttons_[static_cast<int>(b)];
}

void Zoom_panel::set_zoom_factor(double factor) {
    zoom_factor_ = (factor == 0.0 || !std::isfinite(factor)) ? 1.25 : std::abs(factor);
}

void Zoom_panel::set_decimal_separator(char separator) {
    decimal_separator_ = separator;
    if (ready_) {
        update_scale_label();
    }
}

// --- views -------------------------------------------------------------------------

Zoom_view Zoom_panel::around(double centre_x, double centre_y, double scale_x,
                             double scale_y) const {
    const double w = std::max(1, area_->width());
    const double h = std::max(1, area_->height());
    Zoom_view v;
    v.scale_x = scale_x;
    v.scale_y = scale_y;
    v.centre_x = centre_x;
    v.centre_y = centre_y;
    v.x_min = centre_x - w / 2.0 / scale_x;
    v.x_max = centre_x + w / 2.0 / scale_x;
    v.y_min = centre_y - h / 2.0 / scale_y;
    v.y_max = centre_y + h / 2.0 / scale_y;
    return v;
}

Zoom_view Zoom_panel::fitted_view() const {
    const double w = std::max(1, area_->width());
    const double h = std::max(1, area_->height());
    // A paint area narrower than its margins still shows the drawing, one pixel across.
    const double s = std::max(1.0, std::min(w - 2.0 * margin_x_, h - 2.0 * margin_y_));
    const double sx = ext_x_max_ == ext_x_min_ ? 1.0 : s / (ext_x_max_ - ext_x_min_);
    const double sy = ext_y_max_ == ext_y_min_ ? 1.0 : s / (ext_y_max_ - ext_y_min_);
    const double scale = std::min(sx, sy);
    return around((ext_x_min_ + ext_x_max_) / 2.0, (ext_y_min_ + ext_y_max_) / 2.0, scale, scale);
}

void Zoom_panel::fit_extents(int margin_x, int margin_y, double y_max, double y_min, double x_max,
                             double x_min) {
    // Extents that were never grown (an empty drawing) or are no numbers: the origin.
    if (!(x_min <= x_max) || !std::isfinite(x_min) || !std::isfinite(x_max)) {
        x_min = x_max = 0.0;
    }
    if (!(y_min <= y_max) || !std::isfinite(y_min) || !std::isfinite(y_max)) {
        y_min = y_max = 0.0;
    }
    ext_x_min_ = x_min;
    ext_x_max_ = x_max;
    ext_y_min_ = y_min;
    ext_y_max_ = y_max;
    margin_x_ = std::max(0, margin_x);
    margin_y_ = std::max(0, margin_y);
    home_ = fitted_view();
    current_ = home_;
    if (!ready_) {
        last_ = home_;
    }
    ready_ = true;
    view_changed();
}

double Zoom_panel::horizontal_page_exact(const Zoom_view& v) const {
    return (v.x_max - v.x_min) * bar_range / (home_.x_max - home_.x_min);
}

double Zoom_panel::vertical_page_exact(const Zoom_view& v) const {
    return (v.y_max - v.y_min) * bar_range / (home_.y_max - home_.y_min);
}

int Zoom_panel::horizontal_page(const Zoom_view& v) const {
    return saturated(horizontal_page_exact(v));
}

int Zoom_panel::vertical_page(const Zoom_view& v) const {
    return saturated(vertical_page_exact(v));
}

bool Zoom_panel::acceptable(const Zoom_view& v) const {
    if (!ready_ || !all_finite(v) || !(v.scale_x > 0.0) || !(v.scale_y > 0.0)) {
        return false;
    }
    for (const double page : {horizontal_page_exact(v), vertical_page_exact(v)}) {
        const double rounded = RundeGerade(page);
        if (!(rounded >= min_page && rounded <= max_page)) {
            return false;
        }
    }
    // Every point of the drawing must map to a screen integer.
    for (const double x : {ext_x_min_, ext_x_max_}) {
        if (!(std::abs((x - v.x_min) * v.scale_x) <= coordinate_limit)) {
            return false;
        }
    }
    for (const double y : {ext_y_min_, ext_y_max_}) {
        if (!(std::abs((v.y_max - y) * v.scale_y) <= coordinate_limit)) {
            return false;
        }
    }
    return true;
}

bool Zoom_panel::set_view(const Zoom_view& v, bool remember) {
    if (!acceptable(v)) {
        return false;
    }
    if (remember) {
        last_ = current_;
    }
    current_ = v;
    view_changed();
    return true;
}

void Zoom_panel::view_changed() {
    update_bars();
    update_scale_label();
    area_->invalidate();
}

bool Zoom_panel::zoom_by(double factor) {
    if (!ready_ || !(factor > 0.0)) {
        return false;
    }
    return set_view(around(current_.centre_x, current_.centre_y, current_.scale_x / factor,
                           current_.scale_y / factor),
                    true);
}

bool Zoom_panel::zoom_window(double x1, double y1, double x2, double y2) {
    if (!ready_) {
        return false;
    }
    const double dw = std::abs(x2 - x1);
    const double dh = std::abs(y2 - y1);
    const double w = std::max(1, area_->width());
    const double h = std::max(1, area_->height());
    const auto ratio = [](double pixels, double extent) {
        return extent == 0.0 ? 1.0 : pixels / extent;
    };
    const double side = w < h ? w : h;
    const double s = std::min(ratio(side, dw), ratio(side, dh));
    return set_view(around((x1 + x2) / 2.0, (y1 + y2) / 2.0, s, s), true);
}

bool Zoom_panel::centre_on(QPoint p) {
    if (!ready_) {
        return false;
    }
    const Coord3D c = unmap_point(p);
    return set_view(around(c.x, c.y, current_.scale_x, current_.scale_y), true);
}

bool Zoom_panel::previous_view() {
    return set_view(last_, false);
}

bool Zoom_panel::reset_view() {
    if (!ready_) {
        return false;
    }
    last_ = current_;
    current_ = home_;
    view_changed();
    return true;
}

bool Zoom_panel::zoom_in() {
    const bool ok = zoom_by(1.0 / zoom_factor_);
    if (ok) {
        emit zoomed_in();
    }
    return ok;
}

bool Zoom_panel::zoom_out() {
    const bool ok = zoom_by(zoom_factor_);
    if (ok) {
        emit zoomed_out();
    }
    return ok;
}

void Zoom_panel::fall_back() {
    const Zoom_view back = current_ != last_ && acceptable(last_) ? last_ : home_;
    if (back != current_) {
        current_ = back;
        view_changed();
    }
}

void Zoom_panel::redraw() {
    area_->invalidate();
}

// --- mapping -----------------------------------------------------------------------

std::optional<Screen_Point> Zoom_panel::map_point(const Coord3D& p, const Matrix* matrix) {
    const Coord3D q = transform_point(p, matrix);
    const double x = RundeGerade((q.x - current_.x_min) * current_.scale_x);
    const double y = RundeGerade((current_.y_max - q.y) * current_.scale_y);
    if (!(std::abs(x) <= coordinate_limit) || !(std::abs(y) <= coordinate_limit)) {
        overflow_ = true;
        return std::nullopt;
    }
    return Screen_Point{static_cast<int>(x), static_cast<int>(y)};
}

Coord3D Zoom_panel::unmap_point(QPoint p) const {
    if (!ready_) {
        return Coord3D{};
    }
    return Coord3D{p.x() / current_.scale_x + current_.x_min,
                   current_.y_max - p.y() / current_.scale_y, 0.0};
}

Map_Function Zoom_panel::map_function() {
    return [this](const Coord3D& p, const Matrix* m) { return map_point(p, m); };
}

// --- scroll bars and labels ----------------------------------------------------------

void Zoom_panel::update_bars() {
    if (!ready_) {
        return;
    }
    const double home_width = home_.x_max - home_.x_min;
    const double home_height = home_.y_max - home_.y_min;
    setting_bars_ = true;
    h_bar_->setPageStep(std::clamp(horizontal_page(current_), min_page, max_page));
    v_bar_->setPageStep(std::clamp(vertical_page(current_), min_page, max_page));
    // A bar the user is dragging keeps its thumb under the mouse.
    if (!h_bar_->isSliderDown()) {
        h_bar_->setValue(saturated((current_.centre_x - home_.x_min) / home_width * bar_range));
    }
    if (!v_bar_->isSliderDown()) {
        v_bar_->setValue(bar_range -
                         saturated((current_.centre_y - home_.y_min) / home_height * bar_range));
    }
    h_value_ = h_bar_->value();
    v_value_ = v_bar_->value();
    setting_bars_ = false;
}

QString Zoom_panel::number(double value, int decimals) const {
    return QString::fromStdString(ZahlFest(value, decimals, decimal_separator_));
}

// Three significant digits, never in exponent form: 1.25, 1.56, 12.5, 1530.
QString Zoom_panel::scale_number(double value) const {
    if (!(value > 0.0) || !std::isfinite(value)) {
        return QStringLiteral("0");
    }
    const int digits = 2 - static_cast<int>(std::floor(std::log10(value)));
    if (digits < 0) {
        const double unit = std::pow(10.0, -digits);
        return QString::fromStdString(
            ZahlGerundet(RundeGerade(value / unit) * unit, 0, decimal_separator_));
    }
    return QString::fromStdString(ZahlGerundet(value, std::min(digits, 9), decimal_separator_));
}

void Zoom_panel::update_scale_label() {
    const double g = current_.scale_x / home_.scale_x;
    if (g < 0.999) {
        scale_label_->setText(QStringLiteral("1 : ") + scale_number(1.0 / g));
    } else {
        scale_label_->setText(scale_number(g) + QStringLiteral(" : 1"));
    }
}

void Zoom_panel::scrolled(bool horizontal, int value) {
    int& before = horizontal ? h_value_ : v_value_;
    if (setting_bars_ || !ready_) {
        return;
    }
    const int change = value - before;
    before = value;
    if (change == 0) {
        return;
    }
    const QScrollBar* bar = horizontal ? h_bar_ : v_bar_;
    const double home_size = horizontal ? home_.x_max - home_.x_min : home_.y_max - home_.y_min;
    // The bar stands for the home view: a change moves the view by that share of it, so the
    // thumb stays where the view is. A page leaves a twelfth of the old view in sight.
    double d = change * home_size / bar_range;
    if (std::abs(change) == bar->pageStep()) {
        d = RundeGerade(d - d / 12.0);
    }
    if (horizontal) {
        pan(d, 0.0);
    } else {
        pan(0.0, -d);
    }
}

void Zoom_panel::pan(double dx, double dy) {
    Zoom_view v = current_;
    v.centre_x += dx;
    v.x_min += dx;
    v.x_max += dx;
    v.centre_y += dy;
    v.y_min += dy;
    v.y_max += dy;
    if (!set_view(v, false)) {
        update_bars(); // the bar goes back to where the view still is
    }
}

// --- buttons -------------------------------------------------------------------------

void Zoom_panel::button_pressed(Button b) {
    zoom_in_held_ = b == Button::zoom_in;
    zoom_out_held_ = b == Button::zoom_out;
    if (zoom_in_held_) {
        zoom_in();
    } else {
        zoom_out();
    }
    repeat_timer_->start(repeat_delay_ms);
}

void Zoom_panel::button_released() {
    repeat_timer_->stop();
    zoom_in_held_ = false;
    zoom_out_held_ = false;
}

void Zoom_panel::repeat() {
    repeat_timer_->setInterval(repeat_interval_ms);
    if (zoom_in_held_) {
        zoom_in();
    } else if (zoom_out_held_) {
        zoom_out();
    } else {
        repeat_timer_->stop();
    }
}

// --- paint area ----------------------------------------------------------------------

void Zoom_panel::paint_area_resized() {
    if (!ready_) {
        return;
    }
    // The fitted view fits the new size; the others keep their centres and scales.
    const bool at_home = current_ == home_;
    home_ = fitted_view();
    last_ = around(last_.centre_x, last_.centre_y, last_.scale_x, last_.scale_y);
    current_ =
        at_home ? home_
                : around(current_.centre_x, current_.centre_y, current_.scale_x, current_.scale_y);
    if (!acceptable(current_)) {
        current_ = home_;
    }
    view_changed();
}

void Zoom_panel::paint_view(QPainter& painter) {
    overflow_ = false;
    emit painting(painter);
}

void Zoom_panel::press(QPoint p) {
    if (!ready_) {
        return;
    }
    band_active_ = true;
    band_anchor_ = p;
    band_corner_ = p;
    emit mouse_down(p);
}

void Zoom_panel::move(QPoint p) {
    if (!ready_) {
        return;
    }
    if (band_active_) {
        band_corner_ = p;
        area_->update();
    }
    const Coord3D c = unmap_point(p);
    position_label_->setText(QStringLiteral("X= ") + number(c.x, 3) + QStringLiteral("   Y= ") +
                             number(c.y, 3));
    emit mouse_move(p);
}

void Zoom_panel::release(QPoint p) {
    if (!ready_) {
        return;
    }
    if (band_active_) {
        band_active_ = false;
        band_corner_ = p;
        area_->update();
        if (std::abs(p.x() - band_anchor_.x()) > 2 && std::abs(p.y() - band_anchor_.y()) > 2) {
            const Coord3D a = unmap_point(band_anchor_);
            const Coord3D b = unmap_point(p);
            zoom_window(a.x, a.y, b.x, b.y);
        }
    }
    emit mouse_up(p);
}

void Zoom_panel::double_clicked(QPoint p) {
    if (!ready_) {
        return;
    }
    band_active_ = false;
    centre_on(p);
    emit double_click(p);
}

} // namespace trv::dxf
