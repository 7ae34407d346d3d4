#pragma once

#include <QString>

#include <memory>

class QPrinter;
class QWidget;

namespace trv {

class Rueckfragen;

// The printer the user chose with Printer Setup, shared by every print command. Without an
// installed printer it is an A4 PDF printer, so the page geometry of previews and exports is
// always defined, and printing writes a PDF file the user names.
class Druckerwahl {
public:
    Druckerwahl();
    ~Druckerwahl();
    Druckerwahl(const Druckerwahl&) = delete;
    Druckerwahl& operator=(const Druckerwahl&) = delete;

    QPrinter& Drucker() { return *drucker_; }
    const QPrinter& Drucker() const { return *drucker_; }

    // True when the system has at least one printer.
    static bool DruckerInstalliert();

    // Printer Setup through the question interface (the system's print dialog). False when
    // cancelled.
    bool Einrichten(Rueckfragen& fragen);

    // Readies the printer for one print job: a real printer as chosen; the PDF printer asks
    // for the file (vorschlag proposes a name). False when the user cancelled.
    bool DruckauftragVorbereiten(Rueckfragen& fragen, const QString& vorschlag);

private:
    std::unique_ptr<QPrinter> drucker_;
};

} // namespace trv
