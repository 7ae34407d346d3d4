#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace trv {

// Replaces the content of a file in one step: the bytes go to a temporary file in the same
// folder, are flushed to the disk, and only then is the temporary renamed over the target.
// A failure at any point leaves an existing target byte for byte as it was and removes the
// temporary. Returns false and sets fehler (a short English reason) on failure.
bool DateiAtomarSchreiben(const std::filesystem::path& ziel, std::string_view inhalt,
                          std::string& fehler);

} // namespace trv
