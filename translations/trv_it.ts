<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name>Ausgabe</name>
    <message>
        <source>the picture could not be encoded as %1</source>
        <translation>impossibile codificare l&apos;immagine come %1</translation>
    </message>
    <message>
        <source>the SVG picture could not be started</source>
        <translation>impossibile creare l&apos;immagine SVG</translation>
    </message>
    <message>
        <source>the PDF file was not written</source>
        <translation>il file PDF non è stato scritto</translation>
    </message>
    <message>
        <source>no file named for the PDF document</source>
        <translation>nessun nome di file indicato per il documento PDF</translation>
    </message>
    <message>
        <source>the printer could not be started</source>
        <translation>impossibile avviare la stampante</translation>
    </message>
    <message>
        <source>the printer could not finish the document</source>
        <translation>la stampante non ha potuto completare il documento</translation>
    </message>
    <message>
        <source>no position is calculated and the connector schedule is empty</source>
        <translation>nessuna posizione è stata calcolata e la distinta connettori è vuota</translation>
    </message>
    <message>
        <source>there is no such position in the project</source>
        <translation>questa posizione non esiste nel progetto</translation>
    </message>
    <message>
        <source>the position is not calculated: the result sheet needs its results</source>
        <translation>la posizione non è calcolata: il foglio dei risultati ha bisogno dei suoi risultati</translation>
    </message>
    <message>
        <source>the result sheet is written as .pdf, .png or .svg</source>
        <translation>il foglio dei risultati si scrive come .pdf, .png o .svg</translation>
    </message>
    <message>
        <source>the connector schedule is written as .txt or .pdf</source>
        <translation>la distinta dei connettori si scrive come .txt o .pdf</translation>
    </message>
    <message>
        <source>a sketch is written as .png or .svg</source>
        <translation>uno schizzo si scrive come .png o .svg</translation>
    </message>
    <message>
        <source>the position is not calculated: the result sketches need its results</source>
        <translation>la posizione non è calcolata: gli schizzi dei risultati hanno bisogno dei suoi risultati</translation>
    </message>
    <message>
        <source>the picture could not be made</source>
        <translation>non è stato possibile creare l&apos;immagine</translation>
    </message>
</context>
<context>
    <name>Bildexport</name>
    <message>
        <source>Varnel - TRV / ZEDE Shear Connectors - Export results</source>
        <translation>Varnel - Connettori a taglio TRV / ZEDE - Esporta risultati</translation>
    </message>
    <message>
        <source>export in SVG vector format (*.svg)</source>
        <translation>Esporta in formato vettoriale SVG (*.svg)</translation>
    </message>
    <message>
        <source>Export in Bitmap Format (*.bmp)</source>
        <translation>Esporta in formato bitmap (*.bmp)</translation>
    </message>
    <message>
        <source>Export in JPeg Format (*.jpg)</source>
        <translation>Esporta in formato JPEG (*.jpg)</translation>
    </message>
    <message>
        <source>Export as PDF document (*.pdf)</source>
        <translation>Esporta come documento PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The picture could not be saved as
%1:
%2</source>
        <translation>Impossibile salvare l&apos;immagine come
%1:
%2</translation>
    </message>
    <message>
        <source>there is no picture to export</source>
        <translation>non c&apos;è alcuna immagine da esportare</translation>
    </message>
</context>
<context>
    <name>Blattbeilage</name>
    <message>
        <source>shear connector</source>
        <translation>connettore a taglio</translation>
    </message>
    <message>
        <source>Result sheet of position %1</source>
        <translation>Foglio dei risultati della posizione %1</translation>
    </message>
    <message>
        <source>Result sheets of the project and connector schedule</source>
        <translation>Fogli dei risultati del progetto e distinta dei connettori</translation>
    </message>
</context>
<context>
    <name>CadBlockExport</name>
    <message>
        <source>DXF databases (*.dxf)</source>
        <translation>File DXF (*.dxf)</translation>
    </message>
    <message>
        <source>DWG database (*.dwg)</source>
        <translation>File DWG (*.dwg)</translation>
    </message>
    <message>
        <source>The connector blocks are supplied as DXF files only: DWG files cannot be written by this program.

Save the blocks as DXF files instead? Every CAD program reads DXF.</source>
        <translation>I blocchi dei connettori sono forniti solo come file DXF: questo programma non può scrivere file DWG.

Salvare invece i blocchi come file DXF? Tutti i programmi CAD leggono il formato DXF.</translation>
    </message>
    <message>
        <source>Cannot open file!</source>
        <translation>Impossibile aprire il file!</translation>
    </message>
    <message>
        <source>The file %1 could not be copied to %2:
%3</source>
        <translation>Impossibile copiare il file %1 in %2:
%3</translation>
    </message>
    <message>
        <source>The file - </source>
        <translation>Il file - </translation>
    </message>
    <message>
        <source> - was not found.The required file can only be installed from the CD version!</source>
        <translation> - non è stato trovato. Il file richiesto può essere installato solo dalla versione su CD!</translation>
    </message>
</context>
<context>
    <name>Druckbefehle</name>
    <message>
        <source>no file was named for the PDF</source>
        <translation>nessun nome di file indicato per il PDF</translation>
    </message>
    <message>
        <source>The result sheet could not be printed:
%1</source>
        <translation>Impossibile stampare il foglio dei risultati:
%1</translation>
    </message>
    <message>
        <source>There is nothing to print: no position is calculated and the connector schedule is empty.</source>
        <translation>Non c&apos;è nulla da stampare: nessuna posizione è stata calcolata e la distinta connettori è vuota.</translation>
    </message>
    <message>
        <source>These positions are not calculated and are not printed: %1.

Print the other positions and the connector schedule?</source>
        <translation>Le seguenti posizioni non sono state calcolate e non vengono stampate: %1.

Stampare le altre posizioni e la distinta connettori?</translation>
    </message>
    <message>
        <source>The project could not be printed:
%1</source>
        <translation>Impossibile stampare il progetto:
%1</translation>
    </message>
</context>
<context>
    <name>Druckbilder</name>
    <message>
        <source>shear connectors</source>
        <translation>connettori a taglio</translation>
    </message>
    <message>
        <source>n = number of data entries</source>
        <translation>n = numero di dati immessi</translation>
    </message>
</context>
<context>
    <name>Druckerwahl</name>
    <message>
        <source>Print to PDF file</source>
        <translation>Stampa su file PDF</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>Documento PDF (*.pdf)</translation>
    </message>
</context>
<context>
    <name>Hilfe</name>
    <message>
        <source>The help file %1 was not found.</source>
        <translation>Il file della guida %1 non è stato trovato.</translation>
    </message>
    <message>
        <source>The help file %1 cannot be read.</source>
        <translation>Il file della guida %1 non può essere letto.</translation>
    </message>
</context>
<context>
    <name>Projektbefehle</name>
    <message>
        <source>Varnel - TRV / ZEDE Shear Connectors</source>
        <translation>Varnel - Connettori a taglio TRV / ZEDE</translation>
    </message>
</context>
<context>
    <name>Projektzustand</name>
    <message>
        <source>%1 (the file name holds bytes that are no text: �)</source>
        <translation>%1 (il nome del file contiene byte che non sono testo: �)</translation>
    </message>
</context>
<context>
    <name>Ressource</name>
    <message>
        <source>Unnamed</source>
        <comment>Unbenannt</comment>
        <translation>Senza nome</translation>
    </message>
    <message>
        <source>It is only a position in the existing project.<byte value="xd"/>
<byte value="xd"/>
The last position cannot be removed!</source>
        <comment>LetztePositionLoeschen</comment>
        <translation>Il progetto contiene una sola posizione.<byte value="xd"/>
<byte value="xd"/>
L&apos;ultima posizione non può essere eliminata!</translation>
    </message>
    <message>
        <source>Fatal error in calculating process! The result of the calculation is invalid!
<byte value="xd"/>Try the calculation with new input data and refer to the programme producer.</source>
        <comment>Rechenfehler</comment>
        <translation>Errore fatale nel processo di calcolo! Il risultato del calcolo non è valido!
