<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>Ausgabe</name>
    <message>
        <source>the picture could not be encoded as %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the SVG picture could not be started</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the PDF file was not written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no file named for the PDF document</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the printer could not be started</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the printer could not finish the document</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no position is calculated and the connector schedule is empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>there is no such position in the project</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the position is not calculated: the result sheet needs its results</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the result sheet is written as .pdf, .png or .svg</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the connector schedule is written as .txt or .pdf</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a sketch is written as .png or .svg</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the position is not calculated: the result sketches need its results</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the picture could not be made</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Bildexport</name>
    <message>
        <source>Varnel - TRV / ZEDE Shear Connectors - Export results</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>export in SVG vector format (*.svg)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export in Bitmap Format (*.bmp)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export in JPeg Format (*.jpg)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export as PDF document (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The picture could not be saved as
%1:
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>there is no picture to export</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Blattbeilage</name>
    <message>
        <source>shear connector</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Result sheet of position %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Result sheets of the project and connector schedule</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CadBlockExport</name>
    <message>
        <source>DXF databases (*.dxf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DWG database (*.dwg)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The connector blocks are supplied as DXF files only: DWG files cannot be written by this program.

Save the blocks as DXF files instead? Every CAD program reads DXF.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot open file!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 could not be copied to %2:
%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file - </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> - was not found.The required file can only be installed from the CD version!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Druckbefehle</name>
    <message>
        <source>no file was named for the PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The result sheet could not be printed:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is nothing to print: no position is calculated and the connector schedule is empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These positions are not calculated and are not printed: %1.

Print the other positions and the connector schedule?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The project could not be printed:
%1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Druckbilder</name>
    <message>
        <source>shear connectors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>n = number of data entries</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Druckerwahl</name>
    <message>
        <source>Print to PDF file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Hilfe</name>
    <message>
        <source>The help file %1 was not found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The help file %1 cannot be read.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Projektbefehle</name>
    <message>
        <source>Varnel - TRV / ZEDE Shear Connectors</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Projektzustand</name>
    <message>
        <source>%1 (the file name holds bytes that are no text: �)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Ressource</name>
    <message>
        <source>Unnamed</source>
        <comment>Unbenannt</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is only a position in the existing project.<byte value="xd"/>
<byte value="xd"/>
The last position cannot be removed!</source>
        <comment>LetztePositionLoeschen</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fatal error in calculating process! The result of the calculation is invalid!
<byte value="xd"/>Try the calculation with new input data and refer to the programme producer.</source>
        <comment>Rechenfehler</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The thickness of the concrete slab is less than the minimum thickness of concrete for the smallest shear connector!</source>
        <comment>PlausiDickeMin</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The thickness of the concrete slab to be connected is less than the structural effective height!</source>
        <comment>PlausiNutzhoehe</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Structural effective height is &lt; 10mm. Please check!</source>
        <comment>PlausiNutzhoeheKlein</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Concrete cover above is &lt;10mm. Please check</source>
        <comment>PlausiDeckungOben</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Concrete cover below is &lt;10mm.Please check</source>
        <comment>PlausiDeckungUnten</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sum of the concrete cover is greater than the thickness of the concrete slab to be connected!</source>
        <comment>PlausiDeckungSumme</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The wall thickness is less than the minimum required thickness of concrete for the smallest shear connector!</source>
        <comment>PlausiWandDicke</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Single shear connector loaded with point load\Row of shear connectors - connection slab to slab\Row of shear connectors - connection slab to wall\</source>
        <comment>AnwendungsfallLang</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Single shear connector\Connector row, slab to slab\Connector row, slab to wall\</source>
        <comment>AnwendungsfallKurz</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK\d &lt; d min\Vsd &gt; VRd\e &lt; min e\c &lt; min c\e &lt; suit e\f &gt; permissible\e &lt; reqd e\c &lt; reqd c\dw &lt; reqd dw\</source>
        <comment>StatusKurz</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculation ok\Concrete thickness too small\Load too great\Connector spacing is below minimum value\Connector edge distance is below minimum value\Spacing too small to suit vertical reinforcement\Joint width out of range for this dowel\Connector spacing for standard reinforcement too small for approval\Edge spacing according to standard reinforcement too small for approval\The wall thickness is smaller than required for the selected connector\</source>
        <comment>StatusLang</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The maximum spacings of the dowels is larger than 5 * slab thickness. Please check dowel alignment!\Minimum spacing and edge distance are based on the thinnest slab for the actual connector load\</source>
        <comment>Hinweistexte</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>16 N/mm²\20 N/mm²\25 N/mm²\30 N/mm²\</source>
        <comment>Betonfestigkeiten</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C16/20\C20/25\C25/30\C30/37\</source>
        <comment>Betongueten</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0 mm\10 mm\20 mm\30 mm\40 mm\50 mm\60 mm\</source>
        <comment>FugenbreitenTexte</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Position                          \No. pos.\No. connectors\Designation                                           \Sum connectors\Status\Pos\Ceiling strength\efective structural height\Support type\</source>
        <comment>StuecklistenSpalten</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>reinf&apos;t based on max. FRd\reinf&apos;t based on act. FRd\</source>
        <comment>BewehrungsBasis</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unlimited\5 * Slab Thickness\</source>
        <comment>MaxAbstandOptionen</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculation with reinforcement according optimal connector use</source>
        <comment>BlattVerstaerkungOptimal</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculation with reinforcement according max. load capacity of dowel</source>
        <comment>BlattVerstaerkungMaximal</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sy,req</source>
        <comment>IndexSyErf</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sx,req</source>
        <comment>IndexSxErf</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>act</source>
        <comment>IndexIst</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sd,act</source>
        <comment>IndexSdIst</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sd,tot</source>
        <comment>IndexSdTot</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>with</source>
        <comment>BlattMit</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no. of dowels</source>
        <comment>BlattAnzahlDuebel</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selected</source>
        <comment>BlattGewaehlt</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Results</source>
        <comment>BlattErgebnisse</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input</source>
        <comment>BlattEingabe</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Concrete quality</source>
        <comment>BlattBetonguete</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slab thickness</source>
        <comment>BlattPlattenDicke</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wall thickness</source>
        <comment>BlattWandDicke</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Concrete cover above</source>
        <comment>BlattDeckungOben</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Concrete cover below</source>
        <comment>BlattDeckungUnten</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Concrete cover to front</source>
        <comment>BlattDeckungVorn</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max. joint width</source>
        <comment>BlattFugenbreite</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Joint length</source>
        <comment>BlattFugenlaenge</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Given edge distance</source>
        <comment>BlattRandabstand</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Single load to connector</source>
        <comment>BlattLastEinzel</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Linear load</source>
        <comment>BlattLastLinie</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Varying distributed load</source>
        <comment>BlattLastBeliebig</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dead load</source>
        <comment>BlattEigenlast</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Partial safety factor</source>
        <comment>BlattTeilsicherheit</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Imposed load</source>
        <comment>BlattVerkehrslast</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Additional design load</source>
        <comment>BlattZusatzlast</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total design load</source>
        <comment>BlattGesamtlast</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connector design load</source>
        <comment>BlattDuebellast</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>see next page</source>
        <comment>BlattNaechsteSeite</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Actual area of main reinf´t</source>
        <comment>BlattAsyIst</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Req´d area of main reinf´t</source>
        <comment>BlattAsyErf</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Actual area of secondary reinf´t</source>
        <comment>BlattAsxIst</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Req´d area of secondary reinf´t</source>
        <comment>BlattAsxErf</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Region of main reinf´t</source>
        <comment>BlattBereichY</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Region of secondary reinf´t</source>
        <comment>BlattBereichX</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Actual edge distance</source>
        <comment>BlattRandIst</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minimum edge distance</source>
        <comment>BlattRandMin</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Actual connector spacing</source>
        <comment>BlattAbstandIst</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minimum connector spacing</source>
        <comment>BlattAbstandMin</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connector design capacity</source>
        <comment>BlattTragfaehigkeit</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connector usage</source>
        <comment>BlattAusnutzung</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Design resistance concrete</source>
        <comment>BlattWiderstandBeton</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Concrete capacity usage</source>
        <comment>BlattAusnutzungBeton</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Design resistance steel</source>
        <comment>BlattWiderstandStahl</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Steel capacity usage</source>
        <comment>BlattAusnutzungStahl</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Design resistance reinforcement</source>
        <comment>BlattWiderstandBewehrung</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reinforcement capacity usage</source>
        <comment>BlattAusnutzungBewehrung</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculation for </source>
        <comment>BerechnungFuer</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Varnel - TRV / ZEDE Shear Connector</source>
        <comment>ProgrammTitel</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TRV - 1.0</source>
        <comment>ProgrammVersion</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date: </source>
        <comment>KopfDatum</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printed from: </source>
        <comment>KopfGedruckt</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Designer: </source>
        <comment>KopfBearbeiter</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Company: </source>
        <comment>KopfFirma</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Project:  </source>
        <comment>KopfProjekt</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Position: </source>
        <comment>KopfPosition</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The use of the connector is not possible for the following reasons:</source>
        <comment>KopfGruende</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switzerland\Varnel AG\Tel. +41 00 000 00 00\Fax +41 00 000 00 01\info@ch.varnel.example\</source>
        <comment>KontaktSpalte1</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Germany\Varnel GmbH\Tel. +49 000 0000 00\Fax +49 000 0000 01\info@de.varnel.example\</source>
        <comment>KontaktSpalte2</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Austria\Varnel Ges.m.b.H.\Tel. +43 0000 000 00\Fax +43 0000 000 01\info@at.varnel.example\</source>
        <comment>KontaktSpalte3</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>France\Varnel S.A.R.L.\Tel. +33 0 00 00 00 00\Fax +33 0 00 00 00 01\info@fr.varnel.example\</source>
        <comment>KontaktSpalte4</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>United Kingdom\Varnel Ltd.\Tel. +44 0000 000000\Fax +44 0000 000001\info@uk.varnel.example\</source>
        <comment>KontaktSpalte5</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Netherlands\Varnel B.V.\Tel. +31 00 000 00 00\Fax +31 00 000 00 01\info@nl.varnel.example\</source>
        <comment>KontaktSpalte6</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connector Schedule</source>
        <comment>StuecklisteTitel</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Active</source>
        <comment>StatusAktiv</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not active</source>
        <comment>StatusNichtAktiv</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the current position is already in the existing connector schedule.<byte value="xd"/>
<byte value="xd"/>
Should this be overwritten?</source>
        <comment>StuecklisteUeberschreiben</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the connector schedule could not be exported - Please check the writing access on the data carrier.</source>
        <comment>StuecklisteExportFehler</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mat.-Pos</source>
        <comment>DruckMatPos</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quantity of parts</source>
        <comment>DruckStueckzahl</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Designation</source>
        <comment>DruckBezeichnung</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shear connectors supply to transverse force transmission in expansion</source>
        <comment>DruckLieferung1</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>max. design Resistance FRd</source>
        <comment>DruckWiderstand</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Material</source>
        <comment>DruckMaterial</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>stainless steel 1.4462</source>
        <comment>DruckMaterialText</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Position(s):   </source>
        <comment>DruckPositionen</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Single shear connector consisting of dowel element and sleeve</source>
        <comment>DruckEinzeldorn</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type: </source>
        <comment>DruckTyp</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>and fire protection sleeve</source>
        <comment>DruckBrandschutz</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mat.-Pos quantity denomination</source>
        <comment>TextMatPos</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shear connectors to transverse force transmission in inexpansion joint supply and</source>
        <comment>TextLieferung1</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>max. design resistance FRd: </source>
        <comment>TextWiderstand</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Material: stainless steel 1.4462</source>
        <comment>TextMaterial</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Position(s): </source>
        <comment>TextPositionen</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is not a valid Varnel - TRV File</source>
        <comment>DateiUngueltig</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The data file was created with an old version of the programm. The import of this data can cause calculation problems, please check all data!</source>
        <comment>DateiAlteVersion</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error during saving the data - unable to save the project</source>
        <comment>DateiSpeichernFehler</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error during opening the data file - unable to read project data</source>
        <comment>DateiOeffnenFehler</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reinforcement for Varnel shear connector in the building </source>
        <comment>DxfTitel</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plan view</source>
        <comment>DxfDraufsicht</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View</source>
        <comment>DxfAnsicht</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cut</source>
        <comment>DxfSchnitt</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Top and Bottom: </source>
        <comment>DxfObenUnten</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vertical Reinforcement: </source>
        <comment>DxfVertikal</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> U-bars</source>
        <comment>DxfBuegel</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Top: </source>
        <comment>DxfOben</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bottom: </source>
        <comment>DxfUnten</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The position has not been calculated: there is no reinforcement to draw.</source>
        <comment>DxfNichtBerechnet</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The reinforcement of the selected connector type is incomplete and cannot be drawn.</source>
        <comment>DxfBewehrungUngueltig</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error during Input: Only numbers allowed!<byte value="xd"/>
(plaease check writing of &quot;.&quot; and &quot;,&quot;) </source>
        <comment>EingabeKeineZahl</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input value is smaller than allowed!</source>
        <comment>EingabeZuKlein</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input value is greater than allowed!</source>
        <comment>EingabeZuGross</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Single load</source>
        <comment>LastfallEinzel</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>constant</source>
        <comment>LastfallKonstant</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Increasing distributed load</source>
        <comment>LastfallLinear</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arbitrary</source>
        <comment>LastfallBeliebig</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not calculated</source>
        <comment>BerichtNichtBerechnet</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>joint and install according to the specification of the wing element.</source>
        <comment>DruckLieferung2</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>construct according to the specification in the plan of the wing unit.</source>
        <comment>TextLieferung2</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The PDF file does not carry a TRV project: only a result sheet written by this program holds its project.</source>
        <comment>PdfOhneProjekt</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The PDF file is damaged or not a PDF file: its project cannot be read.</source>
        <comment>PdfBeschaedigt</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The project attached to the PDF file is too large to be read.</source>
        <comment>PdfProjektZuGross</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The arbitrary load profile needs at least two points. Please enter the load profile!</source>
        <comment>PlausiLastprofil</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The load needs more than %1 shear connectors in one row. These types cannot be arranged; choose a stronger type or divide the joint.</source>
        <comment>ZuVieleDorne</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Rueckfragen</name>
    <message>
        <source>Printer Setup</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Stuecklistenbefehl</name>
    <message>
        <source>The connector schedule is full: the position could not be added.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TWinexecute</name>
    <message>
        <source>File not found!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display not activated</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not enough emory, damaged executable file, or not allowed move</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File not found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Path not found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unzulässiger Versuch, eine Task dynamisch einzubinden, oder es gab einen Fehler beim gemeinsamen Zugriff bzw. einen Zugriffsfehler im Netzwerk.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bibliothek erfordert getrennte Datensegmente für jede Task.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not enough memory to start the application.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wrong Windows-Version.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid .EXE-file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Application is based on a other operation system.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DOS 4.0-application.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown .EXE-filetype.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Versuch, im Protected Mode (Standardmodus oder erweiterter 386-Modus) eine für frühere Windows-Versionen erstellte .EXE-Datei zu laden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You tried to start second time, die mehrfache (nicht Read-Only markierte) Datensegmente enthält.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You tried to excecute a zipped file. The file must be unzipped, before loading.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Dynamic-Link-Library(DLL)-file was damaged. A necessary DLL, to start the application is damaged or missing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The application needs a 32-Bit-Environment.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Application not found to start selected file</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Textgrenze</name>
    <message>
        <source>The text is too long: only its first %1 characters are kept.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TfrmBewehrung</name>
    <message>
        <source>Intermediate result for reinforcement </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TfrmSplash</name>
    <message>
        <source>Selected language not available!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>trv::Befehle</name>
    <message>
        <source>&amp;New...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>begin new project|begin new project</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>open project|open an existing project file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>save project|save the project in its file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save &amp;As ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>save project as|save the project in a new file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printer Set&amp;up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>printer setup|choose the printer and its page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>print|print the result sheet of the current position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print pro&amp;ject</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>print project|print the result sheets of every calculated position and the connector schedule</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>exit|end the program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Project Ad&amp;ministration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>project administration|browse project files and take over positions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add Position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>add position|add a copy of the current position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete Current Position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>delete position|delete the current position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input &amp;Tree</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>input tree|show or hide the input tree</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System &amp;Input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>system input|return from the result sheet to the input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Project Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>project data|edit the project description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Display Connector Schedule</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>connector schedule|display the connector schedule</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add to Connector Schedule</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>add to schedule|add the selected connector of the current position to the connector schedule</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>calculation|check the inputs and design all connector types</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculation &amp;Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>preview|calculate and show the result sheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DXF Export - &amp;Connector</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>connector CAD blocks|copy the CAD blocks of the selected connector</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DXF Export - &amp;Reinforcement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>reinforcement drawing|DXF drawing of the reinforcement of the selected connector</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Results to &amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>export results|save the result sheet in a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Results to C&amp;lipboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>results to clipboard|copy the result sheet to the clipboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>design options|maximum spacing, steel grade and safety factor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Screen Colours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>screen colours|choose the colours of the sketches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>help|contents of the help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search for Key&amp;word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>search help|search the help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Use of Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>use of help|how to use the help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About Varnel Shear Connectors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>about|version and maker of the program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Varnel Shear Connectors Manual</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>manual|open the manual of the shear connectors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>view|view of the joint with the connector</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plan View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>plan view|plan view of the connector</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Section</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>section|section through the joint</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Row View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>row view|arrangement of the connectors along the joint</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reinforcement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>reinforcement|adjust the reinforcement of the selected connector</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sketch to &amp;Clipborad</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>copy sketch|copy the sketch to the clipboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save sketch in file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>save sketch|save the sketch in a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Represent sketch as full picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>enlarge sketch|show the sketch in a window of its own</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DXF-Export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DXF export|DXF drawing of the reinforcement of the selected connector</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+N</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+S</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+P</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alt+F4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+Q</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+V</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F9</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Calculation</source>
        <comment>Results menu: run the calculation</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Calculation</source>
        <comment>Options menu: design options</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>trv::Projektbefehle</name>
    <message>
        <source>Do you want to save current calculation?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 has been changed by another program since it was opened or saved here. Do you want to overwrite it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Result sheets with their project (*.pdf *.PDF)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>trv::TEingabebaum</name>
    <message>
        <source>Input tree</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save As ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printer Setup ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Project Administration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Project: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Current Position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current Positions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Project Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connector Schedule</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display Connector Schedule</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Screen Colours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Varnel Shear Connectors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Varnel Shear Connectors Manual</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System Input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add to Connector Schedule</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>trv::TEingabepanel</name>
    <message>
        <source>Application case</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Single Shear Connector</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculation of a single double shear connector in a beam</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Row of connectors in a slab</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculation for a row type of arrangement of connectors in a slab</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Row of connectors in wall</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculation for a row type of connector arrangement in a wall</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Determination of reinforcement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Single load</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>con&amp;stant</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uniform distributed load</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>input an uniform distributed load onto the building component to be connected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Uniformly</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Increasing distributed load</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>input an increasing distributed load onto the building component to be connected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Arbitrary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Varying distributed load</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entry of a varying distributed load on the building component to be connected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Point Load</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Distributed Load</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dead load</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Partial safety factor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Imposed load</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add. design load</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[kN]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total design load</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[kN/m]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Concrete quality</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maximum joint width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eff. structural height</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Joint length</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Concrete cover above</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Concrete cover below</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Concrete cover to front</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slab thickness</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wall thickness</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edge distance left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edge distance right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[mm]</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>trv::TErgebnisliste</name>
    <message>
        <source>Connector</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Asx</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Asy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vsd/VRd</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remarks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overview of the calculation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overview of the calculation results</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FRd</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>trv::THilfeKnopf</name>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help on this window</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>trv::THilfefenster</name>
    <message>
        <source>Varnel - TRV / ZEDE Shear Connectors - Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Look for:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forward</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Using the help</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>trv::TStuecklistenExportDialog</name>
    <message>
        <source>Varnel - TRV / ZEDE Shear Connector - Export Connector Schedule</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export in Metafile Format (*.svg)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export in Bitmap Format (*.bmp)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export in JPeg Format (*.jpg)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export in Text Format (*.txt)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>trv::TfrmAbout</name>
    <message>
        <source>This program is an aid to the design of TRV and ZEDE shear connectors. It does not replace the judgement of a qualified structural engineer. The results must be checked by the engineer responsible for the structure before they are used, and the responsibility for the design remains with that engineer.

Check all input data. The results are valid only for the connectors, materials and boundary conditions described in the program and in the manual, and only for the data entered; the maker accepts no liability for results obtained with wrong or incomplete input, for the use of other products, or for damage arising from the use of the program, except where the law provides otherwise.

The program has been tested with care on the operating systems named in the manual. Faults caused by other system software, printers or other programs cannot be excluded. Please report any fault you find to the maker.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Varnel - TRV / ZEDE Shear Connectors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Varnel - TRV / ZEDE Shear Connectors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This program will enable the calculation of TRV and ZEDE shear connectors supporting higher transverse loads</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TRV - %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Created on:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10.06.2009</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disclaimer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>trv::TfrmBemessung</name>
    <message>
        <source>Settings for Calculation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max. Spacing of Dowels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>partial safety factor for steel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>reinforcement yield strength</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undertake entry and close window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Discard entry and close window</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>trv::TfrmBewehrung</name>
    <message>
        <source>Reinforcement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Top and Bottom Reinforcement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vertical Reinforcement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of Top and Bottom Reinforcement bars</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change number of Top and Bottom Reinforcement bars</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Diameter of Top and Bottom Reinforcement bars</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change diameter of Top and Bottom Reinforcement bars</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number Vertical Reinforcement bars</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change number Vertical Reinforcement bars</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Diameter of Vertical Reinforcement bars</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change diameter Vertical Reinforcement bars</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connector of the TRV series</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connector of the ZEDE series</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Intermediate result for reinforcement </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undertake entry and close window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Discard entry and close window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reinforcement to current connector: </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>trv::TfrmFarbeinstellung</name>
    <message>
        <source>TRV - colour representation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sketch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Concrete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reinforcement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shear connector</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Background</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Colour of the sketch background</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dimensioning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Colour representation of the dimensioning (Lines + Text)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Border</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Colour of the concrete border</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Surface</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Colour of the concrete surfaces</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fire protection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Colour of the fire protection sleeve</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Position B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Colour of the horizontal reinforcement (Pos B)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Position D</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Colour representation of the suspended reinforcement (pos D)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Colour of the shear connector border</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Colour of the shear connector surface</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Standard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set back colour to standard value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Grey scales</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adjust colour representation to grey scale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leave entry mask and undertake entry!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leave entry mask and discard entry!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>trv::TfrmHauptMaske</name>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Project</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Connector Schedule</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Results</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Export Results</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Main tool bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sketches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>lfd Nr.:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>current position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>number of the position shown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pro&amp;ject:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Project</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>name of the project</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Posi&amp;tion:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>description of the current position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Retur&amp;n to entry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To C&amp;lipboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculation Pre&amp;view</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ca&amp;lculation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hints</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sketch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sketch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>click the sketch to copy, save or enlarge it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Result sheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input tree</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot open file!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(none)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Clear List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The project %1 does not exist any more. It is taken off the list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Recent Projects</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings file %1 cannot be used: %2.
The program works with the default settings and keeps no changes of them.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>trv::TfrmProjektdaten</name>
    <message>
        <source>Project Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Project:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Company</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Designer:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Today</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>trv::TfrmProjektverwaltung</name>
    <message>
        <source>Varnel - Project Administration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Project files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Positions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prog</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Project</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connection Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Length of Joint</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the folder of the project files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a project file to list its positions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Positions of the selected project file; a double click takes one over</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Position &amp;Undertake</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Take the selected position over into the current project</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open Project</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open the selected file as the project</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close the window without action</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The name of this file holds bytes that are no text; they are shown as �.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>trv::TfrmSplash</name>
    <message>
        <source>Varnel - TRV / ZEDE Shear Connectors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Start Program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the program in German</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the program in English</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the program in French</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the program in Italian</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the program in Dutch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the program in Spanish</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shear Connectors</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>trv::TfrmStueckliste</name>
    <message>
        <source>Varnel - TRV / ZEDE Shear Connectors - Connector Schedule</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of similar positions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current Choice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Supplementary information to the connector schedule</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connector Schedule</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Position &amp;Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Clipboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When exporting a long connector schedule as graphic it has to be taken</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>into account that there are no page breaks beforehand in the graphic.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With long connector schedules you can divide the connector schedule</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>into two or more export files through deactivating of single positions.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Active</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The preview could not be drawn: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The connector schedule could not be printed: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>trv::TfrmZoom</name>
    <message>
        <source>Zoom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enlarged sketch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy printout of results to clipboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export printout of results in file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sketch to &amp;Clipborad</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save sketch in file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close window</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>trv::TfrmbeliebigeLast</name>
    <message>
        <source>(x) [kN/m]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entry of arbitrary transverse force distribution</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>x =</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>q&lt;sub&gt;Ed&lt;/sub&gt;(x) =</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kN/m</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>x</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Coordinates for entered load measured form the left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Value of loading at the position of the coordinate x</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Place pair of values</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pair of values (x,q) add to list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;hange</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transfer changes in the list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transfer changes in the pairs of values (x,q) in the list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>delete current pair of values</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>delete current pair of values (x,q) from the list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undertake entry and close window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Discard entry and close window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>x [mm]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>q Ed(x) [kN/m]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A value for the entered coordinate already exists!<byte value="xd"/>
<byte value="xd"/>
 Should this be overwritten?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>trv::dxf::TDXF_Anzeige_Form</name>
    <message>
        <source>DXF display form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save as DXF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Varnel - TRV / ZEDE Shear Connectors - DXF-Export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DXF databases (*.dxf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The DXF file could not be written:
%1
(%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the drawing holds a value that a DXF file cannot take</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no permission to write in this folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the folder does not exist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the disk is write-protected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a folder of that name exists</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a device or another special file of that name exists</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file name is too long</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>system error %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>trv::dxf::Zoom_panel</name>
    <message>
        <source>Zoom out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous view</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Whole drawing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Horizontal position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vertical position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drawing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drag a rectangle to zoom into it, double-click to centre the view; + and - zoom, the arrow keys scroll</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mouse position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scale</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
