#include "dxf/viewer/DXF_Anzeige.h"

#include "dxf/viewer/DxfKern.h"
#include "dxf/viewer/PainterLeinwand.h"
#include "dxf/viewer/Zoomer.h"
#include "ui/main/Rueckfragen.h"

#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include <cerrno>
#include <exception>
#include <filesystem>
#include <string>

namespace trv::dxf {

namespace {

// The extents before any entity has grown them.
constexpr double no_extent = 1e10;

std::unique_ptr<Rueckfragen> own_dialogs(Rueckfragen* given, QWidget* window) {
    if (given) {
        return nullptr;
    }
    return std::make_unique<DialogRueckfragen>(window);
}

} // namespace

TDXF_Anzeige_Form::TDXF_Anzeige_Form(Rueckfragen* fragen, QWidget* parent)
    : QDialog(parent), own_questions_(own_dialogs(fragen, this)),
      fragen_(fragen ? *fragen : *own_questions_), drawing_(std::make_unique<DXF_Object>()),
      ext_max_{-no_extent, -no_extent, -no_extent}, ext_min_{no_extent, no_extent, no_extent} {
    setWindowFlags(windowFlags() | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    // The size of the maximised window also where no window manager maximises it.
    if (const QScreen* bildschirm = screen()) {
        resize(bildschirm->availableGeometry().size());
    }
    setWindowState(windowState() | Qt::WindowMaximized);

    save_button_ = new QPushButton(this);
    back_button_ = new QPushButton(this);
    connect(save_button_, &QPushButton::clicked, this, [this] { save(); });
    connect(back_button_, &QPushButton::clicked, this, &QDialog::reject);
    back_button_->setAutoDefault(false);
    save_button_->setAutoDefault(false);

    zoom_box_ = new Zoom_panel(this);
    zoom_box_->set_zoom_factor(1.25);
    connect(zoom_box_, &Zoom_panel::painting, this,
            [this](QPainter& painter) { paint_drawing(painter); });

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(save_button_);
    buttons->addWidget(back_button_);
    buttons->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addLayout(buttons);
    layout->addWidget(zoom_box_, 1);

    retranslateUi();
}

TDXF_Anzeige_Form::~TDXF_Anzeige_Form() = default;

void TDXF_Anzeige_Form::retranslateUi() {
    setWindowTitle(tr("DXF display form"));
    save_button_->setText(tr("&Save as DXF"));
    back_button_->setText(tr("&Back"));
}

void TDXF_Anzeige_Form::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        retranslateUi();
    }
    QDialog::changeEvent(event);
}

bool TDXF_Anzeige_Form::event(QEvent* event) {
    // Fitted when first shown; later activations (after the save dialog, say) keep the view
    // the user has zoomed to.
    if ((event->type() == QEvent::WindowActivate || event->type() == QEvent::Show) && !fitted_) {
        fit();
    }
    return QDialog::event(event);
}

void TDXF_Anzeige_Form::set_drawing(std::unique_ptr<DXF_Object> drawing) {
    drawing_ = drawing ? std::move(drawing) : std::make_unique<DXF_Object>();
    ext_max_ = Coord3D{-no_extent, -no_extent, -no_extent};
    ext_min_ = Coord3D{no_extent, no_extent, no_extent};
    fitted_ = false;
    if (isVisible()) {
        fit();
    }
    zoom_box_->redraw();
}

void TDXF_Anzeige_Form::fit() {
    drawing_->grow_extents(ext_max_, ext_min_);
    zoom_box_->fit_extents(20, 20, ext_max_.y, ext_min_.y, ext_max_.x, ext_min_.x);
    fitted_ = true;
}

void TDXF_Anzeige_Form::paint_drawing(QPainter& painter) {
    painter.setFont(QFont(QStringLiteral("Arial")));
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::NoBrush);
    QPainter_Canvas canvas(painter);
    const Map_Function map = zoom_box_->map_function();
    for (const auto& layer : drawing_->layers()) {
        for (const auto& list : layer->entity_lists()) {
            list->paint(canvas, map);
        }
    }
}

QString TDXF_Anzeige_Form::with_dxf_extension(const QString& file_name) {
    if (QFileInfo(file_name).suffix().toUpper() == QStringLiteral("DXF")) {
        return file_name;
    }
    return file_name + QStringLiteral(".dxf");
}

bool TDXF_Anzeige_Form::save() {
    const std::optional<QString> chosen =
        fragen_.DateiZumSpeichern({tr("Varnel - TRV / ZEDE Shear Connectors - DXF-Export"),
                                   {tr("DXF databases (*.dxf)")},
                                   QStringLiteral("dxf"),
                                   {}});
    if (!chosen || chosen->isEmpty()) {
        return false;
    }
    const QString file = with_dxf_extension(*chosen);
    // The dialog asked about the name it was given, not about the one with the extension.
    if (file != *chosen && QFileInfo::exists(file) &&
        !fragen_.JaNein(tr("%1 already exists.\nDo you want to replace it?")
                            .arg(QDir::toNativeSeparators(file)))) {
        return false;
    }
    return write_file(*drawing_, file, fragen_);
}

QString TDXF_Anzeige_Form::write_failure(int system_error) {
    switch (system_error) {
    case 0:
        return tr("the drawing holds a value that a DXF file cannot take");
    case EACCES:
    case EPERM:
        return tr("no permission to write in this folder");
    case ENOENT:
    case ENOTDIR:
        return tr("the folder does not exist");
    case ENOSPC:
    case EDQUOT:
        return tr("the disk is full");
    case EROFS:
        return tr("the disk is write-protected");
    case EISDIR:
        return tr("a folder of that name exists");
    case EEXIST:
        return tr("a device or another special file of that name exists");
    case ENAMETOOLONG:
        return tr("the file name is too long");
    default:
        return tr("system error %1").arg(system_error);
    }
}

bool TDXF_Anzeige_Form::write_file(const DXF_Object& drawing, const QString& file,
                                   Rueckfragen& fragen) {
    std::string reason;
    int system_error = 0;
    bool ok = false;
    try {
        ok = drawing.save_as(std::filesystem::path(QFile::encodeName(file).toStdString()), reason,
                             &system_error);
    } catch (const std::exception&) {
        system_error = 0;
    }
    if (!ok) {
        // The writer's own reason is English; the user gets one in the active language.
        fragen.Meldung(tr("The DXF file could not be written:\n%1\n(%2)")
                           .arg(QDir::toNativeSeparators(file), write_failure(system_error)));
    }
    return ok;
}

} // namespace trv::dxf
