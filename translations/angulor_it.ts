<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>A calculator for plane angles: converts radians into degrees, minutes and seconds and back,
and adds and subtracts angles.</source>
        <translation>Calcolatrice per angoli piani: converte radianti in gradi, primi e secondi e viceversa,
e somma e sottrae angoli.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Mostra questo aiuto ed esce.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Mostra la versione ed esce.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argomento inatteso '%1'.</translation>
    </message>
    <message>
        <source>%1: %2
Try &apos;%1 --help&apos; for more information.
</source>
        <extracomment>%1 is the program&apos;s name, %2 what is wrong; keep &quot;--help&quot;.</extracomment>
        <translation>%1: %2
Provare '%1 --help' per ulteriori informazioni.
</translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <translation>Uso: %1 [opzioni]</translation>
    </message>
    <message>
        <source>
Qt&apos;s standard options, such as -platform, -display and -style, are accepted too.
</source>
        <translation>
Sono accettate anche le opzioni standard di Qt, come -platform, -display e -style.
</translation>
    </message>
</context>
<context>
    <name>HelpCommand</name>
    <message>
        <source>Help for ANG</source>
        <comment>window title</comment>
        <translation>Guida di ANG</translation>
    </message>
    <message>
        <source>Help text</source>
        <comment>spoken name of the text box</comment>
        <translation>Testo della guida</translation>
    </message>
</context>
<context>
    <name>Operations</name>
    <message>
        <source>Degrees to radians</source>
        <extracomment>Title: the caption of the button &quot;Degrees to radians&quot;.</extracomment>
        <translation>Gradi in radianti</translation>
    </message>
    <message>
        <source>Invalid input for degrees, minutes or seconds.</source>
        <translation>Valori non validi per gradi, primi o secondi.</translation>
    </message>
    <message>
        <source>Degrees out of range</source>
        <translation>Gradi fuori intervallo</translation>
    </message>
    <message>
        <source>Minutes out of range</source>
        <translation>Primi fuori intervallo</translation>
    </message>
    <message>
        <source>Seconds out of range</source>
        <translation>Secondi fuori intervallo</translation>
    </message>
    <message>
        <source>Add</source>
        <extracomment>Title of the messages of the &quot;+&quot; button.</extracomment>
        <translation>Somma</translation>
    </message>
    <message>
        <source>Subtract&apos;</source>
        <extracomment>Title of the messages of the &quot;-&quot; button; keep the quote.</extracomment>
        <translation>Sottrai'</translation>
    </message>
    <message>
        <source>Radians out of range</source>
        <translation>Radianti fuori intervallo</translation>
    </message>
    <message>
        <source>Second value out of range</source>
        <translation>Secondo valore fuori intervallo</translation>
    </message>
    <message>
        <source>Radians to degrees</source>
        <extracomment>Title: the caption of the button &quot;Radians to degrees&quot;.</extracomment>
        <translation>Radianti in gradi</translation>
    </message>
</context>
<context>
    <name>PosixFileReader</name>
    <message>
        <source>File not found</source>
        <translation>File non trovato</translation>
    </message>
    <message>
        <source>Path not found</source>
        <translation>Percorso non trovato</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Permesso negato</translation>
    </message>
    <message>
        <source>Path/File access error</source>
        <translation>Errore di accesso a percorso/file</translation>
    </message>
    <message>
        <source>Input past end of file</source>
        <translation>Lettura oltre la fine del file</translation>
    </message>
    <message>
        <source>Device I/O error</source>
        <translation>Errore di I/O del dispositivo</translation>
    </message>
    <message>
        <source>Too many files</source>
        <translation>Troppi file aperti</translation>
    </message>