<byte value="xd"/>Ripetere il calcolo con nuovi dati di input e rivolgersi al produttore del programma.</translation>
    </message>
    <message>
        <source>The thickness of the concrete slab is less than the minimum thickness of concrete for the smallest shear connector!</source>
        <comment>PlausiDickeMin</comment>
        <translation>Lo spessore della soletta in calcestruzzo è inferiore allo spessore minimo richiesto per il connettore a taglio più piccolo!</translation>
    </message>
    <message>
        <source>The thickness of the concrete slab to be connected is less than the structural effective height!</source>
        <comment>PlausiNutzhoehe</comment>
        <translation>Lo spessore della soletta da collegare è inferiore all&apos;altezza utile!</translation>
    </message>
    <message>
        <source>Structural effective height is &lt; 10mm. Please check!</source>
        <comment>PlausiNutzhoeheKlein</comment>
        <translation>L&apos;altezza utile è &lt; 10 mm. Verificare!</translation>
    </message>
    <message>
        <source>Concrete cover above is &lt;10mm. Please check</source>
        <comment>PlausiDeckungOben</comment>
        <translation>Il copriferro superiore è &lt; 10 mm. Verificare!</translation>
    </message>
    <message>
        <source>Concrete cover below is &lt;10mm.Please check</source>
        <comment>PlausiDeckungUnten</comment>
        <translation>Il copriferro inferiore è &lt; 10 mm. Verificare!</translation>
    </message>
    <message>
        <source>The sum of the concrete cover is greater than the thickness of the concrete slab to be connected!</source>
        <comment>PlausiDeckungSumme</comment>
        <translation>La somma dei copriferri è maggiore dello spessore della soletta da collegare!</translation>
    </message>
    <message>
        <source>The wall thickness is less than the minimum required thickness of concrete for the smallest shear connector!</source>
        <comment>PlausiWandDicke</comment>
        <translation>Lo spessore della parete è inferiore allo spessore minimo di calcestruzzo richiesto per il connettore a taglio più piccolo!</translation>
    </message>
    <message>
        <source>Single shear connector loaded with point load\Row of shear connectors - connection slab to slab\Row of shear connectors - connection slab to wall\</source>
        <comment>AnwendungsfallLang</comment>
        <translation>Connettore a taglio singolo con carico concentrato\Fila di connettori a taglio - collegamento soletta-soletta\Fila di connettori a taglio - collegamento soletta-parete\</translation>
    </message>
    <message>
        <source>Single shear connector\Connector row, slab to slab\Connector row, slab to wall\</source>
        <comment>AnwendungsfallKurz</comment>
        <translation>Connettore singolo\Fila di connettori, soletta-soletta\Fila di connettori, soletta-parete\</translation>
    </message>
    <message>
        <source>OK\d &lt; d min\Vsd &gt; VRd\e &lt; min e\c &lt; min c\e &lt; suit e\f &gt; permissible\e &lt; reqd e\c &lt; reqd c\dw &lt; reqd dw\</source>
        <comment>StatusKurz</comment>
        <translation>OK\d &lt; d min\Vsd &gt; VRd\e &lt; e min\c &lt; c min\e &lt; e adeg.\f &gt; ammissibile\e &lt; e rich.\c &lt; c rich.\dw &lt; dw rich.\</translation>
    </message>
    <message>
        <source>Calculation ok\Concrete thickness too small\Load too great\Connector spacing is below minimum value\Connector edge distance is below minimum value\Spacing too small to suit vertical reinforcement\Joint width out of range for this dowel\Connector spacing for standard reinforcement too small for approval\Edge spacing according to standard reinforcement too small for approval\The wall thickness is smaller than required for the selected connector\</source>
        <comment>StatusLang</comment>
        <translation>Calcolo OK\Spessore del calcestruzzo insufficiente\Carico troppo elevato\Interasse dei connettori inferiore al valore minimo\Distanza dal bordo del connettore inferiore al valore minimo\Interasse troppo piccolo per l&apos;armatura verticale\Larghezza del giunto fuori dal campo ammesso per questo spinotto\Interasse dei connettori troppo piccolo per l&apos;armatura standard secondo il benestare tecnico\Distanza dal bordo troppo piccola per l&apos;armatura standard secondo il benestare tecnico\Lo spessore della parete è inferiore a quello richiesto per il connettore selezionato\</translation>
    </message>
    <message>
        <source>The maximum spacings of the dowels is larger than 5 * slab thickness. Please check dowel alignment!\Minimum spacing and edge distance are based on the thinnest slab for the actual connector load\</source>
        <comment>Hinweistexte</comment>
        <translation>L&apos;interasse massimo dei connettori è maggiore di 5 * spessore della soletta. Verificare la disposizione dei connettori!\Interasse minimo e distanza minima dal bordo si riferiscono alla soletta più sottile per il carico effettivo sul connettore\</translation>
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
        <translation>Posizione                         \N. pos. \N. connettori \Denominazione                                         \Tot. connettori\Stato \Pos\Spessore soletta\Altezza utile             \Tipo di appoggio\</translation>
    </message>
    <message>
        <source>reinf&apos;t based on max. FRd\reinf&apos;t based on act. FRd\</source>
        <comment>BewehrungsBasis</comment>
        <translation>armatura per FRd max.\armatura per FRd eff.\</translation>
    </message>
    <message>
        <source>Unlimited\5 * Slab Thickness\</source>
        <comment>MaxAbstandOptionen</comment>
        <translation>Illimitato\5 * spessore soletta\</translation>
    </message>
    <message>
        <source>Calculation with reinforcement according optimal connector use</source>
        <comment>BlattVerstaerkungOptimal</comment>
        <translation>Calcolo con armatura per l&apos;utilizzo ottimale del connettore</translation>
    </message>
    <message>
        <source>Calculation with reinforcement according max. load capacity of dowel</source>
        <comment>BlattVerstaerkungMaximal</comment>
        <translation>Calcolo con armatura per la capacità portante max. dello spinotto</translation>
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
        <translation>con</translation>
    </message>
    <message>
        <source>no. of dowels</source>
        <comment>BlattAnzahlDuebel</comment>
        <translation>n. di spinotti</translation>
    </message>
    <message>
        <source>Selected</source>
        <comment>BlattGewaehlt</comment>
        <translation>Selezionato</translation>
    </message>
    <message>
        <source>Results</source>
        <comment>BlattErgebnisse</comment>
        <translation>Risultati</translation>
    </message>
    <message>
        <source>Input</source>
        <comment>BlattEingabe</comment>
        <translation>Dati di input</translation>
    </message>
    <message>
        <source>Concrete quality</source>
        <comment>BlattBetonguete</comment>
        <translation>Classe del calcestruzzo</translation>
    </message>
    <message>
        <source>Slab thickness</source>
        <comment>BlattPlattenDicke</comment>
        <translation>Spessore della soletta</translation>
    </message>
    <message>
        <source>Wall thickness</source>
        <comment>BlattWandDicke</comment>
        <translation>Spessore della parete</translation>
    </message>
    <message>
        <source>Concrete cover above</source>
        <comment>BlattDeckungOben</comment>
        <translation>Copriferro superiore</translation>
    </message>
    <message>
        <source>Concrete cover below</source>
        <comment>BlattDeckungUnten</comment>
        <translation>Copriferro inferiore</translation>
    </message>
    <message>
        <source>Concrete cover to front</source>
        <comment>BlattDeckungVorn</comment>
        <translation>Copriferro frontale</translation>
    </message>
    <message>
        <source>Max. joint width</source>
        <comment>BlattFugenbreite</comment>
        <translation>Larghezza max. del giunto</translation>
    </message>
    <message>
        <source>Joint length</source>
        <comment>BlattFugenlaenge</comment>
        <translation>Lunghezza del giunto</translation>
    </message>
    <message>
        <source>Given edge distance</source>
        <comment>BlattRandabstand</comment>
        <translation>Distanza dal bordo assegnata</translation>
    </message>
    <message>
        <source>Single load to connector</source>
        <comment>BlattLastEinzel</comment>
        <translation>Carico concentrato sul connettore</translation>
    </message>
    <message>
        <source>Linear load</source>
        <comment>BlattLastLinie</comment>
        <translation>Carico lineare</translation>
    </message>
    <message>
        <source>Varying distributed load</source>
        <comment>BlattLastBeliebig</comment>
        <translation>Carico distribuito variabile</translation>
    </message>
    <message>
        <source>Dead load</source>
        <comment>BlattEigenlast</comment>
        <translation>Carico permanente</translation>
    </message>
    <message>
        <source>Partial safety factor</source>
        <comment>BlattTeilsicherheit</comment>
        <translation>Coefficiente parziale di sicurezza</translation>
    </message>
    <message>
        <source>Imposed load</source>
        <comment>BlattVerkehrslast</comment>
        <translation>Carico variabile</translation>
    </message>
    <message>
        <source>Additional design load</source>
        <comment>BlattZusatzlast</comment>
        <translation>Carico di progetto aggiuntivo</translation>
    </message>
    <message>
        <source>Total design load</source>
        <comment>BlattGesamtlast</comment>
        <translation>Carico di progetto totale</translation>
    </message>
    <message>
        <source>Connector design load</source>
        <comment>BlattDuebellast</comment>
        <translation>Carico di progetto sul connettore</translation>
    </message>
    <message>
        <source>see next page</source>
        <comment>BlattNaechsteSeite</comment>
        <translation>vedi pagina seguente</translation>
    </message>
    <message>
        <source>Actual area of main reinf´t</source>
        <comment>BlattAsyIst</comment>
        <translation>Area effettiva dell&apos;armatura principale</translation>
    </message>
    <message>
        <source>Req´d area of main reinf´t</source>
        <comment>BlattAsyErf</comment>
        <translation>Area richiesta dell&apos;armatura principale</translation>
    </message>
    <message>
        <source>Actual area of secondary reinf´t</source>
        <comment>BlattAsxIst</comment>
        <translation>Area effettiva dell&apos;armatura secondaria</translation>
    </message>
    <message>
        <source>Req´d area of secondary reinf´t</source>
        <comment>BlattAsxErf</comment>
        <translation>Area richiesta dell&apos;armatura secondaria</translation>
    </message>
    <message>
        <source>Region of main reinf´t</source>
        <comment>BlattBereichY</comment>
        <translation>Zona dell&apos;armatura principale</translation>
    </message>
    <message>
        <source>Region of secondary reinf´t</source>
        <comment>BlattBereichX</comment>
        <translation>Zona dell&apos;armatura secondaria</translation>
    </message>
    <message>
        <source>Actual edge distance</source>
        <comment>BlattRandIst</comment>
        <translation>Distanza effettiva dal bordo</translation>
    </message>
    <message>
        <source>Minimum edge distance</source>
        <comment>BlattRandMin</comment>
        <translation>Distanza minima dal bordo</translation>
    </message>
    <message>
        <source>Actual connector spacing</source>
        <comment>BlattAbstandIst</comment>
        <translation>Interasse effettivo dei connettori</translation>
    </message>
    <message>
        <source>Minimum connector spacing</source>
        <comment>BlattAbstandMin</comment>
        <translation>Interasse minimo dei connettori</translation>
    </message>
    <message>
        <source>Connector design capacity</source>
        <comment>BlattTragfaehigkeit</comment>
        <translation>Resistenza di progetto del connettore</translation>
    </message>
    <message>
        <source>Connector usage</source>
        <comment>BlattAusnutzung</comment>
        <translation>Grado di utilizzo del connettore</translation>
    </message>
    <message>
        <source>Design resistance concrete</source>
        <comment>BlattWiderstandBeton</comment>
        <translation>Resistenza di progetto del calcestruzzo</translation>
    </message>
    <message>
        <source>Concrete capacity usage</source>
        <comment>BlattAusnutzungBeton</comment>
        <translation>Grado di utilizzo del calcestruzzo</translation>
    </message>
    <message>
        <source>Design resistance steel</source>
        <comment>BlattWiderstandStahl</comment>
        <translation>Resistenza di progetto dell&apos;acciaio</translation>
    </message>
    <message>
        <source>Steel capacity usage</source>
        <comment>BlattAusnutzungStahl</comment>
        <translation>Grado di utilizzo dell&apos;acciaio</translation>
    </message>
    <message>
        <source>Design resistance reinforcement</source>
        <comment>BlattWiderstandBewehrung</comment>
        <translation>Resistenza di progetto dell&apos;armatura</translation>
    </message>
    <message>
        <source>Reinforcement capacity usage</source>
        <comment>BlattAusnutzungBewehrung</comment>
        <translation>Grado di utilizzo dell&apos;armatura</translation>
    </message>
    <message>
        <source>Calculation for </source>
        <comment>BerechnungFuer</comment>
        <translation>Calcolo per </translation>
    </message>
    <message>
        <source>Varnel - TRV / ZEDE Shear Connector</source>
        <comment>ProgrammTitel</comment>
        <translation>Varnel - Connettore a taglio TRV / ZEDE</translation>
    </message>
    <message>
        <source>TRV - 1.0</source>
        <comment>ProgrammVersion</comment>
        <translation>TRV - 1.0</translation>
    </message>
    <message>
        <source>Date: </source>
        <comment>KopfDatum</comment>
        <translation>Data: </translation>
    </message>
    <message>
        <source>Printed from: </source>
        <comment>KopfGedruckt</comment>
        <translation>Stampato il: </translation>
    </message>
    <message>
        <source>Designer: </source>
        <comment>KopfBearbeiter</comment>
        <translation>Progettista: </translation>
    </message>
    <message>
        <source>Company: </source>
        <comment>KopfFirma</comment>
        <translation>Società: </translation>
    </message>
    <message>
        <source>Project:  </source>
        <comment>KopfProjekt</comment>
        <translation>Progetto:  </translation>
    </message>
    <message>
        <source>Position: </source>
        <comment>KopfPosition</comment>
        <translation>Posizione: </translation>
    </message>
    <message>
        <source>The use of the connector is not possible for the following reasons:</source>
        <comment>KopfGruende</comment>
        <translation>L&apos;impiego del connettore non è possibile per i seguenti motivi:</translation>
    </message>
    <message>
        <source>Switzerland\Varnel AG\Tel. +41 00 000 00 00\Fax +41 00 000 00 01\info@ch.varnel.example\</source>
        <comment>KontaktSpalte1</comment>
        <translation>Svizzera\Varnel AG\Tel. +41 00 000 00 00\Fax +41 00 000 00 01\info@ch.varnel.example\</translation>
    </message>
    <message>
        <source>Germany\Varnel GmbH\Tel. +49 000 0000 00\Fax +49 000 0000 01\info@de.varnel.example\</source>
        <comment>KontaktSpalte2</comment>
        <translation>Germania\Varnel GmbH\Tel. +49 000 0000 00\Fax +49 000 0000 01\info@de.varnel.example\</translation>
    </message>
    <message>
        <source>Austria\Varnel Ges.m.b.H.\Tel. +43 0000 000 00\Fax +43 0000 000 01\info@at.varnel.example\</source>
        <comment>KontaktSpalte3</comment>
        <translation>Austria\Varnel Ges.m.b.H.\Tel. +43 0000 000 00\Fax +43 0000 000 01\info@at.varnel.example\</translation>
    </message>
    <message>
        <source>France\Varnel S.A.R.L.\Tel. +33 0 00 00 00 00\Fax +33 0 00 00 00 01\info@fr.varnel.example\</source>
        <comment>KontaktSpalte4</comment>
        <translation>Francia\Varnel S.A.R.L.\Tel. +33 0 00 00 00 00\Fax +33 0 00 00 00 01\info@fr.varnel.example\</translation>
    </message>
    <message>
        <source>United Kingdom\Varnel Ltd.\Tel. +44 0000 000000\Fax +44 0000 000001\info@uk.varnel.example\</source>
        <comment>KontaktSpalte5</comment>
        <translation>Regno Unito\Varnel Ltd.\Tel. +44 0000 000000\Fax +44 0000 000001\info@uk.varnel.example\</translation>
    </message>
    <message>
        <source>Netherlands\Varnel B.V.\Tel. +31 00 000 00 00\Fax +31 00 000 00 01\info@nl.varnel.example\</source>
        <comment>KontaktSpalte6</comment>
        <translation>Paesi Bassi\Varnel B.V.\Tel. +31 00 000 00 00\Fax +31 00 000 00 01\info@nl.varnel.example\</translation>
    </message>
    <message>
        <source>Connector Schedule</source>
        <comment>StuecklisteTitel</comment>
        <translation>Distinta connettori</translation>
    </message>
    <message>
        <source>Active</source>
        <comment>StatusAktiv</comment>
        <translation>Attivo</translation>
    </message>
    <message>
        <source>Not active</source>
        <comment>StatusNichtAktiv</comment>
        <translation>Non attivo</translation>
    </message>
    <message>
        <source>the current position is already in the existing connector schedule.<byte value="xd"/>
