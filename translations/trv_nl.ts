<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl" sourcelanguage="en">
<context>
    <name>Ausgabe</name>
    <message>
        <source>the picture could not be encoded as %1</source>
        <translation>de afbeelding kon niet als %1 worden gecodeerd</translation>
    </message>
    <message>
        <source>the SVG picture could not be started</source>
        <translation>het aanmaken van de SVG-afbeelding kon niet worden gestart</translation>
    </message>
    <message>
        <source>the PDF file was not written</source>
        <translation>het PDF-bestand is niet geschreven</translation>
    </message>
    <message>
        <source>no file named for the PDF document</source>
        <translation>er is geen bestandsnaam opgegeven voor het PDF-document</translation>
    </message>
    <message>
        <source>the printer could not be started</source>
        <translation>de printer kon niet worden gestart</translation>
    </message>
    <message>
        <source>the printer could not finish the document</source>
        <translation>de printer kon het document niet voltooien</translation>
    </message>
    <message>
        <source>no position is calculated and the connector schedule is empty</source>
        <translation>er is geen positie berekend en de stuklijst is leeg</translation>
    </message>
    <message>
        <source>there is no such position in the project</source>
        <translation>deze positie bestaat niet in het project</translation>
    </message>
    <message>
        <source>the position is not calculated: the result sheet needs its results</source>
        <translation>de positie is niet berekend: het rekenblad heeft haar resultaten nodig</translation>
    </message>
    <message>
        <source>the result sheet is written as .pdf, .png or .svg</source>
        <translation>het rekenblad wordt als .pdf, .png of .svg geschreven</translation>
    </message>
    <message>
        <source>the connector schedule is written as .txt or .pdf</source>
        <translation>de deuvellijst wordt als .txt of .pdf geschreven</translation>
    </message>
    <message>
        <source>a sketch is written as .png or .svg</source>
        <translation>een schets wordt als .png of .svg geschreven</translation>
    </message>
    <message>
        <source>the position is not calculated: the result sketches need its results</source>
        <translation>de positie is niet berekend: de resultaatschetsen hebben haar resultaten nodig</translation>
    </message>
    <message>
        <source>the picture could not be made</source>
        <translation>de afbeelding kon niet worden gemaakt</translation>
    </message>
</context>
<context>
    <name>Bildexport</name>
    <message>
        <source>Varnel - TRV / ZEDE Shear Connectors - Export results</source>
        <translation>Varnel - TRV / ZEDE dwarskrachtdeuvels - Resultaten exporteren</translation>
    </message>
    <message>
        <source>export in SVG vector format (*.svg)</source>
        <translation>Exporteren in SVG-vectorformaat (*.svg)</translation>
    </message>
    <message>
        <source>Export in Bitmap Format (*.bmp)</source>
        <translation>Exporteren in bitmapformaat (*.bmp)</translation>
    </message>
    <message>
        <source>Export in JPeg Format (*.jpg)</source>
        <translation>Exporteren in JPEG-formaat (*.jpg)</translation>
    </message>
    <message>
        <source>Export as PDF document (*.pdf)</source>
        <translation>Exporteren als PDF-document (*.pdf)</translation>
    </message>
    <message>
        <source>The picture could not be saved as
%1:
%2</source>
        <translation>De afbeelding kon niet worden opgeslagen als
%1:
%2</translation>
    </message>
    <message>
        <source>there is no picture to export</source>
        <translation>er is geen afbeelding om te exporteren</translation>
    </message>
</context>
<context>
    <name>Blattbeilage</name>
    <message>
        <source>shear connector</source>
        <translation>dwarskrachtdeuvel</translation>
    </message>
    <message>
        <source>Result sheet of position %1</source>
        <translation>Rekenblad van positie %1</translation>
    </message>
    <message>
        <source>Result sheets of the project and connector schedule</source>
        <translation>Rekenbladen van het project en deuvellijst</translation>
    </message>
</context>
<context>
    <name>CadBlockExport</name>
    <message>
        <source>DXF databases (*.dxf)</source>
        <translation>DXF-bestanden (*.dxf)</translation>
    </message>
    <message>
        <source>DWG database (*.dwg)</source>
        <translation>DWG-bestand (*.dwg)</translation>
    </message>
    <message>
        <source>The connector blocks are supplied as DXF files only: DWG files cannot be written by this program.

Save the blocks as DXF files instead? Every CAD program reads DXF.</source>
        <translation>De deuvelblokken worden alleen als DXF-bestanden geleverd: DWG-bestanden kan dit programma niet schrijven.

Wilt u de blokken in plaats daarvan als DXF-bestanden opslaan? Elk CAD-programma kan DXF lezen.</translation>
    </message>
    <message>
        <source>Cannot open file!</source>
        <translation>Kan het bestand niet openen!</translation>
    </message>
    <message>
        <source>The file %1 could not be copied to %2:
%3</source>
        <translation>Het bestand %1 kon niet naar %2 worden gekopieerd:
%3</translation>
    </message>
    <message>
        <source>The file - </source>
        <translation>Het bestand - </translation>
    </message>
    <message>
        <source> - was not found.The required file can only be installed from the CD version!</source>
        <translation> - is niet gevonden. Het benodigde bestand kan alleen vanaf de cd-versie worden geïnstalleerd!</translation>
    </message>
</context>
<context>
    <name>Druckbefehle</name>
    <message>
        <source>no file was named for the PDF</source>
        <translation>er is geen bestandsnaam voor de PDF opgegeven</translation>
    </message>
    <message>
        <source>The result sheet could not be printed:
%1</source>
        <translation>Het rekenblad kon niet worden afgedrukt:
%1</translation>
    </message>
    <message>
        <source>There is nothing to print: no position is calculated and the connector schedule is empty.</source>
        <translation>Er is niets om af te drukken: er is geen positie berekend en de stuklijst is leeg.</translation>
    </message>
    <message>
        <source>These positions are not calculated and are not printed: %1.

Print the other positions and the connector schedule?</source>
        <translation>De volgende posities zijn niet berekend en worden niet afgedrukt: %1.

Wilt u de overige posities en de stuklijst afdrukken?</translation>
    </message>
    <message>
        <source>The project could not be printed:
%1</source>
        <translation>Het project kon niet worden afgedrukt:
%1</translation>
    </message>
</context>
<context>
    <name>Druckbilder</name>
    <message>
        <source>shear connectors</source>
        <translation>dwarskrachtdeuvels</translation>
    </message>
    <message>
        <source>n = number of data entries</source>
        <translation>n = aantal invoerpunten</translation>
    </message>
</context>
<context>
    <name>Druckerwahl</name>
    <message>
        <source>Print to PDF file</source>
        <translation>Afdrukken naar PDF-bestand</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>PDF-document (*.pdf)</translation>
    </message>
</context>
<context>
    <name>Hilfe</name>
    <message>
        <source>The help file %1 was not found.</source>
        <translation>Het helpbestand %1 is niet gevonden.</translation>
    </message>
    <message>
        <source>The help file %1 cannot be read.</source>
        <translation>Het helpbestand %1 kan niet worden gelezen.</translation>
    </message>
</context>
<context>
    <name>Projektbefehle</name>
    <message>
        <source>Varnel - TRV / ZEDE Shear Connectors</source>
        <translation>Varnel - TRV / ZEDE dwarskrachtdeuvels</translation>
    </message>
</context>
<context>
    <name>Projektzustand</name>
    <message>
        <source>%1 (the file name holds bytes that are no text: �)</source>
        <translation>%1 (de bestandsnaam bevat bytes die geen tekst zijn: �)</translation>
    </message>
</context>
<context>
    <name>Ressource</name>
    <message>
        <source>Unnamed</source>
        <comment>Unbenannt</comment>
        <translation>Naamloos</translation>
    </message>
    <message>
        <source>It is only a position in the existing project.<byte value="xd"/>
<byte value="xd"/>
The last position cannot be removed!</source>
        <comment>LetztePositionLoeschen</comment>
        <translation>Het project bevat maar één positie; de laatste positie kan niet worden verwijderd.</translation>
    </message>
    <message>
        <source>Fatal error in calculating process! The result of the calculation is invalid!
<byte value="xd"/>Try the calculation with new input data and refer to the programme producer.</source>
        <comment>Rechenfehler</comment>
        <translation>Fatale fout in het rekenproces! Het resultaat van de berekening is ongeldig!
