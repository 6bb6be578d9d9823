<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>A calculator for plane angles: converts radians into degrees, minutes and seconds and back,
and adds and subtracts angles.</source>
        <translation>Калькулятор плоских углов: переводит радианы в градусы, минуты и секунды и обратно,
а также складывает и вычитает углы.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Показать эту справку и выйти.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Показать версию и выйти.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Неожиданный аргумент «%1».</translation>
    </message>
    <message>
        <source>%1: %2
Try &apos;%1 --help&apos; for more information.
</source>
        <extracomment>%1 is the program&apos;s name, %2 what is wrong; keep &quot;--help&quot;.</extracomment>
        <translation>%1: %2
По команде «%1 --help» можно получить дополнительную информацию.
</translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <translation>Использование: %1 [параметры]</translation>
    </message>
    <message>
        <source>
Qt&apos;s standard options, such as -platform, -display and -style, are accepted too.
</source>
        <translation>
Принимаются также стандартные параметры Qt, например -platform, -display и -style.
</translation>
    </message>
</context>
<context>
    <name>HelpCommand</name>
    <message>
        <source>Help for ANG</source>
        <comment>window title</comment>
        <translation>Справка по ANG</translation>
    </message>
    <message>
        <source>Help text</source>
        <comment>spoken name of the text box</comment>
        <translation>Текст справки</translation>
    </message>
</context>
<context>
    <name>Operations</name>
    <message>
        <source>Degrees to radians</source>
        <extracomment>Title: the caption of the button &quot;Degrees to radians&quot;.</extracomment>
        <translation>Градусы в радианы</translation>
    </message>
    <message>
        <source>Invalid input for degrees, minutes or seconds.</source>
        <translation>Неверный ввод градусов, минут или секунд.</translation>
    </message>
    <message>
        <source>Degrees out of range</source>
        <translation>Градусы вне диапазона</translation>
    </message>
    <message>
        <source>Minutes out of range</source>
        <translation>Минуты вне диапазона</translation>
    </message>
    <message>
        <source>Seconds out of range</source>
        <translation>Секунды вне диапазона</translation>
    </message>
    <message>
        <source>Add</source>
        <extracomment>Title of the messages of the &quot;+&quot; button.</extracomment>
        <translation>Сложение</translation>
    </message>
    <message>
        <source>Subtract&apos;</source>
        <extracomment>Title of the messages of the &quot;-&quot; button; keep the quote.</extracomment>
        <translation>Вычитание</translation>
    </message>
    <message>
        <source>Radians out of range</source>
        <translation>Радианы вне диапазона</translation>
    </message>
    <message>
        <source>Second value out of range</source>
        <translation>Второе значение вне диапазона</translation>
    </message>
    <message>
        <source>Radians to degrees</source>
        <extracomment>Title: the caption of the button &quot;Radians to degrees&quot;.</extracomment>
        <translation>Радианы в градусы</translation>
    </message>
</context>
<context>
    <name>PosixFileReader</name>
    <message>
        <source>File not found</source>
        <translation>Файл не найден</translation>
    </message>
    <message>
        <source>Path not found</source>
        <translation>Путь не найден</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Отказано в доступе</translation>
    </message>
    <message>
        <source>Path/File access error</source>
        <translation>Ошибка доступа к пути или файлу</translation>
    </message>
    <message>
        <source>Input past end of file</source>
        <translation>Чтение за концом файла</translation>
    </message>
    <message>
        <source>Device I/O error</source>
        <translation>Ошибка ввода-вывода устройства</translation>
    </message>
    <message>
        <source>Too many files</source>
        <translation>Слишком много файлов</translation>
    </message>
