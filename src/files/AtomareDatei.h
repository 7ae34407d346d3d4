#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace trv {

// Replaces the content of a file in one step: the bytes go to a temporary file in the same
// folder, are flushed to the disk, and only then is the temporary renamed over the target.
// A failure at any point leaves an existing target byte for byte as it was and removes the
// temporary. Returns false and sets fehler (a short English reason) on failure.
bool DateiAtomarSchreiben(const std::filesystem::path& ziel, std::string_view inhalt,
                          std::string& fehler);

// Appends bytes to the temporary file; false when the write failed.
using DateiAusgabe = std::function<bool(std::string_view)>;

// The same for content produced piece by piece (a large document need not exist in memory as
// a whole): erzeugen writes through the output it gets and returns false when it failed.
bool DateiAtomarErzeugen(const std::filesystem::path& ziel,
                         const std::function<bool(const DateiAusgabe&)>& erzeugen,
                         std::string& fehler);

} // namespace trv
