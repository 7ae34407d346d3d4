<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>Ausgabe</name>
    <message>
        <source>the picture could not be encoded as %1</source>
        <translation>no se ha podido codificar la imagen como %1</translation>
    </message>
    <message>
        <source>the SVG picture could not be started</source>
        <translation>no se ha podido iniciar la imagen SVG</translation>
    </message>
    <message>
        <source>the PDF file was not written</source>
        <translation>no se ha escrito el archivo PDF</translation>
    </message>
    <message>
        <source>no file named for the PDF document</source>
        <translation>no se ha indicado ningún archivo para el documento PDF</translation>
    </message>
    <message>
        <source>the printer could not be started</source>
        <translation>no se ha podido iniciar la impresora</translation>
    </message>
    <message>
        <source>the printer could not finish the document</source>
        <translation>la impresora no ha podido terminar el documento</translation>
    </message>
    <message>
        <source>no position is calculated and the connector schedule is empty</source>
        <translation>no se ha calculado ninguna posición y la lista de piezas está vacía</translation>
    </message>
    <message>
        <source>there is no such position in the project</source>
        <translation>esta posición no existe en el proyecto</translation>
    </message>
    <message>
        <source>the position is not calculated: the result sheet needs its results</source>
        <translation>la posición no está calculada: la hoja de resultados necesita sus resultados</translation>
    </message>
    <message>
        <source>the result sheet is written as .pdf, .png or .svg</source>
        <translation>la hoja de resultados se escribe como .pdf, .png o .svg</translation>
    </message>
    <message>
        <source>the connector schedule is written as .txt or .pdf</source>
        <translation>la lista de conectores se escribe como .txt o .pdf</translation>
    </message>
    <message>
        <source>a sketch is written as .png or .svg</source>
        <translation>un croquis se escribe como .png o .svg</translation>
    </message>
    <message>
        <source>the position is not calculated: the result sketches need its results</source>
        <translation>la posición no está calculada: los croquis de resultados necesitan sus resultados</translation>
    </message>
    <message>
        <source>the picture could not be made</source>
        <translation>no se pudo crear la imagen</translation>
    </message>
</context>
<context>
    <name>Bildexport</name>
    <message>
        <source>Varnel - TRV / ZEDE Shear Connectors - Export results</source>
        <translation>Varnel - Conectores de cortante TRV / ZEDE - Exportar resultados</translation>
    </message>
    <message>
        <source>export in SVG vector format (*.svg)</source>
        <translation>Exportar en formato vectorial SVG (*.svg)</translation>
    </message>
    <message>
        <source>Export in Bitmap Format (*.bmp)</source>
        <translation>Exportar en formato de mapa de bits (*.bmp)</translation>
    </message>
    <message>
        <source>Export in JPeg Format (*.jpg)</source>
        <translation>Exportar en formato JPEG (*.jpg)</translation>
    </message>
    <message>
        <source>Export as PDF document (*.pdf)</source>
        <translation>Exportar como documento PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The picture could not be saved as
%1:
%2</source>
        <translation>No se ha podido guardar la imagen como
%1:
%2</translation>
    </message>
    <message>
        <source>there is no picture to export</source>
        <translation>no hay ninguna imagen para exportar</translation>
    </message>
</context>
<context>
    <name>Blattbeilage</name>
    <message>
        <source>shear connector</source>
        <translation>conector de cortante</translation>
    </message>
    <message>
        <source>Result sheet of position %1</source>
        <translation>Hoja de resultados de la posición %1</translation>
    </message>
    <message>
        <source>Result sheets of the project and connector schedule</source>
        <translation>Hojas de resultados del proyecto y lista de conectores</translation>
    </message>
</context>
<context>
    <name>CadBlockExport</name>
    <message>
        <source>DXF databases (*.dxf)</source>
        <translation>Archivos DXF (*.dxf)</translation>
    </message>
    <message>
        <source>DWG database (*.dwg)</source>
        <translation>Archivos DWG (*.dwg)</translation>
    </message>
    <message>
        <source>The connector blocks are supplied as DXF files only: DWG files cannot be written by this program.

Save the blocks as DXF files instead? Every CAD program reads DXF.</source>
        <translation>Los bloques de conectores se suministran solo como archivos DXF: este programa no puede escribir archivos DWG.

¿Desea guardar los bloques como archivos DXF? Todos los programas de CAD leen DXF.</translation>
    </message>
    <message>
        <source>Cannot open file!</source>
        <translation>¡No se puede abrir el archivo!</translation>
    </message>
    <message>
        <source>The file %1 could not be copied to %2:
%3</source>
        <translation>No se ha podido copiar el archivo %1 en %2:
%3</translation>
    </message>
    <message>
        <source>The file - </source>
        <translation>El archivo - </translation>
    </message>
    <message>
        <source> - was not found.The required file can only be installed from the CD version!</source>
        <translation> - no se ha encontrado. ¡El archivo necesario solo puede instalarse desde la versión en CD!</translation>
    </message>
</context>
<context>
    <name>Druckbefehle</name>
    <message>
        <source>no file was named for the PDF</source>
        <translation>no se ha indicado ningún archivo para el PDF</translation>
    </message>
    <message>
        <source>The result sheet could not be printed:
%1</source>
        <translation>No se ha podido imprimir la hoja de resultados:
%1</translation>
    </message>
    <message>
        <source>There is nothing to print: no position is calculated and the connector schedule is empty.</source>
        <translation>No hay nada que imprimir: no se ha calculado ninguna posición y la lista de piezas está vacía.</translation>
    </message>
    <message>
        <source>These positions are not calculated and are not printed: %1.

Print the other positions and the connector schedule?</source>
        <translation>Estas posiciones no están calculadas y no se imprimen: %1.

¿Desea imprimir las demás posiciones y la lista de piezas?</translation>
    </message>
    <message>
        <source>The project could not be printed:
%1</source>
        <translation>No se ha podido imprimir el proyecto:
%1</translation>
    </message>
</context>
<context>
    <name>Druckbilder</name>
    <message>
        <source>shear connectors</source>
        <translation>conectores de cortante</translation>
    </message>
    <message>
        <source>n = number of data entries</source>
        <translation>n = número de datos introducidos</translation>
    </message>
</context>
<context>
    <name>Druckerwahl</name>
    <message>
        <source>Print to PDF file</source>
        <translation>Imprimir en archivo PDF</translation>
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
        <translation>No se ha encontrado el archivo de ayuda %1.</translation>
    </message>
    <message>
        <source>The help file %1 cannot be read.</source>
        <translation>No se puede leer el archivo de ayuda %1.</translation>
    </message>
</context>
<context>
    <name>Projektbefehle</name>
    <message>
        <source>Varnel - TRV / ZEDE Shear Connectors</source>
        <translation>Varnel - Conectores de cortante TRV / ZEDE</translation>
    </message>
</context>
<context>
    <name>Projektzustand</name>
    <message>
        <source>%1 (the file name holds bytes that are no text: �)</source>
        <translation>%1 (el nombre del archivo contiene bytes que no son texto: �)</translation>
    </message>
</context>
<context>
    <name>Ressource</name>
    <message>
        <source>Unnamed</source>
        <comment>Unbenannt</comment>
        <translation>Sin nombre</translation>
    </message>
    <message>
        <source>It is only a position in the existing project.<byte value="xd"/>
<byte value="xd"/>
The last position cannot be removed!</source>
        <comment>LetztePositionLoeschen</comment>
        <translation>Es la única posición del proyecto existente.<byte value="xd"/>
<byte value="xd"/>
¡No se puede eliminar la última posición!</translation>
    </message>
    <message>
        <source>Fatal error in calculating process! The result of the calculation is invalid!
<byte value="xd"/>Try the calculation with new input data and refer to the programme producer.</source>
        <comment>Rechenfehler</comment>
        <translation>¡Error grave en el proceso de cálculo! ¡El resultado del cálculo no es válido!