</context>
<context>
    <name>ProgramList</name>
    <message>
        <source>Baseline - Number Base Converter</source>
        <extracomment>Keep the program&apos;s name before the dash.</extracomment>
        <translation>Baseline - Перевод систем счисления</translation>
    </message>
    <message>
        <source>Converts whole numbers between binary, octal, decimal and hexadecimal as you type, shows the bit pattern of each value and keeps a short history of the numbers you have converted.</source>
        <translation>Переводит целые числа между двоичной, восьмеричной, десятичной и шестнадцатеричной системами при вводе, показывает двоичный вид каждого значения и хранит краткую историю чисел.</translation>
    </message>
    <message>
        <source>Chordwise - Guitar Chord Finder</source>
        <extracomment>Keep the program&apos;s name before the dash.</extracomment>
        <translation>Chordwise - Справочник гитарных аккордов</translation>
    </message>
    <message>
        <source>Shows the fingering of more than two thousand guitar chords on a clear fretboard diagram, names the chord under your fingers, and prints chord sheets for the songs you are learning.</source>
        <translation>Показывает аппликатуру более чем двух тысяч гитарных аккордов на наглядной схеме грифа, называет аккорд, который вы зажали, и печатает листы с аккордами для песен, которые вы разучиваете.</translation>
    </message>
    <message>
        <source>Daybook - Perpetual Calendar and Diary</source>
        <extracomment>Keep the program&apos;s name before the dash.</extracomment>
        <translation>Daybook - Вечный календарь и дневник</translation>
    </message>
    <message>
        <source>A calendar for any year from 1601 to 9999 with week numbers, moon phases and the dates of movable holidays, plus a private diary page for every day that you can search by word.</source>
        <translation>Календарь на любой год с 1601 по 9999 с номерами недель, фазами Луны и датами переходящих праздников, а также личный дневник со страницей на каждый день и поиском по словам.</translation>
    </message>
    <message>
        <source>Fractal Garden - Fractal Image Explorer</source>
        <extracomment>Keep the program&apos;s name before the dash.</extracomment>
        <translation>Fractal Garden - Исследование фракталов</translation>
    </message>
    <message>
        <source>Zoom deep into the classic fractal sets, choose from dozens of colour schemes, and save the pictures you find as bitmaps large enough for posters or for your desktop wallpaper.</source>
        <translation>Погружайтесь в глубины классических фракталов, выбирайте одну из десятков цветовых схем и сохраняйте найденные картины в растровые файлы, достаточно большие для плакатов или обоев рабочего стола.</translation>
    </message>
    <message>
        <source>Fraxion - Fraction Calculator</source>
        <extracomment>Keep the program&apos;s name before the dash.</extracomment>
        <translation>Fraxion - Калькулятор дробей</translation>
    </message>
    <message>
        <source>Adds, subtracts, multiplies and divides common fractions and mixed numbers, reduces every result to lowest terms, and shows each step of the working so that students can follow it.</source>
        <translation>Складывает, вычитает, умножает и делит обыкновенные дроби и смешанные числа, сокращает каждый результат до несократимой дроби и показывает каждый шаг решения, чтобы ученики могли его проследить.</translation>
    </message>
    <message>
        <source>Kilnlog - Pottery Firing Log</source>
        <extracomment>Keep the program&apos;s name before the dash.</extracomment>
        <translation>Kilnlog - Журнал обжига керамики</translation>
    </message>
    <message>
        <source>Records kiln firing schedules, temperatures and cone numbers for each load, plots the firing curve, and keeps notes on glazes and clay bodies so that good results can be repeated.</source>
        <translation>Записывает режимы обжига, температуры и номера пироскопов для каждой загрузки печи, строит кривую обжига и хранит заметки о глазурях и керамических массах, чтобы удачные результаты можно было повторить.</translation>
    </message>
    <message>
        <source>Loanwise - Loan and Mortgage Calculator</source>
        <extracomment>Keep the program&apos;s name before the dash.</extracomment>
        <translation>Loanwise - Кредитный и ипотечный калькулятор</translation>
    </message>
    <message>
        <source>Works out the monthly payment, the total interest and a full repayment table for any loan or mortgage, and shows how much extra payments or a lower rate would save you over its term.</source>
        <translation>Рассчитывает ежемесячный платёж, общую сумму процентов и полный график погашения любого кредита или ипотеки и показывает, сколько вы сэкономите за весь срок благодаря дополнительным платежам или более низкой ставке.</translation>
    </message>
    <message>
        <source>Measurely - Unit Converter</source>
        <extracomment>Keep the program&apos;s name before the dash.</extracomment>
        <translation>Measurely - Конвертер единиц</translation>
    </message>
    <message>
        <source>Converts between more than six hundred units of length, area, volume, mass, temperature, pressure, energy and speed, with results to as many significant digits as you choose.</source>
        <translation>Переводит значения между более чем шестьюстами единицами длины, площади, объёма, массы, температуры, давления, энергии и скорости с тем числом значащих цифр, которое вы выберете.</translation>
    </message>
    <message>
        <source>Pixel Tape - On-Screen Ruler</source>
        <extracomment>Keep the program&apos;s name before the dash.</extracomment>
        <translation>Pixel Tape - Экранная линейка</translation>
    </message>
    <message>
        <source>A ruler that floats above your other windows and measures distances on the screen in pixels, inches, centimetres or points; it can also read the colour of any pixel under the cursor.</source>
        <translation>Линейка, которая держится поверх других окон и измеряет расстояния на экране в пикселях, дюймах, сантиметрах или пунктах; она также умеет определять цвет любого пикселя под курсором.</translation>
    </message>
    <message>
        <source>Quevrin Clock - World Time Zones</source>
        <extracomment>Keep the program&apos;s name before the dash.</extracomment>
        <translation>Quevrin Clock - Часовые пояса мира</translation>
    </message>
    <message>
        <source>Shows the local time in up to twelve cities at once, takes care of daylight saving time rules, and finds the hours that suit a telephone call between people in different time zones.</source>
        <translation>Показывает местное время сразу в двенадцати городах, учитывает правила перехода на летнее время и подбирает часы, удобные для телефонного разговора между людьми из разных часовых поясов.</translation>
    </message>
    <message>
        <source>Splitwatch - Stopwatch and Lap Timer</source>
        <extracomment>Keep the program&apos;s name before the dash.</extracomment>
        <translation>Splitwatch - Секундомер с учётом кругов</translation>
    </message>
    <message>
        <source>A stopwatch with lap and split times to the hundredth of a second, several timers that run side by side, and a table of results that can be copied straight into a spreadsheet.</source>
        <translation>Секундомер с временем кругов и отрезков до сотой доли секунды, несколько таймеров, идущих одновременно, и таблица результатов, которую можно сразу скопировать в электронную таблицу.</translation>
    </message>
    <message>
        <source>Tidewise - Tide Table Predictor</source>
        <extracomment>Keep the program&apos;s name before the dash.</extracomment>
        <translation>Tidewise - Расчёт таблиц приливов</translation>
    </message>
    <message>
        <source>Predicts the times and heights of high and low water for hundreds of harbours, draws the tide curve for each day, and prints a pocket tide table for the whole year ahead.</source>
        <translation>Предсказывает время и высоту полной и малой воды для сотен гаваней, строит кривую прилива на каждый день и печатает карманную таблицу приливов на весь год вперёд.</translation>
    </message>
    <message>
        <source>Trigonel - Triangle Solver</source>
        <extracomment>Keep the program&apos;s name before the dash.</extracomment>
        <translation>Trigonel - Решение треугольников</translation>
    </message>
    <message>
        <source>Solves any triangle from three known sides or angles, draws it to scale, and gives its area, perimeter, heights and the radii of its inscribed and circumscribed circles.</source>
        <translation>Решает любой треугольник по трём известным сторонам или углам, строит его в масштабе и находит его площадь, периметр, высоты и радиусы вписанной и описанной окружностей.</translation>
    </message>
    <message>
        <source>Wordtally - Text Statistics</source>
        <extracomment>Keep the program&apos;s name before the dash.</extracomment>
        <translation>Wordtally - Статистика текста</translation>
    </message>
    <message>
        <source>Counts the words, sentences and paragraphs of a text file, lists the words you use most often, and gives the reading ease and the average sentence length of your writing.</source>
        <translation>Подсчитывает слова, предложения и абзацы текстового файла, составляет список слов, которые вы употребляете чаще всего, и оценивает удобочитаемость и среднюю длину предложений вашего текста.</translation>
    </message>
