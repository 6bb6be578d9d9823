<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>A calculator for plane angles: converts radians into degrees, minutes and seconds and back,
and adds and subtracts angles.</source>
        <translation>Une calculatrice pour les angles plans : convertit les radians en degrés, minutes et secondes
et inversement, et additionne et soustrait des angles.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Afficher cette aide et quitter.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Afficher la version et quitter.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argument inattendu « %1 ».</translation>
    </message>
    <message>
        <source>%1: %2
Try &apos;%1 --help&apos; for more information.
</source>
        <extracomment>%1 is the program&apos;s name, %2 what is wrong; keep &quot;--help&quot;.</extracomment>
        <translation>%1 : %2
Saisissez « %1 --help » pour plus d’informations.
</translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <translation>Utilisation : %1 [options]</translation>
    </message>
    <message>
        <source>
Qt&apos;s standard options, such as -platform, -display and -style, are accepted too.
</source>
        <translation>
Les options standard de Qt, comme -platform, -display et -style, sont également acceptées.
</translation>
    </message>
</context>
<context>
    <name>HelpCommand</name>
    <message>
        <source>Help for ANG</source>
        <comment>window title</comment>
        <translation>Aide de ANG</translation>
    </message>
    <message>
        <source>Help text</source>
        <comment>spoken name of the text box</comment>
        <translation>Texte d’aide</translation>
    </message>
</context>
<context>
    <name>Operations</name>
    <message>
        <source>Degrees to radians</source>
        <extracomment>Title: the caption of the button &quot;Degrees to radians&quot;.</extracomment>
        <translation>Degrés en radians</translation>
    </message>
    <message>
        <source>Invalid input for degrees, minutes or seconds.</source>
        <translation>Saisie non valide pour les degrés, minutes ou secondes.</translation>
    </message>
    <message>
        <source>Degrees out of range</source>
        <translation>Degrés hors limites</translation>
    </message>
    <message>
        <source>Minutes out of range</source>
        <translation>Minutes hors limites</translation>
    </message>
    <message>
        <source>Seconds out of range</source>
        <translation>Secondes hors limites</translation>
    </message>
    <message>
        <source>Add</source>
        <extracomment>Title of the messages of the &quot;+&quot; button.</extracomment>
        <translation>Additionner</translation>
    </message>
    <message>
        <source>Subtract&apos;</source>
        <extracomment>Title of the messages of the &quot;-&quot; button; keep the quote.</extracomment>
        <translation>Soustraire&apos;</translation>
    </message>
    <message>
        <source>Radians out of range</source>
        <translation>Radians hors limites</translation>
    </message>
    <message>
        <source>Second value out of range</source>
        <translation>Seconde valeur hors limites</translation>
    </message>
    <message>
        <source>Radians to degrees</source>
        <extracomment>Title: the caption of the button &quot;Radians to degrees&quot;.</extracomment>
        <translation>Radians en degrés</translation>
    </message>
</context>
<context>
    <name>PosixFileReader</name>
    <message>
        <source>File not found</source>
        <translation>Fichier introuvable</translation>
    </message>
    <message>
        <source>Path not found</source>
        <translation>Chemin introuvable</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Permission refusée</translation>
    </message>
    <message>
        <source>Path/File access error</source>
        <translation>Erreur d’accès au chemin ou au fichier</translation>
    </message>
    <message>
        <source>Input past end of file</source>
        <translation>Lecture au-delà de la fin du fichier</translation>
    </message>
    <message>
        <source>Device I/O error</source>
        <translation>Erreur d’entrée/sortie sur le périphérique</translation>
    </message>
    <message>
        <source>Too many files</source>
        <translation>Trop de fichiers</translation>
    </message>