<byte value="xd"/>Repita el cálculo con nuevos datos de entrada y póngase en contacto con el fabricante del programa.</translation>
    </message>
    <message>
        <source>The thickness of the concrete slab is less than the minimum thickness of concrete for the smallest shear connector!</source>
        <comment>PlausiDickeMin</comment>
        <translation>¡El espesor de la losa de hormigón es inferior al espesor mínimo de hormigón necesario para el conector de cortante más pequeño!</translation>
    </message>
    <message>
        <source>The thickness of the concrete slab to be connected is less than the structural effective height!</source>
        <comment>PlausiNutzhoehe</comment>
        <translation>¡El espesor de la losa de hormigón a conectar es inferior al canto útil!</translation>
    </message>
    <message>
        <source>Structural effective height is &lt; 10mm. Please check!</source>
        <comment>PlausiNutzhoeheKlein</comment>
        <translation>El canto útil es &lt; 10 mm. ¡Compruébelo!</translation>
    </message>
    <message>
        <source>Concrete cover above is &lt;10mm. Please check</source>
        <comment>PlausiDeckungOben</comment>
        <translation>El recubrimiento superior es &lt; 10 mm. Compruébelo.</translation>
    </message>
    <message>
        <source>Concrete cover below is &lt;10mm.Please check</source>
        <comment>PlausiDeckungUnten</comment>
        <translation>El recubrimiento inferior es &lt; 10 mm. Compruébelo.</translation>
    </message>
    <message>
        <source>The sum of the concrete cover is greater than the thickness of the concrete slab to be connected!</source>
        <comment>PlausiDeckungSumme</comment>
        <translation>¡La suma de los recubrimientos es mayor que el espesor de la losa de hormigón a conectar!</translation>
    </message>
    <message>
        <source>The wall thickness is less than the minimum required thickness of concrete for the smallest shear connector!</source>
        <comment>PlausiWandDicke</comment>
        <translation>¡El espesor del muro es inferior al espesor mínimo de hormigón necesario para el conector de cortante más pequeño!</translation>
    </message>
    <message>
        <source>Single shear connector loaded with point load\Row of shear connectors - connection slab to slab\Row of shear connectors - connection slab to wall\</source>
        <comment>AnwendungsfallLang</comment>
        <translation>Conector de cortante individual con carga puntual\Fila de conectores de cortante - unión losa-losa\Fila de conectores de cortante - unión losa-muro\</translation>
    </message>
    <message>
        <source>Single shear connector\Connector row, slab to slab\Connector row, slab to wall\</source>
        <comment>AnwendungsfallKurz</comment>
        <translation>Conector individual\Fila de conectores, losa-losa\Fila de conectores, losa-muro\</translation>
    </message>
    <message>
        <source>OK\d &lt; d min\Vsd &gt; VRd\e &lt; min e\c &lt; min c\e &lt; suit e\f &gt; permissible\e &lt; reqd e\c &lt; reqd c\dw &lt; reqd dw\</source>
        <comment>StatusKurz</comment>
        <translation>OK\d &lt; d min\Vsd &gt; VRd\e &lt; e min\c &lt; c min\e &lt; e adec.\f &gt; admisible\e &lt; e req\c &lt; c req\dw &lt; dw req\</translation>
    </message>
    <message>
        <source>Calculation ok\Concrete thickness too small\Load too great\Connector spacing is below minimum value\Connector edge distance is below minimum value\Spacing too small to suit vertical reinforcement\Joint width out of range for this dowel\Connector spacing for standard reinforcement too small for approval\Edge spacing according to standard reinforcement too small for approval\The wall thickness is smaller than required for the selected connector\</source>
        <comment>StatusLang</comment>
        <translation>Cálculo correcto\Espesor de hormigón insuficiente\Carga excesiva\Separación entre conectores inferior al valor mínimo\Distancia al borde del conector inferior al valor mínimo\Separación insuficiente para la armadura vertical\Ancho de junta fuera del rango admisible para este pasador\Separación entre conectores insuficiente para la homologación con la armadura estándar\Distancia al borde insuficiente para la homologación con la armadura estándar\El espesor del muro es inferior al necesario para el conector seleccionado\</translation>
    </message>
    <message>
        <source>The maximum spacings of the dowels is larger than 5 * slab thickness. Please check dowel alignment!\Minimum spacing and edge distance are based on the thinnest slab for the actual connector load\</source>
        <comment>Hinweistexte</comment>
        <translation>La separación máxima entre pasadores es mayor que 5 * espesor de losa. ¡Compruebe la disposición de los pasadores!\La separación mínima y la distancia mínima al borde se basan en la losa más delgada para la carga real del conector\</translation>
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
        <translation>Posición                          \N.º pos.\N.º conectores\Denominación                                          \Total conect. \Estado\Pos\Espesor losa    \Canto útil                \Tipo apoyo  \</translation>
    </message>
    <message>
        <source>reinf&apos;t based on max. FRd\reinf&apos;t based on act. FRd\</source>
        <comment>BewehrungsBasis</comment>
        <translation>armadura según FRd máx.\armadura según FRd act.\</translation>
    </message>
    <message>
        <source>Unlimited\5 * Slab Thickness\</source>
        <comment>MaxAbstandOptionen</comment>
        <translation>Ilimitada\5 * espesor de losa\</translation>
    </message>
    <message>
        <source>Calculation with reinforcement according optimal connector use</source>
        <comment>BlattVerstaerkungOptimal</comment>
        <translation>Cálculo con armadura según el aprovechamiento óptimo del conector</translation>
    </message>
    <message>
        <source>Calculation with reinforcement according max. load capacity of dowel</source>
        <comment>BlattVerstaerkungMaximal</comment>
        <translation>Cálculo con armadura según la capacidad portante máxima del pasador</translation>
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
        <translation>n.º de pasadores</translation>
    </message>
    <message>
        <source>Selected</source>
        <comment>BlattGewaehlt</comment>
        <translation>Seleccionado</translation>
    </message>
    <message>
        <source>Results</source>
        <comment>BlattErgebnisse</comment>
        <translation>Resultados</translation>
    </message>
    <message>
        <source>Input</source>
        <comment>BlattEingabe</comment>
        <translation>Datos de entrada</translation>
    </message>
    <message>
        <source>Concrete quality</source>
        <comment>BlattBetonguete</comment>
        <translation>Clase de hormigón</translation>
    </message>
    <message>
        <source>Slab thickness</source>
        <comment>BlattPlattenDicke</comment>
        <translation>Espesor de losa</translation>
    </message>
    <message>
        <source>Wall thickness</source>
        <comment>BlattWandDicke</comment>
        <translation>Espesor del muro</translation>
    </message>
    <message>
        <source>Concrete cover above</source>
        <comment>BlattDeckungOben</comment>
        <translation>Recubrimiento superior</translation>
    </message>
    <message>
        <source>Concrete cover below</source>
        <comment>BlattDeckungUnten</comment>
        <translation>Recubrimiento inferior</translation>
    </message>
    <message>
        <source>Concrete cover to front</source>
        <comment>BlattDeckungVorn</comment>
        <translation>Recubrimiento frontal</translation>
    </message>
    <message>
        <source>Max. joint width</source>
        <comment>BlattFugenbreite</comment>
        <translation>Ancho máx. de junta</translation>
    </message>
    <message>
        <source>Joint length</source>
        <comment>BlattFugenlaenge</comment>
        <translation>Longitud de junta</translation>
    </message>
    <message>
        <source>Given edge distance</source>
        <comment>BlattRandabstand</comment>
        <translation>Distancia al borde indicada</translation>
    </message>
    <message>
        <source>Single load to connector</source>
        <comment>BlattLastEinzel</comment>
        <translation>Carga puntual sobre el conector</translation>
    </message>
    <message>
        <source>Linear load</source>
        <comment>BlattLastLinie</comment>
        <translation>Carga lineal</translation>
    </message>
    <message>
        <source>Varying distributed load</source>
        <comment>BlattLastBeliebig</comment>
        <translation>Carga distribuida variable</translation>
    </message>
    <message>
        <source>Dead load</source>
        <comment>BlattEigenlast</comment>
        <translation>Peso propio</translation>
    </message>
    <message>
        <source>Partial safety factor</source>
        <comment>BlattTeilsicherheit</comment>
        <translation>Coeficiente parcial de seguridad</translation>
    </message>
    <message>
        <source>Imposed load</source>
        <comment>BlattVerkehrslast</comment>
        <translation>Sobrecarga de uso</translation>
    </message>
    <message>
        <source>Additional design load</source>
        <comment>BlattZusatzlast</comment>
        <translation>Carga de cálculo adicional</translation>
    </message>
    <message>
        <source>Total design load</source>
        <comment>BlattGesamtlast</comment>
        <translation>Carga total de cálculo</translation>
    </message>
    <message>
        <source>Connector design load</source>
        <comment>BlattDuebellast</comment>
        <translation>Carga de cálculo del conector</translation>
    </message>
    <message>
        <source>see next page</source>
        <comment>BlattNaechsteSeite</comment>
        <translation>véase la página siguiente</translation>
    </message>
    <message>
        <source>Actual area of main reinf´t</source>
        <comment>BlattAsyIst</comment>
        <translation>Armadura principal dispuesta</translation>
    </message>
    <message>
        <source>Req´d area of main reinf´t</source>
        <comment>BlattAsyErf</comment>
        <translation>Armadura principal necesaria</translation>
    </message>
    <message>
        <source>Actual area of secondary reinf´t</source>
        <comment>BlattAsxIst</comment>
        <translation>Armadura secundaria dispuesta</translation>
    </message>
    <message>
        <source>Req´d area of secondary reinf´t</source>
        <comment>BlattAsxErf</comment>
        <translation>Armadura secundaria necesaria</translation>
    </message>
    <message>
        <source>Region of main reinf´t</source>
        <comment>BlattBereichY</comment>
        <translation>Zona de armadura principal</translation>
    </message>
    <message>
        <source>Region of secondary reinf´t</source>
        <comment>BlattBereichX</comment>
        <translation>Zona de armadura secundaria</translation>
    </message>
    <message>
        <source>Actual edge distance</source>
        <comment>BlattRandIst</comment>
        <translation>Distancia al borde real</translation>
    </message>
    <message>
        <source>Minimum edge distance</source>
        <comment>BlattRandMin</comment>
        <translation>Distancia mínima al borde</translation>
    </message>
    <message>
        <source>Actual connector spacing</source>
        <comment>BlattAbstandIst</comment>
        <translation>Separación real entre conectores</translation>
    </message>
    <message>
        <source>Minimum connector spacing</source>
        <comment>BlattAbstandMin</comment>
        <translation>Separación mínima entre conectores</translation>
    </message>
    <message>
        <source>Connector design capacity</source>
        <comment>BlattTragfaehigkeit</comment>
        <translation>Resistencia de cálculo del conector</translation>
    </message>
    <message>
        <source>Connector usage</source>
        <comment>BlattAusnutzung</comment>
        <translation>Aprovechamiento del conector</translation>
    </message>
    <message>
        <source>Design resistance concrete</source>
        <comment>BlattWiderstandBeton</comment>
        <translation>Resistencia de cálculo del hormigón</translation>
    </message>
    <message>
        <source>Concrete capacity usage</source>
        <comment>BlattAusnutzungBeton</comment>
        <translation>Aprovechamiento del hormigón</translation>
    </message>
    <message>
        <source>Design resistance steel</source>
        <comment>BlattWiderstandStahl</comment>
        <translation>Resistencia de cálculo del acero</translation>
    </message>
    <message>
        <source>Steel capacity usage</source>
        <comment>BlattAusnutzungStahl</comment>
        <translation>Aprovechamiento del acero</translation>
    </message>
    <message>
        <source>Design resistance reinforcement</source>
        <comment>BlattWiderstandBewehrung</comment>
        <translation>Resistencia de cálculo de la armadura</translation>
    </message>
    <message>
        <source>Reinforcement capacity usage</source>
        <comment>BlattAusnutzungBewehrung</comment>
        <translation>Aprovechamiento de la armadura</translation>
    </message>
    <message>
        <source>Calculation for </source>
        <comment>BerechnungFuer</comment>
        <translation>Cálculo para </translation>
    </message>
    <message>
        <source>Varnel - TRV / ZEDE Shear Connector</source>
        <comment>ProgrammTitel</comment>
        <translation>Varnel - Conector de cortante TRV / ZEDE</translation>
    </message>
    <message>
        <source>TRV - 1.0</source>
        <comment>ProgrammVersion</comment>
        <translation>TRV - 1.0</translation>
    </message>
    <message>
        <source>Date: </source>
        <comment>KopfDatum</comment>
        <translation>Fecha: </translation>
    </message>
    <message>
        <source>Printed from: </source>
        <comment>KopfGedruckt</comment>
        <translation>Impreso el: </translation>
    </message>
    <message>
        <source>Designer: </source>
        <comment>KopfBearbeiter</comment>
        <translation>Proyectista: </translation>
    </message>
    <message>
        <source>Company: </source>
        <comment>KopfFirma</comment>
        <translation>Empresa: </translation>
    </message>
    <message>
        <source>Project:  </source>
        <comment>KopfProjekt</comment>
        <translation>Proyecto:  </translation>
    </message>
    <message>
        <source>Position: </source>
        <comment>KopfPosition</comment>
        <translation>Posición: </translation>
    </message>
    <message>
        <source>The use of the connector is not possible for the following reasons:</source>
        <comment>KopfGruende</comment>
        <translation>No es posible utilizar el conector por los siguientes motivos:</translation>
    </message>
    <message>
        <source>Switzerland\Varnel AG\Tel. +41 00 000 00 00\Fax +41 00 000 00 01\info@ch.varnel.example\</source>
        <comment>KontaktSpalte1</comment>
        <translation>Suiza\Varnel AG\Tel. +41 00 000 00 00\Fax +41 00 000 00 01\info@ch.varnel.example\</translation>
    </message>
    <message>
        <source>Germany\Varnel GmbH\Tel. +49 000 0000 00\Fax +49 000 0000 01\info@de.varnel.example\</source>
        <comment>KontaktSpalte2</comment>
        <translation>Alemania\Varnel GmbH\Tel. +49 000 0000 00\Fax +49 000 0000 01\info@de.varnel.example\</translation>
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
        <translation>Reino Unido\Varnel Ltd.\Tel. +44 0000 000000\Fax +44 0000 000001\info@uk.varnel.example\</translation>
    </message>
    <message>
        <source>Netherlands\Varnel B.V.\Tel. +31 00 000 00 00\Fax +31 00 000 00 01\info@nl.varnel.example\</source>
        <comment>KontaktSpalte6</comment>
        <translation>Países Bajos\Varnel B.V.\Tel. +31 00 000 00 00\Fax +31 00 000 00 01\info@nl.varnel.example\</translation>
    </message>
    <message>
        <source>Connector Schedule</source>
        <comment>StuecklisteTitel</comment>
        <translation>Lista de piezas</translation>
    </message>
    <message>
        <source>Active</source>
        <comment>StatusAktiv</comment>
        <translation>Activa</translation>
    </message>
    <message>
        <source>Not active</source>
        <comment>StatusNichtAktiv</comment>
        <translation>No activa</translation>
    </message>
    <message>
        <source>the current position is already in the existing connector schedule.<byte value="xd"/>
