#include "ui/main/Projektzustand.h"

#include "files/Ressourcen.h"

namespace trv {

Projektzustand::Projektzustand(TKIniDatei ini, TKRegional regional)
    : ini_(std::move(ini)), regional_(std::move(regional)),
      modell_(std::make_unique<TKModell>(ini_, regional_)),
      farbe_(std::make_unique<TKFarbeinstellung>(ini_)), texte_(TextlistenLaden()) {}

void Projektzustand::NeuesModell() {
    // The old project goes first: its positions write their load factors to the INI file,
    // which the new project's first position then reads.
    modell_.reset();
    modell_ = std::make_unique<TKModell>(ini_, regional_);
}

std::unique_ptr<TKModell> Projektzustand::ModellAnlegen() const {
    return std::make_unique<TKModell>(ini_, regional_);
}

void Projektzustand::ModellUebernehmen(std::unique_ptr<TKModell> modell) {
    modell_ = std::move(modell);
}

QString Projektzustand::DateinameAnzeige() const {
    return dateiname_.isEmpty() ? QString::fromStdString(Ressource(res::Unbenannt)) : dateiname_;
}

void Projektzustand::TextlistenNeuLaden() {
    texte_ = TextlistenLaden();
}

} // namespace trv
