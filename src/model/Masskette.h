#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace trv {

// Where the numbers of a dimension chain go when they do not fit between their ticks, as a
// draughtsman places them: equal neighbours that do not fit become one "n x s" text over
// their run, a number at an end of the chain moves outside past that end, and whatever still
// collides is staggered into further rows (row 0 is the text's usual place at the line). Lengths
// are in any one unit (device pixels of a sketch, mm of a drawing), along the chain's axis.

struct Kettentext {
    std::string Text;
    double Mitte = 0;       // centre of the text along the axis
    int Reihe = 0;          // 0 at the dimension line, 1, 2, ... staggered
    std::size_t Erstes = 0; // first and last dimension of the chain it stands for
    std::size_t Letztes = 0;
};

struct Kettenvorgaben {
    // Width of a text along the axis.
    std::function<double(const std::string&)> Breite;
    // The text of n equal dimensions of the given text ("3 x 70").
    std::function<std::string(std::size_t n, const std::string& text)> Mal;
    double Luecke = 0; // least clear distance between two texts of a row
    // Whether a text may move outside past the first or the last point (not where another
    // chain or dimension begins).
    bool AussenAmAnfang = true;
    bool AussenAmEnde = true;
};

// grenzen: the chain's points in order (n + 1 points for n dimensions, rising or falling);
// texte: the n dimension texts. Gives one entry per text to write.
std::vector<Kettentext> KettentexteAnordnen(const std::vector<double>& grenzen,
                                            const std::vector<std::string>& texte,
                                            const Kettenvorgaben& vorgaben);

// Number of text rows a layout uses (1 for a chain whose texts all stand at the line, 0 for
// an empty chain).
int KettenReihen(const std::vector<Kettentext>& texte);

} // namespace trv