</context>
<context>
    <name>ProgramList</name>
    <message>
        <source>Baseline - Number Base Converter</source>
        <extracomment>Keep the program&apos;s name before the dash.</extracomment>
        <translation>Baseline - Convertisseur de bases numériques</translation>
    </message>
    <message>
        <source>Converts whole numbers between binary, octal, decimal and hexadecimal as you type, shows the bit pattern of each value and keeps a short history of the numbers you have converted.</source>
        <translation>Convertit les nombres entiers entre binaire, octal, décimal et hexadécimal au fil de la saisie, affiche la configuration binaire de chaque valeur et garde un bref historique des nombres convertis.</translation>
    </message>
    <message>
        <source>Chordwise - Guitar Chord Finder</source>
        <extracomment>Keep the program&apos;s name before the dash.</extracomment>
        <translation>Chordwise - Dictionnaire d’accords de guitare</translation>
    </message>
    <message>
        <source>Shows the fingering of more than two thousand guitar chords on a clear fretboard diagram, names the chord under your fingers, and prints chord sheets for the songs you are learning.</source>
        <translation>Affiche le doigté de plus de deux mille accords de guitare sur un diagramme de manche clair, nomme l’accord que forment vos doigts et imprime des grilles d’accords pour les morceaux que vous apprenez.</translation>
    </message>
    <message>
        <source>Daybook - Perpetual Calendar and Diary</source>
        <extracomment>Keep the program&apos;s name before the dash.</extracomment>
        <translation>Daybook - Calendrier perpétuel et journal</translation>
    </message>
    <message>
        <source>A calendar for any year from 1601 to 9999 with week numbers, moon phases and the dates of movable holidays, plus a private diary page for every day that you can search by word.</source>
        <translation>Un calendrier pour toute année de 1601 à 9999, avec les numéros de semaine, les phases de la lune et les dates des fêtes mobiles, ainsi qu’une page de journal intime pour chaque jour, avec recherche par mot.</translation>
    </message>
    <message>
        <source>Fractal Garden - Fractal Image Explorer</source>
        <extracomment>Keep the program&apos;s name before the dash.</extracomment>
        <translation>Fractal Garden - Explorateur d’images fractales</translation>
    </message>
    <message>
        <source>Zoom deep into the classic fractal sets, choose from dozens of colour schemes, and save the pictures you find as bitmaps large enough for posters or for your desktop wallpaper.</source>
        <translation>Plongez au cœur des ensembles fractals classiques, choisissez parmi des dizaines de palettes de couleurs et enregistrez les images découvertes en bitmaps assez grands pour des affiches ou pour votre fond d’écran.</translation>
    </message>
    <message>
        <source>Fraxion - Fraction Calculator</source>
        <extracomment>Keep the program&apos;s name before the dash.</extracomment>
        <translation>Fraxion - Calculatrice de fractions</translation>
    </message>
    <message>
        <source>Adds, subtracts, multiplies and divides common fractions and mixed numbers, reduces every result to lowest terms, and shows each step of the working so that students can follow it.</source>
        <translation>Additionne, soustrait, multiplie et divise des fractions ordinaires et des nombres fractionnaires, rend chaque résultat irréductible et montre chaque étape du calcul pour que les élèves puissent la suivre.</translation>
    </message>
    <message>
        <source>Kilnlog - Pottery Firing Log</source>
        <extracomment>Keep the program&apos;s name before the dash.</extracomment>
        <translation>Kilnlog - Journal de cuisson céramique</translation>
    </message>
    <message>
        <source>Records kiln firing schedules, temperatures and cone numbers for each load, plots the firing curve, and keeps notes on glazes and clay bodies so that good results can be repeated.</source>
        <translation>Enregistre les programmes de cuisson, les températures et les numéros de cônes de chaque fournée, trace la courbe de cuisson et garde des notes sur les émaux et les pâtes pour pouvoir reproduire les bons résultats.</translation>
    </message>
    <message>
        <source>Loanwise - Loan and Mortgage Calculator</source>
        <extracomment>Keep the program&apos;s name before the dash.</extracomment>
        <translation>Loanwise - Calculatrice de prêts et de crédits immobiliers</translation>
    </message>
    <message>
        <source>Works out the monthly payment, the total interest and a full repayment table for any loan or mortgage, and shows how much extra payments or a lower rate would save you over its term.</source>
        <translation>Calcule la mensualité, le total des intérêts et un tableau d’amortissement complet pour tout prêt ou crédit immobilier, et montre ce que des remboursements anticipés ou un taux plus bas vous feraient économiser sur sa durée.</translation>
    </message>
    <message>
        <source>Measurely - Unit Converter</source>
        <extracomment>Keep the program&apos;s name before the dash.</extracomment>
        <translation>Measurely - Convertisseur d’unités</translation>
    </message>
    <message>
        <source>Converts between more than six hundred units of length, area, volume, mass, temperature, pressure, energy and speed, with results to as many significant digits as you choose.</source>
        <translation>Convertit plus de six cents unités de longueur, de surface, de volume, de masse, de température, de pression, d’énergie et de vitesse, avec autant de chiffres significatifs que vous le souhaitez.</translation>
    </message>
    <message>
        <source>Pixel Tape - On-Screen Ruler</source>
        <extracomment>Keep the program&apos;s name before the dash.</extracomment>
        <translation>Pixel Tape - Règle à l’écran</translation>
    </message>
    <message>
        <source>A ruler that floats above your other windows and measures distances on the screen in pixels, inches, centimetres or points; it can also read the colour of any pixel under the cursor.</source>
        <translation>Une règle qui flotte au-dessus de vos autres fenêtres et mesure les distances à l’écran en pixels, pouces, centimètres ou points ; elle peut aussi lire la couleur de n’importe quel pixel sous le curseur.</translation>
    </message>
    <message>
        <source>Quevrin Clock - World Time Zones</source>
        <extracomment>Keep the program&apos;s name before the dash.</extracomment>
        <translation>Quevrin Clock - Fuseaux horaires du monde</translation>
    </message>
    <message>
        <source>Shows the local time in up to twelve cities at once, takes care of daylight saving time rules, and finds the hours that suit a telephone call between people in different time zones.</source>
        <translation>Affiche l’heure locale de douze villes au plus à la fois, tient compte des règles de l’heure d’été et trouve les heures qui conviennent à un appel téléphonique entre des personnes de fuseaux horaires différents.</translation>
    </message>
    <message>
        <source>Splitwatch - Stopwatch and Lap Timer</source>
        <extracomment>Keep the program&apos;s name before the dash.</extracomment>
        <translation>Splitwatch - Chronomètre et temps au tour</translation>
    </message>
    <message>
        <source>A stopwatch with lap and split times to the hundredth of a second, several timers that run side by side, and a table of results that can be copied straight into a spreadsheet.</source>
        <translation>Un chronomètre avec temps au tour et temps intermédiaires au centième de seconde, plusieurs minuteurs qui tournent côte à côte et un tableau de résultats à copier directement dans un tableur.</translation>
    </message>
    <message>
        <source>Tidewise - Tide Table Predictor</source>
        <extracomment>Keep the program&apos;s name before the dash.</extracomment>
        <translation>Tidewise - Prévision des marées</translation>
    </message>
    <message>
        <source>Predicts the times and heights of high and low water for hundreds of harbours, draws the tide curve for each day, and prints a pocket tide table for the whole year ahead.</source>
        <translation>Prédit les heures et les hauteurs des pleines et basses mers pour des centaines de ports, trace la courbe de marée de chaque jour et imprime un annuaire des marées de poche pour toute l’année à venir.</translation>
    </message>
    <message>
        <source>Trigonel - Triangle Solver</source>
        <extracomment>Keep the program&apos;s name before the dash.</extracomment>
        <translation>Trigonel - Résolution de triangles</translation>
    </message>
    <message>
        <source>Solves any triangle from three known sides or angles, draws it to scale, and gives its area, perimeter, heights and the radii of its inscribed and circumscribed circles.</source>
        <translation>Résout tout triangle à partir de trois côtés ou angles connus, le dessine à l’échelle et donne son aire, son périmètre, ses hauteurs et les rayons de ses cercles inscrit et circonscrit.</translation>
    </message>
    <message>
        <source>Wordtally - Text Statistics</source>
        <extracomment>Keep the program&apos;s name before the dash.</extracomment>
        <translation>Wordtally - Statistiques de texte</translation>
    </message>
    <message>
        <source>Counts the words, sentences and paragraphs of a text file, lists the words you use most often, and gives the reading ease and the average sentence length of your writing.</source>
        <translation>Compte les mots, les phrases et les paragraphes d’un fichier texte, liste les mots que vous employez le plus souvent et donne l’indice de lisibilité et la longueur moyenne des phrases de vos écrits.</translation>
    </message>
