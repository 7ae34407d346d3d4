#include "ui/main/ZuletztGeoeffnet.h"

#include <QFileInfo>

#include <algorithm>
#include <utility>

namespace trv {

namespace {

const std::string Sektion = "Zuletzt";

std::string Schluessel(int i) { return "Projekt" + std::to_string(i + 1); }

bool Schreibbar(const QString& datei) {
    return !datei.isEmpty() &&
           std::none_of(datei.begin(), datei.end(), [](QChar c) { return c.unicode() < 0x20; });
}

QString Absolut(const QString& datei) { return QFileInfo(datei).absoluteFilePath(); }

} // namespace

ZuletztGeoeffnet::ZuletztGeoeffnet(TKIniDatei ini) : ini_(std::move(ini)) {
    for (int i = 0; i < Hoechstzahl; ++i) {
        const QString datei = QString::fromStdString(ini_.LeseString(Sektion, Schluessel(i), ""));
        if (Schreibbar(datei) && !projekte_.contains(datei)) {
            projekte_ << datei;
        }
    }
}

void ZuletztGeoeffnet::Hinzufuegen(const QString& datei) {
    if (!Schreibbar(datei)) {
        return;
    }
    const QString pfad = Absolut(datei);
    projekte_.removeAll(pfad);
    projekte_.prepend(pfad);
    while (projekte_.size() > Hoechstzahl) {
        projekte_.removeLast();
    }
    Speichern();
}

void ZuletztGeoeffnet::Entfernen(const QString& datei) {
    if (projekte_.removeAll(Absolut(datei)) > 0) {
        Speichern();
    }
}

void ZuletztGeoeffnet::Leeren() {
    projekte_.clear();
    Speichern();
}

void ZuletztGeoeffnet::Speichern() const {
    for (int i = 0; i < Hoechstzahl; ++i) {
        ini_.SchreibeString(Sektion, Schluessel(i),
                            i < projekte_.size() ? projekte_[i].toStdString() : std::string());
    }
}

} // namespace trv