<byte value="xd"/>
Should this be overwritten?</source>
        <comment>StuecklisteUeberschreiben</comment>
        <translation>La posición actual ya figura en la lista de piezas existente.<byte value="xd"/>
<byte value="xd"/>
¿Desea sobrescribirla?</translation>
    </message>
    <message>
        <source>the connector schedule could not be exported - Please check the writing access on the data carrier.</source>
        <comment>StuecklisteExportFehler</comment>
        <translation>No se ha podido exportar la lista de piezas. Compruebe los permisos de escritura del soporte de datos.</translation>
    </message>
    <message>
        <source>Mat.-Pos</source>
        <comment>DruckMatPos</comment>
        <translation>Pos. mat.</translation>
    </message>
    <message>
        <source>Quantity of parts</source>
        <comment>DruckStueckzahl</comment>
        <translation>Cantidad de piezas</translation>
    </message>
    <message>
        <source>Designation</source>
        <comment>DruckBezeichnung</comment>
        <translation>Denominación</translation>
    </message>
    <message>
        <source>Shear connectors supply to transverse force transmission in expansion</source>
        <comment>DruckLieferung1</comment>
        <translation>Suministro de conectores de cortante para la transmisión de esfuerzos cortantes en la junta</translation>
    </message>
    <message>
        <source>max. design Resistance FRd</source>
        <comment>DruckWiderstand</comment>
        <translation>Resistencia de cálculo máx. FRd</translation>
    </message>
    <message>
        <source>Material</source>
        <comment>DruckMaterial</comment>
        <translation>Material</translation>
    </message>
    <message>
        <source>stainless steel 1.4462</source>
        <comment>DruckMaterialText</comment>
        <translation>acero inoxidable 1.4462</translation>
    </message>
    <message>
        <source>Position(s):   </source>
        <comment>DruckPositionen</comment>
        <translation>Posición(es):   </translation>
    </message>
    <message>
        <source>Single shear connector consisting of dowel element and sleeve</source>
        <comment>DruckEinzeldorn</comment>
        <translation>Conector de cortante individual compuesto por pasador y vaina</translation>
    </message>
    <message>
        <source>Type: </source>
        <comment>DruckTyp</comment>
        <translation>Tipo: </translation>
    </message>
    <message>
        <source>and fire protection sleeve</source>
        <comment>DruckBrandschutz</comment>
        <translation>y vaina de protección contra incendios</translation>
    </message>
    <message>
        <source>Mat.-Pos quantity denomination</source>
        <comment>TextMatPos</comment>
        <translation>Pos. mat. cantidad denominación</translation>
    </message>
    <message>
        <source>Shear connectors to transverse force transmission in inexpansion joint supply and</source>
        <comment>TextLieferung1</comment>
        <translation>Suministro de conectores de cortante para la transmisión de esfuerzos cortantes en la junta</translation>
    </message>
    <message>
        <source>max. design resistance FRd: </source>
        <comment>TextWiderstand</comment>
        <translation>Resistencia de cálculo máx. FRd: </translation>
    </message>
    <message>
        <source>Material: stainless steel 1.4462</source>
        <comment>TextMaterial</comment>
        <translation>Material: acero inoxidable 1.4462</translation>
    </message>
    <message>
        <source>Position(s): </source>
        <comment>TextPositionen</comment>
        <translation>Posición(es): </translation>
    </message>
    <message>
        <source>The file is not a valid Varnel - TRV File</source>
        <comment>DateiUngueltig</comment>
        <translation>El archivo no es un archivo válido de Varnel - TRV</translation>
    </message>
    <message>
        <source>The data file was created with an old version of the programm. The import of this data can cause calculation problems, please check all data!</source>
        <comment>DateiAlteVersion</comment>
        <translation>El archivo de datos se creó con una versión antigua del programa. La importación de estos datos puede causar problemas en el cálculo; compruebe todos los datos.</translation>
    </message>
    <message>
        <source>Error during saving the data - unable to save the project</source>
        <comment>DateiSpeichernFehler</comment>
        <translation>Error al guardar los datos: no se ha podido guardar el proyecto</translation>
    </message>
    <message>
        <source>Error during opening the data file - unable to read project data</source>
        <comment>DateiOeffnenFehler</comment>
        <translation>Error al abrir el archivo de datos: no se han podido leer los datos del proyecto</translation>
    </message>
    <message>
        <source>Reinforcement for Varnel shear connector in the building </source>
        <comment>DxfTitel</comment>
        <translation>Armadura en la obra para conector de cortante Varnel </translation>
    </message>
    <message>
        <source>Plan view</source>
        <comment>DxfDraufsicht</comment>
        <translation>Planta</translation>
    </message>
    <message>
        <source>View</source>
        <comment>DxfAnsicht</comment>
        <translation>Vista</translation>
    </message>
    <message>
        <source>Cut</source>
        <comment>DxfSchnitt</comment>
        <translation>Sección</translation>
    </message>
    <message>
        <source>Top and Bottom: </source>
        <comment>DxfObenUnten</comment>
        <translation>Superior e inferior: </translation>
    </message>
    <message>
        <source>Vertical Reinforcement: </source>
        <comment>DxfVertikal</comment>
        <translation>Armadura vertical: </translation>
    </message>
    <message>
        <source> U-bars</source>
        <comment>DxfBuegel</comment>
        <translation> estribos en U</translation>
    </message>
    <message>
        <source>Top: </source>
        <comment>DxfOben</comment>
        <translation>Superior: </translation>
    </message>
    <message>
        <source>Bottom: </source>
        <comment>DxfUnten</comment>
        <translation>Inferior: </translation>
    </message>
    <message>
        <source>The position has not been calculated: there is no reinforcement to draw.</source>
        <comment>DxfNichtBerechnet</comment>
        <translation>La posición no se ha calculado: no hay armadura que dibujar.</translation>
    </message>
    <message>
        <source>The reinforcement of the selected connector type is incomplete and cannot be drawn.</source>
        <comment>DxfBewehrungUngueltig</comment>
        <translation>La armadura del tipo de conector seleccionado está incompleta y no se puede dibujar.</translation>
    </message>
    <message>
        <source>Error during Input: Only numbers allowed!<byte value="xd"/>
(plaease check writing of &quot;.&quot; and &quot;,&quot;) </source>
        <comment>EingabeKeineZahl</comment>
        <translation>Error en la entrada de datos: ¡solo se admiten números!<byte value="xd"/>
