// Replays the seed corpus through the fuzz entry in builds without libFuzzer, so every
// build checks that the corpus files are handled (and, under the sanitizers, soundly).
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse);

int main(int argc, char** argv) {
    std::vector<std::filesystem::path> dateien;
    for (int i = 1; i < argc; ++i) {
        const std::filesystem::path pfad(argv[i]);
        if (std::filesystem::is_directory(pfad)) {
            for (const auto& e : std::filesystem::directory_iterator(pfad)) {
                dateien.push_back(e.path());
            }
        } else {
            dateien.push_back(pfad);
        }
    }
    if (dateien.empty()) {
        std::cerr << "usage: replay FILE|FOLDER...\n";
        return 64;
    }
    for (const auto& datei : dateien) {
        std::ifstream in(datei, std::ios::binary);
        if (!in) {
            std::cerr << "cannot read " << datei << "\n";
            return 1;
        }
        const std::string inhalt((std::istreambuf_iterator<char>(in)),
                                 std::istreambuf_iterator<char>());
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(inhalt.data()), inhalt.size());
    }
    std::cout << dateien.size() << " corpus files replayed\n";
    return 0;
}
