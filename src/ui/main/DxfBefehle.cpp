#include "ui/main/DxfBefehle.h"

#include "dxf/viewer/DXF_Anzeige.h"
#include "dxf/viewer/DxfKern.h"
#include "dxf/viewer/Zoomer.h"
#include "ui/main/Projektzustand.h"
#include "ui/main/Rueckfragen.h"

#include <exception>
#include <memory>
#include <string>
#include <utility>

namespace trv {

bool DxfExportMoeglich(const Projektzustand& zustand) {
    return zustand.ErgebnisseGueltig() && zustand.Anwendung().Ergebnisse().Berechnet();
}

bool DxfBewehrungErzeugen(TDxfModus modus, const QString& datei, const Projektzustand& zustand,
                          Rueckfragen& fragen, QWidget* eltern) {
    std::string fehler;
    std::unique_ptr<dxf::DXF_Object> zeichnung;
    try {
        // The model's regional settings, as trv-cli takes them: the same position gives the
        // same file from both.
        zeichnung = dxf::DxfBewehrungErzeugen(zustand.Anwendung(),
                                              zustand.Modell().Regional().Dezimaltrenner, fehler);
    } catch (const std::exception& e) {
        fehler = e.what();
    }
    if (!zeichnung) {
        fragen.Meldung(QString::fromStdString(fehler));
        return false;
    }

    if (modus == TDxfModus::Speichern && !datei.isEmpty()) {
        return dxf::TDXF_Anzeige_Form::write_file(*zeichnung, datei, fragen);
    }

    dxf::TDXF_Anzeige_Form fenster(&fragen, eltern);
    fenster.ZoomBox().set_decimal_separator(zustand.Dezimaltrenner());
    fenster.set_drawing(std::move(zeichnung));
    if (modus == TDxfModus::Anzeigen) {
        fenster.exec();
        return true;
    }
    return fenster.save();
}

} // namespace trv
