<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>Ausgabe</name>
    <message>
        <source>the picture could not be encoded as %1</source>
        <translation>l&apos;image n&apos;a pas pu être encodée au format %1</translation>
    </message>
    <message>
        <source>the SVG picture could not be started</source>
        <translation>l&apos;image SVG n&apos;a pas pu être créée</translation>
    </message>
    <message>
        <source>the PDF file was not written</source>
        <translation>le fichier PDF n&apos;a pas été écrit</translation>
    </message>
    <message>
        <source>no file named for the PDF document</source>
        <translation>aucun fichier n&apos;a été indiqué pour le document PDF</translation>
    </message>
    <message>
        <source>the printer could not be started</source>
        <translation>l&apos;imprimante n&apos;a pas pu être démarrée</translation>
    </message>
    <message>
        <source>the printer could not finish the document</source>
        <translation>l&apos;imprimante n&apos;a pas pu terminer le document</translation>
    </message>
    <message>
        <source>no position is calculated and the connector schedule is empty</source>
        <translation>aucune position n&apos;est calculée et la nomenclature des goujons est vide</translation>
    </message>
    <message>
        <source>there is no such position in the project</source>
        <translation>cette position n&apos;existe pas dans le projet</translation>
    </message>
    <message>
        <source>the position is not calculated: the result sheet needs its results</source>
        <translation>la position n&apos;est pas calculée : la note de calcul a besoin de ses résultats</translation>
    </message>
    <message>
        <source>the result sheet is written as .pdf, .png or .svg</source>
        <translation>la note de calcul s&apos;écrit en .pdf, .png ou .svg</translation>
    </message>
    <message>
        <source>the connector schedule is written as .txt or .pdf</source>
        <translation>la liste des goujons s&apos;écrit en .txt ou .pdf</translation>
    </message>
    <message>
        <source>a sketch is written as .png or .svg</source>
        <translation>un croquis s&apos;écrit en .png ou .svg</translation>
    </message>
    <message>
        <source>the position is not calculated: the result sketches need its results</source>
        <translation>la position n&apos;est pas calculée : les croquis de résultats ont besoin de ses résultats</translation>
    </message>
    <message>
        <source>the picture could not be made</source>
        <translation>l&apos;image n&apos;a pas pu être créée</translation>
    </message>
</context>
<context>
    <name>Bildexport</name>
    <message>
        <source>Varnel - TRV / ZEDE Shear Connectors - Export results</source>
        <translation>Varnel - Goujons de cisaillement TRV / ZEDE - Exporter les résultats</translation>
    </message>
    <message>
        <source>export in SVG vector format (*.svg)</source>
        <translation>Exporter au format vectoriel SVG (*.svg)</translation>
    </message>
    <message>
        <source>Export in Bitmap Format (*.bmp)</source>
        <translation>Exporter au format bitmap (*.bmp)</translation>
    </message>
    <message>
        <source>Export in JPeg Format (*.jpg)</source>
        <translation>Exporter au format JPEG (*.jpg)</translation>
    </message>
    <message>
        <source>Export as PDF document (*.pdf)</source>
        <translation>Exporter en document PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The picture could not be saved as
%1:
%2</source>
        <translation>L&apos;image n&apos;a pas pu être enregistrée sous
%1 :
%2</translation>
    </message>
    <message>
        <source>there is no picture to export</source>
        <translation>il n&apos;y a aucune image à exporter</translation>
    </message>
</context>
<context>
    <name>Blattbeilage</name>
    <message>
        <source>shear connector</source>
        <translation>goujon de cisaillement</translation>
    </message>
    <message>
        <source>Result sheet of position %1</source>
        <translation>Note de calcul de la position %1</translation>
    </message>
    <message>
        <source>Result sheets of the project and connector schedule</source>
        <translation>Notes de calcul du projet et liste des goujons</translation>
    </message>
</context>
<context>
    <name>CadBlockExport</name>
    <message>
        <source>DXF databases (*.dxf)</source>
        <translation>Fichiers DXF (*.dxf)</translation>
    </message>
    <message>
        <source>DWG database (*.dwg)</source>
        <translation>Fichier DWG (*.dwg)</translation>
    </message>
    <message>
        <source>The connector blocks are supplied as DXF files only: DWG files cannot be written by this program.

Save the blocks as DXF files instead? Every CAD program reads DXF.</source>
        <translation>Les blocs des goujons ne sont fournis qu&apos;au format DXF : ce programme ne peut pas écrire de fichiers DWG.

Enregistrer plutôt les blocs au format DXF ? Tous les programmes de DAO lisent le format DXF.</translation>
    </message>
    <message>
        <source>Cannot open file!</source>
        <translation>Impossible d&apos;ouvrir le fichier !</translation>
    </message>
    <message>
        <source>The file %1 could not be copied to %2:
%3</source>
        <translation>Le fichier %1 n&apos;a pas pu être copié vers %2 :
%3</translation>
    </message>
    <message>
        <source>The file - </source>
        <translation>Le fichier - </translation>
    </message>
    <message>
        <source> - was not found.The required file can only be installed from the CD version!</source>
        <translation> - est introuvable. Le fichier requis ne peut être installé qu&apos;avec la version sur CD !</translation>
    </message>
</context>
<context>
    <name>Druckbefehle</name>
    <message>
        <source>no file was named for the PDF</source>
        <translation>aucun fichier n&apos;a été indiqué pour le PDF</translation>
    </message>
    <message>
        <source>The result sheet could not be printed:
%1</source>
        <translation>La note de calcul n&apos;a pas pu être imprimée :
%1</translation>
    </message>
    <message>
        <source>There is nothing to print: no position is calculated and the connector schedule is empty.</source>
        <translation>Rien à imprimer : aucune position n&apos;est calculée et la nomenclature des goujons est vide.</translation>
    </message>
    <message>
        <source>These positions are not calculated and are not printed: %1.

Print the other positions and the connector schedule?</source>
        <translation>Les positions suivantes ne sont pas calculées et ne seront pas imprimées : %1.

Imprimer les autres positions et la nomenclature des goujons ?</translation>
    </message>
    <message>
        <source>The project could not be printed:
%1</source>
        <translation>Le projet n&apos;a pas pu être imprimé :
%1</translation>
    </message>
</context>
<context>
    <name>Druckbilder</name>
    <message>
        <source>shear connectors</source>
        <translation>goujons de cisaillement</translation>
    </message>
    <message>
        <source>n = number of data entries</source>
        <translation>n = nombre de valeurs saisies</translation>
    </message>
</context>
<context>
    <name>Druckerwahl</name>
    <message>
        <source>Print to PDF file</source>
        <translation>Imprimer dans un fichier PDF</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>Document PDF (*.pdf)</translation>
    </message>
</context>
<context>
    <name>Hilfe</name>
    <message>
        <source>The help file %1 was not found.</source>
        <translation>Le fichier d&apos;aide %1 est introuvable.</translation>
    </message>
    <message>
        <source>The help file %1 cannot be read.</source>
        <translation>Le fichier d&apos;aide %1 ne peut pas être lu.</translation>
    </message>
</context>
<context>
    <name>Projektbefehle</name>
    <message>
        <source>Varnel - TRV / ZEDE Shear Connectors</source>
        <translation>Varnel - Goujons de cisaillement TRV / ZEDE</translation>
    </message>
</context>
<context>
    <name>Projektzustand</name>
    <message>
        <source>%1 (the file name holds bytes that are no text: �)</source>
        <translation>%1 (le nom du fichier contient des octets qui ne sont pas du texte : �)</translation>
    </message>
</context>
<context>
    <name>Ressource</name>
    <message>
        <source>Unnamed</source>
        <comment>Unbenannt</comment>
        <translation>Sans nom</translation>
    </message>
    <message>
        <source>It is only a position in the existing project.<byte value="xd"/>
<byte value="xd"/>
The last position cannot be removed!</source>
        <comment>LetztePositionLoeschen</comment>
        <translation>Le projet ne contient qu&apos;une seule position.<byte value="xd"/>
<byte value="xd"/>
La dernière position ne peut pas être supprimée !</translation>
    </message>
    <message>
        <source>Fatal error in calculating process! The result of the calculation is invalid!
<byte value="xd"/>Try the calculation with new input data and refer to the programme producer.</source>
        <comment>Rechenfehler</comment>
        <translation>Erreur fatale pendant le calcul ! Le résultat du calcul n&apos;est pas valable !
