<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_CH" sourcelanguage="en">
<context>
    <name>Ausgabe</name>
    <message>
        <source>the picture could not be encoded as %1</source>
        <translation>das Bild konnte nicht als %1 codiert werden</translation>
    </message>
    <message>
        <source>the SVG picture could not be started</source>
        <translation>die SVG-Grafik konnte nicht angelegt werden</translation>
    </message>
    <message>
        <source>the PDF file was not written</source>
        <translation>die PDF-Datei wurde nicht geschrieben</translation>
    </message>
    <message>
        <source>no file named for the PDF document</source>
        <translation>für das PDF-Dokument wurde kein Dateiname angegeben</translation>
    </message>
    <message>
        <source>the printer could not be started</source>
        <translation>der Drucker konnte nicht gestartet werden</translation>
    </message>
    <message>
        <source>the printer could not finish the document</source>
        <translation>der Drucker konnte das Dokument nicht fertigstellen</translation>
    </message>
    <message>
        <source>no position is calculated and the connector schedule is empty</source>
        <translation>keine Position ist berechnet und die Stückliste ist leer</translation>
    </message>
    <message>
        <source>there is no such position in the project</source>
        <translation>diese Position gibt es im Projekt nicht</translation>
    </message>
    <message>
        <source>the position is not calculated: the result sheet needs its results</source>
        <translation>die Position ist nicht berechnet: Das Ergebnisblatt braucht ihre Ergebnisse</translation>
    </message>
    <message>
        <source>the result sheet is written as .pdf, .png or .svg</source>
        <translation>das Ergebnisblatt wird als .pdf, .png oder .svg geschrieben</translation>
    </message>
    <message>
        <source>the connector schedule is written as .txt or .pdf</source>
        <translation>die Dornliste wird als .txt oder .pdf geschrieben</translation>
    </message>
    <message>
        <source>a sketch is written as .png or .svg</source>
        <translation>eine Skizze wird als .png oder .svg geschrieben</translation>
    </message>
    <message>
        <source>the position is not calculated: the result sketches need its results</source>
        <translation>die Position ist nicht berechnet: Die Ergebnisskizzen brauchen ihre Ergebnisse</translation>
    </message>
    <message>
        <source>the picture could not be made</source>
        <translation>das Bild konnte nicht erstellt werden</translation>
    </message>
</context>
<context>
    <name>Bildexport</name>
    <message>
        <source>Varnel - TRV / ZEDE Shear Connectors - Export results</source>
        <translation>Varnel - TRV / ZEDE Querkraftdorne - Ergebnisse exportieren</translation>
    </message>
    <message>
        <source>export in SVG vector format (*.svg)</source>
        <translation>Export im SVG-Vektorformat (*.svg)</translation>
    </message>
    <message>
        <source>Export in Bitmap Format (*.bmp)</source>
        <translation>Export im Bitmap-Format (*.bmp)</translation>
    </message>
    <message>
        <source>Export in JPeg Format (*.jpg)</source>
        <translation>Export im JPEG-Format (*.jpg)</translation>
    </message>
    <message>
        <source>Export as PDF document (*.pdf)</source>
        <translation>Export als PDF-Dokument (*.pdf)</translation>
    </message>
    <message>
        <source>The picture could not be saved as
%1:
%2</source>
        <translation>Das Bild konnte nicht gespeichert werden als
%1:
%2</translation>
    </message>
    <message>
        <source>there is no picture to export</source>
        <translation>es ist kein Bild zum Exportieren vorhanden</translation>
    </message>
</context>
<context>
    <name>Blattbeilage</name>
    <message>
        <source>shear connector</source>
        <translation>Querkraftdorn</translation>
    </message>
    <message>
        <source>Result sheet of position %1</source>
        <translation>Ergebnisblatt der Position %1</translation>
    </message>
    <message>
        <source>Result sheets of the project and connector schedule</source>
        <translation>Ergebnisblätter des Projekts und Dornliste</translation>
    </message>
</context>
<context>
    <name>CadBlockExport</name>
    <message>
        <source>DXF databases (*.dxf)</source>
        <translation>DXF-Dateien (*.dxf)</translation>
    </message>
    <message>
        <source>DWG database (*.dwg)</source>
        <translation>DWG-Dateien (*.dwg)</translation>
    </message>
    <message>
        <source>The connector blocks are supplied as DXF files only: DWG files cannot be written by this program.

Save the blocks as DXF files instead? Every CAD program reads DXF.</source>
        <translation>Die Dornblöcke werden nur als DXF-Dateien geliefert: DWG-Dateien kann dieses Programm nicht schreiben.

Möchten Sie die Blöcke stattdessen als DXF-Dateien speichern? Jedes CAD-Programm kann DXF lesen.</translation>
    </message>
    <message>
        <source>Cannot open file!</source>
        <translation>Datei kann nicht geöffnet werden!</translation>
    </message>
    <message>
        <source>The file %1 could not be copied to %2:
%3</source>
        <translation>Die Datei %1 konnte nicht nach %2 kopiert werden:
%3</translation>
    </message>
    <message>
        <source>The file - </source>
        <translation>Die Datei - </translation>
    </message>
    <message>
        <source> - was not found.The required file can only be installed from the CD version!</source>
        <translation> - wurde nicht gefunden. Die benötigte Datei kann nur von der CD-Version installiert werden!</translation>
    </message>
</context>
<context>
    <name>Druckbefehle</name>
    <message>
        <source>no file was named for the PDF</source>
        <translation>für das PDF wurde keine Datei angegeben</translation>
    </message>
    <message>
        <source>The result sheet could not be printed:
%1</source>
        <translation>Das Ergebnisblatt konnte nicht gedruckt werden:
%1</translation>
    </message>
    <message>
        <source>There is nothing to print: no position is calculated and the connector schedule is empty.</source>
        <translation>Es gibt nichts zu drucken: Keine Position ist berechnet und die Stückliste ist leer.</translation>
    </message>
    <message>
        <source>These positions are not calculated and are not printed: %1.

Print the other positions and the connector schedule?</source>
        <translation>Folgende Positionen sind nicht berechnet und werden nicht gedruckt: %1.

Die übrigen Positionen und die Stückliste drucken?</translation>
    </message>
    <message>
        <source>The project could not be printed:
%1</source>
        <translation>Das Projekt konnte nicht gedruckt werden:
%1</translation>
    </message>
</context>
<context>
    <name>Druckbilder</name>
    <message>
        <source>shear connectors</source>
        <translation>Querkraftdorne</translation>
    </message>
    <message>
        <source>n = number of data entries</source>
        <translation>n = Anzahl Wertepaare</translation>
    </message>
</context>
<context>
    <name>Druckerwahl</name>
    <message>
        <source>Print to PDF file</source>
        <translation>In PDF-Datei drucken</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>PDF-Dokument (*.pdf)</translation>
    </message>
</context>
<context>
    <name>Hilfe</name>
    <message>
        <source>The help file %1 was not found.</source>
        <translation>Die Hilfedatei %1 wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>The help file %1 cannot be read.</source>
        <translation>Die Hilfedatei %1 kann nicht gelesen werden.</translation>
    </message>
</context>
<context>
    <name>Projektbefehle</name>
    <message>
        <source>Varnel - TRV / ZEDE Shear Connectors</source>
        <translation>Varnel - TRV / ZEDE Querkraftdorne</translation>
    </message>
</context>
<context>
    <name>Projektzustand</name>
    <message>
        <source>%1 (the file name holds bytes that are no text: �)</source>
        <translation>%1 (der Dateiname enthält Bytes, die kein Text sind: �)</translation>
    </message>
</context>
<context>
    <name>Ressource</name>
    <message>
        <source>Unnamed</source>
        <comment>Unbenannt</comment>
        <translation>Unbenannt</translation>
    </message>
    <message>
        <source>It is only a position in the existing project.<byte value="xd"/>
<byte value="xd"/>
The last position cannot be removed!</source>
        <comment>LetztePositionLoeschen</comment>
        <translation>Das Projekt enthält nur eine Position.<byte value="xd"/>
<byte value="xd"/>
Die letzte Position kann nicht gelöscht werden!</translation>
    </message>
    <message>
        <source>Fatal error in calculating process! The result of the calculation is invalid!
<byte value="xd"/>Try the calculation with new input data and refer to the programme producer.</source>
        <comment>Rechenfehler</comment>
        <translation>Schwerwiegender Fehler bei der Berechnung! Das Ergebnis der Berechnung ist ungültig!
