<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>A calculator for plane angles: converts radians into degrees, minutes and seconds and back,
and adds and subtracts angles.</source>
        <translation>Kalkulator kątów płaskich: przelicza radiany na stopnie, minuty i sekundy i z powrotem
oraz dodaje i odejmuje kąty.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Wyświetla tę pomoc i kończy działanie.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Wyświetla wersję i kończy działanie.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Nieoczekiwany argument '%1'.</translation>
    </message>
    <message>
        <source>%1: %2
Try &apos;%1 --help&apos; for more information.
</source>
        <extracomment>%1 is the program&apos;s name, %2 what is wrong; keep &quot;--help&quot;.</extracomment>
        <translation>%1: %2
Więcej informacji: '%1 --help'.
</translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <translation>Użycie: %1 [opcje]</translation>
    </message>
    <message>
        <source>
Qt&apos;s standard options, such as -platform, -display and -style, are accepted too.
</source>
        <translation>
Akceptowane są też standardowe opcje Qt, takie jak -platform, -display i -style.
</translation>
    </message>
</context>
<context>
    <name>HelpCommand</name>
    <message>
        <source>Help for ANG</source>
        <comment>window title</comment>
        <translation>Pomoc do ANG</translation>
    </message>
    <message>
        <source>Help text</source>
        <comment>spoken name of the text box</comment>
        <translation>Tekst pomocy</translation>
    </message>
</context>
<context>
    <name>Operations</name>
    <message>
        <source>Degrees to radians</source>
        <extracomment>Title: the caption of the button &quot;Degrees to radians&quot;.</extracomment>
        <translation>Stopnie na radiany</translation>
    </message>
    <message>
        <source>Invalid input for degrees, minutes or seconds.</source>
        <translation>Nieprawidłowa wartość stopni, minut lub sekund.</translation>
    </message>
    <message>
        <source>Degrees out of range</source>
        <translation>Stopnie poza zakresem</translation>
    </message>
    <message>
        <source>Minutes out of range</source>
        <translation>Minuty poza zakresem</translation>
    </message>
    <message>
        <source>Seconds out of range</source>
        <translation>Sekundy poza zakresem</translation>
    </message>
    <message>
        <source>Add</source>
        <extracomment>Title of the messages of the &quot;+&quot; button.</extracomment>
        <translation>Dodawanie</translation>
    </message>
    <message>
        <source>Subtract&apos;</source>
        <extracomment>Title of the messages of the &quot;-&quot; button; keep the quote.</extracomment>
        <translation>Odejmowanie'</translation>
    </message>
    <message>
        <source>Radians out of range</source>
        <translation>Radiany poza zakresem</translation>
    </message>
    <message>
        <source>Second value out of range</source>
        <translation>Druga wartość poza zakresem</translation>
    </message>
    <message>
        <source>Radians to degrees</source>
        <extracomment>Title: the caption of the button &quot;Radians to degrees&quot;.</extracomment>
        <translation>Radiany na stopnie</translation>
    </message>
</context>
<context>
    <name>PosixFileReader</name>
    <message>
        <source>File not found</source>
        <translation>Nie znaleziono pliku</translation>
    </message>
    <message>
        <source>Path not found</source>
        <translation>Nie znaleziono ścieżki</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Odmowa dostępu</translation>
    </message>
    <message>
        <source>Path/File access error</source>
        <translation>Błąd dostępu do ścieżki/pliku</translation>
    </message>
    <message>
        <source>Input past end of file</source>
        <translation>Odczyt poza końcem pliku</translation>
    </message>
    <message>
        <source>Device I/O error</source>
        <translation>Błąd wejścia/wyjścia urządzenia</translation>
    </message>
    <message>
        <source>Too many files</source>
        <translation>Zbyt wiele plików</translation>
    </message>