</translation>
    </message>
    <message>
        <source>The thickness of the concrete slab is less than the minimum thickness of concrete for the smallest shear connector!</source>
        <comment>PlausiDickeMin</comment>
        <translation>De plaatdikte is kleiner dan de minimale betondikte voor de kleinste dwarskrachtdeuvel!</translation>
    </message>
    <message>
        <source>The thickness of the concrete slab to be connected is less than the structural effective height!</source>
        <comment>PlausiNutzhoehe</comment>
        <translation>De dikte van de aan te sluiten betonplaat is kleiner dan de nuttige hoogte!</translation>
    </message>
    <message>
        <source>Structural effective height is &lt; 10mm. Please check!</source>
        <comment>PlausiNutzhoeheKlein</comment>
        <translation>De nuttige hoogte is &lt; 10 mm. Controleer de invoer!</translation>
    </message>
    <message>
        <source>Concrete cover above is &lt;10mm. Please check</source>
        <comment>PlausiDeckungOben</comment>
        <translation>De betondekking boven is &lt; 10 mm. Controleer de invoer!</translation>
    </message>
    <message>
        <source>Concrete cover below is &lt;10mm.Please check</source>
        <comment>PlausiDeckungUnten</comment>
        <translation>De betondekking onder is &lt; 10 mm. Controleer de invoer!</translation>
    </message>
    <message>
        <source>The sum of the concrete cover is greater than the thickness of the concrete slab to be connected!</source>
        <comment>PlausiDeckungSumme</comment>
        <translation>De som van de betondekkingen is groter dan de dikte van de aan te sluiten betonplaat!</translation>
    </message>
    <message>
        <source>The wall thickness is less than the minimum required thickness of concrete for the smallest shear connector!</source>
        <comment>PlausiWandDicke</comment>
        <translation>De wanddikte is kleiner dan de minimaal vereiste betondikte voor de kleinste dwarskrachtdeuvel!</translation>
    </message>
    <message>
        <source>Single shear connector loaded with point load\Row of shear connectors - connection slab to slab\Row of shear connectors - connection slab to wall\</source>
        <comment>AnwendungsfallLang</comment>
        <translation>Enkele dwarskrachtdeuvel belast door een puntlast\Rij dwarskrachtdeuvels - verbinding plaat-plaat\Rij dwarskrachtdeuvels - verbinding plaat-wand\</translation>
    </message>
    <message>
        <source>Single shear connector\Connector row, slab to slab\Connector row, slab to wall\</source>
        <comment>AnwendungsfallKurz</comment>
        <translation>Enkele dwarskrachtdeuvel\Deuvelrij, plaat-plaat\Deuvelrij, plaat-wand\</translation>
    </message>
    <message>
        <source>OK\d &lt; d min\Vsd &gt; VRd\e &lt; min e\c &lt; min c\e &lt; suit e\f &gt; permissible\e &lt; reqd e\c &lt; reqd c\dw &lt; reqd dw\</source>
        <comment>StatusKurz</comment>
        <translation>OK\d &lt; d min\Vsd &gt; VRd\e &lt; min e\c &lt; min c\e &lt; e wap.\f &gt; toelaatbaar\e &lt; ben. e\c &lt; ben. c\dw &lt; ben. dw\</translation>
    </message>
    <message>
        <source>Calculation ok\Concrete thickness too small\Load too great\Connector spacing is below minimum value\Connector edge distance is below minimum value\Spacing too small to suit vertical reinforcement\Joint width out of range for this dowel\Connector spacing for standard reinforcement too small for approval\Edge spacing according to standard reinforcement too small for approval\The wall thickness is smaller than required for the selected connector\</source>
        <comment>StatusLang</comment>
        <translation>Berekening in orde\Betondikte te klein\Belasting te groot\Deuvelafstand kleiner dan de minimumwaarde\Randafstand van de deuvel kleiner dan de minimumwaarde\Deuvelafstand te klein voor de verticale wapening\Voegbreedte buiten het toepassingsgebied van deze deuvel\Deuvelafstand bij standaardwapening te klein voor de toelating\Randafstand bij standaardwapening te klein voor de toelating\De wanddikte is kleiner dan vereist voor de gekozen deuvel\</translation>
    </message>
    <message>
        <source>The maximum spacings of the dowels is larger than 5 * slab thickness. Please check dowel alignment!\Minimum spacing and edge distance are based on the thinnest slab for the actual connector load\</source>
        <comment>Hinweistexte</comment>
        <translation>De maximale deuvelafstand is groter dan 5 * plaatdikte. Controleer de deuvelindeling!\Minimale deuvelafstand en randafstand zijn gebaseerd op de dunste plaat bij de werkelijke deuvelbelasting\</translation>
    </message>
    <message>
        <source>16 N/mm²\20 N/mm²\25 N/mm²\30 N/mm²\</source>
        <comment>Betonfestigkeiten</comment>
        <translation>16 N/mm²\20 N/mm²\25 N/mm²\30 N/mm²\</translation>
    </message>
    <message>
        <source>C16/20\C20/25\C25/30\C30/37\</source>
        <comment>Betongueten</comment>
        <translation>C16/20\C20/25\C25/30\C30/37\</translation>
    </message>
    <message>
        <source>0 mm\10 mm\20 mm\30 mm\40 mm\50 mm\60 mm\</source>
        <comment>FugenbreitenTexte</comment>
        <translation>0 mm\10 mm\20 mm\30 mm\40 mm\50 mm\60 mm\</translation>
    </message>
    <message>
        <source>Position                          \No. pos.\No. connectors\Designation                                           \Sum connectors\Status\Pos\Ceiling strength\efective structural height\Support type\</source>
        <comment>StuecklistenSpalten</comment>
        <translation>Positie                           \Aant. pos.\Aant. deuvels \Omschrijving                                          \Totaal deuvels\Status\Pos\Plaatdikte      \Nuttige hoogte            \Type oplegging\</translation>
    </message>
    <message>
        <source>reinf&apos;t based on max. FRd\reinf&apos;t based on act. FRd\</source>
        <comment>BewehrungsBasis</comment>
        <translation>wapening o.b.v. max. FRd\wapening o.b.v. werkelijke FRd\</translation>
    </message>
    <message>
        <source>Unlimited\5 * Slab Thickness\</source>
        <comment>MaxAbstandOptionen</comment>
        <translation>Onbeperkt\5 * plaatdikte\</translation>
    </message>
    <message>
        <source>Calculation with reinforcement according optimal connector use</source>
        <comment>BlattVerstaerkungOptimal</comment>
        <translation>Berekening met wapening volgens optimale benutting van de deuvel</translation>
    </message>
    <message>
        <source>Calculation with reinforcement according max. load capacity of dowel</source>
        <comment>BlattVerstaerkungMaximal</comment>
        <translation>Berekening met wapening volgens maximaal draagvermogen van de deuvel</translation>
    </message>
    <message>
        <source>sy,req</source>
        <comment>IndexSyErf</comment>
        <translation>sy,req</translation>
    </message>
    <message>
        <source>sx,req</source>
        <comment>IndexSxErf</comment>
        <translation>sx,req</translation>
    </message>
    <message>
        <source>act</source>
        <comment>IndexIst</comment>
        <translation>act</translation>
    </message>
    <message>
        <source>Sd,act</source>
        <comment>IndexSdIst</comment>
        <translation>Sd,act</translation>
    </message>
    <message>
        <source>Sd,tot</source>
        <comment>IndexSdTot</comment>
        <translation>Sd,tot</translation>
    </message>
    <message>
        <source>with</source>
        <comment>BlattMit</comment>
        <translation>met</translation>
    </message>
    <message>
        <source>no. of dowels</source>
        <comment>BlattAnzahlDuebel</comment>
        <translation>aantal deuvels</translation>
    </message>
    <message>
        <source>Selected</source>
        <comment>BlattGewaehlt</comment>
        <translation>Gekozen</translation>
    </message>
    <message>
        <source>Results</source>
        <comment>BlattErgebnisse</comment>
        <translation>Resultaten</translation>
    </message>
    <message>
        <source>Input</source>
        <comment>BlattEingabe</comment>
        <translation>Invoer</translation>
    </message>
    <message>
        <source>Concrete quality</source>
        <comment>BlattBetonguete</comment>
        <translation>Betonsterkteklasse</translation>
    </message>
    <message>
        <source>Slab thickness</source>
        <comment>BlattPlattenDicke</comment>
        <translation>Plaatdikte</translation>
    </message>
    <message>
        <source>Wall thickness</source>
        <comment>BlattWandDicke</comment>
        <translation>Wanddikte</translation>
    </message>
    <message>
        <source>Concrete cover above</source>
        <comment>BlattDeckungOben</comment>
        <translation>Betondekking boven</translation>
    </message>
    <message>
        <source>Concrete cover below</source>
        <comment>BlattDeckungUnten</comment>
        <translation>Betondekking onder</translation>
    </message>
    <message>
        <source>Concrete cover to front</source>
        <comment>BlattDeckungVorn</comment>
        <translation>Betondekking voorzijde</translation>
    </message>
    <message>
        <source>Max. joint width</source>
        <comment>BlattFugenbreite</comment>
        <translation>Max. voegbreedte</translation>
    </message>
    <message>
        <source>Joint length</source>
        <comment>BlattFugenlaenge</comment>
        <translation>Voeglengte</translation>
    </message>
    <message>
        <source>Given edge distance</source>
        <comment>BlattRandabstand</comment>
        <translation>Opgegeven randafstand</translation>
    </message>
    <message>
        <source>Single load to connector</source>
        <comment>BlattLastEinzel</comment>
        <translation>Puntlast op deuvel</translation>
    </message>
    <message>
        <source>Linear load</source>
        <comment>BlattLastLinie</comment>
        <translation>Lijnlast</translation>
    </message>
    <message>
        <source>Varying distributed load</source>
        <comment>BlattLastBeliebig</comment>
        <translation>Willekeurig verdeelde belasting</translation>
    </message>
    <message>
        <source>Dead load</source>
        <comment>BlattEigenlast</comment>
        <translation>Eigen gewicht</translation>
    </message>
    <message>
        <source>Partial safety factor</source>
        <comment>BlattTeilsicherheit</comment>
        <translation>Belastingsfactor</translation>
    </message>
    <message>
        <source>Imposed load</source>
        <comment>BlattVerkehrslast</comment>
        <translation>Veranderlijke belasting</translation>
    </message>
    <message>
        <source>Additional design load</source>
        <comment>BlattZusatzlast</comment>
        <translation>Extra rekenbelasting</translation>
    </message>
    <message>
        <source>Total design load</source>
        <comment>BlattGesamtlast</comment>
        <translation>Totale rekenbelasting</translation>
    </message>
    <message>
        <source>Connector design load</source>
        <comment>BlattDuebellast</comment>
        <translation>Rekenbelasting deuvel</translation>
    </message>
    <message>
        <source>see next page</source>
        <comment>BlattNaechsteSeite</comment>
        <translation>zie volgende pagina</translation>
    </message>
    <message>
        <source>Actual area of main reinf´t</source>
        <comment>BlattAsyIst</comment>
        <translation>Aanwezige doorsnede hoofdwapening</translation>
    </message>
    <message>
        <source>Req´d area of main reinf´t</source>
        <comment>BlattAsyErf</comment>
        <translation>Benodigde doorsnede hoofdwapening</translation>
    </message>
    <message>
        <source>Actual area of secondary reinf´t</source>
        <comment>BlattAsxIst</comment>
        <translation>Aanwezige doorsnede secundaire wapening</translation>
    </message>
    <message>
        <source>Req´d area of secondary reinf´t</source>
        <comment>BlattAsxErf</comment>
        <translation>Benodigde doorsnede secundaire wapening</translation>
    </message>
    <message>
        <source>Region of main reinf´t</source>
        <comment>BlattBereichY</comment>
        <translation>Zone hoofdwapening</translation>
    </message>
    <message>
        <source>Region of secondary reinf´t</source>
        <comment>BlattBereichX</comment>
        <translation>Zone secundaire wapening</translation>
    </message>
    <message>
        <source>Actual edge distance</source>
        <comment>BlattRandIst</comment>
        <translation>Aanwezige randafstand</translation>
    </message>
    <message>
        <source>Minimum edge distance</source>
        <comment>BlattRandMin</comment>
        <translation>Minimale randafstand</translation>
    </message>
    <message>
        <source>Actual connector spacing</source>
        <comment>BlattAbstandIst</comment>
        <translation>Aanwezige deuvelafstand</translation>
    </message>
    <message>
        <source>Minimum connector spacing</source>
        <comment>BlattAbstandMin</comment>
        <translation>Minimale deuvelafstand</translation>
    </message>
    <message>
        <source>Connector design capacity</source>
        <comment>BlattTragfaehigkeit</comment>
        <translation>Rekenwaarde draagvermogen deuvel</translation>
    </message>
    <message>
        <source>Connector usage</source>
        <comment>BlattAusnutzung</comment>
        <translation>Benuttingsgraad deuvel</translation>
    </message>
    <message>
        <source>Design resistance concrete</source>
        <comment>BlattWiderstandBeton</comment>
        <translation>Rekenweerstand beton</translation>
    </message>
    <message>
        <source>Concrete capacity usage</source>
        <comment>BlattAusnutzungBeton</comment>
        <translation>Benuttingsgraad beton</translation>
    </message>
    <message>
        <source>Design resistance steel</source>
        <comment>BlattWiderstandStahl</comment>
        <translation>Rekenweerstand staal</translation>
    </message>
    <message>
        <source>Steel capacity usage</source>
        <comment>BlattAusnutzungStahl</comment>
        <translation>Benuttingsgraad staal</translation>
    </message>
    <message>
        <source>Design resistance reinforcement</source>
        <comment>BlattWiderstandBewehrung</comment>
        <translation>Rekenweerstand wapening</translation>
    </message>
    <message>
        <source>Reinforcement capacity usage</source>
        <comment>BlattAusnutzungBewehrung</comment>
        <translation>Benuttingsgraad wapening</translation>
    </message>
    <message>
        <source>Calculation for </source>
        <comment>BerechnungFuer</comment>
        <translation>Berekening voor </translation>
    </message>
    <message>
        <source>Varnel - TRV / ZEDE Shear Connector</source>
        <comment>ProgrammTitel</comment>
        <translation>Varnel - TRV / ZEDE dwarskrachtdeuvels</translation>
    </message>
    <message>
        <source>TRV - 1.0</source>
        <comment>ProgrammVersion</comment>
        <translation>TRV - 1.0</translation>
    </message>
    <message>
        <source>Date: </source>
        <comment>KopfDatum</comment>
        <translation>Datum: </translation>
    </message>
    <message>
        <source>Printed from: </source>
        <comment>KopfGedruckt</comment>
        <translation>Afgedrukt op: </translation>
    </message>
    <message>
        <source>Designer: </source>
        <comment>KopfBearbeiter</comment>
        <translation>Opgesteld door: </translation>
    </message>
    <message>
        <source>Company: </source>
        <comment>KopfFirma</comment>
        <translation>Bedrijf: </translation>
    </message>
    <message>
        <source>Project:  </source>
        <comment>KopfProjekt</comment>
        <translation>Project:  </translation>
    </message>
    <message>
        <source>Position: </source>
        <comment>KopfPosition</comment>
        <translation>Positie: </translation>
    </message>
    <message>
        <source>The use of the connector is not possible for the following reasons:</source>
        <comment>KopfGruende</comment>
        <translation>Het gebruik van de deuvel is om de volgende redenen niet mogelijk:</translation>
    </message>
    <message>
        <source>Switzerland\Varnel AG\Tel. +41 00 000 00 00\Fax +41 00 000 00 01\info@ch.varnel.example\</source>
        <comment>KontaktSpalte1</comment>
        <translation>Zwitserland\Varnel AG\Tel. +41 00 000 00 00\Fax +41 00 000 00 01\info@ch.varnel.example\</translation>
    </message>
    <message>
        <source>Germany\Varnel GmbH\Tel. +49 000 0000 00\Fax +49 000 0000 01\info@de.varnel.example\</source>
        <comment>KontaktSpalte2</comment>
        <translation>Duitsland\Varnel GmbH\Tel. +49 000 0000 00\Fax +49 000 0000 01\info@de.varnel.example\</translation>
    </message>
    <message>
        <source>Austria\Varnel Ges.m.b.H.\Tel. +43 0000 000 00\Fax +43 0000 000 01\info@at.varnel.example\</source>
        <comment>KontaktSpalte3</comment>
        <translation>Oostenrijk\Varnel Ges.m.b.H.\Tel. +43 0000 000 00\Fax +43 0000 000 01\info@at.varnel.example\</translation>
    </message>
    <message>
        <source>France\Varnel S.A.R.L.\Tel. +33 0 00 00 00 00\Fax +33 0 00 00 00 01\info@fr.varnel.example\</source>
        <comment>KontaktSpalte4</comment>
        <translation>Frankrijk\Varnel S.A.R.L.\Tel. +33 0 00 00 00 00\Fax +33 0 00 00 00 01\info@fr.varnel.example\</translation>
    </message>
    <message>
        <source>United Kingdom\Varnel Ltd.\Tel. +44 0000 000000\Fax +44 0000 000001\info@uk.varnel.example\</source>
        <comment>KontaktSpalte5</comment>
        <translation>Verenigd Koninkrijk\Varnel Ltd.\Tel. +44 0000 000000\Fax +44 0000 000001\info@uk.varnel.example\</translation>
    </message>
    <message>
        <source>Netherlands\Varnel B.V.\Tel. +31 00 000 00 00\Fax +31 00 000 00 01\info@nl.varnel.example\</source>
        <comment>KontaktSpalte6</comment>
        <translation>Nederland\Varnel B.V.\Tel. +31 00 000 00 00\Fax +31 00 000 00 01\info@nl.varnel.example\</translation>
    </message>
    <message>
        <source>Connector Schedule</source>
        <comment>StuecklisteTitel</comment>
        <translation>Stuklijst dwarskrachtdeuvels</translation>
    </message>
    <message>
        <source>Active</source>
        <comment>StatusAktiv</comment>
        <translation>Actief</translation>
    </message>
    <message>
        <source>Not active</source>
        <comment>StatusNichtAktiv</comment>
        <translation>Niet actief</translation>
    </message>
    <message>
        <source>the current position is already in the existing connector schedule.<byte value="xd"/>