<byte value="xd"/>Wiederholen Sie die Berechnung mit neuen Eingabedaten und wenden Sie sich an den Programmhersteller.</translation>
    </message>
    <message>
        <source>The thickness of the concrete slab is less than the minimum thickness of concrete for the smallest shear connector!</source>
        <comment>PlausiDickeMin</comment>
        <translation>Die Plattenstärke ist kleiner als die erforderliche Mindestbetonstärke für den kleinsten Querkraftdorn!</translation>
    </message>
    <message>
        <source>The thickness of the concrete slab to be connected is less than the structural effective height!</source>
        <comment>PlausiNutzhoehe</comment>
        <translation>Die Stärke der anzuschliessenden Betonplatte ist kleiner als die statische Höhe!</translation>
    </message>
    <message>
        <source>Structural effective height is &lt; 10mm. Please check!</source>
        <comment>PlausiNutzhoeheKlein</comment>
        <translation>Die statische Höhe ist &lt; 10 mm. Bitte prüfen!</translation>
    </message>
    <message>
        <source>Concrete cover above is &lt;10mm. Please check</source>
        <comment>PlausiDeckungOben</comment>
        <translation>Die Betonüberdeckung oben ist &lt; 10 mm. Bitte prüfen!</translation>
    </message>
    <message>
        <source>Concrete cover below is &lt;10mm.Please check</source>
        <comment>PlausiDeckungUnten</comment>
        <translation>Die Betonüberdeckung unten ist &lt; 10 mm. Bitte prüfen!</translation>
    </message>
    <message>
        <source>The sum of the concrete cover is greater than the thickness of the concrete slab to be connected!</source>
        <comment>PlausiDeckungSumme</comment>
        <translation>Die Summe der Betonüberdeckungen ist grösser als die Stärke der anzuschliessenden Betonplatte!</translation>
    </message>
    <message>
        <source>The wall thickness is less than the minimum required thickness of concrete for the smallest shear connector!</source>
        <comment>PlausiWandDicke</comment>
        <translation>Die Wandstärke ist kleiner als die erforderliche Mindestbetonstärke für den kleinsten Querkraftdorn!</translation>
    </message>
    <message>
        <source>Single shear connector loaded with point load\Row of shear connectors - connection slab to slab\Row of shear connectors - connection slab to wall\</source>
        <comment>AnwendungsfallLang</comment>
        <translation>Einzelner Querkraftdorn unter Einzellast\Querkraftdornreihe - Anschluss Platte an Platte\Querkraftdornreihe - Anschluss Platte an Wand\</translation>
    </message>
    <message>
        <source>Single shear connector\Connector row, slab to slab\Connector row, slab to wall\</source>
        <comment>AnwendungsfallKurz</comment>
        <translation>Einzeldorn\Dornreihe, Platte-Platte\Dornreihe, Platte-Wand\</translation>
    </message>
    <message>
        <source>OK\d &lt; d min\Vsd &gt; VRd\e &lt; min e\c &lt; min c\e &lt; suit e\f &gt; permissible\e &lt; reqd e\c &lt; reqd c\dw &lt; reqd dw\</source>
        <comment>StatusKurz</comment>
        <translation>OK\d &lt; d min\Vsd &gt; VRd\e &lt; e min\c &lt; c min\e &lt; e Bew.\f &gt; zulässig\e &lt; e erf.\c &lt; c erf.\dw &lt; dw erf.\</translation>
    </message>
    <message>
        <source>Calculation ok\Concrete thickness too small\Load too great\Connector spacing is below minimum value\Connector edge distance is below minimum value\Spacing too small to suit vertical reinforcement\Joint width out of range for this dowel\Connector spacing for standard reinforcement too small for approval\Edge spacing according to standard reinforcement too small for approval\The wall thickness is smaller than required for the selected connector\</source>
        <comment>StatusLang</comment>
        <translation>Berechnung in Ordnung\Betonstärke zu klein\Last zu gross\Dornabstand unterschreitet den Mindestwert\Randabstand des Dorns unterschreitet den Mindestwert\Dornabstand zu klein für die vertikale Bewehrung\Fugenbreite ausserhalb des zulässigen Bereichs für diesen Dorn\Dornabstand bei Standardbewehrung kleiner als gemäss Zulassung\Randabstand bei Standardbewehrung kleiner als gemäss Zulassung\Die Wandstärke ist kleiner als für den gewählten Dorn erforderlich\</translation>
    </message>
    <message>
        <source>The maximum spacings of the dowels is larger than 5 * slab thickness. Please check dowel alignment!\Minimum spacing and edge distance are based on the thinnest slab for the actual connector load\</source>
        <comment>Hinweistexte</comment>
        <translation>Der maximale Dornabstand ist grösser als 5 * Plattenstärke. Bitte Dornanordnung prüfen!\Mindestabstand und Mindestrandabstand beziehen sich auf die dünnste Platte unter der vorhandenen Dornlast\</translation>
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
        <translation>Position                          \Anz. Pos.\Anzahl Dorne  \Bezeichnung                                           \Total Dorne   \Status\Pos\Plattenstärke   \Statische Höhe            \Lagerungsart\</translation>
    </message>
    <message>
        <source>reinf&apos;t based on max. FRd\reinf&apos;t based on act. FRd\</source>
        <comment>BewehrungsBasis</comment>
        <translation>Bewehrung für max. FRd\Bewehrung für vorh. FRd\</translation>
    </message>
    <message>
        <source>Unlimited\5 * Slab Thickness\</source>
        <comment>MaxAbstandOptionen</comment>
        <translation>Unbegrenzt\5 * Plattenstärke\</translation>
    </message>
    <message>
        <source>Calculation with reinforcement according optimal connector use</source>
        <comment>BlattVerstaerkungOptimal</comment>
        <translation>Berechnung mit Bewehrung gemäss optimaler Dornausnützung</translation>
    </message>
    <message>
        <source>Calculation with reinforcement according max. load capacity of dowel</source>
        <comment>BlattVerstaerkungMaximal</comment>
        <translation>Berechnung mit Bewehrung gemäss max. Tragwiderstand des Dorns</translation>
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
        <translation>mit</translation>
    </message>
    <message>
        <source>no. of dowels</source>
        <comment>BlattAnzahlDuebel</comment>
        <translation>Anzahl Dorne</translation>
    </message>
    <message>
        <source>Selected</source>
        <comment>BlattGewaehlt</comment>
        <translation>Gewählt</translation>
    </message>
    <message>
        <source>Results</source>
        <comment>BlattErgebnisse</comment>
        <translation>Ergebnisse</translation>
    </message>
    <message>
        <source>Input</source>
        <comment>BlattEingabe</comment>
        <translation>Eingabe</translation>
    </message>
    <message>
        <source>Concrete quality</source>
        <comment>BlattBetonguete</comment>
        <translation>Betonfestigkeitsklasse</translation>
    </message>
    <message>
        <source>Slab thickness</source>
        <comment>BlattPlattenDicke</comment>
        <translation>Plattenstärke</translation>
    </message>
    <message>
        <source>Wall thickness</source>
        <comment>BlattWandDicke</comment>
        <translation>Wandstärke</translation>
    </message>
    <message>
        <source>Concrete cover above</source>
        <comment>BlattDeckungOben</comment>
        <translation>Betonüberdeckung oben</translation>
    </message>
    <message>
        <source>Concrete cover below</source>
        <comment>BlattDeckungUnten</comment>
        <translation>Betonüberdeckung unten</translation>
    </message>
    <message>
        <source>Concrete cover to front</source>
        <comment>BlattDeckungVorn</comment>
        <translation>Betonüberdeckung vorne</translation>
    </message>
    <message>
        <source>Max. joint width</source>
        <comment>BlattFugenbreite</comment>
        <translation>Max. Fugenbreite</translation>
    </message>
    <message>
        <source>Joint length</source>
        <comment>BlattFugenlaenge</comment>
        <translation>Fugenlänge</translation>
    </message>
    <message>
        <source>Given edge distance</source>
        <comment>BlattRandabstand</comment>
        <translation>Vorgegebener Randabstand</translation>
    </message>
    <message>
        <source>Single load to connector</source>
        <comment>BlattLastEinzel</comment>
        <translation>Einzellast auf Dorn</translation>
    </message>
    <message>
        <source>Linear load</source>
        <comment>BlattLastLinie</comment>
        <translation>Linienlast</translation>
    </message>
    <message>
        <source>Varying distributed load</source>
        <comment>BlattLastBeliebig</comment>
        <translation>Veränderliche Linienlast</translation>
    </message>
    <message>
        <source>Dead load</source>
        <comment>BlattEigenlast</comment>
        <translation>Eigenlast</translation>
    </message>
    <message>
        <source>Partial safety factor</source>
        <comment>BlattTeilsicherheit</comment>
        <translation>Lastbeiwert</translation>
    </message>
    <message>
        <source>Imposed load</source>
        <comment>BlattVerkehrslast</comment>
        <translation>Nutzlast</translation>
    </message>
    <message>
        <source>Additional design load</source>
        <comment>BlattZusatzlast</comment>
        <translation>Zusätzliche Bemessungslast</translation>
    </message>
    <message>
        <source>Total design load</source>
        <comment>BlattGesamtlast</comment>
        <translation>Gesamte Bemessungslast</translation>
    </message>
    <message>
        <source>Connector design load</source>
        <comment>BlattDuebellast</comment>
        <translation>Bemessungslast Dorn</translation>
    </message>
    <message>
        <source>see next page</source>
        <comment>BlattNaechsteSeite</comment>
        <translation>siehe nächste Seite</translation>
    </message>
    <message>
        <source>Actual area of main reinf´t</source>
        <comment>BlattAsyIst</comment>
        <translation>Vorhandene Hauptbewehrung</translation>
    </message>
    <message>
        <source>Req´d area of main reinf´t</source>
        <comment>BlattAsyErf</comment>
        <translation>Erforderliche Hauptbewehrung</translation>
    </message>
    <message>
        <source>Actual area of secondary reinf´t</source>
        <comment>BlattAsxIst</comment>
        <translation>Vorhandene Nebenbewehrung</translation>
    </message>
    <message>
        <source>Req´d area of secondary reinf´t</source>
        <comment>BlattAsxErf</comment>
        <translation>Erforderliche Nebenbewehrung</translation>
    </message>
    <message>
        <source>Region of main reinf´t</source>
        <comment>BlattBereichY</comment>
        <translation>Bereich der Hauptbewehrung</translation>
    </message>
    <message>
        <source>Region of secondary reinf´t</source>
        <comment>BlattBereichX</comment>
        <translation>Bereich der Nebenbewehrung</translation>
    </message>
    <message>
        <source>Actual edge distance</source>
        <comment>BlattRandIst</comment>
        <translation>Vorhandener Randabstand</translation>
    </message>
    <message>
        <source>Minimum edge distance</source>
        <comment>BlattRandMin</comment>
        <translation>Minimaler Randabstand</translation>
    </message>
    <message>
        <source>Actual connector spacing</source>
        <comment>BlattAbstandIst</comment>
        <translation>Vorhandener Dornabstand</translation>
    </message>
    <message>
        <source>Minimum connector spacing</source>
        <comment>BlattAbstandMin</comment>
        <translation>Minimaler Dornabstand</translation>
    </message>
    <message>
        <source>Connector design capacity</source>
        <comment>BlattTragfaehigkeit</comment>
        <translation>Tragwiderstand Dorn</translation>
    </message>
    <message>
        <source>Connector usage</source>
        <comment>BlattAusnutzung</comment>
        <translation>Ausnützung Dorn</translation>
    </message>
    <message>
        <source>Design resistance concrete</source>
        <comment>BlattWiderstandBeton</comment>
        <translation>Tragwiderstand Beton</translation>
    </message>
    <message>
        <source>Concrete capacity usage</source>
        <comment>BlattAusnutzungBeton</comment>
        <translation>Ausnützung Beton</translation>
    </message>
    <message>
        <source>Design resistance steel</source>
        <comment>BlattWiderstandStahl</comment>
        <translation>Tragwiderstand Stahl</translation>
    </message>
    <message>
        <source>Steel capacity usage</source>
        <comment>BlattAusnutzungStahl</comment>
        <translation>Ausnützung Stahl</translation>
    </message>
    <message>
        <source>Design resistance reinforcement</source>
        <comment>BlattWiderstandBewehrung</comment>
        <translation>Tragwiderstand Bewehrung</translation>
    </message>
    <message>
        <source>Reinforcement capacity usage</source>
        <comment>BlattAusnutzungBewehrung</comment>
        <translation>Ausnützung Bewehrung</translation>
    </message>
    <message>
        <source>Calculation for </source>
        <comment>BerechnungFuer</comment>
        <translation>Berechnung für </translation>
    </message>
    <message>
        <source>Varnel - TRV / ZEDE Shear Connector</source>
        <comment>ProgrammTitel</comment>
        <translation>Varnel - TRV / ZEDE Querkraftdorne</translation>
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
        <translation>Gedruckt am: </translation>
    </message>
    <message>
        <source>Designer: </source>
        <comment>KopfBearbeiter</comment>
        <translation>Bearbeiter: </translation>
    </message>
    <message>
        <source>Company: </source>
        <comment>KopfFirma</comment>
        <translation>Firma: </translation>
    </message>
    <message>
        <source>Project:  </source>
        <comment>KopfProjekt</comment>
        <translation>Projekt:  </translation>
    </message>
    <message>
        <source>Position: </source>
        <comment>KopfPosition</comment>
        <translation>Position: </translation>
    </message>
    <message>
        <source>The use of the connector is not possible for the following reasons:</source>
        <comment>KopfGruende</comment>
        <translation>Der Einsatz des Dorns ist aus folgenden Gründen nicht möglich:</translation>
    </message>
    <message>
        <source>Switzerland\Varnel AG\Tel. +41 00 000 00 00\Fax +41 00 000 00 01\info@ch.varnel.example\</source>
        <comment>KontaktSpalte1</comment>
        <translation>Schweiz\Varnel AG\Tel. +41 00 000 00 00\Fax +41 00 000 00 01\info@ch.varnel.example\</translation>
    </message>
    <message>
        <source>Germany\Varnel GmbH\Tel. +49 000 0000 00\Fax +49 000 0000 01\info@de.varnel.example\</source>
        <comment>KontaktSpalte2</comment>
        <translation>Deutschland\Varnel GmbH\Tel. +49 000 0000 00\Fax +49 000 0000 01\info@de.varnel.example\</translation>
    </message>
    <message>
        <source>Austria\Varnel Ges.m.b.H.\Tel. +43 0000 000 00\Fax +43 0000 000 01\info@at.varnel.example\</source>
        <comment>KontaktSpalte3</comment>
        <translation>Österreich\Varnel Ges.m.b.H.\Tel. +43 0000 000 00\Fax +43 0000 000 01\info@at.varnel.example\</translation>
    </message>
    <message>
        <source>France\Varnel S.A.R.L.\Tel. +33 0 00 00 00 00\Fax +33 0 00 00 00 01\info@fr.varnel.example\</source>
        <comment>KontaktSpalte4</comment>
        <translation>Frankreich\Varnel S.A.R.L.\Tel. +33 0 00 00 00 00\Fax +33 0 00 00 00 01\info@fr.varnel.example\</translation>
    </message>
    <message>
        <source>United Kingdom\Varnel Ltd.\Tel. +44 0000 000000\Fax +44 0000 000001\info@uk.varnel.example\</source>
        <comment>KontaktSpalte5</comment>
        <translation>Vereinigtes Königreich\Varnel Ltd.\Tel. +44 0000 000000\Fax +44 0000 000001\info@uk.varnel.example\</translation>
    </message>
    <message>
        <source>Netherlands\Varnel B.V.\Tel. +31 00 000 00 00\Fax +31 00 000 00 01\info@nl.varnel.example\</source>
        <comment>KontaktSpalte6</comment>
        <translation>Niederlande\Varnel B.V.\Tel. +31 00 000 00 00\Fax +31 00 000 00 01\info@nl.varnel.example\</translation>
    </message>
    <message>
        <source>Connector Schedule</source>
        <comment>StuecklisteTitel</comment>
        <translation>Stückliste</translation>
    </message>
    <message>
        <source>Active</source>
        <comment>StatusAktiv</comment>
        <translation>Aktiv</translation>
    </message>
    <message>
        <source>Not active</source>
        <comment>StatusNichtAktiv</comment>
        <translation>Nicht aktiv</translation>
    </message>
    <message>
        <source>the current position is already in the existing connector schedule.<byte value="xd"/>
