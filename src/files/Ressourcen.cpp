#include "files/Ressourcen.h"

#include <algorithm>
#include <array>
#include <utility>

namespace trv {

namespace {

struct Eintrag {
    int Nr;
    const char* Text;
    const char* Schluessel; // the name of the number, the key of the text in a language module
};

// Marks a text for the translation tools, which extract QT_TRANSLATE_NOOP3 by its name; the
// core keeps the English text and its key (context "Ressource", the key as disambiguation).
#define QT_TRANSLATE_NOOP3(kontext, text, schluessel) text, schluessel

// English base texts.
// One text per line, as translators and reviewers read them.
// clang-format off
constexpr std::array kTexte{
    Eintrag{res::Unbenannt, QT_TRANSLATE_NOOP3("Ressource", "Unnamed", "Unbenannt")},
    Eintrag{res::LetztePositionLoeschen,
            QT_TRANSLATE_NOOP3("Ressource", "It is only a position in the existing project.\r\n\r\nThe last position cannot be "
            "removed!", "LetztePositionLoeschen")},
    Eintrag{res::Rechenfehler,
            QT_TRANSLATE_NOOP3("Ressource", "Fatal error in calculating process! The result of the calculation is invalid!\n\rTry "
            "the calculation with new input data and refer to the programme producer.", "Rechenfehler")},
    Eintrag{res::PlausiDickeMin, QT_TRANSLATE_NOOP3("Ressource", "The thickness of the concrete slab is less than the minimum thickness of concrete for the smallest shear connector!", "PlausiDickeMin")},
    Eintrag{res::PlausiNutzhoehe, QT_TRANSLATE_NOOP3("Ressource", "The thickness of the concrete slab to be connected is less than the structural effective height!", "PlausiNutzhoehe")},
    Eintrag{res::PlausiNutzhoeheKlein, QT_TRANSLATE_NOOP3("Ressource", "Structural effective height is < 10mm. Please check!", "PlausiNutzhoeheKlein")},
    Eintrag{res::PlausiDeckungOben, QT_TRANSLATE_NOOP3("Ressource", "Concrete cover above is <10mm. Please check", "PlausiDeckungOben")},
    Eintrag{res::PlausiDeckungUnten, QT_TRANSLATE_NOOP3("Ressource", "Concrete cover below is <10mm.Please check", "PlausiDeckungUnten")},
    Eintrag{res::PlausiDeckungSumme, QT_TRANSLATE_NOOP3("Ressource", "The sum of the concrete cover is greater than the thickness of the concrete slab to be connected!", "PlausiDeckungSumme")},
    Eintrag{res::PlausiWandDicke, QT_TRANSLATE_NOOP3("Ressource", "The wall thickness is less than the minimum required thickness of concrete for the smallest shear connector!", "PlausiWandDicke")},
    Eintrag{res::PlausiLastprofil, QT_TRANSLATE_NOOP3("Ressource", "The arbitrary load profile needs at least two points. Please enter the load profile!", "PlausiLastprofil")},
    Eintrag{res::ZuVieleDorne, QT_TRANSLATE_NOOP3("Ressource", "The load needs more than %1 shear connectors in one row. These types cannot be arranged; choose a stronger type or divide the joint.", "ZuVieleDorne")},
    // Text lists: every item ends with a backslash.
    Eintrag{res::AnwendungsfallLang, QT_TRANSLATE_NOOP3("Ressource", "Single shear connector loaded with point load\\Row of shear connectors - connection slab to slab\\Row of shear connectors - connection slab to wall\\", "AnwendungsfallLang")},
    Eintrag{res::AnwendungsfallKurz, QT_TRANSLATE_NOOP3("Ressource", "Single shear connector\\Connector row, slab to slab\\Connector row, slab to wall\\", "AnwendungsfallKurz")},
    Eintrag{res::StatusKurz, QT_TRANSLATE_NOOP3("Ressource", "OK\\d < d min\\Vsd > VRd\\e < min e\\c < min c\\e < suit e\\f > permissible\\e < reqd e\\c < reqd c\\dw < reqd dw\\", "StatusKurz")},
    Eintrag{res::StatusLang, QT_TRANSLATE_NOOP3("Ressource", "Calculation ok\\Concrete thickness too small\\Load too great\\Connector spacing is below minimum value\\Connector edge distance is below minimum value\\Spacing too small to suit vertical reinforcement\\Joint width out of range for this dowel\\Connector spacing for standard reinforcement too small for approval\\Edge spacing according to standard reinforcement too small for approval\\The wall thickness is smaller than required for the selected connector\\", "StatusLang")},
    Eintrag{res::Hinweistexte, QT_TRANSLATE_NOOP3("Ressource", "The maximum spacings of the dowels is larger than 5 * slab thickness. Please check dowel alignment!\\Minimum spacing and edge distance are based on the thinnest slab for the actual connector load\\", "Hinweistexte")},
    Eintrag{res::Betonfestigkeiten, QT_TRANSLATE_NOOP3("Ressource", "16 N/mm²\\20 N/mm²\\25 N/mm²\\30 N/mm²\\", "Betonfestigkeiten")},
    Eintrag{res::Betongueten, QT_TRANSLATE_NOOP3("Ressource", "C16/20\\C20/25\\C25/30\\C30/37\\", "Betongueten")},
    Eintrag{res::FugenbreitenTexte, QT_TRANSLATE_NOOP3("Ressource", "0 mm\\10 mm\\20 mm\\30 mm\\40 mm\\50 mm\\60 mm\\", "FugenbreitenTexte")},
    Eintrag{res::StuecklistenSpalten, QT_TRANSLATE_NOOP3("Ressource", "Position                          \\No. pos.\\No. connectors\\Designation                                           \\Sum connectors\\Status\\Pos\\Ceiling strength\\efective structural height\\Support type\\", "StuecklistenSpalten")},
    Eintrag{res::BewehrungsBasis, QT_TRANSLATE_NOOP3("Ressource", "reinf't based on max. FRd\\reinf't based on act. FRd\\", "BewehrungsBasis")},
    Eintrag{res::MaxAbstandOptionen, QT_TRANSLATE_NOOP3("Ressource", "Unlimited\\5 * Slab Thickness\\", "MaxAbstandOptionen")},
    Eintrag{res::BlattVerstaerkungOptimal, QT_TRANSLATE_NOOP3("Ressource", "Calculation with reinforcement according optimal connector use", "BlattVerstaerkungOptimal")},
    Eintrag{res::BlattVerstaerkungMaximal, QT_TRANSLATE_NOOP3("Ressource", "Calculation with reinforcement according max. load capacity of dowel", "BlattVerstaerkungMaximal")},
    Eintrag{res::IndexSyErf, QT_TRANSLATE_NOOP3("Ressource", "sy,req", "IndexSyErf")},
    Eintrag{res::IndexSxErf, QT_TRANSLATE_NOOP3("Ressource", "sx,req", "IndexSxErf")},
    Eintrag{res::IndexIst, QT_TRANSLATE_NOOP3("Ressource", "act", "IndexIst")},
    Eintrag{res::IndexSdIst, QT_TRANSLATE_NOOP3("Ressource", "Sd,act", "IndexSdIst")},
    Eintrag{res::IndexSdTot, QT_TRANSLATE_NOOP3("Ressource", "Sd,tot", "IndexSdTot")},
    Eintrag{res::BlattMit, QT_TRANSLATE_NOOP3("Ressource", "with", "BlattMit")},
    Eintrag{res::BlattAnzahlDuebel, QT_TRANSLATE_NOOP3("Ressource", "no. of dowels", "BlattAnzahlDuebel")},
    Eintrag{res::BlattGewaehlt, QT_TRANSLATE_NOOP3("Ressource", "Selected", "BlattGewaehlt")},
    Eintrag{res::BlattErgebnisse, QT_TRANSLATE_NOOP3("Ressource", "Results", "BlattErgebnisse")},
    Eintrag{res::BlattEingabe, QT_TRANSLATE_NOOP3("Ressource", "Input", "BlattEingabe")},
    Eintrag{res::BlattBetonguete, QT_TRANSLATE_NOOP3("Ressource", "Concrete quality", "BlattBetonguete")},
    Eintrag{res::BlattPlattenDicke, QT_TRANSLATE_NOOP3("Ressource", "Slab thickness", "BlattPlattenDicke")},
    Eintrag{res::BlattWandDicke, QT_TRANSLATE_NOOP3("Ressource", "Wall thickness", "BlattWandDicke")},
    Eintrag{res::BlattDeckungOben, QT_TRANSLATE_NOOP3("Ressource", "Concrete cover above", "BlattDeckungOben")},
    Eintrag{res::BlattDeckungUnten, QT_TRANSLATE_NOOP3("Ressource", "Concrete cover below", "BlattDeckungUnten")},
    Eintrag{res::BlattDeckungVorn, QT_TRANSLATE_NOOP3("Ressource", "Concrete cover to front", "BlattDeckungVorn")},
    Eintrag{res::BlattFugenbreite, QT_TRANSLATE_NOOP3("Ressource", "Max. joint width", "BlattFugenbreite")},
    Eintrag{res::BlattFugenlaenge, QT_TRANSLATE_NOOP3("Ressource", "Joint length", "BlattFugenlaenge")},
    Eintrag{res::BlattRandabstand, QT_TRANSLATE_NOOP3("Ressource", "Given edge distance", "BlattRandabstand")},
    Eintrag{res::BlattLastEinzel, QT_TRANSLATE_NOOP3("Ressource", "Single load to connector", "BlattLastEinzel")},
    Eintrag{res::BlattLastLinie, QT_TRANSLATE_NOOP3("Ressource", "Linear load", "BlattLastLinie")},
    Eintrag{res::BlattLastBeliebig, QT_TRANSLATE_NOOP3("Ressource", "Varying distributed load", "BlattLastBeliebig")},
    Eintrag{res::BlattEigenlast, QT_TRANSLATE_NOOP3("Ressource", "Dead load", "BlattEigenlast")},
    Eintrag{res::BlattTeilsicherheit, QT_TRANSLATE_NOOP3("Ressource", "Partial safety factor", "BlattTeilsicherheit")},
    Eintrag{res::BlattVerkehrslast, QT_TRANSLATE_NOOP3("Ressource", "Imposed load", "BlattVerkehrslast")},
    Eintrag{res::BlattZusatzlast, QT_TRANSLATE_NOOP3("Ressource", "Additional design load", "BlattZusatzlast")},
    Eintrag{res::BlattGesamtlast, QT_TRANSLATE_NOOP3("Ressource", "Total design load", "BlattGesamtlast")},
    Eintrag{res::BlattDuebellast, QT_TRANSLATE_NOOP3("Ressource", "Connector design load", "BlattDuebellast")},
    Eintrag{res::BlattNaechsteSeite, QT_TRANSLATE_NOOP3("Ressource", "see next page", "BlattNaechsteSeite")},
    Eintrag{res::BlattAsyIst, QT_TRANSLATE_NOOP3("Ressource", "Actual area of main reinf´t", "BlattAsyIst")},
    Eintrag{res::BlattAsyErf, QT_TRANSLATE_NOOP3("Ressource", "Req´d area of main reinf´t", "BlattAsyErf")},
    Eintrag{res::BlattAsxIst, QT_TRANSLATE_NOOP3("Ressource", "Actual area of secondary reinf´t", "BlattAsxIst")},
    Eintrag{res::BlattAsxErf, QT_TRANSLATE_NOOP3("Ressource", "Req´d area of secondary reinf´t", "BlattAsxErf")},
    Eintrag{res::BlattBereichY, QT_TRANSLATE_NOOP3("Ressource", "Region of main reinf´t", "BlattBereichY")},
    Eintrag{res::BlattBereichX, QT_TRANSLATE_NOOP3("Ressource", "Region of secondary reinf´t", "BlattBereichX")},
    Eintrag{res::BlattRandIst, QT_TRANSLATE_NOOP3("Ressource", "Actual edge distance", "BlattRandIst")},
    Eintrag{res::BlattRandMin, QT_TRANSLATE_NOOP3("Ressource", "Minimum edge distance", "BlattRandMin")},
    Eintrag{res::BlattAbstandIst, QT_TRANSLATE_NOOP3("Ressource", "Actual connector spacing", "BlattAbstandIst")},
    Eintrag{res::BlattAbstandMin, QT_TRANSLATE_NOOP3("Ressource", "Minimum connector spacing", "BlattAbstandMin")},
    Eintrag{res::BlattTragfaehigkeit, QT_TRANSLATE_NOOP3("Ressource", "Connector design capacity", "BlattTragfaehigkeit")},
    Eintrag{res::BlattAusnutzung, QT_TRANSLATE_NOOP3("Ressource", "Connector usage", "BlattAusnutzung")},
    Eintrag{res::BlattWiderstandBeton, QT_TRANSLATE_NOOP3("Ressource", "Design resistance concrete", "BlattWiderstandBeton")},
    Eintrag{res::BlattAusnutzungBeton, QT_TRANSLATE_NOOP3("Ressource", "Concrete capacity usage", "BlattAusnutzungBeton")},
    Eintrag{res::BlattWiderstandStahl, QT_TRANSLATE_NOOP3("Ressource", "Design resistance steel", "BlattWiderstandStahl")},
    Eintrag{res::BlattAusnutzungStahl, QT_TRANSLATE_NOOP3("Ressource", "Steel capacity usage", "BlattAusnutzungStahl")},
    Eintrag{res::BlattWiderstandBewehrung, QT_TRANSLATE_NOOP3("Ressource", "Design resistance reinforcement", "BlattWiderstandBewehrung")},
    Eintrag{res::BlattAusnutzungBewehrung, QT_TRANSLATE_NOOP3("Ressource", "Reinforcement capacity usage", "BlattAusnutzungBewehrung")},
    Eintrag{res::BerechnungFuer, QT_TRANSLATE_NOOP3("Ressource", "Calculation for ", "BerechnungFuer")},
    Eintrag{res::ProgrammTitel, QT_TRANSLATE_NOOP3("Ressource", "Varnel - TRV / ZEDE Shear Connector", "ProgrammTitel")},
    Eintrag{res::ProgrammVersion, QT_TRANSLATE_NOOP3("Ressource", "TRV - 1.0", "ProgrammVersion")},
    Eintrag{res::KopfDatum, QT_TRANSLATE_NOOP3("Ressource", "Date: ", "KopfDatum")},
    Eintrag{res::KopfGedruckt, QT_TRANSLATE_NOOP3("Ressource", "Printed from: ", "KopfGedruckt")},
    Eintrag{res::KopfBearbeiter, QT_TRANSLATE_NOOP3("Ressource", "Designer: ", "KopfBearbeiter")},
    Eintrag{res::KopfFirma, QT_TRANSLATE_NOOP3("Ressource", "Company: ", "KopfFirma")},
    Eintrag{res::KopfProjekt, QT_TRANSLATE_NOOP3("Ressource", "Project:  ", "KopfProjekt")},
    Eintrag{res::KopfPosition, QT_TRANSLATE_NOOP3("Ressource", "Position: ", "KopfPosition")},
    Eintrag{res::KopfGruende, QT_TRANSLATE_NOOP3("Ressource", "The use of the connector is not possible for the following reasons:", "KopfGruende")},
    Eintrag{res::KontaktSpalte1, QT_TRANSLATE_NOOP3("Ressource", "Switzerland\\Varnel AG\\Tel. +41 00 000 00 00\\Fax +41 00 000 00 01\\info@ch.varnel.example\\", "KontaktSpalte1")},
    Eintrag{res::KontaktSpalte2, QT_TRANSLATE_NOOP3("Ressource", "Germany\\Varnel GmbH\\Tel. +49 000 0000 00\\Fax +49 000 0000 01\\info@de.varnel.example\\", "KontaktSpalte2")},
    Eintrag{res::KontaktSpalte3, QT_TRANSLATE_NOOP3("Ressource", "Austria\\Varnel Ges.m.b.H.\\Tel. +43 0000 000 00\\Fax +43 0000 000 01\\info@at.varnel.example\\", "KontaktSpalte3")},
    Eintrag{res::KontaktSpalte4, QT_TRANSLATE_NOOP3("Ressource", "France\\Varnel S.A.R.L.\\Tel. +33 0 00 00 00 00\\Fax +33 0 00 00 00 01\\info@fr.varnel.example\\", "KontaktSpalte4")},
    Eintrag{res::KontaktSpalte5, QT_TRANSLATE_NOOP3("Ressource", "United Kingdom\\Varnel Ltd.\\Tel. +44 0000 000000\\Fax +44 0000 000001\\info@uk.varnel.example\\", "KontaktSpalte5")},
    Eintrag{res::KontaktSpalte6, QT_TRANSLATE_NOOP3("Ressource", "Netherlands\\Varnel B.V.\\Tel. +31 00 000 00 00\\Fax +31 00 000 00 01\\info@nl.varnel.example\\", "KontaktSpalte6")},
    Eintrag{res::StuecklisteTitel, QT_TRANSLATE_NOOP3("Ressource", "Connector Schedule", "StuecklisteTitel")},
    Eintrag{res::StatusAktiv, QT_TRANSLATE_NOOP3("Ressource", "Active", "StatusAktiv")},
    Eintrag{res::StatusNichtAktiv, QT_TRANSLATE_NOOP3("Ressource", "Not active", "StatusNichtAktiv")},
    Eintrag{res::StuecklisteUeberschreiben, QT_TRANSLATE_NOOP3("Ressource", "the current position is already in the existing connector schedule.\r\n\r\nShould this be overwritten?", "StuecklisteUeberschreiben")},
    Eintrag{res::StuecklisteExportFehler, QT_TRANSLATE_NOOP3("Ressource", "the connector schedule could not be exported - Please check the writing access on the data carrier.", "StuecklisteExportFehler")},
    Eintrag{res::DruckMatPos, QT_TRANSLATE_NOOP3("Ressource", "Mat.-Pos", "DruckMatPos")},
    Eintrag{res::DruckStueckzahl, QT_TRANSLATE_NOOP3("Ressource", "Quantity of parts", "DruckStueckzahl")},
    Eintrag{res::DruckBezeichnung, QT_TRANSLATE_NOOP3("Ressource", "Designation", "DruckBezeichnung")},
    Eintrag{res::DruckLieferung1, QT_TRANSLATE_NOOP3("Ressource", "Shear connectors supply to transverse force transmission in expansion", "DruckLieferung1")},
    Eintrag{res::DruckLieferung2, QT_TRANSLATE_NOOP3("Ressource", "joint and install according to the specification of the wing element.", "DruckLieferung2")},
    Eintrag{res::DruckWiderstand, QT_TRANSLATE_NOOP3("Ressource", "max. design Resistance FRd", "DruckWiderstand")},
    Eintrag{res::DruckMaterial, QT_TRANSLATE_NOOP3("Ressource", "Material", "DruckMaterial")},
    Eintrag{res::DruckMaterialText, QT_TRANSLATE_NOOP3("Ressource", "stainless steel 1.4462", "DruckMaterialText")},
    Eintrag{res::DruckPositionen, QT_TRANSLATE_NOOP3("Ressource", "Position(s):   ", "DruckPositionen")},
    Eintrag{res::DruckEinzeldorn, QT_TRANSLATE_NOOP3("Ressource", "Single shear connector consisting of dowel element and sleeve", "DruckEinzeldorn")},
    Eintrag{res::DruckTyp, QT_TRANSLATE_NOOP3("Ressource", "Type: ", "DruckTyp")},
    Eintrag{res::DruckBrandschutz, QT_TRANSLATE_NOOP3("Ressource", "and fire protection sleeve", "DruckBrandschutz")},
    Eintrag{res::TextMatPos, QT_TRANSLATE_NOOP3("Ressource", "Mat.-Pos quantity denomination", "TextMatPos")},
    Eintrag{res::TextLieferung1, QT_TRANSLATE_NOOP3("Ressource", "Shear connectors to transverse force transmission in inexpansion joint supply and", "TextLieferung1")},
    Eintrag{res::TextLieferung2, QT_TRANSLATE_NOOP3("Ressource", "construct according to the specification in the plan of the wing unit.", "TextLieferung2")},
    Eintrag{res::TextWiderstand, QT_TRANSLATE_NOOP3("Ressource", "max. design resistance FRd: ", "TextWiderstand")},
    Eintrag{res::TextMaterial, QT_TRANSLATE_NOOP3("Ressource", "Material: stainless steel 1.4462", "TextMaterial")},
    Eintrag{res::TextPositionen, QT_TRANSLATE_NOOP3("Ressource", "Position(s): ", "TextPositionen")},
    // The file format's identifiers are the same in every language (no key), so that a project
    // saved under one language opens under any other.
    Eintrag{res::DateiDokument, "TRV_1.0", nullptr},
    Eintrag{res::DateiCopyright, "Copyright Varnel - TRV / ZEDE Shear Connector, all rights reserved", nullptr},
    Eintrag{res::DateiProgrammName, "Varnel - TRV / ZEDE Shear Connector", nullptr},
    Eintrag{res::DateiProgrammVersion, "TRV - 1.0", nullptr},
    Eintrag{res::DateiUngueltig, QT_TRANSLATE_NOOP3("Ressource", "The file is not a valid Varnel - TRV File", "DateiUngueltig")},
    Eintrag{res::DateiAlteVersion, QT_TRANSLATE_NOOP3("Ressource", "The data file was created with an old version of the programm. The import of this data can cause calculation problems, please check all data!", "DateiAlteVersion")},
    Eintrag{res::DateiSpeichernFehler, QT_TRANSLATE_NOOP3("Ressource", "Error during saving the data - unable to save the project", "DateiSpeichernFehler")},
    Eintrag{res::DateiOeffnenFehler, QT_TRANSLATE_NOOP3("Ressource", "Error during opening the data file - unable to read project data", "DateiOeffnenFehler")},
    Eintrag{res::PdfOhneProjekt, QT_TRANSLATE_NOOP3("Ressource", "The PDF file does not carry a TRV project: only a result sheet written by this program holds its project.", "PdfOhneProjekt")},
    Eintrag{res::PdfBeschaedigt, QT_TRANSLATE_NOOP3("Ressource", "The PDF file is damaged or not a PDF file: its project cannot be read.", "PdfBeschaedigt")},
    Eintrag{res::PdfProjektZuGross, QT_TRANSLATE_NOOP3("Ressource", "The project attached to the PDF file is too large to be read.", "PdfProjektZuGross")},
    Eintrag{res::DxfTitel, QT_TRANSLATE_NOOP3("Ressource", "Reinforcement for Varnel shear connector in the building ", "DxfTitel")},
    Eintrag{res::DxfDraufsicht, QT_TRANSLATE_NOOP3("Ressource", "Plan view", "DxfDraufsicht")},
    Eintrag{res::DxfAnsicht, QT_TRANSLATE_NOOP3("Ressource", "View", "DxfAnsicht")},
    Eintrag{res::DxfSchnitt, QT_TRANSLATE_NOOP3("Ressource", "Cut", "DxfSchnitt")},
    Eintrag{res::DxfObenUnten, QT_TRANSLATE_NOOP3("Ressource", "Top and Bottom: ", "DxfObenUnten")},
    Eintrag{res::DxfVertikal, QT_TRANSLATE_NOOP3("Ressource", "Vertical Reinforcement: ", "DxfVertikal")},
    Eintrag{res::DxfBuegel, QT_TRANSLATE_NOOP3("Ressource", " U-bars", "DxfBuegel")},
    Eintrag{res::DxfOben, QT_TRANSLATE_NOOP3("Ressource", "Top: ", "DxfOben")},
    Eintrag{res::DxfUnten, QT_TRANSLATE_NOOP3("Ressource", "Bottom: ", "DxfUnten")},
    Eintrag{res::DxfNichtBerechnet, QT_TRANSLATE_NOOP3("Ressource", "The position has not been calculated: there is no reinforcement to draw.", "DxfNichtBerechnet")},
    Eintrag{res::DxfBewehrungUngueltig, QT_TRANSLATE_NOOP3("Ressource", "The reinforcement of the selected connector type is incomplete and cannot be drawn.", "DxfBewehrungUngueltig")},
    Eintrag{res::EingabeKeineZahl, QT_TRANSLATE_NOOP3("Ressource", "Error during Input: Only numbers allowed!\r\n(plaease check writing of \".\" and \",\") ", "EingabeKeineZahl")},
    Eintrag{res::EingabeZuKlein, QT_TRANSLATE_NOOP3("Ressource", "Input value is smaller than allowed!", "EingabeZuKlein")},
    Eintrag{res::EingabeZuGross, QT_TRANSLATE_NOOP3("Ressource", "Input value is greater than allowed!", "EingabeZuGross")},
    Eintrag{res::LastfallEinzel, QT_TRANSLATE_NOOP3("Ressource", "Single load", "LastfallEinzel")},
    Eintrag{res::LastfallKonstant, QT_TRANSLATE_NOOP3("Ressource", "constant", "LastfallKonstant")},
    Eintrag{res::LastfallLinear, QT_TRANSLATE_NOOP3("Ressource", "Increasing distributed load", "LastfallLinear")},
    Eintrag{res::LastfallBeliebig, QT_TRANSLATE_NOOP3("Ressource", "Arbitrary", "LastfallBeliebig")},
    Eintrag{res::BerichtNichtBerechnet, QT_TRANSLATE_NOOP3("Ressource", "not calculated", "BerichtNichtBerechnet")},
};
// clang-format on

} // namespace

namespace {

Sprachmodul& AktivesModul() {
    static Sprachmodul modul;
    return modul;
}

const Eintrag* Suchen(int nr) {
    auto it =
        std::find_if(kTexte.begin(), kTexte.end(), [nr](const Eintrag& e) { return e.Nr == nr; });
    return it == kTexte.end() ? nullptr : &*it;
}

} // namespace

std::string Ressource(int nr) {
    const Eintrag* e = Suchen(nr);
    if (e == nullptr) {
        return {};
    }
    const Sprachmodul& modul = AktivesModul();
    return modul && e->Schluessel != nullptr ? modul(e->Schluessel, e->Text) : e->Text;
}

std::string RessourceEnglisch(int nr) {
    const Eintrag* e = Suchen(nr);
    return e == nullptr ? std::string() : std::string(e->Text);
}

std::vector<int> RessourcenNummern() {
    std::vector<int> nummern;
    nummern.reserve(kTexte.size());
    for (const Eintrag& e : kTexte) {
        nummern.push_back(e.Nr);
    }
    return nummern;
}

void SetzeSprachmodul(Sprachmodul modul) {
    AktivesModul() = std::move(modul);
}

} // namespace trv