</context>
<context>
    <name>ResultLine</name>
    <message>
        <source>radians</source>
        <extracomment>Unit after a number in a result line: &quot;1.000000 radians = 57° 17&apos; 45&quot;&quot;. No period.</extracomment>
        <translation>rad</translation>
    </message>
    <message>
        <source>mod 2pi</source>
        <extracomment>In a result line &quot;(1.000000 + 2.000000) mod 2pi = 3.000000&quot;: the sum brought into one full turn. No period.</extracomment>
        <translation>mod 2pi</translation>
    </message>
</context>
<context>
    <name>ViewerText</name>
    <message>
        <source>NOTE: This file is too large to display entirely in this textbox.
To view the entire contents of the file load it into NotePad,
WordPad or some other text editor.

</source>
        <translation>REMARQUE : ce fichier est trop volumineux pour être affiché en entier dans cette zone de texte.
Pour voir tout le contenu du fichier, ouvrez-le dans NotePad,
WordPad ou un autre éditeur de texte.

</translation>
    </message>
    <message>
        <source>NOTE: Entire contents of file have not been displayed.
</source>
        <translation>REMARQUE : le contenu du fichier n’a pas été affiché en entier.
</translation>
    </message>
    <message>
        <source>The current folder no longer exists.</source>
        <translation>Le dossier courant n’existe plus.</translation>
    </message>
    <message>
        <source>Error%1.  %2</source>
        <extracomment>%1 is the error number with its blank (&quot; 53&quot;), %2 the description.</extracomment>
        <translation>Erreur%1.  %2</translation>
    </message>
    <message>
        <source>Error reading file</source>
        <comment>title</comment>
        <translation>Erreur de lecture du fichier</translation>
    </message>
    <message>
        <source>The file
