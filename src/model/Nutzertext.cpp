#include "model/Nutzertext.h"

namespace trv {

std::string NutzertextBegrenzt(std::string text) {
    std::size_t zeichen = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        // Continuation bytes (10xxxxxx) belong to the character before them.
        if ((static_cast<unsigned char>(text[i]) & 0xC0u) != 0x80u && zeichen++ == MaxNutzertext) {
            text.resize(i);
            break;
        }
    }
    return text;
}

std::vector<std::string> NutzertexteBegrenzt(std::vector<std::string> texte) {
    for (std::string& t : texte) {
        t = NutzertextBegrenzt(std::move(t));
    }
    return texte;
}

} // namespace trv