<byte value="xd"/>
Should this be overwritten?</source>
        <comment>StuecklisteUeberschreiben</comment>
        <translation>De huidige positie staat al in de stuklijst. Wilt u deze overschrijven?</translation>
    </message>
    <message>
        <source>the connector schedule could not be exported - Please check the writing access on the data carrier.</source>
        <comment>StuecklisteExportFehler</comment>
        <translation>De stuklijst kon niet worden geëxporteerd - controleer de schrijfrechten op de gegevensdrager.</translation>
    </message>
    <message>
        <source>Mat.-Pos</source>
        <comment>DruckMatPos</comment>
        <translation>Mat.-pos.</translation>
    </message>
    <message>
        <source>Quantity of parts</source>
        <comment>DruckStueckzahl</comment>
        <translation>Aantal stuks</translation>
    </message>
    <message>
        <source>Designation</source>
        <comment>DruckBezeichnung</comment>
        <translation>Omschrijving</translation>
    </message>
    <message>
        <source>Shear connectors supply to transverse force transmission in expansion</source>
        <comment>DruckLieferung1</comment>
        <translation>Dwarskrachtdeuvels voor de overdracht van dwarskrachten in de dilatatievoeg</translation>
    </message>
    <message>
        <source>max. design Resistance FRd</source>
        <comment>DruckWiderstand</comment>
        <translation>max. rekenweerstand FRd</translation>
    </message>
    <message>
        <source>Material</source>
        <comment>DruckMaterial</comment>
        <translation>Materiaal</translation>
    </message>
    <message>
        <source>stainless steel 1.4462</source>
        <comment>DruckMaterialText</comment>
        <translation>roestvast staal 1.4462</translation>
    </message>
    <message>
        <source>Position(s):   </source>
        <comment>DruckPositionen</comment>
        <translation>Positie(s):   </translation>
    </message>
    <message>
        <source>Single shear connector consisting of dowel element and sleeve</source>
        <comment>DruckEinzeldorn</comment>
        <translation>Enkele dwarskrachtdeuvel, bestaande uit deuvel en huls</translation>
    </message>
    <message>
        <source>Type: </source>
        <comment>DruckTyp</comment>
        <translation>Type: </translation>
    </message>
    <message>
        <source>and fire protection sleeve</source>
        <comment>DruckBrandschutz</comment>
        <translation>en brandwerende huls</translation>
    </message>
    <message>
        <source>Mat.-Pos quantity denomination</source>
        <comment>TextMatPos</comment>
        <translation>Mat.-pos. aantal omschrijving</translation>
    </message>
    <message>
        <source>Shear connectors to transverse force transmission in inexpansion joint supply and</source>
        <comment>TextLieferung1</comment>
        <translation>Dwarskrachtdeuvels voor de overdracht van dwarskrachten in de dilatatievoeg leveren en</translation>
    </message>
    <message>
        <source>max. design resistance FRd: </source>
        <comment>TextWiderstand</comment>
        <translation>max. rekenweerstand FRd: </translation>
    </message>
    <message>
        <source>Material: stainless steel 1.4462</source>
        <comment>TextMaterial</comment>
        <translation>Materiaal: roestvast staal 1.4462</translation>
    </message>
    <message>
        <source>Position(s): </source>
        <comment>TextPositionen</comment>
        <translation>Positie(s): </translation>
    </message>
    <message>
        <source>The file is not a valid Varnel - TRV File</source>
        <comment>DateiUngueltig</comment>
        <translation>Het bestand is geen geldig Varnel - TRV-bestand</translation>
    </message>
    <message>
        <source>The data file was created with an old version of the programm. The import of this data can cause calculation problems, please check all data!</source>
        <comment>DateiAlteVersion</comment>
        <translation>Het gegevensbestand is gemaakt met een oudere versie van het programma. Het importeren van deze gegevens kan tot rekenproblemen leiden; controleer alle gegevens!</translation>
    </message>
    <message>
        <source>Error during saving the data - unable to save the project</source>
        <comment>DateiSpeichernFehler</comment>
        <translation>Fout bij het opslaan van de gegevens - het project kon niet worden opgeslagen</translation>
    </message>
    <message>
        <source>Error during opening the data file - unable to read project data</source>
        <comment>DateiOeffnenFehler</comment>
        <translation>Fout bij het openen van het gegevensbestand - de projectgegevens konden niet worden gelezen</translation>
    </message>
    <message>
        <source>Reinforcement for Varnel shear connector in the building </source>
        <comment>DxfTitel</comment>
        <translation>Wapening voor Varnel-dwarskrachtdeuvel </translation>
    </message>
    <message>
        <source>Plan view</source>
        <comment>DxfDraufsicht</comment>
        <translation>Bovenaanzicht</translation>
    </message>
    <message>
        <source>View</source>
        <comment>DxfAnsicht</comment>
        <translation>Aanzicht</translation>
    </message>
    <message>
        <source>Cut</source>
        <comment>DxfSchnitt</comment>
        <translation>Doorsnede</translation>
    </message>
    <message>
        <source>Top and Bottom: </source>
        <comment>DxfObenUnten</comment>
        <translation>Boven en onder: </translation>
    </message>
    <message>
        <source>Vertical Reinforcement: </source>
        <comment>DxfVertikal</comment>
        <translation>Verticale wapening: </translation>
    </message>
    <message>
        <source> U-bars</source>
        <comment>DxfBuegel</comment>
        <translation> U-beugels</translation>
    </message>
    <message>
        <source>Top: </source>
        <comment>DxfOben</comment>
        <translation>Boven: </translation>
    </message>
    <message>
        <source>Bottom: </source>
        <comment>DxfUnten</comment>
        <translation>Onder: </translation>
    </message>
    <message>
        <source>The position has not been calculated: there is no reinforcement to draw.</source>
        <comment>DxfNichtBerechnet</comment>
        <translation>De positie is niet berekend: er is geen wapening om te tekenen.</translation>
    </message>
    <message>
        <source>The reinforcement of the selected connector type is incomplete and cannot be drawn.</source>
        <comment>DxfBewehrungUngueltig</comment>
        <translation>De wapening van het gekozen deuveltype is onvolledig en kan niet worden getekend.</translation>
    </message>
    <message>
        <source>Error during Input: Only numbers allowed!<byte value="xd"/>
(plaease check writing of &quot;.&quot; and &quot;,&quot;) </source>
        <comment>EingabeKeineZahl</comment>
        <translation>Invoerfout: alleen getallen zijn toegestaan!<byte value="xd"/>
