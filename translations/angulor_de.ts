<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>A calculator for plane angles: converts radians into degrees, minutes and seconds and back,
and adds and subtracts angles.</source>
        <translation>Ein Rechner für ebene Winkel: rechnet Bogenmaß in Grad, Minuten und Sekunden um und zurück
und addiert und subtrahiert Winkel.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Diese Hilfe anzeigen und beenden.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Die Version anzeigen und beenden.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Unerwartetes Argument „%1“.</translation>
    </message>
    <message>
        <source>%1: %2
Try &apos;%1 --help&apos; for more information.
</source>
        <extracomment>%1 is the program&apos;s name, %2 what is wrong; keep &quot;--help&quot;.</extracomment>
        <translation>%1: %2
„%1 --help“ liefert weitere Informationen.
</translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <translation>Aufruf: %1 [Optionen]</translation>
    </message>
    <message>
        <source>
Qt&apos;s standard options, such as -platform, -display and -style, are accepted too.
</source>
        <translation>
Die Standardoptionen von Qt, etwa -platform, -display und -style, werden ebenfalls akzeptiert.
</translation>
    </message>
</context>
<context>
    <name>HelpCommand</name>
    <message>
        <source>Help for ANG</source>
        <comment>window title</comment>
        <translation>Hilfe zu ANG</translation>
    </message>
    <message>
        <source>Help text</source>
        <comment>spoken name of the text box</comment>
        <translation>Hilfetext</translation>
    </message>
</context>
<context>
    <name>Operations</name>
    <message>
        <source>Degrees to radians</source>
        <extracomment>Title: the caption of the button &quot;Degrees to radians&quot;.</extracomment>
        <translation>Grad in Bogenmaß</translation>
    </message>
    <message>
        <source>Invalid input for degrees, minutes or seconds.</source>
        <translation>Ungültige Eingabe für Grad, Minuten oder Sekunden.</translation>
    </message>
    <message>
        <source>Degrees out of range</source>
        <translation>Grad außerhalb des Bereichs</translation>
    </message>
    <message>
        <source>Minutes out of range</source>
        <translation>Minuten außerhalb des Bereichs</translation>
    </message>
    <message>
        <source>Seconds out of range</source>
        <translation>Sekunden außerhalb des Bereichs</translation>
    </message>
    <message>
        <source>Add</source>
        <extracomment>Title of the messages of the &quot;+&quot; button.</extracomment>
        <translation>Addieren</translation>
    </message>
    <message>
        <source>Subtract&apos;</source>
        <extracomment>Title of the messages of the &quot;-&quot; button; keep the quote.</extracomment>
        <translation>Subtrahieren&apos;</translation>
    </message>
    <message>
        <source>Radians out of range</source>
        <translation>Bogenmaß außerhalb des Bereichs</translation>
    </message>
    <message>
        <source>Second value out of range</source>
        <translation>Zweiter Wert außerhalb des Bereichs</translation>
    </message>
    <message>
        <source>Radians to degrees</source>
        <extracomment>Title: the caption of the button &quot;Radians to degrees&quot;.</extracomment>
        <translation>Bogenmaß in Grad</translation>
    </message>
</context>
<context>
    <name>PosixFileReader</name>
    <message>
        <source>File not found</source>
        <translation>Datei nicht gefunden</translation>
    </message>
    <message>
        <source>Path not found</source>
        <translation>Pfad nicht gefunden</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Zugriff verweigert</translation>
    </message>
    <message>
        <source>Path/File access error</source>
        <translation>Fehler beim Pfad-/Dateizugriff</translation>
    </message>
    <message>
        <source>Input past end of file</source>
        <translation>Lesen hinter dem Dateiende</translation>
    </message>
    <message>
        <source>Device I/O error</source>
        <translation>E/A-Fehler des Geräts</translation>
    </message>
    <message>
        <source>Too many files</source>
        <translation>Zu viele Dateien</translation>
    </message>