<byte value="xd"/>
Should this be overwritten?</source>
        <comment>StuecklisteUeberschreiben</comment>
        <translation>Die aktuelle Position ist bereits in der Stückliste enthalten.<byte value="xd"/>
<byte value="xd"/>
Soll sie überschrieben werden?</translation>
    </message>
    <message>
        <source>the connector schedule could not be exported - Please check the writing access on the data carrier.</source>
        <comment>StuecklisteExportFehler</comment>
        <translation>Die Stückliste konnte nicht exportiert werden - bitte prüfen Sie die Schreibberechtigung auf dem Datenträger.</translation>
    </message>
    <message>
        <source>Mat.-Pos</source>
        <comment>DruckMatPos</comment>
        <translation>Mat.-Pos.</translation>
    </message>
    <message>
        <source>Quantity of parts</source>
        <comment>DruckStueckzahl</comment>
        <translation>Stückzahl</translation>
    </message>
    <message>
        <source>Designation</source>
        <comment>DruckBezeichnung</comment>
        <translation>Bezeichnung</translation>
    </message>
    <message>
        <source>Shear connectors supply to transverse force transmission in expansion</source>
        <comment>DruckLieferung1</comment>
        <translation>Querkraftdorne zur Querkraftübertragung in Dilatationsfugen</translation>
    </message>
    <message>
        <source>max. design Resistance FRd</source>
        <comment>DruckWiderstand</comment>
        <translation>max. Tragwiderstand FRd</translation>
    </message>
    <message>
        <source>Material</source>
        <comment>DruckMaterial</comment>
        <translation>Material</translation>
    </message>
    <message>
        <source>stainless steel 1.4462</source>
        <comment>DruckMaterialText</comment>
        <translation>nichtrostender Stahl 1.4462</translation>
    </message>
    <message>
        <source>Position(s):   </source>
        <comment>DruckPositionen</comment>
        <translation>Position(en):   </translation>
    </message>
    <message>
        <source>Single shear connector consisting of dowel element and sleeve</source>
        <comment>DruckEinzeldorn</comment>
        <translation>Einzelner Querkraftdorn, bestehend aus Dorn und Hülse</translation>
    </message>
    <message>
        <source>Type: </source>
        <comment>DruckTyp</comment>
        <translation>Typ: </translation>
    </message>
    <message>
        <source>and fire protection sleeve</source>
        <comment>DruckBrandschutz</comment>
        <translation>und Brandschutzmanschette</translation>
    </message>
    <message>
        <source>Mat.-Pos quantity denomination</source>
        <comment>TextMatPos</comment>
        <translation>Mat.-Pos. Stückzahl Bezeichnung</translation>
    </message>
    <message>
        <source>Shear connectors to transverse force transmission in inexpansion joint supply and</source>
        <comment>TextLieferung1</comment>
        <translation>Querkraftdorne zur Querkraftübertragung in Dilatationsfugen liefern und</translation>
    </message>
    <message>
        <source>max. design resistance FRd: </source>
        <comment>TextWiderstand</comment>
        <translation>max. Tragwiderstand FRd: </translation>
    </message>
    <message>
        <source>Material: stainless steel 1.4462</source>
        <comment>TextMaterial</comment>
        <translation>Material: nichtrostender Stahl 1.4462</translation>
    </message>
    <message>
        <source>Position(s): </source>
        <comment>TextPositionen</comment>
        <translation>Position(en): </translation>
    </message>
    <message>
        <source>The file is not a valid Varnel - TRV File</source>
        <comment>DateiUngueltig</comment>
        <translation>Die Datei ist keine gültige Varnel-TRV-Datei</translation>
    </message>
    <message>
        <source>The data file was created with an old version of the programm. The import of this data can cause calculation problems, please check all data!</source>
        <comment>DateiAlteVersion</comment>
        <translation>Die Datei wurde mit einer älteren Programmversion erstellt. Der Import dieser Daten kann zu Berechnungsproblemen führen. Bitte prüfen Sie alle Daten!</translation>
    </message>
    <message>
        <source>Error during saving the data - unable to save the project</source>
        <comment>DateiSpeichernFehler</comment>
        <translation>Fehler beim Speichern der Daten - das Projekt konnte nicht gespeichert werden</translation>
    </message>
    <message>
        <source>Error during opening the data file - unable to read project data</source>
        <comment>DateiOeffnenFehler</comment>
        <translation>Fehler beim Öffnen der Datei - die Projektdaten konnten nicht gelesen werden</translation>
    </message>
    <message>
        <source>Reinforcement for Varnel shear connector in the building </source>
        <comment>DxfTitel</comment>
        <translation>Bewehrung im Bauteil für Varnel-Querkraftdorn </translation>
    </message>
    <message>
        <source>Plan view</source>
        <comment>DxfDraufsicht</comment>
        <translation>Draufsicht</translation>
    </message>
    <message>
        <source>View</source>
        <comment>DxfAnsicht</comment>
        <translation>Ansicht</translation>
    </message>
    <message>
        <source>Cut</source>
        <comment>DxfSchnitt</comment>
        <translation>Schnitt</translation>
    </message>
    <message>
        <source>Top and Bottom: </source>
        <comment>DxfObenUnten</comment>
        <translation>Oben und unten: </translation>
    </message>
    <message>
        <source>Vertical Reinforcement: </source>
        <comment>DxfVertikal</comment>
        <translation>Vertikale Bewehrung: </translation>
    </message>
    <message>
        <source> U-bars</source>
        <comment>DxfBuegel</comment>
        <translation> U-Bügel</translation>
    </message>
    <message>
        <source>Top: </source>
        <comment>DxfOben</comment>
        <translation>Oben: </translation>
    </message>
    <message>
        <source>Bottom: </source>
        <comment>DxfUnten</comment>
        <translation>Unten: </translation>
    </message>
    <message>
        <source>The position has not been calculated: there is no reinforcement to draw.</source>
        <comment>DxfNichtBerechnet</comment>
        <translation>Die Position wurde nicht berechnet: Es gibt keine Bewehrung zum Zeichnen.</translation>
    </message>
    <message>
        <source>The reinforcement of the selected connector type is incomplete and cannot be drawn.</source>
        <comment>DxfBewehrungUngueltig</comment>
        <translation>Die Bewehrung des gewählten Dorntyps ist unvollständig und kann nicht gezeichnet werden.</translation>
    </message>
    <message>
        <source>Error during Input: Only numbers allowed!<byte value="xd"/>
