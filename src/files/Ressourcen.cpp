#include "files/Ressourcen.h"

#include <algorithm>
#include <array>
#include <utility>

namespace trv {

namespace {

struct Eintrag {
    int Nr;
    const char* Text;
};

// English base texts, sorted by number.
constexpr std::array kTexte{
    Eintrag{res::Unbenannt, "Unnamed"},
    Eintrag{res::LetztePositionLoeschen,
            "It is only a position in the existing project.\r\n\r\nThe last position cannot be "
            "removed!"},
    Eintrag{res::Rechenfehler,
            "Fatal error in calculating process! The result of the calculation is invalid!\n\rTry "
            "the calculation with new input data and refer to the programme producer."},
    Eintrag{res::PlausiDickeMin, "The thickness of the concrete slab is less than the minimum thickness of concrete for the smallest shear connector!"},
    Eintrag{res::PlausiNutzhoehe, "The thickness of the concrete slab to be connected is less than the structural effective height!"},
    Eintrag{res::PlausiNutzhoeheKlein, "Structural effective height is < 10mm. Please check!"},
    Eintrag{res::PlausiDeckungOben, "Concrete cover above is <10mm. Please check"},
    Eintrag{res::PlausiDeckungUnten, "Concrete cover below is <10mm.Please check"},
    Eintrag{res::PlausiDeckungSumme, "The sum of the concrete cover is greater than the thickness of the concrete slab to be connected!"},
    Eintrag{res::PlausiWandDicke, "The wall thickness is less than the minimum required thickness of concrete for the smallest shear connector!"},
    // Text lists: every item ends with a backslash.
    Eintrag{res::AnwendungsfallLang, "Single shear connector loaded with point load\\Row of shear connectors - connection slab to slab\\Row of shear connectors - connection slab to wall\\"},
    Eintrag{res::AnwendungsfallKurz, "Single shear connector\\Connector row, slab to slab\\Connector row, slab to wall\\"},
    Eintrag{res::StatusKurz, "OK\\d < d min\\Vsd > VRd\\e < min e\\c < min c\\e < suit e\\f > permissible\\e < reqd e\\c < reqd c\\dw < reqd dw\\"},
    Eintrag{res::StatusLang, "Calculation ok\\Concrete thickness too small\\Load too great\\Connector spacing is below minimum value\\Connector edge distance is below minimum value\\Spacing too small to suit vertical reinforcement\\Joint width out of range for this dowel\\Connector spacing for standard reinforcement too small for approval\\Edge spacing according to standard reinforcement too small for approval\\The wall thickness is smaller than required for the selected connector\\"},
    Eintrag{res::Hinweistexte, "The maximum spacings of the dowels is larger than 5 * slab thickness. Please check dowel alignment!\\Minimum spacing and edge distance are based on the thinnest slab for the actual connector load\\"},
    Eintrag{res::Betonfestigkeiten, "16 N/mm\u00b2\\20 N/mm\u00b2\\25 N/mm\u00b2\\30 N/mm\u00b2\\"},
    Eintrag{res::Betongueten, "C16/20\\C20/25\\C25/30\\C30/37\\"},
    Eintrag{res::FugenbreitenTexte, "0 mm\\10 mm\\20 mm\\30 mm\\40 mm\\50 mm\\60 mm\\"},
    Eintrag{res::StuecklistenSpalten, "Position                          \\No. pos.\\No. connectors\\Designation                                           \\Sum connectors\\Status\\Pos\\Ceiling strength\\efective structural height\\Support type\\"},
    Eintrag{res::BewehrungsBasis, "reinf't based on max. FRd\\reinf't based on act. FRd\\"},
    Eintrag{res::MaxAbstandOptionen, "Unlimited\\5 * Slab Thickness\\"},
    Eintrag{res::BlattVerstaerkungOptimal, "Calculation with reinforcement according optimal connector use"},
    Eintrag{res::BlattVerstaerkungMaximal, "Calculation with reinforcement according max. load capacity of dowel"},
    Eintrag{res::IndexSyErf, "sy,req"},
    Eintrag{res::IndexSxErf, "sx,req"},
    Eintrag{res::IndexIst, "act"},
    Eintrag{res::IndexSdIst, "Sd,act"},
    Eintrag{res::IndexSdTot, "Sd,tot"},
    Eintrag{res::BlattMit, "with"},
    Eintrag{res::BlattAnzahlDuebel, "no. of dowels"},
    Eintrag{res::BlattGewaehlt, "Selected"},
    Eintrag{res::BlattErgebnisse, "Results"},
    Eintrag{res::BlattEingabe, "Input"},
    Eintrag{res::BlattBetonguete, "Concrete quality"},
    Eintrag{res::BlattPlattenDicke, "Slab thickness"},
    Eintrag{res::BlattWandDicke, "Wall thickness"},
    Eintrag{res::BlattDeckungOben, "Concrete cover above"},
    Eintrag{res::BlattDeckungUnten, "Concrete cover below"},
    Eintrag{res::BlattDeckungVorn, "Concrete cover to front"},
    Eintrag{res::BlattFugenbreite, "Max. joint width"},
    Eintrag{res::BlattFugenlaenge, "Joint length"},
    Eintrag{res::BlattRandabstand, "Given edge distance"},
    Eintrag{res::BlattLastEinzel, "Single load to connector"},
    Eintrag{res::BlattLastLinie, "Linear load"},
    Eintrag{res::BlattLastLinear, "Uniform distributed load"},
    Eintrag{res::BlattLastBeliebig, "Varying distributed load"},
    Eintrag{res::BlattEigenlast, "Dead load"},
    Eintrag{res::BlattTeilsicherheit, "Partial safety factor"},
    Eintrag{res::BlattVerkehrslast, "Imposed load"},
    Eintrag{res::BlattZusatzlast, "Additional design load"},
    Eintrag{res::BlattGesamtlast, "Total design load"},
    Eintrag{res::BlattDuebellast, "Connector design load"},
    Eintrag{res::BlattNaechsteSeite, "see next page"},
    Eintrag{res::BlattAsyIst, "Actual area of main reinf´t"},
    Eintrag{res::BlattAsyErf, "Req´d area of main reinf´t"},
    Eintrag{res::BlattAsxIst, "Actual area of secondary reinf´t"},
    Eintrag{res::BlattAsxErf, "Req´d area of secondary reinf´t"},
    Eintrag{res::BlattBereichY, "Region of main reinf´t"},
    Eintrag{res::BlattBereichX, "Region of secondary reinf´t"},
    Eintrag{res::BlattRandIst, "Actual edge distance"},
    Eintrag{res::BlattRandMin, "Minimum edge distance"},
    Eintrag{res::BlattAbstandIst, "Actual connector spacing"},
    Eintrag{res::BlattAbstandMin, "Minimum connector spacing"},
    Eintrag{res::BlattTragfaehigkeit, "Connector design capacity"},
    Eintrag{res::BlattAusnutzung, "Connector usage"},
    Eintrag{res::BlattWiderstandBeton, "Design resistance concrete"},
    Eintrag{res::BlattAusnutzungBeton, "Concrete capacity usage"},
    Eintrag{res::BlattWiderstandStahl, "Design resistance steel"},
    Eintrag{res::BlattAusnutzungStahl, "Steel capacity usage"},
    Eintrag{res::BlattWiderstandBewehrung, "Design resistance reinforcement"},
    Eintrag{res::BlattAusnutzungBewehrung, "Reinforcement capacity usage"},
    Eintrag{res::BerechnungFuer, "Calculation for "},
    Eintrag{res::ProgrammTitel, "Varnel - TRV / ZEDE Shear Connector"},
    Eintrag{res::ProgrammVersion, "TRV - 1.0"},
    Eintrag{res::KopfDatum, "Date: "},
    Eintrag{res::KopfGedruckt, "Printed from: "},
    Eintrag{res::KopfBearbeiter, "Designer: "},
    Eintrag{res::KopfFirma, "Company: "},
    Eintrag{res::KopfProjekt, "Project:  "},
    Eintrag{res::KopfPosition, "Position: "},
    Eintrag{res::KopfGruende, "The use of the connector is not possible for the following reasons:"},
    Eintrag{res::KontaktSpalte1, "Switzerland\\Varnel AG\\Tel. +41 00 000 00 00\\Fax +41 00 000 00 01\\info@ch.varnel.example\\"},
    Eintrag{res::KontaktSpalte2, "Germany\\Varnel GmbH\\Tel. +49 000 0000 00\\Fax +49 000 0000 01\\info@de.varnel.example\\"},
    Eintrag{res::KontaktSpalte3, "Austria\\Varnel Ges.m.b.H.\\Tel. +43 0000 000 00\\Fax +43 0000 000 01\\info@at.varnel.example\\"},
    Eintrag{res::KontaktSpalte4, "France\\Varnel S.A.R.L.\\Tel. +33 0 00 00 00 00\\Fax +33 0 00 00 00 01\\info@fr.varnel.example\\"},
    Eintrag{res::KontaktSpalte5, "United Kingdom\\Varnel Ltd.\\Tel. +44 0000 000000\\Fax +44 0000 000001\\info@uk.varnel.example\\"},
    Eintrag{res::KontaktSpalte6, "Netherlands\\Varnel B.V.\\Tel. +31 00 000 00 00\\Fax +31 00 000 00 01\\info@nl.varnel.example\\"},
    Eintrag{res::StuecklisteTitel, "Connector Schedule"},
    Eintrag{res::StatusAktiv, "Active"},
    Eintrag{res::StatusNichtAktiv, "Not active"},
    Eintrag{res::StuecklisteUeberschreiben, "the current position is already in the existing connector schedule.\r\n\r\nShould this be overwritten?"},
    Eintrag{res::StuecklisteExportFehler, "the connector schedule could not be exported - Please check the writing access on the data carrier."},
    Eintrag{res::DruckMatPos, "Mat.-Pos"},
    Eintrag{res::DruckStueckzahl, "Quantity of parts"},
    Eintrag{res::DruckBezeichnung, "Designation"},
    Eintrag{res::DruckLieferung1, "Shear connectors supply to transverse force transmission in expansion"},
    Eintrag{res::DruckLieferung2, "joint and install according to the specification of the wing element."},
    Eintrag{res::DruckWiderstand, "max. design Resistance FRd"},
    Eintrag{res::DruckMaterial, "Material"},
    Eintrag{res::DruckMaterialText, "stainless steel 1.4462"},
    Eintrag{res::DruckPositionen, "Position(s):   "},
    Eintrag{res::DruckEinzeldorn, "Single shear connector consisting of dowel element and sleeve"},
    Eintrag{res::DruckTyp, "Type: "},
    Eintrag{res::DruckBrandschutz, "and fire protection sleeve"},
    Eintrag{res::TextMatPos, "Mat.-Pos quantity denomination"},
    Eintrag{res::TextLieferung1, "Shear connectors to transverse force transmission in inexpansion joint supply and"},
    Eintrag{res::TextLieferung2, "construct according to the specification in the plan of the wing unit."},
    Eintrag{res::TextWiderstand, "max. design resistance FRd: "},
    Eintrag{res::TextMaterial, "Material: stainless steel 1.4462"},
    Eintrag{res::TextPositionen, "Position(s): "},
    Eintrag{res::DateiDokument, "TRV_1.0"},
    Eintrag{res::DateiCopyright, "Copyright Varnel - TRV / ZEDE Shear Connector, all rights reserved"},
    Eintrag{res::DateiProgrammName, "Varnel - TRV / ZEDE Shear Connector"},
    Eintrag{res::DateiProgrammVersion, "TRV - 1.0"},
    Eintrag{res::DateiUngueltig, "The file is not a valid Varnel - TRV File"},
    Eintrag{res::DateiAlteVersion, "The data file was created with an old version of the programm. The import of this data can cause calculation problems, please check all data!"},
    Eintrag{res::DateiSpeichernFehler, "Error during saving the data - unable to save the project"},
    Eintrag{res::DateiOeffnenFehler, "Error during opening the data file - unable to read project data"},
    Eintrag{res::LastfallEinzel, "Single load"},
    Eintrag{res::LastfallKonstant, "constant"},
    Eintrag{res::LastfallLinear, "Increasing distributed load"},
    Eintrag{res::LastfallBeliebig, "Arbitrary"},
    Eintrag{res::BerichtNichtBerechnet, "not calculated"},
};

} // namespace

std::string Ressource(int nr) {
    auto it =
        std::find_if(kTexte.begin(), kTexte.end(), [nr](const Eintrag& e) { return e.Nr == nr; });
    return it == kTexte.end() ? std::string() : std::string(it->Text);
}

} // namespace trv
