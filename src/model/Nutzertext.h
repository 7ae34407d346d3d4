#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace trv {

// The longest text a user may enter anywhere in a project (project data, position and project
// texts, schedule entries and remarks), in characters. The project file reader refuses texts
// far longer than this can become in UTF-8, so every project the program saves, it opens.
inline constexpr std::size_t MaxNutzertext = 4000;

// The text cut after MaxNutzertext characters, never inside a UTF-8 sequence.
std::string NutzertextBegrenzt(std::string text);
std::vector<std::string> NutzertexteBegrenzt(std::vector<std::string> texte);

} // namespace trv
