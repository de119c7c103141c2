<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="fr">
<context>
    <name>Aide</name>
    <message>
        <source>le fichier d&apos;aide &quot;%1&quot; n&apos;existe pas</source>
        <translation>the help file &quot;%1&quot; does not exist</translation>
    </message>
    <message>
        <source>Chronalys CD4060 — calcul de temporisation longue période, 2026</source>
        <translation>Chronalys CD4060 — long-period timer design, 2026</translation>
    </message>
</context>
<context>
    <name>Alarmes</name>
    <message>
        <source>le fichier &quot;%1&quot; n&apos;est pas disponible</source>
        <translation>the file &quot;%1&quot; is not available</translation>
    </message>
</context>
<context>
    <name>Batch</name>
    <message>
        <source>--image-chronogramme dessine un seul montage : il ne s&apos;applique pas au calcul en lot</source>
        <translation>--image-chronogramme draws a single circuit: it does not apply to a batch</translation>
    </message>
    <message>
        <source>--lot attend un seul fichier, ou « - » pour l&apos;entrée standard</source>
        <translation>--lot takes a single file, or “-” for standard input</translation>
    </message>
    <message>
        <source>--feuille dessine un seul montage : il ne s&apos;applique pas au calcul en lot</source>
        <translation>--feuille draws a single circuit: it does not apply to a batch</translation>
    </message>
    <message>
        <source>--lot attend un fichier, ou « - » pour l&apos;entrée standard</source>
        <translation>--lot takes a file, or “-” for standard input</translation>
    </message>
    <message>
        <source>--json et --csv s&apos;excluent</source>
        <translation>--json and --csv cannot be used together</translation>
    </message>
    <message>
        <source>fichier introuvable</source>
        <translation>file not found</translation>
    </message>
    <message>
        <source>accès refusé</source>
        <translation>permission denied</translation>
    </message>
    <message>
        <source>c&apos;est un dossier</source>
        <translation>it is a folder</translation>
    </message>
    <message>
        <source>disque plein</source>
        <translation>disk full</translation>
    </message>
    <message>
        <source>erreur système %1</source>
        <translation>system error %1</translation>
    </message>
    <message>
        <source>%1 : </source>
        <comment>program name before a message; keep the space after</comment>
        <translation>%1: </translation>
    </message>
    <message>
        <source>impossible d&apos;ouvrir « %1 » : %2
</source>
        <translation>cannot open “%1”: %2
</translation>
    </message>
    <message>
        <source>écriture impossible : %1
</source>
        <translation>cannot write: %1
</translation>
    </message>
    <message>
        <source>lecture de « %1 » impossible : %2
</source>
        <translation>cannot read “%1”: %2
</translation>
    </message>
    <message>
        <source>Usage : chronalys-calcul T T1 [options]
        chronalys-calcul --conception FICHIER.cd4060 [options]
        chronalys-calcul --lot FICHIER|- [--csv] [options]
        chronalys-calcul --help | --version
Le calcul de Chronalys_CD4060 --calcul, sans bibliothèque graphique.
</source>
        <translation>Usage: chronalys-calcul T T1 [options]
       chronalys-calcul --conception FILE.cd4060 [options]
       chronalys-calcul --lot FILE|- [--csv] [options]
       chronalys-calcul --help | --version
