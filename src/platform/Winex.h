#pragma once

#include <QObject>
#include <QString>

namespace trv {

// How the started window is shown. The desktop's document opener decides that itself here,
// so the mode is kept for callers and checked, but has no further effect.
enum class TModus { Normal, Versteckt, Minimiert, Maximiert, Als_Icon };

// Opens a document (or starts a program) with the desktop's registered application, the way
// the shell's "open" does. A QObject, so a window can own it and it goes with its owner.
class TWinexecute : public QObject {
public:
    // The component's own results; 0 .. 32 are the start failures, above 32 success.
    static constexpr int DateiNichtGefunden = -2; // also any error around the start
    static constexpr int AnzeigeUngueltig = -1;   // an ExecuteModus outside the five values
    static constexpr int KeinProgramm = 31;       // no application registered for the file
    static constexpr int Erfolg = 42;

    explicit TWinexecute(QObject* eltern = nullptr);

    const QString& ProgrammName() const { return programmName_; }
    void SetProgrammName(const QString& v);
    const QString& FileName() const { return fileName_; }
    void SetFileName(const QString& v);
    // Working folder: when set, the process's current folder is changed to it around the start.
    const QString& ProgrammPfad() const { return programmPfad_; }
    void SetProgrammPfad(const QString& v);
    // Command line parameters; a text that does not begin with a blank gets one in front.
    const QString& Parameter() const { return parameter_; }
    void SetParameter(const QString& v);
    TModus ExecuteModus() const { return executeModus_; }
    void SetExecuteModus(TModus v);
    // The text of the last start's result ("" after a success).
    const QString& ErrorString() const { return errorString_; }

    // Opens FileName; true on success. ErrorString holds the text of the result afterwards.
    bool Ausfuehren();
    // The result of the last start (see the constants above).
    int Ergebnis() const { return ergebnis_; }

    // The text of a start result; results above 33 read the entry of 33 (success, "").
    static QString ErgebnisText(int ergebnis);

private:
    int Starten() const;

    QString programmName_;
    QString fileName_;
    QString programmPfad_;
    QString parameter_;
    TModus executeModus_ = TModus::Normal;
    QString errorString_;
    int ergebnis_ = 0;
};

} // namespace trv