(compruebe el uso de &quot;.&quot; y &quot;,&quot;) </translation>
    </message>
    <message>
        <source>Input value is smaller than allowed!</source>
        <comment>EingabeZuKlein</comment>
        <translation>¡El valor introducido es menor que el mínimo admisible!</translation>
    </message>
    <message>
        <source>Input value is greater than allowed!</source>
        <comment>EingabeZuGross</comment>
        <translation>¡El valor introducido es mayor que el máximo admisible!</translation>
    </message>
    <message>
        <source>Single load</source>
        <comment>LastfallEinzel</comment>
        <translation>Carga puntual</translation>
    </message>
    <message>
        <source>constant</source>
        <comment>LastfallKonstant</comment>
        <translation>constante</translation>
    </message>
    <message>
        <source>Increasing distributed load</source>
        <comment>LastfallLinear</comment>
        <translation>Carga distribuida creciente</translation>
    </message>
    <message>
        <source>Arbitrary</source>
        <comment>LastfallBeliebig</comment>
        <translation>Arbitraria</translation>
    </message>
    <message>
        <source>not calculated</source>
        <comment>BerichtNichtBerechnet</comment>
        <translation>sin calcular</translation>
    </message>
    <message>
        <source>joint and install according to the specification of the wing element.</source>
        <comment>DruckLieferung2</comment>
        <translation>de dilatación y colocación según las especificaciones del elemento.</translation>
    </message>
    <message>
        <source>construct according to the specification in the plan of the wing unit.</source>
        <comment>TextLieferung2</comment>
        <translation>de dilatación y colocación según las especificaciones del plano del elemento.</translation>
    </message>
    <message>
        <source>The PDF file does not carry a TRV project: only a result sheet written by this program holds its project.</source>
        <comment>PdfOhneProjekt</comment>
        <translation>El archivo PDF no contiene ningún proyecto TRV: solo una hoja de resultados escrita por este programa contiene su proyecto.</translation>
    </message>
    <message>
        <source>The PDF file is damaged or not a PDF file: its project cannot be read.</source>
        <comment>PdfBeschaedigt</comment>
        <translation>El archivo PDF está dañado o no es un archivo PDF: no se puede leer su proyecto.</translation>
    </message>
    <message>
        <source>The project attached to the PDF file is too large to be read.</source>
        <comment>PdfProjektZuGross</comment>
        <translation>El proyecto adjunto al archivo PDF es demasiado grande para leerlo.</translation>
    </message>
    <message>
        <source>The arbitrary load profile needs at least two points. Please enter the load profile!</source>
        <comment>PlausiLastprofil</comment>
        <translation>La carga arbitraria necesita al menos dos puntos. ¡Introduzca el perfil de carga!</translation>
    </message>
    <message>
        <source>The load needs more than %1 shear connectors in one row. These types cannot be arranged; choose a stronger type or divide the joint.</source>
        <comment>ZuVieleDorne</comment>
        <translation>La carga requiere más de %1 conectores en una fila. Estos tipos no se pueden disponer; elija un tipo más resistente o divida la junta.</translation>
    </message>
</context>
<context>
    <name>Rueckfragen</name>
    <message>
        <source>Printer Setup</source>
        <translation>Configuración de impresora</translation>
    </message>
</context>
<context>
    <name>Stuecklistenbefehl</name>
    <message>
        <source>The connector schedule is full: the position could not be added.</source>
        <translation>La lista de piezas está llena: no se ha podido añadir la posición.</translation>
    </message>
</context>
<context>
    <name>TWinexecute</name>
    <message>
        <source>File not found!</source>
        <translation>¡Archivo no encontrado!</translation>
    </message>
    <message>
        <source>Display not activated</source>
        <translation>Visualización no activada</translation>
    </message>
    <message>
        <source>not enough emory, damaged executable file, or not allowed move</source>
        <translation>memoria insuficiente, archivo ejecutable dañado o reubicación no válida</translation>
    </message>
    <message>
        <source>Unknown Error</source>
        <translation>Error desconocido</translation>
    </message>
    <message>
        <source>File not found.</source>
        <translation>No se ha encontrado el archivo.</translation>
    </message>
    <message>
        <source>Path not found.</source>
        <translation>No se ha encontrado la ruta.</translation>
    </message>
    <message>
        <source>Unzulässiger Versuch, eine Task dynamisch einzubinden, oder es gab einen Fehler beim gemeinsamen Zugriff bzw. einen Zugriffsfehler im Netzwerk.</source>
        <translation>Intento no válido de vincular dinámicamente una tarea, o se ha producido un error de acceso simultáneo o un error de acceso a la red.</translation>
    </message>
    <message>
        <source>Bibliothek erfordert getrennte Datensegmente für jede Task.</source>
        <translation>La biblioteca requiere segmentos de datos separados para cada tarea.</translation>
    </message>
    <message>
        <source>Not enough memory to start the application.</source>
        <translation>Memoria insuficiente para iniciar la aplicación.</translation>
    </message>
    <message>
        <source>Wrong Windows-Version.</source>
        <translation>Versión de Windows incorrecta.</translation>
    </message>
    <message>
        <source>Invalid .EXE-file.</source>
        <translation>Archivo .EXE no válido.</translation>
    </message>
    <message>
        <source>Application is based on a other operation system.</source>
        <translation>La aplicación está diseñada para otro sistema operativo.</translation>
    </message>
    <message>
        <source>DOS 4.0-application.</source>
        <translation>Aplicación para DOS 4.0.</translation>
    </message>
    <message>
        <source>Unknown .EXE-filetype.</source>
        <translation>Tipo de archivo .EXE desconocido.</translation>
    </message>
    <message>
        <source>Versuch, im Protected Mode (Standardmodus oder erweiterter 386-Modus) eine für frühere Windows-Versionen erstellte .EXE-Datei zu laden</source>
        <translation>Intento de cargar en modo protegido (modo estándar o modo 386 extendido) un archivo .EXE creado para una versión anterior de Windows</translation>
    </message>
    <message>
        <source>You tried to start second time, die mehrfache (nicht Read-Only markierte) Datensegmente enthält.</source>
        <translation>Ha intentado iniciar por segunda vez una aplicación que contiene varios segmentos de datos no marcados como de solo lectura.</translation>
    </message>
    <message>
        <source>You tried to excecute a zipped file. The file must be unzipped, before loading.</source>
        <translation>Ha intentado ejecutar un archivo comprimido. Descomprima el archivo antes de cargarlo.</translation>
    </message>
    <message>
        <source>The Dynamic-Link-Library(DLL)-file was damaged. A necessary DLL, to start the application is damaged or missing.</source>
        <translation>El archivo de biblioteca de vínculos dinámicos (DLL) está dañado. Falta o está dañada una DLL necesaria para iniciar la aplicación.</translation>
    </message>
    <message>
        <source>The application needs a 32-Bit-Environment.</source>
        <translation>La aplicación requiere un entorno de 32 bits.</translation>
    </message>
    <message>
        <source>Application not found to start selected file</source>
        <translation>No se ha encontrado ninguna aplicación para abrir el archivo seleccionado</translation>
    </message>
</context>
<context>
    <name>Textgrenze</name>
    <message>
        <source>The text is too long: only its first %1 characters are kept.</source>
        <translation>El texto es demasiado largo: solo se conservan sus primeros %1 caracteres.</translation>
    </message>
</context>
<context>
    <name>TfrmBewehrung</name>
    <message>
        <source>Intermediate result for reinforcement </source>
        <translation>Resultado intermedio de la armadura </translation>
    </message>
</context>
<context>
    <name>TfrmSplash</name>
    <message>
        <source>Selected language not available!</source>
        <translation>¡El idioma seleccionado no está disponible!</translation>
    </message>