(plaease check writing of &quot;.&quot; and &quot;,&quot;) </source>
        <comment>EingabeKeineZahl</comment>
        <translation>Eingabefehler: Nur Zahlen sind zulässig!<byte value="xd"/>
(bitte Schreibweise von &quot;.&quot; und &quot;,&quot; prüfen) </translation>
    </message>
    <message>
        <source>Input value is smaller than allowed!</source>
        <comment>EingabeZuKlein</comment>
        <translation>Der Eingabewert ist kleiner als zulässig!</translation>
    </message>
    <message>
        <source>Input value is greater than allowed!</source>
        <comment>EingabeZuGross</comment>
        <translation>Der Eingabewert ist grösser als zulässig!</translation>
    </message>
    <message>
        <source>Single load</source>
        <comment>LastfallEinzel</comment>
        <translation>Einzellast</translation>
    </message>
    <message>
        <source>constant</source>
        <comment>LastfallKonstant</comment>
        <translation>konstant</translation>
    </message>
    <message>
        <source>Increasing distributed load</source>
        <comment>LastfallLinear</comment>
        <translation>Linear veränderliche Linienlast</translation>
    </message>
    <message>
        <source>Arbitrary</source>
        <comment>LastfallBeliebig</comment>
        <translation>beliebig</translation>
    </message>
    <message>
        <source>not calculated</source>
        <comment>BerichtNichtBerechnet</comment>
        <translation>nicht berechnet</translation>
    </message>
    <message>
        <source>joint and install according to the specification of the wing element.</source>
        <comment>DruckLieferung2</comment>
        <translation>liefern und gemäss Spezifikation des Dornelements einbauen.</translation>
    </message>
    <message>
        <source>construct according to the specification in the plan of the wing unit.</source>
        <comment>TextLieferung2</comment>
        <translation>gemäss Spezifikation im Plan des Dornelements einbauen.</translation>
    </message>
    <message>
        <source>The PDF file does not carry a TRV project: only a result sheet written by this program holds its project.</source>
        <comment>PdfOhneProjekt</comment>
        <translation>Die PDF-Datei enthält kein TRV-Projekt: Nur ein Ergebnisblatt, das dieses Programm geschrieben hat, enthält sein Projekt.</translation>
    </message>
    <message>
        <source>The PDF file is damaged or not a PDF file: its project cannot be read.</source>
        <comment>PdfBeschaedigt</comment>
        <translation>Die PDF-Datei ist beschädigt oder keine PDF-Datei: Ihr Projekt kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The project attached to the PDF file is too large to be read.</source>
        <comment>PdfProjektZuGross</comment>
        <translation>Das an die PDF-Datei angehängte Projekt ist zu gross, um gelesen zu werden.</translation>
    </message>
    <message>
        <source>The arbitrary load profile needs at least two points. Please enter the load profile!</source>
        <comment>PlausiLastprofil</comment>
        <translation>Der beliebige Lastverlauf braucht mindestens zwei Punkte. Bitte geben Sie den Lastverlauf ein!</translation>
    </message>
    <message>
        <source>The load needs more than %1 shear connectors in one row. These types cannot be arranged; choose a stronger type or divide the joint.</source>
        <comment>ZuVieleDorne</comment>
        <translation>Die Last erfordert mehr als %1 Querkraftdorne in einer Reihe. Diese Typen lassen sich nicht anordnen; wählen Sie einen stärkeren Typ oder teilen Sie die Fuge auf.</translation>
    </message>
</context>
<context>
    <name>Rueckfragen</name>
    <message>
        <source>Printer Setup</source>
        <translation>Druckereinrichtung</translation>
    </message>
</context>
<context>
    <name>Stuecklistenbefehl</name>
    <message>
        <source>The connector schedule is full: the position could not be added.</source>
        <translation>Die Stückliste ist voll: Die Position konnte nicht hinzugefügt werden.</translation>
    </message>
</context>
<context>
    <name>TWinexecute</name>
    <message>
        <source>File not found!</source>
        <translation>Datei nicht gefunden!</translation>
    </message>
    <message>
        <source>Display not activated</source>
        <translation>Anzeige nicht aktiviert</translation>
    </message>
    <message>
        <source>not enough emory, damaged executable file, or not allowed move</source>
        <translation>Nicht genügend Arbeitsspeicher, ausführbare Datei beschädigt oder ungültige Relokation</translation>
    </message>
    <message>
        <source>Unknown Error</source>
        <translation>Unbekannter Fehler</translation>
    </message>
    <message>
        <source>File not found.</source>
        <translation>Datei nicht gefunden.</translation>
    </message>
    <message>
        <source>Path not found.</source>
        <translation>Pfad nicht gefunden.</translation>
    </message>
    <message>
        <source>Unzulässiger Versuch, eine Task dynamisch einzubinden, oder es gab einen Fehler beim gemeinsamen Zugriff bzw. einen Zugriffsfehler im Netzwerk.</source>
        <translation>Unzulässiger Versuch, eine Task dynamisch einzubinden, oder es gab einen Fehler beim gemeinsamen Zugriff bzw. einen Zugriffsfehler im Netzwerk.</translation>
    </message>
    <message>
        <source>Bibliothek erfordert getrennte Datensegmente für jede Task.</source>
        <translation>Bibliothek erfordert getrennte Datensegmente für jede Task.</translation>
    </message>
    <message>
        <source>Not enough memory to start the application.</source>
        <translation>Nicht genügend Arbeitsspeicher, um die Anwendung zu starten.</translation>
    </message>
    <message>
        <source>Wrong Windows-Version.</source>
        <translation>Falsche Windows-Version.</translation>
    </message>
    <message>
        <source>Invalid .EXE-file.</source>
        <translation>Ungültige .EXE-Datei.</translation>
    </message>
    <message>
        <source>Application is based on a other operation system.</source>
        <translation>Die Anwendung ist für ein anderes Betriebssystem bestimmt.</translation>
    </message>
    <message>
        <source>DOS 4.0-application.</source>
        <translation>DOS-4.0-Anwendung.</translation>
    </message>
    <message>
        <source>Unknown .EXE-filetype.</source>
        <translation>Unbekannter .EXE-Dateityp.</translation>
    </message>
    <message>
        <source>Versuch, im Protected Mode (Standardmodus oder erweiterter 386-Modus) eine für frühere Windows-Versionen erstellte .EXE-Datei zu laden</source>
        <translation>Versuch, im Protected Mode (Standardmodus oder erweiterter 386-Modus) eine für frühere Windows-Versionen erstellte .EXE-Datei zu laden.</translation>
    </message>
    <message>
        <source>You tried to start second time, die mehrfache (nicht Read-Only markierte) Datensegmente enthält.</source>
        <translation>Es wurde versucht, eine zweite Instanz einer Anwendung zu starten, die mehrfache (nicht schreibgeschützte) Datensegmente enthält.</translation>
    </message>
    <message>
        <source>You tried to excecute a zipped file. The file must be unzipped, before loading.</source>
        <translation>Es wurde versucht, eine komprimierte Datei auszuführen. Die Datei muss vor dem Laden entpackt werden.</translation>
    </message>
    <message>
        <source>The Dynamic-Link-Library(DLL)-file was damaged. A necessary DLL, to start the application is damaged or missing.</source>
        <translation>Die DLL-Datei (Dynamic Link Library) ist beschädigt. Eine zum Starten der Anwendung benötigte DLL ist beschädigt oder fehlt.</translation>
    </message>
    <message>
        <source>The application needs a 32-Bit-Environment.</source>
        <translation>Die Anwendung benötigt eine 32-Bit-Umgebung.</translation>
    </message>
    <message>
        <source>Application not found to start selected file</source>
        <translation>Keine Anwendung zum Öffnen der gewählten Datei gefunden</translation>
    </message>
</context>
<context>
    <name>Textgrenze</name>
    <message>
        <source>The text is too long: only its first %1 characters are kept.</source>
        <translation>Der Text ist zu lang: Nur seine ersten %1 Zeichen werden übernommen.</translation>
    </message>
</context>
<context>
    <name>TfrmBewehrung</name>
    <message>
        <source>Intermediate result for reinforcement </source>
        <translation>Zwischenergebnis der Bewehrung </translation>
    </message>
</context>
<context>
    <name>TfrmSplash</name>
    <message>
        <source>Selected language not available!</source>
        <translation>Die gewählte Sprache ist nicht verfügbar!</translation>
    </message>