<byte value="xd"/>
Should this be overwritten?</source>
        <comment>StuecklisteUeberschreiben</comment>
        <translation>La posizione corrente è già presente nella distinta connettori.<byte value="xd"/>
<byte value="xd"/>
Sovrascriverla?</translation>
    </message>
    <message>
        <source>the connector schedule could not be exported - Please check the writing access on the data carrier.</source>
        <comment>StuecklisteExportFehler</comment>
        <translation>Impossibile esportare la distinta connettori - verificare i diritti di scrittura sul supporto dati.</translation>
    </message>
    <message>
        <source>Mat.-Pos</source>
        <comment>DruckMatPos</comment>
        <translation>Pos. mat.</translation>
    </message>
    <message>
        <source>Quantity of parts</source>
        <comment>DruckStueckzahl</comment>
        <translation>Quantità</translation>
    </message>
    <message>
        <source>Designation</source>
        <comment>DruckBezeichnung</comment>
        <translation>Denominazione</translation>
    </message>
    <message>
        <source>Shear connectors supply to transverse force transmission in expansion</source>
        <comment>DruckLieferung1</comment>
        <translation>Fornitura di connettori a taglio per la trasmissione delle forze di taglio nei giunti</translation>
    </message>
    <message>
        <source>max. design Resistance FRd</source>
        <comment>DruckWiderstand</comment>
        <translation>Resistenza di progetto max. FRd</translation>
    </message>
    <message>
        <source>Material</source>
        <comment>DruckMaterial</comment>
        <translation>Materiale</translation>
    </message>
    <message>
        <source>stainless steel 1.4462</source>
        <comment>DruckMaterialText</comment>
        <translation>acciaio inossidabile 1.4462</translation>
    </message>
    <message>
        <source>Position(s):   </source>
        <comment>DruckPositionen</comment>
        <translation>Posizione/i:   </translation>
    </message>
    <message>
        <source>Single shear connector consisting of dowel element and sleeve</source>
        <comment>DruckEinzeldorn</comment>
        <translation>Connettore a taglio singolo composto da spinotto e bussola</translation>
    </message>
    <message>
        <source>Type: </source>
        <comment>DruckTyp</comment>
        <translation>Tipo: </translation>
    </message>
    <message>
        <source>and fire protection sleeve</source>
        <comment>DruckBrandschutz</comment>
        <translation>e guaina antincendio</translation>
    </message>
    <message>
        <source>Mat.-Pos quantity denomination</source>
        <comment>TextMatPos</comment>
        <translation>Pos. mat. quantità denominazione</translation>
    </message>
    <message>
        <source>Shear connectors to transverse force transmission in inexpansion joint supply and</source>
        <comment>TextLieferung1</comment>
        <translation>Fornitura di connettori a taglio per la trasmissione delle forze di taglio nei giunti di</translation>
    </message>
    <message>
        <source>max. design resistance FRd: </source>
        <comment>TextWiderstand</comment>
        <translation>Resistenza di progetto max. FRd: </translation>
    </message>
    <message>
        <source>Material: stainless steel 1.4462</source>
        <comment>TextMaterial</comment>
        <translation>Materiale: acciaio inossidabile 1.4462</translation>
    </message>
    <message>
        <source>Position(s): </source>
        <comment>TextPositionen</comment>
        <translation>Posizione/i: </translation>
    </message>
    <message>
        <source>The file is not a valid Varnel - TRV File</source>
        <comment>DateiUngueltig</comment>
        <translation>Il file non è un file Varnel - TRV valido</translation>
    </message>
    <message>
        <source>The data file was created with an old version of the programm. The import of this data can cause calculation problems, please check all data!</source>
        <comment>DateiAlteVersion</comment>
        <translation>Il file di dati è stato creato con una versione precedente del programma. L&apos;importazione di questi dati può causare problemi di calcolo: verificare tutti i dati!</translation>
    </message>
    <message>
        <source>Error during saving the data - unable to save the project</source>
        <comment>DateiSpeichernFehler</comment>
        <translation>Errore durante il salvataggio dei dati - impossibile salvare il progetto</translation>
    </message>
    <message>
        <source>Error during opening the data file - unable to read project data</source>
        <comment>DateiOeffnenFehler</comment>
        <translation>Errore durante l&apos;apertura del file di dati - impossibile leggere i dati del progetto</translation>
    </message>
    <message>
        <source>Reinforcement for Varnel shear connector in the building </source>
        <comment>DxfTitel</comment>
        <translation>Armatura nell&apos;elemento strutturale per connettore a taglio Varnel </translation>
    </message>
    <message>
        <source>Plan view</source>
        <comment>DxfDraufsicht</comment>
        <translation>Pianta</translation>
    </message>
    <message>
        <source>View</source>
        <comment>DxfAnsicht</comment>
        <translation>Vista</translation>
    </message>
    <message>
        <source>Cut</source>
        <comment>DxfSchnitt</comment>
        <translation>Sezione</translation>
    </message>
    <message>
        <source>Top and Bottom: </source>
        <comment>DxfObenUnten</comment>
        <translation>Superiore e inferiore: </translation>
    </message>
    <message>
        <source>Vertical Reinforcement: </source>
        <comment>DxfVertikal</comment>
        <translation>Armatura verticale: </translation>
    </message>
    <message>
        <source> U-bars</source>
        <comment>DxfBuegel</comment>
        <translation> staffe a U</translation>
    </message>
    <message>
        <source>Top: </source>
        <comment>DxfOben</comment>
        <translation>Superiore: </translation>
    </message>
    <message>
        <source>Bottom: </source>
        <comment>DxfUnten</comment>
        <translation>Inferiore: </translation>
    </message>
    <message>
        <source>The position has not been calculated: there is no reinforcement to draw.</source>
        <comment>DxfNichtBerechnet</comment>
        <translation>La posizione non è stata calcolata: non c&apos;è armatura da disegnare.</translation>
    </message>
    <message>
        <source>The reinforcement of the selected connector type is incomplete and cannot be drawn.</source>
        <comment>DxfBewehrungUngueltig</comment>
        <translation>L&apos;armatura del tipo di connettore selezionato è incompleta e non può essere disegnata.</translation>
    </message>
    <message>
        <source>Error during Input: Only numbers allowed!<byte value="xd"/>
