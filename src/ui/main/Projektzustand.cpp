#include "ui/main/Projektzustand.h"

#include "files/Ressourcen.h"
#include "platform/Dateinamen.h"

#include <QCoreApplication>

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
    if (dateiname_.isEmpty()) {
        return QString::fromStdString(Ressource(res::Unbenannt));
    }
    if (!plattform::NameDarstellbar(dateiname_)) {
        return QCoreApplication::translate(
                   "Projektzustand", "%1 (the file name holds bytes that are no text: \uFFFD)")
            .arg(plattform::NameAnzeige(dateiname_));
    }
    return dateiname_;
}

void Projektzustand::TextlistenNeuLaden() {
    texte_ = TextlistenLaden();
}

} // namespace trv