<byte value="xd"/>Refaites le calcul avec de nouvelles données et contactez l&apos;éditeur du programme.</translation>
    </message>
    <message>
        <source>The thickness of the concrete slab is less than the minimum thickness of concrete for the smallest shear connector!</source>
        <comment>PlausiDickeMin</comment>
        <translation>L&apos;épaisseur de la dalle en béton est inférieure à l&apos;épaisseur de béton minimale requise pour le plus petit goujon !</translation>
    </message>
    <message>
        <source>The thickness of the concrete slab to be connected is less than the structural effective height!</source>
        <comment>PlausiNutzhoehe</comment>
        <translation>L&apos;épaisseur de la dalle en béton à raccorder est inférieure à la hauteur utile !</translation>
    </message>
    <message>
        <source>Structural effective height is &lt; 10mm. Please check!</source>
        <comment>PlausiNutzhoeheKlein</comment>
        <translation>La hauteur utile est &lt; 10 mm. Veuillez vérifier !</translation>
    </message>
    <message>
        <source>Concrete cover above is &lt;10mm. Please check</source>
        <comment>PlausiDeckungOben</comment>
        <translation>L&apos;enrobage supérieur est &lt; 10 mm. Veuillez vérifier.</translation>
    </message>
    <message>
        <source>Concrete cover below is &lt;10mm.Please check</source>
        <comment>PlausiDeckungUnten</comment>
        <translation>L&apos;enrobage inférieur est &lt; 10 mm. Veuillez vérifier.</translation>
    </message>
    <message>
        <source>The sum of the concrete cover is greater than the thickness of the concrete slab to be connected!</source>
        <comment>PlausiDeckungSumme</comment>
        <translation>La somme des enrobages est supérieure à l&apos;épaisseur de la dalle en béton à raccorder !</translation>
    </message>
    <message>
        <source>The wall thickness is less than the minimum required thickness of concrete for the smallest shear connector!</source>
        <comment>PlausiWandDicke</comment>
        <translation>L&apos;épaisseur du mur est inférieure à l&apos;épaisseur de béton minimale requise pour le plus petit goujon !</translation>
    </message>
    <message>
        <source>Single shear connector loaded with point load\Row of shear connectors - connection slab to slab\Row of shear connectors - connection slab to wall\</source>
        <comment>AnwendungsfallLang</comment>
        <translation>Goujon de cisaillement isolé sous charge ponctuelle\Rangée de goujons - liaison dalle-dalle\Rangée de goujons - liaison dalle-mur\</translation>
    </message>
    <message>
        <source>Single shear connector\Connector row, slab to slab\Connector row, slab to wall\</source>
        <comment>AnwendungsfallKurz</comment>
        <translation>Goujon isolé\Rangée de goujons, dalle-dalle\Rangée de goujons, dalle-mur\</translation>
    </message>
    <message>
        <source>OK\d &lt; d min\Vsd &gt; VRd\e &lt; min e\c &lt; min c\e &lt; suit e\f &gt; permissible\e &lt; reqd e\c &lt; reqd c\dw &lt; reqd dw\</source>
        <comment>StatusKurz</comment>
        <translation>OK\d &lt; d min\Vsd &gt; VRd\e &lt; e min\c &lt; c min\e &lt; e arm.\f &gt; admissible\e &lt; e requis\c &lt; c requis\dw &lt; dw requis\</translation>
    </message>
    <message>
        <source>Calculation ok\Concrete thickness too small\Load too great\Connector spacing is below minimum value\Connector edge distance is below minimum value\Spacing too small to suit vertical reinforcement\Joint width out of range for this dowel\Connector spacing for standard reinforcement too small for approval\Edge spacing according to standard reinforcement too small for approval\The wall thickness is smaller than required for the selected connector\</source>
        <comment>StatusLang</comment>
        <translation>Calcul OK\Épaisseur de béton insuffisante\Charge trop élevée\Entraxe des goujons inférieur à la valeur minimale\Distance au bord inférieure à la valeur minimale\Entraxe trop faible pour l&apos;armature verticale\Largeur de joint hors du domaine admis pour ce goujon\Entraxe des goujons avec armature standard inférieur au minimum de l&apos;agrément\Distance au bord avec armature standard inférieure au minimum de l&apos;agrément\L&apos;épaisseur du mur est inférieure à celle requise pour le goujon choisi\</translation>
    </message>
    <message>
        <source>The maximum spacings of the dowels is larger than 5 * slab thickness. Please check dowel alignment!\Minimum spacing and edge distance are based on the thinnest slab for the actual connector load\</source>
        <comment>Hinweistexte</comment>
        <translation>L&apos;entraxe maximal des goujons dépasse 5 * épaisseur de dalle. Veuillez vérifier la disposition des goujons !\L&apos;entraxe minimal et la distance au bord minimale se rapportent à la dalle la plus mince pour la charge effective du goujon\</translation>
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
        <translation>Position                          \Nb pos. \Nb goujons    \Désignation                                           \Total goujons \Statut\Pos\Épaisseur dalle \Hauteur utile             \Type d&apos;appui\</translation>
    </message>
    <message>
        <source>reinf&apos;t based on max. FRd\reinf&apos;t based on act. FRd\</source>
        <comment>BewehrungsBasis</comment>
        <translation>Armature selon FRd max.\Armature selon FRd effectif\</translation>
    </message>
    <message>
        <source>Unlimited\5 * Slab Thickness\</source>
        <comment>MaxAbstandOptionen</comment>
        <translation>Illimité\5 * épaisseur de dalle\</translation>
    </message>
    <message>
        <source>Calculation with reinforcement according optimal connector use</source>
        <comment>BlattVerstaerkungOptimal</comment>
        <translation>Calcul avec armature selon l&apos;utilisation optimale du goujon</translation>
    </message>
    <message>
        <source>Calculation with reinforcement according max. load capacity of dowel</source>
        <comment>BlattVerstaerkungMaximal</comment>
        <translation>Calcul avec armature selon la résistance maximale du goujon</translation>
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
        <translation>avec</translation>
    </message>
    <message>
        <source>no. of dowels</source>
        <comment>BlattAnzahlDuebel</comment>
        <translation>nombre de goujons</translation>
    </message>
    <message>
        <source>Selected</source>
        <comment>BlattGewaehlt</comment>
        <translation>Choisi</translation>
    </message>
    <message>
        <source>Results</source>
        <comment>BlattErgebnisse</comment>
        <translation>Résultats</translation>
    </message>
    <message>
        <source>Input</source>
        <comment>BlattEingabe</comment>
        <translation>Données</translation>
    </message>
    <message>
        <source>Concrete quality</source>
        <comment>BlattBetonguete</comment>
        <translation>Classe de béton</translation>
    </message>
    <message>
        <source>Slab thickness</source>
        <comment>BlattPlattenDicke</comment>
        <translation>Épaisseur de dalle</translation>
    </message>
    <message>
        <source>Wall thickness</source>
        <comment>BlattWandDicke</comment>
        <translation>Épaisseur du mur</translation>
    </message>
    <message>
        <source>Concrete cover above</source>
        <comment>BlattDeckungOben</comment>
        <translation>Enrobage supérieur</translation>
    </message>
    <message>
        <source>Concrete cover below</source>
        <comment>BlattDeckungUnten</comment>
        <translation>Enrobage inférieur</translation>
    </message>
    <message>
        <source>Concrete cover to front</source>
        <comment>BlattDeckungVorn</comment>
        <translation>Enrobage frontal</translation>
    </message>
    <message>
        <source>Max. joint width</source>
        <comment>BlattFugenbreite</comment>
        <translation>Largeur de joint max.</translation>
    </message>
    <message>
        <source>Joint length</source>
        <comment>BlattFugenlaenge</comment>
        <translation>Longueur du joint</translation>
    </message>
    <message>
        <source>Given edge distance</source>
        <comment>BlattRandabstand</comment>
        <translation>Distance au bord donnée</translation>
    </message>
    <message>
        <source>Single load to connector</source>
        <comment>BlattLastEinzel</comment>
        <translation>Charge ponctuelle sur le goujon</translation>
    </message>
    <message>
        <source>Linear load</source>
        <comment>BlattLastLinie</comment>
        <translation>Charge linéique</translation>
    </message>
    <message>
        <source>Varying distributed load</source>
        <comment>BlattLastBeliebig</comment>
        <translation>Charge répartie variable</translation>
    </message>
    <message>
        <source>Dead load</source>
        <comment>BlattEigenlast</comment>
        <translation>Poids propre</translation>
    </message>
    <message>
        <source>Partial safety factor</source>
        <comment>BlattTeilsicherheit</comment>
        <translation>Coefficient partiel de sécurité</translation>
    </message>
    <message>
        <source>Imposed load</source>
        <comment>BlattVerkehrslast</comment>
        <translation>Charge d&apos;exploitation</translation>
    </message>
    <message>
        <source>Additional design load</source>
        <comment>BlattZusatzlast</comment>
        <translation>Charge de calcul supplémentaire</translation>
    </message>
    <message>
        <source>Total design load</source>
        <comment>BlattGesamtlast</comment>
        <translation>Charge de calcul totale</translation>
    </message>
    <message>
        <source>Connector design load</source>
        <comment>BlattDuebellast</comment>
        <translation>Charge de calcul du goujon</translation>
    </message>
    <message>
        <source>see next page</source>
        <comment>BlattNaechsteSeite</comment>
        <translation>voir page suivante</translation>
    </message>
    <message>
        <source>Actual area of main reinf´t</source>
        <comment>BlattAsyIst</comment>
        <translation>Section d&apos;armature principale prévue</translation>
    </message>
    <message>
        <source>Req´d area of main reinf´t</source>
        <comment>BlattAsyErf</comment>
        <translation>Section d&apos;armature principale requise</translation>
    </message>
    <message>
        <source>Actual area of secondary reinf´t</source>
        <comment>BlattAsxIst</comment>
        <translation>Section d&apos;armature secondaire prévue</translation>
    </message>
    <message>
        <source>Req´d area of secondary reinf´t</source>
        <comment>BlattAsxErf</comment>
        <translation>Section d&apos;armature secondaire requise</translation>
    </message>
    <message>
        <source>Region of main reinf´t</source>
        <comment>BlattBereichY</comment>
        <translation>Zone d&apos;armature principale</translation>
    </message>
    <message>
        <source>Region of secondary reinf´t</source>
        <comment>BlattBereichX</comment>
        <translation>Zone d&apos;armature secondaire</translation>
    </message>
    <message>
        <source>Actual edge distance</source>
        <comment>BlattRandIst</comment>
        <translation>Distance au bord effective</translation>
    </message>
    <message>
        <source>Minimum edge distance</source>
        <comment>BlattRandMin</comment>
        <translation>Distance au bord minimale</translation>
    </message>
    <message>
        <source>Actual connector spacing</source>
        <comment>BlattAbstandIst</comment>
        <translation>Entraxe effectif des goujons</translation>
    </message>
    <message>
        <source>Minimum connector spacing</source>
        <comment>BlattAbstandMin</comment>
        <translation>Entraxe minimal des goujons</translation>
    </message>
    <message>
        <source>Connector design capacity</source>
        <comment>BlattTragfaehigkeit</comment>
        <translation>Résistance de calcul du goujon</translation>
    </message>
    <message>
        <source>Connector usage</source>
        <comment>BlattAusnutzung</comment>
        <translation>Taux d&apos;utilisation du goujon</translation>
    </message>
    <message>
        <source>Design resistance concrete</source>
        <comment>BlattWiderstandBeton</comment>
        <translation>Résistance de calcul du béton</translation>
    </message>
    <message>
        <source>Concrete capacity usage</source>
        <comment>BlattAusnutzungBeton</comment>
        <translation>Taux d&apos;utilisation du béton</translation>
    </message>
    <message>
        <source>Design resistance steel</source>
        <comment>BlattWiderstandStahl</comment>
        <translation>Résistance de calcul de l&apos;acier</translation>
    </message>
    <message>
        <source>Steel capacity usage</source>
        <comment>BlattAusnutzungStahl</comment>
        <translation>Taux d&apos;utilisation de l&apos;acier</translation>
    </message>
    <message>
        <source>Design resistance reinforcement</source>
        <comment>BlattWiderstandBewehrung</comment>
        <translation>Résistance de calcul de l&apos;armature</translation>
    </message>
    <message>
        <source>Reinforcement capacity usage</source>
        <comment>BlattAusnutzungBewehrung</comment>
        <translation>Taux d&apos;utilisation de l&apos;armature</translation>
    </message>
    <message>
        <source>Calculation for </source>
        <comment>BerechnungFuer</comment>
        <translation>Calcul pour </translation>
    </message>
    <message>
        <source>Varnel - TRV / ZEDE Shear Connector</source>
        <comment>ProgrammTitel</comment>
        <translation>Varnel - Goujons de cisaillement TRV / ZEDE</translation>
    </message>
    <message>
        <source>TRV - 1.0</source>
        <comment>ProgrammVersion</comment>
        <translation>TRV - 1.0</translation>
    </message>
    <message>
        <source>Date: </source>
        <comment>KopfDatum</comment>
        <translation>Date : </translation>
    </message>
    <message>
        <source>Printed from: </source>
        <comment>KopfGedruckt</comment>
        <translation>Imprimé le : </translation>
    </message>
    <message>
        <source>Designer: </source>
        <comment>KopfBearbeiter</comment>
        <translation>Établi par : </translation>
    </message>
    <message>
        <source>Company: </source>
        <comment>KopfFirma</comment>
        <translation>Entreprise : </translation>
    </message>
    <message>
        <source>Project:  </source>
        <comment>KopfProjekt</comment>
        <translation>Projet :  </translation>
    </message>
    <message>
        <source>Position: </source>
        <comment>KopfPosition</comment>
        <translation>Position : </translation>
    </message>
    <message>
        <source>The use of the connector is not possible for the following reasons:</source>
        <comment>KopfGruende</comment>
        <translation>L&apos;utilisation du goujon n&apos;est pas possible pour les raisons suivantes :</translation>
    </message>
    <message>
        <source>Switzerland\Varnel AG\Tel. +41 00 000 00 00\Fax +41 00 000 00 01\info@ch.varnel.example\</source>
        <comment>KontaktSpalte1</comment>
        <translation>Suisse\Varnel AG\Tél. +41 00 000 00 00\Fax +41 00 000 00 01\info@ch.varnel.example\</translation>
    </message>
    <message>
        <source>Germany\Varnel GmbH\Tel. +49 000 0000 00\Fax +49 000 0000 01\info@de.varnel.example\</source>
        <comment>KontaktSpalte2</comment>
        <translation>Allemagne\Varnel GmbH\Tél. +49 000 0000 00\Fax +49 000 0000 01\info@de.varnel.example\</translation>
    </message>
    <message>
        <source>Austria\Varnel Ges.m.b.H.\Tel. +43 0000 000 00\Fax +43 0000 000 01\info@at.varnel.example\</source>
        <comment>KontaktSpalte3</comment>
        <translation>Autriche\Varnel Ges.m.b.H.\Tél. +43 0000 000 00\Fax +43 0000 000 01\info@at.varnel.example\</translation>
    </message>
    <message>
        <source>France\Varnel S.A.R.L.\Tel. +33 0 00 00 00 00\Fax +33 0 00 00 00 01\info@fr.varnel.example\</source>
        <comment>KontaktSpalte4</comment>
        <translation>France\Varnel S.A.R.L.\Tél. +33 0 00 00 00 00\Fax +33 0 00 00 00 01\info@fr.varnel.example\</translation>
    </message>
    <message>
        <source>United Kingdom\Varnel Ltd.\Tel. +44 0000 000000\Fax +44 0000 000001\info@uk.varnel.example\</source>
        <comment>KontaktSpalte5</comment>
        <translation>Royaume-Uni\Varnel Ltd.\Tél. +44 0000 000000\Fax +44 0000 000001\info@uk.varnel.example\</translation>
    </message>
    <message>
        <source>Netherlands\Varnel B.V.\Tel. +31 00 000 00 00\Fax +31 00 000 00 01\info@nl.varnel.example\</source>
        <comment>KontaktSpalte6</comment>
        <translation>Pays-Bas\Varnel B.V.\Tél. +31 00 000 00 00\Fax +31 00 000 00 01\info@nl.varnel.example\</translation>
    </message>
    <message>
        <source>Connector Schedule</source>
        <comment>StuecklisteTitel</comment>
        <translation>Nomenclature des goujons</translation>
    </message>
    <message>
        <source>Active</source>
        <comment>StatusAktiv</comment>
        <translation>Actif</translation>
    </message>
    <message>
        <source>Not active</source>
        <comment>StatusNichtAktiv</comment>
        <translation>Inactif</translation>
    </message>
    <message>
        <source>the current position is already in the existing connector schedule.<byte value="xd"/>
