#pragma once

#include <functional>
#include <string>
#include <vector>

namespace trv {

// Numbered resource strings of the program with their English texts. Every user-visible text
// of the core is looked up here at the moment of use, so a language module can replace it.
namespace res {
enum Nummer : int {
    Unbenannt = 65001,              // "Unnamed"
    LetztePositionLoeschen = 65002, // "It is only a position ... cannot be removed!"
    Rechenfehler = 65042,           // "Fatal error in calculating process! ..."
    AnwendungsfallLang = 65109,
    AnwendungsfallKurz = 65110,
    StatusKurz = 65111,
    StatusLang = 65112,
    Hinweistexte = 65113,
    Betonfestigkeiten = 65114,
    Betongueten = 65115,
    FugenbreitenTexte = 65116,
    StuecklistenSpalten = 65117,
    BewehrungsBasis = 65118,
    MaxAbstandOptionen = 65119,
    // Plausibility checks of the inputs (one text serves two rules)
    PlausiDickeMin = 65070,
    PlausiNutzhoehe = 65071,
    PlausiNutzhoeheKlein = 65072,
    PlausiDeckungOben = 65073,
    PlausiDeckungUnten = 65074,
    PlausiDeckungSumme = 65075,
    PlausiWandDicke = 65076,
    PlausiLastprofil = 65077,
    // Calculation hints
    ZuVieleDorne = 65078, // "... more than %1 shear connectors in one row ..."
    // Result sheet (Ergebnisblatt)
    BlattVerstaerkungOptimal = 65104, // "Calculation with reinforcement according optimal ..."
    BlattVerstaerkungMaximal = 65105, // "... according max. load capacity of dowel"
    IndexSyErf = 65106,               // "sy,req"
    IndexSxErf = 65107,               // "sx,req"
    IndexIst = 65133,                 // "act"
    IndexSdIst = 65134,               // "Sd,act"
    IndexSdTot = 65135,               // "Sd,tot"
    BlattMit = 65136,                 // "with"
    BlattAnzahlDuebel = 65137,        // "no. of dowels"
    BlattGewaehlt = 65138,            // "Selected"
    BlattErgebnisse = 65139,          // "Results"
    BlattEingabe = 65140,             // "Input"
    BlattBetonguete = 65152,
    BlattPlattenDicke = 65153,
    BlattWandDicke = 65154,
    BlattDeckungOben = 65155,
    BlattDeckungUnten = 65156,
    BlattDeckungVorn = 65157,
    BlattFugenbreite = 65158,
    BlattFugenlaenge = 65159,
    BlattRandabstand = 65160,
    BlattLastEinzel = 65161,
    BlattLastLinie = 65162,
    // 65163 is unused: the varying line load is titled with the name of its load case.
    BlattLastBeliebig = 65164,
    BlattEigenlast = 65165,
    BlattTeilsicherheit = 65166,
    BlattVerkehrslast = 65167,
    BlattZusatzlast = 65168,
    BlattGesamtlast = 65169,
    BlattDuebellast = 65170,
    BlattNaechsteSeite = 65171,
    BlattAsyIst = 65172,
    BlattAsyErf = 65173,
    BlattAsxIst = 65174,
    BlattAsxErf = 65175,
    BlattBereichY = 65176,
    BlattBereichX = 65177,
    BlattRandIst = 65178,
    BlattRandMin = 65179,
    BlattAbstandIst = 65180,
    BlattAbstandMin = 65181,
    BlattTragfaehigkeit = 65182,
    BlattAusnutzung = 65183,
    BlattWiderstandBeton = 65193,
    BlattAusnutzungBeton = 65194,
    BlattWiderstandStahl = 65195,
    BlattAusnutzungStahl = 65196,
    BlattWiderstandBewehrung = 65197,
    BlattAusnutzungBewehrung = 65198,
    BerechnungFuer = 65215, // "Calculation for " (page title; alone it adds the position line)
    // Page frame (Seitenrahmen)
    ProgrammTitel = 65400,
    ProgrammVersion = 65401,
    KopfDatum = 65402,
    KopfGedruckt = 65403,
    KopfBearbeiter = 65404,
    KopfFirma = 65405,
    KopfProjekt = 65406,
    KopfPosition = 65407,
    KopfGruende = 65408,
    KontaktSpalte1 = 65410, // contact block columns: five lines each, ended by backslashes
    KontaktSpalte2 = 65411,
    KontaktSpalte3 = 65412,
    KontaktSpalte4 = 65413,
    KontaktSpalte5 = 65414,
    KontaktSpalte6 = 65415,
    // Connector schedule (Stueckliste)
    StuecklisteTitel = 65420,
    StatusAktiv = 65421,
    StatusNichtAktiv = 65422,
    StuecklisteUeberschreiben = 65423,
    StuecklisteExportFehler = 65424,
    DruckMatPos = 65425,
    DruckStueckzahl = 65426,
    DruckBezeichnung = 65427,
    DruckLieferung1 = 65428,
    DruckLieferung2 = 65429,
    DruckWiderstand = 65430,
    DruckMaterial = 65431,
    DruckMaterialText = 65432,
    DruckPositionen = 65433,
    DruckEinzeldorn = 65434,
    DruckTyp = 65435,
    DruckBrandschutz = 65436,
    TextMatPos = 65440,
    TextLieferung1 = 65441,
    TextLieferung2 = 65442,
    TextWiderstand = 65443,
    TextMaterial = 65444,
    TextPositionen = 65445,
    // Project file
    DateiDokument = 65500,        // "TRV_1.0", the document element
    DateiCopyright = 65501,       // text of the "Copyright" element
    DateiProgrammName = 65502,    // "Varnel - TRV / ZEDE Shear Connector"
    DateiProgrammVersion = 65503, // "TRV - 1.0"
    DateiUngueltig = 65504,       // "The file is not a valid Varnel - TRV File"
    DateiAlteVersion = 65505,     // "The data file was created with an old version ..."
    DateiSpeichernFehler = 65506, // "Error during saving the data - unable to save the project"
    DateiOeffnenFehler = 65507,   // "Error during opening the data file - unable to read ..."
    // A result sheet's PDF that should carry its project
    PdfOhneProjekt = 65508,
    PdfBeschaedigt = 65509,
    PdfProjektZuGross = 65510,