</context>
<context>
    <name>ProgramList</name>
    <message>
        <source>Baseline - Number Base Converter</source>
        <extracomment>Keep the program&apos;s name before the dash.</extracomment>
        <translation>Baseline - Zahlensystem-Umrechner</translation>
    </message>
    <message>
        <source>Converts whole numbers between binary, octal, decimal and hexadecimal as you type, shows the bit pattern of each value and keeps a short history of the numbers you have converted.</source>
        <translation>Rechnet ganze Zahlen schon während der Eingabe zwischen Binär-, Oktal-, Dezimal- und Hexadezimalsystem um, zeigt das Bitmuster jedes Werts und führt einen kurzen Verlauf der umgerechneten Zahlen.</translation>
    </message>
    <message>
        <source>Chordwise - Guitar Chord Finder</source>
        <extracomment>Keep the program&apos;s name before the dash.</extracomment>
        <translation>Chordwise - Gitarrenakkorde finden</translation>
    </message>
    <message>
        <source>Shows the fingering of more than two thousand guitar chords on a clear fretboard diagram, names the chord under your fingers, and prints chord sheets for the songs you are learning.</source>
        <translation>Zeigt die Griffe von mehr als zweitausend Gitarrenakkorden auf einem übersichtlichen Griffbrettdiagramm, benennt den Akkord unter Ihren Fingern und druckt Akkordblätter für die Lieder, die Sie gerade lernen.</translation>
    </message>
    <message>
        <source>Daybook - Perpetual Calendar and Diary</source>
        <extracomment>Keep the program&apos;s name before the dash.</extracomment>
        <translation>Daybook - Ewiger Kalender und Tagebuch</translation>
    </message>
    <message>
        <source>A calendar for any year from 1601 to 9999 with week numbers, moon phases and the dates of movable holidays, plus a private diary page for every day that you can search by word.</source>
        <translation>Ein Kalender für jedes Jahr von 1601 bis 9999 mit Kalenderwochen, Mondphasen und den Daten der beweglichen Feiertage, dazu eine private Tagebuchseite für jeden Tag, die sich nach Wörtern durchsuchen lässt.</translation>
    </message>
    <message>
        <source>Fractal Garden - Fractal Image Explorer</source>
        <extracomment>Keep the program&apos;s name before the dash.</extracomment>
        <translation>Fractal Garden - Fraktalbilder erkunden</translation>
    </message>
    <message>
        <source>Zoom deep into the classic fractal sets, choose from dozens of colour schemes, and save the pictures you find as bitmaps large enough for posters or for your desktop wallpaper.</source>
        <translation>Zoomen Sie tief in die klassischen Fraktalmengen hinein, wählen Sie aus Dutzenden von Farbschemas und speichern Sie die gefundenen Bilder als Bitmaps, die groß genug für Poster oder Ihren Desktop-Hintergrund sind.</translation>
    </message>
    <message>
        <source>Fraxion - Fraction Calculator</source>
        <extracomment>Keep the program&apos;s name before the dash.</extracomment>
        <translation>Fraxion - Bruchrechner</translation>
    </message>
    <message>
        <source>Adds, subtracts, multiplies and divides common fractions and mixed numbers, reduces every result to lowest terms, and shows each step of the working so that students can follow it.</source>
        <translation>Addiert, subtrahiert, multipliziert und dividiert gewöhnliche Brüche und gemischte Zahlen, kürzt jedes Ergebnis vollständig und zeigt jeden Rechenschritt, damit Schüler ihn nachvollziehen können.</translation>
    </message>
    <message>
        <source>Kilnlog - Pottery Firing Log</source>
        <extracomment>Keep the program&apos;s name before the dash.</extracomment>
        <translation>Kilnlog - Brennprotokoll für Keramik</translation>
    </message>
    <message>
        <source>Records kiln firing schedules, temperatures and cone numbers for each load, plots the firing curve, and keeps notes on glazes and clay bodies so that good results can be repeated.</source>
        <translation>Erfasst Brennprogramme, Temperaturen und Kegelnummern für jeden Ofenbesatz, zeichnet die Brennkurve und hält Notizen zu Glasuren und Tonmassen fest, damit sich gute Ergebnisse wiederholen lassen.</translation>
    </message>
    <message>
        <source>Loanwise - Loan and Mortgage Calculator</source>
        <extracomment>Keep the program&apos;s name before the dash.</extracomment>
        <translation>Loanwise - Kredit- und Hypothekenrechner</translation>
    </message>
    <message>
        <source>Works out the monthly payment, the total interest and a full repayment table for any loan or mortgage, and shows how much extra payments or a lower rate would save you over its term.</source>
        <translation>Berechnet die Monatsrate, die Zinsen insgesamt und einen vollständigen Tilgungsplan für jeden Kredit und jede Hypothek und zeigt, wie viel Sondertilgungen oder ein niedrigerer Zinssatz über die Laufzeit sparen würden.</translation>
    </message>
    <message>
        <source>Measurely - Unit Converter</source>
        <extracomment>Keep the program&apos;s name before the dash.</extracomment>
        <translation>Measurely - Einheitenumrechner</translation>
    </message>
    <message>
        <source>Converts between more than six hundred units of length, area, volume, mass, temperature, pressure, energy and speed, with results to as many significant digits as you choose.</source>
        <translation>Rechnet zwischen mehr als sechshundert Einheiten für Länge, Fläche, Volumen, Masse, Temperatur, Druck, Energie und Geschwindigkeit um, mit so vielen gültigen Stellen, wie Sie wählen.</translation>
    </message>
    <message>
        <source>Pixel Tape - On-Screen Ruler</source>
        <extracomment>Keep the program&apos;s name before the dash.</extracomment>
        <translation>Pixel Tape - Bildschirmlineal</translation>
    </message>
    <message>
        <source>A ruler that floats above your other windows and measures distances on the screen in pixels, inches, centimetres or points; it can also read the colour of any pixel under the cursor.</source>
        <translation>Ein Lineal, das über Ihren anderen Fenstern schwebt und Abstände auf dem Bildschirm in Pixeln, Zoll, Zentimetern oder Punkt misst; es kann auch die Farbe jedes Pixels unter dem Mauszeiger ablesen.</translation>
    </message>
    <message>
        <source>Quevrin Clock - World Time Zones</source>
        <extracomment>Keep the program&apos;s name before the dash.</extracomment>
        <translation>Quevrin Clock - Zeitzonen der Welt</translation>
    </message>
    <message>
        <source>Shows the local time in up to twelve cities at once, takes care of daylight saving time rules, and finds the hours that suit a telephone call between people in different time zones.</source>
        <translation>Zeigt die Ortszeit in bis zu zwölf Städten zugleich, berücksichtigt die Regeln der Sommerzeit und findet die Uhrzeiten, die für ein Telefonat zwischen Menschen in verschiedenen Zeitzonen passen.</translation>
    </message>
    <message>
        <source>Splitwatch - Stopwatch and Lap Timer</source>
        <extracomment>Keep the program&apos;s name before the dash.</extracomment>
        <translation>Splitwatch - Stoppuhr mit Rundenzeiten</translation>
    </message>
    <message>
        <source>A stopwatch with lap and split times to the hundredth of a second, several timers that run side by side, and a table of results that can be copied straight into a spreadsheet.</source>
        <translation>Eine Stoppuhr mit Runden- und Zwischenzeiten auf die Hundertstelsekunde, mehreren Timern, die nebeneinander laufen, und einer Ergebnistabelle, die sich direkt in eine Tabellenkalkulation kopieren lässt.</translation>
    </message>
    <message>
        <source>Tidewise - Tide Table Predictor</source>
        <extracomment>Keep the program&apos;s name before the dash.</extracomment>
        <translation>Tidewise - Gezeitenvorhersage</translation>
    </message>
    <message>
        <source>Predicts the times and heights of high and low water for hundreds of harbours, draws the tide curve for each day, and prints a pocket tide table for the whole year ahead.</source>
        <translation>Sagt Zeiten und Höhen von Hoch- und Niedrigwasser für Hunderte von Häfen voraus, zeichnet die Tidekurve für jeden Tag und druckt eine Gezeitentafel im Taschenformat für das ganze kommende Jahr.</translation>
    </message>
    <message>
        <source>Trigonel - Triangle Solver</source>
        <extracomment>Keep the program&apos;s name before the dash.</extracomment>
        <translation>Trigonel - Dreiecksberechnung</translation>
    </message>
    <message>
        <source>Solves any triangle from three known sides or angles, draws it to scale, and gives its area, perimeter, heights and the radii of its inscribed and circumscribed circles.</source>
        <translation>Berechnet jedes Dreieck aus drei bekannten Seiten oder Winkeln, zeichnet es maßstabsgetreu und gibt Fläche, Umfang, Höhen sowie die Radien von Inkreis und Umkreis an.</translation>
    </message>
    <message>
        <source>Wordtally - Text Statistics</source>
        <extracomment>Keep the program&apos;s name before the dash.</extracomment>
        <translation>Wordtally - Textstatistik</translation>
    </message>
    <message>
        <source>Counts the words, sentences and paragraphs of a text file, lists the words you use most often, and gives the reading ease and the average sentence length of your writing.</source>
        <translation>Zählt die Wörter, Sätze und Absätze einer Textdatei, listet die Wörter auf, die Sie am häufigsten verwenden, und gibt die Lesbarkeit und die durchschnittliche Satzlänge Ihrer Texte an.</translation>
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
        <translation>HINWEIS: Diese Datei ist zu groß, um in diesem Textfeld vollständig angezeigt zu werden.