(plaease check writing of &quot;.&quot; and &quot;,&quot;) </source>
        <comment>EingabeKeineZahl</comment>
        <translation>Errore di immissione: sono ammessi solo numeri!<byte value="xd"/>
(verificare l&apos;uso di &quot;.&quot; e &quot;,&quot;) </translation>
    </message>
    <message>
        <source>Input value is smaller than allowed!</source>
        <comment>EingabeZuKlein</comment>
        <translation>Il valore immesso è inferiore al minimo ammesso!</translation>
    </message>
    <message>
        <source>Input value is greater than allowed!</source>
        <comment>EingabeZuGross</comment>
        <translation>Il valore immesso è superiore al massimo ammesso!</translation>
    </message>
    <message>
        <source>Single load</source>
        <comment>LastfallEinzel</comment>
        <translation>Carico concentrato</translation>
    </message>
    <message>
        <source>constant</source>
        <comment>LastfallKonstant</comment>
        <translation>costante</translation>
    </message>
    <message>
        <source>Increasing distributed load</source>
        <comment>LastfallLinear</comment>
        <translation>Carico distribuito crescente</translation>
    </message>
    <message>
        <source>Arbitrary</source>
        <comment>LastfallBeliebig</comment>
        <translation>Arbitrario</translation>
    </message>
    <message>
        <source>not calculated</source>
        <comment>BerichtNichtBerechnet</comment>
        <translation>non calcolato</translation>
    </message>
    <message>
        <source>joint and install according to the specification of the wing element.</source>
        <comment>DruckLieferung2</comment>
        <translation>di dilatazione e posa in opera secondo le specifiche dell&apos;elemento connettore.</translation>
    </message>
    <message>
        <source>construct according to the specification in the plan of the wing unit.</source>
        <comment>TextLieferung2</comment>
        <translation>dilatazione e posa in opera secondo le specifiche del disegno dell&apos;elemento connettore.</translation>
    </message>
    <message>
        <source>The PDF file does not carry a TRV project: only a result sheet written by this program holds its project.</source>
        <comment>PdfOhneProjekt</comment>
        <translation>Il file PDF non contiene alcun progetto TRV: solo un foglio dei risultati scritto da questo programma contiene il suo progetto.</translation>
    </message>
    <message>
        <source>The PDF file is damaged or not a PDF file: its project cannot be read.</source>
        <comment>PdfBeschaedigt</comment>
        <translation>Il file PDF è danneggiato o non è un file PDF: il suo progetto non può essere letto.</translation>
    </message>
    <message>
        <source>The project attached to the PDF file is too large to be read.</source>
        <comment>PdfProjektZuGross</comment>
        <translation>Il progetto allegato al file PDF è troppo grande per essere letto.</translation>
    </message>
    <message>
        <source>The arbitrary load profile needs at least two points. Please enter the load profile!</source>
        <comment>PlausiLastprofil</comment>
        <translation>Il carico arbitrario richiede almeno due punti. Inserire l'andamento del carico!</translation>
    </message>
    <message>
        <source>The load needs more than %1 shear connectors in one row. These types cannot be arranged; choose a stronger type or divide the joint.</source>
        <comment>ZuVieleDorne</comment>
        <translation>Il carico richiede più di %1 connettori in una fila. Questi tipi non possono essere disposti; scegliere un tipo più resistente o suddividere il giunto.</translation>
    </message>
</context>
<context>
    <name>Rueckfragen</name>
    <message>
        <source>Printer Setup</source>
        <translation>Impostazione stampante</translation>
    </message>
</context>
<context>
    <name>Stuecklistenbefehl</name>
    <message>
        <source>The connector schedule is full: the position could not be added.</source>
        <translation>La distinta connettori è piena: impossibile aggiungere la posizione.</translation>
    </message>
</context>
<context>
    <name>TWinexecute</name>
    <message>
        <source>File not found!</source>
        <translation>File non trovato!</translation>
    </message>
    <message>
        <source>Display not activated</source>
        <translation>Visualizzazione non attivata</translation>
    </message>
    <message>
        <source>not enough emory, damaged executable file, or not allowed move</source>
        <translation>Memoria insufficiente, file eseguibile danneggiato o rilocazioni non valide</translation>
    </message>
    <message>
        <source>Unknown Error</source>
        <translation>Errore sconosciuto</translation>
    </message>
    <message>
        <source>File not found.</source>
        <translation>File non trovato.</translation>
    </message>
    <message>
        <source>Path not found.</source>
        <translation>Percorso non trovato.</translation>
    </message>
    <message>
        <source>Unzulässiger Versuch, eine Task dynamisch einzubinden, oder es gab einen Fehler beim gemeinsamen Zugriff bzw. einen Zugriffsfehler im Netzwerk.</source>
        <translation>Tentativo non consentito di collegare dinamicamente un task, oppure si è verificato un errore di condivisione o di accesso in rete.</translation>
    </message>
    <message>
        <source>Bibliothek erfordert getrennte Datensegmente für jede Task.</source>
        <translation>La libreria richiede segmenti di dati separati per ogni task.</translation>
    </message>
    <message>
        <source>Not enough memory to start the application.</source>
        <translation>Memoria insufficiente per avviare l&apos;applicazione.</translation>
    </message>
    <message>
        <source>Wrong Windows-Version.</source>
        <translation>Versione di Windows errata.</translation>
    </message>
    <message>
        <source>Invalid .EXE-file.</source>
        <translation>File .EXE non valido.</translation>
    </message>
    <message>
        <source>Application is based on a other operation system.</source>
        <translation>L&apos;applicazione è destinata a un altro sistema operativo.</translation>
    </message>
    <message>
        <source>DOS 4.0-application.</source>
        <translation>Applicazione per DOS 4.0.</translation>
    </message>
    <message>
        <source>Unknown .EXE-filetype.</source>
        <translation>Tipo di file .EXE sconosciuto.</translation>
    </message>
    <message>
        <source>Versuch, im Protected Mode (Standardmodus oder erweiterter 386-Modus) eine für frühere Windows-Versionen erstellte .EXE-Datei zu laden</source>
        <translation>Tentativo di caricare in modalità protetta (modalità standard o modalità 386 estesa) un file .EXE creato per versioni precedenti di Windows</translation>
    </message>
    <message>
        <source>You tried to start second time, die mehrfache (nicht Read-Only markierte) Datensegmente enthält.</source>
        <translation>Tentativo di avviare una seconda volta un&apos;applicazione che contiene più segmenti di dati non contrassegnati come di sola lettura.</translation>
    </message>
    <message>
        <source>You tried to excecute a zipped file. The file must be unzipped, before loading.</source>
        <translation>Tentativo di eseguire un file compresso. Il file deve essere decompresso prima del caricamento.</translation>
    </message>
    <message>
        <source>The Dynamic-Link-Library(DLL)-file was damaged. A necessary DLL, to start the application is damaged or missing.</source>
        <translation>Il file della libreria a collegamento dinamico (DLL) è danneggiato. Una DLL necessaria per avviare l&apos;applicazione è danneggiata o mancante.</translation>
    </message>
    <message>
        <source>The application needs a 32-Bit-Environment.</source>
        <translation>L&apos;applicazione richiede un ambiente a 32 bit.</translation>
    </message>
    <message>
        <source>Application not found to start selected file</source>
        <translation>Nessuna applicazione trovata per aprire il file selezionato</translation>
    </message>
</context>
<context>
    <name>Textgrenze</name>
    <message>
        <source>The text is too long: only its first %1 characters are kept.</source>
        <translation>Il testo è troppo lungo: vengono conservati solo i primi %1 caratteri.</translation>
    </message>
</context>
<context>
    <name>TfrmBewehrung</name>
    <message>
        <source>Intermediate result for reinforcement </source>
        <translation>Risultato intermedio per l&apos;armatura </translation>
    </message>
</context>
<context>
    <name>TfrmSplash</name>
    <message>
        <source>Selected language not available!</source>
        <translation>La lingua selezionata non è disponibile!</translation>
    </message>
