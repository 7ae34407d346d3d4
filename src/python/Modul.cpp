// The Python module "trv": the program's engine for scripts. Projects are read and written
// with the program's own reader and writer, inputs go through the checks of the input fields,
// and the outputs are those of trv-cli.
#include "calculation/Eingabepruefung.h"
#include "calculation/Katalog.h"
#include "calculation/Lastfaelle.h"
#include "calculation/Plausibilitaet.h"
#include "dxf/DxfBewehrung.h"
#include "model/Modell.h"
#include "model/Textlisten.h"
#include "model/Zahlen.h"
#include "platform/Umgebung.h"
#include "printing/Ausgaben.h"
#include "printing/Grafikumgebung.h"

#include "Programmversion.h"

#include <QCoreApplication>

#include <pybind11/pybind11.h>
#include <pybind11/stl.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace py = pybind11;

namespace trv::python {

namespace {

// A bad input value; the text is the field's name and the program's message.
struct Eingabefehler : std::runtime_error {
    using std::runtime_error::runtime_error;
};
// A project file that cannot be read or written.
struct Dateifehler : std::runtime_error {
    using std::runtime_error::runtime_error;
};
// An output (sheet, schedule, sketch, DXF) that cannot be made.
struct Ausgabefehler : std::runtime_error {
    using std::runtime_error::runtime_error;
};

struct Feldname {
    const char* Name;
    TFeld Feld;
};

// In the order the window's fields are filled in: a slab thickness sets the effective height,
// so a given Nutzhoehe is written after it; a constant line load's start sets its end.
constexpr std::array kFelder{
    Feldname{"Fugenlaenge", TFeld::Fugenlaenge},
    Feldname{"WandDicke", TFeld::WandDicke},
    Feldname{"PlatteDicke", TFeld::PlatteDicke},
    Feldname{"Nutzhoehe", TFeld::Nutzhoehe},
    Feldname{"BauteilRandLinks", TFeld::BauteilRandLinks},
    Feldname{"BauteilRandRechts", TFeld::BauteilRandRechts},
    Feldname{"BetondeckungOben", TFeld::BetondeckungOben},
    Feldname{"BetondeckungUnten", TFeld::BetondeckungUnten},
    Feldname{"BetondeckungVorn", TFeld::BetondeckungVorn},
    Feldname{"PunktlastGk", TFeld::PunktlastGk},
    Feldname{"Punktlastgg", TFeld::Punktlastgg},
    Feldname{"PunktlastQk", TFeld::PunktlastQk},
    Feldname{"Punktlastgq", TFeld::Punktlastgq},
    Feldname{"PunktlastF1", TFeld::PunktlastF1},
    Feldname{"LinksGk", TFeld::LinksGk},
    Feldname{"Linksgg", TFeld::Linksgg},
    Feldname{"LinksQk", TFeld::LinksQk},
    Feldname{"Linksgq", TFeld::Linksgq},
    Feldname{"LinksF1", TFeld::LinksF1},
    Feldname{"RechtsGk", TFeld::RechtsGk},
    Feldname{"Rechtsgg", TFeld::Rechtsgg},
    Feldname{"RechtsQk", TFeld::RechtsQk},
    Feldname{"Rechtsgq", TFeld::Rechtsgq},
    Feldname{"RechtsF1", TFeld::RechtsF1},
};

// The choices of the window's buttons and lists: name, largest value.
struct Auswahl {
    const char* Name;
    int Maximum;
};
constexpr std::array kAuswahlen{
    Auswahl{"Anwendungsfall", 2}, Auswahl{"Belastungsfall", 3},
    Auswahl{"Betonguete", 3},     Auswahl{"Fugenbreite", AnzFugenbreiten - 1},
    Auswahl{"Stahlguete", 1},     Auswahl{"BewehrungCalc", 1},
    Auswahl{"MaxDornabstand", 1},
};

const TKTextlisten& Texte() {
    static const TKTextlisten texte = TextlistenLaden();
    return texte;
}

// Qt's fonts and paint engines for the outputs that draw: made at the first drawing, kept
// until the interpreter ends (an application of the caller's own is used instead).
void GrafikBereitstellen() {
    static std::unique_ptr<Grafikumgebung> grafik;
    if (grafik || QCoreApplication::instance() != nullptr) {
        return;
    }
    grafik = std::make_unique<Grafikumgebung>();
    py::module_::import("atexit").attr("register")(py::cpp_function([] { grafik.reset(); }));
}

// Scripts write numbers with "." whatever the regional settings.
constexpr char Trenner = '.';

void Pruefen(TKAnwendung& a, const char* name, TFeld feld, const py::handle& wert) {
    const char trenner = Trenner;
    std::string text;
    if (py::isinstance<py::str>(wert)) {
        text = wert.cast<std::string>(); // as typed into the field
    } else {
        const double zahl = wert.cast<double>();
        // A value that is no finite number is refused as the field refuses such a text.
        text = std::isfinite(zahl) ? ZahlDateiText(zahl, trenner) : std::string("?");
    }
    const TEingabeFehler fehler = FeldVerlassen(a, feld, text, trenner);
    if (fehler != TEingabeFehler::Keiner) {
        throw Eingabefehler(std::string(name) + ": " + EingabeMeldung(fehler));
    }
}

void AuswahlSetzen(TKAnwendung& a, const std::string& name, int wert) {
    if (name == "Anwendungsfall") {
        AnwendungsfallSetzen(a, wert);
    } else if (name == "Belastungsfall") {
        // The point load belongs to the single connector, as the window offers it.
        if ((wert == 0) != (a.Anwendungsfall() == 0)) {
            throw Eingabefehler("Belastungsfall: the point load (0) goes with the single "
                                "connector (Anwendungsfall 0) only");
        }
        BelastungsfallSetzen(a, wert);
    } else if (name == "Betonguete") {
        a.SetBetonguete(static_cast<std::uint8_t>(wert));
    } else if (name == "Fugenbreite") {
        a.Geometrie().SetFugenbreite(static_cast<std::uint8_t>(wert));
    } else if (name == "Stahlguete") {
        a.SetStahlguete(static_cast<std::uint8_t>(wert));
    } else if (name == "BewehrungCalc") {
        a.SetBewehrungCalc(static_cast<std::uint8_t>(wert));
    } else if (name == "MaxDornabstand") {
        a.SetMaxDornabstand(static_cast<std::uint8_t>(wert));
    }
}

// Writes the keyword arguments into the position: the choices first (they reset loads and
// edges as the window's buttons do), then the fields in the window's order. Unknown names
// and bad values raise before anything is written.
void Setzen(TKAnwendung& a, const py::kwargs& werte) {
    for (const auto& [schluessel, wert] : werte) {
        const std::string name = py::str(schluessel);
        bool bekannt = name == "Position";
        for (const Auswahl& w : kAuswahlen) {
            if (name == w.Name) {
                bekannt = true;
                if (!py::isinstance<py::int_>(wert) || py::isinstance<py::bool_>(wert) ||
                    wert.cast<long long>() < 0 || wert.cast<long long>() > w.Maximum) {
                    throw Eingabefehler(name + ": a whole number from 0 to " +
                                        std::to_string(w.Maximum) + " is expected");
                }
            }
        }
        for (const Feldname& f : kFelder) {
            if (name == f.Name) {
                bekannt = true;
                if (!py::isinstance<py::str>(wert) && !py::isinstance<py::float_>(wert) &&
                    !py::isinstance<py::int_>(wert)) {
                    throw Eingabefehler(name + ": a number is expected");
                }
            }
        }
        if (!bekannt) {
            throw Eingabefehler(name + ": not an input of a position");
        }
    }
    // The window checks a value when its field is left; one refused value leaves the
    // position as it was.
    TKAnwendung probe = a;
    if (werte.contains("Position")) {
        probe.SetPosition(py::str(werte["Position"]));
    }
    for (const Auswahl& w : kAuswahlen) {
        if (werte.contains(w.Name)) {
            AuswahlSetzen(probe, w.Name, werte[w.Name].cast<int>());
        }
    }
    for (const Feldname& f : kFelder) {
        if (werte.contains(f.Name)) {
            Pruefen(probe, f.Name, f.Feld, werte[f.Name]);
        }
    }
    a = probe;
    // As in the window, a changed input takes the position back to input mode: its stored
    // results belong to the inputs before and are neither shown nor printed.
    a.Ergebnisse().SetBerechnet(false);
}

py::list Meldungen(const TKMeldungen& meldungen, const std::vector<std::string>& texte) {
    py::list liste;
    for (std::uint16_t code : meldungen.Codes()) {
        py::dict m;
        m["code"] = code;
        m["text"] = TKTextlisten::Text(texte, code);
        liste.append(m);
    }
    return liste;
}

py::dict Ergebnis(const TKErgebnisse& e, int typ) {
    const TKDornErgebnis& d = e.DornErgebnis(typ);
    const TKDornDaten& daten = e.DornDaten(typ);
    py::dict r;
    r["Typ"] = typ;
    r["DornName"] = DornName(typ);
    r["AnzDorn"] = e.GetAnzDorn(typ);
    r["FRdStahl"] = d.FRdStahl();
    r["FRdBeton"] = d.FRdBeton();
    r["FRdBewehrung"] = d.FRdBewehrung();
    r["FRd"] = d.FRd();
    r["FSdIst"] = d.FSdIst();
    r["EtaQ"] = d.EtaQ();
    r["AsxErf"] = d.AsxErf();
    r["AsyErf"] = d.AsyErf();
    r["AsxIst"] = d.AsxIst();
    r["AsyIst"] = d.AsyIst();
    r["bx"] = d.bx();
    r["by"] = d.by();
    r["AnzahlBewX"] = daten.AnzahlBewX();
    r["DurchmesserBewX"] = daten.DurchmesserBewX();
    r["AnzahlBewY"] = daten.AnzahlBewY();
    r["DurchmesserBewY"] = daten.DurchmesserBewY();
    r["DornAbstand"] = d.DornAbstand();
    r["AbstandLinks"] = d.AbstandLinks();
    r["AbstandRechts"] = d.AbstandRechts();
    r["Status"] = d.Status();
    r["StatusText"] = TKTextlisten::Text(Texte().StatusKurz(), d.Status());
    r["Warnungen"] = Meldungen(d.Warnungen(), Texte().Hinweistexte());
    r["Fehler"] = Meldungen(d.Fehler(), Texte().StatusLang());
    return r;
}

py::dict Katalogeintrag(int typ) {
    const TKDornDaten d(typ);
    py::dict r;
    r["Typ"] = typ;
    r["DornName"] = DornName(typ);
    r["DornKennung"] = DornKennung(typ);
    r["DornDurchmesser"] = d.DornDurchmesser();
    r["DickeMin"] = d.DickeMin();
    r["StdAchsabstand"] = d.StdAchsabstand();
    r["StdRandabstand"] = d.StdRandabstand();
    r["PlattenBreite"] = d.PlattenBreite();
    r["PlattenHoehe"] = d.PlattenHoehe();
    r["HuelsenBreite"] = d.HuelsenBreite();
    r["HuelsenHoehe"] = d.HuelsenHoehe();
    r["HuelsenLaenge"] = d.HuelsenLaenge();
    r["Einbindelaenge"] = d.Einbindelaenge();
    r["AnzahlBewX"] = d.AnzahlBewX();
    r["DurchmesserBewX"] = d.DurchmesserBewX();
    r["AnzahlBewY"] = d.AnzahlBewY();
    r["DurchmesserBewY"] = d.DurchmesserBewY();
    r["Blechdicke"] = d.Blechdicke();
    py::dict frd;
    for (int f = 0; f < AnzFugenbreiten; ++f) {
        if (FugenbreiteZulaessig(typ, f)) {
            frd[py::float_(Fugenbreiten(f))] = d.FRdStahlTabelle()[static_cast<std::size_t>(f)];
        }
    }
    r["FRdStahlTabelle"] = frd;
    return r;
}

std::vector<std::string> Pruefliste(const TKAnwendung& a) {
    return EingabenPruefen(a);
}

// A project of the module: the model with its regional settings and the user's defaults,
// read once and never written back.
class Projekt {
public:
    Projekt() : modell_(plattform::BatchModell()) {}