(controleer het gebruik van &quot;.&quot; en &quot;,&quot;) </translation>
    </message>
    <message>
        <source>Input value is smaller than allowed!</source>
        <comment>EingabeZuKlein</comment>
        <translation>De invoerwaarde is kleiner dan toegestaan!</translation>
    </message>
    <message>
        <source>Input value is greater than allowed!</source>
        <comment>EingabeZuGross</comment>
        <translation>De invoerwaarde is groter dan toegestaan!</translation>
    </message>
    <message>
        <source>Single load</source>
        <comment>LastfallEinzel</comment>
        <translation>Puntlast</translation>
    </message>
    <message>
        <source>constant</source>
        <comment>LastfallKonstant</comment>
        <translation>constant</translation>
    </message>
    <message>
        <source>Increasing distributed load</source>
        <comment>LastfallLinear</comment>
        <translation>Lineair toenemende belasting</translation>
    </message>
    <message>
        <source>Arbitrary</source>
        <comment>LastfallBeliebig</comment>
        <translation>Willekeurig</translation>
    </message>
    <message>
        <source>not calculated</source>
        <comment>BerichtNichtBerechnet</comment>
        <translation>niet berekend</translation>
    </message>
    <message>
        <source>joint and install according to the specification of the wing element.</source>
        <comment>DruckLieferung2</comment>
        <translation>leveren en volgens de specificatie van het deuvelelement plaatsen.</translation>
    </message>
    <message>
        <source>construct according to the specification in the plan of the wing unit.</source>
        <comment>TextLieferung2</comment>
        <translation>volgens de specificatie op de tekening van het deuvelelement plaatsen.</translation>
    </message>
    <message>
        <source>The PDF file does not carry a TRV project: only a result sheet written by this program holds its project.</source>
        <comment>PdfOhneProjekt</comment>
        <translation>Het PDF-bestand bevat geen TRV-project: alleen een rekenblad dat door dit programma is geschreven, bevat zijn project.</translation>
    </message>
    <message>
        <source>The PDF file is damaged or not a PDF file: its project cannot be read.</source>
        <comment>PdfBeschaedigt</comment>
        <translation>Het PDF-bestand is beschadigd of geen PDF-bestand: het project ervan kan niet worden gelezen.</translation>
    </message>
    <message>
        <source>The project attached to the PDF file is too large to be read.</source>
        <comment>PdfProjektZuGross</comment>
        <translation>Het aan het PDF-bestand toegevoegde project is te groot om te worden gelezen.</translation>
    </message>
    <message>
        <source>The arbitrary load profile needs at least two points. Please enter the load profile!</source>
        <comment>PlausiLastprofil</comment>
        <translation>Het willekeurige belastingsverloop heeft minstens twee punten nodig. Voer het belastingsverloop in!</translation>
    </message>
    <message>
        <source>The load needs more than %1 shear connectors in one row. These types cannot be arranged; choose a stronger type or divide the joint.</source>
        <comment>ZuVieleDorne</comment>
        <translation>De belasting vraagt meer dan %1 deuvels in één rij. Deze typen kunnen niet worden geplaatst; kies een sterker type of verdeel de voeg.</translation>
    </message>
</context>
<context>
    <name>Rueckfragen</name>
    <message>
        <source>Printer Setup</source>
        <translation>Printerinstellingen</translation>
    </message>
</context>
<context>
    <name>Stuecklistenbefehl</name>
    <message>
        <source>The connector schedule is full: the position could not be added.</source>
        <translation>De stuklijst is vol: de positie kon niet worden toegevoegd.</translation>
    </message>
</context>
<context>
    <name>TWinexecute</name>
    <message>
        <source>File not found!</source>
        <translation>Bestand niet gevonden!</translation>
    </message>
    <message>
        <source>Display not activated</source>
        <translation>Weergave niet geactiveerd</translation>
    </message>
    <message>
        <source>not enough emory, damaged executable file, or not allowed move</source>
        <translation>Onvoldoende geheugen, beschadigd programmabestand of ongeldige relocatie</translation>
    </message>
    <message>
        <source>Unknown Error</source>
        <translation>Onbekende fout</translation>
    </message>
    <message>
        <source>File not found.</source>
        <translation>Bestand niet gevonden.</translation>
    </message>
    <message>
        <source>Path not found.</source>
        <translation>Pad niet gevonden.</translation>
    </message>
    <message>
        <source>Unzulässiger Versuch, eine Task dynamisch einzubinden, oder es gab einen Fehler beim gemeinsamen Zugriff bzw. einen Zugriffsfehler im Netzwerk.</source>
        <translation>Ongeldige poging om een taak dynamisch te koppelen, of er is een fout opgetreden bij gedeelde toegang of een toegangsfout in het netwerk.</translation>
    </message>
    <message>
        <source>Bibliothek erfordert getrennte Datensegmente für jede Task.</source>
        <translation>De bibliotheek vereist afzonderlijke gegevenssegmenten voor elke taak.</translation>
    </message>
    <message>
        <source>Not enough memory to start the application.</source>
        <translation>Onvoldoende geheugen om de toepassing te starten.</translation>
    </message>
    <message>
        <source>Wrong Windows-Version.</source>
        <translation>Verkeerde Windows-versie.</translation>
    </message>
    <message>
        <source>Invalid .EXE-file.</source>
        <translation>Ongeldig .EXE-bestand.</translation>
    </message>
    <message>
        <source>Application is based on a other operation system.</source>
        <translation>De toepassing is bedoeld voor een ander besturingssysteem.</translation>
    </message>
    <message>
        <source>DOS 4.0-application.</source>
        <translation>DOS 4.0-toepassing.</translation>
    </message>
    <message>
        <source>Unknown .EXE-filetype.</source>
        <translation>Onbekend type .EXE-bestand.</translation>
    </message>
    <message>
        <source>Versuch, im Protected Mode (Standardmodus oder erweiterter 386-Modus) eine für frühere Windows-Versionen erstellte .EXE-Datei zu laden</source>
        <translation>Poging om in de beveiligde modus (standaardmodus of uitgebreide 386-modus) een .EXE-bestand te laden dat voor een eerdere Windows-versie is gemaakt.</translation>
    </message>
    <message>
        <source>You tried to start second time, die mehrfache (nicht Read-Only markierte) Datensegmente enthält.</source>
        <translation>U hebt geprobeerd een toepassing met meerdere (niet als alleen-lezen gemarkeerde) gegevenssegmenten een tweede keer te starten.</translation>
    </message>
    <message>
        <source>You tried to excecute a zipped file. The file must be unzipped, before loading.</source>
        <translation>U hebt geprobeerd een gecomprimeerd bestand uit te voeren. Pak het bestand eerst uit.</translation>
    </message>
    <message>
        <source>The Dynamic-Link-Library(DLL)-file was damaged. A necessary DLL, to start the application is damaged or missing.</source>
        <translation>Het DLL-bestand (Dynamic Link Library) is beschadigd. Een DLL die nodig is om de toepassing te starten, is beschadigd of ontbreekt.</translation>
    </message>
    <message>
        <source>The application needs a 32-Bit-Environment.</source>
        <translation>De toepassing vereist een 32-bitsomgeving.</translation>
    </message>
    <message>
        <source>Application not found to start selected file</source>
        <translation>Geen toepassing gevonden om het gekozen bestand te openen</translation>
    </message>
</context>
<context>
    <name>Textgrenze</name>
    <message>
        <source>The text is too long: only its first %1 characters are kept.</source>
        <translation>De tekst is te lang: alleen de eerste %1 tekens worden bewaard.</translation>
    </message>
</context>
<context>
    <name>TfrmBewehrung</name>
    <message>
        <source>Intermediate result for reinforcement </source>
        <translation>Tussenresultaat wapening </translation>
    </message>
</context>
<context>
    <name>TfrmSplash</name>
    <message>
        <source>Selected language not available!</source>
        <translation>De gekozen taal is niet beschikbaar!</translation>
    </message>