%1
is empty, so there is no text to show.</source>
        <translation>Le fichier
%1
est vide : il n’y a aucun texte à afficher.</translation>
    </message>
    <message>
        <source>Empty file</source>
        <comment>title</comment>
        <translation>Fichier vide</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Radians to/from degrees,minutes,seconds</source>
        <comment>window title while the window is being built</comment>
        <translation>Radians vers/depuis degrés,minutes,secondes</translation>
    </message>
    <message>
        <source>Radians</source>
        <comment>small label before the radians field</comment>
        <translation>Radians</translation>
    </message>
    <message>
        <source>Radians</source>
        <comment>spoken name of the radians field</comment>
        <translation>Radians</translation>
    </message>
    <message>
        <source>Move radians to value to add</source>
        <comment>spoken name of the arrow button</comment>
        <translation>Déplacer les radians vers la valeur à ajouter</translation>
    </message>
    <message>
        <source>Value to add or subtract</source>
        <comment>spoken name of a field</comment>
        <translation>Valeur à ajouter ou à soustraire</translation>
    </message>
    <message>
        <source>Show +/- results</source>
        <comment>small check box</comment>
        <translation>Afficher +/-</translation>
    </message>
    <message>
        <source>Significant figures:</source>
        <comment>small label before the list of 6 to 9</comment>
        <translation>Chiffres signif. :</translation>
    </message>
    <message>
        <source>Significant figures</source>
        <comment>spoken name of the list</comment>
        <translation>Chiffres significatifs</translation>
    </message>
    <message>
        <source>Radians to degrees</source>
        <comment>button</comment>
        <translation>Radians en degrés</translation>
    </message>
    <message>
        <source>Round to minutes</source>
        <comment>small check box</comment>
        <translation>Arrondi à la min.</translation>
    </message>
    <message>
        <source>Output in decimal</source>
        <comment>small check box</comment>
        <translation>Résultat décimal</translation>
    </message>
    <message>
        <source>degrees</source>
        <comment>small option: decimal degrees</comment>
        <translation>degrés</translation>
    </message>
    <message>
        <source>minutes</source>
        <comment>small option: decimal minutes</comment>
        <translation>minutes</translation>
    </message>
    <message>
        <source>Output</source>
        <comment>spoken name of the output box</comment>
        <translation>Sortie</translation>
    </message>
    <message>
        <source>Sign of the angle</source>
        <comment>spoken description of the sign label</comment>
        <translation>Signe de l’angle</translation>
    </message>
    <message>
        <source>Degrees:</source>
        <comment>small label before the degrees field</comment>
        <translation>Degrés :</translation>
    </message>
    <message>
        <source>Degrees</source>
        <comment>spoken name of a field</comment>
        <translation>Degrés</translation>
    </message>
    <message>
        <source>minutes:</source>
        <comment>small label before the minutes field</comment>
        <translation>min :</translation>
    </message>
    <message>
        <source>Minutes</source>
        <comment>spoken name of a field</comment>
        <translation>Minutes</translation>
    </message>
    <message>
        <source>seconds:</source>
        <comment>small label before the seconds field</comment>
        <translation>sec. :</translation>
    </message>
    <message>
        <source>Seconds</source>
        <comment>spoken name of a field</comment>
        <translation>Secondes</translation>
    </message>
    <message>
        <source>Change sign </source>
        <comment>button</comment>
        <extracomment>Small button; keep the trailing blank.</extracomment>
        <translation>Signe +/- </translation>
    </message>
    <message>
        <source>Degrees to radians</source>
        <comment>button</comment>
        <translation>Degrés en radians</translation>
    </message>
    <message>
        <source>Copy output to clipboard</source>
        <comment>button</comment>
        <translation>Copier la sortie</translation>
    </message>
    <message>
        <source>Clear input</source>
        <comment>small button</comment>
        <translation>Effacer la saisie</translation>
    </message>
    <message>
        <source>Clear output</source>
        <comment>small button</comment>
        <translation>Effacer la sortie</translation>
    </message>
    <message>
        <source>Help</source>
        <comment>small button</comment>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Quit</source>
        <comment>small button</comment>
        <translation>Quitter</translation>
    </message>