    static std::unique_ptr<Projekt> Oeffnen(const std::string& pfad) {
        auto projekt = std::make_unique<Projekt>();
        const TKDateiErgebnis ergebnis = projekt->modell_->Oeffnen(pfad);
        if (!ergebnis.Ok) {
            std::string text = pfad + ":";
            for (const std::string& m : ergebnis.Meldungen) {
                text += " " + m;
            }
            if (!ergebnis.Grund.empty()) {
                text += " (" + ergebnis.Grund + ")";
            }
            throw Dateifehler(text);
        }
        return projekt;
    }

    void Speichern(const std::string& pfad) {
        const TKDateiErgebnis ergebnis = modell_->Speichern(pfad);
        if (!ergebnis.Ok) {
            std::string text = pfad + ":";
            for (const std::string& m : ergebnis.Meldungen) {
                text += " " + m;
            }
            throw Dateifehler(text + " (" + ergebnis.Grund + ")");
        }
    }

    TKModell& Modell() { return *modell_; }

    int Nummer(std::optional<int> nr) const {
        if (!nr) {
            return std::clamp<int>(modell_->AktAnwendung(), 1, modell_->AnzAnwendung());
        }
        if (*nr < 1 || *nr > modell_->AnzAnwendung()) {
            throw py::index_error("position " + std::to_string(*nr) +
                                  " is not a position of the project (1.." +
                                  std::to_string(modell_->AnzAnwendung()) + ")");
        }
        return *nr;
    }