<byte value="xd"/>
Should this be overwritten?</source>
        <comment>StuecklisteUeberschreiben</comment>
        <translation>La position courante figure déjà dans la nomenclature des goujons.<byte value="xd"/>
<byte value="xd"/>
Voulez-vous la remplacer ?</translation>
    </message>
    <message>
        <source>the connector schedule could not be exported - Please check the writing access on the data carrier.</source>
        <comment>StuecklisteExportFehler</comment>
        <translation>La nomenclature des goujons n&apos;a pas pu être exportée - veuillez vérifier les droits d&apos;écriture sur le support de données.</translation>
    </message>
    <message>
        <source>Mat.-Pos</source>
        <comment>DruckMatPos</comment>
        <translation>Pos. mat.</translation>
    </message>
    <message>
        <source>Quantity of parts</source>
        <comment>DruckStueckzahl</comment>
        <translation>Nombre de pièces</translation>
    </message>
    <message>
        <source>Designation</source>
        <comment>DruckBezeichnung</comment>
        <translation>Désignation</translation>
    </message>
    <message>
        <source>Shear connectors supply to transverse force transmission in expansion</source>
        <comment>DruckLieferung1</comment>
        <translation>Fourniture de goujons pour la transmission de l&apos;effort tranchant dans le</translation>
    </message>
    <message>
        <source>max. design Resistance FRd</source>
        <comment>DruckWiderstand</comment>
        <translation>Résistance de calcul max. FRd</translation>
    </message>
    <message>
        <source>Material</source>
        <comment>DruckMaterial</comment>
        <translation>Matériau</translation>
    </message>
    <message>
        <source>stainless steel 1.4462</source>
        <comment>DruckMaterialText</comment>
        <translation>acier inoxydable 1.4462</translation>
    </message>
    <message>
        <source>Position(s):   </source>
        <comment>DruckPositionen</comment>
        <translation>Position(s) :   </translation>
    </message>
    <message>
        <source>Single shear connector consisting of dowel element and sleeve</source>
        <comment>DruckEinzeldorn</comment>
        <translation>Goujon de cisaillement isolé, composé d&apos;un goujon et d&apos;une douille</translation>
    </message>
    <message>
        <source>Type: </source>
        <comment>DruckTyp</comment>
        <translation>Type : </translation>
    </message>
    <message>
        <source>and fire protection sleeve</source>
        <comment>DruckBrandschutz</comment>
        <translation>et manchon de protection incendie</translation>
    </message>
    <message>
        <source>Mat.-Pos quantity denomination</source>
        <comment>TextMatPos</comment>
        <translation>Pos. mat. Quantité Désignation</translation>
    </message>
    <message>
        <source>Shear connectors to transverse force transmission in inexpansion joint supply and</source>
        <comment>TextLieferung1</comment>
        <translation>Fourniture de goujons pour la transmission de l&apos;effort tranchant dans le</translation>
    </message>
    <message>
        <source>max. design resistance FRd: </source>
        <comment>TextWiderstand</comment>
        <translation>Résistance de calcul max. FRd : </translation>
    </message>
    <message>
        <source>Material: stainless steel 1.4462</source>
        <comment>TextMaterial</comment>
        <translation>Matériau : acier inoxydable 1.4462</translation>
    </message>
    <message>
        <source>Position(s): </source>
        <comment>TextPositionen</comment>
        <translation>Position(s) : </translation>
    </message>
    <message>
        <source>The file is not a valid Varnel - TRV File</source>
        <comment>DateiUngueltig</comment>
        <translation>Ce fichier n&apos;est pas un fichier Varnel - TRV valable</translation>
    </message>
    <message>
        <source>The data file was created with an old version of the programm. The import of this data can cause calculation problems, please check all data!</source>
        <comment>DateiAlteVersion</comment>
        <translation>Le fichier de données a été créé avec une ancienne version du programme. L&apos;importation de ces données peut entraîner des problèmes de calcul : veuillez vérifier toutes les données !</translation>
    </message>
    <message>
        <source>Error during saving the data - unable to save the project</source>
        <comment>DateiSpeichernFehler</comment>
        <translation>Erreur lors de l&apos;enregistrement des données - impossible d&apos;enregistrer le projet</translation>
    </message>
    <message>
        <source>Error during opening the data file - unable to read project data</source>
        <comment>DateiOeffnenFehler</comment>
        <translation>Erreur lors de l&apos;ouverture du fichier de données - impossible de lire les données du projet</translation>
    </message>
    <message>
        <source>Reinforcement for Varnel shear connector in the building </source>
        <comment>DxfTitel</comment>
        <translation>Armature dans l&apos;ouvrage pour goujon de cisaillement Varnel </translation>
    </message>
    <message>
        <source>Plan view</source>
        <comment>DxfDraufsicht</comment>
        <translation>Vue en plan</translation>
    </message>
    <message>
        <source>View</source>
        <comment>DxfAnsicht</comment>
        <translation>Vue</translation>
    </message>
    <message>
        <source>Cut</source>
        <comment>DxfSchnitt</comment>
        <translation>Coupe</translation>
    </message>
    <message>
        <source>Top and Bottom: </source>
        <comment>DxfObenUnten</comment>
        <translation>Haut et bas : </translation>
    </message>
    <message>
        <source>Vertical Reinforcement: </source>
        <comment>DxfVertikal</comment>
        <translation>Armature verticale : </translation>
    </message>
    <message>
        <source> U-bars</source>
        <comment>DxfBuegel</comment>
        <translation> étriers en U</translation>
    </message>
    <message>
        <source>Top: </source>
        <comment>DxfOben</comment>
        <translation>Haut : </translation>
    </message>
    <message>
        <source>Bottom: </source>
        <comment>DxfUnten</comment>
        <translation>Bas : </translation>
    </message>
    <message>
        <source>The position has not been calculated: there is no reinforcement to draw.</source>
        <comment>DxfNichtBerechnet</comment>
        <translation>La position n&apos;a pas été calculée : il n&apos;y a aucune armature à dessiner.</translation>
    </message>
    <message>
        <source>The reinforcement of the selected connector type is incomplete and cannot be drawn.</source>
        <comment>DxfBewehrungUngueltig</comment>
        <translation>L&apos;armature du type de goujon choisi est incomplète et ne peut pas être dessinée.</translation>
    </message>
    <message>
        <source>Error during Input: Only numbers allowed!<byte value="xd"/>