</context>
<context>
    <name>ProgramList</name>
    <message>
        <source>Baseline - Number Base Converter</source>
        <extracomment>Keep the program&apos;s name before the dash.</extracomment>
        <translation>Baseline - Convertitore di basi numeriche</translation>
    </message>
    <message>
        <source>Converts whole numbers between binary, octal, decimal and hexadecimal as you type, shows the bit pattern of each value and keeps a short history of the numbers you have converted.</source>
        <translation>Converte i numeri interi tra binario, ottale, decimale ed esadecimale durante la digitazione, mostra la sequenza di bit di ogni valore e conserva una breve cronologia dei numeri convertiti.</translation>
    </message>
    <message>
        <source>Chordwise - Guitar Chord Finder</source>
        <extracomment>Keep the program&apos;s name before the dash.</extracomment>
        <translation>Chordwise - Ricerca accordi per chitarra</translation>
    </message>
    <message>
        <source>Shows the fingering of more than two thousand guitar chords on a clear fretboard diagram, names the chord under your fingers, and prints chord sheets for the songs you are learning.</source>
        <translation>Mostra la diteggiatura di oltre duemila accordi per chitarra su un chiaro diagramma della tastiera, riconosce l'accordo sotto le dita e stampa i fogli degli accordi delle canzoni che si stanno imparando.</translation>
    </message>
    <message>
        <source>Daybook - Perpetual Calendar and Diary</source>
        <extracomment>Keep the program&apos;s name before the dash.</extracomment>
        <translation>Daybook - Calendario perpetuo e diario</translation>
    </message>
    <message>
        <source>A calendar for any year from 1601 to 9999 with week numbers, moon phases and the dates of movable holidays, plus a private diary page for every day that you can search by word.</source>
        <translation>Un calendario per qualsiasi anno dal 1601 al 9999 con numeri delle settimane, fasi lunari e date delle feste mobili, più una pagina di diario privato per ogni giorno, in cui cercare per parola.</translation>
    </message>
    <message>
        <source>Fractal Garden - Fractal Image Explorer</source>
        <extracomment>Keep the program&apos;s name before the dash.</extracomment>
        <translation>Fractal Garden - Esploratore di immagini frattali</translation>
    </message>
    <message>
        <source>Zoom deep into the classic fractal sets, choose from dozens of colour schemes, and save the pictures you find as bitmaps large enough for posters or for your desktop wallpaper.</source>
        <translation>Permette di ingrandire a fondo gli insiemi frattali classici, scegliere tra decine di combinazioni di colori e salvare le immagini trovate come bitmap abbastanza grandi per poster o per lo sfondo del desktop.</translation>
    </message>
    <message>
        <source>Fraxion - Fraction Calculator</source>
        <extracomment>Keep the program&apos;s name before the dash.</extracomment>
        <translation>Fraxion - Calcolatrice per frazioni</translation>
    </message>
    <message>
        <source>Adds, subtracts, multiplies and divides common fractions and mixed numbers, reduces every result to lowest terms, and shows each step of the working so that students can follow it.</source>
        <translation>Somma, sottrae, moltiplica e divide frazioni e numeri misti, riduce ogni risultato ai minimi termini e mostra ogni passaggio del calcolo, così che gli studenti possano seguirlo.</translation>
    </message>
    <message>
        <source>Kilnlog - Pottery Firing Log</source>
        <extracomment>Keep the program&apos;s name before the dash.</extracomment>
        <translation>Kilnlog - Registro di cottura per ceramica</translation>
    </message>
    <message>
        <source>Records kiln firing schedules, temperatures and cone numbers for each load, plots the firing curve, and keeps notes on glazes and clay bodies so that good results can be repeated.</source>
        <translation>Registra i programmi di cottura del forno, le temperature e i numeri dei coni per ogni infornata, traccia la curva di cottura e conserva note su smalti e impasti, per poter ripetere i buoni risultati.</translation>
    </message>
    <message>
        <source>Loanwise - Loan and Mortgage Calculator</source>
        <extracomment>Keep the program&apos;s name before the dash.</extracomment>
        <translation>Loanwise - Calcolo di prestiti e mutui</translation>
    </message>
    <message>
        <source>Works out the monthly payment, the total interest and a full repayment table for any loan or mortgage, and shows how much extra payments or a lower rate would save you over its term.</source>
        <translation>Calcola la rata mensile, gli interessi totali e il piano di ammortamento completo di qualsiasi prestito o mutuo, e mostra quanto si risparmierebbe sull'intera durata con versamenti extra o un tasso più basso.</translation>
    </message>
    <message>
        <source>Measurely - Unit Converter</source>
        <extracomment>Keep the program&apos;s name before the dash.</extracomment>
        <translation>Measurely - Convertitore di unità</translation>
    </message>
    <message>
        <source>Converts between more than six hundred units of length, area, volume, mass, temperature, pressure, energy and speed, with results to as many significant digits as you choose.</source>
        <translation>Converte tra oltre seicento unità di lunghezza, area, volume, massa, temperatura, pressione, energia e velocità, con risultati a tutte le cifre significative desiderate.</translation>
    </message>
    <message>
        <source>Pixel Tape - On-Screen Ruler</source>
        <extracomment>Keep the program&apos;s name before the dash.</extracomment>
        <translation>Pixel Tape - Righello sullo schermo</translation>
    </message>
    <message>
        <source>A ruler that floats above your other windows and measures distances on the screen in pixels, inches, centimetres or points; it can also read the colour of any pixel under the cursor.</source>
        <translation>Un righello che resta sopra le altre finestre e misura distanze sullo schermo in pixel, pollici, centimetri o punti; può anche leggere il colore di qualsiasi pixel sotto il cursore.</translation>
    </message>
    <message>
        <source>Quevrin Clock - World Time Zones</source>
        <extracomment>Keep the program&apos;s name before the dash.</extracomment>
        <translation>Quevrin Clock - Fusi orari del mondo</translation>
    </message>
    <message>
        <source>Shows the local time in up to twelve cities at once, takes care of daylight saving time rules, and finds the hours that suit a telephone call between people in different time zones.</source>
        <translation>Mostra l'ora locale di un massimo di dodici città contemporaneamente, tiene conto delle regole dell'ora legale e trova le ore adatte a una telefonata tra persone in fusi orari diversi.</translation>
    </message>
    <message>
        <source>Splitwatch - Stopwatch and Lap Timer</source>
        <extracomment>Keep the program&apos;s name before the dash.</extracomment>
        <translation>Splitwatch - Cronometro e tempi sul giro</translation>
    </message>
    <message>
        <source>A stopwatch with lap and split times to the hundredth of a second, several timers that run side by side, and a table of results that can be copied straight into a spreadsheet.</source>
        <translation>Un cronometro con tempi sul giro e intermedi al centesimo di secondo, più timer che funzionano in parallelo e una tabella dei risultati che si può copiare direttamente in un foglio di calcolo.</translation>
    </message>
    <message>
        <source>Tidewise - Tide Table Predictor</source>
        <extracomment>Keep the program&apos;s name before the dash.</extracomment>
        <translation>Tidewise - Previsione delle maree</translation>
    </message>
    <message>
        <source>Predicts the times and heights of high and low water for hundreds of harbours, draws the tide curve for each day, and prints a pocket tide table for the whole year ahead.</source>
        <translation>Prevede orari e altezze dell'alta e della bassa marea per centinaia di porti, disegna la curva di marea di ogni giorno e stampa una tavola delle maree tascabile per tutto l'anno successivo.</translation>
    </message>
    <message>
        <source>Trigonel - Triangle Solver</source>
        <extracomment>Keep the program&apos;s name before the dash.</extracomment>
        <translation>Trigonel - Risoluzione di triangoli</translation>
    </message>
    <message>
        <source>Solves any triangle from three known sides or angles, draws it to scale, and gives its area, perimeter, heights and the radii of its inscribed and circumscribed circles.</source>
        <translation>Risolve qualsiasi triangolo a partire da tre lati o angoli noti, lo disegna in scala e ne fornisce area, perimetro, altezze e i raggi delle circonferenze inscritta e circoscritta.</translation>
    </message>
    <message>
        <source>Wordtally - Text Statistics</source>
        <extracomment>Keep the program&apos;s name before the dash.</extracomment>
        <translation>Wordtally - Statistiche di testo</translation>
    </message>
    <message>
        <source>Counts the words, sentences and paragraphs of a text file, lists the words you use most often, and gives the reading ease and the average sentence length of your writing.</source>
        <translation>Conta le parole, le frasi e i paragrafi di un file di testo, elenca le parole usate più spesso e fornisce l'indice di leggibilità e la lunghezza media delle frasi.</translation>
    </message>
