<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>A calculator for plane angles: converts radians into degrees, minutes and seconds and back,
and adds and subtracts angles.</source>
        <translation>平面角计算器：把弧度换算成度、分、秒，也可反向换算，
并对角进行加减。</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>显示此帮助并退出。</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>显示版本信息并退出。</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>意外的参数“%1”。</translation>
    </message>
    <message>
        <source>%1: %2
Try &apos;%1 --help&apos; for more information.
</source>
        <extracomment>%1 is the program&apos;s name, %2 what is wrong; keep &quot;--help&quot;.</extracomment>
        <translation>%1: %2
请尝试执行“%1 --help”来获取更多信息。
</translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <translation>用法：%1 [选项]</translation>
    </message>
    <message>
        <source>
Qt&apos;s standard options, such as -platform, -display and -style, are accepted too.
</source>
        <translation>
也接受 Qt 的标准选项，如 -platform、-display 和 -style。
</translation>
    </message>
</context>
<context>
    <name>HelpCommand</name>
    <message>
        <source>Help for ANG</source>
        <comment>window title</comment>
        <translation>ANG 帮助</translation>
    </message>
    <message>
        <source>Help text</source>
        <comment>spoken name of the text box</comment>
        <translation>帮助文本</translation>
    </message>
</context>
<context>
    <name>Operations</name>
    <message>
        <source>Degrees to radians</source>
        <extracomment>Title: the caption of the button &quot;Degrees to radians&quot;.</extracomment>
        <translation>角度转弧度</translation>
    </message>
    <message>
        <source>Invalid input for degrees, minutes or seconds.</source>
        <translation>度、分或秒的输入无效。</translation>
    </message>
    <message>
        <source>Degrees out of range</source>
        <translation>度值超出范围</translation>
    </message>
    <message>
        <source>Minutes out of range</source>
        <translation>分值超出范围</translation>
    </message>
    <message>
        <source>Seconds out of range</source>
        <translation>秒值超出范围</translation>
    </message>
    <message>
        <source>Add</source>
        <extracomment>Title of the messages of the &quot;+&quot; button.</extracomment>
        <translation>加法</translation>
    </message>
    <message>
        <source>Subtract&apos;</source>
        <extracomment>Title of the messages of the &quot;-&quot; button; keep the quote.</extracomment>
        <translation>减法</translation>
    </message>
    <message>
        <source>Radians out of range</source>
        <translation>弧度超出范围</translation>
    </message>
    <message>
        <source>Second value out of range</source>
        <translation>第二个值超出范围</translation>
    </message>
    <message>
        <source>Radians to degrees</source>
        <extracomment>Title: the caption of the button &quot;Radians to degrees&quot;.</extracomment>
        <translation>弧度转角度</translation>
    </message>
</context>
<context>
    <name>PosixFileReader</name>
    <message>
        <source>File not found</source>
        <translation>找不到文件</translation>
    </message>
    <message>
        <source>Path not found</source>
        <translation>找不到路径</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>拒绝访问</translation>
    </message>
    <message>
        <source>Path/File access error</source>
        <translation>路径/文件访问错误</translation>
    </message>
    <message>
        <source>Input past end of file</source>
        <translation>输入超出文件尾</translation>
    </message>
    <message>
        <source>Device I/O error</source>
        <translation>设备 I/O 错误</translation>
    </message>
    <message>
        <source>Too many files</source>
        <translation>文件过多</translation>
    </message>