(plaease check writing of &quot;.&quot; and &quot;,&quot;) </source>
        <comment>EingabeKeineZahl</comment>
        <translation>Erreur de saisie : seuls les nombres sont admis !<byte value="xd"/>
(veuillez vérifier l&apos;emploi du &quot;.&quot; et de la &quot;,&quot;) </translation>
    </message>
    <message>
        <source>Input value is smaller than allowed!</source>
        <comment>EingabeZuKlein</comment>
        <translation>La valeur saisie est inférieure à la valeur admise !</translation>
    </message>
    <message>
        <source>Input value is greater than allowed!</source>
        <comment>EingabeZuGross</comment>
        <translation>La valeur saisie est supérieure à la valeur admise !</translation>
    </message>
    <message>
        <source>Single load</source>
        <comment>LastfallEinzel</comment>
        <translation>Charge ponctuelle</translation>
    </message>
    <message>
        <source>constant</source>
        <comment>LastfallKonstant</comment>
        <translation>constante</translation>
    </message>
    <message>
        <source>Increasing distributed load</source>
        <comment>LastfallLinear</comment>
        <translation>Charge répartie croissante</translation>
    </message>
    <message>
        <source>Arbitrary</source>
        <comment>LastfallBeliebig</comment>
        <translation>Quelconque</translation>
    </message>
    <message>
        <source>not calculated</source>
        <comment>BerichtNichtBerechnet</comment>
        <translation>non calculé</translation>
    </message>
    <message>
        <source>joint and install according to the specification of the wing element.</source>
        <comment>DruckLieferung2</comment>
        <translation>joint de dilatation et pose selon les spécifications de l&apos;élément.</translation>
    </message>
    <message>
        <source>construct according to the specification in the plan of the wing unit.</source>
        <comment>TextLieferung2</comment>
        <translation>joint de dilatation et pose selon les spécifications du plan de l&apos;élément.</translation>
    </message>
    <message>
        <source>The PDF file does not carry a TRV project: only a result sheet written by this program holds its project.</source>
        <comment>PdfOhneProjekt</comment>
        <translation>Le fichier PDF ne contient pas de projet TRV : seule une note de calcul écrite par ce programme contient son projet.</translation>
    </message>
    <message>
        <source>The PDF file is damaged or not a PDF file: its project cannot be read.</source>
        <comment>PdfBeschaedigt</comment>
        <translation>Le fichier PDF est endommagé ou n&apos;est pas un fichier PDF : son projet ne peut pas être lu.</translation>
    </message>
    <message>
        <source>The project attached to the PDF file is too large to be read.</source>
        <comment>PdfProjektZuGross</comment>
        <translation>Le projet joint au fichier PDF est trop volumineux pour être lu.</translation>
    </message>
    <message>
        <source>The arbitrary load profile needs at least two points. Please enter the load profile!</source>
        <comment>PlausiLastprofil</comment>
        <translation>La charge quelconque nécessite au moins deux points. Veuillez saisir le profil de charge !</translation>
    </message>
    <message>
        <source>The load needs more than %1 shear connectors in one row. These types cannot be arranged; choose a stronger type or divide the joint.</source>
        <comment>ZuVieleDorne</comment>
        <translation>La charge exige plus de %1 goujons dans une rangée. Ces types ne peuvent pas être disposés ; choisissez un type plus résistant ou divisez le joint.</translation>
    </message>
</context>
<context>
    <name>Rueckfragen</name>
    <message>
        <source>Printer Setup</source>
        <translation>Configuration de l&apos;imprimante</translation>
    </message>
</context>
<context>
    <name>Stuecklistenbefehl</name>
    <message>
        <source>The connector schedule is full: the position could not be added.</source>
        <translation>La nomenclature des goujons est pleine : la position n&apos;a pas pu être ajoutée.</translation>
    </message>
</context>
<context>
    <name>TWinexecute</name>
    <message>
        <source>File not found!</source>
        <translation>Fichier introuvable !</translation>
    </message>
    <message>
        <source>Display not activated</source>
        <translation>Affichage non activé</translation>
    </message>
    <message>
        <source>not enough emory, damaged executable file, or not allowed move</source>
        <translation>Mémoire insuffisante, fichier exécutable endommagé ou relocations non valables</translation>
    </message>
    <message>
        <source>Unknown Error</source>
        <translation>Erreur inconnue</translation>
    </message>
    <message>
        <source>File not found.</source>
        <translation>Fichier introuvable.</translation>
    </message>
    <message>
        <source>Path not found.</source>
        <translation>Chemin introuvable.</translation>
    </message>
    <message>
        <source>Unzulässiger Versuch, eine Task dynamisch einzubinden, oder es gab einen Fehler beim gemeinsamen Zugriff bzw. einen Zugriffsfehler im Netzwerk.</source>
        <translation>Tentative non autorisée de lier dynamiquement une tâche, ou erreur d&apos;accès simultané ou d&apos;accès au réseau.</translation>
    </message>
    <message>
        <source>Bibliothek erfordert getrennte Datensegmente für jede Task.</source>
        <translation>La bibliothèque nécessite des segments de données distincts pour chaque tâche.</translation>
    </message>
    <message>
        <source>Not enough memory to start the application.</source>
        <translation>Mémoire insuffisante pour démarrer l&apos;application.</translation>
    </message>
    <message>
        <source>Wrong Windows-Version.</source>
        <translation>Version de Windows incorrecte.</translation>
    </message>
    <message>
        <source>Invalid .EXE-file.</source>
        <translation>Fichier .EXE non valable.</translation>
    </message>
    <message>
        <source>Application is based on a other operation system.</source>
        <translation>L&apos;application est conçue pour un autre système d&apos;exploitation.</translation>
    </message>
    <message>
        <source>DOS 4.0-application.</source>
        <translation>Application DOS 4.0.</translation>
    </message>
    <message>
        <source>Unknown .EXE-filetype.</source>
        <translation>Type de fichier .EXE inconnu.</translation>
    </message>
    <message>
        <source>Versuch, im Protected Mode (Standardmodus oder erweiterter 386-Modus) eine für frühere Windows-Versionen erstellte .EXE-Datei zu laden</source>
        <translation>Tentative de charger en mode protégé (mode standard ou mode 386 étendu) un fichier .EXE créé pour une version antérieure de Windows.</translation>
    </message>
    <message>
        <source>You tried to start second time, die mehrfache (nicht Read-Only markierte) Datensegmente enthält.</source>
        <translation>Vous avez tenté de lancer une deuxième fois une application qui contient plusieurs segments de données non marqués en lecture seule.</translation>
    </message>
    <message>
        <source>You tried to excecute a zipped file. The file must be unzipped, before loading.</source>
        <translation>Vous avez tenté d&apos;exécuter un fichier compressé. Le fichier doit être décompressé avant le chargement.</translation>
    </message>
    <message>
        <source>The Dynamic-Link-Library(DLL)-file was damaged. A necessary DLL, to start the application is damaged or missing.</source>
        <translation>Le fichier de bibliothèque de liens dynamiques (DLL) est endommagé. Une DLL nécessaire au démarrage de l&apos;application est endommagée ou manquante.</translation>
    </message>
    <message>
        <source>The application needs a 32-Bit-Environment.</source>
        <translation>L&apos;application nécessite un environnement 32 bits.</translation>
    </message>
    <message>
        <source>Application not found to start selected file</source>
        <translation>Aucune application trouvée pour ouvrir le fichier sélectionné</translation>
    </message>
</context>
<context>
    <name>Textgrenze</name>
    <message>
        <source>The text is too long: only its first %1 characters are kept.</source>
        <translation>Le texte est trop long : seuls ses %1 premiers caractères sont conservés.</translation>
    </message>
</context>
<context>
    <name>TfrmBewehrung</name>
    <message>
        <source>Intermediate result for reinforcement </source>
        <translation>Résultat intermédiaire de l&apos;armature </translation>
    </message>
</context>
<context>
    <name>TfrmSplash</name>
    <message>
        <source>Selected language not available!</source>
        <translation>La langue choisie n&apos;est pas disponible !</translation>
    </message>