</context>
<context>
    <name>ResultLine</name>
    <message>
        <source>radians</source>
        <extracomment>Unit after a number in a result line: &quot;1.000000 radians = 57° 17&apos; 45&quot;&quot;. No period.</extracomment>
        <translation>radianti</translation>
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
        <translation>NOTA: questo file è troppo grande per essere mostrato per intero in questa casella.
Per vederne l'intero contenuto, aprirlo con Blocco note,
WordPad o un altro editor di testo.

</translation>
    </message>
    <message>
        <source>NOTE: Entire contents of file have not been displayed.
</source>
        <translation>NOTA: non è stato mostrato l'intero contenuto del file.
</translation>
    </message>
    <message>
        <source>The current folder no longer exists.</source>
        <translation>La cartella corrente non esiste più.</translation>
    </message>
    <message>
        <source>Error%1.  %2</source>
        <extracomment>%1 is the error number with its blank (&quot; 53&quot;), %2 the description.</extracomment>
        <translation>Errore%1.  %2</translation>
    </message>
    <message>
        <source>Error reading file</source>
        <comment>title</comment>
        <translation>Errore di lettura del file</translation>
    </message>
    <message>
        <source>The file
%1
is empty, so there is no text to show.</source>
        <translation>Il file
%1
è vuoto, quindi non c'è testo da mostrare.</translation>
    </message>
    <message>
        <source>Empty file</source>
        <comment>title</comment>
        <translation>File vuoto</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Radians to/from degrees,minutes,seconds</source>
        <comment>window title while the window is being built</comment>
        <translation>Radianti in/da gradi,primi,secondi</translation>
    </message>
    <message>
        <source>Radians</source>
        <comment>small label before the radians field</comment>
        <translation>Radianti</translation>
    </message>
    <message>
        <source>Radians</source>
        <comment>spoken name of the radians field</comment>
        <translation>Radianti</translation>
    </message>
    <message>
        <source>Move radians to value to add</source>
        <comment>spoken name of the arrow button</comment>
        <translation>Sposta i radianti nel valore da sommare</translation>
    </message>
    <message>
        <source>Value to add or subtract</source>
        <comment>spoken name of a field</comment>
        <translation>Valore da sommare o sottrarre</translation>
    </message>
    <message>
        <source>Show +/- results</source>
        <comment>small check box</comment>
        <translation>Risultati +/-</translation>
    </message>
    <message>
        <source>Significant figures:</source>
        <comment>small label before the list of 6 to 9</comment>
        <translation>Cifre significative:</translation>
    </message>
    <message>
        <source>Significant figures</source>
        <comment>spoken name of the list</comment>
        <translation>Cifre significative</translation>
    </message>
    <message>
        <source>Radians to degrees</source>
        <comment>button</comment>
        <translation>Radianti in gradi</translation>
    </message>
    <message>
        <source>Round to minutes</source>
        <comment>small check box</comment>
        <translation>Arrotonda ai primi</translation>
    </message>
    <message>
        <source>Output in decimal</source>
        <comment>small check box</comment>
        <translation>Risultato decimale</translation>
    </message>
    <message>
        <source>degrees</source>
        <comment>small option: decimal degrees</comment>
        <translation>gradi</translation>
    </message>
    <message>
        <source>minutes</source>
        <comment>small option: decimal minutes</comment>
        <translation>primi</translation>
    </message>
    <message>
        <source>Output</source>
        <comment>spoken name of the output box</comment>
        <translation>Risultati</translation>
    </message>
    <message>
        <source>Sign of the angle</source>
        <comment>spoken description of the sign label</comment>
        <translation>Segno dell'angolo</translation>
    </message>
    <message>
        <source>Degrees:</source>
        <comment>small label before the degrees field</comment>
        <translation>Gradi:</translation>
    </message>
    <message>
        <source>Degrees</source>
        <comment>spoken name of a field</comment>
        <translation>Gradi</translation>
    </message>
    <message>
        <source>minutes:</source>
        <comment>small label before the minutes field</comment>
        <translation>primi:</translation>
    </message>
    <message>
        <source>Minutes</source>
        <comment>spoken name of a field</comment>
        <translation>Primi</translation>
    </message>
    <message>
        <source>seconds:</source>
        <comment>small label before the seconds field</comment>
        <translation>secondi:</translation>
    </message>
    <message>
        <source>Seconds</source>
        <comment>spoken name of a field</comment>
        <translation>Secondi</translation>
    </message>
    <message>
        <source>Change sign </source>
        <comment>button</comment>
        <extracomment>Small button; keep the trailing blank.</extracomment>
        <translation>Inverti segno </translation>
    </message>
    <message>
        <source>Degrees to radians</source>
        <comment>button</comment>
        <translation>Gradi in radianti</translation>
    </message>
    <message>
        <source>Copy output to clipboard</source>
        <comment>button</comment>
        <translation>Copia risultati negli appunti</translation>
    </message>
    <message>
        <source>Clear input</source>
        <comment>small button</comment>
        <translation>Cancella dati</translation>
    </message>
    <message>
        <source>Clear output</source>
        <comment>small button</comment>
        <translation>Cancella output</translation>
    </message>
    <message>
        <source>Help</source>
        <comment>small button</comment>
        <translation>Guida</translation>
    </message>
    <message>
        <source>Quit</source>
        <comment>small button</comment>
        <translation>Esci</translation>
    </message>