</context>
<context>
    <name>frmQSsoftware</name>
    <message>
        <source>Quevrin Systems publishes fourteen Windows programs.  Here are titles, brief descriptions and URLs.  All of them may be downloaded from our web site at no charge.  If you are online, click on any item to call up the product page on the web.</source>
        <translation>Quevrin Systems publie quatorze programmes pour Windows.  Voici leurs titres, une brève description et leurs adresses.  Tous sont gratuits sur notre site web.  Si vous êtes en ligne, cliquez sur un élément pour afficher sa page produit.</translation>
    </message>
    <message>
        <source>Close</source>
        <comment>small button</comment>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>frmView</name>
    <message>
        <source>Close</source>
        <comment>small button</comment>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Copy to clipboard</source>
        <comment>button</comment>
        <translation>Tout copier</translation>
    </message>
    <message>
        <source>Viewing</source>
        <comment>window title</comment>
        <translation>Affichage</translation>
    </message>
    <message>
        <source>Copy selected text to clipboard</source>
        <comment>button</comment>
        <translation>Copier la sélection</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Angulor could not open its window; Qt reports:
</source>
        <translation>Angulor n’a pas pu ouvrir sa fenêtre ; Qt signale :
</translation>
    </message>
    <message>
        <source>Angulor needs a graphical display, but neither DISPLAY nor WAYLAND_DISPLAY is set.
</source>
        <translation>Angulor a besoin d’un affichage graphique, mais ni DISPLAY ni WAYLAND_DISPLAY n’est défini.
</translation>
    </message>
</context>
<context>
    <name>weblink</name>
    <message>
        <source>Cannot launch web browser</source>
        <comment>title</comment>
        <translation>Impossible de lancer le navigateur web</translation>
    </message>
    <message>
        <source>Error launching web browser, error code =</source>
        <extracomment>The error number follows after a blank.</extracomment>
        <translation>Erreur au lancement du navigateur web, code d’erreur =</translation>
    </message>
    <message>
        <source>File extension &apos;%1&apos; is not associated with any application program.</source>
        <translation>L’extension de fichier « %1 » n’est associée à aucune application.</translation>
    </message>
    <message>
        <source>The web page file type %1 is not associated with any browser program.</source>
        <translation>Le type de fichier de page web %1 n’est associé à aucun navigateur.</translation>
    </message>
    <message>
        <source>Out of memory.</source>
        <translation>Mémoire insuffisante.</translation>
    </message>
    <message>
        <source>Please try once more.</source>
        <translation>Veuillez réessayer.</translation>
    </message>
</context>
</TS>
