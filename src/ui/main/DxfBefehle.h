#pragma once

#include <QString>

#include <cstdint>

class QWidget;

namespace trv {

class Projektzustand;
class Rueckfragen;

// What the DXF export does with the reinforcement drawing: show it in the preview window (the
// sketch pop-up's "DXF-Export") or save it as a file ("DXF Export - Reinforcement").
enum class TDxfModus : std::uint8_t { Anzeigen = 0, Speichern = 1 };

// The DXF commands act only on valid results of the current position.
bool DxfExportMoeglich(const Projektzustand& zustand);

// Builds the reinforcement drawing of the current position's selected connector type. Anzeigen
// shows it in the preview window (modal over eltern), from which it can be saved; Speichern
// writes it to datei, or, without a file name, asks for one with the preview window's save
// dialog. The file is the one trv-cli dxf writes for the position. False, with the message
// shown, when the drawing cannot be built or written; false also when the user cancelled.
bool DxfBewehrungErzeugen(TDxfModus modus, const QString& datei, const Projektzustand& zustand,
                          Rueckfragen& fragen, QWidget* eltern);

} // namespace trv