Um den ganzen Inhalt der Datei zu sehen, öffnen Sie sie in NotePad,
WordPad oder einem anderen Texteditor.

</translation>
    </message>
    <message>
        <source>NOTE: Entire contents of file have not been displayed.
</source>
        <translation>HINWEIS: Der Inhalt der Datei wurde nicht vollständig angezeigt.
</translation>
    </message>
    <message>
        <source>The current folder no longer exists.</source>
        <translation>Der aktuelle Ordner existiert nicht mehr.</translation>
    </message>
    <message>
        <source>Error%1.  %2</source>
        <extracomment>%1 is the error number with its blank (&quot; 53&quot;), %2 the description.</extracomment>
        <translation>Fehler%1.  %2</translation>
    </message>
    <message>
        <source>Error reading file</source>
        <comment>title</comment>
        <translation>Fehler beim Lesen der Datei</translation>
    </message>
    <message>
        <source>The file
%1
is empty, so there is no text to show.</source>
        <translation>Die Datei
%1
ist leer, es gibt also keinen Text anzuzeigen.</translation>
    </message>
    <message>
        <source>Empty file</source>
        <comment>title</comment>
        <translation>Leere Datei</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Radians to/from degrees,minutes,seconds</source>
        <comment>window title while the window is being built</comment>
        <translation>Bogenmaß nach/von Grad,Minuten,Sekunden</translation>
    </message>
    <message>
        <source>Radians</source>
        <comment>small label before the radians field</comment>
        <translation>Radiant</translation>
    </message>
    <message>
        <source>Radians</source>
        <comment>spoken name of the radians field</comment>
        <translation>Bogenmaß</translation>
    </message>
    <message>
        <source>Move radians to value to add</source>
        <comment>spoken name of the arrow button</comment>
        <translation>Bogenmaß in den zweiten Wert übertragen</translation>
    </message>
    <message>
        <source>Value to add or subtract</source>
        <comment>spoken name of a field</comment>
        <translation>Zu addierender oder subtrahierender Wert</translation>
    </message>
    <message>
        <source>Show +/- results</source>
        <comment>small check box</comment>
        <translation>+/- anzeigen</translation>
    </message>
    <message>
        <source>Significant figures:</source>
        <comment>small label before the list of 6 to 9</comment>
        <translation>Gültige Stellen:</translation>
    </message>
    <message>
        <source>Significant figures</source>
        <comment>spoken name of the list</comment>
        <translation>Gültige Stellen</translation>
    </message>
    <message>
        <source>Radians to degrees</source>
        <comment>button</comment>
        <translation>Bogenmaß in Grad</translation>
    </message>
    <message>
        <source>Round to minutes</source>
        <comment>small check box</comment>
        <translation>Auf Min. runden</translation>
    </message>
    <message>
        <source>Output in decimal</source>
        <comment>small check box</comment>
        <translation>Dezimal ausgeben</translation>
    </message>
    <message>
        <source>degrees</source>
        <comment>small option: decimal degrees</comment>
        <translation>Grad</translation>
    </message>
    <message>
        <source>minutes</source>
        <comment>small option: decimal minutes</comment>
        <translation>Minuten</translation>
    </message>
    <message>
        <source>Output</source>
        <comment>spoken name of the output box</comment>
        <translation>Ausgabe</translation>
    </message>
    <message>
        <source>Sign of the angle</source>
        <comment>spoken description of the sign label</comment>
        <translation>Vorzeichen des Winkels</translation>
    </message>
    <message>
        <source>Degrees:</source>
        <comment>small label before the degrees field</comment>
        <translation>Grad:</translation>
    </message>
    <message>
        <source>Degrees</source>
        <comment>spoken name of a field</comment>
        <translation>Grad</translation>
    </message>
    <message>
        <source>minutes:</source>
        <comment>small label before the minutes field</comment>
        <translation>Min.:</translation>
    </message>
    <message>
        <source>Minutes</source>
        <comment>spoken name of a field</comment>
        <translation>Minuten</translation>
    </message>
    <message>
        <source>seconds:</source>
        <comment>small label before the seconds field</comment>
        <translation>Sek.:</translation>
    </message>
    <message>
        <source>Seconds</source>
        <comment>spoken name of a field</comment>
        <translation>Sekunden</translation>
    </message>
    <message>
        <source>Change sign </source>
        <comment>button</comment>
        <extracomment>Small button; keep the trailing blank.</extracomment>
        <translation>Vorzeichen </translation>
    </message>
    <message>
        <source>Degrees to radians</source>
        <comment>button</comment>
        <translation>Grad in Bogenmaß</translation>
    </message>
    <message>
        <source>Copy output to clipboard</source>
        <comment>button</comment>
        <translation>Ausgabe kopieren</translation>
    </message>
    <message>
        <source>Clear input</source>
        <comment>small button</comment>
        <translation>Eingabe leeren</translation>
    </message>
    <message>
        <source>Clear output</source>
        <comment>small button</comment>
        <translation>Ausgabe leeren</translation>
    </message>
    <message>
        <source>Help</source>
        <comment>small button</comment>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Quit</source>
        <comment>small button</comment>
        <translation>Beenden</translation>
    </message>