</context>
<context>
    <name>trv::Befehle</name>
    <message>
        <source>&amp;New...</source>
        <translation>&amp;Nieuw...</translation>
    </message>
    <message>
        <source>begin new project|begin new project</source>
        <translation>nieuw project|een nieuw project beginnen</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Openen...</translation>
    </message>
    <message>
        <source>open project|open an existing project file</source>
        <translation>project openen|een bestaand projectbestand openen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>Op&amp;slaan</translation>
    </message>
    <message>
        <source>save project|save the project in its file</source>
        <translation>project opslaan|het project in het huidige bestand opslaan</translation>
    </message>
    <message>
        <source>Save &amp;As ...</source>
        <translation>Opslaan &amp;als ...</translation>
    </message>
    <message>
        <source>save project as|save the project in a new file</source>
        <translation>project opslaan als|het project in een nieuw bestand opslaan</translation>
    </message>
    <message>
        <source>Printer Set&amp;up</source>
        <translation>Printer&amp;instellingen</translation>
    </message>
    <message>
        <source>printer setup|choose the printer and its page</source>
        <translation>printerinstellingen|de printer en de pagina-instelling kiezen</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>Af&amp;drukken</translation>
    </message>
    <message>
        <source>print|print the result sheet of the current position</source>
        <translation>afdrukken|het rekenblad van de huidige positie afdrukken</translation>
    </message>
    <message>
        <source>Print pro&amp;ject</source>
        <translation>&amp;Project afdrukken</translation>
    </message>
    <message>
        <source>print project|print the result sheets of every calculated position and the connector schedule</source>
        <translation>project afdrukken|de rekenbladen van alle berekende posities en de stuklijst afdrukken</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>A&amp;fsluiten</translation>
    </message>
    <message>
        <source>exit|end the program</source>
        <translation>afsluiten|het programma beëindigen</translation>
    </message>
    <message>
        <source>Project Ad&amp;ministration</source>
        <translation>Project&amp;beheer</translation>
    </message>
    <message>
        <source>project administration|browse project files and take over positions</source>
        <translation>projectbeheer|projectbestanden doorzoeken en posities overnemen</translation>
    </message>
    <message>
        <source>&amp;Add Position</source>
        <translation>Positie &amp;toevoegen</translation>
    </message>
    <message>
        <source>add position|add a copy of the current position</source>
        <translation>positie toevoegen|een kopie van de huidige positie toevoegen</translation>
    </message>
    <message>
        <source>&amp;Delete Current Position</source>
        <translation>Huidige positie &amp;verwijderen</translation>
    </message>
    <message>
        <source>delete position|delete the current position</source>
        <translation>positie verwijderen|de huidige positie verwijderen</translation>
    </message>
    <message>
        <source>Input &amp;Tree</source>
        <translation>Invoer&amp;boom</translation>
    </message>
    <message>
        <source>input tree|show or hide the input tree</source>
        <translation>invoerboom|de invoerboom tonen of verbergen</translation>
    </message>
    <message>
        <source>System &amp;Input</source>
        <translation>Systeem&amp;invoer</translation>
    </message>
    <message>
        <source>system input|return from the result sheet to the input</source>
        <translation>systeeminvoer|van het rekenblad terugkeren naar de invoer</translation>
    </message>
    <message>
        <source>&amp;Project Data</source>
        <translation>&amp;Projectgegevens</translation>
    </message>
    <message>
        <source>project data|edit the project description</source>
        <translation>projectgegevens|de projectbeschrijving bewerken</translation>
    </message>
    <message>
        <source>&amp;Display Connector Schedule</source>
        <translation>Stuklijst &amp;weergeven</translation>
    </message>
    <message>
        <source>connector schedule|display the connector schedule</source>
        <translation>stuklijst|de stuklijst weergeven</translation>
    </message>
    <message>
        <source>&amp;Add to Connector Schedule</source>
        <translation>&amp;Aan stuklijst toevoegen</translation>
    </message>
    <message>
        <source>add to schedule|add the selected connector of the current position to the connector schedule</source>
        <translation>aan stuklijst toevoegen|de gekozen deuvel van de huidige positie aan de stuklijst toevoegen</translation>
    </message>
    <message>
        <source>calculation|check the inputs and design all connector types</source>
        <translation>berekening|de invoer controleren en alle deuveltypen dimensioneren</translation>
    </message>
    <message>
        <source>Calculation &amp;Preview</source>
        <translation>&amp;Voorbeeld rekenblad</translation>
    </message>
    <message>
        <source>preview|calculate and show the result sheet</source>
        <translation>voorbeeld|berekenen en het rekenblad weergeven</translation>
    </message>
    <message>
        <source>DXF Export - &amp;Connector</source>
        <translation>DXF-export - &amp;deuvel</translation>
    </message>
    <message>
        <source>connector CAD blocks|copy the CAD blocks of the selected connector</source>
        <translation>CAD-blokken deuvel|de CAD-blokken van de gekozen deuvel kopiëren</translation>
    </message>
    <message>
        <source>DXF Export - &amp;Reinforcement</source>
        <translation>DXF-export - &amp;wapening</translation>
    </message>
    <message>
        <source>reinforcement drawing|DXF drawing of the reinforcement of the selected connector</source>
        <translation>wapeningstekening|DXF-tekening van de wapening van de gekozen deuvel</translation>
    </message>
    <message>
        <source>Export Results to &amp;File</source>
        <translation>Resultaten naar &amp;bestand</translation>
    </message>
    <message>
        <source>export results|save the result sheet in a file</source>
        <translation>resultaten exporteren|het rekenblad in een bestand opslaan</translation>
    </message>
    <message>
        <source>Export Results to C&amp;lipboard</source>
        <translation>Resultaten naar &amp;klembord</translation>
    </message>
    <message>
        <source>results to clipboard|copy the result sheet to the clipboard</source>
        <translation>resultaten naar klembord|het rekenblad naar het klembord kopiëren</translation>
    </message>
    <message>
        <source>design options|maximum spacing, steel grade and safety factor</source>
        <translation>rekeninstellingen|maximale deuvelafstand, staalkwaliteit en veiligheidsfactor</translation>
    </message>
    <message>
        <source>&amp;Screen Colours</source>
        <translation>&amp;Schermkleuren</translation>
    </message>
    <message>
        <source>screen colours|choose the colours of the sketches</source>
        <translation>schermkleuren|de kleuren van de schetsen kiezen</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhoud</translation>
    </message>
    <message>
        <source>help|contents of the help</source>
        <translation>help|inhoud van de Help</translation>
    </message>
    <message>
        <source>Search for Key&amp;word</source>
        <translation>Zoeken op tre&amp;fwoord</translation>
    </message>
    <message>
        <source>search help|search the help</source>
        <translation>help doorzoeken|in de Help zoeken</translation>
    </message>
    <message>
        <source>&amp;Use of Help</source>
        <translation>&amp;Werken met Help</translation>
    </message>
    <message>
        <source>use of help|how to use the help</source>
        <translation>werken met Help|uitleg over het gebruik van de Help</translation>
    </message>
    <message>
        <source>&amp;About Varnel Shear Connectors</source>
        <translation>&amp;Over Varnel-dwarskrachtdeuvels</translation>
    </message>
    <message>
        <source>about|version and maker of the program</source>
        <translation>info|versie en maker van het programma</translation>
    </message>
    <message>
        <source>&amp;Varnel Shear Connectors Manual</source>
        <translation>&amp;Handleiding Varnel-dwarskrachtdeuvels</translation>
    </message>
    <message>
        <source>manual|open the manual of the shear connectors</source>
        <translation>handleiding|de handleiding van de dwarskrachtdeuvels openen</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Aanzicht</translation>
    </message>
    <message>
        <source>view|view of the joint with the connector</source>
        <translation>aanzicht|aanzicht van de voeg met de deuvel</translation>
    </message>
    <message>
        <source>Plan View</source>
        <translation>Bovenaanzicht</translation>
    </message>
    <message>
        <source>plan view|plan view of the connector</source>
        <translation>bovenaanzicht|bovenaanzicht van de deuvel</translation>
    </message>
    <message>
        <source>Section</source>
        <translation>Doorsnede</translation>
    </message>
    <message>
        <source>section|section through the joint</source>
        <translation>doorsnede|doorsnede door de voeg</translation>
    </message>
    <message>
        <source>Row View</source>
        <translation>Rijaanzicht</translation>
    </message>
    <message>
        <source>row view|arrangement of the connectors along the joint</source>
        <translation>rijaanzicht|indeling van de deuvels langs de voeg</translation>
    </message>
    <message>
        <source>Reinforcement</source>
        <translation>Wapening</translation>
    </message>
    <message>
        <source>reinforcement|adjust the reinforcement of the selected connector</source>
        <translation>wapening|de wapening van de gekozen deuvel aanpassen</translation>
    </message>
    <message>
        <source>Sketch to &amp;Clipborad</source>
        <translation>Schets naar &amp;klembord</translation>
    </message>
    <message>
        <source>copy sketch|copy the sketch to the clipboard</source>
        <translation>schets kopiëren|de schets naar het klembord kopiëren</translation>
    </message>
    <message>
        <source>Save sketch in file</source>
        <translation>Schets in bestand opslaan</translation>
    </message>
    <message>
        <source>save sketch|save the sketch in a file</source>
        <translation>schets opslaan|de schets in een bestand opslaan</translation>
    </message>
    <message>
        <source>Represent sketch as full picture</source>
        <translation>Schets vergroot weergeven</translation>
    </message>
    <message>
        <source>enlarge sketch|show the sketch in a window of its own</source>
        <translation>schets vergroten|de schets in een eigen venster tonen</translation>
    </message>
    <message>
        <source>DXF-Export</source>
        <translation>DXF-export</translation>
    </message>
    <message>
        <source>DXF export|DXF drawing of the reinforcement of the selected connector</source>
        <translation>DXF-export|DXF-tekening van de wapening van de gekozen deuvel</translation>
    </message>
    <message>
        <source>Ctrl+N</source>
        <translation>Ctrl+N</translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation>Ctrl+O</translation>
    </message>
    <message>
        <source>Ctrl+S</source>
        <translation>Ctrl+S</translation>
    </message>
    <message>
        <source>Ctrl+A</source>
        <translation>Ctrl+A</translation>
    </message>
    <message>
        <source>Ctrl+P</source>
        <translation>Ctrl+P</translation>
    </message>
    <message>
        <source>Alt+F4</source>
        <translation>Alt+F4</translation>
    </message>
    <message>
        <source>Ctrl+Q</source>
        <translation>Ctrl+Q</translation>
    </message>
    <message>
        <source>Ctrl+V</source>
        <translation>Ctrl+V</translation>
    </message>
    <message>
        <source>F9</source>
        <translation>F9</translation>
    </message>
    <message>
        <source>&amp;Calculation</source>
        <comment>Results menu: run the calculation</comment>
        <translation>&amp;Berekenen</translation>
    </message>
    <message>
        <source>&amp;Calculation</source>
        <comment>Options menu: design options</comment>
        <translation>Bereke&amp;ning</translation>
    </message>
</context>
<context>
    <name>trv::Projektbefehle</name>
    <message>
        <source>Do you want to save current calculation?</source>
        <translation>Wilt u de huidige berekening opslaan?</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle bestanden (*)</translation>
    </message>
    <message>
        <source>The file %1 has been changed by another program since it was opened or saved here. Do you want to overwrite it?</source>
        <translation>Het bestand %1 is door een ander programma gewijzigd sinds het hier werd geopend of opgeslagen. Wilt u het overschrijven?</translation>
    </message>
    <message>
        <source>Result sheets with their project (*.pdf *.PDF)</source>
        <translation>Rekenbladen met hun project (*.pdf *.PDF)</translation>
    </message>
</context>
<context>
    <name>trv::TEingabebaum</name>
    <message>
        <source>Input tree</source>
        <translation>Invoerboom</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Bestand</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nieuw</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Openen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Opslaan</translation>
    </message>
    <message>
        <source>Save As ...</source>
        <translation>Opslaan als ...</translation>
    </message>
    <message>
        <source>Printer Setup ...</source>
        <translation>Printerinstellingen ...</translation>
    </message>
    <message>
        <source>Project Administration</source>
        <translation>Projectbeheer</translation>
    </message>
    <message>
        <source>Project: </source>
        <translation>Project: </translation>
    </message>
    <message>
        <source>Add Position</source>
        <translation>Positie toevoegen</translation>
    </message>
    <message>
        <source>Delete Current Position</source>
        <translation>Huidige positie verwijderen</translation>
    </message>
    <message>
        <source>Current Positions</source>
        <translation>Posities in het project</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Invoer</translation>
    </message>
    <message>
        <source>Project Data</source>
        <translation>Projectgegevens</translation>
    </message>
    <message>
        <source>Connector Schedule</source>
        <translation>Stuklijst</translation>
    </message>
    <message>
        <source>Display Connector Schedule</source>
        <translation>Stuklijst weergeven</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opties</translation>
    </message>
    <message>
        <source>Calculation</source>
        <translation>Berekening</translation>
    </message>
    <message>
        <source>Screen Colours</source>
        <translation>Schermkleuren</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Inhoud</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Zoeken</translation>
    </message>
    <message>
        <source>About Help</source>
        <translation>Werken met Help</translation>
    </message>
    <message>
        <source>About Varnel Shear Connectors</source>
        <translation>Over Varnel-dwarskrachtdeuvels</translation>
    </message>
    <message>
        <source>Varnel Shear Connectors Manual</source>
        <translation>Handleiding Varnel-dwarskrachtdeuvels</translation>
    </message>
    <message>
        <source>End program</source>
        <translation>Programma afsluiten</translation>
    </message>
    <message>
        <source>System Input</source>
        <translation>Systeeminvoer</translation>
    </message>
    <message>
        <source>Add to Connector Schedule</source>
        <translation>Aan stuklijst toevoegen</translation>
    </message>
