#pragma once

#include <QCoreApplication>

#include <QString>

namespace trv {

class Druckerwahl;
class Projektzustand;
class Rueckfragen;

// The print commands of the main window: the result sheet of the current position, and the
// whole project (the sheets of every calculated position, then the connector schedule), on
// the printer chosen with Printer Setup, or into a PDF file the user names when no printer is
// installed. A PDF is complete before it replaces a file of that name.
class Druckbefehle {
    Q_DECLARE_TR_FUNCTIONS(Druckbefehle)

public:
    Druckbefehle(Projektzustand& zustand, Druckerwahl& drucker, Rueckfragen& fragen);

    // "&Print": only with valid results. True when the job was printed.
    bool Drucken();
    // "Print project": asks first when positions are not calculated (they are left out).
    bool ProjektDrucken();

private:
    // A proposal for the PDF file: the project file's name with ".pdf".
    QString PdfVorschlag() const;

    Projektzustand& zustand_;
    Druckerwahl& drucker_;
    Rueckfragen& fragen_;
};

} // namespace trv