</context>
<context>
    <name>frmQSsoftware</name>
    <message>
        <source>Quevrin Systems publishes fourteen Windows programs.  Here are titles, brief descriptions and URLs.  All of them may be downloaded from our web site at no charge.  If you are online, click on any item to call up the product page on the web.</source>
        <translation>Quevrin Systems veröffentlicht vierzehn Windows-Programme.  Hier stehen Titel, Kurzbeschreibungen und URLs.  Alle sind auf unserer Website kostenlos erhältlich.  Wenn Sie online sind, öffnet ein Klick auf einen Eintrag seine Produktseite im Web.</translation>
    </message>
    <message>
        <source>Close</source>
        <comment>small button</comment>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>frmView</name>
    <message>
        <source>Close</source>
        <comment>small button</comment>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Copy to clipboard</source>
        <comment>button</comment>
        <translation>Alles kopieren</translation>
    </message>
    <message>
        <source>Viewing</source>
        <comment>window title</comment>
        <translation>Anzeige</translation>
    </message>
    <message>
        <source>Copy selected text to clipboard</source>
        <comment>button</comment>
        <translation>Auswahl kopieren</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Angulor could not open its window; Qt reports:
</source>
        <translation>Angulor konnte sein Fenster nicht öffnen; Qt meldet:
</translation>
    </message>
    <message>
        <source>Angulor needs a graphical display, but neither DISPLAY nor WAYLAND_DISPLAY is set.
</source>
        <translation>Angulor benötigt eine grafische Anzeige, aber weder DISPLAY noch WAYLAND_DISPLAY ist gesetzt.
</translation>
    </message>
</context>
<context>
    <name>weblink</name>
    <message>
        <source>Cannot launch web browser</source>
        <comment>title</comment>
        <translation>Webbrowser kann nicht gestartet werden</translation>
    </message>
    <message>
        <source>Error launching web browser, error code =</source>
        <extracomment>The error number follows after a blank.</extracomment>
        <translation>Fehler beim Starten des Webbrowsers, Fehlercode =</translation>
    </message>
    <message>
        <source>File extension &apos;%1&apos; is not associated with any application program.</source>
        <translation>Die Dateiendung „%1“ ist keinem Anwendungsprogramm zugeordnet.</translation>
    </message>
    <message>
        <source>The web page file type %1 is not associated with any browser program.</source>
        <translation>Der Dateityp %1 für Webseiten ist keinem Browserprogramm zugeordnet.</translation>
    </message>
    <message>
        <source>Out of memory.</source>
        <translation>Nicht genügend Arbeitsspeicher.</translation>
    </message>
    <message>
        <source>Please try once more.</source>
        <translation>Bitte versuchen Sie es noch einmal.</translation>
    </message>
</context>
</TS>