</context>
<context>
    <name>ResultLine</name>
    <message>
        <source>radians</source>
        <extracomment>Unit after a number in a result line: &quot;1.000000 radians = 57° 17&apos; 45&quot;&quot;. No period.</extracomment>
        <translation>рад</translation>
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
        <translation>ПРИМЕЧАНИЕ: этот файл слишком велик, чтобы показать его в этом поле целиком.
Чтобы увидеть всё содержимое файла, откройте его в Блокноте,
WordPad или другом текстовом редакторе.

</translation>
    </message>
    <message>
        <source>NOTE: Entire contents of file have not been displayed.
</source>
        <translation>ПРИМЕЧАНИЕ: показано не всё содержимое файла.
</translation>
    </message>
    <message>
        <source>The current folder no longer exists.</source>
        <translation>Текущая папка больше не существует.</translation>
    </message>
    <message>
        <source>Error%1.  %2</source>
        <extracomment>%1 is the error number with its blank (&quot; 53&quot;), %2 the description.</extracomment>
        <translation>Ошибка%1.  %2</translation>
    </message>
    <message>
        <source>Error reading file</source>
        <comment>title</comment>
        <translation>Ошибка чтения файла</translation>
    </message>
    <message>
        <source>The file
%1
is empty, so there is no text to show.</source>
        <translation>Файл
