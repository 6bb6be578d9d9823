<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>A calculator for plane angles: converts radians into degrees, minutes and seconds and back,
and adds and subtracts angles.</source>
        <translation>Calculadora de ángulos planos: convierte radianes a grados, minutos y segundos y viceversa,
y suma y resta ángulos.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Muestra esta ayuda y sale.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Muestra la versión y sale.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argumento inesperado '%1'.</translation>
    </message>
    <message>
        <source>%1: %2
Try &apos;%1 --help&apos; for more information.
</source>
        <extracomment>%1 is the program&apos;s name, %2 what is wrong; keep &quot;--help&quot;.</extracomment>
        <translation>%1: %2
Pruebe '%1 --help' para obtener más información.
</translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <translation>Uso: %1 [opciones]</translation>
    </message>
    <message>
        <source>
Qt&apos;s standard options, such as -platform, -display and -style, are accepted too.
</source>
        <translation>
También se aceptan las opciones estándar de Qt, como -platform, -display y -style.
</translation>
    </message>
</context>
<context>
    <name>HelpCommand</name>
    <message>
        <source>Help for ANG</source>
        <comment>window title</comment>
        <translation>Ayuda de ANG</translation>
    </message>
    <message>
        <source>Help text</source>
        <comment>spoken name of the text box</comment>
        <translation>Texto de ayuda</translation>
    </message>
</context>
<context>
    <name>Operations</name>
    <message>
        <source>Degrees to radians</source>
        <extracomment>Title: the caption of the button &quot;Degrees to radians&quot;.</extracomment>
        <translation>Grados a radianes</translation>
    </message>
    <message>
        <source>Invalid input for degrees, minutes or seconds.</source>
        <translation>Entrada no válida para grados, minutos o segundos.</translation>
    </message>
    <message>
        <source>Degrees out of range</source>
        <translation>Grados fuera de rango</translation>
    </message>
    <message>
        <source>Minutes out of range</source>
        <translation>Minutos fuera de rango</translation>
    </message>
    <message>
        <source>Seconds out of range</source>
        <translation>Segundos fuera de rango</translation>
    </message>
    <message>
        <source>Add</source>
        <extracomment>Title of the messages of the &quot;+&quot; button.</extracomment>
        <translation>Sumar</translation>
    </message>
    <message>
        <source>Subtract&apos;</source>
        <extracomment>Title of the messages of the &quot;-&quot; button; keep the quote.</extracomment>
        <translation>Restar'</translation>
    </message>
    <message>
        <source>Radians out of range</source>
        <translation>Radianes fuera de rango</translation>
    </message>
    <message>
        <source>Second value out of range</source>
        <translation>Segundo valor fuera de rango</translation>
    </message>
    <message>
        <source>Radians to degrees</source>
        <extracomment>Title: the caption of the button &quot;Radians to degrees&quot;.</extracomment>
        <translation>Radianes a grados</translation>
    </message>
</context>
<context>
    <name>PosixFileReader</name>
    <message>
        <source>File not found</source>
        <translation>Archivo no encontrado</translation>
    </message>
    <message>
        <source>Path not found</source>
        <translation>Ruta no encontrada</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Permiso denegado</translation>
    </message>
    <message>
        <source>Path/File access error</source>
        <translation>Error de acceso a ruta/archivo</translation>
    </message>
    <message>
        <source>Input past end of file</source>
        <translation>Lectura más allá del final del archivo</translation>
    </message>
    <message>
        <source>Device I/O error</source>
        <translation>Error de E/S del dispositivo</translation>
    </message>
    <message>
        <source>Too many files</source>
        <translation>Demasiados archivos abiertos</translation>
    </message>