    // Reinforcement drawing (DXF)
    DxfTitel = 65550,
    DxfDraufsicht = 65551,
    DxfAnsicht = 65552,
    DxfSchnitt = 65553,
    DxfObenUnten = 65554,
    DxfVertikal = 65555,
    DxfBuegel = 65556,
    DxfOben = 65557,
    DxfUnten = 65558,
    DxfNichtBerechnet = 65560,
    DxfBewehrungUngueltig = 65561,

    // Checks of typed values
    EingabeKeineZahl = 65600,
    EingabeZuKlein = 65601,
    EingabeZuGross = 65602,

    // Load cases by Belastungsfall, and the report of trv-cli.
    LastfallEinzel = 65900,
    LastfallKonstant = 65901,
    LastfallLinear = 65902,
    LastfallBeliebig = 65903,
    BerichtNichtBerechnet = 65904,
};
} // namespace res

// The text of resource string nr in the active language; an unknown number gives "".
std::string Ressource(int nr);

// The English text of resource string nr, whatever language is active; an unknown number gives "".
std::string RessourceEnglisch(int nr);

// Every resource number, in the order of the table.
std::vector<int> RessourcenNummern();

// The active language module: given the key of a resource string (the name of its number, e.g.
// "Unbenannt") and its English text, it returns the text in its language (UTF-8), or the English
// text when it has none. Set by the program's language switching on the thread that uses the
// core; an empty function restores the built-in English texts. The identifiers of the project
// file format have no key and stay English in every language.
using Sprachmodul = std::function<std::string(const char* schluessel, const char* englisch)>;
void SetzeSprachmodul(Sprachmodul modul);

} // namespace trv