</context>
<context>
    <name>trv::Befehle</name>
    <message>
        <source>&amp;New...</source>
        <translation>&amp;Nuevo...</translation>
    </message>
    <message>
        <source>begin new project|begin new project</source>
        <translation>nuevo proyecto|iniciar un nuevo proyecto</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Abrir...</translation>
    </message>
    <message>
        <source>open project|open an existing project file</source>
        <translation>abrir proyecto|abrir un archivo de proyecto existente</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>save project|save the project in its file</source>
        <translation>guardar proyecto|guardar el proyecto en su archivo</translation>
    </message>
    <message>
        <source>Save &amp;As ...</source>
        <translation>Guardar &amp;como...</translation>
    </message>
    <message>
        <source>save project as|save the project in a new file</source>
        <translation>guardar proyecto como|guardar el proyecto en un archivo nuevo</translation>
    </message>
    <message>
        <source>Printer Set&amp;up</source>
        <translation>Configurar &amp;impresora</translation>
    </message>
    <message>
        <source>printer setup|choose the printer and its page</source>
        <translation>configurar impresora|seleccionar la impresora y su página</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>Im&amp;primir</translation>
    </message>
    <message>
        <source>print|print the result sheet of the current position</source>
        <translation>imprimir|imprimir la hoja de resultados de la posición actual</translation>
    </message>
    <message>
        <source>Print pro&amp;ject</source>
        <translation>Imprimir pro&amp;yecto</translation>
    </message>
    <message>
        <source>print project|print the result sheets of every calculated position and the connector schedule</source>
        <translation>imprimir proyecto|imprimir las hojas de resultados de todas las posiciones calculadas y la lista de piezas</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>exit|end the program</source>
        <translation>salir|salir del programa</translation>
    </message>
    <message>
        <source>Project Ad&amp;ministration</source>
        <translation>A&amp;dministración de proyectos</translation>
    </message>
    <message>
        <source>project administration|browse project files and take over positions</source>
        <translation>administración de proyectos|examinar archivos de proyecto e importar posiciones</translation>
    </message>
    <message>
        <source>&amp;Add Position</source>
        <translation>&amp;Añadir posición</translation>
    </message>
    <message>
        <source>add position|add a copy of the current position</source>
        <translation>añadir posición|añadir una copia de la posición actual</translation>
    </message>
    <message>
        <source>&amp;Delete Current Position</source>
        <translation>&amp;Eliminar posición actual</translation>
    </message>
    <message>
        <source>delete position|delete the current position</source>
        <translation>eliminar posición|eliminar la posición actual</translation>
    </message>
    <message>
        <source>Input &amp;Tree</source>
        <translation>Árbol de en&amp;trada</translation>
    </message>
    <message>
        <source>input tree|show or hide the input tree</source>
        <translation>árbol de entrada|mostrar u ocultar el árbol de entrada</translation>
    </message>
    <message>
        <source>System &amp;Input</source>
        <translation>Entrada del &amp;sistema</translation>
    </message>
    <message>
        <source>system input|return from the result sheet to the input</source>
        <translation>entrada del sistema|volver de la hoja de resultados a la entrada de datos</translation>
    </message>
    <message>
        <source>&amp;Project Data</source>
        <translation>&amp;Datos del proyecto</translation>
    </message>
    <message>
        <source>project data|edit the project description</source>
        <translation>datos del proyecto|editar la descripción del proyecto</translation>
    </message>
    <message>
        <source>&amp;Display Connector Schedule</source>
        <translation>&amp;Mostrar lista de piezas</translation>
    </message>
    <message>
        <source>connector schedule|display the connector schedule</source>
        <translation>lista de piezas|mostrar la lista de piezas</translation>
    </message>
    <message>
        <source>&amp;Add to Connector Schedule</source>
        <translation>&amp;Añadir a la lista de piezas</translation>
    </message>
    <message>
        <source>add to schedule|add the selected connector of the current position to the connector schedule</source>
        <translation>añadir a la lista|añadir el conector seleccionado de la posición actual a la lista de piezas</translation>
    </message>
    <message>
        <source>calculation|check the inputs and design all connector types</source>
        <translation>cálculo|comprobar los datos de entrada y dimensionar todos los tipos de conector</translation>
    </message>
    <message>
        <source>Calculation &amp;Preview</source>
        <translation>&amp;Vista previa del cálculo</translation>
    </message>
    <message>
        <source>preview|calculate and show the result sheet</source>
        <translation>vista previa|calcular y mostrar la hoja de resultados</translation>
    </message>
    <message>
        <source>DXF Export - &amp;Connector</source>
        <translation>Exportación DXF - &amp;conector</translation>
    </message>
    <message>
        <source>connector CAD blocks|copy the CAD blocks of the selected connector</source>
        <translation>bloques CAD del conector|copiar los bloques CAD del conector seleccionado</translation>
    </message>
    <message>
        <source>DXF Export - &amp;Reinforcement</source>
        <translation>Exportación DXF - &amp;armadura</translation>
    </message>
    <message>
        <source>reinforcement drawing|DXF drawing of the reinforcement of the selected connector</source>
        <translation>plano de armado|dibujo DXF de la armadura del conector seleccionado</translation>
    </message>
    <message>
        <source>Export Results to &amp;File</source>
        <translation>Exportar resultados a a&amp;rchivo</translation>
    </message>
    <message>
        <source>export results|save the result sheet in a file</source>
        <translation>exportar resultados|guardar la hoja de resultados en un archivo</translation>
    </message>
    <message>
        <source>Export Results to C&amp;lipboard</source>
        <translation>Exportar resultados al &amp;portapapeles</translation>
    </message>
    <message>
        <source>results to clipboard|copy the result sheet to the clipboard</source>
        <translation>resultados al portapapeles|copiar la hoja de resultados al portapapeles</translation>
    </message>
    <message>
        <source>design options|maximum spacing, steel grade and safety factor</source>
        <translation>opciones de cálculo|separación máxima, tipo de acero y coeficiente de seguridad</translation>
    </message>
    <message>
        <source>&amp;Screen Colours</source>
        <translation>&amp;Colores de pantalla</translation>
    </message>
    <message>
        <source>screen colours|choose the colours of the sketches</source>
        <translation>colores de pantalla|seleccionar los colores de los croquis</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Contenido</translation>
    </message>
    <message>
        <source>help|contents of the help</source>
        <translation>ayuda|contenido de la ayuda</translation>
    </message>
    <message>
        <source>Search for Key&amp;word</source>
        <translation>Buscar &amp;palabra clave</translation>
    </message>
    <message>
        <source>search help|search the help</source>
        <translation>buscar en la ayuda|buscar en la ayuda</translation>
    </message>
    <message>
        <source>&amp;Use of Help</source>
        <translation>&amp;Uso de la ayuda</translation>
    </message>
    <message>
        <source>use of help|how to use the help</source>
        <translation>uso de la ayuda|cómo utilizar la ayuda</translation>
    </message>
    <message>
        <source>&amp;About Varnel Shear Connectors</source>
        <translation>&amp;Acerca de los conectores de cortante Varnel</translation>
    </message>
    <message>
        <source>about|version and maker of the program</source>
        <translation>acerca de|versión y fabricante del programa</translation>
    </message>
    <message>
        <source>&amp;Varnel Shear Connectors Manual</source>
        <translation>&amp;Manual de los conectores de cortante Varnel</translation>
    </message>
    <message>
        <source>manual|open the manual of the shear connectors</source>
        <translation>manual|abrir el manual de los conectores de cortante</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Vista</translation>
    </message>
    <message>
        <source>view|view of the joint with the connector</source>
        <translation>vista|vista de la junta con el conector</translation>
    </message>
    <message>
        <source>Plan View</source>
        <translation>Planta</translation>
    </message>
    <message>
        <source>plan view|plan view of the connector</source>
        <translation>planta|planta del conector</translation>
    </message>
    <message>
        <source>Section</source>
        <translation>Sección</translation>
    </message>
    <message>
        <source>section|section through the joint</source>
        <translation>sección|sección a través de la junta</translation>
    </message>
    <message>
        <source>Row View</source>
        <translation>Vista de la fila</translation>
    </message>
    <message>
        <source>row view|arrangement of the connectors along the joint</source>
        <translation>vista de la fila|disposición de los conectores a lo largo de la junta</translation>
    </message>
    <message>
        <source>Reinforcement</source>
        <translation>Armadura</translation>
    </message>
    <message>
        <source>reinforcement|adjust the reinforcement of the selected connector</source>
        <translation>armadura|ajustar la armadura del conector seleccionado</translation>
    </message>
    <message>
        <source>Sketch to &amp;Clipborad</source>
        <translation>Croquis al &amp;portapapeles</translation>
    </message>
    <message>
        <source>copy sketch|copy the sketch to the clipboard</source>
        <translation>copiar croquis|copiar el croquis al portapapeles</translation>
    </message>
    <message>
        <source>Save sketch in file</source>
        <translation>Guardar croquis en archivo</translation>
    </message>
    <message>
        <source>save sketch|save the sketch in a file</source>
        <translation>guardar croquis|guardar el croquis en un archivo</translation>
    </message>
    <message>
        <source>Represent sketch as full picture</source>
        <translation>Mostrar croquis ampliado</translation>
    </message>
    <message>
        <source>enlarge sketch|show the sketch in a window of its own</source>
        <translation>ampliar croquis|mostrar el croquis en una ventana propia</translation>
    </message>
    <message>
        <source>DXF-Export</source>
        <translation>Exportación DXF</translation>
    </message>
    <message>
        <source>DXF export|DXF drawing of the reinforcement of the selected connector</source>
        <translation>exportación DXF|dibujo DXF de la armadura del conector seleccionado</translation>
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
        <translation>&amp;Calcular</translation>
    </message>
    <message>
        <source>&amp;Calculation</source>
        <comment>Options menu: design options</comment>
        <translation>C&amp;álculo</translation>
    </message>
</context>
<context>
    <name>trv::Projektbefehle</name>
    <message>
        <source>Do you want to save current calculation?</source>
        <translation>¿Desea guardar el cálculo actual?</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <source>The file %1 has been changed by another program since it was opened or saved here. Do you want to overwrite it?</source>
        <translation>El archivo %1 ha sido modificado por otro programa desde que se abrió o guardó aquí. ¿Desea sobrescribirlo?</translation>
    </message>
    <message>
        <source>Result sheets with their project (*.pdf *.PDF)</source>
        <translation>Hojas de resultados con su proyecto (*.pdf *.PDF)</translation>
    </message>
</context>
<context>
    <name>trv::TEingabebaum</name>
    <message>
        <source>Input tree</source>
        <translation>Árbol de entrada</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Save As ...</source>
        <translation>Guardar como...</translation>
    </message>
    <message>
        <source>Printer Setup ...</source>
        <translation>Configurar impresora...</translation>
    </message>
    <message>
        <source>Project Administration</source>
        <translation>Administración de proyectos</translation>
    </message>
    <message>
        <source>Project: </source>
        <translation>Proyecto: </translation>
    </message>
    <message>
        <source>Add Position</source>
        <translation>Añadir posición</translation>
    </message>
    <message>
        <source>Delete Current Position</source>
        <translation>Eliminar posición actual</translation>
    </message>
    <message>
        <source>Current Positions</source>
        <translation>Posiciones actuales</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Entrada</translation>
    </message>
    <message>
        <source>Project Data</source>
        <translation>Datos del proyecto</translation>
    </message>
    <message>
        <source>Connector Schedule</source>
        <translation>Lista de piezas</translation>
    </message>
    <message>
        <source>Display Connector Schedule</source>
        <translation>Mostrar lista de piezas</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Calculation</source>
        <translation>Cálculo</translation>
    </message>
    <message>
        <source>Screen Colours</source>
        <translation>Colores de pantalla</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Contenido</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>About Help</source>
        <translation>Acerca de la ayuda</translation>
    </message>
    <message>
        <source>About Varnel Shear Connectors</source>
        <translation>Acerca de los conectores de cortante Varnel</translation>
    </message>
    <message>
        <source>Varnel Shear Connectors Manual</source>
        <translation>Manual de los conectores de cortante Varnel</translation>
    </message>
    <message>
        <source>End program</source>
        <translation>Salir del programa</translation>
    </message>
    <message>
        <source>System Input</source>
        <translation>Entrada del sistema</translation>
    </message>
    <message>
        <source>Add to Connector Schedule</source>
        <translation>Añadir a la lista de piezas</translation>
    </message>