</context>
<context>
    <name>trv::Befehle</name>
    <message>
        <source>&amp;New...</source>
        <translation>&amp;Neu...</translation>
    </message>
    <message>
        <source>begin new project|begin new project</source>
        <translation>Neues Projekt|Ein neues Projekt beginnen</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>Ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>open project|open an existing project file</source>
        <translation>Projekt öffnen|Eine bestehende Projektdatei öffnen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>save project|save the project in its file</source>
        <translation>Projekt speichern|Das Projekt in seiner Datei speichern</translation>
    </message>
    <message>
        <source>Save &amp;As ...</source>
        <translation>Speichern &amp;unter ...</translation>
    </message>
    <message>
        <source>save project as|save the project in a new file</source>
        <translation>Projekt speichern unter|Das Projekt in einer neuen Datei speichern</translation>
    </message>
    <message>
        <source>Printer Set&amp;up</source>
        <translation>Drucker&amp;einrichtung</translation>
    </message>
    <message>
        <source>printer setup|choose the printer and its page</source>
        <translation>Druckereinrichtung|Drucker und Seite wählen</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <source>print|print the result sheet of the current position</source>
        <translation>Drucken|Das Ergebnisblatt der aktuellen Position drucken</translation>
    </message>
    <message>
        <source>Print pro&amp;ject</source>
        <translation>Pro&amp;jekt drucken</translation>
    </message>
    <message>
        <source>print project|print the result sheets of every calculated position and the connector schedule</source>
        <translation>Projekt drucken|Die Ergebnisblätter aller berechneten Positionen und die Stückliste drucken</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>exit|end the program</source>
        <translation>Beenden|Das Programm beenden</translation>
    </message>
    <message>
        <source>Project Ad&amp;ministration</source>
        <translation>Projekt&amp;verwaltung</translation>
    </message>
    <message>
        <source>project administration|browse project files and take over positions</source>
        <translation>Projektverwaltung|Projektdateien durchsuchen und Positionen übernehmen</translation>
    </message>
    <message>
        <source>&amp;Add Position</source>
        <translation>Position &amp;hinzufügen</translation>
    </message>
    <message>
        <source>add position|add a copy of the current position</source>
        <translation>Position hinzufügen|Eine Kopie der aktuellen Position hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Delete Current Position</source>
        <translation>Aktuelle Position &amp;löschen</translation>
    </message>
    <message>
        <source>delete position|delete the current position</source>
        <translation>Position löschen|Die aktuelle Position löschen</translation>
    </message>
    <message>
        <source>Input &amp;Tree</source>
        <translation>Eingabe&amp;baum</translation>
    </message>
    <message>
        <source>input tree|show or hide the input tree</source>
        <translation>Eingabebaum|Den Eingabebaum ein- oder ausblenden</translation>
    </message>
    <message>
        <source>System &amp;Input</source>
        <translation>&amp;Systemeingabe</translation>
    </message>
    <message>
        <source>system input|return from the result sheet to the input</source>
        <translation>Systemeingabe|Vom Ergebnisblatt zur Eingabe zurückkehren</translation>
    </message>
    <message>
        <source>&amp;Project Data</source>
        <translation>&amp;Projektdaten</translation>
    </message>
    <message>
        <source>project data|edit the project description</source>
        <translation>Projektdaten|Die Projektbeschreibung bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Display Connector Schedule</source>
        <translation>Stückliste &amp;anzeigen</translation>
    </message>
    <message>
        <source>connector schedule|display the connector schedule</source>
        <translation>Stückliste|Die Stückliste anzeigen</translation>
    </message>
    <message>
        <source>&amp;Add to Connector Schedule</source>
        <translation>&amp;In Stückliste übernehmen</translation>
    </message>
    <message>
        <source>add to schedule|add the selected connector of the current position to the connector schedule</source>
        <translation>In Stückliste übernehmen|Den gewählten Dorn der aktuellen Position in die Stückliste übernehmen</translation>
    </message>
    <message>
        <source>calculation|check the inputs and design all connector types</source>
        <translation>Berechnung|Eingaben prüfen und alle Dorntypen bemessen</translation>
    </message>
    <message>
        <source>Calculation &amp;Preview</source>
        <translation>Berechnungs&amp;vorschau</translation>
    </message>
    <message>
        <source>preview|calculate and show the result sheet</source>
        <translation>Vorschau|Berechnen und das Ergebnisblatt anzeigen</translation>
    </message>
    <message>
        <source>DXF Export - &amp;Connector</source>
        <translation>DXF-Export - &amp;Dorn</translation>
    </message>
    <message>
        <source>connector CAD blocks|copy the CAD blocks of the selected connector</source>
        <translation>CAD-Blöcke Dorn|Die CAD-Blöcke des gewählten Dorns kopieren</translation>
    </message>
    <message>
        <source>DXF Export - &amp;Reinforcement</source>
        <translation>DXF-Export - &amp;Bewehrung</translation>
    </message>
    <message>
        <source>reinforcement drawing|DXF drawing of the reinforcement of the selected connector</source>
        <translation>Bewehrungszeichnung|DXF-Zeichnung der Bewehrung des gewählten Dorns</translation>
    </message>
    <message>
        <source>Export Results to &amp;File</source>
        <translation>Ergebnisse in Da&amp;tei exportieren</translation>
    </message>
    <message>
        <source>export results|save the result sheet in a file</source>
        <translation>Ergebnisse exportieren|Das Ergebnisblatt in einer Datei speichern</translation>
    </message>
    <message>
        <source>Export Results to C&amp;lipboard</source>
        <translation>Ergebnisse in &amp;Zwischenablage kopieren</translation>
    </message>
    <message>
        <source>results to clipboard|copy the result sheet to the clipboard</source>
        <translation>Ergebnisse in Zwischenablage|Das Ergebnisblatt in die Zwischenablage kopieren</translation>
    </message>
    <message>
        <source>design options|maximum spacing, steel grade and safety factor</source>
        <translation>Bemessungsoptionen|Maximaler Dornabstand, Stahlsorte und Widerstandsbeiwert</translation>
    </message>
    <message>
        <source>&amp;Screen Colours</source>
        <translation>Bildschirm&amp;farben</translation>
    </message>
    <message>
        <source>screen colours|choose the colours of the sketches</source>
        <translation>Bildschirmfarben|Die Farben der Skizzen wählen</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>help|contents of the help</source>
        <translation>Hilfe|Inhalt der Hilfe</translation>
    </message>
    <message>
        <source>Search for Key&amp;word</source>
        <translation>Suche nach &amp;Stichwort</translation>
    </message>
    <message>
        <source>search help|search the help</source>
        <translation>Hilfe durchsuchen|Die Hilfe durchsuchen</translation>
    </message>
    <message>
        <source>&amp;Use of Help</source>
        <translation>&amp;Verwendung der Hilfe</translation>
    </message>
    <message>
        <source>use of help|how to use the help</source>
        <translation>Verwendung der Hilfe|Wie die Hilfe verwendet wird</translation>
    </message>
    <message>
        <source>&amp;About Varnel Shear Connectors</source>
        <translation>Ü&amp;ber Varnel-Querkraftdorne</translation>
    </message>
    <message>
        <source>about|version and maker of the program</source>
        <translation>Info|Version und Hersteller des Programms</translation>
    </message>
    <message>
        <source>&amp;Varnel Shear Connectors Manual</source>
        <translation>&amp;Handbuch Varnel-Querkraftdorne</translation>
    </message>
    <message>
        <source>manual|open the manual of the shear connectors</source>
        <translation>Handbuch|Das Handbuch der Querkraftdorne öffnen</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Ansicht</translation>
    </message>
    <message>
        <source>view|view of the joint with the connector</source>
        <translation>Ansicht|Ansicht der Fuge mit dem Dorn</translation>
    </message>
    <message>
        <source>Plan View</source>
        <translation>Draufsicht</translation>
    </message>
    <message>
        <source>plan view|plan view of the connector</source>
        <translation>Draufsicht|Draufsicht auf den Dorn</translation>
    </message>
    <message>
        <source>Section</source>
        <translation>Schnitt</translation>
    </message>
    <message>
        <source>section|section through the joint</source>
        <translation>Schnitt|Schnitt durch die Fuge</translation>
    </message>
    <message>
        <source>Row View</source>
        <translation>Reihenansicht</translation>
    </message>
    <message>
        <source>row view|arrangement of the connectors along the joint</source>
        <translation>Reihenansicht|Anordnung der Dorne entlang der Fuge</translation>
    </message>
    <message>
        <source>Reinforcement</source>
        <translation>Bewehrung</translation>
    </message>
    <message>
        <source>reinforcement|adjust the reinforcement of the selected connector</source>
        <translation>Bewehrung|Die Bewehrung des gewählten Dorns anpassen</translation>
    </message>
    <message>
        <source>Sketch to &amp;Clipborad</source>
        <translation>Skizze in &amp;Zwischenablage</translation>
    </message>
    <message>
        <source>copy sketch|copy the sketch to the clipboard</source>
        <translation>Skizze kopieren|Die Skizze in die Zwischenablage kopieren</translation>
    </message>
    <message>
        <source>Save sketch in file</source>
        <translation>Skizze in Datei speichern</translation>
    </message>
    <message>
        <source>save sketch|save the sketch in a file</source>
        <translation>Skizze speichern|Die Skizze in einer Datei speichern</translation>
    </message>
    <message>
        <source>Represent sketch as full picture</source>
        <translation>Skizze vergrössert darstellen</translation>
    </message>
    <message>
        <source>enlarge sketch|show the sketch in a window of its own</source>
        <translation>Skizze vergrössern|Die Skizze in einem eigenen Fenster anzeigen</translation>
    </message>
    <message>
        <source>DXF-Export</source>
        <translation>DXF-Export</translation>
    </message>
    <message>
        <source>DXF export|DXF drawing of the reinforcement of the selected connector</source>
        <translation>DXF-Export|DXF-Zeichnung der Bewehrung des gewählten Dorns</translation>
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
        <translation>&amp;Berechnung</translation>
    </message>
    <message>
        <source>&amp;Calculation</source>
        <comment>Options menu: design options</comment>
        <translation>&amp;Bemessung</translation>
    </message>
</context>
<context>
    <name>trv::Projektbefehle</name>
    <message>
        <source>Do you want to save current calculation?</source>
        <translation>Möchten Sie die aktuelle Berechnung speichern?</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>The file %1 has been changed by another program since it was opened or saved here. Do you want to overwrite it?</source>
        <translation>Die Datei %1 wurde seit dem Öffnen oder Speichern hier von einem anderen Programm geändert. Möchten Sie sie überschreiben?</translation>
    </message>
    <message>
        <source>Result sheets with their project (*.pdf *.PDF)</source>
        <translation>Ergebnisblätter mit ihrem Projekt (*.pdf *.PDF)</translation>
    </message>
</context>
<context>
    <name>trv::TEingabebaum</name>
    <message>
        <source>Input tree</source>
        <translation>Eingabebaum</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Save As ...</source>
        <translation>Speichern unter ...</translation>
    </message>
    <message>
        <source>Printer Setup ...</source>
        <translation>Druckereinrichtung ...</translation>
    </message>
    <message>
        <source>Project Administration</source>
        <translation>Projektverwaltung</translation>
    </message>
    <message>
        <source>Project: </source>
        <translation>Projekt: </translation>
    </message>
    <message>
        <source>Add Position</source>
        <translation>Position hinzufügen</translation>
    </message>
    <message>
        <source>Delete Current Position</source>
        <translation>Aktuelle Position löschen</translation>
    </message>
    <message>
        <source>Current Positions</source>
        <translation>Aktuelle Positionen</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Eingabe</translation>
    </message>
    <message>
        <source>Project Data</source>
        <translation>Projektdaten</translation>
    </message>
    <message>
        <source>Connector Schedule</source>
        <translation>Stückliste</translation>
    </message>
    <message>
        <source>Display Connector Schedule</source>
        <translation>Stückliste anzeigen</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Calculation</source>
        <translation>Berechnung</translation>
    </message>
    <message>
        <source>Screen Colours</source>
        <translation>Bildschirmfarben</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>About Help</source>
        <translation>Verwendung der Hilfe</translation>
    </message>
    <message>
        <source>About Varnel Shear Connectors</source>
        <translation>Über Varnel-Querkraftdorne</translation>
    </message>
    <message>
        <source>Varnel Shear Connectors Manual</source>
        <translation>Handbuch Varnel-Querkraftdorne</translation>
    </message>
    <message>
        <source>End program</source>
        <translation>Programm beenden</translation>
    </message>
    <message>
        <source>System Input</source>
        <translation>Systemeingabe</translation>
    </message>
    <message>
        <source>Add to Connector Schedule</source>
        <translation>In Stückliste übernehmen</translation>
    </message>
