#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include <sys/types.h>

namespace trv {

// Every file the program writes is put in place by the rules of this file:
// - a symbolic link at the target is followed, so the file it points to is replaced and the
//   link stays (a link to a file not yet there creates that file);
// - a target that exists and is not a regular file (a folder, a device, a pipe, a socket) is
//   refused before anything is written;
// - the content goes to a temporary file beside the file being replaced, is flushed to the
//   disk, and only then is the temporary renamed over it. A failure at any point leaves an
//   existing file byte for byte as it was and removes the temporary.
// Failures return false (or nothing) and set fehler to a short English reason; where asked
// for, systemfehler receives the reason as an errno value, for a message in the user's
// language (EISDIR for a folder at the target, EEXIST for another kind of non-file, ELOOP for
// too many links).

// The file a write to ziel replaces: ziel with every symbolic link of its last component
// followed. Nothing when the target cannot be written by these rules.
std::optional<std::filesystem::path> SchreibzielAufloesen(const std::filesystem::path& ziel,
                                                          std::string& fehler,
                                                          int* systemfehler = nullptr);

// What a file that is not a regular one is, for messages ("a pipe", "a folder", ...).
const char* DateiArt(mode_t modus);

// Replaces the content of a file in one step.
bool DateiAtomarSchreiben(const std::filesystem::path& ziel, std::string_view inhalt,
                          std::string& fehler, int* systemfehler = nullptr);

// Appends bytes to the temporary file; false when the write failed.
using DateiAusgabe = std::function<bool(std::string_view)>;

// The same for content produced piece by piece (a large document need not exist in memory as
// a whole): erzeugen writes through the output it gets and returns false when it failed.
bool DateiAtomarErzeugen(const std::filesystem::path& ziel,
                         const std::function<bool(const DateiAusgabe&)>& erzeugen,
                         std::string& fehler, int* systemfehler = nullptr);

// For content that another library writes itself, by file name (a PDF printer): the
// temporary file beside the resolved target, already created with the permissions the
// result will have. Einsetzen flushes it and renames it over the target; a temporary that
// was not put in place is removed when this object goes.
class TKZwischendatei {
public:
    explicit TKZwischendatei(const std::filesystem::path& ziel);
    TKZwischendatei(const TKZwischendatei&) = delete;
    TKZwischendatei& operator=(const TKZwischendatei&) = delete;
    ~TKZwischendatei();

    // False when the target was refused or no temporary could be made (see Fehler).
    bool Ok() const { return fd_ >= 0; }
    const std::string& Fehler() const { return fehler_; }
    // The errno value of the last failure (see above); 0 when there was none.
    int Systemfehler() const { return systemfehler_; }
    const std::string& Pfad() const { return pfad_; }
    int Fd() const { return fd_; }

    // Flushes the temporary (whoever wrote it) and renames it over the target.
    bool Einsetzen(std::string& fehler);

private:
    std::filesystem::path ziel_;
    std::string pfad_;
    std::string fehler_;
    int systemfehler_ = 0;
    int fd_ = -1;
    bool eingesetzt_ = false;
};

} // namespace trv