</context>
<context>
    <name>ProgramList</name>
    <message>
        <source>Baseline - Number Base Converter</source>
        <extracomment>Keep the program&apos;s name before the dash.</extracomment>
        <translation>Baseline - Conversor de bases numéricas</translation>
    </message>
    <message>
        <source>Converts whole numbers between binary, octal, decimal and hexadecimal as you type, shows the bit pattern of each value and keeps a short history of the numbers you have converted.</source>
        <translation>Convierte números enteros entre binario, octal, decimal y hexadecimal a medida que escribe, muestra el patrón de bits de cada valor y guarda un breve historial de los números convertidos.</translation>
    </message>
    <message>
        <source>Chordwise - Guitar Chord Finder</source>
        <extracomment>Keep the program&apos;s name before the dash.</extracomment>
        <translation>Chordwise - Buscador de acordes de guitarra</translation>
    </message>
    <message>
        <source>Shows the fingering of more than two thousand guitar chords on a clear fretboard diagram, names the chord under your fingers, and prints chord sheets for the songs you are learning.</source>
        <translation>Muestra la digitación de más de dos mil acordes de guitarra en un diagrama claro del mástil, nombra el acorde que forman sus dedos e imprime hojas de acordes de las canciones que está aprendiendo.</translation>
    </message>
    <message>
        <source>Daybook - Perpetual Calendar and Diary</source>
        <extracomment>Keep the program&apos;s name before the dash.</extracomment>
        <translation>Daybook - Calendario perpetuo y diario</translation>
    </message>
    <message>
        <source>A calendar for any year from 1601 to 9999 with week numbers, moon phases and the dates of movable holidays, plus a private diary page for every day that you can search by word.</source>
        <translation>Un calendario para cualquier año de 1601 a 9999 con números de semana, fases de la luna y las fechas de las fiestas móviles, además de una página de diario privado para cada día en la que puede buscar por palabras.</translation>
    </message>
    <message>
        <source>Fractal Garden - Fractal Image Explorer</source>
        <extracomment>Keep the program&apos;s name before the dash.</extracomment>
        <translation>Fractal Garden - Explorador de imágenes fractales</translation>
    </message>
    <message>
        <source>Zoom deep into the classic fractal sets, choose from dozens of colour schemes, and save the pictures you find as bitmaps large enough for posters or for your desktop wallpaper.</source>
        <translation>Amplíe a fondo los conjuntos fractales clásicos, elija entre docenas de combinaciones de colores y guarde las imágenes que encuentre como mapas de bits lo bastante grandes para carteles o para el fondo de su escritorio.</translation>
    </message>
    <message>
        <source>Fraxion - Fraction Calculator</source>
        <extracomment>Keep the program&apos;s name before the dash.</extracomment>
        <translation>Fraxion - Calculadora de fracciones</translation>
    </message>
    <message>
        <source>Adds, subtracts, multiplies and divides common fractions and mixed numbers, reduces every result to lowest terms, and shows each step of the working so that students can follow it.</source>
        <translation>Suma, resta, multiplica y divide fracciones y números mixtos, simplifica cada resultado hasta la fracción irreducible y muestra cada paso del cálculo para que los estudiantes puedan seguirlo.</translation>
    </message>
    <message>
        <source>Kilnlog - Pottery Firing Log</source>
        <extracomment>Keep the program&apos;s name before the dash.</extracomment>
        <translation>Kilnlog - Registro de cocciones de cerámica</translation>
    </message>
    <message>
        <source>Records kiln firing schedules, temperatures and cone numbers for each load, plots the firing curve, and keeps notes on glazes and clay bodies so that good results can be repeated.</source>
        <translation>Registra los programas de cocción, las temperaturas y los números de cono de cada hornada, traza la curva de cocción y guarda notas sobre esmaltes y pastas para poder repetir los buenos resultados.</translation>
    </message>
    <message>
        <source>Loanwise - Loan and Mortgage Calculator</source>
        <extracomment>Keep the program&apos;s name before the dash.</extracomment>
        <translation>Loanwise - Calculadora de préstamos e hipotecas</translation>
    </message>
    <message>
        <source>Works out the monthly payment, the total interest and a full repayment table for any loan or mortgage, and shows how much extra payments or a lower rate would save you over its term.</source>
        <translation>Calcula la cuota mensual, los intereses totales y el cuadro de amortización completo de cualquier préstamo o hipoteca, y muestra cuánto le ahorrarían pagos adicionales o un tipo más bajo a lo largo del plazo.</translation>
    </message>
    <message>
        <source>Measurely - Unit Converter</source>
        <extracomment>Keep the program&apos;s name before the dash.</extracomment>
        <translation>Measurely - Conversor de unidades</translation>
    </message>
    <message>
        <source>Converts between more than six hundred units of length, area, volume, mass, temperature, pressure, energy and speed, with results to as many significant digits as you choose.</source>
        <translation>Convierte entre más de seiscientas unidades de longitud, superficie, volumen, masa, temperatura, presión, energía y velocidad, con resultados con tantas cifras significativas como elija.</translation>
    </message>
    <message>
        <source>Pixel Tape - On-Screen Ruler</source>
        <extracomment>Keep the program&apos;s name before the dash.</extracomment>
        <translation>Pixel Tape - Regla en pantalla</translation>
    </message>
    <message>
        <source>A ruler that floats above your other windows and measures distances on the screen in pixels, inches, centimetres or points; it can also read the colour of any pixel under the cursor.</source>
        <translation>Una regla que flota sobre sus demás ventanas y mide distancias en la pantalla en píxeles, pulgadas, centímetros o puntos; también puede leer el color de cualquier píxel bajo el cursor.</translation>
    </message>
    <message>
        <source>Quevrin Clock - World Time Zones</source>
        <extracomment>Keep the program&apos;s name before the dash.</extracomment>
        <translation>Quevrin Clock - Husos horarios del mundo</translation>
    </message>
    <message>
        <source>Shows the local time in up to twelve cities at once, takes care of daylight saving time rules, and finds the hours that suit a telephone call between people in different time zones.</source>
        <translation>Muestra la hora local de hasta doce ciudades a la vez, tiene en cuenta las reglas del horario de verano y encuentra las horas adecuadas para una llamada entre personas de distintos husos horarios.</translation>
    </message>
    <message>
        <source>Splitwatch - Stopwatch and Lap Timer</source>
        <extracomment>Keep the program&apos;s name before the dash.</extracomment>
        <translation>Splitwatch - Cronómetro y tiempos por vuelta</translation>
    </message>
    <message>
        <source>A stopwatch with lap and split times to the hundredth of a second, several timers that run side by side, and a table of results that can be copied straight into a spreadsheet.</source>
        <translation>Un cronómetro con tiempos por vuelta y parciales hasta la centésima de segundo, varios temporizadores que funcionan a la vez y una tabla de resultados que se puede copiar directamente en una hoja de cálculo.</translation>
    </message>
    <message>
        <source>Tidewise - Tide Table Predictor</source>
        <extracomment>Keep the program&apos;s name before the dash.</extracomment>
        <translation>Tidewise - Predicción de mareas</translation>
    </message>
    <message>
        <source>Predicts the times and heights of high and low water for hundreds of harbours, draws the tide curve for each day, and prints a pocket tide table for the whole year ahead.</source>
        <translation>Predice las horas y alturas de la pleamar y la bajamar en cientos de puertos, dibuja la curva de marea de cada día e imprime un anuario de mareas de bolsillo para todo el año siguiente.</translation>
    </message>
    <message>
        <source>Trigonel - Triangle Solver</source>
        <extracomment>Keep the program&apos;s name before the dash.</extracomment>
        <translation>Trigonel - Resolución de triángulos</translation>
    </message>
    <message>
        <source>Solves any triangle from three known sides or angles, draws it to scale, and gives its area, perimeter, heights and the radii of its inscribed and circumscribed circles.</source>
        <translation>Resuelve cualquier triángulo a partir de tres lados o ángulos conocidos, lo dibuja a escala y da su área, su perímetro, sus alturas y los radios de sus circunferencias inscrita y circunscrita.</translation>
    </message>
    <message>
        <source>Wordtally - Text Statistics</source>
        <extracomment>Keep the program&apos;s name before the dash.</extracomment>
        <translation>Wordtally - Estadísticas de textos</translation>
    </message>
    <message>
        <source>Counts the words, sentences and paragraphs of a text file, lists the words you use most often, and gives the reading ease and the average sentence length of your writing.</source>
        <translation>Cuenta las palabras, frases y párrafos de un archivo de texto, enumera las palabras que más usa y da el índice de legibilidad y la longitud media de las frases de su texto.</translation>
    </message>