</context>
<context>
    <name>trv::TEingabepanel</name>
    <message>
        <source>Application case</source>
        <translation>Caso de aplicación</translation>
    </message>
    <message>
        <source>Single Shear Connector</source>
        <translation>Conector de cortante individual</translation>
    </message>
    <message>
        <source>Calculation of a single double shear connector in a beam</source>
        <translation>Cálculo de un conector de cortante individual en una viga</translation>
    </message>
    <message>
        <source>Row of connectors in a slab</source>
        <translation>Fila de conectores en losa</translation>
    </message>
    <message>
        <source>Calculation for a row type of arrangement of connectors in a slab</source>
        <translation>Cálculo de una disposición en fila de conectores en una losa</translation>
    </message>
    <message>
        <source>Row of connectors in wall</source>
        <translation>Fila de conectores en muro</translation>
    </message>
    <message>
        <source>Calculation for a row type of connector arrangement in a wall</source>
        <translation>Cálculo de una disposición en fila de conectores en un muro</translation>
    </message>
    <message>
        <source>Determination of reinforcement</source>
        <translation>Determinación de la armadura</translation>
    </message>
    <message>
        <source>&amp;Single load</source>
        <translation>Carga &amp;puntual</translation>
    </message>
    <message>
        <source>con&amp;stant</source>
        <translation>con&amp;stante</translation>
    </message>
    <message>
        <source>Uniform distributed load</source>
        <translation>Carga uniformemente distribuida</translation>
    </message>
    <message>
        <source>input an uniform distributed load onto the building component to be connected</source>
        <translation>introduzca una carga uniformemente distribuida sobre el elemento a conectar</translation>
    </message>
    <message>
        <source>&amp;Uniformly</source>
        <translation>crecie&amp;nte</translation>
    </message>
    <message>
        <source>Increasing distributed load</source>
        <translation>Carga distribuida creciente</translation>
    </message>
    <message>
        <source>input an increasing distributed load onto the building component to be connected</source>
        <translation>introduzca una carga distribuida creciente sobre el elemento a conectar</translation>
    </message>
    <message>
        <source>&amp;Arbitrary</source>
        <translation>arbi&amp;traria</translation>
    </message>
    <message>
        <source>Varying distributed load</source>
        <translation>Carga distribuida variable</translation>
    </message>
    <message>
        <source>Entry of a varying distributed load on the building component to be connected</source>
        <translation>Introducción de una carga distribuida variable sobre el elemento a conectar</translation>
    </message>
    <message>
        <source>Point Load</source>
        <translation>Carga puntual</translation>
    </message>
    <message>
        <source>Distributed Load</source>
        <translation>Carga distribuida</translation>
    </message>
    <message>
        <source>Dead load</source>
        <translation>Peso propio</translation>
    </message>
    <message>
        <source>Partial safety factor</source>
        <translation>Coeficiente parcial de seguridad</translation>
    </message>
    <message>
        <source>Imposed load</source>
        <translation>Sobrecarga de uso</translation>
    </message>
    <message>
        <source>Add. design load</source>
        <translation>Carga adic. de cálculo</translation>
    </message>
    <message>
        <source>[kN]</source>
        <translation>[kN]</translation>
    </message>
    <message>
        <source>left</source>
        <translation>izquierda</translation>
    </message>
    <message>
        <source>right</source>
        <translation>derecha</translation>
    </message>
    <message>
        <source>Total design load</source>
        <translation>Carga total de cálculo</translation>
    </message>
    <message>
        <source>[kN/m]</source>
        <translation>[kN/m]</translation>
    </message>
    <message>
        <source>Concrete quality</source>
        <translation>Clase de hormigón</translation>
    </message>
    <message>
        <source>Maximum joint width</source>
        <translation>Ancho máximo de junta</translation>
    </message>
    <message>
        <source>Eff. structural height</source>
        <translation>Canto útil</translation>
    </message>
    <message>
        <source>Joint length</source>
        <translation>Longitud de junta</translation>
    </message>
    <message>
        <source>Concrete cover above</source>
        <translation>Recubrimiento superior</translation>
    </message>
    <message>
        <source>Concrete cover below</source>
        <translation>Recubrimiento inferior</translation>
    </message>
    <message>
        <source>Concrete cover to front</source>
        <translation>Recubrimiento frontal</translation>
    </message>
    <message>
        <source>Slab thickness</source>
        <translation>Espesor de losa</translation>
    </message>
    <message>
        <source>Wall thickness</source>
        <translation>Espesor del muro</translation>
    </message>
    <message>
        <source>Edge distance left</source>
        <translation>Distancia al borde izq.</translation>
    </message>
    <message>
        <source>Edge distance right</source>
        <translation>Distancia al borde der.</translation>
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
        <translation>Conector</translation>
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
        <translation>Observaciones</translation>
    </message>
    <message>
        <source>Overview of the calculation</source>
        <translation>Resumen del cálculo</translation>
    </message>
    <message>
        <source>Overview of the calculation results</source>
        <translation>Resumen de los resultados del cálculo</translation>
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
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>Help on this window</source>
        <translation>Ayuda sobre esta ventana</translation>
    </message>
</context>
<context>
    <name>trv::THilfefenster</name>
    <message>
        <source>Varnel - TRV / ZEDE Shear Connectors - Help</source>
        <translation>Varnel - Conectores de cortante TRV / ZEDE - Ayuda</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Contenido</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>Í&amp;ndice</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Buscar</translation>
    </message>
    <message>
        <source>&amp;Look for:</source>
        <translation>Buscar &amp;término:</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Adelante</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Contenido</translation>
    </message>
    <message>
        <source>Using the help</source>
        <translation>Uso de la ayuda</translation>
    </message>
</context>
<context>
    <name>trv::TStuecklistenExportDialog</name>
    <message>
        <source>Varnel - TRV / ZEDE Shear Connector - Export Connector Schedule</source>
        <translation>Varnel - Conectores de cortante TRV / ZEDE - Exportar lista de piezas</translation>
    </message>
    <message>
        <source>Export in Metafile Format (*.svg)</source>
        <translation>Exportar en formato vectorial SVG (*.svg)</translation>
    </message>
    <message>
        <source>Export in Bitmap Format (*.bmp)</source>
        <translation>Exportar en formato de mapa de bits (*.bmp)</translation>
    </message>
    <message>
        <source>Export in JPeg Format (*.jpg)</source>
        <translation>Exportar en formato JPEG (*.jpg)</translation>
    </message>
    <message>
        <source>Export in Text Format (*.txt)</source>
        <translation>Exportar en formato de texto (*.txt)</translation>
    </message>
</context>
<context>
    <name>trv::TfrmAbout</name>
    <message>
        <source>This program is an aid to the design of TRV and ZEDE shear connectors. It does not replace the judgement of a qualified structural engineer. The results must be checked by the engineer responsible for the structure before they are used, and the responsibility for the design remains with that engineer.

Check all input data. The results are valid only for the connectors, materials and boundary conditions described in the program and in the manual, and only for the data entered; the maker accepts no liability for results obtained with wrong or incomplete input, for the use of other products, or for damage arising from the use of the program, except where the law provides otherwise.

The program has been tested with care on the operating systems named in the manual. Faults caused by other system software, printers or other programs cannot be excluded. Please report any fault you find to the maker.</source>
        <translation>Este programa es una ayuda para el dimensionamiento de los conectores de cortante TRV y ZEDE. No sustituye el criterio de un ingeniero de estructuras cualificado. El ingeniero responsable de la estructura debe comprobar los resultados antes de utilizarlos, y la responsabilidad del proyecto estructural sigue recayendo en dicho ingeniero.

Compruebe todos los datos de entrada. Los resultados solo son válidos para los conectores, materiales y condiciones de contorno descritos en el programa y en el manual, y solo para los datos introducidos; el fabricante no asume ninguna responsabilidad por los resultados obtenidos con datos erróneos o incompletos, por el uso de otros productos ni por los daños derivados del uso del programa, salvo que la ley disponga otra cosa.

El programa se ha probado cuidadosamente en los sistemas operativos indicados en el manual. No pueden excluirse fallos causados por otro software del sistema, por impresoras o por otros programas. Le rogamos que comunique al fabricante cualquier fallo que detecte.</translation>
    </message>
    <message>
        <source>About Varnel - TRV / ZEDE Shear Connectors</source>
        <translation>Acerca de Varnel - Conectores de cortante TRV / ZEDE</translation>
    </message>
    <message>
        <source>Varnel - TRV / ZEDE Shear Connectors</source>
        <translation>Varnel - Conectores de cortante TRV / ZEDE</translation>
    </message>
    <message>
        <source>This program will enable the calculation of TRV and ZEDE shear connectors supporting higher transverse loads</source>
        <translation>Este programa permite calcular los conectores de cortante TRV y ZEDE para la transmisión de esfuerzos cortantes elevados</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Versión:</translation>
    </message>
    <message>
        <source>TRV - %1</source>
        <translation>TRV - %1</translation>
    </message>
    <message>
        <source>Created on:</source>
        <translation>Fecha de creación:</translation>
    </message>
    <message>
        <source>10.06.2009</source>
        <translation>10.06.2009</translation>
    </message>
    <message>
        <source>Disclaimer</source>
        <translation>Exención de responsabilidad</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Volver</translation>
    </message>
</context>
<context>
    <name>trv::TfrmBemessung</name>
    <message>
        <source>Settings for Calculation</source>
        <translation>Parámetros de cálculo</translation>
    </message>
    <message>
        <source>Max. Spacing of Dowels</source>
        <translation>Separación máx. de pasadores</translation>
    </message>
    <message>
        <source>partial safety factor for steel</source>
        <translation>coeficiente parcial de seguridad del acero</translation>
    </message>
    <message>
        <source>reinforcement yield strength</source>
        <translation>límite elástico de la armadura</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>Undertake entry and close window</source>
        <translation>Aceptar los datos y cerrar la ventana</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Discard entry and close window</source>
        <translation>Descartar los datos y cerrar la ventana</translation>
    </message>