</context>
<context>
    <name>trv::Befehle</name>
    <message>
        <source>&amp;New...</source>
        <translation>&amp;Nuovo...</translation>
    </message>
    <message>
        <source>begin new project|begin new project</source>
        <translation>nuovo progetto|inizia un nuovo progetto</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Apri...</translation>
    </message>
    <message>
        <source>open project|open an existing project file</source>
        <translation>apri progetto|apre un file di progetto esistente</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salva</translation>
    </message>
    <message>
        <source>save project|save the project in its file</source>
        <translation>salva progetto|salva il progetto nel suo file</translation>
    </message>
    <message>
        <source>Save &amp;As ...</source>
        <translation>Salva &amp;con nome...</translation>
    </message>
    <message>
        <source>save project as|save the project in a new file</source>
        <translation>salva progetto con nome|salva il progetto in un nuovo file</translation>
    </message>
    <message>
        <source>Printer Set&amp;up</source>
        <translation>&amp;Imposta stampante</translation>
    </message>
    <message>
        <source>printer setup|choose the printer and its page</source>
        <translation>imposta stampante|sceglie la stampante e il formato della pagina</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>S&amp;tampa</translation>
    </message>
    <message>
        <source>print|print the result sheet of the current position</source>
        <translation>stampa|stampa il foglio dei risultati della posizione corrente</translation>
    </message>
    <message>
        <source>Print pro&amp;ject</source>
        <translation>Stampa &amp;progetto</translation>
    </message>
    <message>
        <source>print project|print the result sheets of every calculated position and the connector schedule</source>
        <translation>stampa progetto|stampa i fogli dei risultati di tutte le posizioni calcolate e la distinta connettori</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>exit|end the program</source>
        <translation>esci|chiude il programma</translation>
    </message>
    <message>
        <source>Project Ad&amp;ministration</source>
        <translation>&amp;Gestione progetti</translation>
    </message>
    <message>
        <source>project administration|browse project files and take over positions</source>
        <translation>gestione progetti|sfoglia i file di progetto e acquisisce posizioni</translation>
    </message>
    <message>
        <source>&amp;Add Position</source>
        <translation>&amp;Aggiungi posizione</translation>
    </message>
    <message>
        <source>add position|add a copy of the current position</source>
        <translation>aggiungi posizione|aggiunge una copia della posizione corrente</translation>
    </message>
    <message>
        <source>&amp;Delete Current Position</source>
        <translation>&amp;Elimina posizione corrente</translation>
    </message>
    <message>
        <source>delete position|delete the current position</source>
        <translation>elimina posizione|elimina la posizione corrente</translation>
    </message>
    <message>
        <source>Input &amp;Tree</source>
        <translation>&amp;Albero di input</translation>
    </message>
    <message>
        <source>input tree|show or hide the input tree</source>
        <translation>albero di input|mostra o nasconde l&apos;albero di input</translation>
    </message>
    <message>
        <source>System &amp;Input</source>
        <translation>Input del &amp;sistema</translation>
    </message>
    <message>
        <source>system input|return from the result sheet to the input</source>
        <translation>input del sistema|torna dal foglio dei risultati all&apos;input</translation>
    </message>
    <message>
        <source>&amp;Project Data</source>
        <translation>&amp;Dati di progetto</translation>
    </message>
    <message>
        <source>project data|edit the project description</source>
        <translation>dati di progetto|modifica la descrizione del progetto</translation>
    </message>
    <message>
        <source>&amp;Display Connector Schedule</source>
        <translation>&amp;Visualizza distinta connettori</translation>
    </message>
    <message>
        <source>connector schedule|display the connector schedule</source>
        <translation>distinta connettori|visualizza la distinta connettori</translation>
    </message>
    <message>
        <source>&amp;Add to Connector Schedule</source>
        <translation>&amp;Aggiungi alla distinta connettori</translation>
    </message>
    <message>
        <source>add to schedule|add the selected connector of the current position to the connector schedule</source>
        <translation>aggiungi alla distinta|aggiunge il connettore selezionato della posizione corrente alla distinta connettori</translation>
    </message>
    <message>
        <source>calculation|check the inputs and design all connector types</source>
        <translation>calcolo|verifica i dati di input e dimensiona tutti i tipi di connettore</translation>
    </message>
    <message>
        <source>Calculation &amp;Preview</source>
        <translation>&amp;Anteprima di calcolo</translation>
    </message>
    <message>
        <source>preview|calculate and show the result sheet</source>
        <translation>anteprima|esegue il calcolo e mostra il foglio dei risultati</translation>
    </message>
    <message>
        <source>DXF Export - &amp;Connector</source>
        <translation>Esporta DXF - &amp;connettore</translation>
    </message>
    <message>
        <source>connector CAD blocks|copy the CAD blocks of the selected connector</source>
        <translation>blocchi CAD del connettore|copia i blocchi CAD del connettore selezionato</translation>
    </message>
    <message>
        <source>DXF Export - &amp;Reinforcement</source>
        <translation>Esporta DXF - &amp;armatura</translation>
    </message>
    <message>
        <source>reinforcement drawing|DXF drawing of the reinforcement of the selected connector</source>
        <translation>disegno dell&apos;armatura|disegno DXF dell&apos;armatura del connettore selezionato</translation>
    </message>
    <message>
        <source>Export Results to &amp;File</source>
        <translation>Esporta risultati su &amp;file</translation>
    </message>
    <message>
        <source>export results|save the result sheet in a file</source>
        <translation>esporta risultati|salva il foglio dei risultati in un file</translation>
    </message>
    <message>
        <source>Export Results to C&amp;lipboard</source>
        <translation>Esporta risultati negli a&amp;ppunti</translation>
    </message>
    <message>
        <source>results to clipboard|copy the result sheet to the clipboard</source>
        <translation>risultati negli appunti|copia il foglio dei risultati negli appunti</translation>
    </message>
    <message>
        <source>design options|maximum spacing, steel grade and safety factor</source>
        <translation>opzioni di calcolo|interasse massimo, classe dell&apos;acciaio e coefficiente di sicurezza</translation>
    </message>
    <message>
        <source>&amp;Screen Colours</source>
        <translation>Colori dello &amp;schermo</translation>
    </message>
    <message>
        <source>screen colours|choose the colours of the sketches</source>
        <translation>colori dello schermo|sceglie i colori degli schizzi</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommario</translation>
    </message>
    <message>
        <source>help|contents of the help</source>
        <translation>guida|sommario della guida</translation>
    </message>
    <message>
        <source>Search for Key&amp;word</source>
        <translation>Cerca per parola &amp;chiave</translation>
    </message>
    <message>
        <source>search help|search the help</source>
        <translation>cerca nella guida|cerca nella guida</translation>
    </message>
    <message>
        <source>&amp;Use of Help</source>
        <translation>&amp;Uso della guida</translation>
    </message>
    <message>
        <source>use of help|how to use the help</source>
        <translation>uso della guida|come usare la guida</translation>
    </message>
    <message>
        <source>&amp;About Varnel Shear Connectors</source>
        <translation>&amp;Informazioni su Connettori a taglio Varnel</translation>
    </message>
    <message>
        <source>about|version and maker of the program</source>
        <translation>informazioni|versione e produttore del programma</translation>
    </message>
    <message>
        <source>&amp;Varnel Shear Connectors Manual</source>
        <translation>&amp;Manuale dei connettori a taglio Varnel</translation>
    </message>
    <message>
        <source>manual|open the manual of the shear connectors</source>
        <translation>manuale|apre il manuale dei connettori a taglio</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Vista</translation>
    </message>
    <message>
        <source>view|view of the joint with the connector</source>
        <translation>vista|vista del giunto con il connettore</translation>
    </message>
    <message>
        <source>Plan View</source>
        <translation>Pianta</translation>
    </message>
    <message>
        <source>plan view|plan view of the connector</source>
        <translation>pianta|pianta del connettore</translation>
    </message>
    <message>
        <source>Section</source>
        <translation>Sezione</translation>
    </message>
    <message>
        <source>section|section through the joint</source>
        <translation>sezione|sezione trasversale del giunto</translation>
    </message>
    <message>
        <source>Row View</source>
        <translation>Vista della fila</translation>
    </message>
    <message>
        <source>row view|arrangement of the connectors along the joint</source>
        <translation>vista della fila|disposizione dei connettori lungo il giunto</translation>
    </message>
    <message>
        <source>Reinforcement</source>
        <translation>Armatura</translation>
    </message>
    <message>
        <source>reinforcement|adjust the reinforcement of the selected connector</source>
        <translation>armatura|adatta l&apos;armatura del connettore selezionato</translation>
    </message>
    <message>
        <source>Sketch to &amp;Clipborad</source>
        <translation>Schizzo negli &amp;appunti</translation>
    </message>
    <message>
        <source>copy sketch|copy the sketch to the clipboard</source>
        <translation>copia schizzo|copia lo schizzo negli appunti</translation>
    </message>
    <message>
        <source>Save sketch in file</source>
        <translation>Salva schizzo su file</translation>
    </message>
    <message>
        <source>save sketch|save the sketch in a file</source>
        <translation>salva schizzo|salva lo schizzo in un file</translation>
    </message>
    <message>
        <source>Represent sketch as full picture</source>
        <translation>Visualizza schizzo ingrandito</translation>
    </message>
    <message>
        <source>enlarge sketch|show the sketch in a window of its own</source>
        <translation>ingrandisci schizzo|mostra lo schizzo in una finestra separata</translation>
    </message>
    <message>
        <source>DXF-Export</source>
        <translation>Esportazione DXF</translation>
    </message>
    <message>
        <source>DXF export|DXF drawing of the reinforcement of the selected connector</source>
        <translation>esportazione DXF|disegno DXF dell&apos;armatura del connettore selezionato</translation>
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
        <translation>&amp;Calcola</translation>
    </message>
    <message>
        <source>&amp;Calculation</source>
        <comment>Options menu: design options</comment>
        <translation>&amp;Calcolo</translation>
    </message>
</context>
<context>
    <name>trv::Projektbefehle</name>
    <message>
        <source>Do you want to save current calculation?</source>
        <translation>Desidera salvare il calcolo corrente?</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tutti i file (*)</translation>
    </message>
    <message>
        <source>The file %1 has been changed by another program since it was opened or saved here. Do you want to overwrite it?</source>
        <translation>Il file %1 è stato modificato da un altro programma da quando è stato aperto o salvato qui. Sovrascriverlo?</translation>
    </message>
    <message>
        <source>Result sheets with their project (*.pdf *.PDF)</source>
        <translation>Fogli dei risultati con il loro progetto (*.pdf *.PDF)</translation>
    </message>
</context>
<context>
    <name>trv::TEingabebaum</name>
    <message>
        <source>Input tree</source>
        <translation>Albero di input</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuovo</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Save As ...</source>
        <translation>Salva con nome...</translation>
    </message>
    <message>
        <source>Printer Setup ...</source>
        <translation>Imposta stampante...</translation>
    </message>
    <message>
        <source>Project Administration</source>
        <translation>Gestione progetti</translation>
    </message>
    <message>
        <source>Project: </source>
        <translation>Progetto: </translation>
    </message>
    <message>
        <source>Add Position</source>
        <translation>Aggiungi posizione</translation>
    </message>
    <message>
        <source>Delete Current Position</source>
        <translation>Elimina posizione corrente</translation>
    </message>
    <message>
        <source>Current Positions</source>
        <translation>Posizioni correnti</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Input</translation>
    </message>
    <message>
        <source>Project Data</source>
        <translation>Dati di progetto</translation>
    </message>
    <message>
        <source>Connector Schedule</source>
        <translation>Distinta connettori</translation>
    </message>
    <message>
        <source>Display Connector Schedule</source>
        <translation>Visualizza distinta connettori</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>Calculation</source>
        <translation>Calcolo</translation>
    </message>
    <message>
        <source>Screen Colours</source>
        <translation>Colori dello schermo</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Guida</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Sommario</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Cerca</translation>
    </message>
    <message>
        <source>About Help</source>
        <translation>Uso della guida</translation>
    </message>
    <message>
        <source>About Varnel Shear Connectors</source>
        <translation>Informazioni su Connettori a taglio Varnel</translation>
    </message>
    <message>
        <source>Varnel Shear Connectors Manual</source>
        <translation>Manuale dei connettori a taglio Varnel</translation>
    </message>
    <message>
        <source>End program</source>
        <translation>Esci dal programma</translation>
    </message>
    <message>
        <source>System Input</source>
        <translation>Input del sistema</translation>
    </message>
    <message>
        <source>Add to Connector Schedule</source>
        <translation>Aggiungi alla distinta connettori</translation>
    </message>