</context>
<context>
    <name>ResultLine</name>
    <message>
        <source>radians</source>
        <extracomment>Unit after a number in a result line: &quot;1.000000 radians = 57° 17&apos; 45&quot;&quot;. No period.</extracomment>
        <translation>radianes</translation>
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
        <translation>NOTA: Este archivo es demasiado grande para mostrarlo entero en este cuadro de texto.
Para ver todo el contenido del archivo, ábralo en el Bloc de notas,
WordPad u otro editor de texto.

</translation>
    </message>
    <message>
        <source>NOTE: Entire contents of file have not been displayed.
</source>
        <translation>NOTA: No se ha mostrado todo el contenido del archivo.
</translation>
    </message>
    <message>
        <source>The current folder no longer exists.</source>
        <translation>La carpeta actual ya no existe.</translation>
    </message>
    <message>
        <source>Error%1.  %2</source>
        <extracomment>%1 is the error number with its blank (&quot; 53&quot;), %2 the description.</extracomment>
        <translation>Error%1.  %2</translation>
    </message>
    <message>
        <source>Error reading file</source>
        <comment>title</comment>
        <translation>Error al leer el archivo</translation>
    </message>
    <message>
        <source>The file
%1
is empty, so there is no text to show.</source>
        <translation>El archivo