</context>
<context>
    <name>trv::TEingabepanel</name>
    <message>
        <source>Application case</source>
        <translation>Anwendungsfall</translation>
    </message>
    <message>
        <source>Single Shear Connector</source>
        <translation>Einzelner Querkraftdorn</translation>
    </message>
    <message>
        <source>Calculation of a single double shear connector in a beam</source>
        <translation>Berechnung eines einzelnen Querkraftdorns in einem Balken</translation>
    </message>
    <message>
        <source>Row of connectors in a slab</source>
        <translation>Dornreihe in einer Platte</translation>
    </message>
    <message>
        <source>Calculation for a row type of arrangement of connectors in a slab</source>
        <translation>Berechnung einer Reihenanordnung von Dornen in einer Platte</translation>
    </message>
    <message>
        <source>Row of connectors in wall</source>
        <translation>Dornreihe in einer Wand</translation>
    </message>
    <message>
        <source>Calculation for a row type of connector arrangement in a wall</source>
        <translation>Berechnung einer Reihenanordnung von Dornen in einer Wand</translation>
    </message>
    <message>
        <source>Determination of reinforcement</source>
        <translation>Ermittlung der Bewehrung</translation>
    </message>
    <message>
        <source>&amp;Single load</source>
        <translation>&amp;Einzellast</translation>
    </message>
    <message>
        <source>con&amp;stant</source>
        <translation>&amp;konstant</translation>
    </message>
    <message>
        <source>Uniform distributed load</source>
        <translation>Konstante Linienlast</translation>
    </message>
    <message>
        <source>input an uniform distributed load onto the building component to be connected</source>
        <translation>Eine konstante Linienlast auf das anzuschliessende Bauteil eingeben</translation>
    </message>
    <message>
        <source>&amp;Uniformly</source>
        <translation>&amp;linear</translation>
    </message>
    <message>
        <source>Increasing distributed load</source>
        <translation>Linear veränderliche Linienlast</translation>
    </message>
    <message>
        <source>input an increasing distributed load onto the building component to be connected</source>
        <translation>Eine linear veränderliche Linienlast auf das anzuschliessende Bauteil eingeben</translation>
    </message>
    <message>
        <source>&amp;Arbitrary</source>
        <translation>&amp;beliebig</translation>
    </message>
    <message>
        <source>Varying distributed load</source>
        <translation>Beliebig veränderliche Linienlast</translation>
    </message>
    <message>
        <source>Entry of a varying distributed load on the building component to be connected</source>
        <translation>Eingabe einer beliebig veränderlichen Linienlast auf das anzuschliessende Bauteil</translation>
    </message>
    <message>
        <source>Point Load</source>
        <translation>Einzellast</translation>
    </message>
    <message>
        <source>Distributed Load</source>
        <translation>Linienlast</translation>
    </message>
    <message>
        <source>Dead load</source>
        <translation>Eigenlast</translation>
    </message>
    <message>
        <source>Partial safety factor</source>
        <translation>Lastbeiwert</translation>
    </message>
    <message>
        <source>Imposed load</source>
        <translation>Nutzlast</translation>
    </message>
    <message>
        <source>Add. design load</source>
        <translation>Zus. Bemessungslast</translation>
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
        <translation>Gesamte Bemessungslast</translation>
    </message>
    <message>
        <source>[kN/m]</source>
        <translation>[kN/m]</translation>
    </message>
    <message>
        <source>Concrete quality</source>
        <translation>Betonfestigkeitsklasse</translation>
    </message>
    <message>
        <source>Maximum joint width</source>
        <translation>Maximale Fugenbreite</translation>
    </message>
    <message>
        <source>Eff. structural height</source>
        <translation>Statische Höhe</translation>
    </message>
    <message>
        <source>Joint length</source>
        <translation>Fugenlänge</translation>
    </message>
    <message>
        <source>Concrete cover above</source>
        <translation>Betonüberdeckung oben</translation>
    </message>
    <message>
        <source>Concrete cover below</source>
        <translation>Betonüberdeckung unten</translation>
    </message>
    <message>
        <source>Concrete cover to front</source>
        <translation>Betonüberdeckung vorne</translation>
    </message>
    <message>
        <source>Slab thickness</source>
        <translation>Plattenstärke</translation>
    </message>
    <message>
        <source>Wall thickness</source>
        <translation>Wandstärke</translation>
    </message>
    <message>
        <source>Edge distance left</source>
        <translation>Randabstand links</translation>
    </message>
    <message>
        <source>Edge distance right</source>
        <translation>Randabstand rechts</translation>
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
        <translation>Dorn</translation>
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
        <translation>Bemerkungen</translation>
    </message>
    <message>
        <source>Overview of the calculation</source>
        <translation>Übersicht der Berechnung</translation>
    </message>
    <message>
        <source>Overview of the calculation results</source>
        <translation>Übersicht der Berechnungsergebnisse</translation>
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
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Help on this window</source>
        <translation>Hilfe zu diesem Fenster</translation>
    </message>
</context>
<context>
    <name>trv::THilfefenster</name>
    <message>
        <source>Varnel - TRV / ZEDE Shear Connectors - Help</source>
        <translation>Varnel - TRV / ZEDE Querkraftdorne - Hilfe</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>In&amp;dex</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Suche</translation>
    </message>
    <message>
        <source>&amp;Look for:</source>
        <translation>Suchen &amp;nach:</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Vorwärts</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <source>Using the help</source>
        <translation>Hilfe benutzen</translation>
    </message>
</context>
<context>
    <name>trv::TStuecklistenExportDialog</name>
    <message>
        <source>Varnel - TRV / ZEDE Shear Connector - Export Connector Schedule</source>
        <translation>Varnel - TRV / ZEDE Querkraftdorne - Stückliste exportieren</translation>
    </message>
    <message>
        <source>Export in Metafile Format (*.svg)</source>
        <translation>Export im SVG-Vektorformat (*.svg)</translation>
    </message>
    <message>
        <source>Export in Bitmap Format (*.bmp)</source>
        <translation>Export im Bitmap-Format (*.bmp)</translation>
    </message>
    <message>
        <source>Export in JPeg Format (*.jpg)</source>
        <translation>Export im JPEG-Format (*.jpg)</translation>
    </message>
    <message>
        <source>Export in Text Format (*.txt)</source>
        <translation>Export im Textformat (*.txt)</translation>
    </message>
</context>
<context>
    <name>trv::TfrmAbout</name>
    <message>
        <source>This program is an aid to the design of TRV and ZEDE shear connectors. It does not replace the judgement of a qualified structural engineer. The results must be checked by the engineer responsible for the structure before they are used, and the responsibility for the design remains with that engineer.

Check all input data. The results are valid only for the connectors, materials and boundary conditions described in the program and in the manual, and only for the data entered; the maker accepts no liability for results obtained with wrong or incomplete input, for the use of other products, or for damage arising from the use of the program, except where the law provides otherwise.

The program has been tested with care on the operating systems named in the manual. Faults caused by other system software, printers or other programs cannot be excluded. Please report any fault you find to the maker.</source>
        <translation>Dieses Programm ist ein Hilfsmittel für die Bemessung von TRV- und ZEDE-Querkraftdornen. Es ersetzt nicht die Beurteilung durch eine qualifizierte Bauingenieurin oder einen qualifizierten Bauingenieur. Die Ergebnisse müssen vor ihrer Verwendung von der für das Tragwerk verantwortlichen Ingenieurin oder dem verantwortlichen Ingenieur geprüft werden; die Verantwortung für die Bemessung bleibt bei dieser Person.

Prüfen Sie alle Eingabedaten. Die Ergebnisse gelten nur für die im Programm und im Handbuch beschriebenen Dorne, Werkstoffe und Randbedingungen und nur für die eingegebenen Daten. Der Hersteller übernimmt keine Haftung für Ergebnisse, die mit falschen oder unvollständigen Eingaben erzielt werden, für die Verwendung anderer Produkte oder für Schäden, die aus der Verwendung des Programms entstehen, soweit das Gesetz nichts anderes vorschreibt.

Das Programm wurde auf den im Handbuch genannten Betriebssystemen sorgfältig getestet. Störungen durch andere Systemsoftware, Drucker oder andere Programme können nicht ausgeschlossen werden. Bitte melden Sie gefundene Fehler dem Hersteller.</translation>
    </message>
    <message>
        <source>About Varnel - TRV / ZEDE Shear Connectors</source>
        <translation>Über Varnel - TRV / ZEDE Querkraftdorne</translation>
    </message>
    <message>
        <source>Varnel - TRV / ZEDE Shear Connectors</source>
        <translation>Varnel - TRV / ZEDE Querkraftdorne</translation>
    </message>
    <message>
        <source>This program will enable the calculation of TRV and ZEDE shear connectors supporting higher transverse loads</source>
        <translation>Dieses Programm ermöglicht die Bemessung von TRV- und ZEDE-Querkraftdornen für grössere Querkräfte</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Version:</translation>
    </message>
    <message>
        <source>TRV - %1</source>
        <translation>TRV - %1</translation>
    </message>
    <message>
        <source>Created on:</source>
        <translation>Erstellt am:</translation>
    </message>
    <message>
        <source>10.06.2009</source>
        <translation>10.06.2009</translation>
    </message>
    <message>
        <source>Disclaimer</source>
        <translation>Haftungsausschluss</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
</context>
<context>
    <name>trv::TfrmBemessung</name>
    <message>
        <source>Settings for Calculation</source>
        <translation>Einstellungen für die Berechnung</translation>
    </message>
    <message>
        <source>Max. Spacing of Dowels</source>
        <translation>Max. Dornabstand</translation>
    </message>
    <message>
        <source>partial safety factor for steel</source>
        <translation>Widerstandsbeiwert für Stahl</translation>
    </message>
    <message>
        <source>reinforcement yield strength</source>
        <translation>Fliessgrenze Betonstahl</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Undertake entry and close window</source>
        <translation>Eingabe übernehmen und Fenster schliessen</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Discard entry and close window</source>
        <translation>Eingabe verwerfen und Fenster schliessen</translation>
    </message>
