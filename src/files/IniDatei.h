#pragma once

#include "files/Regional.h"

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace trv {

// The INI file of the user's settings. Every read opens the file, every write rewrites it at
// once; there is no cached state, so two holders of the same path always see the same values.
// Section and key names are compared without regard to case. A missing file, section or key,
// or a value that cannot be converted, yields the default. A write that fails is ignored.
// Only a regular file of sensible size is read or replaced; anything else at the path (a pipe,
// a device, a folder, a huge file) reads as no file, and writes leave it alone.
class TKIniDatei {
public:
    TKIniDatei() = default; // no file: every read yields its default, writes are dropped
    TKIniDatei(std::filesystem::path pfad, TKRegional regional);

    // The settings of the file read once into memory: reads and writes go to the memory shared
    // by all copies of the result and never reach the file (a batch run reads the user's
    // defaults but must not change them).
    static TKIniDatei ImSpeicher(std::filesystem::path pfad, TKRegional regional);

    const std::filesystem::path& Pfad() const { return pfad_; }
    bool HatDatei() const { return !pfad_.empty(); }
    // Why the file at the path cannot be used (so settings are neither read nor kept); empty
    // when it can, or when there is none yet.
    std::string Unbrauchbar() const;

    std::string LeseString(const std::string& sektion, const std::string& schluessel,
                           const std::string& vorgabe) const;
    // Decimal, or hexadecimal when the text starts with "0x"/"0X" and has at least 3 characters.
    long long LeseInt(const std::string& sektion, const std::string& schluessel,
                      long long vorgabe) const;
    // Accepts "." and "," as decimal separator whatever the regional settings say.
    double LeseFloat(const std::string& sektion, const std::string& schluessel,
                     double vorgabe) const;

    void SchreibeString(const std::string& sektion, const std::string& schluessel,
                        const std::string& wert) const;
    void SchreibeInt(const std::string& sektion, const std::string& schluessel,
                     long long wert) const;
    // General format, at most 15 significant digits, regional decimal separator.
    void SchreibeFloat(const std::string& sektion, const std::string& schluessel,
                       double wert) const;

    // Key and value pairs of one section, in file order (of equal keys the first).
    using Werte = std::vector<std::pair<std::string, std::string>>;
    Werte SektionLesen(const std::string& sektion) const;
    // Writes the keys aendern returns, given the section's keys as the file holds them now,
    // in one step that no other instance's write can come between.
    void SektionAendern(const std::string& sektion,
                        const std::function<Werte(const Werte&)>& aendern) const;

private:
    std::filesystem::path pfad_;
    TKRegional regional_;
    std::shared_ptr<std::vector<std::string>> speicher_; // the lines, when held in memory
};

// Where the INI file lives: beside the executable as "trv.INI" when that folder is writable and
// not an installation's bin folder (one with ../share/trv beside it), otherwise
// $XDG_CONFIG_HOME/trv/trv.INI (default ~/.config/trv/trv.INI).
std::filesystem::path IniPfadBestimmen(const std::filesystem::path& programmOrdner);

} // namespace trv