</context>
<context>
    <name>trv::TfrmBewehrung</name>
    <message>
        <source>Reinforcement</source>
        <translation>Armadura</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Número</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Diámetro</translation>
    </message>
    <message>
        <source>Top and Bottom Reinforcement</source>
        <translation>Armadura superior e inferior</translation>
    </message>
    <message>
        <source>Vertical Reinforcement</source>
        <translation>Armadura vertical</translation>
    </message>
    <message>
        <source>Number of Top and Bottom Reinforcement bars</source>
        <translation>Número de barras de la armadura superior e inferior</translation>
    </message>
    <message>
        <source>Change number of Top and Bottom Reinforcement bars</source>
        <translation>Modificar el número de barras de la armadura superior e inferior</translation>
    </message>
    <message>
        <source>Diameter of Top and Bottom Reinforcement bars</source>
        <translation>Diámetro de las barras de la armadura superior e inferior</translation>
    </message>
    <message>
        <source>Change diameter of Top and Bottom Reinforcement bars</source>
        <translation>Modificar el diámetro de las barras de la armadura superior e inferior</translation>
    </message>
    <message>
        <source>Number Vertical Reinforcement bars</source>
        <translation>Número de barras de la armadura vertical</translation>
    </message>
    <message>
        <source>Change number Vertical Reinforcement bars</source>
        <translation>Modificar el número de barras de la armadura vertical</translation>
    </message>
    <message>
        <source>Diameter of Vertical Reinforcement bars</source>
        <translation>Diámetro de las barras de la armadura vertical</translation>
    </message>
    <message>
        <source>Change diameter Vertical Reinforcement bars</source>
        <translation>Modificar el diámetro de las barras de la armadura vertical</translation>
    </message>
    <message>
        <source>Connector of the TRV series</source>
        <translation>Conector de la serie TRV</translation>
    </message>
    <message>
        <source>Connector of the ZEDE series</source>
        <translation>Conector de la serie ZEDE</translation>
    </message>
    <message>
        <source>Intermediate result for reinforcement </source>
        <translation>Resultado intermedio de la armadura </translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>Undertake entry and close window</source>
        <translation>Aceptar los datos y cerrar la ventana</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Discard entry and close window</source>
        <translation>Descartar los datos y cerrar la ventana</translation>
    </message>
    <message>
        <source>Reinforcement to current connector: </source>
        <translation>Armadura del conector actual: </translation>
    </message>
</context>
<context>
    <name>trv::TfrmFarbeinstellung</name>
    <message>
        <source>TRV - colour representation</source>
        <translation>TRV - representación en color</translation>
    </message>
    <message>
        <source>Sketch</source>
        <translation>Croquis</translation>
    </message>
    <message>
        <source>Concrete</source>
        <translation>Hormigón</translation>
    </message>
    <message>
        <source>Reinforcement</source>
        <translation>Armadura</translation>
    </message>
    <message>
        <source>Shear connector</source>
        <translation>Conector de cortante</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Fondo</translation>
    </message>
    <message>
        <source>Colour of the sketch background</source>
        <translation>Color del fondo del croquis</translation>
    </message>
    <message>
        <source>Dimensioning</source>
        <translation>Acotación</translation>
    </message>
    <message>
        <source>Colour representation of the dimensioning (Lines + Text)</source>
        <translation>Color de la acotación (líneas + texto)</translation>
    </message>
    <message>
        <source>Border</source>
        <translation>Contorno</translation>
    </message>
    <message>
        <source>Colour of the concrete border</source>
        <translation>Color del contorno del hormigón</translation>
    </message>
    <message>
        <source>Surface</source>
        <translation>Superficie</translation>
    </message>
    <message>
        <source>Colour of the concrete surfaces</source>
        <translation>Color de las superficies de hormigón</translation>
    </message>
    <message>
        <source>Fire protection</source>
        <translation>Protección contra incendios</translation>
    </message>
    <message>
        <source>Colour of the fire protection sleeve</source>
        <translation>Color de la vaina de protección contra incendios</translation>
    </message>
    <message>
        <source>Position B</source>
        <translation>Posición B</translation>
    </message>
    <message>
        <source>Colour of the horizontal reinforcement (Pos B)</source>
        <translation>Color de la armadura horizontal (pos. B)</translation>
    </message>
    <message>
        <source>Position D</source>
        <translation>Posición D</translation>
    </message>
    <message>
        <source>Colour representation of the suspended reinforcement (pos D)</source>
        <translation>Color de la armadura de suspensión (pos. D)</translation>
    </message>
    <message>
        <source>Colour of the shear connector border</source>
        <translation>Color del contorno del conector de cortante</translation>
    </message>
    <message>
        <source>Colour of the shear connector surface</source>
        <translation>Color de la superficie del conector de cortante</translation>
    </message>
    <message>
        <source>&amp;Standard</source>
        <translation>&amp;Estándar</translation>
    </message>
    <message>
        <source>Set back colour to standard value</source>
        <translation>Restablecer los colores estándar</translation>
    </message>
    <message>
        <source>&amp;Grey scales</source>
        <translation>Escala de &amp;grises</translation>
    </message>
    <message>
        <source>Adjust colour representation to grey scale</source>
        <translation>Representar los colores en escala de grises</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>Leave entry mask and undertake entry!</source>
        <translation>¡Cerrar la ventana y aceptar los datos!</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Leave entry mask and discard entry!</source>
        <translation>¡Cerrar la ventana y descartar los datos!</translation>
    </message>
</context>
<context>
    <name>trv::TfrmHauptMaske</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Project</source>
        <translation>&amp;Proyecto</translation>
    </message>
    <message>
        <source>&amp;Input</source>
        <translation>&amp;Entrada</translation>
    </message>
    <message>
        <source>&amp;Connector Schedule</source>
        <translation>&amp;Lista de piezas</translation>
    </message>
    <message>
        <source>&amp;Results</source>
        <translation>&amp;Resultados</translation>
    </message>
    <message>
        <source>&amp;Export Results</source>
        <translation>&amp;Exportar resultados</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>Main tool bar</source>
        <translation>Barra de herramientas principal</translation>
    </message>
    <message>
        <source>Sketches</source>
        <translation>Croquis</translation>
    </message>
    <message>
        <source>lfd Nr.:</source>
        <translation>N.º:</translation>
    </message>
    <message>
        <source>Current position</source>
        <translation>Posición actual</translation>
    </message>
    <message>
        <source>current position</source>
        <translation>posición actual</translation>
    </message>
    <message>
        <source>number of the position shown</source>
        <translation>número de la posición mostrada</translation>
    </message>
    <message>
        <source>Pro&amp;ject:</source>
        <translation>Pro&amp;yecto:</translation>
    </message>
    <message>
        <source>Project</source>
        <translation>Proyecto</translation>
    </message>
    <message>
        <source>name of the project</source>
        <translation>nombre del proyecto</translation>
    </message>
    <message>
        <source>Posi&amp;tion:</source>
        <translation>Pos&amp;ición:</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posición</translation>
    </message>
    <message>
        <source>description of the current position</source>
        <translation>descripción de la posición actual</translation>
    </message>
    <message>
        <source>Retur&amp;n to entry</source>
        <translation>Volver a la entrada de &amp;datos</translation>
    </message>
    <message>
        <source>To C&amp;lipboard</source>
        <translation>Al por&amp;tapapeles</translation>
    </message>
    <message>
        <source>Calculation Pre&amp;view</source>
        <translation>&amp;Vista previa del cálculo</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>E&amp;xportar</translation>
    </message>
    <message>
        <source>Ca&amp;lculation</source>
        <translation>&amp;Calcular</translation>
    </message>
    <message>
        <source>Hints</source>
        <translation>Indicaciones</translation>
    </message>
    <message>
        <source>Sketch</source>
        <translation>Croquis</translation>
    </message>
    <message>
        <source>sketch</source>
        <translation>croquis</translation>
    </message>
    <message>
        <source>click the sketch to copy, save or enlarge it</source>
        <translation>haga clic en el croquis para copiarlo, guardarlo o ampliarlo</translation>
    </message>
    <message>
        <source>Result sheet</source>
        <translation>Hoja de resultados</translation>
    </message>
    <message>
        <source>Input tree</source>
        <translation>Árbol de entrada</translation>
    </message>
    <message>
        <source>Cannot open file!</source>
        <translation>¡No se puede abrir el archivo!</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(ninguno)</translation>
    </message>
    <message>
        <source>&amp;Clear List</source>
        <translation>&amp;Vaciar la lista</translation>
    </message>
    <message>
        <source>The project %1 does not exist any more. It is taken off the list.</source>
        <translation>El proyecto %1 ya no existe. Se quita de la lista.</translation>
    </message>
    <message>
        <source>&amp;Recent Projects</source>
        <translation>P&amp;royectos recientes</translation>
    </message>
    <message>
        <source>The settings file %1 cannot be used: %2.
The program works with the default settings and keeps no changes of them.</source>
        <translation>No se puede usar el archivo de configuración %1: %2.
El programa trabaja con la configuración predeterminada y no guarda cambios en ella.</translation>
    </message>
</context>
<context>
    <name>trv::TfrmProjektdaten</name>
    <message>
        <source>Project Data</source>
        <translation>Datos del proyecto</translation>
    </message>
    <message>
        <source>Project:</source>
        <translation>Proyecto:</translation>
    </message>
    <message>
        <source>Company</source>
        <translation>Empresa</translation>
    </message>
    <message>
        <source>Designer:</source>
        <translation>Proyectista:</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Fecha:</translation>
    </message>
    <message>
        <source>&amp;Today</source>
        <translation>&amp;Hoy</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
