#include "ProgramList.h"

namespace {

struct FixedEntry {
    const char *title;
    const char *description;
    const char *page;
};

// The maker's other programs, in alphabetical order of title.
constexpr FixedEntry Catalogue[] = {
    {"Baseline - Number Base Converter",
     "Converts whole numbers between binary, octal, decimal and hexadecimal as you type, shows the "
     "bit pattern of each value and keeps a short history of the numbers you have converted.",
     "baseline/baseline.htm"},
    {"Chordwise - Guitar Chord Finder",
     "Shows the fingering of more than two thousand guitar chords on a clear fretboard diagram, "
     "names the chord under your fingers, and prints chord sheets for the songs you are learning.",
     "chordwise/chordwise.htm"},
    {"Daybook - Perpetual Calendar and Diary",
     "A calendar for any year from 1601 to 9999 with week numbers, moon phases and the dates of "
     "movable holidays, plus a private diary page for every day that you can search by word.",
     "daybook/daybook.htm"},
    {"Fractal Garden - Fractal Image Explorer",
     "Zoom deep into the classic fractal sets, choose from dozens of colour schemes, and save the "
     "pictures you find as bitmaps large enough for posters or for your desktop wallpaper.",
     "fractalgarden/fractalgarden.htm"},
    {"Fraxion - Fraction Calculator",
     "Adds, subtracts, multiplies and divides common fractions and mixed numbers, reduces every "
     "result to lowest terms, and shows each step of the working so that students can follow it.",
     "fraxion/fraxion.htm"},
    {"Kilnlog - Pottery Firing Log",
     "Records kiln firing schedules, temperatures and cone numbers for each load, plots the firing "
     "curve, and keeps notes on glazes and clay bodies so that good results can be repeated.",
     "kilnlog/kilnlog.htm"},
    {"Loanwise - Loan and Mortgage Calculator",
     "Works out the monthly payment, the total interest and a full repayment table for any loan or "
     "mortgage, and shows how much extra payments or a lower rate would save you over its term.",
     "loanwise/loanwise.htm"},
    {"Measurely - Unit Converter",
     "Converts between more than six hundred units of length, area, volume, mass, temperature, "
     "pressure, energy and speed, with results to as many significant digits as you choose.",
     "measurely/measurely.htm"},
    {"Pixel Tape - On-Screen Ruler",
     "A ruler that floats above your other windows and measures distances on the screen in pixels, "
     "inches, centimetres or points; it can also read the colour of any pixel under the cursor.",
     "pixeltape/pixeltape.htm"},
    {"Quevrin Clock - World Time Zones",
     "Shows the local time in up to twelve cities at once, takes care of daylight saving time "
     "rules, and finds the hours that suit a telephone call between people in different time "
     "zones.",
     "qclock/qclock.htm"},
    {"Splitwatch - Stopwatch and Lap Timer",
     "A stopwatch with lap and split times to the hundredth of a second, several timers that run "
     "side by side, and a table of results that can be copied straight into a spreadsheet.",
     "splitwatch/splitwatch.htm"},
    {"Tidewise - Tide Table Predictor",
     "Predicts the times and heights of high and low water for hundreds of harbours, draws the "
     "tide curve for each day, and prints a pocket tide table for the whole year ahead.",
     "tidewise/tidewise.htm"},
    {"Trigonel - Triangle Solver",
     "Solves any triangle from three known sides or angles, draws it to scale, and gives its area, "
     "perimeter, heights and the radii of its inscribed and circumscribed circles.",
     "trigonel/trigonel.htm"},
    {"Wordtally - Text Statistics",
     "Counts the words, sentences and paragraphs of a text file, lists the words you use most "
     "often, and gives the reading ease and the average sentence length of your writing.",
     "wordtally/wordtally.htm"},
};

static_assert(std::size(Catalogue) <= ProgramSlots);

} // namespace

qint16 BuildProgramList(const QString &siteUrl, ProgramTable &Programs) {
    qint16 last = -1;
    for (const FixedEntry &fixed : Catalogue) {
        ProgramEntry &entry = Programs[static_cast<std::size_t>(++last)];
        entry.Title = QString::fromUtf8(fixed.title);
        entry.Description = QString::fromUtf8(fixed.description);
        entry.URL = siteUrl + QString::fromUtf8(fixed.page);
    }
    return static_cast<qint16>(last + 1);
}

QString descriptionCaption(const ProgramEntry &entry) {
    return entry.Description + QStringLiteral("\r\n") + entry.URL;
}