</context>
<context>
    <name>frmQSsoftware</name>
    <message>
        <source>Quevrin Systems publishes fourteen Windows programs.  Here are titles, brief descriptions and URLs.  All of them may be downloaded from our web site at no charge.  If you are online, click on any item to call up the product page on the web.</source>
        <translation>Quevrin Systems pubblica quattordici programmi per Windows.  Ecco titoli, brevi descrizioni e indirizzi.  Tutti si possono scaricare gratis dal nostro sito web.  Se si è collegati, fare clic su una voce per aprire la pagina del prodotto.</translation>
    </message>
    <message>
        <source>Close</source>
        <comment>small button</comment>
        <translation>Chiudi</translation>
    </message>
</context>
<context>
    <name>frmView</name>
    <message>
        <source>Close</source>
        <comment>small button</comment>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Copy to clipboard</source>
        <comment>button</comment>
        <translation>Copia negli appunti</translation>
    </message>
    <message>
        <source>Viewing</source>
        <comment>window title</comment>
        <translation>Visualizzazione</translation>
    </message>
    <message>
        <source>Copy selected text to clipboard</source>
        <comment>button</comment>
        <translation>Copia selezione negli appunti</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Angulor could not open its window; Qt reports:
</source>
        <translation>Angulor non è riuscito ad aprire la sua finestra; Qt segnala:
</translation>
    </message>
    <message>
        <source>Angulor needs a graphical display, but neither DISPLAY nor WAYLAND_DISPLAY is set.
</source>
        <translation>Angulor richiede un display grafico, ma non è impostata né DISPLAY né WAYLAND_DISPLAY.
</translation>
    </message>
</context>
<context>
    <name>weblink</name>
    <message>
        <source>Cannot launch web browser</source>
        <comment>title</comment>
        <translation>Impossibile avviare il browser web</translation>
    </message>
    <message>
        <source>Error launching web browser, error code =</source>
        <extracomment>The error number follows after a blank.</extracomment>
        <translation>Errore nell'avvio del browser web, codice di errore =</translation>
    </message>
    <message>
        <source>File extension &apos;%1&apos; is not associated with any application program.</source>
        <translation>L'estensione di file '%1' non è associata ad alcun programma.</translation>
    </message>
    <message>
        <source>The web page file type %1 is not associated with any browser program.</source>
        <translation>Il tipo di file di pagina web %1 non è associato ad alcun browser.</translation>
    </message>
    <message>
        <source>Out of memory.</source>
        <translation>Memoria insufficiente.</translation>
    </message>
    <message>
        <source>Please try once more.</source>
        <translation>Riprovare.</translation>
    </message>
</context>
</TS>