</context>
<context>
    <name>trv::Befehle</name>
    <message>
        <source>&amp;New...</source>
        <translation>&amp;Nouveau...</translation>
    </message>
    <message>
        <source>begin new project|begin new project</source>
        <translation>nouveau projet|commencer un nouveau projet</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Ouvrir...</translation>
    </message>
    <message>
        <source>open project|open an existing project file</source>
        <translation>ouvrir un projet|ouvrir un fichier de projet existant</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>save project|save the project in its file</source>
        <translation>enregistrer le projet|enregistrer le projet dans son fichier</translation>
    </message>
    <message>
        <source>Save &amp;As ...</source>
        <translation>Enregistrer &amp;sous...</translation>
    </message>
    <message>
        <source>save project as|save the project in a new file</source>
        <translation>enregistrer sous|enregistrer le projet dans un nouveau fichier</translation>
    </message>
    <message>
        <source>Printer Set&amp;up</source>
        <translation>Con&amp;figuration de l&apos;imprimante</translation>
    </message>
    <message>
        <source>printer setup|choose the printer and its page</source>
        <translation>configuration de l&apos;imprimante|choisir l&apos;imprimante et le format de page</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimer</translation>
    </message>
    <message>
        <source>print|print the result sheet of the current position</source>
        <translation>imprimer|imprimer la note de calcul de la position courante</translation>
    </message>
    <message>
        <source>Print pro&amp;ject</source>
        <translation>Imprimer le pro&amp;jet</translation>
    </message>
    <message>
        <source>print project|print the result sheets of every calculated position and the connector schedule</source>
        <translation>imprimer le projet|imprimer les notes de calcul de toutes les positions calculées et la nomenclature des goujons</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>exit|end the program</source>
        <translation>quitter|quitter le programme</translation>
    </message>
    <message>
        <source>Project Ad&amp;ministration</source>
        <translation>&amp;Gestion des projets</translation>
    </message>
    <message>
        <source>project administration|browse project files and take over positions</source>
        <translation>gestion des projets|parcourir les fichiers de projet et reprendre des positions</translation>
    </message>
    <message>
        <source>&amp;Add Position</source>
        <translation>&amp;Ajouter une position</translation>
    </message>
    <message>
        <source>add position|add a copy of the current position</source>
        <translation>ajouter une position|ajouter une copie de la position courante</translation>
    </message>
    <message>
        <source>&amp;Delete Current Position</source>
        <translation>&amp;Supprimer la position courante</translation>
    </message>
    <message>
        <source>delete position|delete the current position</source>
        <translation>supprimer la position|supprimer la position courante</translation>
    </message>
    <message>
        <source>Input &amp;Tree</source>
        <translation>&amp;Arborescence de saisie</translation>
    </message>
    <message>
        <source>input tree|show or hide the input tree</source>
        <translation>arborescence de saisie|afficher ou masquer l&apos;arborescence de saisie</translation>
    </message>
    <message>
        <source>System &amp;Input</source>
        <translation>&amp;Saisie du système</translation>
    </message>
    <message>
        <source>system input|return from the result sheet to the input</source>
        <translation>saisie du système|revenir de la note de calcul à la saisie</translation>
    </message>
    <message>
        <source>&amp;Project Data</source>
        <translation>&amp;Données du projet</translation>
    </message>
    <message>
        <source>project data|edit the project description</source>
        <translation>données du projet|modifier la description du projet</translation>
    </message>
    <message>
        <source>&amp;Display Connector Schedule</source>
        <translation>&amp;Afficher la nomenclature</translation>
    </message>
    <message>
        <source>connector schedule|display the connector schedule</source>
        <translation>nomenclature des goujons|afficher la nomenclature des goujons</translation>
    </message>
    <message>
        <source>&amp;Add to Connector Schedule</source>
        <translation>A&amp;jouter à la nomenclature</translation>
    </message>
    <message>
        <source>add to schedule|add the selected connector of the current position to the connector schedule</source>
        <translation>ajouter à la nomenclature|ajouter le goujon choisi de la position courante à la nomenclature des goujons</translation>
    </message>
    <message>
        <source>calculation|check the inputs and design all connector types</source>
        <translation>calcul|vérifier les données et dimensionner tous les types de goujons</translation>
    </message>
    <message>
        <source>Calculation &amp;Preview</source>
        <translation>&amp;Aperçu du calcul</translation>
    </message>
    <message>
        <source>preview|calculate and show the result sheet</source>
        <translation>aperçu|calculer et afficher la note de calcul</translation>
    </message>
    <message>
        <source>DXF Export - &amp;Connector</source>
        <translation>Export DXF - &amp;Goujon</translation>
    </message>
    <message>
        <source>connector CAD blocks|copy the CAD blocks of the selected connector</source>
        <translation>blocs DAO du goujon|copier les blocs DAO du goujon choisi</translation>
    </message>
    <message>
        <source>DXF Export - &amp;Reinforcement</source>
        <translation>Export DXF - A&amp;rmature</translation>
    </message>
    <message>
        <source>reinforcement drawing|DXF drawing of the reinforcement of the selected connector</source>
        <translation>plan d&apos;armature|dessin DXF de l&apos;armature du goujon choisi</translation>
    </message>
    <message>
        <source>Export Results to &amp;File</source>
        <translation>Exporter les résultats dans un &amp;fichier</translation>
    </message>
    <message>
        <source>export results|save the result sheet in a file</source>
        <translation>exporter les résultats|enregistrer la note de calcul dans un fichier</translation>
    </message>
    <message>
        <source>Export Results to C&amp;lipboard</source>
        <translation>Exporter les résultats dans le &amp;presse-papiers</translation>
    </message>
    <message>
        <source>results to clipboard|copy the result sheet to the clipboard</source>
        <translation>résultats dans le presse-papiers|copier la note de calcul dans le presse-papiers</translation>
    </message>
    <message>
        <source>design options|maximum spacing, steel grade and safety factor</source>
        <translation>options de dimensionnement|entraxe maximal, nuance d&apos;acier et coefficient de sécurité</translation>
    </message>
    <message>
        <source>&amp;Screen Colours</source>
        <translation>Co&amp;uleurs d&apos;écran</translation>
    </message>
    <message>
        <source>screen colours|choose the colours of the sketches</source>
        <translation>couleurs d&apos;écran|choisir les couleurs des croquis</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommaire</translation>
    </message>
    <message>
        <source>help|contents of the help</source>
        <translation>aide|sommaire de l&apos;aide</translation>
    </message>
    <message>
        <source>Search for Key&amp;word</source>
        <translation>Rechercher par &amp;mot-clé</translation>
    </message>
    <message>
        <source>search help|search the help</source>
        <translation>rechercher dans l&apos;aide|rechercher un terme dans l&apos;aide</translation>
    </message>
    <message>
        <source>&amp;Use of Help</source>
        <translation>&amp;Utilisation de l&apos;aide</translation>
    </message>
    <message>
        <source>use of help|how to use the help</source>
        <translation>utilisation de l&apos;aide|comment utiliser l&apos;aide</translation>
    </message>
    <message>
        <source>&amp;About Varnel Shear Connectors</source>
        <translation>À &amp;propos des goujons de cisaillement Varnel</translation>
    </message>
    <message>
        <source>about|version and maker of the program</source>
        <translation>à propos|version et éditeur du programme</translation>
    </message>
    <message>
        <source>&amp;Varnel Shear Connectors Manual</source>
        <translation>Manuel des goujons de cisaillement &amp;Varnel</translation>
    </message>
    <message>
        <source>manual|open the manual of the shear connectors</source>
        <translation>manuel|ouvrir le manuel des goujons de cisaillement</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Vue</translation>
    </message>
    <message>
        <source>view|view of the joint with the connector</source>
        <translation>vue|vue du joint avec le goujon</translation>
    </message>
    <message>
        <source>Plan View</source>
        <translation>Vue en plan</translation>
    </message>
    <message>
        <source>plan view|plan view of the connector</source>
        <translation>vue en plan|vue en plan du goujon</translation>
    </message>
    <message>
        <source>Section</source>
        <translation>Coupe</translation>
    </message>
    <message>
        <source>section|section through the joint</source>
        <translation>coupe|coupe à travers le joint</translation>
    </message>
    <message>
        <source>Row View</source>
        <translation>Vue de la rangée</translation>
    </message>
    <message>
        <source>row view|arrangement of the connectors along the joint</source>
        <translation>vue de la rangée|disposition des goujons le long du joint</translation>
    </message>
    <message>
        <source>Reinforcement</source>
        <translation>Armature</translation>
    </message>
    <message>
        <source>reinforcement|adjust the reinforcement of the selected connector</source>
        <translation>armature|adapter l&apos;armature du goujon choisi</translation>
    </message>
    <message>
        <source>Sketch to &amp;Clipborad</source>
        <translation>Croquis dans le &amp;presse-papiers</translation>
    </message>
    <message>
        <source>copy sketch|copy the sketch to the clipboard</source>
        <translation>copier le croquis|copier le croquis dans le presse-papiers</translation>
    </message>
    <message>
        <source>Save sketch in file</source>
        <translation>Enregistrer le croquis dans un fichier</translation>
    </message>
    <message>
        <source>save sketch|save the sketch in a file</source>
        <translation>enregistrer le croquis|enregistrer le croquis dans un fichier</translation>
    </message>
    <message>
        <source>Represent sketch as full picture</source>
        <translation>Agrandir le croquis</translation>
    </message>
    <message>
        <source>enlarge sketch|show the sketch in a window of its own</source>
        <translation>agrandir le croquis|afficher le croquis dans une fenêtre séparée</translation>
    </message>
    <message>
        <source>DXF-Export</source>
        <translation>Export DXF</translation>
    </message>
    <message>
        <source>DXF export|DXF drawing of the reinforcement of the selected connector</source>
        <translation>export DXF|dessin DXF de l&apos;armature du goujon choisi</translation>
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
        <translation>&amp;Calculer</translation>
    </message>
    <message>
        <source>&amp;Calculation</source>
        <comment>Options menu: design options</comment>
        <translation>Ca&amp;lcul</translation>
    </message>
</context>
<context>
    <name>trv::Projektbefehle</name>
    <message>
        <source>Do you want to save current calculation?</source>
        <translation>Voulez-vous enregistrer le calcul en cours ?</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>The file %1 has been changed by another program since it was opened or saved here. Do you want to overwrite it?</source>
        <translation>Le fichier %1 a été modifié par un autre programme depuis qu&apos;il a été ouvert ou enregistré ici. Voulez-vous l&apos;écraser ?</translation>
    </message>
    <message>
        <source>Result sheets with their project (*.pdf *.PDF)</source>
        <translation>Notes de calcul avec leur projet (*.pdf *.PDF)</translation>
    </message>
</context>
<context>
    <name>trv::TEingabebaum</name>
    <message>
        <source>Input tree</source>
        <translation>Arborescence de saisie</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Save As ...</source>
        <translation>Enregistrer sous...</translation>
    </message>
    <message>
        <source>Printer Setup ...</source>
        <translation>Configuration de l&apos;imprimante...</translation>
    </message>
    <message>
        <source>Project Administration</source>
        <translation>Gestion des projets</translation>
    </message>
    <message>
        <source>Project: </source>
        <translation>Projet : </translation>
    </message>
    <message>
        <source>Add Position</source>
        <translation>Ajouter une position</translation>
    </message>
    <message>
        <source>Delete Current Position</source>
        <translation>Supprimer la position courante</translation>
    </message>
    <message>
        <source>Current Positions</source>
        <translation>Positions du projet</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Saisie</translation>
    </message>
    <message>
        <source>Project Data</source>
        <translation>Données du projet</translation>
    </message>
    <message>
        <source>Connector Schedule</source>
        <translation>Nomenclature des goujons</translation>
    </message>
    <message>
        <source>Display Connector Schedule</source>
        <translation>Afficher la nomenclature</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Calculation</source>
        <translation>Calcul</translation>
    </message>
    <message>
        <source>Screen Colours</source>
        <translation>Couleurs d&apos;écran</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Sommaire</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>About Help</source>
        <translation>Utilisation de l&apos;aide</translation>
    </message>
    <message>
        <source>About Varnel Shear Connectors</source>
        <translation>À propos des goujons de cisaillement Varnel</translation>
    </message>
    <message>
        <source>Varnel Shear Connectors Manual</source>
        <translation>Manuel des goujons de cisaillement Varnel</translation>
    </message>
    <message>
        <source>End program</source>
        <translation>Quitter le programme</translation>
    </message>
    <message>
        <source>System Input</source>
        <translation>Saisie du système</translation>
    </message>
    <message>
        <source>Add to Connector Schedule</source>
        <translation>Ajouter à la nomenclature</translation>
    </message>