</context>
<context>
    <name>trv::TEingabepanel</name>
    <message>
        <source>Application case</source>
        <translation>Caso di applicazione</translation>
    </message>
    <message>
        <source>Single Shear Connector</source>
        <translation>Connettore a taglio singolo</translation>
    </message>
    <message>
        <source>Calculation of a single double shear connector in a beam</source>
        <translation>Calcolo di un singolo connettore a taglio in una trave</translation>
    </message>
    <message>
        <source>Row of connectors in a slab</source>
        <translation>Fila di connettori in una soletta</translation>
    </message>
    <message>
        <source>Calculation for a row type of arrangement of connectors in a slab</source>
        <translation>Calcolo di una disposizione in fila di connettori in una soletta</translation>
    </message>
    <message>
        <source>Row of connectors in wall</source>
        <translation>Fila di connettori in una parete</translation>
    </message>
    <message>
        <source>Calculation for a row type of connector arrangement in a wall</source>
        <translation>Calcolo di una disposizione in fila di connettori in una parete</translation>
    </message>
    <message>
        <source>Determination of reinforcement</source>
        <translation>Determinazione dell&apos;armatura</translation>
    </message>
    <message>
        <source>&amp;Single load</source>
        <translation>Carico &amp;concentrato</translation>
    </message>
    <message>
        <source>con&amp;stant</source>
        <translation>co&amp;stante</translation>
    </message>
    <message>
        <source>Uniform distributed load</source>
        <translation>Carico uniformemente distribuito</translation>
    </message>
    <message>
        <source>input an uniform distributed load onto the building component to be connected</source>
        <translation>inserire un carico uniformemente distribuito sull&apos;elemento da collegare</translation>
    </message>
    <message>
        <source>&amp;Uniformly</source>
        <translation>&amp;Lineare</translation>
    </message>
    <message>
        <source>Increasing distributed load</source>
        <translation>Carico distribuito crescente</translation>
    </message>
    <message>
        <source>input an increasing distributed load onto the building component to be connected</source>
        <translation>inserire un carico distribuito crescente sull&apos;elemento da collegare</translation>
    </message>
    <message>
        <source>&amp;Arbitrary</source>
        <translation>&amp;Arbitrario</translation>
    </message>
    <message>
        <source>Varying distributed load</source>
        <translation>Carico distribuito variabile</translation>
    </message>
    <message>
        <source>Entry of a varying distributed load on the building component to be connected</source>
        <translation>Immissione di un carico distribuito variabile sull&apos;elemento da collegare</translation>
    </message>
    <message>
        <source>Point Load</source>
        <translation>Carico concentrato</translation>
    </message>
    <message>
        <source>Distributed Load</source>
        <translation>Carico distribuito</translation>
    </message>
    <message>
        <source>Dead load</source>
        <translation>Carico permanente</translation>
    </message>
    <message>
        <source>Partial safety factor</source>
        <translation>Coeff. parziale di sicurezza</translation>
    </message>
    <message>
        <source>Imposed load</source>
        <translation>Carico variabile</translation>
    </message>
    <message>
        <source>Add. design load</source>
        <translation>Carico agg. di progetto</translation>
    </message>
    <message>
        <source>[kN]</source>
        <translation>[kN]</translation>
    </message>
    <message>
        <source>left</source>
        <translation>sinistra</translation>
    </message>
    <message>
        <source>right</source>
        <translation>destra</translation>
    </message>
    <message>
        <source>Total design load</source>
        <translation>Carico totale di progetto</translation>
    </message>
    <message>
        <source>[kN/m]</source>
        <translation>[kN/m]</translation>
    </message>
    <message>
        <source>Concrete quality</source>
        <translation>Classe del calcestruzzo</translation>
    </message>
    <message>
        <source>Maximum joint width</source>
        <translation>Larghezza massima del giunto</translation>
    </message>
    <message>
        <source>Eff. structural height</source>
        <translation>Altezza utile</translation>
    </message>
    <message>
        <source>Joint length</source>
        <translation>Lunghezza del giunto</translation>
    </message>
    <message>
        <source>Concrete cover above</source>
        <translation>Copriferro superiore</translation>
    </message>
    <message>
        <source>Concrete cover below</source>
        <translation>Copriferro inferiore</translation>
    </message>
    <message>
        <source>Concrete cover to front</source>
        <translation>Copriferro frontale</translation>
    </message>
    <message>
        <source>Slab thickness</source>
        <translation>Spessore della soletta</translation>
    </message>
    <message>
        <source>Wall thickness</source>
        <translation>Spessore della parete</translation>
    </message>
    <message>
        <source>Edge distance left</source>
        <translation>Distanza dal bordo a sinistra</translation>
    </message>
    <message>
        <source>Edge distance right</source>
        <translation>Distanza dal bordo a destra</translation>
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
        <translation>Connettore</translation>
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
        <translation>Note</translation>
    </message>
    <message>
        <source>Overview of the calculation</source>
        <translation>Riepilogo del calcolo</translation>
    </message>
    <message>
        <source>Overview of the calculation results</source>
        <translation>Riepilogo dei risultati del calcolo</translation>
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
        <translation>&amp;Guida</translation>
    </message>
    <message>
        <source>Help on this window</source>
        <translation>Guida su questa finestra</translation>
    </message>
</context>
<context>
    <name>trv::THilfefenster</name>
    <message>
        <source>Varnel - TRV / ZEDE Shear Connectors - Help</source>
        <translation>Varnel - Connettori a taglio TRV / ZEDE - Guida</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommario</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>&amp;Indice</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Ricerca</translation>
    </message>
    <message>
        <source>&amp;Look for:</source>
        <translation>&amp;Cerca:</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Avanti</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Sommario</translation>
    </message>
    <message>
        <source>Using the help</source>
        <translation>Uso della guida</translation>
    </message>
</context>
<context>
    <name>trv::TStuecklistenExportDialog</name>
    <message>
        <source>Varnel - TRV / ZEDE Shear Connector - Export Connector Schedule</source>
        <translation>Varnel - Connettori a taglio TRV / ZEDE - Esporta distinta connettori</translation>
    </message>
    <message>
        <source>Export in Metafile Format (*.svg)</source>
        <translation>Esporta in formato metafile SVG (*.svg)</translation>
    </message>
    <message>
        <source>Export in Bitmap Format (*.bmp)</source>
        <translation>Esporta in formato bitmap (*.bmp)</translation>
    </message>
    <message>
        <source>Export in JPeg Format (*.jpg)</source>
        <translation>Esporta in formato JPEG (*.jpg)</translation>
    </message>
    <message>
        <source>Export in Text Format (*.txt)</source>
        <translation>Esporta in formato testo (*.txt)</translation>
    </message>
</context>
<context>
    <name>trv::TfrmAbout</name>
    <message>
        <source>This program is an aid to the design of TRV and ZEDE shear connectors. It does not replace the judgement of a qualified structural engineer. The results must be checked by the engineer responsible for the structure before they are used, and the responsibility for the design remains with that engineer.

Check all input data. The results are valid only for the connectors, materials and boundary conditions described in the program and in the manual, and only for the data entered; the maker accepts no liability for results obtained with wrong or incomplete input, for the use of other products, or for damage arising from the use of the program, except where the law provides otherwise.

The program has been tested with care on the operating systems named in the manual. Faults caused by other system software, printers or other programs cannot be excluded. Please report any fault you find to the maker.</source>
        <translation>Questo programma è un ausilio per il dimensionamento dei connettori a taglio TRV e ZEDE. Non sostituisce il giudizio di un ingegnere strutturista qualificato. Prima dell&apos;utilizzo, i risultati devono essere verificati dal progettista responsabile della struttura, al quale resta la responsabilità del progetto.

Verificare tutti i dati di input. I risultati sono validi solo per i connettori, i materiali e le condizioni al contorno descritti nel programma e nel manuale, e solo per i dati immessi; il produttore non si assume alcuna responsabilità per risultati ottenuti con dati errati o incompleti, per l&apos;impiego di altri prodotti o per danni derivanti dall&apos;uso del programma, salvo nei casi previsti dalla legge.

Il programma è stato testato con cura sui sistemi operativi indicati nel manuale. Non si possono escludere malfunzionamenti causati da altri software di sistema, stampanti o altri programmi. Si prega di segnalare al produttore qualsiasi errore riscontrato.</translation>
    </message>
    <message>
        <source>About Varnel - TRV / ZEDE Shear Connectors</source>
        <translation>Informazioni su Varnel - Connettori a taglio TRV / ZEDE</translation>
    </message>
    <message>
        <source>Varnel - TRV / ZEDE Shear Connectors</source>
        <translation>Varnel - Connettori a taglio TRV / ZEDE</translation>
    </message>
    <message>
        <source>This program will enable the calculation of TRV and ZEDE shear connectors supporting higher transverse loads</source>
        <translation>Questo programma consente il calcolo dei connettori a taglio TRV e ZEDE per la trasmissione di elevate forze di taglio</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Versione:</translation>
    </message>
    <message>
        <source>TRV - %1</source>
        <translation>TRV - %1</translation>
    </message>
    <message>
        <source>Created on:</source>
        <translation>Creato il:</translation>
    </message>
    <message>
        <source>10.06.2009</source>
        <translation>10.06.2009</translation>
    </message>
    <message>
        <source>Disclaimer</source>
        <translation>Esclusione di responsabilità</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Indietro</translation>
    </message>
</context>
<context>
    <name>trv::TfrmBemessung</name>
    <message>
        <source>Settings for Calculation</source>
        <translation>Impostazioni di calcolo</translation>
    </message>
    <message>
        <source>Max. Spacing of Dowels</source>
        <translation>Interasse max. degli spinotti</translation>
    </message>
    <message>
        <source>partial safety factor for steel</source>
        <translation>coefficiente parziale di sicurezza dell&apos;acciaio</translation>
    </message>
    <message>
        <source>reinforcement yield strength</source>
        <translation>tensione di snervamento dell&apos;armatura</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Undertake entry and close window</source>
        <translation>Conferma i dati e chiude la finestra</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>Discard entry and close window</source>
        <translation>Scarta i dati e chiude la finestra</translation>
    </message>