</context>
<context>
    <name>ProgramList</name>
    <message>
        <source>Baseline - Number Base Converter</source>
        <extracomment>Keep the program&apos;s name before the dash.</extracomment>
        <translation>Baseline - Przelicznik systemów liczbowych</translation>
    </message>
    <message>
        <source>Converts whole numbers between binary, octal, decimal and hexadecimal as you type, shows the bit pattern of each value and keeps a short history of the numbers you have converted.</source>
        <translation>Przelicza liczby całkowite między systemami dwójkowym, ósemkowym, dziesiętnym i szesnastkowym już podczas pisania, pokazuje układ bitów każdej wartości i przechowuje krótką historię przeliczonych liczb.</translation>
    </message>
    <message>
        <source>Chordwise - Guitar Chord Finder</source>
        <extracomment>Keep the program&apos;s name before the dash.</extracomment>
        <translation>Chordwise - Wyszukiwarka akordów gitarowych</translation>
    </message>
    <message>
        <source>Shows the fingering of more than two thousand guitar chords on a clear fretboard diagram, names the chord under your fingers, and prints chord sheets for the songs you are learning.</source>
        <translation>Pokazuje chwyty ponad dwóch tysięcy akordów gitarowych na przejrzystym diagramie gryfu, podaje nazwę akordu, który masz pod palcami, i drukuje rozpiski akordów do piosenek, których się uczysz.</translation>
    </message>
    <message>
        <source>Daybook - Perpetual Calendar and Diary</source>
        <extracomment>Keep the program&apos;s name before the dash.</extracomment>
        <translation>Daybook - Kalendarz wieczny i dziennik</translation>
    </message>
    <message>
        <source>A calendar for any year from 1601 to 9999 with week numbers, moon phases and the dates of movable holidays, plus a private diary page for every day that you can search by word.</source>
        <translation>Kalendarz na dowolny rok od 1601 do 9999 z numerami tygodni, fazami Księżyca i datami świąt ruchomych, a do tego prywatny dziennik ze stroną na każdy dzień, który można przeszukiwać według słów.</translation>
    </message>
    <message>
        <source>Fractal Garden - Fractal Image Explorer</source>
        <extracomment>Keep the program&apos;s name before the dash.</extracomment>
        <translation>Fractal Garden - Eksplorator fraktali</translation>
    </message>
    <message>
        <source>Zoom deep into the classic fractal sets, choose from dozens of colour schemes, and save the pictures you find as bitmaps large enough for posters or for your desktop wallpaper.</source>
        <translation>Zagłębiaj się w klasyczne zbiory fraktalne, wybieraj spośród dziesiątek schematów kolorów i zapisuj znalezione obrazy jako mapy bitowe na tyle duże, że nadają się na plakat albo na tapetę pulpitu.</translation>
    </message>
    <message>
        <source>Fraxion - Fraction Calculator</source>
        <extracomment>Keep the program&apos;s name before the dash.</extracomment>
        <translation>Fraxion - Kalkulator ułamków</translation>
    </message>
    <message>
        <source>Adds, subtracts, multiplies and divides common fractions and mixed numbers, reduces every result to lowest terms, and shows each step of the working so that students can follow it.</source>
        <translation>Dodaje, odejmuje, mnoży i dzieli ułamki zwykłe oraz liczby mieszane, skraca każdy wynik do postaci nieskracalnej i pokazuje każdy krok obliczeń, aby uczniowie mogli je śledzić.</translation>
    </message>
    <message>
        <source>Kilnlog - Pottery Firing Log</source>
        <extracomment>Keep the program&apos;s name before the dash.</extracomment>
        <translation>Kilnlog - Dziennik wypałów ceramiki</translation>
    </message>
    <message>
        <source>Records kiln firing schedules, temperatures and cone numbers for each load, plots the firing curve, and keeps notes on glazes and clay bodies so that good results can be repeated.</source>
        <translation>Zapisuje programy wypału, temperatury i numery stożków pirometrycznych dla każdego wsadu, rysuje krzywą wypału i przechowuje notatki o szkliwach i masach ceramicznych, aby dobre wyniki dało się powtórzyć.</translation>
    </message>
    <message>
        <source>Loanwise - Loan and Mortgage Calculator</source>
        <extracomment>Keep the program&apos;s name before the dash.</extracomment>
        <translation>Loanwise - Kalkulator pożyczek i kredytów hipotecznych</translation>
    </message>
    <message>
        <source>Works out the monthly payment, the total interest and a full repayment table for any loan or mortgage, and shows how much extra payments or a lower rate would save you over its term.</source>
        <translation>Oblicza miesięczną ratę, łączne odsetki i pełny harmonogram spłat dowolnej pożyczki lub kredytu hipotecznego oraz pokazuje, ile przez cały okres spłaty zaoszczędzisz dzięki nadpłatom lub niższemu oprocentowaniu.</translation>
    </message>
    <message>
        <source>Measurely - Unit Converter</source>
        <extracomment>Keep the program&apos;s name before the dash.</extracomment>
        <translation>Measurely - Przelicznik jednostek</translation>
    </message>
    <message>
        <source>Converts between more than six hundred units of length, area, volume, mass, temperature, pressure, energy and speed, with results to as many significant digits as you choose.</source>
        <translation>Przelicza ponad sześćset jednostek długości, powierzchni, objętości, masy, temperatury, ciśnienia, energii i prędkości, podając wyniki z wybraną liczbą cyfr znaczących.</translation>
    </message>
    <message>
        <source>Pixel Tape - On-Screen Ruler</source>
        <extracomment>Keep the program&apos;s name before the dash.</extracomment>
        <translation>Pixel Tape - Linijka ekranowa</translation>
    </message>
    <message>
        <source>A ruler that floats above your other windows and measures distances on the screen in pixels, inches, centimetres or points; it can also read the colour of any pixel under the cursor.</source>
        <translation>Linijka, która unosi się nad pozostałymi oknami i mierzy odległości na ekranie w pikselach, calach, centymetrach lub punktach; potrafi też odczytać kolor dowolnego piksela pod kursorem.</translation>
    </message>
    <message>
        <source>Quevrin Clock - World Time Zones</source>
        <extracomment>Keep the program&apos;s name before the dash.</extracomment>
        <translation>Quevrin Clock - Strefy czasowe świata</translation>
    </message>
    <message>
        <source>Shows the local time in up to twelve cities at once, takes care of daylight saving time rules, and finds the hours that suit a telephone call between people in different time zones.</source>
        <translation>Pokazuje czas lokalny w maksymalnie dwunastu miastach jednocześnie, uwzględnia zasady czasu letniego i znajduje godziny dogodne na rozmowę telefoniczną między osobami w różnych strefach czasowych.</translation>
    </message>
    <message>
        <source>Splitwatch - Stopwatch and Lap Timer</source>
        <extracomment>Keep the program&apos;s name before the dash.</extracomment>
        <translation>Splitwatch - Stoper z pomiarem okrążeń</translation>
    </message>
    <message>
        <source>A stopwatch with lap and split times to the hundredth of a second, several timers that run side by side, and a table of results that can be copied straight into a spreadsheet.</source>
        <translation>Stoper z czasami okrążeń i międzyczasami z dokładnością do setnej sekundy, kilka liczników czasu działających równolegle i tabela wyników, którą można skopiować prosto do arkusza kalkulacyjnego.</translation>
    </message>
    <message>
        <source>Tidewise - Tide Table Predictor</source>
        <extracomment>Keep the program&apos;s name before the dash.</extracomment>
        <translation>Tidewise - Prognoza pływów</translation>
    </message>
    <message>
        <source>Predicts the times and heights of high and low water for hundreds of harbours, draws the tide curve for each day, and prints a pocket tide table for the whole year ahead.</source>
        <translation>Przewiduje godziny i wysokości wysokiej i niskiej wody w setkach portów, rysuje krzywą pływu na każdy dzień i drukuje kieszonkowe tablice pływów na cały nadchodzący rok.</translation>
    </message>
    <message>
        <source>Trigonel - Triangle Solver</source>
        <extracomment>Keep the program&apos;s name before the dash.</extracomment>
        <translation>Trigonel - Rozwiązywanie trójkątów</translation>
    </message>
    <message>
        <source>Solves any triangle from three known sides or angles, draws it to scale, and gives its area, perimeter, heights and the radii of its inscribed and circumscribed circles.</source>
        <translation>Rozwiązuje dowolny trójkąt na podstawie trzech znanych boków lub kątów, rysuje go w skali i podaje jego pole, obwód, wysokości oraz promienie okręgów wpisanego i opisanego.</translation>
    </message>
    <message>
        <source>Wordtally - Text Statistics</source>
        <extracomment>Keep the program&apos;s name before the dash.</extracomment>
        <translation>Wordtally - Statystyki tekstu</translation>
    </message>
    <message>
        <source>Counts the words, sentences and paragraphs of a text file, lists the words you use most often, and gives the reading ease and the average sentence length of your writing.</source>
        <translation>Liczy słowa, zdania i akapity pliku tekstowego, wypisuje najczęściej używane słowa i podaje wskaźnik łatwości czytania oraz średnią długość zdań w tekście.</translation>
    </message>