</context>
<context>
    <name>trv::TEingabepanel</name>
    <message>
        <source>Application case</source>
        <translation>Toepassing</translation>
    </message>
    <message>
        <source>Single Shear Connector</source>
        <translation>Enkele dwarskrachtdeuvel</translation>
    </message>
    <message>
        <source>Calculation of a single double shear connector in a beam</source>
        <translation>Berekening van een enkele dwarskrachtdeuvel in een balk</translation>
    </message>
    <message>
        <source>Row of connectors in a slab</source>
        <translation>Deuvelrij in een plaat</translation>
    </message>
    <message>
        <source>Calculation for a row type of arrangement of connectors in a slab</source>
        <translation>Berekening van een rij deuvels in een plaat</translation>
    </message>
    <message>
        <source>Row of connectors in wall</source>
        <translation>Deuvelrij in een wand</translation>
    </message>
    <message>
        <source>Calculation for a row type of connector arrangement in a wall</source>
        <translation>Berekening van een rij deuvels in een wand</translation>
    </message>
    <message>
        <source>Determination of reinforcement</source>
        <translation>Bepaling van de wapening</translation>
    </message>
    <message>
        <source>&amp;Single load</source>
        <translation>&amp;Puntlast</translation>
    </message>
    <message>
        <source>con&amp;stant</source>
        <translation>&amp;Constant</translation>
    </message>
    <message>
        <source>Uniform distributed load</source>
        <translation>Gelijkmatig verdeelde belasting</translation>
    </message>
    <message>
        <source>input an uniform distributed load onto the building component to be connected</source>
        <translation>een gelijkmatig verdeelde belasting op het aan te sluiten bouwdeel invoeren</translation>
    </message>
    <message>
        <source>&amp;Uniformly</source>
        <translation>&amp;Lineair</translation>
    </message>
    <message>
        <source>Increasing distributed load</source>
        <translation>Lineair toenemende belasting</translation>
    </message>
    <message>
        <source>input an increasing distributed load onto the building component to be connected</source>
        <translation>een lineair toenemende belasting op het aan te sluiten bouwdeel invoeren</translation>
    </message>
    <message>
        <source>&amp;Arbitrary</source>
        <translation>&amp;Willekeurig</translation>
    </message>
    <message>
        <source>Varying distributed load</source>
        <translation>Willekeurig verdeelde belasting</translation>
    </message>
    <message>
        <source>Entry of a varying distributed load on the building component to be connected</source>
        <translation>Invoer van een willekeurig verdeelde belasting op het aan te sluiten bouwdeel</translation>
    </message>
    <message>
        <source>Point Load</source>
        <translation>Puntlast</translation>
    </message>
    <message>
        <source>Distributed Load</source>
        <translation>Verdeelde belasting</translation>
    </message>
    <message>
        <source>Dead load</source>
        <translation>Eigen gewicht</translation>
    </message>
    <message>
        <source>Partial safety factor</source>
        <translation>Belastingsfactor</translation>
    </message>
    <message>
        <source>Imposed load</source>
        <translation>Veranderlijke belasting</translation>
    </message>
    <message>
        <source>Add. design load</source>
        <translation>Extra rekenbelasting</translation>
    </message>
    <message>
        <source>[kN]</source>
        <translation>[kN]</translation>
    </message>
    <message>
        <source>left</source>
        <translation>links</translation>
    </message>
    <message>
        <source>right</source>
        <translation>rechts</translation>
    </message>
    <message>
        <source>Total design load</source>
        <translation>Totale rekenbelasting</translation>
    </message>
    <message>
        <source>[kN/m]</source>
        <translation>[kN/m]</translation>
    </message>
    <message>
        <source>Concrete quality</source>
        <translation>Betonsterkteklasse</translation>
    </message>
    <message>
        <source>Maximum joint width</source>
        <translation>Maximale voegbreedte</translation>
    </message>
    <message>
        <source>Eff. structural height</source>
        <translation>Nuttige hoogte</translation>
    </message>
    <message>
        <source>Joint length</source>
        <translation>Voeglengte</translation>
    </message>
    <message>
        <source>Concrete cover above</source>
        <translation>Betondekking boven</translation>
    </message>
    <message>
        <source>Concrete cover below</source>
        <translation>Betondekking onder</translation>
    </message>
    <message>
        <source>Concrete cover to front</source>
        <translation>Betondekking voorzijde</translation>
    </message>
    <message>
        <source>Slab thickness</source>
        <translation>Plaatdikte</translation>
    </message>
    <message>
        <source>Wall thickness</source>
        <translation>Wanddikte</translation>
    </message>
    <message>
        <source>Edge distance left</source>
        <translation>Randafstand links</translation>
    </message>
    <message>
        <source>Edge distance right</source>
        <translation>Randafstand rechts</translation>
    </message>
    <message>
        <source>[mm]</source>
        <translation>[mm]</translation>
    </message>
</context>
<context>
    <name>trv::TErgebnisliste</name>
    <message>
        <source>Connector</source>
        <translation>Deuvel</translation>
    </message>
    <message>
        <source>Asx</source>
        <translation>Asx</translation>
    </message>
    <message>
        <source>Asy</source>
        <translation>Asy</translation>
    </message>
    <message>
        <source>Vsd/VRd</source>
        <translation>Vsd/VRd</translation>
    </message>
    <message>
        <source>nD</source>
        <translation>nD</translation>
    </message>
    <message>
        <source>Remarks</source>
        <translation>Opmerkingen</translation>
    </message>
    <message>
        <source>Overview of the calculation</source>
        <translation>Overzicht van de berekening</translation>
    </message>
    <message>
        <source>Overview of the calculation results</source>
        <translation>Overzicht van de rekenresultaten</translation>
    </message>
    <message>
        <source>FRd</source>
        <translation>FRd</translation>
    </message>
</context>
<context>
    <name>trv::THilfeKnopf</name>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Help on this window</source>
        <translation>Help bij dit venster</translation>
    </message>
</context>
<context>
    <name>trv::THilfefenster</name>
    <message>
        <source>Varnel - TRV / ZEDE Shear Connectors - Help</source>
        <translation>Varnel - TRV / ZEDE dwarskrachtdeuvels - Help</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhoud</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>In&amp;dex</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Zoeken</translation>
    </message>
    <message>
        <source>&amp;Look for:</source>
        <translation>Zoeken &amp;naar:</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Terug</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Vooruit</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Inhoud</translation>
    </message>
    <message>
        <source>Using the help</source>
        <translation>De help gebruiken</translation>
    </message>
</context>
<context>
    <name>trv::TStuecklistenExportDialog</name>
    <message>
        <source>Varnel - TRV / ZEDE Shear Connector - Export Connector Schedule</source>
        <translation>Varnel - TRV / ZEDE dwarskrachtdeuvels - Stuklijst exporteren</translation>
    </message>
    <message>
        <source>Export in Metafile Format (*.svg)</source>
        <translation>Exporteren in vectorformaat (*.svg)</translation>
    </message>
    <message>
        <source>Export in Bitmap Format (*.bmp)</source>
        <translation>Exporteren in bitmapformaat (*.bmp)</translation>
    </message>
    <message>
        <source>Export in JPeg Format (*.jpg)</source>
        <translation>Exporteren in JPEG-formaat (*.jpg)</translation>
    </message>
    <message>
        <source>Export in Text Format (*.txt)</source>
        <translation>Exporteren in tekstformaat (*.txt)</translation>
    </message>
</context>
<context>
    <name>trv::TfrmAbout</name>
    <message>
        <source>This program is an aid to the design of TRV and ZEDE shear connectors. It does not replace the judgement of a qualified structural engineer. The results must be checked by the engineer responsible for the structure before they are used, and the responsibility for the design remains with that engineer.

Check all input data. The results are valid only for the connectors, materials and boundary conditions described in the program and in the manual, and only for the data entered; the maker accepts no liability for results obtained with wrong or incomplete input, for the use of other products, or for damage arising from the use of the program, except where the law provides otherwise.

The program has been tested with care on the operating systems named in the manual. Faults caused by other system software, printers or other programs cannot be excluded. Please report any fault you find to the maker.</source>
        <translation>Dit programma is een hulpmiddel bij het ontwerp van TRV- en ZEDE-dwarskrachtdeuvels. Het vervangt niet het oordeel van een deskundige constructeur. De resultaten moeten vóór gebruik worden gecontroleerd door de constructeur die verantwoordelijk is voor het bouwwerk; de verantwoordelijkheid voor het ontwerp blijft bij deze constructeur.

Controleer alle invoergegevens. De resultaten gelden alleen voor de deuvels, materialen en randvoorwaarden die in het programma en in de handleiding zijn beschreven, en alleen voor de ingevoerde gegevens; de maker aanvaardt geen aansprakelijkheid voor resultaten die met onjuiste of onvolledige invoer zijn verkregen, voor het gebruik van andere producten of voor schade die voortvloeit uit het gebruik van het programma, behalve voor zover de wet anders bepaalt.

Het programma is zorgvuldig getest op de besturingssystemen die in de handleiding worden genoemd. Storingen door andere systeemsoftware, printers of andere programma&apos;s kunnen niet worden uitgesloten. Meld gevonden fouten a.u.b. aan de maker.</translation>
    </message>
    <message>
        <source>About Varnel - TRV / ZEDE Shear Connectors</source>
        <translation>Over Varnel - TRV / ZEDE dwarskrachtdeuvels</translation>
    </message>
    <message>
        <source>Varnel - TRV / ZEDE Shear Connectors</source>
        <translation>Varnel - TRV / ZEDE dwarskrachtdeuvels</translation>
    </message>
    <message>
        <source>This program will enable the calculation of TRV and ZEDE shear connectors supporting higher transverse loads</source>
        <translation>Met dit programma kunt u TRV- en ZEDE-dwarskrachtdeuvels voor grotere dwarskrachten berekenen</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Versie:</translation>
    </message>
    <message>
        <source>TRV - %1</source>
        <translation>TRV - %1</translation>
    </message>
    <message>
        <source>Created on:</source>
        <translation>Gemaakt op:</translation>
    </message>
    <message>
        <source>10.06.2009</source>
        <translation>10.06.2009</translation>
    </message>
    <message>
        <source>Disclaimer</source>
        <translation>Disclaimer</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Terug</translation>
    </message>
</context>
<context>
    <name>trv::TfrmBemessung</name>
    <message>
        <source>Settings for Calculation</source>
        <translation>Instellingen voor de berekening</translation>
    </message>
    <message>
        <source>Max. Spacing of Dowels</source>
        <translation>Max. deuvelafstand</translation>
    </message>
    <message>
        <source>partial safety factor for steel</source>
        <translation>materiaalfactor staal</translation>
    </message>
    <message>
        <source>reinforcement yield strength</source>
        <translation>vloeigrens wapeningsstaal</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Undertake entry and close window</source>
        <translation>Invoer overnemen en venster sluiten</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuleren</translation>
    </message>
    <message>
        <source>Discard entry and close window</source>
        <translation>Invoer verwerpen en venster sluiten</translation>
    </message>