%1
пуст, поэтому показывать нечего.</translation>
    </message>
    <message>
        <source>Empty file</source>
        <comment>title</comment>
        <translation>Пустой файл</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Radians to/from degrees,minutes,seconds</source>
        <comment>window title while the window is being built</comment>
        <translation>Радианы в градусы,минуты,секунды и обратно</translation>
    </message>
    <message>
        <source>Radians</source>
        <comment>small label before the radians field</comment>
        <translation>Радианы</translation>
    </message>
    <message>
        <source>Radians</source>
        <comment>spoken name of the radians field</comment>
        <translation>Радианы</translation>
    </message>
    <message>
        <source>Move radians to value to add</source>
        <comment>spoken name of the arrow button</comment>
        <translation>Перенести радианы во второе значение</translation>
    </message>
    <message>
        <source>Value to add or subtract</source>
        <comment>spoken name of a field</comment>
        <translation>Значение для сложения или вычитания</translation>
    </message>
    <message>
        <source>Show +/- results</source>
        <comment>small check box</comment>
        <translation>Выводить +/-</translation>
    </message>
    <message>
        <source>Significant figures:</source>
        <comment>small label before the list of 6 to 9</comment>
        <translation>Знач. цифры:</translation>
    </message>
    <message>
        <source>Significant figures</source>
        <comment>spoken name of the list</comment>
        <translation>Значащие цифры</translation>
    </message>
    <message>
        <source>Radians to degrees</source>
        <comment>button</comment>
        <translation>Радианы в градусы</translation>
    </message>
    <message>
        <source>Round to minutes</source>
        <comment>small check box</comment>
        <translation>До целых минут</translation>
    </message>
    <message>
        <source>Output in decimal</source>
        <comment>small check box</comment>
        <translation>Десятичный вывод</translation>
    </message>
    <message>
        <source>degrees</source>
        <comment>small option: decimal degrees</comment>
        <translation>градусы</translation>
    </message>
    <message>
        <source>minutes</source>
        <comment>small option: decimal minutes</comment>
        <translation>минуты</translation>
    </message>
    <message>
        <source>Output</source>
        <comment>spoken name of the output box</comment>
        <translation>Вывод</translation>
    </message>
    <message>
        <source>Sign of the angle</source>
        <comment>spoken description of the sign label</comment>
        <translation>Знак угла</translation>
    </message>
    <message>
        <source>Degrees:</source>
        <comment>small label before the degrees field</comment>
        <translation>Градусы:</translation>
    </message>
    <message>
        <source>Degrees</source>
        <comment>spoken name of a field</comment>
        <translation>Градусы</translation>
    </message>
    <message>
        <source>minutes:</source>
        <comment>small label before the minutes field</comment>
        <translation>минуты:</translation>
    </message>
    <message>
        <source>Minutes</source>
        <comment>spoken name of a field</comment>
        <translation>Минуты</translation>
    </message>
    <message>
        <source>seconds:</source>
        <comment>small label before the seconds field</comment>
        <translation>секунды:</translation>
    </message>
    <message>
        <source>Seconds</source>
        <comment>spoken name of a field</comment>
        <translation>Секунды</translation>
    </message>
    <message>
        <source>Change sign </source>
        <comment>button</comment>
        <extracomment>Small button; keep the trailing blank.</extracomment>
        <translation>Смена знака </translation>
    </message>
    <message>
        <source>Degrees to radians</source>
        <comment>button</comment>
        <translation>Градусы в радианы</translation>
    </message>
    <message>
        <source>Copy output to clipboard</source>
        <comment>button</comment>
        <translation>Копировать вывод</translation>
    </message>
    <message>
        <source>Clear input</source>
        <comment>small button</comment>
        <translation>Сброс ввода</translation>
    </message>
    <message>
        <source>Clear output</source>
        <comment>small button</comment>
        <translation>Сброс вывода</translation>
    </message>
    <message>
        <source>Help</source>
        <comment>small button</comment>
        <translation>Справка</translation>
    </message>
    <message>
        <source>Quit</source>
        <comment>small button</comment>
        <translation>Выход</translation>
    </message>