</context>
<context>
    <name>ResultLine</name>
    <message>
        <source>radians</source>
        <extracomment>Unit after a number in a result line: &quot;1.000000 radians = 57° 17&apos; 45&quot;&quot;. No period.</extracomment>
        <translation>radiana</translation>
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
        <translation>UWAGA: Ten plik jest za duży, aby wyświetlić go w całości w tym polu tekstowym.
Aby zobaczyć całą zawartość pliku, otwórz go w Notatniku,
WordPadzie lub innym edytorze tekstu.

</translation>
    </message>
    <message>
        <source>NOTE: Entire contents of file have not been displayed.
</source>
        <translation>UWAGA: Nie wyświetlono całej zawartości pliku.
</translation>
    </message>
    <message>
        <source>The current folder no longer exists.</source>
        <translation>Bieżący folder już nie istnieje.</translation>
    </message>
    <message>
        <source>Error%1.  %2</source>
        <extracomment>%1 is the error number with its blank (&quot; 53&quot;), %2 the description.</extracomment>
        <translation>Błąd%1.  %2</translation>
    </message>
    <message>
        <source>Error reading file</source>
        <comment>title</comment>
        <translation>Błąd odczytu pliku</translation>
    </message>
    <message>
        <source>The file
%1
is empty, so there is no text to show.</source>
        <translation>Plik
