#include "dxf/DxfGruppen.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <utility>

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

// The byte of code page 1252 for the code points U+0080..U+009F's replacements in that page.
char cp1252(char32_t c) {
    static constexpr std::pair<char32_t, unsigned char> sonderzeichen[] = {
        {0x20AC, 0x80}, {0x201A, 0x82}, {0x0192, 0x83}, {0x201E, 0x84}, {0x2026, 0x85},
        {0x2020, 0x86}, {0x2021, 0x87}, {0x02C6, 0x88}, {0x2030, 0x89}, {0x0160, 0x8A},
        {0x2039, 0x8B}, {0x0152, 0x8C}, {0x017D, 0x8E}, {0x2018, 0x91}, {0x2019, 0x92},
        {0x201C, 0x93}, {0x201D, 0x94}, {0x2022, 0x95}, {0x2013, 0x96}, {0x2014, 0x97},
        {0x02DC, 0x98}, {0x2122, 0x99}, {0x0161, 0x9A}, {0x203A, 0x9B}, {0x0153, 0x9C},
        {0x017E, 0x9E}, {0x0178, 0x9F}};
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
        return static_cast<char>(c);
    }
    for (const auto& [zeichen, byte] : sonderzeichen) {
        if (zeichen == c) {
            return static_cast<char>(byte);
        }
    }
    return 0;
}

// Decodes one UTF-8 sequence at s[i]; advances i. A malformed byte gives U+FFFD.
char32_t naechstes_zeichen(std::string_view s, std::size_t& i) {
    const auto b = static_cast<unsigned char>(s[i++]);
    int folge = b >= 0xF0 && b < 0xF5 ? 3 : b >= 0xE0 ? 2 : b >= 0xC2 && b < 0xE0 ? 1 : 0;
    if (b < 0x80) {
        return b;
    }
    if (folge == 0 || b >= 0xF5) {
        return 0xFFFD;
    }
    char32_t c = b & (0x3F >> folge);
    for (; folge > 0; --folge) {
        if (i >= s.size() || (static_cast<unsigned char>(s[i]) & 0xC0) != 0x80) {
            return 0xFFFD;
        }
        c = (c << 6) | (static_cast<unsigned char>(s[i++]) & 0x3F);
    }
    return c;
}

} // namespace

std::string format_text(std::string_view utf8) {
    std::string aus;
    aus.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const char32_t c = naechstes_zeichen(utf8, i);
        if (const char byte = cp1252(c); byte != 0 || c == 0) {
            aus += byte;
        } else {
            char puffer[16];
            std::snprintf(puffer, sizeof puffer, "\\U+%04X", static_cast<unsigned>(c));
            aus += puffer;
        }
    }
    return aus;
}

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
    std::string v = format_text(value);
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