</context>
<context>
    <name>trv::TfrmBewehrung</name>
    <message>
        <source>Reinforcement</source>
        <translation>Armatura</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Numero</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Diametro</translation>
    </message>
    <message>
        <source>Top and Bottom Reinforcement</source>
        <translation>Armatura superiore e inferiore</translation>
    </message>
    <message>
        <source>Vertical Reinforcement</source>
        <translation>Armatura verticale</translation>
    </message>
    <message>
        <source>Number of Top and Bottom Reinforcement bars</source>
        <translation>Numero di barre dell&apos;armatura superiore e inferiore</translation>
    </message>
    <message>
        <source>Change number of Top and Bottom Reinforcement bars</source>
        <translation>Modifica il numero di barre dell&apos;armatura superiore e inferiore</translation>
    </message>
    <message>
        <source>Diameter of Top and Bottom Reinforcement bars</source>
        <translation>Diametro delle barre dell&apos;armatura superiore e inferiore</translation>
    </message>
    <message>
        <source>Change diameter of Top and Bottom Reinforcement bars</source>
        <translation>Modifica il diametro delle barre dell&apos;armatura superiore e inferiore</translation>
    </message>
    <message>
        <source>Number Vertical Reinforcement bars</source>
        <translation>Numero di barre dell&apos;armatura verticale</translation>
    </message>
    <message>
        <source>Change number Vertical Reinforcement bars</source>
        <translation>Modifica il numero di barre dell&apos;armatura verticale</translation>
    </message>
    <message>
        <source>Diameter of Vertical Reinforcement bars</source>
        <translation>Diametro delle barre dell&apos;armatura verticale</translation>
    </message>
    <message>
        <source>Change diameter Vertical Reinforcement bars</source>
        <translation>Modifica il diametro delle barre dell&apos;armatura verticale</translation>
    </message>
    <message>
        <source>Connector of the TRV series</source>
        <translation>Connettore della serie TRV</translation>
    </message>
    <message>
        <source>Connector of the ZEDE series</source>
        <translation>Connettore della serie ZEDE</translation>
    </message>
    <message>
        <source>Intermediate result for reinforcement </source>
        <translation>Risultato intermedio per l&apos;armatura </translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Undertake entry and close window</source>
        <translation>Conferma i dati e chiude la finestra</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>Discard entry and close window</source>
        <translation>Scarta i dati e chiude la finestra</translation>
    </message>
    <message>
        <source>Reinforcement to current connector: </source>
        <translation>Armatura per il connettore corrente: </translation>
    </message>
</context>
<context>
    <name>trv::TfrmFarbeinstellung</name>
    <message>
        <source>TRV - colour representation</source>
        <translation>TRV - rappresentazione dei colori</translation>
    </message>
    <message>
        <source>Sketch</source>
        <translation>Schizzo</translation>
    </message>
    <message>
        <source>Concrete</source>
        <translation>Calcestruzzo</translation>
    </message>
    <message>
        <source>Reinforcement</source>
        <translation>Armatura</translation>
    </message>
    <message>
        <source>Shear connector</source>
        <translation>Connettore a taglio</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Sfondo</translation>
    </message>
    <message>
        <source>Colour of the sketch background</source>
        <translation>Colore dello sfondo dello schizzo</translation>
    </message>
    <message>
        <source>Dimensioning</source>
        <translation>Quotatura</translation>
    </message>
    <message>
        <source>Colour representation of the dimensioning (Lines + Text)</source>
        <translation>Colore della quotatura (linee + testo)</translation>
    </message>
    <message>
        <source>Border</source>
        <translation>Contorno</translation>
    </message>
    <message>
        <source>Colour of the concrete border</source>
        <translation>Colore del contorno del calcestruzzo</translation>
    </message>
    <message>
        <source>Surface</source>
        <translation>Superficie</translation>
    </message>
    <message>
        <source>Colour of the concrete surfaces</source>
        <translation>Colore delle superfici di calcestruzzo</translation>
    </message>
    <message>
        <source>Fire protection</source>
        <translation>Protezione antincendio</translation>
    </message>
    <message>
        <source>Colour of the fire protection sleeve</source>
        <translation>Colore della guaina antincendio</translation>
    </message>
    <message>
        <source>Position B</source>
        <translation>Posizione B</translation>
    </message>
    <message>
        <source>Colour of the horizontal reinforcement (Pos B)</source>
        <translation>Colore dell&apos;armatura orizzontale (pos. B)</translation>
    </message>
    <message>
        <source>Position D</source>
        <translation>Posizione D</translation>
    </message>
    <message>
        <source>Colour representation of the suspended reinforcement (pos D)</source>
        <translation>Colore dell&apos;armatura di sospensione (pos. D)</translation>
    </message>
    <message>
        <source>Colour of the shear connector border</source>
        <translation>Colore del contorno del connettore a taglio</translation>
    </message>
    <message>
        <source>Colour of the shear connector surface</source>
        <translation>Colore della superficie del connettore a taglio</translation>
    </message>
    <message>
        <source>&amp;Standard</source>
        <translation>&amp;Predefiniti</translation>
    </message>
    <message>
        <source>Set back colour to standard value</source>
        <translation>Ripristina i colori predefiniti</translation>
    </message>
    <message>
        <source>&amp;Grey scales</source>
        <translation>&amp;Scala di grigi</translation>
    </message>
    <message>
        <source>Adjust colour representation to grey scale</source>
        <translation>Adatta la rappresentazione dei colori alla scala di grigi</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Leave entry mask and undertake entry!</source>
        <translation>Chiude la maschera e conferma i dati!</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>Leave entry mask and discard entry!</source>
        <translation>Chiude la maschera e scarta i dati!</translation>
    </message>
</context>
<context>
    <name>trv::TfrmHauptMaske</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Project</source>
        <translation>&amp;Progetto</translation>
    </message>
    <message>
        <source>&amp;Input</source>
        <translation>&amp;Input</translation>
    </message>
    <message>
        <source>&amp;Connector Schedule</source>
        <translation>&amp;Distinta connettori</translation>
    </message>
    <message>
        <source>&amp;Results</source>
        <translation>&amp;Risultati</translation>
    </message>
    <message>
        <source>&amp;Export Results</source>
        <translation>&amp;Esporta risultati</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opzioni</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Guida</translation>
    </message>
    <message>
        <source>Main tool bar</source>
        <translation>Barra degli strumenti principale</translation>
    </message>
    <message>
        <source>Sketches</source>
        <translation>Schizzi</translation>
    </message>
    <message>
        <source>lfd Nr.:</source>
        <translation>N. progr.:</translation>
    </message>
    <message>
        <source>Current position</source>
        <translation>Posizione corrente</translation>
    </message>
    <message>
        <source>current position</source>
        <translation>posizione corrente</translation>
    </message>
    <message>
        <source>number of the position shown</source>
        <translation>numero della posizione visualizzata</translation>
    </message>
    <message>
        <source>Pro&amp;ject:</source>
        <translation>Proge&amp;tto:</translation>
    </message>
    <message>
        <source>Project</source>
        <translation>Progetto</translation>
    </message>
    <message>
        <source>name of the project</source>
        <translation>nome del progetto</translation>
    </message>
    <message>
        <source>Posi&amp;tion:</source>
        <translation>Posi&amp;zione:</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posizione</translation>
    </message>
    <message>
        <source>description of the current position</source>
        <translation>descrizione della posizione corrente</translation>
    </message>
    <message>
        <source>Retur&amp;n to entry</source>
        <translation>Ritorna all&apos;i&amp;nput</translation>
    </message>
    <message>
        <source>To C&amp;lipboard</source>
        <translation>Negli &amp;appunti</translation>
    </message>
    <message>
        <source>Calculation Pre&amp;view</source>
        <translation>Antepri&amp;ma di calcolo</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>&amp;Esporta</translation>
    </message>
    <message>
        <source>Ca&amp;lculation</source>
        <translation>&amp;Calcolo</translation>
    </message>
    <message>
        <source>Hints</source>
        <translation>Avvertenze</translation>
    </message>
    <message>
        <source>Sketch</source>
        <translation>Schizzo</translation>
    </message>
    <message>
        <source>sketch</source>
        <translation>schizzo</translation>
    </message>
    <message>
        <source>click the sketch to copy, save or enlarge it</source>
        <translation>fare clic sullo schizzo per copiarlo, salvarlo o ingrandirlo</translation>
    </message>
    <message>
        <source>Result sheet</source>
        <translation>Foglio dei risultati</translation>
    </message>
    <message>
        <source>Input tree</source>
        <translation>Albero di input</translation>
    </message>
    <message>
        <source>Cannot open file!</source>
        <translation>Impossibile aprire il file!</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(nessuno)</translation>
    </message>
    <message>
        <source>&amp;Clear List</source>
        <translation>&amp;Svuota elenco</translation>
    </message>
    <message>
        <source>The project %1 does not exist any more. It is taken off the list.</source>
        <translation>Il progetto %1 non esiste più. Viene tolto dall&apos;elenco.</translation>
    </message>
    <message>
        <source>&amp;Recent Projects</source>
        <translation>P&amp;rogetti recenti</translation>
    </message>
    <message>
        <source>The settings file %1 cannot be used: %2.
The program works with the default settings and keeps no changes of them.</source>
        <translation>Il file delle impostazioni %1 non può essere usato: %2.
Il programma lavora con le impostazioni predefinite e non ne conserva le modifiche.</translation>
    </message>
</context>
<context>
    <name>trv::TfrmProjektdaten</name>
    <message>
        <source>Project Data</source>
        <translation>Dati di progetto</translation>
    </message>
    <message>
        <source>Project:</source>
        <translation>Progetto:</translation>
    </message>
    <message>
        <source>Company</source>
        <translation>Società</translation>
    </message>
    <message>
        <source>Designer:</source>
        <translation>Progettista:</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Data:</translation>
    </message>
    <message>
        <source>&amp;Today</source>
        <translation>O&amp;ggi</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annulla</translation>
    </message>