</context>
<context>
    <name>trv::TfrmBewehrung</name>
    <message>
        <source>Reinforcement</source>
        <translation>Wapening</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Aantal</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Diameter</translation>
    </message>
    <message>
        <source>Top and Bottom Reinforcement</source>
        <translation>Wapening boven en onder</translation>
    </message>
    <message>
        <source>Vertical Reinforcement</source>
        <translation>Verticale wapening</translation>
    </message>
    <message>
        <source>Number of Top and Bottom Reinforcement bars</source>
        <translation>Aantal staven van de wapening boven en onder</translation>
    </message>
    <message>
        <source>Change number of Top and Bottom Reinforcement bars</source>
        <translation>Aantal staven van de wapening boven en onder wijzigen</translation>
    </message>
    <message>
        <source>Diameter of Top and Bottom Reinforcement bars</source>
        <translation>Diameter van de staven van de wapening boven en onder</translation>
    </message>
    <message>
        <source>Change diameter of Top and Bottom Reinforcement bars</source>
        <translation>Diameter van de staven van de wapening boven en onder wijzigen</translation>
    </message>
    <message>
        <source>Number Vertical Reinforcement bars</source>
        <translation>Aantal staven van de verticale wapening</translation>
    </message>
    <message>
        <source>Change number Vertical Reinforcement bars</source>
        <translation>Aantal staven van de verticale wapening wijzigen</translation>
    </message>
    <message>
        <source>Diameter of Vertical Reinforcement bars</source>
        <translation>Diameter van de staven van de verticale wapening</translation>
    </message>
    <message>
        <source>Change diameter Vertical Reinforcement bars</source>
        <translation>Diameter van de staven van de verticale wapening wijzigen</translation>
    </message>
    <message>
        <source>Connector of the TRV series</source>
        <translation>Deuvel uit de TRV-serie</translation>
    </message>
    <message>
        <source>Connector of the ZEDE series</source>
        <translation>Deuvel uit de ZEDE-serie</translation>
    </message>
    <message>
        <source>Intermediate result for reinforcement </source>
        <translation>Tussenresultaat wapening </translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Undertake entry and close window</source>
        <translation>Invoer overnemen en venster sluiten</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuleren</translation>
    </message>
    <message>
        <source>Discard entry and close window</source>
        <translation>Invoer verwerpen en venster sluiten</translation>
    </message>
    <message>
        <source>Reinforcement to current connector: </source>
        <translation>Wapening bij huidige deuvel: </translation>
    </message>
</context>
<context>
    <name>trv::TfrmFarbeinstellung</name>
    <message>
        <source>TRV - colour representation</source>
        <translation>TRV - kleurweergave</translation>
    </message>
    <message>
        <source>Sketch</source>
        <translation>Schets</translation>
    </message>
    <message>
        <source>Concrete</source>
        <translation>Beton</translation>
    </message>
    <message>
        <source>Reinforcement</source>
        <translation>Wapening</translation>
    </message>
    <message>
        <source>Shear connector</source>
        <translation>Dwarskrachtdeuvel</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Achtergrond</translation>
    </message>
    <message>
        <source>Colour of the sketch background</source>
        <translation>Kleur van de achtergrond van de schets</translation>
    </message>
    <message>
        <source>Dimensioning</source>
        <translation>Maatvoering</translation>
    </message>
    <message>
        <source>Colour representation of the dimensioning (Lines + Text)</source>
        <translation>Kleur van de maatvoering (lijnen + tekst)</translation>
    </message>
    <message>
        <source>Border</source>
        <translation>Omtrek</translation>
    </message>
    <message>
        <source>Colour of the concrete border</source>
        <translation>Kleur van de omtrek van het beton</translation>
    </message>
    <message>
        <source>Surface</source>
        <translation>Vlak</translation>
    </message>
    <message>
        <source>Colour of the concrete surfaces</source>
        <translation>Kleur van de betonvlakken</translation>
    </message>
    <message>
        <source>Fire protection</source>
        <translation>Brandwering</translation>
    </message>
    <message>
        <source>Colour of the fire protection sleeve</source>
        <translation>Kleur van de brandwerende huls</translation>
    </message>
    <message>
        <source>Position B</source>
        <translation>Positie B</translation>
    </message>
    <message>
        <source>Colour of the horizontal reinforcement (Pos B)</source>
        <translation>Kleur van de horizontale wapening (pos. B)</translation>
    </message>
    <message>
        <source>Position D</source>
        <translation>Positie D</translation>
    </message>
    <message>
        <source>Colour representation of the suspended reinforcement (pos D)</source>
        <translation>Kleur van de ophangwapening (pos. D)</translation>
    </message>
    <message>
        <source>Colour of the shear connector border</source>
        <translation>Kleur van de omtrek van de dwarskrachtdeuvel</translation>
    </message>
    <message>
        <source>Colour of the shear connector surface</source>
        <translation>Kleur van het vlak van de dwarskrachtdeuvel</translation>
    </message>
    <message>
        <source>&amp;Standard</source>
        <translation>&amp;Standaard</translation>
    </message>
    <message>
        <source>Set back colour to standard value</source>
        <translation>Kleuren terugzetten naar de standaardwaarden</translation>
    </message>
    <message>
        <source>&amp;Grey scales</source>
        <translation>&amp;Grijstinten</translation>
    </message>
    <message>
        <source>Adjust colour representation to grey scale</source>
        <translation>Kleurweergave omzetten naar grijstinten</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Leave entry mask and undertake entry!</source>
        <translation>Venster sluiten en invoer overnemen!</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuleren</translation>
    </message>
    <message>
        <source>Leave entry mask and discard entry!</source>
        <translation>Venster sluiten en invoer verwerpen!</translation>
    </message>
</context>
<context>
    <name>trv::TfrmHauptMaske</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Bestand</translation>
    </message>
    <message>
        <source>&amp;Project</source>
        <translation>&amp;Project</translation>
    </message>
    <message>
        <source>&amp;Input</source>
        <translation>&amp;Invoer</translation>
    </message>
    <message>
        <source>&amp;Connector Schedule</source>
        <translation>&amp;Stuklijst</translation>
    </message>
    <message>
        <source>&amp;Results</source>
        <translation>&amp;Resultaten</translation>
    </message>
    <message>
        <source>&amp;Export Results</source>
        <translation>Resultaten &amp;exporteren</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opties</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Main tool bar</source>
        <translation>Hoofdwerkbalk</translation>
    </message>
    <message>
        <source>Sketches</source>
        <translation>Schetsen</translation>
    </message>
    <message>
        <source>lfd Nr.:</source>
        <translation>Volgnr.:</translation>
    </message>
    <message>
        <source>Current position</source>
        <translation>Huidige positie</translation>
    </message>
    <message>
        <source>current position</source>
        <translation>huidige positie</translation>
    </message>
    <message>
        <source>number of the position shown</source>
        <translation>nummer van de getoonde positie</translation>
    </message>
    <message>
        <source>Pro&amp;ject:</source>
        <translation>Pro&amp;ject:</translation>
    </message>
    <message>
        <source>Project</source>
        <translation>Project</translation>
    </message>
    <message>
        <source>name of the project</source>
        <translation>naam van het project</translation>
    </message>
    <message>
        <source>Posi&amp;tion:</source>
        <translation>Posi&amp;tie:</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Positie</translation>
    </message>
    <message>
        <source>description of the current position</source>
        <translation>omschrijving van de huidige positie</translation>
    </message>
    <message>
        <source>Retur&amp;n to entry</source>
        <translation>Terug naar in&amp;voer</translation>
    </message>
    <message>
        <source>To C&amp;lipboard</source>
        <translation>Naar k&amp;lembord</translation>
    </message>
    <message>
        <source>Calculation Pre&amp;view</source>
        <translation>Voorbeeld re&amp;kenblad</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>E&amp;xporteren</translation>
    </message>
    <message>
        <source>Ca&amp;lculation</source>
        <translation>Bereke&amp;ning</translation>
    </message>
    <message>
        <source>Hints</source>
        <translation>Aanwijzingen</translation>
    </message>
    <message>
        <source>Sketch</source>
        <translation>Schets</translation>
    </message>
    <message>
        <source>sketch</source>
        <translation>schets</translation>
    </message>
    <message>
        <source>click the sketch to copy, save or enlarge it</source>
        <translation>klik op de schets om deze te kopiëren, op te slaan of te vergroten</translation>
    </message>
    <message>
        <source>Result sheet</source>
        <translation>Rekenblad</translation>
    </message>
    <message>
        <source>Input tree</source>
        <translation>Invoerboom</translation>
    </message>
    <message>
        <source>Cannot open file!</source>
        <translation>Kan het bestand niet openen!</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(geen)</translation>
    </message>
    <message>
        <source>&amp;Clear List</source>
        <translation>Lijst &amp;wissen</translation>
    </message>
    <message>
        <source>The project %1 does not exist any more. It is taken off the list.</source>
        <translation>Het project %1 bestaat niet meer. Het wordt uit de lijst verwijderd.</translation>
    </message>
    <message>
        <source>&amp;Recent Projects</source>
        <translation>&amp;Recente projecten</translation>
    </message>
    <message>
        <source>The settings file %1 cannot be used: %2.
The program works with the default settings and keeps no changes of them.</source>
        <translation>Het instellingenbestand %1 kan niet worden gebruikt: %2.
Het programma werkt met de standaardinstellingen en bewaart geen wijzigingen daarvan.</translation>
    </message>
</context>
<context>
    <name>trv::TfrmProjektdaten</name>
    <message>
        <source>Project Data</source>
        <translation>Projectgegevens</translation>
    </message>
    <message>
        <source>Project:</source>
        <translation>Project:</translation>
    </message>
    <message>
        <source>Company</source>
        <translation>Bedrijf</translation>
    </message>
    <message>
        <source>Designer:</source>
        <translation>Opgesteld door:</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Datum:</translation>
    </message>
    <message>
        <source>&amp;Today</source>
        <translation>&amp;Vandaag</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuleren</translation>
    </message>
</context>
<context>
    <name>trv::TfrmProjektverwaltung</name>
    <message>
        <source>Varnel - Project Administration</source>
        <translation>Varnel - Projectbeheer</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Mappen</translation>
    </message>
    <message>
        <source>Project files</source>
        <translation>Projectbestanden</translation>
    </message>
    <message>
        <source>Positions</source>
        <translation>Posities</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Prog</source>
        <translation>Prog</translation>
    </message>
    <message>
        <source>Project</source>
        <translation>Project</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Positie</translation>
    </message>
    <message>
        <source>Connection Type</source>
        <translation>Verbindingstype</translation>
    </message>
    <message>
        <source>Length of Joint</source>
        <translation>Voeglengte</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Choose the folder of the project files</source>
        <translation>Kies de map met de projectbestanden</translation>
    </message>
    <message>
        <source>Choose a project file to list its positions</source>
        <translation>Kies een projectbestand om de posities ervan weer te geven</translation>
    </message>
    <message>
        <source>Positions of the selected project file; a double click takes one over</source>
        <translation>Posities van het gekozen projectbestand; dubbelklik om een positie over te nemen</translation>
    </message>
    <message>
        <source>Position &amp;Undertake</source>
        <translation>&amp;Positie overnemen</translation>
    </message>
    <message>
        <source>Take the selected position over into the current project</source>
        <translation>De gekozen positie in het huidige project overnemen</translation>
    </message>
    <message>
        <source>&amp;Open Project</source>
        <translation>Project &amp;openen</translation>
    </message>
    <message>
        <source>Open the selected file as the project</source>
        <translation>Het gekozen bestand als project openen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Close the window without action</source>
        <translation>Venster sluiten zonder actie</translation>
    </message>
    <message>
        <source>No: </source>
        <translation>Nr.: </translation>
    </message>
    <message>
        <source>The name of this file holds bytes that are no text; they are shown as �.</source>
        <translation>De naam van dit bestand bevat bytes die geen tekst zijn; ze worden getoond als �.</translation>
    </message>