</context>
<context>
    <name>ProgramList</name>
    <message>
        <source>Baseline - Number Base Converter</source>
        <extracomment>Keep the program&apos;s name before the dash.</extracomment>
        <translation>Baseline - 进制转换器</translation>
    </message>
    <message>
        <source>Converts whole numbers between binary, octal, decimal and hexadecimal as you type, shows the bit pattern of each value and keeps a short history of the numbers you have converted.</source>
        <translation>在您输入的同时，在二进制、八进制、十进制和十六进制之间转换整数，显示每个值的位模式，并保留您转换过的数字的简短历史记录。</translation>
    </message>
    <message>
        <source>Chordwise - Guitar Chord Finder</source>
        <extracomment>Keep the program&apos;s name before the dash.</extracomment>
        <translation>Chordwise - 吉他和弦查找器</translation>
    </message>
    <message>
        <source>Shows the fingering of more than two thousand guitar chords on a clear fretboard diagram, names the chord under your fingers, and prints chord sheets for the songs you are learning.</source>
        <translation>在清晰的指板图上显示两千多个吉他和弦的指法，说出您手指下所按和弦的名称，并为您正在学习的歌曲打印和弦谱。</translation>
    </message>
    <message>
        <source>Daybook - Perpetual Calendar and Diary</source>
        <extracomment>Keep the program&apos;s name before the dash.</extracomment>
        <translation>Daybook - 万年历与日记</translation>
    </message>
    <message>
        <source>A calendar for any year from 1601 to 9999 with week numbers, moon phases and the dates of movable holidays, plus a private diary page for every day that you can search by word.</source>
        <translation>可查看 1601 年至 9999 年任意一年的日历，带有周数、月相和非固定节日的日期，另有每天一页、可按词语搜索的私人日记。</translation>
    </message>
    <message>
        <source>Fractal Garden - Fractal Image Explorer</source>
        <extracomment>Keep the program&apos;s name before the dash.</extracomment>
        <translation>Fractal Garden - 分形图像浏览器</translation>
    </message>
    <message>
        <source>Zoom deep into the classic fractal sets, choose from dozens of colour schemes, and save the pictures you find as bitmaps large enough for posters or for your desktop wallpaper.</source>
        <translation>深入放大经典的分形集，从数十种配色方案中任选其一，并把发现的图案保存为位图，其尺寸足以用作海报或桌面壁纸。</translation>
    </message>
    <message>
        <source>Fraxion - Fraction Calculator</source>
        <extracomment>Keep the program&apos;s name before the dash.</extracomment>
        <translation>Fraxion - 分数计算器</translation>
    </message>
    <message>
        <source>Adds, subtracts, multiplies and divides common fractions and mixed numbers, reduces every result to lowest terms, and shows each step of the working so that students can follow it.</source>
        <translation>对普通分数和带分数进行加、减、乘、除运算，把每个结果化为最简分数，并显示每一步计算过程，便于学生理解。</translation>
    </message>
    <message>
        <source>Kilnlog - Pottery Firing Log</source>
        <extracomment>Keep the program&apos;s name before the dash.</extracomment>
        <translation>Kilnlog - 陶瓷烧成记录</translation>
    </message>
    <message>
        <source>Records kiln firing schedules, temperatures and cone numbers for each load, plots the firing curve, and keeps notes on glazes and clay bodies so that good results can be repeated.</source>
        <translation>记录每一窑的烧成制度、温度和测温锥号，绘制烧成曲线，并保存关于釉料和坯料的笔记，以便重现满意的效果。</translation>
    </message>
    <message>
        <source>Loanwise - Loan and Mortgage Calculator</source>
        <extracomment>Keep the program&apos;s name before the dash.</extracomment>
        <translation>Loanwise - 贷款与房贷计算器</translation>
    </message>
    <message>
        <source>Works out the monthly payment, the total interest and a full repayment table for any loan or mortgage, and shows how much extra payments or a lower rate would save you over its term.</source>
        <translation>计算任何贷款或房贷的月供、总利息和完整的还款计划表，并显示在整个贷款期内额外还款或降低利率能为您节省多少钱。</translation>
    </message>
    <message>
        <source>Measurely - Unit Converter</source>
        <extracomment>Keep the program&apos;s name before the dash.</extracomment>
        <translation>Measurely - 单位换算器</translation>
    </message>
    <message>
        <source>Converts between more than six hundred units of length, area, volume, mass, temperature, pressure, energy and speed, with results to as many significant digits as you choose.</source>
        <translation>在长度、面积、体积、质量、温度、压力、能量和速度的六百多种单位之间换算，结果可保留您所选的有效数字位数。</translation>
    </message>
    <message>
        <source>Pixel Tape - On-Screen Ruler</source>
        <extracomment>Keep the program&apos;s name before the dash.</extracomment>
        <translation>Pixel Tape - 屏幕标尺</translation>
    </message>
    <message>
        <source>A ruler that floats above your other windows and measures distances on the screen in pixels, inches, centimetres or points; it can also read the colour of any pixel under the cursor.</source>
        <translation>一把浮在其他窗口上方的标尺，以像素、英寸、厘米或磅为单位测量屏幕上的距离；它还能读取光标下任意像素的颜色。</translation>
    </message>
    <message>
        <source>Quevrin Clock - World Time Zones</source>
        <extracomment>Keep the program&apos;s name before the dash.</extracomment>
        <translation>Quevrin Clock - 世界时区</translation>
    </message>
    <message>
        <source>Shows the local time in up to twelve cities at once, takes care of daylight saving time rules, and finds the hours that suit a telephone call between people in different time zones.</source>
        <translation>同时显示最多十二个城市的当地时间，自动处理夏令时规则，并为身处不同时区的人找出适合通电话的时间。</translation>
    </message>
    <message>
        <source>Splitwatch - Stopwatch and Lap Timer</source>
        <extracomment>Keep the program&apos;s name before the dash.</extracomment>
        <translation>Splitwatch - 秒表与计圈计时器</translation>
    </message>
    <message>
        <source>A stopwatch with lap and split times to the hundredth of a second, several timers that run side by side, and a table of results that can be copied straight into a spreadsheet.</source>
        <translation>一款可记录单圈时间和分段时间、精确到百分之一秒的秒表，可同时运行多个计时器，结果表可直接复制到电子表格中。</translation>
    </message>
    <message>
        <source>Tidewise - Tide Table Predictor</source>
        <extracomment>Keep the program&apos;s name before the dash.</extracomment>
        <translation>Tidewise - 潮汐表预报</translation>
    </message>
    <message>
        <source>Predicts the times and heights of high and low water for hundreds of harbours, draws the tide curve for each day, and prints a pocket tide table for the whole year ahead.</source>
        <translation>预报数百个港口的高潮和低潮时间及潮高，绘制每天的潮汐曲线，并打印未来一整年的袖珍潮汐表。</translation>
    </message>
    <message>
        <source>Trigonel - Triangle Solver</source>
        <extracomment>Keep the program&apos;s name before the dash.</extracomment>
        <translation>Trigonel - 解三角形</translation>
    </message>
    <message>
        <source>Solves any triangle from three known sides or angles, draws it to scale, and gives its area, perimeter, heights and the radii of its inscribed and circumscribed circles.</source>
        <translation>根据三个已知的边或角求解任意三角形，按比例画出图形，并给出其面积、周长、各边上的高以及内切圆和外接圆的半径。</translation>
    </message>
    <message>
        <source>Wordtally - Text Statistics</source>
        <extracomment>Keep the program&apos;s name before the dash.</extracomment>
        <translation>Wordtally - 文本统计</translation>
    </message>
    <message>
        <source>Counts the words, sentences and paragraphs of a text file, lists the words you use most often, and gives the reading ease and the average sentence length of your writing.</source>
        <translation>统计文本文件中的词数、句数和段落数，列出您最常用的词语，并给出文章的易读度和平均句长。</translation>
    </message>