</context>
<context>
    <name>trv::TEingabepanel</name>
    <message>
        <source>Application case</source>
        <translation>Cas d&apos;application</translation>
    </message>
    <message>
        <source>Single Shear Connector</source>
        <translation>Goujon isolé</translation>
    </message>
    <message>
        <source>Calculation of a single double shear connector in a beam</source>
        <translation>Calcul d&apos;un goujon de cisaillement isolé dans une poutre</translation>
    </message>
    <message>
        <source>Row of connectors in a slab</source>
        <translation>Rangée de goujons dans une dalle</translation>
    </message>
    <message>
        <source>Calculation for a row type of arrangement of connectors in a slab</source>
        <translation>Calcul d&apos;une rangée de goujons dans une dalle</translation>
    </message>
    <message>
        <source>Row of connectors in wall</source>
        <translation>Rangée de goujons dans un mur</translation>
    </message>
    <message>
        <source>Calculation for a row type of connector arrangement in a wall</source>
        <translation>Calcul d&apos;une rangée de goujons dans un mur</translation>
    </message>
    <message>
        <source>Determination of reinforcement</source>
        <translation>Détermination de l&apos;armature</translation>
    </message>
    <message>
        <source>&amp;Single load</source>
        <translation>Charge &amp;ponctuelle</translation>
    </message>
    <message>
        <source>con&amp;stant</source>
        <translation>&amp;constante</translation>
    </message>
    <message>
        <source>Uniform distributed load</source>
        <translation>Charge uniformément répartie</translation>
    </message>
    <message>
        <source>input an uniform distributed load onto the building component to be connected</source>
        <translation>saisir une charge uniformément répartie sur l&apos;élément à raccorder</translation>
    </message>
    <message>
        <source>&amp;Uniformly</source>
        <translation>Croissan&amp;te</translation>
    </message>
    <message>
        <source>Increasing distributed load</source>
        <translation>Charge répartie croissante</translation>
    </message>
    <message>
        <source>input an increasing distributed load onto the building component to be connected</source>
        <translation>saisir une charge répartie croissante sur l&apos;élément à raccorder</translation>
    </message>
    <message>
        <source>&amp;Arbitrary</source>
        <translation>&amp;Quelconque</translation>
    </message>
    <message>
        <source>Varying distributed load</source>
        <translation>Charge répartie variable</translation>
    </message>
    <message>
        <source>Entry of a varying distributed load on the building component to be connected</source>
        <translation>Saisie d&apos;une charge répartie variable sur l&apos;élément à raccorder</translation>
    </message>
    <message>
        <source>Point Load</source>
        <translation>Charge ponctuelle</translation>
    </message>
    <message>
        <source>Distributed Load</source>
        <translation>Charge répartie</translation>
    </message>
    <message>
        <source>Dead load</source>
        <translation>Poids propre</translation>
    </message>
    <message>
        <source>Partial safety factor</source>
        <translation>Coefficient partiel de sécurité</translation>
    </message>
    <message>
        <source>Imposed load</source>
        <translation>Charge d&apos;exploitation</translation>
    </message>
    <message>
        <source>Add. design load</source>
        <translation>Charge de calcul suppl.</translation>
    </message>
    <message>
        <source>[kN]</source>
        <translation>[kN]</translation>
    </message>
    <message>
        <source>left</source>
        <translation>gauche</translation>
    </message>
    <message>
        <source>right</source>
        <translation>droite</translation>
    </message>
    <message>
        <source>Total design load</source>
        <translation>Charge de calcul totale</translation>
    </message>
    <message>
        <source>[kN/m]</source>
        <translation>[kN/m]</translation>
    </message>
    <message>
        <source>Concrete quality</source>
        <translation>Classe de béton</translation>
    </message>
    <message>
        <source>Maximum joint width</source>
        <translation>Largeur de joint maximale</translation>
    </message>
    <message>
        <source>Eff. structural height</source>
        <translation>Hauteur utile</translation>
    </message>
    <message>
        <source>Joint length</source>
        <translation>Longueur du joint</translation>
    </message>
    <message>
        <source>Concrete cover above</source>
        <translation>Enrobage supérieur</translation>
    </message>
    <message>
        <source>Concrete cover below</source>
        <translation>Enrobage inférieur</translation>
    </message>
    <message>
        <source>Concrete cover to front</source>
        <translation>Enrobage frontal</translation>
    </message>
    <message>
        <source>Slab thickness</source>
        <translation>Épaisseur de dalle</translation>
    </message>
    <message>
        <source>Wall thickness</source>
        <translation>Épaisseur du mur</translation>
    </message>
    <message>
        <source>Edge distance left</source>
        <translation>Distance au bord gauche</translation>
    </message>
    <message>
        <source>Edge distance right</source>
        <translation>Distance au bord droit</translation>
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
        <translation>Goujon</translation>
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
        <translation>Remarques</translation>
    </message>
    <message>
        <source>Overview of the calculation</source>
        <translation>Vue d&apos;ensemble du calcul</translation>
    </message>
    <message>
        <source>Overview of the calculation results</source>
        <translation>Vue d&apos;ensemble des résultats du calcul</translation>
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
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Help on this window</source>
        <translation>Aide sur cette fenêtre</translation>
    </message>
</context>
<context>
    <name>trv::THilfefenster</name>
    <message>
        <source>Varnel - TRV / ZEDE Shear Connectors - Help</source>
        <translation>Varnel - Goujons de cisaillement TRV / ZEDE - Aide</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommaire</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>&amp;Index</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Recherche</translation>
    </message>
    <message>
        <source>&amp;Look for:</source>
        <translation>&amp;Chercher :</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Sommaire</translation>
    </message>
    <message>
        <source>Using the help</source>
        <translation>Utiliser l&apos;aide</translation>
    </message>
</context>
<context>
    <name>trv::TStuecklistenExportDialog</name>
    <message>
        <source>Varnel - TRV / ZEDE Shear Connector - Export Connector Schedule</source>
        <translation>Varnel - Goujons de cisaillement TRV / ZEDE - Exporter la nomenclature des goujons</translation>
    </message>
    <message>
        <source>Export in Metafile Format (*.svg)</source>
        <translation>Exporter au format vectoriel (*.svg)</translation>
    </message>
    <message>
        <source>Export in Bitmap Format (*.bmp)</source>
        <translation>Exporter au format bitmap (*.bmp)</translation>
    </message>
    <message>
        <source>Export in JPeg Format (*.jpg)</source>
        <translation>Exporter au format JPEG (*.jpg)</translation>
    </message>
    <message>
        <source>Export in Text Format (*.txt)</source>
        <translation>Exporter au format texte (*.txt)</translation>
    </message>
</context>
<context>
    <name>trv::TfrmAbout</name>
    <message>
        <source>This program is an aid to the design of TRV and ZEDE shear connectors. It does not replace the judgement of a qualified structural engineer. The results must be checked by the engineer responsible for the structure before they are used, and the responsibility for the design remains with that engineer.

Check all input data. The results are valid only for the connectors, materials and boundary conditions described in the program and in the manual, and only for the data entered; the maker accepts no liability for results obtained with wrong or incomplete input, for the use of other products, or for damage arising from the use of the program, except where the law provides otherwise.

The program has been tested with care on the operating systems named in the manual. Faults caused by other system software, printers or other programs cannot be excluded. Please report any fault you find to the maker.</source>
        <translation>Ce programme est une aide au dimensionnement des goujons de cisaillement TRV et ZEDE. Il ne remplace pas le jugement d&apos;un ingénieur en structures qualifié. Les résultats doivent être vérifiés par l&apos;ingénieur responsable de l&apos;ouvrage avant d&apos;être utilisés, et la responsabilité du dimensionnement incombe à cet ingénieur.

Vérifiez toutes les données saisies. Les résultats ne sont valables que pour les goujons, les matériaux et les conditions aux limites décrits dans le programme et dans le manuel, et uniquement pour les données saisies ; l&apos;éditeur décline toute responsabilité pour les résultats obtenus avec des données erronées ou incomplètes, pour l&apos;utilisation d&apos;autres produits ou pour les dommages résultant de l&apos;utilisation du programme, sauf disposition légale contraire.

Le programme a été testé avec soin sur les systèmes d&apos;exploitation indiqués dans le manuel. Des dysfonctionnements dus à d&apos;autres logiciels système, à des imprimantes ou à d&apos;autres programmes ne peuvent être exclus. Veuillez signaler à l&apos;éditeur tout défaut constaté.</translation>
    </message>
    <message>
        <source>About Varnel - TRV / ZEDE Shear Connectors</source>
        <translation>À propos de Varnel - Goujons de cisaillement TRV / ZEDE</translation>
    </message>
    <message>
        <source>Varnel - TRV / ZEDE Shear Connectors</source>
        <translation>Varnel - Goujons de cisaillement TRV / ZEDE</translation>
    </message>
    <message>
        <source>This program will enable the calculation of TRV and ZEDE shear connectors supporting higher transverse loads</source>
        <translation>Ce programme permet le dimensionnement des goujons de cisaillement TRV et ZEDE destinés à reprendre des efforts tranchants élevés</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Version :</translation>
    </message>
    <message>
        <source>TRV - %1</source>
        <translation>TRV - %1</translation>
    </message>
    <message>
        <source>Created on:</source>
        <translation>Créé le :</translation>
    </message>
    <message>
        <source>10.06.2009</source>
        <translation>10.06.2009</translation>
    </message>
    <message>
        <source>Disclaimer</source>
        <translation>Exclusion de responsabilité</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Retour</translation>
    </message>
</context>
<context>
    <name>trv::TfrmBemessung</name>
    <message>
        <source>Settings for Calculation</source>
        <translation>Paramètres de calcul</translation>
    </message>
    <message>
        <source>Max. Spacing of Dowels</source>
        <translation>Entraxe max. des goujons</translation>
    </message>
    <message>
        <source>partial safety factor for steel</source>
        <translation>coefficient partiel de sécurité de l&apos;acier</translation>
    </message>
    <message>
        <source>reinforcement yield strength</source>
        <translation>limite d&apos;élasticité de l&apos;armature</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Undertake entry and close window</source>
        <translation>Valider la saisie et fermer la fenêtre</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Discard entry and close window</source>
        <translation>Rejeter la saisie et fermer la fenêtre</translation>
    </message>
