#include "dxf/DxfGruppen.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

namespace trv::dxf {

namespace {

constexpr std::string_view zeilenende = "\r\n";

std::string rechtsbuendig(std::string s, std::size_t breite) {
    if (s.size() < breite) {
        s.insert(0, breite - s.size(), ' ');
    }
    return s;
}

void endlich_pruefen(double value) {
    if (!std::isfinite(value)) {
        throw DXF_exception("The drawing holds a number that cannot be written (not finite).");
    }
}

// Mantissa digits and decimal exponent of value in scientific notation with the given
// number of decimals, from the shortest exact conversion of the C++ library (no locale).
struct Wissenschaftlich {
    bool negativ = false;
    std::string ziffern; // all mantissa digits, without the point
    int exponent = 0;
};

Wissenschaftlich wissenschaftlich(double value, int dezimalen) {
    char puffer[64];
    const auto r = std::to_chars(puffer, puffer + sizeof puffer, value,
                                 std::chars_format::scientific, dezimalen);
    std::string_view s(puffer, static_cast<std::size_t>(r.ptr - puffer));
    Wissenschaftlich w;
    if (!s.empty() && s.front() == '-') {
        w.negativ = true;
        s.remove_prefix(1);
    }
    const std::size_t e = s.find('e');
    for (char c : s.substr(0, e)) {
        if (c != '.') {
            w.ziffern += c;
        }
    }
    const std::string_view exp = s.substr(e + 1);
    const char* anfang = exp.data() + (exp.front() == '+' ? 1 : 0);
    std::from_chars(anfang, exp.data() + exp.size(), w.exponent);
    return w;
}

std::string ohne_negative_null(std::string s) {
    if (!s.empty() && s.front() == '-' && s.find_first_of("123456789") == std::string::npos) {
        s.erase(0, 1);
    }
    return s;
}

} // namespace

std::string format_group_code(int code) {
    return rechtsbuendig(std::to_string(code), 3);
}

std::string format_integer(long long value) {
    return rechtsbuendig(std::to_string(value), 6);
}

std::string format_float(double value) {
    endlich_pruefen(value);
    const Wissenschaftlich w = wissenschaftlich(value, 6); // 7 significant digits
    const int vor_komma = w.exponent + 1;
    if (vor_komma > 7) {
        std::string s = w.negativ ? "-" : "";
        s += w.ziffern.substr(0, 1) + "." + w.ziffern.substr(1) + "E";
        s += w.exponent < 0 ? "-" : "+";
        const std::string exp = std::to_string(std::abs(w.exponent));
        s += (exp.size() < 2 ? "0" : "") + exp;
        return s;
    }
    if (vor_komma <= 2) {
        // Five decimals are the coarser limit here: round once, at the fifth decimal.
        char puffer[64];
        const auto r =
            std::to_chars(puffer, puffer + sizeof puffer, value, std::chars_format::fixed, 5);
        return ohne_negative_null(std::string(puffer, r.ptr));
    }
    // Seven significant digits leave fewer than five decimals: pad with zeros.
    const auto k = static_cast<std::size_t>(vor_komma);
    const std::size_t nachkomma = w.ziffern.size() > k ? w.ziffern.size() - k : 0;
    // Built by appending: GCC 12 warns (-Wrestrict, at -O3) about "literal" + std::string.
    std::string s = w.negativ ? "-" : "";
    s.append(w.ziffern, 0, k).append(1, '.').append(w.ziffern, k);
    s.append(nachkomma < 5 ? 5 - nachkomma : 0, '0');
    return s;
}

std::string format_scientific(double value) {
    endlich_pruefen(value);
    const Wissenschaftlich w = wissenschaftlich(value, 14);
    std::string s = w.negativ ? "-" : " ";
    s += w.ziffern.substr(0, 1) + "." + w.ziffern.substr(1) + "E";
    s += w.exponent < 0 ? "-" : "+";
    std::string exp = std::to_string(std::abs(w.exponent));
    exp.insert(0, 4 - exp.size(), '0');
    return s + exp;
}

void DXF_Group_Stream::line(std::string_view s) {
    text_.append(s);
    text_.append(zeilenende);
}

void DXF_Group_Stream::text_group(int code, std::string_view value) {
    line(format_group_code(code));
    // A line break inside a value would end the group early and shift every later pair.
    std::string v(value);
    for (char& c : v) {
        if (c == '\r' || c == '\n') {
            c = ' ';
        }
    }
    line(v);
}

void DXF_Group_Stream::integer_group(int code, long long value) {
    line(format_group_code(code));
    line(format_integer(value));
}

void DXF_Group_Stream::float_group(int code, double value) {
    const std::string v = format_float(value);
    line(format_group_code(code));
    line(v);
}

void DXF_Group_Stream::scientific_group(int code, double value) {
    const std::string v = format_scientific(value);
    line(format_group_code(code));
    line(v);
}

void DXF_Group_Stream::point_group(int code, const Coord3D& p) {
    float_group(code, p.x);
    float_group(code + 10, p.y);
    float_group(code + 20, p.z);
}

} // namespace trv::dxf
