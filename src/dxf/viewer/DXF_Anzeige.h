#pragma once

#include "dxf/DxfGeometrie.h"

#include <QDialog>

#include <memory>

class QPainter;
class QPushButton;

namespace trv {
class Rueckfragen;
}

namespace trv::dxf {

class DXF_Object;
class Zoom_panel;

// Shows a drawing in a zoomable view and saves it as a DXF file. Questions and messages go
// through the given interface (a file dialog of its own when none is given).
class TDXF_Anzeige_Form : public QDialog {
    Q_OBJECT
public:
    explicit TDXF_Anzeige_Form(Rueckfragen* fragen = nullptr, QWidget* parent = nullptr);
    ~TDXF_Anzeige_Form() override;

    // The drawing shown; an empty one until another takes its place.
    const DXF_Object& drawing() const { return *drawing_; }
    void set_drawing(std::unique_ptr<DXF_Object> drawing);

    Zoom_panel& ZoomBox() { return *zoom_box_; }

    // "Save as DXF": asks for the file name and writes the drawing. False when cancelled or
    // the file could not be written (the message has been shown then).
    bool save();

    // A file name as the DXF export takes it: ".dxf" appended unless it ends in ".DXF" in
    // any letter case.
    static QString with_dxf_extension(const QString& file_name);
    // Writes the drawing to the file as it is named; a failure leaves an existing file as it
    // was and is shown as a message.
    static bool write_file(const DXF_Object& drawing, const QString& file, Rueckfragen& fragen);
    // Why a file could not be written, in the active language, from the writer's errno value.
    static QString write_failure(int system_error);

protected:
    void changeEvent(QEvent* event) override;
    bool event(QEvent* event) override;

private:
    void retranslateUi();
    void fit();
    void paint_drawing(QPainter& painter);

    std::unique_ptr<Rueckfragen> own_questions_;
    Rueckfragen& fragen_;
    std::unique_ptr<DXF_Object> drawing_;
    Coord3D ext_max_;
    Coord3D ext_min_;
    bool fitted_ = false;
    Zoom_panel* zoom_box_;
    QPushButton* save_button_;
    QPushButton* back_button_;
};

} // namespace trv::dxf