</context>
<context>
    <name>trv::TfrmProjektverwaltung</name>
    <message>
        <source>Varnel - Project Administration</source>
        <translation>Varnel - Gestione progetti</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Cartelle</translation>
    </message>
    <message>
        <source>Project files</source>
        <translation>File di progetto</translation>
    </message>
    <message>
        <source>Positions</source>
        <translation>Posizioni</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>N.</translation>
    </message>
    <message>
        <source>Prog</source>
        <translation>Progr.</translation>
    </message>
    <message>
        <source>Project</source>
        <translation>Progetto</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posizione</translation>
    </message>
    <message>
        <source>Connection Type</source>
        <translation>Tipo di collegamento</translation>
    </message>
    <message>
        <source>Length of Joint</source>
        <translation>Lunghezza del giunto</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Choose the folder of the project files</source>
        <translation>Scegliere la cartella dei file di progetto</translation>
    </message>
    <message>
        <source>Choose a project file to list its positions</source>
        <translation>Scegliere un file di progetto per elencarne le posizioni</translation>
    </message>
    <message>
        <source>Positions of the selected project file; a double click takes one over</source>
        <translation>Posizioni del file di progetto selezionato; con un doppio clic se ne acquisisce una</translation>
    </message>
    <message>
        <source>Position &amp;Undertake</source>
        <translation>&amp;Acquisisci posizione</translation>
    </message>
    <message>
        <source>Take the selected position over into the current project</source>
        <translation>Acquisisce la posizione selezionata nel progetto corrente</translation>
    </message>
    <message>
        <source>&amp;Open Project</source>
        <translation>Apri &amp;progetto</translation>
    </message>
    <message>
        <source>Open the selected file as the project</source>
        <translation>Apre il file selezionato come progetto</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Close the window without action</source>
        <translation>Chiude la finestra senza eseguire alcuna azione</translation>
    </message>
    <message>
        <source>No: </source>
        <translation>N.: </translation>
    </message>
    <message>
        <source>The name of this file holds bytes that are no text; they are shown as �.</source>
        <translation>Il nome di questo file contiene byte che non sono testo; sono mostrati come �.</translation>
    </message>
</context>
<context>
    <name>trv::TfrmSplash</name>
    <message>
        <source>Varnel - TRV / ZEDE Shear Connectors</source>
        <translation>Varnel - Connettori a taglio TRV / ZEDE</translation>
    </message>
    <message>
        <source>&amp;Start Program</source>
        <translation>&amp;Avvia il programma</translation>
    </message>
    <message>
        <source>Show the program in German</source>
        <translation>Mostra il programma in tedesco</translation>
    </message>
    <message>
        <source>Show the program in English</source>
        <translation>Mostra il programma in inglese</translation>
    </message>
    <message>
        <source>Show the program in French</source>
        <translation>Mostra il programma in francese</translation>
    </message>
    <message>
        <source>Show the program in Italian</source>
        <translation>Mostra il programma in italiano</translation>
    </message>
    <message>
        <source>Show the program in Dutch</source>
        <translation>Mostra il programma in olandese</translation>
    </message>
    <message>
        <source>Show the program in Spanish</source>
        <translation>Mostra il programma in spagnolo</translation>
    </message>
    <message>
        <source>Shear Connectors</source>
        <translation>Connettori a taglio</translation>
    </message>
</context>
<context>
    <name>trv::TfrmStueckliste</name>
    <message>
        <source>Varnel - TRV / ZEDE Shear Connectors - Connector Schedule</source>
        <translation>Varnel - Connettori a taglio TRV / ZEDE - Distinta connettori</translation>
    </message>
    <message>
        <source>Number of similar positions</source>
        <translation>Numero di posizioni uguali</translation>
    </message>
    <message>
        <source>Current Choice</source>
        <translation>Selezione corrente</translation>
    </message>
    <message>
        <source>Supplementary information to the connector schedule</source>
        <translation>Informazioni supplementari alla distinta connettori</translation>
    </message>
    <message>
        <source>Connector Schedule</source>
        <translation>Distinta connettori</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Anteprima</translation>
    </message>
    <message>
        <source>Position &amp;Delete</source>
        <translation>Eli&amp;mina posizione</translation>
    </message>
    <message>
        <source>&amp;Preview</source>
        <translation>&amp;Anteprima</translation>
    </message>
    <message>
        <source>&amp;List</source>
        <translation>&amp;Lista</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>&amp;Esporta</translation>
    </message>
    <message>
        <source>&amp;Clipboard</source>
        <translation>A&amp;ppunti</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Stampa</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Indietro</translation>
    </message>
    <message>
        <source>When exporting a long connector schedule as graphic it has to be taken</source>
        <translation>Se si esporta come grafica una distinta connettori lunga, occorre</translation>
    </message>
    <message>
        <source>into account that there are no page breaks beforehand in the graphic.</source>
        <translation>tenere presente che nella grafica non vi sono interruzioni di pagina.</translation>
    </message>
    <message>
        <source>With long connector schedules you can divide the connector schedule</source>
        <translation>Le distinte connettori lunghe possono essere suddivise in due o più</translation>
    </message>
    <message>
        <source>into two or more export files through deactivating of single positions.</source>
        <translation>file di esportazione disattivando singole posizioni.</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Attivo</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posizione</translation>
    </message>
    <message>
        <source>The preview could not be drawn: %1</source>
        <translation>Impossibile disegnare l&apos;anteprima: %1</translation>
    </message>
    <message>
        <source>The connector schedule could not be printed: %1</source>
        <translation>Impossibile stampare la distinta connettori: %1</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 esiste già.
Sostituirlo?</translation>
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
        <translation>Schizzo ingrandito</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copia</translation>
    </message>
    <message>
        <source>Copy printout of results to clipboard</source>
        <translation>Copia la stampa dei risultati negli appunti</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>&amp;Esporta</translation>
    </message>
    <message>
        <source>Export printout of results in file</source>
        <translation>Esporta la stampa dei risultati in un file</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>C&amp;hiudi</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>Chiude la finestra</translation>
    </message>
    <message>
        <source>Sketch to &amp;Clipborad</source>
        <translation>Schizzo negli &amp;appunti</translation>
    </message>
    <message>
        <source>Save sketch in file</source>
        <translation>Salva schizzo su file</translation>
    </message>
    <message>
        <source>&amp;Close window</source>
        <translation>&amp;Chiudi finestra</translation>
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
        <translation>Immissione di una distribuzione arbitraria della forza di taglio</translation>
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
        <translation>Coordinata del carico immesso, misurata da sinistra</translation>
    </message>
    <message>
        <source>Load value</source>
        <translation>Valore del carico</translation>
    </message>
    <message>
        <source>Value of loading at the position of the coordinate x</source>
        <translation>Valore del carico nella posizione della coordinata x</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>A&amp;ggiungi</translation>
    </message>
    <message>
        <source>Place pair of values</source>
        <translation>Inserisci la coppia di valori</translation>
    </message>
    <message>
        <source>Pair of values (x,q) add to list</source>
        <translation>Aggiunge la coppia di valori (x,q) alla lista</translation>
    </message>
    <message>
        <source>C&amp;hange</source>
        <translation>&amp;Modifica</translation>
    </message>
    <message>
        <source>Transfer changes in the list</source>
        <translation>Trasferisci le modifiche nella lista</translation>
    </message>
    <message>
        <source>Transfer changes in the pairs of values (x,q) in the list</source>
        <translation>Trasferisce nella lista le modifiche delle coppie di valori (x,q)</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Elimina</translation>
    </message>
    <message>
        <source>delete current pair of values</source>
        <translation>elimina la coppia di valori corrente</translation>
    </message>
    <message>
        <source>delete current pair of values (x,q) from the list</source>
        <translation>elimina dalla lista la coppia di valori corrente (x,q)</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Undertake entry and close window</source>
        <translation>Conferma i dati e chiude la finestra</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>Discard entry and close window</source>
        <translation>Scarta i dati e chiude la finestra</translation>
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
        <translation>Esiste già un valore per la coordinata immessa!<byte value="xd"/>
<byte value="xd"/>
 Sovrascriverlo?</translation>
    </message>
</context>
<context>
    <name>trv::dxf::TDXF_Anzeige_Form</name>
    <message>
        <source>DXF display form</source>
        <translation>Finestra di visualizzazione DXF</translation>
    </message>
    <message>
        <source>&amp;Save as DXF</source>
        <translation>&amp;Salva come DXF</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Indietro</translation>
    </message>
    <message>
        <source>Varnel - TRV / ZEDE Shear Connectors - DXF-Export</source>
        <translation>Varnel - Connettori a taglio TRV / ZEDE - Esportazione DXF</translation>
    </message>
    <message>
        <source>DXF databases (*.dxf)</source>
        <translation>File DXF (*.dxf)</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 esiste già.
Sostituirlo?</translation>
    </message>
    <message>
        <source>The DXF file could not be written:
%1
(%2)</source>
        <translation>Impossibile scrivere il file DXF:
%1
(%2)</translation>
    </message>
    <message>
        <source>the drawing holds a value that a DXF file cannot take</source>
        <translation>il disegno contiene un valore che un file DXF non può accogliere</translation>
    </message>
    <message>
        <source>no permission to write in this folder</source>
        <translation>nessuna autorizzazione di scrittura in questa cartella</translation>
    </message>
    <message>
        <source>the folder does not exist</source>
        <translation>la cartella non esiste</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>il supporto dati è pieno</translation>
    </message>
    <message>
        <source>the disk is write-protected</source>
        <translation>il supporto dati è protetto da scrittura</translation>
    </message>
    <message>
        <source>a folder of that name exists</source>
        <translation>esiste una cartella con questo nome</translation>
    </message>
    <message>
        <source>a device or another special file of that name exists</source>
        <translation>esiste un dispositivo o un altro file speciale con questo nome</translation>
    </message>
    <message>
        <source>the file name is too long</source>
        <translation>il nome del file è troppo lungo</translation>
    </message>
    <message>
        <source>system error %1</source>
        <translation>errore di sistema %1</translation>
    </message>
</context>
<context>
    <name>trv::dxf::Zoom_panel</name>
    <message>
        <source>Zoom out</source>
        <translation>Riduci</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Ingrandisci</translation>
    </message>
    <message>
        <source>Previous view</source>
        <translation>Vista precedente</translation>
    </message>
    <message>
        <source>Whole drawing</source>
        <translation>Intero disegno</translation>
    </message>
    <message>
        <source>Horizontal position</source>
        <translation>Posizione orizzontale</translation>
    </message>
    <message>
        <source>Vertical position</source>
        <translation>Posizione verticale</translation>
    </message>
    <message>
        <source>Drawing</source>
        <translation>Disegno</translation>
    </message>
    <message>
        <source>Drag a rectangle to zoom into it, double-click to centre the view; + and - zoom, the arrow keys scroll</source>
        <translation>Trascinare un rettangolo per ingrandirlo, doppio clic per centrare la vista; + e - per ingrandire e ridurre, tasti freccia per scorrere</translation>
    </message>
    <message>
        <source>Mouse position</source>
        <translation>Posizione del mouse</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>Scala</translation>
    </message>
</context>
</TS>
