// Writes the connector CAD blocks (plan, side and end view of every type, DXF) into the folder
// named on the command line; run when the program is built. Usage: trv_cad_bloecke FOLDER

#include "dxf/DxfDornBloecke.h"

#include <iostream>
#include <string>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: trv_cad_bloecke FOLDER\n";
        return 64;
    }
    std::string fehler;
    if (!trv::dxf::DornBloeckeSchreiben(argv[1], fehler)) {
        std::cerr << "trv_cad_bloecke: " << fehler << "\n";
        return 1;
    }
    return 0;
}
