#include "platform/Dateinamen.h"

#include <QUrl>

#include <algorithm>
#include <system_error>

namespace trv::plattform {

namespace {

constexpr char16_t ErsatzBasis = 0xDC00; // U+DC80..U+DCFF stand for the bytes 0x80..0xFF

bool Folgebyte(unsigned char b) {
    return (b & 0xC0) == 0x80;
}

// Length of the valid UTF-8 sequence at the start of s, 0 when there is none.
std::size_t Utf8Laenge(std::string_view s, char32_t& zeichen) {
    const auto b = [&s](std::size_t i) { return static_cast<unsigned char>(s[i]); };
    const unsigned char erstes = b(0);
    if (erstes < 0x80) {
        zeichen = erstes;
        return 1;
    }
    std::size_t laenge = 0;
    char32_t minimum = 0;
    if ((erstes & 0xE0) == 0xC0) {
        laenge = 2;
        minimum = 0x80;
        zeichen = erstes & 0x1F;
    } else if ((erstes & 0xF0) == 0xE0) {
        laenge = 3;
        minimum = 0x800;
        zeichen = erstes & 0x0F;
    } else if ((erstes & 0xF8) == 0xF0) {
        laenge = 4;
        minimum = 0x10000;
        zeichen = erstes & 0x07;
    } else {
        return 0;
    }
    if (s.size() < laenge) {
        return 0;
    }
    for (std::size_t i = 1; i < laenge; ++i) {
        if (!Folgebyte(b(i))) {
            return 0;
        }
        zeichen = (zeichen << 6) | (b(i) & 0x3F);
    }
    // Overlong forms, surrogates and code points beyond Unicode are not text.
    if (zeichen < minimum || zeichen > 0x10FFFF || (zeichen >= 0xD800 && zeichen <= 0xDFFF)) {
        return 0;
    }
    return laenge;
}

bool Ersatz(char16_t c) {
    return c >= ErsatzBasis + 0x80 && c <= ErsatzBasis + 0xFF;
}

} // namespace

QString NameAusBytes(std::string_view bytes) {
    QString name;
    name.reserve(static_cast<qsizetype>(bytes.size()));
    while (!bytes.empty()) {
        char32_t zeichen = 0;
        const std::size_t laenge = Utf8Laenge(bytes, zeichen);
        if (laenge == 0) {
            name.append(QChar(
                static_cast<char16_t>(ErsatzBasis + static_cast<unsigned char>(bytes.front()))));
            bytes.remove_prefix(1);
            continue;
        }
        if (zeichen >= 0x10000) {
            const char32_t z = zeichen - 0x10000;
            name.append(QChar(static_cast<char16_t>(0xD800 + (z >> 10))));
            name.append(QChar(static_cast<char16_t>(0xDC00 + (z & 0x3FF))));
        } else {
            name.append(QChar(static_cast<char16_t>(zeichen)));
        }
        bytes.remove_prefix(laenge);
    }
    return name;
}

std::string BytesAusName(const QString& name) {
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(name.size()));
    for (qsizetype i = 0; i < name.size(); ++i) {
        const char16_t c = name[i].unicode();
        if (Ersatz(c)) {
            bytes.push_back(static_cast<char>(c - ErsatzBasis));
            continue;
        }
        // Everything else, surrogate pairs included, is UTF-8 as Qt writes it.
        qsizetype ende = i + 1;
        if (QChar::isHighSurrogate(c) && ende < name.size() &&
            QChar::isLowSurrogate(name[ende].unicode())) {
            ++ende;
        }
        bytes.append(QStringView(name).mid(i, ende - i).toUtf8().toStdString());
        i = ende - 1;
    }
    return bytes;
}

std::filesystem::path PfadAusName(const QString& name) {
    return BytesAusName(name);
}

bool NameDarstellbar(const QString& name) {
    return std::none_of(name.begin(), name.end(), [](QChar c) { return Ersatz(c.unicode()); });
}

QString NameAnzeige(const QString& name) {
    QString anzeige = name;
    for (QChar& c : anzeige) {
        if (Ersatz(c.unicode())) {
            c = QChar::ReplacementCharacter;
        }
    }
    return anzeige;
}

bool IstDatei(const QString& name) {
    std::error_code ec;
    return !name.isEmpty() && std::filesystem::is_regular_file(PfadAusName(name), ec);
}

QString AbsoluterName(const QString& name) {
    std::error_code ec;
    const std::filesystem::path pfad = std::filesystem::absolute(PfadAusName(name), ec);
    return ec ? name : NameAusBytes(pfad.lexically_normal().native());
}

QString LokaleDatei(const QUrl& url) {
    if (!url.isLocalFile()) {
        return {};
    }
    const QByteArray kodiert = url.path(QUrl::FullyEncoded).toLatin1();
    return NameAusBytes(QByteArray::fromPercentEncoding(kodiert).toStdString());
}

QStringList Argumente(int argc, const char* const* argv) {
    QStringList argumente;
    for (int i = 1; i < argc; ++i) {
        argumente << NameAusBytes(argv[i]);
    }
    return argumente;
}

} // namespace trv::plattform