%1
está vacío, así que no hay texto que mostrar.</translation>
    </message>
    <message>
        <source>Empty file</source>
        <comment>title</comment>
        <translation>Archivo vacío</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Radians to/from degrees,minutes,seconds</source>
        <comment>window title while the window is being built</comment>
        <translation>Radianes a/desde grados,minutos,segundos</translation>
    </message>
    <message>
        <source>Radians</source>
        <comment>small label before the radians field</comment>
        <translation>Radianes</translation>
    </message>
    <message>
        <source>Radians</source>
        <comment>spoken name of the radians field</comment>
        <translation>Radianes</translation>
    </message>
    <message>
        <source>Move radians to value to add</source>
        <comment>spoken name of the arrow button</comment>
        <translation>Pasar los radianes al valor que se suma</translation>
    </message>
    <message>
        <source>Value to add or subtract</source>
        <comment>spoken name of a field</comment>
        <translation>Valor que se suma o se resta</translation>
    </message>
    <message>
        <source>Show +/- results</source>
        <comment>small check box</comment>
        <translation>Resultados +/-</translation>
    </message>
    <message>
        <source>Significant figures:</source>
        <comment>small label before the list of 6 to 9</comment>
        <translation>Cifras signif.:</translation>
    </message>
    <message>
        <source>Significant figures</source>
        <comment>spoken name of the list</comment>
        <translation>Cifras significativas</translation>
    </message>
    <message>
        <source>Radians to degrees</source>
        <comment>button</comment>
        <translation>Radianes a grados</translation>
    </message>
    <message>
        <source>Round to minutes</source>
        <comment>small check box</comment>
        <translation>Redondear a min.</translation>
    </message>
    <message>
        <source>Output in decimal</source>
        <comment>small check box</comment>
        <translation>Salida decimal</translation>
    </message>
    <message>
        <source>degrees</source>
        <comment>small option: decimal degrees</comment>
        <translation>grados</translation>
    </message>
    <message>
        <source>minutes</source>
        <comment>small option: decimal minutes</comment>
        <translation>minutos</translation>
    </message>
    <message>
        <source>Output</source>
        <comment>spoken name of the output box</comment>
        <translation>Salida</translation>
    </message>
    <message>
        <source>Sign of the angle</source>
        <comment>spoken description of the sign label</comment>
        <translation>Signo del ángulo</translation>
    </message>
    <message>
        <source>Degrees:</source>
        <comment>small label before the degrees field</comment>
        <translation>Grados:</translation>
    </message>
    <message>
        <source>Degrees</source>
        <comment>spoken name of a field</comment>
        <translation>Grados</translation>
    </message>
    <message>
        <source>minutes:</source>
        <comment>small label before the minutes field</comment>
        <translation>min.:</translation>
    </message>
    <message>
        <source>Minutes</source>
        <comment>spoken name of a field</comment>
        <translation>Minutos</translation>
    </message>
    <message>
        <source>seconds:</source>
        <comment>small label before the seconds field</comment>
        <translation>seg.:</translation>
    </message>
    <message>
        <source>Seconds</source>
        <comment>spoken name of a field</comment>
        <translation>Segundos</translation>
    </message>
    <message>
        <source>Change sign </source>
        <comment>button</comment>
        <extracomment>Small button; keep the trailing blank.</extracomment>
        <translation>Camb. signo </translation>
    </message>
    <message>
        <source>Degrees to radians</source>
        <comment>button</comment>
        <translation>Grados a radianes</translation>
    </message>
    <message>
        <source>Copy output to clipboard</source>
        <comment>button</comment>
        <translation>Copiar salida al portapapeles</translation>
    </message>
    <message>
        <source>Clear input</source>
        <comment>small button</comment>
        <translation>Borrar entrada</translation>
    </message>
    <message>
        <source>Clear output</source>
        <comment>small button</comment>
        <translation>Borrar salida</translation>
    </message>
    <message>
        <source>Help</source>
        <comment>small button</comment>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Quit</source>
        <comment>small button</comment>
        <translation>Salir</translation>
    </message>