</context>
<context>
    <name>ResultLine</name>
    <message>
        <source>radians</source>
        <extracomment>Unit after a number in a result line: &quot;1.000000 radians = 57° 17&apos; 45&quot;&quot;. No period.</extracomment>
        <translation>弧度</translation>
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
        <translation>注意：此文件太大，无法在此文本框中完整显示。
要查看文件的全部内容，请将其载入记事本、
写字板或其他文本编辑器。

</translation>
    </message>
    <message>
        <source>NOTE: Entire contents of file have not been displayed.
</source>
        <translation>注意：未显示文件的全部内容。
</translation>
    </message>
    <message>
        <source>The current folder no longer exists.</source>
        <translation>当前文件夹已不存在。</translation>
    </message>
    <message>
        <source>Error%1.  %2</source>
        <extracomment>%1 is the error number with its blank (&quot; 53&quot;), %2 the description.</extracomment>
        <translation>错误%1.  %2</translation>
    </message>
    <message>
        <source>Error reading file</source>
        <comment>title</comment>
        <translation>读取文件出错</translation>
    </message>
    <message>
        <source>The file
%1
is empty, so there is no text to show.</source>
        <translation>文件
%1
为空，没有可显示的文本。</translation>
    </message>
    <message>
        <source>Empty file</source>
        <comment>title</comment>
        <translation>空文件</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Radians to/from degrees,minutes,seconds</source>
        <comment>window title while the window is being built</comment>
        <translation>弧度与度、分、秒互换</translation>
    </message>
    <message>
        <source>Radians</source>
        <comment>small label before the radians field</comment>
        <translation>弧度</translation>
    </message>
    <message>
        <source>Radians</source>
        <comment>spoken name of the radians field</comment>
        <translation>弧度</translation>
    </message>
    <message>
        <source>Move radians to value to add</source>
        <comment>spoken name of the arrow button</comment>
        <translation>把弧度移到第二个值</translation>
    </message>
    <message>
        <source>Value to add or subtract</source>
        <comment>spoken name of a field</comment>
        <translation>要加上或减去的值</translation>
    </message>
    <message>
        <source>Show +/- results</source>
        <comment>small check box</comment>
        <translation>显示 +/- 结果</translation>
    </message>
    <message>
        <source>Significant figures:</source>
        <comment>small label before the list of 6 to 9</comment>
        <translation>有效数字：</translation>
    </message>
    <message>
        <source>Significant figures</source>
        <comment>spoken name of the list</comment>
        <translation>有效数字</translation>
    </message>
    <message>
        <source>Radians to degrees</source>
        <comment>button</comment>
        <translation>弧度转角度</translation>
    </message>
    <message>
        <source>Round to minutes</source>
        <comment>small check box</comment>
        <translation>取整到分</translation>
    </message>
    <message>
        <source>Output in decimal</source>
        <comment>small check box</comment>
        <translation>小数输出</translation>
    </message>
    <message>
        <source>degrees</source>
        <comment>small option: decimal degrees</comment>
        <translation>度</translation>
    </message>
    <message>
        <source>minutes</source>
        <comment>small option: decimal minutes</comment>
        <translation>分</translation>
    </message>
    <message>
        <source>Output</source>
        <comment>spoken name of the output box</comment>
        <translation>输出</translation>
    </message>
    <message>
        <source>Sign of the angle</source>
        <comment>spoken description of the sign label</comment>
        <translation>角的符号</translation>
    </message>
    <message>
        <source>Degrees:</source>
        <comment>small label before the degrees field</comment>
        <translation>度：</translation>
    </message>
    <message>
        <source>Degrees</source>
        <comment>spoken name of a field</comment>
        <translation>度</translation>
    </message>
    <message>
        <source>minutes:</source>
        <comment>small label before the minutes field</comment>
        <translation>分：</translation>
    </message>
    <message>
        <source>Minutes</source>
        <comment>spoken name of a field</comment>
        <translation>分</translation>
    </message>
    <message>
        <source>seconds:</source>
        <comment>small label before the seconds field</comment>
        <translation>秒：</translation>
    </message>
    <message>
        <source>Seconds</source>
        <comment>spoken name of a field</comment>
        <translation>秒</translation>
    </message>
    <message>
        <source>Change sign </source>
        <comment>button</comment>
        <extracomment>Small button; keep the trailing blank.</extracomment>
        <translation>改变符号 </translation>
    </message>
    <message>
        <source>Degrees to radians</source>
        <comment>button</comment>
        <translation>角度转弧度</translation>
    </message>
    <message>
        <source>Copy output to clipboard</source>
        <comment>button</comment>
        <translation>复制输出到剪贴板</translation>
    </message>
    <message>
        <source>Clear input</source>
        <comment>small button</comment>
        <translation>清除输入</translation>
    </message>
    <message>
        <source>Clear output</source>
        <comment>small button</comment>
        <translation>清除输出</translation>
    </message>
    <message>
        <source>Help</source>
        <comment>small button</comment>
        <translation>帮助</translation>
    </message>
    <message>
        <source>Quit</source>
        <comment>small button</comment>
        <translation>退出</translation>
    </message>
