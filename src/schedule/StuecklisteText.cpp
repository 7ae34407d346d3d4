#include "schedule/StuecklisteText.h"

#include "files/AtomareDatei.h"
#include "files/Ressourcen.h"
#include "model/Modell.h"

namespace trv {

namespace {

const std::string Leerzeile(80, ' ');
const std::string Strichlinie(80, '-');
const std::string Einzug(19, ' ');

// Number of characters of a UTF-8 text (continuation bytes are not counted).
std::size_t Zeichen(const std::string& text) {
    std::size_t n = 0;
    for (unsigned char c : text) {
        n += (c & 0xC0) != 0x80 ? 1 : 0;
    }
    return n;
}

// The text padded with blanks in front so its last character is in the given column.
std::string Rechtsbuendig(const std::string& text, std::size_t spalte) {
    const std::size_t n = Zeichen(text);
    return (n < spalte ? std::string(spalte - n, ' ') : std::string()) + text;
}

std::string OhneEndBlanks(std::string text) {
    const std::size_t ende = text.find_last_not_of(' ');
    text.erase(ende == std::string::npos ? 0 : ende + 1);
    return text;
}

// Index 4 ending in column 15, four blanks, then "Type: " from column 20.
std::string TypZeile(const StuecklistenEintrag& e, const std::string& typ) {
    return Rechtsbuendig(Feld(e, stk::Summe), 15) + "    " + Ressource(res::DruckTyp) + typ;
}

} // namespace

std::vector<std::string> StuecklisteTextZeilen(const StuecklistenTextDaten& d) {
    std::vector<std::string> z;
    z.push_back(Ressource(res::ProgrammTitel));
    z.push_back(Ressource(res::StuecklisteTitel));
    z.push_back(Leerzeile);
    z.push_back(Ressource(res::KopfFirma) + (d.Firma.empty() ? std::string() : d.Firma[0]));
    for (std::size_t i = 1; i < d.Firma.size() && i < 3; ++i) {
        z.push_back(std::string(14, ' ') + d.Firma[i]);
    }
    z.push_back(Ressource(res::KopfProjekt) + d.Bauvorhaben);
    z.push_back(Ressource(res::KopfGedruckt) + d.Heute);
    z.push_back(Leerzeile);
    for (const std::string& zeile : d.Bemerkung) {
        z.push_back(zeile);
    }
    z.push_back(Leerzeile);
    z.push_back(Strichlinie);
    const std::string kopf = Ressource(res::TextMatPos);
    z.push_back(kopf + std::string(Zeichen(kopf) < 80 ? 80 - Zeichen(kopf) : 0, ' '));
    z.push_back(Strichlinie);
    int j = 0;
    for (const StuecklistenEintrag* e : AktiveEintraege(d.Eintraege)) {
        const std::string nummer = Rechtsbuendig(std::to_string(++j), 5);
        z.push_back(OhneEndBlanks(
            nummer + std::string(Zeichen(nummer) < 19 ? 19 - Zeichen(nummer) : 1, ' ') +
            Ressource(res::TextLieferung1)));
        z.push_back(Einzug + Ressource(res::TextLieferung2));
        z.push_back(Leerzeile);
        z.push_back(Einzug + Ressource(res::TextWiderstand) + FRdText(*e, d.Dezimaltrenner) +
                    " kN");
        z.push_back(Einzug + Ressource(res::TextMaterial));
        z.emplace_back();
        z.push_back(Leerzeile);
        z.push_back(Einzug + Ressource(res::TextPositionen) + Feld(*e, stk::Position));
        z.push_back(Leerzeile);
        z.push_back(Einzug + Ressource(res::DruckEinzeldorn));
        z.push_back(TypZeile(*e, Feld(*e, stk::Bezeichnung)));
        if (!Feld(*e, stk::Zusatz).empty()) {
            z.push_back(Einzug + Ressource(res::DruckBrandschutz));
            z.push_back(TypZeile(*e, Feld(*e, stk::Zusatz)));
        }
        z.push_back(Strichlinie);
    }
    return z;
}

bool StuecklisteTextExport(const std::filesystem::path& datei, const StuecklistenTextDaten& daten,
                           std::string& fehler, std::string* grund) {
    std::string inhalt;
    for (std::string zeile : StuecklisteTextZeilen(daten)) {
        for (char& c : zeile) {
            if (c == '\r' || c == '\n') {
                c = ' ';
            }
        }
        inhalt += zeile;
        inhalt += "\r\n";
    }
    std::string warum;
    if (!DateiAtomarSchreiben(datei, inhalt, warum)) {
        fehler = Ressource(res::StuecklisteExportFehler);
        if (grund != nullptr) {
            *grund = warum;
        }
        return false;
    }
    return true;
}

StuecklistenTextDaten TextDatenAusModell(const TKModell& modell) {
    StuecklistenTextDaten d;
    d.Firma = modell.Projektbeschreibung().Firma();
    d.Bauvorhaben = modell.Projektbeschreibung().Bauvorhaben();
    d.Heute = modell.Regional().HeuteKurz;
    d.Bemerkung = modell.Stueckliste().GetBemerkung();
    d.Eintraege = modell.Stueckliste().Eintraege();
    d.Dezimaltrenner = modell.Regional().Dezimaltrenner;
    return d;
}

} // namespace trv