</context>
<context>
    <name>trv::TfrmBewehrung</name>
    <message>
        <source>Reinforcement</source>
        <translation>Armature</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Diamètre</translation>
    </message>
    <message>
        <source>Top and Bottom Reinforcement</source>
        <translation>Armature supérieure et inférieure</translation>
    </message>
    <message>
        <source>Vertical Reinforcement</source>
        <translation>Armature verticale</translation>
    </message>
    <message>
        <source>Number of Top and Bottom Reinforcement bars</source>
        <translation>Nombre de barres de l&apos;armature supérieure et inférieure</translation>
    </message>
    <message>
        <source>Change number of Top and Bottom Reinforcement bars</source>
        <translation>Modifier le nombre de barres de l&apos;armature supérieure et inférieure</translation>
    </message>
    <message>
        <source>Diameter of Top and Bottom Reinforcement bars</source>
        <translation>Diamètre des barres de l&apos;armature supérieure et inférieure</translation>
    </message>
    <message>
        <source>Change diameter of Top and Bottom Reinforcement bars</source>
        <translation>Modifier le diamètre des barres de l&apos;armature supérieure et inférieure</translation>
    </message>
    <message>
        <source>Number Vertical Reinforcement bars</source>
        <translation>Nombre de barres de l&apos;armature verticale</translation>
    </message>
    <message>
        <source>Change number Vertical Reinforcement bars</source>
        <translation>Modifier le nombre de barres de l&apos;armature verticale</translation>
    </message>
    <message>
        <source>Diameter of Vertical Reinforcement bars</source>
        <translation>Diamètre des barres de l&apos;armature verticale</translation>
    </message>
    <message>
        <source>Change diameter Vertical Reinforcement bars</source>
        <translation>Modifier le diamètre des barres de l&apos;armature verticale</translation>
    </message>
    <message>
        <source>Connector of the TRV series</source>
        <translation>Goujon de la série TRV</translation>
    </message>
    <message>
        <source>Connector of the ZEDE series</source>
        <translation>Goujon de la série ZEDE</translation>
    </message>
    <message>
        <source>Intermediate result for reinforcement </source>
        <translation>Résultat intermédiaire de l&apos;armature </translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Undertake entry and close window</source>
        <translation>Valider la saisie et fermer la fenêtre</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Discard entry and close window</source>
        <translation>Rejeter la saisie et fermer la fenêtre</translation>
    </message>
    <message>
        <source>Reinforcement to current connector: </source>
        <translation>Armature du goujon courant : </translation>
    </message>
</context>
<context>
    <name>trv::TfrmFarbeinstellung</name>
    <message>
        <source>TRV - colour representation</source>
        <translation>TRV - représentation des couleurs</translation>
    </message>
    <message>
        <source>Sketch</source>
        <translation>Croquis</translation>
    </message>
    <message>
        <source>Concrete</source>
        <translation>Béton</translation>
    </message>
    <message>
        <source>Reinforcement</source>
        <translation>Armature</translation>
    </message>
    <message>
        <source>Shear connector</source>
        <translation>Goujon de cisaillement</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Arrière-plan</translation>
    </message>
    <message>
        <source>Colour of the sketch background</source>
        <translation>Couleur de l&apos;arrière-plan du croquis</translation>
    </message>
    <message>
        <source>Dimensioning</source>
        <translation>Cotation</translation>
    </message>
    <message>
        <source>Colour representation of the dimensioning (Lines + Text)</source>
        <translation>Couleur de la cotation (lignes + texte)</translation>
    </message>
    <message>
        <source>Border</source>
        <translation>Contour</translation>
    </message>
    <message>
        <source>Colour of the concrete border</source>
        <translation>Couleur du contour du béton</translation>
    </message>
    <message>
        <source>Surface</source>
        <translation>Surface</translation>
    </message>
    <message>
        <source>Colour of the concrete surfaces</source>
        <translation>Couleur des surfaces de béton</translation>
    </message>
    <message>
        <source>Fire protection</source>
        <translation>Protection incendie</translation>
    </message>
    <message>
        <source>Colour of the fire protection sleeve</source>
        <translation>Couleur du manchon de protection incendie</translation>
    </message>
    <message>
        <source>Position B</source>
        <translation>Position B</translation>
    </message>
    <message>
        <source>Colour of the horizontal reinforcement (Pos B)</source>
        <translation>Couleur de l&apos;armature horizontale (pos. B)</translation>
    </message>
    <message>
        <source>Position D</source>
        <translation>Position D</translation>
    </message>
    <message>
        <source>Colour representation of the suspended reinforcement (pos D)</source>
        <translation>Couleur de l&apos;armature de suspension (pos. D)</translation>
    </message>
    <message>
        <source>Colour of the shear connector border</source>
        <translation>Couleur du contour du goujon</translation>
    </message>
    <message>
        <source>Colour of the shear connector surface</source>
        <translation>Couleur de la surface du goujon</translation>
    </message>
    <message>
        <source>&amp;Standard</source>
        <translation>Par &amp;défaut</translation>
    </message>
    <message>
        <source>Set back colour to standard value</source>
        <translation>Rétablir les couleurs par défaut</translation>
    </message>
    <message>
        <source>&amp;Grey scales</source>
        <translation>&amp;Niveaux de gris</translation>
    </message>
    <message>
        <source>Adjust colour representation to grey scale</source>
        <translation>Afficher les couleurs en niveaux de gris</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Leave entry mask and undertake entry!</source>
        <translation>Fermer le masque de saisie et valider la saisie !</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Leave entry mask and discard entry!</source>
        <translation>Fermer le masque de saisie et rejeter la saisie !</translation>
    </message>
</context>
<context>
    <name>trv::TfrmHauptMaske</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Project</source>
        <translation>&amp;Projet</translation>
    </message>
    <message>
        <source>&amp;Input</source>
        <translation>&amp;Saisie</translation>
    </message>
    <message>
        <source>&amp;Connector Schedule</source>
        <translation>&amp;Nomenclature</translation>
    </message>
    <message>
        <source>&amp;Results</source>
        <translation>&amp;Résultats</translation>
    </message>
    <message>
        <source>&amp;Export Results</source>
        <translation>&amp;Exporter les résultats</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Main tool bar</source>
        <translation>Barre d&apos;outils principale</translation>
    </message>
    <message>
        <source>Sketches</source>
        <translation>Croquis</translation>
    </message>
    <message>
        <source>lfd Nr.:</source>
        <translation>N° :</translation>
    </message>
    <message>
        <source>Current position</source>
        <translation>Position courante</translation>
    </message>
    <message>
        <source>current position</source>
        <translation>position courante</translation>
    </message>
    <message>
        <source>number of the position shown</source>
        <translation>numéro de la position affichée</translation>
    </message>
    <message>
        <source>Pro&amp;ject:</source>
        <translation>Pro&amp;jet :</translation>
    </message>
    <message>
        <source>Project</source>
        <translation>Projet</translation>
    </message>
    <message>
        <source>name of the project</source>
        <translation>nom du projet</translation>
    </message>
    <message>
        <source>Posi&amp;tion:</source>
        <translation>Pos&amp;ition :</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>description of the current position</source>
        <translation>description de la position courante</translation>
    </message>
    <message>
        <source>Retur&amp;n to entry</source>
        <translation>Re&amp;tour à la saisie</translation>
    </message>
    <message>
        <source>To C&amp;lipboard</source>
        <translation>&amp;Dans le presse-papiers</translation>
    </message>
    <message>
        <source>Calculation Pre&amp;view</source>
        <translation>Aperç&amp;u du calcul</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>E&amp;xporter</translation>
    </message>
    <message>
        <source>Ca&amp;lculation</source>
        <translation>Ca&amp;lcul</translation>
    </message>
    <message>
        <source>Hints</source>
        <translation>Remarques</translation>
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
        <translation>cliquez sur le croquis pour le copier, l&apos;enregistrer ou l&apos;agrandir</translation>
    </message>
    <message>
        <source>Result sheet</source>
        <translation>Note de calcul</translation>
    </message>
    <message>
        <source>Input tree</source>
        <translation>Arborescence de saisie</translation>
    </message>
    <message>
        <source>Cannot open file!</source>
        <translation>Impossible d&apos;ouvrir le fichier !</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(aucun)</translation>
    </message>
    <message>
        <source>&amp;Clear List</source>
        <translation>&amp;Vider la liste</translation>
    </message>
    <message>
        <source>The project %1 does not exist any more. It is taken off the list.</source>
        <translation>Le projet %1 n&apos;existe plus. Il est retiré de la liste.</translation>
    </message>
    <message>
        <source>&amp;Recent Projects</source>
        <translation>Projets &amp;récents</translation>
    </message>
    <message>
        <source>The settings file %1 cannot be used: %2.
The program works with the default settings and keeps no changes of them.</source>
        <translation>Le fichier de paramètres %1 ne peut pas être utilisé : %2.
Le programme travaille avec les paramètres par défaut et n&apos;en conserve aucune modification.</translation>
    </message>
</context>
<context>
    <name>trv::TfrmProjektdaten</name>
    <message>
        <source>Project Data</source>
        <translation>Données du projet</translation>
    </message>
    <message>
        <source>Project:</source>
        <translation>Projet :</translation>
    </message>
    <message>
        <source>Company</source>
        <translation>Entreprise</translation>
    </message>
    <message>
        <source>Designer:</source>
        <translation>Établi par :</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Date :</translation>
    </message>
    <message>
        <source>&amp;Today</source>
        <translation>Au&amp;jourd&apos;hui</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