</context>
<context>
    <name>frmQSsoftware</name>
    <message>
        <source>Quevrin Systems publishes fourteen Windows programs.  Here are titles, brief descriptions and URLs.  All of them may be downloaded from our web site at no charge.  If you are online, click on any item to call up the product page on the web.</source>
        <translation>Quevrin Systems publica catorce programas para Windows.  Aquí tiene títulos, descripciones breves y direcciones web.  Todos se descargan gratis de nuestro sitio web.  Si está conectado, haga clic en un elemento para abrir su página.</translation>
    </message>
    <message>
        <source>Close</source>
        <comment>small button</comment>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>frmView</name>
    <message>
        <source>Close</source>
        <comment>small button</comment>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Copy to clipboard</source>
        <comment>button</comment>
        <translation>Copiar al portapapeles</translation>
    </message>
    <message>
        <source>Viewing</source>
        <comment>window title</comment>
        <translation>Visor</translation>
    </message>
    <message>
        <source>Copy selected text to clipboard</source>
        <comment>button</comment>
        <translation>Copiar selección al portapapeles</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Angulor could not open its window; Qt reports:
</source>
        <translation>Angulor no ha podido abrir su ventana; Qt informa:
</translation>
    </message>
    <message>
        <source>Angulor needs a graphical display, but neither DISPLAY nor WAYLAND_DISPLAY is set.
</source>
        <translation>Angulor necesita una pantalla gráfica, pero no está definida ni DISPLAY ni WAYLAND_DISPLAY.
</translation>
    </message>
</context>
<context>
    <name>weblink</name>
    <message>
        <source>Cannot launch web browser</source>
        <comment>title</comment>
        <translation>No se puede abrir el navegador web</translation>
    </message>
    <message>
        <source>Error launching web browser, error code =</source>
        <extracomment>The error number follows after a blank.</extracomment>
        <translation>Error al abrir el navegador web, código de error =</translation>
    </message>
    <message>
        <source>File extension &apos;%1&apos; is not associated with any application program.</source>
        <translation>La extensión de archivo '%1' no está asociada a ningún programa.</translation>
    </message>
    <message>
        <source>The web page file type %1 is not associated with any browser program.</source>
        <translation>El tipo de archivo de página web %1 no está asociado a ningún navegador.</translation>
    </message>
    <message>
        <source>Out of memory.</source>
        <translation>Memoria insuficiente.</translation>
    </message>
    <message>
        <source>Please try once more.</source>
        <translation>Vuelva a intentarlo.</translation>
    </message>
</context>
</TS>