</context>
<context>
    <name>trv::TfrmSplash</name>
    <message>
        <source>Varnel - TRV / ZEDE Shear Connectors</source>
        <translation>Varnel - TRV / ZEDE dwarskrachtdeuvels</translation>
    </message>
    <message>
        <source>&amp;Start Program</source>
        <translation>Programma &amp;starten</translation>
    </message>
    <message>
        <source>Show the program in German</source>
        <translation>Het programma in het Duits tonen</translation>
    </message>
    <message>
        <source>Show the program in English</source>
        <translation>Het programma in het Engels tonen</translation>
    </message>
    <message>
        <source>Show the program in French</source>
        <translation>Het programma in het Frans tonen</translation>
    </message>
    <message>
        <source>Show the program in Italian</source>
        <translation>Het programma in het Italiaans tonen</translation>
    </message>
    <message>
        <source>Show the program in Dutch</source>
        <translation>Het programma in het Nederlands tonen</translation>
    </message>
    <message>
        <source>Show the program in Spanish</source>
        <translation>Het programma in het Spaans tonen</translation>
    </message>
    <message>
        <source>Shear Connectors</source>
        <translation>Dwarskrachtdeuvels</translation>
    </message>
</context>
<context>
    <name>trv::TfrmStueckliste</name>
    <message>
        <source>Varnel - TRV / ZEDE Shear Connectors - Connector Schedule</source>
        <translation>Varnel - TRV / ZEDE dwarskrachtdeuvels - Stuklijst</translation>
    </message>
    <message>
        <source>Number of similar positions</source>
        <translation>Aantal gelijke posities</translation>
    </message>
    <message>
        <source>Current Choice</source>
        <translation>Huidige keuze</translation>
    </message>
    <message>
        <source>Supplementary information to the connector schedule</source>
        <translation>Aanvullende informatie bij de stuklijst</translation>
    </message>
    <message>
        <source>Connector Schedule</source>
        <translation>Stuklijst</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Voorbeeld</translation>
    </message>
    <message>
        <source>Position &amp;Delete</source>
        <translation>Positie ver&amp;wijderen</translation>
    </message>
    <message>
        <source>&amp;Preview</source>
        <translation>&amp;Voorbeeld</translation>
    </message>
    <message>
        <source>&amp;List</source>
        <translation>&amp;Lijst</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>&amp;Exporteren</translation>
    </message>
    <message>
        <source>&amp;Clipboard</source>
        <translation>&amp;Klembord</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Afdrukken</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Terug</translation>
    </message>
    <message>
        <source>When exporting a long connector schedule as graphic it has to be taken</source>
        <translation>Bij het exporteren van een lange stuklijst als afbeelding moet u er rekening mee houden</translation>
    </message>
    <message>
        <source>into account that there are no page breaks beforehand in the graphic.</source>
        <translation>dat de afbeelding geen pagina-einden bevat.</translation>
    </message>
    <message>
        <source>With long connector schedules you can divide the connector schedule</source>
        <translation>Een lange stuklijst kunt u over twee of meer exportbestanden verdelen</translation>
    </message>
    <message>
        <source>into two or more export files through deactivating of single positions.</source>
        <translation>door afzonderlijke posities te deactiveren.</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Actief</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Positie</translation>
    </message>
    <message>
        <source>The preview could not be drawn: %1</source>
        <translation>Het voorbeeld kon niet worden getekend: %1</translation>
    </message>
    <message>
        <source>The connector schedule could not be printed: %1</source>
        <translation>De stuklijst kon niet worden afgedrukt: %1</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 bestaat al.
Wilt u het bestand vervangen?</translation>
    </message>
</context>
<context>
    <name>trv::TfrmZoom</name>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Enlarged sketch</source>
        <translation>Vergrote schets</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopiëren</translation>
    </message>
    <message>
        <source>Copy printout of results to clipboard</source>
        <translation>De weergave naar het klembord kopiëren</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>&amp;Exporteren</translation>
    </message>
    <message>
        <source>Export printout of results in file</source>
        <translation>De weergave in een bestand exporteren</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Sluiten</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>Venster sluiten</translation>
    </message>
    <message>
        <source>Sketch to &amp;Clipborad</source>
        <translation>Schets naar &amp;klembord</translation>
    </message>
    <message>
        <source>Save sketch in file</source>
        <translation>Schets in bestand opslaan</translation>
    </message>
    <message>
        <source>&amp;Close window</source>
        <translation>Venster &amp;sluiten</translation>
    </message>
</context>
<context>
    <name>trv::TfrmbeliebigeLast</name>
    <message>
        <source>(x) [kN/m]</source>
        <translation>(x) [kN/m]</translation>
    </message>
    <message>
        <source>Entry of arbitrary transverse force distribution</source>
        <translation>Invoer van een willekeurig dwarskrachtverloop</translation>
    </message>
    <message>
        <source>x =</source>
        <translation>x =</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>q&lt;sub&gt;Ed&lt;/sub&gt;(x) =</source>
        <translation>q&lt;sub&gt;Ed&lt;/sub&gt;(x) =</translation>
    </message>
    <message>
        <source>kN/m</source>
        <translation>kN/m</translation>
    </message>
    <message>
        <source>x</source>
        <translation>x</translation>
    </message>
    <message>
        <source>Coordinates for entered load measured form the left</source>
        <translation>Coördinaat van de ingevoerde belasting, gemeten vanaf links</translation>
    </message>
    <message>
        <source>Load value</source>
        <translation>Belastingswaarde</translation>
    </message>
    <message>
        <source>Value of loading at the position of the coordinate x</source>
        <translation>Waarde van de belasting ter plaatse van coördinaat x</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Toevoegen</translation>
    </message>
    <message>
        <source>Place pair of values</source>
        <translation>Waardepaar toevoegen</translation>
    </message>
    <message>
        <source>Pair of values (x,q) add to list</source>
        <translation>Waardepaar (x,q) aan de lijst toevoegen</translation>
    </message>
    <message>
        <source>C&amp;hange</source>
        <translation>&amp;Wijzigen</translation>
    </message>
    <message>
        <source>Transfer changes in the list</source>
        <translation>Wijzigingen in de lijst overnemen</translation>
    </message>
    <message>
        <source>Transfer changes in the pairs of values (x,q) in the list</source>
        <translation>Wijzigingen van het waardepaar (x,q) in de lijst overnemen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Verwijderen</translation>
    </message>
    <message>
        <source>delete current pair of values</source>
        <translation>huidig waardepaar verwijderen</translation>
    </message>
    <message>
        <source>delete current pair of values (x,q) from the list</source>
        <translation>huidig waardepaar (x,q) uit de lijst verwijderen</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Undertake entry and close window</source>
        <translation>Invoer overnemen en venster sluiten</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuleren</translation>
    </message>
    <message>
        <source>Discard entry and close window</source>
        <translation>Invoer verwerpen en venster sluiten</translation>
    </message>
    <message>
        <source>x [mm]</source>
        <translation>x [mm]</translation>
    </message>
    <message>
        <source>q Ed(x) [kN/m]</source>
        <translation>q Ed(x) [kN/m]</translation>
    </message>
    <message>
        <source>A value for the entered coordinate already exists!<byte value="xd"/>
<byte value="xd"/>
 Should this be overwritten?</source>
        <translation>Voor de ingevoerde coördinaat bestaat al een waarde!<byte value="xd"/>
<byte value="xd"/>
 Moet deze worden overschreven?</translation>
    </message>
</context>
<context>
    <name>trv::dxf::TDXF_Anzeige_Form</name>
    <message>
        <source>DXF display form</source>
        <translation>DXF-weergave</translation>
    </message>
    <message>
        <source>&amp;Save as DXF</source>
        <translation>Opslaan als &amp;DXF</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Terug</translation>
    </message>
    <message>
        <source>Varnel - TRV / ZEDE Shear Connectors - DXF-Export</source>
        <translation>Varnel - TRV / ZEDE dwarskrachtdeuvels - DXF-export</translation>
    </message>
    <message>
        <source>DXF databases (*.dxf)</source>
        <translation>DXF-bestanden (*.dxf)</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 bestaat al.
Wilt u het bestand vervangen?</translation>
    </message>
    <message>
        <source>The DXF file could not be written:
%1
(%2)</source>
        <translation>Het DXF-bestand kon niet worden geschreven:
%1
(%2)</translation>
    </message>
    <message>
        <source>the drawing holds a value that a DXF file cannot take</source>
        <translation>de tekening bevat een waarde die een DXF-bestand niet kan opnemen</translation>
    </message>
    <message>
        <source>no permission to write in this folder</source>
        <translation>geen schrijfrechten in deze map</translation>
    </message>
    <message>
        <source>the folder does not exist</source>
        <translation>de map bestaat niet</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>de gegevensdrager is vol</translation>
    </message>
    <message>
        <source>the disk is write-protected</source>
        <translation>de gegevensdrager is tegen schrijven beveiligd</translation>
    </message>
    <message>
        <source>a folder of that name exists</source>
        <translation>er bestaat een map met deze naam</translation>
    </message>
    <message>
        <source>a device or another special file of that name exists</source>
        <translation>er bestaat een apparaat of een ander speciaal bestand met deze naam</translation>
    </message>
    <message>
        <source>the file name is too long</source>
        <translation>de bestandsnaam is te lang</translation>
    </message>
    <message>
        <source>system error %1</source>
        <translation>systeemfout %1</translation>
    </message>
</context>
<context>
    <name>trv::dxf::Zoom_panel</name>
    <message>
        <source>Zoom out</source>
        <translation>Uitzoomen</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Inzoomen</translation>
    </message>
    <message>
        <source>Previous view</source>
        <translation>Vorige weergave</translation>
    </message>
    <message>
        <source>Whole drawing</source>
        <translation>Hele tekening</translation>
    </message>
    <message>
        <source>Horizontal position</source>
        <translation>Horizontale positie</translation>
    </message>
    <message>
        <source>Vertical position</source>
        <translation>Verticale positie</translation>
    </message>
    <message>
        <source>Drawing</source>
        <translation>Tekening</translation>
    </message>
    <message>
        <source>Drag a rectangle to zoom into it, double-click to centre the view; + and - zoom, the arrow keys scroll</source>
        <translation>Sleep een rechthoek om daarop in te zoomen, dubbelklik om de weergave te centreren; + en - zoomen, de pijltoetsen verschuiven de weergave</translation>
    </message>
    <message>
        <source>Mouse position</source>
        <translation>Muispositie</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>Schaal</translation>
    </message>
</context>
</TS>