</context>
<context>
    <name>frmQSsoftware</name>
    <message>
        <source>Quevrin Systems publishes fourteen Windows programs.  Here are titles, brief descriptions and URLs.  All of them may be downloaded from our web site at no charge.  If you are online, click on any item to call up the product page on the web.</source>
        <translation>Quevrin Systems выпускает четырнадцать программ для Windows.  Ниже их названия, краткие описания и адреса.  Все их можно бесплатно скачать с нашего сайта.  Если вы в сети, щёлкните по пункту, чтобы открыть страницу программы.</translation>
    </message>
    <message>
        <source>Close</source>
        <comment>small button</comment>
        <translation>Закрыть</translation>
    </message>
</context>
<context>
    <name>frmView</name>
    <message>
        <source>Close</source>
        <comment>small button</comment>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Copy to clipboard</source>
        <comment>button</comment>
        <translation>Копировать</translation>
    </message>
    <message>
        <source>Viewing</source>
        <comment>window title</comment>
        <translation>Просмотр</translation>
    </message>
    <message>
        <source>Copy selected text to clipboard</source>
        <comment>button</comment>
        <translation>Копировать выделенное</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Angulor could not open its window; Qt reports:
</source>
        <translation>Angulor не может открыть своё окно; Qt сообщает:
</translation>
    </message>
    <message>
        <source>Angulor needs a graphical display, but neither DISPLAY nor WAYLAND_DISPLAY is set.
</source>
        <translation>Для работы Angulor нужен графический дисплей, но не задана ни переменная DISPLAY, ни WAYLAND_DISPLAY.
</translation>
    </message>
</context>
<context>
    <name>weblink</name>
    <message>
        <source>Cannot launch web browser</source>
        <comment>title</comment>
        <translation>Не удаётся запустить веб-браузер</translation>
    </message>
    <message>
        <source>Error launching web browser, error code =</source>
        <extracomment>The error number follows after a blank.</extracomment>
        <translation>Ошибка запуска веб-браузера, код ошибки =</translation>
    </message>
    <message>
        <source>File extension &apos;%1&apos; is not associated with any application program.</source>
        <translation>Расширение файла «%1» не связано ни с одной программой.</translation>
    </message>
    <message>
        <source>The web page file type %1 is not associated with any browser program.</source>
        <translation>Тип файла веб-страницы %1 не связан ни с одним браузером.</translation>
    </message>
    <message>
        <source>Out of memory.</source>
        <translation>Недостаточно памяти.</translation>
    </message>
    <message>
        <source>Please try once more.</source>
        <translation>Попробуйте ещё раз.</translation>
    </message>
</context>
</TS>
