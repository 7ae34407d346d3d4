#include "ui/main/ZuletztGeoeffnet.h"

#include "platform/Dateinamen.h"

#include <algorithm>
#include <utility>

namespace trv {

namespace {

const std::string Sektion = "Zuletzt";

std::string Schluessel(int i) {
    return "Projekt" + std::to_string(i + 1);
}

bool Schreibbar(const QString& datei) {
    return !datei.isEmpty() &&
           std::none_of(datei.begin(), datei.end(), [](QChar c) { return c.unicode() < 0x20; });
}

// The list as the section holds it; names are kept by their bytes.
QStringList Liste(const TKIniDatei::Werte& werte) {
    QStringList projekte;
    for (int i = 0; i < ZuletztGeoeffnet::Hoechstzahl; ++i) {
        const QString schluessel = QString::fromStdString(Schluessel(i));
        const auto w = std::find_if(werte.begin(), werte.end(), [&schluessel](const auto& e) {
            return QString::fromStdString(e.first).compare(schluessel, Qt::CaseInsensitive) == 0;
        });
        if (w == werte.end()) {
            continue;
        }
        const QString datei = plattform::NameAusBytes(w->second);
        if (Schreibbar(datei) && !projekte.contains(datei)) {
            projekte << datei;
        }
    }
    return projekte;
}

} // namespace

ZuletztGeoeffnet::ZuletztGeoeffnet(TKIniDatei ini)
    : ini_(std::move(ini)), projekte_(Liste(ini_.SektionLesen(Sektion))) {}

void ZuletztGeoeffnet::Hinzufuegen(const QString& datei) {
    if (!Schreibbar(datei)) {
        return;
    }
    const QString pfad = plattform::AbsoluterName(datei);
    Aendern([&pfad](QStringList& projekte) {
        projekte.removeAll(pfad);
        projekte.prepend(pfad);
        while (projekte.size() > Hoechstzahl) {
            projekte.removeLast();
        }
    });
}

void ZuletztGeoeffnet::Entfernen(const QString& datei) {
    const QString pfad = plattform::AbsoluterName(datei);
    Aendern([&pfad](QStringList& projekte) { projekte.removeAll(pfad); });
}

void ZuletztGeoeffnet::Leeren() {
    Aendern([](QStringList& projekte) { projekte.clear(); });
}

void ZuletztGeoeffnet::Aendern(const std::function<void(QStringList&)>& aenderung) {
    bool geschrieben = false;
    // Applied to the list on disk, not to this instance's copy: another instance of the
    // program may have added its projects since this one read the list.
    ini_.SektionAendern(Sektion, [&](const TKIniDatei::Werte& werte) {
        projekte_ = Liste(werte);
        aenderung(projekte_);
        geschrieben = true;
        TKIniDatei::Werte neu;
        for (int i = 0; i < Hoechstzahl; ++i) {
            neu.emplace_back(Schluessel(i), i < projekte_.size()
                                                ? plattform::BytesAusName(projekte_[i])
                                                : std::string());
        }
        return neu;
    });
    if (!geschrieben) {
        // No usable settings file: the list lives for this session only.
        aenderung(projekte_);
    }
}

} // namespace trv