%1
jest pusty, więc nie ma tekstu do wyświetlenia.</translation>
    </message>
    <message>
        <source>Empty file</source>
        <comment>title</comment>
        <translation>Pusty plik</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Radians to/from degrees,minutes,seconds</source>
        <comment>window title while the window is being built</comment>
        <translation>Radiany na stopnie,minuty,sekundy i odwrotnie</translation>
    </message>
    <message>
        <source>Radians</source>
        <comment>small label before the radians field</comment>
        <translation>Radiany</translation>
    </message>
    <message>
        <source>Radians</source>
        <comment>spoken name of the radians field</comment>
        <translation>Radiany</translation>
    </message>
    <message>
        <source>Move radians to value to add</source>
        <comment>spoken name of the arrow button</comment>
        <translation>Przenieś radiany do wartości do dodania</translation>
    </message>
    <message>
        <source>Value to add or subtract</source>
        <comment>spoken name of a field</comment>
        <translation>Wartość do dodania lub odjęcia</translation>
    </message>
    <message>
        <source>Show +/- results</source>
        <comment>small check box</comment>
        <translation>Pokaż wyniki +/-</translation>
    </message>
    <message>
        <source>Significant figures:</source>
        <comment>small label before the list of 6 to 9</comment>
        <translation>Cyfry znaczące:</translation>
    </message>
    <message>
        <source>Significant figures</source>
        <comment>spoken name of the list</comment>
        <translation>Cyfry znaczące</translation>
    </message>
    <message>
        <source>Radians to degrees</source>
        <comment>button</comment>
        <translation>Radiany na stopnie</translation>
    </message>
    <message>
        <source>Round to minutes</source>
        <comment>small check box</comment>
        <translation>Zaokr. do minut</translation>
    </message>
    <message>
        <source>Output in decimal</source>
        <comment>small check box</comment>
        <translation>Wynik dziesiętny</translation>
    </message>
    <message>
        <source>degrees</source>
        <comment>small option: decimal degrees</comment>
        <translation>stopnie</translation>
    </message>
    <message>
        <source>minutes</source>
        <comment>small option: decimal minutes</comment>
        <translation>minuty</translation>
    </message>
    <message>
        <source>Output</source>
        <comment>spoken name of the output box</comment>
        <translation>Wyniki</translation>
    </message>
    <message>
        <source>Sign of the angle</source>
        <comment>spoken description of the sign label</comment>
        <translation>Znak kąta</translation>
    </message>
    <message>
        <source>Degrees:</source>
        <comment>small label before the degrees field</comment>
        <translation>Stopnie:</translation>
    </message>
    <message>
        <source>Degrees</source>
        <comment>spoken name of a field</comment>
        <translation>Stopnie</translation>
    </message>
    <message>
        <source>minutes:</source>
        <comment>small label before the minutes field</comment>
        <translation>minuty:</translation>
    </message>
    <message>
        <source>Minutes</source>
        <comment>spoken name of a field</comment>
        <translation>Minuty</translation>
    </message>
    <message>
        <source>seconds:</source>
        <comment>small label before the seconds field</comment>
        <translation>sekundy:</translation>
    </message>
    <message>
        <source>Seconds</source>
        <comment>spoken name of a field</comment>
        <translation>Sekundy</translation>
    </message>
    <message>
        <source>Change sign </source>
        <comment>button</comment>
        <extracomment>Small button; keep the trailing blank.</extracomment>
        <translation>Zmień znak </translation>
    </message>
    <message>
        <source>Degrees to radians</source>
        <comment>button</comment>
        <translation>Stopnie na radiany</translation>
    </message>
    <message>
        <source>Copy output to clipboard</source>
        <comment>button</comment>
        <translation>Kopiuj wyniki do schowka</translation>
    </message>
    <message>
        <source>Clear input</source>
        <comment>small button</comment>
        <translation>Wyczyść pola</translation>
    </message>
    <message>
        <source>Clear output</source>
        <comment>small button</comment>
        <translation>Wyczyść wyniki</translation>
    </message>
    <message>
        <source>Help</source>
        <comment>small button</comment>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>Quit</source>
        <comment>small button</comment>
        <translation>Zakończ</translation>
    </message>
