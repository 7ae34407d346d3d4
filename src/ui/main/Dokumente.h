#pragma once

#include <QCoreApplication>

#include <QString>
#include <QStringList>

namespace trv {

class Filterdialog;
class Projektzustand;
class Rueckfragen;

// The prepared CAD blocks of a connector type: the folder "CAD files" holds, per type and
// format, "<type> Plan View Block.dxf", "... Side View Block.dxf" and "... End View Block.dxf".
class CadBlockExport {
    Q_DECLARE_TR_FUNCTIONS(CadBlockExport)

public:
    // Types of the save dialog, counted from 1.
    enum Filter { Dxf = 1, Dwg = 2 };

    // ordner: where "CAD files" is looked for, in order.
    CadBlockExport(Projektzustand& zustand, Rueckfragen& fragen, Filterdialog& dialog,
                   QStringList ordner);

    // "DXF Export - &Connector": asks for the target name (proposed: the selected type's name)
    // and copies the three blocks of the selected type beside it. True when they were copied.
    bool Ausfuehren();

    // Copies the three blocks of the selected type: the target name's last three characters
    // give the format, the rest before its dot the base of the three targets. A missing block
    // does not stop the others; "Cannot open file!" follows once. False when a block was
    // missing or a file could not be read or written (shown).
    bool CadBlockKopieren(const QString& ziel);

    // The three name endings, in copying order.
    static QStringList Endungen();

private:
    // The folder "CAD files" of the first search folder that has one ("" when none has).
    QString CadOrdner() const;
    QString Quelle(const QString& cadOrdner, const QString& endung, const QString& format) const;
    // DWG blocks are not supplied: says so and offers the DXF blocks under the same names.
    bool DwgNichtVorhanden(const QString& ziel);

    Projektzustand& zustand_;
    Rueckfragen& fragen_;
    Filterdialog& dialog_;
    QStringList ordner_;
    int filter_ = Dxf; // the dialog keeps its type between uses
};

// "&Varnel Shear Connectors Manual": opens "TRV Manual.pdf" from the first search folder that
// has it with the desktop's viewer; a failed start shows its reason, a missing manual the
// not-found message. True when the viewer was started.
bool HandbuchOeffnen(const QStringList& ordner, Rueckfragen& fragen);

} // namespace trv
