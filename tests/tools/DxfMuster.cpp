// Writes the reinforcement drawings of all 14 connector types of calculated positions into a
// folder, each beside a text file with the measures it was drawn from, for an independent
// DXF reader to check. Usage: trv_dxf_muster FOLDER

#include "calculation/Bemessung.h"
#include "calculation/Katalog.h"
#include "dxf/DxfBewehrung.h"
#include "model/Modell.h"

#include <filesystem>
#include <fstream>
#include <iomanip>
#include <iostream>
#include <string>

namespace {

using namespace trv;

// A row slab to slab under a line load (kN/m).
TKAnwendung Reihe(double q, double laenge, double dicke) {
    TKAnwendung a;
    a.SetAnwendungsfall(1);
    a.Geometrie().SetFugenlaenge(laenge);
    a.Geometrie().SetPlatteDicke(dicke);
    TKBelastung& b = a.BelastungDesign();
    b.SetBelastungsfall(1);
    b.LinienLastLinks().SetFd(q);
    b.LinienLastRechts().SetFd(q);
    b.LinienLastBestimmen();
    b.SetLastLaenge(laenge);
    return a;
}

// A single connector between two component edges under a point load (kN).
TKAnwendung Einzeldorn(double last, double dicke) {
    TKAnwendung a;
    a.SetAnwendungsfall(0);
    a.Geometrie().SetRandLinks(true);
    a.Geometrie().SetRandRechts(true);
    a.Geometrie().SetPlatteDicke(dicke);
    a.BelastungDesign().SetBelastungsfall(0);
    a.BelastungDesign().Punktlast().SetFd(last);
    return a;
}

void MasseSchreiben(const dxf::TKBewehrungsmasse& m, const std::filesystem::path& datei) {
    std::ofstream out(datei);
    out << std::setprecision(17);
    out << "name " << m.DornName << "\n";
    for (const auto& [k, v] : {std::pair{"d", m.d},
                               {"co", m.co},
                               {"cu", m.cu},
                               {"cv", m.cv},
                               {"bx", m.bx},
                               {"by", m.by},
                               {"PB", m.PB},
                               {"PH", m.PH},
                               {"HL", m.HL},
                               {"DD", m.DD},
                               {"EL", m.EL},
                               {"OB", m.OB},
                               {"OH", m.OH},
                               {"HB", m.HB},
                               {"HH", m.HH},
                               {"BD", m.BD},
                               {"BY", m.BY}}) {
        out << k << " " << v << "\n";
    }
    out << "dx " << m.dx << "\ndy " << m.dy << "\nnx " << m.nx << "\nny " << m.ny << "\ng " << m.g
        << "\n";
    out << "Ax";
    for (double v : m.Ax) {
        out << " " << v;
    }
    out << "\nAy";
    for (double v : m.Ay) {
        out << " " << v;
    }
    out << "\n";
}

bool AlleTypenSchreiben(TKAnwendung& a, const std::string& fall,
                        const std::filesystem::path& ordner) {
    TKTRVBemessung(a).AlleTypenBemessen();
    bool ok = true;
    for (int typ = 0; typ < AnzDornTypen; ++typ) {
        a.Ergebnisse().SetAktDorn(static_cast<std::uint8_t>(typ));
        const std::string name = fall + "-" + DornKennung(typ);
        std::string fehler;
        dxf::TKBewehrungsmasse m;
        if (!dxf::BewehrungsmasseLesen(a, m, fehler) ||
            !dxf::DxfBewehrungSpeichern(a, ordner / (name + ".dxf"), '.', fehler)) {
            std::cerr << name << ": " << fehler << "\n";
            ok = false;
            continue;
        }
        MasseSchreiben(m, ordner / (name + ".txt"));
    }
    return ok;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: trv_dxf_muster FOLDER\n";
        return 64;
    }
    const std::filesystem::path ordner = argv[1];
    std::error_code ec;
    std::filesystem::create_directories(ordner, ec);
    TKAnwendung reihe = Reihe(20, 2000, 450);
    TKAnwendung einzeln = Einzeldorn(60, 300);
    const bool ok = AlleTypenSchreiben(reihe, "reihe", ordner) &&
                    AlleTypenSchreiben(einzeln, "einzeldorn", ordner);
    return ok ? 0 : 1;
}