</context>
<context>
    <name>trv::TfrmProjektverwaltung</name>
    <message>
        <source>Varnel - Project Administration</source>
        <translation>Varnel - Administración de proyectos</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Carpetas</translation>
    </message>
    <message>
        <source>Project files</source>
        <translation>Archivos de proyecto</translation>
    </message>
    <message>
        <source>Positions</source>
        <translation>Posiciones</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>N.º</translation>
    </message>
    <message>
        <source>Prog</source>
        <translation>Prog.</translation>
    </message>
    <message>
        <source>Project</source>
        <translation>Proyecto</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posición</translation>
    </message>
    <message>
        <source>Connection Type</source>
        <translation>Tipo de unión</translation>
    </message>
    <message>
        <source>Length of Joint</source>
        <translation>Longitud de junta</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Choose the folder of the project files</source>
        <translation>Seleccione la carpeta de los archivos de proyecto</translation>
    </message>
    <message>
        <source>Choose a project file to list its positions</source>
        <translation>Seleccione un archivo de proyecto para ver sus posiciones</translation>
    </message>
    <message>
        <source>Positions of the selected project file; a double click takes one over</source>
        <translation>Posiciones del archivo de proyecto seleccionado; con un doble clic se importa una posición</translation>
    </message>
    <message>
        <source>Position &amp;Undertake</source>
        <translation>&amp;Importar posición</translation>
    </message>
    <message>
        <source>Take the selected position over into the current project</source>
        <translation>Importar la posición seleccionada al proyecto actual</translation>
    </message>
    <message>
        <source>&amp;Open Project</source>
        <translation>Abrir &amp;proyecto</translation>
    </message>
    <message>
        <source>Open the selected file as the project</source>
        <translation>Abrir el archivo seleccionado como proyecto</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Close the window without action</source>
        <translation>Cerrar la ventana sin realizar ninguna acción</translation>
    </message>
    <message>
        <source>No: </source>
        <translation>N.º: </translation>
    </message>
    <message>
        <source>The name of this file holds bytes that are no text; they are shown as �.</source>
        <translation>El nombre de este archivo contiene bytes que no son texto; se muestran como �.</translation>
    </message>
</context>
<context>
    <name>trv::TfrmSplash</name>
    <message>
        <source>Varnel - TRV / ZEDE Shear Connectors</source>
        <translation>Varnel - Conectores de cortante TRV / ZEDE</translation>
    </message>
    <message>
        <source>&amp;Start Program</source>
        <translation>&amp;Iniciar el programa</translation>
    </message>
    <message>
        <source>Show the program in German</source>
        <translation>Mostrar el programa en alemán</translation>
    </message>
    <message>
        <source>Show the program in English</source>
        <translation>Mostrar el programa en inglés</translation>
    </message>
    <message>
        <source>Show the program in French</source>
        <translation>Mostrar el programa en francés</translation>
    </message>
    <message>
        <source>Show the program in Italian</source>
        <translation>Mostrar el programa en italiano</translation>
    </message>
    <message>
        <source>Show the program in Dutch</source>
        <translation>Mostrar el programa en neerlandés</translation>
    </message>
    <message>
        <source>Show the program in Spanish</source>
        <translation>Mostrar el programa en español</translation>
    </message>
    <message>
        <source>Shear Connectors</source>
        <translation>Conectores de cortante</translation>
    </message>
</context>
<context>
    <name>trv::TfrmStueckliste</name>
    <message>
        <source>Varnel - TRV / ZEDE Shear Connectors - Connector Schedule</source>
        <translation>Varnel - Conectores de cortante TRV / ZEDE - Lista de piezas</translation>
    </message>
    <message>
        <source>Number of similar positions</source>
        <translation>Número de posiciones iguales</translation>
    </message>
    <message>
        <source>Current Choice</source>
        <translation>Selección actual</translation>
    </message>
    <message>
        <source>Supplementary information to the connector schedule</source>
        <translation>Información complementaria de la lista de piezas</translation>
    </message>
    <message>
        <source>Connector Schedule</source>
        <translation>Lista de piezas</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vista previa</translation>
    </message>
    <message>
        <source>Position &amp;Delete</source>
        <translation>&amp;Eliminar posición</translation>
    </message>
    <message>
        <source>&amp;Preview</source>
        <translation>Vista p&amp;revia</translation>
    </message>
    <message>
        <source>&amp;List</source>
        <translation>&amp;Lista</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>E&amp;xportar</translation>
    </message>
    <message>
        <source>&amp;Clipboard</source>
        <translation>&amp;Portapapeles</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Volver</translation>
    </message>
    <message>
        <source>When exporting a long connector schedule as graphic it has to be taken</source>
        <translation>Al exportar como gráfico una lista de piezas larga, debe tenerse en cuenta</translation>
    </message>
    <message>
        <source>into account that there are no page breaks beforehand in the graphic.</source>
        <translation>que el gráfico no contiene saltos de página.</translation>
    </message>
    <message>
        <source>With long connector schedules you can divide the connector schedule</source>
        <translation>Una lista de piezas larga puede dividirse en dos o más archivos</translation>
    </message>
    <message>
        <source>into two or more export files through deactivating of single positions.</source>
        <translation>de exportación desactivando posiciones individuales.</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Activa</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posición</translation>
    </message>
    <message>
        <source>The preview could not be drawn: %1</source>
        <translation>No se ha podido dibujar la vista previa: %1</translation>
    </message>
    <message>
        <source>The connector schedule could not be printed: %1</source>
        <translation>No se ha podido imprimir la lista de piezas: %1</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 ya existe.
¿Desea reemplazarlo?</translation>
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
        <translation>Croquis ampliado</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>Copy printout of results to clipboard</source>
        <translation>Copiar el listado de resultados al portapapeles</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>&amp;Exportar</translation>
    </message>
    <message>
        <source>Export printout of results in file</source>
        <translation>Exportar el listado de resultados a un archivo</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>Ce&amp;rrar</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>Cerrar la ventana</translation>
    </message>
    <message>
        <source>Sketch to &amp;Clipborad</source>
        <translation>Croquis al &amp;portapapeles</translation>
    </message>
    <message>
        <source>Save sketch in file</source>
        <translation>Guardar croquis en archivo</translation>
    </message>
    <message>
        <source>&amp;Close window</source>
        <translation>Cerrar &amp;ventana</translation>
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
        <translation>Introducción de una distribución arbitraria del esfuerzo cortante</translation>
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
        <translation>Coordenada de la carga introducida, medida desde la izquierda</translation>
    </message>
    <message>
        <source>Load value</source>
        <translation>Valor de la carga</translation>
    </message>
    <message>
        <source>Value of loading at the position of the coordinate x</source>
        <translation>Valor de la carga en la posición de la coordenada x</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>Aña&amp;dir</translation>
    </message>
    <message>
        <source>Place pair of values</source>
        <translation>Añadir par de valores</translation>
    </message>
    <message>
        <source>Pair of values (x,q) add to list</source>
        <translation>Añadir el par de valores (x,q) a la lista</translation>
    </message>
    <message>
        <source>C&amp;hange</source>
        <translation>&amp;Modificar</translation>
    </message>
    <message>
        <source>Transfer changes in the list</source>
        <translation>Aplicar los cambios en la lista</translation>
    </message>
    <message>
        <source>Transfer changes in the pairs of values (x,q) in the list</source>
        <translation>Aplicar los cambios del par de valores (x,q) en la lista</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Eliminar</translation>
    </message>
    <message>
        <source>delete current pair of values</source>
        <translation>eliminar el par de valores actual</translation>
    </message>
    <message>
        <source>delete current pair of values (x,q) from the list</source>
        <translation>eliminar el par de valores actual (x,q) de la lista</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>Undertake entry and close window</source>
        <translation>Aceptar los datos y cerrar la ventana</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Discard entry and close window</source>
        <translation>Descartar los datos y cerrar la ventana</translation>
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
        <translation>¡Ya existe un valor para la coordenada introducida!<byte value="xd"/>
<byte value="xd"/>
 ¿Desea sobrescribirlo?</translation>
    </message>
</context>
<context>
    <name>trv::dxf::TDXF_Anzeige_Form</name>
    <message>
        <source>DXF display form</source>
        <translation>Visualización DXF</translation>
    </message>
    <message>
        <source>&amp;Save as DXF</source>
        <translation>&amp;Guardar como DXF</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Volver</translation>
    </message>
    <message>
        <source>Varnel - TRV / ZEDE Shear Connectors - DXF-Export</source>
        <translation>Varnel - Conectores de cortante TRV / ZEDE - Exportación DXF</translation>
    </message>
    <message>
        <source>DXF databases (*.dxf)</source>
        <translation>Archivos DXF (*.dxf)</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 ya existe.
¿Desea reemplazarlo?</translation>
    </message>
    <message>
        <source>The DXF file could not be written:
%1
(%2)</source>
        <translation>No se ha podido escribir el archivo DXF:
%1
(%2)</translation>
    </message>
    <message>
        <source>the drawing holds a value that a DXF file cannot take</source>
        <translation>el dibujo contiene un valor que un archivo DXF no puede admitir</translation>
    </message>
    <message>
        <source>no permission to write in this folder</source>
        <translation>sin permiso de escritura en esta carpeta</translation>
    </message>
    <message>
        <source>the folder does not exist</source>
        <translation>la carpeta no existe</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>el soporte de datos está lleno</translation>
    </message>
    <message>
        <source>the disk is write-protected</source>
        <translation>el soporte de datos está protegido contra escritura</translation>
    </message>
    <message>
        <source>a folder of that name exists</source>
        <translation>existe una carpeta con ese nombre</translation>
    </message>
    <message>
        <source>a device or another special file of that name exists</source>
        <translation>existe un dispositivo u otro archivo especial con ese nombre</translation>
    </message>
    <message>
        <source>the file name is too long</source>
        <translation>el nombre del archivo es demasiado largo</translation>
    </message>
    <message>
        <source>system error %1</source>
        <translation>error del sistema %1</translation>
    </message>
</context>
<context>
    <name>trv::dxf::Zoom_panel</name>
    <message>
        <source>Zoom out</source>
        <translation>Alejar</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Acercar</translation>
    </message>
    <message>
        <source>Previous view</source>
        <translation>Vista anterior</translation>
    </message>
    <message>
        <source>Whole drawing</source>
        <translation>Dibujo completo</translation>
    </message>
    <message>
        <source>Horizontal position</source>
        <translation>Posición horizontal</translation>
    </message>
    <message>
        <source>Vertical position</source>
        <translation>Posición vertical</translation>
    </message>
    <message>
        <source>Drawing</source>
        <translation>Dibujo</translation>
    </message>
    <message>
        <source>Drag a rectangle to zoom into it, double-click to centre the view; + and - zoom, the arrow keys scroll</source>
        <translation>Arrastre un rectángulo para ampliar esa zona, haga doble clic para centrar la vista; + y - acercan y alejan, las teclas de flecha desplazan la vista</translation>
    </message>
    <message>
        <source>Mouse position</source>
        <translation>Posición del ratón</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>Escala</translation>
    </message>
</context>
</TS>