    TKAnwendung& Anwendung(std::optional<int> nr) { return modell_->Anwendung(Nummer(nr)); }

    TKAnwendung& PositionHinzufuegen(const py::kwargs& werte) {
        if (modell_->AnzAnwendung() >= 65535) {
            throw Eingabefehler("the project holds as many positions as it can");
        }
        TKAnwendung neu(modell_->Ini());
        neu.SetPosition(std::to_string(modell_->AnzAnwendung() + 1));
        Setzen(neu, werte);
        modell_->SetAnzAnwendung(modell_->AnzAnwendung() + 1);
        TKAnwendung& a = modell_->Anwendung(modell_->AnzAnwendung());
        a = neu;
        return a;
    }

    void Ausgabe(bool ok, const std::string& pfad, const std::string& fehler) const {
        if (!ok) {
            throw Ausgabefehler(pfad + ": " + fehler);
        }
    }

private:
    std::unique_ptr<TKModell> modell_;
};

} // namespace

} // namespace trv::python

PYBIND11_MODULE(trv, m) {
    using namespace trv;
    using namespace trv::python;
    m.doc() = "The TRV / ZEDE shear connector engine: projects, positions, the design of the 14 "
              "connector types and the program's outputs. Lengths in mm, forces in kN, line "
              "loads in kN/m, areas in mm2, partial safety factors without unit.";
    m.attr("__version__") = TRV_PROGRAMMVERSION;
    m.attr("AnzDornTypen") = AnzDornTypen;

    auto& eingabefehler =
        py::register_exception<Eingabefehler>(m, "Eingabefehler", PyExc_ValueError);
    auto& dateifehler = py::register_exception<Dateifehler>(m, "Dateifehler", PyExc_OSError);
    auto& ausgabefehler = py::register_exception<Ausgabefehler>(m, "Ausgabefehler", PyExc_OSError);
    eingabefehler.doc() = "A bad input value: the field's name and the program's message.";
    dateifehler.doc() = "A project file (or a sheet's PDF) that cannot be read or written.";
    ausgabefehler.doc() = "An output that cannot be made or written.";

    m.def(
        "Katalog",
        [] {
            py::list liste;
            for (int typ = 0; typ < AnzDornTypen; ++typ) {
                liste.append(Katalogeintrag(typ));
            }
            return liste;
        },
        "The 14 connector types in catalog order (Typ 0..13), each a dict of its catalog data: "
        "lengths in mm; FRdStahlTabelle maps each permitted joint width (mm) to FRd,s (kN).");
    m.def(
        "DornName",
        [](int typ) {
            if (typ < 0 || typ >= AnzDornTypen) {
                throw py::index_error("connector types are 0..13");
            }
            return DornName(typ);
        },
        py::arg("typ"), "The display name of connector type typ (0..13), e.g. 'TRV 22'.");
    py::list felder;
    for (const Feldname& f : kFelder) {
        felder.append(f.Name);
    }
    m.attr("Eingabefelder") = felder;

    py::class_<TKAnwendung>(m, "Anwendung",
                            "A position of a project: one joint with its inputs and results. "
                            "It belongs to its Projekt and lives as long as that.")
        .def(
            "Setzen", [](TKAnwendung& a, const py::kwargs& werte) { Setzen(a, werte); },
            "Writes inputs by name with the checks of the window's fields; a refused value "
            "raises Eingabefehler with the program's message and leaves the position as it "
            "was. Names: Position (text); Anwendungsfall 0 single connector, 1 slab to slab, "
            "2 slab to wall; Belastungsfall 0 point load, 1 constant, 2 linear, 3 arbitrary; "
            "Betonguete 0..3 (C16/20..C30/37); Fugenbreite 0..6 (0..60 mm); Stahlguete 0 "
            "(500 N/mm2) or 1 (450 N/mm2); BewehrungCalc; MaxDornabstand; and the fields of "
            "trv.Eingabefelder: lengths in mm, point loads in kN, line loads in kN/m, the "
            "partial safety factors gg and gq. Numbers given as text "
            "are read as typed into the field, with '.' as the decimal separator.")
        .def_property_readonly("Position", &TKAnwendung::Position, "The position's label.")
        .def_property_readonly(
            "Anwendungsfall", [](const TKAnwendung& a) { return int(a.Anwendungsfall()); },
            "0 single connector, 1 slab to slab, 2 slab to wall.")
        .def_property_readonly(
            "Belastungsfall",
            [](const TKAnwendung& a) { return int(a.BelastungDesign().Belastungsfall()); },
            "0 point load, 1 constant, 2 linearly varying, 3 arbitrary load profile.")
        .def_property_readonly(
            "Betonguete", [](const TKAnwendung& a) { return int(a.Betonguete()); },
            "Concrete grade 0..3 (C16/20 .. C30/37).")
        .def_property_readonly(
            "Fugenbreite", [](const TKAnwendung& a) { return int(a.Geometrie().Fugenbreite()); },
            "Joint width class 0..6 (10 mm per step).")
        .def_property_readonly(
            "Stahlguete", [](const TKAnwendung& a) { return int(a.Stahlguete()); },
            "Reinforcing steel 0 (500 N/mm2) or 1 (450 N/mm2).")
        .def_property_readonly("GammaMs", &TKAnwendung::GammaMs,
                               "Partial safety factor of the steel.")
        .def(
            "Eingaben",
            [](const TKAnwendung& a) {
                py::dict d;
                for (const Feldname& f : kFelder) {
                    d[f.Name] = FeldWert(a, f.Feld);
                }
                return d;
            },
            "The values of the input fields by name (mm, kN, kN/m; the joint length is the "
            "effective one).")
        .def("EingabenPruefen", &Pruefliste,
             "The plausibility checks of the inputs: the messages of the failing rules (empty "
             "when the position can be calculated).")
        .def("BemessungStarten", &TKAnwendung::BemessungStarten,
             "The Calculation command: the plausibility checks and, when they pass, the design "
             "of all 14 connector types. Returns the messages to show; Berechnet tells "
             "whether the position was calculated.")
        .def_property_readonly(
            "Berechnet", [](const TKAnwendung& a) { return a.Ergebnisse().Berechnet(); },
            "True when the position holds results of its inputs.")
        .def_property_readonly(
            "AktDorn",
            [](const TKAnwendung& a) -> py::object {
                if (!a.Ergebnisse().Berechnet()) {
                    return py::none();
                }
                return py::int_(a.Ergebnisse().AktDorn());
            },
            "The selected connector type 0..13 (None when not calculated).")
        .def(
            "Ergebnisse",
            [](const TKAnwendung& a) {
                py::list liste;
                if (a.Ergebnisse().Berechnet()) {
                    for (int typ = 0; typ < AnzDornTypen; ++typ) {
                        liste.append(Ergebnis(a.Ergebnisse(), typ));
                    }
                }
                return liste;
            },
            "The results of the 14 connector types (empty when not calculated), each a dict: "
            "AnzDorn connectors; FRd, FRdStahl, FRdBeton, FRdBewehrung, FSdIst in kN; EtaQ "
            "the utilisation; AsxErf, AsyErf, AsxIst, AsyIst in mm2; bx, by, DornAbstand, "
            "AbstandLinks, AbstandRechts in mm; the bars AnzahlBewX x DurchmesserBewX and "
            "AnzahlBewY x DurchmesserBewY (mm); Status with StatusText; Warnungen and Fehler "
            "as lists of {code, text}.")
        .def(
            "Gewaehlt",
            [](const TKAnwendung& a) -> py::object {
                if (!a.Ergebnisse().Berechnet()) {
                    return py::none();
                }
                return Ergebnis(a.Ergebnisse(), a.Ergebnisse().AktDorn());
            },
            "The result of the selected type (as in Ergebnisse), None when not calculated.");

    py::class_<Projekt>(m, "Projekt",
                        "A project: its positions (numbered from 1), project description and "
                        "connector schedule. A new one holds one position with the user's "
                        "default settings.")
        .def(py::init<>())
        .def_static("Oeffnen", &Projekt::Oeffnen, py::arg("pfad"),
                    "Reads a project file, or the project a result sheet's PDF carries; "
                    "raises Dateifehler with the program's messages.")
        .def("Speichern", &Projekt::Speichern, py::arg("pfad"),
             "Saves the project file (complete or not at all); raises Dateifehler.")
        .def_property_readonly(
            "FileName", [](Projekt& p) { return p.Modell().FileName(); },
            "The file last read or saved ('' for a new project or one read "
            "from a PDF).")
        .def_property(
            "Bauvorhaben",
            [](Projekt& p) { return p.Modell().Projektbeschreibung().Bauvorhaben(); },
            [](Projekt& p, std::string v) {
                p.Modell().Projektbeschreibung().SetBauvorhaben(std::move(v));
            },
            "The building project's name.")
        .def_property(
            "Bearbeiter", [](Projekt& p) { return p.Modell().Projektbeschreibung().Bearbeiter(); },
            [](Projekt& p, std::string v) {
                p.Modell().Projektbeschreibung().SetBearbeiter(std::move(v));
            },
            "The designer.")
        .def_property_readonly(
            "AnzAnwendung", [](Projekt& p) { return p.Modell().AnzAnwendung(); },
            "The number of positions.")
        .def_property(
            "AktAnwendung", [](Projekt& p) { return p.Nummer(std::nullopt); },
            [](Projekt& p, int nr) {
                p.Modell().SetAktAnwendung(static_cast<std::uint16_t>(p.Nummer(nr)));
            },
            "The number of the current position (1..AnzAnwendung).")
        .def("Anwendung", &Projekt::Anwendung, py::arg("nr") = py::none(),
             py::return_value_policy::reference_internal,
             "Position nr (1..AnzAnwendung; the current one without nr).")
        .def("PositionHinzufuegen", &Projekt::PositionHinzufuegen,
             py::return_value_policy::reference_internal,
             "Appends a new position with the user's defaults and the given inputs (the names of "
             "Anwendung.Setzen, with the same checks) and returns it.")
        .def(
            "Berechnen",
            [](Projekt& p) {
                py::dict meldungen;
                TKModell& modell = p.Modell();
                for (int nr = 1; nr <= modell.AnzAnwendung(); ++nr) {
                    meldungen[py::int_(nr)] = modell.Anwendung(nr).BemessungStarten();
                    if (nr == modell.AktAnwendung()) {
                        modell.SetCalcFlag(modell.Anwendung(nr).Ergebnisse().Berechnet());
                    }
                }
                return meldungen;
            },
            "Runs BemessungStarten on every position, as trv-cli calc does; returns the "
            "messages by position number.")
        .def(
            "Ergebnisblatt",
            [](Projekt& p, const std::string& pfad, std::optional<int> nr) {
                const int n = p.Nummer(nr);
                GrafikBereitstellen();
                std::string fehler;
                p.Ausgabe(ErgebnisblattSchreiben(p.Modell(), n, pfad, fehler), pfad, fehler);
            },
            py::arg("pfad"), py::arg("nr") = py::none(),
            "Writes the result sheet of a calculated position as trv-cli sheet does: every page "
            "into a .pdf that carries the project, page 1 into a .png or .svg.")
        .def(
            "Projektblatt",
            [](Projekt& p, const std::string& pfad) {
                GrafikBereitstellen();
                std::string fehler;
                p.Ausgabe(ProjektblattSchreiben(p.Modell(), pfad, fehler), pfad, fehler);
            },
            py::arg("pfad"),
            "The sheets of every calculated position and the schedule into one PDF (trv-cli "
            "sheet --all).")
        .def(
            "Stueckliste",
            [](Projekt& p, const std::string& pfad) {
                GrafikBereitstellen();
                std::string fehler;
                p.Ausgabe(StuecklisteSchreiben(p.Modell(), pfad, fehler), pfad, fehler);
            },
            py::arg("pfad"), "The connector schedule as .txt (fixed columns) or .pdf.")
        .def(
            "Skizze",
            [](Projekt& p, const std::string& pfad, const std::string& ansicht,
               std::optional<int> nr, int breite, int hoehe) {
                const int n = p.Nummer(nr);
                const std::optional<TSkizzenart> art = SkizzenartAusName(ansicht);
                if (!art) {
                    throw py::value_error("ansicht: view, plan, section, row or input");
                }
                if (breite < 16 || hoehe < 16 || breite > 10000 || hoehe > 10000) {
                    throw py::value_error("breite and hoehe: 16 to 10000 pixels");
                }
                GrafikBereitstellen();
                std::string fehler;
                p.Ausgabe(SkizzeSchreiben(p.Modell(), n, *art, QSize(breite, hoehe), pfad, fehler),
                          pfad, fehler);
            },
            py::arg("pfad"), py::arg("ansicht"), py::arg("nr") = py::none(),
            py::arg("breite") = 800, py::arg("hoehe") = 600,
            "One sketch (view, plan, section, row or input) as .png or .svg, breite x hoehe "
            "pixels at 96 dpi.")
        .def(
            "Dxf",
            [](Projekt& p, const std::string& pfad, std::optional<int> nr) {
                const int n = p.Nummer(nr);
                std::string fehler;
                p.Ausgabe(dxf::DxfBewehrungSpeichern(p.Modell().Anwendung(n), pfad,
                                                     p.Modell().Regional().Dezimaltrenner, fehler),
                          pfad, fehler);
            },
            py::arg("pfad"), py::arg("nr") = py::none(),
            "The reinforcement drawing of the position's selected type as DXF (trv-cli dxf).");
}