The calculation of Chronalys_CD4060 --calcul, without any graphical library.
</translation>
    </message>
    <message>
        <source>  --lot FICHIER|-
                  un calcul par ligne « T T1 » (blancs, tabulation ou « ; » entre les
                  deux, « , » ou « . » décimal ; lignes vides et lignes « # » ignorées)
                  ou une conception .cd4060 ; « - » lit l&apos;entrée standard. Sortie : un
                  objet JSON par ligne (JSON Lines) avec « ligne », ou « erreur » quand
                  la ligne ne se lit pas</source>
        <translation>  --lot FILE|-
                  one calculation per line “T T1” (blanks, a tab or “;” between the
                  two, “,” or “.” as decimal mark; empty lines and “#” lines skipped)
                  or a .cd4060 design; “-” reads standard input. Output: one JSON
                  object per line (JSON Lines) with “ligne”, or “erreur” when the line
                  cannot be read</translation>
    </message>
    <message>
        <source>  --csv           un tableau séparé par « ; » avec une ligne d&apos;en-tête : la ligne, ses T
                  et T1, les textes de la fenêtre, puis les nombres (point décimal)</source>
        <translation>  --csv           a “;”-separated table with a header line: the line, its T and T1,
                  the window&apos;s texts, then the numbers (decimal point)</translation>
    </message>
    <message>
        <source>Statut de sortie : 0 quand chaque calcul va jusqu&apos;à la temporisation réelle, 1 quand le
programme en refuse un ou qu&apos;une ligne ne se lit pas, 2 quand la ligne de commande ne se
lit pas.
Page de manuel : man chronalys-calcul
</source>
        <translation>Exit status: 0 when every calculation reaches the actual timing, 1 when the
program refuses one or a line cannot be read, 2 when the command line cannot
be read.
Manual page: man chronalys-calcul
</translation>
    </message>
    <message>
        <source>la conception « %1 » a un second compteur : son tableau demande --montage cascade</source>
        <translation>the design “%1” has a second counter: its table needs --montage cascade</translation>
    </message>
    <message>
        <source>la conception « %1 » n&apos;a pas de second compteur : son tableau est celui d&apos;un calcul sans --montage</source>
        <translation>the design “%1” has no second counter: its table is that of a calculation without --montage</translation>
    </message>
</context>
<context>
    <name>Calculation</name>
    <message>
        <source>--image-chronogramme attend un fichier .svg, .pdf ou .png, pas « %1 »</source>
        <translation>--image-chronogramme takes a .svg, .pdf or .png file, not “%1”</translation>
    </message>
    <message>
        <source>--image-chronogramme demande le programme Chronalys_CD4060, qui seul sait dessiner le chronogramme.
</source>
        <translation>--image-chronogramme needs the program Chronalys_CD4060, the only one that can draw the timing diagram.
</translation>
    </message>
    <message>
        <source>%1 attend un pourcentage de 0 à 50, pas « %2 »</source>
        <translation>%1 takes a percentage from 0 to 50, not “%2”</translation>
    </message>
    <message>
        <source>--mesure attend une période positive en secondes, pas « %1 »</source>
        <translation>--mesure takes a positive period in seconds, not “%1”</translation>
    </message>
    <message>
        <source>« %1 » n&apos;est pas un nombre (chiffres et un seul séparateur « , » ou « . »)</source>
        <translation>“%1” is not a number (digits and a single separator, “,” or “.”)</translation>
    </message>
    <message>
        <source>--csv demande --lot : le tableau est celui d&apos;un calcul en lot</source>
        <translation>--csv needs --lot: the table is that of a batch</translation>
    </message>
    <message>
        <source>option « %1 » inconnue ou sans valeur</source>
        <translation>unknown option “%1”, or no value given</translation>
    </message>
    <message>
        <source>--serie attend E12 ou E24, pas « %1 »</source>
        <translation>--serie takes E12 or E24, not “%1”</translation>
    </message>
    <message>
        <source>--significatif attend 0, 3, 4 ou 5, pas « %1 »</source>
        <translation>--significatif takes 0, 3, 4 or 5, not “%1”</translation>
    </message>
    <message>
        <source>--k4060 attend un nombre positif, pas « %1 »</source>
        <translation>--k4060 takes a positive number, not “%1”</translation>
    </message>
    <message>
        <source>option « %1 » inconnue</source>
        <translation>unknown option “%1”</translation>
    </message>
    <message>
        <source>%1 : </source>
        <comment>program name before a message; keep the space after</comment>
        <translation>%1: </translation>
    </message>
    <message>
        <source>--feuille demande le programme Chronalys_CD4060, qui seul sait dessiner la feuille de montage.
</source>
        <translation>--feuille needs the program Chronalys_CD4060, the only one that can draw the assembly sheet.
</translation>
    </message>
    <message>
        <source>il faut T et T1, ou --conception FICHIER</source>
        <translation>T and T1 are needed, or --conception FILE</translation>
    </message>
    <message>
        <source>  T, T1           période et durée du pulse en secondes (« , » ou « . »)</source>
        <translation>  T, T1           period and pulse duration in seconds (“,” or “.”)</translation>
    </message>
    <message>
        <source>  --conception FICHIER.cd4060
                  la conception enregistrée, avec ses composants ; les options données
                  ici passent avant les siennes (série, K4060, tolérances)</source>
        <translation>  --conception FILE.cd4060
                  the saved design, with its parts; options given here
                  win over its own (series, K4060, tolerances)</translation>
    </message>
    <message>
        <source>  --serie E12|E24 série des résistances réelles (E24 par défaut)</source>
        <translation>  --serie E12|E24 series of the actual resistors (E24 by default)</translation>
    </message>
    <message>
        <source>  --significatif 0|3|4|5
                  chiffres significatifs affichés, 0 = valeur brute (4 par défaut)</source>
        <translation>  --significatif 0|3|4|5
                  significant digits shown, 0 = raw value (4 by default)</translation>
    </message>
    <message>
        <source>  --k4060 N       constante de l&apos;oscillateur x 10^8 (280 par défaut)</source>
        <translation>  --k4060 N       oscillator constant x 10^8 (280 by default)</translation>
    </message>
    <message>
        <source>  --json          un objet JSON au lieu du compte rendu</source>
        <translation>  --json          a JSON object instead of the report</translation>
    </message>
    <message>
        <source>  --precision     ajoute la précision du montage (écarts, tolérances, ajustable, solutions)</source>
        <translation>  --precision     adds the circuit&apos;s precision (errors, tolerances, trimmer, solutions)</translation>
    </message>
    <message>
        <source>  --tolerance-r, --tolerance-c, --dispersion-k, --tolerance-ajustable P
                  tolérances en % de 0 à 50 (5, 10, 10 et 20 par défaut)</source>
        <translation>  --tolerance-r, --tolerance-c, --dispersion-k, --tolerance-ajustable P
                  tolerances in % from 0 to 50 (5, 10, 10 and 20 by default)</translation>
    </message>
    <message>
        <source>  --mesure T      période mesurée en secondes : donne le K4060 calibré</source>
        <translation>  --mesure T      measured period in seconds: gives the calibrated K4060</translation>
    </message>
    <message>
        <source>  --nomenclature  ajoute la liste des composants</source>
        <translation>  --nomenclature  adds the parts list</translation>
    </message>
    <message>
        <source>  --chronogramme  ajoute le chronogramme (F) : fronts des sorties, pulses de la LED</source>
        <translation>  --chronogramme  adds the timing diagram (F): edges of the outputs, pulses of the LED</translation>
    </message>
    <message>
        <source>  --feuille FICHIER
                  écrit la feuille de montage (schéma, nomenclature, cartouche) :
                  .svg, .pdf (A4 paysage), .png (300 dpi)
                  ou .kicad_sch (schéma KiCad)</source>
        <translation>  --feuille FILE
                  writes the assembly sheet (schematic, parts list, title block):
                  .svg, .pdf (A4 landscape), .png (300 dpi)
                  or .kicad_sch (KiCad schematic)</translation>
    </message>
    <message>
        <source>  --image-chronogramme FICHIER
                  écrit le chronogramme seul : .svg, .pdf ou .png</source>
        <translation>  --image-chronogramme FILE
                  writes the timing diagram alone: .svg, .pdf or .png</translation>
    </message>
    <message>
        <source>                  un fichier qui ne s&apos;écrit pas donne le statut 1</source>
        <translation>                  a file that cannot be written gives status 1</translation>
    </message>
    <message>
        <source>  --langue fr|en  langue du compte rendu et des messages ; sans elle, celle du réglage
                  « Langue », sinon celle du système</source>
        <translation>  --langue fr|en  language of the report and the messages (French or English); without
                  it, that of the “Langue” setting, else the system&apos;s</translation>
    </message>
    <message>
        <source>Les valeurs par défaut sont celles du fichier de réglages (sections « parametres » et
« precision »), quand il existe ; le calcul ne l&apos;écrit jamais.</source>
        <translation>The defaults are those of the settings file (sections “parametres” and “precision”),
when it exists; the calculation never writes it.</translation>
    </message>
    <message>
        <source>Usage : Chronalys_CD4060 --calcul T T1 [options]
        Chronalys_CD4060 --calcul --conception FICHIER.cd4060 [options]
</source>
        <translation>Usage: Chronalys_CD4060 --calcul T T1 [options]
       Chronalys_CD4060 --calcul --conception FILE.cd4060 [options]
</translation>
    </message>
    <message>
        <source>Statut de sortie : 0 quand le calcul va jusqu&apos;à la temporisation réelle, 1 quand le
programme le refuse (compte rendu et JSON avec « arret ») ou qu&apos;un fichier ne s&apos;écrit
pas, 2 quand la ligne de commande ne se lit pas.
</source>
        <translation>Exit status: 0 when the calculation reaches the actual timing, 1 when the program
refuses it (report and JSON with “arret”) or a file cannot be written, 2 when
the command line cannot be read.
</translation>
    </message>
    <message>
        <source>Voir « %1 --help ».</source>
        <translation>See “%1 --help”.</translation>
    </message>
    <message>
        <source>  --circuit       ajoute le circuit : sa netlist au JSON, la section « Circuit » au compte rendu</source>
        <translation>  --circuit       adds the circuit: its netlist to the JSON, a “Circuit” section to the report</translation>
    </message>
    <message>
        <source>--feuille attend un fichier .svg, .pdf, .png ou .kicad_sch, pas « %1 »</source>
        <translation>--feuille expects a .svg, .pdf, .png or .kicad_sch file, not “%1”</translation>
    </message>
    <message>
        <source>--montage attend cascade, pas « %1 »</source>
        <translation>--montage expects cascade, not “%1”</translation>
    </message>
    <message>
        <source>--compteur2 attend CD4040, CD4020 ou CD4060, pas « %1 »</source>
        <translation>--compteur2 expects CD4040, CD4020 or CD4060, not “%1”</translation>
    </message>
    <message>
        <source>--etage attend un numéro d&apos;étage, pas « %1 »</source>
        <translation>--etage expects a stage number, not “%1”</translation>
    </message>
    <message>
        <source>--compteur2 et --etage demandent --montage cascade</source>
        <translation>--compteur2 and --etage need --montage cascade</translation>
    </message>
    <message>
        <source>--montage, --compteur2 et --etage ne s&apos;appliquent pas à --conception : le fichier porte son montage</source>
        <translation>--montage, --compteur2 and --etage do not apply to --conception: the file carries its own montage</translation>
    </message>
    <message>
        <source>--etage attend un étage de %1 à %2 avec le %3, pas « %4 »</source>
        <translation>--etage takes a stage from %1 to %2 with the %3, not “%4”</translation>
    </message>
    <message>
        <source>  --montage cascade [--compteur2 CD4040|CD4020|CD4060] [--etage S]
                  longue durée : un second compteur après la sortie Q14 (CD4040 par
                  défaut), S l&apos;étage qui fait la période, de 15 à 26 avec un CD4040,
                  à 28 avec les autres (proposé sinon) ; toutes les sections et tous
                  les dessins le suivent, --lot aussi ; une conception à deux
                  compteurs le prend d&apos;elle-même</source>
        <translation>  --montage cascade [--compteur2 CD4040|CD4020|CD4060] [--etage S]
                  long period: a second counter after output Q14 (CD4040 by
                  default), S the stage that makes the period, 15 to 26 with a
                  CD4040, to 28 with the others (else proposed); every section and
                  every drawing follows it, --lot too; a design file of two
                  counters takes it by itself</translation>
    </message>
</context>
<context>
    <name>Chronalys_CD4060</name>
    <message>
        <source>C&amp;hronogramme…</source>
        <translation>&amp;Timing diagram…</translation>
    </message>
    <message>
        <source>Période T</source>
        <translation>Period T</translation>
    </message>
    <message>
        <source>Période T en secondes, au plus 20000</source>
        <translation>Period T in seconds, at most 20000</translation>
    </message>
    <message>
        <source>Pulse T1</source>
        <translation>Pulse T1</translation>
    </message>
    <message>
        <source>Durée du pulse T1 en secondes</source>
        <translation>Length of the pulse T1 in seconds</translation>
    </message>
    <message>
        <source>Calcul</source>
        <translation>Compute</translation>
    </message>
    <message>
        <source>Trouve les valeurs théoriques des composants</source>
        <translation>Finds the theoretical component values</translation>
    </message>
    <message>
        <source>Temporisation réelle</source>
        <translation>Actual timing</translation>
    </message>
    <message>
        <source>Calcule T et T1 avec les composants réels</source>
        <translation>Calculates T and T1 with the actual components</translation>
    </message>
    <message>
        <source>Série E%1</source>
        <translation>E%1 series</translation>
    </message>
    <message>
        <source>Trouve les valeurs réelles en série E%1 (5 %)</source>
        <translation>Finds the actual values in the E%1 series (5%)</translation>
    </message>
    <message>
        <source>Condensateur C2</source>
        <translation>Capacitor C2</translation>
    </message>
    <message>
        <source>Valeur réelle de C2 en nanofarads</source>
        <translation>Actual value of C2 in nanofarads</translation>
    </message>
    <message>
        <source>Talon R2</source>
        <translation>Fixed R2</translation>
    </message>
    <message>
        <source>Valeur réelle de R2 en kilohms</source>
        <translation>Actual value of R2 in kilohms</translation>
    </message>
    <message>
        <source>Potentiomètre</source>
        <translation>Potentiometer</translation>
    </message>
    <message>
        <source>Potentiomètre en série avec R2, en kilohms</source>
        <translation>Potentiometer in series with R2, in kilohms</translation>
    </message>
    <message>
        <source>Essai d&apos;affichage</source>
        <translation>Display test</translation>
    </message>
    <message>
        <source>Un nombre, montré selon le mode d&apos;affichage</source>
        <translation>A number, shown in the display mode</translation>
    </message>
    <message>
        <source>Q%1 : sans diode</source>
        <translation>Q%1: no diode</translation>
    </message>
    <message>
        <source>Q%1 : diode</source>
        <translation>Q%1: diode</translation>
    </message>
    <message>
        <source>Montage théorique</source>
        <translation>Theoretical circuit</translation>
    </message>
    <message>
        <source>Montage réel : Espace ou un clic pose ou ôte la diode</source>
        <translation>Actual circuit: Space or a click adds or removes the diode</translation>
    </message>
    <message>
        <source>&amp;Fichier</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Quitter</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <source>&amp;Serie_E12/E24</source>
        <translation>&amp;Series E12/E24</translation>
    </message>
    <message>
        <source>Résistance série E&amp;24</source>
        <translation>Resistor series E&amp;24</translation>
    </message>
    <message>
        <source>Résistance série E&amp;12</source>
        <translation>Resistor series E&amp;12</translation>
    </message>
    <message>
        <source>Si&amp;gnificatif</source>
        <translation>Si&amp;gnificant digits</translation>
    </message>
    <message>
        <source>Affichage valeur &amp;brute</source>
        <translation>Show &amp;raw value</translation>
    </message>
    <message>
        <source>Affichage &amp;%1 valeurs significatives</source>
        <translation>Show &amp;%1 significant digits</translation>
    </message>
    <message>
        <source>S&amp;chéma</source>
        <translation>S&amp;chematic</translation>
    </message>
    <message>
        <source>&amp;Outils</source>
        <translation>&amp;Tools</translation>
    </message>
    <message>
        <source>&amp;Précision du montage…</source>
        <translation>Circuit &amp;precision…</translation>
    </message>
    <message>
        <source>&amp;Feuille de montage…</source>
        <translation>Assembly &amp;sheet…</translation>
    </message>
    <message>
        <source>&amp;Copier le résultat</source>
        <translation>&amp;Copy the result</translation>
    </message>
    <message>
        <source>&amp;Aide</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>A &amp;propos</source>
        <translation>&amp;About</translation>
    </message>
    <message>
        <source>Fin</source>
        <translation>End</translation>
    </message>
    <message>
        <source>Temporisation demandée</source>
        <translation>Requested timing</translation>
    </message>
    <message>
        <source>Valeur de la Période &quot;T&quot; en seconde</source>
        <translation>Period &quot;T&quot; in seconds</translation>
    </message>
    <message>
        <source>Durée du Pulse &quot;T1&quot; en seconde</source>
        <translation>Pulse &quot;T1&quot; length in seconds</translation>
    </message>
    <message>
        <source>Valeur maximum : 20000</source>
        <translation>Maximum value: 20000</translation>
    </message>
    <message>
        <source>Période oscillateur =</source>
        <translation>Oscillator period =</translation>
    </message>
    <message>
        <source>Valeur théorique de la période</source>
        <translation>Theoretical value of the period</translation>
    </message>
    <message>
        <source>Valeur réelle de la période</source>
        <translation>Actual value of the period</translation>
    </message>
    <message>
        <source>Un clic pour trouver les valeurs théoriques</source>
        <translation>Click to find the theoretical values</translation>
    </message>
    <message>
        <source>CD4060 : compteur à 14 étages et son oscillateur RC</source>
        <translation>CD4060: 14-stage counter with its RC oscillator</translation>
    </message>
    <message>
        <source>Valeur des composants calculés</source>
        <translation>Calculated component values</translation>
    </message>
    <message>
        <source>Valeur réelle des composants</source>
        <translation>Actual component values</translation>
    </message>
    <message>
        <source>Condensateur &quot;C2&quot; =</source>
        <translation>Capacitor &quot;C2&quot; =</translation>
    </message>
    <message>
        <source>Résistance &quot;R2&quot; =</source>
        <translation>Resistor &quot;R2&quot; =</translation>
    </message>
    <message>
        <source>Valeurs théoriques</source>
        <translation>Theoretical values</translation>
    </message>
    <message>
        <source>Valeur théorique de C2</source>
        <translation>Theoretical value of C2</translation>
    </message>
    <message>
        <source>Valeur théorique de R2</source>
        <translation>Theoretical value of R2</translation>
    </message>
    <message>
        <source>Résistance &quot;Rs&quot; =</source>
        <translation>Resistor &quot;Rs&quot; =</translation>
    </message>
    <message>
        <source>Talon</source>
        <translation>Fixed R</translation>
    </message>
    <message>
        <source>Entrez la valeur de C2</source>
        <translation>Enter the value of C2</translation>
    </message>
    <message>
        <source>Entrez la valeur de R2</source>
        <translation>Enter the value of R2</translation>
    </message>
    <message>
        <source>Entrez la valeur du potentiomètre (en série avec R2)</source>
        <translation>Enter the potentiometer value (in series with R2)</translation>
    </message>
    <message>
        <source>un clic pour trouver les valeurs en série E%1 (5%)</source>
        <translation>click to find the values in the E%1 series (5%)</translation>
    </message>
    <message>
        <source>Nom de la sortie Q</source>
        <translation>Name of the Q output</translation>
    </message>
    <message>
        <source>&quot;On&quot; mettre une diode sur la sortie du CD4060 (une valeur en rouge indique une impossibilité)</source>
        <translation>&quot;On&quot;: put a diode on this CD4060 output (a value in red cannot be built)</translation>
    </message>
    <message>
        <source>un clic passe à &quot;On&quot;  (une valeur en rouge indique une impossibilité)</source>
        <translation>a click switches to &quot;On&quot; (a value in red cannot be built)</translation>
    </message>
    <message>
        <source>Chronalys pour tempo CD4060</source>
        <translation>Chronalys for CD4060 timers</translation>
    </message>
    <message>
        <source>Chronalys pour tempo CD4060 — %1</source>
        <translation>Chronalys for CD4060 timers — %1</translation>
    </message>
    <message>
        <source>Kohm +</source>
        <translation>kΩ +</translation>
    </message>
    <message>
        <source>Kohm </source>
        <translation>kΩ </translation>
    </message>
    <message>
        <source>Longue &amp;durée…</source>
        <translation>Lo&amp;ng period…</translation>
    </message>
    <message>
        <source>Longue durée</source>
        <translation>Long period</translation>
    </message>
</context>
<context>
    <name>Chronalys_CD4060_Schema</name>
    <message>
        <source>Visualisation du schéma</source>
        <translation>Schematic view</translation>
    </message>
</context>
<context>
    <name>Chronogramme</name>
    <message>
        <source>Chronogramme</source>
        <translation>Timing diagram</translation>
    </message>
    <message>
        <source>Multivibrateur longue période — Chronalys CD4060</source>
        <translation>Long-period multivibrator — Chronalys CD4060</translation>
    </message>
    <message>
        <source>Le chronogramme n&apos;a pas pu être enregistré dans « %1 » : %2.</source>
        <translation>The timing diagram could not be saved to “%1”: %2.</translation>
    </message>
    <message>
        <source>F - Chronogramme</source>
        <translation>F - Timing diagram</translation>
    </message>
    <message>
        <source>    Rien à dessiner : la période est hors des limites d&apos;un calcul.</source>
        <translation>    Nothing to draw: the period is beyond what can be calculated.</translation>
    </message>
    <message>
        <source>    Q%1 : premier front à %2 s, période %3 s</source>
        <translation>    Q%1: first edge at %2 s, period %3 s</translation>
    </message>
    <message>
        <source> (sans broche : hors de la ligne des diodes)</source>
        <translation> (no pin: not on the diode line)</translation>
    </message>
    <message>
        <source>de %1 à %2 s</source>
        <translation>from %1 to %2 s</translation>
    </message>
    <message>
        <source>    LED allumée : jamais, aucune sortie à diode</source>
        <translation>    LED lit: never, no output with a diode</translation>
    </message>
    <message>
        <source>    LED allumée (deux périodes) : %1</source>
        <translation>    LED lit (two periods): %1</translation>
    </message>
    <message>
        <source>Oscillateur</source>
        <translation>Oscillator</translation>
    </message>
    <message>
        <source>Q%1 (sans broche)</source>
        <translation>Q%1 (no pin)</translation>
    </message>
    <message>
        <source>Ligne des diodes</source>
        <translation>Diode line</translation>
    </message>
    <message>
        <source>Sortie (LED)</source>
        <translation>Output (LED)</translation>
    </message>
    <message>
        <source>Aucune sortie marquée « On » : la ligne des diodes reste haute, la bascule à zéro et la LED éteinte.</source>
        <translation>No output marked “On”: the diode line stays high, the flip-flop reset and the LED off.</translation>
    </message>
    <message>
        <source>Aucune sortie marquée n&apos;a de broche (%1) : la ligne des diodes reste haute et la LED éteinte.</source>
        <translation>None of the marked outputs has a pin (%1): the diode line stays high and the LED off.</translation>
    </message>
    <message>
        <source>%1 : pas de broche sur le CD4060, donc pas de diode ; le pulse réel dure %2, non les %3 de la zone D.</source>
        <translation>%1: no pin on the CD4060, hence no diode; the real pulse lasts %2, not the %3 of zone D.</translation>
    </message>
    <message>
        <source>période %1</source>
        <translation>period %1</translation>
    </message>
    <message>
        <source>Chronogramme : oscillateur P = %1, période T = %2, pulse T1 = %3</source>
        <translation>Timing diagram: oscillator P = %1, period T = %2, pulse T1 = %3</translation>
    </message>
    <message>
        <source>Ces composants donnent des périodes hors des limites d&apos;un calcul : rien à dessiner.</source>
        <translation>These parts give periods beyond what can be calculated: nothing to draw.</translation>
    </message>
    <message>
        <source>Montage non calculé : le chronogramme viendra du calcul et de la conversion E24/E12 de la fenêtre principale.</source>
        <translation>Circuit not calculated yet: the timing diagram will follow the calculation and the E24/E12 conversion in the main window.</translation>
    </message>
    <message>
        <source>Mise sous tension, puis deux périodes T</source>
        <translation>Power-on, then two periods T</translation>
    </message>
    <message>
        <source>Le deuxième pulse, T/2 après la mise sous tension : il finit quand toutes les sorties à diode sont hautes</source>
        <translation>The second pulse, T/2 after power-on: it ends when every output with a diode is high</translation>
    </message>
    <message>
        <source>Le premier front de Q14, T/2 après la mise sous tension</source>
        <translation>The first edge of Q14, T/2 after power-on</translation>
    </message>
    <message>
        <source>    %1 : premier front à %2 s, période %3 s</source>
        <translation>    %1: first edge at %2 s, period %3 s</translation>
    </message>
    <message>
        <source>%1, sans broche</source>
        <translation>%1, no pin</translation>
    </message>
    <message>
        <source>%1 : pas de broche, donc pas de diode ; le pulse réel dure %2, non les %3 du calcul.</source>
        <translation>%1: no pin, hence no diode; the real pulse lasts %2, not the calculated %3.</translation>
    </message>
    <message>
        <source>Le premier front de %1, T/2 après la mise sous tension</source>
        <translation>The first edge of %1, T/2 after power-on</translation>
    </message>
</context>
<context>
    <name>ChronogrammeWindow</name>
    <message>
        <source>Chronogramme</source>
        <translation>Timing diagram</translation>
    </message>
    <message>
        <source>Le dessin des signaux du montage au fil du temps</source>
        <translation>The drawing of the circuit’s signals over time</translation>
    </message>
    <message>
        <source>&amp;Enregistrer…</source>
        <translation>&amp;Save…</translation>
    </message>
    <message>
        <source>Enregistre le chronogramme en SVG, PDF ou PNG</source>
        <translation>Saves the timing diagram as SVG, PDF or PNG</translation>
    </message>
    <message>
        <source>Enregistrer le chronogramme</source>
        <translation>Save the timing diagram</translation>
    </message>
    <message>
        <source>chronogramme.pdf</source>
        <translation>timing_diagram.pdf</translation>
    </message>
</context>
<context>
    <name>Conception</name>
    <message>
        <source>Enregistrer</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Ne pas enregistrer</source>
        <translation>Don’t Save</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>la clé « %1 » manque ou n&apos;est pas un texte</source>
        <translation>the key “%1” is missing or is not a text</translation>
    </message>
    <message>
        <source>le texte de « %1 » est trop long</source>
        <translation>the text of “%1” is too long</translation>
    </message>
    <message>
        <source>« %1 » vaut « %2 », qui n&apos;est pas un nombre (des chiffres et un seul séparateur)</source>
        <translation>“%1” is “%2”, which is not a number (digits and a single separator)</translation>
    </message>
    <message>
        <source>Le fichier « %1 » ne peut pas être ouvert : %2.</source>
        <translation>The file “%1” cannot be opened: %2.</translation>
    </message>
    <message>
        <source>ce n&apos;est pas du JSON lisible (erreur à l&apos;octet %1)</source>
        <translation>it is not readable JSON (error at byte %1)</translation>
    </message>
    <message>
        <source>ce n&apos;est pas un objet JSON</source>
        <translation>it is not a JSON object</translation>
    </message>
    <message>
        <source>ce n&apos;est pas une conception Chronalys CD4060 (clé « format »)</source>
        <translation>it is not a Chronalys CD4060 design (key “format”)</translation>
    </message>
    <message>
        <source>la clé « version » manque ou n&apos;est pas un entier positif</source>
        <translation>the key “version” is missing or is not a positive whole number</translation>
    </message>
    <message>
        <source>il vient d&apos;une version plus récente du programme (format %1)</source>
        <translation>it comes from a newer version of the program (format %1)</translation>
    </message>
    <message>
        <source>« serie » doit valoir E12 ou E24</source>
        <translation>“serie” must be E12 or E24</translation>
    </message>
    <message>
        <source>« K4060 » vaut « %1 », qui n&apos;est pas un nombre positif</source>
        <translation>“K4060” is “%1”, which is not a positive number</translation>
    </message>
    <message>
        <source>la tolérance « %1 » manque ou n&apos;est pas un pourcentage de 0 à 50</source>
        <translation>the tolerance “%1” is missing or is not a percentage from 0 to 50</translation>
    </message>
    <message>
        <source>« composants » n&apos;est pas un objet</source>
        <translation>“composants” is not an object</translation>
    </message>
    <message>
        <source>« sorties » manque ou n&apos;est pas une liste</source>
        <translation>“sorties” is missing or is not a list</translation>
    </message>
    <message>
        <source>« sorties » ne tient que des sorties de 1 à 13</source>
        <translation>“sorties” may only hold outputs 1 to 13</translation>
    </message>
    <message>
        <source>c&apos;est un dossier</source>
        <translation>it is a folder</translation>
    </message>
    <message>
        <source>il n&apos;existe pas</source>
        <translation>it does not exist</translation>
    </message>
    <message>
        <source>il est trop gros pour une conception (plus de 1 Mio)</source>
        <translation>it is too large for a design (over 1 MiB)</translation>
    </message>
    <message>
        <source>il ne peut pas être lu</source>
        <translation>it cannot be read</translation>
    </message>
    <message>
        <source>La conception n&apos;a pas pu être enregistrée dans « %1 » : %2 ; le fichier d&apos;avant, s&apos;il y en avait un, est intact.</source>
        <translation>The design could not be saved to “%1”: %2; the previous file, if there was one, is untouched.</translation>
    </message>
    <message>
        <source>« montage » doit être un objet de type « cascade »</source>
        <translation>“montage” must be an object of type “cascade”</translation>
    </message>
    <message>
        <source>« compteur2 » doit valoir CD4040, CD4020 ou CD4060</source>
        <translation>“compteur2” must be CD4040, CD4020 or CD4060</translation>
    </message>
    <message>
        <source>« etage » doit être un entier de %1 à %2 avec le %3</source>
        <translation>“etage” must be a whole number from %1 to %2 with the %3</translation>
    </message>
    <message>
        <source>« sorties » ne tient que des étages de 1 à %1</source>
        <translation>“sorties” may only hold stages 1 to %1</translation>
    </message>
</context>
<context>
    <name>ConceptionDocument</name>
    <message>
        <source>&amp;Ouvrir…</source>
        <translation>&amp;Open…</translation>
    </message>
    <message>
        <source>&amp;Enregistrer</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>Enregistrer &amp;sous…</source>
        <translation>Save &amp;as…</translation>
    </message>
    <message>
        <source>Conceptions &amp;récentes</source>
        <translation>&amp;Recent designs</translation>
    </message>
    <message>
        <source>Ouvrir une conception</source>
        <translation>Open a design</translation>
    </message>
    <message>
        <source>Enregistrer la conception</source>
        <translation>Save the design</translation>
    </message>
    <message>
        <source>Conceptions Chronalys CD4060 (*.cd4060)</source>
        <translation>Chronalys CD4060 designs (*.cd4060)</translation>
    </message>
    <message>
        <source>Nom de la conception :</source>
        <translation>Design name:</translation>
    </message>
    <message>
        <source>Enregistrer les modifications de « %1 » ?</source>
        <translation>Save the changes to “%1”?</translation>
    </message>
    <message>
        <source>&amp;Effacer la liste</source>
        <translation>&amp;Clear the list</translation>
    </message>
</context>
<context>
    <name>Enregistrer</name>
    <message>
        <source>PDF, A4 paysage (*.pdf)</source>
        <translation>PDF, A4 landscape (*.pdf)</translation>
    </message>
    <message>
        <source>SVG (*.svg)</source>
        <translation>SVG (*.svg)</translation>
    </message>
    <message>
        <source>PNG, 300 dpi (*.png)</source>
        <translation>PNG, 300 dpi (*.png)</translation>
    </message>
    <message>
        <source>« %1 » : format inconnu, le nom doit finir par .svg, .pdf ou .png.</source>
        <translation>“%1”: unknown format, the name must end in .svg, .pdf or .png.</translation>
    </message>
    <message>
        <source>écriture refusée dans ce dossier</source>
        <translation>writing is not allowed in this folder</translation>
    </message>
    <message>
        <source>le dossier n&apos;existe pas</source>
        <translation>the folder does not exist</translation>
    </message>
    <message>
        <source>le dessin n&apos;a pas pu être écrit</source>
        <translation>the drawing could not be written</translation>
    </message>
    <message>
        <source>l&apos;écriture a échoué (disque plein ?)</source>
        <translation>writing failed (disk full?)</translation>
    </message>
    <message>
        <source>c&apos;est un dossier</source>
        <translation>it is a folder</translation>
    </message>
    <message>
        <source>le dossier n&apos;existe pas ou n&apos;accepte pas d&apos;écriture</source>
        <translation>the folder does not exist or cannot be written to</translation>
    </message>
    <message>
        <source>Schéma KiCad (*.kicad_sch)</source>
        <translation>KiCad schematic (*.kicad_sch)</translation>
    </message>
</context>
<context>
    <name>FeuilleAide</name>
    <message>
        <source>Aide de la Chronalys pour CD4060</source>
        <translation>Chronalys for CD4060 help</translation>
    </message>
</context>
<context>
    <name>FeuilleMontage</name>
    <message>
        <source>Nomenclature</source>
        <translation>Parts list</translation>
    </message>
    <message>
        <source>Les pièces du montage ; Ctrl+C copie les lignes choisies</source>
        <translation>The parts of the circuit; Ctrl+C copies the selected rows</translation>
    </message>
    <message>
        <source>Feuille de montage</source>
        <translation>Assembly sheet</translation>
    </message>
    <message>
        <source>Référence</source>
        <translation>Reference</translation>
    </message>
    <message>
        <source>Quantité</source>
        <translation>Quantity</translation>
    </message>
    <message>
        <source>Valeur</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>Rôle</source>
        <translation>Role</translation>
    </message>
    <message>
        <source>&amp;Enregistrer…</source>
        <translation>&amp;Save…</translation>
    </message>
    <message>
        <source>&amp;Imprimer…</source>
        <translation>&amp;Print…</translation>
    </message>
    <message>
        <source>&amp;Copier</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>Copie la nomenclature et les résultats en texte</source>
        <translation>Copies the parts list and the results as text</translation>
    </message>
    <message>
        <source>Enregistrer la feuille de montage</source>
        <translation>Save the assembly sheet</translation>
    </message>
    <message>
        <source>feuille_de_montage.pdf</source>
        <translation>assembly_sheet.pdf</translation>
    </message>
    <message>
        <source>Imprimer la feuille de montage</source>
        <translation>Print the assembly sheet</translation>
    </message>
    <message>
        <source>L&apos;impression de la feuille de montage n&apos;a pas pu commencer.</source>
        <translation>Printing the assembly sheet could not start.</translation>
    </message>
</context>
<context>
    <name>KicadSchematic</name>
    <message>
        <source>Multivibrateur longue période</source>
        <translation>Long-period multivibrator</translation>
    </message>
    <message>
        <source>Période T demandée : %1 — réelle : %2</source>
        <translation>Wanted period T: %1 — real: %2</translation>
    </message>
    <message>
        <source>Pulse T1 demandé : %1 — réel : %2</source>
        <translation>Wanted pulse T1: %1 — real: %2</translation>
    </message>
    <message>
        <source>Dessiné par Chronalys CD4060 %1</source>
        <translation>Drawn by Chronalys CD4060 %1</translation>
    </message>
    <message>
        <source>Réglage</source>
        <translation>Setting</translation>
    </message>
    <message>
        <source>réglé à %1</source>
        <translation>set to %1</translation>
    </message>
    <message>
        <source>Le schéma KiCad n&apos;a pas pu être enregistré dans « %1 » : %2 ; le fichier d&apos;avant, s&apos;il y en avait un, est intact.</source>
        <translation>The KiCad schematic could not be saved in “%1”: %2; the previous file, if there was one, is intact.</translation>
    </message>
</context>
<context>
    <name>Langue</name>
    <message>
        <source>--langue attend fr ou en</source>
        <translation>--langue expects fr or en</translation>
    </message>
</context>
<context>
    <name>LigneDeCommande</name>
    <message>
        <source>
Fichier de réglages : %1
  écrit par « Fichier » &gt; « Quitter » ; supprimé, les valeurs d&apos;origine reviennent.
Page de manuel : man Chronalys_CD4060
</source>
        <translation>
Settings file: %1
  written by “File” &gt; “Quit”; delete it to get the original values back.
Manual page: man Chronalys_CD4060
</translation>
    </message>
    <message>
        <source>Chronalys_CD4060 : aucun écran disponible pour ouvrir la fenêtre ; pour calculer sans fenêtre : Chronalys_CD4060 --calcul T T1
</source>
        <translation>Chronalys_CD4060: no display available to open the window; to calculate without a window: Chronalys_CD4060 --calcul T T1
</translation>
    </message>
    <message>
        <source>Chronalys CD4060 %1 : calcul d&apos;une temporisation longue période autour d&apos;un CD4060.

Chronalys_CD4060 [FICHIER.cd4060]  ouvre la fenêtre du calcul, avec la conception donnée
Chronalys_CD4060 --calcul …        calcule sans fenêtre (voir ci-dessous)
Chronalys_CD4060 --langue en       en anglais, fenêtre et calcul ; fr : en français
Chronalys_CD4060 --help            affiche cette aide
Chronalys_CD4060 --version         affiche le nom et la version

</source>
        <translation>Chronalys CD4060 %1: design of a long-period timer built around a CD4060.

Chronalys_CD4060 [FILE.cd4060]     opens the calculation window, with the design given
Chronalys_CD4060 --calcul …        calculates without a window (see below)
Chronalys_CD4060 --langue en       in English, window and calculation; fr: in French
Chronalys_CD4060 --help            shows this help
Chronalys_CD4060 --version         shows the name and version

</translation>
    </message>
</context>
<context>
    <name>LongueDuree</name>
    <message>
        <source>la période T doit aller de 60 à 10000000 s</source>
        <translation>the period T must lie between 60 and 10000000 s</translation>
    </message>
    <message>
        <source>le pulse T1 doit être positif et plus court que T / %1</source>
        <translation>the pulse T1 must be positive and shorter than T / %1</translation>
    </message>
    <message>
        <source>l&apos;étage S doit aller de 15 à %1 avec ce compteur</source>
        <translation>the stage S must lie between 15 and %1 with this counter</translation>
    </message>
    <message>
        <source>le pulse T1 est plus court que le plus court possible, %1 s</source>
        <translation>the pulse T1 is shorter than the shortest possible, %1 s</translation>
    </message>
    <message>
        <source>Longue durée : CD4060 puis %1, étage S = %2 (proposé : %3)</source>
        <translation>Long period: CD4060 then %1, stage S = %2 (proposed: %3)</translation>
    </message>
    <message>
        <source>Calcul arrêté : %1.</source>
        <translation>Calculation stopped: %1.</translation>
    </message>
    <message>
        <source>Période oscillateur = %1 s</source>
        <translation>Oscillator period = %1 s</translation>
    </message>
    <message>
        <source>Condensateur &quot;C2&quot; = %1 nF</source>
        <translation>Capacitor &quot;C2&quot; = %1 nF</translation>
    </message>
    <message>
        <source>Résistance &quot;R2&quot; = %1 kΩ</source>
        <translation>Resistor &quot;R2&quot; = %1 kΩ</translation>
    </message>
    <message>
        <source>Talon %1 kΩ + ajustable %2 kΩ réglé à %3 kΩ</source>
        <translation>Fixed resistor %1 kΩ + trimmer %2 kΩ set to %3 kΩ</translation>
    </message>
    <message>
        <source>Talon %1 kΩ + %2 kΩ : aucun ajustable courant ne l&apos;atteint</source>
        <translation>Fixed resistor %1 kΩ + %2 kΩ: no common trimmer reaches it</translation>
    </message>
    <message>
        <source>Sorties à diode : %1</source>
        <translation>Outputs with a diode: %1</translation>
    </message>
    <message>
        <source>Période &quot;T&quot; réelle = %1 s (écart %2)</source>
        <translation>Actual period &quot;T&quot; = %1 s (deviation %2)</translation>
    </message>
    <message>
        <source>Pulse &quot;T1&quot; réel = %1 s (écart %2)</source>
        <translation>Actual pulse &quot;T1&quot; = %1 s (deviation %2)</translation>
    </message>
    <message>
        <source>Résistance &quot;Rs&quot; = %1 kΩ</source>
        <translation>Resistor &quot;Rs&quot; = %1 kΩ</translation>
    </message>
    <message>
        <source>Règle respectée : %1</source>
        <translation>Rule met: %1</translation>
    </message>
    <message>
        <source>Règle NON respectée : %1</source>
        <translation>Rule NOT met: %1</translation>
    </message>
    <message>
        <source>l&apos;étage S = %1 n&apos;a pas de broche sur le %2</source>
        <translation>stage S = %1 has no pin on the %2</translation>
    </message>
</context>
<context>
    <name>LongueDureeWindow</name>
    <message>
        <source>Temporisation demandée</source>
        <translation>Requested timing</translation>
    </message>
    <message>
        <source>Valeur des composants calculés</source>
        <translation>Calculated component values</translation>
    </message>
    <message>
        <source>Valeur réelle des composants</source>
        <translation>Actual component values</translation>
    </message>
    <message>
        <source>Sorties à diode : un clic ou Espace la pose ou l&apos;ôte</source>
        <translation>Outputs with a diode: a click or Space adds or removes it</translation>
    </message>
    <message>
        <source>Temporisation réelle</source>
        <translation>Actual timing</translation>
    </message>
    <message>
        <source>Règles des fiches techniques</source>
        <translation>Data-sheet rules</translation>
    </message>
    <message>
        <source>Période T (s)</source>
        <translation>Period T (s)</translation>
    </message>
    <message>
        <source>Pulse T1 (s)</source>
        <translation>Pulse T1 (s)</translation>
    </message>
    <message>
        <source>Second compteur</source>
        <translation>Second counter</translation>
    </message>
    <message>
        <source>Étage haut S</source>
        <translation>Top stage S</translation>
    </message>
    <message>
        <source>Période oscillateur =</source>
        <translation>Oscillator period =</translation>
    </message>
    <message>
        <source>Condensateur &quot;C2&quot; =</source>
        <translation>Capacitor &quot;C2&quot; =</translation>
    </message>
    <message>
        <source>Résistance &quot;R2&quot; =</source>
        <translation>Resistor &quot;R2&quot; =</translation>
    </message>
    <message>
        <source>Condensateur &quot;C2&quot; (nF)</source>
        <translation>Capacitor &quot;C2&quot; (nF)</translation>
    </message>
    <message>
        <source>Talon (kΩ)</source>
        <translation>Fixed R (kΩ)</translation>
    </message>
    <message>
        <source>Réglage de l&apos;ajustable (kΩ)</source>
        <translation>Trimmer setting (kΩ)</translation>
    </message>
    <message>
        <source>Période &quot;T&quot; =</source>
        <translation>Period &quot;T&quot; =</translation>
    </message>
    <message>
        <source>Pulse &quot;T1&quot; =</source>
        <translation>Pulse &quot;T1&quot; =</translation>
    </message>
    <message>
        <source>Résistance &quot;Rs&quot; =</source>
        <translation>Resistor &quot;Rs&quot; =</translation>
    </message>
    <message>
        <source>Un nombre n&apos;a qu&apos;un seul séparateur décimal.</source>
        <translation>A number has only one decimal separator.</translation>
    </message>
    <message>
        <source>Longue durée</source>
        <translation>Long period</translation>
    </message>
    <message>
        <source>Le compteur cadencé par la sortie Q14 du CD4060</source>
        <translation>The counter clocked by the CD4060&apos;s Q14 output</translation>
    </message>
    <message>
        <source>L&apos;étage dont la sortie commande la bascule : T vaut 2 puissance S périodes de l&apos;oscillateur</source>
        <translation>The stage whose output clocks the flip-flop: T is 2 to the power S oscillator periods</translation>
    </message>
    <message>
        <source>Ajustable à acheter</source>
        <translation>Trimmer to buy</translation>
    </message>
    <message>
        <source>Premier compteur : %1</source>
        <translation>First counter: %1</translation>
    </message>
    <message>
        <source>Un clic ou Espace pose ou ôte la diode (en rouge : cette sortie n&apos;a pas de broche)</source>
        <translation>A click or Space adds or removes the diode (in red: this output has no pin)</translation>
    </message>
    <message>
        <source>Valeur théorique de la période</source>
        <translation>Theoretical value of the period</translation>
    </message>
    <message>
        <source>%1 commande la bascule</source>
        <translation>%1 clocks the flip-flop</translation>
    </message>
    <message>
        <source>%1 kΩ</source>
        <translation>%1 kΩ</translation>
    </message>
    <message>
        <source>%1 kΩ (sa course ne couvre pas les tolérances)</source>
        <translation>%1 kΩ (its travel does not cover the tolerances)</translation>
    </message>
    <message>
        <source>aucun ajustable standard n&apos;atteint le réglage</source>
        <translation>no standard trimmer reaches the setting</translation>
    </message>
    <message>
        <source>Second compteur : %1</source>
        <translation>Second counter: %1</translation>
    </message>
    <message>
        <source>%1 : diode</source>
        <translation>%1: diode</translation>
    </message>
    <message>
        <source>%1 : sans diode</source>
        <translation>%1: no diode</translation>
    </message>
    <message>
        <source>Sans broche, pas de diode possible : %1</source>
        <translation>No pin, so no diode possible: %1</translation>
    </message>
    <message>
        <source>%1 : %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>T doit aller de %1 à %2 s.</source>
        <translation>T must be from %1 to %2 s.</translation>
    </message>
    <message>
        <source>T1 doit être plus long que 0 s.</source>
        <translation>T1 must be longer than 0 s.</translation>
    </message>
    <message>
        <source>T1 doit être plus court que T / %1, soit %2 s.</source>
        <translation>T1 must be shorter than T / %1, that is %2 s.</translation>
    </message>
    <message>
        <source>L&apos;étage haut doit aller de %1 à %2 avec un %3.</source>
        <translation>The top stage must be from %1 to %2 with a %3.</translation>
    </message>
    <message>
        <source>T1 est plus court que le plus court pulse possible, %1 s ; un étage haut plus bas le raccourcit.</source>
        <translation>T1 is shorter than the shortest pulse possible, %1 s; a lower top stage shortens it.</translation>
    </message>
    <message>
        <source>C2 dépasse %1 nF : un étage haut plus élevé le réduit.</source>
        <translation>C2 is above %1 nF: a higher top stage makes it smaller.</translation>
    </message>
    <message>
        <source>Talon + réglage dépassent %1 kΩ, au-delà de la plage de l&apos;oscillateur.</source>
        <translation>Fixed R + setting are above %1 kΩ, beyond the oscillator&apos;s range.</translation>
    </message>
    <message>
        <source>Le réglage dépasse l&apos;ajustable de %1 kΩ.</source>
        <translation>The setting is beyond the %1 kΩ trimmer.</translation>
    </message>
    <message>
        <source>Q%1 du CD4060</source>
        <translation>Q%1 of the CD4060</translation>
    </message>
    <message>
        <source>Q%1 du second compteur (%2)</source>
        <translation>Q%1 of the second counter (%2)</translation>
    </message>
    <message>
        <source>Longue durée — %1</source>
        <translation>Long period — %1</translation>
    </message>
    <message>
        <source>&amp;Fichier</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>L&apos;étage haut %1 n&apos;a pas de broche sur le %2 : choisissez-en un autre.</source>
        <translation>Top stage %1 has no pin on the %2: choose another one.</translation>
    </message>
</context>
<context>
    <name>Lot</name>
    <message>
        <source>ligne trop longue (plus de %1 octets)</source>
        <translation>line too long (over %1 bytes)</translation>
    </message>
    <message>
        <source>« ; » en trop : il faut deux nombres, T et T1</source>
        <translation>one “;” too many: two numbers are needed, T and T1</translation>
    </message>
    <message>
        <source>il faut deux nombres, T et T1, et rien d&apos;autre</source>
        <translation>two numbers are needed, T and T1, and nothing else</translation>
    </message>
    <message>
        <source>il faut deux nombres, T et T1, séparés par des blancs, une tabulation ou « ; »</source>
        <translation>two numbers are needed, T and T1, separated by blanks, a tab or “;”</translation>
    </message>
    <message>
        <source>« %1 » n&apos;est pas un nombre (chiffres et un seul séparateur « , » ou « . »)</source>
        <translation>“%1” is not a number (digits and a single separator, “,” or “.”)</translation>
    </message>
</context>
<context>
    <name>Nomenclature</name>
    <message>
        <source>ajustable en série avec le talon</source>
        <translation>trimmer in series with the fixed resistor</translation>
    </message>
    <message>
        <source>en série avec le talon : aucun ajustable courant n&apos;atteint %1</source>
        <translation>in series with the fixed resistor: no common trimmer reaches %1</translation>
    </message>
    <message>
        <source>ajustable en série avec le talon, réglé à %1</source>
        <translation>trimmer in series with the fixed resistor, set to %1</translation>
    </message>
    <message>
        <source>D1 et D2</source>
        <translation>D1 and D2</translation>
    </message>
    <message>
        <source>D1 à %1</source>
        <translation>D1 to %1</translation>
    </message>
    <message>
        <source>sortie %1</source>
        <translation>output %1</translation>
    </message>
    <message>
        <source>sorties %1</source>
        <translation>outputs %1</translation>
    </message>
    <message>
        <source>compteur à 14 étages et son oscillateur</source>
        <translation>14-stage counter and its oscillator</translation>
    </message>
    <message>
        <source>bascule D (une des deux)</source>
        <translation>D flip-flop (one of the two)</translation>
    </message>
    <message>
        <source>talon de l&apos;oscillateur</source>
        <translation>oscillator&apos;s fixed resistor</translation>
    </message>
    <message>
        <source>condensateur de l&apos;oscillateur</source>
        <translation>oscillator&apos;s capacitor</translation>
    </message>
    <message>
        <source>résistance série Rs de l&apos;oscillateur</source>
        <translation>oscillator&apos;s series resistor Rs</translation>
    </message>
    <message>
        <source>remise à zéro à la mise sous tension</source>
        <translation>reset at power-on</translation>
    </message>
    <message>
        <source>découplage de l&apos;alimentation du CD4060, au plus près de U1</source>
        <translation>decoupling of the CD4060&apos;s supply, as close to U1 as possible</translation>
    </message>
    <message>
        <source>rappel de la ligne de diodes</source>
        <translation>pull-up of the diode line</translation>
    </message>
    <message>
        <source>base du transistor</source>
        <translation>transistor&apos;s base</translation>
    </message>
    <message>
        <source>commande de la LED</source>
        <translation>drives the LED</translation>
    </message>
    <message>
        <source>limite le courant de la LED</source>
        <translation>limits the LED&apos;s current</translation>
    </message>
    <message>
        <source>témoin du pulse</source>
        <translation>pulse indicator</translation>
    </message>
    <message>
        <source>Montage non calculé : les valeurs « — » viendront du calcul et de la conversion E24/E12 de la fenêtre principale.</source>
        <translation>Circuit not calculated yet: the values “—” will follow the calculation and the E24/E12 conversion in the main window.</translation>
    </message>
    <message>
        <source>Non câblées, faute de broche sur le CD4060 : %1.</source>
        <translation>Not wired, for want of a pin on the CD4060: %1.</translation>
    </message>
    <message>
        <source>Aucune sortie à diode : la bascule reste à zéro et la LED éteinte.</source>
        <translation>No output with a diode: the flip-flop stays reset and the LED off.</translation>
    </message>
    <message>
        <source>second compteur, horloge sur Q14 de U1, %1 commande la bascule</source>
        <translation>second counter, clocked by Q14 of U1, %1 clocks the flip-flop</translation>
    </message>
    <message>
        <source>Non câblées, faute de broche sur les compteurs : %1.</source>
        <translation>Not wired, for want of a pin on the counters: %1.</translation>
    </message>
</context>
<context>
    <name>NotesMontage</name>
    <message>
        <source>C2 : un condensateur à film (polyester, MKT) ou céramique C0G ; ni électrochimique ni céramique X7R, dont la dérive et les fuites font varier T.</source>
        <translation>C2: a film capacitor (polyester, MKT) or a C0G ceramic; neither an electrolytic nor an X7R ceramic, whose drift and leakage make T vary.</translation>
    </message>
    <message>
        <source>C4 (100 nF) se soude au plus près des broches 16 (VDD) et 8 (VSS) du CD4060 : il découple son alimentation.</source>
        <translation>C4 (100 nF) is soldered as close as possible to pins 16 (VDD) and 8 (VSS) of the CD4060: it decouples its supply.</translation>
    </message>
    <message>
        <source>La moitié inutilisée du CD4013 (U2B) a ses entrées reliées à VSS (broche 7) : S, D, R et CLK, broches 8 à 11.</source>
        <translation>The unused half of the CD4013 (U2B) has its inputs tied to VSS (pin 7): S, D, R and CLK, pins 8 to 11.</translation>
    </message>
    <message>
        <source>RESET du CD4060 (broche 12) n&apos;est jamais laissée en l&apos;air : R6 la tient à 0 V une fois C3 chargé.</source>
        <translation>RESET of the CD4060 (pin 12) is never left floating: R6 holds it at 0 V once C3 has charged.</translation>
    </message>
    <message>
        <source>À la mise sous tension, la LED s&apos;allume aussitôt pour un premier pulse ; la première période ne dure que T/2, les suivantes T.</source>
        <translation>At power-on the LED lights at once for a first pulse; the first period lasts only T/2, the following ones T.</translation>
    </message>
    <message>
        <source>À la mise sous tension, la LED s&apos;allume aussitôt pour un premier pulse de T1 ; le suivant vient T/2 plus tard (%1), puis un toutes les T (%2).</source>
        <translation>At power-on the LED lights at once for a first pulse of T1; the next one comes T/2 later (%1), then one every T (%2).</translation>
    </message>
    <message>
        <source>Le pulse le plus court de ce montage dure 8 périodes de l&apos;oscillateur (Q4 seule) : %1.</source>
        <translation>The shortest pulse of this circuit lasts 8 oscillator periods (Q4 alone): %1.</translation>
    </message>
    <message>
        <source>La plus longue période dans les règles de la fiche technique, avec ce C2 et R = %1 kΩ (pour Rs ≥ 2 × R) : %2.</source>
        <translation>The longest period within the data-sheet rules, with this C2 and R = %1 kΩ (for Rs ≥ 2 × R): %2.</translation>
    </message>
    <message>
        <source>Notes de montage</source>
        <translation>Assembly notes</translation>
    </message>
    <message>
        <source>U3 (%1) compte les périodes de Q14 de U1 (broche 3) sur sa broche %2 ; sa remise à zéro (broche %3) est reliée à celle de U1 : la mise sous tension remet les deux compteurs à zéro.</source>
        <translation>U3 (%1) counts the periods of Q14 of U1 (pin 3) on its pin %2; its reset (pin %3) is joined to U1&apos;s: power-on resets both counters.</translation>
    </message>
    <message>
        <source>L&apos;étage S = %1 (Q%2 de U3) n&apos;a pas de broche : la bascule ne peut pas être cadencée ; choisissez un autre étage haut.</source>
        <translation>Stage S = %1 (Q%2 of U3) has no pin: the flip-flop cannot be clocked; choose another top stage.</translation>
    </message>
    <message>
        <source>La sortie Q%1 de U3 (broche %2), l&apos;étage S = %3, cadence la bascule : T = 2^%3 × P, P étant la période de l&apos;oscillateur.</source>
        <translation>Output Q%1 of U3 (pin %2), stage S = %3, clocks the flip-flop: T = 2^%3 × P, P being the oscillator&apos;s period.</translation>
    </message>
    <message>
        <source>Les broches 9 et 10 de U3 (φO et φO barre, son oscillateur inutilisé) restent en l&apos;air.</source>
        <translation>Pins 9 and 10 of U3 (φO and φO bar, its unused oscillator) are left open.</translation>
    </message>
</context>
<context>
    <name>NumericKeyFilter</name>
    <message>
        <source>Couper</source>
        <translation>Cu&amp;t</translation>
    </message>
    <message>
        <source>Copier</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>Tout sélectionner</source>
        <translation>Select &amp;All</translation>
    </message>
</context>
<context>
    <name>Precision</name>
    <message>
        <source>Période mesurée refusée : elle donnerait un K4060 hors de %1 à %2 (K de %3 à %4 × 10^-6).
Cause probable : la mesure a été prise sur une autre sortie, ou un composant n&apos;a pas la valeur indiquée en zone C.</source>
        <translation>Measured period refused: it would give a K4060 outside %1 to %2 (K from %3 to %4 × 10^-6).
Likely cause: the measurement was taken on another output, or a part does not have the value shown in zone C.</translation>
    </message>
    <message>
        <source>R ≥ 1 kΩ (sinon l&apos;oscillateur risque de ne pas démarrer)</source>
        <translation>R ≥ 1 kΩ (else the oscillator may not start)</translation>
    </message>
    <message>
        <source>respectée</source>
        <translation>met</translation>
    </message>
    <message>
        <source>non respectée</source>
        <translation>not met</translation>
    </message>
    <message>
        <source>%1 : %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Aucune période T n&apos;est demandée : il n&apos;y a rien à ajuster.</source>
        <translation>No period T is requested: there is nothing to adjust.</translation>
    </message>
    <message>
        <source>Aucune résistance talon ne convient : la résistance voulue (%1 kΩ) est trop faible.</source>
        <translation>No fixed resistor fits: the wanted resistance (%1 kΩ) is too low.</translation>
    </message>
    <message>
        <source>Aucun ajustable jusqu&apos;à 1000 kΩ ne couvre les tolérances avec le talon de %1 kΩ.</source>
        <translation>No trimmer up to 1000 kΩ covers the tolerances with the fixed resistor of %1 kΩ.</translation>
    </message>
    <message>
        <source>Période T : %1</source>
        <translation>Period T: %1</translation>
    </message>
    <message>
        <source>Pulse T1 : %1</source>
        <translation>Pulse T1: %1</translation>
    </message>
    <message>
        <source>de %1 à %2 s</source>
        <translation>from %1 to %2 s</translation>
    </message>
    <message>
        <source>Pire cas, T : %1</source>
        <translation>Worst case, T: %1</translation>
    </message>
    <message>
        <source>Pire cas, T1 : %1</source>
        <translation>Worst case, T1: %1</translation>
    </message>
    <message>
        <source>Statistique, T : %1 ; T1 : %2</source>
        <translation>Statistical, T: %1; T1: %2</translation>
    </message>
    <message>
        <source>Statistique, T : %1</source>
        <translation>Statistical, T: %1</translation>
    </message>
    <message>
        <source>Talon : %1 kΩ (résistance voulue : %2 kΩ)</source>
        <translation>Fixed R: %1 kΩ (wanted resistance: %2 kΩ)</translation>
    </message>
    <message>
        <source>Ajustable : %1 kΩ</source>
        <translation>Trimmer: %1 kΩ</translation>
    </message>
    <message>
        <source>Réglage : %1 kΩ, soit %2 % de la course</source>
        <translation>Setting: %1 kΩ, that is %2 % of its travel</translation>
    </message>
    <message>
        <source>T réglable de %1 à %2 s</source>
        <translation>T adjustable from %1 to %2 s</translation>
    </message>
    <message>
        <source>En dessous : aucun</source>
        <translation>Below: none</translation>
    </message>
    <message>
        <source>Au-dessus : aucun</source>
        <translation>Above: none</translation>
    </message>
    <message>
        <source>En dessous : n = %1 (%2), T1 = %3 s, %4</source>
        <translation>Below: n = %1 (%2), T1 = %3 s, %4</translation>
    </message>
    <message>
        <source>Au-dessus : n = %1 (%2), T1 = %3 s, %4</source>
        <translation>Above: n = %1 (%2), T1 = %3 s, %4</translation>
    </message>
    <message>
        <source>E - Précision</source>
        <translation>E - Precision</translation>
    </message>
    <message>
        <source>Rien à évaluer : pas de condensateur ou de résistance.</source>
        <translation>Nothing to assess: no capacitor or no resistor.</translation>
    </message>
    <message>
        <source>Écart de T = %1 ; écart de T1 = %2</source>
        <translation>Error of T = %1; error of T1 = %2</translation>
    </message>
    <message>
        <source>Pire cas : T de %1 à %2 s ; T1 de %3 à %4 s</source>
        <translation>Worst case: T from %1 to %2 s; T1 from %3 to %4 s</translation>
    </message>
    <message>
        <source>Statistique : T de %1 à %2 s ; T1 de %3 à %4 s</source>
        <translation>Statistical: T from %1 to %2 s; T1 from %3 to %4 s</translation>
    </message>
    <message>
        <source>Ajustable conseillé : %1</source>
        <translation>Advised trimmer: %1</translation>
    </message>
    <message>
        <source>Ajustable conseillé : talon %1 kΩ + ajustable %2 kΩ réglé à %3 kΩ (%4 % de la course), T de %5 à %6 s</source>
        <translation>Advised trimmer: fixed %1 kΩ + trimmer %2 kΩ set to %3 kΩ (%4 % of its travel), T from %5 to %6 s</translation>
    </message>
    <message>
        <source>Pulse réalisable : n = %1 (%2), T1 = %3 s, %4</source>
        <translation>Achievable pulse: n = %1 (%2), T1 = %3 s, %4</translation>
    </message>
    <message>
        <source>Autre solution : C2 = %1 nF, talon %2 kΩ, T = %3 s, %4</source>
        <translation>Other solution: C2 = %1 nF, fixed %2 kΩ, T = %3 s, %4</translation>
    </message>
    <message>
        <source>K4060 calibré = %1</source>
        <translation>Calibrated K4060 = %1</translation>
    </message>
    <message>
        <source>Au-delà de 20000 s, un second compteur après la sortie Q14 (CD4040, CD4020 ou CD4060) garde le montage dans les règles de la fiche : « Outils » &gt; « Longue durée… », ou --montage cascade en ligne de commande.</source>
        <translation>Beyond 20000 s, a second counter after output Q14 (CD4040, CD4020 or CD4060) keeps the circuit within the data sheet&apos;s rules: “Tools” &gt; “Long period…”, or --montage cascade on the command line.</translation>
    </message>
    <message>
        <source>second CD4060</source>
        <translation>second CD4060</translation>
    </message>
    <message>
        <source>Q%1 (%2)</source>
        <translation>Q%1 (%2)</translation>
    </message>
    <message>
        <source>%1 ; %2</source>
        <translation>%1; %2</translation>
    </message>
</context>
<context>
    <name>PrecisionWindow</name>
    <message>
        <source>Tolérance en pour cent</source>
        <translation>Tolerance in per cent</translation>
    </message>
    <message>
        <source>Le circuit dont la constante K4060 sert au calcul</source>
        <translation>The chip whose constant K4060 the calculation uses</translation>
    </message>
    <message>
        <source>La période mesurée sur le montage, qui calibre K4060</source>
        <translation>The period measured on the circuit, which calibrates K4060</translation>
    </message>
    <message>
        <source>Calibrée (%1)</source>
        <translation>Calibrated (%1)</translation>
    </message>
    <message>
        <source>Écart</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Tolérances</source>
        <translation>Tolerances</translation>
    </message>
    <message>
        <source>Ajustable conseillé</source>
        <translation>Advised trimmer</translation>
    </message>
    <message>
        <source>Pulse réalisable le plus proche</source>
        <translation>Nearest achievable pulse</translation>
    </message>
    <message>
        <source>Autres solutions</source>
        <translation>Other solutions</translation>
    </message>
    <message>
        <source>Règles des fiches techniques</source>
        <translation>Data-sheet rules</translation>
    </message>
    <message>
        <source>Constante du circuit</source>
        <translation>Chip constant</translation>
    </message>
    <message>
        <source>Résistances r</source>
        <translation>Resistors r</translation>
    </message>
    <message>
        <source>Condensateur c</source>
        <translation>Capacitor c</translation>
    </message>
    <message>
        <source>Constante K d&apos;un circuit à l&apos;autre k</source>
        <translation>Constant K from one chip to another k</translation>
    </message>
    <message>
        <source>Ajustable p</source>
        <translation>Trimmer p</translation>
    </message>
    <message>
        <source>Talon</source>
        <translation>Fixed R</translation>
    </message>
    <message>
        <source>Un nombre n&apos;a qu&apos;un seul séparateur décimal.</source>
        <translation>A number has only one decimal separator.</translation>
    </message>
    <message>
        <source>Précision du montage</source>
        <translation>Circuit precision</translation>
    </message>
    <message>
        <source>Rien à évaluer pour l&apos;instant : il faut d&apos;abord un condensateur et une résistance (zone C).</source>
        <translation>Nothing to assess yet: a capacitor and a resistor are needed first (zone C).</translation>
    </message>
    <message>
        <source>Appliquer</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>Valeur des réglages</source>
        <translation>Value from the settings</translation>
    </message>
    <message>
        <source>Circuit</source>
        <translation>Chip</translation>
    </message>
    <message>
        <source>Période T mesurée (s)</source>
        <translation>Measured period T (s)</translation>
    </message>
    <message>
        <source>Calibrer</source>
        <translation>Calibrate</translation>
    </message>
    <message>
        <source>K4060 calibré = %1</source>
        <translation>Calibrated K4060 = %1</translation>
    </message>
    <message>
        <source>Constante utilisée : K4060 = %1</source>
        <translation>Constant in use: K4060 = %1</translation>
    </message>
    <message>
        <source>Une tolérance est comprise entre 0 et 50 % : valeur refusée.</source>
        <translation>A tolerance lies between 0 and 50 %: value refused.</translation>
    </message>
    <message>
        <source>Rien à calibrer : il faut d&apos;abord un condensateur et une résistance.</source>
        <translation>Nothing to calibrate: a capacitor and a resistor are needed first.</translation>
    </message>
    <message>
        <source>La période mesurée doit être un nombre de secondes plus grand que 0.</source>
        <translation>The measured period must be a number of seconds greater than 0.</translation>
    </message>
</context>
<context>
    <name>Rapport</name>
    <message>
        <source>la période T est inférieure à 25 ms</source>
        <translation>the period T is below 25 ms</translation>
    </message>
    <message>
        <source>la durée du pulse T1 est nulle</source>
        <translation>the pulse duration T1 is zero</translation>
    </message>
    <message>
        <source>le rapport T / T1 est inférieur à 2,001</source>
        <translation>the ratio T / T1 is below 2.001</translation>
    </message>
    <message>
        <source>%1 (impossible)</source>
        <translation>%1 (impossible)</translation>
    </message>
    <message>
        <source>aucune</source>
        <translation>none</translation>
    </message>
    <message>
        <source>A - Temporisation demandée</source>
        <translation>A - Requested timing</translation>
    </message>
    <message>
        <source>Période oscillateur = %1</source>
        <translation>Oscillator period = %1</translation>
    </message>
    <message>
        <source>B - Valeur des composants calculés</source>
        <translation>B - Calculated component values</translation>
    </message>
    <message>
        <source>Sorties &quot;On&quot; : %1</source>
        <translation>Outputs &quot;On&quot;: %1</translation>
    </message>
    <message>
        <source>Condensateur &quot;C2&quot; = %1</source>
        <translation>Capacitor &quot;C2&quot; = %1</translation>
    </message>
    <message>
        <source>Résistance &quot;R2&quot; = %1</source>
        <translation>Resistor &quot;R2&quot; = %1</translation>
    </message>
    <message>
        <source>C - Valeur réelle des composants (série %1)</source>
        <translation>C - Actual component values (%1 series)</translation>
    </message>
    <message>
        <source>Condensateur &quot;C2&quot; = %1 nF</source>
        <translation>Capacitor &quot;C2&quot; = %1 nF</translation>
    </message>
    <message>
        <source>Résistance &quot;R2&quot; = %1 Kohm + potentiomètre %2 Kohm</source>
        <translation>Resistor &quot;R2&quot; = %1 kΩ + trimmer %2 kΩ</translation>
    </message>
    <message>
        <source>D - Temporisation réelle</source>
        <translation>D - Actual timing</translation>
    </message>
    <message>
        <source>Période &quot;T&quot; = %1 s</source>
        <translation>Period &quot;T&quot; = %1 s</translation>
    </message>
    <message>
        <source>Durée du pulse &quot;T1&quot; = %1 s</source>
        <translation>Pulse duration &quot;T1&quot; = %1 s</translation>
    </message>
    <message>
        <source>Résistance &quot;Rs&quot; = %1</source>
        <translation>Resistor &quot;Rs&quot; = %1</translation>
    </message>
    <message>
        <source>Calcul arrêté : %1.</source>
        <translation>Calculation stopped: %1.</translation>
    </message>
    <message>
        <source>Alarmes : %1</source>
        <translation>Alarms: %1</translation>
    </message>
    <message>
        <source>Nomenclature</source>
        <translation>Parts list</translation>
    </message>
    <message>
        <source>Circuit</source>
        <translation>Circuit</translation>
    </message>
    <message>
        <source>%1 : %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>Sheet</name>
    <message>
        <source>Conception</source>
        <translation>Design</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>+5 à 12 V</source>
        <translation>+5 to 12 V</translation>
    </message>
    <message>
        <source>R2 talon</source>
        <translation>R2 fixed</translation>
    </message>
    <message>
        <source>P1 ajustable</source>
        <translation>P1 trimmer</translation>
    </message>
    <message>
        <source>réglé à %1</source>
        <translation>set to %1</translation>
    </message>
    <message>
        <source>RAZ</source>
        <translation>RST</translation>
    </message>
    <message>
        <source>Nomenclature</source>
        <translation>Parts list</translation>
    </message>
    <message>
        <source>Référence</source>
        <translation>Reference</translation>
    </message>
    <message>
        <source>Quantité</source>
        <translation>Quantity</translation>
    </message>
    <message>
        <source>Valeur</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>Rôle</source>
        <translation>Role</translation>
    </message>
    <message>
        <source>Multivibrateur longue période</source>
        <translation>Long-period multivibrator</translation>
    </message>
    <message>
        <source>Feuille de montage — Chronalys CD4060</source>
        <translation>Assembly sheet — Chronalys CD4060</translation>
    </message>
    <message>
        <source>Période T demandée</source>
        <translation>Wanted period T</translation>
    </message>
    <message>
        <source>Pulse T1 demandé</source>
        <translation>Wanted pulse T1</translation>
    </message>
    <message>
        <source>Période T réelle</source>
        <translation>Real period T</translation>
    </message>
    <message>
        <source>Pulse T1 réel</source>
        <translation>Real pulse T1</translation>
    </message>
    <message>
        <source>Période oscillateur</source>
        <translation>Oscillator period</translation>
    </message>
    <message>
        <source>Constante K4060</source>
        <translation>Constant K4060</translation>
    </message>
    <message>
        <source>Série</source>
        <translation>Series</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>dd/MM/yyyy</source>
        <translation>yyyy-MM-dd</translation>
    </message>
    <message>
        <source>%1 : %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Feuille de montage</source>
        <translation>Assembly sheet</translation>
    </message>
    <message>
        <source>Multivibrateur longue période — Chronalys CD4060</source>
        <translation>Long-period multivibrator — Chronalys CD4060</translation>
    </message>
    <message>
        <source>La feuille de montage n&apos;a pas pu être enregistrée dans « %1 » : %2.</source>
        <translation>The assembly sheet could not be saved to “%1”: %2.</translation>
    </message>
</context>
<context>
    <name>ToolTitle</name>
    <message>
        <source>%1 — %2</source>
        <translation>%1 — %2</translation>
    </message>
</context>
</TS>