</context>
<context>
    <name>trv::TfrmBewehrung</name>
    <message>
        <source>Reinforcement</source>
        <translation>Bewehrung</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Anzahl</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Durchmesser</translation>
    </message>
    <message>
        <source>Top and Bottom Reinforcement</source>
        <translation>Bewehrung oben und unten</translation>
    </message>
    <message>
        <source>Vertical Reinforcement</source>
        <translation>Vertikale Bewehrung</translation>
    </message>
    <message>
        <source>Number of Top and Bottom Reinforcement bars</source>
        <translation>Anzahl Bewehrungsstäbe oben und unten</translation>
    </message>
    <message>
        <source>Change number of Top and Bottom Reinforcement bars</source>
        <translation>Anzahl Bewehrungsstäbe oben und unten ändern</translation>
    </message>
    <message>
        <source>Diameter of Top and Bottom Reinforcement bars</source>
        <translation>Durchmesser der Bewehrungsstäbe oben und unten</translation>
    </message>
    <message>
        <source>Change diameter of Top and Bottom Reinforcement bars</source>
        <translation>Durchmesser der Bewehrungsstäbe oben und unten ändern</translation>
    </message>
    <message>
        <source>Number Vertical Reinforcement bars</source>
        <translation>Anzahl vertikale Bewehrungsstäbe</translation>
    </message>
    <message>
        <source>Change number Vertical Reinforcement bars</source>
        <translation>Anzahl vertikale Bewehrungsstäbe ändern</translation>
    </message>
    <message>
        <source>Diameter of Vertical Reinforcement bars</source>
        <translation>Durchmesser der vertikalen Bewehrungsstäbe</translation>
    </message>
    <message>
        <source>Change diameter Vertical Reinforcement bars</source>
        <translation>Durchmesser der vertikalen Bewehrungsstäbe ändern</translation>
    </message>
    <message>
        <source>Connector of the TRV series</source>
        <translation>Dorn der Serie TRV</translation>
    </message>
    <message>
        <source>Connector of the ZEDE series</source>
        <translation>Dorn der Serie ZEDE</translation>
    </message>
    <message>
        <source>Intermediate result for reinforcement </source>
        <translation>Zwischenergebnis der Bewehrung </translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Undertake entry and close window</source>
        <translation>Eingabe übernehmen und Fenster schliessen</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Discard entry and close window</source>
        <translation>Eingabe verwerfen und Fenster schliessen</translation>
    </message>
    <message>
        <source>Reinforcement to current connector: </source>
        <translation>Bewehrung zum aktuellen Dorn: </translation>
    </message>
</context>
<context>
    <name>trv::TfrmFarbeinstellung</name>
    <message>
        <source>TRV - colour representation</source>
        <translation>TRV - Farbdarstellung</translation>
    </message>
    <message>
        <source>Sketch</source>
        <translation>Skizze</translation>
    </message>
    <message>
        <source>Concrete</source>
        <translation>Beton</translation>
    </message>
    <message>
        <source>Reinforcement</source>
        <translation>Bewehrung</translation>
    </message>
    <message>
        <source>Shear connector</source>
        <translation>Querkraftdorn</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Hintergrund</translation>
    </message>
    <message>
        <source>Colour of the sketch background</source>
        <translation>Farbe des Skizzenhintergrunds</translation>
    </message>
    <message>
        <source>Dimensioning</source>
        <translation>Bemassung</translation>
    </message>
    <message>
        <source>Colour representation of the dimensioning (Lines + Text)</source>
        <translation>Farbe der Bemassung (Linien + Text)</translation>
    </message>
    <message>
        <source>Border</source>
        <translation>Umriss</translation>
    </message>
    <message>
        <source>Colour of the concrete border</source>
        <translation>Farbe des Betonumrisses</translation>
    </message>
    <message>
        <source>Surface</source>
        <translation>Fläche</translation>
    </message>
    <message>
        <source>Colour of the concrete surfaces</source>
        <translation>Farbe der Betonflächen</translation>
    </message>
    <message>
        <source>Fire protection</source>
        <translation>Brandschutz</translation>
    </message>
    <message>
        <source>Colour of the fire protection sleeve</source>
        <translation>Farbe der Brandschutzmanschette</translation>
    </message>
    <message>
        <source>Position B</source>
        <translation>Position B</translation>
    </message>
    <message>
        <source>Colour of the horizontal reinforcement (Pos B)</source>
        <translation>Farbe der horizontalen Bewehrung (Pos. B)</translation>
    </message>
    <message>
        <source>Position D</source>
        <translation>Position D</translation>
    </message>
    <message>
        <source>Colour representation of the suspended reinforcement (pos D)</source>
        <translation>Farbe der Aufhängebewehrung (Pos. D)</translation>
    </message>
    <message>
        <source>Colour of the shear connector border</source>
        <translation>Farbe des Dornumrisses</translation>
    </message>
    <message>
        <source>Colour of the shear connector surface</source>
        <translation>Farbe der Dornfläche</translation>
    </message>
    <message>
        <source>&amp;Standard</source>
        <translation>&amp;Standard</translation>
    </message>
    <message>
        <source>Set back colour to standard value</source>
        <translation>Farben auf Standardwerte zurücksetzen</translation>
    </message>
    <message>
        <source>&amp;Grey scales</source>
        <translation>&amp;Graustufen</translation>
    </message>
    <message>
        <source>Adjust colour representation to grey scale</source>
        <translation>Farbdarstellung auf Graustufen umstellen</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Leave entry mask and undertake entry!</source>
        <translation>Eingabemaske verlassen und Eingabe übernehmen!</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Leave entry mask and discard entry!</source>
        <translation>Eingabemaske verlassen und Eingabe verwerfen!</translation>
    </message>
</context>
<context>
    <name>trv::TfrmHauptMaske</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Project</source>
        <translation>&amp;Projekt</translation>
    </message>
    <message>
        <source>&amp;Input</source>
        <translation>&amp;Eingabe</translation>
    </message>
    <message>
        <source>&amp;Connector Schedule</source>
        <translation>&amp;Stückliste</translation>
    </message>
    <message>
        <source>&amp;Results</source>
        <translation>E&amp;rgebnisse</translation>
    </message>
    <message>
        <source>&amp;Export Results</source>
        <translation>Ergebnisse &amp;exportieren</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Main tool bar</source>
        <translation>Hauptsymbolleiste</translation>
    </message>
    <message>
        <source>Sketches</source>
        <translation>Skizzen</translation>
    </message>
    <message>
        <source>lfd Nr.:</source>
        <translation>Lfd. Nr.:</translation>
    </message>
    <message>
        <source>Current position</source>
        <translation>Aktuelle Position</translation>
    </message>
    <message>
        <source>current position</source>
        <translation>aktuelle Position</translation>
    </message>
    <message>
        <source>number of the position shown</source>
        <translation>Nummer der angezeigten Position</translation>
    </message>
    <message>
        <source>Pro&amp;ject:</source>
        <translation>Pro&amp;jekt:</translation>
    </message>
    <message>
        <source>Project</source>
        <translation>Projekt</translation>
    </message>
    <message>
        <source>name of the project</source>
        <translation>Name des Projekts</translation>
    </message>
    <message>
        <source>Posi&amp;tion:</source>
        <translation>Pos&amp;ition:</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>description of the current position</source>
        <translation>Beschreibung der aktuellen Position</translation>
    </message>
    <message>
        <source>Retur&amp;n to entry</source>
        <translation>&amp;Zurück zur Eingabe</translation>
    </message>
    <message>
        <source>To C&amp;lipboard</source>
        <translation>In Zwischen&amp;ablage</translation>
    </message>
    <message>
        <source>Calculation Pre&amp;view</source>
        <translation>Berechnungs&amp;vorschau</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>E&amp;xportieren</translation>
    </message>
    <message>
        <source>Ca&amp;lculation</source>
        <translation>Berech&amp;nung</translation>
    </message>
    <message>
        <source>Hints</source>
        <translation>Hinweise</translation>
    </message>
    <message>
        <source>Sketch</source>
        <translation>Skizze</translation>
    </message>
    <message>
        <source>sketch</source>
        <translation>Skizze</translation>
    </message>
    <message>
        <source>click the sketch to copy, save or enlarge it</source>
        <translation>Klicken Sie auf die Skizze, um sie zu kopieren, zu speichern oder zu vergrössern</translation>
    </message>
    <message>
        <source>Result sheet</source>
        <translation>Ergebnisblatt</translation>
    </message>
    <message>
        <source>Input tree</source>
        <translation>Eingabebaum</translation>
    </message>
    <message>
        <source>Cannot open file!</source>
        <translation>Datei kann nicht geöffnet werden!</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(keine)</translation>
    </message>
    <message>
        <source>&amp;Clear List</source>
        <translation>Liste &amp;leeren</translation>
    </message>
    <message>
        <source>The project %1 does not exist any more. It is taken off the list.</source>
        <translation>Das Projekt %1 ist nicht mehr vorhanden. Es wird aus der Liste entfernt.</translation>
    </message>
    <message>
        <source>&amp;Recent Projects</source>
        <translation>&amp;Zuletzt geöffnete Projekte</translation>
    </message>
    <message>
        <source>The settings file %1 cannot be used: %2.
The program works with the default settings and keeps no changes of them.</source>
        <translation>Die Einstellungsdatei %1 kann nicht verwendet werden: %2.
Das Programm arbeitet mit den Standardeinstellungen und speichert keine Änderungen daran.</translation>
    </message>
</context>
<context>
    <name>trv::TfrmProjektdaten</name>
    <message>
        <source>Project Data</source>
        <translation>Projektdaten</translation>
    </message>
    <message>
        <source>Project:</source>
        <translation>Projekt:</translation>
    </message>
    <message>
        <source>Company</source>
        <translation>Firma</translation>
    </message>
    <message>
        <source>Designer:</source>
        <translation>Bearbeiter:</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Datum:</translation>
    </message>
    <message>
        <source>&amp;Today</source>
        <translation>&amp;Heute</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