</context>
<context>
    <name>trv::TfrmProjektverwaltung</name>
    <message>
        <source>Varnel - Project Administration</source>
        <translation>Varnel - Gestion des projets</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Dossiers</translation>
    </message>
    <message>
        <source>Project files</source>
        <translation>Fichiers de projet</translation>
    </message>
    <message>
        <source>Positions</source>
        <translation>Positions</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>N°</translation>
    </message>
    <message>
        <source>Prog</source>
        <translation>Prog.</translation>
    </message>
    <message>
        <source>Project</source>
        <translation>Projet</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Connection Type</source>
        <translation>Type de liaison</translation>
    </message>
    <message>
        <source>Length of Joint</source>
        <translation>Longueur du joint</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Choose the folder of the project files</source>
        <translation>Choisissez le dossier des fichiers de projet</translation>
    </message>
    <message>
        <source>Choose a project file to list its positions</source>
        <translation>Choisissez un fichier de projet pour en afficher les positions</translation>
    </message>
    <message>
        <source>Positions of the selected project file; a double click takes one over</source>
        <translation>Positions du fichier de projet choisi ; un double-clic reprend une position</translation>
    </message>
    <message>
        <source>Position &amp;Undertake</source>
        <translation>&amp;Reprendre la position</translation>
    </message>
    <message>
        <source>Take the selected position over into the current project</source>
        <translation>Reprendre la position choisie dans le projet courant</translation>
    </message>
    <message>
        <source>&amp;Open Project</source>
        <translation>&amp;Ouvrir le projet</translation>
    </message>
    <message>
        <source>Open the selected file as the project</source>
        <translation>Ouvrir le fichier choisi comme projet</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Close the window without action</source>
        <translation>Fermer la fenêtre sans autre action</translation>
    </message>
    <message>
        <source>No: </source>
        <translation>N° : </translation>
    </message>
    <message>
        <source>The name of this file holds bytes that are no text; they are shown as �.</source>
        <translation>Le nom de ce fichier contient des octets qui ne sont pas du texte ; ils sont affichés comme �.</translation>
    </message>
</context>
<context>
    <name>trv::TfrmSplash</name>
    <message>
        <source>Varnel - TRV / ZEDE Shear Connectors</source>
        <translation>Varnel - Goujons de cisaillement TRV / ZEDE</translation>
    </message>
    <message>
        <source>&amp;Start Program</source>
        <translation>&amp;Démarrer le programme</translation>
    </message>
    <message>
        <source>Show the program in German</source>
        <translation>Afficher le programme en allemand</translation>
    </message>
    <message>
        <source>Show the program in English</source>
        <translation>Afficher le programme en anglais</translation>
    </message>
    <message>
        <source>Show the program in French</source>
        <translation>Afficher le programme en français</translation>
    </message>
    <message>
        <source>Show the program in Italian</source>
        <translation>Afficher le programme en italien</translation>
    </message>
    <message>
        <source>Show the program in Dutch</source>
        <translation>Afficher le programme en néerlandais</translation>
    </message>
    <message>
        <source>Show the program in Spanish</source>
        <translation>Afficher le programme en espagnol</translation>
    </message>
    <message>
        <source>Shear Connectors</source>
        <translation>Goujons de cisaillement</translation>
    </message>
</context>
<context>
    <name>trv::TfrmStueckliste</name>
    <message>
        <source>Varnel - TRV / ZEDE Shear Connectors - Connector Schedule</source>
        <translation>Varnel - Goujons de cisaillement TRV / ZEDE - Nomenclature des goujons</translation>
    </message>
    <message>
        <source>Number of similar positions</source>
        <translation>Nombre de positions identiques</translation>
    </message>
    <message>
        <source>Current Choice</source>
        <translation>Choix actuel</translation>
    </message>
    <message>
        <source>Supplementary information to the connector schedule</source>
        <translation>Informations complémentaires sur la nomenclature des goujons</translation>
    </message>
    <message>
        <source>Connector Schedule</source>
        <translation>Nomenclature des goujons</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>Position &amp;Delete</source>
        <translation>&amp;Supprimer la position</translation>
    </message>
    <message>
        <source>&amp;Preview</source>
        <translation>&amp;Aperçu</translation>
    </message>
    <message>
        <source>&amp;List</source>
        <translation>&amp;Liste</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>E&amp;xporter</translation>
    </message>
    <message>
        <source>&amp;Clipboard</source>
        <translation>&amp;Presse-papiers</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimer</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Retour</translation>
    </message>
    <message>
        <source>When exporting a long connector schedule as graphic it has to be taken</source>
        <translation>Lors de l&apos;exportation d&apos;une longue nomenclature sous forme graphique, il faut tenir</translation>
    </message>
    <message>
        <source>into account that there are no page breaks beforehand in the graphic.</source>
        <translation>compte du fait que le graphique ne comporte aucun saut de page.</translation>
    </message>
    <message>
        <source>With long connector schedules you can divide the connector schedule</source>
        <translation>Pour une longue nomenclature, vous pouvez la diviser en deux fichiers</translation>
    </message>
    <message>
        <source>into two or more export files through deactivating of single positions.</source>
        <translation>d&apos;exportation ou plus en désactivant certaines positions.</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Actif</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>The preview could not be drawn: %1</source>
        <translation>L&apos;aperçu n&apos;a pas pu être dessiné : %1</translation>
    </message>
    <message>
        <source>The connector schedule could not be printed: %1</source>
        <translation>La nomenclature des goujons n&apos;a pas pu être imprimée : %1</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 existe déjà.
Voulez-vous le remplacer ?</translation>
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
        <translation>Croquis agrandi</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>Copy printout of results to clipboard</source>
        <translation>Copier la note de calcul dans le presse-papiers</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>E&amp;xporter</translation>
    </message>
    <message>
        <source>Export printout of results in file</source>
        <translation>Exporter la note de calcul dans un fichier</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>Fermer la fenêtre</translation>
    </message>
    <message>
        <source>Sketch to &amp;Clipborad</source>
        <translation>Croquis dans le &amp;presse-papiers</translation>
    </message>
    <message>
        <source>Save sketch in file</source>
        <translation>Enregistrer le croquis dans un fichier</translation>
    </message>
    <message>
        <source>&amp;Close window</source>
        <translation>&amp;Fermer la fenêtre</translation>
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
        <translation>Saisie d&apos;une distribution quelconque de l&apos;effort tranchant</translation>
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
        <translation>Abscisse de la charge saisie, mesurée depuis la gauche</translation>
    </message>
    <message>
        <source>Load value</source>
        <translation>Valeur de la charge</translation>
    </message>
    <message>
        <source>Value of loading at the position of the coordinate x</source>
        <translation>Valeur de la charge à l&apos;abscisse x</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>A&amp;jouter</translation>
    </message>
    <message>
        <source>Place pair of values</source>
        <translation>Ajouter le couple de valeurs</translation>
    </message>
    <message>
        <source>Pair of values (x,q) add to list</source>
        <translation>Ajouter le couple de valeurs (x,q) à la liste</translation>
    </message>
    <message>
        <source>C&amp;hange</source>
        <translation>&amp;Modifier</translation>
    </message>
    <message>
        <source>Transfer changes in the list</source>
        <translation>Reporter les modifications dans la liste</translation>
    </message>
    <message>
        <source>Transfer changes in the pairs of values (x,q) in the list</source>
        <translation>Reporter les modifications du couple de valeurs (x,q) dans la liste</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>delete current pair of values</source>
        <translation>supprimer le couple de valeurs courant</translation>
    </message>
    <message>
        <source>delete current pair of values (x,q) from the list</source>
        <translation>supprimer le couple de valeurs (x,q) courant de la liste</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Undertake entry and close window</source>
        <translation>Valider la saisie et fermer la fenêtre</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Discard entry and close window</source>
        <translation>Rejeter la saisie et fermer la fenêtre</translation>
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
        <translation>Une valeur existe déjà pour l&apos;abscisse saisie !<byte value="xd"/>
<byte value="xd"/>
 Voulez-vous la remplacer ?</translation>
    </message>
</context>
<context>
    <name>trv::dxf::TDXF_Anzeige_Form</name>
    <message>
        <source>DXF display form</source>
        <translation>Affichage DXF</translation>
    </message>
    <message>
        <source>&amp;Save as DXF</source>
        <translation>&amp;Enregistrer en DXF</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Retour</translation>
    </message>
    <message>
        <source>Varnel - TRV / ZEDE Shear Connectors - DXF-Export</source>
        <translation>Varnel - Goujons de cisaillement TRV / ZEDE - Export DXF</translation>
    </message>
    <message>
        <source>DXF databases (*.dxf)</source>
        <translation>Fichiers DXF (*.dxf)</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 existe déjà.
Voulez-vous le remplacer ?</translation>
    </message>
    <message>
        <source>The DXF file could not be written:
%1
(%2)</source>
        <translation>Le fichier DXF n&apos;a pas pu être écrit :
%1
(%2)</translation>
    </message>
    <message>
        <source>the drawing holds a value that a DXF file cannot take</source>
        <translation>le dessin contient une valeur qu&apos;un fichier DXF ne peut pas recevoir</translation>
    </message>
    <message>
        <source>no permission to write in this folder</source>
        <translation>pas d&apos;autorisation d&apos;écriture dans ce dossier</translation>
    </message>
    <message>
        <source>the folder does not exist</source>
        <translation>le dossier n&apos;existe pas</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>le support de données est plein</translation>
    </message>
    <message>
        <source>the disk is write-protected</source>
        <translation>le support de données est protégé en écriture</translation>
    </message>
    <message>
        <source>a folder of that name exists</source>
        <translation>un dossier de ce nom existe</translation>
    </message>
    <message>
        <source>a device or another special file of that name exists</source>
        <translation>un périphérique ou un autre fichier spécial de ce nom existe</translation>
    </message>
    <message>
        <source>the file name is too long</source>
        <translation>le nom du fichier est trop long</translation>
    </message>
    <message>
        <source>system error %1</source>
        <translation>erreur système %1</translation>
    </message>
</context>
<context>
    <name>trv::dxf::Zoom_panel</name>
    <message>
        <source>Zoom out</source>
        <translation>Zoom arrière</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Zoom avant</translation>
    </message>
    <message>
        <source>Previous view</source>
        <translation>Vue précédente</translation>
    </message>
    <message>
        <source>Whole drawing</source>
        <translation>Dessin entier</translation>
    </message>
    <message>
        <source>Horizontal position</source>
        <translation>Position horizontale</translation>
    </message>
    <message>
        <source>Vertical position</source>
        <translation>Position verticale</translation>
    </message>
    <message>
        <source>Drawing</source>
        <translation>Dessin</translation>
    </message>
    <message>
        <source>Drag a rectangle to zoom into it, double-click to centre the view; + and - zoom, the arrow keys scroll</source>
        <translation>Tracez un rectangle pour zoomer dessus, double-cliquez pour centrer la vue ; + et - pour zoomer, les touches fléchées pour défiler</translation>
    </message>
    <message>
        <source>Mouse position</source>
        <translation>Position de la souris</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>Échelle</translation>
    </message>
</context>
</TS>