</context>
<context>
    <name>frmQSsoftware</name>
    <message>
        <source>Quevrin Systems publishes fourteen Windows programs.  Here are titles, brief descriptions and URLs.  All of them may be downloaded from our web site at no charge.  If you are online, click on any item to call up the product page on the web.</source>
        <translation>Quevrin Systems 发布了十四款 Windows 程序。  以下是它们的名称、简介和网址。  所有程序均可从我们的网站免费下载。  如果您已联网，单击任意一项即可打开该产品的网页。</translation>
    </message>
    <message>
        <source>Close</source>
        <comment>small button</comment>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>frmView</name>
    <message>
        <source>Close</source>
        <comment>small button</comment>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Copy to clipboard</source>
        <comment>button</comment>
        <translation>复制到剪贴板</translation>
    </message>
    <message>
        <source>Viewing</source>
        <comment>window title</comment>
        <translation>查看</translation>
    </message>
    <message>
        <source>Copy selected text to clipboard</source>
        <comment>button</comment>
        <translation>复制所选文本</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Angulor could not open its window; Qt reports:
</source>
        <translation>Angulor 无法打开其窗口；Qt 报告：
</translation>
    </message>
    <message>
        <source>Angulor needs a graphical display, but neither DISPLAY nor WAYLAND_DISPLAY is set.
</source>
        <translation>Angulor 需要图形显示环境，但 DISPLAY 和 WAYLAND_DISPLAY 均未设置。
</translation>
    </message>
</context>
<context>
    <name>weblink</name>
    <message>
        <source>Cannot launch web browser</source>
        <comment>title</comment>
        <translation>无法启动网页浏览器</translation>
    </message>
    <message>
        <source>Error launching web browser, error code =</source>
        <extracomment>The error number follows after a blank.</extracomment>
        <translation>启动网页浏览器出错，错误代码 =</translation>
    </message>
    <message>
        <source>File extension &apos;%1&apos; is not associated with any application program.</source>
        <translation>文件扩展名“%1”未与任何应用程序关联。</translation>
    </message>
    <message>
        <source>The web page file type %1 is not associated with any browser program.</source>
        <translation>网页文件类型 %1 未与任何浏览器程序关联。</translation>
    </message>
    <message>
        <source>Out of memory.</source>
        <translation>内存不足。</translation>
    </message>
    <message>
        <source>Please try once more.</source>
        <translation>请再试一次。</translation>
    </message>
</context>
</TS>