</context>
<context>
    <name>trv::TfrmProjektverwaltung</name>
    <message>
        <source>Varnel - Project Administration</source>
        <translation>Varnel - Projektverwaltung</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>Project files</source>
        <translation>Projektdateien</translation>
    </message>
    <message>
        <source>Positions</source>
        <translation>Positionen</translation>
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
        <translation>Projekt</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Connection Type</source>
        <translation>Anschlussart</translation>
    </message>
    <message>
        <source>Length of Joint</source>
        <translation>Fugenlänge</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Choose the folder of the project files</source>
        <translation>Ordner der Projektdateien wählen</translation>
    </message>
    <message>
        <source>Choose a project file to list its positions</source>
        <translation>Projektdatei wählen, um ihre Positionen aufzulisten</translation>
    </message>
    <message>
        <source>Positions of the selected project file; a double click takes one over</source>
        <translation>Positionen der gewählten Projektdatei; ein Doppelklick übernimmt eine Position</translation>
    </message>
    <message>
        <source>Position &amp;Undertake</source>
        <translation>&amp;Position übernehmen</translation>
    </message>
    <message>
        <source>Take the selected position over into the current project</source>
        <translation>Die gewählte Position in das aktuelle Projekt übernehmen</translation>
    </message>
    <message>
        <source>&amp;Open Project</source>
        <translation>Projekt ö&amp;ffnen</translation>
    </message>
    <message>
        <source>Open the selected file as the project</source>
        <translation>Die gewählte Datei als Projekt öffnen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Close the window without action</source>
        <translation>Fenster ohne Aktion schliessen</translation>
    </message>
    <message>
        <source>No: </source>
        <translation>Nr.: </translation>
    </message>
    <message>
        <source>The name of this file holds bytes that are no text; they are shown as �.</source>
        <translation>Der Name dieser Datei enthält Bytes, die kein Text sind; sie werden als � angezeigt.</translation>
    </message>
</context>
<context>
    <name>trv::TfrmSplash</name>
    <message>
        <source>Varnel - TRV / ZEDE Shear Connectors</source>
        <translation>Varnel - TRV / ZEDE Querkraftdorne</translation>
    </message>
    <message>
        <source>&amp;Start Program</source>
        <translation>Programm &amp;starten</translation>
    </message>
    <message>
        <source>Show the program in German</source>
        <translation>Programm auf Deutsch anzeigen</translation>
    </message>
    <message>
        <source>Show the program in English</source>
        <translation>Programm auf Englisch anzeigen</translation>
    </message>
    <message>
        <source>Show the program in French</source>
        <translation>Programm auf Französisch anzeigen</translation>
    </message>
    <message>
        <source>Show the program in Italian</source>
        <translation>Programm auf Italienisch anzeigen</translation>
    </message>
    <message>
        <source>Show the program in Dutch</source>
        <translation>Programm auf Niederländisch anzeigen</translation>
    </message>
    <message>
        <source>Show the program in Spanish</source>
        <translation>Programm auf Spanisch anzeigen</translation>
    </message>
    <message>
        <source>Shear Connectors</source>
        <translation>Querkraftdorne</translation>
    </message>
</context>
<context>
    <name>trv::TfrmStueckliste</name>
    <message>
        <source>Varnel - TRV / ZEDE Shear Connectors - Connector Schedule</source>
        <translation>Varnel - TRV / ZEDE Querkraftdorne - Stückliste</translation>
    </message>
    <message>
        <source>Number of similar positions</source>
        <translation>Anzahl gleicher Positionen</translation>
    </message>
    <message>
        <source>Current Choice</source>
        <translation>Aktuelle Auswahl</translation>
    </message>
    <message>
        <source>Supplementary information to the connector schedule</source>
        <translation>Zusätzliche Angaben zur Stückliste</translation>
    </message>
    <message>
        <source>Connector Schedule</source>
        <translation>Stückliste</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>Position &amp;Delete</source>
        <translation>&amp;Position löschen</translation>
    </message>
    <message>
        <source>&amp;Preview</source>
        <translation>&amp;Vorschau</translation>
    </message>
    <message>
        <source>&amp;List</source>
        <translation>&amp;Liste</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>&amp;Exportieren</translation>
    </message>
    <message>
        <source>&amp;Clipboard</source>
        <translation>Zwischen&amp;ablage</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>When exporting a long connector schedule as graphic it has to be taken</source>
        <translation>Beim Export einer langen Stückliste als Grafik ist zu beachten,</translation>
    </message>
    <message>
        <source>into account that there are no page breaks beforehand in the graphic.</source>
        <translation>dass die Grafik keine Seitenumbrüche enthält.</translation>
    </message>
    <message>
        <source>With long connector schedules you can divide the connector schedule</source>
        <translation>Eine lange Stückliste können Sie durch Deaktivieren einzelner</translation>
    </message>
    <message>
        <source>into two or more export files through deactivating of single positions.</source>
        <translation>Positionen auf zwei oder mehr Exportdateien aufteilen.</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Aktiv</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>The preview could not be drawn: %1</source>
        <translation>Die Vorschau konnte nicht gezeichnet werden: %1</translation>
    </message>
    <message>
        <source>The connector schedule could not be printed: %1</source>
        <translation>Die Stückliste konnte nicht gedruckt werden: %1</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 existiert bereits.
Möchten Sie die Datei ersetzen?</translation>
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
        <translation>Vergrösserte Skizze</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Copy printout of results to clipboard</source>
        <translation>Ergebnisausdruck in die Zwischenablage kopieren</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>&amp;Exportieren</translation>
    </message>
    <message>
        <source>Export printout of results in file</source>
        <translation>Ergebnisausdruck in eine Datei exportieren</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schliessen</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>Fenster schliessen</translation>
    </message>
    <message>
        <source>Sketch to &amp;Clipborad</source>
        <translation>Skizze in &amp;Zwischenablage</translation>
    </message>
    <message>
        <source>Save sketch in file</source>
        <translation>Skizze in Datei speichern</translation>
    </message>
    <message>
        <source>&amp;Close window</source>
        <translation>&amp;Fenster schliessen</translation>
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
        <translation>Eingabe einer beliebigen Querkraftverteilung</translation>
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
        <translation>Koordinate der eingegebenen Last, von links gemessen</translation>
    </message>
    <message>
        <source>Load value</source>
        <translation>Lastwert</translation>
    </message>
    <message>
        <source>Value of loading at the position of the coordinate x</source>
        <translation>Wert der Belastung an der Stelle der Koordinate x</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <source>Place pair of values</source>
        <translation>Wertepaar einfügen</translation>
    </message>
    <message>
        <source>Pair of values (x,q) add to list</source>
        <translation>Wertepaar (x,q) zur Liste hinzufügen</translation>
    </message>
    <message>
        <source>C&amp;hange</source>
        <translation>Ä&amp;ndern</translation>
    </message>
    <message>
        <source>Transfer changes in the list</source>
        <translation>Änderungen in die Liste übernehmen</translation>
    </message>
    <message>
        <source>Transfer changes in the pairs of values (x,q) in the list</source>
        <translation>Änderungen der Wertepaare (x,q) in die Liste übernehmen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>delete current pair of values</source>
        <translation>Aktuelles Wertepaar löschen</translation>
    </message>
    <message>
        <source>delete current pair of values (x,q) from the list</source>
        <translation>Aktuelles Wertepaar (x,q) aus der Liste löschen</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Undertake entry and close window</source>
        <translation>Eingabe übernehmen und Fenster schliessen</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Discard entry and close window</source>
        <translation>Eingabe verwerfen und Fenster schliessen</translation>
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
        <translation>Für die eingegebene Koordinate existiert bereits ein Wert!<byte value="xd"/>
<byte value="xd"/>
 Soll er überschrieben werden?</translation>
    </message>
</context>
<context>
    <name>trv::dxf::TDXF_Anzeige_Form</name>
    <message>
        <source>DXF display form</source>
        <translation>DXF-Anzeige</translation>
    </message>
    <message>
        <source>&amp;Save as DXF</source>
        <translation>Als DXF &amp;speichern</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>Varnel - TRV / ZEDE Shear Connectors - DXF-Export</source>
        <translation>Varnel - TRV / ZEDE Querkraftdorne - DXF-Export</translation>
    </message>
    <message>
        <source>DXF databases (*.dxf)</source>
        <translation>DXF-Dateien (*.dxf)</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 existiert bereits.
Möchten Sie die Datei ersetzen?</translation>
    </message>
    <message>
        <source>The DXF file could not be written:
%1
(%2)</source>
        <translation>Die DXF-Datei konnte nicht geschrieben werden:
%1
(%2)</translation>
    </message>
    <message>
        <source>the drawing holds a value that a DXF file cannot take</source>
        <translation>die Zeichnung enthält einen Wert, den eine DXF-Datei nicht aufnehmen kann</translation>
    </message>
    <message>
        <source>no permission to write in this folder</source>
        <translation>keine Schreibberechtigung in diesem Ordner</translation>
    </message>
    <message>
        <source>the folder does not exist</source>
        <translation>der Ordner existiert nicht</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>der Datenträger ist voll</translation>
    </message>
    <message>
        <source>the disk is write-protected</source>
        <translation>der Datenträger ist schreibgeschützt</translation>
    </message>
    <message>
        <source>a folder of that name exists</source>
        <translation>ein Ordner mit diesem Namen existiert</translation>
    </message>
    <message>
        <source>a device or another special file of that name exists</source>
        <translation>ein Gerät oder eine andere Spezialdatei mit diesem Namen existiert</translation>
    </message>
    <message>
        <source>the file name is too long</source>
        <translation>der Dateiname ist zu lang</translation>
    </message>
    <message>
        <source>system error %1</source>
        <translation>Systemfehler %1</translation>
    </message>
</context>
<context>
    <name>trv::dxf::Zoom_panel</name>
    <message>
        <source>Zoom out</source>
        <translation>Verkleinern</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Vergrössern</translation>
    </message>
    <message>
        <source>Previous view</source>
        <translation>Vorherige Ansicht</translation>
    </message>
    <message>
        <source>Whole drawing</source>
        <translation>Ganze Zeichnung</translation>
    </message>
    <message>
        <source>Horizontal position</source>
        <translation>Horizontale Position</translation>
    </message>
    <message>
        <source>Vertical position</source>
        <translation>Vertikale Position</translation>
    </message>
    <message>
        <source>Drawing</source>
        <translation>Zeichnung</translation>
    </message>
    <message>
        <source>Drag a rectangle to zoom into it, double-click to centre the view; + and - zoom, the arrow keys scroll</source>
        <translation>Ziehen Sie ein Rechteck auf, um hineinzuzoomen; Doppelklick zentriert die Ansicht; + und - zoomen, die Pfeiltasten verschieben die Ansicht</translation>
    </message>
    <message>
        <source>Mouse position</source>
        <translation>Mausposition</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>Massstab</translation>
    </message>
</context>
</TS>
