#pragma once

#include <QString>
#include <QStringList>

#include <filesystem>
#include <string>
#include <string_view>

class QUrl;

namespace trv::plattform {

// To the system a file name is a string of bytes, and not every one is UTF-8 text. Qt turns
// such bytes into U+FFFD and then cannot find the file again. The program's QStrings keep
// them instead: a byte that is not part of valid UTF-8 becomes the lone surrogate
// U+DC80 + (byte - 0x80), and turns back into that byte where the name reaches the system.
// Names of valid UTF-8 are the plain text Qt would give.
QString NameAusBytes(std::string_view bytes);
std::string BytesAusName(const QString& name);
std::filesystem::path PfadAusName(const QString& name);

// False when the name holds bytes that are no text (they cannot be shown as they are).
bool NameDarstellbar(const QString& name);
// The name for captions and messages: bytes that are no text shown as U+FFFD.
QString NameAnzeige(const QString& name);

// True when the name is that of a regular file (a link to one counts).
bool IstDatei(const QString& name);
// The absolute form of a name, by its bytes.
QString AbsoluterName(const QString& name);

// The local file a URL names (a dropped file), by the bytes of its percent-encoded path;
// empty when it names no local file.
QString LokaleDatei(const QUrl& url);

// The program's arguments (after Qt took its own options) as names of the above kind.
QStringList Argumente(int argc, const char* const* argv);

} // namespace trv::plattform