</context>
<context>
    <name>frmQSsoftware</name>
    <message>
        <source>Quevrin Systems publishes fourteen Windows programs.  Here are titles, brief descriptions and URLs.  All of them may be downloaded from our web site at no charge.  If you are online, click on any item to call up the product page on the web.</source>
        <translation>Quevrin Systems wydaje czternaście programów dla systemu Windows.  Oto ich tytuły, krótkie opisy i adresy URL.  Wszystkie można bezpłatnie pobrać z naszej strony.  Jeśli masz internet, kliknij pozycję, aby otworzyć stronę produktu.</translation>
    </message>
    <message>
        <source>Close</source>
        <comment>small button</comment>
        <translation>Zamknij</translation>
    </message>
</context>
<context>
    <name>frmView</name>
    <message>
        <source>Close</source>
        <comment>small button</comment>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Copy to clipboard</source>
        <comment>button</comment>
        <translation>Kopiuj do schowka</translation>
    </message>
    <message>
        <source>Viewing</source>
        <comment>window title</comment>
        <translation>Podgląd</translation>
    </message>
    <message>
        <source>Copy selected text to clipboard</source>
        <comment>button</comment>
        <translation>Kopiuj zaznaczenie do schowka</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Angulor could not open its window; Qt reports:
</source>
        <translation>Angulor nie mógł otworzyć swojego okna; Qt zgłasza:
</translation>
    </message>
    <message>
        <source>Angulor needs a graphical display, but neither DISPLAY nor WAYLAND_DISPLAY is set.
</source>
        <translation>Angulor wymaga środowiska graficznego, ale nie ustawiono ani zmiennej DISPLAY, ani WAYLAND_DISPLAY.
</translation>
    </message>
</context>
<context>
    <name>weblink</name>
    <message>
        <source>Cannot launch web browser</source>
        <comment>title</comment>
        <translation>Nie można uruchomić przeglądarki</translation>
    </message>
    <message>
        <source>Error launching web browser, error code =</source>
        <extracomment>The error number follows after a blank.</extracomment>
        <translation>Błąd uruchamiania przeglądarki, kod błędu =</translation>
    </message>
    <message>
        <source>File extension &apos;%1&apos; is not associated with any application program.</source>
        <translation>Rozszerzenie pliku '%1' nie jest skojarzone z żadnym programem.</translation>
    </message>
    <message>
        <source>The web page file type %1 is not associated with any browser program.</source>
        <translation>Typ pliku strony internetowej %1 nie jest skojarzony z żadną przeglądarką.</translation>
    </message>
    <message>
        <source>Out of memory.</source>
        <translation>Brak pamięci.</translation>
    </message>
    <message>
        <source>Please try once more.</source>
        <translation>Spróbuj jeszcze raz.</translation>
    </message>
</context>
</TS>
